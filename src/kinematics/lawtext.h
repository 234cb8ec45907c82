#pragma once
// Law texts typed with t, x and v turned into formula texts in which X is
// always t, Y always x and Z always v. The formula engine binds values to
// the variables that occur in a formula in name order, so each renamed text
// ends with "+0*X", "+0*X+0*Y" or "+0*X+0*Y+0*Z": every variable then occurs
// and the value arrays line up as (t), (t, x) or (t, x, v) whatever letters
// the user typed. Only lower-case t, x, v are renamed; the function names
// the renaming damages (exp, tan, cot, atan, acot) are restored.
#include <string>
#include <string_view>

namespace kinem {

std::string RenameVarsT(std::string_view law);    // x(t) and every law of t alone
std::string RenameVarsTX(std::string_view law);   // v(t, x)
std::string RenameVarsTXV(std::string_view law);  // a(t, x, v)
// The same renaming with nothing appended (x and v: whether x and v are
// renamed too): the law alone, to check that it compiles as typed, since a
// law left unfinished ("3*t^") would take the appended terms as its end.
std::string RenameVarsOnly(std::string_view law, bool x, bool v);

// The plane path's own reading of a law of t: every lower-case t that is not
// followed by "a" or "(" becomes x (the engine's X), so tan(t) and cot(t)
// keep their names; nothing is appended.
std::string PlanePathLawText(std::string_view law);

}  // namespace kinem
