#include "motion/projectile/graph.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "parab_fixture.h"
#include "runtime/errors.h"

namespace parabtest {
namespace {

class GraphTest : public ParabTest {
protected:
    void SetUp() override {
        ParabTest::SetUp();
        shell::Shared().WorkspaceMode = shell::kProjectileWorkspace;
    }
    void TearDown() override {
        shell::Shared().WorkspaceMode = shell::kNoWorkspace;
        ParabTest::TearDown();
    }
    static double Label(int col) { return 64.0 * col - 20; }
    parab::GraphPlan Plan(double x1, double x2) {
        return parab::PlanTrajectoryGraph(x1, x2, [](const std::string& s) { return 5.0 * s.size(); });
    }
};

TEST_F(GraphTest, LevelGroundLaunchFillsTheFrameWidth) {
    Pose(1, 0, 0, 0, 14, 45);  // range 20, height 5
    motion::MotionPoint(0, 1) = "0";
    motion::MotionPoint(0, 3) = 2 * 14 * std::sin(M_PI / 4) / 9.8;
    const auto g = Plan(Label(1), Label(3));
    ASSERT_TRUE(g.message.empty());
    EXPECT_NEAR(g.xmax - g.xmin, 20, 1e-9);
    EXPECT_NEAR(g.s, 301.0 / 20, 1e-9);
    ASSERT_FALSE(g.curves.empty());
    double top = 0, right = 0;
    for (const auto& c : g.curves) {
        EXPECT_EQ(c.color, rt::kBlue);
        top = std::max(top, c.y1);
        right = std::max(right, c.x2);
    }
    EXPECT_NEAR(top, 42 + 301.0 / 4, 0.1);
    EXPECT_NEAR(right, 48 + 301, 2.1);
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_DOUBLE_EQ(g.marks[0].first, 48);
    EXPECT_DOUBLE_EQ(g.marks[0].second, 42);
    EXPECT_EQ(g.limits[1].text, "20");
    // Right to left: the same graph.
    const auto back = Plan(Label(3), Label(1));
    EXPECT_EQ(back.curves.size(), g.curves.size());
    EXPECT_DOUBLE_EQ(back.s, g.s);
}

TEST_F(GraphTest, TwoBodiesAndRefusals) {
    TwoBodies(3);
    Pose(1, 0, 0, 0, 14, 45);
    for (int c = 1; c <= 3; ++c) motion::MotionPoint(0, c) = 0.5 * (c - 1);
    motion::MotionPoint(0, 4) = "0";
    motion::MotionPoint(0, 5) = "1";
    EXPECT_EQ(Plan(Label(1), Label(5)).message, "Me faltan las ecuaciones de uno de los móviles.");
    EXPECT_EQ(Plan(Label(4), Label(5)).message, "No tengo las ecuaciones del móvil 2.");
    Pose(2, 0, 30, 0, 10, 120);
    const auto g = Plan(Label(5), Label(2));
    ASSERT_TRUE(g.message.empty());
    EXPECT_EQ(g.bodies, (std::vector<int>{1, 2}));
    EXPECT_EQ(g.marks.size(), 2u);
    const bool magenta = std::any_of(g.curves.begin(), g.curves.end(),
                                     [](const parab::GraphLine& l) { return l.color == rt::kMagenta; });
    EXPECT_TRUE(magenta);
    // A relative datum left between the two points bounds nothing.
    motion::MotionPoint(0, 2) = std::string("t0+1");
    const auto skipping = Plan(Label(1), Label(5));
    EXPECT_TRUE(skipping.message.empty());
    EXPECT_EQ(skipping.bodies, (std::vector<int>{1, 2}));
    motion::MotionPoint(0, 2) = 0.5;
    EXPECT_EQ(Plan(Label(1), Label(6)).message, "No tengo uno de los tiempos límites.");
    // The same point twice: no extent to scale.
    EXPECT_THROW(Plan(Label(2), Label(2)), rt::RuntimeError);
    EXPECT_THROW(Plan(Label(1), Label(10)), rt::RuntimeError);
}

}  // namespace
}  // namespace parabtest
