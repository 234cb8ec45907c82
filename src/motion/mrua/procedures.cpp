#include "motion/mrua/procedures.h"

#include <QString>
#include <cmath>

#include "motion/mrua/listed.h"
#include "motion/mrua/segment_eqns.h"
#include "motion/mrua/subst.h"
#include "motion/mrua/twoclick.h"
#include "motion/positions.h"
#include "motion/state.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/mousepointer.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "runtime/colors.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "shell/drawpicture.h"
#include "shell/form1.h"
#include "shell/picmarkup.h"
#include "shell/writer.h"

namespace mrua {

namespace {

using motion::MotionPoint;
using motion::State;
using plat::MsgButtons;
using plat::MsgResult;

plat::MsgResult Box(const std::string& text, MsgButtons buttons = MsgButtons::OK,
                    const std::string& title = "Teluvar") {
    return plat::MsgBox(plat::QStr(text), buttons, plat::QStr(title));
}

SegmentLaw NumericLaw(int body, int segment) {
    SegmentLaw law;
    law.segment = segment;
    law.A = Records().InitialPositions[body][segment];
    law.B = Records().InitialVelocities[body][segment];
    law.a = State().Segments[body][segment].Accel.ToNumber();
    return law;
}

// Prints a short text beside a point of a picture, at a clock position
// around it, in size 8 and the colour given; the picture's pen, size and
// colour are kept.
void PrintLabelAt(plat::Picture& pic, int position, const std::string& text, rt::ColorRef colour, int x, int y) {
    const double cx = pic.CurrentX(), cy = pic.CurrentY(), size = pic.FontSize();
    const rt::ColorRef fore = pic.ForeColor();
    int dx = 0, dy = 0;
    switch (position) {
    case 1: dx = 5, dy = 14; break;
    case 3: dx = 5, dy = 6; break;
    case 5: dx = 5, dy = -1; break;
    case 6: dx = -4, dy = -1; break;
    case 7: dx = -10, dy = -1; break;
    case 9: dx = -10, dy = 6; break;
    case 11: dx = -10, dy = 14; break;
    case 12: dx = -4, dy = 14; break;
    case 2:
    case 4:
    case 8:
    case 10: return;
    default: break;
    }
    rt::IgnoreError("a label that cannot be printed leaves the drawing without it", [&] {
        pic.SetFontSize(8);
        pic.SetForeColor(colour);
        pic.SetCurrentX(x + dx);
        pic.SetCurrentY(y + dy);
        pic.Print(plat::QStr(text));
    });
    pic.SetCurrentX(cx);
    pic.SetCurrentY(cy);
    pic.SetFontSize(size);
    pic.SetForeColor(fore);
}

class Procedures : public motion::RectilinearProcedures {
public:
    explicit Procedures(motion::WorkspaceUi& ui) : ui_(ui) {}

    motion::SegmentEqnKinds EqnKinds(int body, int segment) const override {
        const EqnKind k = Records().Kind(body, segment);
        motion::SegmentEqnKinds r;
        r.numeric = k == EqnKind::Numeric;
        r.paramV = k == EqnKind::ParamV;
        r.paramA = k == EqnKind::ParamA;
        r.paramVA = k == EqnKind::ParamVA;
        return r;
    }

    void EraseEqnFlags() override { Records().EraseFlags(); }

    void ClearMruaEqnLine(int k) override {
        rt::ExpectIndex(k, 1, 10, "rectilinear equation line");
        const int Y = State().LinePos[k].Y;
        ui_.Form().pic->FilledBox(0, Y + 1, 410, Y + 1 - 18, rt::kWhite);
    }

    std::optional<motion::RelationalDatum> ParseRelDatum(const rt::Variant& datum) override {
        return ParseRelDatumChecked(datum);
    }

    void SetUpSegmentEqns(int body, int segment, int basePoint, const rt::Variant& a, const rt::Variant& tb,
                          const rt::Variant& xb, const rt::Variant& vb) override {
        const PosedEqns e = ComposeSegmentEqns(body, segment, basePoint, a, tb, xb, vb);
        StorePosedEqns(body, segment, basePoint, e);
        const int k = EqnLineOfSegment(body, segment);
        ClearMruaEqnLine(k);
        ClearMruaEqnLine(k + 1);
        ui_.ShowPic1(false);
        plat::Picture& pic = *ui_.Form().pic;
        const auto& L = State().LinePos;
        shell::PrintMarkupText(pic, e.positionLine, L[k].X, L[k].Y - 2, "Times New Roman", 10);
        shell::PrintMarkupText(pic, e.velocityLine, L[k + 1].X, L[k + 1].Y - 2, "Times New Roman", 10);
        Write(text::ResultLines{e.heading, e.dataLine});
    }

    void SubstPointNoParams(int body, int segment, int point, const rt::Variant& t, const rt::Variant& x,
                            const rt::Variant& v, bool show) override {
        if (t.IsEmptyText() && x.IsEmptyText() && v.IsEmptyText()) return;
        motion::EraseResults();
        const PointSubst r =
            SubstPoint(NumericLaw(body, segment), SymbolsOf(body, segment), body, segment, point, t, x, v);
        if (!r.message.empty()) {
            Box(r.message);
            return;
        }
        auto& s = State();
        for (int k = 0; k < r.count; ++k) {
            s.ResultCaptions[k + 1] = point;
            s.ResultTimes[k + 1] = r.t[k];
            s.ResultPositions[k + 1] = r.x[k];
            s.ResultVelocities[k + 1] = r.v[k];
        }
        if (!show) return;
        const int col = motion::TableColOfPoint(body, point);
        const int c = r.chosen;
        if (r.given != 't') SetCell(0, col, r.t[c]);
        if (r.given != 'x') SetCell(1, col, r.x[c]);
        if (r.given != 'v') SetCell(2, col, r.v[c]);
        Write(r.lines);
    }

    void SubstIncrementsNoParams(int body, int segment, int p1, int p2, const rt::Variant& dt, const rt::Variant& dx,
                                 const rt::Variant& dv) override {
        motion::EraseResults();
        if (Records().Kind(body, segment) != EqnKind::Numeric) {
            Box("No tengo las ecuaciones sin parámetros del móvil indicado.");
            return;
        }
        const StepResult o =
            SubstIncrements(NumericLaw(body, segment), SymbolsOf(body, segment), body, segment, p1, p2, dt, dx, dv);
        if (!Proceed(o)) return;
        FillResults({p1, p2}, o.values);
        ui_.ShowMruaResults(body, segment, 1);
        ui_.EnableSecondSolution(false);
        Write(o.lines);
    }

    void SubstRelationNoParams(int body, int segment, int factorKind, const rt::Variant& C, int incrementKind,
                               const rt::Variant& D, int pI, int pF) override {
        if (Records().Kind(body, segment) != EqnKind::Numeric) {
            Box("No tengo las ecuaciones del móvil indicado.");
            return;
        }
        if (C.ToNumber() == 0) {
            Box("El factor \"C\" no puede ser 0.");
            return;
        }
        const int col = motion::TableColOfPoint(body, pI);
        bool known = false;
        for (int q = 0; q < 3; ++q) known = known || !MotionPoint(q, col).IsEmptyText();
        if (known) {
            Box("El punto inicial del intervalo debe ser completamente desconocido.");
            return;
        }
        motion::EraseResults();
        const StepResult o = SubstRelation(NumericLaw(body, segment), SymbolsOf(body, segment), factorKind, C,
                                           incrementKind, D, pI, pF, false);
        if (!Proceed(o)) return;
        FillResults({pI, pF}, o.values);
        Write(o.lines);
        ui_.ShowMruaResults(body, segment, 1);
        // Two solutions can be shown one after the other.
        ui_.EnableSecondSolution(o.values.size() == 12);
    }

    void SubstWithParamV(const motion::ParamSubstArgs& g) override {
        BaseData b;
        b.p0 = Records().BasePoints[g.body][g.segment];
        b.tb = Records().ParamVBaseTimes[g.body][g.segment];
        b.xb = Records().ParamVBasePositions[g.body][g.segment];
        b.a = State().Segments[g.body][g.segment].Accel.ToNumber();
        const Symbols s = SymbolsOf(g.body, g.segment);
        const StepResult o = ParamVSubst(g, s, b);
        if (!Proceed(o)) return;
        Write(o.lines);
        if (!o.ask || o.values.empty()) return;
        const std::string Vp = s.V + std::to_string(b.p0);
        double vb;
        if (o.values.size() == 1) {
            if (Box(std::string("¿Deseas actualizar la ecuación de movimiento") + kCrLf +
                        "con este valor encontrado de la velocidad?",
                    MsgButtons::YesNo, Vp + " = " + text::RoundedText(o.values[0])) != MsgResult::Yes)
                return;
            vb = o.values[0];
        } else {
            const MsgResult r = Box(
                std::string("Si deseas actualizar la ecuación de movimiento") + kCrLf +
                    "con el primero de los 2 valores encontrados para la velocidad" + kCrLf +
                    "oprime el botón \"Sí\". Si con el segundo valor oprime el botón \"No\".",
                MsgButtons::YesNoCancel,
                Vp + " = " + text::RoundedText(o.values[0]) + "  o  " + Vp + " = " + text::RoundedText(o.values[1]));
            if (r == MsgResult::Cancel) return;
            vb = o.values[r == MsgResult::Yes ? 0 : 1];
        }
        SetCell(2, motion::TableColOfPoint(g.body, b.p0), vb);
        SetUpSegmentEqns(g.body, g.segment, b.p0, b.a, b.tb, b.xb, vb);
    }

    void SubstWithParamA(const motion::ParamSubstArgs& g) override {
        BaseData b;
        b.p0 = Records().BasePoints[g.body][g.segment];
        b.tb = Records().ParamABaseTimes[g.body][g.segment];
        b.xb = Records().ParamABasePositions[g.body][g.segment];
        b.vb = Records().ParamABaseVelocities[g.body][g.segment];
        const Symbols s = SymbolsOf(g.body, g.segment);
        const StepResult o = ParamASubst(g, s, b);
        if (!Proceed(o)) return;
        Write(o.lines);
        if (!o.ask || o.values.empty()) return;
        double a;
        if (o.values.size() == 1) {
            if (Box(std::string("¿Deseas actualizar la ecuación de movimiento") + kCrLf +
                        "con este valor encontrado de la aceleración?",
                    MsgButtons::YesNo, s.A + " = " + text::RoundedText(o.values[0])) != MsgResult::Yes)
                return;
            a = o.values[0];
        } else {
            const MsgResult r = Box(std::string("¿Deseas actualizar la ecuación de movimiento") + kCrLf +
                                        "con alguno de estos 2 valores encontrados para la aceleración?" + kCrLf +
                                        "Si escoges el primero oprime el botón \"Sí\". Para el segundo" + kCrLf +
                                        "oprime el botón \"No\".",
                                    MsgButtons::YesNoCancel,
                                    s.A + " = " + text::RoundedText(o.values[0]) + " o bien " + s.A + " = " +
                                        text::RoundedText(o.values[1]));
            if (r == MsgResult::Cancel) return;
            a = o.values[r == MsgResult::Yes ? 0 : 1];
        }
        SetUpSegmentEqns(g.body, g.segment, b.p0, a, b.tb, b.xb, b.vb);
        ui_.SetTxtAccel(g.body == 1 ? 1 : 2, g.segment, text::RoundedText(a));
        State().Segments[g.body][g.segment].Accel = a;
    }

    void SubstWithParamsVA(const motion::ParamSubstArgs& g) override {
        BaseData b;
        b.p0 = Records().BasePoints[g.body][g.segment];
        b.tb = Records().ParamVABaseTimes[g.body][g.segment];
        b.xb = Records().ParamVABasePositions[g.body][g.segment];
        const Symbols s = SymbolsOf(g.body, g.segment);
        const StepResult o = ParamVASubst(g, s, b);
        if (!Proceed(o)) return;
        if (!o.note.empty()) Box(o.note);
        Write(o.lines);
        if (!o.ask) return;
        const double a = motion::Element(o.values, 0);
        if (Box(std::string("Estos datos determinan la aceleración como ") + kCrLf + std::string(20, ' ') + s.A +
                    " = " + text::RoundedText(a) + kCrLf + "Oprime el botón \"Aceptar\" si deseas replantear las" +
                    kCrLf + " ecuaciones con este valor.",
                MsgButtons::OKCancel) == MsgResult::OK)
            SetUpSegmentEqns(g.body, g.segment, b.p0, a, b.tb, b.xb, std::string());
    }

    void ViewGraphXt(double x1, double x2) override {
        const rt::Outcome<GraphPlan> plan = PlanGraphXt(x1, x2);
        if (!plan.ok()) {
            Box(plan.message());
            return;
        }
        DrawGraph(*plan);
        ui_.ShowPic1(true);
    }

    void CalcMruaDistance(double x1, double x2) override { Show(Distance(x1, x2)); }

    void LinkSegments(double x1, double x2) override {
        motion::EraseResults();
        LinkPlan plan = PlanLinkSegments(x1, x2);
        if (!plan.message.empty()) {
            Box(plan.message);
            return;
        }
        if (!plan.kase) return;
        Write(plan.lines);
        size_t kept = 0;
        if (plan.sols.size() == 2) {
            const MsgResult r = Box(std::string("Para escoger la primera solución desplegada en la pestaña "
                                                "\"Resultado\"") +
                                        kCrLf + "oprime el botón \"Sí\". Para la segunda oprime \"No\".",
                                    MsgButtons::YesNoCancel);
            if (r == MsgResult::Cancel) return;
            kept = r == MsgResult::Yes ? 0 : 1;
            if (!plan.chosenLines.empty()) Write(plan.chosenLines[kept]);
        }
        const LinkSolution& s = motion::Element(plan.sols, kept);
        auto& st = State();
        if (plan.kase <= 3) {
            st.ResultCaptions[1] = plan.J;
            st.ResultCaptions[2] = plan.q;
            st.ResultTimes[1] = s.tJ, st.ResultPositions[1] = s.xJ, st.ResultVelocities[1] = s.vJ;
            st.ResultTimes[2] = s.tQ, st.ResultPositions[2] = s.xQ, st.ResultVelocities[2] = s.vQ;
        }
        const int colJ = motion::TableColOfPoint(1, plan.J), colQ = motion::TableColOfPoint(1, plan.q);
        SetCell(0, colJ, s.tJ), SetCell(1, colJ, s.xJ), SetCell(2, colJ, s.vJ);
        SetCell(0, colQ, s.tQ), SetCell(1, colQ, s.xQ), SetCell(2, colQ, s.vQ);
        ui_.SetTxtAccel(1, plan.s1, text::RoundedText(s.a1));
        ui_.SetTxtAccel(1, plan.s2, text::RoundedText(s.a2));
        st.Segments[1][plan.s1].Accel = s.a1;
        st.Segments[1][plan.s2].Accel = s.a2;
        if (Box(std::string("¿Deseas plantear las ecuaciones de movimiento de los") + kCrLf +
                    "dos tramos considerados del móvil 1 con los valores calculados?",
                MsgButtons::YesNo) != MsgResult::Yes)
            return;
        SetUpSegmentEqns(1, plan.s1, plan.p, s.a1, plan.tP, plan.xP, plan.vP);
        SetUpSegmentEqns(1, plan.s2, plan.q, s.a2, s.tQ, s.xQ, s.vQ);
    }

    void ApplyIntervalEqns(const motion::IntervalData& data) override { Show(IntervalEqns(data)); }

    void SolveXRelation(double C, bool isDifference) override {
        std::vector<SegmentLaw> body1;
        SegmentLaw body2;
        const std::string missing = Laws(body1, body2);
        const StepResult o = missing.empty() ? XRelation(body1, body2, C, isDifference) : StepResult::Refuse(missing);
        if (o.Refused()) {
            Box(o.message);
            Box("Revisa los datos.");
            return;
        }
        Write(o.lines);
    }

    void SolveVRelation(double C, bool isDifference) override {
        std::vector<SegmentLaw> body1;
        SegmentLaw body2;
        const std::string missing = Laws(body1, body2);
        if (!missing.empty()) {
            Box(missing);
            return;
        }
        std::vector<TimeInSegment> times;
        const StepResult o = VRelation(body1, body2, C, isDifference, times);
        if (o.Refused()) {
            Box(o.message);
            return;
        }
        for (const TimeInSegment& ts : times)
            SubstPointNoParams(1, ts.segment, 0, ts.t, std::string(), std::string(), false);
        Write(o.lines);
    }

    void SolvePQConditions(double p, double q) override {
        if (Records().Kind(1, 1) != EqnKind::Numeric) {
            Box("No tengo las ecuaciones (sin parámetros) del móvil 1, tramo 1.");
            return;
        }
        if (Records().Kind(2, 1) == EqnKind::Numeric) {
            Box("Procedimiento no aplicable.");
            return;
        }
        const int col = motion::TableColOfPoint(2, 0);
        plat::FlexGrid& gd = ui_.Gd2();
        Body2Data d;
        d.T0 = gd.TextMatrix(0, col).toStdString();
        d.X0 = gd.TextMatrix(1, col).toStdString();
        d.V0 = gd.TextMatrix(2, col).toStdString();
        d.A = State().Segments[2][1].Accel;
        Show(PQConditions(NumericLaw(1, 1), d, p, q));
    }

    void SolveVaSystem(const std::string& text) override {
        plat::CMousePtr hourglass;
        hourglass.SetPointer(11);
        Show(VaSystem(motion::State().RectProcedureCode, text));
    }

private:
    void Write(const text::ResultLines& lines) { shell::WriteResults(*ui_.Form().rtbCalc, lines); }

    // Shows a refusal; true when the outcome has result lines to go on with.
    static bool Proceed(const StepResult& o) {
        if (o.Refused()) {
            Box(o.message);
            return false;
        }
        return o.lines.UBound() > 0;
    }

    void Show(const StepResult& o) {
        if (Proceed(o)) Write(o.lines);
    }

    // A value into the table: rounded in the grid, exact in the store.
    void SetCell(int row, int col, double value) {
        ui_.Gd2().SetTextMatrix(row, col, plat::QStr(text::RoundedText(value)));
        MotionPoint(row, col) = value;
    }

    // Entries 1.. of the results arrays from (t, x, v) triples; the two
    // captions are the points of the first two entries.
    void FillResults(std::array<int, 2> points, const std::vector<double>& v) {
        auto& s = State();
        s.ResultCaptions[1] = points[0];
        s.ResultCaptions[2] = points[1];
        for (size_t k = 0; k + 2 < v.size() && k / 3 < 4; k += 3) {
            const int e = static_cast<int>(k / 3) + 1;
            s.ResultTimes[e] = v[k];
            s.ResultPositions[e] = v[k + 1];
            s.ResultVelocities[e] = v[k + 2];
        }
    }

    // The numeric laws of body 1's segments and of body 2, or what is missing.
    std::string Laws(std::vector<SegmentLaw>& body1, SegmentLaw& body2) {
        for (int k = 1; k <= 3; ++k)
            if (Records().Kind(1, k) == EqnKind::Numeric) body1.push_back(NumericLaw(1, k));
        if (body1.empty()) return "No tengo la ecuación del móvil 1 para ningún tramo.";
        if (Records().Kind(2, 1) != EqnKind::Numeric) return "Me falta la ecuación del móvil 2.";
        body2 = NumericLaw(2, 1);
        return "";
    }

    void DrawGraph(const GraphPlan& plan) {
        plat::Picture& pic = *ui_.Form().pic1;
        const shell::SharedState& sh = shell::Shared();
        const double L = sh.PlotLeft, B = sh.PlotBottom, S = sh.PlotSide;
        pic.Cls();
        const plat::FillStyle fill = pic.FillStyle();
        pic.SetFillStyle(plat::FillStyle::Transparent);
        pic.Box(L, B + S, L + S, B, 0xC0C0C0);
        pic.SetFillStyle(fill);
        for (const GraphPiece& p : plan.pieces) {
            const rt::ColorRef colour = sh.CurveColors[p.body][p.segment];
            for (size_t i = 1; i < p.poly.size(); ++i)
                pic.Line(p.poly[i - 1].first, p.poly[i - 1].second, p.poly[i].first, p.poly[i].second, colour);
            shell::MoveTo(pic, p.poly.front().first, p.poly.front().second, false);
            shell::DrawPointMark(pic, false, 1, true, rt::kBlack);
        }
        const double scale = shell::DrawEng().DrawScale;
        shell::MoveTo(pic, L, B, false);
        shell::DrawArrow(pic, (S + 18) / scale, true, false, shell::kPenAtTip, false, rt::kBlack, "", 3, 12, 0);
        PrintLabelAt(pic, 3, "x", rt::kBlack, rt::CInt(shell::DrawEng().PenX + 3), rt::CInt(shell::DrawEng().PenY));
        const double DX = plan.xHi - plan.xLo;
        if (plan.xLo <= 0 && 0 <= plan.xHi) {
            const double y0 = B + (0 - plan.xLo) / DX * S;
            shell::MoveTo(pic, L, y0, false);
            shell::DrawArrow(pic, (S + 18) / scale, true, false, shell::kPenAtTip, false, rt::kBlack, "", 3, 3, 0);
            PrintLabelAt(pic, 12, "t", rt::kBlack, rt::CInt(1.1 * S + L), rt::CInt(y0 + 2));
        } else {
            shell::MoveTo(pic, L, B, false);
            shell::DrawArrow(pic, 1.1 * S / scale, true, false, shell::kPenAtTip, false, rt::kBlack, "", 3, 3, 0);
            PrintLabelAt(pic, 12, "t", rt::kBlack, rt::CInt(shell::DrawEng().PenX),
                         rt::CInt(shell::DrawEng().PenY + 2));
        }
        pic.SetForeColor(rt::kBlack);
        auto label = [&](double value, double x, double y) {
            shell::MoveTo(pic, x, y, false);
            pic.PrintNumber(rt::RoundHalfEven(value, 2));
        };
        auto width = [&](double value) { return pic.TextWidth(plat::QStr(text::RoundedText(value))); };
        label(plan.tLo, L, B - 3);
        label(plan.tHi, L + S, B - 3);
        label(plan.xLo, L - width(plan.xLo) - 6, B + 10);
        label(plan.xHi, L - width(plan.xHi) - 6, B + S + 10);
    }

    motion::WorkspaceUi& ui_;
};

}  // namespace

std::unique_ptr<motion::RectilinearProcedures> MakeProcedures(motion::WorkspaceUi& ui) {
    return std::make_unique<Procedures>(ui);
}

}  // namespace mrua
