#include <gtest/gtest.h>

#include <cmath>

#include "runtime/errors.h"
#include "shell/drawgeom.h"
#include "vectors/clock.h"

using namespace shell;

namespace {

constexpr double kDeg = 57.2957795130824;

double Degrees0To360(double rad) {
    double d = std::fmod(rad * kDeg, 360.0);
    return d < 0 ? d + 360.0 : d;
}

void ExpectPoint(PointD p, double x, double y, double tol = 1e-4) {
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

}  // namespace

TEST(DrawDirection, TwelveHoursWithAnAngle) {
    // Direction in degrees of each hour given 30 degrees; axis hours ignore it.
    const double want[13] = {0, 60, 30, 0, 330, 300, 270, 240, 210, 180, 150, 120, 90};
    for (int h = 1; h <= 12; ++h) {
        Direction d = DirectionOf(h, 30);
        double deg = Degrees0To360(d.angle);
        if (deg > 359.9999) deg -= 360;
        EXPECT_NEAR(deg, want[h], 1e-4) << "hour " << h;
        EXPECT_NEAR(d.cos, std::cos(d.angle), 1e-7) << "hour " << h;
        EXPECT_NEAR(d.sin, std::sin(d.angle), 1e-7) << "hour " << h;
        EXPECT_EQ(d.cos90, -d.sin);
        EXPECT_EQ(d.sin90, d.cos);
        // The same convention as the clock geometry of the vector notation.
        double clock = vec::AngleFromClock(h, 30);
        EXPECT_NEAR(Degrees0To360(clock / kDeg), want[h], 1e-4) << "hour " << h;
    }
    // Any angle goes through the same formula: hour 2 with 120 points to 120.
    EXPECT_NEAR(Degrees0To360(DirectionOf(2, 120).angle), 120, 1e-4);
    EXPECT_THROW(DirectionOf(0, 0), rt::RuntimeError);
    EXPECT_THROW(DirectionOf(13, 0), rt::RuntimeError);
}

TEST(DrawDirection, StateKeepsTheGivenAngleEvenOnAnAxis) {
    DrawEngState st;
    EXPECT_EQ(st.DirHour, 3);
    EXPECT_EQ(st.DrawScale, 24);
    SetDirection(st, 3, 45);
    EXPECT_EQ(st.DirHour, 3);
    EXPECT_EQ(st.DirAlpha, 45);
    EXPECT_EQ(st.DirAngle, 0);
    EXPECT_EQ(st.DirCos, 1);
    EXPECT_EQ(st.Dir90Sin, 1);
    EXPECT_THROW(SetDirection(st, 14, 0), rt::RuntimeError);
    EXPECT_EQ(st.DirHour, 3);  // a refused hour changes nothing
}

TEST(DrawDirection, OppositeHours) {
    const int want[13] = {0, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};
    for (int h = 1; h <= 12; ++h) {
        EXPECT_EQ(OppositeHour(h), want[h]);
        EXPECT_EQ(OppositeHour(OppositeHour(h)), h);
        // With the same angle the opposite hour points exactly the other way.
        Direction a = DirectionOf(h, 30), b = DirectionOf(OppositeHour(h), 30);
        EXPECT_NEAR(a.cos, -b.cos, 1e-6) << h;
        EXPECT_NEAR(a.sin, -b.sin, 1e-6) << h;
    }
    EXPECT_THROW(OppositeHour(0), rt::RuntimeError);
}

TEST(ArrowGeometry, HeadSizeGivesAFixedHeadWhateverTheLength) {
    Direction east = DirectionOf(3, 0);
    ArrowPoints a = ArrowGeometry({100, 100}, 48, true, east, 3);
    ExpectPoint(a.tail, 100, 100);
    ExpectPoint(a.tip, 148, 100);
    ExpectPoint(a.headTip, 148, 100, 0);
    ExpectPoint(a.corner1, 141, 104, 0);  // 7 long, 8 wide
    ExpectPoint(a.corner2, 141, 96, 0);

    // Ending at the pen: the tip is the pen; head size 2 gives 5 by 6.
    Direction north = DirectionOf(12, 0);
    ArrowPoints b = ArrowGeometry({50, 80}, 24, false, north, 2);
    ExpectPoint(b.tip, 50, 80);
    ExpectPoint(b.tail, 50, 56);
    ExpectPoint(b.corner1, 47, 75, 0);
    ExpectPoint(b.corner2, 53, 75, 0);

    // Length 0: only the head, around the pen, pointing along the direction.
    ArrowPoints z = ArrowGeometry({10, 10}, 0, true, DirectionOf(9, 0), 3);
    ExpectPoint(z.tail, 10, 10);
    ExpectPoint(z.tip, 10, 10);
    ExpectPoint(z.corner1, 17, 6, 0);
    ExpectPoint(z.corner2, 17, 14, 0);

    // Oblique heads land on whole pixels (halves to even).
    ArrowPoints o = ArrowGeometry({0, 0}, 100, true, DirectionOf(2, 45), 3);
    for (PointD p : {o.corner1, o.corner2, o.headTip}) {
        EXPECT_EQ(p.x, std::round(p.x));
        EXPECT_EQ(p.y, std::round(p.y));
    }
    EXPECT_THROW(ArrowGeometry({0, 0}, 1, true, east, 20000), rt::RuntimeError);
}

TEST(ArrowLabel, PlaceByHourAndByWhichEndIsFree) {
    const double w = 20, h = 10;
    struct Row {
        bool fromPen;
        int hours[4];
        PointD off;
    };
    const PointD aboveRight{0, h}, belowRight{0, 0}, belowLeft{-w - 2, 0}, aboveLeft{-w - 2, h};
    const Row rows[] = {
        {true, {12, 1, 2, 3}, aboveRight}, {true, {4, 5, 6, 0}, belowRight},  {true, {7, 8, 9, 0}, belowLeft},
        {true, {10, 11, 0, 0}, aboveLeft}, {false, {7, 8, 9, 0}, aboveRight}, {false, {10, 11, 12, 0}, belowRight},
        {false, {1, 2, 3, 0}, belowLeft},  {false, {4, 5, 6, 0}, aboveLeft},
    };
    int seen[2][13] = {};
    for (const Row& r : rows)
        for (int hr : r.hours) {
            if (hr == 0) continue;
            ++seen[r.fromPen][hr];
            EXPECT_EQ(LabelOffset(r.fromPen, hr, w, h), r.off) << r.fromPen << " hour " << hr;
        }
    for (int f = 0; f < 2; ++f)
        for (int hr = 1; hr <= 12; ++hr) EXPECT_EQ(seen[f][hr], 1);

    // From the pen at hour 9 the label ends 2 pixels before the tip.
    PointD p = LabelPoint({200, 100}, true, 9, w, h);
    EXPECT_EQ(p.x + w, 198);
    // A label that would start at x <= 0 starts at 2; y is not limited.
    EXPECT_EQ(LabelPoint({15, -5}, true, 9, w, h), (PointD{2, -5}));
    EXPECT_EQ(LabelPoint({22, 0}, false, 1, w, h), (PointD{2, 0}));
}

TEST(LabelInside, MovedJustEnoughToLieWhollyInsideThePicture) {
    const AreaD area{0, 0, 397, 385};  // y up; the label hangs below its top-left corner
    const double w = 60, h = 12;
    const struct {
        PointD asked, placed;
    } cases[] = {
        {{100, 200}, {100, 200}},           // inside: untouched
        {{349, 200}, {397 - 2 - 60, 200}},  // past the right edge
        {{-20, 200}, {2, 200}},             // past the left edge
        {{100, 390}, {100, 383}},           // above the top
        {{100, 5}, {100, 14}},              // hanging below the bottom
        {{380, 400}, {335, 383}},           // a corner
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepLabelInside(c.asked, w, h, area), c.placed) << c.asked.x << ", " << c.asked.y;
    // Wider than the picture: its start stays in sight.
    EXPECT_EQ(KeepLabelInside({100, 200}, 500, h, area).x, 2);
}

TEST(ArrowLabel, SignIsTakenOffTheShownText) {
    struct {
        rt::Variant label;
        const char* raw;
        const char* shown;
    } cases[] = {
        {-12.5, "-12.5", "12.5"}, {"-12.5", "-12.5", "12.5"}, {"-F", "-F", "F"},
        {"F-1", "F-1", "F-1"},    {"F!1", "F!1", "F!1"},      {3.0, "3", "3"},
        {"--x", "--x", "-x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LabelRawText(c.label), c.raw);
        EXPECT_EQ(LabelShownText(c.label), c.shown) << c.raw;
    }
    EXPECT_TRUE(LabelIsEmpty(rt::Variant()));
    EXPECT_TRUE(LabelIsEmpty(""));
    EXPECT_FALSE(LabelIsEmpty(0.0));
}

TEST(ShapeRegistry, PointsInTheShapesOwnFrame) {
    DrawEngState st;
    SetDirection(st, 12, 0);
    RegisterShape(st, "Flecha", NextShapeNumber(st.ArrowShapeCount), 10, 20, 48, 48);
    SetDirection(st, 2, 30);
    RegisterShape(st, "Linea", NextShapeNumber(st.LineShapeCount), 0, 0, 24, 24);
    RegisterShape(st, "Flecha", NextShapeNumber(st.ArrowShapeCount), 5, 5, 10, 10);
    ASSERT_EQ(st.ShapeCount, 3);
    EXPECT_EQ(st.Shapes[0].Name, "Flecha-1");
    EXPECT_EQ(st.Shapes[1].Name, "Linea-1");
    EXPECT_EQ(st.Shapes[2].Name, "Flecha-2");
    EXPECT_EQ(st.Shapes[1].Hour, 2);
    EXPECT_EQ(st.Shapes[1].Angle, 30);

    ExpectPoint(ShapePoint(st, "Flecha-1", 1, 0), 10, 68);     // tip
    ExpectPoint(ShapePoint(st, "Flecha-1", 0.5, 0), 10, 44);   // middle
    ExpectPoint(ShapePoint(st, "Flecha-1", 1, 0.25), -2, 68);  // positive v: left of it
    ExpectPoint(ShapePoint(st, "Linea-1", 1, 0), 24 * std::cos(30 / kDeg), 12);
    EXPECT_THROW(ShapePoint(st, "flecha-1", 1, 0), rt::ProgramFault);  // names are exact
    EXPECT_THROW(ShapePoint(st, "Flecha-3", 1, 0), rt::ProgramFault);

    ClearShapes(st);
    EXPECT_TRUE(st.Shapes.empty());
    EXPECT_EQ(st.ShapeCount + st.LineShapeCount + st.ArrowShapeCount, 0);
    EXPECT_EQ(NextShapeNumber(st.ArrowShapeCount), 1);

    int full = 32767;
    EXPECT_THROW(NextShapeNumber(full), rt::RuntimeError);
}

TEST(ArcGeometry, LimitsAreBroughtIntoOneTurn) {
    constexpr double pi = 3.14159265358979;
    // Not centred, sweep -90 from direction 0: from 270 degrees to 0 (= 360).
    ArcLimits a = ArcLimitsOf(0, -pi / 2, false);
    EXPECT_NEAR(a.start, 3 * pi / 2, 1e-12);
    EXPECT_NEAR(a.end, 0, 1e-12);
    OpenHead h = ArcHead({0, 0}, 100, a, -pi / 2);
    ExpectPoint(h.at, 0, -100);
    // At 270 degrees pointing clockwise (towards -x): the head's ends lie to +x.
    ExpectPoint(h.end1, 6, -104);
    ExpectPoint(h.end2, 6, -96);

    // Sweep +270 from direction 180: the end limit 450 degrees becomes 90.
    ArcLimits b = ArcLimitsOf(pi, 3 * pi / 2, false);
    EXPECT_NEAR(b.start, pi, 1e-12);
    EXPECT_NEAR(b.end, pi / 2, 1e-12);

    // Centred sweeps of -270 and 270 give the same arc, heads at opposite ends.
    ArcLimits c1 = ArcLimitsOf(0, -1.5 * pi, true), c2 = ArcLimitsOf(0, 1.5 * pi, true);
    EXPECT_NEAR(c1.start, c2.start, 1e-12);
    EXPECT_NEAR(c1.end, c2.end, 1e-12);
    EXPECT_NEAR(c1.start, 1.25 * pi, 1e-12);
    EXPECT_NEAR(c1.end, 0.75 * pi, 1e-12);
    OpenHead h1 = ArcHead({0, 0}, 10, c1, -1.5 * pi), h2 = ArcHead({0, 0}, 10, c2, 1.5 * pi);
    ExpectPoint(h1.at, 10 * std::cos(1.25 * pi), 10 * std::sin(1.25 * pi));
    ExpectPoint(h2.at, 10 * std::cos(0.75 * pi), 10 * std::sin(0.75 * pi));
}

TEST(ArcGeometry, CoupleSymbolBySense) {
    EXPECT_FALSE(MomentArcOf({0, 0}, 24, 0).has_value());
    EXPECT_FALSE(MomentArcOf({0, 0}, 24, 2).has_value());
    auto cw = MomentArcOf({100, 100}, 20, 1);
    ASSERT_TRUE(cw);
    ExpectPoint(cw->head.at, 117.32, 110);
    ExpectPoint(cw->head.end1, 114.32, 117);
    ExpectPoint(cw->head.end2, 110.32, 113);
    EXPECT_NEAR(cw->arc.start * kDeg, 30, 1e-9);
    EXPECT_NEAR(cw->arc.end * kDeg, 330, 1e-9);
    auto ccw = MomentArcOf({100, 100}, 20, -1);
    ASSERT_TRUE(ccw);
    ExpectPoint(ccw->head.at, 117.32, 90);
    ExpectPoint(ccw->head.end1, 110.32, 87);
    ExpectPoint(ccw->head.end2, 114.32, 83);
}

TEST(LineOfAction, ClippedToTheFrame) {
    struct Case {
        double x0, y0, angle;
        PointD a, b;
    } cases[] = {
        {150, 120, -90, {150, 50}, {150, 300}},  // vertical
        {150, 120, 270, {150, 50}, {150, 300}},
        {150, 120, 180, {50, 120}, {300, 120}},  // horizontal
        {175, 175, 45, {50, 50}, {300, 300}},    // corner to corner
        {175, 175, -135, {50, 50}, {300, 300}},
        {100, 100, 60, {100 - 50 / std::sqrt(3.0), 50}, {100 + 200 / std::sqrt(3.0), 300}},
        {100, 100, 10, {50, 100 - 50 * std::tan(10 / kDeg)}, {300, 100 + 200 * std::tan(10 / kDeg)}},
        {100, 100, -30, {100 + 50 * std::sqrt(3.0), 50}, {50, 100 + 50 * std::tan(30 / kDeg)}},
        {280, 200, -30, {300, 200 - 20 * std::tan(30 / kDeg)}, {280 - 100 * std::sqrt(3.0), 300}},
        {250, 100, -80, {250 + 50 * std::tan(10 / kDeg), 50}, {250 - 200 * std::tan(10 / kDeg), 300}},
    };
    for (const Case& c : cases) {
        // The bounds come in reversed and are put in order in our variables.
        double xa = 300, ya = 300, xb = 50, yb = 50;
        auto s = ClipLineOfAction(c.x0, c.y0, xa, ya, xb, yb, c.angle);
        EXPECT_EQ(xa, 50);
        EXPECT_EQ(ya, 50);
        EXPECT_EQ(xb, 300);
        EXPECT_EQ(yb, 300);
        ASSERT_TRUE(s) << c.angle;
        // Either order of the ends, both on the frame.
        bool same =
            std::hypot(s->a.x - c.a.x, s->a.y - c.a.y) < 1e-6 && std::hypot(s->b.x - c.b.x, s->b.y - c.b.y) < 1e-6;
        bool swapped =
            std::hypot(s->a.x - c.b.x, s->a.y - c.b.y) < 1e-6 && std::hypot(s->b.x - c.a.x, s->b.y - c.a.y) < 1e-6;
        EXPECT_TRUE(same || swapped) << "angle " << c.angle << ": (" << s->a.x << ", " << s->a.y << ")-(" << s->b.x
                                     << ", " << s->b.y << ")";
    }
    // A line that misses the frame draws nothing.
    double xa = 50, ya = 50, xb = 300, yb = 300;
    EXPECT_FALSE(ClipLineOfAction(0, 400, xa, ya, xb, yb, 45).has_value());
    EXPECT_FALSE(ClipLineOfAction(400, 0, xa, ya, xb, yb, 45).has_value());
    EXPECT_FALSE(ClipLineOfAction(0, 0, xa, ya, xb, yb, -45).has_value());
}
