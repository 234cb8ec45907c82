#pragma once
// Distributed load on a beam as a computation: a load density f(x) (a
// formula of the expression language) between two limits, reduced to its
// total force F, its moment about the origin M0 and the position xR of the
// single equivalent force, or to a couple or a null load when F is zero;
// with the result lines and the samples of the load curve in pixels of the
// plot frame. Trigonometric functions of the density take radians.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/outcome.h"
#include "vectors/forces.h"

namespace vec {

// The integral of a formula over [a, b] (a <= b), the formula's first
// variable in name order taking the abscissa and the second, if any, the
// running value of the integral; a refusal, with the text to show, when the
// integrator gives up.
using LoadIntegrator = std::function<rt::Outcome<double>(const std::string& integrand, double a, double b)>;

// The program's integrator: the adaptive differential-equation solver, in
// radians; it gives up after its step limit, or when the integral cannot be
// brought to its accuracy (a singularity), saying where and what to change.
rt::Outcome<double> SolveLoadIntegral(const std::string& integrand, double a, double b);

struct DistributedLoadResult {
    Reduction kind = Reduction::Resultant;
    double x1 = 0, x2 = 0;  // the limits in ascending order
    double F = 0;           // total force
    double M0 = 0;          // moment about the origin
    double xR = 0;          // M0 / F, or 0 without a resultant
    ResultText lines;       // two elements; the first holds line breaks
    // Plot: separate scales; the 302 samples of the curve in pixels, the
    // origin's pixel and, for a resultant, the abscissa of its arrow.
    double sx = 0, sy = 0;
    std::vector<PlotPoint> curve;
    PlotPoint origin;
    double arrowX = 0;
};

// Reduces the density `text` between x1 and x2 (taken in either order; the
// caller's variables are put in ascending order). F and M0 count as zero
// within 1E-6 of the load's size (its largest density, or moment density,
// at the samples times the length). A text that does not
// compile, or no text at all, raises rt::RuntimeError, as do a density that
// cannot be evaluated on the interval and an integrator that gives up.
DistributedLoadResult ReduceDistributedLoad(const std::string& text, double& x1, double& x2,
                                            const LoadIntegrator& integrate = SolveLoadIntegral, int decimals = 3);

}  // namespace vec
