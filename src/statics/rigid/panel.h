#pragma once
// The rigid-body statics workspace: the tab strip tabStat with its pages
// "Configuración" (separation vectors, systems and lines), "Diagramas de
// cuerpo libre" (forces of each system, the force grid gd1) and "Resolver"
// (systems to solve, reference points, equations and solutions in the
// form's rtbSolve), and the handlers of all their controls. The model and
// the computations live in state/geometry/forces/equations; the drawings on
// pic1 in drawing.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "shell/workspaces.h"
#include "statics/rigid/state.h"

class QWidget;

namespace plat {
class ComboBox;
class CommandButton;
class FlexGrid;
class Label;
class LineShape;
class ListBox;
class OptionButton;
class Picture;
class TabStrip;
class TextBox;
class UpDown;
}  // namespace plat

namespace rigid {

// Controls of the workspace; arrays are indexed as in the program
// (txtBody(1..7): element 0 unused).
struct Panel {
    plat::TabStrip* tabStat = nullptr;
    // Configuration page.
    std::array<plat::Label*, 3> lblSegm{};
    std::array<plat::TextBox*, 7> txtSegm{};
    std::array<plat::LineShape*, 3> linSegm{};
    plat::Label* lblRepeat = nullptr;
    plat::TextBox* txtRepeat = nullptr;
    plat::CommandButton* cmdOK = nullptr;
    plat::TextBox* txtOrigin = nullptr;
    plat::CommandButton* cmdUpdate = nullptr;
    std::array<plat::CommandButton*, 2> cmdConfig{};
    plat::ComboBox* cboSeps = nullptr;
    plat::ListBox* lstSeps = nullptr;
    plat::ListBox* lstCoords = nullptr;
    plat::ListBox* lstSysts = nullptr;
    plat::TextBox* txtJoinBody = nullptr;
    plat::UpDown* spnColor = nullptr;
    std::array<plat::Label*, 5> lblPoints{};
    plat::TextBox* txtPoints = nullptr;
    plat::Label* lblSystPts = nullptr;
    std::array<plat::CommandButton*, 4> cmdHelpEstcr{};
    // Free-body-diagram page.
    std::array<plat::OptionButton*, 5> optDCL{};
    plat::Label* lblBody = nullptr;
    plat::Label* lblCpoNodos = nullptr;
    plat::Label* lblDCLPts = nullptr;
    plat::CommandButton* cmdAddForce = nullptr;
    std::array<plat::CommandButton*, 3> cmdDCL{};
    std::array<plat::TextBox*, 8> txtBody{};
    std::array<plat::Label*, 6> lblForceAt{};
    plat::Label* lblMagnitudes = nullptr;
    std::array<plat::LineShape*, 3> LinBody{};
    plat::CommandButton* cmdOK1 = nullptr;
    plat::FlexGrid* gd1 = nullptr;
    // Solve page.
    plat::Label* lblSolve = nullptr;
    plat::LineShape* linDCL = nullptr;
    plat::ListBox* lstDCL = nullptr;
    plat::CommandButton* cmdClearLstDCL = nullptr;
    std::array<plat::TextBox*, 5> txtRefPt{};
    plat::TextBox* txtSuprEqn = nullptr;
    plat::CommandButton* cmdShowIncsEqns = nullptr;
    std::array<plat::CommandButton*, 4> cmdVMb{};
    std::array<plat::OptionButton*, 5> optShowDCL{};
};

class RigidStatics : public shell::RigidStaticsServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGd1() override;
    void RestoreDCLCtrls() override;
    bool HasProblem() const override;

    const Panel& panel() const { return panel_; }
    StatState& state() { return st_; }
    bool DCLPageOpened = false;

    // Configuration page.
    void txtSegm_KeyPress(int index, int& key);
    void txtSegm_KeyDown(int index, int& key, int shift);
    void txtRepeat_KeyPress(int& key);
    void txtRepeat_LostFocus();
    void txtOrigin_Change();
    void txtOrigin_KeyPress(int& key);
    void cmdOK_Click();
    void cmdConfig_Click(int index);
    void cmdUpdate_Click();
    void RestoreConfigCtrls();
    void EraseAllSepVectors();
    void NewEstcrProblem();
    void tabStat_Click(int previousTab);
    // Structure lists and systems.
    bool FillCoordLists();
    void FillSystemsList();
    void txtJoinBody_Change();
    void lstSysts_Click();
    void spnColor_Change();
    void txtPoints_KeyDown(int& key, int shift);
    void txtPoints_KeyPress(int& key);
    // Free-body-diagram page.
    void txtBody_KeyPress(int index, int& key);
    void txtBody_KeyDown(int index, int& key, int shift);
    void cmdOK1_Click();
    void optDCL_Click(int index);
    void cmdAddForce_Click();
    void cmdDCL_Click(int index);
    // The forces' grid rows, records and point list; EraseAllForces also
    // redraws the structure without them.
    void EraseForceRecords();
    void EraseAllForces();
    void RedrawDCL();  // the chosen body's diagram
    void optShowDCL_Click(int index);
    // Solve page.
    void cmdVMb_Click(int index);
    void cmdShowIncsEqns_Click();
    void cmdClearLstDCL_Click();
    void txtRefPt_KeyPress(int index, int& key);
    void txtRefPt_LostFocus(int index);

private:
    void BuildConfigPage(QWidget* page);
    void BuildDCLPage(QWidget* page);
    void BuildSolvePage(QWidget* page, shell::Form1& form);
    plat::Picture& pic1();
    int Decimals() const;
    // The body chosen on the diagram page (shown in lblBody). None chosen
    // yet is the student's to mend and raises rt::RuntimeError; a number
    // outside 1..5 is a fault of the program.
    int BodyNumber() const;
    void DrawForces(const std::optional<int>& system);
    void DrawSystem(int system);  // frame, lines, forces of one system
    void RedrawStructure();       // frame, all lines, lblBody's forces
    void AddGridRow(int n, const std::array<std::string, 7>& cells);
    // True when the equations were solved and the values written back.
    bool SolveEstcrEquilibrium();
    bool CommonChecks(std::array<std::string, 6>& refs, std::vector<int>& systems, std::string& suppressed);

    shell::Form1* form_ = nullptr;
    Panel panel_;
    StatState st_;
    std::string lastLineCommand_;  // the line command last accepted
    int chosenBody_ = 0;           // optDCL's system, 0 before one is chosen
};

std::unique_ptr<shell::RigidStaticsServices> MakeRigidStatics();

}  // namespace rigid
