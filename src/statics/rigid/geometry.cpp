#include "statics/rigid/geometry.h"

#include <cmath>
#include <optional>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "runtime/scopeguard.h"
#include "statics/rigid/util.h"
#include "vectors/notation.h"
#include "vectors/statics_parser.h"
#include "vectors/terms.h"

namespace rigid {

namespace {

std::string AlreadyRegistered(const std::string& a, const std::string& b) {
    return "El segmento " + a + b + " ya está registrado.";
}

}  // namespace

Components SeriesComponents(const std::string& format, double d, const std::string& axis, double s) {
    Components c;
    if (format == "cAe,C" || format == "Fx,Fy") {
        if (axis == "X") {
            c.x = rt::Sgn(num::CosDeg(d)) * s;
            c.y = d == 0 ? 0 : std::fabs(rt::Mul(num::TanDeg(d), s)) * rt::Sgn(num::SinDeg(d));
        } else if (axis == "Y") {
            c.x = d == 0 ? 0 : std::fabs(rt::Div(s, num::TanDeg(d))) * rt::Sgn(num::CosDeg(d));
            c.y = rt::Sgn(num::SinDeg(d)) * s;
        } else if (axis == "M") {
            c.x = s * num::CosDeg(d);
            c.y = s * num::SinDeg(d);
        }
    } else {
        c.x = s * num::CosDeg(d);
        c.y = s * num::SinDeg(d);
    }
    return c;
}

RegisterOutcome RegisterSepVectors(StatState& st, const SepVectorEntry& e) {
    RegisterOutcome out;
    st.SavedSepVectorCount = st.SepVectorCount();
    st.SavedStatPointCount = st.StatPointCount();
    if (e.points.empty() || e.firstVector.empty()) return out;

    const std::string upper = UpperText(e.points);
    if (!AllAtoZ(upper)) {
        out.message = "Sólo letras A,B,C,...,etc. en el comando.";
        return out;
    }
    std::vector<std::string> letters = Chars(upper);
    {
        std::vector<std::string> copy = letters;
        if (vec::DedupeArray(copy) < static_cast<int>(letters.size())) {
            out.message = "Hay una letra repetida en el comando.";
            return out;
        }
    }
    auto parsed = vec::ParseStaticsVector(e.firstVector);
    if (!parsed.ok()) {
        out.message = parsed.message();
        out.focus = EntryFocus::FirstVector;
        return out;
    }
    const vec::ParsedVector& pv = parsed.value();
    if (!num::IsNumber(pv.X) || !num::IsNumber(pv.Y)) {
        out.message = vec::RefusalText("Componentes no numéricas del vector.", e.firstVector);
        out.focus = EntryFocus::FirstVector;
        return out;
    }
    std::string list;
    for (int k = 2; k <= 6; ++k) {
        if (e.values[static_cast<size_t>(k)].empty()) continue;
        if (!list.empty()) list += ",";
        list += e.values[static_cast<size_t>(k)];
    }
    out.command = e.points + "/" + e.firstVector + "/" + (e.repeatVisible ? e.repeat + "/" : "") + list;

    const std::vector<std::string> typed = Chars(e.points);  // letters as they stand
    const int n = static_cast<int>(typed.size()) - 1;
    if (pv.FormatName == "uD" && n > 1) {
        out.message = "Operación no válida con este formato.";
        out.focus = EntryFocus::FirstVector;
        return out;
    }
    if (st.SepVectorCount() == 0) out.proposeOrigin = typed.front();

    // Every way out but success gives the tables back as they were.
    const std::vector<SepVectorRec> oldVectors = st.SepVectors;
    const std::vector<PointRec> oldPoints = st.StatPoints;
    rt::ScopeGuard restore([&] {
        st.SepVectors = oldVectors;
        st.StatPoints = oldPoints;
    });
    try {
        if (n < 1 || n > 6) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        const double x1 = pv.X.ToNumber(), y1 = pv.Y.ToNumber();
        if (FindPoint(st, typed[0]) != 0 && FindPoint(st, typed[1]) != 0) {
            out.message = AlreadyRegistered(typed[0], typed[1]);
            out.focus = EntryFocus::Points;
            return out;
        }
        std::vector<SepVectorRec> added{SepVectorRec{typed[0], typed[1], x1, y1, false}};
        const double d = pv.Dir.ToNumber();
        for (int k = 2; k <= n; ++k) {
            const std::optional<double> size = vec::ReadVectorNumber(e.values[static_cast<size_t>(k)]);
            if (!size) rt::Raise(rt::ErrorCode::TypeMismatch);
            const double s = std::fabs(*size);
            const std::string& a = typed[static_cast<size_t>(k - 1)];
            const std::string& b = typed[static_cast<size_t>(k)];
            if (FindPoint(st, a) != 0 && FindPoint(st, b) != 0) {
                out.message = AlreadyRegistered(a, b);
                return out;
            }
            if (pv.FormatName == "cAe,C" && d == 0) {
                out.message = kCommandError;
                out.runtimeFailure = true;
                out.focus = EntryFocus::Points;
                return out;
            }
            Components c = SeriesComponents(pv.FormatName, d, rt::Trim(e.repeat), s);
            added.push_back(SepVectorRec{a, b, c.x, c.y, false});
        }
        st.SepVectors.insert(st.SepVectors.end(), added.begin(), added.end());
        std::string msg = ComputeCoordinates(st);
        if (!msg.empty()) {
            out.message = msg;
            out.focus = EntryFocus::FirstVector;
            return out;
        }
        rt::FaultPoint("rigid registration");
    } catch (const rt::RuntimeError&) {
        out.message = kCommandError;
        out.runtimeFailure = true;
        out.focus = EntryFocus::Points;
        return out;
    }
    restore.Keep();
    out.ok = true;
    return out;
}

std::string ComputeCoordinates(StatState& st) {
    for (auto& v : st.SepVectors) v.Applied = false;
    st.StatPoints.clear();
    if (st.SepVectors.empty()) return {};
    SepVectorRec& v1 = st.SepVectors.front();
    st.StatPoints.push_back(PointRec{v1.FromPoint, 0, 0});
    st.StatPoints.push_back(PointRec{v1.ToPoint, v1.X, v1.Y});
    v1.Applied = true;
    for (;;) {
        bool found = false;
        PointRec cand;
        size_t used = 0;
        const size_t count = st.StatPoints.size();
        for (size_t p = 0; p < count && !found; ++p) {
            const PointRec pt = st.StatPoints[p];
            for (size_t v = 1; v < st.SepVectors.size(); ++v) {
                const SepVectorRec& sv = st.SepVectors[v];
                if (sv.Applied) continue;
                if (sv.FromPoint == pt.Name) {
                    cand = PointRec{sv.ToPoint, pt.X + sv.X, pt.Y + sv.Y};
                } else if (sv.ToPoint == pt.Name) {
                    cand = PointRec{sv.FromPoint, pt.X - sv.X, pt.Y - sv.Y};
                } else {
                    continue;
                }
                found = true;
                used = v;
                break;
            }
        }
        if (!found) return {};
        // A vector that closes a loop finds its far end placed already: it
        // places nothing, so no letter gets a second point.
        if (FindPoint(st, cand.Name) != 0) {
            st.SepVectors[used].Applied = true;
            continue;
        }
        for (const PointRec& q : st.StatPoints) {
            if (q.Name != cand.Name && num::IsNear(q.X, cand.X, 1e-8) && num::IsNear(q.Y, cand.Y, 1e-8))
                return "El punto " + cand.Name + " coincidiría con " + q.Name;
        }
        st.StatPoints.push_back(cand);
        st.SepVectors[used].Applied = true;
    }
}

std::vector<std::string> SepListLines(const StatState& st, int decimals) {
    std::vector<std::string> out;
    for (const auto& v : st.SepVectors)
        out.push_back(v.FromPoint + v.ToPoint + " = (" + rt::RoundedText(v.X, decimals) + ", " +
                      rt::RoundedText(v.Y, decimals) + ")");
    return out;
}

std::vector<std::string> VectorLetters(const StatState& st) {
    std::vector<std::string> letters;
    for (const auto& v : st.SepVectors) {
        letters.push_back(v.FromPoint);
        letters.push_back(v.ToPoint);
    }
    const int n = vec::DedupeArray(letters);
    letters.resize(static_cast<size_t>(n));
    return letters;
}

std::vector<std::string> CoordListLines(const StatState& st, int decimals) {
    std::vector<std::string> out;
    for (const std::string& l : VectorLetters(st)) {
        const int k = FindPoint(st, l);
        if (k == 0) {
            out.push_back(l + "(?, ?)");
        } else {
            const PointRec& p = PointAt(st, k);
            out.push_back(p.Name + "(" + rt::RoundedText(p.X, decimals) + ", " + rt::RoundedText(p.Y, decimals) + ")");
        }
    }
    return out;
}

bool ShiftToOrigin(StatState& st, const std::string& origin) {
    const int k = FindPoint(st, origin);
    if (k == 0) return false;
    const double ox = PointAt(st, k).X, oy = PointAt(st, k).Y;
    for (auto& p : st.StatPoints) {
        p.X -= ox;
        p.Y -= oy;
    }
    return true;
}

}  // namespace rigid
