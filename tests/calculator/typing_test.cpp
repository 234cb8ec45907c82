// Typing into the calculator's boxes on the main window with real key
// events, as a student does on an ordinary keyboard with the default
// options: the expression box (brackets, the emptying key and its undo, the
// messages of a formula that fails) and the "Vector:" box of the direction
// frame. The formula examples of the calculator's help are typed as written.
#include <gtest/gtest.h>
#include <QFile>
#include <QTest>
#include <algorithm>

#include "calc_fixture.h"
#include "calculator/procbar.h"
#include "platform/qstring_print.h"
#include "platform/textbox.h"

namespace {

using calctest::CalcForm;

// Types text key by key with the modifiers a Spanish keyboard uses: Shift
// for capitals and for the characters on the upper half of a key.
void TypeOnKeyboard(QWidget* w, const QString& text) {
    static const QString shifted = QStringLiteral("!\"·$%&/()=?¿^*¨ª;:_>");
    for (QChar ch : text) {
        const bool shift = ch.isUpper() || shifted.contains(ch);
        QTest::keyClick(w, ch.toLatin1(), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

QString HelpText(const char* file) {
    QFile f(QStringLiteral(TELUVAR_SOURCE_DIR "/data/") + QString::fromLatin1(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    return QString::fromUtf8(f.readAll());
}

class ExprTyping : public CalcForm {
protected:
    plat::RichPane* Box() { return form().rtbExpr; }
    QString Shown() { return form().findChild<plat::TextBox*>(QStringLiteral("txtExpr"))->Text(); }
    void Type(const QString& text) { TypeOnKeyboard(Box(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(Box(), key, mods); }
    void Fresh() {
        Box()->SetText(QString());
        Box()->setFocus();
    }
};

TEST_F(ExprTyping, TheHelpExamplesTypedAsWrittenGiveWhatTheHelpPromises) {
    const QString help = HelpText("HelpCalc.txt");
    struct Case {
        const char* typed;
        const char* value;
        bool infix;
    } cases[] = {
        {"2*(3+4)^2 - r(16)", "94", true},
        {"sen(30) + hipo(3,4)", "5.5", true},
        {"2 3 +", "5", false},
        {"30 sen", "0.5", false},
    };
    for (const Case& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_TRUE(help.contains(QStringLiteral("/4") + typed + QLatin1Char('/'))) << c.typed;
        if (G().ExprInfix != c.infix) panel().picOpt->MouseDown(1, 0, 2 * 24 + 12, 12);  // "*/^"
        Fresh();
        Type(typed);
        EXPECT_EQ(Box()->Text(), typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(), QString::fromUtf8(c.value)) << c.typed;
    }
}

TEST_F(ExprTyping, AClosingBracketStepsOverTheOneTheOpeningPutThere) {
    // Nested brackets typed in full come out balanced, caret at the end.
    Fresh();
    Type(QStringLiteral("2*((1+1))"));
    EXPECT_EQ(Box()->Text(), QStringLiteral("2*((1+1))"));
    EXPECT_EQ(Box()->SelStart(), 9);

    // With a bracket still open, the ")" typed is wanted as well.
    Box()->SetText(QStringLiteral("(2*(3+4)"));
    Box()->SetSelStart(7);
    Type(QStringLiteral(")"));
    EXPECT_EQ(Box()->Text(), QStringLiteral("(2*(3+4))"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("14"));
}

TEST_F(ExprTyping, TheEmptyingKeyCanBeUndoneAndTheMessageSaysHowToTypeTheLetter) {
    // "abs(-3)" typed as such: b empties the box and s(-3) is left.
    Fresh();
    Type(QStringLiteral("abs(-3)"));
    EXPECT_EQ(Box()->Text(), QStringLiteral("s(-3)"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("Símbolo o función desconocido"))) << Shown().toStdString();
    EXPECT_TRUE(Shown().endsWith(QStringLiteral("Con las teclas rápidas activas, escribe b con Ctrl+B.")))
        << Shown().toStdString();

    // Ctrl+Z brings back what b emptied; Ctrl+B types the letter.
    Fresh();
    Type(QStringLiteral("a"));
    Type(QStringLiteral("b"));
    EXPECT_EQ(Box()->Text(), QString());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Box()->Text(), QStringLiteral("a"));
    Key(Qt::Key_B, Qt::ControlModifier);
    Type(QStringLiteral("s(-3)"));
    EXPECT_EQ(Box()->Text(), QStringLiteral("abs(-3)"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("3"));

    // A capital B types nothing, and the message names it as well.
    Fresh();
    Type(QStringLiteral("ABS(-3)"));
    EXPECT_EQ(Box()->Text(), QStringLiteral("AS(-3)"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown().endsWith(QStringLiteral("Con las teclas rápidas activas, escribe b con Ctrl+B.")))
        << Shown().toStdString();

    // Several letters taken: each is named; a formula typed without hot
    // keys gets the engine's message alone.
    Fresh();
    Type(QStringLiteral("2mod3"));  // m and d became * and /
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown().endsWith(QStringLiteral("escribe m con Ctrl+M y d con Ctrl+D."))) << Shown().toStdString();
    Fresh();
    Type(QStringLiteral("2+q"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("Símbolo o función desconocido"));
}

TEST_F(ExprTyping, AFormulaWithADecimalCommaSaysSo) {
    struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"2,5*2", "Coma decimal: escribe los decimales con punto (2.5, no 2,5)."},
        {"sen(0,5)",
         "Número de argumentos incorrecto para SEN. Si es una coma decimal, escribe los "
         "decimales con punto (2.5, no 2,5)."},
    };
    for (const auto& c : cases) {
        Fresh();
        Type(QString::fromUtf8(c.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(), QString::fromUtf8(c.shown)) << c.typed;
    }
    // Commas between arguments keep working.
    Fresh();
    Type(QStringLiteral("hipo(3,4)"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("5"));
}

TEST_F(CalcForm, ASecondVectorTypedInTheVectorBoxGoesAloneIntoTheNextCell) {
    Choose(7, 1);
    Select(1, 1, 1, 1);
    auto* box = form().findChild<plat::TextBox*>(QStringLiteral("txtVector"));
    ASSERT_NE(box, nullptr);
    for (const char* v : {"3,4", "1,2"}) {
        box->setFocus();
        TypeOnKeyboard(box, QString::fromUtf8(v));
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(Cell(1, 1), QStringLiteral("3,4"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("1,2"));
    EXPECT_EQ(box->Text(), QString());
}

// A procedure that refuses the function of x says, like the box itself, how
// to type the letters the hot keys kept out of it.
TEST_F(ExprTyping, AProcedureThatRefusesTheFormulaSaysHowToTypeTheLettersTaken) {
    const calc::BarGroupInfo& functions = calc::BarGroup(4);
    const auto at = std::find(functions.codes.begin(), functions.codes.begin() + functions.count, 19);
    ChooseAfresh(4, static_cast<int>(at - functions.codes.begin()) + 1);  // the integral
    Fresh();
    Type(QStringLiteral("10*BAR(X,2,4)"));
    EXPECT_EQ(Box()->Text(), QStringLiteral("10*AR(X,2,4)"));
    SetCell(1, 1, QStringLiteral("0"));
    SetCell(1, 2, QStringLiteral("5"));
    Select(1, 1, 1, 2);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_TRUE(Prompt(0).contains(QStringLiteral("Corrige la expresión 10*AR(X,2,4)"))) << Prompt(0).toStdString();
    EXPECT_TRUE(Prompt(0).endsWith(QStringLiteral("Con las teclas rápidas activas, escribe b con Ctrl+B.")))
        << Prompt(0).toStdString();
}

}  // namespace
