// Clicks on the outermost pixels of the strip's labels, made with the mouse:
// every pixel of a label picks that label.
#include <QtTest/QTest>

#include "motion_fixture.h"
#include "platform/picture.h"
#include "platform/textbox.h"

namespace motiontest {
namespace {

class StripEdges : public MotionTest {
protected:
    // A left click on pixel column px of the label row.
    void ClickPixel(int px) { QTest::mouseClick(m().panel().picAccel, Qt::LeftButton, {}, QPoint(px, 35)); }
};

TEST_F(StripEdges, FirstAndLastPixelsPickTheOuterLabels) {
    Open(4);  // one body, one segment over nine points
    ASSERT_EQ(m().panel().picAccel->width(), 576);
    m().panel().txtAccel[0]->SetText("2");
    for (int col : {1, 9}) {
        Put(0, col, "1");
        Put(1, col, "5");
    }
    ClickPixel(575);
    EXPECT_EQ(rec.Last(), "SetUpSegmentEqns(1,1,8,'2','1','5',E)");
    ClickPixel(0);
    EXPECT_EQ(rec.Last(), "SetUpSegmentEqns(1,1,0,'2','1','5',E)");

    dialogs.Answer(plat::MsgResult::Yes);  // the rectilinear data give way to the projectile table
    Open(5);                               // projectile: bodies of 4 and 5 points; complete a point
    m().cmdTable_Click(1);
    Grey(4);
    m().imgProcs_MouseDown(1, 0, 810, 200);
    rec.parabKinds[2].complete = true;
    Put(0, 9, "3");
    ClickPixel(575);
    EXPECT_EQ(rec.Last(), "ApplyParabEqnsToPoint(2,4,0,'3',E,5)");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Se borrará todo. ¿Estás seguro?");
}

// The real rectilinear procedures.
class RestingBody : public MotionTest {
protected:
    void SetUp() override {
        MotionTest::SetUp();
        PressToolbar(4);
        mrua::Records() = mrua::EqnRecords{};
    }
};

TEST_F(RestingBody, AskedWhenItIsWhereItRestsAnswersEveryInstant) {
    // At rest at x 5: x = 5 for every t.
    Put(0, 1, "0");
    Put(1, 1, "5");
    Put(2, 1, "0");
    m().panel().txtAccel[0]->SetText("0");
    m().imgProcs_MouseDown(1, 0, 10, 100);  // set up
    Label(1);
    m().imgProcs_MouseDown(1, 0, 550, 100);  // substitute a point
    Put(1, 4, "5");
    dialogs.Answer(plat::MsgResult::OK);
    Label(4);
    EXPECT_EQ(LastPrompt(), "El móvil está en reposo en esta posición: la ocupa en todo instante.");
    EXPECT_EQ(Cell(0, 4), "");
    // Elsewhere it never is.
    Put(1, 4, "6");
    dialogs.Answer(plat::MsgResult::OK);
    Label(4);
    EXPECT_EQ(LastPrompt(), "El móvil no alcanza esta posición.");
}

}  // namespace
}  // namespace motiontest
