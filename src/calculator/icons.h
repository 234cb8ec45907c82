#pragma once
// The icon sheet of the procedure bar: a monochrome picture of 280 by 181
// pixels, black strokes on white, cut by black grid lines into 9 columns of
// 31 pixels and 6 rows of 30 pixels. Cell (row r, column c) begins at pixel
// ((c - 1) * 31, (r - 1) * 30). Row 1 holds the eight group icons; the
// procedures of each group follow in the cells the bar's catalogue names
// (procbar.h); row 5, columns 5 to 7, holds the three kinematics laws.
#include <QImage>

namespace calc {

inline constexpr int kSheetWidth = 280;
inline constexpr int kSheetHeight = 181;
inline constexpr int kSheetCellWidth = 31;
inline constexpr int kSheetCellHeight = 30;

// Draws the sheet. Every pixel is pure black or pure white.
QImage DrawIconSheet();

// The sheet the build drew into the program's resources (kIconSheetArt, its
// pixels as they are) when the program has them: drawn at start-up, it
// would load a face and shape text for its cells. Otherwise drawn now.
QImage IconSheet();
inline constexpr const char* kIconSheetArt = ":/teluvar/icons.rgb32";

}  // namespace calc
