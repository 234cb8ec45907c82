#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "vectors/clockhit.h"

using namespace vec;

namespace {

// The cells as rectangles relative to the ring's corner, written out
// independently of the lattice: x from, x to, y from, y to.
struct CellRect {
    int cell;
    double x1, x2, y1, y2;
};
constexpr CellRect kRects[] = {
    {1, 52, 67, 0, 15},  {2, 67, 82, 15, 30}, {3, 67, 82, 30, 52},  {4, 67, 82, 52, 67},
    {5, 52, 67, 67, 82}, {6, 30, 52, 67, 82}, {7, 15, 30, 67, 82},  {8, 0, 15, 52, 67},
    {9, 0, 15, 30, 52},  {10, 0, 15, 15, 30}, {11, 15, 30, 0, 15},  {12, 30, 52, 0, 15},
    {13, 0, 15, 0, 15},  {14, 67, 82, 0, 15}, {15, 67, 82, 67, 82}, {16, 0, 15, 67, 82},
};

constexpr double kH = 118;  // inner height of the clock picture
constexpr double kM = 18;   // (118 - 82) / 2
constexpr double kC = 59;   // centre

}  // namespace

TEST(ClockLattice, EveryCellOfTheUnturnedClockIsHitInsideAndNotOnItsBorder) {
    const ClockLattice p = MakeClockLattice(kH);
    for (const CellRect& r : kRects) {
        const double x1 = kM + r.x1, x2 = kM + r.x2, y1 = kM + r.y1, y2 = kM + r.y2;
        SCOPED_TRACE(r.cell);
        // Centre and points just inside the four corners.
        EXPECT_EQ(ClockCellAt(p, (x1 + x2) / 2, (y1 + y2) / 2), r.cell);
        EXPECT_EQ(ClockCellAt(p, x1 + 0.1, y1 + 0.1), r.cell);
        EXPECT_EQ(ClockCellAt(p, x2 - 0.1, y2 - 0.1), r.cell);
        // On the borders: no cell.
        EXPECT_EQ(ClockCellAt(p, x1, (y1 + y2) / 2), 0);
        EXPECT_EQ(ClockCellAt(p, (x1 + x2) / 2, y2), 0);
        // The cell's centre is the midpoint of its corners.
        const ClockPt c = ClockCellCentre(p, r.cell);
        EXPECT_DOUBLE_EQ(c.x, (x1 + x2) / 2);
        EXPECT_DOUBLE_EQ(c.y, (y1 + y2) / 2);
    }
    // The centre square and the outside belong to no cell.
    EXPECT_EQ(ClockCellAt(p, kC, kC), 0);
    EXPECT_EQ(ClockCellAt(p, kM + 40, kM + 40), 0);
    EXPECT_EQ(ClockCellAt(p, 5, 5), 0);
    EXPECT_EQ(ClockCellAt(p, 110, kC), 0);
    // No points at the inner corners of the ring: the centre square runs
    // from 15 to 67 on both axes.
    EXPECT_DOUBLE_EQ(p[8].x, kM + 15);
    EXPECT_DOUBLE_EQ(p[25].y, kM + 67);
}

TEST(ClockLattice, TheNewProblemClickSelectsHourThreeForEveryUsablePictureHeight) {
    for (double h : {105.0, 118.0, 133.0}) {
        const ClockLattice p = MakeClockLattice(h);
        EXPECT_EQ(ClockCellUnderClick(p, h / 2, 0, 93, 60), 3) << h;
    }
}

TEST(ClockLattice, ClicksOnATurnedClockFindTheCellDrawnThere) {
    const ClockLattice p = MakeClockLattice(kH);
    // Turned by 90 degrees the hour-3 cell lies at the top middle and the
    // hour-12 cell at the left middle; by -90 the hour-3 cell is at the bottom.
    EXPECT_EQ(ClockCellUnderClick(p, kC, 90, kC, kC - 33.5), 3);
    EXPECT_EQ(ClockCellUnderClick(p, kC, 90, kC - 33.5, kC), 12);
    EXPECT_EQ(ClockCellUnderClick(p, kC, -90, kC, kC + 33.5), 3);
    EXPECT_EQ(ClockCellUnderClick(p, kC, 90, 93, 60), 6);  // hour 6 is drawn there now
    // By 30 degrees: the hour-3 centre (92.5, 59) is drawn at
    // (59 + 33.5 cos 30, 59 - 33.5 sin 30), up and to the right.
    EXPECT_EQ(ClockCellUnderClick(p, kC, 30, 59 + 29.0115, 59 - 16.75), 3);
    // Every cell, turned by 30 degrees, is found where it is drawn.
    const ClockLattice turned = TurnClockLattice(p, kC, 30);
    for (int cell = 1; cell <= kClockCellCount; ++cell) {
        const ClockPt c = ClockCellCentre(turned, cell);
        EXPECT_EQ(ClockCellUnderClick(p, kC, 30, c.x, c.y), cell) << cell;
    }
}

TEST(ClockLattice, TurningMovesHourThreeUpAndBackAgain) {
    const ClockPt up = TurnClockPoint({92.5, 59}, kC, 90);
    EXPECT_NEAR(up.x, 59, 1e-9);
    EXPECT_NEAR(up.y, 25.5, 1e-9);
    const ClockPt back = UnturnClockPoint(up, kC, 90);
    EXPECT_NEAR(back.x, 92.5, 1e-9);
    EXPECT_NEAR(back.y, 59, 1e-9);
}

TEST(ClockLattice, PicksHoursAndRelations) {
    for (int cell = 1; cell <= 12; ++cell) {
        EXPECT_EQ(ClockCellPick(cell).hour, cell);
        EXPECT_FALSE(ClockCellPick(cell).corner);
    }
    struct {
        int cell, hour;
    } corners[] = {{13, 10}, {14, 2}, {15, 4}, {16, 8}};
    for (auto c : corners) {
        EXPECT_EQ(ClockCellPick(c.cell).hour, c.hour);
        EXPECT_TRUE(ClockCellPick(c.cell).corner);
    }
    // Cells and hours are the hit test's or the program's: out of range is
    // a fault of the program, never bad input an ignored step could lose.
    for (int bad : {0, 17}) EXPECT_THROW(ClockCellPick(bad), rt::ProgramFault) << bad;
    for (int bad : {0, 13}) EXPECT_THROW(ClockReferenceHour(bad), rt::ProgramFault) << bad;

    const int refs[13] = {0, 12, 3, 3, 3, 6, 6, 6, 9, 9, 9, 12, 12};
    for (int h = 1; h <= 12; ++h) EXPECT_EQ(ClockReferenceHour(h), refs[h]) << h;
    EXPECT_EQ(ClockHourPlus(9, 3), 12);
    EXPECT_EQ(ClockHourPlus(11, 6), 5);
    EXPECT_EQ(ClockHourPlus(12, 9), 9);
}
