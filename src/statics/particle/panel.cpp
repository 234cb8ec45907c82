#include "statics/particle/panel.h"

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "shell/form1.h"

namespace particle {

void ParticleStatics::BuildPanels(shell::Form1& form) {
    panel_.fraEstp = new plat::Frame(QStringLiteral("fraEstp"), &form);
    panel_.fraEstp->setGeometry(408, 168, 391, 345);
    panel_.gdEqui = new plat::FlexGrid(QStringLiteral("gdEqui"), panel_.fraEstp);
    panel_.gdEqui->setGeometry(6, 40, 379, 240);
    const char* captions[] = {"?-1", "?-2"};
    const char* tips[] = {"Ejemplo 1", "Ejemplo 2"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdExampleEstp"), i),
                                          panel_.fraEstp);
        b->SetCaption(QString::fromLatin1(captions[i]));
        b->setToolTip(QString::fromLatin1(tips[i]));
        b->setGeometry(6 + 40 * i, 12, 36, 22);
        panel_.cmdExampleEstp[i] = b;
    }
    form.panels.fraEstp = panel_.fraEstp;
}

void ParticleStatics::ArrangeGdEqui() {
    plat::FlexGrid& g = *panel_.gdEqui;
    g.SetFormatString(QStringLiteral("|^Fuerza|^Fx|^Fy"));
    g.SetTextMatrix(0, 0, QStringLiteral("  #"));
    const int widths[] = {330, 1655, 1450, 1450};
    for (int c = 0; c < 4; ++c) g.SetColWidth(c, widths[c]);
}

std::unique_ptr<shell::ParticleStaticsServices> MakeParticleStatics() {
    return std::make_unique<ParticleStatics>();
}

}  // namespace particle
