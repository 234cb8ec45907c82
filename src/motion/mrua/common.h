#pragma once
// What the rectilinear computations hand back to the procedures that show
// them, and the number texts of their result lines. No widget include.
#include <string>
#include <vector>

#include "runtime/variant.h"
#include "text/resultformat.h"

namespace mrua {

// The answer of one rectilinear procedure step (not an rt::Outcome: a
// refusal here is shown, not read): a refusal (message, nothing written), or
// result lines with the values found.
struct StepResult {
    std::string message;         // non-empty: shown in a box; nothing else happens
    std::string note;            // shown in a box before the lines are written
    text::ResultLines lines;     // written when there is no message
    std::vector<double> values;  // the values found, in the order offered
    bool ask = true;             // offer the values found (a question follows)

    bool Refused() const { return !message.empty(); }
    static StepResult Refuse(std::string text) {
        StepResult o;
        o.message = std::move(text);
        return o;
    }
};

// The numeric equations of one segment: x = A + B t + (a/2) t^2,
// v = B + a t.
struct SegmentLaw {
    int segment = 0;
    double A = 0, B = 0, a = 0;
    double X(double t) const;
    double V(double t) const;
};

// A held value for a result line: FormatNum's text, or "?" when the value
// is missing (Empty or the empty text).
std::string FV(const rt::Variant& v);
// An equation term without the blank FormatTerm puts before it, for the
// start of a line or the right of an equals sign.
std::string Bare(std::string term);
// The value as it is held (a text as typed, a number unrounded), with the
// markup minus.
std::string Held(const rt::Variant& v);

// Line breaks inside one result line or one message.
inline constexpr const char* kCrLf = "\r\n";

}  // namespace mrua
