#include "motion/compute.h"

#include <cmath>

#include "motion/state.h"
#include "numerics/linalg.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/globals.h"

namespace motion {

std::vector<std::string> SplitItems(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty()) return items;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return items;
}

double ItemNumber(const std::vector<std::string>& items, int k) {
    rt::CheckIndex(k, 1, static_cast<long long>(items.size()));
    return rt::TextToNumber(items[k - 1]);
}

std::optional<double> TryItemNumber(const std::vector<std::string>& items, int k) {
    if (k < 1 || k > static_cast<int>(items.size())) return std::nullopt;
    const std::optional<double> v = rt::TryTextToNumber(items[k - 1]);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

int ItemInteger(const std::vector<std::string>& items, int k) { return rt::CInt(ItemNumber(items, k)); }

rt::Outcome<IntervalData> ReadIntervalData(const std::vector<std::string>& items) {
    IntervalData d;
    for (const std::string& item : items) {
        const size_t eq = item.find('=');
        const std::string value =
            eq == std::string::npos ? std::string() : rt::Trim(rt::PlainMinus(item.substr(eq + 1)));
        const std::optional<double> number = rt::TryTextToNumber(value);
        if (eq == std::string::npos || (!value.empty() && !(number && std::isfinite(*number))))
            return rt::Outcome<IntervalData>::Refusal(
                "No puedo leer el dato \"" + rt::Trim(item) +
                "\". Escribe en la casilla cada dato como un nombre, \"=\" y un número, separados por comas y con "
                "punto decimal (por ejemplo: a = 3, xi = 12, xf = 23, dt = 6).");
        const std::string name = rt::Trim(item.substr(0, eq));
        const rt::Variant v = value.empty() ? rt::Variant() : rt::Variant(value);
        const char c0 = name.empty() ? '\0' : name[0];
        const char c1 = name.size() > 1 ? name[1] : '\0';
        const bool initial = c1 == 'i' || (c1 == '0' && name.size() == 2);
        // After t, x or v: nothing, i, f or a point number (tf, t, t2, x0); a
        // name like vo, typed for v0, is refused rather than read as vf.
        const bool pointName = c1 == '\0' || c1 == 'i' || c1 == 'f' || (c1 >= '0' && c1 <= '9');
        rt::Variant* slot = nullptr;
        if (name == "a")
            slot = &d.a;
        else if (c0 == 't' && pointName)
            slot = initial ? &d.ti : &d.tf;
        else if (c0 == 'x' && pointName)
            slot = initial ? &d.xi : &d.xf;
        else if (c0 == 'v' && pointName)
            slot = initial ? &d.vi : &d.vf;
        else if (c0 == 'd')
            slot = c1 == 't' ? &d.dt : c1 == 'x' ? &d.dx : c1 == 'v' ? &d.dv : nullptr;
        // A datum whose name is none of these would be dropped without a
        // word, and the case then blamed on the amount of data.
        if (!slot)
            return rt::Outcome<IntervalData>::Refusal(
                "No conozco el nombre del dato \"" + rt::Trim(item) +
                "\". Los nombres que conozco son a, ti, tf, dt, xi, xf, dx, vi, vf y dv (t0, x0 y v0 valen por ti, "
                "xi y vi).");
        *slot = v;
    }
    return d;
}

rt::Outcome<QuadraticFit> FitThreePoints(const std::array<double, 3>& t, const std::array<double, 3>& x) {
    num::Matrix m(3, 3);
    std::vector<double> r(4);
    for (int n = 1; n <= 3; ++n) {
        m(n, 1) = rt::Mul(t[n - 1], t[n - 1]);
        m(n, 2) = t[n - 1];
        m(n, 3) = 1;
        r[n] = x[n - 1];
    }
    std::string msg;
    num::SolveLinearSystem(m, r, msg);
    if (!msg.empty()) return rt::Outcome<QuadraticFit>::Refusal(msg);
    QuadraticFit f;
    f.c2 = r[1];
    f.c1 = r[2];
    f.c0 = r[3];
    return f;
}

std::string PlainRounded(double v) { return rt::RoundedText(v, text::G().Decimals); }

text::ResultLines ThreePointLines(int body, int segment, const QuadraticFit& f) {
    text::ResultLines lines(4);
    lines[1] = "Punto base n a fijar:";
    lines[2] = "t!n = 0, " + AccelSymbol(body, segment) + " = " + PlainRounded(rt::Mul(2, f.c2)) + "\r\n" +
               PositionSymbol(body, segment) + "!n = " + PlainRounded(f.c0) + ", " + VelocitySymbol(body, segment) +
               "!n = " + PlainRounded(f.c1);
    return lines;
}

rt::Outcome<LaunchFit> LaunchThroughPoints(double x0, double y0, double xm, double ym, double xn, double yn) {
    using Result = rt::Outcome<LaunchFit>;
    const double s1 = rt::Div(ym - y0, xm - x0), s2 = rt::Div(yn - ym, xn - xm);
    if (num::IsNear(s1, s2, 1e-8)) return Result::Refusal("Los tres puntos dados están sobre una recta.");
    const double dm = xm - x0, dn = xn - x0;
    num::Matrix m(2, 2);
    m(1, 1) = dm;
    m(1, 2) = rt::Mul(-kHalfG, rt::Mul(dm, dm));
    m(2, 1) = dn;
    m(2, 2) = rt::Mul(-kHalfG, rt::Mul(dn, dn));
    std::vector<double> b = {0, ym - y0, yn - y0};
    std::string msg;
    num::SolveLinearSystem(m, b, msg);
    if (!msg.empty()) return Result::Refusal(msg);
    const double T = b[1], U = b[2];
    if (U < 0) return Result::Refusal("No hay solución. La parábola sería cóncava hacia arriba.");
    double theta = num::ArcTanDeg(T);
    if (xm < x0) theta = theta > 0 ? theta - 180 : theta + 180;
    const double c = num::CosDeg(theta);
    LaunchFit r;
    r.theta0 = theta;
    r.v0 = rt::Div(1.0, rt::Sqrt(std::abs(rt::Mul(U, c * c))));
    return r;
}

double AngleFromRangeHeight(double C) { return num::ArcTanDeg(std::abs(rt::Mul(4, rt::Div(1.0, C)))); }

LaunchFit LaunchFromFlightAndRange(double tv, double R) {
    LaunchFit r;
    r.theta0 = num::ArcTanDeg(std::abs(rt::Div(rt::Mul(kHalfG, rt::Mul(tv, tv)), R)));
    r.v0 = rt::Div(rt::Mul(kHalfG, tv), num::SinDeg(r.theta0));
    return r;
}

RectProcedure RectListedCode(int entry) {
    using enum RectProcedure;
    static constexpr RectProcedure codes[] = {
        ThroughThreePoints, IntervalEquations, XDifference, XRatio,      VDifference,    VRatio,   PQConditions,
        LinkSegments,       SystemVA,          SystemV2A,   SystemV2A2A, SystemV2A2AV2A, Quadratic};
    rt::ExpectIndex(entry, 0, 12, "entry of the rectilinear list");
    return codes[entry];
}

int ParabListedCode(int entry) {
    static const int codes[] = {2, 3, 4, 21, 22, 25, 26, 27, 28, 32, 29, 30, 31};
    rt::ExpectIndex(entry, 0, 12, "entry of the projectile list");
    return codes[entry];
}

std::vector<HelpLine> PicturedHelp(shell::WorkspaceId mode, int n) {
    if (mode == shell::kRectilinearWorkspace) {
        switch (n) {
        case 1:
            return {{5, 32, "Clic en el rótulo coloreado del punto base \"n\". t!n y x!n deben conocerse."},
                    {5, 17, "Puede darse uno, ambos o ninguno de los datos v!n y \"a\"."}};
        case 2:
            return {{5, 32, "{t!i},  {x!i},  {v!i},  {;Dt, ;Dx},  {;Dx, ;Dv}, {;Dt, C[x!i]}"},
                    {5, 17, "{;Dt, C[v!i]}, {;Dx, C[t!i]}, {;Dx, C[v!i]}, {;Dv, C[t!i]}, {;Dv, C[x!i]}"}};
        case 3:
            return {
                {5, 32, "{t!i, x!i},  {t!i, v!i},  {x!i, v!i},  {t!i, t!f, ;Dx},  {x!i, x!f, ;Dt}, {x!i, x!f, ;Dv}"},
                {5, 17, "{t!i, t!f, C[x!i] ó C[v!i]}, {x!i, x!f, C[t!i] ó C[v!i]},  {v!i, v!f, C[t!i] ó C[x!i]}."}};
        case 4:
            return {{5, 32, "Clic en el punto inicial, clic en el punto final"},
                    {5, 17, "del intervalo [t!i, t!f] a graficar."}};
        case 5: return {{8, 26, "Clic en los puntos inicial y final del intervalo [t!i, t!f] considerado"}};
        default: return {};
        }
    }
    if (mode == shell::kProjectileWorkspace) {
        switch (n) {
        case 1:
            return {{5, 36, "Tabla: t!0, x!0, y!0 y 0,1 o 2 de {v!0, ;q!0} o bien 1 de {v!0!x, v!0!y}"},
                    {5, 17, "Haz clic en el rótulo coloreado del punto 0 del móvil considerado."}};
        case 2:
            return {{5, 32, "{t!i},  {x!i},  {y!i}, {v!y!i}, {;q}, {;Dt, ;Dy}. Para \"v!y!i\" Modo = \"cs\"."},
                    {5, 17, "Para el último tipo de dato haz clic en el punto final del intervalo."}};
        case 3:
            return {
                {5, 36, "{t!i, x!i},  {t!i, y!i}, {x!i, y!i}, {t!i, ;q!i},  {x!i, ;q!i}   (9o. dato no si $r(;q!0))"},
                {5, 17, "{y!i, ;q!i}, {t!i, v!i}, {x!i, v!i}, {y!i, v!i}       (8o. y 9o. datos no si $r(v!0,;q!0))"}};
        case 4:
            return {
                {5, 36, "{t!i, x!i},  {t!i, y!i}, {x!i, y!i}, {t!i, ;q!i},  {x!i, ;q!i}   (2o. dato no si $r(v!0!x))"},
                {5, 17, "{y!i, ;q!i}, {t!i, v!i}, {x!i, v!i}, {y!i, v!i}                 (1er. dato no si $r(v!0!y))"}};
        case 5: return {{8, 26, "Clic en los puntos inicial y final del intervalo [t!i, t!f] considerado."}};
        default: return {};
        }
    }
    return {};
}

std::vector<HelpLine> RectListedHelp(RectProcedure code) {
    static const HelpLine sys53[] = {{105, 32, "(Casilla) datos en el orden:"},
                                     {105, 17, "a!1!1, a!1!2, b!1, a!2!1, a!2!2, b!2"}};
    static const HelpLine sys55[] = {{155, 32, "(Casilla) datos en el orden:"},
                                     {155, 17, "a!1!1, a!1!2, a!1!3, b!1, a!2!1, a!2!2, b!2"}};
    using enum RectProcedure;
    switch (code) {
    case ThroughThreePoints: return {{8, 26, "Tabla: t!i, x!i, t!j, x!j, t!k, x!k   Casilla: Móv, Seg, i, j, k"}};
    case Distance: return {{8, 26, "Clic en los puntos inicial y final del intervalo [t!i, t!f] considerado"}};
    case IntervalEquations:
        return {{8, 35, "3 ó 4 datos del conjunto {a, t!i , t!f , x!i , x!f , v!i , v!f , ;Dt, ;Dx, ;Dv}"},
                {8, 16, "Ejemplo en la casilla: \"a = 3, xi = 12, xf = 23, dt = 6\"."}};
    case XDifference:
    case XRatio: return {{8, 26, "Se conocen x(t) y X(t). Dato en la casilla: C"}};
    case VDifference:
    case VRatio: return {{8, 26, "Se conocen v(t) y V(t). Dato en la casilla: C"}};
    case PQConditions:
        return {{8, 35, "Dados x(t) y 3 de {A, T!0, X!0, V!0} (Punto base, Móv. 2), calcular la"},
                {8, 16, "faltante y \"t\" de modo que x = p*X y v = q*V en \"t\". (Casilla:) p,q."}};
    case LinkSegments:
        return {{5, 26, "Tabla: t!a, x!a, v!a, y 4 de {a!1, a!2, t!c, x!c, v!c}. Clic en \"a\" y \"c\"."}};
    case SystemVA:
        return {{5, 32, "a!1!1 v!0 + a!1!2 a = b!1"}, {5, 17, "a!2!1 v!0 + a!2!2 a = b!2"}, sys53[0], sys53[1]};
    case SystemV2A:
        return {{5, 32, "a!1!1 v!0¡2 + a!1!2 a = b!1"}, {5, 17, "a!2!1 v!0 + a!2!2 a = b!2"}, sys53[0], sys53[1]};
    case SystemV2A2A:
        return {{5, 32, "a!1!1 v!0¡2 + a!1!2 a¡2 + a!1!3 a = b!1"},
                {5, 17, "a!2!1 v!0 + a!2!2 a = b!2"},
                sys55[0],
                sys55[1]};
    case SystemV2A2AV2A:
        return {{5, 32, "a!1!1 v!0¡2 + a!1!2 a¡2 + a!1!3 a = b!1"},
                {5, 17, "a!2!1 v!0¡2 + a!2!2 a = b!2"},
                sys55[0],
                sys55[1]};
    case Quadratic: return {{5, 24, "(Casilla) Coeficientes A, B, C de la ecuación Ax¡2 + Bx + C = 0"}};
    default: return {};
    }
}

std::vector<HelpLine> ParabListedHelp(int code, double& size) {
    size = 8;
    static const HelpLine casilla[] = {
        {155, 30, "Datos en la casilla:"}, {155, 16, "A, B, C, D, E, F"}, {155, 16, "A, B, C, D"}};
    switch (code) {
    case 2: size = 10; return {{8, 26, "Tabla: t!0, x!0, y!0, x!m, y!m, x!n, y!n.    Casilla: Móvil, m, n"}};
    case 3: size = 10; return {{8, 26, "Tabla: t!0, x!0, y!0 [, v!0].  Casilla: Móvil, C"}};
    case 4: size = 10; return {{8, 26, "Tabla: t!0, x!0, y!0.  Casilla: Móvil, t!v, R"}};
    case 21: return {{5, 30, "Datos: $r(t) ó $R(t)  Clic en t!i y t!f."}};
    case 22:
        return {{5, 35, "Datos en la casilla: {Móvil, s!1, s!2, ;b}    (;b = inclinación del plano)"},
                {5, 16, "(s!1, s!2) = coords. del pie del plano relativas al pto. de lanzamiento"}};
    case 25: size = 10; return {{8, 26, "Conocidas $r(t) y $R(t), oprime \"#reto\"."}};
    case 26:
        size = 10;
        return {{2, 35, "Dado $r(t) (con t!0=0) y una de {V!0, ;Q!0, t!c} calcular las otras 2."},
                {2, 16, "Tabla: T!0,X!0,Y!0[,V!0][,;Q!0]    Si no V!0 ni ;Q!0, Casilla: tc"}};
    case 27:
        size = 10;
        return {{5, 35, "Móvil: $v = (u, 0) desde $r = 0 en t = 0. Choque en t = t!c"},
                {5, 16, "Datos: t!0,$r!0 y {u, t!c}, {v!0, u}, {v!0, t!c}, {;q!0, u} ó {;q!0, t!c}"}};
    case 28:
        return {{5, 30, "A tan ;q + B/(v!0¡2 cos¡2 ;q!0) = C"},
                {5, 16, "D tan ;q + E/(v!0¡2 cos¡2 ;q!0) = F"},
                casilla[0],
                casilla[1]};
    case 29: return {{5, 30, "A tan ;q + B/(v!0¡2 cos¡2 ;q!0) = C"}, {5, 16, "v!0 cos ;q = D"}, casilla[0], casilla[2]};
    case 30: return {{5, 30, "A tan ;q + B/(v!0¡2 cos¡2 ;q!0) = C"}, {5, 16, "v!0 sen ;q = D"}, casilla[0], casilla[2]};
    case 31:
        return {{5, 30, "A tan ;q + B/(v!0 cos ;q!0) = C"},
                {5, 16, "D tan ;q + E/(v!0 cos ;q!0) = F"},
                casilla[0],
                casilla[1]};
    case 32:
        return {{5, 30, "A tan ;q + B/(v!0¡2 cos¡2 ;q!0) = C"},
                {5, 16, "D tan ;q + E/(v!0 cos ;q!0) = F"},
                casilla[0],
                casilla[1]};
    default: return {};
    }
}

}  // namespace motion
