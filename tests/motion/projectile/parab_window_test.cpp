// The projectile procedures on the main window: strip clicks and listed
// procedures through the motion workspace, with the scripted dialogs.
#include <gtest/gtest.h>

#include "motion/panel.h"
#include "motion/projectile/model.h"
#include "motion/state.h"
#include "platform/flexgrid.h"
#include "platform/guard.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/form1.h"
#include "support/form1_fixture.h"
#include "support/grab.h"
#include "text/globals.h"
#include "text/resultformat.h"

namespace parabtest {
namespace {

using plat::MsgResult;

class ParabWindow : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        text::G().Decimals = 3;
        parab::Model() = {};
        PressToolbar(5);
        m().cmdTable_Click(1);
        m().picAccel_MouseDown(1, 0, 64 * 4 - 20, 30);  // bodies of 4 and 5 points
    }
    motion::Motion& m() { return *motion::Motion::Instance(); }
    void Column(int col, std::initializer_list<rt::Variant> cells) {
        int q = 0;
        for (const auto& v : cells) m().SetPointCell(q++, col, v);
    }
    void Label(int col, int shift = 0) { m().picAccel_MouseDown(1, shift, 64 * col - 20, 10); }
    void Action(int picture) { m().imgProcs_MouseDown(1, 0, 540.0 * (picture - 1) + 10, 100); }
    QString Cell(int q, int p) { return m().panel().Gd2->TextMatrix(q, p); }
    QString Result() { return form().rtbCalc->Text(); }
    void Run(int entry, const QString& text) {
        m().panel().cboProcs->SetListIndex(entry);
        m().panel().txtProcs->SetText(text);
        m().cmdProcs_Click();
    }
    // Texts printed on a picture at about height y.
    static QString TextAt(const plat::Picture& pic, double y) {
        QString s;
        for (const auto& d : pic.Drawn())
            if (d.kind == plat::DrawnPrimitive::Kind::Text && std::fabs(d.points[0].y() - y) < 8) s += d.text;
        return s;
    }
};

TEST_F(ParabWindow, SettingUpDrawsBothBodiesEquations) {
    Column(1, {"0", "0", "0", "20", "45"});
    Label(1, 1);  // Shift: set up
    EXPECT_TRUE(parab::Model().kinds[1].complete);
    EXPECT_TRUE(Result().startsWith("Ecuaciones de movimiento, móvil 1"));
    EXPECT_TRUE(form().pic->isVisible());
    const plat::Picture& pic = *form().pic;
    EXPECT_TRUE(TextAt(pic, 338).contains("14.142"));
    Column(5, {"1", "30", "0", "", "120"});
    Label(5);
    EXPECT_TRUE(parab::Model().kinds[2].v0);
    EXPECT_TRUE(TextAt(pic, 238).startsWith("X"));
    EXPECT_TRUE(TextAt(pic, 338).contains("14.142"));  // body 1 stays
    testsupport::SaveGrab(&form(), "parab_equations");
    m().cmdEraseEqns_Click();
    EXPECT_FALSE(parab::Model().kinds[1].complete || parab::Model().kinds[2].v0);
    EXPECT_TRUE(TextAt(pic, 338).isEmpty() || pic.Drawn().back().kind == plat::DrawnPrimitive::Kind::FilledBox);
}

TEST_F(ParabWindow, CompletingAPointThenTheGraph) {
    Column(1, {"0", "0", "0", "14", "45"});
    Label(1, 1);
    Column(3, {"2"});
    Label(3, 2);  // Ctrl: complete the point
    EXPECT_EQ(Cell(1, 3), "19.799");
    EXPECT_EQ(Cell(2, 3), "0.199");
    EXPECT_EQ(Cell(4, 3), "-44.418");
    EXPECT_NEAR(motion::MotionPoint(1, 3).ToNumber(), 28 * std::sqrt(0.5), 1e-9);
    Action(5);
    Label(1);
    Label(3);
    EXPECT_TRUE(form().pic1->isVisible());
    int blue = 0;
    for (const auto& d : form().pic1->Drawn())
        if (d.kind == plat::DrawnPrimitive::Kind::Line && d.color == rt::kBlue) ++blue;
    EXPECT_GT(blue, 100);
    testsupport::SaveGrab(form().pic1->Image(), "parab_graph");
}

// A ball thrown 2 m/s downward from 100 m reaches the ground only after the
// throw; the earlier root of the height equation is no point of its path.
TEST_F(ParabWindow, HeightOfADownwardThrowIsReachedAfterTheLaunch) {
    struct Case {
        bool components;
        rt::Variant p, q;
        const char *t, *x;
    } cases[] = {{true, "20", "-2", "4.318", "86.361"}, {false, "20.1", "-5.71", "4.318", "86.363"}};
    for (const Case& c : cases) {
        if (c.components != motion::ComponentColumn(1)) m().picAccel_MouseDown(1, 0, 64 * 1 - 20, 30);
        Column(1, {"0", "0", "100", c.p, c.q});
        Label(1, 1);
        ASSERT_TRUE(parab::Model().kinds[1].complete) << c.components;
        Column(3, {"", "", "0", "", ""});
        Label(3, 2);
        EXPECT_EQ(Cell(0, 3).toStdString(), c.t) << c.components;
        EXPECT_EQ(Cell(1, 3).toStdString(), c.x) << c.components;
        EXPECT_EQ(Cell(2, 3).toStdString(), "0") << c.components;
    }
}

// A launch so fast that its range and height overflow is told as a value too
// large to compute; the set-up line never shows them blank.
TEST_F(ParabWindow, LaunchWhoseRangeOverflowsIsAFailureNotABlank) {
    for (const char* v0 : {"1E200", "1E308"}) {
        form().rtbCalc->SetText("");
        const size_t before = dialogs.Shown().size();
        Column(1, {"0", "0", "0", v0, "45"});
        dialogs.Answer(MsgResult::OK);
        Label(1, 1);
        ASSERT_EQ(dialogs.Shown().size(), before + 1) << v0;
        EXPECT_EQ(dialogs.Shown().back().prompt, plat::kInstructionOverflow) << v0;
        EXPECT_FALSE(Result().contains("R = ")) << v0;
        EXPECT_FALSE(parab::Model().kinds[1].complete) << v0;
    }
}

// A set-up that fails leaves no answer to other data on screen: the pane
// held the launch at 20 m/s, the table now says 1E200.
TEST_F(ParabWindow, ASetUpThatFailsLeavesNoEarlierAnswerInThePane) {
    Column(1, {"0", "0", "0", "20", "30"});
    Label(1, 1);
    ASSERT_TRUE(Result().contains("R = 35.348")) << Result().toStdString();
    m().SetPointCell(3, 1, "1E200");
    dialogs.Answer(MsgResult::OK);
    Label(1, 1);
    EXPECT_EQ(dialogs.Shown().back().prompt, plat::kInstructionOverflow);
    EXPECT_EQ(Result(), "");
    // So does a refused one.
    Column(1, {"0", "0", "0", "20", "30"});
    Label(1, 1);
    m().SetPointCell(3, 1, "-5");
    dialogs.Answer(MsgResult::OK);
    Label(1, 1);
    EXPECT_EQ(Result(), "") << dialogs.Shown().back().prompt.toStdString();
}

TEST_F(ParabWindow, LaunchSpeedFromAPairAccepted) {
    Column(1, {"0", "0", "0", "", "45"});
    Label(1, 1);
    ASSERT_TRUE(parab::Model().kinds[1].v0);
    Action(3);
    Column(2, {"2", "20"});
    dialogs.Answer(MsgResult::Yes);
    Label(2);
    EXPECT_EQ(dialogs.Shown().back().title, "v0 = 14.142");
    EXPECT_TRUE(parab::Model().kinds[1].complete);
    EXPECT_EQ(Cell(3, 1), "14.142");
    EXPECT_NEAR(motion::MotionPoint(3, 1).ToNumber(), 10 * std::sqrt(2.0), 1e-9);
    EXPECT_TRUE(Result().startsWith("Ecuaciones de movimiento, móvil 1"));
}

TEST_F(ParabWindow, QuarticSearchAsksForAPositiveBound) {
    m().picAccel_MouseDown(1, 0, 64 * 1 - 20, 30);  // column 1 by components
    Column(1, {"0", "0", "0", "", "10"});
    Label(1, 1);
    ASSERT_TRUE(parab::Model().kinds[1].v0x);
    Action(4);
    Column(2, {"", "5", "", "12"});
    dialogs.AnswerInput("0").Answer(MsgResult::OK).AnswerInput("20");
    Label(2);
    ASSERT_GE(dialogs.Shown().size(), 3u);
    EXPECT_EQ(dialogs.Shown()[0].title, "Dar límite superior del intervalo de búsqueda");
    EXPECT_EQ(dialogs.Shown()[1].prompt, "El límite superior debe ser mayor que 0.");
    EXPECT_EQ(form().rtbExpr->Text(), "ceros(X^4-44*X^2-980*X+2401,0,20)");
    EXPECT_TRUE(Result().contains("Se hallaron estas raíces:"));
    // Cancelling the bound ends quietly.
    dialogs.AnswerInput("");
    Label(2);
}

TEST_F(ParabWindow, ListedCrossingAndCollision) {
    Column(1, {"0", "0", "0", "20", "45"});
    Label(1, 1);
    Column(5, {"0.5", "30", "0", "", ""});
    Label(5);
    ASSERT_TRUE(parab::Model().kinds[2].v0theta0);
    Run(6, "2");  // collision at t = 2
    EXPECT_TRUE(parab::Model().kinds[2].complete);
    EXPECT_TRUE(Result().startsWith("Móvil 2: T!0 = 0.5") || Result().startsWith("Móvil 2: T0 = 0.5"));
    EXPECT_EQ(Cell(0, 5), "0.5");
    EXPECT_FALSE(Cell(3, 5).isEmpty());
    Run(5, "");
    EXPECT_TRUE(Result().startsWith("Punto de intersección 1:"));
}

TEST_F(ParabWindow, CollisionWithTwoAnglesAsksWhichOne) {
    Column(1, {"0", "0", "0", "20", "45"});
    Label(1, 1);
    Column(5, {"0", "30", "0", "15", ""});
    Label(5);
    dialogs.Answer(MsgResult::Cancel);
    Run(6, "");
    EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::YesNoCancel);
    EXPECT_TRUE(parab::Model().kinds[2].theta0);
    EXPECT_EQ(Cell(4, 5), "");
    EXPECT_TRUE(Result().contains("Se hallaron"));
    dialogs.Answer(MsgResult::No);
    Run(6, "");
    EXPECT_TRUE(parab::Model().kinds[2].complete);
    EXPECT_EQ(Cell(4, 5), QString::fromStdString(text::RoundedText(parab::Model().launch[2].theta0.ToNumber())));
    EXPECT_TRUE(Result().contains("Se hallaron"));
}

}  // namespace
}  // namespace parabtest
