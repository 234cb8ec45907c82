#pragma once
// Text routines of the expression strip: the text of a polynomial from its
// coefficients, and the bracket check that comes before an infix
// evaluation. Plain text in, plain text out.
#include <span>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::string_view kNotACoefficient = "Uno de los coeficientes no es un número.";
inline constexpr std::string_view kUnbalancedBrackets = "Los paréntesis no concuerdan.";

// The polynomial as an expression in x, highest power first: coefs[i] is the
// coefficient of x^(n - 1 - i) for n coefficients. Zero terms are left out,
// a coefficient 1 is not written (but a -1 of x is: "-1*x"), and there is no
// leading "+". No coefficient, or all zero, gives "". A coefficient that is
// not a finite number gives kNotACoefficient.
// Example: 2, 0, -3, 1 give "2*x^3-3*x+1".
std::string GetPolynomial(std::span<const double> coefs);

// The text with "[" and "{" turned into "(" and "]" and "}" into ")", or
// kUnbalancedBrackets when there are not as many closings as openings (only
// the counts are compared, not the nesting).
std::string CheckParentheses(std::string_view text);

}  // namespace calc
