// Completing a point from data related to another point finds both points:
// the other point's typed data are replaced only when the student agrees.
#include <gtest/gtest.h>

#include "motion/panel.h"
#include "motion/projectile/model.h"
#include "motion/state.h"
#include "platform/flexgrid.h"
#include "shell/form1.h"
#include "support/form1_fixture.h"
#include "text/globals.h"

namespace parabtest {
namespace {

using plat::MsgResult;

class TypedPointKept : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        text::G().Decimals = 3;
        parab::Model() = {};
        PressToolbar(5);  // one body over nine points
        Column(1, {"0", "0", "0", "14", "45"});
        Label(1, 1);  // Shift: set up the equations on point 0
        ASSERT_TRUE(parab::Model().kinds[1].complete);
    }
    motion::Motion& m() { return *motion::Motion::Instance(); }
    void Column(int col, std::initializer_list<rt::Variant> cells) {
        int q = 0;
        for (const auto& v : cells) m().SetPointCell(q++, col, v);
    }
    void Label(int col, int shift = 0) { m().picAccel_MouseDown(1, shift, 64 * col - 20, 10); }
    QString Cell(int q, int p) { return m().panel().Gd2->TextMatrix(q, p); }
};

TEST_F(TypedPointKept, RelatedPointIsReplacedOnlyWhenTheStudentAgrees) {
    Column(3, {"t0+2", "", "y0+5"});
    dialogs.Answer(MsgResult::No);
    Label(3, 2);  // Ctrl: complete the point
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].buttons, plat::MsgButtons::YesNo);
    EXPECT_TRUE(dialogs.Shown()[0].prompt.contains("punto 0")) << dialogs.Shown()[0].prompt.toStdString();
    const char* typed[] = {"0", "0", "0", "14", "45"};
    for (int q = 0; q < 5; ++q) {
        EXPECT_EQ(motion::MotionPoint(q, 1), rt::Variant(typed[q])) << q;
        EXPECT_EQ(Cell(q, 1), typed[q]) << q;
    }
    EXPECT_TRUE(motion::MotionPoint(0, 3).IsNumber());  // the clicked point is completed

    Column(3, {"t0+2", "", "y0+5", "", ""});
    dialogs.Answer(MsgResult::Yes);
    Label(3, 2);
    EXPECT_TRUE(motion::MotionPoint(0, 1).IsNumber());
    EXPECT_NE(Cell(0, 1), "0");
}

}  // namespace
}  // namespace parabtest
