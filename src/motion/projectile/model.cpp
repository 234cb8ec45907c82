#include "motion/projectile/model.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace parab {

using text::FormatTerm;

ParabModel& Model() {
    static ParabModel m;
    return m;
}

Symbols BodySymbols(int body) {
    rt::ExpectIndex(body, 1, 2, "projectile body");
    const auto& s = shell::Shared();
    return {s.ParabXSymbols[body], s.ParabYSymbols[body], s.ParabVxSymbols[body], s.ParabVySymbols[body],
            s.VelocitySymbols[body][1]};
}

double RoundedFine(double x) { return rt::RoundHalfEven(x, std::max(text::G().Decimals, 6)); }

void ClearKinds(int body) {
    rt::ExpectIndex(body, 1, 2, "projectile body");
    Model().kinds[body] = {};
}

void ClearAllKinds() {
    ClearKinds(1);
    ClearKinds(2);
}

namespace {

std::string FirstTerm(double c, const rt::Variant& s) { return FormatTerm(false, false, c, s); }
std::string NextTerm(double c, const rt::Variant& s) { return FormatTerm(true, false, c, s); }
std::string FirstTermOrZero(double c, const rt::Variant& s) { return FormatTerm(false, true, c, s); }

// A right-hand side whose first term vanished: the next one loses its
// " + ", or has its minus set next to it.
std::string Rhs(std::string s) {
    if (s.rfind(" + ", 0) == 0)
        s.erase(0, 3);
    else if (s.rfind(" ;- ", 0) == 0)
        s.replace(0, 4, ";-");
    return s;
}

// A group with its own sign or bracket, left out whole when its term is
// empty.
std::string Group(const std::string& lead, const std::string& term, const std::string& tail = "") {
    return term.empty() ? "" : lead + term + tail;
}

// The angle of the report line: "30 °", ";-45 °", "0".
std::string AngleText(double theta) {
    const double r = text::Rounded(theta);
    if (r == 0) return "0";
    return text::FormatNumText(r) + " °";
}

std::string ValueText(double a) { return FormatTerm(false, true, text::Rounded(a), 1); }

double Num(const rt::Variant& v) { return v.ToNumber(); }

}  // namespace

std::array<std::string, 6> EquationTexts(int body, int kase, const BodyLaunch& l, double K) {
    const Symbols s = BodySymbols(body);
    std::array<std::string, 6> e{};
    const double t0 = Num(l.t0), x0 = Num(l.x0), y0 = Num(l.y0);
    const std::string T = t0 == 0 ? "t" : "(t" + FormatTerm(true, true, text::Rounded(-t0), 1) + ")";
    const std::string X = x0 == 0 ? s.xs : "(" + s.xs + FormatTerm(true, true, text::Rounded(-x0), 1) + ")";
    const std::string vertical = "La trayectoria es la recta " + s.xs + " = " + l.x0.ToText();
    std::array<std::string, 6> rhs{};
    bool verticalLine = false;
    switch (kase) {
    case 1: {
        const double vx = Num(l.vx0), vy = Num(l.vy0);
        const double Bx = x0 - vx * t0, Cy = y0 - vy * t0 - kHalfG * t0 * t0, By = vy + kG * t0;
        const bool vert = num::IsNear(vx, 0, kZeroTol);
        rhs[1] = vert ? l.x0.ToText() : FirstTerm(text::Rounded(Bx), 1) + NextTerm(text::Rounded(vx), "t");
        rhs[2] = FirstTermOrZero(text::Rounded(vx), 1);
        rhs[3] = FirstTerm(text::Rounded(Cy), 1) + NextTerm(text::Rounded(By), "t") + NextTerm(-kHalfG, "t¡2");
        rhs[4] = FirstTerm(text::Rounded(By), 1) + NextTerm(-kG, "t");
        if (vert) {
            verticalLine = true;
        } else {
            const double th = Num(l.theta0);
            const double tn = num::TanDeg(th);
            const double A0 = y0 - tn * x0 - K * x0 * x0, A1 = tn + 2 * K * x0, A2 = -K;
            rhs[5] = FirstTerm(text::Rounded(A0), 1) + NextTerm(text::Rounded(A1), s.xs) +
                     NextTerm(RoundedFine(A2), s.xs + "¡2");
        }
        break;
    }
    case 2: {
        const double v0 = Num(l.v0);
        rhs[1] = FirstTerm(text::Rounded(x0), 1) + NextTerm(text::Rounded(v0), "cos ;q " + T);
        rhs[2] = NextTerm(text::Rounded(v0), "cos ;q ");
        rhs[3] =
            FirstTerm(text::Rounded(y0), 1) + NextTerm(text::Rounded(v0), "sen ;q " + T) + NextTerm(-kHalfG, T + "¡2");
        rhs[4] = NextTerm(text::Rounded(v0), "sen ;q ") + NextTerm(-kG, T);
        rhs[5] = FirstTerm(text::Rounded(y0), 1) + NextTerm(1, "tan ;q " + X) +
                 Group(" ;- (", FirstTerm(RoundedFine(rt::Div(kHalfG, v0 * v0)), "/cos¡2 ;q) " + X + "¡2"));
        break;
    }
    case 3: {
        const double th = Num(l.theta0);
        const double c = num::CosDeg(th), sn = num::SinDeg(th);
        rhs[1] = FirstTerm(text::Rounded(x0), 1) + NextTerm(text::Rounded(c), s.vs + "!0" + T);
        rhs[2] = FirstTermOrZero(text::Rounded(c), s.vs + "!0");
        rhs[3] = FirstTerm(text::Rounded(y0), 1) + NextTerm(text::Rounded(sn), s.vs + "!0" + T) +
                 NextTerm(-kHalfG, T + "¡2");
        rhs[4] = NextTerm(text::Rounded(sn), s.vs + "!0") + NextTerm(-kG, T);
        if (th == 90 || th == -90) {
            verticalLine = true;
        } else {
            rhs[5] = FirstTerm(text::Rounded(y0), 1) + NextTerm(text::Rounded(num::TanDeg(th)), X) +
                     Group(" ;- (", FirstTerm(text::Rounded(rt::Div(kHalfG, c * c)), "/" + s.vs + "!0¡2)" + X + "¡2"));
        }
        break;
    }
    case 4:
        rhs[1] = FirstTerm(text::Rounded(x0), 1) + NextTerm(1, s.vs + "!0 cos ;q " + T);
        rhs[2] = NextTerm(1, s.vs + "!0 cos ;q");
        rhs[3] = FirstTerm(text::Rounded(y0), 1) + NextTerm(1, s.vs + "!0 sen ;q " + T) + NextTerm(-kHalfG, T + "¡2");
        rhs[4] = NextTerm(1, s.vs + "!0 sen ;q") + NextTerm(-kG, T);
        rhs[5] = FirstTerm(text::Rounded(y0), 1) + NextTerm(1, "tan ;q " + X) +
                 Group(" ;- (", FirstTerm(1, std::string(kHalfGText) + "/" + s.vs + "!0¡2 cos¡2 ;q)" + X + "¡2"));
        break;
    case 5: {
        const double vx = Num(l.vx0);
        rhs[1] = FirstTerm(text::Rounded(x0), 1) + NextTerm(text::Rounded(vx), T);
        rhs[2] = NextTerm(1, text::Rounded(vx));
        rhs[3] = FirstTerm(text::Rounded(y0), 1) + NextTerm(1, s.vs + "!0!y " + T) + NextTerm(-kHalfG, T + "¡2");
        rhs[4] = NextTerm(1, s.vs + "!0!y ") + NextTerm(-kG, T);
        if (vx == 0) {
            verticalLine = true;
        } else {
            rhs[5] = FirstTerm(text::Rounded(y0), 1) + NextTerm(RoundedFine(1 / vx), s.vs + "!0!y " + X) +
                     Group(" ;- ", FirstTerm(RoundedFine(kHalfG / (vx * vx)), X + "¡2"));
        }
        break;
    }
    case 6: {
        const double vy = Num(l.vy0);
        rhs[1] = FirstTerm(text::Rounded(x0), 1) + NextTerm(1, s.vs + "!0!x " + T);
        rhs[2] = NextTerm(1, s.vs + "!0!x");
        rhs[3] = FirstTerm(text::Rounded(y0), 1) + NextTerm(text::Rounded(vy), T) + NextTerm(-kHalfG, T + "¡2");
        rhs[4] = NextTerm(text::Rounded(vy), 1) + NextTerm(-kG, T);
        rhs[5] = FirstTerm(text::Rounded(y0), 1) +
                 Group(" + (", FirstTerm(text::Rounded(vy), "/" + s.vs + "!0!x)" + X)) + " ;- (" + kHalfGText + "/" +
                 s.vs + "!0!x¡2)" + X + "¡2";
        break;
    }
    default: return e;
    }
    const std::string lhs[6] = {"", s.xs, s.vxs, s.ys, s.vys, s.ys};
    for (int j = 1; j <= 5; ++j) e[j] = lhs[j] + " = " + Rhs(rhs[j]);
    if (verticalLine) e[5] = vertical;
    return e;
}

SetUpPlan PlanSetUp(int body, const rt::Variant& t0, const rt::Variant& x0, const rt::Variant& y0, const rt::Variant& p,
                    const rt::Variant& q, bool components) {
    rt::ExpectIndex(body, 1, 2, "projectile body");
    SetUpPlan plan;
    if (t0.IsEmptyText() || x0.IsEmptyText() || y0.IsEmptyText()) {
        plan.message = "Debes dar el tiempo t0 y la posición inicial (x0, y0)";
        return plan;
    }
    BodyLaunch& l = plan.launch;
    l.t0 = t0;
    l.x0 = x0;
    l.y0 = y0;
    const double T0 = t0.ToNumber(), X0 = x0.ToNumber(), Y0 = y0.ToNumber();
    double K = 0;
    if (!components) {
        l.v0 = p;
        l.theta0 = q;
        if (!p.IsEmptyText() && p.ToNumber() == 0) {
            plan.message = "La velocidad inicial no puede ser cero.";
            return plan;
        }
        const bool hasV = !p.IsEmptyText(), hasT = !q.IsEmptyText();
        plan.kase = hasV && hasT ? 1 : hasV ? 2 : hasT ? 3 : 4;
        if (plan.kase == 1) {
            const double v0 = p.ToNumber(), th = q.ToNumber();
            if (v0 <= 0) {
                plan.message = "Magnitud no válida (cero o negativa) para la velocidad de lanzamiento.";
                return plan;
            }
            const double c = num::CosDeg(th);
            l.vx0 = c * v0;
            l.vy0 = num::SinDeg(th) * v0;
            if (c != 0) K = kHalfG / ((c * v0) * (c * v0));
        } else {
            // Unknowns the case cannot derive are stored as the empty value.
            l.vx0 = rt::Variant();
            l.vy0 = rt::Variant();
            if (hasV) p.ToNumber();
            if (hasT) q.ToNumber();
        }
    } else {
        l.vx0 = p;
        l.vy0 = q;
        const bool hasX = !p.IsEmptyText(), hasY = !q.IsEmptyText();
        if (!hasX && !hasY) {
            plan.message =
                "Trabaja con las ecuaciones en términos de la velocidad inicial y el ángulo de "
                "lanzamiento.";
            return plan;
        }
        plan.kase = hasX && hasY ? 1 : hasX ? 5 : 6;
        if (plan.kase == 1) {
            const double vx = p.ToNumber(), vy = q.ToNumber();
            l.v0 = std::sqrt(vx * vx + vy * vy);
            l.theta0 = num::VectorAngleDeg(vx, vy);
            if (vx != 0) K = kHalfG / (vx * vx);
        } else if (plan.kase == 5) {
            p.ToNumber();
            l.v0 = rt::Variant();
            l.theta0 = rt::Variant();
        } else {
            q.ToNumber();
            l.v0 = rt::Variant();
            l.theta0 = rt::Variant(std::string());
        }
    }

    const Symbols s = BodySymbols(body);
    plan.lines = text::ResultLines(3);
    plan.lines[1] = "Ecuaciones de movimiento, móvil " + std::to_string(body);
    std::string l2 = "En t = " + text::FormatNumText(T0) + ": " + s.xs + " = " + text::FormatNumText(X0) + ", " + s.ys +
                     " = " + text::FormatNumText(Y0);
    switch (plan.kase) {
    case 1:
        if (!components)
            l2 += ", " + s.vs + "!0 = " + text::FormatNumText(l.v0.ToNumber()) +
                  ", ;q = " + AngleText(l.theta0.ToNumber());
        else
            l2 += ", " + s.vs + "!0!x = " + ValueText(l.vx0.ToNumber()) + ", " + s.vs +
                  "!0!y = " + ValueText(l.vy0.ToNumber());
        break;
    case 2: l2 += ", " + s.vs + "!0 = " + ValueText(l.v0.ToNumber()); break;
    case 3: l2 += ", ;q = " + AngleText(l.theta0.ToNumber()); break;
    case 5: l2 += ", " + s.vs + "!0!x = " + ValueText(l.vx0.ToNumber()); break;
    case 6: l2 += ", " + s.vs + "!0!y = " + ValueText(l.vy0.ToNumber()); break;
    default: break;
    }
    plan.lines[2] = l2;
    if (plan.kase == 1) {
        const double vx = l.vx0.ToNumber(), vy = l.vy0.ToNumber();
        // Checked: a launch so fast that the range or the height overflows
        // fails the set-up instead of showing them blank.
        if (vy > 0)
            plan.lines[3] = "R = " + text::FormatNumText(std::fabs(rt::Div(rt::Mul(2 * vx, vy), kG))) +
                            ",   t!v = " + text::FormatNumText(rt::Div(vy, kHalfG)) +
                            ",  h = " + text::FormatNumText(rt::Div(rt::Mul(vy, vy), kTwoG));
        if (!num::IsNear(vx, 0, kZeroTol)) {
            const double tn = num::TanDeg(l.theta0.ToNumber());
            plan.storeCoefs = true;
            plan.A0 = rt::Checked(Y0 - tn * X0 - K * X0 * X0);
            plan.A1 = rt::Checked(tn + 2 * K * X0);
            plan.A2 = -K;
        }
    }
    plan.eqns = EquationTexts(body, plan.kase, l, K);
    return plan;
}

void StoreSetUp(ParabModel& m, int body, const SetUpPlan& plan) {
    rt::ExpectIndex(body, 1, 2, "projectile body");
    m.kinds[body] = {};
    if (!plan.message.empty()) return;
    m.launch[body] = plan.launch;
    if (plan.storeCoefs) {
        m.TrajCoefs0[body] = plan.A0;
        m.TrajCoefs1[body] = plan.A1;
        m.TrajCoefs2[body] = plan.A2;
    }
    auto& k = m.kinds[body];
    switch (plan.kase) {
    case 1: k.complete = true; break;
    case 2: k.theta0 = true; break;
    case 3: k.v0 = true; break;
    case 4: k.v0theta0 = true; break;
    case 5: k.v0y = true; break;
    case 6: k.v0x = true; break;
    default: break;
    }
}

Launch LaunchNumbers(const ParabModel& m, int body) {
    rt::ExpectIndex(body, 1, 2, "projectile body");
    const BodyLaunch& l = m.launch[body];
    return {l.t0.ToNumber(), l.x0.ToNumber(), l.y0.ToNumber(), l.vx0.ToNumber(), l.vy0.ToNumber()};
}

Launch LaunchNumbers(int body) { return LaunchNumbers(Model(), body); }

TrajectoryPoint PointWhereVy(const Launch& l, double vy) {
    const double t = l.t0 + rt::Div(l.vy0 - vy, kG), dt = t - l.t0;
    return {t, l.x0 + rt::Mul(l.vx0, dt), l.y0 + rt::Mul(l.vy0, dt) - rt::Mul(kHalfG, rt::Mul(dt, dt))};
}

namespace {
bool PlainNumber(const rt::Variant& v) { return !v.IsEmptyText() && num::IsNumber(v); }
}  // namespace

PointDatum ChoosePointDatum(const ColumnCells& c, const rt::Variant& dt, const rt::Variant& dy, bool components) {
    if (PlainNumber(c[0])) return {5, c[0], {}};
    if (PlainNumber(c[1])) return {6, c[1], {}};
    if (PlainNumber(c[2])) return {7, c[2], {}};
    if (PlainNumber(c[4])) return {components ? 9 : 11, c[4], {}};
    if (PlainNumber(dt) && PlainNumber(dy)) return {8, dt, dy};
    if (PlainNumber(c[3])) return {10, c[3], {}};
    return {};
}

std::optional<LaunchPair> ChooseLaunchPair(const ColumnCells& cells, bool forV0Theta) {
    static const LaunchPair speedAngle[] = {{12, 0, 1}, {13, 0, 2}, {14, 1, 2}, {15, 0, 3}, {16, 1, 3},
                                            {17, 2, 3}, {18, 0, 4}, {19, 1, 4}, {20, 2, 4}};
    static const LaunchPair components[] = {{12, 0, 1}, {13, 0, 2}, {14, 1, 2}, {16, 1, 3}, {19, 1, 4},
                                            {15, 0, 3}, {18, 0, 4}, {17, 2, 3}, {20, 2, 4}};
    for (const LaunchPair& p : forV0Theta ? speedAngle : components)
        if (PlainNumber(cells[p.a]) && PlainNumber(cells[p.b])) return p;
    return std::nullopt;
}

}  // namespace parab
