#include "motion/mrua/common.h"

#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/globals.h"

namespace mrua {

double SegmentLaw::X(double t) const { return rt::Checked(A + B * t + (a / 2) * t * t); }
double SegmentLaw::V(double t) const { return rt::Checked(B + a * t); }

std::string Held(const rt::Variant& v) { return text::MarkupMinus(v.ToText()); }

std::string FV(const rt::Variant& v) {
    if (v.IsEmptyText()) return "?";
    return text::FormatNum(v).ToText();
}

std::string Bare(std::string term) {
    if (!term.empty() && term[0] == ' ') term.erase(0, 1);
    return term;
}

}  // namespace mrua
