#include "calculator/rpn.h"

#include <array>
#include <cmath>
#include <vector>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

rt::Variant RpnResult::Value() const {
    if (ok) return rt::Variant(value);
    return rt::Variant(std::string(kRpnError));
}

std::string RpnResult::Text() const {
    if (ok) return rt::NumberText(value);
    return std::string(kRpnError);
}

namespace {

// Characters of the infix notation (and a few others) that have no place in
// a reverse-Polish line.
constexpr std::array<std::string_view, 21> kStrangeChars = {
    "!", "#", "$", "%", "&", "(", ")", "=", "?", "\xC2\xA1" /* ¡ */, "\xC2\xB4" /* ´ */,
    "]", "[", "{", "}", "_", ";", ">", "<", "|", "\xC2\xB0" /* ° */};

// Bytes that start one of the strange characters: one look-up per character
// of the line, the list itself is consulted only on a hit.
constexpr std::array<bool, 256> kStrangeLead = [] {
    std::array<bool, 256> lead{};
    for (std::string_view c : kStrangeChars) lead[static_cast<unsigned char>(c[0])] = true;
    return lead;
}();

// Length of the strange character that starts at text[i], 0 when none does.
size_t StrangeCharAt(std::string_view text, size_t i) {
    if (!kStrangeLead[static_cast<unsigned char>(text[i])]) return 0;
    for (std::string_view c : kStrangeChars) {
        if (text.compare(i, c.size(), c) == 0) return c.size();
    }
    return 0;
}

// Silent failure of the evaluation (the caller gets the error text).
struct Failure {};

RpnResult Refused(std::string_view message, std::string_view title) {
    RpnResult r;
    r.message = message;
    r.messageTitle = title;
    return r;
}

constexpr std::array<std::string_view, 14> kUnaryWords = {"r",   "r2",  "r3",   "ln",   "log10", "exp",  "sen",
                                                          "cos", "tan", "asen", "acos", "atan",  "senh", "cosh"};
constexpr std::array<std::string_view, 17> kBinaryWords = {
    "^",    "\xC3\xB1" /* ñ */, "*", "m", "/", "d", "\\", "de", "mod", "+", "-", "coc", "sese", "seco", "cose", "coco",
    "atan2"};

// Operands a word takes: 1 or 2, 0 for a word the language does not know.
int Arity(std::string_view t) {
    for (std::string_view w : kUnaryWords)
        if (t == w) return 1;
    for (std::string_view w : kBinaryWords)
        if (t == w) return 2;
    return 0;
}

double Unary(std::string_view t, double x) {
    if (t == "r" || t == "r2") return rt::Sqrt(x);
    if (t == "r3") return rt::Pow(x, 1.0 / 3.0);
    if (t == "ln") return rt::Log(x);
    if (t == "log10") return rt::Log(x) / std::log(10.0);
    if (t == "exp") return rt::Exp(x);
    if (t == "sen") return num::SinDeg(x);
    if (t == "cos") return num::CosDeg(x);
    if (t == "tan") return num::TanDeg(x);
    if (t == "asen") return num::ArcSinDeg(x);
    if (t == "acos") return num::ArcCosDeg(x);
    if (t == "atan") return num::ArcTanDeg(x);
    if (t == "senh") return num::Sinh(x);
    return num::Cosh(x);
}

double Binary(std::string_view t, double below, double top) {
    if (t == "^" || t == "\xC3\xB1") return rt::Pow(below, top);
    if (t == "*" || t == "m") return rt::Mul(top, below);
    if (t == "/" || t == "d" || t == "coc") return rt::Div(below, top);
    if (t == "\\" || t == "de") return rt::IntDiv(below, top);
    if (t == "mod") return rt::Mod(below, top);
    if (t == "+") return rt::Add(below, top);
    if (t == "-") return rt::Sub(below, top);
    if (t == "sese") return rt::Div(num::SinDeg(below), num::SinDeg(top));
    if (t == "seco") return rt::Div(num::SinDeg(below), num::CosDeg(top));
    if (t == "cose") return rt::Div(num::CosDeg(below), num::SinDeg(top));
    if (t == "coco") return rt::Div(num::CosDeg(below), num::CosDeg(top));
    return num::VectorAngleDeg(below, top);  // atan2
}

}  // namespace

RpnResult EvalRPN(std::string_view text) {
    std::vector<std::string> tokens;
    auto store = [&](std::string_view piece) -> bool {
        if (static_cast<int>(tokens.size()) == kRpnMaxTokens) return false;
        tokens.push_back(rt::Trim(piece));
        return true;
    };

    // Splitting into tokens.
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (StrangeCharAt(text, i)) return Refused(kRpnStrangeChar, kRpnStrangeCharTitle);
        if (text[i] == ' ') {
            std::string_view piece = text.substr(start, i - start);
            if (!rt::Trim(piece).empty() && !store(piece)) return RpnResult{};
            start = i + 1;
        }
    }
    if (!store(text.substr(start))) return RpnResult{};

    // Evaluation.
    std::array<double, kRpnStackSize> stack{};
    int sp = 0;  // values on the stack
    double last = 0;
    bool operated = false;
    try {
        for (const std::string& t : tokens) {
            if (rt::IsNumeric(t)) {
                if (sp == kRpnStackSize) throw Failure{};
                stack[sp++] = rt::TextToNumber(t);
            } else if (t == "pi") {
                if (sp == kRpnStackSize) throw Failure{};
                stack[sp++] = 4 * std::atan(1.0);
            } else if (t == " ") {
                // A blank word does nothing.
            } else {
                const int arity = Arity(t);
                if (arity == 0) return Refused(kRpnUnknownToken, kRpnUnknownTokenTitle);
                if (sp < arity) throw Failure{};
                const double v = arity == 2 ? Binary(t, stack[sp - 2], stack[sp - 1]) : Unary(t, stack[sp - 1]);
                sp -= arity - 1;
                last = stack[sp - 1] = rt::Checked(v);
                operated = true;
            }
        }
    } catch (const Failure&) { return RpnResult{}; } catch (const rt::RuntimeError&) {
        return RpnResult{};
    }

    RpnResult r;
    if (operated) {
        r.ok = true;
        r.value = last;
    } else if (sp > 0) {
        r.ok = true;
        r.value = stack[sp - 1];
    }
    return r;
}

}  // namespace calc
