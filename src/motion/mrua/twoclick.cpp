#include "motion/mrua/twoclick.h"

#include <algorithm>
#include <cmath>

#include "motion/mrua/segment_eqns.h"
#include "motion/positions.h"
#include "motion/state.h"
#include "numerics/equations.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"

namespace mrua {

using rt::Div;

namespace {

std::string Str(int n) { return std::to_string(n); }

// The time of a point the user clicked (or of a segment's end): a click past
// the table's points is bad input.
double TimeAt(int body, int point) {
    return motion::CheckedMotionPoint(0, motion::TableColOfPoint(body, point)).ToNumber();
}

const motion::SegmentRec& Seg(int body, int segment) {
    rt::ExpectIndex(body, 1, 2, "body of a segment");
    rt::ExpectIndex(segment, 1, 3, "segment of a body");
    return motion::State().Segments[body][segment];
}

// The numeric law of (body, segment), or the refusal that names it.
bool LawOf(int body, int segment, SegmentLaw& law, std::string& message) {
    if (Records().Kind(body, segment) != EqnKind::Numeric) {
        message = "No tengo la ecuación x = x(t) del móvil " + Str(body) + ", tramo " + Str(segment);
        return false;
    }
    law.segment = segment;
    law.A = Records().InitialPositions[body][segment];
    law.B = Records().InitialVelocities[body][segment];
    law.a = Seg(body, segment).Accel.ToNumber();
    return true;
}

}  // namespace

StripPoint StripPointAt(double x) {
    const std::string code = motion::PointCodeAtX(rt::CInt(x));
    return {motion::CodeDigit(code, 0), motion::CodeDigit(code, 1), motion::CodeDigit(code, 2)};
}

// ---------------------------------------------------------------- distance

double PieceDistance(const SegmentLaw& law, double t1, double t2) {
    if (law.a == 0) return std::fabs(rt::Checked((t2 - t1) * law.B));
    const double tv = Div(-law.B, law.a);
    const double x1 = law.X(t1), x2 = law.X(t2);
    if (t1 <= tv && tv <= t2) return std::fabs(law.X(tv) - x1) + std::fabs(law.X(tv) - x2);
    return std::fabs(x2 - x1);
}

StepResult Distance(double x1, double x2) {
    StripPoint a = StripPointAt(x1), b = StripPointAt(x2);
    if (a.body != b.body) return StepResult::Refuse("Estás abarcando 2 móviles.");
    // Two clicks beyond the last point name no body.
    rt::CheckIndex(a.body, 1, 2);
    if (a.point > b.point) std::swap(a, b);
    double tA = TimeAt(a.body, a.point), tB = TimeAt(b.body, b.point);
    if (tA > tB) std::swap(tA, tB);
    const int body = a.body, s1 = a.segment;
    auto junction = [&](int s) { return TimeAt(body, Seg(body, s).LastPoint); };
    struct Piece {
        int s;
        double t1, t2;
    };
    std::vector<Piece> pieces;
    if (body == 2 || b.segment == s1) {
        pieces = {{s1, tA, tB}};
    } else if (b.segment == s1 + 1) {
        pieces = {{s1, tA, junction(s1)}, {s1 + 1, junction(s1), tB}};
    } else if (b.segment == s1 + 2) {
        pieces = {{s1, tA, junction(s1)}, {s1 + 1, junction(s1), junction(s1 + 1)}, {s1 + 2, junction(s1 + 1), tB}};
    }
    double total = 0;
    for (const Piece& p : pieces) {
        SegmentLaw law;
        std::string msg;
        if (!LawOf(body, p.s, law, msg)) return StepResult::Refuse(msg);
        total += PieceDistance(law, p.t1, p.t2);
    }
    StepResult out;
    out.values = {total};
    out.lines = text::ResultLines{
        "Calcular distancia recorrida.",
        "Móvil " + Str(body) + ", de t = " + text::FormatNumText(tA) + " a t = " + text::FormatNumText(tB) + ":",
        "d = " + text::FormatNumText(total)};
    return out;
}

// ---------------------------------------------------------------- graph

rt::Outcome<GraphPlan> PlanGraphXt(double x1, double x2) {
    using Result = rt::Outcome<GraphPlan>;
    const StripPoint c1 = StripPointAt(x1), c2 = StripPointAt(x2);
    // A click beyond the last point names no segment: bad input.
    auto checkClicked = [](const StripPoint& c) {
        rt::CheckIndex(c.body, 1, 2);
        rt::CheckIndex(c.segment, 1, 3);
    };
    checkClicked(c1);
    if (c1.point == Seg(c1.body, c1.segment).LastPoint)
        return Result::Refusal("El tiempo inicial no puede estar al final de un tramo.");
    checkClicked(c2);
    if (c2.point == Seg(c2.body, c2.segment).FirstPoint)
        return Result::Refusal("El tiempo final no puede estar al inicio de un tramo.");
    GraphPlan plan;
    const double t1 = TimeAt(c1.body, c1.point), t2 = TimeAt(c2.body, c2.point);

    const motion::MotionState& st = motion::State();
    motion::Array2<double, 2, 3> tMin{}, tMax{};
    for (int b = 1; b <= st.NumBodies; ++b) {
        for (int s = 1; s <= st.SegmentsPerBody[b]; ++s) {
            const int from = motion::TableColOfPoint(b, st.Segments[b][s].FirstPoint);
            const int to = motion::TableColOfPoint(b, st.Segments[b][s].LastPoint);
            bool seen = false;
            for (int col = from; col <= to; ++col) {
                // Only known times bound the segment: a relative datum left in a cell is no time yet.
                const rt::Variant& cell = motion::MotionPoint(0, col);
                if (cell.IsEmptyText() || !cell.IsNumeric()) continue;
                const double t = cell.ToNumber();
                if (!seen) {
                    seen = true;
                    tMin[b][s] = tMax[b][s] = t;
                } else {
                    tMin[b][s] = std::min(tMin[b][s], t);
                    tMax[b][s] = std::max(tMax[b][s], t);
                }
            }
        }
    }

    auto add = [&](int b, int s, double from, double to) {
        GraphPiece p;
        p.body = b, p.segment = s, p.start = from, p.end = to;
        plan.pieces.push_back(p);
    };
    if (c1.body == 1 && c2.body == 1 && c2.segment >= c1.segment) {
        if (c1.segment == c2.segment) {
            // Within one segment the two points may be clicked in either order.
            add(1, c1.segment, std::min(t1, t2), std::max(t1, t2));
        } else {
            add(1, c1.segment, t1, tMax[1][c1.segment]);
            for (int s = c1.segment + 1; s < c2.segment; ++s) add(1, s, tMin[1][s], tMax[1][s]);
            add(1, c2.segment, tMin[1][c2.segment], t2);
        }
    } else if (c1.body == 1 && c2.body == 2) {
        add(1, c1.segment, t1, tMax[1][c1.segment]);
        for (int s = c1.segment + 1; s <= st.SegmentsPerBody[1]; ++s) add(1, s, tMin[1][s], tMax[1][s]);
        add(2, 1, tMin[2][1], t2);
    } else if (c1.body == 2 && c2.body == 2) {
        add(2, 1, std::min(t1, t2), std::max(t1, t2));
    } else {
        rt::Raise(rt::ErrorCode::InvalidCall);
    }

    for (GraphPiece& p : plan.pieces) {
        std::string msg;
        if (!LawOf(p.body, p.segment, p.law, msg)) return Result::Refusal(msg);
    }

    plan.tLo = plan.pieces.front().start;
    plan.tHi = plan.pieces.front().end;
    for (const GraphPiece& p : plan.pieces) {
        plan.tLo = std::min(plan.tLo, p.start);
        plan.tHi = std::max(plan.tHi, p.end);
    }
    plan.tLo = std::min({plan.tLo, t1, t2});
    plan.tHi = std::max({plan.tHi, t1, t2});

    plan.xLo = plan.xHi = plan.pieces.front().law.X(plan.pieces.front().start);
    auto widen = [&](double x) {
        plan.xLo = std::min(plan.xLo, x);
        plan.xHi = std::max(plan.xHi, x);
    };
    for (const GraphPiece& p : plan.pieces) {
        widen(p.law.X(p.start));
        widen(p.law.X(p.end));
        if (p.law.a != 0) {
            const double tv = -p.law.B / p.law.a;
            if (p.start <= tv && tv <= p.end) widen(p.law.X(tv));
        }
    }
    // A body at rest keeps one position: give its line room around it.
    if (plan.xHi == plan.xLo) {
        plan.xLo -= 1;
        plan.xHi += 1;
    }

    const shell::SharedState& sh = shell::Shared();
    const double side = sh.PlotSide, left = sh.PlotLeft, bottom = sh.PlotBottom;
    const double DX = plan.xHi - plan.xLo, DT = plan.tHi - plan.tLo;
    const int N = static_cast<int>(rt::IntDiv(side, 2));
    const double dt = Div(DT, N);
    for (GraphPiece& p : plan.pieces) {
        const int ox = rt::CInt((p.start - plan.tLo) / DT * side);
        const int steps = std::max(1, static_cast<int>(std::floor((p.end - p.start) / dt)));
        auto pixel = [&](double t) {
            return std::make_pair(static_cast<int>(rt::CInt((t - p.start) / DT * side + ox + left)),
                                  static_cast<int>(rt::CInt((p.law.X(t) - plan.xLo) / DX * side + bottom)));
        };
        for (int i = 1; i < steps; ++i) p.poly.push_back(pixel(p.start + (i - 1) * dt));
        p.poly.push_back(pixel(p.end));
    }
    return plan;
}

// ---------------------------------------------------------------- linking

namespace {

// A quantity the case takes as known: an empty one cannot enter the formulas.
double Known(const rt::Variant& v) {
    if (v.IsEmptyText()) rt::Raise(rt::ErrorCode::TypeMismatch);
    return v.ToNumber();
}

}  // namespace

LinkPlan PlanLinkSegments(double x1, double x2) {
    LinkPlan plan;
    const StripPoint c1 = StripPointAt(x1), c2 = StripPointAt(x2);
    if (c1.body != c2.body) {
        plan.message = "Estás abarcando dos móviles.";
        return plan;
    }
    if (c1.body != 1) {
        plan.message = "Esta subrutina es aplicable a dos tramos contiguos del móvil 1.";
        return plan;
    }
    if (c2.segment != c1.segment + 1) {
        plan.message = "Los tramos a ligar deben ser consecutivos.";
        return plan;
    }
    plan.s1 = c1.segment, plan.s2 = c2.segment, plan.p = c1.point, plan.q = c2.point;
    plan.J = Seg(1, plan.s1).LastPoint;
    const int colP = motion::TableColOfPoint(1, plan.p), colQ = motion::TableColOfPoint(1, plan.q);
    const rt::Variant A1 = Seg(1, plan.s1).Accel, A2 = Seg(1, plan.s2).Accel;
    // The points are the ones clicked: past the table they are bad input.
    const rt::Variant TQ = motion::CheckedMotionPoint(0, colQ), XQ = motion::MotionPoint(1, colQ),
                      VQ = motion::MotionPoint(2, colQ);
    const double tP = Known(motion::CheckedMotionPoint(0, colP)), xP = Known(motion::MotionPoint(1, colP)),
                 vP = Known(motion::MotionPoint(2, colP));
    plan.tP = tP, plan.xP = xP, plan.vP = vP;

    // Each point is named with the symbols of its own segment; the junction
    // closes the first segment. A value still to be found shows as "?".
    const std::string p = Str(plan.p), q = Str(plan.q), J = Str(plan.J);
    const std::string n1 = motion::AccelSymbol(1, plan.s1), n2 = motion::AccelSymbol(1, plan.s2);
    const std::string xP_ = motion::PositionSymbol(1, plan.s1) + "!", vP_ = motion::VelocitySymbol(1, plan.s1) + "!";
    const std::string xQ_ = motion::PositionSymbol(1, plan.s2) + "!", vQ_ = motion::VelocitySymbol(1, plan.s2) + "!";
    plan.lines.Add("Datos: t!" + p + " = " + text::FormatNumText(tP) + ", " + xP_ + p + " = " +
                   text::FormatNumText(xP) + ", " + vP_ + p + " = " + text::FormatNumText(vP));
    plan.lines.Add(n1 + " = " + FV(A1) + ", " + n2 + " = " + FV(A2));
    plan.lines.Add("t!" + q + " = " + FV(TQ) + ", " + xQ_ + q + " = " + FV(XQ) + ", " + vQ_ + q + " = " + FV(VQ));

    plan.kase = XQ.IsEmptyText()   ? 1
                : TQ.IsEmptyText() ? 2
                : VQ.IsEmptyText() ? 3
                : A2.IsEmptyText() ? 4
                : A1.IsEmptyText() ? 5
                                   : 0;
    if (!plan.kase) return plan;

    auto R5 = [](double v) { return text::MarkupRounded(v, 5); };
    auto junction = [&](LinkSolution& s) {
        s.vJ = rt::Checked(vP + s.a1 * (s.tJ - tP));
        s.xJ = rt::Checked(xP + vP * (s.tJ - tP) + (s.a1 / 2) * (s.tJ - tP) * (s.tJ - tP));
    };
    auto tJof = [&](const LinkSolution& s) { return Div(s.vQ - vP + s.a1 * tP - s.a2 * s.tQ, s.a1 - s.a2); };
    auto junctionLine = [&](const LinkSolution& s) {
        return "t!" + J + " = " + text::FormatNumText(s.tJ) + ", " + xP_ + J + " = " + text::FormatNumText(s.xJ) +
               kCrLf + vP_ + J + " = " + text::FormatNumText(s.vJ);
    };
    auto sixLines = [&](const LinkSolution& s, const std::string& last) {
        text::ResultLines l = plan.lines;
        l.Add("Solución:");
        l.Add(junctionLine(s));
        l.Add(last);
        return l;
    };

    LinkSolution s;
    switch (plan.kase) {
    case 1: {
        s.a1 = Known(A1), s.a2 = Known(A2), s.tQ = Known(TQ), s.vQ = Known(VQ);
        if (num::IsNear(s.a1, s.a2, 1e-8)) {
            plan.message = "Las aceleraciones no pueden ser iguales.";
            return plan;
        }
        s.tJ = tJof(s);
        junction(s);
        s.xQ = rt::Checked(s.xJ - s.vQ * (s.tJ - s.tQ) - (s.a2 / 2) * (s.tJ - s.tQ) * (s.tJ - s.tQ));
        plan.sols = {s};
        plan.lines = sixLines(s, xQ_ + q + " = " + R5(s.xQ));
        break;
    }
    case 2: {
        s.a1 = Known(A1), s.a2 = Known(A2), s.xQ = Known(XQ), s.vQ = Known(VQ);
        const double qa = -s.a1 * s.a2, qb = 2 * (s.a1 * s.vQ - s.a2 * vP),
                     qc = 2 * (xP - s.xQ) * (s.a1 - s.a2) - (s.vQ - vP) * (s.vQ - vP);
        std::vector<double> taus;
        if (qa != 0) {
            const auto r = num::SolveQuadratic(qa, qb, qc);
            if (r.real != 2) {
                plan.message = "No hay solución.";
                return plan;
            }
            taus = {r.x[0], r.x[1]};
        } else if (qb != 0) {
            taus = {-qc / qb};
        } else {
            plan.message = "No hay solución.";
            return plan;
        }
        for (double tau : taus) {
            LinkSolution k = s;
            k.tQ = tP + tau;
            k.tJ = k.tQ + Div(k.a1 * (tP - k.tQ) + k.vQ - vP, k.a1 - k.a2);
            junction(k);
            plan.sols.push_back(k);
            plan.chosenLines.push_back(sixLines(k, "t!" + q + " = " + R5(k.tQ)));
        }
        if (plan.sols.size() == 1) {
            plan.lines = plan.chosenLines.front();
            plan.chosenLines.clear();
        } else {
            std::string both;
            for (size_t k = 0; k < 2; ++k) {
                const LinkSolution& o = plan.sols[k];
                both += (k ? std::string(kCrLf) : std::string()) + "Solución " + Str(int(k) + 1) + ":" + kCrLf + "t!" +
                        q + " = " + R5(o.tQ) + ", t!" + J + " = " + R5(o.tJ) + kCrLf + xP_ + J + " = " + R5(o.xJ) +
                        ", " + vP_ + J + " = " + R5(o.vJ);
            }
            plan.lines.Add(both);
        }
        break;
    }
    case 3: {
        s.a1 = Known(A1), s.a2 = Known(A2), s.tQ = Known(TQ), s.xQ = Known(XQ);
        const double d = tP - s.tQ;
        const double c = -s.a1 * s.a2 * d * d + 2 * vP * s.a2 * d + 2 * (xP - s.xQ) * (s.a1 - s.a2) - vP * vP;
        const auto r = num::SolveQuadratic(-1, 2 * (vP + s.a1 * (s.tQ - tP)), c);
        if (r.real != 2) {
            plan.message = "No hay solución.";
            return plan;
        }
        std::string both;
        for (int k = 0; k < 2; ++k) {
            LinkSolution o = s;
            o.vQ = r.x[k];
            o.tJ = tJof(o);
            junction(o);
            o.tQ = o.tJ + Div(o.vQ - o.vJ, o.a2);
            plan.sols.push_back(o);
            both += (k ? std::string(kCrLf) : std::string()) + "Solución " + Str(k + 1) + ":" + kCrLf + vQ_ + q +
                    " = " + text::FormatNumText(o.vQ) + ", t!" + J + " = " + text::FormatNumText(o.tJ) + kCrLf + xP_ +
                    J + " = " + text::FormatNumText(o.xJ) + ", " + vP_ + J + " = " + text::FormatNumText(o.vJ);
        }
        plan.lines.Add(both);
        break;
    }
    default: {
        s.tQ = Known(TQ), s.xQ = Known(XQ), s.vQ = Known(VQ);
        const double d = tP - s.tQ;
        double A, B;
        if (plan.kase == 4) {
            s.a1 = Known(A1);
            A = -s.a1 * d * d + 2 * vP * d - 2 * (xP - s.xQ);
            B = -2 * s.a1 * s.vQ * d + 2 * s.a1 * (xP - s.xQ) - (s.vQ - vP) * (s.vQ - vP);
        } else {
            s.a2 = Known(A2);
            A = -s.a2 * d * d - 2 * s.vQ * d + 2 * (xP - s.xQ);
            B = 2 * vP * s.a2 * d - 2 * s.a2 * (xP - s.xQ) - (s.vQ - vP) * (s.vQ - vP);
        }
        if (A == 0) {
            plan.message = "No hay solución.";
            return plan;
        }
        const double a = rt::Checked(-B / A);
        (plan.kase == 4 ? s.a2 : s.a1) = a;
        s.tJ = tJof(s);
        junction(s);
        plan.sols = {s};
        plan.lines = sixLines(s, (plan.kase == 4 ? n2 : n1) + " = " + R5(a));
        break;
    }
    }
    return plan;
}

}  // namespace mrua
