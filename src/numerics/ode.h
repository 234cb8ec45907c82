#pragma once
// Ordinary differential equations whose right-hand sides are formulas: a
// first-order law x' = f(t, x), or a second-order law x'' = a(t, x, v)
// (state (x, v)). The values go to the law's variables in name order. Arrays
// are std::vector<double> indexed from 1 (entry 0 unused); the independent
// variable is called x in the argument lists, after the usual notation.
// Every routine takes its law and angle unit and keeps no state between calls.
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/expression.h"
#include "numerics/linalg.h"
#include "runtime/outcome.h"

namespace num {

// The law a routine integrates: order 1, x' = expr(t, x); order 2,
// x'' = expr(t, x, v). angleFactor is the unit of its trigonometric
// functions while the routine runs (AngleFactor is given back afterwards).
// A law that did not compile raises its ExpressionError.
struct OdeLaw {
    CExpression& expr;
    int order;
    double angleFactor = kDefaultAngleFactor;
};

// dydt[1..n] at (t, y), n the law's order: n = 1 the velocity law; n = 2
// (v, acceleration law).
void ODEDerivs(const OdeLaw& law, double t, const std::vector<double>& y, std::vector<double>& dydt);

// One Cash-Karp step of size h from (x, y) with slopes dydx: yout the
// fifth-order solution, yerr the error estimate.
void StepRKCK(const OdeLaw& law, const std::vector<double>& y, const std::vector<double>& dydx, double x, double h,
              std::vector<double>& yout, std::vector<double>& yerr);

// One accepted step with error control, trying htry first: y and x advance,
// hdid receives the step taken and hnext the proposal for the next one.
// eps = 0 raises DivisionByZero.
void StepRKQS(const OdeLaw& law, std::vector<double>& y, const std::vector<double>& dydx, double& x, double htry,
              double eps, const std::vector<double>& yscal, double& hdid, double& hnext);

// What the student reads when the integration gives up: the interval (the
// limits or instants typed) and what to change. The formula is left out:
// callers may integrate a law rewritten from the one typed. The caller shows
// it, in a message box titled kOdeMessageTitle.
inline constexpr const char* kOdeMessageTitle = "Teluvar";
std::string TooManyStepsMessage(double x1, double x2);

// What the student reads when an integral could not be brought to the
// accuracy it promises (a singularity inside or at the end of the interval),
// or a motion that cannot be continued through a point; shown like
// TooManyStepsMessage. When the trouble was found at a point, `at` names it
// as a value of the variable `var`.
std::string ImpreciseIntegralMessage(double x1, double x2, double at = std::numeric_limits<double>::quiet_NaN(),
                                     const std::string& var = "x");

// Adaptive integration from the state ystart at x1 to x2 (either direction)
// with relative tolerance eps, first step h1 and smallest step hmin: the
// state at x2 (ystart with its entries 1 .. order replaced).
// The interval is taken in stretches between the points where the law may
// jump as t moves (the Jumps of its first variable, cut at the bounds they
// come from), each reading the law inside itself only, so that laws made of
// polynomials in t between jumps come out exact. The law is first read along
// the interval at the start state, in 1000 cells: a step never passes from a
// run of cells where the law stood still into cells where it changed, and
// where it changed no step is longer than a hundredth of the interval. The
// error of each component is measured against its size now plus a small
// share of its size over the whole problem (the start state and the law's
// values over the interval), never against a fixed number, so a problem
// scaled by any factor keeps its relative accuracy.
// After 1000 steps without reaching x2 the integration gives up: the refusal
// holds TooManyStepsMessage.
rt::Outcome<std::vector<double>> ODEInt(const OdeLaw& law, const std::vector<double>& ystart, double x1, double x2,
                                        double eps, double h1, double hmin);

// x' = f(t, x) with x = 0 at the smaller of t0, t1: x at the larger (for f
// in t alone, the integral of f, to 1E-5 of its size); or the refusal of
// ODEInt when the integration gave up, or one holding
// ImpreciseIntegralMessage when the steps' error estimates show that 1E-5
// was not met and a second integration with a tighter tolerance does not
// agree with the first to 1E-5.
rt::Outcome<double> SolveODE1(std::string_view f, double t0, double t1, double angleFactor);

// The fixed-step tabulation: times[k] and states(i, k) for k = 1 (the start)
// to `points`; entries past `points` stay 0.
struct OdeTable {
    std::vector<double> times;  // nstep + 1 entries from index 1
    Matrix states;              // order rows, nstep + 1 columns
    int points = 0;
};

// nstep classical Runge-Kutta steps from the state vstart at x1 to x2;
// stops early once a step no longer moves x (x1 = x2). A step that holds
// jumps of the law in t is taken in parts between them, each reading the law
// inside itself, so that a push is not smeared over the step that holds it.
OdeTable IntegrateRK4Fixed(const OdeLaw& law, const std::vector<double>& vstart, double x1, double x2, int nstep);

// The rate of the last component at (t, y[1..order]) (the acceleration of a
// second-order law, the velocity of a first-order one): the law's value, or
// 0 where the law holds the state at rest on one of its switches (a block
// held by friction is not accelerated by the push its law reads at v = 0).
double RateOnSwitches(const OdeLaw& law, double t, const std::vector<double>& y);

// One classical Runge-Kutta step; yout may be y itself.
void StepRK4(const OdeLaw& law, const std::vector<double>& y, const std::vector<double>& dydx, double x, double h,
             std::vector<double>& yout);

}  // namespace num
