#include "motion/panel.h"

#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/mousepointer.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "shell/form1.h"

namespace motion {

namespace {
Motion* g_instance = nullptr;
}

Motion::Motion() = default;

Motion::~Motion() {
    if (g_instance == this) g_instance = nullptr;
}

Motion* Motion::Instance() { return g_instance; }

plat::FlexGrid& Motion::Gd2() { return *panel_.Gd2; }

void Motion::SetProcedures(std::unique_ptr<RectilinearProcedures> rect, std::unique_ptr<ProjectileProcedures> parab) {
    if (rect) rect_ = std::move(rect);
    if (parab) parab_ = std::move(parab);
}

void Motion::SetStripPointer(int pointer) { plat::SetMousePointer(panel_.picAccel, pointer); }

void Motion::BuildPanels(shell::Form1& form) {
    form_ = &form;
    g_instance = this;
    // A new main window starts a new run of the model.
    State() = MotionState{};
    rect_ = MakeRectilinearProcedures(*this);
    parab_ = MakeProjectileProcedures(*this);
    BuildTableFrame(form);
    BuildTabs(form);
    QObject::connect(form.rtbCalc, &QTextEdit::textChanged, panel_.fraTable, [this] { ++paneWrites_; });

    shell::PanelSlots& s = form.panels;
    s.fraTable = panel_.fraTable;
    s.tabMrua = panel_.tabMrua;
    s.picArgs1 = panel_.picArgs1;
    s.picArgs2 = panel_.picArgs2;
    s.imgProcs = panel_.imgProcs;
    s.cmdTable0 = panel_.cmdTable[0];
}

void Motion::BuildTableFrame(shell::Form1& form) {
    Panel& p = panel_;
    p.fraTable = new plat::Frame(QStringLiteral("fraTable"), &form);
    p.fraTable->setGeometry(2, 394, 795, 183);

    p.Gd2 = new plat::FlexGrid(QStringLiteral("Gd2"), p.fraTable);
    p.Gd2->SetCols(10);
    p.Gd2->SetRows(3);
    p.Gd2->SetFixedRows(0);
    p.Gd2->SetFixedCols(1);
    p.Gd2->move(8, 70);
    p.Gd2->keys.KeyPress = [this](int& k) { Gd2_KeyPress(k); };
    p.Gd2->keys.KeyDown = [this](int& k, int s) { Gd2_KeyDown(k, s); };
    p.Gd2->keys.KeyUp = [this](int& k, int s) { Gd2_KeyUp(k, s); };
    p.Gd2->DblClick = [this] { Gd2_DblClick(); };
    p.Gd2->EnterCell = [this] { Gd2_EnterCell(); };
    p.Gd2->MouseDown = [this](int b, int s, double x, double y) { Gd2_MouseDown(b, s, x, y); };

    p.picAccel = new plat::Picture(QStringLiteral("picAccel"), p.fraTable);
    p.picAccel->SetBackColor(rt::kButtonFace);
    p.picAccel->OnMouseDown([this](int b, int s, double x, double y) { picAccel_MouseDown(b, s, x, y); });
    p.picAccel->OnMouseUp([this](int b, int s, double x, double y) { picAccel_MouseUp(b, s, x, y); });
    for (int i = 0; i < 4; ++i) {
        auto* t = new plat::TextBox(plat::ArrayName(QStringLiteral("txtAccel"), i), p.picAccel);
        t->setAlignment(Qt::AlignCenter);
        t->hide();
        t->Change = [this, i] { txtAccel_Change(i); };
        t->keys.KeyPress = [this, i](int& k) { txtAccel_KeyPress(i, k); };
        p.txtAccel[i] = t;
    }

    p.cmdEraseTable = new plat::CommandButton(QStringLiteral("cmdEraseTable"), p.fraTable);
    p.cmdEraseTable->SetCaption(QStringLiteral("B"));
    p.cmdEraseTable->setToolTip(QStringLiteral("Borrar toda la tabla"));
    p.cmdEraseTable->setGeometry(8, 36, 22, 22);
    p.cmdEraseTable->Click = [this] { cmdEraseTable_Click(); };

    // Results frame: two columns (first and second point), four rows
    // (point number, t, x, v).
    p.fraRes = new plat::Frame(QStringLiteral("fraRes"), p.fraTable);
    p.fraRes->setGeometry(622, 4, 168, 174);
    p.fraRes->hide();
    for (int k = 0; k < 8; ++k) {
        auto* l = new plat::Label(plat::ArrayName(QStringLiteral("lblRes"), k), p.fraRes);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        l->setGeometry(6 + 80 * (k % 2), 20 + 22 * (k / 2), 76, 20);
        p.lblRes[k] = l;
    }
    p.lblRes[0]->SetForeColor(rt::kWhite);
    p.lblRes[1]->SetForeColor(rt::kWhite);
    const char* passCaptions[] = {"1a. Sol.", "2a. Sol.", "Pasar a la tabla"};
    const char* passTips[] = {"Mostrar solución 1", "Mostrar solución 2", "Pasar a la tabla la solución mostrada"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdPass"), i), p.fraRes);
        b->SetCaption(QString::fromUtf8(passCaptions[i]));
        b->setToolTip(QString::fromUtf8(passTips[i]));
        b->Click = [this, i] { cmdPass_Click(i); };
        p.cmdPass[i] = b;
    }
    p.cmdPass[0]->setGeometry(6, 112, 76, 24);
    p.cmdPass[1]->setGeometry(86, 112, 76, 24);
    p.cmdPass[2]->setGeometry(6, 140, 130, 24);
    p.cmdCloseFrares = new plat::CommandButton(QStringLiteral("cmdCloseFrares"), p.fraRes);
    p.cmdCloseFrares->SetCaption(QStringLiteral("X"));
    p.cmdCloseFrares->setToolTip(QStringLiteral("Cerrar el panel de soluciones"));
    p.cmdCloseFrares->setGeometry(140, 140, 22, 24);
    p.cmdCloseFrares->Click = [this] { cmdCloseFrares_Click(); };
}

void Motion::BuildTabs(shell::Form1& form) {
    Panel& p = panel_;
    p.tabMrua = new plat::TabStrip(QStringLiteral("tabMrua"), &form);
    p.tabMrua->setGeometry(408, 272, 391, 120);
    QWidget* kinds = p.tabMrua->AddPage(QStringLiteral("Configurar tabla"));
    QWidget* pictured = p.tabMrua->AddPage(QStringLiteral("Aplicar ecuaciones"));
    QWidget* listed = p.tabMrua->AddPage(QStringLiteral("Otros procedimientos"));
    p.tabMrua->Click = [this](int previous) { tabMrua_Click(previous); };

    for (int i = 0; i < 4; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdTable"), i), kinds);
        b->setGeometry(4, 4 + 21 * i, 44, 19);
        b->Click = [this, i] { cmdTable_Click(i); };
        p.cmdTable[i] = b;
        auto* l = new plat::Label(plat::ArrayName(QStringLiteral("lblAs"), i), kinds);
        l->setGeometry(50, 4 + 21 * i, 306, 19);
        l->Click = [b] { b->Press(); };
        p.lblAs[i] = l;
    }
    // Glyphs: "-" in the Symbol face for one click-less kind; a hand and one
    // mouse per click the kind asks for.
    p.cmdTable[0]->SetFace(QStringLiteral("Symbol"), 10);
    p.cmdTable[0]->SetCaption(QStringLiteral("-"));
    const QString hand(QChar(245)), mouse(QChar(158));
    for (int i = 1; i < 4; ++i) {
        p.cmdTable[i]->SetFace(QStringLiteral("Wingdings"), 10);
        p.cmdTable[i]->SetCaption(hand + mouse.repeated(i == 2 ? 1 : i == 1 ? 2 : 3));
    }
    p.cmdTable[0]->setToolTip(QStringLiteral("0 clics en la tabla"));
    p.cmdTable[1]->setToolTip(
        QStringLiteral("A lo más 2 clics en la tabla, en el espacio gris arriba de los encabezados"));
    p.cmdTable[2]->setToolTip(QStringLiteral("Un sólo clic en la tabla"));
    p.cmdTable[3]->setToolTip(QStringLiteral("A lo más 3 clics en la tabla"));

    const QWidget* pages[] = {kinds, pictured, listed};
    for (int i = 0; i < 3; ++i) {
        auto* b =
            new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdHelpTable"), i), const_cast<QWidget*>(pages[i]));
        b->SetCaption(QStringLiteral("?"));
        b->setGeometry(362, i == 2 ? 50 : 4, 20, 20);
        p.cmdHelpTable[i] = b;  // the help panel wires it
    }

    p.imgProcs = new plat::Image(QStringLiteral("imgProcs"), pictured);
    p.imgProcs->move(4, 4);
    p.imgProcs->resize(180, 36);
    p.imgProcs->MouseDown = [this](int b, int s, double x, double y) { imgProcs_MouseDown(b, s, x, y); };
    p.shpMrua = new plat::Shape(QStringLiteral("shpMrua"), pictured);
    p.shpMrua->setGeometry(4, 4, 36, 36);
    p.shpMrua->SetBorderWidth(2);
    p.shpMrua->SetBorderColor(0x0000FF);
    p.shpMrua->setAttribute(Qt::WA_TransparentForMouseEvents);
    p.picArgs1 = new plat::Picture(QStringLiteral("picArgs1"), pictured);
    p.picArgs1->Move(2, 44, 381, 46);
    p.picArgs1->OnPaint([this] { picArgs1_Paint(); });
    p.cmdSeeEqns = new plat::CommandButton(QStringLiteral("cmdSeeEqns"), pictured);
    p.cmdSeeEqns->setToolTip(QStringLiteral("Ver gráfico/ecuaciones"));
    p.cmdSeeEqns->SetCaption(QStringLiteral("Ver Gráfico"));
    p.cmdSeeEqns->setGeometry(190, 2, 80, 20);
    p.cmdSeeEqns->Click = [this] { cmdSeeEqns_Click(); };
    p.cmdEraseEqns = new plat::CommandButton(QStringLiteral("cmdEraseEqns"), pictured);
    p.cmdEraseEqns->SetCaption(QStringLiteral("Borrar Ecuacs."));
    p.cmdEraseEqns->setToolTip(QStringLiteral("Borrar las ecuaciones de movimiento"));
    p.cmdEraseEqns->setGeometry(272, 2, 86, 20);
    p.cmdEraseEqns->Click = [this] { cmdEraseEqns_Click(); };
    p.cmdNewMruaProbl = new plat::CommandButton(QStringLiteral("cmdNewMruaProbl"), pictured);
    p.cmdNewMruaProbl->SetCaption(QStringLiteral("Nuevo Problema"));
    p.cmdNewMruaProbl->setToolTip(QStringLiteral("Borra tabla, ecuaciones, gráfico, etc."));
    p.cmdNewMruaProbl->setGeometry(190, 23, 168, 20);
    p.cmdNewMruaProbl->Click = [this] { cmdNewMruaProbl_Click(); };

    p.cboProcs = new plat::ComboBox(QStringLiteral("cboProcs"), listed);
    p.cboProcs->setGeometry(2, 2, 383, 22);  // the page's width: some entries are long
    p.cboProcs->Click = [this] { cboProcs_Click(); };
    p.txtProcs = new plat::TextBox(QStringLiteral("txtProcs"), listed);
    p.txtProcs->setGeometry(4, 27, 306, 20);
    p.txtProcs->focus.GotFocus = [this] { txtProcs_GotFocus(); };
    p.txtProcs->keys.KeyPress = [this](int& k) { txtProcs_KeyPress(k); };
    p.cmdProcs = new plat::CommandButton(QStringLiteral("cmdProcs"), listed);
    p.cmdProcs->SetFace(QStringLiteral("Symbol"), 10);
    p.cmdProcs->SetCaption(QString(QChar(191)));
    p.cmdProcs->setGeometry(314, 26, 44, 22);
    p.cmdProcs->Click = [this] { cmdProcs_Click(); };
    p.picArgs2 = new plat::Picture(QStringLiteral("picArgs2"), listed);
    p.picArgs2->Move(2, 50, 358, 42);
    p.picArgs2->OnPaint([this] { picArgs2_Paint(); });
}

void Motion::InitMruaEqnLinePositions() { motion::InitMruaEqnLinePositions(); }

std::unique_ptr<shell::MotionServices> MakeMotion() { return std::make_unique<Motion>(); }

}  // namespace motion
