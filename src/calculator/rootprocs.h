#pragma once
// The real roots of a function of x in an interval, with the result lines
// the calculator shows: how many, the equation, the interval as typed, and
// each root (to the digits its search holds) with the value of the function
// there (which tells a root from a jump across 0), then the points where the
// function had no value, if any. At most 50 roots are listed. No widgets.
#include <span>
#include <string_view>

#include "calculator/numprocs_common.h"

namespace calc {

inline constexpr int kMaxListedRoots = 50;
inline constexpr const char* kFiftyRoots =
    "Se mostrarán 50 raíces. Para ver más raíces modifica el intervalo de búsqueda.";

// `function` is the trimmed text of the expression box; args 1 and 2 are
// the ends of the interval, in either order. The search's own message
// ("No encontré raíces en el intervalo dado.", ...) stops the run; 50 roots
// come with kFiftyRoots as a notice before the lines.
ProcReport RootsReport(std::string_view function, std::span<const rt::Variant> args);

}  // namespace calc
