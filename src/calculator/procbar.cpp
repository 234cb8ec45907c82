// The procedure bar's click: a group (or, in plane kinematics, a law) on the
// upper row, a procedure of the chosen group on the lower row.
#include "calculator/procbar.h"

#include <algorithm>

#include "calculator/arghelp.h"
#include "calculator/grid.h"
#include "calculator/panel.h"
#include "platform/frames.h"
#include "platform/picture.h"
#include "platform/richpane.h"
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

// A choice on the bar is all or nothing: the steps that may fail (another
// workspace taking its law, reading the argument help) come first, and the
// choice is written and drawn only after them, so a failed click leaves the
// group, the procedure, the law and the bar as they were.
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
    const BarGroupInfo& group = BarGroup(n);
    const ArmedProcedure armed = ArmProcedure(n, cell);  // may fail: nothing is changed yet

    plat::Picture& bar = *panel_.picBar;
    const double w = group.count * kBarCellWidth;
    bar.FilledBox(249, 63, 649, 1, rt::kButtonFace);  // right of the group cells, both rows
    bar.FilledBox(0, 32, 400, -1, kBarBack);          // the lower row
    bar.Line(249, 33, 649, 33, rt::kButtonFace);
    bar.FilledBox(w + 1, 32, w + 401, -1, rt::kButtonFace);  // right of the group's procedures
    bar.FilledBox(0, 2, 400, 0, rt::kButtonFace);
    bar.BlockCopy(0, 30, static_cast<int>(w) + 1, 31, *panel_.picRuts, (group.sheetCol - 1) * 31,
                  (group.sheetRow - 1) * 30, plat::RasterOp::And);

    shell::Shared().ProcedureGroup = static_cast<shell::ProcedureGroupId>(n);  // 1..kBarGroups
    groupProcCount_ = group.count;
    ShowProcedure(armed, cell);
    panel_.shpBar1->move(HighlightLeft(n), kHighlightTop1);
    bar.Refresh();
}

void Calculator::DrawLawBar(int law) {
    plat::Picture& bar = *panel_.picBar;
    bar.FilledBox(94, 63, 494, 1, rt::kButtonFace);
    bar.FilledBox(0, 32, 400, -1, kBarBack);
    bar.Line(94, 33, 494, 33, rt::kButtonFace);
    const int n = law - shell::kLawX + 1;
    if (n >= 1 && n <= kLawCount) panel_.shpBar1->move(HighlightLeft(n), kHighlightTop1);
    bar.Refresh();
}

void Calculator::BarUpperKinematics(int n) {
    if (n > kLawCount) return;  // cells 4 and 5 hold no law
    const auto law = static_cast<shell::KinemLawId>(shell::kLawX - 1 + n);
    // The kinematics workspace stores its law and adapts its controls; the
    // bar shows the law once it is taken.
    form_->Services().kinematics->ChooseLaw(law);
    DrawLawBar(law);
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

Calculator::ArmedProcedure Calculator::ArmProcedure(int group, int m) const {
    const shell::SharedState& g = shell::Shared();
    ArmedProcedure a;
    a.code = g.ProcedureCode;
    // The law bar's lower row holds nothing: it changes no procedure.
    a.calculator = g.WorkspaceMode != shell::kKinematicsWorkspace;
    if (a.calculator && group >= 1 && group <= kBarGroups) {
        a.code = BarGroup(group).codes[static_cast<size_t>(m - 1)];
        a.piece = HelpPieceOf(a.code);
        if (a.piece != 0 && ArgHelpTexts) a.help = ArgHelpTexts();
    }
    return a;
}

void Calculator::ShowProcedure(const ArmedProcedure& armed, int m) {
    shell::SharedState& g = shell::Shared();
    g.ProcedureCode = armed.code;
    // These take their function from the expression box.
    if (armed.calculator && ((g.ProcedureGroup == shell::kEquationGroup && g.ProcedureCode == 9) ||
                             g.ProcedureGroup == shell::kFunctionGroup || g.ProcedureGroup == shell::kGraphGroup))
        form_->rtbExpr->SetFocus();
    // The vector procedures take their arguments in the notation that the
    // direction frame builds.
    form_->fraDirec->setVisible(armed.calculator &&
                                (g.ProcedureGroup == shell::kVectorGroup ||
                                 (g.ProcedureGroup == shell::kForceSystemGroup && g.ProcedureCode == 36)));
    panel_.shpBar2->move(HighlightLeft(m), kHighlightTop2);
    ShowArgs(g.ProcedureCode);
    if (armed.piece != 0) calc::ShowArgHelp(*form_->txtArgHelp, armed.help, armed.piece);
}

void Calculator::BarLower(int m) {
    if (groupProcCount_ == 0 || m < 1 || m > groupProcCount_) return;
    ShowProcedure(ArmProcedure(shell::Shared().ProcedureGroup, m), m);
    panel_.picBar->Refresh();
}

}  // namespace calc
