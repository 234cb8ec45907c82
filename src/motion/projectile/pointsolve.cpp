#include "motion/projectile/pointsolve.h"

#include <cmath>

#include "motion/positions.h"
#include "motion/projectile/model.h"
#include "motion/state.h"
#include "numerics/equations.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace parab {

const char kSearchTitle[] = "Dar límite superior del intervalo de búsqueda";
const char kNoRootsInInterval[] = "No encontré raíces en el intervalo dado.";

namespace {

using text::FormatTerm;
const std::string kCrLf = "\r\n";
const std::string kAlpha90 = "El ángulo alfa no puede ser 90° ni -90°.";
const std::string kNotAfterLaunch = "El móvil no alcanza esa altura después del lanzamiento.";

// Texts of a plain message box, which shows no markup: t - t0 ("t",
// "(t - 2)", "(t + 2)"), and a term c s added to a relation (" + 3 s",
// " - s", or "" when c rounds to 0).
std::string PlainShift(double t0) {
    if (text::Rounded(t0) == 0) return "t";
    return std::string("(t ") + (t0 < 0 ? "+ " : "- ") + text::RoundedText(std::fabs(t0)) + ")";
}
std::string PlainTerm(double c, const std::string& s) {
    const double r = text::Rounded(c);
    if (r == 0) return "";
    const std::string sign = r < 0 ? " - " : " + ";
    return sign + (std::fabs(r) == 1 ? "" : rt::NumberText(std::fabs(r)) + " ") + s;
}

bool IsRightAngle(double a) { return std::fabs(a) == 90 || std::fabs(a) == 270; }

// Yes/No for one value, Yes/No/Cancel for two.
void AskReplant(StepResult& o, const std::string& one, const std::string& two, const std::string& title1,
                const std::string& title2) {
    if (o.values.size() == 1) {
        o.ask = Ask::YesNo;
        o.prompt = one;
        o.title = title1;
    } else {
        o.ask = Ask::YesNoCancel;
        o.prompt = two;
        o.title = title2;
    }
}

}  // namespace

// ---------------------------------------------------------------- a point

ApplyResult PlanApplyPoint(const ParabModel& m, const VelocityModes& components, int body, int point, int refPoint,
                           int code, const rt::Variant& d1, const rt::Variant& d2) {
    ApplyResult o;
    const int col = motion::TableColOfPoint(body, point);
    const int colRef = motion::TableColOfPoint(body, refPoint);
    const Launch L = LaunchNumbers(m, body);
    const double vx = L.vx0, Bx = L.Bx(), Cy = L.Cy(), By = L.By();
    auto byComponents = [&](int c) {
        rt::ExpectIndex(c, 1, motion::kMaxPoints, "column of a point");
        return components[static_cast<size_t>(c)];
    };
    auto fillAt = [&](int c, double t) {
        PointFill f{c, t, Bx + vx * t, Cy + By * t - kHalfG * t * t, 0, 0};
        const double vy = By - kG * t;
        if (byComponents(c)) {
            f.p = vx;
            f.q = vy;
        } else {
            f.p = num::Hypot(vx, vy);
            f.q = num::VectorAngleDeg(vx, vy);
        }
        return f;
    };
    switch (code) {
    case 5: o.fills.push_back(fillAt(col, d1.ToNumber())); break;
    case 6: o.fills.push_back(fillAt(col, rt::Div(d1.ToNumber() - Bx, vx))); break;
    case 7: {
        const double y = d1.ToNumber();
        // The two times the path is at height y, the one preferred first.
        double first = 0, second = 0;
        if (num::IsNear(By, 0, kZeroTol)) {
            const double r = (y - Cy) / -kHalfG;
            if (r < 0) {
                o.message = kNoSolution;
                return o;
            }
            first = std::sqrt(r);
            second = -first;
        } else {
            const auto r = num::SolveQuadratic(-kHalfG, By, Cy - y);
            if (!Real(r)) {
                o.message = kNoSolution;
                return o;
            }
            first = r.x[0];
            second = r.x[1];
        }
        // The equations hold from the launch on: a time before it is no
        // point of the path (a body thrown downward was at a lower height
        // only before it was thrown).
        const auto fromLaunch = [&](double t) { return t >= L.t0 || num::IsNear(t, L.t0, kZeroTol); };
        if (fromLaunch(first)) {
            o.fills.push_back(fillAt(col, first));
        } else if (fromLaunch(second)) {
            o.fills.push_back(fillAt(col, second));
        } else {
            o.message = kNotAfterLaunch;
            return o;
        }
        break;
    }
    case 9: {
        const double t = (By - d1.ToNumber()) / kG;
        PointFill f = fillAt(col, t);
        f.p = vx;
        f.q = By - kG * t;
        o.fills.push_back(f);
        break;
    }
    case 10: {
        const double v = d1.ToNumber();
        if (v < 0) {
            o.message = "Magnitud negativa.";
            return o;
        }
        const auto r = num::SolveQuadratic(4 * kHalfG * kHalfG, 4 * -kHalfG * By, By * By + vx * vx - v * v);
        if (!Real(r)) {
            o.message = "No hay solución. Verifica los datos.";
            return o;
        }
        const double t1 = r.x[0], t2 = r.x[1];
        for (double t : {t1, t2}) {
            PointFill f = fillAt(col, t);
            f.p = v;
            f.q = num::VectorAngleDeg(vx, By - kG * t);
            o.fills.push_back(f);
        }
        o.choose = true;
        o.prompt = "Para pasar la primera solución a la tabla oprime el botón \"Sí\"." + kCrLf +
                   "Para pasar la solución alternativa oprime \"No\".";
        o.title = "En  t =  " + text::RoundedText(t1) + "  y  t = " + text::RoundedText(t2);
        break;
    }
    case 11: {
        const double th = d1.ToNumber();
        const double t = (By - vx * num::TanDeg(th)) / kG;
        PointFill f = fillAt(col, t);
        f.p = num::Hypot(vx, By - kG * t);
        f.q = th;
        o.fills.push_back(f);
        break;
    }
    case 8: {
        // The related point was typed in a cell: one outside the table is bad input.
        rt::CheckIndex(colRef, 1, motion::kMaxPoints);
        const double dt = d1.ToNumber(), dy = d2.ToNumber();
        const double ratio = rt::Div(dy, dt);
        const double vyK = ratio + kHalfG * dt, vyP = ratio - kHalfG * dt;
        const double tK = (By - vyK) / kG, tP = (By - vyP) / kG;
        const PointFill fK = fillAt(colRef, tK), fP = fillAt(col, tP);
        const Symbols s = BodySymbols(body);
        auto velocityLine = [&](int c, int idx, double vy) {
            if (byComponents(c))
                return s.vxs + "!" + std::to_string(idx) + " = " + text::FormatNumText(vx) + ",   " + s.vys + "!" +
                       std::to_string(idx) + " = " + text::FormatNumText(vy);
            return s.vs + "!" + std::to_string(idx) + " = " + text::FormatNumText(num::Hypot(vx, vy)) + ",   ;q!" +
                   std::to_string(idx) + " = " + text::FormatNumText(num::VectorAngleDeg(vx, vy)) + "°";
        };
        auto pointLine = [&](int idx, const PointFill& f) {
            return "t!" + std::to_string(idx) + " = " + text::FormatNumText(f.t) + ", " + s.xs + "!" +
                   std::to_string(idx) + " = " + text::FormatNumText(f.x) + kCrLf + s.ys + "!" + std::to_string(idx) +
                   " = " + text::FormatNumText(f.y);
        };
        o.lines = text::ResultLines(5);
        o.lines[1] = "Sustituir en las ecuaciones del móvil " + std::to_string(body) + ": ;Dt = " + d1.ToText() +
                     " y ;D" + s.ys + " = " + d2.ToText() + ".";
        o.lines[2] = pointLine(refPoint, fK);
        o.lines[3] = velocityLine(colRef, refPoint, vyK);
        o.lines[4] = pointLine(point, fP);
        o.lines[5] = velocityLine(col, point, vyP);
        o.fills = {fK, fP};
        break;
    }
    default: break;
    }
    return o;
}

// ---------------------------------------------------------------- v0

StepResult SolveV0FromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                            const rt::Variant& d2) {
    const Symbols s = BodySymbols(body);
    if (!m.kinds[body].v0) return Refuse("No tengo las ecuaciones en función de la velocidad inicial.");
    const BodyLaunch& l = m.launch[body];
    const double x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber(), t0 = l.t0.ToNumber();
    const double th = l.theta0.ToNumber();
    const double a = d1.ToNumber(), b = d2.ToNumber();
    const bool angle = code >= 18 && code <= 20;
    if (angle && b == th) return Refuse("Estás poniendo el ángulo igual al ángulo de lanzamiento.");
    if ((code == 12 || code == 13 || code == 18) && a == t0)
        return Refuse("Estás poniendo el tiempo igual al tiempo inicial.");
    if (code == 12 && b == x0) return Refuse("Estás poniendo x igual a la del punto inicial.");
    if ((code == 19 || code == 14) && a == x0)
        return Refuse("Estás poniendo la coordenada x igual a la del punto inicial.");
    if (angle && IsRightAngle(b)) return Refuse(kAlpha90);

    const double sn = num::SinDeg(th), c = num::CosDeg(th), tn = num::TanDeg(th);
    StepResult o;
    auto& v = o.values;
    std::string data;
    const std::string p = std::to_string(point);
    switch (code) {
    case 12: {
        const double T = a - t0, X = b - x0;
        v = {rt::Div(X, T * c)};
        data = "t!" + p + " = " + text::FormatNumText(a) + ",  " + s.xs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 13: {
        const double T = a - t0, Y = b - y0;
        v = {rt::Div(Y + kHalfG * T * T, T * sn)};
        data = "t!" + p + " = " + text::FormatNumText(a) + ",  " + s.ys + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 14: {
        const double X = a - x0, Y = b - y0;
        const double A = (Y - X * tn) * c * c, B = -kHalfG * X * X;
        if (A == 0) return Refuse("Error en los datos.");
        if (B / A < 0) return Refuse("No hay solución para v0.");
        v = {std::sqrt(B / A)};
        data =
            s.xs + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.ys + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 15: {
        const double T = a - t0;
        const auto r = num::SolveQuadratic(1, -kTwoG * T * sn, std::pow(kG, 2) * T * T - b * b);
        if (!Real(r)) return Refuse(kNoSolution);
        for (int i = 0; i < 2; ++i)
            if (r.x[i] > 0) v.push_back(r.x[i]);
        if (v.empty()) return Refuse(kNoSolution);
        data = "t!" + p + " = " + text::FormatNumText(a) + ",  " + s.vs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 16: {
        const double X = a - x0;
        const double k = rt::Div(kG * X, c);
        const auto r = num::SolveQuadratic(1, -(b * b + kTwoG * X * tn), k * k);
        if (!Real(r)) return Refuse(kNoSolution);
        for (int i = 0; i < 2; ++i)
            if (r.x[i] >= 0) v.push_back(std::sqrt(r.x[i]));
        if (v.empty()) return Refuse(kNoSolution);
        data =
            s.xs + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.vs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 17: {
        const double w = b * b + kTwoG * (a - y0);
        if (w < 0) return Refuse(kNoSolution);
        v = {std::sqrt(w)};
        data =
            s.ys + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.vs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 18: {
        v = {rt::Div(kG * (a - t0), sn - c * num::TanDeg(b))};
        data = "t!" + p + " = " + text::FormatNumText(a) + ",  ;a = " + text::FormatNumText(b);
        break;
    }
    case 19: {
        const double A = (sn - c * num::TanDeg(b)) * c, B = kG * (a - x0);
        const double q = rt::Div(B, A);
        if (q < 0) return Refuse(kNoSolution);
        v = {std::sqrt(q)};
        data = s.xs + "!" + p + " = " + text::FormatNumText(a) + ", ;a = " + text::FormatNumText(b);
        break;
    }
    case 20: {
        const double ta = num::TanDeg(b);
        const double A = ta * ta * c * c - sn * sn, B = -kTwoG * (a - y0);
        const double q = rt::Div(B, A);
        if (q < 0) return Refuse(kNoSolution);
        v = {std::sqrt(q)};
        data = s.ys + "!" + p + " = " + text::FormatNumText(a) + ", ;a = " + text::FormatNumText(b);
        break;
    }
    default: return o;
    }
    o.lines = {"Calcular la " + s.vs + "!0 del móvil " + std::to_string(body) + ", con los datos:", data + ".",
               s.vs + "!0 = " + text::FormatNumText(v[0])};
    if (v.size() == 2) o.lines.Add("o bien " + s.vs + "!0 = " + text::FormatNumText(v[1]));
    const std::string head = "¿Deseas replantear las ecuaciones de movimiento " + kCrLf;
    AskReplant(o, head + "con este valor calculado de " + s.vs + "0?",
               head + "con alguno de los 2 valores calculados de " + s.vs +
                   "0?. Si escoges el primero oprime el botón \"Sí\". Para el segundo oprime \"No\".",
               s.vs + "0 = " + text::RoundedText(v[0]),
               s.vs + "0 = " + text::RoundedText(v[0]) + "  o  " + s.vs +
                   "0 = " + text::RoundedText(v.size() > 1 ? v[1] : v[0]));
    return o;
}

// ---------------------------------------------------------------- theta0

StepResult SolveTheta0FromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                                const rt::Variant& d2) {
    const Symbols s = BodySymbols(body);
    if (!m.kinds[body].theta0) return Refuse("No tengo las ecuaciones en función del ángulo de lanzamiento.");
    const BodyLaunch& l = m.launch[body];
    const double x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber(), t0 = l.t0.ToNumber();
    const double v0 = l.v0.ToNumber();
    const double a = d1.ToNumber(), b = d2.ToNumber();
    if ((code == 12 || code == 13 || code == 18) && a == t0)
        return Refuse("Estás poniendo el tiempo igual al tiempo inicial.");
    if (code == 12 && b == x0) return Refuse("Estás poniendo x igual a la del punto inicial.");
    if ((code == 19 || code == 14) && a == x0)
        return Refuse("Estás poniendo la coordenada x igual a la del punto inicial.");
    if (code == 17) return Refuse("Juego de datos no válido, en vista de la relación vi^2 - v0^2 = -2g(yi - y0)");
    if (code >= 18 && code <= 20 && IsRightAngle(b)) return Refuse(kAlpha90);

    double th1 = 0, th2 = 0;
    auto fromSine = [&](double sv) {
        if (std::fabs(sv) > 1) return false;
        th1 = num::ArcSinDeg(sv);
        th2 = th1 > 0 ? 180 - th1 : -180 - th1;
        return true;
    };
    auto fromQuadratic = [&](double qa, double qb, double qc) {
        const auto r = num::SolveQuadratic(qa, qb, qc);
        if (!Real(r)) return false;
        th1 = num::ArcTanDeg(r.x[0]);
        th2 = num::ArcTanDeg(r.x[1]);
        return true;
    };
    auto fromTrig = [&](double ta, double tb, double tc, double factor) {
        const auto r = num::SolveTrigEquation(ta, tb, tc);
        if (!r) return false;
        th1 = (*r)[0] * factor;
        th2 = (*r)[1] * factor;
        return true;
    };
    bool ok = false;
    switch (code) {
    case 12: {
        const double cv = rt::Div(b - x0, v0 * (a - t0));
        if (std::fabs(cv) <= 1) {
            th1 = num::ArcCosDeg(cv);
            th2 = -th1;
            ok = true;
        }
        break;
    }
    case 13: {
        const double T = a - t0;
        ok = fromSine(rt::Div(b - y0 + kHalfG * T * T, v0 * T));
        break;
    }
    case 14: {
        const double X = a - x0, k = kHalfG * X * X / (v0 * v0);
        ok = fromQuadratic(-k, X, -(b - y0) - k);
        break;
    }
    case 15: {
        const double T = a - t0;
        ok = fromSine(rt::Div(v0 * v0 + std::pow(kG, 2) * T * T - b * b, kTwoG * T * v0));
        break;
    }
    case 16: {
        const double X = a - x0, k = std::pow(kG * X / v0, 2);
        ok = fromQuadratic(k, -kTwoG * X, (v0 * v0 - b * b) + k);
        break;
    }
    case 18: ok = fromTrig(v0 * num::TanDeg(b), -v0, kG * (a - t0), 1); break;
    case 19: {
        const double h = 0.5 * v0 * v0, ta = num::TanDeg(b);
        ok = fromTrig(h * ta, -h, kG * (a - x0) + h * ta, 0.5);
        break;
    }
    case 20: {
        const double w = 1 - kTwoG * (a - y0) / (v0 * v0);
        if (w >= 0) {
            const double ca = num::CosDeg(b);
            const double cv = std::sqrt(ca * ca * w);
            if (cv <= 1) {
                th1 = num::ArcCosDeg(cv);
                th2 = th1 > 0 ? 180 - th1 : -180 + std::fabs(th1);
                ok = true;
            }
        }
        break;
    }
    default: return {};
    }
    if (!ok) return Refuse(kNoSolution);

    const std::string p = std::to_string(point);
    auto part = [&](int which, double val) -> std::string {
        // which: 0 time, 1 x, 2 y, 3 v, 4 alpha
        switch (which) {
        case 0: return "t!" + p + " = " + text::FormatNumText(val);
        case 1: return s.xs + "!" + p + " = " + text::FormatNumText(val);
        case 2: return s.ys + "!" + p + " = " + text::FormatNumText(val);
        case 3: return s.vs + "!" + p + " = " + text::FormatNumText(val);
        default: return text::FormatNumText(val);
        }
    };
    static const int kinds1[] = {0, 0, 1, 0, 1, 2, 0, 1, 2};
    static const int kinds2[] = {1, 2, 2, 3, 3, 3, 4, 4, 4};
    const std::string sep = code <= 14 ? ",  " : code <= 16 ? ", " : ", ;a = ";
    StepResult o;
    o.values = {th1, th2};
    o.lines = {"Calcular el ángulo de lanzamiento del móvil " + std::to_string(body) + ", con los datos:",
               part(kinds1[code - 12], a) + sep + part(kinds2[code - 12], b),
               ";q!0!1 = " + text::FormatNumText(th1) + ", ;q!0!2 = " + text::FormatNumText(th2)};
    o.ask = Ask::YesNoCancel;
    o.prompt =
        "¿Deseas replantear las ecuaciones de movimiento con alguno de estos valores del "
        "ángulo?" +
        kCrLf +
        "Si deseas tomar el primer valor oprime el botón \"Sí\". Para el segundo valor "
        "oprime el botón \"No\".";
    o.title = "theta1 = " + text::RoundedText(th1) + "°,  theta2 = " + text::RoundedText(th2) + "°";
    return o;
}

// ---------------------------------------------------------------- v0x

StepResult SolveV0xFromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                             const rt::Variant& d2) {
    const Symbols s = BodySymbols(body);
    if (!m.kinds[body].v0x) return Refuse("No tengo las ecuaciones en función de " + s.vs + "0x.");
    const BodyLaunch& l = m.launch[body];
    const double x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber(), t0 = l.t0.ToNumber();
    const double vy = l.vy0.ToNumber();
    const double a = d1.ToNumber(), b = d2.ToNumber();
    if ((code == 12 || code == 18) && a == t0) return Refuse("Estás poniendo el tiempo igual al tiempo inicial.");
    if ((code == 12 && b == x0) || ((code == 19 || code == 14) && a == x0))
        return Refuse("Estás poniendo la coordenada x igual a la del punto inicial.");
    const std::string p = std::to_string(point);
    StepResult o;
    auto& v = o.values;
    std::string data;
    switch (code) {
    case 12:
        v = {rt::Div(b - x0, a - t0)};
        data = "En t!" + p + " = " + text::FormatNumText(a) + ",  " + s.xs + "!" + p + " = " + text::FormatNumText(b);
        break;
    case 13: {
        const std::string T = PlainShift(t0);
        return Refuse("Estos datos no son aplicables en vista de la relación" + kCrLf + s.ys + " = " +
                      text::RoundedText(y0) + PlainTerm(vy, T) + " - " + kHalfGText + " " + T + "^2");
    }
    case 14: {
        const double X = a - x0, Y = b - y0;
        if (num::IsNear(b, y0, kZeroTol)) {
            v = {rt::Div(kHalfG * X * X, vy * X)};
        } else {
            const auto r = num::SolveQuadratic(kHalfG * X * X, -vy * X, Y);
            if (!Real(r)) return Refuse("No hay solución para v0x.");
            v = {rt::Div(1, r.x[0]), rt::Div(1, r.x[1])};
        }
        data = "Para " + s.xs + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.ys + "!" + p + " = " +
               text::FormatNumText(b);
        break;
    }
    case 15: {
        const double T = a - t0;
        const double w = b * b - vy * vy + kTwoG * vy * T - std::pow(kG, 2) * T * T;
        if (w <= 0) return Refuse(kNoSolution);
        v = {std::sqrt(w)};
        data = "Para t!" + p + " = " + text::FormatNumText(a) + ", " + s.vs + " = " + text::FormatNumText(b);
        break;
    }
    case 17: {
        const double w = b * b - vy * vy + kTwoG * (a - y0);
        if (w <= 0) return Refuse(kNoSolution);
        v = {std::sqrt(w)};
        data = "Para " + s.ys + "!" + p + " = " + text::FormatNumText(a) + ", " + s.vs + "!" + p + " = " +
               text::FormatNumText(b);
        break;
    }
    case 18:
        if (b == 0)
            return Refuse("El punto de máxima altura ocurre cuando t = " + text::RoundedText(t0 + vy / kG) + kCrLf +
                          "Luego, esta pareja de datos no es consistente si el ángulo es 0.");
        v = {rt::Div(vy - kG * (a - t0), num::TanDeg(b))};
        data = "En t!" + p + " = " + text::FormatNumText(a) + ",  ;q = " + text::FormatNumText(b);
        break;
    case 19: {
        const double X = a - x0;
        if (b == 0) {
            v = {rt::Div(kG * X, vy)};
        } else {
            const auto r = num::SolveQuadratic(num::TanDeg(b), -vy, kG * X);
            if (!Real(r)) return Refuse(kNoSolution);
            v = {r.x[0], r.x[1]};
        }
        data = "Para " + s.xs + "!" + p + " = " + text::FormatNumText(a) + ", ;q = " + text::FormatNumText(b);
        break;
    }
    case 20: {
        if (b == 0)
            return Refuse("El punto de máxima altura está en " + s.ys + " = " +
                          text::RoundedText(y0 + vy * vy / kTwoG) + kCrLf +
                          "Esta rutina no es aplicable para alfa = 0.");
        const double w = vy * vy - kTwoG * (a - y0);
        if (w < 0) return Refuse("No hay solución para " + s.vs + "0x.");
        const double ta = num::TanDeg(b);
        v = {rt::Div(std::sqrt(w), ta), rt::Div(-std::sqrt(w), ta)};
        data = "Para " + s.ys + "!" + p + " = " + text::FormatNumText(a) + ", ;q = " + text::FormatNumText(b);
        break;
    }
    default: return o;
    }
    std::string values = s.vs + "!0!x = " + text::FormatNumText(v[0]);
    if (v.size() == 2) values += ",  o bien " + s.vs + "!0!x = " + text::FormatNumText(v[1]);
    o.lines = {"Calcular la " + s.vs + "!0!x del móvil " + std::to_string(body) + ", con los datos:", data + ".",
               values};
    const std::string head = "¿Deseas replantear las ecuaciones de movimiento " + kCrLf;
    AskReplant(o, head + "con este valor calculado de " + s.vs + "0x?",
               head + "con alguno de los dos valores calculados de " + s.vs + "0x?" + kCrLf +
                   "Para escoger el primero oprime el botón \"Sí\". Para el segundo oprime el "
                   "botón \"No\".",
               s.vs + "0x = " + text::RoundedText(v[0]),
               s.vs + "0x = " + text::RoundedText(v[0]) + ", " + s.vs +
                   "0x = " + text::RoundedText(v.size() > 1 ? v[1] : v[0]));
    return o;
}

Quartic V0xQuartic(double X, double v0y, double v, const std::string& vs) {
    const double c2 = v0y * v0y - v * v, c1 = -kTwoG * X * v0y, c0 = std::pow(kG * X, 2);
    const std::string s1 = c2 >= 0 ? "+" : "-", s2 = c1 >= 0 ? "+" : "-";
    Quartic q;
    q.expr = "X^4" + s1 + rt::NumberText(std::fabs(c2)) + "*X^2" + s2 + rt::NumberText(std::fabs(c1)) + "*X" + "+" +
             rt::NumberText(c0);
    q.markup = vs + "!0!x¡4" + FormatTerm(true, false, c2, vs + "!0!x¡2") + FormatTerm(true, false, c1, vs + "!0!x") +
               FormatTerm(true, false, c0, 1) + " = 0";
    return q;
}

std::string V0xQuarticPrompt(const std::string& vs) {
    return "Resulta una ecuación cuártica para v0x." + kCrLf + "Se buscará una solución para la velocidad " + vs +
           "0x" + kCrLf + "comprendida entre 0 y el valor que especifiques aquí.";
}

text::ResultLines V0xQuarticLines(int body, int point, const rt::Variant& x, const rt::Variant& v, const Quartic& q,
                                  const std::vector<double>& roots, const std::vector<double>& fvals) {
    const Symbols s = BodySymbols(body);
    const std::string p = std::to_string(point);
    if (fvals.size() != roots.size()) rt::Fault("a root of the quartic without its value");
    std::string rootsLine;
    for (size_t i = 0; i < roots.size(); ++i)
        rootsLine += s.vs + "!0!x = " + text::MarkupNumber(roots[i]) + kCrLf + "El polinomio en " + s.vs +
                     "!0!x vale " + text::MarkupNumber(fvals[i]) + " allí." + kCrLf;
    return {"Datos: " + s.xs + "!" + p + " = " + x.ToText() + ", " + s.vs + "!" + p + " = " + v.ToText() + kCrLf +
                "El problema planteado da lugar a la siguiente ecuación para " + s.vs + "!0!x:",
            q.markup, "Se hallaron estas raíces:", rootsLine,
            "Se insertó el polinomio en la casilla de la calculadora por si deseas modificar el "
            "intervalo de búsqueda."};
}

// ---------------------------------------------------------------- v0y

StepResult SolveV0yFromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                             const rt::Variant& d2) {
    const Symbols s = BodySymbols(body);
    if (!m.kinds[body].v0y) return Refuse("No tengo las ecuaciones en función de " + s.vs + "0y.");
    const BodyLaunch& l = m.launch[body];
    const double x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber(), t0 = l.t0.ToNumber();
    const double vx = l.vx0.ToNumber();
    if (vx == 0) return Refuse("v0x no puede ser cero.");
    const double a = d1.ToNumber(), b = d2.ToNumber();
    if ((code == 13 || code == 18) && a == t0) return Refuse("Estás poniendo t igual al tiempo inicial.");
    if ((code == 19 || code == 14) && a == x0) return Refuse("Estás poniendo x igual a la del punto inicial.");
    const std::string p = std::to_string(point);
    StepResult o;
    auto& v = o.values;
    std::string data;
    auto both = [&](const num::Roots& r) {
        if (!Real(r)) return false;
        v = {r.x[0], r.x[1]};
        return true;
    };
    switch (code) {
    case 12: {
        return Refuse("Estos datos no son aplicables en vista de la relación" + kCrLf + s.xs + " = " +
                      text::RoundedText(x0) + PlainTerm(vx, PlainShift(t0)));
    }
    case 13: {
        const double T = a - t0;
        v = {(b - y0 + kHalfG * T * T) / T};
        data = "En t!" + p + " = " + text::FormatNumText(a) + ",  " + s.ys + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 14: {
        const double X = a - x0;
        v = {((b - y0) * vx * vx + kHalfG * X * X) / (vx * X)};
        data =
            s.xs + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.ys + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 15: {
        const double T = a - t0;
        if (!both(num::SolveQuadratic(1, -kTwoG * T, vx * vx - b * b + std::pow(kG * T, 2))))
            return Refuse(kNoSolution);
        data = "En t!" + p + " = " + text::FormatNumText(a) + ",  " + s.vs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 16: {
        const double X = a - x0;
        if (!both(num::SolveQuadratic(vx * vx, -kTwoG * vx * X,
                                      std::pow(kG * X, 2) + std::pow(vx, 4) - std::pow(b * vx, 2))))
            return Refuse(kNoSolution);
        data =
            s.xs + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.vs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 17: {
        const double w = b * b - vx * vx + kTwoG * (a - y0);
        if (w < 0) return Refuse(kNoSolution);
        v = {std::sqrt(w)};
        data =
            s.ys + "!" + p + " = " + text::FormatNumText(a) + ",  " + s.vs + "!" + p + " = " + text::FormatNumText(b);
        break;
    }
    case 18:
        v = {vx * num::TanDeg(b) + kG * (a - t0)};
        data = "En t!" + p + " = " + text::FormatNumText(a) + ",  ;q!" + p + " = " + text::FormatNumText(b);
        break;
    case 19:
        v = {vx * num::TanDeg(b) + kG * (a - x0) / vx};
        data =
            "Para " + s.xs + "!" + p + " = " + text::FormatNumText(a) + ",  ;q!" + p + " = " + text::FormatNumText(b);
        break;
    case 20: {
        const double ta = num::TanDeg(b);
        const double w = vx * vx * ta * ta + kTwoG * (a - y0);
        if (w < 0) return Refuse(kNoSolution);
        v = {std::sqrt(w), -std::sqrt(w)};
        data = s.ys + "!" + p + " = " + text::FormatNumText(a) + ",  ;q!" + p + " = " + text::FormatNumText(b);
        break;
    }
    default: return o;
    }
    std::string values = s.vs + "!0!y = " + text::FormatNumText(v[0]);
    if (v.size() == 2) values += ",  o bien " + s.vs + "!0!y = " + text::FormatNumText(v[1]);
    o.lines = {"Calcular la " + s.vs + "!0!y del móvil " + std::to_string(body) + ", con los datos:", data, values,
               s.vs + "!0 = " + text::FormatNumText(num::Hypot(vx, v[0])) +
                   " y ;q = " + text::FormatNumText(num::VectorAngleDeg(vx, v[0])) + "°"};
    const std::string head = "¿Deseas replantear las ecuaciones de movimiento " + kCrLf;
    AskReplant(o, head + "con este valor calculado de " + s.vs + "0y?",
               head + "con alguno de los dos valores calculados de " + s.vs + "0y?" + kCrLf +
                   "Para escoger el primero oprime el botón \"Sí\". Para el segundo oprime el "
                   "botón \"No\".",
               "v0y = " + rt::NumberText(v[0]),
               "v0y = " + rt::NumberText(v[0]) + ", v0y = " + rt::NumberText(v.size() > 1 ? v[1] : v[0]));
    return o;
}

// ---------------------------------------------------------------- v0 and theta0

StepResult V0Theta0Relation(const ParabModel& m, int body, int, int code, const rt::Variant& d1,
                            const rt::Variant& d2) {
    const Symbols s = BodySymbols(body);
    if (!m.kinds[body].v0theta0)
        return Refuse("No tengo las ecuaciones en función de " + s.vs + "0 y el ángulo de lanzamiento.");
    const BodyLaunch& l = m.launch[body];
    const double x0 = l.x0.ToNumber(), y0 = l.y0.ToNumber(), t0 = l.t0.ToNumber();
    const double a = d1.ToNumber(), b = d2.ToNumber();
    if ((code == 12 || code == 13 || code == 18 || code == 15) && a == t0)
        return Refuse("Estás poniendo t igual al tiempo inicial.");
    if ((code == 12 && b == x0) || ((code == 14 || code == 19) && a == x0))
        return Refuse("Estás poniendo x igual a la del punto inicial.");
    if (code == 16 || code == 17)
        return Refuse("La ecuación a la que dan lugar estos datos es" + kCrLf + "complicada y de poca utilidad.");
    std::string E, D;
    const std::string sq = "//(" + s.vs + "!0¡2 cos¡2 ;q!0)";
    switch (code) {
    case 12:
        E = s.vs + "!0 cos ;q!0 = " + s.vs + "!0!x = " + text::MarkupNumber(rt::Div(b - x0, a - t0));
        D = "Datos: en t = " + text::FormatNumText(a) + ", " + s.xs + " = " + text::FormatNumText(b);
        break;
    case 13: {
        const double T = a - t0;
        E = s.vs + "!0 sen ;q!0 = " + s.vs + "!0!y = " + text::MarkupNumber(rt::Div(b - y0 + kHalfG * T * T, T));
        D = "Datos: en t = " + text::FormatNumText(a) + ", " + s.ys + " = " + text::FormatNumText(b);
        break;
    }
    case 14: {
        const double X = a - x0;
        E = FormatTerm(false, false, X, "tan ;q!0") + FormatTerm(true, false, -kHalfG * X * X, sq) + " = " +
            FormatTerm(false, true, text::Rounded(b - y0), 1);
        D = "Datos: en " + s.xs + " = " + text::FormatNumText(a) + ", " + s.ys + " = " + text::FormatNumText(b);
        break;
    }
    case 15: {
        const double T = a - t0;
        E = s.vs + "!0¡2" + FormatTerm(true, true, -kTwoG * T, s.vs + "!0 sen ;q!0 = ") +
            text::FormatNumText(b * b - std::pow(kG * T, 2));
        D = "Datos: t = " + text::FormatNumText(a) + ", " + s.vs + " = " + text::FormatNumText(b);
        break;
    }
    case 18:
        E = FormatTerm(false, false, 1, "tan ;q!0") +
            FormatTerm(true, false, -kG * (a - t0), "//(" + s.vs + "!0 cos ;q!0)") + " = " +
            FormatTerm(false, true, num::TanDeg(b), 1);
        D = "Datos: t = " + text::FormatNumText(a) + ", ;q = " + text::FormatNumText(b);
        break;
    case 19:
        E = FormatTerm(false, false, 1, "tan ;q!0") + FormatTerm(true, false, -kG * (a - x0), sq) + " = " +
            FormatTerm(false, true, num::TanDeg(b), 1);
        D = "Datos: " + s.xs + " = " + text::FormatNumText(a) + ", ;q = " + text::FormatNumText(b);
        break;
    case 20:
        D = "Datos: " + s.ys + " = " + text::FormatNumText(a) + ", ;q = " + text::FormatNumText(b);
        if (b == 0) {
            if (a < y0) return Refuse("No hay solución posible con estos datos.");
            E = s.vs + "!0 sen ;q!0 = " + FormatTerm(false, true, std::sqrt(kTwoG * (a - y0)), 1);
        } else {
            const double ta = num::TanDeg(b);
            E = FormatTerm(false, false, text::Rounded(ta * ta + 1), 1) + " (" + s.vs + "!0¡2 cos¡2 ;q!0)" + " ;- " +
                s.vs + "!0¡2 = " + text::FormatNumText(-kTwoG * (a - y0));
        }
        break;
    default: return {};
    }
    StepResult o;
    o.lines = {D, E};
    return o;
}

}  // namespace parab
