#pragma once
// The lines of a result and the two formatters procedures build them with.
// Plain C++: computations return ResultLines, the writer (shell/writer.h)
// puts them into the panes.
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/variant.h"

namespace text {

// Lines of formula markup (UTF-8), numbered from 1 to UBound(). Reading or
// writing a line outside that range is a program fault (rt::ProgramFault).
class ResultLines {
public:
    ResultLines() = default;                                // no lines
    explicit ResultLines(int upper);                        // lines 1..upper, empty
    ResultLines(std::initializer_list<std::string> lines);  // lines 1, 2, ...

    int UBound() const { return static_cast<int>(lines_.size()); }
    std::string& operator[](int i);
    const std::string& operator[](int i) const;
    // Keeps the lines up to the new bound; new lines are empty.
    void Resize(int upper);
    // One more line after the last.
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    // Line 1 first.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// A value for a result line, rounded to G().Decimals (halves to even): a
// number that is not negative comes back a number, one that rounds to 0
// comes back 0, a negative number comes back the text ";-" (the markup
// minus) and its rounded magnitude; a text comes back as it is but for a
// leading "-", which becomes ";-". A value that cannot be shown (infinite or
// not a number) raises Overflow: a result never shows a blank for it.
rt::Variant FormatNum(const rt::Variant& x);

// One signed term of an equation line: " + 3 x", " ;- x", " 0 ", or "" when
// the term vanishes. A coefficient that is a text but not a number raises
// TypeMismatch, a product that overflows raises Overflow, so a term is never
// dropped for a fault. A numeric symbol multiplies the
// coefficient; a symbol that begins with "-" passes its sign to the
// coefficient. Numbers are written as given, in their general text form.
// A first term (notFirst false) has no blank before it and a negative one
// carries its minus next to it ("3 x", ";-2 x", "0"), so it can open a line
// or follow " = "; later terms are added or subtracted (" ;- 2 x").
std::string FormatTerm(bool notFirst, bool showZero, const rt::Variant& coef, const rt::Variant& symbol);

// The number texts of result lines and boxes, each in one place:
// FormatNum's text of x;
std::string FormatNumText(double x);
// s with a leading "-" turned into the markup minus;
std::string MarkupMinus(std::string s);
// the general, unrounded text of x with the markup minus;
std::string MarkupNumber(double x);
// x rounded to `decimals` places (halves to even) with the markup minus;
std::string MarkupRounded(double x, int decimals);
// x rounded to `decimals` places, unless that leaves 0 of a value that is
// not zero within its accuracy: |x| above noiseScale * 1E-12, where
// noiseScale is the size of the terms whose sum gave x (0 for a value taken
// as typed). Such a value keeps `decimals` significant digits (at least
// one), so 7.86E-08 is not shown as 0; rounding noise of a true zero still
// gives 0.
double RoundedKeepingSmall(double x, int decimals, double noiseScale = 0);
// FormatNumText of RoundedKeepingSmall(x, G().Decimals, noiseScale).
std::string FormatNumKeepingSmall(double x, double noiseScale = 0);
// x rounded to G().Decimals places, as a number and as text with the
// ordinary minus (boxes, grid cells).
double Rounded(double x);
std::string RoundedText(double x);

}  // namespace text
