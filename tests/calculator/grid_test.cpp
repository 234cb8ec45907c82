// The argument grid on the main window: typing, selecting, the Enter walk,
// the keys and the eight tools.
#include <QTest>
#include <cmath>

#include "calc_fixture.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/mousepointer.h"
#include "platform/textbox.h"
#include "runtime/colors.h"
#include "support/fault_point.h"
#include "text/globals.h"

namespace calctest {

namespace {

using GridTest = CalcForm;

TEST_F(GridTest, TypingBackspaceAndTheEnterWalkAcrossRows) {
    Select(1, 1, 1, 1);
    Type("12,5");
    Key(8);
    EXPECT_EQ(Cell(1, 1), "12,");
    Enter();
    EXPECT_EQ(gd->Col(), 2);
    Key(8);  // an empty cell stays empty
    EXPECT_EQ(Cell(1, 2), "");

    // From the last column to the first of the next row; the last cell stays.
    Select(3, 21, 3, 21);
    Enter();
    EXPECT_EQ(gd->Row(), 4);
    EXPECT_EQ(gd->Col(), 1);
}

// Below row 20 there is no cell: Down or the Enter walk from the last row is
// refused aloud, and the value typed next never lands silently on a row it
// was not meant for.
TEST_F(GridTest, NoRowPastTheLastIsTakenInSilence) {
    // Pairs typed one per row with the keys a student uses.
    for (int i = 1; i <= 20; ++i) {
        QTest::keyClicks(gd, QString::number(i));
        QTest::keyClick(gd, Qt::Key_Right);
        QTest::keyClicks(gd, QString::number(100 + i));
        if (i == 20) break;
        QTest::keyClick(gd, Qt::Key_Down);
        QTest::keyClick(gd, Qt::Key_Left);
    }
    ASSERT_EQ(dialogs.Shown().size(), 0u);
    dialogs.Answer(plat::MsgResult::OK);
    QTest::keyClick(gd, Qt::Key_Down);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Prompt(0), calc::kNoRowLeft);
    EXPECT_EQ(gd->Row(), 20);
    EXPECT_EQ(Cell(20, 1), "20");
    EXPECT_EQ(Cell(20, 2), "120");

    // The Enter walk ends on the last cell, saying why it goes no further.
    Select(20, 21, 20, 21);
    dialogs.Answer(plat::MsgResult::OK);
    Enter();
    EXPECT_EQ(Prompt(1), calc::kNoRowLeft);
    EXPECT_EQ(gd->Row(), 20);
    EXPECT_EQ(gd->Col(), 21);
    // Down that extends a selection is no value's move: no box.
    QTest::keyClick(gd, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(dialogs.Shown().size(), 2u);
}

TEST_F(GridTest, EnterWalksASelectedBlockRowByRowAndSelectsItAgain) {
    Select(2, 2, 3, 4);
    const char* texts[] = {"a", "b", "c", "d", "e", "f"};
    for (const char* t : texts) {
        Type(QString::fromLatin1(t));
        Enter();
    }
    EXPECT_EQ(Cell(2, 2), "a");
    EXPECT_EQ(Cell(2, 4), "c");
    EXPECT_EQ(Cell(3, 2), "d");
    EXPECT_EQ(Cell(3, 4), "f");
    EXPECT_EQ(Cell(2, 5), "");
    EXPECT_EQ(gd->Row(), 2);
    EXPECT_EQ(gd->Col(), 2);
    EXPECT_EQ(gd->RowSel(), 3);
    EXPECT_EQ(gd->ColSel(), 4);
    EXPECT_EQ(G().SavedSelection.BottomRow, 3);
    EXPECT_EQ(G().SavedSelection.RightCol, 4);
}

TEST_F(GridTest, MouseSelectionsDownwardsAreRecordedAndBackwardOnesRefused) {
    DragSelect(2, 2, 4, 3);
    EXPECT_EQ(G().Selection.TopRow, 2);
    EXPECT_EQ(G().Selection.BottomRow, 4);
    EXPECT_EQ(G().Selection.LeftCol, 2);
    EXPECT_EQ(G().Selection.RightCol, 3);
    EXPECT_EQ(G().Selection.RowCount, 3);
    EXPECT_EQ(G().Selection.ColCount, 2);
    EXPECT_EQ(G().SavedSelection.RowCount, 3);
    EXPECT_EQ(panel().lblRC->Caption(), "3 x 2");

    // Upwards, leftwards, or both: one message and the anchor cell alone
    // selected; the counts and the saved block stay those of the press on
    // the anchor.
    const struct { int r1, c1, r2, c2; } backward[] = {{4, 3, 2, 3}, {3, 4, 3, 2}, {5, 4, 3, 2}, {2, 4, 4, 2}};
    for (const auto& b : backward) {
        dialogs.Answer(plat::MsgResult::OK);
        DragSelect(b.r1, b.c1, b.r2, b.c2);
        EXPECT_EQ(dialogs.Pending(), 0);
        EXPECT_EQ(gd->Row(), b.r1);
        EXPECT_EQ(gd->RowSel(), b.r1);
        EXPECT_EQ(gd->Col(), b.c1);
        EXPECT_EQ(gd->ColSel(), b.c1);
        EXPECT_EQ(G().Selection.RowCount, 1);
        EXPECT_EQ(G().Selection.ColCount, 1);
        EXPECT_EQ(G().SavedSelection.TopRow, b.r1);
        EXPECT_EQ(G().SavedSelection.BottomRow, b.r1);
        EXPECT_EQ(G().SavedSelection.RightCol, b.c1);
        // The tools see the anchor cell, not the refused rectangle.
        EXPECT_EQ(G().Selection.BottomRow, b.r1);
        EXPECT_EQ(G().Selection.RightCol, b.c1);
    }
    ASSERT_EQ(dialogs.Shown().size(), 4u);
    EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
}

TEST_F(GridTest, DeleteEmptiesTheShownSelectionOnly) {
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 4; ++c) SetCell(r, c, QStringLiteral("v"));
    Select(2, 2, 5, 3);
    EXPECT_EQ(KeyDown(46), 46);
    int empty = 0;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 4; ++c) empty += Cell(r, c).isEmpty();
    EXPECT_EQ(empty, 8);
    EXPECT_EQ(Cell(2, 2), "");
    EXPECT_EQ(Cell(5, 3), "");
    EXPECT_EQ(Cell(1, 2), "v");
    EXPECT_EQ(Cell(2, 4), "v");

    // After Enter the current cell is what Delete empties, not the cell
    // typed before.
    ClearGrid();
    Select(1, 1, 1, 1);
    Type("5");
    Enter();
    Type("7");
    KeyDown(46);
    EXPECT_EQ(Cell(1, 1), "5");
    EXPECT_EQ(Cell(1, 2), "");
}

TEST_F(GridTest, InsertPastesTheResultRoundedToTheDecimals) {
    text::G().Decimals = 3;
    Select(2, 3, 2, 3);
    panel().txtExpr->SetText(QStringLiteral("3.14159"));
    KeyDown(45);
    EXPECT_EQ(Cell(2, 3), "3.142");
    panel().txtExpr->SetText(QStringLiteral("Error en la expresión."));
    KeyDown(45);
    EXPECT_EQ(Cell(2, 3), "3.142");
}

TEST_F(GridTest, ShiftEnterAndF12RunTheProcedure) {
    int runs = 0;
    calc().SetNumericDriver([&](const calc::CalcRequest&) {
        ++runs;
        return calc::DriverEnd::Common;
    });
    Choose(2, 1);  // quadratic: three numbers
    Fill(1, 1, 3, {"1", "-3", "2"});
    Select(1, 1, 1, 3);
    EXPECT_EQ(KeyDown(13, plat::kShiftMask), 0);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(KeyDown(13), 13);  // plain Enter is left to the walk
    EXPECT_EQ(runs, 1);
    KeyDown(123);
    EXPECT_EQ(runs, 2);
}

TEST_F(GridTest, TheVectorBoxEnterWritesTheCurrentCellAndMovesOn) {
    Choose(7, 1);
    Select(3, 2, 3, 2);
    auto* box = form().findChild<plat::TextBox*>(QStringLiteral("txtVector"));
    ASSERT_NE(box, nullptr);
    box->SetText(QStringLiteral(" 23,-45 "));
    int k = 13;
    box->keys.KeyPress(k);
    EXPECT_EQ(Cell(3, 2), "23,-45");
    EXPECT_EQ(gd->Row(), 3);
    EXPECT_EQ(gd->Col(), 3);
}

// A grid used before takes new arguments: the first key typed into a cell
// just chosen (click, arrow, Enter walk, a click on the current cell)
// replaces its text; the keys after it append.
TEST_F(GridTest, TypingIntoACellJustChosenReplacesItsText) {
    Fill(1, 1, 2, {"1", "-3", "12", "x"});
    SetCell(3, 1, QStringLiteral("9"));
    Click(1, 1);
    QTest::keyClicks(gd, QStringLiteral("0"));
    EXPECT_EQ(Cell(1, 1), "0");
    QTest::keyClicks(gd, QStringLiteral("5"));
    EXPECT_EQ(Cell(1, 1), "05");
    QTest::keyClick(gd, Qt::Key_Return);
    QTest::keyClicks(gd, QStringLiteral("2*PI"));
    EXPECT_EQ(Cell(1, 2), "2*PI");
    QTest::keyClick(gd, Qt::Key_Left);
    QTest::keyClicks(gd, QStringLiteral("7"));
    EXPECT_EQ(Cell(1, 1), "7");
    Click(1, 1);
    QTest::keyClicks(gd, QStringLiteral("8"));
    EXPECT_EQ(Cell(1, 1), "8");

    // Backspace and Esc edit as before: what follows them appends.
    QTest::keyClick(gd, Qt::Key_Down);
    QTest::keyClick(gd, Qt::Key_Backspace);
    QTest::keyClicks(gd, QStringLiteral("5"));
    EXPECT_EQ(Cell(2, 1), "15");
    // The euro sign (AltGr+E) is kept as typed, not as a control character.
    QTest::sendKeyEvent(QTest::Press, gd, Qt::Key_E, QStringLiteral("€"), Qt::GroupSwitchModifier);
    QTest::sendKeyEvent(QTest::Release, gd, Qt::Key_E, QStringLiteral("€"), Qt::GroupSwitchModifier);
    EXPECT_EQ(Cell(2, 1), QStringLiteral("15€"));
    Click(3, 1);
    QTest::keyClick(gd, Qt::Key_Escape);
    EXPECT_EQ(Cell(3, 1), "9");
    QTest::keyClicks(gd, QStringLiteral("4"));
    EXPECT_EQ(Cell(3, 1), "4");

    // A text the program writes into the chosen cell (a direction from the
    // clock) is completed by what is typed, not replaced.
    Click(4, 1);
    gd->SetText(QStringLiteral("@30 "));
    QTest::keyClicks(gd, QStringLiteral("5"));
    EXPECT_EQ(Cell(4, 1), "@30 5");
}

TEST_F(GridTest, CtrlVPastesOneValueIntoTheCurrentCell) {
    SetCell(2, 2, QStringLiteral("1"));
    Click(2, 2);
    plat::SetClipboardText(QStringLiteral(" 2,5\r\n"));
    QTest::keyClick(gd, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(2, 2), "2,5");
    QTest::keyClicks(gd, QStringLiteral("0"));
    EXPECT_EQ(Cell(2, 2), "2,50");

    // Several values are refused aloud; the cell keeps its text.
    plat::SetClipboardText(QStringLiteral("1\t2\r\n3\t4\r\n"));
    dialogs.Answer(plat::MsgResult::OK);
    QTest::keyClick(gd, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Prompt(0), calc::kPasteOneValue);
    EXPECT_EQ(Cell(2, 2), "2,50");
}

TEST_F(GridTest, SwapExchangesTheTwoOuterRowsOrColumns) {
    auto fillNumbers = [&] {
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 5; ++c) SetCell(r, c, QString::number(10 * r + c));
    };
    // 3 x 2: the two columns over three rows.
    fillNumbers();
    Select(1, 1, 3, 2);
    Tool(1)->Press();
    EXPECT_EQ(Cell(1, 1), "12");
    EXPECT_EQ(Cell(3, 2), "31");
    EXPECT_EQ(Cell(1, 3), "13");
    // 2 x 5: the two rows over five columns.
    fillNumbers();
    Select(1, 1, 2, 5);
    Tool(1)->Press();
    EXPECT_EQ(Cell(1, 5), "25");
    EXPECT_EQ(Cell(2, 1), "11");
    EXPECT_EQ(Cell(3, 1), "31");
    // 2 x 2 asks: Yes swaps rows, No columns.
    fillNumbers();
    Select(1, 1, 2, 2);
    dialogs.Answer(plat::MsgResult::Yes).Answer(plat::MsgResult::No);
    Tool(1)->Press();
    EXPECT_EQ(Cell(1, 1), "21");
    Tool(1)->Press();
    EXPECT_EQ(Cell(1, 1), "22");
    EXPECT_EQ(Cell(2, 2), "11");
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].title, "No sé si intercambiar filas o columnas");
    EXPECT_EQ(dialogs.Shown()[0].buttons, plat::MsgButtons::YesNo);
    EXPECT_EQ(dialogs.Shown()[0].prompt, calc::kSwapPrompt);
}

TEST_F(GridTest, FillSeriesContinuesTheFirstTwoValues) {
    Fill(1, 2, 1, {"1", "3", "", "", ""});
    Select(1, 2, 5, 2);
    Tool(7)->Press();
    const char* expected[] = {"1", "3", "5", "7", "9"};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(Cell(r, 2), expected[r - 1]);
    EXPECT_EQ(gd->RowSel(), 5);  // the column selected again
    EXPECT_EQ(Cell(6, 2), "");

    Fill(1, 4, 1, {"0.1", "0.4", "x"});
    Select(1, 4, 3, 4);
    Tool(7)->Press();
    EXPECT_EQ(Cell(3, 4), "0.7");

    Fill(1, 5, 1, {"2", "4"});
    Select(1, 5, 2, 5);  // two cells: nothing to fill
    Tool(7)->Press();
    EXPECT_EQ(Cell(3, 5), "");

    Fill(1, 6, 1, {"a", "4", ""});
    Select(1, 6, 3, 6);
    dialogs.Answer(plat::MsgResult::OK);
    Tool(7)->Press();
    EXPECT_EQ(Prompt(0), calc::kGridCommandError);
    EXPECT_EQ(Cell(3, 6), "");
}

TEST_F(GridTest, WidthToolsAndReset) {
    const int w = plat::WidthTwips(gd);
    EXPECT_EQ(G().GridColsPerView, 5);
    Tool(0)->Press();
    EXPECT_EQ(G().GridColsPerView, 4);
    EXPECT_EQ(gd->ColWidth(7), 1260);
    Tool(2)->Press();  // wider: a margin of 280, whole multiples of 15
    EXPECT_EQ(G().GridColsPerView, 3);
    EXPECT_EQ(gd->ColWidth(1), (w - 45 - 330 - 280) / 15 * 15 / 3);
    Tool(5)->Press();
    Tool(5)->Press();  // narrower: a margin of 250, no multiple of 15
    EXPECT_EQ(G().GridColsPerView, 5);
    EXPECT_EQ(gd->ColWidth(21), static_cast<int>(std::lround((w - 45 - 330 - 250) / 5.0)));
    Tool(4)->Press();
    EXPECT_EQ(G().GridColsPerView, 12);
    EXPECT_EQ(gd->ColWidth(3), 420);
    Tool(5)->Press();
    Tool(2)->Press();  // neither acts after the small cells
    EXPECT_EQ(G().GridColsPerView, 12);
    EXPECT_EQ(gd->ColWidth(3), 420);
    SetCell(4, 4, QStringLiteral("kept"));
    Tool(0)->Press();
    EXPECT_EQ(gd->ColWidth(3), 1260);
    EXPECT_EQ(gd->ColWidth(0), 330);
    EXPECT_EQ(Cell(4, 4), "kept");
    EXPECT_EQ(Cell(0, 0), "#");
    EXPECT_EQ(gd->Row(), 1);
    EXPECT_EQ(gd->Col(), 1);
    // Wider stops at one column per view.
    for (int i = 0; i < 6; ++i) Tool(2)->Press();
    EXPECT_EQ(G().GridColsPerView, 1);
}

class GridDropTest : public CalcForm {
protected:
    void SetUp() override {
        CalcForm::SetUp();
        Fill(1, 1, 2, {"a", "b", "c", "d"});
        Select(1, 1, 2, 2);
    }
};

TEST_F(GridDropTest, CopyDropsTheBlockAtTheClickedCellAndKeepsTheSource) {
    Tool(3)->Press();
    EXPECT_EQ(Tool(3)->BackColor(), calc::kToolWaiting);
    EXPECT_EQ(plat::MousePointerOf(&form()), 10);
    Click(5, 5);
    EXPECT_EQ(Cell(5, 5), "a");
    EXPECT_EQ(Cell(5, 6), "b");
    EXPECT_EQ(Cell(6, 5), "c");
    EXPECT_EQ(Cell(6, 6), "d");
    EXPECT_EQ(Cell(1, 1), "a");
    EXPECT_EQ(Cell(2, 2), "d");
    EXPECT_EQ(Tool(3)->BackColor(), rt::kButtonFace);
    EXPECT_EQ(plat::MousePointerOf(&form()), 0);
    EXPECT_FALSE(calc().grid().DropPending());
    // The next click is an ordinary click again.
    Click(8, 8);
    EXPECT_EQ(Cell(8, 8), "");
}

TEST_F(GridDropTest, MoveEmptiesTheSourceAfterWritingAlsoWhenTheyOverlap) {
    Tool(6)->Press();
    Click(5, 5);
    EXPECT_EQ(Cell(5, 5), "a");
    EXPECT_EQ(Cell(6, 6), "d");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(2, 2), "");
    EXPECT_EQ(Tool(6)->BackColor(), rt::kButtonFace);

    Fill(1, 1, 2, {"a", "b", "c", "d"});
    Select(1, 1, 2, 2);
    Tool(6)->Press();
    Click(2, 2);
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(2, 2), "a");
    EXPECT_EQ(Cell(2, 3), "b");
    EXPECT_EQ(Cell(3, 2), "c");
    EXPECT_EQ(Cell(3, 3), "d");
}

TEST_F(GridDropTest, TheBlockIsTheOneSelectedWhenTheToolWasPressed) {
    Tool(6)->Press();
    Select(9, 9, 9, 9);  // a later selection does not change what moves
    Click(0, 3);         // nor does a click on a title, which is no target
    EXPECT_TRUE(calc().grid().DropPending());
    Click(5, 5);
    EXPECT_EQ(Cell(5, 5), "a");
    EXPECT_EQ(Cell(6, 6), "d");
    EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(GridDropTest, ABlockThatDoesNotFitIsRefusedAndNothingIsLost) {
    SetCell(20, 21, QStringLiteral("z"));
    Tool(6)->Press();
    dialogs.Answer(plat::MsgResult::OK);
    Click(20, 21);
    EXPECT_EQ(Prompt(0), calc::kBlockDoesNotFit);
    EXPECT_EQ(Cell(1, 1), "a");
    EXPECT_EQ(Cell(2, 2), "d");
    EXPECT_EQ(Cell(20, 21), "z");
    EXPECT_FALSE(calc().grid().DropPending());
    EXPECT_EQ(Tool(6)->BackColor(), rt::kButtonFace);
    EXPECT_EQ(plat::MousePointerOf(&form()), 0);
}

// A fault of the program part way through a drop is reported as an internal
// fault; the block no longer waits, and neither the tool's button nor the
// pointer stays armed.
TEST_F(GridDropTest, AFaultPartWayThroughADropEndsIt) {
    for (int tool : {3, 6}) {
        Select(1, 1, 2, 2);
        Tool(tool)->Press();
        testsupport::ArmedFaultPoint fault("grid drop");
        dialogs.Answer(plat::MsgResult::OK);
        Click(5, 5);
        EXPECT_EQ(dialogs.Shown().back().prompt, plat::kInternalFault) << tool;
        EXPECT_FALSE(calc().grid().DropPending()) << tool;
        EXPECT_EQ(Tool(tool)->BackColor(), rt::kButtonFace) << tool;
        EXPECT_EQ(plat::MousePointerOf(&form()), 0) << tool;
    }
}

TEST_F(GridDropTest, CalculatingCancelsAWaitingDrop) {
    Tool(3)->Press();
    Select(9, 9, 9, 9);
    G().ProcedureGroup = shell::kNoGroup;
    G().ProcedureCode = 0;
    Calculate();
    EXPECT_FALSE(calc().grid().DropPending());
    EXPECT_EQ(Tool(3)->BackColor(), calc::kToolCancelled);
    EXPECT_EQ(Tool(6)->BackColor(), calc::kToolCancelled);
    EXPECT_EQ(plat::MousePointerOf(&form()), 0);
    Click(5, 5);
    EXPECT_EQ(Cell(5, 5), "");
}

}  // namespace

}  // namespace calctest
