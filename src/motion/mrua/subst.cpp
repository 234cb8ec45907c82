#include "motion/mrua/subst.h"

#include <cmath>

#include "motion/state.h"
#include "numerics/equations.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "text/resultformat.h"

namespace mrua {

using rt::Div;

Symbols SymbolsOf(int body, int segment) {
    return {motion::PositionSymbol(body, segment), motion::VelocitySymbol(body, segment),
            motion::AccelSymbol(body, segment)};
}

namespace {
std::string Str(int n) { return std::to_string(n); }
double Sq(double v) { return rt::Checked(v * v); }
// Real roots of c3 u^3 + c2 u^2 + c1 u + c0 = 0, in the solver's order; a
// cubic whose leading coefficient vanishes is solved as the quadratic it is.
std::vector<double> RealCubicRoots(double c3, double c2, double c1, double c0) {
    const num::Roots r = num::SolveCubic(c3, c2, c1, c0);
    return {r.x.begin(), r.x.begin() + r.real};
}

}  // namespace

// ---------------------------------------------------------------- one point

PointSubst SubstPoint(const SegmentLaw& law, const Symbols& s, int body, int segment, int point, const rt::Variant& t,
                      const rt::Variant& x, const rt::Variant& v) {
    PointSubst r;
    const std::string p = Str(point);
    const std::string tL = "t!" + p + " = ", xL = s.X + "!" + p + " = ", vL = s.V + "!" + p + " = ";
    std::string line1 = "Sust. en las ecs. del móvil " + Str(body) + ", tramo " + Str(segment) + ":   ";
    const double A = law.A, B = law.B, a = law.a;
    std::string line2;
    if (!t.IsEmptyText()) {
        r.given = 't';
        r.count = 1;
        r.t[0] = t.ToNumber();
        r.x[0] = law.X(r.t[0]);
        r.v[0] = law.V(r.t[0]);
        line1 += tL + Held(t);
        line2 = "Se halló: " + xL + text::FormatNumText(r.x[0]) + ", " + vL + text::FormatNumText(r.v[0]);
    } else if (!x.IsEmptyText()) {
        r.given = 'x';
        const double xv = x.ToNumber();
        line1 += xL + Held(x);
        if (a == 0) {
            if (B == 0 && xv != A) {
                r.message = "El móvil no alcanza esta posición.";
                return r;
            }
            if (B == 0) {  // at rest right there: no single instant to find
                r.message = "El móvil está en reposo en esta posición: la ocupa en todo instante.";
                return r;
            }
            r.count = 1;
            r.t[0] = Div(xv - A, B);
            r.x[0] = xv;
            r.v[0] = B;
            line2 = "Se halló: " + tL + text::FormatNumText(r.t[0]) + ", " + vL + text::FormatNumText(r.v[0]);
        } else {
            const auto q = num::SolveQuadratic(a / 2, B, A - xv);
            if (q.real != 2) {
                r.message = "El móvil no alcanza esta posición.";
                return r;
            }
            r.count = 2;
            for (int k = 0; k < 2; ++k) {
                r.t[k] = q.x[k];
                r.x[k] = xv;
                r.v[k] = law.V(r.t[k]);
            }
            r.chosen = (r.t[0] < 0 && r.t[1] >= 0) ? 1 : 0;
            line2 = "Se halló: " + tL + text::FormatNumText(r.t[0]) + ", " + vL + text::FormatNumText(r.v[0]) + kCrLf +
                    "o bien " + tL + text::FormatNumText(r.t[1]) + ", " + vL + text::FormatNumText(r.v[1]);
        }
    } else if (!v.IsEmptyText()) {
        r.given = 'v';
        const double vv = v.ToNumber();
        line1 += vL + Held(v);
        if (a == 0) {
            r.message = "Dato no aplicable al movimiento uniforme.";
            return r;
        }
        r.count = 1;
        r.t[0] = Div(vv - B, a);
        r.x[0] = law.X(r.t[0]);
        r.v[0] = vv;
        line2 = "Se halló: " + tL + text::FormatNumText(r.t[0]) + ", " + xL + text::FormatNumText(r.x[0]);
    } else {
        return r;
    }
    r.lines = text::ResultLines{line1, line2};
    return r;
}

// ---------------------------------------------------------------- increments

StepResult SubstIncrements(const SegmentLaw& law, const Symbols& s, int body, int segment, int p1, int p2,
                           const rt::Variant& dt, const rt::Variant& dx, const rt::Variant& dv) {
    const double a = law.a;
    if (a == 0) return StepResult::Refuse("Esta rutina no se aplica cuando la aceleración es cero.");
    const bool hT = !dt.IsEmptyText(), hX = !dx.IsEmptyText(), hV = !dv.IsEmptyText();
    double v1, v2;
    std::string line2;
    const std::string span = "  en  " + Str(p1) + ";-" + Str(p2);
    if (hT && hX && !hV) {
        const double DT = dt.ToNumber(), DX = dx.ToNumber();
        if (num::IsNear(DT, 0, 1e-8)) return StepResult::Refuse("Estás poniendo dt = 0.");
        v1 = Div(DX, DT) - (a / 2) * DT;
        v2 = Div(DX, DT) + (a / 2) * DT;
        line2 = ";Dt = " + Held(dt) + ", " + ";D" + s.X + " = " + Held(dx) + span;
    } else if (hX && hV && !hT) {
        const double DV = dv.ToNumber(), DX = dx.ToNumber();
        if (num::IsNear(DV, 0, 1e-8)) return StepResult::Refuse("Estás poniendo dv = 0.");
        const double DT = Div(DV, a);
        v1 = Div(DX, DT) - (a / 2) * DT;
        v2 = v1 + DV;
        line2 = ";D" + s.X + " = " + Held(dx) + ", " + ";D" + s.V + " = " + Held(dv) + span;
    } else {
        return StepResult{};
    }
    StepResult out;
    const double t1 = Div(v1 - law.B, a), t2 = Div(v2 - law.B, a);
    const double x1 = law.X(t1), x2 = law.X(t2);
    out.values = {t1, x1, v1, t2, x2, v2};
    auto pointLine = [&](int p, double t, double x, double v) {
        const std::string n = Str(p);
        return "t!" + n + " = " + text::FormatNumText(t) + ", " + s.X + "!" + n + " = " + text::FormatNumText(x) +
               ", " + s.V + "!" + n + " = " + text::FormatNumText(v);
    };
    out.lines =
        text::ResultLines{"Sust. en las ecs. del móvil " + Str(body) + ", tramo " + Str(segment) + " los datos:", line2,
                          pointLine(p1, t1, x1, v1), pointLine(p2, t2, x2, v2)};
    return out;
}

// ---------------------------------------------------------------- factor and increment

StepResult SubstRelation(const SegmentLaw& law, const Symbols& s, int factorKind, const rt::Variant& Cv,
                         int incrementKind, const rt::Variant& Dv, int pI, int pF, bool initialKnown) {
    const double C = Cv.ToNumber();
    if (C == 0) return StepResult::Refuse("El factor \"C\" no puede ser 0.");
    if (initialKnown) return StepResult::Refuse("El punto inicial del intervalo debe ser completamente desconocido.");
    const double D = Dv.ToNumber();
    const double A = law.A, B = law.B, a = law.a;
    const std::string I = Str(pI), Fp = Str(pF);
    const std::string tLF = "t!" + Fp + " = ", xLF = s.X + "!" + Fp + " = ", vLF = s.V + "!" + Fp + " = ";
    const std::string Ct = Held(Cv), Dt = Held(Dv);
    std::vector<std::array<double, 6>> sols;
    std::string line2;
    const char* kUniform = "Datos no aplicables al movimiento uniforme.";

    auto fromTi = [&](double ti, double tf) {
        return std::array<double, 6>{ti, law.X(ti), law.V(ti), tf, law.X(tf), law.V(tf)};
    };
    // The rows with xf = C xi once the duration dt is known.
    auto xRows = [&](double dt) -> std::string {
        if (a == 0) {
            if (C == 1) return kUniform;
            const double xi = Div(B * dt, C - 1), ti = Div(xi - A, B);
            sols.push_back({ti, xi, B, ti + dt, C * xi, B});
        } else if (C == 1) {
            const double vi = -(a / 2) * dt, ti = Div(vi - B, a);
            const double vf = (a / 2) * dt, tf = Div(vf - B, a);
            sols.push_back({ti, law.X(ti), vi, tf, law.X(tf), vf});
        } else {
            const auto q =
                num::SolveQuadratic((a / 2) * (1 - C), B * (1 - C) + a * dt, A * (1 - C) + B * dt + (a / 2) * dt * dt);
            if (q.real != 2) return "No hay solución.";
            for (int k = 0; k < 2; ++k) sols.push_back(fromTi(q.x[k], q.x[k] + dt));
        }
        return "";
    };
    // The rows with vf = C vi: checks first.
    auto vChecks = [&]() -> std::string {
        if (a == 0)
            return C == 1 ? "La velocidad es constante, igual a la inicial."
                          : "La velocidad no puede cambiar en el movimiento uniforme.";
        if (C == 1) return "El factor \"C\" no puede ser igual a 1. Correspondería a dt = 0 ó dx = 0.";
        return "";
    };

    std::string msg;
    if (factorKind == 1 && (incrementKind == 2 || incrementKind == 3)) {
        if (C == 1) return StepResult::Refuse("No podemos tener tf = ti. Correspondería a dx = 0 y dv = 0.");
        if (incrementKind == 2) {
            line2 = "Datos: ;D" + s.X + " = " + Dt + ", " + tLF + Ct + "t!" + I + ".";
            if (a == 0) {
                const double ti = Div(D, B * (C - 1));
                sols.push_back({ti, A + B * ti, B, C * ti, A + B * C * ti, B});
            } else {
                const auto q = num::SolveQuadratic((a / 2) * (C * C - 1), B * (C - 1), -D);
                if (q.real != 2) return StepResult::Refuse("No hay solución.");
                for (int k = 0; k < 2; ++k) {
                    auto sol = fromTi(q.x[k], C * q.x[k]);
                    if (k == 0) sol[4] = sol[1] + D;
                    sols.push_back(sol);
                }
            }
        } else {
            if (a == 0) return StepResult::Refuse(kUniform);
            line2 = "Datos: ;D" + s.V + " = " + Dt + ", " + tLF + Ct + "t!" + I + ".";
            const double ti = Div(D, a * (C - 1));
            auto sol = fromTi(ti, C * ti);
            sol[5] = sol[2] + D;
            sols.push_back(sol);
        }
    } else if (factorKind == 2 && incrementKind == 1) {
        line2 = "Datos: ;Dt = " + Dt + ", " + xLF + Ct + s.X + "!" + I + ".";
        msg = xRows(D);
    } else if (factorKind == 2 && incrementKind == 3) {
        if (a == 0) return StepResult::Refuse(kUniform);
        line2 = "Datos: ;D" + s.V + " = " + Dt + ", " + xLF + Ct + s.X + "!" + I + ".";
        msg = xRows(Div(D, a));
    } else if (factorKind == 3 && (incrementKind == 1 || incrementKind == 2)) {
        msg = vChecks();
        if (msg.empty() && incrementKind == 1) {
            line2 = "Datos: ;Dt = " + Dt + ", " + vLF + Ct + s.V + "!" + I + ".";
            const double vi = Div(a * D, C - 1), ti = Div(vi - B, a);
            const double tf = ti + D;
            sols.push_back({ti, law.X(ti), vi, tf, law.X(tf), C * vi});
        } else if (msg.empty()) {
            line2 = "Datos: ;D" + s.X + " = " + Dt + ", " + vLF + Ct + s.V + "!" + I + ".";
            const double w = Div(2 * a * D, C * C - 1);
            if (w <= 0) return StepResult::Refuse("No hay solución.");
            for (double vi : {std::sqrt(w), -std::sqrt(w)}) {
                const double ti = Div(vi - B, a), vf = C * vi, tf = Div(vf - B, a);
                sols.push_back({ti, law.X(ti), vi, tf, law.X(tf), vf});
            }
        }
    } else {
        return StepResult{};
    }
    if (!msg.empty()) return StepResult::Refuse(msg);

    StepResult out;
    auto pointLine = [&](int p, double t, double x, double v) {
        const std::string n = Str(p);
        return "t!" + n + " = " + text::FormatNumText(t) + ", " + s.X + "!" + n + " = " + text::FormatNumText(x) +
               ", " + s.V + "!" + n + " = " + text::FormatNumText(v);
    };
    out.lines.Add("Sustituir en las ecs. sin parámetros");
    out.lines.Add(line2);
    for (size_t k = 0; k < sols.size(); ++k) {
        const auto& q = sols[k];
        for (double v : q) rt::Checked(v);
        if (k > 0) out.lines.Add("--------------");
        out.lines.Add(pointLine(pI, q[0], q[1], q[2]));
        out.lines.Add(pointLine(pF, q[3], q[4], q[5]));
        out.values.insert(out.values.end(), q.begin(), q.end());
    }
    return out;
}

// ---------------------------------------------------------------- with parameters

namespace {

bool Has(const rt::Variant& v) { return !v.IsEmptyText(); }

// The inputs of a case, as derived quantities.
struct Derived {
    int kase = 0;
    double C = 0;
    double t = 0, x = 0, v = 0, tRef = 0, xRef = 0, vRef = 0;
    double T = 0, Tref = 0, X = 0, Xref = 0, Dt = 0, Dx = 0, Dv = 0;
    std::string datos;
    std::string p0, r;
};

using M = motion::ParamSubstArgs;
const rt::Variant M::*const kCases[15][3] = {
    {&M::t, &M::x, nullptr},        {&M::t, &M::v, nullptr},        {&M::x, &M::v, nullptr},
    {&M::tRef, &M::t, &M::dx},      {&M::tRef, &M::t, &M::dv},      {&M::xRef, &M::x, &M::dt},
    {&M::xRef, &M::x, &M::dv},      {&M::vRef, &M::v, &M::dt},      {&M::vRef, &M::v, &M::dx},
    {&M::tRef, &M::t, &M::xFactor}, {&M::tRef, &M::t, &M::vFactor}, {&M::xRef, &M::x, &M::tFactor},
    {&M::xRef, &M::x, &M::vFactor}, {&M::vRef, &M::v, &M::tFactor}, {&M::vRef, &M::v, &M::xFactor},
};

Derived Derive(const M& g, const Symbols& s, double tb, double xb, int p0) {
    Derived d;
    d.p0 = Str(p0);
    d.r = Str(g.refPoint);
    for (int k = 0; k < 15; ++k) {
        bool all = true;
        for (auto m : kCases[k])
            if (m && !Has(g.*m)) all = false;
        if (!all) continue;
        d.kase = k + 1;
        break;
    }
    if (!d.kase) return d;
    d.C = Has(g.tFactor)   ? g.tFactor.ToNumber()
          : Has(g.xFactor) ? g.xFactor.ToNumber()
          : Has(g.vFactor) ? g.vFactor.ToNumber()
                           : 0;
    const std::string Ct = Has(g.tFactor) ? Held(g.tFactor) : Has(g.xFactor) ? Held(g.xFactor) : Held(g.vFactor);
    const std::string p = Str(g.point), r = d.r;
    auto text = [&](const rt::Variant M::*m) -> std::string {
        if (m == &M::t) return "t!" + p + " = " + Held(g.t);
        if (m == &M::x) return s.X + "!" + p + " = " + Held(g.x);
        if (m == &M::v) return s.V + "!" + p + " = " + Held(g.v);
        if (m == &M::tRef) return "t!" + r + " = " + Held(g.tRef);
        if (m == &M::xRef) return s.X + "!" + r + " = " + Held(g.xRef);
        if (m == &M::vRef) return s.V + "!" + r + " = " + Held(g.vRef);
        if (m == &M::dt) return ";Dt = " + Held(g.dt);
        if (m == &M::dx) return ";D" + s.X + " = " + Held(g.dx);
        if (m == &M::dv) return ";D" + s.V + " = " + Held(g.dv);
        if (m == &M::tFactor) return "t!" + p + " = " + Ct + " t!" + r;
        if (m == &M::xFactor) return s.X + "!" + p + " = " + Ct + " " + s.X + "!" + r;
        return s.V + "!" + p + " = " + Ct + " " + s.V + "!" + r;
    };
    for (auto m : kCases[d.kase - 1]) {
        if (!m) continue;
        if (!d.datos.empty()) d.datos += ", ";
        d.datos += text(m);
    }
    const auto& need = kCases[d.kase - 1];
    auto used = [&](const rt::Variant M::*m) {
        for (auto n : need)
            if (n == m) return true;
        return false;
    };
    // Only the inputs of the case are read as numbers.
    if (used(&M::t)) d.t = g.t.ToNumber();
    if (used(&M::x)) d.x = g.x.ToNumber();
    if (used(&M::v)) d.v = g.v.ToNumber();
    if (used(&M::tRef)) d.tRef = g.tRef.ToNumber();
    if (used(&M::xRef)) d.xRef = g.xRef.ToNumber();
    if (used(&M::vRef)) d.vRef = g.vRef.ToNumber();
    d.T = d.t - tb;
    d.Tref = d.tRef - tb;
    d.X = d.x - xb;
    d.Xref = d.xRef - xb;
    d.Dt = used(&M::t) && used(&M::tRef) ? d.T - d.Tref : (used(&M::dt) ? g.dt.ToNumber() : 0);
    d.Dx = used(&M::x) && used(&M::xRef) ? d.x - d.xRef : (used(&M::dx) ? g.dx.ToNumber() : 0);
    d.Dv = used(&M::dv) ? g.dv.ToNumber() : 0;
    return d;
}

}  // namespace

int ParamCase(const motion::ParamSubstArgs& g) {
    for (int k = 0; k < 15; ++k) {
        bool all = true;
        for (auto m : kCases[k])
            if (m && !Has(g.*m)) all = false;
        if (all) return k + 1;
    }
    return 0;
}

StepResult ParamVSubst(const M& g, const Symbols& s, const BaseData& b) {
    const Derived d = Derive(g, s, b.tb, b.xb, b.p0);
    if (!d.kase) return StepResult{};
    const double a = b.a, C = d.C, T = d.T, Tref = d.Tref, X = d.X, Xref = d.Xref;
    const std::string M0 = "No aplicable para movimiento uniforme.";
    const std::string M1 = "No puedes tomar C = 1 en este procedimiento.";
    const std::string noV = "No hay solución para la velocidad.";
    const std::string known = "No aplicable dado que se conoce la aceleración.";
    std::vector<double> vals;
    // Both signs of a root, the positive first.
    auto both = [&](double W) { vals = {std::sqrt(W), -std::sqrt(W)}; };
    switch (d.kase) {
    case 1:
        if (T == 0) return StepResult::Refuse("Estás sustituyendo el tiempo del punto base.");
        vals = {Div(X - a * T * T / 2, T)};
        break;
    case 2:
        if (a == 0) return StepResult::Refuse(M0);
        vals = {d.v - a * T};
        break;
    case 3: {
        if (a == 0) return StepResult::Refuse(M0);
        const double W = Sq(d.v) - 2 * a * X;
        if (W > 0)
            both(W);
        else if (W == 0)
            vals = {0.0};
        else
            return StepResult::Refuse(noV);
        break;
    }
    case 4: {
        if (d.Dt == 0) return StepResult::Refuse("Los tiempos inicial y final son iguales");
        const double vp = Div(d.Dx, d.Dt) + a * d.Dt / 2;
        vals = {vp - a * T};
        break;
    }
    case 5:
    case 8:
    case 9: return StepResult::Refuse(known);
    case 6: {
        if (d.Dt == 0) return StepResult::Refuse("El intervalo considerado tiene duración cero.");
        const double vp = Div(d.Dx, d.Dt) + a * d.Dt / 2;
        if (a == 0) {
            vals = {vp};
        } else {
            const double W = Sq(vp) - 2 * a * X;
            if (W > 0)
                both(W);
            else if (W == 0)
                vals = {0.0};
            else
                return StepResult::Refuse("No hay solución para " + s.V + d.p0);
        }
        break;
    }
    case 7: {
        if (a == 0) return StepResult::Refuse(M0);
        const double vp = d.Dv / 2 + Div(a * d.Dx, d.Dv);
        const double W = Sq(vp) - 2 * a * X;
        if (W > 0)
            both(W);
        else
            return StepResult::Refuse(noV);
        break;
    }
    case 10:
        if (!num::IsNear(T, C * Tref, 1e-8)) {
            vals = {Div((a / 2) * (C * Tref * Tref - T * T) + (C - 1) * b.xb, T - C * Tref)};
        } else {
            const std::string S10(10, ' ');
            StepResult o;
            o.ask = false;
            o.lines =
                text::ResultLines{"Existe solución si se cumple que",
                                  S10 + s.X + "!" + d.p0 + " = 0.5 a C (t!" + d.r + ";-t!" + d.p0 + ")¡2",
                                  "es decir, dados el factor C y la aceleración a, si",
                                  S10 + s.X + d.p0 + " = " + text::MarkupRounded(0.5 * a * C * Tref * Tref, 5) +
                                      "  o bien  t!i = " + text::FormatNumText(rt::Sqrt(Div(2 * b.xb, C * a)) + b.tb),
                                  "en cuyo caso " + s.V + "!" + d.p0 + " es arbitraria."};
            return o;
        }
        break;
    case 11:
        if (C == 1) return StepResult::Refuse(M1);
        if (a == 0) return StepResult::Refuse(M0);
        vals = {Div(a * (C * Tref - T), 1 - C)};
        break;
    case 12: {
        if (C == 1) return StepResult::Refuse(M1);
        const double D = (C - 1) * b.tb;
        auto vbOf = [&](double u) { return Div(Xref - a * u * u / 2, u); };
        if (a != 0 && b.tb != 0) {
            const auto us =
                RealCubicRoots((a / 2) * C * (C - 1), a * D * (C - 0.5), a * D * D / 2 + C * Xref - X, D * Xref);
            if (us.empty()) return StepResult::Refuse("No existe solución para  " + s.V + d.p0 + ".");
            vals = {vbOf(us.front())};
        } else if (a != 0) {
            const double u2 = Div(X - C * Xref, (a / 2) * C * (C - 1));
            if (u2 < 0) return StepResult::Refuse("No existe solución para  " + s.V + d.p0 + ".");
            vals = {vbOf(std::sqrt(u2)), vbOf(-std::sqrt(u2))};
        } else if (b.tb != 0) {
            vals = {vbOf(Div(-D * Xref, C * Xref - X))};
        } else {
            return StepResult::Refuse("Caso especial no aplicable al movimiento uniforme.");
        }
        break;
    }
    case 13: {
        if (a == 0) return StepResult::Refuse(M0);
        if (C * C == 1) return StepResult::Refuse("El factor C no puede ser +1 ni -1 en este caso.");
        const double W = Div(2 * a * (C * C * Xref - X), 1 - C * C);
        if (W > 0)
            both(W);
        else
            return StepResult::Refuse(noV);
        break;
    }
    case 14: {
        if (a == 0) return StepResult::Refuse(M0);
        if (C == 1) return StepResult::Refuse(M1);
        const double tr = Div(d.v - d.vRef, a * (C - 1));
        vals = {d.vRef - a * (tr - b.tb)};
        break;
    }
    default: {
        if (a == 0) return StepResult::Refuse(M0);
        if (C == 1) return StepResult::Refuse(M1);
        const double xr = Div(Sq(d.v) - Sq(d.vRef), 2 * a * (C - 1));
        const double W = Sq(d.vRef) - 2 * a * (xr - b.xb);
        if (W >= 0)
            both(W);
        else
            return StepResult::Refuse(noV);
        break;
    }
    }
    StepResult o;
    for (double v : vals) o.values.push_back(rt::Checked(v));
    const std::string Vp = s.V + "!" + d.p0;
    o.lines.Add("Sust. en ecs. con parámetro " + Vp + " del móvil " + Str(g.body) + ", tramo " + Str(g.segment));
    o.lines.Add("Datos: " + d.datos);
    if (vals.size() == 1)
        o.lines.Add("Se halló: " + Vp + " = " + text::FormatNumText(vals[0]));
    else
        o.lines.Add("Se hallaron: " + Vp + " = " + text::FormatNumText(vals[0]) + "  y  " + Vp + " = " +
                    text::FormatNumText(vals[1]));
    return o;
}

StepResult ParamASubst(const M& g, const Symbols& s, const BaseData& b) {
    const Derived d = Derive(g, s, b.tb, b.xb, b.p0);
    if (!d.kase) return StepResult{};
    const double vb = b.vb, C = d.C, T = d.T, Tref = d.Tref, X = d.X, Xref = d.Xref;
    const std::string M1 = "No puedes tomar C = 1 en este procedimiento.";
    const std::string noA = "No hay solución para la aceleración.";
    const std::string lead = std::string("Existe solución solamente si") + kCrLf;
    const std::string tail = std::string(kCrLf) + "en cuyo caso la aceleración es arbitraria.";
    std::vector<double> vals;
    switch (d.kase) {
    case 1:
        if (T == 0) return StepResult::Refuse("Estás sustituyendo el tiempo del punto base.");
        vals = {Div(X - vb * T, T * T / 2)};
        break;
    case 2:
        if (T == 0) return StepResult::Refuse("Estás sustituyendo el tiempo del punto base.");
        vals = {Div(d.v - vb, T)};
        break;
    case 3:
        if (d.x == b.xb) return StepResult::Refuse("Estás sustituyendo la posición del punto base.");
        vals = {Div(Sq(d.v) - Sq(vb), 2 * X)};
        break;
    case 4:
        if (d.t == d.tRef) return StepResult::Refuse("Estás igualando los tiempos inicial y final.");
        vals = {Div(2 * (d.Dx - vb * (T - Tref)), T * T - Tref * Tref)};
        break;
    case 5:
        if (d.t == d.tRef) return StepResult::Refuse("Estás igualando los tiempos inicial y final.");
        vals = {Div(d.Dv, d.t - d.tRef)};
        break;
    case 6: {
        const double Dt = d.Dt;
        const double q2 = d.Dx + vb * Dt, q1 = vb * Dt * Dt - 2 * Xref * Dt, q0 = -Xref * Dt * Dt;
        const std::string none =
            std::string("No existe valor de aceleración") + kCrLf + "que cumpla las condiciones dadas.";
        auto aOf = [&](double u) { return Div(2 * (Xref - vb * u), u * u); };
        if (num::IsNear(q2, 0, 1e-8)) {
            if (q1 == 0) return StepResult::Refuse(none);
            vals = {aOf(-q0 / q1)};
        } else if (num::IsNear(q0, 0, 1e-8)) {
            vals = {aOf(Div(-q1, q2))};
        } else {
            const auto r = num::SolveQuadratic(q2, q1, q0);
            if (r.real != 2) return StepResult::Refuse(noA);
            vals = {aOf(r.x[0]), aOf(r.x[1])};
        }
        break;
    }
    case 7: {
        const double Dv2 = Sq(d.Dv);
        const double q2 = 4 * Sq(d.Dx), q1 = -4 * Dv2 * (X + Xref), q0 = Dv2 * (Dv2 - 4 * Sq(vb));
        if (num::IsNear(q2, 0, 1e-8)) {
            if (q1 == 0) return StepResult::Refuse(noA);
            vals = {Div(-q0, q1)};
        } else if (num::IsNear(q0, 0, 1e-8)) {
            vals = {Div(-q1, q2)};
        } else {
            const auto r = num::SolveQuadratic(q2, q1, q0);
            if (r.real != 2) return StepResult::Refuse(noA);
            vals = {r.x[0], r.x[1]};
        }
        break;
    }
    case 8:
        if (d.Dt == 0) return StepResult::Refuse("Estás poniendo igual a cero la duración \"dt\" del intervalo.");
        vals = {Div(d.v - d.vRef, d.Dt)};
        break;
    case 9:
        if (d.Dx == 0) return StepResult::Refuse("Estás poniendo el desplazamiento \"dx\" igual a cero.");
        vals = {Div(Sq(d.v) - Sq(d.vRef), 2 * d.Dx)};
        break;
    case 10:
        if (num::IsNear(C * Tref * Tref - T * T, 0, 1e-8))
            return StepResult::Refuse(lead + "x" + d.p0 + "/v" + d.p0 + " = " +
                                      rt::RoundedText(Div(C * Tref - T, 1 - C), 8) + tail);
        vals = {Div(vb * (C * Tref - T) + b.xb * (C - 1), (T * T - C * Tref * Tref) / 2)};
        break;
    case 11:
        if (T - C * Tref == 0) return StepResult::Refuse("No existe solución. Datos inconsistentes.");
        vals = {Div(vb * (C - 1), T - C * Tref)};
        break;
    case 12: {
        if (C == 1) return StepResult::Refuse(M1);
        const double D = (C - 1) * b.tb;
        const double c3 = vb * C * (1 - C), c2 = (1 - 2 * C) * D * vb + C * C * Xref - X,
                     c1 = 2 * C * D * Xref - D * D * vb, c0 = D * D * Xref;
        std::vector<double> us;
        if (vb == 0) {
            const auto r = num::SolveQuadratic(c2, c1, c0);
            if (r.real != 2) return StepResult::Refuse("No existe solución para la aceleración.");
            us = {r.x[0], r.x[1]};
        } else {
            us = RealCubicRoots(c3, c2, c1, c0);
            if (us.empty()) return StepResult::Refuse("No existe solución para la aceleración.");
        }
        for (double u : us)
            if (u != 0) vals.push_back(Div(2 * (Xref - vb * u), u * u));
        if (vals.empty()) return StepResult{};
        break;
    }
    case 13:
        if (num::IsNear(C * C * Xref - X, 0, 1e-8)) return StepResult::Refuse("No hay solución para " + s.A);
        vals = {Div(Sq(vb) * (1 - C * C), 2 * (C * C * Xref - X))};
        break;
    case 14:
        if (C == 1) return StepResult::Refuse(M1);
        if (b.tb == 0)
            return StepResult::Refuse(lead + "v" + d.p0 + " = " + rt::RoundedText(Div(d.v - C * d.vRef, 1 - C), 8) +
                                      tail);
        vals = {Div((d.v - vb) - C * (d.vRef - vb), b.tb * (C - 1))};
        break;
    default: {
        if (C == 1) return StepResult::Refuse(M1);
        if (b.xb == 0) {
            const double Q = Div(Sq(d.v) - C * Sq(d.vRef), 1 - C);
            if (Q < 0) return StepResult::Refuse("No existe solución.");
            return StepResult::Refuse(lead + "v" + d.p0 + " = (+-)" + rt::RoundedText(std::sqrt(Q), 5) + tail);
        }
        vals = {Div(Sq(d.v) - C * Sq(d.vRef) + Sq(vb) * (C - 1), 2 * b.xb * (C - 1))};
        break;
    }
    }
    StepResult o;
    for (double v : vals) o.values.push_back(rt::Checked(v));
    o.ask = vals.size() < 3;
    o.lines.Add("Sust. en ecs. con parámetro " + s.A + " del móvil " + Str(g.body) + ", tramo " + Str(g.segment));
    o.lines.Add("Datos: " + d.datos);
    std::string found = "Se halló: ";
    for (size_t k = 0; k < vals.size(); ++k)
        found += (k ? " o bien " : "") + s.A + " = " + text::FormatNumText(vals[k]);
    o.lines.Add(found);
    return o;
}

StepResult ParamVASubst(const M& g, const Symbols& s, const BaseData& b) {
    const Derived d = Derive(g, s, b.tb, b.xb, b.p0);
    if (!d.kase) return StepResult{};
    const double C = d.C, T = d.T, Tref = d.Tref, X = d.X, Xref = d.Xref;
    const std::string MB = "Estás sustituyendo datos del punto base.";
    const std::string M1 = "No puedes tomar C = 1 en esta subrutina.";
    const std::string Vp = s.V + "!" + d.p0;
    enum Form { Linear, Square, Accel, S6, S7 } form = Linear;
    double cW = 0, cA = 0, r = 0, a = 0;
    switch (d.kase) {
    case 1:
        if (d.t == b.tb) return StepResult::Refuse(MB);
        cW = T, cA = T * T / 2, r = X;
        break;
    case 2:
        if (d.t == b.tb) return StepResult::Refuse(MB);
        cW = 1, cA = T, r = d.v;
        break;
    case 3:
        if (d.x == b.xb) return StepResult::Refuse(MB);
        form = Square, cW = 1, cA = 2 * X, r = Sq(d.v);
        break;
    case 4: cW = T - Tref, cA = (T - Tref) * (T + Tref) / 2, r = d.Dx; break;
    case 5:
        if (d.t == d.tRef) return StepResult::Refuse("Estás poniendo iguales los tiempos inicial y final.");
        form = Accel, a = Div(d.Dv, d.t - d.tRef);
        break;
    case 6:
        if (d.Dt == 0) return StepResult::Refuse("Estás poniendo dt = 0.");
        form = S6;
        break;
    case 7: form = S7; break;
    case 8:
        if (d.Dt == 0) return StepResult::Refuse("Estás poniendo iguales los tiempos inicial y final.");
        form = Accel, a = Div(d.v - d.vRef, d.Dt);
        break;
    case 9:
        if (d.Dx == 0) return StepResult::Refuse("Estás poniendo el desplazamiento igual a cero.");
        form = Accel, a = Div(Sq(d.v) - Sq(d.vRef), 2 * d.Dx);
        break;
    case 10: cW = T - C * Tref, cA = (T * T - C * Tref * Tref) / 2, r = (C - 1) * b.xb; break;
    case 11:
        if (C == 1) return StepResult::Refuse(M1);
        cW = C - 1, cA = C * Tref - T, r = 0;
        break;
    case 12: {
        if (C == 1) return StepResult::Refuse(M1);
        if (b.tb != 0) return StepResult::Refuse("Sólo manejo este caso cuando t0 = 0.");
        const double P = Div(X - C * C * Xref, C * (1 - C));
        form = Square, cW = Xref - P, cA = -P * P / 2, r = 0;
        break;
    }
    case 13:
        if (C == 1) return StepResult::Refuse(M1);
        form = Square, cW = C * C - 1, cA = 2 * (C * C * Xref - X), r = 0;
        break;
    case 14:
        if (C == 1) return StepResult::Refuse(M1);
        cW = 1 - C, cA = (C - 1) * b.tb, r = d.v - C * d.vRef;
        break;
    default:
        if (C == 1) return StepResult::Refuse(M1);
        form = Square, cW = 1 - C, cA = 2 * (C - 1) * b.xb, r = Sq(d.v) - C * Sq(d.vRef);
        break;
    }
    StepResult o;
    o.ask = form == Accel;
    o.lines.Add("Sust. en ecs. con parámetros " + Vp + " y " + s.A + " del móvil " + Str(g.body) + ", tramo " +
                Str(g.segment));
    o.lines.Add("Datos: " + d.datos);
    auto Rv = [](double v) { return rt::Variant(text::Rounded(rt::Checked(v))); };
    auto FT = [](bool n, bool z, const rt::Variant& c, const rt::Variant& sym) {
        return text::FormatTerm(n, z, c, sym);
    };
    if (form == Accel) {
        o.values = {rt::Checked(a)};
        o.lines.Add(s.A + " = " + text::MarkupNumber(a));
    } else if (form == S6) {
        const double Dt = d.Dt, Dx = d.Dx;
        o.lines.Add(Vp + "¡2" + FT(true, false, Rv(-Dt * Dt / 4), s.A + "¡2") +
                    FT(true, false, Rv(Dx + 2 * Xref), s.A) + " = " + Bare(FT(false, true, Rv(Sq(Div(Dx, Dt))), 1)));
    } else if (form == S7) {
        const double Dv2 = Sq(d.Dv), Dx = d.Dx;
        o.lines.Add(Bare(FT(false, false, Rv(4 * Dv2), Vp + "¡2")) + FT(true, false, Rv(-4 * Dx * Dx), s.A + "¡2") +
                    FT(true, false, Rv(4 * Dv2 * (X + Xref)), s.A) + " = " + Bare(FT(false, true, Rv(Dv2 * Dv2), 1)));
    } else {
        if (cW == 0)
            o.note = "La velocidad " + s.V + d.p0 + " es arbitraria.";
        else if (cA == 0)
            o.note = (form == Linear || Div(r, cW) >= 0) ? "La aceleración " + s.A + " es arbitraria."
                                                         : "No existe solución.";
        const std::string sym = form == Square ? Vp + "¡2" : Vp;
        o.lines.Add(Bare(FT(false, false, Rv(cW), sym)) + FT(true, false, Rv(cA), s.A) + " = " +
                    Bare(FT(false, true, Rv(r), 1)));
    }
    return o;
}

}  // namespace mrua
