#pragma once
// What the main window calls in the subsystems that own the workspaces.
//
// The shell depends on no workspace library: each subsystem implements the
// one small interface below that names exactly what the main window needs of
// it, and app::RealServices (src/app/services.cpp) lists the implementations
// that the program, the main-window test fixture and the start-up benchmark
// give Form1 when they build it. Tests register doubles instead (a double usually wraps
// the real implementation and records the calls).
//
// Every interface starts with BuildPanels, called once from
// Form1::FinishLoad, in the order of the Workspaces fields (the direction frame
// first, so the workspaces can wire its controls). A panel function creates
// the subsystem's controls with the form (or one of the form's frames) as
// parent, gives each the objectName of its name in the program
// ("txtBody(3)" for array members, see plat::ArrayName), wires their
// handlers, keeps them in the subsystem's own panel struct and fills its
// entries of form.panels (PanelSlots: the controls the shell itself moves,
// shows, clears or presses). The form checks every entry once all panels are
// built.
//
// The other functions are called by the form's load event and its workspace
// switch, always on the UI thread, never re-entrantly from the shell.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/defaults.h"

namespace plat {
class CommandButton;
class FlexGrid;
class Frame;
class Image;
class Label;
class Picture;
class TabStrip;
class TextBox;
}  // namespace plat

namespace shell {

class Form1;

// Workspace controls that the shell touches. Each subsystem's BuildPanels
// fills its own group; none may stay null.
struct PanelSlots {
    // Calculator.
    plat::Picture* picBar = nullptr;   // procedure bar, also the kinematics law bar
    plat::Picture* picRuts = nullptr;  // hidden icon sheet of the bar (280 x 181)
    plat::Picture* picOpt = nullptr;   // option keys, on the expression strip
    plat::Picture* picArgs = nullptr;  // argument template
    plat::Frame* fraCalc = nullptr;
    plat::Frame* fraUnits = nullptr;  // placed, never shown
    plat::FlexGrid* gd = nullptr;     // argument grid
    // Direction frame (inside the form's fraDirec).
    plat::Picture* picClock = nullptr;
    plat::TextBox* txtVector = nullptr;
    plat::Label* lblVorF = nullptr;
    plat::Label* lblFmts = nullptr;
    plat::Label* lblRotAngle = nullptr;
    plat::CommandButton* cmdRotangle = nullptr;
    // Particle statics.
    plat::Frame* fraEstp = nullptr;
    // Rigid-body statics.
    plat::TabStrip* tabStat = nullptr;
    plat::TextBox* txtSegm0 = nullptr;  // txtSegm(0), focused on entry
    // Motion workspaces.
    plat::Frame* fraTable = nullptr;
    plat::TabStrip* tabMrua = nullptr;
    plat::Picture* picArgs1 = nullptr;         // help of the pictured procedures
    plat::Picture* picArgs2 = nullptr;         // help of the listed procedures
    plat::Image* imgProcs = nullptr;           // five pictured procedures
    plat::CommandButton* cmdTable0 = nullptr;  // cmdTable(0): one body, one acceleration
    // Plane kinematics.
    plat::Frame* fraKinem = nullptr;
};

class DirectionFrameServices {
public:
    virtual ~DirectionFrameServices() = default;
    // Fills the form's fraDirec: picClock, lbltxtAngle, txtAngle, cmdInc(0..7),
    // txtAtan, Label8, lblVorF, txtVector, lblFmts, cmdRotangle, lblRotAngle.
    virtual void BuildPanels(Form1& form) = 0;
    // Draws the direction clock on picClock (noMark: leave the marked hour).
    virtual void DrawClock(bool noMark) = 0;
    // Picks clock cell 1..16 as a click on it does: hours 1..12 are their
    // own cells, 13..16 the corner diagonals.
    virtual void PickClockCell(int cell) = 0;
};

class CalculatorServices {
public:
    virtual ~CalculatorServices() = default;
    // picBar, picRuts, fraCalc (with gd, picArgs), fraUnits, picOpt on the
    // form's fraExpr.
    virtual void BuildPanels(Form1& form) = 0;
    // Resets the argument grid gd: titles, widths, alignment, current cell.
    virtual void ArrangeGd() = 0;
    // Draws the option keys on picOpt.
    virtual void FillTeclas() = 0;
    // Chooses cell n (1..12) of the bar's upper row, as a click on it does:
    // group n in the calculator, law n in plane kinematics. The switch
    // chooses the first on a first visit.
    virtual void ChooseBarGroup(int n) = 0;
    // On a return visit to the calculator or plane kinematics: the bar shows
    // again the group and procedure, or the law, chosen before, and nothing
    // typed is cleared.
    virtual void RestoreBar() = 0;
    // Arguments are typed in the grid.
    virtual bool HasProblem() const = 0;
};

class ParticleStaticsServices {
public:
    virtual ~ParticleStaticsServices() = default;
    // fraEstp with the force grid gdEqui.
    virtual void BuildPanels(Form1& form) = 0;
    // Titles and column widths of gdEqui.
    virtual void ArrangeGdEqui() = 0;
    // Enter in the direction frame's vector box in workspace 2: adds the
    // typed force (run-time errors reach the caller).
    virtual void AddParticleForce() = 0;
    // The calculator's equilibrium procedure: loads the forces typed in the
    // argument grid (vector texts), solves and draws. False when it ended
    // after a message of its own.
    virtual bool SolveForcesFromGrid(const std::vector<std::string>& texts) = 0;
    // Forces are entered.
    virtual bool HasProblem() const = 0;
    // False while a solution is shown: the direction frame takes no new
    // force then. The calculator's vector procedures use the same frame, so
    // the switch opens it there and gives it this state back on return.
    virtual bool TakesForces() const = 0;
};

class RigidStaticsServices {
public:
    virtual ~RigidStaticsServices() = default;
    // tabStat with its pages, the force grid gd1 and the entry boxes.
    virtual void BuildPanels(Form1& form) = 0;
    // Titles and column widths of gd1.
    virtual void ArrangeGd1() = 0;
    // Empties the free-body-diagram entry boxes and resets their labels.
    virtual void RestoreDCLCtrls() = 0;
    // A structure or forces are entered.
    virtual bool HasProblem() const = 0;
};

class MotionServices {
public:
    virtual ~MotionServices() = default;
    // fraTable (motion table Gd2, strip picAccel, problem kinds cmdTable)
    // and tabMrua (imgProcs, shpMrua, picArgs1, cboProcs, txtProcs,
    // picArgs2, cmdSeeEqns, ...).
    virtual void BuildPanels(Form1& form) = 0;
    // Lays out Gd2 with point columns colWidth twips wide for the
    // rectilinear or the projectile workspace.
    virtual void ArrangeGd2(int colWidth, WorkspaceId mode) = 0;
    // Prepares the rectilinear or projectile workspace: a new problem.
    virtual void AdaptCtrls(WorkspaceId mode) = 0;
    // Refills the listed procedures for the rectilinear or projectile
    // workspace (kNoWorkspace leaves them).
    virtual void FillMruaCbo(WorkspaceId mode) = 0;
    // True shows the graph picture pic1 and hides pic; false the reverse.
    virtual void ShowPic1(bool show) = 0;
    // Puts the highlight on pictured procedure n (1..5) and arms it, as a
    // click on that picture does; the switch chooses the first (setting up
    // the equations) for a new problem.
    virtual void ChoosePicture(int n) = 0;
    // Positions of the rectilinear equation lines 1 to 8.
    virtual void InitMruaEqnLinePositions() = 0;
    // True while the shared table holds work a new problem would erase
    // (points typed, accelerations given).
    virtual bool HasProblem() const { return false; }
    // Asks the question of "Nuevo Problema" (the safe answer is the
    // default); true when the user agrees to erase the problem.
    virtual bool ConfirmNewProblem() { return true; }
};

class KinematicsServices {
public:
    virtual ~KinematicsServices() = default;
    // fraKinem with the law boxes, time boxes, graph checks and buttons.
    virtual void BuildPanels(Form1& form) = 0;
    // Shows, hides and captions the controls of fraKinem for a law (11 x(t),
    // 12 v(t,x), 13 a(t,x,v); 14 and 15 the plane laws).
    virtual void AdaptKinemCtrls(int law) = 0;
    // A law is typed.
    virtual bool HasProblem() const = 0;
    // The law chosen on the law bar: empties what was typed for the last
    // one, adapts the controls, stores the law (KinemLaw, which only the
    // kinematics workspace writes) and puts the caret in the law box. The bar
    // is drawn for the law after it returns.
    virtual void ChooseLaw(KinemLawId law) = 0;
};

class HelpServices {
public:
    virtual ~HelpServices() = default;
    // Wires the form's help panel (cboHelp, rtbHelp, cmdHelpCtrl(0..3)) and
    // the help buttons of the workspaces that exist when it is called.
    virtual void BuildPanels(Form1& form) = 0;
    // Reads the argument-help file into the argument-help texts.
    virtual void LoadCalcHelp() = 0;
    // Refills the topic list cboHelp for a workspace (selects nothing).
    virtual void FillHelpCbo(WorkspaceId mode) = 0;
};

class ResultsDialogServices {
public:
    virtual ~ResultsDialogServices() = default;
    // Shows the results dialog without waiting (again when already shown).
    virtual void Show() = 0;
    // Closes and forgets the dialog (the end of the program).
    virtual void Unload() = 0;
};

// The implementations registered on the form, which owns them. BuildPanels
// runs in this order.
struct Workspaces {
    std::unique_ptr<DirectionFrameServices> direction;
    std::unique_ptr<CalculatorServices> calculator;
    std::unique_ptr<ParticleStaticsServices> particle;
    std::unique_ptr<RigidStaticsServices> rigid;
    std::unique_ptr<MotionServices> motion;
    std::unique_ptr<KinematicsServices> kinematics;
    std::unique_ptr<HelpServices> help;
    std::unique_ptr<ResultsDialogServices> results;
};

// Stand-ins that live in the shell for the subsystems whose interface has no
// implementation of its own yet. They build the named controls the shell
// and the other workspaces touch and do the least their callers rely on.
std::unique_ptr<HelpServices> MakeBasicHelp();
std::unique_ptr<ResultsDialogServices> MakeBasicResultsDialog();

}  // namespace shell
