// The motion table, the strip and its configuration clicks, the problem
// kinds and the acceleration boxes.
#include <QApplication>

#include "motion_fixture.h"
#include "platform/buttons.h"
#include "platform/clipboard.h"
#include "platform/labels.h"
#include "platform/mousepointer.h"
#include "platform/picture.h"
#include "platform/textbox.h"

namespace motiontest {
namespace {

using plat::MsgResult;

class TableTest : public MotionTest {
protected:
    plat::FlexGrid& g() { return *m().panel().Gd2; }
    void Key(int ascii) { m().Gd2_KeyPress(ascii); }
    void Down(int code, int shift) { m().Gd2_KeyDown(code, shift); }
    void At(int r, int c) {
        g().SetRow(r);
        g().SetCol(c);
    }
    std::vector<QString> StripTexts() {
        std::vector<QString> t;
        for (const auto& p : m().panel().picAccel->Drawn())
            if (p.kind == plat::DrawnPrimitive::Kind::Text) t.push_back(p.text);
        return t;
    }
    bool FilledWith(double x, double y, rt::ColorRef c) {
        const auto& d = m().panel().picAccel->Drawn();
        for (auto it = d.rbegin(); it != d.rend(); ++it) {
            if (it->kind != plat::DrawnPrimitive::Kind::FilledBox) continue;
            const auto& a = it->points[0];
            const auto& b = it->points[1];
            if (x >= std::min(a.x(), b.x()) && x <= std::max(a.x(), b.x()) && y >= std::min(a.y(), b.y()) &&
                y <= std::max(a.y(), b.y()))
                return it->color == c;
        }
        return false;
    }
};

TEST_F(TableTest, TypingBuildsTheCellAndTheStoreWithTheCommaAsDecimalPoint) {
    Open(4);
    At(0, 2);
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK);  // "a" and "X" are refused
    for (int k : {'a', 'X', '-', '/', '3', ','}) Key(k);
    EXPECT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(Cell(0, 2), "-/3.");
    EXPECT_EQ(s().MotionPoints[0][2], rt::Variant("-/3."));
    Key(8);
    Key(8);
    EXPECT_EQ(s().MotionPoints[0][2], rt::Variant("-/"));
    At(1, 2);
    Key(8);  // an empty cell keeps what the store holds
    EXPECT_TRUE(s().MotionPoints[1][2].IsEmpty());
    At(2, 4);
    Key(13);
    EXPECT_EQ(g().Row(), 0);
    EXPECT_EQ(g().Col(), 5);
    At(2, 9);
    Key(13);
    EXPECT_EQ(g().Row(), 2);
    EXPECT_EQ(g().Col(), 9);
    // Rows and widths of the rectilinear table.
    EXPECT_EQ(g().Rows(), 3);
    EXPECT_EQ(g().ColWidth(0), 360);
    EXPECT_EQ(g().ColWidth(1), 960);
    EXPECT_EQ(g().ColWidth(9), 945);
}

TEST_F(TableTest, OneCellClipboardKeepsFullPrecision) {
    Open(4);
    text::G().Decimals = 1;
    At(0, 1);
    plat::SetClipboardText("12.345\r\n");
    Down(86, 2);
    EXPECT_EQ(Cell(0, 1), "12.3");
    EXPECT_EQ(s().MotionPoints[0][1], rt::Variant("12.345"));
    Down(67, 2);
    EXPECT_EQ(plat::ClipboardText(), "12.345");
    At(1, 1);
    plat::SetClipboardText("abc");
    Down(86, 2);
    EXPECT_EQ(Cell(1, 1), "abc");
    EXPECT_EQ(s().MotionPoints[1][1], rt::Variant("abc"));
    Down(88, 2);  // cut
    EXPECT_EQ(plat::ClipboardText(), "abc");
    EXPECT_EQ(s().MotionPoints[1][1], rt::Variant(""));
    At(2, 1);
    Down(67, 2);  // an Empty store gives an empty text
    EXPECT_EQ(plat::ClipboardText(), "");
    plat::ClearClipboard();  // nothing to paste empties no cell
    At(0, 1);
    Down(86, 2);
    EXPECT_EQ(Cell(0, 1), "12.3");
    EXPECT_EQ(s().MotionPoints[0][1], rt::Variant("12.345"));
    Put(0, 3, "4");
    At(0, 3);
    Down(86, 3);  // Ctrl+Shift does nothing
    Down(88, 3);
    EXPECT_EQ(Cell(0, 3), "4");
    m().Gd2_DblClick();
    EXPECT_EQ(s().MotionPoints[0][3], rt::Variant(""));
    Put(1, 3, 2.0);
    At(1, 3);
    Down(46, 1);
    EXPECT_EQ(Cell(1, 3), "");
    int code = 67;
    m().Gd2_KeyUp(code, 2);
    EXPECT_EQ(code, 0);
    code = 88;
    m().Gd2_KeyUp(code, 2);
    EXPECT_EQ(code, 88);
}

TEST_F(TableTest, NewProblemConfiguresOneBodyOfNinePoints) {
    Open(4);
    Put(0, 4, "3");
    m().panel().txtAccel[0]->SetText("2");
    dialogs.Answer(MsgResult::Yes);
    m().cmdNewMruaProbl_Click();
    for (int q = 0; q < 5; ++q)
        for (int p = 1; p <= 9; ++p) EXPECT_TRUE(s().MotionPoints[q][p].IsEmpty());
    EXPECT_EQ(s().NumBodies, 1);
    EXPECT_EQ(s().PointsPerBody[1], 9);
    EXPECT_EQ(s().Segments[1][1].FirstPoint, 0);
    EXPECT_EQ(s().Segments[1][1].LastPoint, 8);
    EXPECT_TRUE(s().Segments[1][1].Accel.IsEmptyText());
    EXPECT_TRUE(s().TableReady);
    EXPECT_FALSE(m().panel().txtAccel[0]->isHidden());
    EXPECT_TRUE(m().panel().txtAccel[1]->isHidden());
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::SetUpEquations);
    EXPECT_TRUE(rec.Has("EraseEqnFlags()"));
    // "No" changes nothing.
    Put(0, 4, "3");
    dialogs.Answer(MsgResult::No);
    m().cmdNewMruaProbl_Click();
    EXPECT_EQ(s().MotionPoints[0][4], rt::Variant("3"));
}

TEST_F(TableTest, SegmentLimitsOfOneBody) {
    Open(4);
    struct Case {
        std::vector<int> clicks;  // columns clicked after the choice of kind 1
        std::vector<std::pair<int, int>> segments;
    } cases[] = {
        {{9}, {{0, 8}}},
        {{8}, {{0, 7}, {7, 8}}},
        {{3, 6}, {{0, 2}, {2, 5}, {5, 8}}},
    };
    for (const Case& c : cases) {
        m().cmdTable_Click(1);
        for (int col : c.clicks) Grey(col);
        EXPECT_EQ(s().SegmentsPerBody[1], static_cast<int>(c.segments.size()));
        for (size_t k = 0; k < c.segments.size(); ++k) {
            EXPECT_EQ(s().Segments[1][k + 1].FirstPoint, c.segments[k].first);
            EXPECT_EQ(s().Segments[1][k + 1].LastPoint, c.segments[k].second);
        }
        EXPECT_TRUE(s().TableReady);
        EXPECT_FALSE(s().AwaitingSegmentLimits);
        for (size_t k = 0; k < 3; ++k) EXPECT_EQ(m().panel().txtAccel[k]->isHidden(), k >= c.segments.size());
    }
    // Three segments: shared points half in each colour, point 8 only in its left half.
    const auto& colors = shell::Shared().ResultColors;
    EXPECT_TRUE(FilledWith(64 * 2 + 10, 10, colors[1]));
    EXPECT_TRUE(FilledWith(64 * 2 + 40, 10, colors[2]));
    EXPECT_TRUE(FilledWith(64 * 5 + 40, 10, colors[3]));
    EXPECT_TRUE(FilledWith(64 * 8 + 10, 10, colors[3]));
    EXPECT_FALSE(FilledWith(64 * 8 + 40, 10, colors[3]));

    // A limit over point 0, then one not right of the first.
    m().cmdTable_Click(1);
    dialogs.Answer(MsgResult::OK);
    Grey(1);
    EXPECT_EQ(LastPrompt(), "Cada tramo debe tener al mínimo 2 puntos.");
    EXPECT_EQ(s().NumBodies, 1);
    Grey(4);
    dialogs.Answer(MsgResult::OK);
    Grey(4);
    EXPECT_EQ(LastPrompt(), "Punto inválido.");
    EXPECT_EQ(s().SegmentCount, 1);
    EXPECT_TRUE(s().AwaitingSegmentLimits);
}

TEST_F(TableTest, TwoBodiesShareTheColumns) {
    Open(4);
    Put(1, 2, "5");
    m().panel().txtAccel[0]->SetText("3");
    m().cmdTable_Click(2);
    EXPECT_TRUE(s().MotionPoints[1][2].IsEmpty());  // any kind empties the table
    EXPECT_EQ(m().panel().txtAccel[0]->Text(), "");
    Grey(4);
    EXPECT_EQ(s().NumBodies, 2);
    EXPECT_EQ(s().PointsPerBody[1], 4);
    EXPECT_EQ(s().PointsPerBody[2], 5);
    EXPECT_EQ(s().Segments[1][1].LastPoint, 3);
    EXPECT_EQ(s().Segments[2][1].LastPoint, 4);
    EXPECT_FALSE(m().panel().txtAccel[0]->isHidden());
    EXPECT_FALSE(m().panel().txtAccel[3]->isHidden());
    EXPECT_TRUE(m().panel().txtAccel[1]->isHidden());
    const std::vector<QString> numbers = {" 0", " 1", " 2", " 3", " 0", " 1", " 2", " 3", " 4"};
    const auto texts = StripTexts();  // printed again after each segment limit
    ASSERT_GE(texts.size(), numbers.size());
    EXPECT_EQ(std::vector<QString>(texts.end() - 9, texts.end()), numbers);
    EXPECT_TRUE(FilledWith(64 * 3 + 10, 10, 0xC00000));
    EXPECT_TRUE(FilledWith(64 * 4 + 10, 10, 0xC000C0));
    m().cmdTable_Click(3);
    EXPECT_FALSE(s().TableReady);  // procedures wait for the new configuration
    dialogs.Answer(MsgResult::OK);
    Grey(8);
    EXPECT_EQ(LastPrompt(), "Mínimo 2 puntos para cada móvil.");
    EXPECT_TRUE(s().AwaitingBodySplit);
}

TEST_F(TableTest, AccelerationBoxesRefuseOnlyTextsThatAreNoNumber) {
    Open(4);
    m().cmdTable_Click(2);
    Grey(4);
    auto* a0 = m().panel().txtAccel[0];
    a0->SetText("g");
    EXPECT_EQ(a0->Text(), "9.8");
    EXPECT_EQ(s().Segments[1][1].Accel, rt::Variant(9.8));
    a0->SetText(" -g ");
    EXPECT_EQ(s().Segments[1][1].Accel, rt::Variant(-9.8));
    a0->SetText("G");
    EXPECT_EQ(s().Segments[1][1].Accel, rt::Variant("G"));
    // "1,5" and "1e3" are numbers (decimal comma, exponent): not refused.
    for (const char* bad : {"G", "1,5,2", "1e"}) {
        a0->SetText(bad);
        dialogs.Answer(MsgResult::OK);
        int k = 13;
        m().txtAccel_KeyPress(0, k);
        EXPECT_EQ(LastPrompt(), "Valor no numérico.") << bad;
    }
    QApplication::setActiveWindow(&form());
    a0->SetText("-2.5");
    int k = 13;
    m().txtAccel_KeyPress(0, k);
    EXPECT_EQ(s().Segments[1][1].Accel, rt::Variant("-2.5"));
    EXPECT_EQ(k, 0);
    EXPECT_TRUE(m().panel().txtAccel[3]->hasFocus());  // box 0 goes to box 3
    m().panel().txtAccel[3]->SetText("");
    k = 13;
    m().txtAccel_KeyPress(3, k);
    EXPECT_EQ(s().Segments[2][1].Accel, rt::Variant(""));
    EXPECT_TRUE(m().panel().Gd2->hasFocus());
    EXPECT_EQ(m().panel().Gd2->Row(), 0);
    EXPECT_EQ(m().panel().Gd2->Col(), 1);
}

TEST_F(TableTest, RightClickAndDragOfColumns) {
    Open(4);
    for (int q = 0; q < 3; ++q) Put(q, 3, q + 1.5);
    m().picAccel_MouseDown(1, 0, 64 * 2 + 10, 30);
    m().picAccel_MouseUp(1, 0, 64 * 5 + 10, 30);
    EXPECT_EQ(s().MotionPoints[1][6], rt::Variant(2.5));
    EXPECT_EQ(Cell(1, 6), "2.5");
    EXPECT_EQ(s().MotionPoints[1][3], rt::Variant(""));
    m().picAccel_MouseDown(1, 0, 64 * 5 + 10, 30);
    m().picAccel_MouseUp(1, 1, 64 * 2 + 10, 30);  // Shift: a copy
    EXPECT_EQ(s().MotionPoints[2][3], rt::Variant(3.5));
    EXPECT_EQ(s().MotionPoints[2][6], rt::Variant(3.5));
    m().picAccel_MouseDown(1, 0, 64 * 5 + 10, 30);
    m().picAccel_MouseUp(1, 0, 64 * 5 + 40, 30);  // same column
    EXPECT_EQ(s().MotionPoints[2][6], rt::Variant(3.5));
    // The split click begins no drag: its release drops nothing.
    m().cmdTable_Click(2);
    Put(0, 2, "1");
    m().picAccel_MouseDown(1, 0, 64 * 3 + 10, 30);
    m().picAccel_MouseUp(1, 0, 64 * 1 + 10, 30);
    EXPECT_EQ(s().MotionPoints[0][2], rt::Variant("1"));
    EXPECT_TRUE(s().MotionPoints[0][1].IsEmpty());
    // A right click on a label empties the point's column.
    Put(0, 6, "4");
    Put(2, 6, "5");
    m().picAccel_MouseDown(2, 0, 64 * 5 + 10, 10);
    EXPECT_EQ(s().MotionPoints[0][6], rt::Variant(""));
    EXPECT_EQ(s().MotionPoints[2][6], rt::Variant(""));
    EXPECT_EQ(m().panel().Gd2->Col(), 6);
}

TEST_F(TableTest, ProjectileVelocityModes) {
    Open(5);
    auto& g = *m().panel().Gd2;
    EXPECT_EQ(g.Rows(), 5);
    const QString theta = QString::fromUtf8("θ");  // the direction row names the launch angle
    EXPECT_EQ(g.TextMatrix(4, 0).trimmed(), theta);
    Grey(3);  // empty column: only the mode
    EXPECT_TRUE(s().ComponentVelocityFlags[3]);
    EXPECT_EQ(g.TextMatrix(3, 0), " vx");
    g.SetCol(3);
    g.SetRow(3);
    EXPECT_EQ(g.CellBackColor(), 0xE0E0E0u);
    Grey(3);
    EXPECT_FALSE(s().ComponentVelocityFlags[3]);
    Put(3, 4, "10");
    Put(4, 4, "30");
    Grey(4);
    EXPECT_NEAR(s().MotionPoints[3][4].ToNumber(), 10 * std::cos(M_PI / 6), 1e-12);
    EXPECT_NEAR(s().MotionPoints[4][4].ToNumber(), 5, 1e-12);
    EXPECT_EQ(Cell(3, 4), "8.66");
    Grey(4);
    EXPECT_EQ(g.TextMatrix(4, 0).trimmed(), theta);
    EXPECT_NEAR(s().MotionPoints[3][4].ToNumber(), 10, 1e-12);
    EXPECT_NEAR(s().MotionPoints[4][4].ToNumber(), 30, 1e-12);
    Put(3, 5, "0");
    Put(4, 5, "30");
    dialogs.Answer(MsgResult::OK);
    Grey(5);
    EXPECT_EQ(LastPrompt(), "Tienes una magnitud no válida para la velocidad.");
    EXPECT_FALSE(s().ComponentVelocityFlags[5]);
    EXPECT_EQ(StripTexts().back(), "md");  // the refused column still shows its mode
    // Entering a column shows its velocity titles.
    Grey(6);
    g.SetCol(6);
    EXPECT_EQ(g.TextMatrix(4, 0), " vy");
    g.SetCol(2);
    EXPECT_EQ(g.TextMatrix(3, 0), " v");
    EXPECT_EQ(g.TextMatrix(4, 0), " " + theta);
    // A right press and release in one column keeps the data; a drag moves it.
    m().picAccel_MouseDown(2, 0, 64 * 3 + 10, 30);
    m().picAccel_MouseUp(2, 0, 64 * 3 + 20, 30);
    EXPECT_NEAR(s().MotionPoints[3][4].ToNumber(), 10, 1e-12);
    m().picAccel_MouseDown(2, 0, 64 * 3 + 10, 30);
    m().picAccel_MouseUp(2, 0, 64 * 6 + 20, 30);  // onto column 7 ("md" too)
    EXPECT_NEAR(s().MotionPoints[3][7].ToNumber(), 10, 1e-12);
    EXPECT_EQ(s().MotionPoints[3][4], rt::Variant(""));
    // Dropped on a column of the other mode, the column first takes the
    // source's mode, so the components arrive as components.
    Grey(8);
    Put(3, 8, "3");
    Put(4, 8, "4");
    m().picAccel_MouseDown(2, 0, 64 * 7 + 10, 30);
    m().picAccel_MouseUp(2, 0, 64 * 1 + 20, 30);  // onto column 2 ("md")
    EXPECT_TRUE(s().ComponentVelocityFlags[2]);
    EXPECT_EQ(s().MotionPoints[3][2], rt::Variant("3"));
    EXPECT_EQ(s().MotionPoints[4][2], rt::Variant("4"));
    EXPECT_EQ(g.TextMatrix(3, 0), " vx");
    // Two bodies split over column 4 in the projectile workspace.
    m().cmdTable_Click(1);
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_TRUE(LastPrompt().startsWith("Configura la tabla primero\r\n"));
    Grey(4);
    EXPECT_EQ(s().NumBodies, 2);
    EXPECT_EQ(s().PointsPerBody[2], 5);
}

TEST_F(TableTest, ProjectileNewProblem) {
    Open(5);
    EXPECT_TRUE(m().panel().cmdTable[2]->isHidden());
    EXPECT_TRUE(m().panel().lblAs[3]->isHidden());
    m().cmdTable_Click(1);
    Grey(4);
    Put(0, 2, "1");
    s().ParabActionMode = motion::ParabAction::V0Theta0;
    s().ParabProcedureCode = 22;
    dialogs.Answer(MsgResult::Yes);
    m().cmdNewMruaProbl_Click();
    EXPECT_EQ(LastPrompt(), "Se borrará todo. ¿Estás seguro?");
    EXPECT_TRUE(rec.Has("EraseParabFlags()"));
    EXPECT_EQ(s().ParabActionMode, motion::ParabAction::SetUp);
    EXPECT_EQ(s().ParabProcedureCode, 1);
    EXPECT_EQ(s().NumBodies, 1);
    EXPECT_TRUE(s().MotionPoints[0][2].IsEmpty());
    EXPECT_EQ(g().Rows(), 5);
    EXPECT_EQ(m().panel().cmdTable[1]->toolTip(), "Un clic en la tabla, en el espacio gris arriba de los encabezados");
    // Back to the rectilinear workspace: its four kinds and three rows.
    Open(4);
    EXPECT_FALSE(m().panel().cmdTable[3]->isHidden());
    EXPECT_EQ(m().panel().lblAs[2]->Caption(), "   Dos móviles, una aceleración cada uno  --  a, A");
    EXPECT_EQ(g().Rows(), 3);
    EXPECT_EQ(g().TextMatrix(2, 0), " v");
    EXPECT_EQ(s().LinePos[1].Y, 340);
    EXPECT_EQ(s().LinePos[8].Y, 214);
    EXPECT_EQ(s().LinePos[10].Y, 160);  // left from the projectile layout
}

}  // namespace
}  // namespace motiontest
