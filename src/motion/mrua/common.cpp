#include "motion/mrua/common.h"

#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/globals.h"

namespace mrua {

double SegmentLaw::X(double t) const { return rt::Checked(A + B * t + (a / 2) * t * t); }
double SegmentLaw::V(double t) const { return rt::Checked(B + a * t); }

std::string FN(double v) { return text::FormatNum(rt::Variant(v)).ToText(); }

std::string R(double v) { return RoundText(v, text::G().Decimals); }

std::string RoundText(double v, int decimals) { return rt::RoundedText(v, decimals); }

std::string NT(double v) { return MarkupMinus(rt::NumberText(v)); }

std::string Held(const rt::Variant& v) { return MarkupMinus(v.ToText()); }

std::string FV(const rt::Variant& v) {
    if (v.IsEmptyText()) return "?";
    return text::FormatNum(v).ToText();
}

std::string SignedText(double v, int decimals) { return MarkupMinus(rt::RoundedText(v, decimals)); }

std::string MarkupMinus(std::string s) {
    if (!s.empty() && s[0] == '-') s.replace(0, 1, ";-");
    return s;
}

std::string Bare(std::string term) {
    if (!term.empty() && term[0] == ' ') term.erase(0, 1);
    return term;
}

double RoundedValue(double v) { return rt::RoundHalfEven(v, text::G().Decimals); }

}  // namespace mrua
