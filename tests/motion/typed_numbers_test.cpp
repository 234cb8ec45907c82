// Numbers typed as students type them, with the keys, into the motion table
// and the acceleration boxes: the decimal comma and the exponent form give
// the number typed, never another one.
#include <QApplication>
#include <QtTest/QTest>

#include "motion_fixture.h"
#include "numerics/mathutil.h"
#include "platform/clipboard.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/form1.h"

namespace motiontest {
namespace {

class TypedNumbers : public MotionTest {
protected:
    plat::FlexGrid& g() { return *m().panel().Gd2; }
    // Types `keys` into cell (r, c) of the table, key by key, then Enter.
    void TypeInto(int r, int c, const QString& keys) {
        g().SetRow(r);
        g().SetCol(c);
        QTest::keyClicks(&g(), keys);
        QTest::keyClick(&g(), Qt::Key_Return);
    }
};

TEST_F(TypedNumbers, TableCellsReadTheDecimalCommaAndTheExponent) {
    struct {
        const char* keys;
        const char* shown;  // what the cell shows and the store holds
        double value;
    } cases[] = {{"2,5", "2.5", 2.5},
                 {"-0,75", "-0.75", -0.75},
                 {"1e3", "1E3", 1000},
                 {"1e-3", "1E-3", 0.001},
                 {"2,5E2", "2.5E2", 250}};
    for (int workspace : {4, 5}) {
        if (workspace == 5) dialogs.Answer(plat::MsgResult::Yes);  // the other table replaces this one
        Open(workspace);
        for (const auto& c : cases) {
            Put(1, 3, std::string());
            TypeInto(1, 3, c.keys);
            EXPECT_EQ(Cell(1, 3), c.shown) << c.keys << " in workspace " << workspace;
            const rt::Variant& stored = s().MotionPoints[1][3];
            EXPECT_EQ(stored, rt::Variant(c.shown)) << c.keys;
            EXPECT_TRUE(num::IsNumber(stored)) << c.keys;
            EXPECT_DOUBLE_EQ(stored.ToNumber(), c.value) << c.keys;
        }
        // Relational data keep working, with a decimal comma in the increment.
        Put(0, 4, std::string());
        TypeInto(0, 4, "t0+2,5");
        EXPECT_EQ(s().MotionPoints[0][4], rt::Variant("t0+2.5"));
        const auto parsed = mrua::ParseRelDatumChecked(s().MotionPoints[0][4]);
        ASSERT_TRUE(parsed);
        EXPECT_DOUBLE_EQ(parsed->increment.ToNumber(), 2.5);
    }
    // A pasted number with a decimal comma is the same number.
    g().SetRow(0);
    g().SetCol(6);
    plat::SetClipboardText("3,25");
    int v = 86;
    m().Gd2_KeyDown(v, 2);  // Ctrl+V
    EXPECT_EQ(Cell(0, 6), "3.25");
    EXPECT_DOUBLE_EQ(s().MotionPoints[0][6].ToNumber(), 3.25);
}

TEST_F(TypedNumbers, ListedProceduresTakeOneNumberWithADecimalComma) {
    auto run = [&](int entry, const char* keys) {
        m().panel().cboProcs->SetListIndex(entry);
        m().panel().txtProcs->SetText("");
        QTest::keyClicks(m().panel().txtProcs, keys);
        m().cmdProcs_Click();
    };
    Open(4);
    m().cmdTable_Click(2);
    Grey(4);  // two bodies
    run(5, "0,5");
    EXPECT_EQ(rec.Last(), "SolveVRelation(0.5,False)");
    // The launch speed asked for once the angle is found.
    Open(5);
    for (int q = 0; q < 3; ++q) Put(q, 1, "0");
    dialogs.AnswerInput("12,5");
    run(1, "1, 4");
    EXPECT_EQ(rec.calls.at(rec.calls.size() - 2).substr(0, 35), "SetUpParabEqns(1,0,'0','0','0',12.5");
}

// The real rectilinear procedures: the acceleration box feeds the equations.
class TypedAcceleration : public MotionTest {
protected:
    void SetUp() override {
        MotionTest::SetUp();
        PressToolbar(4);  // one body, one segment over nine points
        mrua::Records() = mrua::EqnRecords{};
    }
};

TEST_F(TypedAcceleration, BoxLeftWithoutEnterPosesTheNumberTyped) {
    const struct {
        const char* keys;
        const char* written;
        double a;
    } cases[] = {{"1,5", "a = 1.5", 1.5}, {"2e-1", "a = 0.2", 0.2}};
    for (const auto& c : cases) {
        auto* box = m().panel().txtAccel[0];
        box->SetText("");
        QTest::keyClicks(box, c.keys);  // no Enter: the student goes on to the strip
        Put(0, 1, "0");
        Put(1, 1, "0");
        m().imgProcs_MouseDown(1, 0, 10, 100);  // set up the equations
        m().picAccel_MouseDown(1, 0, 12, 10);   // on point 0
        EXPECT_TRUE(form().rtbCalc->Text().contains(c.written)) << c.keys;
        EXPECT_DOUBLE_EQ(s().Segments[1][1].Accel.ToNumber(), c.a) << c.keys;
    }
    // Enter takes the decimal comma too, without "Valor no numérico.".
    auto* box = m().panel().txtAccel[0];
    box->SetText("");
    QTest::keyClicks(box, "-0,5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_DOUBLE_EQ(s().Segments[1][1].Accel.ToNumber(), -0.5);
}

}  // namespace
}  // namespace motiontest
