// What the motion table takes from the keys and the clipboard: the minus
// sign of the program's results is a minus, the first key in a cell just
// chosen replaces its text, a paste brings one value, a character the cell
// cannot take is refused with a message and takes back the keys typed
// before it (never leaving another number), and a cell that cannot be read
// is named when a point is clicked.
#include <QtTest/QTest>

#include "motion_fixture.h"
#include "platform/celltyping.h"
#include "platform/clipboard.h"
#include "platform/textbox.h"

namespace motiontest {
namespace {

using plat::MsgResult;

const QString kMinus = QString(QChar(0x2212));

class CellEntries : public MotionTest {
protected:
    plat::FlexGrid& g() { return *m().panel().Gd2; }
    void At(int r, int c) {
        g().SetRow(r);
        g().SetCol(c);
    }
    void Type(int r, int c, const QString& keys) {
        At(r, c);
        TypeKeys(&g(), keys);
    }
    void Paste(int r, int c, const QString& text) {
        At(r, c);
        plat::SetClipboardText(text);
        int v = 86;
        m().Gd2_KeyDown(v, 2);
    }
    // A real click on a cell.
    void Click(int r, int c) {
        const QPoint pos = g().visualRect(g().model()->index(r, c)).center();
        QTest::mouseClick(g().viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }
    // Point 0's label with the set-up picture chosen.
    void SetUpOnPoint0() {
        m().imgProcs_MouseDown(1, 0, 10, 100);
        Label(1);
    }
};

TEST_F(CellEntries, TheMinusSignOfResultsIsAMinusTypedOrPasted) {
    Open(4);
    Type(0, 1, "0");
    Type(1, 1, kMinus + "3");
    Paste(2, 1, kMinus + "2.5\r\n");
    EXPECT_EQ(Cell(1, 1), "-3");
    EXPECT_EQ(Cell(2, 1), "-2.5");
    SetUpOnPoint0();
    EXPECT_EQ(rec.Last(), "SetUpSegmentEqns(1,1,0,'','0','-3','-2.5')");
    // A relational datum keeps its minus too.
    Type(1, 2, "x1" + kMinus + "4");
    EXPECT_EQ(s().MotionPoints[1][2], rt::Variant("x1-4"));
}

// A refused key takes back the keys typed into the cell before it: what is
// left of them ("1.000" of "1.000,5") would be another number. The cell holds
// what it held before, and the next key starts it over.
TEST_F(CellEntries, ARefusedKeyTakesTheWholeEditBack) {
    Open(4);
    const QString notTaken = QStringLiteral(
        "\": escribe un número (2.5, -3, 1E3) o un dato relativo a otro punto (t0+2, x1-3, 2*x1, x1/2).");
    const QString noSecondComma = QStringLiteral(
        "La casilla guarda un solo número, con una sola coma o punto decimal y sin separar los miles "
        "(1000.5, no 1.000,5).");
    const struct {
        const char* before;  // typed first, taken
        QString key;         // refused
        QString prompt;
    } cases[] = {
        {"", "r", QStringLiteral("La casilla no admite \"r") + notTaken},
        {"-1", ")", QStringLiteral("La casilla no admite \")") + notTaken},
        {"2", "X", QStringLiteral("La casilla no admite \"X") + notTaken},
        {"2", QStringLiteral("€"), QStringLiteral("La casilla no admite \"€") + notTaken},
        {"1.000", ",", noSecondComma},
        {"3,5", ",", noSecondComma},
        {"1E3", ",", noSecondComma},
        {"x1", ",", noSecondComma},
    };
    for (const auto& c : cases) {
        Put(0, 3, 7.25);  // a value the table held before
        At(1, 3);
        Type(0, 3, c.before);
        dialogs.Answer(MsgResult::OK);
        TypeKeys(&g(), c.key);
        EXPECT_EQ(LastPrompt(), c.prompt) << c.before;
        EXPECT_EQ(Cell(0, 3), "7.25") << c.before;
        EXPECT_EQ(s().MotionPoints[0][3], rt::Variant(7.25)) << c.before;
        TypeKeys(&g(), "5");
        EXPECT_EQ(Cell(0, 3), "5") << c.before;
    }
    // "r(-1)" typed key by key: each refused key says so, and the "-1"
    // between them goes back with the last.
    Put(0, 4, std::string());
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK).Answer(MsgResult::OK);
    const size_t shown = dialogs.Shown().size();
    Type(0, 4, "r(-1)");
    EXPECT_EQ(dialogs.Shown().size(), shown + 3);
    EXPECT_EQ(Cell(0, 4), "");
    EXPECT_EQ(s().MotionPoints[0][4], rt::Variant(""));
}

// A table used before takes new values: the first key typed into a cell just
// chosen (click, Enter walk, a click on the current cell) replaces its text;
// the keys after it append. A paste brings one value.
TEST_F(CellEntries, TypingIntoACellJustChosenReplacesItsText) {
    Open(4);
    Put(0, 2, "12");
    Put(1, 2, 8.0);
    Put(2, 2, "5");
    Click(0, 2);
    TypeKeys(&g(), "3");
    EXPECT_EQ(Cell(0, 2), "3");
    TypeKeys(&g(), "4");
    EXPECT_EQ(Cell(0, 2), "34");
    QTest::keyClick(&g(), Qt::Key_Return);
    TypeKeys(&g(), "-8");
    EXPECT_EQ(Cell(1, 2), "-8");
    EXPECT_EQ(s().MotionPoints[1][2], rt::Variant("-8"));
    Click(1, 2);
    TypeKeys(&g(), "2");
    EXPECT_EQ(Cell(1, 2), "2");
    // Backspace edits the text: what follows it appends.
    Click(2, 2);
    QTest::keyClick(&g(), Qt::Key_Backspace);
    TypeKeys(&g(), "7");
    EXPECT_EQ(Cell(2, 2), "7");

    // Ctrl+V pastes one value, and typing goes on after it; several values
    // are refused aloud and the cell keeps its text.
    Click(0, 3);
    Paste(0, 3, QStringLiteral("2,5\r\n"));
    TypeKeys(&g(), "1");
    EXPECT_EQ(Cell(0, 3), "2.51");
    for (const char* several : {"1\t2", "1\r\n2\r\n"}) {
        dialogs.Answer(MsgResult::OK);
        Paste(0, 3, QString::fromUtf8(several));
        EXPECT_EQ(LastPrompt(), plat::kPasteOneValue);
        EXPECT_EQ(Cell(0, 3), "2.51");
        EXPECT_EQ(s().MotionPoints[0][3], rt::Variant("2.51"));
    }
    // A clipboard with no text (emptied, or holding a copied drawing) has
    // nothing to paste: the cell keeps its value.
    Paste(0, 3, QString());
    plat::ClearClipboard();
    int v = 86;
    m().Gd2_KeyDown(v, 2);
    EXPECT_EQ(Cell(0, 3), "2.51");
    EXPECT_EQ(s().MotionPoints[0][3], rt::Variant("2.51"));
}

TEST_F(CellEntries, ACellThatCannotBeReadIsNamedByQuantityAndPoint) {
    const QString advice =
        QStringLiteral(". Escribe un número (2.5, -3, 1E3) o un dato relativo a otro punto (t0+2, x1-3, 2*x1, x1/2).");
    // Too large a number is refused when pasted: the cell keeps its datum.
    Open(4);
    Put(0, 3, "4");
    dialogs.Answer(MsgResult::OK);
    Paste(0, 3, "1e+309");
    EXPECT_EQ(LastPrompt(), "No puedo leer el dato t del punto 2: \"1E+309\"" + advice);
    EXPECT_EQ(Cell(0, 3), "4");
    EXPECT_EQ(s().MotionPoints[0][3], rt::Variant("4"));

    // Texts that are no number nor a datum of their quantity, met by a
    // click on a point of their body.
    const struct {
        int workspace, q, col;
        const char* pasted;
        const char* name;
    } cases[] = {
        {4, 1, 1, "1 000", "x del punto 0"},
        {4, 0, 5, "r(-1)", "t del punto 4"},
        {4, 2, 9, "2..5", "v del punto 8"},
        {5, 3, 2, "abc", "v del punto 1 del móvil 1"},
        {5, 1, 1, "x0+1", "x del punto 0 del móvil 1"},
    };
    for (const auto& c : cases) {
        if (c.workspace == 5 && shell::Shared().WorkspaceMode != shell::kProjectileWorkspace) {
            dialogs.Answer(MsgResult::Yes);  // the other table replaces this one
            Open(5);
            m().cmdTable_Click(1);
            Grey(4);  // bodies of 4 and 5 points
        }
        m().cmdEraseTable_Click();
        Put(0, 1, "0");
        Put(1, 1, "0");
        Put(2, 1, "0");
        Paste(c.q, c.col, c.pasted);
        rec.calls.clear();
        dialogs.Answer(MsgResult::OK);
        SetUpOnPoint0();
        EXPECT_EQ(LastPrompt(), QStringLiteral("No puedo leer el dato ") + c.name + ": \"" + c.pasted + "\"" + advice)
            << c.pasted;
        EXPECT_TRUE(rec.calls.empty()) << c.pasted << ": " << rec.Last();
    }
}

}  // namespace
}  // namespace motiontest
