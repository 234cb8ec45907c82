// Key numbers for the Spanish layout and the KeyDown/KeyPress/KeyUp sequence.
#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QTest>

#include "platform/keys.h"
#include "platform/richpane.h"
#include "qstring_print.h"

namespace {

using plat::VirtualKey;

struct KeyCase {
    int qtKey;
    Qt::KeyboardModifiers mods;
    const char* text;  // UTF-8
    int expected;
};

TEST(Keys, SpanishLayoutNumbers) {
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const KeyCase cases[] = {
        {Qt::Key_B, none, "b", 66},
        {Qt::Key_J, shift, "J", 74},
        {Qt::Key_C, ctrl, "\x03", 67},  // Ctrl+C types no character
        {Qt::Key_Ntilde, none, "ñ", 192},
        {Qt::Key_Ntilde, shift, "Ñ", 192},
        {Qt::Key_Ccedilla, none, "ç", 191},
        {Qt::Key_masculine, none, "º", 220},
        {Qt::Key_Backslash, Qt::AltModifier, "\\", 220},
        {Qt::Key_Dead_Acute, none, "", 222},
        {Qt::Key_BraceLeft, none, "{", 222},
        {Qt::Key_Dead_Grave, none, "", 186},
        {Qt::Key_BracketLeft, none, "[", 186},
        {Qt::Key_Plus, none, "+", 187},
        {Qt::Key_Asterisk, shift, "*", 187},
        {Qt::Key_Apostrophe, none, "'", 219},
        {Qt::Key_exclamdown, none, "¡", 221},
        {Qt::Key_Less, none, "<", 226},
        {Qt::Key_Comma, none, ",", 188},
        {Qt::Key_Period, none, ".", 190},
        {Qt::Key_Minus, none, "-", 189},
        {Qt::Key_8, none, "8", 56},
        {Qt::Key_ParenLeft, shift, "(", 56},   // Shift+8
        {Qt::Key_ParenRight, shift, ")", 57},  // Shift+9
        {Qt::Key_Exclam, shift, "!", 49},      // Shift+1
        {Qt::Key_Slash, shift, "/", 55},       // Shift+7
        {Qt::Key_Aacute, none, "á", 65},       // after the dead acute
        {Qt::Key_5, Qt::KeypadModifier, "5", 101},
        {Qt::Key_Slash, Qt::KeypadModifier, "/", 111},
        {Qt::Key_Return, none, "\r", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {Qt::Key_Backspace, none, "\b", 8},
        {Qt::Key_Delete, none, "", 46},
        {Qt::Key_Insert, none, "", 45},
        {Qt::Key_Left, none, "", 37},
        {Qt::Key_Right, shift, "", 39},
        {Qt::Key_F12, none, "", 123},
        {Qt::Key_F10, none, "", 121},
        {Qt::Key_Shift, shift, "", 16},
    };
    for (const KeyCase& k : cases)
        EXPECT_EQ(VirtualKey(k.qtKey, k.mods, QString::fromUtf8(k.text)), k.expected)
            << "text " << k.text << " key " << std::hex << k.qtKey;
}

TEST(Keys, ShiftMaskAndTypedCharacter) {
    EXPECT_EQ(plat::ShiftMask(Qt::NoModifier), 0);
    EXPECT_EQ(plat::ShiftMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(plat::ShiftMask(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(plat::ShiftMask(Qt::ShiftModifier | Qt::KeypadModifier), 1);

    auto ascii = [](int key, const QString& text, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, key, m, text);
        return plat::KeyAscii(e);
    };
    EXPECT_EQ(ascii(Qt::Key_Return, "\r"), 13);
    EXPECT_EQ(ascii(Qt::Key_Backspace, "\b"), 8);
    EXPECT_EQ(ascii(Qt::Key_A, "a"), 97);
    EXPECT_EQ(ascii(Qt::Key_Ntilde, QString::fromUtf8("ñ")), 241);
    EXPECT_EQ(ascii(Qt::Key_C, "\x03", Qt::ControlModifier), 0);
    EXPECT_EQ(ascii(Qt::Key_Left, ""), 0);
}

// The sequence on a real widget: a log of the handlers and the pane's text.
class KeySequence : public ::testing::Test {
protected:
    void SetUp() override {
        pane.SetText("ab");
        pane.SetSelStart(1);
        pane.keys.KeyDown = [this](int& code, int shift) {
            log += QString("D%1/%2 ").arg(code).arg(shift);
            if (downAction) downAction(code);
        };
        pane.keys.KeyPress = [this](int& ascii) {
            log += QString("P%1 ").arg(ascii);
            if (pressAction) pressAction(ascii);
        };
        pane.keys.KeyUp = [this](int& code, int shift) { log += QString("U%1/%2 ").arg(code).arg(shift); };
    }
    plat::RichPane pane;
    QString log;
    std::function<void(int&)> downAction, pressAction;
};

TEST_F(KeySequence, UnswallowedKeyRunsAllThreeAndTypes) {
    QTest::keyClick(&pane, Qt::Key_ParenLeft, Qt::ShiftModifier);
    // The Shift key itself comes and goes around the key.
    EXPECT_EQ(log, "D16/1 D56/1 P40 U56/1 U16/0 ");
    EXPECT_EQ(pane.Text(), "a(b");
}

TEST_F(KeySequence, SwallowedKeyDownTypesNothingButKeyUpRuns) {
    downAction = [](int& code) {
        if (code == 68) code = 0;
    };
    QTest::keyClick(&pane, Qt::Key_D);
    EXPECT_EQ(log, "D68/0 U68/0 ");
    EXPECT_EQ(pane.Text(), "ab");
}

TEST_F(KeySequence, KeyDownMayTurnAKeyIntoAnArrow) {
    downAction = [](int& code) {
        if (code == 74) code = 39;
        if (code == 70) code = 37;
    };
    QTest::keyClick(&pane, Qt::Key_J);
    EXPECT_EQ(pane.SelStart(), 2);
    QTest::keyClick(&pane, Qt::Key_F);
    QTest::keyClick(&pane, Qt::Key_F);
    EXPECT_EQ(pane.SelStart(), 0);
    EXPECT_EQ(pane.Text(), "ab");
    EXPECT_FALSE(log.contains('P'));
}

TEST_F(KeySequence, KeyPressMaySwallowOrReplaceTheCharacter) {
    pressAction = [](int& ascii) {
        if (ascii == 13) ascii = 0;
        if (ascii == 'x') ascii = 'y';
    };
    QTest::keyClick(&pane, Qt::Key_Return);
    QTest::keyClick(&pane, Qt::Key_X);
    EXPECT_EQ(pane.Text(), "ayb");
}

TEST_F(KeySequence, InsertNeverSwitchesToOverwriting) {
    QTest::keyClick(&pane, Qt::Key_Insert);
    QTest::keyClick(&pane, Qt::Key_Z);
    EXPECT_EQ(pane.Text(), "azb");
}

}  // namespace
