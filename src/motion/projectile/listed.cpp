#include "motion/projectile/listed.h"

#include <cmath>

#include "motion/positions.h"
#include "motion/projectile/model.h"
#include "motion/state.h"
#include "numerics/calculus.h"
#include "numerics/equations.h"
#include "numerics/linalg.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace parab {

namespace {

const std::string kCrLf = "\r\n";

double Number(const std::string& text) { return rt::TextToNumber(rt::Trim(text)); }

std::string Solution(double v0, double th) {
    return "v!0 = " + text::MarkupNumber(v0) + ", ;q!0 = " + text::MarkupNumber(th) + "°";
}

}  // namespace

// ---------------------------------------------------------------- systems

StepResult TanAndSecSystem(const std::array<std::array<double, 3>, 3>& M, const std::array<double, 3>& r, int kind) {
    num::Matrix a(2, 2);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) a(i, j) = M[i][j];
    std::vector<double> b = {0, r[1], r[2]};
    std::vector<int> indx;
    double d = 0;
    std::string msg;
    num::LUDec(a, indx, d, msg);
    if (msg.empty()) num::LUBack(a, b, indx, msg);
    if (!msg.empty()) return Refuse(msg);
    const double T = b[1], s = b[2];
    if (!(s > 0)) return Refuse(kNoSolution);
    const double th = num::ArcTanDeg(T), c = num::CosDeg(th);
    const double v0 = kind == 1 ? 1 / std::sqrt(s * c * c) : 1 / (s * c);
    StepResult o;
    o.lines = {"Solución del sistema:", "v!0 = " + text::MarkupNumber(v0), ";q!0 = " + text::MarkupNumber(th) + "°"};
    return o;
}

StepResult TanSecPairWithV0Cos(double A, double B, double C, double D, double E, double F) {
    const auto r = num::SolveQuadratic(B * D * D, A * E * E - 2 * B * D * F, B * F * F - C * E * E);
    if (!Real(r)) return Refuse(kNoSolution);
    StepResult o;
    o.lines = {"Solución del sistema:"};
    for (int k = 0; k < 2; ++k) {
        const double th = num::ArcTanDeg(r.x[k]);
        const double v0 = rt::Div(E, (F - D * num::TanDeg(th)) * num::CosDeg(th));
        if (k == 1) o.lines.Add("o bien");
        o.lines.Add(Solution(v0, th));
    }
    return o;
}

StepResult TanSecWithComponent(double A, double B, double C, double D, int kind) {
    if (kind != 1 && kind != 2) return {};
    if (A == 0 || D == 0) return Refuse("Datos no válidos.");
    StepResult o;
    if (kind == 1) {
        const double th = num::ArcTanDeg((C - B / (D * D)) / A);
        o.lines = {"Solución del sistema:", Solution(D / num::CosDeg(th), th)};
        return o;
    }
    const auto r = num::SolveQuadratic(B / (D * D), A, -C);
    if (!Real(r)) return Refuse(kNoSolution);
    o.lines = {"Solución del sistema:"};
    for (int k = 0; k < 2; ++k) {
        const double th = num::ArcTanDeg(r.x[k]);
        if (k == 1) o.lines.Add("o bien");
        o.lines.Add(Solution(rt::Div(D, num::SinDeg(th)), th));
    }
    return o;
}

// ---------------------------------------------------------------- crossings

StepResult IntersectTrajectories() {
    const Launch L1 = LaunchNumbers(1), L2 = LaunchNumbers(2);
    const auto& m = Model();
    const bool both = m.kinds[1].complete && m.kinds[2].complete;
    // A body launched vertically has no trajectory coefficients of its own.
    if (both && (num::IsNear(L1.vx0, 0, kZeroTol) || num::IsNear(L2.vx0, 0, kZeroTol)))
        return Refuse("Maneja este caso con otra rutina.");
    if (!both) return Refuse("Me falta una de las ecuaciones de trayectoria.");
    const double a0[3] = {0, m.TrajCoefs0[1], m.TrajCoefs0[2]};
    const double a1[3] = {0, m.TrajCoefs1[1], m.TrajCoefs1[2]};
    const double a2[3] = {0, m.TrajCoefs2[1], m.TrajCoefs2[2]};
    auto timeAt = [&](double x, const Launch& L) { return rt::Div(x - L.x0, L.vx0) + L.t0; };
    auto point = [&](int k, double x, double y) {
        return std::vector<std::string>{
            "Punto de intersección " + std::to_string(k) + ":",
            "(" + text::FormatNumText(x) + ", " + text::FormatNumText(y) + ")",
            "Los móviles 1 y 2 pasan respectivamente por allí en ",
            "t = " + text::MarkupNumber(timeAt(x, L1)) + " y en t = " + text::MarkupNumber(timeAt(x, L2))};
    };
    StepResult o;
    if (a2[1] == a2[2]) {
        if (a1[1] == a1[2]) return Refuse("Las trayectorias no se intersecan.");
        const double x = (a0[1] - a0[2]) / (a1[2] - a1[1]);
        const double y = a0[1] + a1[1] * x + a2[1] * x * x;
        // One crossing: where it is and when each body passes there.
        o.lines = {"Punto de intersección:", "(" + text::FormatNumText(x) + ", " + text::FormatNumText(y) + ")",
                   "Los móviles 1 y 2 pasan respectivamente por allí en ",
                   "t = " + text::MarkupNumber(timeAt(x, L1)) + " y en t = " + text::MarkupNumber(timeAt(x, L2))};
        return o;
    }
    const auto r = num::SolveQuadratic(a2[2] - a2[1], a1[2] - a1[1], a0[2] - a0[1]);
    if (!Real(r)) return Refuse("Las trayectorias no se intersecan.");
    const double x1 = r.x[0], x2 = r.x[1];
    const double y1 = a0[1] + a1[1] * x1 + a2[1] * x1 * x1;
    const double y2 = a0[2] + a1[2] * x2 + a2[2] * x2 * x2;
    for (const auto& l : point(1, x1, y1)) o.lines.Add(l);
    for (const auto& l : point(2, x2, y2)) o.lines.Add(l);
    return o;
}

// ---------------------------------------------------------------- incline

StepResult RangeOnIncline(int body, const std::string& s1Text, const std::string& s2Text, double beta) {
    if (beta == 90) return Refuse("Resuelve el problema de otra manera.");
    rt::ExpectIndex(body, 1, 2, "body of the range on an incline");
    const BodyLaunch& l = Model().launch[body];
    const double t0 = l.t0.ToNumber(), x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber();
    const double vx = l.vx0.ToNumber(), v0 = l.v0.ToNumber(), th = l.theta0.ToNumber();
    const double s1 = Number(s1Text), s2 = Number(s2Text);
    const double tb = num::TanDeg(beta);
    const double a = rt::Div(kHalfG, std::pow(v0 * num::CosDeg(th), 2));
    const auto r = num::SolveQuadratic(a, tb - num::TanDeg(th), s2 - s1 * tb);
    if (!Real(r)) return Refuse("La trayectoria del móvil " + std::to_string(body) + " no interseca la recta.");
    StepResult o;
    for (int i = 0; i < 2; ++i) {
        const double X = r.x[i];
        const double x = x0 + X, y = (s2 + y0) + tb * (X - s1);
        const double t = t0 + rt::Div(X, vx);
        const double Rng = num::Hypot(x - s1 - x0, y - s2 - y0);
        const std::string k = std::to_string(i + 1);
        o.lines.Add("Solución " + k + ":" + kCrLf + "$r!c = (" + text::FormatNumText(x) + ", " +
                    text::FormatNumText(y) + "), t!c = " + text::FormatNumText(t) + kCrLf +
                    "Alcance sobre el plano inclinado: R!" + k + " = " + text::FormatNumText(Rng));
    }
    return o;
}

// ---------------------------------------------------------------- distance

Distance PathDistance(int body, double t1, double& t2) {
    Distance d;
    d.message = "No pude calcular la distancia recorrida.";
    if (t1 == t2) return d;
    if (t1 > t2) std::swap(t1, t2);
    rt::ExpectIndex(body, 1, 2, "body of the path distance");
    const auto& m = Model();
    const double A1 = m.TrajCoefs1[body], A2 = m.TrajCoefs2[body];
    const BodyLaunch& l = m.launch[body];
    const double x0 = l.x0.ToNumber(), vx = l.vx0.ToNumber(), t0 = l.t0.ToNumber();
    const std::string expr = "r(1 + (" + rt::NumberText(A1) + "+2*" + rt::NumberText(A2) + "*X" + ")^2)";
    const double xa = (t1 - t0) * vx + x0, xb = (t2 - t0) * vx + x0;
    double S = 0;
    for (double eps : {1E-06, 1E-04, 1E-03}) {
        const rt::Outcome<num::SimpsonIntegral> s = num::IntegrateExpr(expr, xa, xb, eps);
        S = s.ok() ? s->value : 0;
        if (S != 0) break;
    }
    if (S == 0) return d;
    d.message.clear();
    d.S = S;
    d.lines = {"La distancia recorrida por el móvil " + std::to_string(body) + " entre" + kCrLf + "los tiempos " +
                   text::MarkupNumber(t1) + " y " + text::MarkupNumber(t2) + ", correspondientes a las posiciones" +
                   kCrLf + "x = " + text::FormatNumText(xa) + " y x = " + text::FormatNumText(xb) + " es:",
               text::FormatNumText(S)};
    return d;
}

// ---------------------------------------------------------------- collision

CollisionPlan PlanCollision(const std::string& tcText) {
    CollisionPlan p;
    const auto& m = Model();
    const int col = motion::TableColOfPoint(2, 0);
    if (motion::ComponentColumn(col)) {
        p.message = "El modo cs-md del móvil 2 debe ser \"md\".";
        return p;
    }
    if (!m.kinds[1].complete) {
        p.message = "No tengo las ecs. de mov. del móvil 1.";
        return p;
    }
    const BodyLaunch& l1 = m.launch[1];
    if (l1.t0.ToNumber() != 0) {
        p.message = "En esta rutina el tiempo inicial del primer móvil debe ser 0.";
        return p;
    }
    if (m.kinds[2].complete) {
        p.message = "Las ecs. de mov. del móvil 2 deben tener al menos un parámetro V0 o Theta0.";
        return p;
    }
    if (!m.kinds[2].v0 && !m.kinds[2].theta0 && !m.kinds[2].v0theta0) {
        p.message = "Debes plantear las ecs. de mov. del móvil 2.";
        return p;
    }
    const double x0 = l1.x0.ToNumber(), y0 = l1.y0.ToNumber(), v0 = l1.v0.ToNumber();
    const double th0 = l1.theta0.ToNumber();
    const double vx1 = v0 * num::CosDeg(th0), vy1 = v0 * num::SinDeg(th0);
    auto x1 = [&](double t) { return x0 + vx1 * t; };
    auto y1 = [&](double t) { return y0 + vy1 * t - kHalfG * t * t; };
    const BodyLaunch& l2 = m.launch[2];
    const double T0 = l2.t0.ToNumber(), X0 = l2.x0.ToNumber(), Y0 = l2.y0.ToNumber();
    const bool noV = l2.v0.IsEmptyText(), noTh = l2.theta0.IsEmptyText(), noTc = tcText.empty();
    const std::string head1 = "Móvil 2: T!0 = " + text::MarkupNumber(T0) + ", X!0 = " + text::MarkupNumber(X0);

    if (noV && noTh && !noTc) {
        const double tc = Number(tcText);
        if (!(tc > T0)) {
            p.message = "El tiempo del choque debe ser mayor que el tiempo inicial del móvil 2.";
            return p;
        }
        const double tau = tc - T0;
        const double Dx = x1(tc) - X0, Dy = y1(tc) - Y0 + kHalfG * tau * tau;
        const double th = num::VectorAngleDeg(Dx / tau, Dy / tau);
        const double V = num::Hypot(Dx, Dy) / tau;
        p.kase = 1;
        p.V0s = {V};
        p.thetas = {th};
        p.writeFirst = false;
        p.lines = {
            head1, "Y!0 = " + text::MarkupNumber(Y0) + ", t!c = " + text::MarkupNumber(tc),
            "Se halló:" + kCrLf + "V!0 = " + text::FormatNumText(V) + ", ;q!2 = " + text::FormatNumText(th),
            "Chocan en:" + kCrLf + "x!c = " + text::FormatNumText(x1(tc)) + ", y!c = " + text::FormatNumText(y1(tc))};
        return p;
    }
    if (noV && !noTh && noTc) {
        const double Th = l2.theta0.ToNumber();
        const double sT = num::SinDeg(Th), cT = num::CosDeg(Th);
        const double Num = (X0 - x0) * (vy1 - kG * T0) + vx1 * (y0 - Y0 + kHalfG * T0 * T0);
        const double Den =
            (X0 - x0) * sT - (Y0 - y0 - kHalfG * T0 * T0) * cT + v0 * T0 * num::SinDeg(th0 - Th) - kG * T0 * T0 * cT;
        if (Den == 0) {
            p.message = "No existe solución.";
            return p;
        }
        const double V = Num / Den;
        double tc = 0;
        if (num::IsNear(vx1, V * cT, kZeroTol)) {
            // Equal horizontal speeds: the heights fix the time (the t^2
            // terms cancel).
            const double div = vy1 - V * sT - kG * T0;
            if (div == 0) {
                p.message = "No existe solución.";
                return p;
            }
            tc = (Y0 - y0 - V * sT * T0 - kHalfG * T0 * T0) / div;
        } else {
            tc = ((X0 - x0) - V * T0 * cT) / (vx1 - V * cT);
        }
        // Body 2 can hit only after its own launch.
        if (!(tc > T0)) {
            p.message = "No existe solución.";
            return p;
        }
        p.kase = 2;
        p.V0s = {V};
        p.thetas = {Th};
        p.writeFirst = false;
        p.lines = {
            head1, "Y!0 = " + text::MarkupNumber(Y0) + ", ;q!2 = " + l2.theta0.ToText() + "°",
            "Se halló:" + kCrLf + "V!0 = " + text::FormatNumText(V) + ", t!c = " + text::FormatNumText(tc),
            "Chocan en:" + kCrLf + "x!c = " + text::FormatNumText(x1(tc)) + ", y!c = " + text::FormatNumText(y1(tc))};
        return p;
    }
    if (!noV && noTh && noTc) {
        const double V = l2.v0.ToNumber();
        const double dx = x0 - X0, dy = y0 - Y0 + kHalfG * T0 * T0, w = vy1 - kG * T0;
        const double a = vx1 * vx1 + w * w - V * V;
        const double b = 2 * dx * vx1 + 2 * dy * w + 2 * V * V * T0;
        const double c = dx * dx + dy * dy - V * V * T0 * T0;
        const auto r = num::SolveQuadratic(a, b, c);
        if (!Real(r)) {
            p.message = "No existe solución.";
            return p;
        }
        std::vector<double> tcs, ths;
        for (int k = 0; k < 2; ++k) {
            const double tc = r.x[k];
            // Body 2 can hit only after its own launch.
            if (!(tc > T0)) continue;
            const double ck = rt::Div(dx + vx1 * tc, V * (tc - T0));
            if (std::fabs(ck) > 1) continue;
            // The sine the heights require picks the half-plane of the angle.
            const double sk = (dy + w * tc) / (V * (tc - T0));
            const double th = num::ArcCosDeg(ck);
            tcs.push_back(tc);
            ths.push_back(sk < 0 ? -th : th);
        }
        if (tcs.empty()) {
            p.message = kNoSolution;
            return p;
        }
        p.kase = 3;
        const std::string head2 = "Y!0 = " + text::MarkupNumber(Y0) + ", V!0 = " + l2.v0.ToText();
        p.thetas = ths;
        p.V0s.assign(ths.size(), V);
        if (tcs.size() == 1) {
            p.writeFirst = true;
            p.lines = {head1, head2, "Se halló t!c = " + text::MarkupNumber(tcs[0]),
                       "correspondiente a ;Q!2 = " + text::MarkupNumber(ths[0])};
        } else {
            p.writeFirst = false;
            p.prompt = "Los móviles chocan cuando" + kCrLf + "tc = " + rt::NumberText(tcs[0]) +
                       " o cuando tc = " + rt::NumberText(tcs[1]) + "," + kCrLf +
                       "que corresponden a THETA = " + rt::NumberText(ths[0]) + " y THETA = " + rt::NumberText(ths[1]) +
                       kCrLf + "Para plantear las ecuaciones con el primer ángulo oprime el " + kCrLf +
                       "botón \"Sí\". Para con el segundo oprime \"No\".";
            p.lines = {
                head1, head2,
                "Se hallaron t!c = " + text::MarkupNumber(tcs[0]) + " y t!c = " + text::MarkupNumber(tcs[1]),
                "correspondientes a ;Q!2 = " + text::MarkupNumber(ths[0]) + " y ;Q!2 = " + text::MarkupNumber(ths[1])};
        }
        return p;
    }
    return p;
}

// ---------------------------------------------------------------- ground mover

MeetPlan PlanMeetMover(const std::string& uText, const std::string& tcText) {
    MeetPlan p;
    const BodyLaunch& l = Model().launch[1];
    const double t0 = l.t0.ToNumber(), x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber();
    p.t0 = t0;
    p.x0 = x0;
    p.y0 = y0;
    const bool hasV = !l.v0.IsEmptyText(), hasTh = !l.theta0.IsEmptyText();
    const bool hasU = !uText.empty(), hasTc = !tcText.empty();
    const std::string data = "Datos: x!0 = " + text::MarkupNumber(x0) + ", y!0 = " + text::MarkupNumber(y0) + kCrLf +
                             "t!0 = " + text::MarkupNumber(t0);
    if (!hasV && !hasTh && hasU && hasTc) {
        const double u = Number(uText), tc = Number(tcText);
        const double T = tc - t0;
        const double vy = rt::Div(kHalfG * T * T - y0, T), vx = rt::Div(u * tc - x0, T);
        const double th = num::VectorAngleDeg(vx, vy), v0 = num::Hypot(vx, vy);
        p.kase = 1;
        p.lines = {
            data + ", u = " + uText + ", t!c = " + tcText,
            "Se halló v!0 = " + text::FormatNumText(v0) + ", ;q!0 = " + text::FormatNumText(th),
            "El proyectil encuentra al móvil en el punto " + kCrLf + "x = " + text::FormatNumText(u * tc) + ", y = 0",
            ""};
        p.launches = {{v0, th}};
        return p;
    }
    if (!hasV && hasTh && hasU && !hasTc) {
        const double u = Number(uText), th = l.theta0.ToNumber();
        p.kase = 2;
        if (th == 0) {
            if (y0 == 0) {
                p.message = "Caso no aplicable.";
                return p;
            }
            if (y0 < 0) {
                p.message = kNoSolution;
                return p;
            }
            const double T = std::sqrt(2 * y0 / kG), tc = T + t0;
            const double v0 = (u * tc - x0) / T;
            p.lines = {data + ", u = " + uText, "Solución: Alcance en t!c = " + text::MarkupNumber(tc) + kCrLf +
                                                    "con v!0 = " + text::MarkupNumber(v0)};
            p.launches = {{v0, th}};
            p.ask = Ask::YesNo;
            p.prompt = "¿Deseas plantear las ecuaciones con la solución obtenida?";
            return p;
        }
        const double k = u * t0 - x0, tn = num::TanDeg(th);
        const auto r = num::SolveQuadratic(kHalfG, -u * tn, -y0 - k * tn);
        if (!Real(r)) {
            p.message = kNoSolution;
            return p;
        }
        p.lines = {data + ", u = " + uText};
        std::vector<double> tcs;
        for (int i = 0; i < 2; ++i) {
            const double T = r.x[i];
            const double v0 = rt::Div(kHalfG * T * T - y0, num::SinDeg(th) * T);
            tcs.push_back(T + t0);
            p.launches.push_back({v0, th});
            p.lines.Add("Solución " + std::to_string(i + 1) + ": Alcance en t!c = " + text::MarkupNumber(T + t0) +
                        kCrLf + "con v!0 = " + text::MarkupNumber(v0));
        }
        p.lines.Add("");
        p.ask = Ask::YesNoCancel;
        p.prompt = "Para plantear las ecuaciones con la primera solución oprime" + kCrLf +
                   "el botón \"Sí\". Para con la segunda oprime \"No\".";
        p.title = "Soluciones: tc = " + text::RoundedText(tcs[0]) + " y " + text::RoundedText(tcs[1]);
        return p;
    }
    if (hasV && !hasTh && !hasU && hasTc) {
        const double v0 = l.v0.ToNumber(), tc = Number(tcText), T = tc - t0;
        const double s = rt::Div(kHalfG * T * T - y0, v0 * T);
        if (std::fabs(s) > 1) {
            p.message = kNoSolution;
            return p;
        }
        const double th = num::ArcSinDeg(s);
        const double u = rt::Div(x0 + v0 * num::CosDeg(th) * T, tc);
        p.kase = 3;
        p.lines = {data + ", t!c = " + tcText,
                   "Solución: u = " + text::FormatNumText(u) + ", ;q!0 = " + text::FormatNumText(th),
                   "El choque es en x = " + text::FormatNumText(u * tc)};
        p.launches = {{v0, th}};
        p.ask = Ask::OKCancel;
        p.prompt = "Para plantear las ecuaciones de movimiento con el valor " + kCrLf +
                   "calculado del ángulo oprime el botón \"Aceptar\".";
        return p;
    }
    if (!hasV && hasTh && !hasU && hasTc) {
        const double th = l.theta0.ToNumber(), tc = Number(tcText), T = tc - t0;
        const double v0 = rt::Div(kHalfG * T * T - y0, T * num::SinDeg(th));
        const double u = rt::Div(x0 + v0 * num::CosDeg(th) * T, tc);
        p.kase = 4;
        p.lines = {data + ", ;q = " + l.theta0.ToText() + ", t!c = " + text::MarkupNumber(tc),
                   "Solución: v!0 = " + text::FormatNumText(v0) + ", u = " + text::FormatNumText(u),
                   "El choque es en x = " + text::FormatNumText(u * tc)};
        p.launches = {{v0, th}};
        p.ask = Ask::OKCancel;
        p.prompt = "Para plantear las ecuaciones de movimiento con el valor " + kCrLf +
                   "calculado de v0 oprime el botón \"Aceptar\".";
        return p;
    }
    if (hasV && !hasTh && hasU && !hasTc) {
        const double u = Number(uText), v0 = l.v0.ToNumber();
        const double k = u * t0 - x0, D = u * u - kG * y0 - v0 * v0, uk2 = 2 * u * k;
        p.kase = 5;
        p.u = u;
        p.v0 = v0;
        p.poly = rt::NumberText(std::pow(kG, 2) * 0.25) + "*X^4" + (D >= 0 ? "+" : "-") + rt::NumberText(std::fabs(D)) +
                 "*X^2" + (uk2 < 0 ? "-" : "+") + rt::NumberText(std::fabs(uk2)) + "*X" + "+" +
                 rt::NumberText(k * k + y0 * y0);
        return p;
    }
    return p;
}

std::string MoverQuarticPrompt() {
    return "Resulta una ecuación cuártica para el tiempo tc-t0" + kCrLf +
           "Se buscará una solución para el tiempo tc-t0" + kCrLf +
           "entre tc-t0 = 0 y el valor de tc-t0 que especifiques aquí.";
}

text::ResultLines MoverQuarticLines(const MeetPlan& p, const std::string& uText, const std::string& v0Text, double B,
                                    const std::vector<double>& roots, const std::vector<double>& fvals) {
    const double k = p.u * p.t0 - p.x0;
    if (fvals.size() != roots.size()) rt::Fault("a root of the collision polynomial without its value");
    std::string found;
    for (size_t i = 0; i < roots.size(); ++i) {
        const double T = roots[i];
        // The angle that meets both conditions: horizontal u T + k, vertical
        // 4.9 T^2 - y0, both over v0 T.
        const double vt = rt::Div(1.0, p.v0 * T);
        const double th = num::VectorAngleDeg((p.u * T + k) * vt, (kHalfG * T * T - p.y0) * vt);
        found += "Se halló la raíz t!c = " + text::MarkupNumber(T + p.t0) + " en el intervalo [" +
                 text::MarkupNumber(p.t0) + ", " + text::MarkupNumber(p.t0 + B) + "]." + kCrLf +
                 "El polinomio en T vale " + text::MarkupNumber(fvals[i]) + " allí." + kCrLf +
                 "Corresponde a ;q!0 = " + text::MarkupNumber(th) + kCrLf;
    }
    return {"Datos: u = " + uText + ", v!0 = " + v0Text,
            "El problema planteado da lugar a la siguiente ecuación para" + kCrLf +
                "T = t!c ;- t!0, donde t!c es el tiempo del encuentro entre el proyectil y el móvil:",
            p.poly + " = 0",
            found,
            "Verifica que el o los valores encontrados para tc sean mayores que t0.",
            "Se insertó el polinomio en la casilla de la calculadora por si deseas modificar el "
            "intervalo de búsqueda."};
}

}  // namespace parab
