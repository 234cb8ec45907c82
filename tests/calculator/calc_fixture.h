#pragma once
// Widget tests of the calculator workspace on the main window: Form1 with
// every subsystem's services, the calculator's own object kept at hand, the
// load event run, the calculator workspace chosen, and the scripted dialog
// service for the whole test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QString>
#include <memory>
#include <vector>

#include "calculator/grid.h"
#include "calculator/panel.h"
#include "kinematics/panel.h"
#include "motion/panel.h"
#include "numerics/expression.h"
#include "platform/buttons.h"
#include "platform/flexgrid.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "statics/particle/panel.h"
#include "statics/rigid/panel.h"
#include "support/dialog_script.h"
#include "support/reset_state.h"
#include "vectors/ui/direcframe_panel.h"

namespace calctest {

class CalcForm : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetAllState();
        shell::Workspaces w;
        w.direction = vecui::MakeDirectionFrame();
        auto calculator = std::make_unique<calc::Calculator>();
        calc_ = calculator.get();
        w.calculator = std::move(calculator);
        w.particle = particle::MakeParticleStatics();
        w.rigid = rigid::MakeRigidStatics();
        w.motion = motion::MakeMotion();
        w.kinematics = MakeKinematicsServices();
        w.help = shell::MakeBasicHelp();
        w.results = shell::MakeBasicResultsDialog();
        form_ = std::make_unique<shell::Form1>(std::move(w));
        form_->EndProgram = [] {};
        form_->Form_Load();
        form_->show();
        form_->ShowWorkspace(0);
        gd = calc_->panel().gd;
    }
    void TearDown() override { form_.reset(); }
    // The kinematics workspace the form is built with: the program's own
    // unless a test stands in for it.
    virtual std::unique_ptr<shell::KinematicsServices> MakeKinematicsServices() { return kinem::MakeKinematics(); }

    shell::Form1& form() { return *form_; }
    calc::Calculator& calc() { return *calc_; }
    const calc::Panel& panel() const { return calc_->panel(); }
    static shell::SharedState& G() { return shell::Shared(); }

    // ---- the grid
    QString Cell(int r, int c) const { return gd->TextMatrix(r, c); }
    void SetCell(int r, int c, const QString& t) { gd->SetTextMatrix(r, c, t); }
    void Key(int ascii) {
        int k = ascii;
        gd->keys.KeyPress(k);
    }
    void Type(const QString& text) {
        for (QChar ch : text) Key(ch.unicode());
    }
    void Enter() { Key(13); }
    int KeyDown(int code, int shift = 0) {
        gd->keys.KeyDown(code, shift);
        return code;
    }
    // Selects a block from code the way a finished mouse selection leaves it.
    void Select(int r1, int c1, int r2, int c2) {
        gd->SetRow(r1);
        gd->SetCol(c1);
        gd->SetRowSel(r2);
        gd->SetColSel(c2);
        gd->SelChange();
    }
    // Fills a block row by row with the texts given.
    void Fill(int r1, int c1, int cols, std::initializer_list<const char*> texts) {
        int k = 0;
        for (const char* t : texts) {
            SetCell(r1 + k / cols, c1 + k % cols, QString::fromUtf8(t));
            ++k;
        }
    }
    void ClearGrid() {
        for (int r = 1; r < gd->Rows(); ++r)
            for (int c = 1; c < gd->Cols(); ++c) SetCell(r, c, QString());
    }

    // Real mouse events on a cell (scrolled into view first).
    QPoint Center(int r, int c) {
        gd->scrollTo(gd->model()->index(r, c));
        return gd->visualRect(gd->model()->index(r, c)).center();
    }
    void Mouse(QEvent::Type type, int r, int c, Qt::MouseButton b = Qt::LeftButton) {
        const QPointF pos = Center(r, c);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
        QMouseEvent e(type, pos, gd->viewport()->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : b, held,
                      Qt::NoModifier);
        QApplication::sendEvent(gd->viewport(), &e);
    }
    void Click(int r, int c) {
        Mouse(QEvent::MouseButtonPress, r, c);
        Mouse(QEvent::MouseButtonRelease, r, c);
    }
    void DragSelect(int r1, int c1, int r2, int c2) {
        Mouse(QEvent::MouseButtonPress, r1, c1);
        Mouse(QEvent::MouseMove, r2, c2);
        Mouse(QEvent::MouseButtonRelease, r2, c2);
    }

    // ---- the bar and the button
    void ChooseGroup(int group) { panel().picBar->MouseDown(1, 0, (group - 1) * 31 + 15, 45); }
    void ChooseCell(int cell) { panel().picBar->MouseDown(1, 0, (cell - 1) * 31 + 15, 15); }
    void Choose(int group, int cell) {
        ChooseGroup(group);
        ChooseCell(cell);
    }
    void Calculate() { panel().cmdCalculate->Press(); }
    // A fresh start on procedure (group, cell): grid, picture and result
    // pane emptied, the arguments tab shown, the procedure chosen on the bar.
    void ChooseAfresh(int group, int cell) {
        ClearGrid();
        form().pic->Cls();
        form().rtbCalc->SetText(QString());
        form().tabCalc->SetTab(1);
        Choose(group, cell);
    }
    // Types the function into the expression box and the cells into the
    // grid row by row (cols wide), selects them and calculates.
    void EnterAndCalculate(const char* function, const std::vector<const char*>& cells, int cols) {
        form().rtbExpr->SetText(QString::fromUtf8(function));
        const int n = static_cast<int>(cells.size());
        for (int k = 0; k < n; ++k)
            SetCell(1 + k / cols, 1 + k % cols, QString::fromUtf8(cells[static_cast<size_t>(k)]));
        Select(1, 1, (n + cols - 1) / cols, cols);
        Calculate();
    }
    plat::CommandButton* Tool(int i) { return panel().cmdGrid[static_cast<size_t>(i)]; }

    QString Prompt(int i) const { return dialogs.Shown().at(static_cast<size_t>(i)).prompt; }

    testsupport::DialogScript dialogs;
    plat::FlexGrid* gd = nullptr;

private:
    std::unique_ptr<shell::Form1> form_;
    calc::Calculator* calc_ = nullptr;
};

}  // namespace calctest
