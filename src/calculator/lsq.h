#pragma once
// Least-squares fitting of points (x, y) to a polynomial: the coefficients,
// the report the calculator shows and the layout of the points and the
// fitted curve in the plot frame. The exponential curve y = b e^(ax) and the
// power curve y = b x^a are fitted as straight lines of the logarithms. Plain
// computation: lsq_draw.h puts the layout on a picture.
#include <span>
#include <string>
#include <vector>

#include "calculator/graphs.h"
#include "calculator/numprocs_common.h"
#include "runtime/outcome.h"

namespace calc {

inline constexpr const char* kFitUnsolvable = "No pude resolver el sistema de ecuaciones.";
inline constexpr const char* kNotPositive = "Valor negativo o cero no permitido.";
inline constexpr const char* kOrderLast = "Da el orden del polinomio como último argumento.";
inline constexpr rt::ColorRef kFitFrameColour = 0x808080;
inline constexpr rt::ColorRef kFitPointColour = 0x0000FF;

// What the fitted line stands for.
enum class FitCurve { Line, Exponential, Power };

struct PolyFit {
    int degree = 0;            // lowered to n - 1 when there are too few points
    std::vector<double> coef;  // from index 1: coef[i] multiplies x^(i - 1)
    // A bound of each coefficient's error (same indexes): what the report
    // shows of it holds. Empty for a fit given without one.
    std::vector<double> errors;
};

// The least-squares polynomial of the given degree through x[i], y[i]
// (normal equations in x about the middle of its range and y about its
// mean, solved to at least six digits whatever the scale, with a bound of
// each coefficient's error); refused with kFitUnsolvable, and then nothing is drawn or
// written. No point, or a degree below 0, raises rt::RuntimeError, as an
// overflow of the sums does.
rt::Outcome<PolyFit> FitPolynomialCoefs(int degree, std::span<const double> x, std::span<const double> y);

// The report as one result line, each coefficient to the digits its error
// leaves. Degree 1: the line, a and b, the
// correlation coefficient r (left out when the points give it no value, all
// x or all y equal), the sums and the polynomial text; for the exponential
// and power curves (x and y already their logarithms as fitted) the heading
// names the curve, b is e to the intercept, r and the sums are labelled as
// the logarithms they are of ("Σ ln y") and the last line is the curve's
// formula. Another degree: the coefficients A!k and, after an empty line,
// the polynomial text.
std::string FitReport(const PolyFit& fit, std::span<const double> x, std::span<const double> y, int decimals,
                      FitCurve curve = FitCurve::Line);

// Where the plot goes: the frame box, the curve sampled at one point per
// pixel across the frame, the points as dots, the four range labels and
// the grey axes where 0 lies strictly inside a range; the plot of a curve
// names the axes that are logarithms. A range of a single
// value is widened around it, so one point or a horizontal line still plot.
struct FitPlot {
    PlotFrame frame;
    std::vector<double> curveX, curveY;  // pixels, one per column
    std::vector<double> dotX, dotY;      // pixels
    PlotLabel xMin, xMax, yMin, yMax;
    PlotLabel xName, yName;  // "ln x", "ln y" on the plot of a curve; empty otherwise
    bool verticalAxis = false, horizontalAxis = false;
    double axisX = 0, axisY = 0;
};

FitPlot LayoutFit(const PolyFit& fit, std::span<const double> x, std::span<const double> y, const PlotFrame& frame,
                  int decimals, const TextWidth& width, FitCurve curve = FitCurve::Line);

// Procedures 23 to 26 from the argument list: the pairs x1, y1, x2, y2, ...
// (for 26 the order last), turned into the points and degree to fit. A value
// that may not take a logarithm stops with kNotPositive, an even list for 26
// with kOrderLast: the run stops with the refusal.
struct FitRequest {
    int degree = 1;
    FitCurve curve = FitCurve::Line;
    std::vector<double> x, y;
};
rt::Outcome<FitRequest> PrepareFit(int procedureCode, std::span<const rt::Variant> args);

}  // namespace calc
