#include "motion/projectile/listed.h"
#include "text/resultformat.h"

#include <gtest/gtest.h>

#include "numerics/mathutil.h"
#include "parab_fixture.h"
#include "runtime/errors.h"

namespace parabtest {
namespace {

using parab::Model;

// ---------------------------------------------------------------- systems

TEST_F(ParabTest, SystemsInTheLaunchAngleAndSpeedSayWhyASystemHasNoSingleSolution) {
    const double tn = num::TanDeg(30), u = 1.0 / 300, w = std::sqrt(u);  // v0 = 20, 30°
    std::array<std::array<double, 3>, 3> M{};
    M[1] = {0, 1, 1};
    M[2] = {0, 2, -1};
    auto o = parab::TanAndSecSystem(M, {0, tn + u, 2 * tn - u}, 1);
    ASSERT_EQ(o.lines.UBound(), 3);
    EXPECT_EQ(o.lines[1], "Solución del sistema:");
    EXPECT_NEAR(NumberAfter(o.lines[2], "v!0 = "), 20, 1e-9);
    EXPECT_NEAR(NumberAfter(o.lines[3], ";q!0 = "), 30, 1e-9);
    o = parab::TanAndSecSystem(M, {0, tn + w, 2 * tn - w}, 2);
    EXPECT_NEAR(NumberAfter(o.lines[2], "v!0 = "), 20, 1e-9);
    // A negative auxiliary unknown, a row of zeros.
    EXPECT_EQ(parab::TanAndSecSystem(M, {0, tn - u, 2 * tn + u}, 1).message, "No hay solución.");
    M[1] = {0, 0, 0};
    EXPECT_EQ(parab::TanAndSecSystem(M, {0, 1, 2}, 1).message,
              "El sistema no tiene solución única: una de sus ecuaciones tiene todos los coeficientes en cero. "
              "Revisa los datos.");

    o = parab::TanSecWithComponent(1, 1, tn + u, 20 * num::CosDeg(30), 1);
    ASSERT_EQ(o.lines.UBound(), 2);
    EXPECT_NEAR(NumberAfter(o.lines[2], "v!0 = "), 20, 1e-9);
    EXPECT_NEAR(NumberAfter(o.lines[2], ";q!0 = "), 30, 1e-9);
    o = parab::TanSecWithComponent(1, 1, tn + u, 10, 2);
    ASSERT_EQ(o.lines.UBound(), 4);
    EXPECT_TRUE(std::fabs(NumberAfter(o.lines[2], ";q!0 = ") - 30) < 1e-9 ||
                std::fabs(NumberAfter(o.lines[4], ";q!0 = ") - 30) < 1e-9);
    EXPECT_EQ(parab::TanSecWithComponent(0, 1, 1, 1, 1).message, "Datos no válidos.");
    EXPECT_EQ(parab::TanSecWithComponent(1, 1, 1, 0, 2).message, "Datos no válidos.");
    EXPECT_EQ(parab::TanSecWithComponent(1, 1, 1, 1, 3).lines.UBound(), 0);
    // A double root is written twice.
    o = parab::TanSecWithComponent(2, 1, -1, 1, 2);
    ASSERT_EQ(o.lines.UBound(), 4);
    EXPECT_EQ(o.lines[3], "o bien");
    EXPECT_EQ(o.lines[2], o.lines[4]);

    o = parab::TanSecPairWithV0Cos(1, 1, tn + u, 1, 1, tn + w);
    ASSERT_EQ(o.lines.UBound(), 4);
    EXPECT_TRUE(std::fabs(NumberAfter(o.lines[2], "v!0 = ") - 20) < 1e-6 ||
                std::fabs(NumberAfter(o.lines[4], "v!0 = ") - 20) < 1e-6);
    EXPECT_THROW(parab::TanSecPairWithV0Cos(1, 0, 1, 1, 1, 1), rt::RuntimeError);
}

// ---------------------------------------------------------------- crossings

TEST_F(ParabTest, TrajectoriesCrossing) {
    TwoBodies(4);
    Pose(1, 0, 0, 0, 20, 45);
    EXPECT_EQ(parab::IntersectTrajectories().message, "Me falta una de las ecuaciones de trayectoria.");
    // Mirror launches: one crossing, passed at the same time by both.
    Pose(1, 0, 0, 0, 10, 10, true);
    Pose(2, 0, 40, 0, -10, 10, true);
    auto o = parab::IntersectTrajectories();
    ASSERT_EQ(o.lines.UBound(), 4);
    EXPECT_EQ(o.lines[2], "(20, 0.4)");
    EXPECT_EQ(o.lines[4], "t = 2 y en t = 2");
    Pose(1, 0, 0, 0, 20, 45);
    // Same point and angle, different speeds: the launch point twice.
    Pose(2, 0, 0, 0, 10, 45);
    o = parab::IntersectTrajectories();
    ASSERT_EQ(o.lines.UBound(), 8);
    EXPECT_EQ(o.lines[1], "Punto de intersección 1:");
    EXPECT_EQ(o.lines[2], "(0, 0)");
    EXPECT_EQ(o.lines[6], "(0, 0)");
    EXPECT_EQ(o.lines[8], "t = 0 y en t = 0");
    // Two crossings: each point lies on both paths.
    Pose(2, 1, 0, 0, 25, 60);
    o = parab::IntersectTrajectories();
    ASSERT_EQ(o.lines.UBound(), 8);
    EXPECT_EQ(o.lines[5], "Punto de intersección 2:");
    Pose(2, 0, 0, 0, 20, 45);
    EXPECT_EQ(parab::IntersectTrajectories().message, "Las trayectorias no se intersecan.");
    Pose(2, 0, 5, 0, 20, 90);
    EXPECT_EQ(parab::IntersectTrajectories().message, "Maneja este caso con otra rutina.");
}

// ---------------------------------------------------------------- incline

TEST_F(ParabTest, RangeOnAnInclineSignsWithTheMarkupMinus) {
    Pose(1, 0, 0, 0, 20, 45);
    auto o = parab::RangeOnIncline(1, "0", "0", 30);
    ASSERT_EQ(o.lines.UBound(), 2);
    EXPECT_EQ(o.lines[1],
              "Solución 1:\r\n$r!c = (17.251, 9.96), t!c = 1.22\r\nAlcance sobre el plano inclinado: R!1 = 19.92");
    EXPECT_EQ(o.lines[2], "Solución 2:\r\n$r!c = (0, 0), t!c = 0\r\nAlcance sobre el plano inclinado: R!2 = 0");
    o = parab::RangeOnIncline(1, " 10", "0 ", -20);
    EXPECT_EQ(o.lines[1],
              "Solución 1:\r\n$r!c = (52.862, ;-15.6), t!c = 3.738\r\n"
              "Alcance sobre el plano inclinado: R!1 = 45.613");
    EXPECT_EQ(o.lines[2],
              "Solución 2:\r\n$r!c = (2.81, 2.617), t!c = 0.199\r\n"
              "Alcance sobre el plano inclinado: R!2 = 7.651");
    EXPECT_EQ(parab::RangeOnIncline(1, "0", "100", 0).message, "La trayectoria del móvil 1 no interseca la recta.");
    EXPECT_EQ(parab::RangeOnIncline(1, "0", "0", 90).message, "Resuelve el problema de otra manera.");
    // The runner lets no other body through: another is a fault of the program.
    EXPECT_THROW(parab::RangeOnIncline(3, "0", "0", 30), rt::ProgramFault);
    EXPECT_THROW(parab::RangeOnIncline(1, "a", "0", 30), rt::RuntimeError);
}

// ---------------------------------------------------------------- distance

TEST_F(ParabTest, DistanceAlongThePath) {
    Pose(1, 0, 0, 0, 10, 0, true);
    double t2 = 1;
    auto d = parab::PathDistance(1, 0, t2);
    ASSERT_EQ(d.message, "");
    EXPECT_EQ(d.lines[2], "11.425");
    EXPECT_EQ(d.lines[1],
              "La distancia recorrida por el móvil 1 entre\r\nlos tiempos 0 y 1, "
              "correspondientes a las posiciones\r\nx = 0 y x = 10 es:");
    // The later time first: the same distance, and t2 receives the later.
    t2 = 0;
    const auto back = parab::PathDistance(1, 1, t2);
    EXPECT_EQ(t2, 1);
    EXPECT_EQ(back.lines[1], d.lines[1]);
    EXPECT_DOUBLE_EQ(back.S, d.S);
    t2 = 2;
    EXPECT_EQ(parab::PathDistance(1, 2, t2).message, "No pude calcular la distancia recorrida.");
    Pose(1, 0, 0, 0, 0, 10, true);
    t2 = 1;
    EXPECT_EQ(parab::PathDistance(1, 0, t2).message, "No pude calcular la distancia recorrida.");
    Pose(1, 0, 0, 0, "", 10, true);  // v0x unknown
    EXPECT_THROW(parab::PathDistance(1, 0, t2), rt::RuntimeError);
}

// ---------------------------------------------------------------- collision

class CollisionTest : public ParabTest {
protected:
    void SetUp() override {
        ParabTest::SetUp();
        TwoBodies(3);
        Pose(1, 0, 0, 0, 20, 45);
    }
    // Body 2's position at t for a launch (T0, X0, Y0, V, Th).
    static std::pair<double, double> Body2(double T0, double X0, double Y0, double V, double Th, double t) {
        const double s = t - T0;
        return {X0 + V * num::CosDeg(Th) * s, Y0 + V * num::SinDeg(Th) * s - 4.9 * s * s};
    }
    static std::pair<double, double> Body1(double t) {
        const double v = 20 * num::CosDeg(45);
        return {v * t, v * t - 4.9 * t * t};
    }
};

TEST_F(CollisionTest, GivenTheTimeThenTheAngleThenTheSpeed) {
    Pose(2, 0.5, 30, 0, "", "");
    auto p = parab::PlanCollision("2");
    ASSERT_EQ(p.kase, 1);
    const double V = p.V0s[0], Th = p.thetas[0];
    auto at = Body2(0.5, 30, 0, V, Th, 2);
    EXPECT_NEAR(at.first, Body1(2).first, 1e-9);
    EXPECT_NEAR(at.second, Body1(2).second, 1e-9);
    EXPECT_EQ(p.lines[1], "Móvil 2: T!0 = 0.5, X!0 = 30");
    EXPECT_EQ(p.lines[2], "Y!0 = 0, t!c = 2");
    EXPECT_EQ(p.lines[4], "Chocan en:\r\nx!c = 28.284, y!c = 8.684");
    EXPECT_EQ(parab::PlanCollision("0.5").message,
              "El tiempo del choque debe ser mayor que el tiempo inicial del móvil 2.");

    Pose(2, 0.5, 30, 0, "", Th);
    p = parab::PlanCollision("");
    ASSERT_EQ(p.kase, 2);
    EXPECT_NEAR(p.V0s[0], V, 1e-9);
    EXPECT_EQ(p.lines[3], "Se halló:\r\nV!0 = " + text::RoundedText(V) + ", t!c = 2");

    // The same angle from a launch point the path has already passed.
    Pose(2, 3, 30, 0, "", Th);
    EXPECT_EQ(parab::PlanCollision("").message, "No existe solución.");

    Pose(2, 0.5, 30, 0, V, "");
    p = parab::PlanCollision("");
    ASSERT_EQ(p.kase, 3);
    bool found = false;
    for (size_t k = 0; k < p.thetas.size(); ++k) found |= std::fabs(p.thetas[k] - Th) < 1e-6;
    EXPECT_TRUE(found);
    // An argument that is not wanted does nothing.
    EXPECT_EQ(parab::PlanCollision("3").kase, 0);
}

TEST_F(CollisionTest, ADownwardThrowHitsWithADownwardAngle) {
    // From high above, body 2 must be thrown downwards to meet body 1 at t = 1.
    Pose(2, 0, 10, 50, "", "");
    const auto given = parab::PlanCollision("1");
    ASSERT_EQ(given.kase, 1);
    ASSERT_LT(given.thetas[0], 0);
    Pose(2, 0, 10, 50, given.V0s[0], "");
    const auto p = parab::PlanCollision("");
    ASSERT_EQ(p.kase, 3);
    bool found = false;
    for (double th : p.thetas) found |= std::fabs(th - given.thetas[0]) < 1e-6;
    EXPECT_TRUE(found);
}

TEST_F(CollisionTest, GivenTheSpeedTwoTimesOrNone) {
    Pose(2, 0, 30, 0, 15, "");
    auto p = parab::PlanCollision("");
    ASSERT_EQ(p.thetas.size(), 2u);
    EXPECT_TRUE(p.prompt.rfind("Los móviles chocan cuando\r\ntc = ", 0) == 0);
    EXPECT_EQ(p.lines[3].rfind("Se hallaron t!c = ", 0), 0u);
    for (double th : p.thetas) {
        // Each angle meets body 1 at one of the two times.
        bool meets = false;
        for (double tc : {NumberAfter(p.lines[3], "t!c = "), NumberAfter(p.lines[3], " y t!c = ")}) {
            const auto b2 = Body2(0, 30, 0, 15, th, tc);
            meets |= std::fabs(b2.first - Body1(tc).first) < 1e-6 && std::fabs(b2.second - Body1(tc).second) < 1e-6;
        }
        EXPECT_TRUE(meets) << th;
    }
    // A meeting before body 2's launch is no collision: one time is left.
    Pose(2, 0, 30, 0, 25, "");
    p = parab::PlanCollision("");
    ASSERT_EQ(p.thetas.size(), 1u);
    EXPECT_GT(NumberAfter(p.lines[3], "t!c = "), 0);
}

TEST_F(CollisionTest, Refusals) {
    Pose(2, 0, 30, 0, "", "");
    motion::State().ComponentVelocityFlags[4] = true;
    EXPECT_EQ(parab::PlanCollision("2").message, "El modo cs-md del móvil 2 debe ser \"md\".");
    motion::State().ComponentVelocityFlags[4] = false;
    EXPECT_EQ(parab::PlanCollision("").kase, 0);
    EXPECT_TRUE(parab::PlanCollision("").message.empty());
    Pose(1, 0.5, 0, 0, 20, 45);
    EXPECT_EQ(parab::PlanCollision("2").message, "En esta rutina el tiempo inicial del primer móvil debe ser 0.");
    Pose(1, 0, 0, 0, 20, 45);
    Pose(2, 0, 30, 0, 20, 120);
    EXPECT_EQ(parab::PlanCollision("2").message,
              "Las ecs. de mov. del móvil 2 deben tener al menos un parámetro V0 o Theta0.");
    parab::ClearKinds(2);
    EXPECT_EQ(parab::PlanCollision("2").message, "Debes plantear las ecs. de mov. del móvil 2.");
    parab::ClearKinds(1);
    EXPECT_EQ(parab::PlanCollision("2").message, "No tengo las ecs. de mov. del móvil 1.");
}

// ---------------------------------------------------------------- ground mover

TEST_F(ParabTest, MeetingAMoverOnTheGround) {
    Pose(1, 0, 0, 0, "", "");
    auto p = parab::PlanMeetMover("10", "2");
    ASSERT_EQ(p.kase, 1);
    EXPECT_EQ(p.lines[1], "Datos: x!0 = 0, y!0 = 0\r\nt!0 = 0, u = 10, t!c = 2");
    EXPECT_EQ(p.lines[2], "Se halló v!0 = 14.001, ;q!0 = 44.421");
    EXPECT_EQ(p.lines[3], "El proyectil encuentra al móvil en el punto \r\nx = 20, y = 0");

    Pose(1, 0, 0, 19.6, "", 0);
    p = parab::PlanMeetMover("5", "");
    ASSERT_EQ(p.kase, 2);
    EXPECT_EQ(p.lines[2], "Solución: Alcance en t!c = 2\r\ncon v!0 = 5");
    EXPECT_EQ(p.ask, parab::Ask::YesNo);
    Pose(1, 0, 0, 0, "", 0);
    EXPECT_EQ(parab::PlanMeetMover("5", "").message, "Caso no aplicable.");
    Pose(1, 0, 0, -1, "", 0);
    EXPECT_EQ(parab::PlanMeetMover("5", "").message, "No hay solución.");
    Pose(1, 0, 0, 0, "", 45);
    EXPECT_THROW(parab::PlanMeetMover("5", ""), rt::RuntimeError);  // the root T = 0

    Pose(1, 0, 0, 0, 20, "");
    p = parab::PlanMeetMover("", "2");
    ASSERT_EQ(p.kase, 3);
    EXPECT_EQ(p.lines[2], "Solución: u = 17.434, ;q!0 = 29.341");
    EXPECT_EQ(p.lines[3], "El choque es en x = 34.869");
    EXPECT_EQ(p.ask, parab::Ask::OKCancel);

    Pose(1, 0, 0, 0, "", 30);
    p = parab::PlanMeetMover("", "2");
    ASSERT_EQ(p.kase, 4);
    EXPECT_EQ(p.lines[2], "Solución: v!0 = 19.6, u = 16.974");
    EXPECT_EQ(p.lines[3], "El choque es en x = 33.948");
    Pose(1, 0, 0, 0, "", 0);
    EXPECT_THROW(parab::PlanMeetMover("", "2"), rt::RuntimeError);
    EXPECT_EQ(parab::PlanMeetMover("3", "2").kase, 0);
}

TEST_F(ParabTest, MoverQuarticInTheFlightTime) {
    Pose(1, 0, -10, 0, 20, "");
    const auto p = parab::PlanMeetMover("5", "");
    ASSERT_EQ(p.kase, 5);
    EXPECT_EQ(p.poly, "24.01*X^4-375*X^2+100*X+100");
    const auto lines = parab::MoverQuarticLines(p, "5", "20", 10, {0.679274, 3.771126}, {0, 0});
    EXPECT_NEAR(NumberAfter(lines[4], ";q!0 = "), 9.580, 1e-3);
    const auto second = lines[4].substr(lines[4].find("Se halló", 10));
    EXPECT_NEAR(NumberAfter(second, ";q!0 = "), 67.506, 1e-3);
    EXPECT_NE(lines[4].find("en el intervalo [0, 10]."), std::string::npos);
    Pose(1, 2, -10, 0, 20, "");
    const auto later = parab::PlanMeetMover("5", "");
    EXPECT_EQ(later.poly, "24.01*X^4-375*X^2+200*X+400");
    // The interval is the one searched, in times tc.
    EXPECT_NE(parab::MoverQuarticLines(later, "5", "20", 10, {1}, {0})[4].find("[2, 12]"), std::string::npos);
}

}  // namespace
}  // namespace parabtest
