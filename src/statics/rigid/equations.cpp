#include "statics/rigid/equations.h"

#include <cmath>

#include "numerics/equations.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "statics/rigid/util.h"
#include "text/resultformat.h"
#include "vectors/clock.h"
#include "vectors/terms.h"
#include "vectors/text.h"

namespace rigid {

namespace {

struct Term {
    double coef = 0;
    std::string symbol;
    bool merged = false;
    int group = 0;
};

std::string Label(int system, char axis) { return std::to_string(system) + axis; }

bool SameQuantity(const std::string& a, const std::string& b) { return vec::text::Upper(a) == vec::text::Upper(b); }

bool StartsWith(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

}  // namespace

StatEqns BuildStatEqns(const StatState& st, const std::vector<int>& systems,
                       const std::array<std::string, 6>& refPoints, const std::string& suppressed, int decimals) {
    StatEqns out;
    std::vector<std::array<double, 3>> sums(systems.size(), {0, 0, 0});
    std::array<std::vector<Term>, 3> lists;  // x, y, m
    double xR = 0, yR = 0;
    for (size_t si = 0; si < systems.size(); ++si) {
        const int S = systems[si];
        rt::ExpectIndex(S, 1, kMaxSystems, "system of the equations");
        const std::string& ref = refPoints[static_cast<size_t>(S)];
        for (const PointRec& p : st.StatPoints)
            if (p.Name == ref) {
                xR = p.X;
                yR = p.Y;
                break;
            }
        const bool onePoint = vec::text::CharCount(st.SystemPoints[static_cast<size_t>(S)]) == 1;
        for (const ForceRec& f : st.Forces) {
            if (f.Body() != S) continue;
            double dx = f[fr::kPointX].ToNumber() - xR, dy = f[fr::kPointY].ToNumber() - yR;
            if (onePoint) dx = dy = 0;
            const double X = f[fr::kX].ToNumber(), Y = f[fr::kY].ToNumber();
            const std::string tx = f.Text(fr::kXTerm), ty = f.Text(fr::kYTerm);
            const double cx = f[fr::kXCoef].ToNumber(), cy = f[fr::kYCoef].ToNumber();
            auto& sum = sums[si];
            auto add = [&](int list, double c, const std::string& s) {
                lists[static_cast<size_t>(list)].push_back(Term{c, s, false, S});
            };
            if (tx.empty() && ty.empty()) {
                sum[0] += X;
                sum[1] += Y;
                sum[2] += dx * Y - dy * X;
            } else if (tx.empty()) {
                sum[0] += X;
                sum[2] += -dy * X;
                add(1, cy, ty);
                add(2, cy * dx, ty);
            } else if (ty.empty()) {
                sum[1] += Y;
                sum[2] += dx * Y;
                add(0, cx, tx);
                add(2, -dy * cx, tx);
            } else {
                add(0, cx, tx);
                add(1, cy, ty);
                add(2, -dy * cx, tx);
                add(2, dx * cy, ty);
            }
            if (!f[fr::kCoupleValue].IsEmptyText())
                sum[2] += f[fr::kCoupleValue].ToNumber();
            else
                add(2, 1, f.Text(fr::kCoupleText));
        }
    }
    // Like terms of one system and one equation are added together.
    for (int S : systems)
        for (auto& list : lists)
            for (size_t i = 0; i + 1 < list.size(); ++i) {
                Term& t = list[i];
                if (t.symbol.empty() || t.group != S || t.merged) continue;
                for (size_t j = i + 1; j < list.size(); ++j) {
                    Term& u = list[j];
                    if (!u.merged && u.group == S && u.symbol == t.symbol) {
                        t.coef += u.coef;
                        u.merged = true;
                    }
                }
            }
    for (size_t si = 0; si < systems.size(); ++si)
        for (int k = 0; k < 3; ++k)
            lists[static_cast<size_t>(k)].push_back(Term{sums[si][static_cast<size_t>(k)], "1", false, systems[si]});

    static const char kAxes[3] = {'x', 'y', 'm'};
    for (int S : systems) {
        const bool onePoint = vec::text::CharCount(st.SystemPoints[static_cast<size_t>(S)]) == 1;
        for (int k = 0; k < 3; ++k) {
            if (k == 2 && onePoint) continue;
            for (const Term& t : lists[static_cast<size_t>(k)]) {
                if (t.symbol.empty() || t.merged || t.coef == 0 || t.group != S) continue;
                out.terms.push_back(TermRow{S, t.coef, t.symbol, kAxes[k]});
            }
        }
    }
    if (!suppressed.empty()) {
        std::string rest = suppressed;
        for (;;) {
            const size_t c = rest.find(',');
            const std::string piece = TrimText(rest.substr(0, c));
            if (piece.empty()) rt::Raise(rt::ErrorCode::InvalidCall);
            const int sys = rt::CInt(rt::TextToNumber(std::string(vec::text::FirstChar(piece))));
            const std::string axis(vec::text::LastChar(piece));
            for (TermRow& r : out.terms)
                if (r.system == sys && axis.size() == 1 && r.axis == axis[0]) r.system = 0;
            if (c == std::string::npos) break;
            rest = rest.substr(c + 1);
        }
    }
    for (const TermRow& r : out.terms)
        if (r.system != 0 && r.symbol != "1") out.incs.push_back(r.symbol);
    out.incs.resize(static_cast<size_t>(vec::DedupeArray(out.incs)));
    std::string firstAngle, secondAngle;
    for (const TermRow& r : out.terms) {
        if (r.symbol.find("cos") == std::string::npos) continue;
        if (firstAngle.empty())
            firstAngle = r.symbol;
        else if (secondAngle.empty() && r.symbol != firstAngle)
            secondAngle = r.symbol;
    }
    out.angleCount = secondAngle.empty() ? (firstAngle.empty() ? 0 : 1) : 2;
    if (out.incs.empty()) {
        out.msg = "No hay incógnitas.";
        return out;
    }
    for (const TermRow& r : out.terms) {
        if (r.system == 0) continue;
        const std::string l = Label(r.system, r.axis);
        bool seen = false;
        for (const auto& e : out.labels) seen = seen || e == l;
        if (!seen) out.labels.push_back(l);
    }
    const int m = static_cast<int>(out.labels.size()), n = static_cast<int>(out.incs.size());
    out.coefs = num::Matrix(m, n, 0.0);
    out.consts.assign(static_cast<size_t>(m) + 1, 0.0);
    for (int e = 1; e <= m; ++e) {
        const std::string& l = out.labels[static_cast<size_t>(e - 1)];
        for (const TermRow& r : out.terms) {
            if (r.system == 0 || Label(r.system, r.axis) != l) continue;
            if (r.symbol == "1") {
                out.consts[static_cast<size_t>(e)] = -r.coef;
                continue;
            }
            // Symbols that differ only in letter case are one quantity.
            for (int j = 1; j <= n; ++j)
                if (SameQuantity(r.symbol, out.incs[static_cast<size_t>(j - 1)])) {
                    out.coefs(e, j) += r.coef;
                    break;
                }
        }
    }
    for (int e = 1; e <= m; ++e) {
        // The first term that does not vanish opens the line, its minus by
        // its number.
        std::string text;
        for (int j = 1; j <= n; ++j)
            text += text::FormatTerm(!text.empty(), false, rt::RoundHalfEven(out.coefs(e, j), decimals),
                                     vec::FormatTrigTerm(1, out.incs[static_cast<size_t>(j - 1)]));
        text += text::FormatTerm(!text.empty(), text.empty(),
                                 rt::RoundHalfEven(-out.consts[static_cast<size_t>(e)], decimals), 1);
        text += " = 0";
        out.eqns.push_back(out.labels[static_cast<size_t>(e - 1)] + ":   " + text);
    }
    return out;
}

StatSolution SolveStatEqns(const StatState& st, const std::vector<int>& systems,
                           const std::array<std::string, 6>& refPoints, const std::string& suppressed, int decimals,
                           const ChooseSolution& choose) {
    StatSolution out;
    StatEqns q = BuildStatEqns(st, systems, refPoints, suppressed, decimals);
    out.angleCount = q.angleCount;
    if (!q.msg.empty()) {
        out.msg = q.msg;
        return out;
    }
    out.eqns = q.eqns;
    out.incs = q.incs;
    const int n = static_cast<int>(q.incs.size()), m = static_cast<int>(q.eqns.size());
    auto counts = [](int a, int b) {
        return "Son " + std::to_string(a) + " incógnitas y " + std::to_string(b) + " ecuaciones.";
    };
    if (q.angleCount == 0 && m != n) {
        out.msg = counts(n, m);
        return out;
    }
    if (q.angleCount == 1 && m != n - 1) {
        out.msg = counts(n - 1, m);
        return out;
    }
    if (q.angleCount >= 2) {
        out.msg = "Con ángulo desconocido la rutina es aplicable a un sólo cuerpo.";
        return out;
    }
    if (q.angleCount == 0) {
        std::vector<double> b = q.consts;
        std::string msg;
        num::SolveLinearSystem(q.coefs, b, msg);
        if (!msg.empty()) {
            out.msg = msg;
            return out;
        }
        for (int i = 1; i <= n; ++i) {
            const double v = b[static_cast<size_t>(i)];
            out.values.push_back(v);
            out.results.push_back(vec::FormatTrigTerm(1, q.incs[static_cast<size_t>(i - 1)]) + " = " +
                                  text::FormatNum(v).ToText());
        }
        return out;
    }
    // One angle: the elimination works on one body's three equations.
    if (systems.size() > 1) {
        out.msg = "El programa resuelve un sólo cuerpo con un ángulo desconocido.";
        return out;
    }
    double Ax = 0, Cx = 0, X1 = 0, X2 = 0, By = 0, Cy = 0, Y1 = 0, Y2 = 0;
    double Mc = 0, Ms = 0, Cm = 0, M1 = 0, M2 = 0;
    std::string u1, u2, angle;
    auto slot = [&](const std::string& s, double c, double& k1, double& k2) {
        if (!u1.empty() && s == u1) {
            k1 = c;
        } else if (!u2.empty() && s == u2) {
            k2 = c;
        } else if (u1.empty()) {
            u1 = s;
            k1 = c;
        } else if (u2.empty()) {
            u2 = s;
            k2 = c;
        }
    };
    for (char axis : {'x', 'y', 'm'})
        for (const TermRow& r : q.terms) {
            if (r.axis != axis || r.system == 0) continue;
            const std::string& s = r.symbol;
            if (axis == 'x') {
                if (StartsWith(s, "cos")) {
                    Ax = r.coef;
                    angle = TrimText(s.size() > 4 ? s.substr(4) : std::string());
                } else if (s == "1") {
                    Cx = r.coef;
                } else {
                    slot(s, r.coef, X1, X2);
                }
            } else if (axis == 'y') {
                if (StartsWith(s, "sen"))
                    By = r.coef;
                else if (s == "1")
                    Cy = r.coef;
                else
                    slot(s, r.coef, Y1, Y2);
            } else {
                if (StartsWith(s, "cos"))
                    Mc = r.coef;
                else if (StartsWith(s, "sen"))
                    Ms = r.coef;
                else if (s == "1")
                    Cm = r.coef;
                else
                    slot(s, r.coef, M1, M2);
            }
        }
    const double D = X1 * Y2 - X2 * Y1;
    const double P = M1 * Y2 - M2 * Y1;
    const double Q = X1 * M2 - M1 * X2;
    const double a = Mc - rt::Div(P * Ax, D);
    const double b = Ms - rt::Div(Q * By, D);
    const double c = Cm - rt::Div(P * Cx + Q * Cy, D);
    const auto th = num::SolveTrigEquation(a, b, c);
    if (!th) {
        out.msg = "No hay solución.";
        return out;
    }
    std::array<std::array<double, 3>, 2> sol{};
    std::string prompt;
    for (int k = 0; k < 2; ++k) {
        const double t = (*th)[static_cast<size_t>(k)];
        const double ct = num::CosDeg(t), stn = num::SinDeg(t);
        const double v1 = rt::Div(X2 * (By * stn + Cy) - Y2 * (Ax * ct + Cx), D);
        const double v2 = rt::Div(Y1 * (Ax * ct + Cx) - X1 * (By * stn + Cy), D);
        sol[static_cast<size_t>(k)] = {v1, v2, t};
        prompt += "Solución " + std::to_string(k + 1) + ":\r\n" + u1 + " = " + rt::RoundedText(v1, decimals) + ", " +
                  u2 + " = " + rt::RoundedText(v2, decimals) + ", " + angle + " = " + rt::RoundedText(t, decimals) +
                  "\r\n";
    }
    prompt += "Para escoger la primera solución oprime \"Sí\", para la segunda oprime \"No\".";
    const bool first = choose ? choose(prompt) : true;
    const auto& chosen = sol[first ? 0 : 1];
    out.incs = {u1, u2, angle};
    out.values = {chosen[0], chosen[1], chosen[2]};
    // Written as the linear path writes its results: subscripts, minus sign.
    for (int i = 0; i < 3; ++i)
        out.results.push_back(
            vec::FormatTrigTerm(1, out.incs[static_cast<size_t>(i)]) + " = " +
            text::FormatNum(rt::RoundHalfEven(out.values[static_cast<size_t>(i)], decimals)).ToText());
    return out;
}

void SubstituteSolution(StatState& st, const std::vector<std::string>& incs, const std::vector<double>& values,
                        int decimals) {
    if (st.Forces.empty()) return;
    for (size_t i = 0; i < incs.size() && i < values.size(); ++i) {
        const std::string& q = incs[i];
        const double v = values[i];
        for (ForceRec& f : st.Forces) {
            const std::string tx = f.Text(fr::kXTerm), ty = f.Text(fr::kYTerm);
            const double cx = f[fr::kXCoef].ToNumber(), cy = f[fr::kYCoef].ToNumber();
            const std::string ct = f.Text(fr::kCoupleText);
            if (tx.find("cos") != std::string::npos && tx.size() > 4 && tx.substr(4) == q) {
                f[fr::kX] = cx * num::CosDeg(v);
                f[fr::kY] = cy * num::SinDeg(v);
            }
            if (tx == q) f[fr::kX] = cx * v;
            if (ty == q) f[fr::kY] = cy * v;
            if (ct == q) {
                f[fr::kCoupleValue] = v;
                f[fr::kCoupleColor] = static_cast<double>(rt::kMagenta);
            }
        }
    }
    for (ForceRec& f : st.Forces) {
        if (!num::IsNumber(f[fr::kX]) || !num::IsNumber(f[fr::kY])) continue;
        const double X = f[fr::kX].ToNumber(), Y = f[fr::kY].ToNumber();
        f[fr::kMag] = num::Hypot(X, Y);
        f[fr::kDir] = num::VectorAngleDeg(X, Y);
        const vec::HourAlpha ha = vec::ClockSector(X, Y);
        f[fr::kHour] = ha.hour;
        f[fr::kAlpha] = ha.alpha;
        f[fr::kXTerm] = rt::Variant();
        f[fr::kYTerm] = rt::Variant();
        f[fr::kXText] = rt::RoundHalfEven(X, decimals);
        f[fr::kYText] = rt::RoundHalfEven(Y, decimals);
        f[fr::kDrawAngle] = rt::Variant();
        if (f[fr::kArrowColor].ToNumber() == 255) f[fr::kArrowColor] = static_cast<double>(rt::kMagenta);
    }
}

std::vector<std::string> HeaderBlock(int n, int m, const std::vector<std::string>& symbols) {
    std::string list;
    for (size_t i = 0; i < symbols.size(); ++i) list += (i ? ", " : "") + symbols[i];
    return {std::to_string(n) + " incógnitas, " + std::to_string(m) + " ecuaciones.", "Incógnitas: " + list,
            "Ecuaciones:"};
}

std::vector<std::string> EquationsBlock(const std::vector<std::string>& eqns) {
    std::vector<std::string> out;
    std::string last;
    for (const std::string& e : eqns) {
        const std::string k(vec::text::FirstChar(e));
        if (out.empty() || k != last) out.push_back("\\0100Cuerpo " + k + ":\\");
        last = k;
        out.push_back(e);
    }
    return out;
}

}  // namespace rigid
