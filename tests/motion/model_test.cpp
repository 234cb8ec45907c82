// Strip positions and the computations of the listed procedures, on the
// model alone.
#include <gtest/gtest.h>

#include <cmath>

#include "motion/compute.h"
#include "motion/positions.h"
#include "motion/procedures.h"
#include "motion/state.h"
#include "runtime/errors.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace {

using motion::State;

class StripPositions : public ::testing::Test {
protected:
    void SetUp() override {
        motion::ResetState();
        shell::Shared().WorkspaceMode = shell::kRectilinearWorkspace;
    }
    void TearDown() override {
        motion::ResetState();
        shell::Shared().WorkspaceMode = shell::kNoWorkspace;
    }
    // One body of 9 points, or two bodies of (n, 9 - n); body 1 cut at the
    // given last points.
    void Configure(int n1, std::initializer_list<int> lastPoints) {
        auto& s = State();
        s.NumBodies = n1 == 9 ? 1 : 2;
        s.PointsPerBody = {0, n1, 9 - n1};
        int seg = 0, first = 0;
        for (int last : lastPoints) {
            ++seg;
            s.Segments[1][seg] = {first, last, rt::Variant()};
            first = last;
        }
        s.SegmentsPerBody[1] = seg;
        s.Segments[2][1] = {0, 8 - n1, rt::Variant()};
    }
};

TEST_F(StripPositions, CodesOfOneBody) {
    Configure(9, {8});
    const std::pair<int, const char*> cases[] = {{1, "110"}, {64, "111"}, {575, "118"}, {576, "119"}, {0, "100"}};
    for (const auto& [x, code] : cases) EXPECT_EQ(motion::PointCodeAtX(x), code) << x;
    Configure(9, {3, 8});
    EXPECT_EQ(motion::PointCodeAtX(224), "113");
    EXPECT_EQ(motion::PointCodeAtX(225), "123");
    Configure(9, {2, 5, 8});
    EXPECT_EQ(motion::PointCodeAtX(352), "125");
    EXPECT_EQ(motion::PointCodeAtX(353), "135");
}

TEST_F(StripPositions, CodesOfTwoBodiesAndTheLineBetweenThem) {
    Configure(4, {3});
    EXPECT_EQ(motion::PointCodeAtX(255), "113");
    EXPECT_EQ(motion::PointCodeAtX(257), "210");
    // The line between the bodies names an existing point: body 2's first.
    EXPECT_EQ(motion::PointCodeAtX(256), "210");
    EXPECT_EQ(motion::PointCodeAtX(0), "000");
    Configure(5, {2, 4});
    EXPECT_EQ(motion::PointCodeAtX(160), "112");
    EXPECT_EQ(motion::PointCodeAtX(161), "122");
    EXPECT_EQ(motion::PointCodeAtX(300), "124");
    shell::Shared().WorkspaceMode = shell::kProjectileWorkspace;
    Configure(4, {3});
    EXPECT_EQ(motion::PointCodeAtX(256), "20");
    EXPECT_EQ(motion::PointCodeAtX(255), "13");
}

TEST_F(StripPositions, ColumnsAndSegmentChecks) {
    EXPECT_EQ(motion::TableColOfPoint(2, 0), 0);  // before any configuration
    Configure(9, {5, 8});
    EXPECT_EQ(motion::TableColOfPoint(2, 0), 1);
    EXPECT_EQ(motion::CheckPointsInSegment(1, 1, 3, 2), "Los puntos 3 y 2 no están ordenados.");
    EXPECT_EQ(motion::CheckPointsInSegment(1, 1, 4, 6), "Los puntos 4 y 6 no pertenecen al mismo tramo.");
    EXPECT_EQ(motion::CheckPointsInSegment(1, 1, 2, 2), "");
    EXPECT_THROW(motion::CheckPointsInSegment(0, 1, 2, 2), rt::RuntimeError);
    Configure(4, {3});
    EXPECT_EQ(motion::TableColOfPoint(2, 0), 5);
    // A point the program found past the table is a fault of the program; one
    // the user typed or clicked is bad input.
    EXPECT_THROW(motion::MotionPoint(0, 10), rt::ProgramFault);
    EXPECT_THROW(motion::MotionPoint(5, 1), rt::ProgramFault);
    EXPECT_THROW(motion::CheckedMotionPoint(0, 10), rt::RuntimeError);
    EXPECT_THROW(motion::CheckedMotionPoint(-1, 1), rt::RuntimeError);
}

TEST(ListedItems, IntervalNamesAndItemConversion) {
    const motion::IntervalData d = *motion::ReadIntervalData(motion::SplitItems("a = 3, xi = 12, xf = 23, dt = 6"));
    EXPECT_EQ(d.a, rt::Variant("3"));
    EXPECT_EQ(d.xi, rt::Variant("12"));
    EXPECT_EQ(d.xf, rt::Variant("23"));
    EXPECT_EQ(d.dt, rt::Variant("6"));
    EXPECT_TRUE(d.ti.IsEmpty());
    // t and t2 both give tf; a later item replaces.
    const motion::IntervalData e = *motion::ReadIntervalData(motion::SplitItems("t = 1, t2 = 4, vi ="));
    EXPECT_EQ(e.tf, rt::Variant("4"));
    EXPECT_TRUE(e.vi.IsEmpty());
    // A name it does not know is refused, not dropped: capital A, dq, and
    // vo (a letter o typed for the zero of v0) that would be read as vf.
    for (const char* text : {"A = 3, xi = 1, xf = 2", "a = 3, dq = 9, xi = 1", "ti = 0, tf = 4, vo = 2, a = 3"})
        EXPECT_FALSE(motion::ReadIntervalData(motion::SplitItems(text)).ok()) << text;
    EXPECT_FALSE(motion::ReadIntervalData(motion::SplitItems("a = 3, xi = 2, 5")).ok());
    EXPECT_TRUE(motion::SplitItems("").empty());
    EXPECT_EQ(motion::SplitItems("1,,2").size(), 3u);
    const auto items = motion::SplitItems(" 2, 0.5");
    EXPECT_EQ(motion::ItemNumber(items, 2), 0.5);
    EXPECT_EQ(motion::ItemInteger(items, 1), 2);
    EXPECT_THROW(motion::ItemNumber(items, 3), rt::RuntimeError);
    EXPECT_THROW(motion::ItemNumber(motion::SplitItems("1,a"), 2), rt::RuntimeError);
}

TEST(ArgumentItems, TryItemNumberRefusesExactlyWhereItemNumberRaises) {
    const auto items = motion::SplitItems(" 2, 0.5,a,,1e999, -3E2 ,1,5, 1d2");
    for (int k = 0; k <= static_cast<int>(items.size()) + 1; ++k) {
        SCOPED_TRACE(k);
        const std::optional<double> tried = motion::TryItemNumber(items, k);
        try {
            const double v = motion::ItemNumber(items, k);
            ASSERT_TRUE(tried.has_value());
            EXPECT_EQ(*tried, v);
        } catch (const rt::RuntimeError&) { EXPECT_FALSE(tried.has_value()); }
    }
    EXPECT_EQ(motion::TryItemNumber(items, 6), -300.0);
}

TEST(ThreePoints, QuadraticThroughThePointsAndItsLines) {
    shell::Shared().AccelSymbols[1][1] = "a";
    shell::Shared().PositionSymbols[1][1] = "x";
    shell::Shared().VelocitySymbols[1][1] = "v";
    text::G().Decimals = 3;
    const auto f = motion::FitThreePoints({0, 1, 2}, {5, 8, 15});
    ASSERT_TRUE(f.ok()) << f.message();
    EXPECT_NEAR(f->c2, 2, 1e-12);
    EXPECT_NEAR(f->c1, 1, 1e-12);
    EXPECT_NEAR(f->c0, 5, 1e-12);
    const auto lines = motion::ThreePointLines(1, 1, *f);
    EXPECT_EQ(lines.UBound(), 4);
    EXPECT_EQ(lines[1], "Punto base n a fijar:");
    EXPECT_EQ(lines[2], "t!n = 0, a = 4\r\nx!n = 5, v!n = 1");
    const auto g = motion::FitThreePoints({0, 1, 2}, {0, -1, -4});
    EXPECT_EQ(motion::ThreePointLines(1, 1, *g)[2], "t!n = 0, a = -2\r\nx!n = 0, v!n = 0");
    const auto same = motion::FitThreePoints({0, 1, 1}, {5, 8, 15});
    EXPECT_FALSE(same.ok());
    EXPECT_EQ(same.message(),
              "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.");
}

TEST(LaunchData, FromThreePointsRatioAndFlight) {
    const auto f = motion::LaunchThroughPoints(0, 0, 10, 5, 20, 0);
    ASSERT_TRUE(f.ok()) << f.message();
    EXPECT_NEAR(f->theta0, 45, 1e-9);
    EXPECT_NEAR(f->v0, 14, 1e-9);
    const auto m = motion::LaunchThroughPoints(0, 0, -10, 5, -20, 0);
    ASSERT_TRUE(m.ok()) << m.message();
    EXPECT_NEAR(m->theta0, 135, 1e-9);
    EXPECT_NEAR(m->v0, 14, 1e-9);
    const struct {
        double xm, ym, xn, yn;
        const char* refusal;
    } refused[] = {
        {10, 5, 20, 10, "Los tres puntos dados están sobre una recta."},
        {10, 0, 20, 10, "No hay solución. La parábola sería cóncava hacia arriba."},
    };
    for (const auto& c : refused) {
        const auto r = motion::LaunchThroughPoints(0, 0, c.xm, c.ym, c.xn, c.yn);
        EXPECT_FALSE(r.ok()) << c.refusal;
        EXPECT_EQ(r.message(), c.refusal);
    }
    EXPECT_THROW(motion::LaunchThroughPoints(0, 0, 0, 5, 20, 0), rt::RuntimeError);
    EXPECT_NEAR(motion::AngleFromRangeHeight(4), 45, 1e-9);
    EXPECT_NEAR(motion::AngleFromRangeHeight(-4), 45, 1e-9);
    EXPECT_THROW(motion::AngleFromRangeHeight(0), rt::RuntimeError);
    const auto r = motion::LaunchFromFlightAndRange(2, 19.6);
    EXPECT_NEAR(r.theta0, 45, 1e-9);
    EXPECT_NEAR(r.v0, 9.8 / std::sin(M_PI / 4), 1e-9);
    EXPECT_THROW(motion::LaunchFromFlightAndRange(0, 19.6), rt::RuntimeError);
}

}  // namespace
