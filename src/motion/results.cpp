// The results frame of the rectilinear substitutions and the switch between
// the equations picture pic and the graph picture pic1.
#include <QFont>

#include "motion/panel.h"
#include "motion/positions.h"
#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "text/globals.h"

namespace motion {

namespace {

constexpr rt::ColorRef kBody2Results = 0x800080;

QString Rounded(const rt::Variant& v) {
    return QString::fromStdString(rt::RoundedText(v.ToNumber(), text::G().Decimals));
}

void UnderlineCaption(plat::CommandButton* b, bool on) {
    QFont f = b->font();
    f.setUnderline(on);
    b->setFont(f);
}

}  // namespace

void Motion::ShowMruaResults(int body, int segment, int s) {
    MotionState& m = State();
    Panel& p = panel_;
    p.fraRes->show();
    p.fraRes->raise();
    p.lblRes[0]->SetCaption(QString::fromStdString(m.ResultCaptions[1].ToText()));
    p.lblRes[1]->SetCaption(QString::fromStdString(m.ResultCaptions[2].ToText()));
    rt::ExpectIndex(s, 1, 2, "solution shown");
    for (int k = 0; k < 2; ++k) {
        p.lblRes[2 + k]->SetCaption(Rounded(m.ResultTimes[2 * s - 1 + k]));
        p.lblRes[4 + k]->SetCaption(Rounded(m.ResultPositions[2 * s - 1 + k]));
        p.lblRes[6 + k]->SetCaption(Rounded(m.ResultVelocities[2 * s - 1 + k]));
    }
    rt::ColorRef c = kBody2Results;
    if (body == 1) {
        rt::ExpectIndex(segment, 0, 3, "segment of the results");
        c = shell::Shared().ResultColors[segment];
    }
    p.lblRes[0]->SetBackColor(c);
    p.lblRes[1]->SetBackColor(c);
    UnderlineCaption(p.cmdPass[0], s == 1);
    UnderlineCaption(p.cmdPass[1], s == 2);
    m.ShownSolution = s;
}

void Motion::EnableSecondSolution(bool enabled) { panel_.cmdPass[1]->setEnabled(enabled); }

void Motion::cmdPass_Click(int index) {
    try {
        const rt::ColorRef c = panel_.lblRes[0]->BackColor();
        int body = 0, segment = 0;
        for (int i = 1; i <= 3 && !body; ++i)
            if (c == shell::Shared().ResultColors[i]) body = 1, segment = i;
        if (!body && c == kBody2Results) body = 2, segment = 1;
        if (index == 0 || index == 1) {
            ShowMruaResults(body, segment, index + 1);
            return;
        }
        const MotionState& m = State();
        const int s = m.ShownSolution;
        auto point = [&](int k) { return rt::CInt(rt::TextToNumber(panel_.lblRes[k]->Caption().toStdString())); };
        const int c1 = TableColOfPoint(body, point(0)), c2 = TableColOfPoint(body, point(1));
        // The captions hold the points a procedure found.
        rt::ExpectIndex(c1, 1, kMaxPoints, "column of a result point");
        rt::ExpectIndex(c2, 1, kMaxPoints, "column of a result point");
        plat::FlexGrid& g = *panel_.Gd2;
        for (int k = 1; k <= 3; ++k) {
            g.SetTextMatrix(k - 1, c1, panel_.lblRes[2 * k]->Caption());
            g.SetTextMatrix(k - 1, c2, panel_.lblRes[2 * k + 1]->Caption());
        }
        const std::array<const Array1<rt::Variant, 4>*, 3> rows = {&m.ResultTimes, &m.ResultPositions,
                                                                   &m.ResultVelocities};
        for (int q = 0; q < 3; ++q) {
            MotionPoint(q, c1) = (*rows[q])[2 * s - 1];
            MotionPoint(q, c2) = (*rows[q])[2 * s];
        }
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error en el comando.")); }
}

void Motion::cmdCloseFrares_Click() { panel_.fraRes->hide(); }

void Motion::ShowPic1(bool show) {
    form_->pic1->setVisible(show);
    form_->pic->setVisible(!show);
    panel_.cmdSeeEqns->SetCaption(show ? QStringLiteral("Ver Ecuacs.") : QStringLiteral("Ver Gráfico"));
}

void Motion::cmdSeeEqns_Click() { ShowPic1(panel_.cmdSeeEqns->Caption() == QStringLiteral("Ver Gráfico")); }

void Motion::cmdEraseEqns_Click() {
    try {
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        if (mode == shell::kRectilinearWorkspace) {
            if (plat::MsgBox(QStringLiteral("Confirmar borrado de ecuaciones."), plat::MsgButtons::OKCancel, QString(),
                             plat::MsgResult::Cancel) != plat::MsgResult::OK)
                return;
            for (int k = 1; k <= 8; ++k) rect_->ClearMruaEqnLine(k);
            rect_->EraseEqnFlags();
        } else if (mode == shell::kProjectileWorkspace) {
            for (int k = 1; k <= 10; ++k) parab_->ClearParabEqnLine(k);
            parab_->EraseEqnFlags();
        }
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error en el comando.")); }
}

}  // namespace motion
