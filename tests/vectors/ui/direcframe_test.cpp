#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <memory>

#include "platform/buttons.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "support/dialog_script.h"
#include "support/grab.h"
#include "vectors/ui/clockdraw.h"
#include "vectors/ui/direcframe.h"

using namespace vecui;
using testsupport::DialogScript;

namespace {

// Stand-in for particle statics: the rotation its button shows and the
// forces added from the vector box.
struct ParticleDouble {
    double rotation = 0;
    bool failAdd = false;
    std::vector<QString> added;
};

// Where the calculator's grid key handler was called, and what it saw.
struct GridCall {
    int key, row, col;
    bool gridHadFocus;
};

// Centre of each cell of the unturned clock in a 118-pixel picture.
struct CellCentre {
    int cell;
    double x, y;
};
constexpr CellCentre kCentres[] = {
    {1, 77.5, 25.5},  {2, 92.5, 40.5},  {3, 92.5, 59},    {4, 92.5, 77.5},  {5, 77.5, 92.5},  {6, 59, 92.5},
    {7, 40.5, 92.5},  {8, 25.5, 77.5},  {9, 25.5, 59},    {10, 25.5, 40.5}, {11, 40.5, 25.5}, {12, 59, 25.5},
    {13, 25.5, 25.5}, {14, 92.5, 25.5}, {15, 92.5, 92.5}, {16, 25.5, 92.5},
};

class DirecFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetShared();
        shell::Shared().WorkspaceMode = shell::kParticleWorkspace;
        form.resize(810, 580);
        gd = new plat::FlexGrid(QStringLiteral("gd"), &form);
        gd->setGeometry(408, 200, 300, 150);
        gd->SetRows(4);
        gd->SetCols(4);
        DirecFrameLinks links;
        links.GetRotAngle = [this] { return particle.rotation; };
        links.AddParticleForce = [this] {
            if (particle.failAdd) rt::Raise(rt::ErrorCode::TypeMismatch);
            particle.added.push_back(f->txtVector->Text());
        };
        links.ArgumentGrid = [this] { return gd; };
        // Moves on as the calculator's handler does without a selection: one
        // column right, from the last column to the next row.
        links.GdKeyPress = [this](int& key) {
            gridCalls.push_back({key, gd->Row(), gd->Col(), form.focusWidget() == gd});
            if (gd->Col() < gd->Cols() - 1) {
                gd->SetCol(gd->Col() + 1);
            } else if (gd->Row() < gd->Rows() - 1) {
                gd->SetRow(gd->Row() + 1);
                gd->SetCol(1);
            }
        };
        fra = new plat::Frame(QStringLiteral("fraDirec"), &form);
        fra->setGeometry(408, 38, 391, 127);
        f = std::make_unique<DirecFrame>(fra, links);
        form.show();
        f->DrawClock(false);
    }

    void Click(double x, double y) { f->picClock_MouseDown(1, 0, x, y); }
    void ClickCell(int cell) { Click(kCentres[cell - 1].x, kCentres[cell - 1].y); }
    int DirHour() const { return shell::DrawEng().DirHour; }
    QString Vector() const { return f->txtVector->Text(); }
    QString Angle() const { return f->txtAngle->Text(); }
    QWidget* Focus() const { return form.focusWidget(); }

    // Bounding box of the cell painted pink, as (x1, y1, x2, y2).
    std::vector<double> PinkCell() const {
        std::vector<double> box;
        for (const auto& d : f->picClock->Drawn()) {
            if (d.kind != plat::DrawnPrimitive::Kind::Polygon || d.fillColor != kClockMarkColor) continue;
            double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
            for (const QPointF& p : d.points) {
                x1 = std::min(x1, p.x());
                y1 = std::min(y1, p.y());
                x2 = std::max(x2, p.x());
                y2 = std::max(y2, p.y());
            }
            box = {x1, y1, x2, y2};
        }
        return box;
    }

    QWidget form;
    plat::FlexGrid* gd = nullptr;
    plat::Frame* fra = nullptr;
    ParticleDouble particle;
    std::vector<GridCall> gridCalls;
    std::unique_ptr<DirecFrame> f;
};

}  // namespace

TEST_F(DirecFrameTest, EveryCellPicksItsHourAngleAndPrefix) {
    struct {
        int cell, hour;
        const char* angle;
        const char* prefix;
    } cases[] = {
        {1, 1, "30", "p30y,"},
        {2, 2, "30", "p30x,"},
        {3, 3, "0", "h"},
        {4, 4, "30", "c30x,"},
        {5, 5, "30", "c30y,"},
        {6, 6, "0", "v-"},
        {7, 7, "30", "t30y,"},
        {8, 8, "30", "t30x,"},
        {9, 9, "0", "h-"},
        {10, 10, "30", "s30x,"},
        {11, 11, "30", "s30y,"},
        {12, 12, "0", "v"},
        // Corners stand for the diagonals of their quadrants.
        {13, 10, "45", "s45x,"},
        {14, 2, "45", "p45x,"},
        {15, 4, "45", "c45x,"},
        {16, 8, "45", "t45x,"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.cell);
        f->txtAngle->SetText(QStringLiteral("0"));
        ClickCell(c.cell);
        EXPECT_EQ(DirHour(), c.hour);
        EXPECT_EQ(shell::Shared().ClockMarkedHour, c.hour);
        EXPECT_EQ(Angle(), c.angle);
        EXPECT_EQ(Vector(), c.prefix);
        EXPECT_EQ(f->txtVector->SelStart(), Vector().size());
        EXPECT_EQ(Focus(), f->txtVector);
        // The pink cell is the hour's own cell, also for a corner.
        const CellCentre at = kCentres[c.hour - 1];
        const std::vector<double> pink = PinkCell();
        ASSERT_EQ(pink.size(), 4u);
        EXPECT_LT(pink[0], at.x);
        EXPECT_GT(pink[2], at.x);
        EXPECT_LT(pink[1], at.y);
        EXPECT_GT(pink[3], at.y);
    }
}

TEST_F(DirecFrameTest, AnObliqueHourKeepsANonZeroAngle) {
    f->txtAngle->SetText(QStringLiteral("12"));
    ClickCell(11);
    EXPECT_EQ(Angle(), "12");
    EXPECT_EQ(Vector(), "s12y,");
    f->txtAngle->SetText(QStringLiteral("36.87"));
    ClickCell(4);
    EXPECT_EQ(Vector(), "c36.87x,");
}

TEST_F(DirecFrameTest, TheNewProblemClickAndClicksOnATurnedClock) {
    ClickCell(1);
    Click(93, 60);
    EXPECT_EQ(DirHour(), 3);
    EXPECT_EQ(Angle(), "0");
    EXPECT_EQ(Vector(), "h");

    // Turned by 90 degrees, hour 3 is drawn at the top middle and hour 12 at
    // the left middle.
    particle.rotation = 90;
    f->DrawClock(false);
    Click(59, 25.5);
    EXPECT_EQ(DirHour(), 3);
    Click(25.5, 59);
    EXPECT_EQ(DirHour(), 12);
    EXPECT_EQ(Vector(), "v");
    // The mark follows the turned clock: hour 12 at the left middle.
    const std::vector<double> pink = PinkCell();
    ASSERT_EQ(pink.size(), 4u);
    EXPECT_NEAR(pink[0], 18, 1e-9);
    EXPECT_NEAR(pink[2], 33, 1e-9);

    // Turned by 30 degrees, hour 3 lies up and to the right.
    particle.rotation = 30;
    f->DrawClock(false);
    Click(59 + 29.0, 59 - 16.75);
    EXPECT_EQ(DirHour(), 3);
    testsupport::SaveGrab(f->picClock->Image(), "direcframe_turned30_hour3");
}

TEST_F(DirecFrameTest, AMissMovesTheFocusToTheAngleBoxAndNothingElse) {
    ClickCell(1);
    const auto drawn = f->picClock->Drawn().size();
    for (QPointF at : {QPointF(85, 59), QPointF(59, 59), QPointF(2, 2), QPointF(40.5, 18)}) {
        f->txtVector->SetFocus();
        Click(at.x(), at.y());
        EXPECT_EQ(DirHour(), 1);
        EXPECT_EQ(shell::Shared().ClockMarkedHour, 1);
        EXPECT_EQ(Vector(), "p30y,");
        EXPECT_EQ(Focus(), f->txtAngle);
        EXPECT_EQ(f->picClock->Drawn().size(), drawn);
    }
}

TEST_F(DirecFrameTest, OutsideTheCalculatorAndParticleStaticsTheVectorBoxIsLeftAlone) {
    shell::Shared().WorkspaceMode = shell::kRigidWorkspace;
    ClickCell(1);
    EXPECT_EQ(DirHour(), 1);
    EXPECT_EQ(Angle(), "30");
    EXPECT_EQ(Vector(), "");
}

TEST_F(DirecFrameTest, AClickWithANonNumericAngleStopsAfterPickingTheHour) {
    f->txtAngle->SetText(QStringLiteral("abc"));
    ClickCell(1);
    EXPECT_EQ(DirHour(), 1);
    EXPECT_EQ(Angle(), "abc");
    EXPECT_EQ(Vector(), "");
}

TEST_F(DirecFrameTest, ACellOutsideTheClockIsAFaultNotALostPick) {
    ClickCell(1);
    const auto drawn = f->picClock->Drawn().size();
    for (int cell : {0, 17}) {
        SCOPED_TRACE(cell);
        EXPECT_THROW(f->PickClockCell(cell), rt::ProgramFault);
        EXPECT_EQ(DirHour(), 1);
        EXPECT_EQ(shell::Shared().ClockMarkedHour, 1);
        EXPECT_EQ(f->picClock->Drawn().size(), drawn);
    }
}

TEST_F(DirecFrameTest, StepButtons) {
    ClickCell(1);
    struct {
        const char* angle;
        int button;
        const char* want;
        const char* prefix;
    } cases[] = {
        {"85", 3, "85", "p85y,"},  // 95 is not below 90
        {"3", 6, "-2", "p-2y,"},   // no lower limit
        {"30", 0, "31", "p31y,"},
        {"30", 7, "20", "p20y,"},
    };
    for (auto c : cases) {
        f->txtAngle->SetText(QString::fromLatin1(c.angle));
        f->cmdInc_Click(c.button);
        EXPECT_EQ(Angle(), c.want) << c.angle;
        EXPECT_EQ(Vector(), c.prefix) << c.angle;
    }
    {
        DialogScript dialogs;
        dialogs.Answer(plat::MsgResult::OK);
        f->txtAngle->SetText(QStringLiteral("abc"));
        f->cmdInc_Click(0);
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].prompt, "Error en el comando.");
        EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
    }
    {
        // A button index the program got wrong is not the typed angle's
        // fault: it reaches the guard instead of "Error en el comando.".
        DialogScript dialogs;
        dialogs.Answer(plat::MsgResult::OK);
        f->txtAngle->SetText(QStringLiteral("30"));
        EXPECT_FALSE(plat::Guarded([&] { f->cmdInc_Click(8); }));
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].prompt, QString::fromUtf8(plat::kInternalFault));
        EXPECT_EQ(Angle(), "30");
    }
    // At an axis hour the buttons do nothing.
    ClickCell(6);
    f->txtAngle->SetText(QStringLiteral("10"));
    f->cmdInc_Click(0);
    EXPECT_EQ(Angle(), "10");
    EXPECT_EQ(Vector(), "v-");
}

TEST_F(DirecFrameTest, TheRotationLabelTakesTheAxesRotation) {
    shell::Shared().AxesRotation = 25;
    ClickCell(1);
    f->lbltxtAngle_Click();
    EXPECT_EQ(Angle(), "25");
    EXPECT_EQ(Vector(), "p25y,");

    // In the calculator the prefix goes into the grid's current cell.
    shell::Shared().WorkspaceMode = shell::kCalculatorWorkspace;
    shell::Shared().AxesRotation = -12.5;
    f->txtVector->SetText(QStringLiteral("kept"));
    gd->SetRow(2);
    gd->SetCol(3);
    f->lbltxtAngle_Click();
    EXPECT_EQ(Angle(), "-12.5");
    EXPECT_EQ(gd->TextMatrix(2, 3), "p-12.5y,");
    EXPECT_EQ(Focus(), gd);
    EXPECT_EQ(Vector(), "kept");
    // A title cell is never written.
    gd->SetRow(0);
    f->lbltxtAngle_Click();
    EXPECT_EQ(gd->TextMatrix(0, 3), "");

    // At an axis hour it does nothing.
    ClickCell(9);
    f->lbltxtAngle_Click();
    EXPECT_EQ(Angle(), "0");

    // Nothing here is typed: an hour the clock cannot give is a fault of the
    // program, reported by the guard, not lost.
    shell::DrawEng().DirHour = 13;
    DialogScript dialogs;
    dialogs.Answer(plat::MsgResult::OK);
    EXPECT_FALSE(plat::Guarded([&] { f->lbltxtAngle_Click(); }));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, QString::fromUtf8(plat::kInternalFault));
}

TEST_F(DirecFrameTest, EnterInTheAngleBox) {
    ClickCell(1);
    f->txtAngle->SetText(QStringLiteral("12"));
    f->txtVector->SetText(QString());
    int key = 13;
    f->txtAngle_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Vector(), "p12y,");

    // Other keys are the box's own.
    key = 'a';
    f->txtAngle_KeyPress(key);
    EXPECT_EQ(key, 'a');

    // A non-numeric angle: nothing, silently, and the key goes on.
    f->txtAngle->SetText(QStringLiteral("doce"));
    key = 13;
    f->txtAngle_KeyPress(key);
    EXPECT_EQ(key, 13);
    EXPECT_EQ(Vector(), "p12y,");

    // At an axis hour the user is told to fix the hour.
    ClickCell(6);
    f->txtVector->SetText(QString());
    {
        DialogScript dialogs;
        dialogs.Answer(plat::MsgResult::OK);
        key = 13;
        f->txtAngle_KeyPress(key);
        EXPECT_EQ(key, 13);
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].prompt, "Fija la hora correctamente.");
        EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
    }
    EXPECT_EQ(Vector(), "");

    // Elsewhere the key is only cancelled.
    shell::Shared().WorkspaceMode = shell::kRectilinearWorkspace;
    key = 13;
    f->txtAngle_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Vector(), "");
}

TEST_F(DirecFrameTest, EnterInTheArcTangentBox) {
    ClickCell(1);
    f->txtAtan->SetText(QStringLiteral("2/5"));
    int key = 13;
    f->txtAtan_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Angle(), "21.801");
    EXPECT_EQ(Vector(), "p21.801y,");

    struct {
        const char* typed;
        const char* message;
    } bad[] = {{"2*)", "Expresión 2*) incorrecta."}, {"1/0", "Error en la expresión."}};
    for (auto b : bad) {
        DialogScript dialogs;
        dialogs.Answer(plat::MsgResult::OK);
        f->txtAtan->SetText(QString::fromUtf8(b.typed));
        key = 13;
        f->txtAtan_KeyPress(key);
        EXPECT_EQ(key, 13);
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].prompt, QString::fromUtf8(b.message));
        EXPECT_EQ(Angle(), "21.801");
    }

    // At an axis hour the angle is computed but the hour must be fixed.
    ClickCell(3);
    DialogScript dialogs;
    dialogs.Answer(plat::MsgResult::OK);
    f->txtAtan->SetText(QStringLiteral("1"));
    key = 13;
    f->txtAtan_KeyPress(key);
    EXPECT_EQ(Angle(), "45");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Fija la hora correctamente.");
    EXPECT_EQ(Vector(), "h");
}

TEST_F(DirecFrameTest, EnterInTheVectorBoxFillsTheGridAndMovesToTheNextCell) {
    shell::Shared().WorkspaceMode = shell::kCalculatorWorkspace;
    gd->SetRow(1);
    gd->SetCol(3);
    f->txtVector->SetText(QStringLiteral("  p30y,12 "));
    int key = 13;
    f->txtVector_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(gd->TextMatrix(1, 3), "p30y,12");
    ASSERT_EQ(gridCalls.size(), 1u);
    EXPECT_EQ(gridCalls[0].key, 13);
    EXPECT_EQ(gridCalls[0].row, 1);
    EXPECT_EQ(gridCalls[0].col, 3);
    EXPECT_TRUE(gridCalls[0].gridHadFocus);
    EXPECT_EQ(gd->Row(), 2);
    EXPECT_EQ(gd->Col(), 1);

    // The next Enter fills the cell the grid moved to.
    f->txtVector->SetText(QStringLiteral("h-55"));
    key = 13;
    f->txtVector_KeyPress(key);
    EXPECT_EQ(gd->TextMatrix(2, 1), "h-55");
    EXPECT_EQ(gd->Col(), 2);

    // With no current cell nothing is written and nothing moves.
    gd->SetRow(0);
    f->txtVector->SetText(QStringLiteral("v3"));
    key = 13;
    f->txtVector_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(gd->TextMatrix(0, 2), "");
    EXPECT_EQ(gridCalls.size(), 2u);
}

TEST_F(DirecFrameTest, EnterInTheVectorBoxAddsAParticleForce) {
    f->txtVector->SetText(QStringLiteral("p30y,12"));
    int key = 13;
    f->txtVector_KeyPress(key);
    EXPECT_EQ(key, 0);
    ASSERT_EQ(particle.added.size(), 1u);
    EXPECT_EQ(particle.added[0], "p30y,12");
    EXPECT_TRUE(gridCalls.empty());

    // A failure inside shows the vector-data message under the program's title.
    particle.failAdd = true;
    DialogScript dialogs;
    dialogs.Answer(plat::MsgResult::OK);
    key = 13;
    f->txtVector_KeyPress(key);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Error. Revisa el dato vectorial.");
    EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");

    // Elsewhere Enter is only cancelled.
    shell::Shared().WorkspaceMode = shell::kProjectileWorkspace;
    key = 13;
    f->txtVector_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(particle.added.size(), 1u);
}

TEST_F(DirecFrameTest, ControlsAreWiredToTheirHandlers) {
    QTest::mouseClick(f->picClock, Qt::LeftButton, {}, QPoint(77, 25));
    EXPECT_EQ(DirHour(), 1);
    EXPECT_EQ(Vector(), "p30y,");
    f->cmdInc[2]->Press();
    EXPECT_EQ(Angle(), "35");
    f->txtVector->setFocus();
    f->txtVector->SetText(QStringLiteral("p35y,7"));
    QTest::keyClick(f->txtVector, Qt::Key_Return);
    ASSERT_EQ(particle.added.size(), 1u);
    EXPECT_EQ(particle.added[0], "p35y,7");
    EXPECT_EQ(f->lbltxtAngle->text(), QStringLiteral("θ ="));
}

TEST_F(DirecFrameTest, TheControlsFitBothPlacesOfTheFrame) {
    EXPECT_EQ(f->picClock->geometry(), QRect(6, 4, 118, 118));  // 1770 twips at (90, 60)
    EXPECT_EQ(f->cmdRotangle->Caption(), QStringLiteral("Q = 0°"));
    struct {
        QRect place;
        bool examples;
        const char* grab;
    } places[] = {{QRect(408, 38, 391, 127), false, "direcframe_particle"},
                  {QRect(2, 394, 403, 181), true, "direcframe_calculator"}};
    for (auto p : places) {
        fra->setGeometry(p.place);
        f->lblFmts->setVisible(p.examples);
        f->lblRotAngle->setVisible(!p.examples);
        f->cmdRotangle->setVisible(!p.examples);
        std::vector<QWidget*> shown;
        for (QWidget* w : fra->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible()) shown.push_back(w);
        for (QWidget* w : shown) {
            EXPECT_TRUE(fra->rect().contains(w->geometry())) << w->objectName().toStdString();
            for (QWidget* v : shown) {
                if (v == w || (w == f->Label8 && v == f->txtAtan) || (v == f->Label8 && w == f->txtAtan)) continue;
                EXPECT_FALSE(w->geometry().intersects(v->geometry()))
                    << w->objectName().toStdString() << " " << v->objectName().toStdString();
            }
        }
        f->DrawClock(false);
        testsupport::SaveGrab(fra, p.grab);
    }
}
