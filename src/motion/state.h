#pragma once
// Module state of the motion workspaces that the panel's services set.
// No widget include.
#include <array>

namespace motion {

struct LinePosRec {
    int X = 0;
    int Y = 0;
};

struct MotionState {
    int ParabActionMode = 0;     // what a strip click does in projectile motion
    int ParabProcedureCode = 0;  // listed projectile procedure
    int ProblemKind = 0;         // cmdTable index chosen
    std::array<LinePosRec, 11> LinePos{};  // equation lines (1 To 10)
};

MotionState& State();

// Rectilinear equation lines 1 to 8 at x = 10, y = 340 - 18 (k - 1);
// lines 9 and 10 are left as they are.
void InitMruaEqnLinePositions();

}  // namespace motion
