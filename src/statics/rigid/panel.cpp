#include "statics/rigid/panel.h"

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "shell/form1.h"
#include "statics/rigid/qtext.h"

namespace rigid {

namespace {

const QString kForceAtCaption = QStringLiteral("Fuerza[:][/Par]");

plat::TextBox* Box(const QString& name, QWidget* parent, int x, int y, int w, int h = 21) {
    auto* t = new plat::TextBox(name, parent);
    t->setGeometry(x, y, w, h);
    return t;
}

plat::Label* Lbl(const QString& name, QWidget* parent, const QString& caption, int x, int y, int w, int h = 16) {
    auto* l = new plat::Label(name, parent);
    l->SetCaption(caption);
    l->setGeometry(x, y, w, h);
    return l;
}

plat::CommandButton* Btn(const QString& name, QWidget* parent, const QString& caption, int x, int y, int w,
                         int h = 22) {
    auto* b = new plat::CommandButton(name, parent);
    b->SetCaption(caption);
    b->setGeometry(x, y, w, h);
    return b;
}

plat::LineShape* Line(const QString& name, QWidget* parent, int x1, int y1, int x2, int y2) {
    auto* l = new plat::LineShape(name, parent);
    l->SetPoints(x1, y1, x2, y2);
    l->SetBorderColor(0x808080);
    return l;
}

void SelectAllOnFocus(plat::TextBox* t) {
    t->focus.GotFocus = [t] {
        t->SetSelStart(0);
        t->SetSelLength(static_cast<int>(t->Text().size()));
    };
}

}  // namespace

void RigidStatics::BuildPanels(shell::Form1& form) {
    form_ = &form;
    auto* tab = new plat::TabStrip(QStringLiteral("tabStat"), &form);
    tab->setGeometry(408, 38, 391, 475);
    panel_.tabStat = tab;
    BuildConfigPage(tab->AddPage(QStringLiteral("Configuración")));
    BuildDCLPage(tab->AddPage(QStringLiteral("Diagramas de cuerpo libre")));
    BuildSolvePage(tab->AddPage(QStringLiteral("Resolver")), form);
    tab->Click = [this](int prev) { tabStat_Click(prev); };

    form.panels.tabStat = tab;
    form.panels.txtSegm0 = panel_.txtSegm[0];
    RestoreConfigCtrls();
    RestoreDCLCtrls();
}

void RigidStatics::BuildConfigPage(QWidget* page) {
    Panel& p = panel_;
    p.lblSegm[0] = Lbl(plat::ArrayName(QStringLiteral("lblSegm"), 0), page, QStringLiteral("Vector(es):"), 4, 4, 60);
    p.lblSegm[1] = Lbl(plat::ArrayName(QStringLiteral("lblSegm"), 1), page, QString(), 62, 4, 90);
    p.lblSegm[2] = Lbl(plat::ArrayName(QStringLiteral("lblSegm"), 2), page, QString(), 156, 4, 200);
    p.txtSegm[0] = Box(plat::ArrayName(QStringLiteral("txtSegm"), 0), page, 4, 20, 54);
    p.txtSegm[0]->setToolTip(QStringLiteral("Cadena \"abcd...\" de longitud mayor o igual que 2"));
    p.txtSegm[1] = Box(plat::ArrayName(QStringLiteral("txtSegm"), 1), page, 62, 20, 90);
    p.txtSegm[1]->setToolTip(QStringLiteral("Formato vectorial para el vector separación"));
    static const char* const kTips[] = {"Magnitud del 2o. vector separación", "Magnitud del 3er. vector separación",
                                        "Magnitud del 4o. vector separación", "Magnitud del 5o. vector separación",
                                        "Magnitud del 6o. vector separación"};
    for (int k = 2; k <= 6; ++k) {
        p.txtSegm[k] = Box(plat::ArrayName(QStringLiteral("txtSegm"), k), page, 156 + 36 * (k - 2), 20, 34);
        p.txtSegm[k]->setToolTip(QString::fromUtf8(kTips[k - 2]));
    }
    p.linSegm[0] = Line(plat::ArrayName(QStringLiteral("linSegm"), 0), page, 4, 45, 152, 45);
    p.linSegm[1] = Line(plat::ArrayName(QStringLiteral("linSegm"), 1), page, 4, 45, 336, 45);
    p.linSegm[2] = Line(plat::ArrayName(QStringLiteral("linSegm"), 2), page, 154, 17, 154, 43);
    p.cmdOK = Btn(QStringLiteral("cmdOK"), page, QString(QChar(0xBF)), 342, 19, 38);
    p.cmdOK->SetFace(QStringLiteral("Symbol"), 12);
    p.cmdOK->setToolTip(QStringLiteral("Registrar los vectores separación"));
    // Enter in the entry row hands the focus to the accept button; a second
    // Enter there accepts.
    p.lblRepeat = Lbl(QStringLiteral("lblRepeat"), page, QStringLiteral("Serie en:"), 4, 53, 48);
    p.txtRepeat = Box(QStringLiteral("txtRepeat"), page, 54, 50, 26);
    Lbl(QStringLiteral("lblOrigin"), page, QStringLiteral("Origen en:"), 118, 53, 56);
    p.txtOrigin = Box(QStringLiteral("txtOrigin"), page, 174, 50, 26);
    p.cmdUpdate = Btn(QStringLiteral("cmdUpdate"), page, QStringLiteral("Actualizar"), 204, 49, 68);
    p.cmdUpdate->setToolTip(QStringLiteral("Recalcular coordenadas"));
    p.cmdConfig[0] = Btn(plat::ArrayName(QStringLiteral("cmdConfig"), 0), page, QStringLiteral("O"), 276, 49, 30);
    p.cmdConfig[0]->SetFace(QStringLiteral("Wingdings 3"), 10);
    p.cmdConfig[0]->setToolTip(QStringLiteral("Anular el último registro"));
    p.cmdConfig[1] = Btn(plat::ArrayName(QStringLiteral("cmdConfig"), 1), page, QStringLiteral("B*"), 308, 49, 30);
    p.cmdConfig[1]->setToolTip(QStringLiteral("Borrar la configuración"));
    p.cmdHelpEstcr[0] = Btn(plat::ArrayName(QStringLiteral("cmdHelpEstcr"), 0), page, QStringLiteral("?"), 352, 49, 22);
    p.cboSeps = new plat::ComboBox(QStringLiteral("cboSeps"), page);
    p.cboSeps->setGeometry(4, 78, 376, 22);
    Lbl(QStringLiteral("lblSeps"), page, QStringLiteral("Lista de vectores separación:"), 4, 104, 186);
    Lbl(QStringLiteral("lblCoords"), page, QStringLiteral("Lista de coordenadas:"), 196, 104, 184);
    p.lstSeps = new plat::ListBox(QStringLiteral("lstSeps"), page);
    p.lstSeps->setGeometry(4, 120, 186, 96);
    p.lstCoords = new plat::ListBox(QStringLiteral("lstCoords"), page);
    p.lstCoords->setGeometry(196, 120, 184, 96);

    // Systems and lines.
    Lbl(QStringLiteral("lblSysts"), page, QStringLiteral("Puntos:"), 4, 224, 50);
    p.lstSysts = new plat::ListBox(QStringLiteral("lstSysts"), page);
    p.lstSysts->SetMultiSelect(true);
    p.lstSysts->setGeometry(4, 240, 44, 150);
    p.lstSysts->setEnabled(false);
    Lbl(QStringLiteral("lblJoinBody"), page, QStringLiteral("Sistema:"), 56, 224, 50);
    p.txtJoinBody = Box(QStringLiteral("txtJoinBody"), page, 56, 240, 26);
    p.spnColor = new plat::UpDown(QStringLiteral("spnColor"), page);
    p.spnColor->setGeometry(84, 240, 18, 21);
    p.spnColor->SetRange(1, 5);
    p.spnColor->SetBuddy(p.txtJoinBody);
    p.spnColor->SetValue(1);
    p.txtJoinBody->SetText(QStringLiteral("1"));
    p.txtJoinBody->SetBackColor(kSystemColors[1]);
    for (int i = 0; i < 5; ++i) {
        p.lblPoints[i] =
            Lbl(plat::ArrayName(QStringLiteral("lblPoints"), i), page, QString(), 110, 240 + 20 * i, 236, 18);
        p.lblPoints[i]->SetForeColor(kSystemColors[static_cast<size_t>(i + 1)]);
    }
    p.cmdHelpEstcr[1] =
        Btn(plat::ArrayName(QStringLiteral("cmdHelpEstcr"), 1), page, QStringLiteral("?"), 352, 240, 22);
    Lbl(QStringLiteral("lblLines"), page, QStringLiteral("Líneas:"), 56, 346, 50);
    p.txtPoints = Box(QStringLiteral("txtPoints"), page, 56, 362, 120);
    p.txtPoints->setToolTip(QStringLiteral("Ejemplo: 2cde... (Cancelar: 2cd-)"));
    p.lblSystPts = Lbl(QStringLiteral("lblSystPts"), page, QString(), 182, 365, 190);

    for (int k = 0; k <= 6; ++k) {
        plat::TextBox* t = p.txtSegm[k];
        SelectAllOnFocus(t);
        t->keys.KeyPress = [this, k](int& key) { txtSegm_KeyPress(k, key); };
        t->keys.KeyDown = [this, k](int& key, int shift) { txtSegm_KeyDown(k, key, shift); };
    }
    SelectAllOnFocus(p.txtRepeat);
    p.txtRepeat->keys.KeyPress = [this](int& key) { txtRepeat_KeyPress(key); };
    p.txtRepeat->focus.LostFocus = [this] { txtRepeat_LostFocus(); };
    SelectAllOnFocus(p.txtOrigin);
    p.txtOrigin->Change = [this] { txtOrigin_Change(); };
    p.txtOrigin->keys.KeyPress = [this](int& key) { txtOrigin_KeyPress(key); };
    p.cmdOK->Click = [this] { cmdOK_Click(); };
    p.cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    for (int i = 0; i < 2; ++i) p.cmdConfig[i]->Click = [this, i] { cmdConfig_Click(i); };
    p.txtJoinBody->Change = [this] { txtJoinBody_Change(); };
    p.lstSysts->Click = [this] { lstSysts_Click(); };
    p.spnColor->Change = [this] { spnColor_Change(); };
    p.txtPoints->keys.KeyDown = [this](int& key, int shift) { txtPoints_KeyDown(key, shift); };
    p.txtPoints->keys.KeyPress = [this](int& key) { txtPoints_KeyPress(key); };
}

void RigidStatics::BuildDCLPage(QWidget* page) {
    Panel& p = panel_;
    for (int i = 0; i < 5; ++i) {
        auto* o = new plat::OptionButton(plat::ArrayName(QStringLiteral("optDCL"), i), page);
        o->SetCaption(QString::number(i + 1));
        o->setGeometry(4 + 30 * i, 20, 30, 20);
        o->Click = [this, i] { optDCL_Click(i); };
        p.optDCL[i] = o;
    }
    p.optDCL[0]->hide();
    p.lblCpoNodos = Lbl(QStringLiteral("lblCpoNodos"), page, QStringLiteral("Cuerpo     Punto(s)"), 160, 4, 130);
    p.lblBody = Lbl(QStringLiteral("lblBody"), page, QString(), 160, 20, 30, 20);
    p.lblBody->setAlignment(Qt::AlignCenter);
    p.lblDCLPts = Lbl(QStringLiteral("lblDCLPts"), page, QString(), 196, 22, 96);
    p.cmdAddForce = Btn(QStringLiteral("cmdAddForce"), page, QStringLiteral(">"), 296, 19, 20);
    p.cmdAddForce->setToolTip(QStringLiteral("Añadir fuerzas existentes en el sistema global al cuerpo presente"));
    p.cmdDCL[0] = Btn(plat::ArrayName(QStringLiteral("cmdDCL"), 0), page, QStringLiteral("O"), 318, 19, 20);
    p.cmdDCL[0]->SetFace(QStringLiteral("Wingdings 3"), 10);
    p.cmdDCL[0]->setToolTip(QStringLiteral("Borrar la última fuerza"));
    p.cmdDCL[1] = Btn(plat::ArrayName(QStringLiteral("cmdDCL"), 1), page, QStringLiteral("B1"), 340, 19, 22);
    p.cmdDCL[1]->setToolTip(QStringLiteral("Borrar la fuerza del renglón seleccionado"));
    p.cmdDCL[2] = Btn(plat::ArrayName(QStringLiteral("cmdDCL"), 2), page, QStringLiteral("B*"), 364, 19, 22);
    p.cmdDCL[2]->setToolTip(QStringLiteral("Borrar todas las fuerzas"));
    p.cmdHelpEstcr[2] = Btn(plat::ArrayName(QStringLiteral("cmdHelpEstcr"), 2), page, QStringLiteral("?"), 364, 48, 22);

    Lbl(QStringLiteral("lblPtos"), page, QStringLiteral("Punto(s)"), 4, 52, 50);
    p.txtBody[1] = Box(plat::ArrayName(QStringLiteral("txtBody"), 1), page, 4, 68, 52);
    p.txtBody[2] = Box(plat::ArrayName(QStringLiteral("txtBody"), 2), page, 60, 68, 104);
    for (int k = 3; k <= 7; ++k)
        p.txtBody[k] = Box(plat::ArrayName(QStringLiteral("txtBody"), k), page, 168 + 38 * (k - 3), 68, 36);
    p.lblForceAt[0] = Lbl(plat::ArrayName(QStringLiteral("lblForceAt"), 0), page, kForceAtCaption, 60, 52, 108);
    p.lblForceAt[0]->setToolTip(QStringLiteral("Ejemplos: 30,-40    o    30,-40/250     ó      250   "));
    for (int j = 1; j <= 5; ++j)
        p.lblForceAt[j] =
            Lbl(plat::ArrayName(QStringLiteral("lblForceAt"), j), page, QString(), 168 + 38 * (j - 1), 52, 36);
    p.lblMagnitudes = Lbl(QStringLiteral("lblMagnitudes"), page, QStringLiteral("(Componentes:)"), 168, 92, 120);
    p.LinBody[0] = Line(plat::ArrayName(QStringLiteral("LinBody"), 0), page, 4, 93, 164, 93);
    p.LinBody[1] = Line(plat::ArrayName(QStringLiteral("LinBody"), 1), page, 4, 93, 164, 93);
    p.LinBody[2] = Line(plat::ArrayName(QStringLiteral("LinBody"), 2), page, 290, 100, 358, 100);
    p.cmdOK1 = Btn(QStringLiteral("cmdOK1"), page, QString(QChar(0xBF)), 358, 67, 28);
    p.cmdOK1->SetFace(QStringLiteral("Symbol"), 12);
    p.gd1 = new plat::FlexGrid(QStringLiteral("gd1"), page);
    p.gd1->setGeometry(4, 112, 377, 330);
    p.gd1->SetRows(1);

    for (int k = 1; k <= 7; ++k) {
        plat::TextBox* t = p.txtBody[k];
        SelectAllOnFocus(t);
        t->keys.KeyPress = [this, k](int& key) { txtBody_KeyPress(k, key); };
        t->keys.KeyDown = [this, k](int& key, int shift) { txtBody_KeyDown(k, key, shift); };
    }
    p.cmdOK1->Click = [this] { cmdOK1_Click(); };
    p.cmdAddForce->Click = [this] { cmdAddForce_Click(); };
    for (int i = 0; i < 3; ++i) p.cmdDCL[i]->Click = [this, i] { cmdDCL_Click(i); };
}

void RigidStatics::BuildSolvePage(QWidget* page, shell::Form1& form) {
    Panel& p = panel_;
    p.lblSolve = Lbl(QStringLiteral("lblSolve"), page, QStringLiteral("Resolver para los cuerpos:"), 4, 2, 108, 30);
    p.lblSolve->setWordWrap(true);
    p.lstDCL = new plat::ListBox(QStringLiteral("lstDCL"), page);
    p.lstDCL->SetMultiSelect(true);
    p.lstDCL->setGeometry(4, 34, 36, 78);
    for (int i = 1; i <= 5; ++i) p.lstDCL->AddItem(QString::number(i));
    p.cmdClearLstDCL = Btn(QStringLiteral("cmdClearLstDCL"), page, QStringLiteral("Despejar"), 44, 34, 64);
    p.cmdClearLstDCL->setToolTip(QStringLiteral("Despejar la lista de cuerpos"));
    p.linDCL = Line(QStringLiteral("linDCL"), page, 114, 4, 114, 112);
    for (QWidget* w : std::initializer_list<QWidget*>{p.lblSolve, p.lstDCL, p.cmdClearLstDCL, p.linDCL}) w->hide();
    Lbl(QStringLiteral("lblRefPt"), page, QStringLiteral("Puntos de referencia:"), 120, 4, 140);
    for (int i = 0; i < 5; ++i) {
        auto* t = Box(plat::ArrayName(QStringLiteral("txtRefPt"), i), page, 120 + 34 * i, 20, 26);
        t->setToolTip(QStringLiteral("Escribe aquí el punto deseado y oprime INTRO"));
        SelectAllOnFocus(t);
        t->keys.KeyPress = [this, i](int& key) { txtRefPt_KeyPress(i, key); };
        t->focus.LostFocus = [this, i] { txtRefPt_LostFocus(i); };
        p.txtRefPt[i] = t;
        auto* o = new plat::OptionButton(plat::ArrayName(QStringLiteral("optShowDCL"), i), page);
        o->SetCaption(QString::number(i + 1));
        o->setGeometry(120 + 34 * i, 42, 34, 18);
        o->Click = [this, i] { optShowDCL_Click(i); };
        p.optShowDCL[i] = o;
    }
    Lbl(QStringLiteral("lblSupress"), page, QStringLiteral("Suprimir la(s) ecuación(es):"), 120, 64, 160);
    p.txtSuprEqn = Box(QStringLiteral("txtSuprEqn"), page, 120, 80, 104);
    p.txtSuprEqn->setToolTip(
        QStringLiteral("Ejemplos: \"1x\", \"2y, 3m\",  etc. (para suprimir ecuaciones redundantes)"));
    p.cmdShowIncsEqns =
        Btn(QStringLiteral("cmdShowIncsEqns"), page, QStringLiteral("? Incógnitas y ecuaciones"), 228, 79, 156);
    p.cmdHelpEstcr[3] = Btn(plat::ArrayName(QStringLiteral("cmdHelpEstcr"), 3), page, QStringLiteral("?"), 362, 4, 22);
    static const char* const kVMb[] = {"Resolver equilibrio", "Restaurar fuerzas", "Nuevo problema",
                                       "Actualizar fuerzas"};
    for (int i = 0; i < 4; ++i) {
        p.cmdVMb[i] = Btn(plat::ArrayName(QStringLiteral("cmdVMb"), i), page, QString::fromUtf8(kVMb[i]), 2 + 96 * i,
                          118, 94, 24);
        p.cmdVMb[i]->Click = [this, i] { cmdVMb_Click(i); };
    }
    p.cmdVMb[1]->setEnabled(false);
    p.cmdVMb[3]->setEnabled(false);
    p.cmdClearLstDCL->Click = [this] { cmdClearLstDCL_Click(); };
    p.cmdShowIncsEqns->Click = [this] { cmdShowIncsEqns_Click(); };
    p.cmdHelpEstcr[0]->setToolTip(QStringLiteral("Muestra un ejemplo en la pestaña \"Ayuda\""));
    p.cmdHelpEstcr[1]->setToolTip(QStringLiteral("Muestra un ejemplo en la pestaña \"Ayuda\""));
    p.cmdHelpEstcr[2]->setToolTip(QStringLiteral("Muestra un ejemplo"));
    p.cmdHelpEstcr[3]->setToolTip(QStringLiteral("Muestra un ejemplo"));

    form.rtbSolve->setParent(page);
    form.rtbSolve->setGeometry(2, 146, 381, 300);
    form.rtbSolve->show();
}

void RigidStatics::ArrangeGd1() {
    plat::FlexGrid& g = *panel_.gd1;
    g.SetFormatString(QStringLiteral("^#|^Cpo.|^Pto.|^Fuerza[:][/Par]|^Fx|^Fy|^Mom."));
    // "Cpo." and "Pto." whole, with room to spare; Fx and Fy give it up.
    const int widths[] = {310, 480, 480, 1425, 1000, 1000, 600};
    for (int c = 0; c < 7; ++c) g.SetColWidth(c, widths[c]);
}

bool RigidStatics::HasProblem() const { return st_.SepVectorCount() > 0 || st_.ForceCount() > 0; }

void RigidStatics::RestoreDCLCtrls() {
    Panel& p = panel_;
    p.LinBody[0]->show();
    p.LinBody[1]->hide();
    p.LinBody[2]->hide();
    p.lblMagnitudes->hide();
    p.lblForceAt[0]->SetCaption(kForceAtCaption);
    p.txtBody[1]->SetText(QString());
    p.txtBody[2]->SetText(QString());
    for (int k = 3; k <= 7; ++k) {
        p.txtBody[k]->hide();
        p.txtBody[k]->SetText(QString());
        p.lblForceAt[k - 2]->SetCaption(QString());
    }
}

std::unique_ptr<shell::RigidStaticsServices> MakeRigidStatics() { return std::make_unique<RigidStatics>(); }

}  // namespace rigid
