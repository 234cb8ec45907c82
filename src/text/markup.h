#pragma once
// The formula markup of results, help texts and labels, parsed into runs of
// characters with one format each. Plain C++: the rich panes receive the
// runs through the result writer (shell/writer.h), pictures draw their own
// variant of the markup (shell/picmarkup.h).
//
// Markers (each written twice stands for itself; the character after a
// doubled marker is then always literal):
//   "/" c run "/"        run in the colour and style of code character c
//   "\" bbbb run "\"     run with bold, underline, italic ("1" on) and colour
//                        index (digit or "A".."F") from four code characters
//   "!" x, "¡" x         x lowered 45 twips / raised 60 twips: a digit in
//                        "Times New Roman" 7, anything else 8 points; "!"
//                        before a digit lowers all the digits that follow
//                        it ("x!12" is x with the index 12)
//   ";" x                x in the Symbol font
//   "$" x                x bold
//   "#" cccc             the character SymbolChar(cccc), in the Symbol font
// Characters inside a "/" or "\" run are not interpreted. A malformed "\"
// code stops the conversion: the rest of the text stays as written.
//
// Runs that reach the end of the text end there, a marker at the very end
// has nothing to act on, and the conversion is linear in the text's length.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/colors.h"

namespace text {

enum class MarkupFont : uint8_t {
    Base,    // the font the caller converts in
    Times,   // "Times New Roman" (digits set as subscripts and superscripts)
    Symbol,  // "Symbol": Greek letters and mathematical signs
};

struct MarkupFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    rt::ColorRef color = 0;
    MarkupFont font = MarkupFont::Base;
    int size = 0;         // points; 0 is the base size
    int offsetTwips = 0;  // vertical offset, + raises
    bool operator==(const MarkupFormat&) const = default;
};

// Consecutive characters of one format. Characters in the Symbol font are
// kept as the face's codes (";q" keeps "q"); a line break is "\n".
struct MarkupRun {
    std::u16string text;
    MarkupFormat format;
    bool operator==(const MarkupRun&) const = default;
};

struct ParsedMarkup {
    std::vector<MarkupRun> runs;
    // False when a malformed code stopped the conversion.
    bool complete = true;
};

// Parses a marked-up text (line breaks as "\n").
ParsedMarkup ParseMarkup(std::u16string_view text);

// Colour of palette index 0..15 (&HBBGGRR); another index is a program fault
// (rt::ProgramFault).
rt::ColorRef MarkupColor(int index);

// The Symbol-font code of a four-letter symbol code ("cruz" gives 180, the
// multiplication sign). A code that reads as a number gives that number,
// which must be 0..255 (otherwise InvalidCall, or Overflow for a huge one);
// an unknown code gives 0.
char16_t SymbolChar(std::u16string_view code);

}  // namespace text
