#include "vectors/distload.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/resultformat.h"

namespace vec {

namespace {
constexpr int kSamples = static_cast<int>(kPlotSide) + 1;

double Integral(const LoadIntegrator& integrate, const std::string& integrand, double a, double b) {
    const rt::Outcome<double> v = integrate(integrand, a, b);
    if (!v.ok()) throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "El integrador no alcanzó el límite.");
    return rt::Checked(*v);
}

// A value of the reduction as shown: rounded to d places, or, below 0.1,
// to d significant digits, so that a load of any size that is not zero does
// not read as 0 (2E-08 for a density of 1E-8 over 2 m).
std::string Shown(double v, int d) {
    if (v == 0 || std::fabs(v) >= 0.1) return text::MarkupRounded(v, d);
    const int digits = std::max(d, 1);
    const int places = digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(v))));
    return text::MarkupMinus(rt::NumberText(rt::RoundHalfEven(v, std::min(places, 15))));
}

// "/" opens a colour or style run in the markup: doubled, it shows itself.
std::string MarkupSlashes(const std::string& s) {
    std::string out;
    for (char c : s) {
        out += c;
        if (c == '/') out += '/';
    }
    return out;
}
}  // namespace

rt::Outcome<double> SolveLoadIntegral(const std::string& integrand, double a, double b) {
    return num::SolveODE1(integrand, a, b, num::kRadians);
}

DistributedLoadResult ReduceDistributedLoad(const std::string& text, double& x1, double& x2,
                                            const LoadIntegrator& integrate, int d) {
    if (rt::Trim(text).empty()) rt::Raise(rt::ErrorCode::TypeMismatch);
    num::CExpression density(text);
    density.ThrowIfError();
    if (x1 > x2) std::swap(x1, x2);
    // Radians for the density's trigonometric functions while the load is
    // reduced, whatever the calculator's angle unit.
    num::AngleUnitScope radians(num::kRadians);

    DistributedLoadResult r;
    r.x1 = x1;
    r.x2 = x2;
    // The load variable is the density's first variable in name order, the
    // one the integrator gives the abscissa; the moment's integrand keeps it
    // first by multiplying by that same variable.
    std::string var = density.VariablesCount() > 0 ? density.Variable(1)->Name : "X";
    r.F = Integral(integrate, text, x1, x2);
    r.M0 = Integral(integrate, var + "*(" + text + ")", x1, x2);

    std::vector<double> xs(kSamples), fs(kSamples);
    double largestF = 0, largestM = 0;
    for (int i = 0; i < kSamples; ++i) {
        xs[i] = i + 1 < kSamples ? x1 + i * (x2 - x1) / kPlotSide : x2;
        rt::Variant v = density.Value({xs[i]});
        fs[i] = v.IsEmpty() || v.IsEmptyText() ? 0.0 : v.ToNumber();
        largestF = std::max(largestF, std::fabs(fs[i]));
        largestM = std::max(largestM, std::fabs(xs[i] * fs[i]));
    }
    // F and M0 count as zero against the size of the load they come from
    // (its largest density, or moment density, over the length), so that a
    // load scaled by any factor reduces alike.
    const bool zeroForce = num::IsNear(r.F, 0, kForceTolerance * largestF * (x2 - x1));
    const bool zeroMoment = num::IsNear(r.M0, 0, kForceTolerance * largestM * (x2 - x1));
    r.kind = !zeroForce ? Reduction::Resultant : zeroMoment ? Reduction::Null : Reduction::Couple;
    if (!zeroForce) r.xR = rt::Div(r.M0, r.F);
    double fmin = std::min(0.0, *std::min_element(fs.begin(), fs.end()));
    double fmax = std::max(0.0, *std::max_element(fs.begin(), fs.end()));
    r.sx = AxisScale(kPlotSide, x2 - x1, fmax - fmin);
    r.sy = AxisScale(kPlotSide, fmax - fmin, x2 - x1);
    for (int i = 0; i < kSamples; ++i)
        r.curve.push_back(
            {rt::Checked(kPlotLeft + (xs[i] - x1) * r.sx), rt::Checked(kPlotBottom + (fs[i] - fmin) * r.sy)});
    r.origin = {rt::Checked(kPlotLeft - x1 * r.sx), rt::Checked(kPlotBottom - fmin * r.sy)};
    r.arrowX = rt::Checked(kPlotLeft + (r.xR - x1) * r.sx);

    std::string head = "Distribución de densidad f(x) = " + MarkupSlashes(text) + kCrLf +
                       "entre x!1 = " + rt::NumberText(x1) + " y x!2 = " + rt::NumberText(x2) + kCrLf;
    switch (r.kind) {
    case Reduction::Couple:
        r.lines = {head + "La fuerza total es cero. La resultante es un par", "de momento M!0 = " + Shown(r.M0, d)};
        break;
    case Reduction::Null: r.lines = {head + "La resultante es nula.", ""}; break;
    case Reduction::Resultant:
        r.lines = {// A moment that is zero within the load's size is rounding noise:
                   // it and the position it gives show as 0.
                   head + "Momento c//r al origen: M!0 = " + Shown(zeroMoment ? 0.0 : r.M0, d),
                   "Resultante: R = " + Shown(r.F, d) + ", ubicada en x!R = " + Shown(zeroMoment ? 0.0 : r.xR, d)};
        break;
    }
    return r;
}

}  // namespace vec
