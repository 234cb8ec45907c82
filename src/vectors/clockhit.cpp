#include "vectors/clockhit.h"

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"

namespace vec {

namespace {

// Lattice positions along a side of the ring: 0, a, 2a, 2a + b, 3a + b, 4a + b.
constexpr std::array<double, 6> kSide{0.0, 15.0, 30.0, 52.0, 67.0, 82.0};

constexpr std::array<std::array<int, 4>, kClockCellCount + 1> kCells{{
    {0, 0, 0, 0},
    {4, 5, 11, 10},    // hour 1
    {11, 12, 16, 15},  // hour 2
    {15, 16, 20, 19},  // hour 3
    {19, 20, 26, 25},  // hour 4
    {24, 25, 31, 30},  // hour 5
    {23, 24, 30, 29},  // hour 6
    {22, 23, 29, 28},  // hour 7
    {17, 18, 22, 21},  // hour 8
    {13, 14, 18, 17},  // hour 9
    {7, 8, 14, 13},    // hour 10
    {2, 3, 9, 8},      // hour 11
    {3, 4, 10, 9},     // hour 12
    {1, 2, 8, 7},      // top-left corner
    {5, 6, 12, 11},    // top-right corner
    {25, 26, 32, 31},  // bottom-right corner
    {21, 22, 28, 27},  // bottom-left corner
}};

}  // namespace

ClockLattice MakeClockLattice(double h) {
    const double m = (h - kClockRingSide) / 2.0;
    ClockLattice p{};
    // Two full rows at the top and two at the bottom.
    for (int k = 1; k <= 12; ++k) {
        const double x = m + kSide[(k - 1) % 6];
        const double dy = kClockCellWidth * ((k - 1) / 6);
        p[k] = {x, m + dy};
        p[k + 20] = {x, m + 67.0 + dy};
    }
    // The two middle rows hold the four outer positions only.
    constexpr std::array<double, 4> outer{0.0, 15.0, 67.0, 82.0};
    for (int k = 0; k < 4; ++k) {
        p[13 + k] = {m + outer[k], m + 30.0};
        p[17 + k] = {m + outer[k], m + 52.0};
    }
    return p;
}

const std::array<int, 4>& ClockCellPoints(int cell) {
    rt::ExpectIndex(cell, 1, kClockCellCount, "clock cell");
    return kCells[cell];
}

ClockPt TurnClockPoint(ClockPt p, double c, double rotDeg) {
    const double r = rotDeg * num::kDegToRad;
    const double dx = p.x - c, dy = p.y - c;
    return {dx * std::cos(r) + dy * std::sin(r) + c, -dx * std::sin(r) + dy * std::cos(r) + c};
}

ClockPt UnturnClockPoint(ClockPt p, double c, double rotDeg) {
    const double r = rotDeg * num::kDegToRad;
    const double dx = p.x - c, dy = p.y - c;
    return {dx * std::cos(r) - dy * std::sin(r) + c, dx * std::sin(r) + dy * std::cos(r) + c};
}

ClockLattice TurnClockLattice(const ClockLattice& lattice, double c, double rotDeg) {
    ClockLattice out = lattice;
    for (int k = 1; k <= kClockPointCount; ++k) out[k] = TurnClockPoint(lattice[k], c, rotDeg);
    return out;
}

int ClockCellAt(const ClockLattice& lattice, double x, double y) {
    for (int cell = 1; cell <= kClockCellCount; ++cell) {
        const auto& q = kCells[cell];
        const ClockPt tl = lattice[q[0]], tr = lattice[q[1]], br = lattice[q[2]];
        if (x > tl.x && x < tr.x && y > tr.y && y < br.y) return cell;
    }
    return 0;
}

int ClockCellUnderClick(const ClockLattice& lattice, double c, double rotDeg, double x, double y) {
    const ClockPt p = UnturnClockPoint({x, y}, c, rotDeg);
    return ClockCellAt(lattice, p.x, p.y);
}

ClockPt ClockCellCentre(const ClockLattice& lattice, int cell) {
    const auto& q = ClockCellPoints(cell);
    const ClockPt a = lattice[q[0]], b = lattice[q[2]];
    return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
}

ClockPick ClockCellPick(int cell) {
    rt::ExpectIndex(cell, 1, kClockCellCount, "clock cell picked");
    switch (cell) {
    case 13: return {10, true};
    case 14: return {2, true};
    case 15: return {4, true};
    case 16: return {8, true};
    default: return {cell, false};
    }
}

bool IsAxisHour(int hour) { return hour == 3 || hour == 6 || hour == 9 || hour == 12; }

int ClockReferenceHour(int hour) {
    rt::ExpectIndex(hour, 1, 12, "clock hour");
    static constexpr int ref[13] = {0, 12, 3, 3, 3, 6, 6, 6, 9, 9, 9, 12, 12};
    return ref[hour];
}

int ClockHourPlus(int hour, int k) {
    const int h = (hour + k) % 12;
    return h <= 0 ? h + 12 : h;
}

}  // namespace vec
