// The procedure bar's click: a group (or, in plane kinematics, a law) on the
// upper row, a procedure of the chosen group on the lower row.
#include "calculator/procbar.h"

#include <algorithm>

#include "calculator/arghelp.h"
#include "calculator/grid.h"
#include "calculator/panel.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/frames.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "shell/defaults.h"
#include "shell/form1.h"

namespace calc {

namespace {

constexpr rt::ColorRef kBarBack = 0xE0E0E0;
constexpr int kHighlightTop1 = 1;
constexpr int kHighlightTop2 = 31;

int HighlightLeft(int cell) { return (cell - 1) * static_cast<int>(kBarCellWidth) + 1; }

}  // namespace

void Calculator::picBar_MouseDown(int, int, double x, double y) {
    rt::IgnoreError("a click off the bar's cells chooses nothing", [&] {
        const int n = BarCellNumber(x, y);
        if (n >= 1 && n <= 12)
            ChooseBarGroup(n);
        else
            ChooseBarProcedure(n - 12);
    });
}

void Calculator::ChooseBarGroup(int n) {
    rt::IgnoreError("a click on the procedure bar that fails chooses nothing; the bar stays as it was", [&] {
        if (shell::Shared().WorkspaceMode == shell::kKinematicsWorkspace)
            BarUpperKinematics(n);
        else
            BarUpperCalculator(n);
    });
}

void Calculator::ChooseBarProcedure(int m) {
    rt::IgnoreError("a click on the procedure bar that fails chooses nothing; the bar stays as it was",
                    [&] { BarLower(m); });
}

void Calculator::BarUpperCalculator(int n, int cell) {
    if (n > kBarGroups) return;
    shell::SharedState& g = shell::Shared();
    plat::Picture& bar = *panel_.picBar;
    const BarGroupInfo& group = BarGroup(n);
    g.ProcedureGroup = n;
    groupProcCount_ = group.count;

    const double w = groupProcCount_ * kBarCellWidth;
    bar.FilledBox(249, 63, 649, 1, rt::kButtonFace);  // right of the group cells, both rows
    bar.FilledBox(0, 32, 400, -1, kBarBack);          // the lower row
    bar.Line(249, 33, 649, 33, rt::kButtonFace);
    bar.FilledBox(w + 1, 32, w + 401, -1, rt::kButtonFace);  // right of the group's procedures
    bar.FilledBox(0, 2, 400, 0, rt::kButtonFace);
    bar.BlockCopy(0, 30, static_cast<int>(w) + 1, 31, *panel_.picRuts, (group.sheetCol - 1) * 31,
                  (group.sheetRow - 1) * 30, plat::RasterOp::And);

    rt::IgnoreError("the group is shown even when its procedure cannot be armed", [&] { BarLower(cell); });
    panel_.shpBar1->move(HighlightLeft(n), kHighlightTop1);
    bar.Refresh();
}

void Calculator::ClearKinematicsInputs() {
    auto clear = [this](const QString& base, int count) {
        for (int i = 0; i < count; ++i) {
            QWidget* w = form_->findChild<QWidget*>(plat::ArrayName(base, i));
            if (auto* t = qobject_cast<plat::TextBox*>(w))
                t->SetText(QString());
            else if (auto* r = qobject_cast<plat::RichPane*>(w))
                r->SetText(QString());
            else if (auto* c = qobject_cast<plat::CheckBox*>(w))
                c->SetValue(0);
        }
    };
    clear(QStringLiteral("txtT0"), 4);
    clear(QStringLiteral("txtKinem"), 2);
    clear(QStringLiteral("chkGraph"), 4);
    clear(QStringLiteral("txtKinemt1"), 2);
}

void Calculator::DrawLawBar(int law) {
    plat::Picture& bar = *panel_.picBar;
    bar.FilledBox(94, 63, 494, 1, rt::kButtonFace);
    bar.FilledBox(0, 32, 400, -1, kBarBack);
    bar.Line(94, 33, 494, 33, rt::kButtonFace);
    const int n = law - kFirstLaw + 1;
    if (n >= 1 && n <= kLawCount) panel_.shpBar1->move(HighlightLeft(n), kHighlightTop1);
    bar.Refresh();
}

void Calculator::BarUpperKinematics(int n) {
    if (n > kLawCount) return;  // cells 4 and 5 hold no law
    shell::SharedState& g = shell::Shared();
    g.KinemLaw = kFirstLaw - 1 + n;

    ClearKinematicsInputs();
    if (AdaptKinemCtrls)
        AdaptKinemCtrls(g.KinemLaw);  // a test's stand-in
    else
        form_->Services().kinematics->AdaptKinemCtrls(g.KinemLaw);
    QWidget* law = form_->findChild<QWidget*>(plat::ArrayName(QStringLiteral("txtKinem"), 0));
    if (law) plat::FocusControl(law);
    DrawLawBar(g.KinemLaw);
}

bool Calculator::HasProblem() const { return grid_ && grid_->HoldsArguments(); }

void Calculator::RestoreBar() {
    const shell::SharedState& g = shell::Shared();
    if (g.WorkspaceMode == shell::kKinematicsWorkspace) {
        // The law and what was typed for it stay as they were.
        DrawLawBar(g.KinemLaw);
        return;
    }
    const int group = g.ProcedureGroup;
    if (group < 1 || group > kBarGroups) {
        BarUpperCalculator(1);
        return;
    }
    const BarGroupInfo& info = BarGroup(group);
    const auto end = info.codes.begin() + info.count;
    const auto at = std::find(info.codes.begin(), end, g.ProcedureCode);
    BarUpperCalculator(group, at == end ? 1 : static_cast<int>(at - info.codes.begin()) + 1);
}

void Calculator::BarLower(int m) {
    if (groupProcCount_ == 0 || m < 1 || m > groupProcCount_) return;
    shell::SharedState& g = shell::Shared();
    // The law bar's lower row holds nothing: it changes no procedure.
    const bool calculator = g.WorkspaceMode != shell::kKinematicsWorkspace;
    int piece = 0;
    if (calculator && g.ProcedureGroup >= 1 && g.ProcedureGroup <= kBarGroups) {
        g.ProcedureCode = BarGroup(g.ProcedureGroup).codes[static_cast<size_t>(m - 1)];
        piece = HelpPieceOf(g.ProcedureCode);
        // These take their function from the expression box.
        if ((g.ProcedureGroup == 2 && g.ProcedureCode == 9) || g.ProcedureGroup == 4 || g.ProcedureGroup == 5)
            form_->rtbExpr->SetFocus();
    }
    // The vector procedures take their arguments in the notation that the
    // direction frame builds.
    form_->fraDirec->setVisible(calculator &&
                                (g.ProcedureGroup == 7 || (g.ProcedureGroup == 8 && g.ProcedureCode == 36)));
    panel_.shpBar2->move(HighlightLeft(m), kHighlightTop2);
    ShowArgs(g.ProcedureCode);
    if (piece != 0) ShowArgHelp(piece);
    panel_.picBar->Refresh();
}

}  // namespace calc
