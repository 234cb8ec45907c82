#include "kinematics/compute.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "kinematics/lawtext.h"
#include "numerics/calculus.h"
#include "numerics/expression.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "text/resultformat.h"

namespace kinem {

namespace {

constexpr double kMinSecondDerivStep = 1e-3;
constexpr double kRidderStep = 0.5;
// The adaptive driver's settings for the values at an instant.
constexpr double kOdeEps = 1e-4, kOdeFirstStep = 0.1, kOdeMinStep = 0.001;

// Ridders' error estimate is of the size of the noise it leaves; a margin
// over it keeps a derivative that is 0 in truth from showing its noise.
constexpr double kNoiseMargin = 16;
constexpr double kDifferenceUlps = 16;

double LargestMagnitude(const std::vector<double>& table) {
    double m = 0;
    for (size_t k = 1; k < table.size(); ++k) m = std::max(m, std::fabs(table[k]));
    return m;
}

// Integrates the law of the given order (1 velocity law, 2 acceleration law)
// from the state y at t0 to t, in radians.
rt::Outcome<std::vector<double>> Integrate(num::CExpression& law, int order, double t0, double t,
                                           const std::vector<double>& y) {
    return num::ODEInt(num::OdeLaw{law, order, num::kRadians}, y, t0, t, kOdeEps, kOdeFirstStep, kOdeMinStep);
}

}  // namespace

std::string LawEngineText(int law, std::string_view lawText) {
    const std::string text = rt::Trim(lawText);
    if (law == kLawV) return RenameVarsTX(text);
    if (law == kLawA) return RenameVarsTXV(text);
    return RenameVarsT(text);
}

std::string LawAloneText(int law, std::string_view lawText) {
    return RenameVarsOnly(rt::Trim(lawText), law == kLawV || law == kLawA, law == kLawA);
}

double BoxValue(std::string_view text) {
    const std::string s = rt::Trim(text);
    if (s.empty()) return 0;
    num::CExpression e;
    e.SetExpression(s);
    e.ThrowIfError();
    return e.Value().ToNumber();
}

double SecondDerivStep(double h) {
    if (std::fabs(h) >= kMinSecondDerivStep) return h;
    return h < 0 ? -kMinSecondDerivStep : kMinSecondDerivStep;
}

rt::Outcome<text::ResultLines> CalcKinem1D(int law, std::string_view lawText, double t0, double x0, double v0, double t,
                                           int decimals) {
    num::AngleUnitScope radians(num::kRadians);
    const std::string text(lawText);
    text::ResultLines lines(3);
    if (law == kLawX) {
        const std::string engine = RenameVarsT(text);
        num::CExpression xLaw(engine);
        xLaw.ThrowIfError();
        const double x = xLaw.Value({t}).ToNumber();
        double v = 0, err = 0;
        num::DerivRidders(engine, t, v, kRidderStep, err);
        // The law's own t0 is 0: the step is a 300th of the way to t.
        const double a = num::SecondDeriv5Pt(xLaw, SecondDerivStep(t / kSteps), t);
        lines[1] = "En t = " + text::MarkupRounded(t, decimals) + ":";
        lines[2] = "x = " + text::MarkupRounded(x, decimals) + ", v = " + text::MarkupRounded(v, decimals);
        lines[3] = "a = " + text::MarkupRounded(a, decimals);
        return lines;
    }
    if (law == kLawV) {
        num::CExpression vLaw(RenameVarsTX(text));
        const auto end = Integrate(vLaw, 1, t0, t, {0, x0});
        if (!end.ok()) return rt::Outcome<text::ResultLines>::Refusal(end.message());
        const std::vector<double>& y = *end;
        const double v = num::RateOnSwitches(num::OdeLaw{vLaw, 1, num::kRadians}, t, y);
        lines[1] = "En t = " + rt::NumberText(t) + ":";
        lines[2] = "x = " + text::MarkupRounded(y[1], decimals) + ", v = " + text::MarkupRounded(v, decimals);
        return lines;
    }
    if (law == kLawA) {
        num::CExpression aLaw(RenameVarsTXV(text));
        const auto end = Integrate(aLaw, 2, t0, t, {0, x0, v0});
        if (!end.ok()) return rt::Outcome<text::ResultLines>::Refusal(end.message());
        const std::vector<double>& y = *end;
        const double a = num::RateOnSwitches(num::OdeLaw{aLaw, 2, num::kRadians}, t, y);
        lines[1] = "En t = " + rt::NumberText(t) + ":";
        lines[2] = "x = " + text::MarkupRounded(y[1], decimals) + ", v = " + text::MarkupRounded(y[2], decimals);
        lines[3] = "a = " + text::MarkupRounded(a, decimals);
        return lines;
    }
    return rt::Outcome<text::ResultLines>::Refusal("");
}

text::ResultLines CalcKinem2D(int kind, double t, std::string_view law1, std::string_view law2, int decimals) {
    num::AngleUnitScope radians(num::kRadians);
    const std::string text1 = RenameVarsT(rt::Trim(law1));
    const std::string text2 = RenameVarsT(rt::Trim(law2));
    num::CExpression e1, e2;
    e1.SetExpression(text1);
    e2.SetExpression(text2);
    e1.ThrowIfError();
    e2.ThrowIfError();
    const double p = e1.Value({t}).ToNumber();
    const double q = e2.Value({t}).ToNumber();
    double dp = 0, dq = 0, err = 0;
    num::DerivRidders(text1, t, dp, kRidderStep, err);
    num::DerivRidders(text2, t, dq, kRidderStep, err);
    const double h = SecondDerivStep(t / 100);
    const double ddp = num::SecondDeriv5Pt(e1, h, t);
    const double ddq = num::SecondDeriv5Pt(e2, h, t);

    text::ResultLines lines(4);
    lines[1] = "En t = " + text::MarkupRounded(t, decimals) + ":";
    if (kind == kLawXY) {
        lines[2] = "x = " + text::MarkupRounded(p, decimals) + ", y = " + text::MarkupRounded(q, decimals);
        lines[3] = "v!x = " + text::MarkupRounded(dp, decimals) + ", v!y = " + text::MarkupRounded(dq, decimals);
        lines[4] = "a!x = " + text::MarkupRounded(ddp, decimals) + ", a!y = " + text::MarkupRounded(ddq, decimals);
    } else {
        const double ar = rt::Sub(ddp, rt::Mul(p, rt::Mul(dq, dq)));
        const double at = rt::Add(rt::Mul(p, ddq), rt::Mul(2, rt::Mul(dp, dq)));
        lines[2] = "r = " + text::MarkupRounded(p, decimals) + ", ;q = " + text::MarkupRounded(q, decimals);
        lines[3] =
            "v!r = " + text::MarkupRounded(dp, decimals) + ", v!t = " + text::MarkupRounded(rt::Mul(p, dq), decimals);
        lines[4] = "a!r = " + text::MarkupRounded(ar, decimals) + ", a!t = " + text::MarkupRounded(at, decimals);
    }
    return lines;
}

rt::Outcome<LineCurves> TabulateLaw1D(int kind, std::string_view lawText, double t0, double x0, double v0, double ti,
                                      double tf) {
    if (kind != kLawX && kind != kLawV && kind != kLawA) return rt::Outcome<LineCurves>::Refusal("");
    num::AngleUnitScope radians(num::kRadians);
    if (ti > tf) std::swap(ti, tf);
    const double h = rt::Div(tf - ti, kSteps);
    if (h == 0) rt::Raise(rt::ErrorCode::DivisionByZero);
    const std::string text = rt::Trim(lawText);
    constexpr int n = kSteps + 1;
    LineCurves c;
    c.ti = ti;
    c.tf = tf;
    c.T.assign(n + 1, 0);
    c.X.assign(n + 1, 0);
    c.V.assign(n + 1, 0);
    c.A.assign(n + 1, 0);

    if (kind == kLawX) {
        num::CExpression xLaw(RenameVarsT(text));
        xLaw.ThrowIfError();
        for (int k = 1; k <= n; ++k) {
            c.T[k] = ti + (k - 1) * h;
            c.X[k] = xLaw.Value({c.T[k]}).ToNumber();
        }
        double err = 0, maxErr = 0;
        num::GradientRidders(xLaw, num::kRadians, c.T, c.V, kRidderStep, err, &maxErr);
        c.vNoise = kNoiseMargin * maxErr;
        const double step = SecondDerivStep(h);
        for (int k = 1; k <= n; ++k) c.A[k] = num::SecondDeriv5Pt(xLaw, step, c.T[k]);
        c.aNoise = num::SecondDeriv5PtNoise(LargestMagnitude(c.X), step);
        return c;
    }

    const int order = kind == kLawV ? 1 : 2;
    num::CExpression law(order == 1 ? RenameVarsTX(text) : RenameVarsTXV(text));
    // The initial conditions hold at t0; the tables start at ti.
    std::vector<double> start = order == 1 ? std::vector<double>{0, x0} : std::vector<double>{0, x0, v0};
    if (ti != t0) {
        auto atTi = Integrate(law, order, t0, ti, start);
        if (!atTi.ok()) return rt::Outcome<LineCurves>::Refusal(atTi.message());
        start = std::move(atTi.value());
    }
    const num::OdeTable table = num::IntegrateRK4Fixed(num::OdeLaw{law, order, num::kRadians}, start, ti, tf, kSteps);
    for (int k = 1; k <= n; ++k) {
        c.T[k] = table.times[k];
        c.X[k] = table.states(1, k);
    }
    if (order == 2) {
        for (int k = 1; k <= n; ++k) {
            c.V[k] = table.states(2, k);
            c.A[k] = num::RateOnSwitches(num::OdeLaw{law, 2, num::kRadians}, c.T[k], {0, c.X[k], c.V[k]});
        }
        return c;
    }
    for (int k = 1; k <= n; ++k) c.V[k] = num::RateOnSwitches(num::OdeLaw{law, 1, num::kRadians}, c.T[k], {0, c.X[k]});
    c.A[1] = rt::Div(c.V[2] - c.V[1], h);
    for (int k = 2; k < n; ++k) c.A[k] = rt::Div(c.V[k + 1] - c.V[k - 1], 2 * h);
    c.A[n] = rt::Div(c.V[n] - c.V[n - 1], h);
    // Differences of values that each carry a few units in the last place.
    c.aNoise = rt::Div(kDifferenceUlps * std::numeric_limits<double>::epsilon() * LargestMagnitude(c.V), h);
    return c;
}

CurvePlan PlanCurve(const std::vector<double>& values, double ti, double tf, char letter, double noise) {
    rt::ExpectIndex(static_cast<long long>(values.size()) - 1, kSteps + 1, kSteps + 1, "curve samples");
    if (ti > tf) std::swap(ti, tf);
    CurvePlan p;
    const bool zero = std::all_of(values.begin() + 1, values.end(), [&](double v) { return std::fabs(v) <= noise; });
    auto value = [&](int k) { return zero ? 0.0 : values[k]; };
    p.vmin = p.vmax = value(1);
    for (int k = 2; k <= kSteps + 1; ++k) {
        p.vmin = std::min(p.vmin, value(k));
        p.vmax = std::max(p.vmax, value(k));
    }
    // A curve that does not vary (its samples within 1e-5 of each other) has
    // no range to scale: it is labelled with its value and drawn across the
    // middle of the square, where its zero line lies too when that value is 0.
    const bool constant = std::fabs(p.vmax - p.vmin) <= 1e-5;
    double low = p.vmin, range = p.vmax - p.vmin;
    if (constant) {
        p.vmin = p.vmax = p.vmin + (p.vmax - p.vmin) / 2;
        low = p.vmin - 0.5;
        range = 1;
    }
    const double ys = rt::Div(kSquareSide, range);
    const double xs = rt::Div(kSquareSide, tf - ti);
    p.points.reserve(kSteps + 1);
    for (int k = 1; k <= kSteps + 1; ++k)
        p.points.push_back({kSquareLeft + (k - 1), rt::Checked(kSquareBottom + (value(k) - low) * ys)});
    const double x0 = rt::Checked(kSquareLeft + (0 - ti) * xs);
    if (x0 >= kSquareLeft && x0 <= kSquareLeft + kSquareSide) p.tZeroX = x0;
    if (constant) {
        if (std::fabs(p.vmin) <= 1e-5) p.zeroY = kSquareBottom + kSquareSide / 2;
    } else {
        const double y0 = rt::Checked(kSquareBottom + (0 - low) * ys);
        if (y0 > kSquareBottom && y0 <= kSquareBottom + kSquareSide) p.zeroY = y0;
    }
    p.tiText = rt::RoundedText(ti, 2);
    p.tfText = rt::RoundedText(tf, 2);
    p.maxText = std::string(1, letter) + "max = " + rt::RoundedText(p.vmax, 2);
    p.minText = std::string(1, letter) + "min = " + rt::RoundedText(p.vmin, 2);
    return p;
}

PlanePath TabulatePlanePath(bool cartesian, std::string_view law1, std::string_view law2, double ti, double tf, int n,
                            double left, double bottom, double side) {
    num::AngleUnitScope radians(num::kRadians);
    PlanePath path;
    if (n < 1) return path;
    num::CExpression e1, e2;
    constexpr const char* kAtZero = "a law that does not compile leaves its coordinate at zero, as drawn";
    rt::IgnoreError(kAtZero, [&] { e1.SetExpression(PlanePathLawText(rt::Trim(law1))); });
    rt::IgnoreError(kAtZero, [&] { e2.SetExpression(PlanePathLawText(rt::Trim(law2))); });
    if (ti > tf) std::swap(ti, tf);
    const double h = (tf - ti) / n;
    path.x.assign(n + 2, 0);
    path.y.assign(n + 2, 0);
    // Value of a law at t, or nothing when it cannot be evaluated there.
    auto at = [](num::CExpression& e, double t) -> std::optional<double> {
        try {
            return e.Value({t}).ToNumber();
        } catch (const rt::RuntimeError&) { return std::nullopt; }
    };
    double r = 0, theta = 0;
    for (int k = 1; k <= n + 1; ++k) {
        const double t = ti + (k - 1) * h;
        if (cartesian) {
            if (auto v = at(e1, t)) path.x[k] = *v;
            if (auto v = at(e2, t)) path.y[k] = *v;
        } else {
            if (auto v = at(e1, t)) r = *v;
            if (auto v = at(e2, t)) theta = *v;
            rt::IgnoreError("a point whose coordinates overflow keeps the previous values", [&] {
                path.x[k] = rt::Mul(r, std::cos(theta));
                path.y[k] = rt::Mul(r, std::sin(theta));
            });
        }
    }
    path.xmin = path.xmax = path.x[1];
    path.ymin = path.ymax = path.y[1];
    for (int k = 2; k <= n + 1; ++k) {
        path.xmin = std::min(path.xmin, path.x[k]);
        path.xmax = std::max(path.xmax, path.x[k]);
        path.ymin = std::min(path.ymin, path.y[k]);
        path.ymax = std::max(path.ymax, path.y[k]);
    }
    double xlo = path.xmin, ylo = path.ymin;
    double m = std::max(path.xmax - path.xmin, path.ymax - path.ymin);
    if (!std::isfinite(m)) return path;  // ranges beyond a double: nothing to draw
    if (m == 0) {
        // One point: at the frame's centre, on a range of 1.
        xlo -= 0.5;
        ylo -= 0.5;
        m = 1;
    }
    const double s = side / m;
    path.points.reserve(static_cast<size_t>(n) + 1);
    for (int k = 1; k <= n + 1; ++k)
        path.points.push_back({left + (path.x[k] - xlo) * s, bottom + (path.y[k] - ylo) * s});
    const double px0 = left - xlo / m * side;
    const double py0 = bottom - ylo / m * side;
    if (px0 >= left && px0 <= left + side) path.xZero = px0;
    if (py0 >= bottom && py0 <= bottom + side) path.yZero = py0;
    return path;
}

text::ResultLines PlanePathLines(const PlanePath& path) {
    return text::ResultLines{"x!m!í!n = " + rt::NumberText(path.xmin), "x!m!á!x = " + rt::NumberText(path.xmax),
                             "y!m!í!n = " + rt::NumberText(path.ymin), "y!m!á!x = " + rt::NumberText(path.ymax)};
}

}  // namespace kinem
