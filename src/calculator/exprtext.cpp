#include "calculator/exprtext.h"

#include <cmath>

#include "runtime/numtext.h"

namespace calc {

std::string GetPolynomial(std::span<const double> coefs) {
    const int n = static_cast<int>(coefs.size());
    std::string out;
    for (int i = 0; i < n; ++i) {
        const double c = coefs[i];
        if (!std::isfinite(c)) return std::string(kNotACoefficient);
        if (c == 0) continue;
        const int p = n - 1 - i;
        const std::string sign = c < 0 ? "-" : "+";
        const double a = std::fabs(c);
        const std::string mag = rt::NumberText(a);
        if (p > 1) {
            out += a == 1 ? sign + "x^" + std::to_string(p) : sign + mag + "*x^" + std::to_string(p);
        } else if (p == 1) {
            out += c == 1 ? sign + "x" : sign + mag + "*x";
        } else {
            out += sign + mag;
        }
    }
    if (!out.empty() && out.front() == '+') out.erase(0, 1);
    return out;
}

std::string CheckParentheses(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    int opened = 0, closed = 0;
    for (char ch : text) {
        switch (ch) {
        case '(':
            ++opened;
            out += ch;
            break;
        case '[':
        case '{':
            ++opened;
            out += '(';
            break;
        case ')':
            ++closed;
            out += ch;
            break;
        case ']':
        case '}':
            ++closed;
            out += ')';
            break;
        default: out += ch; break;
        }
    }
    if (opened != closed) return std::string(kUnbalancedBrackets);
    return out;
}

}  // namespace calc
