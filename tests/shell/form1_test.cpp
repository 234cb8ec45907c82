// The main window: start-up, the toolbar and the workspace switch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QPixmap>
#include <QResource>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "motion/state.h"
#include "numerics/expression.h"
#include "platform/buttons.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "shell/toolbar.h"
#include "shell/welcome.h"
#include "support/fault_point.h"
#include "support/form1_fixture.h"
#include "support/grab.h"
#include "support/reset_state.h"
#include "text/globals.h"
#include "text/resultformat.h"

namespace {

using testsupport::Form1Test;

QRect Geo(const QWidget* w) { return w->geometry(); }

// The text primitives drawn on a picture, by text.
const plat::DrawnPrimitive* DrawnText(const plat::Picture& p, const QString& text) {
    for (const auto& d : p.Drawn())
        if (d.kind == plat::DrawnPrimitive::Kind::Text && d.text == text) return &d;
    return nullptr;
}

TEST_F(Form1Test, StartUpRunsTheServicesInOrder) {
    const std::vector<std::string> expected = {
        "ArrangeGd",    "ArrangeGd1", "ArrangeGdEqui",     "DrawClock(0)",
        "LoadCalcHelp", "FillTeclas", "ArrangeGd2(960,4)", "InitMruaEqnLinePositions"};
    EXPECT_EQ(Calls(), expected);
    EXPECT_EQ(motion::State().LinePos[8].Y, 340 - 18 * 7);
    // The grids as the start-up leaves them.
    auto* gd = Find<plat::FlexGrid>("gd");
    EXPECT_EQ(gd->TextMatrix(0, 0), QStringLiteral("#"));
    EXPECT_EQ(gd->TextMatrix(20, 0), QStringLiteral("20"));
    EXPECT_EQ(gd->TextMatrix(0, 21), QStringLiteral("21"));
    EXPECT_EQ(gd->ColWidth(0), 330);
    EXPECT_EQ(gd->ColWidth(5), 1260);
    auto* gd1 = Find<plat::FlexGrid>("gd1");
    EXPECT_EQ(gd1->Cols(), 7);
    EXPECT_EQ(gd1->TextMatrix(0, 3), QStringLiteral("Fuerza[:][/Par]"));
    EXPECT_EQ(gd1->ColWidth(3), 1425);
    auto* gdEqui = Find<plat::FlexGrid>("gdEqui");
    EXPECT_EQ(gdEqui->TextMatrix(0, 0), QStringLiteral("  #"));
    EXPECT_EQ(gdEqui->ColWidth(1), 1655);
    auto* gd2 = Find<plat::FlexGrid>("Gd2");
    EXPECT_EQ(gd2->Rows(), 3);
    EXPECT_EQ(gd2->TextMatrix(2, 0), QStringLiteral(" v"));
    EXPECT_EQ(gd2->ColWidth(9), 945);
    EXPECT_EQ(plat::WidthTwips(gd2), 9045);
}

// The window as a list: every control of the program (creation order; Qt's
// own unnamed parts left out) with its class, name, visibility within the
// form and geometry, then the stacking order of the form's own children.
std::vector<std::string> Layout(const shell::Form1& form) {
    std::vector<std::string> out;
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        out.push_back(QStringLiteral("%1 %2 %3 %4,%5 %6x%7")
                          .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                          .arg(w->isVisibleTo(&form))
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .toStdString());
    }
    for (const QObject* o : form.children())
        if (o->isWidgetType()) out.push_back("z " + o->objectName().toStdString());
    return out;
}

TEST(DeferredStartUp, FirstPaintComesBeforeThePanelsAndTheRestMatchesALoadDoneAtOnce) {
    // At once: the whole load before the window is shown, as it used to be.
    plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
    testsupport::CallLog atOnceLog;
    shell::Form1 atOnce(testsupport::RecordingServices(atOnceLog));
    atOnce.Form_Load();
    atOnce.FinishLoad();
    atOnce.show();
    const std::vector<std::string> atOnceLayout = Layout(atOnce);
    const QImage atOnceWelcome = atOnce.pic->Image();
    atOnce.hide();

    // Deferred: shown and left to the event loop.
    testsupport::CallLog log;
    shell::Form1 form(testsupport::RecordingServices(log));
    struct FirstPaint : QObject {
        shell::Form1* form = nullptr;
        int paints = 0;
        bool panelsAtFirstPaint = true;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == form &&
                paints++ == 0)
                panelsAtFirstPaint = form->findChild<QWidget*>(QStringLiteral("gd")) != nullptr;
            return false;
        }
    } watch;
    watch.form = &form;
    qApp->installEventFilter(&watch);
    form.Form_Load();
    EXPECT_TRUE(log.calls.empty());
    form.show();
    // The rest of the load runs in steps, one per turn of the loop: what
    // comes in after a step (here a queued call standing for input) is
    // taken before the next, and meanwhile the window shows only what its
    // first paint showed.
    const auto shown = [&form] {
        std::vector<std::string> names;
        for (const QWidget* w : form.findChildren<QWidget*>())
            if (w->isVisible() && !w->objectName().isEmpty()) names.push_back(w->objectName().toStdString());
        return names;
    };
    std::vector<std::string> shownAtFirstPaint;
    bool inputPosted = false, inputTakenWhileLoading = false;
    for (int i = 0; i < 200 && !form.LoadFinished(); ++i) {
        QApplication::processEvents();
        if (watch.paints == 0) continue;
        if (shownAtFirstPaint.empty()) shownAtFirstPaint = shown();
        EXPECT_EQ(shown(), shownAtFirstPaint) << "turn " << i;
        if (!inputPosted && form.tabCalc) {
            inputPosted = true;
            QMetaObject::invokeMethod(
                &form, [&] { inputTakenWhileLoading = !form.LoadFinished(); }, Qt::QueuedConnection);
        }
    }
    qApp->removeEventFilter(&watch);
    EXPECT_GT(watch.paints, 0);
    EXPECT_FALSE(watch.panelsAtFirstPaint);
    ASSERT_TRUE(form.LoadFinished()) << "the load never finished";
    EXPECT_TRUE(inputTakenWhileLoading);
    EXPECT_EQ(shown(), shownAtFirstPaint);

    EXPECT_EQ(log.calls, atOnceLog.calls);
    const std::vector<std::string> layout = Layout(form);
    ASSERT_EQ(layout.size(), atOnceLayout.size());
    for (size_t i = 0; i < layout.size(); ++i) EXPECT_EQ(layout[i], atOnceLayout[i]);
    EXPECT_EQ(form.pic->Image(), atOnceWelcome);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 0);

    // Finishing again changes nothing; a workspace then works as usual.
    form.FinishLoad();
    EXPECT_EQ(log.calls, atOnceLog.calls);
    form.ShowWorkspace(0);
    EXPECT_TRUE(form.panels.fraCalc->isVisible());
    plat::SetDataFolder(QString());
}

// The program's window left to the event loop until its load is under way:
// painted, some steps run, others still queued.
class InputDuringTheLoad : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetAllState();
        plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
        form_ = std::make_unique<shell::Form1>(testsupport::RecordingServices(log_));
        form_->EndProgram = [this] { ++ended_; };
        form_->Form_Load();
        form_->show();
        for (int i = 0; i < 200 && !form_->panels.gd; ++i) QApplication::processEvents();
        ASSERT_TRUE(form_->panels.gd) << "the load never started";
        ASSERT_FALSE(form_->LoadFinished()) << "no step left to come after the input";
    }
    void TearDown() override {
        form_.reset();
        plat::SetDataFolder(QString());
    }
    // The turns of the loop that the rest of the load would take.
    static void RunTheLoop() {
        for (int i = 0; i < 50; ++i) QApplication::processEvents();
    }

    testsupport::DialogScript dialogs;  // any box fails the test
    testsupport::CallLog log_;
    std::unique_ptr<shell::Form1> form_;
    int ended_ = 0;
};

// A click on the toolbar finishes the load at once and switches; the steps
// still queued then change nothing, and the workspace works.
TEST_F(InputDuringTheLoad, AToolbarClickFinishesTheLoadAndSwitches) {
    shell::Form1& form = *form_;
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(18, 13));  // the calculator's button
    EXPECT_TRUE(form.LoadFinished());
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kCalculatorWorkspace);
    const std::vector<std::string> calls = log_.calls;
    RunTheLoop();
    EXPECT_EQ(log_.calls, calls);
    for (const char* once : {"ArrangeGd", "FillTeclas", "InitMruaEqnLinePositions"})
        EXPECT_EQ(std::count(calls.begin(), calls.end(), once), 1) << once;
    EXPECT_TRUE(form.panels.fraCalc->isVisible());
    EXPECT_TRUE(form.panels.picBar->isVisible());
    EXPECT_FALSE(form.WelcomeShown);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(18 + 37 * 3, 13));  // rectilinear motion
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kRectilinearWorkspace);
    EXPECT_TRUE(form.panels.fraTable->isVisible());
    EXPECT_FALSE(form.panels.fraCalc->isVisible());
}

// A close ends the program without a question: nothing can have been
// entered yet. The steps still queued run on the closed window without a
// fault.
TEST_F(InputDuringTheLoad, ACloseEndsTheProgramWithoutAQuestion) {
    EXPECT_TRUE(form_->close());
    EXPECT_EQ(ended_, 1);
    EXPECT_FALSE(form_->isVisible());
    RunTheLoop();
    EXPECT_EQ(ended_, 1);
    EXPECT_TRUE(dialogs.Shown().empty());
}

// A step of the load that fails stops the load, whether the paint's queued
// steps or a toolbar press ran it: no later step runs on the panels it
// should have built, the fault is reported, then the student is told and
// the program ends; a press that comes meanwhile switches to nothing. The
// boxes come one after the other, though each turns the loop while open.
TEST(StoppedLoad, AFailedStepStopsTheLoadSaysSoAndEndsTheProgram) {
    for (const bool byPress : {false, true}) {
        testsupport::ResetAllState();
        plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
        testsupport::DialogScript dialogs;
        dialogs.TurnLoopWhileOpen();
        testsupport::CallLog log;
        testsupport::ArmedFaultPoint fault("load step");
        shell::Form1 form(testsupport::RecordingServices(log));
        int ended = 0;
        form.EndProgram = [&ended] { ++ended; };
        form.Form_Load();
        form.show();
        dialogs.Answer(plat::MsgResult::OK).Answer(plat::MsgResult::OK);
        if (byPress) {
            // The control layer runs the press through the guard.
            plat::Guarded([&] { form.Image1_MouseDown(1, 0, 270, 200); });
            EXPECT_EQ(dialogs.Shown().size(), 1u);
        }
        for (int i = 0; i < 200 && ended == 0; ++i) QApplication::processEvents();
        EXPECT_TRUE(form.LoadStopped()) << byPress;
        EXPECT_FALSE(form.LoadFinished());
        // No preparation of the load ran; the end unloaded the windows.
        EXPECT_EQ(log.calls, std::vector<std::string>{"Form2.Unload"});
        ASSERT_EQ(dialogs.Shown().size(), 2u) << byPress;
        EXPECT_EQ(dialogs.Shown()[0].prompt, QString::fromUtf8(plat::kInternalFault));
        EXPECT_EQ(dialogs.Shown()[1].prompt, shell::kLoadStoppedText);
        EXPECT_EQ(dialogs.Shown()[1].openBeneath, 0) << byPress;
        EXPECT_EQ(ended, 1);
        EXPECT_FALSE(form.isVisible());

        form.Image1_MouseDown(1, 0, 270, 200);
        form.ShowWorkspace(3);
        EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kNoWorkspace);
        EXPECT_FALSE(form.FinishLoad());
        plat::SetDataFolder(QString());
    }
}

TEST_F(Form1Test, StartUpSetsTheSharedDefaults) {
    const shell::SharedState& g = shell::Shared();
    EXPECT_EQ(text::G().Decimals, 3);
    EXPECT_EQ(shell::DrawEng().DrawScale, 24);
    EXPECT_EQ(shell::DrawEng().DirHour, 3);
    EXPECT_EQ(shell::DrawEng().DirAlpha, 0);
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
    EXPECT_TRUE(g.ExprHotKeys && g.ExprInfix);
    EXPECT_EQ(g.GridColsPerView, 5);
    EXPECT_EQ(g.ClockMarkedHour, 3);
    EXPECT_EQ(g.WorkspaceMode, 0);
    EXPECT_EQ(g.ProcedureGroup, 0);
    EXPECT_EQ(g.ProcedureCode, 0);
    EXPECT_EQ(g.KinemLaw, 0);
    // The plot square of side 301 sits at (48, 42) of the 397 x 385 pictures.
    EXPECT_EQ(g.PicWidth, 397);
    EXPECT_EQ(g.PicHeight, 385);
    EXPECT_EQ(g.PlotSide, 301);
    EXPECT_EQ(g.PlotLeft, 48);
    EXPECT_EQ(g.PlotBottom, 42);
    for (const shell::GridBlock& b : {g.Selection, g.SavedSelection})
        for (uint8_t v : {b.TopRow, b.BottomRow, b.LeftCol, b.RightCol, b.RowCount, b.ColCount}) EXPECT_EQ(v, 1);
    EXPECT_EQ(g.ResultColors, (std::array<rt::ColorRef, 4>{0xE0E0E0, 0xC00000, 0x00C000, 0x0000C0}));
    EXPECT_EQ(g.CurveColors[1][3], 0x0000C0u);
    EXPECT_EQ(g.CurveColors[2][1], 0xC000C0u);
    EXPECT_EQ(g.CurveColors[2][2], 0u);
    EXPECT_EQ(g.PositionSymbols[1][3], "x''");
    EXPECT_EQ(g.PositionSymbols[2][1], "X");
    EXPECT_EQ(g.PositionSymbols[2][2], "");  // body 2 has one segment
    EXPECT_EQ(g.PositionSymbols[2][3], "");
    EXPECT_EQ(g.VelocitySymbols[1][2], "v'");
    EXPECT_EQ(g.AccelSymbols[2][1], "A");
    EXPECT_EQ(g.ParabVxSymbols[2], "V!x");
    EXPECT_EQ(g.ParabVySymbols[1], "v!y");
    EXPECT_EQ(g.ParabYSymbols[2], "Y");
    // What the defaults mean to the formatters and the formula engine.
    EXPECT_EQ(text::FormatNum(rt::Variant(2.34567)), rt::Variant(2.346));
    EXPECT_NEAR(num::CExpression("SEN(30)").Value({}).ToNumber(), 0.5, 1e-12);
    auto* gd = Find<plat::FlexGrid>("gd");
    EXPECT_EQ(gd->Row(), 1);
    EXPECT_EQ(gd->Col(), 1);
}

TEST_F(Form1Test, StartUpGivesThePicturesYUpScales) {
    for (const char* name : {"pic", "pic1", "picOpt", "picArgs", "picArgs1", "picArgs2", "picBar"}) {
        auto* p = Find<plat::Picture>(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(p->ScaleLeft(), 0) << name;
        EXPECT_EQ(p->ScaleTop(), p->height()) << name;
        EXPECT_EQ(p->ScaleHeight(), -p->height()) << name;
        EXPECT_EQ(p->ScaleWidth(), p->width()) << name;
    }
    EXPECT_EQ(Find<plat::Picture>("picBar")->ScaleTop(), 63);
    EXPECT_EQ(Find<plat::Picture>("picArgs")->BackColor(), 0xE0FFFFu);
    EXPECT_EQ(Find<plat::Picture>("picClock")->BackColor(), rt::kButtonFace);
}

TEST_F(Form1Test, StartUpPlacesThePanels) {
    const struct {
        const char* name;
        QRect rect;
    } rows[] = {
        {"picBar", {408, 40, 389, 63}},    {"fraUnits", {408, 156, 329, 45}}, {"fraCalc", {408, 161, 389, 234}},
        {"tabStat", {408, 38, 391, 475}},  {"fraEstp", {408, 168, 391, 345}}, {"fraTable", {2, 394, 795, 183}},
        {"tabMrua", {408, 274, 391, 118}}, {"fraKinem", {408, 71, 391, 269}}, {"tabCalc", {6, 394, 391, 177}},
        {"fraDirec", {408, 38, 391, 127}},
    };
    for (const auto& r : rows) {
        QWidget* w = Find<QWidget>(r.name);
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(Geo(w), r.rect) << r.name;
    }
    // The help panel lies exactly over the drawing area.
    EXPECT_EQ(Geo(form().fraHelp), Geo(form().pic));
    EXPECT_EQ(Geo(form().pic), QRect(6, 4, 397, 385));
    EXPECT_EQ(form().rtbHold->x(), -200);
    EXPECT_EQ(form().shpTools->pos(), QPoint(-200, 200));
    EXPECT_EQ(form().tabCalc->Tab(), 0);
    EXPECT_EQ(Find<plat::TabStrip>("tabMrua")->Tab(), 0);
    EXPECT_EQ(Find<plat::TabStrip>("tabStat")->Tab(), 0);
    // No workspace is shown before the first choice.
    for (const char* name : {"picBar", "fraCalc", "tabStat", "fraEstp", "fraTable", "tabMrua", "fraKinem", "fraExpr",
                             "fraDirec", "fraHelp", "fraUnits"})
        EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
}

// The welcome page drawn on a picture like the start-up one.
struct DrawnWelcome {
    plat::Picture pic{QStringLiteral("pic")};
    DrawnWelcome() {
        pic.Move(0, 0, 397, 385);
        pic.ScaleYUp();
        shell::SharedState st;
        st.PicWidth = 397;
        st.PicHeight = 385;
        shell::DrawWelcome(pic, st);
    }
};

TEST(WelcomePage, IsCentredAndLeavesThePictureBlackAtSize10) {
    DrawnWelcome w;
    plat::Picture& pic = w.pic;
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    EXPECT_EQ(pic.FontSize(), 10);
    for (const auto& [text, fromTop, size] :
         {std::tuple{"BIENVENIDO AL PROGRAMA", 40.0, 14.0}, std::tuple{"TELUVAR", 70.0, 20.0}}) {
        const auto* d = DrawnText(pic, QString::fromUtf8(text));
        ASSERT_NE(d, nullptr) << text;
        EXPECT_EQ(d->fontSize, size);
        pic.SetFontSize(size);
        const double width = std::abs(pic.TextWidth(d->text));
        EXPECT_NEAR(d->points[0].x(), (397 - width) / 2, 1e-9) << text;
        EXPECT_EQ(d->points[0].y(), 385 - fromTop) << text;
    }
    const auto* last = DrawnText(pic, QStringLiteral("Salir del programa"));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->points[0], QPointF(105, 240 - 17 * 9));
    EXPECT_EQ(last->color, 0x000080u);
    EXPECT_EQ(DrawnText(pic, QStringLiteral("Equilibrio de la partícula"))->color, 0x008080u);
    EXPECT_NE(DrawnText(pic, QStringLiteral("Barra de herramientas")), nullptr);
    // Arrow from (362, 368) towards +x, then 111 down and 104 left.
    bool down = false, left = false;
    for (const auto& d : pic.Drawn()) {
        if (d.kind != plat::DrawnPrimitive::Kind::Line) continue;
        down |= d.points[1] - d.points[0] == QPointF(0, -111);
        left |= d.points[1] - d.points[0] == QPointF(-104, 0);
    }
    EXPECT_TRUE(down);
    EXPECT_TRUE(left);
}

// The program starts on the page the build stored: the one drawn, pixel for
// pixel, and the picture is left as the drawing leaves it. Any other
// picture gets the page drawn.
TEST_F(Form1Test, StartsOnTheStoredWelcomePage) {
    ASSERT_TRUE(QResource(QLatin1String(shell::kWelcomeArt)).isValid());
    plat::Picture& pic = *form().pic;
    EXPECT_TRUE(form().WelcomeShown);
    EXPECT_TRUE(pic.isVisible());
    ASSERT_EQ(pic.Drawn().size(), 1u);
    EXPECT_EQ(pic.Drawn()[0].kind, plat::DrawnPrimitive::Kind::BlockCopy);
    EXPECT_EQ(pic.Drawn()[0].text, QStringLiteral("welcome"));
    EXPECT_EQ(pic.Image(), DrawnWelcome().pic.Image());
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    EXPECT_EQ(pic.FontSize(), 10);

    shell::SharedState st = shell::Shared();
    plat::Picture other(QStringLiteral("other"));
    other.Move(0, 0, 397, 385);
    other.ScaleYUp();
    other.SetBackColor(0xE0FFFF);
    EXPECT_FALSE(shell::ShowStoredWelcome(other, st));
    other.SetBackColor(rt::kWhite);
    st.PicWidth = 300;
    EXPECT_FALSE(shell::ShowStoredWelcome(other, st));
    EXPECT_TRUE(other.Drawn().empty());
}

// ---- the switch, workspace by workspace

struct WorkspaceCase {
    int button;
    int mode;
    std::vector<const char*> shown;
    QRect tabCalc;
    int exprTop;
    rt::ColorRef light, dark, caption;
    bool pic1;  // the picture showing once the switch is over
    std::vector<std::string> firstTool;
};

const char* const kPanels[] = {"picBar",  "fraExpr", "fraCalc",  "tabCalc", "fraDirec",
                               "fraEstp", "tabStat", "fraTable", "tabMrua", "fraKinem"};

const WorkspaceCase kCases[] = {
    {1,
     1,
     {"picBar", "fraExpr", "fraCalc", "tabCalc"},
     {408, 396, 391, 177},
     106,
     0x00C000,
     0x008000,
     0x008000,
     false,
     {"ChooseBarGroup(1)", "ShowPic1(0)"}},
    {2,
     2,
     {"fraExpr", "fraDirec", "fraEstp", "tabCalc"},
     {6, 394, 391, 177},
     516,
     0x00FFFF,
     0x00C0C0,
     0x008080,
     true,
     {"ShowPic1(1)"}},
    {3,
     3,
     {"fraExpr", "tabStat", "tabCalc"},
     {6, 394, 391, 177},
     516,
     0xC000C0,
     0x800080,
     0x800080,
     true,
     {"ShowPic1(1)", "RestoreDCLCtrls"}},
    // The switch shows pic1 first; the new rectilinear problem then shows the
    // (cleared) equations picture.
    {4,
     4,
     {"fraExpr", "tabCalc", "fraTable", "tabMrua"},
     {408, 38, 391, 177},
     218,
     0xFFFF00,
     0xC0C000,
     0xC00000,
     false,
     {"ShowPic1(1)", "AdaptCtrls(4)", "FillMruaCbo(4)", "cmdTable(0)", "ChoosePicture(1) mode 4"}},
    {5,
     5,
     {"fraExpr", "tabCalc", "fraTable", "tabMrua"},
     {408, 38, 391, 177},
     218,
     0x0080FF,
     0x0040C0,
     0x004080,
     true,
     {"ShowPic1(1)", "AdaptCtrls(5)", "FillMruaCbo(5)", "cmdTable(0)", "ChoosePicture(1) mode 5"}},
    {6,
     6,
     {"picBar", "fraExpr", "tabCalc", "fraKinem"},
     {408, 396, 391, 177},
     340,
     0xFF0000,
     0x800000,
     0x800000,
     true,
     {"ChooseBarGroup(1)", "ShowPic1(1)"}},
};

class WorkspaceSwitch : public Form1Test, public ::testing::WithParamInterface<WorkspaceCase> {};

TEST_P(WorkspaceSwitch, ShowsItsPanelsInItsColours) {
    const WorkspaceCase& c = GetParam();
    form().rtbCalc->SetText(QStringLiteral("old"));
    form().txtArgHelp->SetText(QStringLiteral("old"));
    ClearCalls();
    PressToolbar(c.button);

    EXPECT_EQ(shell::Shared().WorkspaceMode, c.mode);
    EXPECT_EQ(form().LastWorkspaceIndex, c.button - 1);
    for (const char* name : kPanels) {
        const bool expected = std::find_if(c.shown.begin(), c.shown.end(), [&](const char* s) {
                                  return QString::fromLatin1(s) == QLatin1String(name);
                              }) != c.shown.end();
        EXPECT_EQ(Find<QWidget>(name)->isVisible(), expected) << name;
    }
    EXPECT_FALSE(Find<QWidget>("fraUnits")->isVisible());
    EXPECT_EQ(Geo(form().tabCalc), c.tabCalc);
    EXPECT_EQ(Geo(form().fraExpr), QRect(408, c.exprTop, 389, 51));
    EXPECT_EQ(form().shpBorder->BorderColor(), c.light);
    EXPECT_EQ(form().shpBorder->FillColor(), c.dark);
    EXPECT_EQ(form().tabCalc->CaptionColor(), c.caption);
    EXPECT_EQ(form().pic1->isVisible(), c.pic1);
    EXPECT_EQ(form().pic->isVisible(), !c.pic1);
    EXPECT_EQ(form().tabCalc->Tab(), 0);
    EXPECT_TRUE(form().rtbCalc->Text().isEmpty());
    // Emptied; the calculator's bar then shows the first procedure's help.
    EXPECT_FALSE(form().txtArgHelp->Text().contains(QStringLiteral("old")));
    EXPECT_TRUE(Called("FillHelpCbo(" + std::to_string(c.mode) + ")"));
    // The first tool runs in the listed order, after the help topics.
    int last = CallIndex("FillHelpCbo(" + std::to_string(c.mode) + ")");
    for (const std::string& call : c.firstTool) {
        const bool ordered = call != "ShowPic1(0)" && call != "ShowPic1(1)";
        // A service may make the same call itself first (a new problem
        // presses cmdTable(0)): look for it after the previous tool.
        const int at = CallIndex(call, ordered ? last + 1 : 0);
        EXPECT_GT(at, -1) << call;
        if (ordered) last = at;
    }
    // The highlight stands on the button in the button's colour.
    const shell::ToolbarButton& b = shell::kToolbarButtonTable[c.button - 1];
    EXPECT_EQ(form().shpTools->pos(), QPoint(408 + b.highlightOffset, 0));
    EXPECT_EQ(form().shpTools->BorderColor(), b.highlightColor);
}

INSTANTIATE_TEST_SUITE_P(Buttons, WorkspaceSwitch, ::testing::ValuesIn(kCases));

TEST_F(Form1Test, EachWorkspaceStartsItsFirstTool) {
    PressToolbar(1);
    EXPECT_EQ(shell::Shared().ProcedureGroup, 1);                     // first group of the bar
    EXPECT_TRUE(Find<plat::Label>("lblFmts")->isVisible() == false);  // frame hidden with group 1
    EXPECT_EQ(Geo(form().fraDirec), QRect(2, 394, 403, 181));
    EXPECT_EQ(Find<plat::Label>("lblVorF")->ForeColor(), 0x008000u);

    Find<plat::TextBox>("txtVector")->SetText(QStringLiteral("p23x,12"));
    PressToolbar(2);
    EXPECT_TRUE(Find<plat::TextBox>("txtVector")->Text().isEmpty());
    EXPECT_EQ(Geo(form().fraDirec), QRect(408, 38, 391, 127));
    EXPECT_TRUE(Find<QWidget>("cmdRotangle")->isVisible());
    EXPECT_TRUE(Find<QWidget>("lblRotAngle")->isVisible());
    EXPECT_FALSE(Find<QWidget>("lblFmts")->isVisible());
    EXPECT_EQ(Find<plat::Label>("lblVorF")->ForeColor(), 0x008080u);

    Find<plat::TabStrip>("tabStat")->SetTab(2);
    Find<plat::TextBox>("txtBody(3)")->SetText(QStringLiteral("F"));
    PressToolbar(3);
    EXPECT_EQ(Find<plat::TabStrip>("tabStat")->Tab(), 0);
    EXPECT_TRUE(Find<plat::TextBox>("txtBody(3)")->Text().isEmpty());

    PressToolbar(4);  // the rectilinear procedure 40 sees mode 4
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::SetUpEquations);
    EXPECT_EQ(Find<plat::TabStrip>("tabMrua")->CaptionColor(), 0xC00000u);
    EXPECT_EQ(Find<plat::ComboBox>("cboProcs")->ListCount(), 13);
    EXPECT_EQ(Find<plat::Image>("imgProcs")->size(), QSize(180, 36));

    PressToolbar(5);
    EXPECT_EQ(motion::State().ParabActionMode, motion::ParabAction::SetUp);
    EXPECT_EQ(Find<plat::TabStrip>("tabMrua")->CaptionColor(), 0x004080u);
    EXPECT_EQ(Find<plat::FlexGrid>("Gd2")->Rows(), 5);

    PressToolbar(6);
    EXPECT_EQ(shell::Shared().KinemLaw, 11);  // law x(t)
}

TEST_F(Form1Test, ToolbarButtonFromTheClickPosition) {
    form().Image1_MouseDown(1, 0, 554, 100);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 1);
    form().Image1_MouseDown(1, 0, 555, 100);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 2);
    for (int n = 1; n <= 9; ++n) {
        form().Image1_MouseMove(0, 0, (n - 1) * 555.0 + 10, 100);
        EXPECT_EQ(form().Image1->toolTip(), shell::ToolbarTooltip(n));
    }
    EXPECT_EQ(shell::ToolbarTooltip(9), QStringLiteral("Salir del programa"));
}

TEST_F(Form1Test, FirstPressClearsTheWelcomePageOnly) {
    PressToolbar(2);  // a workspace that shows pic1: pic is cleared all the same
    EXPECT_FALSE(form().WelcomeShown);
    EXPECT_TRUE(form().pic->Drawn().empty());
    form().pic->Print(QStringLiteral("kept"));
    PressToolbar(1);
    EXPECT_NE(DrawnText(*form().pic, QStringLiteral("kept")), nullptr);
}

TEST_F(Form1Test, ResultsDialogHidesNothing) {
    PressToolbar(4);
    ClearCalls();
    PressToolbar(7);
    EXPECT_EQ(Calls(), std::vector<std::string>{"Form2.Show"});
    EXPECT_EQ(shell::Shared().WorkspaceMode, 4);
    EXPECT_TRUE(Find<QWidget>("fraTable")->isVisible());
    EXPECT_TRUE(Find<QWidget>("tabMrua")->isVisible());
    EXPECT_EQ(form().shpTools->x(), 408 + 110);  // the highlight stays
    bool shown = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown |= w->objectName() == QStringLiteral("Form2") && w->isVisible();
    EXPECT_TRUE(shown);
}

TEST_F(Form1Test, HelpWithNoWorkspaceShowsTheGeneralHelp) {
    ClearCalls();
    PressToolbar(8);
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls().front(), "cmdHelpCtrl(0)");
    for (const std::string& call : Calls())  // no workspace is set up
        EXPECT_TRUE(call == "cmdHelpCtrl(0)" || call.rfind("cboHelp", 0) == 0) << call;
    EXPECT_FALSE(form().rtbHelp->Text().isEmpty());
    EXPECT_TRUE(form().fraHelp->isVisible());
    EXPECT_FALSE(form().WelcomeShown);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 0);
    EXPECT_FALSE(form().tabCalc->isVisible());
    EXPECT_EQ(form().shpTools->pos(), QPoint(-200, 0));  // only its top moves
}

TEST_F(Form1Test, HelpInAWorkspaceShowsItsTopicsAndKeepsTheProblem) {
    // The help used to set the workspace up again, erasing the problem.
    PressToolbar(5);
    Find<plat::TabStrip>("tabMrua")->SetTab(1);
    ClearCalls();
    PressToolbar(8);
    EXPECT_TRUE(form().fraHelp->isVisible());
    EXPECT_TRUE(Called("cboHelp(0)"));
    EXPECT_EQ(Find<plat::ComboBox>("cboHelp")->List(0), QStringLiteral("Ayuda sobre Movimiento de tiro parabólico."));
    EXPECT_FALSE(Called("FillHelpCbo(5)"));
    EXPECT_FALSE(Called("AdaptCtrls(5)"));
    EXPECT_FALSE(Called("ChoosePicture(1) mode 5"));
    EXPECT_EQ(form().LastWorkspaceIndex, 4);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 5);
}

// Types into a control key by key, as the user does.
void Type(QWidget* w, const QString& text) {
    w->setFocus();
    QTest::keyClicks(w, text);
}

// A rectilinear problem in progress: a point in the table, an acceleration.
void StartRectProblem(plat::FlexGrid* gd2, plat::TextBox* accel) {
    gd2->SetRow(0);
    gd2->SetCol(1);
    Type(gd2, QStringLiteral("2"));
    ASSERT_EQ(gd2->TextMatrix(0, 1), QStringLiteral("2"));
    ASSERT_FALSE(accel->isHidden());
    Type(accel, QStringLiteral("3"));
    ASSERT_EQ(accel->Text(), QStringLiteral("3"));
}

TEST_F(Form1Test, AMotionProblemSurvivesVisitsAndTheHelp) {
    PressToolbar(4);
    auto* gd2 = Find<plat::FlexGrid>("Gd2");
    auto* accel = Find<plat::TextBox>("txtAccel(0)");
    StartRectProblem(gd2, accel);
    Find<plat::ComboBox>("cboProcs")->SetListIndex(3);
    const motion::RectProcedure code = motion::State().RectProcedureCode;
    // Another workspace in between, the own button again, the help: no
    // question and nothing erased.
    for (int button : {1, 4, 6, 4, 8, 2, 3, 4}) {
        PressToolbar(button);
        EXPECT_EQ(gd2->TextMatrix(0, 1), QStringLiteral("2")) << "after button " << button;
        EXPECT_EQ(accel->Text(), QStringLiteral("3")) << "after button " << button;
    }
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(Find<plat::ComboBox>("cboProcs")->ListIndex(), 3);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 4);
    EXPECT_EQ(motion::State().RectProcedureCode, code);
}

// A click on the procedure bar at (x, y) of its y-up scale, as the mouse
// makes it: the upper row is y 33 to 63, the lower row y 0 to 33.
void ClickBar(plat::Picture* bar, double x, double y) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ToDevice(x, y).toPoint());
}

TEST_F(Form1Test, TheCalculatorKeepsItsChosenProcedureOnAReturnVisit) {
    PressToolbar(1);
    auto* bar = Find<plat::Picture>("picBar");
    ClickBar(bar, 6 * 31 + 15, 45);  // group 7, the vector procedures
    ClickBar(bar, 2 * 31 + 15, 15);  // its third procedure
    const int code = shell::Shared().ProcedureCode;
    ASSERT_EQ(shell::Shared().ProcedureGroup, 7);
    ASSERT_TRUE(form().fraDirec->isVisible());
    const QPoint upper = Find<QWidget>("shpBar1")->pos(), lower = Find<QWidget>("shpBar2")->pos();
    // Rectilinear motion chooses its own procedure, kinematics its law; the
    // help and the particle workspace show the direction frame elsewhere.
    for (int button : {4, 1, 6, 1, 8, 1, 2, 1}) {
        PressToolbar(button);
        if (button != 1) continue;
        EXPECT_EQ(shell::Shared().ProcedureGroup, 7) << "back from button";
        EXPECT_EQ(shell::Shared().ProcedureCode, code);
        EXPECT_EQ(Find<QWidget>("shpBar1")->pos(), upper);
        EXPECT_EQ(Find<QWidget>("shpBar2")->pos(), lower);
        EXPECT_TRUE(form().fraDirec->isVisible());
    }
}

TEST_F(Form1Test, PlaneKinematicsKeepsItsLawAndBoxesOnAReturnVisit) {
    PressToolbar(6);
    auto* bar = Find<plat::Picture>("picBar");
    ClickBar(bar, 2 * 31 + 15, 45);  // law a(t)
    auto* law = Find<plat::RichPane>("txtKinem(0)");
    auto* t0 = Find<plat::TextBox>("txtT0(0)");
    Type(law, QStringLiteral("3"));
    Type(t0, QStringLiteral("1"));
    ASSERT_EQ(law->Text(), QStringLiteral("3"));
    const QPoint upper = Find<QWidget>("shpBar1")->pos();
    for (int button : {1, 6, 4, 6, 8, 2, 6}) {
        PressToolbar(button);
        if (button != 6) continue;
        EXPECT_EQ(shell::Shared().KinemLaw, 13);
        EXPECT_EQ(Find<plat::Label>("lblFunction(0)")->Caption(), QStringLiteral("a(t,x,v)="));
        EXPECT_EQ(law->Text(), QStringLiteral("3"));
        EXPECT_EQ(t0->Text(), QStringLiteral("1"));
        EXPECT_EQ(Find<QWidget>("shpBar1")->pos(), upper);
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(Form1Test, TheOtherMotionTableAsksBeforeErasing) {
    PressToolbar(4);
    auto* gd2 = Find<plat::FlexGrid>("Gd2");
    auto* accel = Find<plat::TextBox>("txtAccel(0)");
    StartRectProblem(gd2, accel);
    const QPoint highlight = form().shpTools->pos();

    // Refused, directly or through another workspace: nothing changes.
    dialogs.Answer(plat::MsgResult::No);
    PressToolbar(5);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, QStringLiteral("Se borrará todo. ¿Estás seguro?"));
    EXPECT_EQ(dialogs.Shown()[0].buttons, plat::MsgButtons::YesNo);
    EXPECT_EQ(dialogs.Shown()[0].defaultButton, plat::MsgResult::No);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 4);
    EXPECT_EQ(form().shpTools->pos(), highlight);
    EXPECT_EQ(gd2->TextMatrix(0, 1), QStringLiteral("2"));
    PressToolbar(1);
    dialogs.Answer(plat::MsgResult::No);
    PressToolbar(5);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 1);
    PressToolbar(4);
    EXPECT_EQ(accel->Text(), QStringLiteral("3"));

    // Agreed: the projectile workspace starts with an empty table.
    dialogs.Answer(plat::MsgResult::Yes);
    PressToolbar(5);
    EXPECT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_EQ(shell::Shared().WorkspaceMode, 5);
    EXPECT_TRUE(gd2->TextMatrix(0, 1).isEmpty());
    EXPECT_EQ(gd2->Rows(), 5);

    // An empty table is changed over without a question.
    PressToolbar(4);
    EXPECT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_EQ(gd2->Rows(), 3);
}

TEST_F(Form1Test, StaticsEntriesSurviveAVisitElsewhere) {
    PressToolbar(2);
    Type(Find<plat::TextBox>("txtVector"), QStringLiteral("p23x,12"));
    PressToolbar(3);
    Find<plat::TabStrip>("tabStat")->SetTab(2);
    Find<plat::TextBox>("txtBody(3)")->SetText(QStringLiteral("F"));
    for (int button : {1, 3, 8, 2}) PressToolbar(button);
    EXPECT_EQ(Find<plat::TextBox>("txtVector")->Text(), QStringLiteral("p23x,12"));
    PressToolbar(3);
    EXPECT_EQ(Find<plat::TabStrip>("tabStat")->Tab(), 2);
    EXPECT_EQ(Find<plat::TextBox>("txtBody(3)")->Text(), QStringLiteral("F"));
}

TEST_F(Form1Test, ExitUnloadsBothWindowsAndEnds) {
    PressToolbar(7);
    PressToolbar(9);
    EXPECT_EQ(CallIndex("Form2.Unload") + 1, CallIndex("EndProgram"));
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), QStringLiteral("Form2"));
}

// ---- the end of the program

TEST_F(Form1Test, WithNothingToLoseTheCloseBoxEndsAtOnce) {
    for (int button : {1, 2, 3, 4, 5, 6}) PressToolbar(button);
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_TRUE(Called("EndProgram"));
    EXPECT_FALSE(form().isVisible());
}

// Work of one kind left on the screen, entered through the controls.
enum class Work { Arguments, Forces, Structure, MotionTable, Law, Log, Notes };

class QuitWithWork : public Form1Test, public ::testing::WithParamInterface<Work> {
protected:
    void EnterWork(Work w) {
        switch (w) {
        case Work::Arguments:
            PressToolbar(1);
            Type(Find<plat::FlexGrid>("gd"), QStringLiteral("3"));
            break;
        case Work::Forces: {
            PressToolbar(2);
            form().panels.txtVector->SetText(QStringLiteral("v-100"));
            QTest::keyClick(form().panels.txtVector, Qt::Key_Return);
            break;
        }
        case Work::Structure:
            PressToolbar(3);
            for (const char* t : {"ab", "3,4"}) {
                auto* box = Find<plat::TextBox>(t[0] == 'a' ? "txtSegm(0)" : "txtSegm(1)");
                box->SetText(QString::fromLatin1(t));
                QTest::keyClick(box, Qt::Key_Return);
            }
            Find<plat::CommandButton>("cmdOK")->Press();
            break;
        case Work::MotionTable: {
            PressToolbar(4);
            auto* gd2 = Find<plat::FlexGrid>("Gd2");
            gd2->SetRow(0);
            gd2->SetCol(1);
            Type(gd2, QStringLiteral("2"));
            break;
        }
        case Work::Law:
            PressToolbar(6);
            QTest::mouseClick(Find<plat::Picture>("picBar"), Qt::LeftButton, {},
                              Find<plat::Picture>("picBar")->ToDevice(15, 45).toPoint());
            Type(Find<plat::RichPane>("txtKinem(0)"), QStringLiteral("t^2"));
            break;
        case Work::Log:
            PressToolbar(1);
            Type(form().rtbExpr, QStringLiteral("2+3"));
            QTest::keyClick(form().rtbExpr, Qt::Key_Return);
            ASSERT_FALSE(form().rtbReg->Text().isEmpty());
            break;
        case Work::Notes:
            PressToolbar(1);
            form().tabCalc->SetTab(3);
            Type(form().txtNotes, QStringLiteral("repasar el tiro"));
            break;
        }
        ASSERT_TRUE(dialogs.Shown().empty());
    }
};

// The close box and the toolbar's last button ask the same question; No,
// the default, keeps everything; Yes ends the program.
TEST_P(QuitWithWork, AsksFirstAndNoKeepsTheWork) {
    EnterWork(GetParam());
    dialogs.Answer(plat::MsgResult::No).Answer(plat::MsgResult::No);
    EXPECT_FALSE(form().close());
    PressToolbar(9);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    for (const auto& box : dialogs.Shown()) {
        EXPECT_EQ(box.prompt, shell::kQuitQuestion);
        EXPECT_EQ(box.buttons, plat::MsgButtons::YesNo);
        EXPECT_EQ(box.defaultButton, plat::MsgResult::No);
    }
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(Called("Form2.Unload"));
    EXPECT_FALSE(Called("EndProgram"));
    EXPECT_TRUE(form().HoldsWork());

    dialogs.Answer(plat::MsgResult::Yes);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(CallIndex("Form2.Unload") + 1, CallIndex("EndProgram"));
    EXPECT_EQ(CallIndex("EndProgram", CallIndex("EndProgram") + 1), -1);
}

std::string WorkName(const ::testing::TestParamInfo<Work>& info) {
    static const char* const names[] = {"Arguments", "Forces", "Structure", "MotionTable", "Law", "Log", "Notes"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EachWorkspace, QuitWithWork,
                         ::testing::Values(Work::Arguments, Work::Forces, Work::Structure, Work::MotionTable, Work::Law,
                                           Work::Log, Work::Notes),
                         WorkName);

// What the program wrote cannot be changed by typing or pasting; it can
// still be selected and copied. The notes take typing.
TEST_F(Form1Test, ResultPanesAreReadOnlyAndTheNotesAreNot) {
    PressToolbar(1);
    for (plat::RichPane* pane : {form().rtbCalc, form().rtbReg, form().txtArgHelp, form().rtbSolve}) {
        const QString name = pane->objectName();
        pane->SetText(QStringLiteral("x = 1"));
        pane->SetSelStart(pane->TextLength());
        Type(pane, QStringLiteral("9"));
        QTest::keyClick(pane, Qt::Key_Backspace);
        QTest::keyClick(pane, Qt::Key_Return);
        plat::SetClipboardText(QStringLiteral("x = 2"));
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(pane->Text(), QStringLiteral("x = 1")) << name.toStdString();

        QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(plat::ClipboardText(), QStringLiteral("x = 1")) << name.toStdString();
    }
    Type(form().txtNotes, QStringLiteral("mi nota"));
    EXPECT_EQ(form().txtNotes->Text(), QStringLiteral("mi nota"));
}

// A workspace whose set-up fails is not switched to: the one shown before
// stays, with its panels, its mode and the toolbar's highlight.
TEST_F(Form1Test, AFailedSwitchLeavesTheWorkspaceShown) {
    PressToolbar(1);
    const QPoint highlight = form().shpTools->pos();
    const QRect tabs = Geo(form().tabCalc);
    FailOn("AdaptCtrls");
    dialogs.Answer(plat::MsgResult::OK);
    PressToolbar(4);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, QString::fromUtf8(plat::kInstructionFailed));
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kCalculatorWorkspace);
    EXPECT_FALSE(Find<QWidget>("fraTable")->isVisible());
    EXPECT_TRUE(Find<QWidget>("fraCalc")->isVisible());
    EXPECT_EQ(Geo(form().tabCalc), tabs);
    EXPECT_EQ(form().shpTools->pos(), highlight);
    EXPECT_EQ(form().LastWorkspaceIndex, 0);
    // The next press works again.
    PressToolbar(4);
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kRectilinearWorkspace);
    EXPECT_EQ(form().LastWorkspaceIndex, 3);
    EXPECT_NE(form().shpTools->pos(), highlight);
}

TEST_F(Form1Test, AFailedFirstSwitchKeepsTheWelcomePage) {
    const bool expr = form().fraExpr->isVisible(), tabs = form().tabCalc->isVisible();
    FailOn("AdaptCtrls");
    dialogs.Answer(plat::MsgResult::OK);
    PressToolbar(4);
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kNoWorkspace);
    EXPECT_TRUE(form().WelcomeShown);
    EXPECT_FALSE(Find<QWidget>("fraTable")->isVisible());
    EXPECT_EQ(form().fraExpr->isVisible(), expr);
    EXPECT_EQ(form().tabCalc->isVisible(), tabs);
}

// A fault of the program inside the set-up goes on to the guard, with the
// switch undone first: what was shown before, the welcome page or a
// workspace, is shown again, and the next press works.
TEST_F(Form1Test, ASwitchStoppedByAFaultIsUndone) {
    const int lastIndex = form().LastWorkspaceIndex;
    {
        testsupport::ArmedFaultPoint fault("workspace switch");
        EXPECT_THROW(PressToolbar(4), rt::ProgramFault);
    }
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kNoWorkspace);
    EXPECT_TRUE(form().WelcomeShown);
    EXPECT_FALSE(Find<QWidget>("fraTable")->isVisible());
    EXPECT_FALSE(form().tabCalc->isVisible());
    EXPECT_EQ(form().LastWorkspaceIndex, lastIndex);

    PressToolbar(1);
    const QPoint highlight = form().shpTools->pos();
    {
        testsupport::ArmedFaultPoint fault("workspace switch");
        EXPECT_THROW(PressToolbar(4), rt::ProgramFault);
    }
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kCalculatorWorkspace);
    EXPECT_FALSE(Find<QWidget>("fraTable")->isVisible());
    EXPECT_TRUE(Find<QWidget>("fraCalc")->isVisible());
    EXPECT_EQ(form().shpTools->pos(), highlight);
    EXPECT_EQ(form().LastWorkspaceIndex, 0);
    EXPECT_TRUE(dialogs.Shown().empty());
    PressToolbar(4);
    EXPECT_EQ(shell::Shared().WorkspaceMode, shell::kRectilinearWorkspace);
    EXPECT_TRUE(Find<QWidget>("fraTable")->isVisible());
}

TEST_F(Form1Test, RotationAngleReadFromTheButton) {
    auto* b = Find<plat::CommandButton>("cmdRotangle");
    EXPECT_EQ(form().GetRotAngle(), 0);
    b->SetCaption(QStringLiteral("Q = -32.5°"));
    EXPECT_EQ(form().GetRotAngle(), -32.5);
}

// The program shows the toolbar the build stored: it must be the picture
// the drawing code draws, pixel for pixel.
TEST(Toolbar, StoredPictureIsTheOneDrawn) {
    ASSERT_TRUE(QResource(QLatin1String(shell::kToolbarArt)).isValid());
    const QImage stored = shell::ToolbarPixmap(1).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = shell::DrawToolbarPixmap(1).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(stored, drawn);
}

TEST(Toolbar, PicturesAreSharpAtAnyPixelRatio) {
    for (qreal r : {1.0, 2.0, 3.0}) {
        const QPixmap t = shell::ToolbarPixmap(r);
        EXPECT_EQ(t.deviceIndependentSize().toSize(), QSize(333, 35));
        EXPECT_EQ(t.size(), QSize(333 * r, 35 * r));
        for (const char* name : {"procs.bmp", "\\procs1.bmp", "/PROCS.BMP"}) {
            const QPixmap p = shell::ProcPicturesByName(QString::fromLatin1(name), r);
            EXPECT_EQ(p.deviceIndependentSize().toSize(), QSize(180, 36)) << name;
        }
    }
    EXPECT_TRUE(shell::ProcPicturesByName(QStringLiteral("procs2.bmp"), 1).isNull());
    // Teal ground between the buttons; white and khaki faces.
    const QImage img = shell::ToolbarPixmap(1).toImage();
    EXPECT_EQ(img.pixelColor(36, 17), QColor(0, 128, 128));
    EXPECT_EQ(img.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(6 * 37 + 5, 5), QColor(222, 206, 150));
    EXPECT_EQ(shell::ToolbarButtonAt(554), 1);
    EXPECT_EQ(shell::ToolbarButtonAt(555), 2);
}

// Pictures of the window in every workspace, for looking at by eye:
// TELUVAR_GRAB_DIR=<folder> writes them there.
TEST_F(Form1Test, Snapshots) {
    if (testsupport::GrabDir().isEmpty()) GTEST_SKIP() << "set TELUVAR_GRAB_DIR to a folder";
    testsupport::SaveGrab(&form(), "start");
    for (int n = 1; n <= 6; ++n) {
        PressToolbar(n);
        testsupport::SaveGrab(&form(), QStringLiteral("workspace%1").arg(n));
        if (n == 4 || n == 5) {  // the pictured procedures
            Find<plat::TabStrip>("tabMrua")->SetTab(1);
            testsupport::SaveGrab(&form(), QStringLiteral("workspace%1_procs").arg(n));
        }
    }
    PressToolbar(8);
    testsupport::SaveGrab(&form(), "help");
}

}  // namespace
