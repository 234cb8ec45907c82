#include "vectors/terms.h"

#include <cmath>
#include <unordered_set>

#include "numerics/mathutil.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "vectors/text.h"

namespace vec {

SignedCoef ParseSignedCoef(std::string_view term) {
    std::string t = rt::Trim(term);
    std::string coefText;
    std::string symbol;
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == '-' || c == '.' || (c >= '0' && c <= '9')) {
            coefText += c;
        } else {
            symbol = rt::Trim(std::string_view(t).substr(i));
            break;
        }
    }
    if (!symbol.empty() && symbol[0] != 'f') symbol = text::UpperFirst(symbol);
    SignedCoef r;
    r.symbol = symbol;
    if (coefText == "-")
        r.coef = -1.0;
    else if (coefText.empty())
        r.coef = 1.0;
    else
        r.coef = rt::TextToNumber(coefText);
    return r;
}

std::string FormatCoefSymbol(double x, std::string_view s, int decimals) {
    if (num::IsNear(std::fabs(x), 0.0, 1e-8)) return "0";
    if (x == -1.0) return "-" + std::string(s);
    if (x == 1.0) return std::string(s);
    return rt::RoundedText(x, decimals) + " " + std::string(s);
}

namespace {
// A subscript: an axis letter "X"/"Y" is written in lower case.
std::string Sub(std::string_view c) {
    if (c == "X") return "!x";
    if (c == "Y") return "!y";
    return "!" + std::string(c);
}
}  // namespace

std::string FormatTrigTerm(double a, std::string_view b) {
    using namespace text;
    std::string name(b);
    bool trig = name.find("cos") != std::string::npos || name.find("sen") != std::string::npos;
    if (!(name.size() > 0 && name[0] == 'f') && !trig) name = Upper(name);
    std::string k = std::fabs(a) == 1.0 ? std::string() : rt::NumberText(std::fabs(a));
    std::string_view s = name;
    switch (CharCount(s)) {
    case 1: return k + name;
    case 2: return k + std::string(FirstChar(s)) + Sub(LastChar(s));
    case 3: return k + std::string(FirstChar(s)) + Sub(Between(s)) + Sub(LastChar(s));
    default: break;
    }
    std::string w;
    if (name.find("sen") != std::string::npos)
        w = " sen ";
    else if (name.find("cos") != std::string::npos)
        w = " cos ";
    else
        return "";
    // The angle's name follows "cos " or "sen ".
    std::string_view n = s;
    for (int i = 0; i < 4 && !n.empty(); ++i) n = AfterFirst(n);
    switch (CharCount(n)) {
    case 0: return "";
    case 1: return k + name;
    case 2: return k + w + std::string(FirstChar(n)) + Sub(LastChar(n));
    default: {
        std::string_view second = FirstChar(AfterFirst(n));
        return k + w + std::string(FirstChar(n)) + Sub(second) + Sub(LastChar(n));
    }
    }
}

namespace {
template <class T>
int Dedupe(std::vector<T>& arr, std::string (*key)(const T&)) {
    std::unordered_set<std::string> seen;
    std::size_t k = 0;
    for (std::size_t i = 0; i < arr.size(); ++i) {
        if (!seen.insert(text::Upper(key(arr[i]))).second) continue;
        if (i != k) arr[k] = arr[i];
        ++k;
    }
    for (std::size_t i = k; i < arr.size(); ++i) arr[i] = T(std::string());
    return static_cast<int>(k);
}
}  // namespace

int DedupeArray(std::vector<rt::Variant>& arr) {
    return Dedupe<rt::Variant>(arr, [](const rt::Variant& v) { return v.ToText(); });
}

int DedupeArray(std::vector<std::string>& arr) {
    return Dedupe<std::string>(arr, [](const std::string& s) { return s; });
}

}  // namespace vec
