#pragma once
// Form1: the main window and the hub of every workspace.
//
// Layout (pixels, y down): the drawing pictures pic and pic1 (397 x 385) at
// (6, 4) inside the frame shpBorder; the toolbar Image1 at (408, 1) with its
// highlight shpTools; the workspace panels in a column at x = 408 and in a
// band at y = 394; the help panel fraHelp over the drawing area.
//
// Who owns what:
// - The form owns the shared controls below as members (their objectName is
//   their name in the program). Workspace code reaches them through the form:
//   form.rtbCalc, form.pic1, form.tabCalc, ...
// - Each subsystem builds its own controls in its BuildPanels (workspaces.h),
//   called once from FinishLoad, and keeps them in its own panel struct;
//   findChild<...>("name") finds any control by its name.
// - rtbSolve is created here but shown on the rigid-body solve page:
//   rigid-body statics reparents it there in its BuildPanels.
// - The shared state (WorkspaceMode, PlotLeft, ...) is shell::Shared()
//   (defaults.h); Decimals is text::G() (globals.h).
//
// Life: construct with the workspaces' services, then call Form_Load once
// (main and the test fixture do), then show; the first paint starts the
// rest of the load in steps, one per turn of the event loop, which build
// the workspace panels (tests that do not wait for the paint call
// FinishLoad). Before the first toolbar button no workspace is active and
// the welcome page is on pic.
//
// Faults: a workspace whose set-up stops, at a run-time error
// (rt::RuntimeError) or at a fault of the program, is not switched to: the
// one shown before is shown again, with its work, and the toolbar's
// highlight stays on it; then the student gets the message of a failed
// instruction, or the fault goes on to the guard. A service missing at
// construction, or a panel slot a subsystem left empty, is a programming
// error: std::logic_error.
#include <QSet>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "runtime/colors.h"
#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class ComboBox;
class Frame;
class Image;
class Picture;
class RichPane;
class Shape;
class TabStrip;
}  // namespace plat

namespace shell {

// The question before the end of the program when there is work to lose.
inline const QString kQuitQuestion = QStringLiteral("Se perderá todo. ¿Deseas salir del programa?");
// What the student is told when a step of the load failed: the program ends.
inline const QString kLoadStoppedText = QStringLiteral("No pude terminar de cargar el programa; se cerrará.");

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Client size of the window.
    static constexpr int kWidth = 801;
    static constexpr int kHeight = 580;

    // Builds what the first paint shows (drawing pictures, toolbar); the
    // hidden shared controls and the workspaces' panels wait for FinishLoad.
    explicit Form1(Workspaces services, QWidget* parent = nullptr);
    ~Form1() override;

    // The load event, in two parts. Form_Load does what the first paint
    // shows: the drawing pictures' y-up scales, the shared defaults and the
    // welcome page. The rest builds the hidden shared controls (result tabs,
    // expression strip, direction and help frames) and every workspace's
    // panels, and does the rest in the load event's order:
    // y-up scales, grids, clock, argument help, option keys, motion table,
    // equation lines, placements. The first paint starts it in steps, one
    // per turn of the event loop (the shared controls, each workspace's
    // panels, their check, the preparations), so that the window takes
    // input between them; FinishLoad runs what is left at once, and the
    // toolbar and the workspace switch call it first. Call Form_Load once;
    // once the load has finished, FinishLoad does nothing. Code that reaches
    // the workspace controls without showing the form calls FinishLoad
    // first.
    //
    // A step that fails stops the load: no later step runs, the failure goes
    // on to the guard, and then the student is told (kLoadStoppedText) and
    // the program ends (QuitProgram). FinishLoad is false once the load has
    // stopped: the panels are not there to be used.
    void Form_Load();
    bool FinishLoad();
    // Every step of the load has run.
    bool LoadFinished() const;
    // A step of the load failed, and the load stopped there.
    bool LoadStopped() const;

    // Toolbar: positions in twips from Image1's top-left corner.
    void Image1_MouseDown(int button, int shift, double x, double y);
    void Image1_MouseMove(int button, int shift, double x, double y);

    // 0..5 a workspace, 6 the results dialog, 7 the help panel, 8 the end
    // (QuitProgram).
    // A workspace is set up from the start only on its first visit; coming
    // back to it (its own button again, the help, another workspace in
    // between) keeps the problem in progress. The two motion workspaces
    // share their table: choosing the other one starts a new problem, after
    // asking when there is work to lose; a refusal changes nothing.
    void ShowWorkspace(int index);

    // Alternative places of the shared panels.
    void PlaceTabCalc(int mode);
    void PlaceFraExpr(int mode);
    void PlacefraDirec(int mode);

    // Shows the welcome page on pic (the pixels the build stored, when the
    // program carries them; drawn otherwise) and sets WelcomeShown.
    void ShowWelcome();

    // Rotation of the particle-statics axes, read back from cmdRotangle's
    // caption "Q = <angle>°".
    double GetRotAngle() const;

    // Form-level state.
    int LastWorkspaceIndex = 0;  // workspace last set up (0..5)
    bool WelcomeShown = false;   // the welcome page is on pic

    // The end of the program, from the toolbar's last button and from the
    // window's close box: when a workspace holds a problem, the log holds
    // results or the Notas tab holds the student's notes it asks first (No
    // is the default) and a No changes nothing; otherwise it unloads both
    // windows and calls EndProgram. True when the program ends.
    bool QuitProgram();
    // A workspace holds a problem, the log holds results or the notes hold
    // text.
    bool HoldsWork() const;

    // What QuitProgram does after unloading the windows: ends the program
    // (QCoreApplication::quit). Tests replace it.
    std::function<void()> EndProgram;

    // The services registered at construction, for calls between subsystems
    // (for instance kinematics showing the graph picture through motion).
    const Workspaces& Services() const { return services_; }
    // Workspace controls the shell touches, filled by the panel functions.
    PanelSlots panels;

    // ---- shared controls
    plat::Picture* pic = nullptr;   // drawing picture (equations, calculator)
    plat::Picture* pic1 = nullptr;  // drawing picture (statics, graphs)
    plat::Shape* shpBorder = nullptr;
    plat::Image* Image1 = nullptr;
    plat::Shape* shpTools = nullptr;

    plat::TabStrip* tabCalc = nullptr;  // "Resultado", "Registro", "Ayuda", "Notas"
    plat::RichPane* rtbCalc = nullptr;
    plat::RichPane* rtbReg = nullptr;
    plat::RichPane* txtArgHelp = nullptr;
    plat::RichPane* txtNotes = nullptr;
    plat::RichPane* rtbSolve = nullptr;
    plat::RichPane* rtbHold = nullptr;  // hidden conversion pane, off the window

    plat::Frame* fraExpr = nullptr;     // expression strip
    plat::RichPane* rtbExpr = nullptr;  // the calculator's expression box, on fraExpr
    plat::Frame* fraDirec = nullptr;    // direction frame, filled by its subsystem

    plat::Frame* fraHelp = nullptr;
    plat::ComboBox* cboHelp = nullptr;
    plat::RichPane* rtbHelp = nullptr;
    std::array<plat::CommandButton*, 4> cmdHelpCtrl{};

private:
    void BuildShownSharedControls();
    void BuildHiddenSharedControls();
    void BuildHelpPanel();
    // Runs the next step of the load; true while steps remain.
    bool RunLoadStep();
    void QueueLoadStep();
    void StopLoad();
    void FinishPanels();         // checks, hides and shows what the panels built
    void PrepareLoadedPanels();  // the load event's preparations after the build
    void CheckSlots() const;
    void SetWorkspacePanels(int index);
    void SetFrameColours(rt::ColorRef light, rt::ColorRef dark);
    void DrawBarIcons(int index, bool again);
    void LoadProcPictures(const QString& fileName);
    void SetupWorkspace(int index);
    bool MayShowWorkspace(int index);
    void ClearWelcome();
    // After a set-up that failed: the workspace shown before (or the welcome
    // page) is shown again.
    void KeepShownWorkspace(WorkspaceId mode, int index, bool welcome);
    void RenderToolbar();

    Workspaces services_;
    qreal toolbarRatio_ = 0;
    // Workspaces (0..5) whose first tool has been started.
    std::array<bool, 6> started_{};
    // The motion workspace (3 or 4) whose problem the shared table holds;
    // -1 before one is set up or once a new one must start.
    int motionTable_ = -1;
    static constexpr int kLoadSteps = 10;
    bool loadPending_ = false;   // Form_Load ran, steps of the load remain
    bool loadStopped_ = false;   // a step failed: the rest of the load never runs
    int nextLoadStep_ = 0;       // 0..kLoadSteps - 1 while loadPending_
    bool finishQueued_ = false;  // the first paint started the steps
    // The form's widgets before the panels were built (see RunLoadStep).
    QSet<QWidget*> shownAtLoad_;
    bool quitting_ = false;  // QuitProgram agreed: the close goes through

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

}  // namespace shell
