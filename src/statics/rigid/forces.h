#pragma once
// Forces of the free-body diagrams: a typed force text (vector, couple,
// vector with couple) turned into a force record, the opposite of a force
// text, the support keywords, the copy of the whole structure's forces into
// a system and the deletion of forces. No widget include.
#include <string>
#include <vector>

#include "runtime/outcome.h"
#include "statics/rigid/state.h"

namespace rigid {

enum class AddResult {
    Nothing,     // empty text: nothing added
    NoPoint,     // the point does not exist: "No existe el punto dado."
    ParseError,  // msg holds the parser's message, nothing added
    Added,
};

// Appends one force record for `text` at point `point` of system `body`.
AddResult AddDCLForce(StatState& st, int body, const std::string& point, const std::string& text, std::string& msg,
                      int decimals);

// The couple of a force text (the text alone, or what follows "/"): a number,
// read as the force texts read numbers, is a known couple (`value` and `text`
// its text); the name of a couple to be solved for (an optional "-", a letter
// and at most two letters or digits) gives `value` "" and `text` the name in
// upper case. Anything else is refused with the notation's message. An empty
// piece is an unnamed couple to be solved for (both texts empty).
struct Couple {
    std::string value;
    std::string text;
};
rt::Outcome<Couple> ReadCouple(const std::string& piece);

// True for a text that is a couple alone (no separator, no "/", and not
// starting with "h", "v" or "u").
bool IsPureCouple(const std::string& text);

// The opposite force in the same notation, or "" when the form is not
// handled. A symbolic couple longer than three characters gives "" and sets
// msg to its message.
std::string NegateVectorText(const std::string& text, std::string* msg = nullptr);

// The reactions of a support at point p: "art" a pin (px, py), "emp" a
// fixed support (px, py/Mp); a trailing ":" puts the arrow tips at the
// point. "" for any other word.
std::string ExpandSupport(const std::string& word, const std::string& p);

// Copies into system b the forces of system 1 that act on its points,
// leaving out points shared by two or more of systems 2..5; once per
// system until the forces are erased. Returns the 1-based indexes of the
// forces copied, in order (the copies are appended in that order).
std::vector<int> CopyGlobalForces(StatState& st, int b);

// Removes force r (1-based); the copy marks are cleared when none is left.
void DeleteForce(StatState& st, int r);

}  // namespace rigid
