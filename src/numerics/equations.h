#pragma once
// Closed-form solvers of quadratic, cubic and trigonometric equations, and
// the search for the roots of a formula in an interval. Division by zero and
// overflow raise rt::RuntimeError (a = 0 in the quadratic; a = b = 0 in the
// cubic).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/outcome.h"

namespace num {

// The roots of a polynomial equation: `real` of them are real, in x[0 ..
// real - 1] in the solver's order; when fewer than the degree are real, the
// rest is the complex pair re ± i·im (im as computed, of either sign; 0 for a
// repeated root of the cubic).
struct Roots {
    int real = 0;
    std::array<double, 3> x{};
    double re = 0, im = 0;
};

// a x² + b x + c = 0: two real roots, or none and the pair.
Roots SolveQuadratic(double a, double b, double c);
// a x³ + b x² + c x + d = 0: three real roots, or one and the pair. With
// a = 0 it is the quadratic b x² + c x + d = 0 and answers as SolveQuadratic.
Roots SolveCubic(double a, double b, double c, double d);
// The two angles t in degrees, in (-180, 180], with a cos t + b sin t + c = 0;
// nullopt when there is none.
std::optional<std::array<double, 2>> SolveTrigEquation(double a, double b, double c);

// What FindExprRoots found: the roots in increasing order, the function's
// value at each and how far at most each may lie from the sign change it
// stands for (0 where f was exactly 0), at the same index (from 0); and the
// scan points where the function has no value, which the search skipped.
struct ExprRoots {
    std::vector<double> roots;
    std::vector<double> values;
    std::vector<double> errors;
    std::vector<double> undefinedAt;
};

// Roots of expr (a function of its first variable) in [A, B] (either order).
// The interval is scanned at 491 points from A to B exactly, both included:
// a point where f is exactly 0 is a root (an end of the interval too), and
// each sign change between two neighbouring points (at most 50 roots and
// sign changes in all) is halved until its bracket is narrower than a
// billionth of the root's size, or of a thousandth of the interval's largest
// end near 0; a bracket whose |f| grew on both sides as it shrank holds a
// pole and gives no root (a jump that does not grow, as ENT(X)-0.5 at 1, is
// listed). A point where f has no value (R(X) below 0, 1/X at 0) is skipped
// and given in undefinedAt; no sign change is taken across it. At least one
// root, or a refusal: the compiler's message; "No encontré raíces en el
// intervalo dado.", followed by NoValueText when some points had no value;
// "Ocurrió un error en el cálculo de las raíces." when the formula cannot
// be run at all.
rt::Outcome<ExprRoots> FindExprRoots(std::string_view expr, double A, double B);

// The sentence that names the points where f had no value in a search (the
// first few, and how many there were in all); empty when there is none.
std::string NoValueText(const std::vector<double>& points);

// |a| lies within pct percent of |b|, both bounds inclusive.
bool IsWithinPercent(double a, double b, double pct);

}  // namespace num
