#include "statics/particle/panel.h"

#include <optional>

#include "numerics/mathutil.h"
#include "platform/answerpane.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/numtext.h"
#include "runtime/scopeguard.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "shell/writer.h"
#include "statics/particle/diagram.h"
#include "statics/particle/equations.h"
#include "statics/particle/forces.h"
#include "statics/particle/state.h"
#include "text/globals.h"

namespace particle {

namespace {

// The angle typed in an input box: one number, the decimal comma and the
// exponent form read as such; blanks around it are refused.
std::optional<double> TypedAngle(const QString& answer) {
    const std::string t = plat::StdStr(answer);
    if (t != rt::Trim(t)) return std::nullopt;
    return rt::ReadSingleNumber(t);
}

void Message(const QString& text) { plat::MsgBox(text, plat::MsgButtons::OK, plat::kAppTitle); }

struct ButtonSpec {
    int index;
    const char* caption;
    const char* tip;
    int left, top, width, height;  // twips inside fraEstp
    bool enabled;
};

constexpr ButtonSpec kButtons[] = {
    {0, "Resolver", "Calcular las incógnitas del problema de equilibrio", 120, 3030, 1365, 345, false},
    {1, "Restaurar", "Volver a como estaban las fuerzas antes de resolver", 1530, 3030, 1365, 345, false},
    {2, "Actualizar", "Sustituir en la tabla los valores calculados", 2940, 3030, 1365, 345, false},
    {5, "Bu", "Cancelar la última fuerza dada", 3630, 30, 570, 375, true},
    {6, "B1", "Cancelar la fuerza seleccionada en la tabla", 4200, 30, 570, 375, true},
    {7, "Empezar un problema nuevo", "Empezar un problema nuevo", 120, 3450, 2775, 345, true},
};

int Px(int twips) { return (twips + 7) / 15; }

}  // namespace

void ParticleStatics::BuildPanels(shell::Form1& form) {
    form_ = &form;
    State() = ParticleState{};

    panel_.fraEstp = new plat::Frame(QStringLiteral("fraEstp"), &form);
    panel_.fraEstp->setGeometry(408, 168, 391, 345);
    const char* captions[] = {"?-1", "?-2"};
    const char* tips[] = {"Ejemplo 1", "Ejemplo 2"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdExampleEstp"), i), panel_.fraEstp);
        b->SetCaption(QString::fromLatin1(captions[i]));
        b->setToolTip(QString::fromLatin1(tips[i]));
        b->setGeometry(8 + 40 * i, 6, 36, 22);
        panel_.cmdExampleEstp[i] = b;
    }
    panel_.gdEqui = new plat::FlexGrid(QStringLiteral("gdEqui"), panel_.fraEstp);
    panel_.gdEqui->setGeometry(6, 32, 379, 164);
    panel_.gdEqui->SetCols(4);
    panel_.gdEqui->SetRows(1);
    panel_.gdEqui->SetFixedRows(1);
    panel_.gdEqui->SetFixedCols(1);

    for (const ButtonSpec& btn : kButtons) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdParts"), btn.index), panel_.fraEstp);
        b->SetCaption(QString::fromUtf8(btn.caption));
        b->setToolTip(QString::fromUtf8(btn.tip));
        b->setGeometry(Px(btn.left), Px(btn.top), Px(btn.width), Px(btn.height));
        if (btn.index == 5 || btn.index == 6) b->SetFace(QStringLiteral("Times New Roman"), 9);
        b->setEnabled(btn.enabled);
        b->Click = [this, i = btn.index] { cmdParts_Click(i); };
        panel_.cmdParts[btn.index] = b;
    }
    form.panels.fraEstp = panel_.fraEstp;

    // The rotation button sits on the direction frame, built before.
    if (plat::CommandButton* rot = form.panels.cmdRotangle) rot->Click = [this] { cmdRotangle_Click(); };
}

void ParticleStatics::ArrangeGdEqui() {
    plat::FlexGrid& g = *panel_.gdEqui;
    g.SetFormatString(QStringLiteral("|^Fuerza|^Fx|^Fy"));
    g.SetTextMatrix(0, 0, QStringLiteral("  #"));
    const int widths[] = {330, 1655, 1450, 1450};
    for (int c = 0; c < 4; ++c) g.SetColWidth(c, widths[c]);
}

void ParticleStatics::Redraw() { DrawParticleForces(*form_->pic1, State().ParticleForces, form_->GetRotAngle()); }

void ParticleStatics::AddParticleForce() {
    plat::TextBox& box = *form_->panels.txtVector;
    const std::string text = rt::Trim(plat::StdStr(box.Text()));
    if (text.empty()) return;
    auto parsed = vec::ParseStaticsVector(text, text::G().Decimals);
    if (!parsed.ok()) {
        Message(plat::QStr(parsed.message()));
        return;
    }
    vec::ParsedVector pv = parsed.value();
    if (pv.Hour.IsEmptyText() && pv.Alpha.IsEmptyText()) {
        const QString answer =
            plat::InputBox(QStringLiteral("¿En qué dirección (entre -180° y 180°) deseas dibujar esta fuerza en el "
                                          "diagrama?"),
                           plat::kAppTitle);
        if (answer.isEmpty()) return;
        const std::optional<double> angle = TypedAngle(answer);
        if (!angle) {
            Message(QStringLiteral("El ángulo dado no es numérico."));
            return;
        }
        pv.DrawAngle = *angle;
    }
    ParticleState& st = State();
    const shell::SharedState& g = shell::Shared();
    AppendForce(st, pv, form_->GetRotAngle(), g.PicWidth, g.PicHeight);
    const ParticleForceRec& r = st.ParticleForces.back();
    plat::FlexGrid& gd = *panel_.gdEqui;
    const int row = gd.Rows();
    gd.SetRows(row + 1);
    gd.SetTextMatrix(row, 0, QString::number(st.ParticleForceCount));
    gd.SetTextMatrix(row, 1, plat::QStr(text));
    gd.SetTextMatrix(row, 2, plat::QStr(r.FxText.ToText()));
    gd.SetTextMatrix(row, 3, plat::QStr(r.FyText.ToText()));
    Redraw();
    if (st.ParticleForceCount >= 2) panel_.cmdParts[0]->setEnabled(true);
    box.SetText(QString());
    box.SetFocus();
}

std::string ParticleStatics::Solve() {
    const EquilibriumOutcome out =
        SolveParticleEquilibrium(State().ParticleForces, text::G().Decimals, [](const std::string& prompt) {
            return plat::MsgBox(plat::QStr(prompt), plat::MsgButtons::YesNo, plat::kAppTitle) == plat::MsgResult::Yes;
        });
    rt::FaultPoint("particle solve");
    if (!out.report.empty()) shell::WriteResults(*form_->rtbCalc, text::ResultLines{out.report});
    if (out.redraw) Redraw();
    if (out.failed) rt::Raise(rt::ErrorCode::InvalidCall);
    return out.msg;
}

void ParticleStatics::SetTakesForces(bool on) {
    takesForces_ = on;
    form_->fraDirec->setEnabled(on);
}

void ParticleStatics::SetSolvedState(bool solved) {
    SetTakesForces(!solved);
    panel_.cmdParts[0]->setEnabled(!solved);
    panel_.cmdParts[1]->setEnabled(solved);
    panel_.cmdParts[2]->setEnabled(solved);
    panel_.cmdParts[5]->setEnabled(!solved);
    panel_.cmdParts[6]->setEnabled(!solved);
}

void ParticleStatics::ClearAll(double rot) {
    State().ClearForces();
    panel_.gdEqui->SetRows(1);
    DrawParticleAxes(*form_->pic1, rot);
}

void ParticleStatics::cmdParts_Click(int index) {
    // A solution that fails leaves no answer to an earlier problem in the pane.
    std::optional<plat::AnswerPaneScope> pane;
    if (index == 0) pane.emplace(*form_->rtbCalc);
    try {
        switch (index) {
        case 0: SolveProblem(); break;
        case 1: RestoreForces(); break;
        case 2: PutSolutionInTable(); break;
        case 5: CancelForce(false); break;
        case 6: CancelForce(true); break;
        case 7: StartNewProblem(); break;
        default: break;
        }
    } catch (const rt::RuntimeError&) { Message(QStringLiteral("Error en el comando.")); }
}

void ParticleStatics::SolveProblem() {
    ParticleState& st = State();
    if (st.ParticleForceCount == 0) return;
    st.SavedParticleForces = st.ParticleForces;
    st.SavedParticleForceCount = st.ParticleForceCount;
    // Whatever ends the solution early, nothing half-solved stays in the
    // table, and the panel is not left as if the problem were solved.
    rt::ScopeGuard restore([&st] { st.ParticleForces = st.SavedParticleForces; });
    const std::string msg = Solve();
    restore.Keep();
    if (!msg.empty()) {
        Message(plat::QStr(msg));
        return;
    }
    // The focus goes to the solution before the pressed button is disabled:
    // left to Qt it would pass to "Empezar un problema nuevo", where the
    // next Enter asks to erase everything.
    form_->rtbCalc->SetFocus();
    SetSolvedState(true);
    form_->tabCalc->SetTab(0);
}

void ParticleStatics::RestoreForces() {
    ParticleState& st = State();
    if (st.ParticleForceCount == 0) return;
    const int n = st.SavedParticleForceCount;
    for (int k = 0; k < n; ++k) {
        rt::ExpectIndex(k, 0, st.ParticleForceCount - 1, "force restored from the saved copy");
        rt::ExpectIndex(k, 0, static_cast<long long>(st.SavedParticleForces.size()) - 1, "saved force");
        st.ParticleForces[k] = st.SavedParticleForces[static_cast<size_t>(k)];
    }
    Redraw();
    SetSolvedState(false);
    panel_.cmdParts[0]->SetFocus();  // not on to "Empezar un problema nuevo"
}

void ParticleStatics::PutSolutionInTable() {
    ParticleState& st = State();
    plat::FlexGrid& gd = *panel_.gdEqui;
    if (st.ParticleForceCount == 0) return;
    const int dec = text::G().Decimals;
    text::ResultLines lines(st.ParticleForceCount + 1);
    lines[1] = "Equilibrio bajo las siguientes fuerzas:";
    for (int k = 1; k <= st.ParticleForceCount; ++k) {
        ParticleForceRec& r = st.ParticleForces[k - 1];
        const std::string x = rt::RoundedText(r.X.ToNumber(), dec);
        const std::string y = rt::RoundedText(r.Y.ToNumber(), dec);
        gd.SetTextMatrix(k, 1, plat::QStr(r.TypedText));
        gd.SetTextMatrix(k, 2, plat::QStr(x));
        gd.SetTextMatrix(k, 3, plat::QStr(y));
        r.ArrowColor = rt::kBlack;
        lines[k + 1] = "(" + text::MarkupMinus(x) + ", " + text::MarkupMinus(y) + ") = (" +
                       text::MarkupRounded(r.Mag.ToNumber(), dec) + " #angu " +
                       text::MarkupRounded(r.Dir.ToNumber(), dec) + ")";
    }
    Redraw();
    panel_.cmdParts[0]->setEnabled(true);
    panel_.cmdParts[0]->SetFocus();  // not on to "Empezar un problema nuevo"
    for (int i : {1, 2, 5, 6}) panel_.cmdParts[i]->setEnabled(false);
    SetTakesForces(true);
    shell::WriteResults(*form_->rtbCalc, lines);
}

void ParticleStatics::CancelForce(bool selected) {
    const double rot = form_->GetRotAngle();
    ParticleState& st = State();
    plat::FlexGrid& gd = *panel_.gdEqui;
    if (gd.Rows() <= 1) return;
    const int s = gd.Row();
    if (selected && s == 0) return;
    if (gd.Rows() == 2) {
        ClearAll(rot);
    } else if (!selected) {
        if (st.ParticleForces.empty()) rt::Fault("the force grid has rows but the force table is empty");
        st.ParticleForces.pop_back();
        st.ParticleForceCount = static_cast<int>(st.ParticleForces.size());
        gd.SetRows(gd.Rows() - 1);
        Redraw();
    } else {
        for (int r = s; r + 1 < gd.Rows(); ++r)
            for (int c = 0; c < 4; ++c) gd.SetTextMatrix(r, c, gd.TextMatrix(r + 1, c));
        rt::ExpectIndex(s, 1, st.ParticleForceCount, "force of the selected grid row");
        st.ParticleForces.erase(st.ParticleForces.begin() + (s - 1));
        st.ParticleForceCount = static_cast<int>(st.ParticleForces.size());
        const shell::SharedState& g = shell::Shared();
        RepickOrigins(st, rot, g.PicWidth, g.PicHeight);
        gd.SetRows(gd.Rows() - 1);
        if (st.ParticleForceCount > 0)
            Redraw();
        else
            DrawParticleAxes(*form_->pic1, rot);
    }
    form_->panels.txtVector->SetFocus();
}

void ParticleStatics::StartNewProblem() {
    ParticleState& st = State();
    plat::FlexGrid& gd = *panel_.gdEqui;
    if (plat::MsgBox(QStringLiteral("Se borrará todo. ¿Deseas hacerlo?"), plat::MsgButtons::YesNo, plat::kAppTitle,
                     plat::MsgResult::No) != plat::MsgResult::Yes)
        return;
    st.ClearForces();
    SetTakesForces(true);
    gd.ClearCells();
    ArrangeGdEqui();
    gd.SetRows(1);
    if (auto* atan = form_->findChild<plat::TextBox*>(QStringLiteral("txtAtan"))) atan->SetText(QString());
    form_->panels.txtVector->SetText(QString());
    form_->rtbCalc->SetText(QString());
    form_->pic1->Cls();
    for (int i : {5, 6, 7}) panel_.cmdParts[i]->setEnabled(true);
    // The copy saved before the last solution belongs to the old
    // problem: restoring or updating from it would mix the two.
    panel_.cmdParts[1]->setEnabled(false);
    panel_.cmdParts[2]->setEnabled(false);
    st.SavedParticleForces.clear();
    st.SavedParticleForceCount = 0;
    form_->panels.cmdRotangle->SetCaption(QStringLiteral("Q = 0°"));
    // The angle the direction frame offers follows the axes back to 0.
    shell::Shared().AxesRotation = 0;
    if (auto* lbl = form_->findChild<plat::Label*>(QStringLiteral("lbltxtAngle")))
        lbl->setToolTip(QStringLiteral("Clic aquí pone ángulo = 0"));
    if (auto* angle = form_->findChild<plat::TextBox*>(QStringLiteral("txtAngle"))) angle->SetText(QStringLiteral("0"));
    form_->Services().direction->DrawClock(false);
    DrawParticleAxes(*form_->pic1, 0);
    form_->Services().direction->PickClockCell(3);  // hour 3: along the x axis
    form_->panels.txtVector->SetText(QString());
}

void ParticleStatics::cmdRotangle_Click() {
    try {
        const QString answer =
            plat::InputBox(QStringLiteral("Especifica el ángulo de rotación (entre -90 y 90)."), plat::kAppTitle);
        if (answer.isEmpty()) return;
        const std::optional<double> typed = TypedAngle(answer);
        if (!typed) {
            Message(QStringLiteral("El valor dado no es numérico."));
            return;
        }
        const double value = *typed;
        if (value < -90 || value > 90) {
            Message(QStringLiteral("El ángulo se sale del intervalo permitido."));
            return;
        }
        shell::Shared().AxesRotation = value;
        // The caption is read back as the angle: the number in its own form.
        const QString shown = plat::QStr(rt::SingleNumberText(plat::StdStr(answer)).value_or(plat::StdStr(answer)));
        form_->panels.cmdRotangle->SetCaption(QStringLiteral("Q = ") + shown + QStringLiteral("°"));
        if (auto* lbl = form_->findChild<plat::Label*>(QStringLiteral("lbltxtAngle")))
            lbl->setToolTip(QStringLiteral("Clic aquí pone ángulo = ") + shown);
        if (auto* angle = form_->findChild<plat::TextBox*>(QStringLiteral("txtAngle")))
            angle->SetText(QStringLiteral("0"));
        form_->Services().direction->DrawClock(false);
        DrawParticleAxes(*form_->pic1, value);
        if (State().ParticleForceCount >= 1) Redraw();
    } catch (const rt::RuntimeError&) { Message(QStringLiteral("Error en el comando.")); }
}

bool ParticleStatics::HasProblem() const { return State().ParticleForceCount > 0; }

bool ParticleStatics::SolveForcesFromGrid(const std::vector<std::string>& texts) {
    const shell::SharedState& g = shell::Shared();
    const std::string loadMsg =
        LoadParticleForces(State(), texts, form_->GetRotAngle(), g.PicWidth, g.PicHeight, text::G().Decimals);
    if (!loadMsg.empty()) Message(plat::QStr(loadMsg));
    const std::string msg = Solve();
    if (!msg.empty()) {
        Message(plat::QStr(msg));
        return false;
    }
    Redraw();
    return true;
}

std::unique_ptr<shell::ParticleStaticsServices> MakeParticleStatics() { return std::make_unique<ParticleStatics>(); }

}  // namespace particle
