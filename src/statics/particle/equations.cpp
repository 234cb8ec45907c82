#include "statics/particle/equations.h"

#include <cctype>
#include <cmath>
#include <sstream>
#include <vector>

#include "numerics/mathutil.h"
#include "runtime/colors.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "statics/particle/solver.h"
#include "text/resultformat.h"
#include "vectors/clock.h"

namespace particle {

std::string FormatSubscriptSymbol(const std::string& s) {
    auto up = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
    if (s.size() == 2) return std::string{s[0], '!', up(s[1])};
    if (s.size() == 3) return std::string{s[0], '!', up(s[1]), '!', up(s[2])};
    return s;
}

namespace {

const char* const kCrLf = "\r\n";
const char* const kTooMany = "El número de incógnitas excede al número de ecuaciones.";
constexpr rt::ColorRef kRedArrow = 0x0000FF;
constexpr rt::ColorRef kSolvedArrow = 0xFF00FF;

// A symbol of a quantity is at most three characters long; a term of a
// direction ("cos A", "T sen A") is longer.
bool IsPlain(const std::string& t) { return t.size() <= 3; }
bool IsTrig(const std::string& t) { return t.size() > 3; }
bool Contains(const std::string& t, const char* part) { return t.find(part) != std::string::npos; }

std::vector<std::string> Words(const std::string& t) {
    std::vector<std::string> w;
    std::istringstream in(t);
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// The equation of each axis (0 x, 1 y): K1 Q1 + K2 Q2 + S = 0.
struct Equations {
    double S[2] = {0, 0};
    std::string Q1[2], Q2[2];
    double K1[2] = {0, 0}, K2[2] = {0, 0};
    int N[2] = {0, 0};
};

// The component, its coefficient and its term on axis i (0 x, 1 y).
rt::Variant& Comp(ParticleForceRec& r, int i) { return i == 0 ? r.X : r.Y; }
const rt::Variant& Comp(const ParticleForceRec& r, int i) { return i == 0 ? r.X : r.Y; }
double Coef(const ParticleForceRec& r, int i) { return i == 0 ? r.CoefX : r.CoefY; }
const std::string& Term(const ParticleForceRec& r, int i) { return i == 0 ? r.TermX : r.TermY; }

enum class Case { OneForce, Linear, MagAngle, TwoAngle, None };

// What the write-back, the report and the test of candidates need.
struct Solution {
    Case kind = Case::None;
    double a11 = 0, a12 = 0, a21 = 0, a22 = 0;
    std::string name1, name2;  // symbols, or magnitude symbol and angle name, or angles A and B
    bool kind4 = false;
    std::vector<double> values;  // R, Ang | u1, u2 | the solver's four values
};

double Num(const rt::Variant& v) { return v.ToNumber(); }

// Writes candidate (v1, v2) of the solution into the table.
void WriteBack(ForceTable& t, const Solution& s, double v1, double v2, const Equations& e) {
    switch (s.kind) {
    case Case::OneForce:
        for (int i = 0; i < 2; ++i)
            for (ParticleForceRec& r : t) {
                const std::string term = Term(r, i);
                if (Contains(term, "cos"))
                    r.X = rt::Checked(Coef(r, i) * v1 * num::CosDeg(v2));
                else if (Contains(term, "sen"))
                    r.Y = rt::Checked(Coef(r, i) * v1 * num::SinDeg(v2));
            }
        break;
    case Case::Linear:
        for (int i = 0; i < 2; ++i)
            for (ParticleForceRec& r : t) {
                const std::string term = Term(r, i);
                if (term == s.name1)
                    Comp(r, i) = rt::Checked(v1 * Coef(r, i));
                else if (term == s.name2)
                    Comp(r, i) = rt::Checked(v2 * Coef(r, i));
                if (i == 1) {
                    r.Mag = num::Hypot(Num(r.X), Num(r.Y));
                    r.Dir = num::VectorAngleDeg(Num(r.X), Num(r.Y));
                }
            }
        break;
    case Case::MagAngle: {
        const double f = s.kind4 ? v1 : 1;
        for (int i = 0; i < 2; ++i)
            for (ParticleForceRec& r : t) {
                const std::string term = Term(r, i);
                if (term.empty()) continue;
                if (Contains(term, "cos"))
                    r.X = rt::Checked(Coef(r, i) * f * num::CosDeg(v2));
                else if (Contains(term, "sen"))
                    r.Y = rt::Checked(Coef(r, i) * f * num::SinDeg(v2));
                else if (term == s.name1)
                    Comp(r, i) = rt::Checked(Coef(r, i) * v1);
            }
        break;
    }
    case Case::TwoAngle:
        for (ParticleForceRec& r : t) {
            const std::string tx = r.TermX, ty = r.TermY;
            if (tx == e.Q1[0])
                r.X = r.CoefX * num::CosDeg(v1);
            else if (tx == e.Q2[0])
                r.X = r.CoefX * num::CosDeg(v2);
            if (ty == e.Q1[1])
                r.Y = r.CoefY * num::SinDeg(v1);
            else if (ty == e.Q2[1])
                r.Y = r.CoefY * num::SinDeg(v2);
        }
        break;
    case Case::None: break;
    }
}

void Sums(const ForceTable& t, double& sx, double& sy) {
    sx = sy = 0;
    for (const ParticleForceRec& r : t) {
        sx = rt::Add(sx, Num(r.X));
        sy = rt::Add(sy, Num(r.Y));
    }
}

// The equation line of one axis from its terms (coefficient, name) and the
// constant.
std::string EquationText(const std::vector<std::pair<double, std::string>>& terms, double constant, int decimals) {
    // The first term that does not vanish opens the line, its minus by its
    // number; a line whose every term vanishes reads "0 = 0".
    std::string text;
    for (const auto& [coef, name] : terms)
        text += text::FormatTerm(!text.empty(), false, rt::RoundHalfEven(coef, decimals), name);
    text += text::FormatTerm(!text.empty(), text.empty(), rt::RoundHalfEven(constant, decimals), 1.0);
    return text + " = 0";
}

std::string Report(const ForceTable& t, const Solution& s, const Equations& e, double v1, double v2, int decimals) {
    using FSS = std::string (*)(const std::string&);
    const FSS F = FormatSubscriptSymbol;
    std::string x, y, line1, line2;
    switch (s.kind) {
    case Case::OneForce:
        x = EquationText({{e.K1[0], F(s.name1) + " cos " + F(s.name2)}}, e.S[0], decimals);
        y = EquationText({{e.K1[1], F(s.name1) + " sen " + F(s.name2)}}, e.S[1], decimals);
        line1 = F(s.name1) + " = " + text::MarkupRounded(v1, decimals);
        line2 = F(s.name2) + " = " + text::MarkupRounded(v2, decimals) + "°";
        break;
    case Case::Linear:
        x = EquationText({{s.a11, F(s.name1)}, {s.a12, F(s.name2)}}, e.S[0], decimals);
        y = EquationText({{s.a21, F(s.name1)}, {s.a22, F(s.name2)}}, e.S[1], decimals);
        line1 = F(s.name1) + " = " + text::MarkupRounded(v1, decimals);
        line2 = F(s.name2) + " = " + text::MarkupRounded(v2, decimals);
        break;
    case Case::MagAngle: {
        const std::string m = F(s.name1), g = F(s.name2);
        const std::string cx = s.kind4 ? m + " cos " + g : "cos " + g;
        const std::string cy = s.kind4 ? m + " sen " + g : "sen " + g;
        x = EquationText({{s.a11, m}, {s.a12, cx}}, e.S[0], decimals);
        y = EquationText({{s.a21, m}, {s.a22, cy}}, e.S[1], decimals);
        line1 = m + " = " + text::MarkupRounded(v1, decimals);
        line2 = g + " = " + text::MarkupRounded(v2, decimals) + "°";
        break;
    }
    case Case::TwoAngle:
        x = EquationText({{s.a11, "cos " + F(s.name1)}, {s.a12, "cos " + F(s.name2)}}, e.S[0], decimals);
        y = EquationText({{s.a21, "sen " + F(s.name1)}, {s.a22, "sen " + F(s.name2)}}, e.S[1], decimals);
        line1 = F(s.name1) + " = " + text::MarkupRounded(v1, decimals) + "°";
        line2 = F(s.name2) + " = " + text::MarkupRounded(v2, decimals) + "°";
        break;
    case Case::None: break;
    }
    double sx, sy;
    Sums(t, sx, sy);
    const std::string check = ";SF!x = " + text::MarkupRounded(sx, 0) + "    ;SF!y = " + text::MarkupRounded(sy, 0);
    return ";SF!x = " + x + kCrLf + ";SF!y = " + y + kCrLf + line1 + kCrLf + line2 + kCrLf + check;
}

// Every force whose components are numbers becomes a known force.
void FinalUpdate(ForceTable& t, int decimals) {
    for (ParticleForceRec& r : t) {
        if (!num::IsNumber(r.X) || !num::IsNumber(r.Y)) continue;
        const double x = Num(r.X), y = Num(r.Y);
        r.Mag = num::Hypot(x, y);
        r.Dir = num::VectorAngleDeg(x, y);
        const vec::HourAlpha ha = vec::ClockSector(x, y);
        r.Hour = static_cast<int>(rt::CInt(ha.hour));
        r.Alpha = ha.alpha;
        r.TermX.clear();
        r.TermY.clear();
        r.DrawAngle = std::string();
        r.FxText = rt::RoundHalfEven(x, decimals);
        r.FyText = rt::RoundHalfEven(y, decimals);
        if (r.ArrowColor == kRedArrow) r.ArrowColor = kSolvedArrow;
    }
}

std::string TwoSolutionsPrompt(const Solution& s, int decimals) {
    const auto& v = s.values;
    std::string p = "Existen dos soluciones (posiblemente iguales) que son:";
    p += kCrLf;
    if (s.kind == Case::MagAngle) {
        for (int k = 0; k < 2; ++k)
            p += s.name1 + " = " + rt::RoundedText(v[2 * k], decimals) + ", " + s.name2 + " = " +
                 rt::RoundedText(v[2 * k + 1], decimals) + "°" + kCrLf;
    } else {
        for (int k = 0; k < 2; ++k)
            p += s.name1 + " = " + rt::RoundedText(v[2 * k], decimals) + "°, " + s.name2 + " = " +
                 rt::RoundedText(v[2 * k + 1], decimals) + "°" + kCrLf;
    }
    return p + "Para escoger la primera oprime el botón \"Sí\". Para la segunda oprime \"No\".";
}

// Collects the equations; a non-empty result is the refusal.
std::string Collect(const ForceTable& t, Equations& e) {
    for (int i = 0; i < 2; ++i)
        for (const ParticleForceRec& r : t) {
            const rt::Variant& v = Comp(r, i);
            if (num::IsNumber(v)) {
                e.S[i] = rt::Add(e.S[i], v.ToNumber());
                continue;
            }
            const double k = Coef(r, i);
            const std::string term = Term(r, i);
            if (term == e.Q1[i]) {
                e.K1[i] += k;
            } else if (term == e.Q2[i]) {
                e.K2[i] += k;
            } else if (e.Q1[i].empty()) {
                e.Q1[i] = term;
                e.K1[i] = k;
                ++e.N[i];
            } else if (e.Q2[i].empty()) {
                e.Q2[i] = term;
                e.K2[i] = k;
                ++e.N[i];
            } else {
                return kTooMany;
            }
        }
    return {};
}

// Coefficients and symbols of the linear case; false with the refusal.
std::string SetUpLinear(const Equations& e, Solution& s) {
    const std::string &q1x = e.Q1[0], &q2x = e.Q2[0], &q1y = e.Q1[1], &q2y = e.Q2[1];
    const double k1x = e.K1[0], k2x = e.K2[0], k1y = e.K1[1], k2y = e.K2[1];
    const int nx = e.N[0], ny = e.N[1];
    auto set = [&](double a11, double a12, double a21, double a22, const std::string& n1, const std::string& n2) {
        s.a11 = a11, s.a12 = a12, s.a21 = a21, s.a22 = a22, s.name1 = n1, s.name2 = n2;
    };
    if (nx == 1 && ny == 1) {
        if (q1y == q1x) return "Misma incógnita en ambas ecuaciones.";
        set(k1x, 0, 0, k1y, q1x, q1y);
    } else if (nx == 2 && ny == 2 && q1y == q1x && q2y == q2x) {
        set(k1x, k2x, k1y, k2y, q1x, q2x);
    } else if (nx == 2 && ny == 2 && q2y == q1x && q1y == q2x) {
        set(k1x, k2x, k2y, k1y, q1x, q2x);
    } else if (nx == 1 && ny == 2 && q1y == q1x) {
        set(k1x, 0, k1y, k2y, q1x, q2y);
    } else if (nx == 1 && ny == 2 && q2y == q1x) {
        set(k1x, 0, k2y, k1y, q1x, q1y);
    } else if (nx == 2 && ny == 1 && q1y == q1x) {
        set(k1x, k2x, k1y, 0, q1x, q2x);
    } else if (nx == 2 && ny == 1 && q1y == q2x) {
        set(k1x, k2x, 0, k1y, q1x, q2x);
    } else {
        set(0, 0, 0, 0, "", "");
    }
    return {};
}

// Coefficients, names and kind of the magnitude-and-angle case; false when
// the terms do not name a magnitude and a direction.
bool SetUpMagAngle(const Equations& e, Solution& s) {
    const std::string &q1x = e.Q1[0], &q2x = e.Q2[0], &q1y = e.Q1[1], &q2y = e.Q2[1];
    const double k1x = e.K1[0], k2x = e.K2[0], k1y = e.K1[1], k2y = e.K2[1];
    const int nx = e.N[0], ny = e.N[1];
    auto set = [&](double a11, double a12, double a21, double a22) {
        s.a11 = a11, s.a12 = a12, s.a21 = a21, s.a22 = a22;
    };
    if (nx == 2 && ny == 2) {
        if (IsPlain(q1x) && IsTrig(q2x)) {
            if (q1y == q1x)
                set(k1x, k2x, k1y, k2y);
            else if (q2y == q1x)
                set(k1x, k2x, k2y, k1y);
        } else if (IsTrig(q1x) && IsPlain(q2x)) {
            if (q2y == q2x)
                set(k2x, k1x, k2y, k1y);
            else if (q1y == q2x)
                set(k2x, k1x, k1y, k2y);
        }
    } else if (nx == 1 && ny == 2) {
        if (IsTrig(q1x) && IsPlain(q1y))
            set(0, k1x, k1y, k2y);
        else if (IsTrig(q1x) && IsTrig(q1y))
            set(0, k1x, k2y, k1y);
    } else if (nx == 2 && ny == 1) {
        if (IsPlain(q1x) && IsTrig(q1y))
            set(k1x, k2x, 0, k1y);
        else if (IsTrig(q1x) && IsTrig(q1y))
            set(k2x, k1x, 0, k1y);
    }
    std::string term;
    if (IsTrig(q1x) && q2x.empty()) {
        term = q1x;
        s.name1 = IsPlain(q1y) ? q1y : q2y;
    } else if (IsTrig(q1x)) {
        term = q1x;
        s.name1 = q2x;
    } else if (IsTrig(q2x)) {
        term = q2x;
        s.name1 = q1x;
    } else {
        return false;
    }
    const std::vector<std::string> words = Words(term);
    if (words.size() != 2 && words.size() != 3) return false;
    s.name2 = words.back();
    s.kind4 = words.size() == 3;
    return true;
}

}  // namespace

EquilibriumOutcome SolveParticleEquilibrium(ForceTable& forces, int decimals, const ChooseFirst& chooseFirst) {
    EquilibriumOutcome out;
    try {
        Equations e;
        out.msg = Collect(forces, e);
        if (!out.msg.empty()) return out;
        const int nx = e.N[0], ny = e.N[1];
        if ((nx == 1 && ny == 0) || (nx == 0 && ny == 1) || (nx == 2 && ny == 0) || (nx == 0 && ny == 2)) {
            out.msg = "No resuelvo este caso.";
            return out;
        }
        const std::string &q1x = e.Q1[0], &q2x = e.Q2[0], &q1y = e.Q1[1], &q2y = e.Q2[1];
        Solution s;
        // Solves the two equations for the unknowns of the case (kind as the
        // solver numbers them); false, with the message, when they have no
        // solution.
        const auto solve = [&](int kind, Case c) {
            const UnknownsResult u = SolveParticleUnknowns(kind, s.a11, s.a12, e.S[0], s.a21, s.a22, e.S[1]);
            if (!u.ok()) {
                out.msg = u.message();
                return false;
            }
            s.kind = c;
            s.values = *u;
            return true;
        };
        if (nx == 1 && ny == 1 && Contains(q1x, "cos") && Contains(q1y, "sen")) {
            if (q1x.rfind("cos", 0) == 0 && q1y.rfind("sen", 0) == 0) {
                out.msg = "No resuelvo este caso.";
                return out;
            }
            // One force of unknown magnitude and direction.
            const double x = -rt::Div(e.S[0], e.K1[0]);
            const double y = -rt::Div(e.S[1], e.K1[1]);
            // The force parser writes a direction with a magnitude symbol as
            // "F cos Q": anything shorter here is a fault of the program.
            const std::vector<std::string> w = Words(q1x);
            if (w.size() < 3) rt::Fault("direction term \"" + q1x + "\" is not magnitude, cos, angle");
            s.kind = Case::OneForce;
            s.name1 = w[0];
            s.name2 = w[2];
            s.values = {num::Hypot(x, y), num::VectorAngleDeg(x, y)};
        } else if (IsPlain(q1x) && IsPlain(q2x) && IsPlain(q1y) && IsPlain(q2y)) {
            if (nx == 0 && ny == 0) {
                out.report = std::string("No hay incógnitas.") + kCrLf +
                             ";SF!x = " + rt::RoundedText(e.S[0], decimals) + kCrLf +
                             ";SF!y = " + rt::RoundedText(e.S[1], decimals);
                return out;
            }
            out.msg = SetUpLinear(e, s);
            if (!out.msg.empty()) return out;
            if (!solve(1, Case::Linear)) return out;
        } else if ((IsPlain(q1x) && IsTrig(q2x)) || (IsTrig(q1x) && IsPlain(q2x))) {
            if (!SetUpMagAngle(e, s)) rt::Raise(rt::ErrorCode::InvalidCall);
            // "T cos A" with another plain symbol than T holds three quantities.
            if (s.kind4 && Words(IsTrig(q1x) ? q1x : q2x).front() != s.name1) {
                out.msg = kTooMany;
                return out;
            }
            if (!solve(s.kind4 ? 4 : 2, Case::MagAngle)) return out;
        } else if (IsTrig(q1x) && IsTrig(q2x) && IsTrig(q1y) && IsTrig(q2y)) {
            // Only directions: an unknown magnitude beside them is a third quantity.
            for (const std::string* q : {&q1x, &q2x, &q1y, &q2y})
                if (Words(*q).size() != 2) {
                    out.msg = kTooMany;
                    return out;
                }
            s.a11 = e.K1[0], s.a12 = e.K2[0], s.a21 = e.K1[1], s.a22 = e.K2[1];
            s.name1 = q1x.substr(4);
            s.name2 = q2x.substr(4);
            if (!solve(3, Case::TwoAngle)) return out;
        }

        if (s.kind != Case::None) {
            double v1 = s.values[0], v2 = s.values[1];
            if (s.kind == Case::MagAngle || s.kind == Case::TwoAngle) {
                bool good[2];
                for (int k = 0; k < 2; ++k) {
                    ForceTable copy = forces;
                    WriteBack(copy, s, s.values[2 * k], s.values[2 * k + 1], e);
                    double sx, sy;
                    Sums(copy, sx, sy);
                    good[k] = std::fabs(sx) < 0.001 && std::fabs(sy) < 0.001;
                }
                if (!good[0] && !good[1]) {
                    out.msg = "No se pueden cumplir las ecuaciones de equilibrio.";
                    return out;
                }
                const bool first = good[0] && (!good[1] || chooseFirst(TwoSolutionsPrompt(s, decimals)));
                if (!first) v1 = s.values[2], v2 = s.values[3];
            }
            WriteBack(forces, s, v1, v2, e);
            out.report = Report(forces, s, e, v1, v2, decimals);
        }
        FinalUpdate(forces, decimals);
        out.redraw = true;
    } catch (const rt::RuntimeError&) {
        out.redraw = false;
        out.failed = true;
    }
    return out;
}

}  // namespace particle
