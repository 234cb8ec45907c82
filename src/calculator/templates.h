#pragma once
// Titles and argument templates of the calculator procedures, in the formula
// markup of pictures, and their drawing on the template picture picArgs
// above the argument grid. A template beginning with ">" names a function
// that the procedure takes from the expression box.
#include <string_view>

namespace plat {
class Picture;
}

namespace calc {

struct ProcedureText {
    std::string_view title;
    std::string_view argTemplate;
};

// Procedures 1 to 38; numbers without a procedure (0, 3, 4, others) have
// an empty title and template.
ProcedureText ProcedureTextOf(int procedure);

// Clears picArgs and, for a procedure other than 0, prints its title at
// (5, 35) and its template at (5, 20) in Times New Roman 8. A statement that
// fails at run time is skipped.
void ShowArgs(plat::Picture& picArgs, int procedure);

}  // namespace calc
