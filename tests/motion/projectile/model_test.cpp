#include <gtest/gtest.h>

#include "numerics/mathutil.h"
#include "parab_fixture.h"
#include "runtime/errors.h"

namespace parabtest {
namespace {

using parab::Model;

TEST_F(ParabTest, PointWhereTheVerticalVelocityIsGiven) {
    const parab::Launch l{1, 2, 3, 4, 19.6};  // top at t = 3
    struct Case {
        double vy, t, x, y;
    } cases[] = {{-9.8, 4, 14, 17.7}, {9.8, 2, 6, 17.7}, {0, 3, 10, 22.6}, {19.6, 1, 2, 3}};
    for (const auto& c : cases) {
        const parab::TrajectoryPoint p = parab::PointWhereVy(l, c.vy);
        EXPECT_NEAR(p.t, c.t, 1e-12) << c.vy;
        EXPECT_NEAR(p.x, c.x, 1e-12) << c.vy;
        EXPECT_NEAR(p.y, c.y, 1e-12) << c.vy;
    }
}

TEST_F(ParabTest, ComponentsGiveSpeedAndDirection) {
    struct Case {
        double vx, vy, v0, theta;
    } cases[] = {{3, 4, 5, num::ArcTanDeg(4.0 / 3)}, {-3, 0, 3, 180}, {0, 5, 5, 90}};
    for (const auto& c : cases) {
        Pose(1, 0, 0, 0, c.vx, c.vy, true);
        EXPECT_TRUE(Model().kinds[1].complete);
        EXPECT_NEAR(Model().launch[1].v0.ToNumber(), c.v0, 1e-12);
        EXPECT_NEAR(Model().launch[1].theta0.ToNumber(), c.theta, 1e-9);
    }
}

TEST_F(ParabTest, CompleteReportFromComponentsWithOneBlankAfterEquals) {
    const auto plan = Pose(1, 0, 0, 10, 5, 9.8, true);
    ASSERT_TRUE(plan.message.empty());
    EXPECT_EQ(plan.lines[1], "Ecuaciones de movimiento, móvil 1");
    EXPECT_EQ(plan.lines[2], "En t = 0: x = 0, y = 10, v!0!x = 5, v!0!y = 9.8");
    EXPECT_EQ(plan.lines[3], "R = 10,   t!v = 2,  h = 4.9");
}

TEST_F(ParabTest, ReportAngleAndLevelGroundFiguresWithOneBlankAfterEqualsAndMinusByItsNumber) {
    EXPECT_EQ(Pose(1, 0, 0, 0, 20, 30).lines[2], "En t = 0: x = 0, y = 0, v!0 = 20, ;q = 30 °");
    EXPECT_EQ(Pose(1, 0, 0, 0, 20, 30).lines[3], "R = 35.348,   t!v = 2.041,  h = 5.102");
    auto down = Pose(1, 0, 0, 0, 20, -45);
    EXPECT_EQ(down.lines[2], "En t = 0: x = 0, y = 0, v!0 = 20, ;q = ;-45 °");
    EXPECT_EQ(down.lines[3], "");
    auto flat = Pose(1, 0, 0, 0, 20, 0);
    EXPECT_EQ(flat.lines[2], "En t = 0: x = 0, y = 0, v!0 = 20, ;q = 0");
    EXPECT_EQ(flat.lines[3], "");
    EXPECT_EQ(Pose(1, 0, 0, 0, 20, 1).lines[2], "En t = 0: x = 0, y = 0, v!0 = 20, ;q = 1 °");
}

TEST_F(ParabTest, RefusedSetUpsLeaveNoKind) {
    struct Case {
        rt::Variant t0, p, q;
        bool cs;
        const char* message;
    } cases[] = {
        {"", 20, 30, false, "Debes dar el tiempo t0 y la posición inicial (x0, y0)"},
        {0, 0, 30, false, "La velocidad inicial no puede ser cero."},
        {0, 0, "", false, "La velocidad inicial no puede ser cero."},
        {0, -5, 30, false, "Magnitud no válida (cero o negativa) para la velocidad de lanzamiento."},
        {0, "", "", true,
         "Trabaja con las ecuaciones en términos de la velocidad inicial y el ángulo de "
         "lanzamiento."},
    };
    for (const auto& c : cases) {
        Pose(1, 0, 0, 0, 20, 30);
        ASSERT_TRUE(Model().kinds[1].complete);
        EXPECT_EQ(Pose(1, c.t0, 0, 0, c.p, c.q, c.cs).message, c.message);
        const auto k = Model().kinds[1];
        EXPECT_FALSE(k.complete || k.v0 || k.theta0 || k.v0theta0 || k.v0x || k.v0y);
        // The old launch stays stored.
        EXPECT_EQ(Model().launch[1].v0.ToNumber(), 20);
    }
    // A negative speed with the angle unknown is taken as it comes.
    Pose(1, 0, 0, 0, -5, "");
    EXPECT_TRUE(Model().kinds[1].theta0);
    // A relational datum in the launch column is not a number.
    EXPECT_THROW(Pose(1, "t0+1", 0, 0, 20, 30), rt::RuntimeError);
}

TEST_F(ParabTest, KindsOfEquations) {
    struct Case {
        rt::Variant p, q;
        bool cs;
        bool motion::ParabEqnKinds::*flag;
    } cases[] = {{20, 30, false, &motion::ParabEqnKinds::complete}, {20, "", false, &motion::ParabEqnKinds::theta0},
                 {"", 30, false, &motion::ParabEqnKinds::v0},       {"", "", false, &motion::ParabEqnKinds::v0theta0},
                 {3, "", true, &motion::ParabEqnKinds::v0y},        {"", 4, true, &motion::ParabEqnKinds::v0x}};
    for (const auto& c : cases) {
        Pose(2, 1, 2, 3, c.p, c.q, c.cs);
        EXPECT_TRUE(Model().kinds[2].*(c.flag));
        EXPECT_FALSE(Model().kinds[1].complete);
    }
    // Unknowns the case cannot derive read as unknown.
    Pose(1, 0, 0, 0, 20, "");
    EXPECT_TRUE(Model().launch[1].vx0.IsEmptyText());
    EXPECT_TRUE(Model().launch[1].theta0.IsEmptyText());
}

TEST_F(ParabTest, VerticalLaunchKeepsEarlierTrajectory) {
    Pose(1, 0, 0, 0, 10, 19.6, true);
    const double a2 = Model().TrajCoefs2[1];
    EXPECT_NEAR(a2, -0.049, 1e-12);
    const auto plan = Pose(1, 0, 0, 0, 20, 90);
    EXPECT_TRUE(Model().kinds[1].complete);
    EXPECT_EQ(Model().TrajCoefs2[1], a2);
    EXPECT_EQ(plan.eqns[5], "La trayectoria es la recta x = 0");
    EXPECT_EQ(plan.eqns[1], "x = 0");
}

TEST_F(ParabTest, EquationTextsOfACompleteLaunchWithOneBlankAfterEqualsAndMinusByItsNumber) {
    const auto e = Pose(1, 0, 0, 0, 10, 19.6, true).eqns;
    EXPECT_EQ(e[1], "x = 10 t");
    EXPECT_EQ(e[2], "v!x = 10");
    EXPECT_EQ(e[3], "y = 19.6 t ;- 4.9 t¡2");
    EXPECT_EQ(e[4], "v!y = 19.6 ;- 9.8 t");
    EXPECT_EQ(e[5], "y = 1.96 x ;- 0.049 x¡2");
    // The apex at t = 0: no term in t; the lone term keeps its minus by it.
    const auto apex = Pose(1, 0, 0, 5, 10, 0, true).eqns;
    EXPECT_EQ(apex[3], "y = 5 ;- 4.9 t¡2");
    EXPECT_EQ(apex[4], "v!y = ;-9.8 t");
    const auto atOrigin = Pose(1, 0, 0, 0, 10, 0, true).eqns;
    EXPECT_EQ(atOrigin[3], "y = ;-4.9 t¡2");
    EXPECT_EQ(atOrigin[1], "x = 10 t");
}

TEST_F(ParabTest, EquationTextsWithParametersWithOneBlankAfterEqualsAndInShifts) {
    // Launch time and place shift t and x.
    auto e = Pose(1, 2, 3, 1, 10, "").eqns;
    EXPECT_EQ(e[1], "x = 3 + 10 cos ;q (t ;- 2)");
    EXPECT_EQ(e[3], "y = 1 + 10 sen ;q (t ;- 2) ;- 4.9 (t ;- 2)¡2");
    EXPECT_EQ(e[5], "y = 1 + tan ;q (x ;- 3) ;- (0.049 /cos¡2 ;q) (x ;- 3)¡2");
    EXPECT_EQ(Pose(1, -2, 0, 0, 10, "").eqns[1], "x = 10 cos ;q (t + 2)");
    // Body 2 in upper case, the time in lower case.
    e = Pose(2, 0, 0, 0, "", "").eqns;
    EXPECT_EQ(e[1], "X = V!0 cos ;q t");
    EXPECT_EQ(e[2], "V!x = V!0 cos ;q");
    EXPECT_EQ(e[4], "V!y = V!0 sen ;q ;- 9.8 t");
    EXPECT_EQ(e[5], "Y = tan ;q X ;- (4.9/V!0¡2 cos¡2 ;q)X¡2");
    // Angle known.
    EXPECT_EQ(Pose(1, 0, 0, 0, "", 90).eqns[5], "La trayectoria es la recta x = 0");
    EXPECT_EQ(Pose(1, 0, 0, 0, "", 45).eqns[5], "y = x ;- (9.8 /v!0¡2)x¡2");
    // Components: v0x known, rounded to at least six decimals.
    e = Pose(1, 0, 0, 0, 4, "", true).eqns;
    EXPECT_EQ(e[2], "v!x = 4");
    EXPECT_EQ(e[5], "y = 0.25 v!0!y x ;- 0.30625 x¡2");
    EXPECT_EQ(Pose(1, 0, 0, 0, 0, "", true).eqns[5], "La trayectoria es la recta x = 0");
    // v0y known; a horizontal launch has no bracket for the missing term.
    EXPECT_EQ(Pose(1, 0, 0, 5, "", 0, true).eqns[5], "y = 5 ;- (4.9/v!0!x¡2)x¡2");
    EXPECT_EQ(Pose(1, 0, 0, 0, "", 3, true).eqns[5], "y = (3 /v!0!x)x ;- (4.9/v!0!x¡2)x¡2");
}

}  // namespace
}  // namespace parabtest
