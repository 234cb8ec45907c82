#include "text/resultformat.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/globals.h"

namespace text {

namespace {

const char kMinus[] = ";-";

// A coefficient as it is written: a text as given, a number in its general
// text form.
std::string Written(const rt::Variant& v) { return v.ToText(); }

}  // namespace

ResultLines::ResultLines(int upper) { Resize(upper); }

ResultLines::ResultLines(std::initializer_list<std::string> lines) : lines_(lines) {}

std::string& ResultLines::operator[](int i) {
    rt::ExpectIndex(i, 1, UBound(), "result line");
    return lines_[static_cast<size_t>(i - 1)];
}

const std::string& ResultLines::operator[](int i) const {
    rt::ExpectIndex(i, 1, UBound(), "result line");
    return lines_[static_cast<size_t>(i - 1)];
}

void ResultLines::Resize(int upper) {
    if (upper < 0) rt::Fault("result lines: negative count");
    lines_.resize(static_cast<size_t>(upper));
}

rt::Variant FormatNum(const rt::Variant& x) {
    if (num::IsNumber(x)) {
        const double v = x.ToNumber();
        // Rounded first, so that a small negative value that rounds to
        // zero shows as 0, not as a minus zero.
        const double mag = rt::RoundHalfEven(std::fabs(v), G().Decimals);
        if (mag == 0) return rt::Variant(0);
        if (v >= 0) return rt::Variant(mag);
        return rt::Variant(kMinus + rt::NumberText(mag));
    }
    const std::string text = x.ToText();
    if (!text.empty() && text[0] == '-') return rt::Variant(kMinus + text.substr(1));
    return x;
}

std::string FormatTerm(bool notFirst, bool showZero, const rt::Variant& coef, const rt::Variant& symbol) {
    const std::string sym = symbol.ToText();
    if (sym.empty()) return "";
    // A first term opens a line or follows an equals sign that brings its
    // own blank, so it has none before it. Between terms the minus is an
    // operator set apart; leading, it is the number's own sign, set next
    // to it as FormatNum writes it.
    const std::string zero = !showZero ? "" : notFirst ? " 0 " : "0";
    const std::string plus = notFirst ? " + " : "";
    const std::string minus = notFirst ? std::string(" ") + kMinus + " " : std::string(kMinus);
    if (coef.ToNumber() == 0) return zero;

    if (num::IsNumber(coef) && num::IsNumber(symbol)) {
        const double p = rt::Mul(coef.ToNumber(), symbol.ToNumber());
        if (p < 0) return minus + rt::NumberText(-p);
        if (p > 0) return plus + rt::NumberText(p);
        return zero;
    }

    rt::Variant c = coef;
    std::string s = sym;
    if (s[0] == '-') {
        c = rt::Variant(-coef.ToNumber());
        s.erase(0, 1);
    }
    const double cv = c.ToNumber();
    if (cv == -1) return minus + s;
    if (cv == 1) return plus + s;
    if (cv < 0) return minus + rt::NumberText(-cv) + " " + s;
    return plus + Written(c) + " " + s;
}

std::string FormatNumText(double x) { return FormatNum(rt::Variant(x)).ToText(); }

std::string MarkupMinus(std::string s) {
    if (!s.empty() && s[0] == '-') s.replace(0, 1, kMinus);
    return s;
}

std::string MarkupNumber(double x) { return MarkupMinus(rt::NumberText(x)); }

std::string MarkupRounded(double x, int decimals) { return MarkupMinus(rt::RoundedText(x, decimals)); }

double RoundedKeepingSmall(double x, int decimals, double noiseScale) {
    const double r = rt::RoundHalfEven(x, decimals);
    if (r != 0 || x == 0 || !std::isfinite(x) || std::fabs(x) <= std::fabs(noiseScale) * 1E-12) return r;
    return rt::RoundSignificant(x, std::max(decimals, 1));
}

std::string FormatNumKeepingSmall(double x, double noiseScale) {
    const double shown = RoundedKeepingSmall(x, G().Decimals, noiseScale);
    if (shown == 0) return "0";
    return shown < 0 ? kMinus + rt::NumberText(-shown) : rt::NumberText(shown);
}

double Rounded(double x) { return rt::RoundHalfEven(x, G().Decimals); }

std::string RoundedText(double x) { return rt::RoundedText(x, G().Decimals); }

}  // namespace text
