#pragma once
// The computations of plane kinematics, without widgets: values of a law at
// an instant, the tables behind the graphs and the plot geometry.
//
// Everything here runs in radians: each entry keeps num::AngleFactor at 1
// (num::AngleUnitScope) while it works and gives the previous value back on
// every way out.
// Faults (a law that does not compile, a division by zero, an overflow while
// evaluating a law) reach the caller as rt::RuntimeError; the plane path
// alone passes over the samples it cannot evaluate.
//
// Law codes: shell::KinemLawId (kLawX, kLawV, kLawA, kLawXY, kLawPolar).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/outcome.h"
#include "shell/defaults.h"
#include "text/resultformat.h"

namespace kinem {

using shell::kLawA;
using shell::kLawPolar;
using shell::kLawV;
using shell::kLawX;
using shell::kLawXY;
inline constexpr int kSteps = 300;  // every curve and path has 301 samples

// The formula text the computations make of a law box's text under the law
// (both boxes of the plane laws hold laws of t), trimmed and renamed.
std::string LawEngineText(int law, std::string_view lawText);
// The same law renamed with nothing appended, as the engine reads it alone.
std::string LawAloneText(int law, std::string_view lawText);

// The value of a box of the frame: an empty box is 0; any other text is a
// formula without variables. A text that does not compile raises
// num::ExpressionError (a number typed with a decimal comma is refused, not
// taken as 0).
double BoxValue(std::string_view text);

// The step of the five-point second derivative at the instants of a law: h
// itself, or 1e-3 (with h's sign) when h is smaller than that, so that the
// instant 0 and very short intervals still have a usable step.
double SecondDerivStep(double h);

// Position, velocity and acceleration at t of a law on a line (11, 12, 13),
// rounded to `decimals`. Law 11 evaluates x(t) and differentiates it (t0 is
// not used); laws 12 and 13 integrate from (t0, x0[, v0]) to t. The result
// lines are "En t = ...:", "x = ..., v = ...", "a = ..." (empty for law 12).
// A refusal for another law (with no text), and when the integration gave
// up (with the text the caller shows, titled num::kOdeMessageTitle).
rt::Outcome<text::ResultLines> CalcKinem1D(int law, std::string_view lawText, double t0, double x0, double v0, double t,
                                           int decimals);

// The same for the plane laws 14 and 15 at t: four lines with the
// Cartesian or the radial and transverse components.
text::ResultLines CalcKinem2D(int kind, double t, std::string_view law1, std::string_view law2, int decimals);

// The tables of a law on a line at the instants ti + (k - 1)(tf - ti) / 300,
// k = 1 .. 301 (index 0 unused), ti <= tf (a reversed interval is put in
// order). Laws 12 and 13 start from the state at ti, integrated from the
// initial conditions at t0 when ti differs from t0.
struct LineCurves {
    double ti = 0, tf = 0;
    std::vector<double> T, X, V, A;
    // The rounding noise the numerical derivatives may have left in V and A:
    // a table whose values all lie within it of 0 is the zero curve.
    double vNoise = 0, aNoise = 0;
};
// A refusal when the law is not 11, 12 or 13 (with no text), or when the
// integration up to ti gave up (with the text the caller shows, titled
// num::kOdeMessageTitle). ti = tf raises DivisionByZero: there is no interval
// to draw.
rt::Outcome<LineCurves> TabulateLaw1D(int kind, std::string_view lawText, double t0, double x0, double v0, double ti,
                                      double tf);

// A point of a drawing in the picture's y-up pixels.
struct PlotPoint {
    double x = 0, y = 0;
};

// One curve of a law on a line in the 300-pixel square with its lower-left
// corner at (42, 42): each curve on its own value scale.
struct CurvePlan {
    double vmin = 0, vmax = 0;      // as labelled
    std::vector<PlotPoint> points;  // 301, index 0 first
    std::optional<double> tZeroX;   // the t = 0 line, when inside the square
    std::optional<double> zeroY;    // the value-0 line, when inside the square
    std::string tiText, tfText;     // the interval's ends rounded to 2 places
    std::string maxText, minText;   // "xmax = ...", "xmin = ..."
};
inline constexpr double kSquareLeft = 42, kSquareBottom = 42, kSquareSide = 300;
// values[1..301]. Samples within 1e-5 of each other are a constant curve:
// both labels give its value and it lies across the middle of the square
// (on its zero line when the value is 0); samples all within `noise` of 0
// are the zero curve. Every point lies inside the square.
CurvePlan PlanCurve(const std::vector<double>& values, double ti, double tf, char letter, double noise = 0);

// The path of a plane law over [ti, tf] (put in order) in n steps, with one
// scale for both axes in the plot frame (left, bottom, side).
struct PlanePath {
    std::vector<double> x, y;  // n + 1 samples from index 1
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    std::vector<PlotPoint> points;       // n + 1, index 0 first
    std::optional<double> xZero, yZero;  // the pixel lines of x = 0 and y = 0, when inside
};
// No fault is raised: a law that does not compile counts as 0, and a sample
// that cannot be evaluated keeps 0 (law 14) or the previous sample's r or
// theta (law 15). A path that is one point stands at the frame's centre.
PlanePath TabulatePlanePath(bool cartesian, std::string_view law1, std::string_view law2, double ti, double tf, int n,
                            double left, double bottom, double side);
// "x!m!í!n = ...", ... the four extremes in full precision.
text::ResultLines PlanePathLines(const PlanePath& path);

}  // namespace kinem
