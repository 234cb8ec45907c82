#include <gtest/gtest.h>

#include <memory>

#include "platform/buttons.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "shell/form1.h"
#include "vectors/ui/clockdraw.h"
#include "vectors/ui/direcframe_panel.h"

using namespace vecui;

namespace {

// The other workspaces, reduced to the controls the main window checks.
// The calculator's grid moves on with Enter as its own key handler does
// without a selection.
struct CalculatorDouble : shell::CalculatorServices {
    void BuildPanels(shell::Form1& form) override {
        auto& s = form.panels;
        s.picBar = new plat::Picture(QStringLiteral("picBar"), &form);
        s.picRuts = new plat::Picture(QStringLiteral("picRuts"), &form);
        s.picOpt = new plat::Picture(QStringLiteral("picOpt"), form.fraExpr);
        s.fraCalc = new plat::Frame(QStringLiteral("fraCalc"), &form);
        s.fraUnits = new plat::Frame(QStringLiteral("fraUnits"), &form);
        s.picArgs = new plat::Picture(QStringLiteral("picArgs"), s.fraCalc);
        gd = s.gd = new plat::FlexGrid(QStringLiteral("gd"), s.fraCalc);
        gd->setGeometry(4, 80, 380, 140);
        gd->keys.KeyPress = [this](int& key) {
            if (key != 13) return;
            ++enters;
            if (gd->Col() < gd->Cols() - 1) {
                gd->SetCol(gd->Col() + 1);
            } else if (gd->Row() < gd->Rows() - 1) {
                gd->SetRow(gd->Row() + 1);
                gd->SetCol(1);
            }
        };
    }
    void ArrangeGd() override {
        gd->SetRows(5);
        gd->SetCols(4);
    }
    void FillTeclas() override {}
    void ChooseBarGroup(int) override {}
    void RestoreBar() override {}
    bool HasProblem() const override { return false; }
    plat::FlexGrid* gd = nullptr;
    int enters = 0;
};

struct ParticleDouble : shell::ParticleStaticsServices {
    void BuildPanels(shell::Form1& form) override {
        form.panels.fraEstp = new plat::Frame(QStringLiteral("fraEstp"), &form);
    }
    void ArrangeGdEqui() override {}
    void AddParticleForce() override { ++added; }
    bool SolveForcesFromGrid(const std::vector<std::string>&) override { return true; }
    bool HasProblem() const override { return false; }
    bool TakesForces() const override { return true; }
    int added = 0;
};

struct RigidDouble : shell::RigidStaticsServices {
    void BuildPanels(shell::Form1& form) override {
        form.panels.tabStat = new plat::TabStrip(QStringLiteral("tabStat"), &form);
        form.panels.tabStat->AddPage(QStringLiteral("Configuración"));
        form.panels.txtSegm0 = new plat::TextBox(QStringLiteral("txtSegm(0)"), &form);
    }
    void ArrangeGd1() override {}
    void RestoreDCLCtrls() override {}
    bool HasProblem() const override { return false; }
};

struct MotionDouble : shell::MotionServices {
    void BuildPanels(shell::Form1& form) override {
        auto& s = form.panels;
        s.fraTable = new plat::Frame(QStringLiteral("fraTable"), &form);
        s.tabMrua = new plat::TabStrip(QStringLiteral("tabMrua"), &form);
        s.tabMrua->AddPage(QStringLiteral("Procedimientos"));
        s.picArgs1 = new plat::Picture(QStringLiteral("picArgs1"), &form);
        s.picArgs2 = new plat::Picture(QStringLiteral("picArgs2"), &form);
        s.imgProcs = new plat::Image(QStringLiteral("imgProcs"), &form);
        s.cmdTable0 = new plat::CommandButton(QStringLiteral("cmdTable(0)"), &form);
    }
    void ArrangeGd2(int, shell::WorkspaceId) override {}
    void AdaptCtrls(shell::WorkspaceId) override {}
    void FillMruaCbo(shell::WorkspaceId) override {}
    void ShowPic1(bool) override {}
    void ChoosePicture(int) override {}
    void InitMruaEqnLinePositions() override {}
};

struct KinematicsDouble : shell::KinematicsServices {
    void BuildPanels(shell::Form1& form) override {
        form.panels.fraKinem = new plat::Frame(QStringLiteral("fraKinem"), &form);
    }
    void AdaptKinemCtrls(int) override {}
    bool HasProblem() const override { return false; }
    void ChooseLaw(shell::KinemLawId) override {}
};

class DirecPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::Workspaces w;
        auto direction = MakeDirectionFrame();
        frame = direction.get();
        auto calculator = std::make_unique<CalculatorDouble>();
        calc = calculator.get();
        w.direction = std::move(direction);
        w.calculator = std::move(calculator);
        w.particle = std::make_unique<ParticleDouble>();
        w.rigid = std::make_unique<RigidDouble>();
        w.motion = std::make_unique<MotionDouble>();
        w.kinematics = std::make_unique<KinematicsDouble>();
        w.help = shell::MakeBasicHelp();
        w.results = shell::MakeBasicResultsDialog();
        form = std::make_unique<shell::Form1>(std::move(w));
        form->Form_Load();
        form->show();
        form->FinishLoad();
    }

    // Bounds of the cell painted pink on the clock: (x1, y1, x2, y2).
    std::vector<double> PinkCell() const {
        std::vector<double> box;
        for (const auto& d : form->panels.picClock->Drawn()) {
            if (d.kind != plat::DrawnPrimitive::Kind::Polygon || d.fillColor != kClockMarkColor) continue;
            box = {1e9, 1e9, -1e9, -1e9};
            for (const QPointF& p : d.points) {
                box[0] = std::min(box[0], p.x());
                box[1] = std::min(box[1], p.y());
                box[2] = std::max(box[2], p.x());
                box[3] = std::max(box[3], p.y());
            }
        }
        return box;
    }

    DirectionFrame* frame = nullptr;
    CalculatorDouble* calc = nullptr;
    std::unique_ptr<shell::Form1> form;
};

}  // namespace

TEST_F(DirecPanelTest, TheFrameIsBuiltIntoTheFormAndTheClockDrawnAtLoad) {
    for (const char* name : {"picClock", "lbltxtAngle", "txtAngle", "cmdInc(0)", "cmdInc(7)", "txtAtan", "Label8",
                             "lblVorF", "txtVector", "lblFmts", "cmdRotangle", "lblRotAngle"}) {
        QWidget* w = form->fraDirec->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->parentWidget(), form->fraDirec) << name;
    }
    EXPECT_EQ(form->panels.picClock, frame->Frame()->picClock);
    EXPECT_EQ(form->panels.txtVector, frame->Frame()->txtVector);
    EXPECT_EQ(form->panels.picClock->BackColor(), rt::kButtonFace);
    const std::vector<double> pink = PinkCell();
    ASSERT_EQ(pink.size(), 4u);
    EXPECT_EQ(pink, (std::vector<double>{85, 48, 100, 70}));
}

TEST_F(DirecPanelTest, TheClockTurnsWithTheRotationButtonsCaption) {
    form->panels.cmdRotangle->SetCaption(QStringLiteral("Q = 90°"));
    form->Services().direction->DrawClock(false);
    const std::vector<double> pink = PinkCell(), top{48, 18, 70, 33};
    ASSERT_EQ(pink.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(pink[i], top[i], 1e-9);
    shell::Shared().WorkspaceMode = shell::kParticleWorkspace;
    form->panels.picClock->MouseDown(1, 0, 59, 25.5);  // hour 3, drawn at the top
    EXPECT_EQ(shell::DrawEng().DirHour, 3);
    EXPECT_EQ(form->panels.txtVector->Text(), "h");
    form->panels.picClock->MouseDown(1, 0, 25.5, 59);  // hour 12, at the left
    EXPECT_EQ(shell::DrawEng().DirHour, 12);

    // A new particle problem: unturned clock, then the click at (93, 60).
    form->panels.cmdRotangle->SetCaption(QStringLiteral("Q = 0°"));
    form->Services().direction->DrawClock(false);
    form->panels.picClock->MouseDown(1, 0, 93, 60);
    EXPECT_EQ(shell::DrawEng().DirHour, 3);
    EXPECT_EQ(shell::Shared().ClockMarkedHour, 3);
}

TEST_F(DirecPanelTest, EnterInTheVectorBoxRunsTheGridsOwnKeyHandlerInTheCalculator) {
    shell::Shared().WorkspaceMode = shell::kCalculatorWorkspace;
    form->PlacefraDirec(1);
    form->fraDirec->show();
    calc->gd->SetRow(1);
    calc->gd->SetCol(3);
    plat::TextBox* box = form->panels.txtVector;
    box->SetText(QStringLiteral("p30y,12"));
    int key = 13;
    box->keys.KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(calc->gd->TextMatrix(1, 3), "p30y,12");
    EXPECT_EQ(calc->enters, 1);
    EXPECT_EQ(calc->gd->Row(), 2);
    EXPECT_EQ(calc->gd->Col(), 1);
}

TEST_F(DirecPanelTest, ParticleStaticsPlugsInTheAddingOfAForce) {
    shell::Shared().WorkspaceMode = shell::kParticleWorkspace;
    int key = 13;
    form->panels.txtVector->keys.KeyPress(key);
    EXPECT_EQ(static_cast<ParticleDouble&>(*form->Services().particle).added, 1);
    EXPECT_EQ(calc->enters, 0);
}
