#include "motion/projectile/procedures.h"

#include <QString>

#include "motion/positions.h"
#include "motion/projectile/graph.h"
#include "motion/projectile/listed.h"
#include "motion/projectile/model.h"
#include "motion/projectile/pointsolve.h"
#include "motion/state.h"
#include "numerics/calculus.h"
#include "numerics/mathutil.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "shell/drawpicture.h"
#include "shell/form1.h"
#include "shell/picmarkup.h"
#include "shell/writer.h"

namespace parab {

namespace {

void Msg(const std::string& text) { plat::MsgBox(plat::QStr(text)); }

plat::MsgButtons Buttons(Ask a) {
    switch (a) {
    case Ask::YesNo: return plat::MsgButtons::YesNo;
    case Ask::YesNoCancel: return plat::MsgButtons::YesNoCancel;
    case Ask::OKCancel: return plat::MsgButtons::OKCancel;
    default: return plat::MsgButtons::OK;
    }
}

// The answer to a question as the index of the value it takes: Yes or OK
// the first, No the second of two; -1 nothing.
int Choose(Ask ask, const std::string& prompt, const std::string& title) {
    if (ask == Ask::None) return -1;
    const plat::MsgResult r = plat::MsgBox(plat::QStr(prompt), Buttons(ask), plat::QStr(title));
    if (r == plat::MsgResult::Yes || r == plat::MsgResult::OK) return 0;
    if (r == plat::MsgResult::No && ask == Ask::YesNoCancel) return 1;
    return -1;
}

class Procedures : public motion::ProjectileProcedures {
public:
    explicit Procedures(motion::WorkspaceUi& ui) : ui_(ui) {}

    motion::ParabEqnKinds EqnKinds(int body) const override {
        rt::ExpectIndex(body, 1, 2, "projectile body");
        return Model().kinds[body];
    }
    void EraseEqnFlags() override { ClearAllKinds(); }
    motion::LaunchData Launch(int body) const override {
        rt::ExpectIndex(body, 1, 2, "projectile body");
        const BodyLaunch& l = Model().launch[body];
        return {l.t0, l.x0, l.y0, l.vx0, l.vy0};
    }

    void ClearParabEqnLine(int n) override {
        rt::ExpectIndex(n, 1, 10, "projectile equation line");
        const double y = motion::State().LinePos[n].Y + 1;
        ui_.Form().pic->FilledBox(0, y, shell::Shared().PicWidth, y - 20, rt::kWhite);
    }

    void SetUpParabEqns(int body, int, const rt::Variant& t0, const rt::Variant& x0, const rt::Variant& y0,
                        const rt::Variant& p, const rt::Variant& q, bool components) override {
        ClearKinds(body);
        // The body's equations are gone: so are their lines, also when the
        // new ones cannot be set up.
        for (int j = 1; j <= 5; ++j) ClearParabEqnLine(5 * (body - 1) + j);
        const SetUpPlan plan = PlanSetUp(body, t0, x0, y0, p, q, components);
        StoreSetUp(Model(), body, plan);
        if (!plan.message.empty()) {
            Msg(plan.message);
            return;
        }
        Write(plan.lines);
        ui_.ShowPic1(false);
        plat::Picture& pic = *ui_.Form().pic;
        for (int j = 1; j <= 5; ++j) {
            const int n = 5 * (body - 1) + j;
            const auto& pos = motion::State().LinePos[n];
            shell::PrintMarkupText(pic, plan.eqns[j], pos.X, pos.Y - 2, "Times New Roman", 8);
        }
    }

    void PutParabPoint(int col, double t, double x, double y, double p, double q) override {
        const double v[5] = {t, x, y, p, q};
        for (int k = 0; k < 5; ++k) motion::MotionPoint(k, col);  // the column exists
        for (int k = 0; k < 5; ++k) SetCell(k, col, v[k]);
    }

    void ApplyParabEqnsToPoint(int body, int point, int relPoint, const rt::Variant& d1,
                               const rt::Variant& d2) override {
        motion::EraseResults();
        const ApplyResult o = PlanApplyPoint(Model(), motion::State().ComponentVelocityFlags, body, point, relPoint,
                                             motion::State().ParabProcedureCode, d1, d2);
        if (!o.message.empty()) {
            Msg(o.message);
            return;
        }
        if (o.choose) {
            const int k = Choose(Ask::YesNoCancel, o.prompt, o.title);
            if (k >= 0) Put(motion::Element(o.fills, k));
            return;
        }
        // The related point is found too; what the student typed in its
        // column is replaced only when the student agrees.
        const int col = motion::TableColOfPoint(body, point);
        for (const auto& f : o.fills)
            if (f.col == col || !HoldsTypedData(f.col) || AgreesToReplace(relPoint)) Put(f);
        if (o.lines.UBound() > 0) Write(o.lines);
    }

    void SolveParabV0FromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) override {
        const BodyLaunch l = motion::Element(Model().launch, body);
        const StepResult o = SolveV0FromPoint(Model(), body, point, Code(), d1, d2);
        const int k = Show(o);
        if (k < 0) return;
        const double w = motion::Element(o.values, k);
        SetUpParabEqns(body, 0, l.t0, l.x0, l.y0, w, l.theta0, false);
        SetCell(3, motion::TableColOfPoint(body, 0), w);
    }

    void SolveParabTheta0FromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) override {
        const BodyLaunch l = motion::Element(Model().launch, body);
        const StepResult o = SolveTheta0FromPoint(Model(), body, point, Code(), d1, d2);
        const int k = Show(o);
        if (k < 0) return;
        const double th = motion::Element(o.values, k);
        SetUpParabEqns(body, 0, l.t0, l.x0, l.y0, l.v0, th, false);
        SetCell(4, motion::TableColOfPoint(body, 0), th);
    }

    void StateParabV0Theta0Relation(int body, int point, const rt::Variant& d1, const rt::Variant& d2) override {
        Show(V0Theta0Relation(Model(), body, point, Code(), d1, d2));
    }

    void SolveParabV0xFromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) override {
        const BodyLaunch l = motion::Element(Model().launch, body);
        if (Code() == 16) {
            if (!Model().kinds[body].v0x) {
                Msg("No tengo las ecuaciones en función de " + BodySymbols(body).vs + "0x.");
                return;
            }
            QuarticV0x(body, point, d1, d2);
            return;
        }
        const StepResult o = SolveV0xFromPoint(Model(), body, point, Code(), d1, d2);
        const int k = Show(o);
        if (k < 0) return;
        const double u = motion::Element(o.values, k), vy = l.vy0.ToNumber();
        const int col = motion::TableColOfPoint(body, 0);
        if (motion::ComponentColumn(col)) {
            SetUpParabEqns(body, 0, l.t0, l.x0, l.y0, u, l.vy0, true);
            SetCell(3, col, u);
        } else {
            const double v0 = num::Hypot(u, vy), th = num::VectorAngleDeg(u, vy);
            SetUpParabEqns(body, 0, l.t0, l.x0, l.y0, v0, th, false);
            SetCell(3, col, v0);
            SetCell(4, col, th);
        }
    }

    void SolveParabV0yFromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) override {
        const BodyLaunch l = motion::Element(Model().launch, body);
        const StepResult o = SolveV0yFromPoint(Model(), body, point, Code(), d1, d2);
        const int k = Show(o);
        if (k < 0) return;
        const double u = motion::Element(o.values, k);
        SetUpParabEqns(body, 0, l.t0, l.x0, l.y0, l.vx0, u, true);
        SetCell(4, motion::TableColOfPoint(body, 0), u);
    }

    std::string CalcParabDistance(int body, double t1, double& t2) override {
        const Distance d = PathDistance(body, t1, t2);
        if (d.message.empty()) Write(d.lines);
        return d.message;
    }

    void GraphParabTrajectories(double x1, double x2) override {
        plat::Picture& pic = *ui_.Form().pic1;
        const GraphPlan g =
            PlanTrajectoryGraph(x1, x2, [&](const std::string& s) { return pic.TextWidth(plat::QStr(s)); });
        if (!g.message.empty()) {
            Msg(g.message);
            return;
        }
        pic.Cls();
        pic.Box(g.frame.x1, g.frame.y1, g.frame.x2, g.frame.y2, g.frame.color);
        for (const auto& a : g.axes) pic.Line(a.x1, a.y1, a.x2, a.y2, a.color);
        for (const auto& t : g.names) PrintAt(pic, t);
        for (const auto& c : g.curves) pic.Line(c.x1, c.y1, c.x2, c.y2, c.color);
        pic.SetForeColor(rt::kBlack);
        for (const auto& m : g.marks) {
            shell::MoveTo(pic, m.first, m.second, false);
            shell::DrawPointMark(pic, false, -1, true, rt::kBlack);
        }
        for (const auto& t : g.limits) PrintAt(pic, t);
        ui_.ShowPic1(true);
    }

    void CalcParabRangeOnIncline(int body, const std::string& Xp, const std::string& Yp, double alfa) override {
        Show(RangeOnIncline(body, Xp, Yp, alfa));
    }

    void IntersectParabTrajectories() override { Show(IntersectTrajectories()); }

    void SolveParabCollision(const std::string& tc) override {
        const CollisionPlan p = PlanCollision(tc);
        if (!p.message.empty()) {
            Msg(p.message);
            return;
        }
        if (p.kase == 0) return;
        const BodyLaunch l = Model().launch[2];
        const int col = motion::TableColOfPoint(2, 0);
        auto setUp = [&](size_t k) {
            const double T0 = l.t0.ToNumber(), X0 = l.x0.ToNumber(), Y0 = l.y0.ToNumber();
            SetUpParabEqns(2, 0, T0, X0, Y0, motion::Element(p.V0s, k), motion::Element(p.thetas, k), false);
            PutParabPoint(col, T0, X0, Y0, motion::Element(p.V0s, k), motion::Element(p.thetas, k));
        };
        if (p.thetas.size() == 2) {
            const int k = Choose(Ask::YesNoCancel, p.prompt, "Teluvar");
            if (k >= 0) setUp(static_cast<size_t>(k));
            Write(p.lines);
            return;
        }
        if (p.writeFirst) Write(p.lines);
        setUp(0);
        if (!p.writeFirst) Write(p.lines);
    }

    void SolveParabMeetsMover(const std::string& u, const std::string& tc) override {
        const MeetPlan p = PlanMeetMover(u, tc);
        if (!p.message.empty()) {
            Msg(p.message);
            return;
        }
        if (p.kase == 0) return;
        if (p.kase == 5) {
            MoverQuartic(p, u);
            return;
        }
        Write(p.lines);
        int k = 0;
        if (p.kase != 1) k = Choose(p.ask, p.prompt, p.title);
        if (k < 0) return;
        const double v0 = motion::Element(p.launches, k)[0], th = motion::Element(p.launches, k)[1];
        SetUpParabEqns(1, 0, p.t0, p.x0, p.y0, v0, th, false);
        if (motion::ComponentColumn(1))
            PutParabPoint(1, p.t0, p.x0, p.y0, v0 * num::CosDeg(th), v0 * num::SinDeg(th));
        else
            PutParabPoint(1, p.t0, p.x0, p.y0, v0, th);
    }

    void SolveTanAndSecSystem(const std::array<std::array<double, 3>, 3>& M, const std::array<double, 3>& r,
                              int kind) override {
        Show(TanAndSecSystem(M, r, kind));
    }
    void SolveTanSecWithComponent(double A, double B, double C, double D, int kind) override {
        Show(TanSecWithComponent(A, B, C, D, kind));
    }
    void SolveTanSecPairWithV0Cos(double A, double B, double C, double D, double E, double F) override {
        Show(TanSecPairWithV0Cos(A, B, C, D, E, F));
    }

private:
    int Code() const { return motion::State().ParabProcedureCode; }

    void Write(const text::ResultLines& lines) { shell::WriteResults(*ui_.Form().rtbCalc, lines); }

    // A refusal, or the lines and then the question: the index of the value
    // taken, -1 none.
    int Show(const StepResult& o) {
        if (!o.message.empty()) {
            Msg(o.message);
            return -1;
        }
        if (o.lines.UBound() == 0) return -1;
        Write(o.lines);
        return Choose(o.ask, o.prompt, o.title);
    }

    void SetCell(int row, int col, double value) {
        motion::MotionPoint(row, col) = value;
        ui_.Gd2().SetTextMatrix(row, col, plat::QStr(text::RoundedText(value)));
    }

    void Put(const PointFill& f) { PutParabPoint(f.col, f.t, f.x, f.y, f.p, f.q); }

    // True when a cell of the column holds a value typed by the student (a
    // text; the values procedures write are numbers).
    static bool HoldsTypedData(int col) {
        for (int q = 0; q < motion::kQuantities; ++q) {
            const rt::Variant& v = motion::MotionPoint(q, col);
            if (v.IsText() && !v.IsEmptyText()) return true;
        }
        return false;
    }

    static bool AgreesToReplace(int point) {
        const std::string p = std::to_string(point);
        return plat::MsgBox(plat::QStr("También hallé el punto " + p +
                                       ", que tiene datos escritos en la tabla.\r\n"
                                       "¿Reemplazo los datos del punto " +
                                       p + " con los valores hallados?"),
                            plat::MsgButtons::YesNo) == plat::MsgResult::Yes;
    }

    static void PrintAt(plat::Picture& pic, const GraphText& t) {
        pic.SetCurrentX(t.x);
        pic.SetCurrentY(t.y);
        if (t.number)
            pic.PrintNumber(rt::TextToNumber(t.text));
        else
            pic.Print(plat::QStr(t.text));
    }

    // Asks for a positive upper bound of a search; 0 when the user gives none.
    double AskBound(const std::string& prompt, const std::string& refusal) {
        for (;;) {
            const QString answer = plat::InputBox(plat::QStr(prompt), plat::QStr(kSearchTitle));
            if (answer.isEmpty()) return 0;
            const double b = rt::TextToNumber(answer.toStdString());
            if (b > 0) return b;
            Msg(refusal);
        }
    }

    void QuarticV0x(int body, int point, const rt::Variant& x, const rt::Variant& v) {
        const Symbols s = BodySymbols(body);
        const double B = AskBound(V0xQuarticPrompt(s.vs), "El límite superior debe ser mayor que 0.");
        if (B == 0) return;
        const BodyLaunch& l = Model().launch[body];
        const Quartic q = V0xQuartic(x.ToNumber() - l.x0.ToNumber(), l.vy0.ToNumber(), v.ToNumber(), s.vs);
        const rt::Outcome<num::ExprRoots> found = num::FindExprRoots(q.expr, 0, B);
        ui_.Form().rtbExpr->SetText(plat::QStr("ceros(" + q.expr + ",0," + rt::NumberText(B) + ")"));
        if (!found && found.message() == kNoRootsInInterval) {
            Msg(std::string(kNoRootsInInterval) + " Si deseas modificar el \r\n" +
                "intervalo de búsqueda, usa la rutina \"Calcular raíces\" de la calculadora ." +
                "\r\nYa se insertó el polinomio en el cuadro de expresiones.");
            return;
        }
        if (!found) {
            Msg("Error en la rutina.");
            return;
        }
        Write(V0xQuarticLines(body, point, x, v, q, found->roots, found->values));
    }

    void MoverQuartic(const MeetPlan& p, const std::string& u) {
        const double B = AskBound(MoverQuarticPrompt(), "El límite superior debe ser mayor que t0.");
        if (B == 0) return;
        const rt::Outcome<num::ExprRoots> found = num::FindExprRoots(p.poly, 0, B);
        if (!found && found.message() != kNoRootsInInterval) {
            Msg(found.message());
            return;
        }
        ui_.Form().rtbExpr->SetText(plat::QStr(p.poly));
        if (!found) {
            Msg(std::string(kNoRootsInInterval) + " Si deseas modificar el \r\n" +
                "intervalo de búsqueda, usa la calculadora.\r\nYa se insertó el polinomio allí.");
            return;
        }
        Write(MoverQuarticLines(p, u, Model().launch[1].v0.ToText(), B, found->roots, found->values));
    }

    motion::WorkspaceUi& ui_;
};

}  // namespace

std::unique_ptr<motion::ProjectileProcedures> MakeProcedures(motion::WorkspaceUi& ui) {
    return std::make_unique<Procedures>(ui);
}

}  // namespace parab
