#pragma once
// The definite integral of a typed function over an interval, with the
// result lines the calculator shows. Two arguments integrate dx/dt = f(t)
// with the adaptive Runge-Kutta solver; three or four use Simpson's rule
// (tolerance 1E-06, or the fourth argument, which may not exceed 0.001).
// The interval is always shown in increasing order; Simpson's value to 5
// decimals, or to 5 significant digits when it is smaller than 0.1. No
// widgets.
#include <span>
#include <string_view>

#include "calculator/numprocs_common.h"

namespace calc {

inline constexpr const char* kEpsilonTooLarge = "No tomes el argumento \"épsilon\" mayor que 0.001.";
// The last line of a Simpson result whose refinements ended before the
// tolerance was met: the value is kept, as the best estimate there is.
inline constexpr const char* kPrecisionNotReached = "No alcancé la precisión pedida: el valor es solo aproximado.";

// `text` is the expression box as it stands. A formula that does not compile
// stops with its message and "Corrige la expresión "; an adaptive solver that
// gives up, or cannot bring the integral to its accuracy (a singularity),
// stops with the solver's message (the interval and what to change) and
// nothing written. Other argument counts write nothing.
ProcReport IntegralReport(std::string_view text, std::span<const rt::Variant> args);

}  // namespace calc
