#pragma once
// Tables of a typed function and its derivatives at given points, with the
// result lines the calculator shows. Values and points of the derivative
// lines are written unrounded; the function is quoted with its slashes
// doubled. Trigonometric functions follow num::AngleFactor as the caller
// left it (the calculator sets radians). No widgets.
#include <span>
#include <string_view>

#include "calculator/numprocs_common.h"

namespace calc {

inline constexpr int kMaxTableRows = 100;

// The table of procedure 13 (f(x) at each argument), 14 (f(x, y) at each
// pair), 15 (f(x, y, z) at each triple) or 16 (f(x) from x1 to x2 by Δx).
// `function` is the trimmed text. One line: "Función: ", the function, then
// one row per point, each ended by CR LF; a value that cannot be computed
// (a formula that does not compile, a point outside the domain) is left
// empty. Procedure 16 counts Int(|x2 - x1| / Δx) + 1 rows, a quotient that
// falls short of a whole number only by rounding counting as that number (so
// 0 to 0.3 by 0.1 has four rows); it stops with "El incremento no puede ser
// cero.", "Error en los datos." (no row) or "Cálculo máximo 100 valores.".
ProcReport TabulateFunction(int procedureCode, std::string_view function, std::span<const rt::Variant> args,
                            int decimals);

// The rows of procedure 16: Int(q) + 1 for q = |x2 - x1| / Δx, with q taken
// as the next whole number when it lies within a relative 1E-9 below it.
// Infinite for a quotient beyond the doubles.
double TableRowCount(double x1, double x2, double dx);

// First derivative at each argument by Ridders' extrapolation (initial step
// 0.5): "f '(x) = " derivative, eight blanks, "(" error estimate ")". A
// formula that does not compile stops with its message and "Corrige la
// expresión ".
ProcReport FirstDerivativesReport(std::string_view function, std::span<const rt::Variant> args);

// Second derivative by the five-point formula: with one argument x at the
// steps 0.1 to 0.00001 (five lines), with two at the step given (one line);
// any other count writes nothing. `text` is the expression box as it stands
// (it is trimmed to compile, quoted as it stands). A formula that does not
// compile stops with its message whatever the arguments.
ProcReport SecondDerivativeReport(std::string_view text, std::span<const rt::Variant> args);

}  // namespace calc
