#pragma once
// Integrals and derivatives of a function of one variable given as a
// formula (its roots are in equations.h). The abscissa is bound to the formula's first variable in name
// order (normally X); trigonometric functions follow AngleFactor as the
// caller left it. GradientRidders's arrays are std::vector<double> indexed
// from 1 (entry 0 unused). A formula that does not compile is reported, never
// taken as 0: the routines throw ExpressionError (an rt::RuntimeError)
// carrying the compiler's message.
#include <string_view>
#include <vector>

#include "numerics/equations.h"
#include "numerics/expression.h"
#include "runtime/outcome.h"

namespace num {

// What IntegrateExpr gives: the integral, and whether it met the tolerance
// (when not, it is near it: its error is within 1000 times the tolerance of
// the integrand's size, or 1E-6 of it for a tolerance of 0 or less, and at
// most a hundredth of it).
struct SimpsonIntegral {
    double value = 0;
    bool met = true;
};

// The integral of expr over the ascending interval between A and B, by
// Simpson's rule from successive trapezoid refinements (at most 10), taken
// stretch by stretch between the places where the formula jumps or changes
// its law (the Cuts of its first variable), so that loads made of pieces are
// exact wherever they lie. A stretch ends when two estimates differ by at
// most eps times the size of the integrand there (its integral, or that of
// |f| when larger), tested from the sixth refinement on (at 32 intervals),
// and when an estimate on another lattice agrees with it (whole periods of a
// periodic integrand can put every node on the same phase); that lattice
// also scans the stretch, its nodes no further apart than 1/4096 of the
// interval. A stretch short of eps is halved, and its halves again, until
// the errors together meet eps (1E-7 when eps is finer; a transient, a kink
// or a jump that no cut marks is so closed in on), or the halving ends. A
// sum that its own error cannot tell from 0 is 0. A text that is a plain
// number is integrated as a constant. A value short of eps but near it is
// given with met false; one that is not near (a pole, a divergence, a
// singularity the halving could not resolve, a point with no value met
// while halving) is refused with ImpreciseIntegralMessage. A formula that
// does not compile, or has no value at an end or a node of the first
// lattices, raises its error.
rt::Outcome<SimpsonIntegral> IntegrateExpr(std::string_view expr, double A, double B, double eps);

// Refinement n (1, 2, 3, ...) of the trapezoid sum s of expr over [A, B];
// calls come in order with the same s.
void TrapezoidStep(std::string_view expr, double A, double B, double& s, int n);

// The derivatives stay where the function is defined: where a difference
// at the given step would reach outside its domain (LN(X) at 0.3 with a step
// of 0.5), the step is halved until it fits, and at the very edge of the
// domain the differences are taken on the defined side. A function with no
// value at x, or near it on either side, raises its evaluation's fault.

// First derivative of expr at x by Ridders' extrapolation of central
// differences from the initial step h; err receives the error estimate.
void DerivRidders(std::string_view expr, double x, double& dfdx, double h, double& err);

// The same for the law f at x[k], k = 1 .. upper bound of x, into d[k]
// (d must have room), with angleFactor the unit of f's trigonometric
// functions; err is the estimate of the last point, maxErr (when given) the
// largest of them.
void GradientRidders(CExpression& f, double angleFactor, const std::vector<double>& x, std::vector<double>& d, double h,
                     double& err, double* maxErr = nullptr);

// Second derivative of expr at x by the five-point central formula.
double SecondDeriv5Pt(CExpression& expr, double h, double x);

// The rounding noise SecondDeriv5Pt can leave at step h on a function whose
// values there are at most fmax in size: a second derivative within it is 0
// as far as the formula can tell.
double SecondDeriv5PtNoise(double fmax, double h);

}  // namespace num
