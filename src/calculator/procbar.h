#pragma once
// The catalogue of the procedure bar picBar: eight groups on its upper row,
// the procedures of the chosen group on its lower row, and where their icons
// lie on the icon sheet. Cells are 31 units wide; the upper row spans y 33
// to 63 and the lower row y 0 to 33 of the bar's y-up scale.
#include <array>

namespace calc {

inline constexpr int kBarGroups = 8;
inline constexpr double kBarCellWidth = 31;

struct BarGroupInfo {
    int count;                 // procedures of the group
    int sheetRow, sheetCol;    // icon-sheet cell of its first procedure
    std::array<int, 9> codes;  // ProcedureCode of lower cells 1..count
};

// Groups 1 to 8; anything else raises rt::RuntimeError.
const BarGroupInfo& BarGroup(int group);

// n = Int(x / 31) + 1, plus 12 on the lower row (y <= 33): 1 to 12 name a
// cell of the upper row, any other n lower cell n - 12.
int BarCellNumber(double x, double y);

// Kinematics laws chosen by upper cells 1 to 3 (shell::kLawX on; the
// kinematics workspace stores them).
inline constexpr int kLawCount = 3;

}  // namespace calc
