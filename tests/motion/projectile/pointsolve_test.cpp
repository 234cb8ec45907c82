#include "motion/projectile/pointsolve.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "numerics/mathutil.h"
#include "parab_fixture.h"
#include "runtime/errors.h"

namespace parabtest {
namespace {

using parab::Ask;

// A point of the path of a launch (t0 = 0, x0 = 0, y0 = 0, v0, theta).
struct PathPoint {
    double t, x, y, v, a;
};
PathPoint At(double v0, double th, double t) {
    const double vx = v0 * num::CosDeg(th), vy = v0 * num::SinDeg(th) - 9.8 * t;
    return {t, vx * t, v0 * num::SinDeg(th) * t - 4.9 * t * t, num::Hypot(vx, vy), num::VectorAngleDeg(vx, vy)};
}

// The data of a pair code at a point.
std::pair<double, double> Pair(int code, const PathPoint& p) {
    switch (code) {
    case 12: return {p.t, p.x};
    case 13: return {p.t, p.y};
    case 14: return {p.x, p.y};
    case 15: return {p.t, p.v};
    case 16: return {p.x, p.v};
    case 17: return {p.y, p.v};
    case 18: return {p.t, p.a};
    case 19: return {p.x, p.a};
    default: return {p.y, p.a};
    }
}

bool HasValue(const parab::StepResult& o, double v, double tol = 1e-6) {
    return std::any_of(o.values.begin(), o.values.end(), [&](double w) { return std::fabs(w - v) < tol; });
}

// ---------------------------------------------------------------- a point

class ApplyPointTest : public ParabTest {
protected:
    void SetUp() override {
        ParabTest::SetUp();
        Pose(1, 0, 0, 0, 10, 19.6, true);  // apex at t = 2, (20, 19.6)
    }
    parab::ApplyResult Apply(int code, const rt::Variant& d1, const rt::Variant& d2 = {}, int point = 3, int ref = 0) {
        return parab::PlanApplyPoint(parab::Model(), motion::State().ComponentVelocityFlags, 1, point, ref, code, d1,
                                     d2);
    }
};

TEST_F(ApplyPointTest, OneDatumGivesTheWholePoint) {
    struct Case {
        int code;
        rt::Variant d;
        bool cs;
        double t, p, q;
    } cases[] = {{5, 2, false, 2, 10, 0},   {6, 20, false, 2, 10, 0},
                 {9, 0, true, 2, 10, 0},    {11, 0, false, 2, 10, 0},
                 {5, 3, true, 3, 10, -9.8}, {7, 0, false, 4, num::Hypot(10, 19.6), num::VectorAngleDeg(10, -19.6)}};
    for (const auto& c : cases) {
        motion::State().ComponentVelocityFlags[4] = c.cs;
        const auto o = Apply(c.code, c.d);
        ASSERT_TRUE(o.message.empty());
        ASSERT_EQ(o.fills.size(), 1u);
        const auto& f = o.fills[0];
        EXPECT_EQ(f.col, 4);
        EXPECT_NEAR(f.t, c.t, 1e-9) << c.code;
        EXPECT_NEAR(f.x, 10 * c.t, 1e-9);
        EXPECT_NEAR(f.y, 19.6 * c.t - 4.9 * c.t * c.t, 1e-9);
        EXPECT_NEAR(f.p, c.p, 1e-9);
        EXPECT_NEAR(f.q, c.q, 1e-9);
    }
}

TEST_F(ApplyPointTest, SpeedOffersBothTimes) {
    const auto o = Apply(10, num::Hypot(10, 9.8));
    ASSERT_TRUE(o.choose);
    EXPECT_EQ(o.title, "En  t =  3  y  t = 1");
    EXPECT_NEAR(o.fills[0].t, 3, 1e-9);
    EXPECT_NEAR(o.fills[1].t, 1, 1e-9);
    EXPECT_NEAR(o.fills[1].p, num::Hypot(10, 9.8), 1e-12);  // the speed given
    EXPECT_NEAR(o.fills[1].q, num::VectorAngleDeg(10, 9.8), 1e-9);
}

TEST_F(ApplyPointTest, RefusalsAndFaults) {
    EXPECT_EQ(Apply(7, 40).message, "No hay solución.");
    EXPECT_EQ(Apply(10, 5).message, "No hay solución. Verifica los datos.");
    EXPECT_EQ(Apply(10, -1).message, "Magnitud negativa.");
    EXPECT_THROW(Apply(8, 0, 5), rt::RuntimeError);
    Pose(1, 0, 0, 0, 0, 10, true);  // vertical
    EXPECT_THROW(Apply(6, 5), rt::RuntimeError);
}

// A given height is looked for from the launch on: of two crossings the
// one at or after the launch time, and a message when both came before it.
TEST_F(ParabTest, HeightIsLookedForFromTheLaunchOn) {
    const char* notAfter = "El móvil no alcanza esa altura después del lanzamiento.";
    struct Case {
        double t0, vy, y;
        double t;             // the time written
        const char* message;  // or the message instead
    } cases[] = {
        {0, -2, 0, 4.318065266563334, ""},    // thrown downward: the landing
        {2, -2, 0, 6.318065266563334, ""},    // the same throw two seconds later
        {1, -9.8, 0, 4.626895640200471, ""},  // apex at t = 0, the landing after the throw
        {0, -20, 110, 0, notAfter},           // both crossings before the throw
        {1, -9.8, 104, 0, notAfter},          // apex at t = 0: t = +-0.43, both before
    };
    for (const Case& c : cases) {
        Pose(1, c.t0, 0, 100, 20, c.vy, true);
        const auto o =
            parab::PlanApplyPoint(parab::Model(), motion::State().ComponentVelocityFlags, 1, 3, 0, 7, c.y, {});
        EXPECT_EQ(o.message, c.message) << c.t0 << " " << c.vy << " " << c.y;
        if (*c.message) {
            EXPECT_TRUE(o.fills.empty());
            continue;
        }
        ASSERT_EQ(o.fills.size(), 1u);
        EXPECT_NEAR(o.fills[0].t, c.t, 1e-8) << c.t0 << " " << c.vy;
        EXPECT_NEAR(o.fills[0].x, 20 * (c.t - c.t0), 1e-7);
        EXPECT_NEAR(o.fills[0].y, c.y, 1e-8);
    }
}

TEST_F(ApplyPointTest, RelatedTimeAndHeightGiveTwoPoints) {
    const auto o = Apply(8, "2", "19.6", 3, 0);
    ASSERT_EQ(o.fills.size(), 2u);
    EXPECT_EQ(o.fills[0].col, 1);
    EXPECT_NEAR(o.fills[0].t, 0, 1e-9);
    EXPECT_NEAR(o.fills[0].y, 0, 1e-9);
    EXPECT_EQ(o.fills[1].col, 4);
    EXPECT_NEAR(o.fills[1].t, 2, 1e-9);
    EXPECT_NEAR(o.fills[1].x, 20, 1e-9);
    ASSERT_EQ(o.lines.UBound(), 5);
    EXPECT_EQ(o.lines[1], "Sustituir en las ecuaciones del móvil 1: ;Dt = 2 y ;Dy = 19.6.");
    EXPECT_EQ(o.lines[2], "t!0 = 0, x!0 = 0\r\ny!0 = 0");
    EXPECT_EQ(o.lines[3], "v!0 = 22.004,   ;q!0 = 62.969°");
    EXPECT_EQ(o.lines[4], "t!3 = 2, x!3 = 20\r\ny!3 = 19.6");
    EXPECT_EQ(o.lines[5], "v!3 = 10,   ;q!3 = 0°");
}

// ---------------------------------------------------------------- launch parameters

TEST_F(ParabTest, LaunchSpeedFromEveryPair) {
    const PathPoint pt = At(20, 45, 1);
    for (int code = 12; code <= 20; ++code) {
        Pose(1, 0, 0, 0, "", 45);
        const auto [a, b] = Pair(code, pt);
        const auto o = parab::SolveV0FromPoint(parab::Model(), 1, 2, code, a, b);
        ASSERT_TRUE(o.message.empty()) << code << " " << o.message;
        EXPECT_TRUE(HasValue(o, 20)) << code;
        EXPECT_EQ(o.ask, o.values.size() == 1 ? Ask::YesNo : Ask::YesNoCancel);
    }
    const auto o = parab::SolveV0FromPoint(parab::Model(), 1, 2, 12, 1.5, 12);
    EXPECT_EQ(o.lines[1], "Calcular la v!0 del móvil 1, con los datos:");
    EXPECT_EQ(o.lines[2], "t!2 = 1.5,  x!2 = 12.");
    EXPECT_EQ(o.lines[3], "v!0 = 11.314");
    EXPECT_EQ(o.title, "v0 = 11.314");
    EXPECT_EQ(o.prompt, "¿Deseas replantear las ecuaciones de movimiento \r\ncon este valor calculado de v0?");
}

TEST_F(ParabTest, LaunchSpeedEdges) {
    Pose(1, 0, 0, 0, "", 45);
    using parab::SolveV0FromPoint;
    // Behind the launch point: a negative speed, offered all the same.
    EXPECT_LT(SolveV0FromPoint(parab::Model(), 1, 1, 12, 1, -5).values.at(0), 0);
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 14, 5, 10).message, "No hay solución para v0.");
    // t = t0 with a speed: the speed itself.
    auto o = SolveV0FromPoint(parab::Model(), 1, 1, 15, 0, 7);
    ASSERT_EQ(o.values.size(), 1u);
    EXPECT_NEAR(o.values[0], 7, 1e-12);
    // x = x0 with a speed: |v| and 0.
    o = SolveV0FromPoint(parab::Model(), 1, 1, 16, 0, 7);
    ASSERT_EQ(o.values.size(), 2u);
    EXPECT_EQ(o.ask, Ask::YesNoCancel);
    EXPECT_EQ(o.title, "v0 = 7  o  v0 = 0");
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 17, -5, 0).message, "No hay solución.");
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 17, -10, 14).values.at(0), 0);
    for (double a : {90.0, -90.0, 270.0, -270.0})
        EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 19, 3, a).message, "El ángulo alfa no puede ser 90° ni -90°.");
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 18, 1, 45).message,
              "Estás poniendo el ángulo igual al ángulo de lanzamiento.");
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 13, 0, 3).message,
              "Estás poniendo el tiempo igual al tiempo inicial.");
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 14, 0, 3).message,
              "Estás poniendo la coordenada x igual a la del punto inicial.");
    Pose(1, 0, 0, 0, "", 0);
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 14, 5, 0).message, "Error en los datos.");
    EXPECT_THROW(SolveV0FromPoint(parab::Model(), 1, 1, 13, 1, 3), rt::RuntimeError);  // sin 0 = 0
    Pose(1, 0, 0, 0, 20, "");
    EXPECT_EQ(SolveV0FromPoint(parab::Model(), 1, 1, 12, 1, 3).message,
              "No tengo las ecuaciones en función de la velocidad inicial.");
}

TEST_F(ParabTest, LaunchAngleFromEveryPair) {
    const PathPoint pt = At(20, 30, 1.2);
    for (int code = 12; code <= 20; ++code) {
        Pose(1, 0, 0, 0, 20, "");
        const auto [a, b] = Pair(code, pt);
        const auto o = parab::SolveTheta0FromPoint(parab::Model(), 1, 2, code, a, b);
        if (code == 17) {
            EXPECT_EQ(o.message, "Juego de datos no válido, en vista de la relación vi^2 - v0^2 = -2g(yi - y0)");
            continue;
        }
        ASSERT_TRUE(o.message.empty()) << code << " " << o.message;
        EXPECT_TRUE(HasValue(o, 30, 1e-6)) << code << " " << o.values[0] << " " << o.values[1];
        EXPECT_EQ(o.ask, Ask::YesNoCancel);
    }
    Pose(1, 0, 0, 0, 20, "");
    auto o = parab::SolveTheta0FromPoint(parab::Model(), 1, 2, 12, 1, 20);  // c = 1
    EXPECT_EQ(o.values, (std::vector<double>{0, 0}));
    EXPECT_EQ(o.lines[2], "t!2 = 1,  x!2 = 20");
    EXPECT_EQ(o.lines[3], ";q!0!1 = 0, ;q!0!2 = 0");
    EXPECT_EQ(o.title, "theta1 = 0°,  theta2 = 0°");
    o = parab::SolveTheta0FromPoint(parab::Model(), 1, 2, 13, 1, -14.9);  // sine -0.5
    EXPECT_NEAR(o.values[0], -30, 1e-9);
    EXPECT_NEAR(o.values[1], -150, 1e-9);
    EXPECT_EQ(parab::SolveTheta0FromPoint(parab::Model(), 1, 2, 15, 1, 100).message, "No hay solución.");
    EXPECT_THROW(parab::SolveTheta0FromPoint(parab::Model(), 1, 2, 15, 0, 10), rt::RuntimeError);
}

TEST_F(ParabTest, HorizontalLaunchVelocityFromEveryPairAndPlainRelationsInBoxes) {
    // vx = 5, vy = 10 from the origin at t = 0.
    const PathPoint pt = At(num::Hypot(5, 10), num::VectorAngleDeg(5, 10), 1.5);
    for (int code : {12, 14, 15, 17, 18, 19, 20}) {
        Pose(1, 0, 0, 0, "", 10, true);
        const auto [a, b] = Pair(code, pt);
        const auto o = parab::SolveV0xFromPoint(parab::Model(), 1, 1, code, a, b);
        ASSERT_TRUE(o.message.empty()) << code << " " << o.message;
        EXPECT_TRUE(HasValue(o, 5)) << code;
    }
    Pose(1, 1, 0, 2, "", 10, true);
    using parab::SolveV0xFromPoint;
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 13, 2, 3).message,
              "Estos datos no son aplicables en vista de la relación\r\n"
              "y = 2 + 10 (t - 1) - 4.9 (t - 1)^2");
    // A box shows no markup: a plain minus, and no double sign for a negative t0.
    Pose(1, -1, 0, 2, "", -10, true);
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 13, 2, 3).message,
              "Estos datos no son aplicables en vista de la relación\r\n"
              "y = 2 - 10 (t + 1) - 4.9 (t + 1)^2");
    Pose(1, 1, 0, 2, "", 10, true);
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 18, 2, 0).message,
              "El punto de máxima altura ocurre cuando t = 2.02\r\n"
              "Luego, esta pareja de datos no es consistente si el ángulo es 0.");
    // At the launch height: one value.
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 14, 10.2, 2).values.size(), 1u);
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 20, 3, 30).values.size(), 2u);
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 17, 2, 10).message, "No hay solución.");  // w = 0
    Pose(1, 0, 0, 0, "", 0, true);
    EXPECT_EQ(SolveV0xFromPoint(parab::Model(), 1, 1, 13, 2, 3).message,
              "Estos datos no son aplicables en vista de la relación\r\ny = 0 - 4.9 t^2");
}

TEST_F(ParabTest, QuarticOfPositionAndSpeedDropsVanishedTermsAndSignsWithTheMarkupMinus) {
    EXPECT_EQ(parab::V0xQuartic(5, 10, 12, "v").expr, "X^4-44*X^2-980*X+2401");
    EXPECT_EQ(parab::V0xQuartic(5, 10, 10, "v").expr, "X^4+0*X^2-980*X+2401");
    EXPECT_EQ(parab::V0xQuartic(0, 10, 12, "V").markup, "V!0!x¡4 ;- 44 V!0!x¡2 = 0");
}

TEST_F(ParabTest, VerticalLaunchVelocityFromEveryPairAndPlainRelationsInBoxes) {
    const PathPoint pt = At(num::Hypot(5, 10), num::VectorAngleDeg(5, 10), 1.5);
    for (int code = 13; code <= 20; ++code) {
        Pose(1, 0, 0, 0, 5, "", true);
        const auto [a, b] = Pair(code, pt);
        const auto o = parab::SolveV0yFromPoint(parab::Model(), 1, 1, code, a, b);
        ASSERT_TRUE(o.message.empty()) << code << " " << o.message;
        EXPECT_TRUE(HasValue(o, 10)) << code;
    }
    Pose(1, 0, 0, 0, 5, "", true);
    const auto o = parab::SolveV0yFromPoint(parab::Model(), 1, 1, 18, 1.5, pt.a);
    EXPECT_EQ(o.lines[4], "v!0 = 11.18 y ;q = 63.435°");
    EXPECT_NEAR(NumberAfter(o.title, "v0y = "), 10, 1e-9);
    EXPECT_EQ(parab::SolveV0yFromPoint(parab::Model(), 1, 1, 12, 1, 3).message,
              "Estos datos no son aplicables en vista de la relación\r\nx = 0 + 5 t");
    Pose(1, 0, 0, 0, 0, "", true);
    EXPECT_EQ(parab::SolveV0yFromPoint(parab::Model(), 1, 1, 13, 1, 3).message, "v0x no puede ser cero.");
}

TEST_F(ParabTest, RelationOfSpeedAndAngleWithOneBlankAfterEquals) {
    TwoBodies(4);
    Pose(2, 1, 2, 3, "", "");
    using parab::V0Theta0Relation;
    auto o = V0Theta0Relation(parab::Model(), 2, 1, 12, 4, 11);
    ASSERT_EQ(o.lines.UBound(), 2);
    EXPECT_EQ(o.lines[1], "Datos: en t = 4, X = 11");
    EXPECT_EQ(o.lines[2], "V!0 cos ;q!0 = V!0!x = 3");
    o = V0Theta0Relation(parab::Model(), 2, 1, 20, 3, 0);
    EXPECT_EQ(o.lines[2], "V!0 sen ;q!0 = 0");
    EXPECT_EQ(V0Theta0Relation(parab::Model(), 2, 1, 20, 2, 0).message, "No hay solución posible con estos datos.");
    EXPECT_EQ(V0Theta0Relation(parab::Model(), 2, 1, 16, 2, 0).message,
              "La ecuación a la que dan lugar estos datos es\r\ncomplicada y de poca utilidad.");
    EXPECT_EQ(V0Theta0Relation(parab::Model(), 2, 1, 15, 1, 5).message, "Estás poniendo t igual al tiempo inicial.");
    o = V0Theta0Relation(parab::Model(), 2, 1, 14, 4, 5);
    EXPECT_EQ(o.lines[2], "2 tan ;q!0 ;- 19.6 //(V!0¡2 cos¡2 ;q!0) = 2");
    EXPECT_EQ(V0Theta0Relation(parab::Model(), 1, 1, 12, 4, 11).message,
              "No tengo las ecuaciones en función de v0 y el ángulo de lanzamiento.");
}

}  // namespace
}  // namespace parabtest
