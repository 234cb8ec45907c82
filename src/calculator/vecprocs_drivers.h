#pragma once
// Procedures 27 to 37 of the calculator (vectors and force systems) as the
// calculation dispatch runs them: the argument list in (the cells as typed,
// texts, except for the distributed load, whose two limits are evaluated
// numbers), the vector routine called, its result lines written into the
// result pane (and so into the results log) and its figure drawn on the
// drawing picture. A text that does not parse raises vec::VectorRefused
// with the parser's message; a scalar that is not a number or a missing
// argument raises rt::RuntimeError for the dispatch to report.
#include <span>
#include <string>

#include "runtime/variant.h"
#include "text/resultformat.h"

namespace plat {
class Picture;
}

namespace calc {

// Runs procedure 27 to 37 with its argument list (argument 1 first);
// `density` is the text of the expression box, the load density f(x) of
// procedure 37 (blanks at its ends are dropped). Returns the lines written
// (none when a routine refused its data with a message box); any other
// procedure does nothing.
text::ResultLines RunVectorProcedure(int procedureCode, plat::Picture& pic, std::span<const rt::Variant> args,
                                     const std::string& density = {});

}  // namespace calc
