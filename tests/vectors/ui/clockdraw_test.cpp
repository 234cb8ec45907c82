#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cmath>

#include "platform/picture.h"
#include "shell/draweng.h"
#include "support/grab.h"
#include "vectors/ui/clockdraw.h"

using namespace vecui;
using plat::DrawnPrimitive;

namespace {

struct Box {
    double x1, x2, y1, y2;
};

// Bounding box of a polygon's vertices.
Box Bounds(const DrawnPrimitive& d) {
    Box b{1e9, -1e9, 1e9, -1e9};
    for (const QPointF& p : d.points) {
        b.x1 = std::min(b.x1, p.x());
        b.x2 = std::max(b.x2, p.x());
        b.y1 = std::min(b.y1, p.y());
        b.y2 = std::max(b.y2, p.y());
    }
    return b;
}

std::vector<DrawnPrimitive> Polygons(const plat::Picture& pic, rt::ColorRef fill) {
    std::vector<DrawnPrimitive> out;
    for (const auto& d : pic.Drawn())
        if (d.kind == DrawnPrimitive::Kind::Polygon && d.filled && d.fillColor == fill) out.push_back(d);
    return out;
}

void ExpectBox(const DrawnPrimitive& d, Box want) {
    const Box b = Bounds(d);
    EXPECT_NEAR(b.x1, want.x1, 1e-6);
    EXPECT_NEAR(b.x2, want.x2, 1e-6);
    EXPECT_NEAR(b.y1, want.y1, 1e-6);
    EXPECT_NEAR(b.y2, want.y2, 1e-6);
}

// The clock picture: 118 pixels square, button-face background.
class ClockPicture : public ::testing::Test {
protected:
    ClockPicture() : pic(QStringLiteral("picClock")) {
        pic.Move(0, 0, 118, 118);
        pic.SetBackColor(rt::kButtonFace);
    }
    void Save(const char* name) { testsupport::SaveGrab(pic.Image(), name); }
    plat::Picture pic;
};

}  // namespace

TEST_F(ClockPicture, UnturnedClockHasItsCellsWhereTheyBelongAndHourThreeMarked) {
    const vec::ClockLattice p = DrawClockOn(pic, 0, false);
    Save("clock_plain");
    // The centre square, twelve hour cells and four corners.
    ASSERT_EQ(Polygons(pic, kClockCentreColor).size(), 1u);
    ExpectBox(Polygons(pic, kClockCentreColor)[0], {33, 85, 33, 85});
    EXPECT_EQ(Polygons(pic, kClockCornerColor).size(), 4u);
    EXPECT_EQ(Polygons(pic, kClockHourColor).size(), 11u);
    const auto pink = Polygons(pic, kClockMarkColor);
    ASSERT_EQ(pink.size(), 1u);
    ExpectBox(pink[0], {85, 100, 48, 70});  // the hour-3 cell
    // The thick yellow half-axis points along +x, and the picture is left
    // ready for other drawing.
    const auto half = std::find_if(pic.Drawn().begin(), pic.Drawn().end(), [](const auto& d) {
        return d.kind == DrawnPrimitive::Kind::Line && d.color == kClockYellow;
    });
    ASSERT_NE(half, pic.Drawn().end());
    EXPECT_EQ(half->width, 2);
    EXPECT_EQ(half->points[1], QPointF(85, 59));  // the inner edge of the hour-3 cell
    EXPECT_EQ(pic.FillStyle(), plat::FillStyle::Transparent);
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    EXPECT_EQ(pic.DrawWidth(), 1);
    // The hour-12 cell, from the returned lattice.
    EXPECT_DOUBLE_EQ(p[3].x, 48);
    EXPECT_DOUBLE_EQ(p[3].y, 18);
    EXPECT_DOUBLE_EQ(p[10].x, 70);
    EXPECT_DOUBLE_EQ(p[10].y, 33);
}

TEST_F(ClockPicture, NoMarkLeavesEveryHourGrey) {
    DrawClockOn(pic, 0, true);
    EXPECT_TRUE(Polygons(pic, kClockMarkColor).empty());
    EXPECT_EQ(Polygons(pic, kClockHourColor).size(), 12u);
}

TEST_F(ClockPicture, TurnedClockMovesHourThreeButReturnsTheUnturnedLattice) {
    // By 90 degrees the marked hour-3 cell is at the top middle.
    DrawClockOn(pic, 90, false);
    ExpectBox(Polygons(pic, kClockMarkColor).at(0), {48, 70, 18, 33});
    // By -90 at the bottom middle.
    DrawClockOn(pic, -90, false);
    ExpectBox(Polygons(pic, kClockMarkColor).at(0), {48, 70, 85, 100});
    // By 30 degrees: the cell's centre turns up to the right of the centre.
    const vec::ClockLattice p = DrawClockOn(pic, 30, false);
    Save("clock_turned30");
    const Box b = Bounds(Polygons(pic, kClockMarkColor).at(0));
    EXPECT_NEAR((b.x1 + b.x2) / 2, 59 + 33.5 * std::cos(M_PI / 6), 1.0);
    EXPECT_NEAR((b.y1 + b.y2) / 2, 59 - 33.5 * std::sin(M_PI / 6), 1.0);
    const vec::ClockLattice plain = vec::MakeClockLattice(118);
    for (int k = 1; k <= vec::kClockPointCount; ++k) {
        EXPECT_DOUBLE_EQ(p[k].x, plain[k].x);
        EXPECT_DOUBLE_EQ(p[k].y, plain[k].y);
    }
}

TEST_F(ClockPicture, ATallerPictureCentresTheSameRing) {
    pic.Move(0, 0, 130, 130);
    DrawClockOn(pic, 0, false);
    ExpectBox(Polygons(pic, kClockMarkColor).at(0), {91, 106, 54, 76});
}

TEST_F(ClockPicture, MarkingAnObliqueHourDrawsItsCrossAxisAndChord) {
    const vec::ClockLattice p = DrawClockOn(pic, 0, true);
    MarkClockHour(pic, p, 0, 3, 1);
    Save("clock_marked1");
    // The previous hour's cell grey again, then hour 1 pink: cell x 70-85, y 18-33.
    const auto pink = Polygons(pic, kClockMarkColor);
    ASSERT_EQ(pink.size(), 1u);
    ExpectBox(pink[0], {70, 85, 18, 33});
    // White cross to hours 4, 7 and 10, yellow to 12 (reference), thick to 1,
    // and the chord between the two at 0.4 of the way out.
    std::vector<DrawnPrimitive> white, yellow;
    for (const auto& d : pic.Drawn()) {
        if (d.kind != DrawnPrimitive::Kind::Line) continue;
        if (d.color == kClockAxisColor) white.push_back(d);
        if (d.color == kClockYellow) yellow.push_back(d);
    }
    // DrawClockOn drew two white axes and one yellow half-axis first.
    ASSERT_EQ(white.size(), 5u);
    EXPECT_EQ(white[2].points[1], QPointF(92.5, 77.5));  // hour 4
    EXPECT_EQ(white[3].points[1], QPointF(40.5, 92.5));  // hour 7
    EXPECT_EQ(white[4].points[1], QPointF(25.5, 40.5));  // hour 10
    ASSERT_EQ(yellow.size(), 4u);
    EXPECT_EQ(yellow[1].points[1], QPointF(59, 25.5));  // hour 12
    EXPECT_EQ(yellow[2].points[1], QPointF(77.5, 25.5));
    EXPECT_EQ(yellow[2].width, 2);
    EXPECT_NEAR(yellow[3].points[0].y(), 0.6 * 59 + 0.4 * 25.5, 1e-9);
    EXPECT_NEAR(yellow[3].points[1].x(), 0.6 * 59 + 0.4 * 77.5, 1e-9);
    // The drawing engine's pen waits at the centre.
    EXPECT_DOUBLE_EQ(shell::DrawEng().PenX, 59);
    EXPECT_DOUBLE_EQ(shell::DrawEng().PenY, 59);
}

TEST_F(ClockPicture, MarkingAnAxisHourDrawsNoChord) {
    const vec::ClockLattice p = DrawClockOn(pic, 30, true);
    MarkClockHour(pic, p, 30, 1, 6);
    Save("clock_turned30_marked6");
    int yellow = 0;
    for (const auto& d : pic.Drawn())
        if (d.kind == DrawnPrimitive::Kind::Line && d.color == kClockYellow) ++yellow;
    EXPECT_EQ(yellow, 3);  // half-axis, reference (itself), thick line
}
