#pragma once
// The argument help of the calculator procedures: which piece of the
// argument-help texts belongs to each procedure, and its display in the help
// tab txtArgHelp.
#include <string>
#include <vector>

namespace plat {
class RichPane;
}

namespace calc {

// The procedure number for procedures 1 and 2, the number minus 2 for 5 to
// 37; 0 (no piece) for any other number.
int HelpPieceOf(int procedure);

// Replaces the help tab's content with piece `piece` (from 1) of `pieces`
// through the result writer, caret at the start. Piece 0, or one beyond
// the loaded pieces, leaves the tab as it was.
void ShowArgHelp(plat::RichPane& txtArgHelp, const std::vector<std::string>& pieces, int piece);

}  // namespace calc
