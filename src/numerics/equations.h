#pragma once
// Closed-form solvers of quadratic, cubic and trigonometric equations. Each
// returns a small array indexed from 0 that callers read by position:
//   SolveQuadratic: (x1, x2, true) for two real roots, (re, im, false) for
//     the pair re ± i·im;
//   SolveCubic: (x1, x2, x3, true) for three real roots, (x1, re, im, false)
//     for one real root and a pair (im 0 for a repeated root); with a = 0
//     (2, then the three entries of SolveQuadratic(b, c, d));
//   SolveTrigEquation: the two angles t in degrees, in (-180, 180], with
//     a cos t + b sin t + c = 0, or the single entry "No".
// Division by zero and overflow raise rt::RuntimeError (a = 0 in the
// quadratic; a = b = 0 in the cubic).
#include <vector>

#include "runtime/variant.h"

namespace num {

std::vector<rt::Variant> SolveQuadratic(double a, double b, double c);
std::vector<rt::Variant> SolveCubic(double a, double b, double c, double d);
std::vector<rt::Variant> SolveTrigEquation(double a, double b, double c);

// |a| lies within pct percent of |b|, both bounds inclusive.
bool IsWithinPercent(double a, double b, double pct);

}  // namespace num
