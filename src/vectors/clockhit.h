#pragma once
// Geometry of the direction clock: a square ring of sixteen cells around a
// centre square, in the clock picture's device pixels (y down). Twelve cells
// are the clock hours, placed as on a clock face; the four corner cells
// stand for the diagonals. The whole figure may be turned about the
// picture's centre by the rotation of the particle-statics axes.
//
// The lattice is the set of 32 points the cells are built on, numbered 1 to
// 32 row by row (six points in the two top and two bottom rows, four in the
// two middle rows). Everything here is pure arithmetic, so the hit test can
// be checked without a picture.
#include <array>

namespace vec {

struct ClockPt {
    double x = 0.0;
    double y = 0.0;
};

inline constexpr double kClockCellWidth = 15.0;      // a
inline constexpr double kClockAxisCellWidth = 22.0;  // b
inline constexpr double kClockRingSide = 82.0;       // 4a + b
inline constexpr int kClockPointCount = 32;
inline constexpr int kClockCellCount = 16;

// Lattice points 1..32 (element 0 unused).
using ClockLattice = std::array<ClockPt, kClockPointCount + 1>;

// The unturned lattice of a clock centred in a square picture whose inner
// height is h pixels: the ring's top-left corner lies at m = (h - 82) / 2.
ClockLattice MakeClockLattice(double h);

// The four point numbers of a cell 1..16: top-left, top-right, bottom-right,
// bottom-left of the unturned cell. Cells 1..12 are the hours; 13 top-left,
// 14 top-right, 15 bottom-right and 16 bottom-left corners. Cells reach it
// checked, so one outside 1..16 is a program fault.
const std::array<int, 4>& ClockCellPoints(int cell);

// The centre square (points 8, 11, 25, 22).
inline constexpr std::array<int, 4> kClockCentreSquare{8, 11, 25, 22};

// A point turned about (c, c) by rotDeg degrees as the clock is drawn: with y
// down a positive angle turns counter-clockwise on the screen.
ClockPt TurnClockPoint(ClockPt p, double c, double rotDeg);
// The inverse turn (by -rotDeg).
ClockPt UnturnClockPoint(ClockPt p, double c, double rotDeg);
// Every point of a lattice turned by rotDeg about (c, c).
ClockLattice TurnClockLattice(const ClockLattice& lattice, double c, double rotDeg);

// The cell of the unturned lattice that holds (x, y) strictly inside its
// rectangle, cells tried in order 1..16; 0 on a border, in the centre square
// or outside the ring.
int ClockCellAt(const ClockLattice& lattice, double x, double y);
// The cell under a click at (x, y) on a clock turned by rotDeg about (c, c):
// the click is turned back, then tested on the unturned lattice.
int ClockCellUnderClick(const ClockLattice& lattice, double c, double rotDeg, double x, double y);

// The midpoint of a cell's top-left and bottom-right points.
ClockPt ClockCellCentre(const ClockLattice& lattice, int cell);

// What a click on a cell picks: the hour, and whether it was a corner cell
// (which stands for the diagonal of its quadrant at 45 degrees: 13 gives
// hour 10, 14 hour 2, 15 hour 4, 16 hour 8).
struct ClockPick {
    int hour = 0;
    bool corner = false;
};
// The cell is the hit test's or the program's: outside 1..16 is an
// rt::ProgramFault.
ClockPick ClockCellPick(int cell);

// Hours 3, 6, 9 and 12.
bool IsAxisHour(int hour);
// The axis hour from which an hour's acute angle is measured (1 -> 12,
// 2 -> 3, 4 -> 3, 5 -> 6, ...); an axis hour is its own. Hours outside
// 1..12 are a program fault.
int ClockReferenceHour(int hour);
// hour + k on the clock face, 12 in place of 0.
int ClockHourPlus(int hour, int k);

}  // namespace vec
