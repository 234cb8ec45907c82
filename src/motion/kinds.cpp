// Problem kinds, the acceleration boxes, and the preparation and reset of
// the motion workspaces.
#include <QFont>

#include "motion/panel.h"
#include "motion/state.h"
#include "numerics/mathutil.h"
#include "platform/buttons.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "shell/form1.h"

namespace motion {

namespace {

const char* const kMruaKinds[] = {
    "   Un móvil, una aceleración  --  a",
    "   Un móvil, 2 ó 3 aceleraciones  --  a, a' [, a'']",
    "   Dos móviles, una aceleración cada uno  --  a, A",
    "   Dos móviles, el primero 2 ó 3 aceleraciones  -- a, a' [, a''], A",
};
const char* const kParabKinds[] = {"   Un móvil", "   Dos móviles"};

// The segment of each acceleration box.
constexpr int kBoxBody[] = {1, 1, 1, 2};
constexpr int kBoxSegment[] = {1, 2, 3, 1};

void Underline(plat::Label* l, bool on) {
    QFont f = l->font();
    f.setUnderline(on);
    l->setFont(f);
}

rt::Variant& AccelOfBox(int index) { return State().Segments[kBoxBody[index]][kBoxSegment[index]].Accel; }

}  // namespace

void Motion::cmdTable_Click(int index) {
    try {
        MotionState& s = State();
        s.ProblemKind = index;
        for (int i = 0; i < 4; ++i) {
            Underline(panel_.lblAs[i], false);
            panel_.txtAccel[i]->hide();
            panel_.txtAccel[i]->SetText(QString());
            AccelOfBox(i) = std::string();
        }
        Underline(motion::Element(panel_.lblAs, index), true);
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        if (mode != shell::kRectilinearWorkspace && mode != shell::kProjectileWorkspace) return;
        ResetPointsStrip(mode);
        // The old configuration no longer holds: procedures wait for the new one.
        if (mode == shell::kRectilinearWorkspace) s.TableReady = false;
        s.AwaitingBodySplit = true;
        s.AwaitingSegmentLimits = false;
        panel_.fraTable->setEnabled(true);
        plat::Picture& strip = *panel_.picAccel;
        auto prompt = [&](double x, const QString& text) {
            strip.SetCurrentX(x);
            strip.SetCurrentY(38);
            strip.Print(text);
        };
        const QString split = QStringLiteral("Haz un clic en este espacio para separar los puntos de uno y otro móvil");
        if (index == 0) {
            SetUpOneBody();
            if (mode == shell::kProjectileWorkspace) FocusGd2OnCol(1);
        } else if (mode == shell::kRectilinearWorkspace && index == 1) {
            prompt(100, QStringLiteral("A lo más 2 clics en este espacio, uno por cada punto límite de tramo"));
        } else if (mode == shell::kRectilinearWorkspace && index == 2) {
            prompt(100, split);
        } else if (mode == shell::kRectilinearWorkspace && index == 3) {
            prompt(10, QStringLiteral("A lo más 3 clics en este espacio, el primero para separar los dos móviles "
                                      "y los demás para definir los tramos del primero"));
        } else if (mode == shell::kProjectileWorkspace && index == 1) {
            prompt(138, split);
        }
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error en el comando.")); }
}

void Motion::AdaptCtrls(shell::WorkspaceId mode) {
    if (mode == shell::kRectilinearWorkspace) {
        for (int i = 0; i < 4; ++i) {
            panel_.lblAs[i]->SetCaption(QString::fromUtf8(kMruaKinds[i]));
            panel_.lblAs[i]->show();
            panel_.cmdTable[i]->show();
        }
        ArrangeGd2(960, shell::kRectilinearWorkspace);
        panel_.fraRes->hide();
        panel_.fraTable->show();
        motion::InitMruaEqnLinePositions();
        NewMRUAproblem();
        FillMruaCbo(shell::kRectilinearWorkspace);
        panel_.cmdEraseTable->Press();
    } else if (mode == shell::kProjectileWorkspace) {
        for (int i = 0; i < 2; ++i) {
            panel_.lblAs[i]->SetCaption(QString::fromUtf8(kParabKinds[i]));
            panel_.lblAs[i]->show();
            panel_.cmdTable[i]->show();
        }
        for (int i = 2; i < 4; ++i) {
            panel_.cmdTable[i]->hide();
            panel_.lblAs[i]->hide();
        }
        // The results frame belongs to the rectilinear substitutions.
        panel_.fraRes->hide();
        ArrangeGd2(960, shell::kProjectileWorkspace);
        motion::InitParabEqnLinePositions();
        NewPARABproblem();
        panel_.cmdEraseTable->Press();
    }
}

void Motion::NewMRUAproblem() {
    MotionState& s = State();
    ResetPointsStrip(shell::kRectilinearWorkspace);
    s.SegmentCount = 0;
    s.SegmentsComplete = false;
    s.TableReady = false;
    for (int i = 0; i < 4; ++i) {
        panel_.txtAccel[i]->hide();
        panel_.txtAccel[i]->SetText(QString());
        Underline(panel_.lblAs[i], false);
    }
    EraseGd2Table();
    ResetClickCounters();
    EraseSegments();
    rect_->EraseEqnFlags();
    EraseMotionPoints();
    form_->pic->Cls();
    form_->pic1->Cls();
    ShowPic1(false);
    s.ProblemKind = 4;
    panel_.fraTable->setEnabled(true);
    panel_.cmdTable[1]->setToolTip(
        QStringLiteral("A lo más 2 clics en la tabla, en el espacio gris arriba de los encabezados"));
    panel_.cmdTable[0]->Press();
    panel_.fraRes->hide();
    panel_.cmdPass[0]->setEnabled(true);
    panel_.cmdPass[1]->setEnabled(true);
    ChoosePicture(kSetUpPicture);
}

void Motion::NewPARABproblem() {
    MotionState& s = State();
    ResetPointsStrip(shell::kProjectileWorkspace);
    for (int i = 0; i < 4; ++i) Underline(panel_.lblAs[i], false);
    s.TableReady = false;
    s.ParabActionMode = ParabAction::SetUp;
    s.ParabProcedureCode = 1;
    motion::InitParabEqnLinePositions();
    ArrangeGd2(960, shell::kProjectileWorkspace);
    form_->pic->Cls();
    form_->pic1->Cls();
    parab_->EraseEqnFlags();
    panel_.cmdTable[1]->setToolTip(QStringLiteral("Un clic en la tabla, en el espacio gris arriba de los encabezados"));
}

bool Motion::HasProblem() const {
    const plat::FlexGrid& g = *panel_.Gd2;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 1; c < g.Cols(); ++c)
            if (!g.TextMatrix(r, c).trimmed().isEmpty()) return true;
    for (const plat::TextBox* box : panel_.txtAccel)
        if (!box->Text().trimmed().isEmpty()) return true;
    return false;
}

bool Motion::ConfirmNewProblem() {
    return plat::MsgBox(QStringLiteral("Se borrará todo. ¿Estás seguro?"), plat::MsgButtons::YesNo, QString(),
                        plat::MsgResult::No) == plat::MsgResult::Yes;
}

void Motion::cmdNewMruaProbl_Click() {
    if (!ConfirmNewProblem()) return;
    if (shell::Shared().WorkspaceMode == shell::kProjectileWorkspace) {
        // The projectile problem starts over as when the workspace is
        // chosen: flags and codes erased, one body, the first picture.
        NewPARABproblem();
        panel_.cmdTable[0]->Press();
        ChoosePicture(kSetUpPicture);
        return;
    }
    NewMRUAproblem();
}

void Motion::txtAccel_Change(int index) {
    rt::IgnoreError("a box whose text cannot be read keeps the acceleration stored before", [&] {
        plat::TextBox* box = motion::Element(panel_.txtAccel, index);
        const std::string t = rt::Trim(rt::PlainMinus(box->Text().toStdString()));
        if (t == "g" || t == "-g") {
            const double g = t == "g" ? kG : -kG;
            box->SetText(QString::fromStdString(rt::NumberText(g)));
            AccelOfBox(index) = g;
            box->SetSelStart(box->Text().size());
        } else {
            // The box holds one number: "1,5" is stored as 1.5's text.
            AccelOfBox(index) = rt::SingleNumberText(t).value_or(t);
        }
    });
}

void Motion::txtAccel_KeyPress(int index, int& keyAscii) {
    if (keyAscii != 13) return;
    plat::TextBox* box = motion::Element(panel_.txtAccel, index);
    const std::string t = rt::Trim(rt::PlainMinus(box->Text().toStdString()));
    if (t == "g" || t == "-g") {
        txtAccel_Change(index);
    } else if (!t.empty() && !rt::SingleNumberText(t)) {
        plat::MsgBox(QStringLiteral("Valor no numérico."));
        keyAscii = 0;
        return;
    } else {
        AccelOfBox(index) = rt::SingleNumberText(t).value_or(t);
    }
    auto visible = [&](int i) { return !panel_.txtAccel[i]->isHidden(); };
    int next = -1;
    if (index == 0)
        next = visible(1) ? 1 : visible(3) ? 3 : -1;
    else if (index == 1)
        next = visible(2) ? 2 : visible(3) ? 3 : -1;
    else if (index == 2)
        next = visible(3) ? 3 : -1;
    if (next >= 0)
        panel_.txtAccel[next]->SetFocus();
    else
        FocusGd2OnCol(1);
    keyAscii = 0;
}

}  // namespace motion
