#include "motion/mrua/listed.h"

#include <cmath>
#include <functional>

#include "motion/compute.h"
#include "numerics/equations.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "text/resultformat.h"

namespace mrua {

namespace {

using rt::Div;

enum Q { kA, kTi, kTf, kDt, kXi, kXf, kDx, kVi, kVf, kDv };
const char* const kLabels[10] = {
    "a = ", "t!i = ", "t!f = ", ";Dt = ", "x!i = ", "x!f = ", ";Dx = ", "v!i = ", "v!f = ", ";Dv = "};
const char* const kPlusMinus = "±";

// The answer of one interval case: a box, a line that ends the case (with or
// without the data line), or the result line.
struct CaseResult {
    std::string box;
    std::string line;
    bool keepData = true;
};
CaseResult Box(std::string s) { return {std::move(s), "", true}; }
CaseResult Line(std::string s, bool keepData = true) { return {"", std::move(s), keepData}; }

// The time from the velocity v0 to v1 at the acceleration a, shown with its
// significant digits however short it is (an electron crosses in 7.86E-08 s);
// only the rounding noise of v1 - v0 shows as 0.
std::string TimeBetween(double v0, double v1, double a) {
    return text::FormatNumKeepingSmall(Div(v1 - v0, a), Div(std::fabs(v0) + std::fabs(v1), std::fabs(a)));
}

// Uniform motion (a = 0) over a displacement dx at the velocity v: the other
// velocity (named by `otherLabel`) is v and the time is dx / v. At rest
// (v = 0) no time reaches a nonzero dx, and a zero dx leaves it undetermined.
CaseResult UniformOverDistance(double v, double dx, const char* otherLabel) {
    if (v == 0) {
        if (dx != 0) return Line("No hay solución: con a = 0 y velocidad 0 el móvil no se desplaza.");
        return Line(std::string(otherLabel) + "0, ;Dt indeterminado (a = 0 y velocidad 0).");
    }
    return Line(otherLabel + text::FormatNumText(v) + ", ;Dt = " + text::FormatNumKeepingSmall(Div(dx, v)));
}

}  // namespace

StepResult IntervalEqns(const motion::IntervalData& in) {
    // By the quantities' places in Q: the combinations below are sets of them.
    std::array<rt::Variant, 10> v = {in.a, in.ti, in.tf, in.dt, in.xi, in.xf, in.dx, in.vi, in.vf, in.dv};
    unsigned givenMask = 0;
    for (int i = 0; i < 10; ++i) {
        if (v[i].IsEmptyText()) continue;
        givenMask |= 1u << i;
        if (v[i].IsNumeric()) v[i] = rt::Variant(v[i].ToNumber());
    }
    auto n = [&](int i) { return v[i].ToNumber(); };
    auto sq = [](double x) { return rt::Checked(x * x); };
    // A result with its significant digits where the decimals would show 0
    // of a value that is not zero; `terms` is the size of what was added to
    // get it, so rounding noise of a true zero still shows 0.
    auto K = [](double x, double terms) { return text::FormatNumKeepingSmall(x, terms); };
    using std::fabs;

    struct Row {
        std::vector<int> order;
        std::function<CaseResult()> run;
    };
    const std::vector<Row> rows = {
        {{kTi, kTf, kVi, kVf},
         [&] {
             if (n(kTi) == n(kTf)) return Box("ti no debe ser igual a tf.");
             const double dt = n(kTf) - n(kTi);
             const double a = Div(n(kVf) - n(kVi), dt);
             const double dx = 0.5 * (n(kVi) + n(kVf)) * dt;
             return Line("a = " + K(a, Div(fabs(n(kVf)) + fabs(n(kVi)), fabs(dt))) +
                         ", ;Dx = " + K(dx, 0.5 * (fabs(n(kVi)) + fabs(n(kVf))) * fabs(dt)));
         }},
        {{kTi, kTf, kDv},
         [&] {
             if (n(kTi) == n(kTf)) return Box("ti no debe ser igual a tf.");
             return Line("a = " + K(Div(n(kDv), n(kTf) - n(kTi)), 0));
         }},
        {{kA, kVi, kVf},
         [&] {
             if (n(kA) == 0) return Box("Valor 0 de la aceleración no permitido.");
             const double dt = Div(n(kVf) - n(kVi), n(kA));
             const double dx = n(kVi) * dt + 0.5 * n(kA) * dt * dt;
             return Line(";Dt = " + TimeBetween(n(kVi), n(kVf), n(kA)) +
                         ", ;Dx = " + K(dx, fabs(n(kVi) * dt) + fabs(0.5 * n(kA) * dt * dt)));
         }},
        {{kDt, kVi, kVf},
         [&] {
             if (n(kDt) == 0) return Box("Valor 0 de dt no permitido.");
             const double a = Div(n(kVf) - n(kVi), n(kDt));
             const double dx = 0.5 * (n(kVi) + n(kVf)) * n(kDt);
             return Line("a = " + K(a, Div(fabs(n(kVf)) + fabs(n(kVi)), fabs(n(kDt)))) +
                         ", ;Dx = " + K(dx, 0.5 * (fabs(n(kVi)) + fabs(n(kVf))) * fabs(n(kDt))));
         }},
        {{kDx, kVi, kVf},
         [&] {
             if (n(kDx) == 0) return Box("Valor 0 de dx no permitido.");
             if (n(kVi) + n(kVf) == 0) return Box("Si vi = vf entonces dx = 0.");
             const double a = Div(sq(n(kVf)) - sq(n(kVi)), 2 * n(kDx));
             const double dt = Div(2 * n(kDx), n(kVi) + n(kVf));
             return Line("a = " + K(a, Div(sq(n(kVf)) + sq(n(kVi)), fabs(2 * n(kDx)))) + ", ;Dt = " + K(dt, 0));
         }},
        {{kXi, kXf, kVi, kVf},
         [&] {
             if (n(kXi) == n(kXf)) return Box("Si xi = xf entonces vi = -vf. Datos insuficientes.");
             if (n(kVi) == -n(kVf)) return Box("Si vi = -vf entonces xi = xf. Datos insuficientes.");
             const double a = Div(sq(n(kVf)) - sq(n(kVi)), 2 * (n(kXf) - n(kXi)));
             // From the mean velocity: it holds for a = 0 (vi = vf) as well.
             const double dt = Div(2 * (n(kXf) - n(kXi)), n(kVi) + n(kVf));
             return Line("a = " + K(a, Div(sq(n(kVf)) + sq(n(kVi)), fabs(2 * (n(kXf) - n(kXi))))) +
                         ", ;Dt = " + K(dt, Div(2 * (fabs(n(kXf)) + fabs(n(kXi))), fabs(n(kVi) + n(kVf)))));
         }},
        {{kA, kXi, kXf, kVf},
         [&] {
             if (n(kA) == 0 || n(kXi) == n(kXf)) return Box("No puede ser a = 0 ni xi = xf.");
             const double w = sq(n(kVf)) - 2 * n(kA) * (n(kXf) - n(kXi));
             if (w < 0) return Line("No hay solución para vi");
             const double vi = std::sqrt(w);
             return Line("v!i = " + std::string(kPlusMinus) + text::FormatNumText(vi) +
                         ", ;Dt = " + TimeBetween(vi, n(kVf), n(kA)) + ", " + TimeBetween(-vi, n(kVf), n(kA)));
         }},
        {{kA, kDx, kVf},
         [&] {
             if (n(kA) == 0) return UniformOverDistance(n(kVf), n(kDx), "v!i = ");
             const double w = sq(n(kVf)) - 2 * n(kA) * n(kDx);
             if (w < 0) return Line("No hay solución para vi.");
             const double vi = std::sqrt(w);
             return Line("v!i = " + std::string(kPlusMinus) + text::FormatNumText(vi) +
                         ", ;Dt = " + TimeBetween(vi, n(kVf), n(kA)) + ", " + TimeBetween(-vi, n(kVf), n(kA)));
         }},
        {{kXi, kXf, kDt, kVi},
         [&] {
             const double dt = n(kDt);
             const double a = Div(2 * ((n(kXf) - n(kXi)) - n(kVi) * dt), dt * dt);
             return Line("a = " + text::FormatNumText(a) + ", v!f = " + text::FormatNumText(n(kVi) + a * dt));
         }},
        {{kA, kXi, kXf, kVi},
         [&] {
             if (n(kA) == 0) return UniformOverDistance(n(kVi), n(kXf) - n(kXi), "v!f = ");
             const double w = sq(n(kVi)) + 2 * n(kA) * (n(kXf) - n(kXi));
             if (w < 0) return Line("No hay solución para vf.");
             const double vf = std::sqrt(w);
             return Line("v!f = " + std::string(kPlusMinus) + text::FormatNumText(vf) +
                         ", ;Dt = " + TimeBetween(n(kVi), vf, n(kA)) + ", " + TimeBetween(n(kVi), -vf, n(kA)));
         }},
        {{kA, kDx, kVi},
         [&] {
             if (n(kA) == 0) return UniformOverDistance(n(kVi), n(kDx), "v!f = ");
             const double w = sq(n(kVi)) + 2 * n(kA) * n(kDx);
             if (w < 0 || n(kA) == 0) return Line("No hay solución para vi o dt");
             const double vf = std::sqrt(w);
             return Line("v!f = " + std::string(kPlusMinus) + text::FormatNumText(vf) +
                         ",  ;Dt = " + TimeBetween(n(kVi), vf, n(kA)) + ", " + TimeBetween(n(kVi), -vf, n(kA)));
         }},
        {{kA, kVi, kVf, kXi},
         [&] {
             if (n(kA) == 0) return Line("Valor 0 no permitido", false);
             const double xf = n(kXi) + Div(sq(n(kVf)) - sq(n(kVi)), 2 * n(kA));
             return Line("x!f = " + text::FormatNumText(xf) +
                         ", ;Dt = " + text::FormatNumText(Div(n(kVf) - n(kVi), n(kA))));
         }},
        {{kA, kVi, kVf, kXf},
         [&] {
             if (n(kA) == 0) return Line("Valor 0 no permitido", false);
             const double xi = n(kXf) - Div(sq(n(kVf)) - sq(n(kVi)), 2 * n(kA));
             return Line("x!i = " + text::FormatNumText(xi) +
                         ", ;Dt = " + text::FormatNumText(Div(n(kVf) - n(kVi), n(kA))));
         }},
        {{kA, kVi, kTi, kTf},
         [&] {
             const double dt = n(kTf) - n(kTi);
             const double vf = n(kVi) + n(kA) * dt;
             // From the mean velocity, so that a = 0 (uniform motion) is answered too.
             return Line("v!f = " + K(vf, fabs(n(kVi)) + fabs(n(kA) * dt)) +
                         ", ;Dx = " + K(0.5 * (n(kVi) + vf) * dt, 0.5 * (fabs(n(kVi)) + fabs(vf)) * fabs(dt)));
         }},
        {{kA, kVf, kTi, kTf},
         [&] {
             const double dt = n(kTf) - n(kTi);
             const double vi = n(kVf) - n(kA) * dt;
             return Line("v!i = " + K(vi, fabs(n(kVf)) + fabs(n(kA) * dt)) +
                         ", ;Dx = " + K(0.5 * (vi + n(kVf)) * dt, 0.5 * (fabs(vi) + fabs(n(kVf))) * fabs(dt)));
         }},
        {{kA, kVi, kVf, kTi},
         [&] {
             if (n(kA) == 0) return Line("Valor 0 no permitido", false);
             const double tf = n(kTi) + Div(n(kVf) - n(kVi), n(kA));
             return Line("t!f = " + text::FormatNumText(tf) +
                         ", ;Dx = " + text::FormatNumText(Div(sq(n(kVf)) - sq(n(kVi)), 2 * n(kA))));
         }},
        {{kA, kVi, kVf, kTf},
         [&] {
             if (n(kA) == 0) return Line("Valor 0 no permitido", false);
             const double ti = n(kTf) - Div(n(kVf) - n(kVi), n(kA));
             return Line("t!i = " + text::FormatNumText(ti) +
                         ", ;Dx = " + text::FormatNumText(Div(sq(n(kVf)) - sq(n(kVi)), 2 * n(kA))));
         }},
        {{kA, kTi, kTf}, [&] { return Line(";Dv = " + K(n(kA) * (n(kTf) - n(kTi)), 0)); }},
        {{kA, kTi, kDv},
         [&] {
             if (n(kA) == 0) return Line("Valor 0 no permitido", false);
             return Line("t!f = " + text::FormatNumText(n(kTi) + Div(n(kDv), n(kA))));
         }},
        {{kA, kTf, kDv},
         [&] {
             if (n(kA) == 0) return Line("Valor 0 no permitido", false);
             return Line("t!i = " + text::FormatNumText(n(kTf) - Div(n(kDv), n(kA))));
         }},
        {{kA, kVi, kDt},
         [&] {
             const double dt = n(kDt);
             const double dx = n(kVi) * dt + 0.5 * n(kA) * dt * dt;
             return Line("v!f = " + K(n(kVi) + n(kA) * dt, fabs(n(kVi)) + fabs(n(kA) * dt)) + ", " +
                         ";Dx = " + K(dx, fabs(n(kVi) * dt) + fabs(0.5 * n(kA) * dt * dt)));
         }},
        {{kA, kVf, kDt},
         [&] {
             const double vi = n(kVf) - n(kA) * n(kDt);
             return Line("v!i = " + K(vi, fabs(n(kVf)) + fabs(n(kA) * n(kDt))) +
                         ", ;Dx = " + K(0.5 * (vi + n(kVf)) * n(kDt), 0.5 * (fabs(vi) + fabs(n(kVf))) * fabs(n(kDt))));
         }},
        {{kA, kDt, kDx},
         [&] {
             if (n(kDt) == 0) return Line("Valor 0 no permitido", false);
             const double m = Div(n(kDx), n(kDt)), h = 0.5 * n(kA) * n(kDt);
             return Line("v!i = " + text::FormatNumText(m - h) + ", v!f = " + text::FormatNumText(m + h));
         }},
        {{kA, kXi, kXf, kDt},
         [&] {
             if (n(kDt) == 0) return Line("Valor 0 no permitido", false);
             const double m = Div(n(kXf) - n(kXi), n(kDt)), h = 0.5 * n(kA) * n(kDt);
             return Line("v!i = " + text::FormatNumText(m - h) + ", v!f = " + text::FormatNumText(m + h));
         }},
        {{kA, kTi, kTf, kDx},
         [&] {
             const double dt = n(kTf) - n(kTi);
             if (dt == 0) return Line("Valor 0 no permitido", false);
             const double m = Div(n(kDx), dt), h = 0.5 * n(kA) * dt;
             return Line("v!i = " + text::FormatNumText(m - h) + ", v!f = " + text::FormatNumText(m + h));
         }},
        {{kVi, kDt, kDx},
         [&] {
             const double dt = n(kDt);
             if (dt == 0) return Line("Valor 0 no permitido", false);
             const double a = Div(2 * (n(kDx) - n(kVi) * dt), dt * dt);
             return Line("a = " + text::FormatNumText(a) +
                         ", v!f = " + text::FormatNumText(Div(2 * n(kDx), dt) - n(kVi)));
         }},
    };

    StepResult out;
    std::string data, result = "Datos de más, de menos, o inconsistentes";
    for (const Row& row : rows) {
        unsigned mask = 0;
        for (int i : row.order) mask |= 1u << i;
        if (mask != givenMask) continue;
        const CaseResult r = row.run();
        if (!r.box.empty()) return StepResult::Refuse(r.box);
        if (r.keepData) {
            for (int i : row.order) {
                if (!data.empty()) data += ", ";
                data += kLabels[i] + v[i].ToText();
            }
        }
        result = r.line;
        break;
    }
    out.lines = text::ResultLines{"Sust. en las ecs. de intervalo:", "Datos: " + data, result};
    return out;
}

// ---------------------------------------------------------------- 53..57

namespace {

std::string FT(bool notFirst, bool showZero, double c, const rt::Variant& s) {
    return text::FormatTerm(notFirst, showZero, rt::Variant(c), s);
}

std::string Rhs(double c) { return " = " + Bare(FT(false, true, c, 1)); }

}  // namespace

StepResult VaSystem(motion::RectProcedure code, const std::string& text) {
    using enum motion::RectProcedure;
    StepResult out;
    if (code < SystemVA || code > Quadratic) return out;
    const auto items = motion::SplitItems(text);
    for (const auto& it : items)
        if (!rt::IsNumeric(it)) return StepResult::Refuse("Hay algún coeficiente no numérico.");
    const size_t need = code == Quadratic ? 3 : (code <= SystemV2A ? 6 : 7);
    if (items.size() != need) return StepResult::Refuse("Número de coeficientes incorrecto.");
    std::vector<double> c;
    for (const auto& it : items) c.push_back(rt::TextToNumber(it));

    text::ResultLines& L = out.lines;
    L.Add(code == Quadratic ? "Resolver la ecuación cuadrática:" : "Resolver el sistema:");
    switch (code) {
    case SystemVA:
        L.Add(Bare(FT(false, false, c[0], "v!0")) + FT(true, false, c[1], "a") + Rhs(c[2]));
        L.Add(Bare(FT(false, false, c[3], "v!0")) + FT(true, false, c[4], "a") + Rhs(c[5]));
        break;
    case SystemV2A:
        L.Add(Bare(FT(false, false, c[0], "v!0¡2")) + FT(true, false, c[1], "a") + Rhs(c[2]));
        L.Add(Bare(FT(false, false, c[3], "v!0")) + FT(true, false, c[4], "a") + Rhs(c[5]));
        break;
    case SystemV2A2A:
        L.Add(Bare(FT(false, false, c[0], "v!0¡2")) + FT(true, false, c[1], "a¡2") + FT(true, false, c[2], "a") +
              Rhs(c[3]));
        L.Add(Bare(FT(false, false, c[4], "v!0")) + FT(true, false, c[5], "a") + Rhs(c[6]));
        break;
    case SystemV2A2AV2A:
        L.Add(Bare(FT(false, false, c[0], "v!0¡2")) + FT(true, false, c[1], "a¡2") + FT(true, false, c[2], "a") +
              Rhs(c[3]));
        L.Add(Bare(FT(false, false, c[4], "v!0¡2")) + FT(true, false, c[5], "a") + Rhs(c[6]));
        break;
    default:
        L.Add(Bare(FT(false, false, c[0], "x¡2")) + FT(true, false, c[1], "x") + FT(true, false, c[2], 1) + " = 0");
        break;
    }
    auto pair = [](double v0, double a) {
        return "v!0 = " + text::FormatNumText(v0) + ", a = " + text::FormatNumText(a);
    };

    if (code == SystemVA) {
        const double det = rt::Checked(c[0] * c[4] - c[1] * c[3]);
        if (det == 0) return StepResult::Refuse("El coeficiente del sistema es cero.");
        const double v0 = rt::Div(c[2] * c[4] - c[1] * c[5], det);
        const double a = rt::Div(c[0] * c[5] - c[2] * c[3], det);
        L.Add("v!0 = " + text::FormatNumText(v0) + ", a = " + text::FormatNumText(a));
        out.values = {v0, a};
    } else if (code == SystemV2A || code == SystemV2A2A) {
        double A, B, C;
        if (code == SystemV2A) {
            A = c[0] * c[4];
            B = -c[1] * c[3];
            C = c[1] * c[5] - c[2] * c[4];
        } else {
            A = c[0] * c[5] * c[5] + c[1] * c[4] * c[4];
            B = -2 * c[1] * c[4] * c[6] - c[2] * c[4] * c[5];
            C = c[1] * c[6] * c[6] + c[2] * c[5] * c[6] - c[3] * c[5] * c[5];
        }
        auto aOf = [&](double v0) {
            return code == SystemV2A ? rt::Div(c[5] - c[3] * v0, c[4]) : rt::Div(c[6] - c[4] * v0, c[5]);
        };
        if (A == 0) {
            double v0, a;
            if (code == SystemV2A2A) {
                v0 = rt::Div(-C, B);
                a = aOf(v0);
            } else if (c[0] == 0 && c[1] != 0) {
                a = rt::Div(c[2], c[1]);
                v0 = rt::Div(c[5] - c[4] * a, c[3]);
            } else if (c[0] != 0 && c[4] == 0) {
                v0 = rt::Div(c[5], c[3]);
                a = rt::Div(c[2] - c[0] * v0 * v0, c[1]);
            } else {
                return StepResult{};  // nothing to write
            }
            L.Add(pair(v0, a));
            out.values = {v0, a};
        } else {
            const auto r = num::SolveQuadratic(A, B, C);
            if (r.real != 2) return StepResult::Refuse("No hay solución.");
            const double v1 = r.x[0], v2 = r.x[1];
            L.Add(pair(v1, aOf(v1)));
            L.Add("o bien   " + pair(v2, aOf(v2)));
            out.values = {v1, aOf(v1), v2, aOf(v2)};
        }
    } else if (code == SystemV2A2AV2A) {
        const double A = c[1] * c[4], B = c[2] * c[4] - c[0] * c[5], C = c[0] * c[6] - c[3] * c[4];
        if (A == 0) return StepResult{};
        const auto r = num::SolveQuadratic(A, B, C);
        if (r.real != 2) return StepResult::Refuse("No hay solución.");
        int kept = 0;
        for (int k = 0; k < 2; ++k) {
            const double a = r.x[k];
            const double v2 = rt::Div(c[6] - c[5] * a, c[4]);
            if (!(v2 > 0)) continue;
            const double v0 = std::sqrt(v2);
            L.Add("v!0 = #mame " + text::FormatNumText(v0) + ", a = " + text::FormatNumText(a));
            out.values.push_back(v0);
            out.values.push_back(a);
            ++kept;
        }
        if (!kept) return StepResult::Refuse("No hay solución.");
    } else {
        const auto r = num::SolveQuadratic(c[0], c[1], c[2]);
        if (r.real == 2) {
            L.Add("x!1 = " + text::FormatNumText(r.x[0]) + ", x!2 = " + text::FormatNumText(r.x[1]));
            out.values = {r.x[0], r.x[1]};
        } else {
            L.Add("x!1,!2 = " + text::FormatNumText(r.re) + " #mame " + text::FormatNumText(r.im) + " i");
            out.values = {r.re, r.im};
        }
    }
    return out;
}

// ---------------------------------------------------------------- 47..50

namespace {

std::string Condition(char q, double C, bool isDifference) {
    const std::string lo(1, q), up(1, static_cast<char>(q - 'a' + 'A'));
    return isDifference ? lo + " ;- " + up + " = " + text::MarkupNumber(C) : lo + " = " + text::MarkupNumber(C) + up;
}

std::string Heading(const std::string& cond, int segment) {
    return "La condición " + cond + " se cumple en el tramo " + std::to_string(segment) + " del móvil 1 en:";
}

}  // namespace

StepResult XRelation(const std::vector<SegmentLaw>& body1, const SegmentLaw& body2, double C, bool isDifference) {
    const double K = isDifference ? 1 : C, D = isDifference ? C : 0;
    const std::string cond = Condition('x', C, isDifference);
    StepResult out;
    for (const SegmentLaw& s : body1) {
        const double c0 = rt::Checked(s.A - K * body2.A - D);
        const double c1 = rt::Checked(s.B - K * body2.B);
        const double c2 = rt::Checked((s.a - K * body2.a) / 2);
        if (K * body2.a == s.a) {
            if (c1 == 0) continue;
            out.lines.Add(Heading(cond, s.segment));
            out.lines.Add("t = " + text::MarkupNumber(rt::Div(-c0, c1)));
            out.values.push_back(-c0 / c1);
            continue;
        }
        const double disc = rt::Checked(c1 * c1 - 4 * c0 * c2);
        if (disc < 0) continue;
        const double t1 = rt::Div(-c1 + std::sqrt(disc), 2 * c2);
        const double t2 = rt::Div(-c1 - std::sqrt(disc), 2 * c2);
        out.lines.Add(Heading(cond, s.segment));
        out.lines.Add("t = " + text::MarkupNumber(t1));
        out.lines.Add("t = " + text::MarkupNumber(t2));
        out.values.push_back(t1);
        out.values.push_back(t2);
    }
    if (out.lines.UBound() == 0) return StepResult::Refuse("No hay puntos que cumplan la condición dada.");
    return out;
}

StepResult VRelation(const std::vector<SegmentLaw>& body1, const SegmentLaw& body2, double C, bool isDifference,
                     std::vector<TimeInSegment>& times) {
    const double K = isDifference ? 1 : C, D = isDifference ? C : 0;
    const std::string cond = Condition('v', C, isDifference);
    StepResult out;
    times.clear();
    for (const SegmentLaw& s : body1) {
        const double den = rt::Checked(K * body2.a - s.a);
        // Velocities whose relation never changes give no instant of their own.
        if (den == 0) continue;
        const double t = rt::Div(s.B - K * body2.B - D, den);
        times.push_back({s.segment, t});
        out.lines.Add(Heading(cond, s.segment));
        out.lines.Add("t = " + text::MarkupNumber(t));
        out.values.push_back(t);
    }
    if (times.empty()) return StepResult::Refuse("No hay solución.");
    return out;
}

// ---------------------------------------------------------------- 51

StepResult PQConditions(const SegmentLaw& b1, const Body2Data& d, double p, double q) {
    const bool mT = d.T0.IsEmptyText(), mX = d.X0.IsEmptyText(), mV = d.V0.IsEmptyText(), mA = d.A.IsEmptyText();
    if (mT + mX + mV + mA != 1) return StepResult::Refuse("Datos incorrectos.");
    const double T0 = mT ? 0 : d.T0.ToNumber(), X0 = mX ? 0 : d.X0.ToNumber();
    const double V0 = mV ? 0 : d.V0.ToNumber(), A = mA ? 0 : d.A.ToNumber();
    const double A1 = b1.A, B1 = b1.B, a1 = b1.a;
    auto x1 = [&](double t) { return rt::Checked(A1 + B1 * t + a1 / 2 * t * t); };
    auto v1 = [&](double t) { return rt::Checked(B1 + a1 * t); };
    auto X2 = [](double x0, double v0, double acc, double tau) {
        return rt::Checked(x0 + v0 * tau + acc / 2 * tau * tau);
    };
    auto V2 = [](double v0, double acc, double tau) { return rt::Checked(v0 + acc * tau); };

    // Roots of a c2 y^2 + c1 y + c0 = 0 in the missing datum, linear when c2
    // is near zero.
    auto roots = [](double a, double b, double c, std::vector<double>& out) -> bool {
        if (!num::IsNear(a, 0, 1e-8)) {
            const auto r = num::SolveQuadratic(a, b, c);
            if (r.real != 2) return false;
            out = {r.x[0], r.x[1]};
            return true;
        }
        // Neither one value nor a solution at all when b vanishes too.
        if (num::IsNear(b, 0, 1e-8)) return false;
        out = {rt::Div(-c, b)};
        return true;
    };

    const std::string head =
        "Las condiciones x = " + text::MarkupNumber(p) + "*X  y  v = " + text::MarkupNumber(q) + "*V se cumplen";
    auto pointLine = [&](double t) {
        return "t = " + text::MarkupNumber(t) + ", x = " + text::MarkupNumber(x1(t)) +
               ", v = " + text::MarkupNumber(v1(t));
    };
    StepResult out;
    std::vector<double> ys;

    if (mV) {
        if (q * A == a1) return StepResult::Refuse("Condición inaceptable.");
        const double al = q / (a1 - q * A), be = -(B1 + q * A * T0) / (a1 - q * A);
        const double c0 = A1 - p * X0 - (p * A / 2) * T0 * T0, c1 = B1 + p * A * T0, c2 = (a1 - p * A) / 2;
        const double qa = c2 * al * al - p * al;
        const double qb = c1 * al + 2 * c2 * al * be - p * be + p * T0;
        const double qc = c0 + c1 * be + c2 * be * be;
        if (!roots(qa, qb, qc, ys)) return StepResult::Refuse("No existe solución para V0.");
        out.lines.Add(head + " si");
        for (size_t k = 0; k < ys.size(); ++k) {
            const double v0 = ys[k], t = al * v0 + be;
            out.lines.Add(k == 0 ? "V!0 = " + text::MarkupNumber(v0) + ", en el punto:"
                                 : " o si V0 = " + text::MarkupNumber(v0) + ", en el punto:");
            out.lines.Add(pointLine(t));
            if (ys.size() == 2)
                out.lines.Add("X = " + text::MarkupNumber(X2(X0, v0, A, t - T0)) +
                              ", V = " + text::MarkupNumber(V2(v0, A, t - T0)));
            out.values.push_back(v0);
            out.values.push_back(t);
        }
    } else if (mX) {
        if (q * A - a1 == 0) return StepResult::Refuse("Condición inaceptable.");
        const double t = rt::Div(q * V0 - q * A * T0 - B1, a1 - q * A);
        const double x0 = rt::Div(x1(t), p) - V0 * (t - T0) - (A / 2) * (t - T0) * (t - T0);
        out.lines.Add(head);
        out.lines.Add("en t = " + text::MarkupNumber(t) + " si X!0 = " + text::MarkupNumber(x0));
        out.values = {x0, t};
    } else if (mA) {
        // With tau = t - T0 = K / (a1 - q A), the position condition times
        // (a1 - q A)^2 is a quadratic in A.
        const double K = q * V0 - B1 - a1 * T0;
        const double E = x1(T0) - p * X0, F = v1(T0) - p * V0;
        const double qa = E * q * q;
        const double qb = -2 * E * a1 * q - F * K * q - p * K * K / 2;
        const double qc = E * a1 * a1 + F * K * a1 + a1 * K * K / 2;
        if (!roots(qa, qb, qc, ys)) return StepResult::Refuse("No existe solución para A.");
        for (double acc : ys)
            if (q * acc == a1) return StepResult::Refuse("Condición inaceptable.");
        out.lines.Add(head + " si");
        for (size_t k = 0; k < ys.size(); ++k) {
            const double acc = ys[k];
            const double t = rt::Div(q * V0 - B1 - q * acc * T0, a1 - q * acc);
            out.lines.Add(k == 0 ? "A = " + text::MarkupNumber(acc) + ", en el punto:"
                                 : " o si A = " + text::MarkupNumber(acc) + ", en el punto:");
            out.lines.Add(pointLine(t));
            out.lines.Add("X = " + text::MarkupNumber(X2(X0, V0, acc, t - T0)) +
                          ", V = " + text::MarkupNumber(V2(V0, acc, t - T0)));
            out.values.push_back(acc);
            out.values.push_back(t);
        }
    } else {
        if (q * A - a1 == 0) return StepResult::Refuse("Condición inaceptable.");
        // t = g + d T0 and tau = t - T0 = g + e T0.
        const double g = (q * V0 - B1) / (a1 - q * A), dl = -q * A / (a1 - q * A), e = dl - 1;
        const double qa = a1 / 2 * dl * dl - p * A / 2 * e * e;
        const double qb = B1 * dl + a1 * g * dl - p * V0 * e - p * A * g * e;
        const double qc = A1 + B1 * g + a1 / 2 * g * g - p * X0 - p * V0 * g - p * A / 2 * g * g;
        if (!roots(qa, qb, qc, ys)) return StepResult::Refuse("No existe solución para T0.");
        out.lines.Add(head + " en");
        for (size_t k = 0; k < ys.size(); ++k) {
            const double t0 = ys[k], t = g + dl * t0;
            out.lines.Add((k == 0 ? "t = " : "o bien en t = ") + text::MarkupNumber(t) +
                          "  si T!0 = " + text::MarkupNumber(t0));
            out.values.push_back(t0);
            out.values.push_back(t);
        }
    }
    return out;
}

}  // namespace mrua
