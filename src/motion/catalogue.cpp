// The procedure catalogue: the five pictured procedures (imgProcs), the
// thirteen listed ones (cboProcs) with their argument box, the pages of
// tabMrua and the help drawn on picArgs1 and picArgs2.
#include <cmath>

#include "motion/compute.h"
#include "motion/panel.h"
#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "shell/picmarkup.h"

namespace motion {

namespace {

const char* const kMruaProcs[] = {
    "Obtener las ecs. de mov. dados 3 puntos (ti,xi) por los que pasa el móvil",
    "Aplicar las ecuaciones de intervalo",
    "Resolver la ecuación x(t) - X(t) = C",
    "Resolver la ecuación x(t) = C X(t)",
    "Resolver la ecuación v(t) - V(t) = C",
    "Resolver la ecuación v(t) = C V(t)",
    "Dados: x(t), 3 de {A,t0,X0,V0} y x=pX, v=qV en algún \"t\", calcular faltante. Dar p,q",
    "Ligar 2 tramos de movimiento de un mismo móvil",
    "Resolver un sistema de ecuaciones v,a - v,a",
    "Resolver un sistema de ecuaciones v2,a - v,a",
    "Resolver un sistema de ecuaciones v2,a2,a - v,a",
    "Resolver un sistema de ecuaciones v2,a2,a - v2,a",
    "Resolver la ecuación cuadrática Ax^2 + Bx + C = 0",
};

const char* const kParabProcs[] = {
    "Obtener las ecs. de mov. dados 3 puntos (xi,yi) por los que pasa el móvil",
    "Obtener las ecs. de mov. dado C de la relación Alcance = C*(Altura máxima)",
    "Obtener las ecs. de mov. dados el Tiempo de vuelo tv y el Alcance R.",
    "Calcular la distancia recorrida entre dos tiempos dados.",
    "Calcular el Alcance sobre un plano inclinado.",
    "Resolver las ecuaciones x = X, y = Y",
    "Choque parábola-parábola",
    "Choque parábola-recta",
    "Resolver simultáneamente dos del tipo A tan q0 + B/(v0^2 cos^2 q0) = C",
    "Resolver A tan q0 + B/(v0^2 cos^2 q0) = C   y   D tan q0 + E/(v0 cos q0) = F",
    "Resolver A tan q0 + B/(v0^2 cos^2 q0) = C   y   v0 cos q0 = D",
    "Resolver A tan q0 + B/(v0^2 cos^2 q0) = C   y   v0 sen q0 = D",
    "Resolver dos del tipo A tan q0 + B/(v0 cos q0) = C",
};

constexpr int kPictureTwips = 540;
constexpr RectProcedure kRectCodes[] = {RectProcedure::SetUpEquations, RectProcedure::SubstituteNoParams,
                                        RectProcedure::SubstituteWithParams, RectProcedure::Graph,
                                        RectProcedure::Distance};
constexpr ParabAction kParabModes[] = {ParabAction::SetUp, ParabAction::CompletePoint, ParabAction::V0Theta0,
                                       ParabAction::V0xV0y, ParabAction::Graph};

void DrawHelp(plat::Picture& pic, const std::vector<HelpLine>& lines, double size) {
    for (const HelpLine& l : lines) shell::PrintMarkupText(pic, l.text, l.x, l.y, "Times New Roman", size);
}

}  // namespace

int Motion::ChosenPicture() const {
    const int offset = plat::LeftTwips(panel_.shpMrua) - plat::LeftTwips(panel_.imgProcs);
    return offset / kPictureTwips + 1;
}

void Motion::ArmRectProcedure(int n) {
    State().RectProcedureCode = kRectCodes[n - 1];
    if (n == 4 || n == 5) SetStripPointer(6);
}

void Motion::imgProcs_MouseDown(int, int, double x, double) {
    ChoosePicture(static_cast<int>(rt::IntFloor(x / kPictureTwips)) + 1);
}

void Motion::ChoosePicture(int n) {
    if (n < 1 || n > 5) return;
    try {
        plat::SetLeftTwips(panel_.shpMrua, plat::LeftTwips(panel_.imgProcs) + (n - 1) * kPictureTwips);
        SetStripPointer(0);
        ResetClickCounters();
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        if (mode == shell::kRectilinearWorkspace) {
            ArmRectProcedure(n);
        } else if (mode == shell::kProjectileWorkspace) {
            State().ParabActionMode = kParabModes[n - 1];
            if (n == 5) SetStripPointer(6);
        }
        picArgs1_Paint();
        if (n == 1) FocusGd2OnCol(1);
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error en el comando.")); }
}

void Motion::FillMruaCbo(shell::WorkspaceId mode) {
    if (mode == shell::kNoWorkspace) return;
    panel_.cboProcs->Clear();
    for (const char* s : mode == shell::kRectilinearWorkspace ? kMruaProcs : kParabProcs)
        panel_.cboProcs->AddItem(QString::fromUtf8(s));
    panel_.cboProcs->FitToEntries();
    // The new list has no entry chosen: the help of the other tool's listed
    // procedure must not stay drawn under it.
    panel_.picArgs2->Cls();
}

// Sets the code of list entry `index` for the workspace and arms it; a
// change of page leaves the projectile argument controls as they were.
void Motion::ArmListedProcedure(int index, bool fromPageChange) {
    MotionState& s = State();
    const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
    if (mode == shell::kProjectileWorkspace) {
        const int code = ParabListedCode(index);
        s.ParabProcedureCode = code;
        if (!fromPageChange) {
            panel_.cmdProcs->setVisible(code != 21);
            panel_.txtProcs->setVisible(code != 21 && code != 25);
        }
        if (code == 21) {
            s.ParabActionMode = ParabAction::Distance;
            s.DistanceClickCount = 0;
            SetStripPointer(6);
        }
    } else if (mode == shell::kRectilinearWorkspace) {
        const RectProcedure code = RectListedCode(index);
        s.RectProcedureCode = code;
        panel_.cmdProcs->setVisible(code != RectProcedure::LinkSegments);
        panel_.txtProcs->setVisible(code != RectProcedure::LinkSegments);
        if (code == RectProcedure::LinkSegments) {
            s.LinkClickCount = 0;
            SetStripPointer(6);
        }
    }
}

void Motion::cboProcs_Click() {
    const int index = panel_.cboProcs->ListIndex();
    if (index < 0) return;
    try {
        SetStripPointer(0);
        ResetClickCounters();
        ArmListedProcedure(index, false);
        picArgs2_Paint();
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        const int code = State().ParabProcedureCode;
        const bool noBox = mode == shell::kProjectileWorkspace
                               ? (code == 21 || code == 25)
                               : State().RectProcedureCode == RectProcedure::LinkSegments;
        if (!noBox) panel_.txtProcs->SetFocus();
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error en el comando.")); }
}

void Motion::tabMrua_Click(int) {
    SetStripPointer(0);
    ResetClickCounters();
    const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
    const int page = panel_.tabMrua->Tab();
    if (page == 1) {
        const int n = ChosenPicture();
        rt::ExpectIndex(n, 1, 5, "chosen picture");
        if (mode == shell::kRectilinearWorkspace) {
            ArmRectProcedure(n);
        } else if (mode == shell::kProjectileWorkspace) {
            State().ParabActionMode = kParabModes[n - 1];
            if (n == 5) SetStripPointer(6);
        }
    } else if (page == 2) {
        const int index = panel_.cboProcs->ListIndex();
        if (index >= 0) ArmListedProcedure(index, true);
    }
}

void Motion::picArgs1_Paint() {
    rt::IgnoreError("the help picture stays blank when it cannot be drawn", [&] {
        plat::Picture& pic = *panel_.picArgs1;
        pic.Cls();
        DrawHelp(pic, PicturedHelp(shell::Shared().WorkspaceMode, ChosenPicture()), 8);
    });
}

void Motion::picArgs2_Paint() {
    rt::IgnoreError("the help picture stays blank when it cannot be drawn", [&] {
        plat::Picture& pic = *panel_.picArgs2;
        pic.Cls();
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        MotionState& s = State();
        double size = 8;
        if (mode == shell::kRectilinearWorkspace) DrawHelp(pic, RectListedHelp(s.RectProcedureCode), size);
        if (mode != shell::kProjectileWorkspace) return;
        const int code = s.ParabProcedureCode;
        DrawHelp(pic, ParabListedHelp(code, size), size);
        if (code == 2 || code == 22) {
            panel_.txtProcs->show();
            panel_.txtProcs->SetFocus();
        } else if (code == 21) {
            SetStripPointer(6);
            s.DistanceClickCount = 0;
        } else if (code == 27) {
            panel_.txtProcs->show();
            const ParabEqnKinds k = parab_->EqnKinds(1);
            QString t;
            if (k.v0theta0)
                t = QStringLiteral("u = número, tc = número");
            else if (k.theta0 || k.v0)
                t = QStringLiteral("u = número ó tc = número");
            panel_.txtProcs->SetText(t);
        }
    });
}

void Motion::txtProcs_GotFocus() {
    panel_.txtProcs->SetSelStart(0);
    panel_.txtProcs->SetSelLength(panel_.txtProcs->Text().size());
}

void Motion::txtProcs_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    panel_.cmdProcs->SetFocus();
    keyAscii = 0;
}

}  // namespace motion
