#include "runtime/numtext.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/rounding.h"

namespace rt {

std::string NumberText(double x) {
    Checked(x);
    if (x == 0.0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);  // d.dddddddddddddde±XX: 15 digits
    std::string s(buf);
    auto epos = s.find('e');
    std::string mant = s.substr(0, epos);
    int exp10 = std::atoi(s.c_str() + epos + 1);
    bool neg = mant[0] == '-';
    if (neg) mant.erase(0, 1);
    std::string digits;
    for (char c : mant)
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out;
    if (exp10 < -4 || exp10 > 14) {
        out = digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        out += eb;
    } else if (exp10 < 0) {
        out = "0." + std::string(static_cast<size_t>(-exp10 - 1), '0') + digits;
    } else {
        size_t intLen = static_cast<size_t>(exp10) + 1;
        if (digits.size() <= intLen) {
            out = digits + std::string(intLen - digits.size(), '0');
        } else {
            out = digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    }
    return neg ? "-" + out : out;
}

std::string RoundedText(double x, int decimals) { return NumberText(RoundHalfEven(x, decimals)); }

std::string PlainMinus(std::string_view s) {
    static constexpr std::string_view kMinus = "\xE2\x88\x92";
    std::string out;
    size_t from = 0;
    for (size_t at = s.find(kMinus); at != std::string_view::npos; at = s.find(kMinus, from)) {
        out.append(s.substr(from, at - from)).push_back('-');
        from = at + kMinus.size();
    }
    out.append(s.substr(from));
    return out;
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return std::string(s.substr(b, e - b));
}

namespace {
// Length of the lenient number at the start of s (0 when none).
size_t ScanNumber(std::string_view s) {
    size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        size_t ed = 0;
        while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ++j;
            ++ed;
        }
        if (ed > 0) i = j;
    }
    return i;
}

double ParsePrefix(std::string_view s, size_t len) {
    std::string t(s.substr(0, len));
    for (char& c : t)
        if (c == 'D' || c == 'd') c = 'E';
    return std::strtod(t.c_str(), nullptr);
}
}  // namespace

std::optional<double> TryTextToNumber(std::string_view s) {
    std::string t = Trim(PlainMinus(s));
    if (t.empty()) return std::nullopt;
    size_t len = ScanNumber(t);
    if (len == 0 || len != t.size()) return std::nullopt;
    return ParsePrefix(t, len);
}

bool IsNumeric(std::string_view s) { return TryTextToNumber(s).has_value(); }

double TextToNumber(std::string_view s) {
    auto v = TryTextToNumber(s);
    if (!v) Raise(ErrorCode::TypeMismatch);
    return Checked(*v);
}

std::optional<std::string> SingleNumberText(std::string_view s) {
    const std::string t = Trim(PlainMinus(s));
    std::string out;
    size_t i = 0;
    const size_t n = t.size();
    auto digits = [&] {
        size_t count = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(t[i]))) out += t[i++], ++count;
        return count;
    };
    if (i < n && (t[i] == '+' || t[i] == '-')) out += t[i++];
    size_t mantissa = digits();
    if (i < n && (t[i] == '.' || t[i] == ',')) {
        out += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        out += 'E';
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) out += t[i++];
        if (digits() == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    return out;
}

std::optional<double> ReadSingleNumber(std::string_view s) {
    const auto t = SingleNumberText(s);
    if (!t) return std::nullopt;
    return TextToNumber(*t);
}

double Val(std::string_view text) {
    const std::string plain = PlainMinus(text);
    const std::string_view s = plain;
    size_t b = 0;
    while (b < s.size() && (s[b] == ' ' || s[b] == '\t')) ++b;
    std::string_view rest = s.substr(b);
    size_t len = ScanNumber(rest);
    if (len == 0) return 0.0;
    return Checked(ParsePrefix(rest, len));
}

bool HasCommaBetweenDigits(std::string_view s) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (size_t i = 1; i + 1 < s.size(); ++i)
        if (s[i] == ',' && digit(s[i - 1]) && digit(s[i + 1])) return true;
    return false;
}

std::string WithDecimalCommaHint(std::string message, std::string_view typed) {
    if (!HasCommaBetweenDigits(typed)) return message;
    return AppendSentence(std::move(message), kDecimalCommaHint);
}

std::string AppendSentence(std::string message, std::string_view sentence) {
    if (!message.empty()) {
        if (message.back() != '.') message += '.';
        message += ' ';
    }
    return message.append(sentence);
}

}  // namespace rt
