#include "numerics/equations.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"

namespace num {

namespace {
constexpr double kTwoPi = 6.28318530717958;
inline double Z(double x) { return x + 0.0; }  // no negative zero
}  // namespace

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

Roots SolveCubic(double a, double b, double c, double d) {
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
