#pragma once
// Ordinary differential equations whose right-hand sides are formulas: a
// first-order law x' = f(t, x) held in VelocityLawExpr, or a second-order law
// x'' = a(t, x, v) held in AccelLawExpr (state (x, v)). The values go to the
// law's variables in name order. Arrays are std::vector<double> indexed from
// 1 (entry 0 unused); the independent variable is called x in the argument
// lists, after the usual notation.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/expression.h"
#include "numerics/linalg.h"

namespace num {

extern std::shared_ptr<CExpression> VelocityLawExpr;  // f(t, x)
extern std::shared_ptr<CExpression> AccelLawExpr;     // a(t, x, v)

// The fixed-step tabulation: OdeTimes[k] and OdeStates(i, k) for k = 1 (the
// start) to nstep + 1, dimensioned by the caller before IntegrateRK4Fixed.
extern std::vector<double> OdeTimes;
extern Matrix OdeStates;

// Where the routines show a message box (text, title); the program sets it to
// its dialog service. Without one, nothing is shown.
using MessageHook = std::function<void(const std::string& text, const std::string& title)>;
void SetMessageHook(MessageHook hook);

// dydt[1..n] at (t, y): n = 1 the velocity law; n = 2 (v, acceleration law).
void ODEDerivs(int n, double t, const std::vector<double>& y, std::vector<double>& dydt);

// One Cash-Karp step of size h from (x, y) with slopes dydx: yout the
// fifth-order solution, yerr the error estimate.
void StepRKCK(int n, const std::vector<double>& y, const std::vector<double>& dydx, double x, double h,
              std::vector<double>& yout, std::vector<double>& yerr);

// One accepted step with error control, trying htry first: y and x advance,
// hdid receives the step taken and hnext the proposal for the next one.
// eps = 0 raises DivisionByZero.
void StepRKQS(int n, std::vector<double>& y, const std::vector<double>& dydx, double& x, double htry,
              double eps, const std::vector<double>& yscal, double& hdid, double& hnext);

// What the student reads when the integration gives up: the interval (the
// limits or instants typed) and what to change. The formula is left out:
// callers may integrate a law rewritten from the one typed.
inline constexpr const char* kOdeMessageTitle = "Teluvar";
std::string TooManyStepsMessage(double x1, double x2);

// Adaptive integration from x1 to x2 (either direction) with relative
// tolerance eps, first step h1 and smallest step hmin; ystart receives the
// state at x2 and the result is true. After 1000 steps without reaching x2 it
// shows TooManyStepsMessage (titled kOdeMessageTitle), leaves ystart as it
// was and returns false.
bool ODEInt(int nvar, std::vector<double>& ystart, double x1, double x2, double eps, double h1, double hmin);

// x' = f(t, x) with x = 0 at the smaller of t0, t1 (the two are put in
// increasing order); x1 receives x at the larger. VelocityLawExpr is replaced
// by the compiled f. False (x1 unchanged) when the integration gave up.
bool SolveODE1(std::string_view f, double& t0, double& t1, double& x1);

// nstep classical Runge-Kutta steps from x1 to x2 recorded in OdeTimes and
// OdeStates; stops early once a step no longer moves x (x1 = x2).
void IntegrateRK4Fixed(int nvar, const std::vector<double>& vstart, double x1, double x2, int nstep);

// One classical Runge-Kutta step; yout may be y itself.
void StepRK4(int n, const std::vector<double>& y, const std::vector<double>& dydx, double x, double h,
             std::vector<double>& yout);

}  // namespace num
