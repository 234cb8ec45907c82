#include "motion/panel.h"

#include <cmath>

#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "shell/form1.h"

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
    "Resolver simultáneamente dos del tipo A tan q0 + B(v0^2 cos^2 q0) = C",
    "Resolver A tan q0 + B/(v0^2 cos^2 q0) = C   y   D tan q0 + E/(v0 cos q0) = F",
    "Resolver A tan q0 + B/(v0^2 cos^2 q0) = C   y   v0 cos q0 = D",
    "Resolver A tan q0 + B/(v0^2 cos^2 q0) = C   y   v0 sen q0 = D",
    "Resolver dos del tipo A tan q0 + B/(v0 cos q0) = C",
};

const char* const kMruaKinds[] = {
    "   Un móvil, una aceleración  --  a",
    "   Un móvil, 2 ó 3 aceleraciones  --  a, a' [, a'']",
    "   Dos móviles, una aceleración cada uno  --  a, A",
    "   Dos móviles, el primero 2 ó 3 aceleraciones  -- a, a' [, a''], A",
};
const char* const kParabKinds[] = {"   Un móvil", "   Dos móviles"};

constexpr int kProcTwips = 540;
constexpr int kRectCodes[] = {40, 42, 43, 44, 45};
constexpr int kParabModes[] = {1, 2, 3, 4, 6};

}  // namespace

void Motion::BuildPanels(shell::Form1& form) {
    form_ = &form;
    Panel& p = panel_;

    p.fraTable = new plat::Frame(QStringLiteral("fraTable"), &form);
    p.fraTable->setGeometry(2, 394, 795, 183);
    p.Gd2 = new plat::FlexGrid(QStringLiteral("Gd2"), p.fraTable);
    p.Gd2->SetCols(10);
    p.Gd2->SetFixedRows(0);
    p.Gd2->move(30, 70);
    p.picAccel = new plat::Picture(QStringLiteral("picAccel"), p.fraTable);
    p.picAccel->SetBackColor(0xC0C0C0);
    p.cmdEraseTable = new plat::CommandButton(QStringLiteral("cmdEraseTable"), p.fraTable);
    p.cmdEraseTable->SetCaption(QStringLiteral("B"));
    p.cmdEraseTable->setToolTip(QStringLiteral("Borrar toda la tabla"));
    p.cmdEraseTable->setGeometry(30, 150, 22, 22);
    p.cmdSeeEqns = new plat::CommandButton(QStringLiteral("cmdSeeEqns"), p.fraTable);
    p.cmdSeeEqns->setGeometry(700, 150, 86, 24);

    p.tabMrua = new plat::TabStrip(QStringLiteral("tabMrua"), &form);
    p.tabMrua->setGeometry(408, 274, 391, 118);
    QWidget* kinds = p.tabMrua->AddPage(QStringLiteral("Configurar tabla"));
    QWidget* pictured = p.tabMrua->AddPage(QStringLiteral("Aplicar ecuaciones"));
    QWidget* listed = p.tabMrua->AddPage(QStringLiteral("Otros procedimentos"));

    for (int i = 0; i < 4; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdTable"), i), kinds);
        b->setGeometry(4, 2 + 21 * i, 30, 19);
        b->Click = [this, i] { cmdTable_Click(i); };
        p.cmdTable[i] = b;
        auto* l = new plat::Label(plat::ArrayName(QStringLiteral("lblAs"), i), kinds);
        l->setGeometry(36, 2 + 21 * i, 340, 19);
        l->Click = [b] { b->Press(); };
        p.lblAs[i] = l;
    }

    p.imgProcs = new plat::Image(QStringLiteral("imgProcs"), pictured);
    p.imgProcs->move(4, 2);
    p.imgProcs->resize(180, 36);
    p.imgProcs->MouseDown = [this](int b, int s, double x, double y) { imgProcs_MouseDown(b, s, x, y); };
    p.shpMrua = new plat::Shape(QStringLiteral("shpMrua"), pictured);
    p.shpMrua->setGeometry(4, 2, 36, 36);
    p.shpMrua->SetBorderWidth(2);
    p.shpMrua->SetBorderColor(0x0000FF);
    p.picArgs1 = new plat::Picture(QStringLiteral("picArgs1"), pictured);
    p.picArgs1->Move(2, 40, 381, 46);

    p.cboProcs = new plat::ComboBox(QStringLiteral("cboProcs"), listed);
    p.cboProcs->setGeometry(4, 2, 379, 22);
    p.txtProcs = new plat::TextBox(QStringLiteral("txtProcs"), listed);
    p.txtProcs->setGeometry(4, 26, 330, 20);
    p.cmdProcs = new plat::CommandButton(QStringLiteral("cmdProcs"), listed);
    p.cmdProcs->SetFace(QStringLiteral("Symbol"), 10);
    p.cmdProcs->SetCaption(QString(QChar(191)));
    p.cmdProcs->setGeometry(338, 25, 44, 22);
    p.picArgs2 = new plat::Picture(QStringLiteral("picArgs2"), listed);
    p.picArgs2->Move(2, 48, 381, 40);

    shell::PanelSlots& s = form.panels;
    s.fraTable = p.fraTable;
    s.tabMrua = p.tabMrua;
    s.picArgs1 = p.picArgs1;
    s.picArgs2 = p.picArgs2;
    s.imgProcs = p.imgProcs;
    s.cmdTable0 = p.cmdTable[0];
}

void Motion::ArrangeGd2(int colWidth, int mode) {
    plat::FlexGrid& g = *panel_.Gd2;
    for (int c = 1; c < g.Cols(); ++c) g.SetColWidth(c, colWidth);
    g.SetColWidth(0, 360);
    if (mode == 4) {
        g.SetRows(3);
        const char* t[] = {" t", " x", " v"};
        for (int r = 0; r < 3; ++r) g.SetTextMatrix(r, 0, QString::fromLatin1(t[r]));
    } else if (mode == 5) {
        g.SetRows(5);
        const QString t[] = {QStringLiteral(" t"), QStringLiteral(" x"), QStringLiteral(" y"),
                             QStringLiteral(" v"), QStringLiteral(" ") + QChar(0xF8)};
        for (int r = 0; r < 5; ++r) g.SetTextMatrix(r, 0, t[r]);
    }
    const int last = g.Cols() - 1;
    g.SetColWidth(last, g.ColWidth(last) - 15);
    plat::SetWidthTwips(&g, 9045);
    plat::SetHeightTwips(&g, 240 * g.Rows() + 45);
    for (int c = 0; c < g.Cols(); ++c) g.SetColAlignment(c, plat::FlexGrid::CenterCenter);
    panel_.cmdEraseTable->move(g.x(), panel_.cmdEraseTable->y());
    panel_.picAccel->MoveTwips(plat::LeftTwips(&g) + 345, plat::TopTwips(&g) - 630, 8640, 630);
    panel_.picAccel->Scale(0, 42, 577, 0);
}

void Motion::AdaptCtrls(int mode) {
    const int kinds = mode == 4 ? 4 : 2;
    for (int i = 0; i < 4; ++i) {
        panel_.cmdTable[i]->setVisible(i < kinds);
        panel_.lblAs[i]->setVisible(i < kinds);
        if (i < kinds)
            panel_.lblAs[i]->SetCaption(QString::fromUtf8(mode == 4 ? kMruaKinds[i] : kParabKinds[i]));
    }
    ArrangeGd2(960, mode);
    if (mode == 4) {
        motion::InitMruaEqnLinePositions();
    } else {
        for (int k = 1; k <= 10; ++k) State().LinePos[k] = {10, 340 - 20 * (k - 1)};
        State().ParabActionMode = 1;
        State().ParabProcedureCode = 1;
    }
    plat::FlexGrid& g = *panel_.Gd2;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 1; c < g.Cols(); ++c) g.SetTextMatrix(r, c, QString());
}

void Motion::FillMruaCbo(int mode) {
    if (mode == 0) return;
    panel_.cboProcs->Clear();
    for (const char* s : mode == 4 ? kMruaProcs : kParabProcs)
        panel_.cboProcs->AddItem(QString::fromUtf8(s));
}

void Motion::ShowPic1(bool show) {
    form_->pic1->setVisible(show);
    form_->pic->setVisible(!show);
    panel_.cmdSeeEqns->SetCaption(show ? QStringLiteral("Ver Ecuacs.") : QStringLiteral("Ver Gráfico"));
}

void Motion::imgProcs_MouseDown(int, int, double x, double) {
    const int n = static_cast<int>(std::floor(x / kProcTwips)) + 1;
    if (n < 1 || n > 5) return;
    panel_.shpMrua->move(panel_.imgProcs->x() + (n - 1) * kProcTwips / 15, panel_.shpMrua->y());
    const int mode = shell::Shared().WorkspaceMode;
    if (mode == 4) shell::Shared().ProcedureCode = kRectCodes[n - 1];
    if (mode == 5) State().ParabActionMode = kParabModes[n - 1];
}

void Motion::InitMruaEqnLinePositions() { motion::InitMruaEqnLinePositions(); }

void Motion::cmdTable_Click(int index) {
    State().ProblemKind = index;
    for (int i = 0; i < 4; ++i) {
        QFont f = panel_.lblAs[i]->font();
        f.setUnderline(i == index);
        panel_.lblAs[i]->setFont(f);
    }
}

std::unique_ptr<shell::MotionServices> MakeMotion() { return std::make_unique<Motion>(); }

}  // namespace motion
