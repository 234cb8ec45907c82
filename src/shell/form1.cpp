#include "shell/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QSet>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/fonts.h"
#include "platform/fontwarmup.h"
#include "platform/frames.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/scopeguard.h"
#include "runtime/variant.h"
#include "shell/defaults.h"
#include "shell/toolbar.h"
#include "shell/welcome.h"
#include "shell/writer.h"

namespace shell {

namespace {

// Where the toolbar and the drawing area sit.
constexpr int kToolbarLeft = 408;
constexpr int kToolbarTop = 1;
constexpr int kPicLeft = 6;
constexpr int kPicTop = 4;

// How each workspace (index 0..5) looks: panels are switched by name in
// SetWorkspacePanels; these are its colours.
struct WorkspaceLook {
    rt::ColorRef light, dark;  // frame of the drawing area
    rt::ColorRef caption;      // tab captions
};
constexpr std::array<WorkspaceLook, 6> kLooks{{
    {0x00C000, 0x008000, 0x008000},
    {0x00FFFF, 0x00C0C0, 0x008080},
    {0xC000C0, 0x800080, 0x800080},
    {0xFFFF00, 0xC0C000, 0xC00000},
    {0x0080FF, 0x0040C0, 0x004080},
    {0xFF0000, 0x800000, 0x800000},
}};

template <class T>
T* Make(const QString& name, QWidget* parent) {
    return new T(name, parent);
}

plat::RichPane* MakePane(const QString& name, QWidget* parent, const QString& face, double size) {
    auto* p = new plat::RichPane(name, parent);
    p->SetDefaultFont(face, size);
    return p;
}

// The workspace of toolbar index 0..5 (the callers check it): the buttons
// are laid out in the order of WorkspaceId.
WorkspaceId WorkspaceOfIndex(int index) {
    rt::ExpectIndex(index, 0, 5, "workspace");
    return static_cast<WorkspaceId>(index + 1);
}

}  // namespace

Form1::Form1(Workspaces services, QWidget* parent) : QWidget(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(plat::kAppTitle);
    setFixedSize(kWidth, kHeight);
    setFont(plat::MakeFont(QStringLiteral("MS Sans Serif"), 8));
    EndProgram = [] { QCoreApplication::quit(); };

    const Workspaces& s = services_;
    if (!s.direction || !s.calculator || !s.particle || !s.rigid || !s.motion || !s.kinematics || !s.help || !s.results)
        throw std::logic_error("Form1: a workspace has no services registered");

    // What the first paint shows; the rest waits for FinishLoad.
    BuildShownSharedControls();
    pic1->hide();
    shpTools->raise();
}

Form1::~Form1() {
    // The result writer must not reach panes that are going away.
    if (Panes().rtbCalc == rtbCalc) Panes() = ResultPanes{};
}

void Form1::BuildShownSharedControls() {
    shpBorder = Make<plat::Shape>(QStringLiteral("shpBorder"), this);
    shpBorder->setGeometry(2, 0, 405, 393);
    shpBorder->SetFillStyle(plat::Shape::Fill::Solid);
    shpBorder->SetBorderWidth(2);
    shpBorder->SetBorderColor(0xC0C0C0);
    shpBorder->SetFillColor(0x808080);

    pic = Make<plat::Picture>(QStringLiteral("pic"), this);
    pic->Move(kPicLeft, kPicTop, 397, 385);
    pic1 = Make<plat::Picture>(QStringLiteral("pic1"), this);
    pic1->Move(kPicLeft, kPicTop, 397, 385);

    Image1 = Make<plat::Image>(QStringLiteral("Image1"), this);
    Image1->move(kToolbarLeft, kToolbarTop);
    RenderToolbar();
    Image1->MouseDown = [this](int b, int sh, double x, double y) { Image1_MouseDown(b, sh, x, y); };
    Image1->MouseMove = [this](int b, int sh, double x, double y) { Image1_MouseMove(b, sh, x, y); };
    shpTools = Make<plat::Shape>(QStringLiteral("shpTools"), this);
    shpTools->setGeometry(-200, 200, 39, 37);
    shpTools->SetBorderWidth(2);
    shpTools->SetFillStyle(plat::Shape::Fill::Transparent);
}

void Form1::BuildHiddenSharedControls() {
    tabCalc = Make<plat::TabStrip>(QStringLiteral("tabCalc"), this);
    tabCalc->setGeometry(6, 394, 391, 177);
    const struct {
        const char* caption;
        plat::RichPane** pane;
        const char* name;
    } pages[] = {{"Resultado", &rtbCalc, "rtbCalc"},
                 {"Registro", &rtbReg, "rtbReg"},
                 {"Ayuda", &txtArgHelp, "txtArgHelp"},
                 {"Notas", &txtNotes, "txtNotes"}};
    for (const auto& pg : pages) {
        QWidget* page = tabCalc->AddPage(QString::fromUtf8(pg.caption));
        *pg.pane = MakePane(QString::fromLatin1(pg.name), page, QStringLiteral("Times New Roman"), 10);
        (*pg.pane)->setGeometry(2, 2, 381, 141);
    }
    tabCalc->SetTab(0);

    rtbSolve = MakePane(QStringLiteral("rtbSolve"), this, QStringLiteral("Times New Roman"), 10);
    rtbSolve->hide();
    // What the program wrote is shown as written: the student selects and
    // copies it but cannot change it. The notes are the student's own.
    for (plat::RichPane* p : {rtbCalc, rtbReg, txtArgHelp, rtbSolve}) {
        p->setReadOnly(true);
        p->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    rtbHold = MakePane(QStringLiteral("rtbHold"), this, QStringLiteral("Times New Roman"), 10);
    rtbHold->setGeometry(0, 0, 150, 60);
    // Only its document is used and it lies off the window: never shown,
    // it lays nothing out while the program starts.
    rtbHold->hide();

    ResultPanes& panes = Panes();
    panes.rtbCalc = rtbCalc;
    panes.rtbReg = rtbReg;
    panes.rtbSolve = rtbSolve;
    panes.txtArgHelp = txtArgHelp;
    panes.rtbHold = rtbHold;

    fraExpr = Make<plat::Frame>(QStringLiteral("fraExpr"), this);
    fraExpr->setGeometry(408, 106, 389, 51);
    rtbExpr = MakePane(QStringLiteral("rtbExpr"), fraExpr, QStringLiteral("Courier New"), 10);
    rtbExpr->setGeometry(24, 3, 361, 22);
    rtbExpr->setLineWrapMode(QTextEdit::NoWrap);
    rtbExpr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtbExpr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    fraDirec = Make<plat::Frame>(QStringLiteral("fraDirec"), this);
    fraDirec->setGeometry(408, 38, 391, 127);

    BuildHelpPanel();
}

void Form1::BuildHelpPanel() {
    fraHelp = Make<plat::Frame>(QStringLiteral("fraHelp"), this);
    fraHelp->setGeometry(6, 4, 397, 385);
    cboHelp = Make<plat::ComboBox>(QStringLiteral("cboHelp"), fraHelp);
    cboHelp->setGeometry(4, 4, 297, 22);
    const struct {
        const char* caption;
        const char* tip;
    } buttons[] = {{"G", "Generalidades sobre el programa TELUVAR"},
                   {"10", "Cambiar el tamaño de fuente a 10 puntos"},
                   {"X", "Ocultar el panel de la ayuda"},
                   {"\xAF", "Mover el panel de ayuda arriba/abajo"}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdHelpCtrl"), i), fraHelp);
        b->setGeometry(304 + 23 * i, 4, 22, 22);
        if (i == 3) {
            b->SetFace(QStringLiteral("Symbol"), 10);
            b->SetCaption(QString(QChar(0xAF)));  // Symbol 175: down arrow
        } else {
            b->SetCaption(QString::fromUtf8(buttons[i].caption));
        }
        b->setToolTip(QString::fromUtf8(buttons[i].tip));
        cmdHelpCtrl[i] = b;
    }
    rtbHelp = MakePane(QStringLiteral("rtbHelp"), fraHelp, QStringLiteral("Times New Roman"), 8);
    rtbHelp->setGeometry(4, 28, 389, 355);  // 5325 twips high
    rtbHelp->setReadOnly(true);
}

void Form1::CheckSlots() const {
    const struct {
        const void* p;
        const char* name;
    } all[] = {{panels.picBar, "picBar"},
               {panels.picRuts, "picRuts"},
               {panels.picOpt, "picOpt"},
               {panels.picArgs, "picArgs"},
               {panels.fraCalc, "fraCalc"},
               {panels.fraUnits, "fraUnits"},
               {panels.gd, "gd"},
               {panels.picClock, "picClock"},
               {panels.txtVector, "txtVector"},
               {panels.lblVorF, "lblVorF"},
               {panels.lblFmts, "lblFmts"},
               {panels.lblRotAngle, "lblRotAngle"},
               {panels.cmdRotangle, "cmdRotangle"},
               {panels.fraEstp, "fraEstp"},
               {panels.tabStat, "tabStat"},
               {panels.txtSegm0, "txtSegm(0)"},
               {panels.fraTable, "fraTable"},
               {panels.tabMrua, "tabMrua"},
               {panels.picArgs1, "picArgs1"},
               {panels.picArgs2, "picArgs2"},
               {panels.imgProcs, "imgProcs"},
               {panels.cmdTable0, "cmdTable(0)"},
               {panels.fraKinem, "fraKinem"}};
    for (const auto& s : all)
        if (!s.p) throw std::logic_error(std::string("Form1: no panel built the control ") + s.name);
}

// ---- load event

void Form1::Form_Load() {
    // What the first paint shows: the drawing pictures' scales, the shared
    // defaults, the conversion pane moved out of sight and the welcome page.
    // The hidden workspace panels are built and prepared after the first
    // paint, in steps in the load event's order (RunLoadStep).
    for (plat::Picture* p : {pic, pic1}) p->ScaleYUp();
    InitGlobals();
    shpTools->move(-200, 200);
    ShowWelcome();
    loadPending_ = true;
}

bool Form1::FinishLoad() {
    while (RunLoadStep()) {}
    return LoadFinished();
}

bool Form1::LoadFinished() const { return !loadPending_ && !loadStopped_; }

bool Form1::LoadStopped() const { return loadStopped_; }

bool Form1::RunLoadStep() {
    if (!loadPending_) return false;
    // The step is taken before it runs: one that fails is not run again.
    const int step = nextLoadStep_++;
    if (nextLoadStep_ == kLoadSteps) loadPending_ = false;
    // A step that stops, whatever stops it, stops the load: the steps after
    // it would use what it should have built.
    rt::ScopeGuard stop([this] { StopLoad(); });
    const Workspaces& s = services_;
    switch (step) {
    case 0: {
        // Widgets created from now on under a visible parent stay hidden
        // unless shown; step 8 shows those not hidden on purpose, as showing
        // the form would have shown them had they existed then.
        const QList<QWidget*> existing = findChildren<QWidget*>();
        shownAtLoad_ = QSet<QWidget*>(existing.begin(), existing.end());
        BuildHiddenSharedControls();
        // Design-time state: no panel shows before the first choice.
        for (QWidget* w : std::initializer_list<QWidget*>{fraExpr, fraDirec, tabCalc, fraHelp}) w->hide();
        break;
    }
    case 1: s.direction->BuildPanels(*this); break;
    case 2: s.calculator->BuildPanels(*this); break;
    case 3: s.particle->BuildPanels(*this); break;
    case 4: s.rigid->BuildPanels(*this); break;
    case 5: s.motion->BuildPanels(*this); break;
    case 6: s.kinematics->BuildPanels(*this); break;
    case 7: s.help->BuildPanels(*this); break;
    case 8: FinishPanels(); break;
    case 9: PrepareLoadedPanels(); break;
    default: rt::Fault("Form1: no load step " + std::to_string(step));
    }
    rt::FaultPoint("load step");
    stop.Keep();
    return loadPending_;
}

void Form1::StopLoad() {
    loadPending_ = false;
    loadStopped_ = true;
    // The failure goes on to the guard, which reports it; then, once its
    // box is answered, the student is told the program cannot go on without
    // the rest of its load, and it ends.
    plat::AfterOpenBoxes(this, [this] {
        plat::Guarded([this] {
            plat::MsgBox(kLoadStoppedText, plat::MsgButtons::OK, plat::kAppTitle);
            QuitProgram();
        });
    });
}

void Form1::FinishPanels() {
    CheckSlots();
    for (QWidget* w : std::initializer_list<QWidget*>{panels.picBar, panels.fraCalc, panels.fraUnits, panels.tabStat,
                                                      panels.fraEstp, panels.fraTable, panels.tabMrua, panels.fraKinem})
        w->hide();
    panels.picRuts->hide();
    if (isVisible()) {
        for (QWidget* w : findChildren<QWidget*>()) {
            if (shownAtLoad_.contains(w) || w->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
            if (w->parentWidget() && w->parentWidget()->isVisible()) w->show();
        }
    }
    shownAtLoad_.clear();
    fraHelp->raise();
    shpTools->raise();
}

void Form1::PrepareLoadedPanels() {
    for (plat::Picture* p : {panels.picOpt, panels.picArgs, panels.picArgs1, panels.picArgs2}) p->ScaleYUp();
    panels.gd->SetRow(1);
    panels.gd->SetCol(1);

    services_.calculator->ArrangeGd();
    services_.rigid->ArrangeGd1();
    services_.particle->ArrangeGdEqui();

    panels.picClock->SetBackColor(rt::kButtonFace);
    services_.direction->DrawClock(false);

    services_.help->LoadCalcHelp();
    services_.calculator->FillTeclas();
    services_.motion->ArrangeGd2(960, kRectilinearWorkspace);
    services_.motion->InitMruaEqnLinePositions();

    panels.picArgs->SetBackColor(0xE0FFFF);
    rtbHold->move(-200, rtbHold->y());
    tabCalc->SetTab(0);

    panels.picBar->Move(408, 40, 389, 63);
    panels.picBar->ScaleYUp();
    panels.fraUnits->setGeometry(408, 156, 329, 45);
    panels.fraCalc->setGeometry(408, 161, 389, 234);
    PlaceTabCalc(1);
    PlacefraDirec(0);
    panels.tabStat->setGeometry(408, 38, 391, 475);
    panels.fraEstp->setGeometry(408, 168, 391, 345);
    panels.fraTable->setGeometry(2, 394, 795, 183);
    panels.tabMrua->setGeometry(408, 274, 391, 118);
    panels.fraKinem->setGeometry(408, 71, 391, 269);
    fraHelp->setGeometry(6, 4, 397, 385);

    panels.tabMrua->SetTab(0);
    panels.tabStat->SetTab(0);
}

void Form1::ShowWelcome() {
    if (!ShowStoredWelcome(*pic, Shared())) DrawWelcome(*pic, Shared());
    WelcomeShown = true;
}

// ---- toolbar

void Form1::Image1_MouseDown(int, int, double x, double) {
    if (!FinishLoad()) return;  // a stopped load: the program is ending
    const int n = ToolbarButtonAt(x);
    if (n < 1 || n > kToolbarButtons) return;
    if (!MayShowWorkspace(n - 1)) return;  // the highlight stays where it was
    shpTools->move(shpTools->x(), 0);
    const WorkspaceId before = Shared().WorkspaceMode;
    ShowWorkspace(n - 1);
    // The highlight follows the workspace only when it was switched.
    if (n <= 6 && (Shared().WorkspaceMode != before || before == WorkspaceOfIndex(n - 1))) {
        const ToolbarButton& b = kToolbarButtonTable[n - 1];
        shpTools->move(Image1->x() + b.highlightOffset, 0);
        shpTools->SetBorderColor(b.highlightColor);
    }
}

void Form1::Image1_MouseMove(int, int, double x, double) { Image1->setToolTip(ToolbarTooltip(ToolbarButtonAt(x))); }

void Form1::RenderToolbar() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == toolbarRatio_) return;
    toolbarRatio_ = ratio;
    const QPixmap pm = ToolbarPixmap(ratio);
    Image1->SetPicture(pm);
}

bool Form1::event(QEvent* e) {
    // A move to a screen of another pixel density draws the toolbar again.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show) RenderToolbar();
    // The first paint of the loaded form starts the rest of the load event
    // behind it, one step per turn of the event loop.
    if (e->type() == QEvent::Paint && loadPending_ && !finishQueued_) {
        finishQueued_ = true;
        QueueLoadStep();
    }
    return QWidget::event(e);
}

void Form1::QueueLoadStep() {
    // A queued call runs in the loop's next turn, after the input that came
    // in meanwhile: the window answers between steps. Every step lays out
    // text, so while the font database is still being read the loop goes on
    // taking input and the steps start once it has been. Run from the event
    // loop like any handler, so through the guard.
    plat::WhenFontDatabaseReady(this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                bool more = false;
                plat::Guarded([&] { more = RunLoadStep(); });
                if (more) QueueLoadStep();
            },
            Qt::QueuedConnection);
    });
}

// ---- workspace switch

bool Form1::HoldsWork() const {
    // Before the panels are built nothing can have been entered.
    if (!LoadFinished() || !rtbReg) return false;
    const Workspaces& s = services_;
    return s.calculator->HasProblem() || s.particle->HasProblem() || s.rigid->HasProblem() || s.motion->HasProblem() ||
           s.kinematics->HasProblem() || !rtbReg->Text().trimmed().isEmpty() || !txtNotes->Text().trimmed().isEmpty();
}

bool Form1::QuitProgram() {
    if (quitting_) return true;
    // Nothing is kept between runs: with work on the screen the student
    // confirms first, and Enter answers No.
    if (HoldsWork() && plat::MsgBox(kQuitQuestion, plat::MsgButtons::YesNo, plat::kAppTitle, plat::MsgResult::No) !=
                           plat::MsgResult::Yes)
        return false;
    quitting_ = true;
    services_.results->Unload();
    close();
    if (EndProgram) EndProgram();
    return true;
}

void Form1::closeEvent(QCloseEvent* e) {
    bool quit = false;
    // Guarded: an exception must not cross Qt's event loop; a failure
    // leaves the window open.
    plat::Guarded([&] { quit = QuitProgram(); });
    if (quit)
        e->accept();
    else
        e->ignore();
}

bool Form1::MayShowWorkspace(int index) {
    if (index != 3 && index != 4) return true;
    if (motionTable_ < 0 || motionTable_ == index) return true;
    if (services_.motion->HasProblem() && !services_.motion->ConfirmNewProblem()) return false;
    motionTable_ = -1;  // agreed: the other kind of table starts afresh
    return true;
}

void Form1::ShowWorkspace(int index) {
    if (!FinishLoad()) return;
    if (!MayShowWorkspace(index)) return;
    if (index == 8) {
        QuitProgram();
        return;
    }
    if (index == 6) {
        ClearWelcome();
        services_.results->Show();
        return;
    }
    SharedState& g = Shared();
    const bool welcome = WelcomeShown;
    ClearWelcome();
    const bool chosen = index >= 0 && index <= 5;  // a workspace, not the help
    if (index == 7) {
        fraHelp->show();
        fraHelp->raise();
        if (g.WorkspaceMode == kNoWorkspace) {
            cmdHelpCtrl[0]->Press();
            rtbHelp->SetSelStart(0);
            rtbHelp->SetFocus();
            return;
        }
        cboHelp->SetListIndex(0);
        rtbHelp->SetSelStart(0);
        rtbHelp->SetFocus();
        index = LastWorkspaceIndex;
    }
    if (index < 0 || index > 5) return;
    const WorkspaceId shownMode = g.WorkspaceMode;
    const int shownIndex = LastWorkspaceIndex;
    try {
        // A set-up that stops, whatever stops it, is not switched to: the
        // student keeps what was shown, before any message. The undo runs
        // while the failure is on its way, so its own run-time error is let
        // pass (a second fault of the program there ends the program).
        rt::ScopeGuard keep([&] {
            rt::IgnoreError(
                "the switch failed already: a failure to show the previous workspace again is not reported over it",
                [&] { KeepShownWorkspace(shownMode, shownIndex, welcome); });
        });
        if (chosen) {
            g.WorkspaceMode = WorkspaceOfIndex(index);
            services_.help->FillHelpCbo(g.WorkspaceMode);
        }
        SetupWorkspace(index);
        rt::FaultPoint("workspace switch");
        keep.Keep();
    } catch (const rt::RuntimeError& e) {
        // The student is told the choice failed.
        plat::ReportFailedInstruction(e);
    }
}

void Form1::ClearWelcome() {
    if (!WelcomeShown) return;
    pic->Cls();
    WelcomeShown = false;
}

void Form1::KeepShownWorkspace(WorkspaceId mode, int index, bool welcome) {
    SharedState& g = Shared();
    if (g.WorkspaceMode == mode) return;  // nothing was switched yet
    g.WorkspaceMode = mode;
    if (mode == kNoWorkspace) {
        LastWorkspaceIndex = index;
        SetWorkspacePanels(-1);
        fraExpr->hide();
        tabCalc->hide();
        if (welcome) ShowWelcome();
        return;
    }
    // The workspace shown before was started: set up again it keeps its work.
    services_.help->FillHelpCbo(mode);
    SetupWorkspace(index);
}

void Form1::SetWorkspacePanels(int index) {
    const bool calc = index == 0, particle = index == 1, rigid = index == 2;
    const bool motion = index == 3 || index == 4, kinem = index == 5;
    panels.picBar->setVisible(calc || kinem);
    fraExpr->setVisible(true);
    panels.fraCalc->setVisible(calc);
    tabCalc->setVisible(true);
    fraDirec->setVisible(particle);
    panels.fraEstp->setVisible(particle);
    panels.tabStat->setVisible(rigid);
    panels.fraTable->setVisible(motion);
    panels.tabMrua->setVisible(motion);
    panels.fraKinem->setVisible(kinem);
    panels.fraUnits->hide();
}

void Form1::SetFrameColours(rt::ColorRef light, rt::ColorRef dark) {
    shpBorder->SetBorderColor(light);
    shpBorder->SetFillColor(dark);
}

void Form1::DrawBarIcons(int index, bool again) {
    plat::Picture& bar = *panels.picBar;
    bar.Cls();
    if (index != 0 && index != 5) return;
    const double from = index == 0 ? 280 : 94;
    bar.FilledBox(from, 63, from + 400, 63 - 30, rt::kButtonFace);
    if (index == 0)
        bar.BlockCopy(0, 0, 249, 31, *panels.picRuts, 0, 0, plat::RasterOp::And);
    else
        bar.BlockCopy(0, 0, 94, 31, *panels.picRuts, 124, 120, plat::RasterOp::And);
    if (again)
        services_.calculator->RestoreBar();
    else
        services_.calculator->ChooseBarGroup(1);
}

void Form1::LoadProcPictures(const QString& fileName) {
    const QPixmap pm = ProcPicturesByName(fileName, devicePixelRatioF());
    if (pm.isNull()) rt::Raise(rt::ErrorCode::InvalidCall);
    panels.imgProcs->SetPicture(pm);
}

void Form1::SetupWorkspace(int index) {
    SharedState& g = Shared();
    MotionServices& motion = *services_.motion;
    const WorkspaceLook& look = kLooks[index];
    // A workspace already started keeps what the user did there: only its
    // first visit (and a motion table of the other kind) starts it afresh.
    const bool again = started_[static_cast<size_t>(index)] && ((index != 3 && index != 4) || motionTable_ == index);

    txtArgHelp->SetText(QString());
    rtbCalc->SetText(QString());
    SetWorkspacePanels(index);
    DrawBarIcons(index, again);

    SetFrameColours(look.light, look.dark);
    switch (index) {
    case 0:
        motion.ShowPic1(false);
        PlaceTabCalc(0);
        tabCalc->SetCaptionColor(look.caption);
        panels.lblVorF->SetForeColor(look.caption);
        PlaceFraExpr(0);
        PlacefraDirec(1);
        // The vector procedures enter directions on the frame, whatever
        // state particle statics left it in.
        fraDirec->setEnabled(true);
        break;
    case 1:
        motion.ShowPic1(true);
        PlaceTabCalc(1);
        tabCalc->show();
        tabCalc->SetCaptionColor(look.caption);
        panels.lblVorF->SetForeColor(look.caption);
        PlaceFraExpr(1);
        fraExpr->show();
        PlacefraDirec(0);
        fraDirec->setEnabled(services_.particle->TakesForces());
        if (!again) panels.txtVector->SetText(QString());
        break;
    case 2:
        if (!again) panels.tabStat->SetTab(0);
        motion.ShowPic1(true);
        PlaceTabCalc(1);
        tabCalc->show();
        tabCalc->SetCaptionColor(look.caption);
        PlaceFraExpr(1);
        fraExpr->show();
        if (!again) {
            services_.rigid->RestoreDCLCtrls();
            panels.txtSegm0->SetFocus();
        }
        break;
    case 3:
    case 4: {
        const WorkspaceId mode = WorkspaceOfIndex(index);
        motion.ShowPic1(true);
        PlaceTabCalc(2);
        tabCalc->SetCaptionColor(look.caption);
        panels.tabMrua->SetCaptionColor(look.caption);
        if (!again) {
            motionTable_ = -1;
            motion.AdaptCtrls(mode);
            motion.FillMruaCbo(mode);
        }
        PlaceFraExpr(3);
        if (!again) panels.cmdTable0->SetValue(true);
        if (index == 3) g.WorkspaceMode = kRectilinearWorkspace;
        LoadProcPictures(index == 3 ? QStringLiteral("\\procs.bmp") : QStringLiteral("\\procs1.bmp"));
        if (!again) {
            motion.ChoosePicture(1);
            motionTable_ = index;
        }
        fraExpr->show();
        break;
    }
    case 5:
        tabCalc->SetCaptionColor(look.caption);
        motion.ShowPic1(true);
        PlaceTabCalc(0);
        PlaceFraExpr(2);
        break;
    }
    rtbCalc->SetText(QString());
    tabCalc->SetTab(0);
    LastWorkspaceIndex = index;
    started_[static_cast<size_t>(index)] = true;
}

// ---- placements

void Form1::PlaceTabCalc(int mode) {
    for (plat::RichPane* p : {rtbCalc, rtbReg, txtArgHelp, txtNotes}) plat::SetHeightTwips(p, 2115);
    switch (mode) {
    case 0: tabCalc->setGeometry(408, 396, 391, 177); break;
    case 1: tabCalc->setGeometry(6, 394, 391, 177); break;
    default: tabCalc->setGeometry(408, 38, 391, 177); break;
    }
}

void Form1::PlaceFraExpr(int mode) {
    const int top = mode == 0 ? 106 : mode == 1 ? 516 : mode == 2 ? 340 : 218;
    fraExpr->setGeometry(408, top, 389, 51);
}

void Form1::PlacefraDirec(int mode) {
    if (mode == 0) {
        fraDirec->setGeometry(408, 38, 391, 127);
        panels.lblRotAngle->show();
        panels.cmdRotangle->show();
        panels.lblFmts->hide();
    } else if (mode == 1) {
        fraDirec->setGeometry(2, 394, 403, 181);
        panels.lblRotAngle->hide();
        panels.cmdRotangle->hide();
        panels.lblFmts->show();
    }
}

double Form1::GetRotAngle() const {
    const QString caption = panels.cmdRotangle->Caption();
    return rt::Variant(caption.mid(4, caption.size() - 5).toStdString()).ToNumber();
}

}  // namespace shell
