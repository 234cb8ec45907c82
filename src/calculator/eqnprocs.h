#pragma once
// Equations in one unknown from their coefficients: the quadratic
// A x² + B x + C = 0, the quadratic A (B x + C)² + D x + E = 0, the cubic
// and A cos θ + B sen θ + C = 0, with the result lines the calculator
// shows (the equation as typed, its roots, and the extreme and inflection
// points of the polynomials). Coefficients are rounded to `decimals` in the
// equation lines only; roots and abscissas are written unrounded. A zero
// leading coefficient raises rt::RuntimeError (division by zero). No widgets.
#include <span>

#include "calculator/numprocs_common.h"

namespace calc {

ProcReport QuadraticReport(std::span<const rt::Variant> args, int decimals);        // A, B, C
ProcReport SquareQuadraticReport(std::span<const rt::Variant> args, int decimals);  // A, B, C, D, E
ProcReport CubicReport(std::span<const rt::Variant> args, int decimals);            // A, B, C, D
// The two angles in degrees (FormatNum, which reads text::G().Decimals), or
// a stop with "No hay solución.".
ProcReport TrigEquationReport(std::span<const rt::Variant> args, int decimals);  // A, B, C

}  // namespace calc
