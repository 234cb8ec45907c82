#pragma once
// Closed-form solvers of quadratic, cubic and trigonometric equations.
// Division by zero and overflow raise rt::RuntimeError (a = 0 in the
// quadratic; a = b = 0 in the cubic).
#include <array>
#include <optional>

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

// |a| lies within pct percent of |b|, both bounds inclusive.
bool IsWithinPercent(double a, double b, double pct);

}  // namespace num
