#include "numerics/equations.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace num {

namespace {
constexpr double kTwoPi = 6.28318530717958;
inline double Z(double x) { return x + 0.0; }  // no negative zero

Roots SolveCubicForm(double a, double b, double c, double d);

bool SignsDiffer(double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

constexpr const char* kNoRoots = "No encontré raíces en el intervalo dado.";
// How closely a root is placed: a billionth of its size, or near 0 of the
// floor the search takes from the interval.
constexpr double kRootTolerance = 1e-9;

// What the halving of one bracket gives: a root and how far it may lie from
// the sign change, nothing for a pole, or the point where f had no value.
struct Halving {
    std::optional<double> root;
    double error = 0;
    std::optional<double> noValueAt;
};

// Halves the bracket [a, b] (f of opposite signs fa and fb at its ends) until
// it is narrower than its tolerance: a billionth of the root's size, and
// near 0 of `floor`. The root is then interpolated between the ends, so it
// lies within the bracket's width of the sign change.
Halving HalveBracket(CExpression& e, double a, double b, double fa, double fb, double floor) {
    // How much larger |f| may end at a side of a bracket than it began
    // there: a jump keeps about its size, a pole grows without bound.
    constexpr double kPoleGrowth = 2;
    constexpr int kHalvings = 80;
    double rtb = fa < 0 ? a : b, dx = fa < 0 ? b - a : a - b;
    double fneg = fa < 0 ? fa : fb, fpos = fa < 0 ? fb : fa;
    const double fneg0 = fneg, fpos0 = fpos;
    bool negMoved = false, posMoved = false;
    for (int k = 0; k < kHalvings; ++k) {
        dx /= 2;
        const double xm = rtb + dx;
        const std::optional<double> fm = TryValue(e, xm);
        if (!fm) return {std::nullopt, 0, xm};
        // Only the bracket's width places the root: a small |f| says nothing
        // of where it is (f = (X-1)^3 is below 1E-10 for 4.6E-4 around it,
        // 1E-12*(X-1) on a whole step).
        if (*fm == 0) return {xm, 0, std::nullopt};
        if (*fm < 0) {
            rtb = xm;
            fneg = *fm;
            negMoved = true;
        } else {
            fpos = *fm;
            posMoved = true;
        }
        const bool narrow = std::fabs(dx) <= kRootTolerance * std::max(std::fabs(xm), floor);
        // A bracket the arithmetic can no longer split is as narrow as it gets.
        const bool stuck = rtb + dx / 2 == rtb || rtb + dx / 2 == rtb + dx;
        if (narrow || stuck) {
            // A sign change where |f| grew at every end that moved while the
            // bracket shrank is a pole (TAN(X) at pi/2, 1/X at 0), not a
            // root. An end that never moved says nothing: it may be a scan
            // point right beside a pole (huge f) or beside a root (f near 0).
            const bool negGrew = std::fabs(fneg) > kPoleGrowth * std::fabs(fneg0);
            const bool posGrew = std::fabs(fpos) > kPoleGrowth * std::fabs(fpos0);
            const bool pole = (negMoved || posMoved) && (negGrew || !negMoved) && (posGrew || !posMoved);
            if (pole) return {};
            return {rtb + dx * (fneg / (fneg - fpos)), std::fabs(dx), std::nullopt};
        }
    }
    return {};
}

}  // namespace

rt::Outcome<ExprRoots> FindExprRoots(std::string_view expr, double A, double B) {
    using Found = rt::Outcome<ExprRoots>;
    constexpr int kSteps = 490, kMaxRoots = 50;
    CExpression e;
    try {
        e.SetExpression(expr);
    } catch (const rt::RuntimeError&) { return Found::Refusal("Ocurrió un error en el cálculo de las raíces."); }
    if (e.ErrorCode() != 0) return Found::Refusal(e.ErrorDescription());
    if (A > B) std::swap(A, B);
    const double floor = 1e-3 * std::max(std::fabs(A), std::fabs(B));
    ExprRoots out;
    auto listRoot = [&](double x, double error) {
        out.roots.push_back(x);
        out.errors.push_back(error);
    };
    // The scan points are placed from both ends (std::lerp gives A and B
    // exactly), never by adding a step, which would carry the last point
    // past B where f may have no value.
    std::optional<double> f1;
    double x1 = A;
    for (int i = 0; i <= kSteps && static_cast<int>(out.roots.size()) < kMaxRoots; ++i) {
        const double x2 = std::lerp(A, B, static_cast<double>(i) / kSteps);
        if (i > 0 && x2 == x1) continue;  // A = B, or an interval narrower than its steps
        const std::optional<double> f2 = TryValue(e, x2);
        if (!f2) out.undefinedAt.push_back(x2);
        if (i > 0) {
            // Beside a point where f is exactly 0, or has no value, the sign
            // is read a tolerance away from it, so a root close by is not
            // hidden: (X-1)*(X-1.000001) with a scan point on 1, or
            // 1/(X-1000)+1 with one on the pole 1000 and the root 999 before.
            double xl = x1, xr = x2;
            std::optional<double> fl = f1, fr = f2;
            if (!f1 || *f1 == 0) {
                xl = x1 + kRootTolerance * std::max(std::fabs(x1), floor);
                fl = TryValue(e, xl);
            }
            if (!f2 || *f2 == 0) {
                xr = x2 - kRootTolerance * std::max(std::fabs(x2), floor);
                fr = TryValue(e, xr);
            }
            if (xl < xr && fl && fr && SignsDiffer(*fl, *fr)) {
                const Halving h = HalveBracket(e, xl, xr, *fl, *fr, floor);
                if (h.root) listRoot(*h.root, h.error);
                if (h.noValueAt) out.undefinedAt.push_back(*h.noValueAt);
            }
        }
        if (f2 && *f2 == 0 && static_cast<int>(out.roots.size()) < kMaxRoots) listRoot(x2, 0);
        x1 = x2;
        f1 = f2;
    }
    std::sort(out.undefinedAt.begin(), out.undefinedAt.end());
    if (out.roots.empty()) {
        const std::string where = NoValueText(out.undefinedAt);
        return Found::Refusal(where.empty() ? std::string(kNoRoots) : std::string(kNoRoots) + " " + where);
    }
    out.values.reserve(out.roots.size());
    for (double r : out.roots) out.values.push_back(TryValue(e, r).value_or(0.0));
    return out;
}

std::string NoValueText(const std::vector<double>& points) {
    if (points.empty()) return {};
    const std::string first = "La función no tiene valor en x = " + rt::NumberText(points.front());
    if (points.size() == 1) return first + "; la búsqueda saltó ese punto.";
    return first + " ni en otros " + std::to_string(points.size() - 1) +
           " puntos de la búsqueda (el último, x = " + rt::NumberText(points.back()) + "); la búsqueda los saltó.";
}

Roots SolveQuadratic(double a, double b, double c) {
    auto real = [](double x1, double x2) { return Roots{2, {Z(x1), Z(x2), 0.0}, 0.0, 0.0}; };
    auto pair = [](double re, double im) { return Roots{0, {}, re, im}; };
    if (b == 0.0) {
        double t = rt::Div(-c, a);
        if (t >= 0) {
            double r = std::sqrt(t);
            return real(r, -r);
        }
        return pair(0.0, std::sqrt(std::fabs(t)));
    }
    double d = rt::Sub(rt::Mul(b, b), rt::Mul(4 * a, c));
    double s = std::sqrt(std::fabs(d));
    if (d >= 0) {
        double q = -0.5 * (b + rt::Sgn(b) * s);
        return real(rt::Div(q, a), rt::Div(c, q));
    }
    return pair(Z(rt::Div(-b, 2 * a)), Z(rt::Div(s, 2 * a)));
}

namespace {
// A real root of a x³ + b x² + c x + d from the trigonometric or Cardano form
// carries the rounding of those steps, a few units of the last place of the
// roots' size: a root 0 came out as -3.5E-15. Newton steps on the
// coefficients themselves, each kept only when it brings the polynomial
// closer to 0, take it to the root the coefficients give (0 exactly there).
double Polished(double x, double a, double b, double c, double d) {
    auto p = [&](double t) { return ((a * t + b) * t + c) * t + d; };
    double fx = p(x);
    for (int step = 0; step < 3 && fx != 0 && std::isfinite(fx); ++step) {
        const double slope = (3 * a * x + 2 * b) * x + c;
        if (slope == 0 || !std::isfinite(slope)) break;
        const double next = x - fx / slope, fnext = p(next);
        if (!std::isfinite(next) || !(std::fabs(fnext) < std::fabs(fx))) break;
        x = next;
        fx = fnext;
    }
    return x;
}
}  // namespace

Roots SolveCubic(double a, double b, double c, double d) {
    Roots r = SolveCubicForm(a, b, c, d);
    if (a == 0.0) return r;
    for (int i = 0; i < r.real; ++i) r.x[static_cast<size_t>(i)] = Z(Polished(r.x[static_cast<size_t>(i)], a, b, c, d));
    return r;
}

namespace {
Roots SolveCubicForm(double a, double b, double c, double d) {
    if (a == 0.0) return SolveQuadratic(b, c, d);
    const double a1 = rt::Div(b, a), a2 = rt::Div(c, a), a3 = rt::Div(d, a);
    const double Q = rt::Checked((a1 * a1 - 3 * a2) / 9);
    const double R = rt::Checked((2 * a1 * a1 * a1 - 9 * a1 * a2 + 27 * a3) / 54);
    const double R2 = rt::Checked(R * R), Q3 = rt::Checked(Q * Q * Q);
    const double shift = a1 / 3;
    if (R2 < Q3) {
        // Three real roots. Rounding may carry the cosine a hair beyond 1.
        double cosTheta = std::clamp(R / std::pow(Q, 1.5), -1.0, 1.0);
        double theta = ArcCosDeg(cosTheta) * kDegToRad;
        double m = -2 * std::sqrt(Q);
        return Roots{3,
                     {Z(m * std::cos(theta / 3) - shift), Z(m * std::cos((theta + kTwoPi) / 3) - shift),
                      Z(m * std::cos((theta - kTwoPi) / 3) - shift)},
                     0.0,
                     0.0};
    }
    double sigma = R >= 0 ? 1.0 : -1.0;
    double A = -sigma * std::cbrt(std::fabs(R) + std::sqrt(R2 - Q3));
    double B = A == 0.0 ? 0.0 : Q / A;
    return Roots{1, {Z(A + B - shift), 0.0, 0.0}, Z(-(A + B) / 2 - shift), Z(std::sqrt(3.0) / 2 * (A - B))};
}
}  // namespace

std::optional<std::array<double, 2>> SolveTrigEquation(double a, double b, double c) {
    const double R = Hypot(a, b);
    const double phi = VectorAngleDeg(a, b);
    if (IsWithinPercent(std::fabs(c), R, 0.01)) {
        double alpha = c < 0 ? 0.0 : 180.0;
        return std::array<double, 2>{NormAngle(phi + alpha), NormAngle(phi - alpha)};
    }
    if (std::fabs(c) > R) return std::nullopt;
    double alpha = ArcCosDeg(-c / R);
    return std::array<double, 2>{NormAngle(phi - alpha), NormAngle(phi + alpha)};
}

bool IsWithinPercent(double a, double b, double pct) {
    double p = pct * 0.01;
    return (1 - p) * std::fabs(b) <= std::fabs(a) && std::fabs(a) <= (1 + p) * std::fabs(b);
}

}  // namespace num
