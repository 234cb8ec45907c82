// The calculator's particle procedure: the forces of the selected cells
// loaded into the particle's table, solved, reported and drawn.
#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "app/services.h"
#include "calculator/panel.h"
#include "platform/buttons.h"
#include "platform/files.h"
#include "platform/flexgrid.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "statics/particle/state.h"
#include "support/dialog_script.h"

namespace particle {
namespace {

class ParticleProcedure : public ::testing::Test {
protected:
    void SetUp() override {
        shell::Workspaces w = app::RealServices();
        calc_ = dynamic_cast<calc::Calculator*>(w.calculator.get());
        ASSERT_NE(calc_, nullptr);
        form_ = std::make_unique<shell::Form1>(std::move(w));
        form_->EndProgram = [] {};
        form_->Form_Load();
        form_->show();
        form_->ShowWorkspace(0);
        shell::Shared().ProcedureGroup = shell::kVectorGroup;
        shell::Shared().ProcedureCode = 38;
    }
    void TearDown() override { form_.reset(); }

    // Puts the texts in row 1 from column 1, selects them and calculates.
    void Run(std::initializer_list<const char*> texts) {
        plat::FlexGrid& gd = *calc_->panel().gd;
        int c = 1;
        for (const char* t : texts) gd.SetTextMatrix(1, c++, QString::fromUtf8(t));
        gd.SetRow(1);
        gd.SetCol(1);
        gd.SetRowSel(1);
        gd.SetColSel(c - 1);
        calc_->panel().cmdCalculate->Press();
    }

    testsupport::DialogScript dialogs;
    calc::Calculator* calc_ = nullptr;
    std::unique_ptr<shell::Form1> form_;
};

TEST_F(ParticleProcedure, SolvesAndDrawsTheForcesOfTheGrid) {
    Run({"v-100", "s30x,T1", "p45x,T2"});
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_TRUE(form_->rtbCalc->Text().contains(QStringLiteral("T1 = 73.205")));
    ASSERT_EQ(State().ParticleForceCount, 3);
    EXPECT_EQ(State().ParticleForces[2].ArrowColor, 0xFF00FF);
    EXPECT_FALSE(form_->pic1->Drawn().empty());
}

TEST_F(ParticleProcedure, ABadTextStopsTheLoadingAndTheRestIsSolved) {
    dialogs.Answer(plat::MsgResult::OK).Answer(plat::MsgResult::OK);
    Run({"h5", "5<200", "hT"});
    EXPECT_EQ(dialogs.Shown().at(0).prompt, "Error en la fuerza 5<200\r\nLa dirección debe estar entre -180° y 180°.");
    EXPECT_EQ(State().ParticleForceCount, 1);
    // One known force: nothing to solve, and the sums are reported.
    EXPECT_TRUE(form_->rtbCalc->Text().startsWith(QStringLiteral("No hay incógnitas.")));
    dialogs.DropPending();
}

TEST_F(ParticleProcedure, ASolutionEndedByAnErrorFailsTheRoutine) {
    dialogs.Answer(plat::MsgResult::OK);
    Run({"h-30", "v-40", "0F<q"});
    EXPECT_EQ(dialogs.Shown().at(0).prompt, "Falló la rutina. Revisa los argumentos.");
}

TEST_F(ParticleProcedure, ARefusalIsShown) {
    dialogs.Answer(plat::MsgResult::OK);
    Run({"hT", "h-5"});
    EXPECT_EQ(dialogs.Shown().at(0).prompt, "No resuelvo este caso.");
}

}  // namespace
}  // namespace particle
