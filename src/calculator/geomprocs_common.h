#pragma once
// What the triangle and polygon procedures share: the plot frame of the
// drawing picture (pixels, y up), a coloured line in those pixels, and the
// arccosine of a cosine computed from lengths.
#include "numerics/mathutil.h"
#include "runtime/colors.h"
#include "runtime/errors.h"

namespace calc {

inline constexpr double kPlotLeft = 48;
inline constexpr double kPlotBottom = 42;
inline constexpr double kPlotSide = 301;
inline constexpr double kPicWidth = 397;
inline constexpr double kPicHeight = 385;

inline constexpr rt::ColorRef kAxisGrey = 0x808080;

struct FigureLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    rt::ColorRef color = rt::kBlack;
    bool operator==(const FigureLine&) const = default;
};

// Arccosine in degrees that forgives the last bits of rounding just outside
// [-1, 1] (a null or a straight angle computed from lengths); a value truly
// outside still raises rt::RuntimeError.
inline double ArcCosDegOfRatio(double c) {
    c = rt::Checked(c);
    if (c > 1 && c - 1 <= 1e-12) c = 1;
    if (c < -1 && -1 - c <= 1e-12) c = -1;
    return num::ArcCosDeg(c);
}

}  // namespace calc
