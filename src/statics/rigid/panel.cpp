#include "statics/rigid/panel.h"

#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/labels.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "shell/form1.h"

namespace rigid {

namespace {
const QString kForceAtCaption = QStringLiteral("Fuerza[:][/Par]");
}

void RigidStatics::BuildPanels(shell::Form1& form) {
    auto* tab = new plat::TabStrip(QStringLiteral("tabStat"), &form);
    tab->setGeometry(408, 38, 391, 475);
    panel_.tabStat = tab;
    QWidget* config = tab->AddPage(QStringLiteral("Configuración"));
    QWidget* dcl = tab->AddPage(QStringLiteral("Diagramas de cuerpo libre"));
    QWidget* solve = tab->AddPage(QStringLiteral("Resolver"));

    const int segWidths[] = {40, 150, 30, 30, 30, 30, 40};
    int x = 4;
    for (int i = 0; i < 7; ++i) {
        auto* t = new plat::TextBox(plat::ArrayName(QStringLiteral("txtSegm"), i), config);
        t->setGeometry(x, 10, segWidths[i], 22);
        x += segWidths[i] + 3;
        panel_.txtSegm[i] = t;
    }

    for (int i = 1; i <= 7; ++i) {
        auto* t = new plat::TextBox(plat::ArrayName(QStringLiteral("txtBody"), i), dcl);
        t->setGeometry(i == 1 ? 4 : 60 + 53 * (i - 2), 28, i == 1 ? 52 : 50, 22);
        panel_.txtBody[i] = t;
    }
    for (int i = 0; i < 6; ++i) {
        auto* l = new plat::Label(plat::ArrayName(QStringLiteral("lblForceAt"), i), dcl);
        l->SetCaption(kForceAtCaption);
        l->setGeometry(60 + 53 * i, 8, 52, 18);
        panel_.lblForceAt[i] = l;
    }
    panel_.gd1 = new plat::FlexGrid(QStringLiteral("gd1"), dcl);
    panel_.gd1->setGeometry(4, 56, 377, 200);

    form.rtbSolve->setParent(solve);
    form.rtbSolve->setGeometry(2, 2, 381, 300);
    form.rtbSolve->show();

    form.panels.tabStat = tab;
    form.panels.txtSegm0 = panel_.txtSegm[0];
}

void RigidStatics::ArrangeGd1() {
    plat::FlexGrid& g = *panel_.gd1;
    g.SetFormatString(QStringLiteral("^#|^Cpo.|^Pto.|^Fuerza[:][/Par]|^Fx|^Fy|^Mom."));
    const int widths[] = {310, 410, 410, 1425, 1070, 1070, 600};
    for (int c = 0; c < 7; ++c) g.SetColWidth(c, widths[c]);
}

void RigidStatics::RestoreDCLCtrls() {
    for (int i = 1; i <= 7; ++i) panel_.txtBody[i]->SetText(QString());
    for (plat::Label* l : panel_.lblForceAt) l->SetCaption(kForceAtCaption);
}

std::unique_ptr<shell::RigidStaticsServices> MakeRigidStatics() {
    return std::make_unique<RigidStatics>();
}

}  // namespace rigid
