#include "calculator/lsq.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "calculator/exprtext.h"
#include "calculator/helddigits.h"
#include "numerics/linalg.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

std::string Formatted(double v) { return text::FormatNum(v).ToText(); }

// The least and greatest value; a single value is widened around itself so
// that it can be scaled.
std::pair<double, double> Range(double lo, double hi) {
    if (lo == hi) {
        const double half = std::max(1.0, std::fabs(lo) / 2);
        return {lo - half, hi + half};
    }
    return {lo, hi};
}

double Scale(double v, double lo, double hi, double origin, double side) {
    return rt::Checked((v - lo) * side / (hi - lo) + origin);
}

}  // namespace

rt::Outcome<PolyFit> FitPolynomialCoefs(int degree, std::span<const double> x, std::span<const double> y) {
    const int n = static_cast<int>(std::min(x.size(), y.size()));
    if (n < 1 || degree < 0) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    PolyFit fit;
    fit.degree = std::min(degree, n - 1);
    const int m = fit.degree + 1;
    // The normal equations are set up in u = (x - centre) / half, which runs
    // over [-1, 1]: the same fit, but powers of x far from 0 or of very
    // different sizes no longer make the system look singular. y is taken
    // about its mean, which goes back into the constant term at the end, so
    // data far from 0 (a quantity by calendar year) keep their digits.
    const auto [lo, hi] = std::minmax_element(x.begin(), x.begin() + n);
    const double centre = rt::Checked(*lo / 2 + *hi / 2);
    double half = rt::Checked(*hi / 2 - *lo / 2);
    if (half == 0) half = 1;
    double mean = 0;
    for (int k = 0; k < n; ++k) mean = rt::Add(mean, y[static_cast<size_t>(k)] / n);
    std::vector<double> powerSums(static_cast<size_t>(2 * m - 1), 0.0);
    std::vector<double> c(static_cast<size_t>(m) + 1, 0.0);
    for (int k = 0; k < n; ++k) {
        const double u = (x[static_cast<size_t>(k)] - centre) / half;
        const double dy = rt::Sub(y[static_cast<size_t>(k)], mean);
        double p = 1.0;
        for (int e = 0; e < 2 * m - 1; ++e) {
            powerSums[static_cast<size_t>(e)] = rt::Add(powerSums[static_cast<size_t>(e)], p);
            if (e < m) c[static_cast<size_t>(e) + 1] = rt::Add(c[static_cast<size_t>(e) + 1], rt::Mul(p, dy));
            if (e + 1 < 2 * m - 1) p = rt::Mul(p, u);
        }
    }
    num::Matrix a(m, m);
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= m; ++j) a(i, j) = powerSums[static_cast<size_t>(i + j - 2)];
    std::string unsolved;
    std::vector<double> solved;
    num::SolveLinearSystem(a, c, unsolved, &solved);
    if (!unsolved.empty()) return rt::Outcome<PolyFit>::Refusal(kFitUnsolvable);
    // Back to powers of x by Horner's scheme on polynomials:
    // p = (...(c[m] w + c[m-1]) w + ...) w + c[1], with w = x / half - centre / half.
    // The same scheme on absolute values carries the bounds: of the solution's
    // errors, and of the size of the terms whose rounding the scheme adds.
    auto toPowersOfX = [m](const std::vector<double>& v, double w1, double w0) {
        std::vector<double> out(static_cast<size_t>(m) + 1, 0.0);
        out[1] = v[static_cast<size_t>(m)];
        for (int k = m - 1; k >= 1; --k) {
            for (int j = m - k + 1; j >= 1; --j) {
                const double shifted = j > 1 ? out[static_cast<size_t>(j) - 1] * w1 : 0.0;
                out[static_cast<size_t>(j)] = rt::Checked(shifted + out[static_cast<size_t>(j)] * w0);
            }
            out[1] = rt::Add(out[1], v[static_cast<size_t>(k)]);
        }
        return out;
    };
    const double w1 = 1 / half, w0 = -centre / half;
    fit.coef = toPowersOfX(c, w1, w0);
    fit.coef[1] = rt::Add(fit.coef[1], mean);
    std::vector<double> size(c.size());
    for (size_t k = 1; k < c.size(); ++k) size[k] = std::fabs(c[k]);
    const std::vector<double> carried = toPowersOfX(solved, std::fabs(w1), std::fabs(w0));
    const std::vector<double> terms = toPowersOfX(size, std::fabs(w1), std::fabs(w0));
    // Each step of the scheme and of the sums rounds once more: a few units
    // of the last place per power, of the largest term that entered.
    const double rounding = 4.0 * (m + n) * DBL_EPSILON;
    fit.errors.assign(fit.coef.size(), 0.0);
    for (size_t k = 1; k < fit.coef.size(); ++k)
        fit.errors[k] = carried[k] + rounding * (terms[k] + (k == 1 ? std::fabs(mean) : 0.0));
    return fit;
}

std::string FitReport(const PolyFit& fit, std::span<const double> x, std::span<const double> y, int decimals,
                      FitCurve curve) {
    const int n = static_cast<int>(std::min(x.size(), y.size()));
    std::vector<std::string> out;
    // Every coefficient to the digits that hold, in the lines and in the
    // formula (highest power first).
    std::vector<double> shown = fit.coef;
    for (size_t k = 1; k < shown.size(); ++k)
        shown[k] = RoundToError(fit.coef[k], k < fit.errors.size() ? fit.errors[k] : 0.0);
    std::vector<double> highFirst(shown.rbegin(), shown.rend() - 1);
    if (fit.degree == 1) {
        double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
        for (int k = 0; k < n; ++k) {
            const double xi = x[static_cast<size_t>(k)], yi = y[static_cast<size_t>(k)];
            sx = rt::Add(sx, xi);
            sy = rt::Add(sy, yi);
            sxx = rt::Add(sxx, rt::Mul(xi, xi));
            syy = rt::Add(syy, rt::Mul(yi, yi));
            sxy = rt::Add(sxy, rt::Mul(xi, yi));
        }
        const double a = shown[2], c = shown[1];
        // e to the intercept, to the digits the intercept's error leaves.
        const auto expC = [&fit, c] {
            if (fit.errors.size() < 2) return rt::Exp(c);
            const double e = rt::Exp(fit.coef[1]);
            return RoundToError(e, e * fit.errors[1]);
        };
        if (curve == FitCurve::Line) {
            out.push_back("Recta de mínimos cuadrados: y = ax + b");
            out.push_back("a = " + rt::NumberText(a));
            out.push_back("b = " + rt::NumberText(c));
        } else {
            out.push_back(curve == FitCurve::Exponential ? "Curva de mínimos cuadrados: y = b e¡a¡x"
                                                         : "Curva de mínimos cuadrados: y = b x¡a");
            out.push_back("a = " + rt::NumberText(a));
            out.push_back("b = " + rt::NumberText(expC()));
        }
        // The correlation from the deviations about the means; it has no value
        // when all x or all y are equal.
        const auto [xlo, xhi] = std::minmax_element(x.begin(), x.begin() + n);
        const auto [ylo, yhi] = std::minmax_element(y.begin(), y.begin() + n);
        if (*xlo != *xhi && *ylo != *yhi) {
            const double mx = sx / n, my = sy / n;
            double dxx = 0, dyy = 0, dxy = 0;
            for (int k = 0; k < n; ++k) {
                const double dx = x[static_cast<size_t>(k)] - mx, dy = y[static_cast<size_t>(k)] - my;
                dxx = rt::Add(dxx, rt::Mul(dx, dx));
                dyy = rt::Add(dyy, rt::Mul(dy, dy));
                dxy = rt::Add(dxy, rt::Mul(dx, dy));
            }
            const double r = rt::Div(dxy, rt::Sqrt(rt::Mul(dxx, dyy)));
            const std::string of = curve == FitCurve::Exponential ? " (x, ln y)"
                                   : curve == FitCurve::Power     ? " (ln x, ln y)"
                                                                  : "";
            out.push_back("Coeficiente de correlación" + of + ":   r = " + rt::RoundedText(r, decimals));
        }
        // The sums are of the values fitted: for the curves, their logarithms.
        const std::string X = curve == FitCurve::Power ? "ln x" : "x";
        const std::string Y = curve == FitCurve::Line ? "y" : "ln y";
        auto squared = [](const std::string& v) { return v.size() > 1 ? "(" + v + ")¡2" : v + "¡2"; };
        out.push_back(";S " + X + " = " + Formatted(sx) + ", ;S " + Y + " = " + Formatted(sy));
        out.push_back("<" + X + "> = " + Formatted(sx / n) + ", <" + Y + "> = " + Formatted(sy / n));
        out.push_back(";S " + squared(X) + " = " + Formatted(sxx) + ", ;S " + squared(Y) + " = " + Formatted(syy));
        out.push_back(";S " + (X.size() > 1 || Y.size() > 1 ? X + " " + Y : X + Y) + " = " + Formatted(sxy));
        if (curve == FitCurve::Exponential) {
            out.push_back(rt::NumberText(expC()) + "*EXP(" + rt::NumberText(a) + "*x)");
        } else if (curve == FitCurve::Power) {
            const std::string exponent = a < 0 ? "(" + rt::NumberText(a) + ")" : rt::NumberText(a);
            out.push_back(rt::NumberText(expC()) + "*x^" + exponent);
        } else {
            out.push_back(GetPolynomial(highFirst));
        }
    } else {
        out.push_back("Coeficientes del polinomio de grado " + std::to_string(fit.degree) + ":");
        out.push_back("(A!n es el coeficiente de x¡n)");
        for (int k = 0; k <= fit.degree; ++k)
            out.push_back("A!" + std::to_string(k) + " = " + rt::NumberText(shown[static_cast<size_t>(k) + 1]));
        out.push_back("");
        out.push_back(GetPolynomial(highFirst));
    }
    std::string text;
    for (size_t i = 0; i < out.size(); ++i) {
        if (i > 0) text += kCrLf;
        text += out[i];
    }
    return text;
}

FitPlot LayoutFit(const PolyFit& fit, std::span<const double> x, std::span<const double> y, const PlotFrame& frame,
                  int decimals, const TextWidth& width, FitCurve curve) {
    FitPlot p;
    p.frame = frame;
    const size_t n = std::min(x.size(), y.size());
    if (n == 0) return p;
    auto [xa, xb] = std::minmax_element(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
    const auto [xmin, xmax] = Range(*xa, *xb);
    const int samples = static_cast<int>(std::lround(frame.side));
    std::vector<double> ys(static_cast<size_t>(std::max(samples, 0)));
    double lo = *std::min_element(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
    double hi = *std::max_element(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
    for (int i = 0; i < samples; ++i) {
        const double xi = samples > 1 ? xmin + (xmax - xmin) * i / (samples - 1) : xmin;
        const double v = num::EvalPolynomial(fit.coef, xi);
        ys[static_cast<size_t>(i)] = v;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const auto [ymin, ymax] = Range(lo, hi);
    for (int i = 0; i < samples; ++i) {
        p.curveX.push_back(frame.left + i);
        p.curveY.push_back(Scale(ys[static_cast<size_t>(i)], ymin, ymax, frame.bottom, frame.side));
    }
    for (size_t k = 0; k < n; ++k) {
        p.dotX.push_back(Scale(x[k], xmin, xmax, frame.left, frame.side));
        p.dotY.push_back(Scale(y[k], ymin, ymax, frame.bottom, frame.side));
    }
    p.xMin = {rt::RoundedText(xmin, decimals), frame.left, frame.bottom - 3};
    p.xMax = {rt::RoundedText(xmax, decimals), frame.left + frame.side, frame.bottom - 3};
    p.yMin.text = rt::RoundedText(ymin, decimals);
    p.yMin.x = frame.left - width(p.yMin.text) - 6;
    p.yMin.y = frame.bottom + 10;
    p.yMax.text = rt::RoundedText(ymax, decimals);
    p.yMax.x = frame.left - width(p.yMax.text) - 6;
    p.yMax.y = frame.bottom + frame.side + 10;
    // The axes of a curve's plot are logarithms: they say so, under the
    // frame's middle and left of it halfway up.
    if (curve == FitCurve::Power) {
        p.xName.text = "ln x";
        p.xName.x = frame.left + frame.side / 2 - width(p.xName.text) / 2;
        p.xName.y = frame.bottom - 3;
    }
    if (curve != FitCurve::Line) {
        p.yName.text = "ln y";
        p.yName.x = frame.left - width(p.yName.text) - 6;
        p.yName.y = frame.bottom + frame.side / 2 + 6;
    }
    if (xmin < 0 && 0 < xmax) {
        p.verticalAxis = true;
        p.axisX = frame.left - xmin * frame.side / (xmax - xmin);
    }
    if (ymin < 0 && 0 < ymax) {
        p.horizontalAxis = true;
        p.axisY = frame.bottom - ymin * frame.side / (ymax - ymin);
    }
    return p;
}

rt::Outcome<FitRequest> PrepareFit(int procedureCode, std::span<const rt::Variant> args) {
    using Result = rt::Outcome<FitRequest>;
    FitRequest r;
    const int count = static_cast<int>(args.size());
    if (procedureCode == 26) {
        if (count % 2 == 0) return Result::Refusal(kOrderLast);
        r.degree = rt::CInt(NumArg(args, count));
    }
    const int n = count / 2;
    for (int i = 1; i <= n; ++i) {
        double xi = NumArg(args, 2 * i - 1), yi = NumArg(args, 2 * i);
        if (procedureCode == 25) {
            if (xi <= 0) return Result::Refusal(kNotPositive);
            xi = std::log(xi);
        }
        if (procedureCode == 24 || procedureCode == 25) {
            if (yi <= 0) return Result::Refusal(kNotPositive);
            yi = std::log(yi);
        }
        r.x.push_back(xi);
        r.y.push_back(yi);
    }
    if (procedureCode == 24) r.curve = FitCurve::Exponential;
    if (procedureCode == 25) r.curve = FitCurve::Power;
    return r;
}

}  // namespace calc
