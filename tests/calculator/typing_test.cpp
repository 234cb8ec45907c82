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
#include "platform/clipboard.h"
#include "platform/keys.h"
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
    // Types text where "^x" stands for Ctrl+x.
    void TypeWithCtrl(const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('^') && i + 1 < text.size())
                Key(Qt::Key(Qt::Key_A + (text.at(++i).unicode() - 'a')), Qt::ControlModifier);
            else
                Type(QString(text.at(i)));
        }
    }
    void ClickTR() { panel().picOpt->MouseDown(1, 0, 24 + 12, 12); }
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

// A formula that fails after hot keys took letters out of it names them in a
// message box and says how to type them, true for the «TR» key as it stands
// at Enter; the "=" box keeps the engine's message alone. Typed as the
// message says, the formula gives its value, and Ctrl+Z brings back what B
// emptied.
TEST_F(ExprTyping, AFormulaTheHotKeysTookLettersFromSaysInAMessageBoxHowToTypeThem) {
    const QString unknown = QStringLiteral("Símbolo o función desconocido");
    const QString oneOn = QStringLiteral(
        "Un clic en «TR» desactiva las teclas rápidas, y entonces esa letra se "
        "escribe sin Ctrl.");
    const QString capitalB = QStringLiteral(
        "La tecla B no escribe la letra, aun con las teclas rápidas desactivadas: escribe la b con Ctrl+B.");
    const QString emptiedB = QStringLiteral(
        "La tecla B vacía el cuadro, aun con las teclas rápidas desactivadas: escribe la b con Ctrl+B. Oprime "
        "Ctrl+Z hasta que vuelva lo que la B borró.");
    struct Case {
        const char* typed;
        bool hotKeys;    // «TR» on while typing
        bool switchOff;  // «TR» clicked off before Enter
        const char* left;
        QString shown;  // the "=" box
        QString hint;
        const char* retyped;  // as the message says, "^x" standing for Ctrl+x
        const char* value;
    } cases[] = {
        {"ABS(-3)", true, false, "AS(-3)", unknown, capitalB, "A^bS(-3)", "3"},
        {"MAX(2,3)", true, false, "AX(2,3)", unknown,
         QStringLiteral("Las teclas rápidas no dejaron escribir la m: escríbela con Ctrl+M. ") + oneOn, "^mAX(2,3)",
         "3"},
        {"180*RADS", true, false, "180*RAS", unknown,
         QStringLiteral("Las teclas rápidas no dejaron escribir la d: escríbela con Ctrl+D. ") + oneOn, "180*RA^dS",
         "3.14159265358979"},
        {"7 MOD 3", true, false, "7 O 3", QStringLiteral("Operador desconocido"),
         QStringLiteral("Las teclas rápidas no dejaron escribir la m y la d: escríbelas con Ctrl+M y Ctrl+D. Un clic "
                        "en «TR» desactiva las teclas rápidas, y entonces esas letras se escriben sin Ctrl."),
         "7 ^mO^d 3", "1"},
        {"MIN(2,3)", true, true, "IN(2,3)", unknown,
         QStringLiteral("Las teclas rápidas no dejaron escribir la m; ahora están desactivadas («TR») y esa letra se "
                        "escribe sin Ctrl."),
         "MIN(2,3)", "2"},
        {"MAX(2,ABS(-3))", true, false, "AX(2,AS(-3))", unknown,
         QStringLiteral("Las teclas rápidas no dejaron escribir la m: escríbela con Ctrl+M. ") + oneOn +
             QLatin1Char(' ') + capitalB,
         "^mAX(2,A^bS(-3))", "3"},
        {"2+abs(-3)", true, false, "s(-3)", unknown, emptiedB, "2+a^bs(-3)", "5"},
        {"2+abs(-3)", false, false, "s(-3)", unknown, emptiedB, "2+a^bs(-3)", "5"},
        // A function of x is not evaluated by Enter, but one the keys left
        // unreadable says why.
        {"abs(max(2,3))", true, false, "s(*ax(2,3))", unknown,
         QStringLiteral("Las teclas rápidas no dejaron escribir la m: escríbela con Ctrl+M. ") + oneOn +
             QLatin1Char(' ') + emptiedB,
         "a^bs(^max(2,3))", "3"},
    };
    for (const Case& c : cases) {
        if (G().ExprHotKeys != c.hotKeys) ClickTR();
        Fresh();
        Type(QString::fromUtf8(c.typed));
        EXPECT_EQ(Box()->Text(), QString::fromUtf8(c.left)) << c.typed;
        if (c.switchOff) ClickTR();
        const size_t before = dialogs.Shown().size();
        dialogs.Answer(plat::MsgResult::OK);
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(), c.shown) << c.typed;
        // The narrow box shows the message from its start.
        EXPECT_EQ(form().findChild<plat::TextBox*>(QStringLiteral("txtExpr"))->cursorPosition(), 0) << c.typed;
        ASSERT_EQ(dialogs.Shown().size(), before + 1) << c.typed;
        EXPECT_EQ(dialogs.Shown().back().prompt, c.shown + QStringLiteral(".\r\n") + c.hint) << c.typed;
        EXPECT_EQ(dialogs.Shown().back().title, QStringLiteral("Teluvar"));

        if (c.hint.contains(QStringLiteral("Ctrl+Z"))) {
            const QString emptied = QString::fromUtf8(c.typed).section(QLatin1Char('b'), 0, 0);
            for (int i = 0; i < 5 && Box()->Text() != emptied; ++i) Key(Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(Box()->Text(), emptied) << c.typed;
        }
        Fresh();
        TypeWithCtrl(QString::fromUtf8(c.retyped));
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(), QString::fromUtf8(c.value)) << c.retyped;
    }
    // A formula typed without hot keys gets the engine's message alone.
    Fresh();
    Type(QStringLiteral("2+q"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), unknown);
    EXPECT_EQ(dialogs.Shown().size(), std::size(cases));
}

// The message box names only letters the keys took from the formula now in
// the box: not one from a formula entered before with nothing left in the
// box, nor one whose sign was typed over, nor one since typed with Ctrl.
TEST_F(ExprTyping, TheHotKeyHintNamesOnlyLettersTakenFromTheFormulaInTheBox) {
    const struct {
        const char* first;  // typed, then Enter when `enterFirst`
        bool enterFirst;
        bool selectAll;    // the formula then typed over as a whole
        bool ctrlAtStart;  // the letter then typed with Ctrl at the start
        const char* then;  // typed at the end, then Enter
        const char* notNamed;
    } cases[] = {
        {"D", true, false, false, "2+", "Ctrl+D"},
        {"8d2", false, true, false, "2+q", "Ctrl+D"},
        {"MAX(2,3)", false, false, true, "+q", "Ctrl+M"},
    };
    for (const auto& c : cases) {
        Fresh();
        Type(QString::fromUtf8(c.first));
        if (c.enterFirst) {
            dialogs.Answer(plat::MsgResult::OK);
            Key(Qt::Key_Return);
        }
        if (c.selectAll) Box()->selectAll();
        if (c.ctrlAtStart) {
            Box()->SetSelStart(0);
            Key(Qt::Key_M, Qt::ControlModifier);
            Box()->SetSelStart(Box()->TextLength());
        }
        Type(QString::fromUtf8(c.then));
        const size_t before = dialogs.Shown().size();
        dialogs.Answer(plat::MsgResult::OK);  // a box comes only when the "=" box cannot show it all
        Key(Qt::Key_Return);
        dialogs.DropPending();
        EXPECT_FALSE(Shown().isEmpty()) << c.first;
        for (size_t i = before; i < dialogs.Shown().size(); ++i)
            EXPECT_FALSE(dialogs.Shown()[i].prompt.contains(QString::fromUtf8(c.notNamed)))
                << c.first << ": " << dialogs.Shown()[i].prompt.toStdString();
    }
}

// The "=" box shows what the strip computed: typing, deleting and pasting
// leave it as it is, so F11 and the grid's Insert take the result; it can
// still be selected and copied.
TEST_F(ExprTyping, TheResultBoxTakesNoTypingAndItsResultIsWhatIsCopied) {
    Fresh();
    Type(QStringLiteral("2*7"));
    Key(Qt::Key_Return);
    ASSERT_EQ(Shown(), QStringLiteral("14"));
    auto* result = form().findChild<plat::TextBox*>(QStringLiteral("txtExpr"));
    result->setFocus();
    result->SetSelStart(2);
    TypeOnKeyboard(result, QStringLiteral("99"));
    QTest::keyClick(result, Qt::Key_Backspace);
    plat::SetClipboardText(QStringLiteral("5"));
    QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(), QStringLiteral("14"));

    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(plat::ClipboardText(), QStringLiteral("14"));

    Fresh();
    Key(Qt::Key_F11);
    EXPECT_EQ(Box()->Text(), QStringLiteral("14"));
    Select(1, 1, 1, 1);
    KeyDown(plat::vk::Insert);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("14"));
}

// The "=" box is narrow: a refusal it cannot show whole also comes in a
// message box, so no reason reaches the student cut.
TEST_F(ExprTyping, AFormulaWithADecimalCommaSaysSo) {
    struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"2,5*2", "Coma decimal: escribe los decimales con punto (2.5, no 2,5)."},
        {"sen(0,5)",
         "Número de argumentos incorrecto para SEN. Si es una coma decimal, escribe los "
         "decimales con punto (2.5, no 2,5)."},
        {"r(2,5)",
         "Número de argumentos incorrecto para R. Si es una coma decimal, escribe los "
         "decimales con punto (2.5, no 2,5)."},
    };
    for (const auto& c : cases) {
        Fresh();
        Type(QString::fromUtf8(c.typed));
        dialogs.Answer(plat::MsgResult::OK);
        const size_t boxes = dialogs.Shown().size();
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(), QString::fromUtf8(c.shown)) << c.typed;
        ASSERT_EQ(dialogs.Shown().size(), boxes + 1) << c.typed;
        EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8(c.shown)) << c.typed;
    }
    // A message the box shows whole comes in no second box.
    Fresh();
    Type(QStringLiteral("1/0"));
    const size_t boxes = dialogs.Shown().size();
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("Error en la expresión."));
    EXPECT_EQ(dialogs.Shown().size(), boxes);
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
// to type the letters the hot keys kept out of it: the integral, and the
// distributed load, which reads the same box.
TEST_F(ExprTyping, AProcedureThatRefusesTheFormulaSaysHowToTypeTheLettersTaken) {
    const calc::BarGroupInfo& functions = calc::BarGroup(4);
    const int integral =
        static_cast<int>(std::find(functions.codes.begin(), functions.codes.begin() + functions.count, 19) -
                         functions.codes.begin()) +
        1;
    const struct { int group, cell; } procedures[] = {{4, integral}, {8, 4}};
    for (const auto& p : procedures) {
        ChooseAfresh(p.group, p.cell);
        Fresh();
        Type(QStringLiteral("10*BAR(X,2,4)"));
        EXPECT_EQ(Box()->Text(), QStringLiteral("10*AR(X,2,4)"));
        SetCell(1, 1, QStringLiteral("0"));
        SetCell(1, 2, QStringLiteral("5"));
        Select(1, 1, 1, 2);
        const size_t before = dialogs.Shown().size();
        dialogs.Answer(plat::MsgResult::OK);
        Calculate();
        ASSERT_EQ(dialogs.Shown().size(), before + 1) << p.group;
        const QString prompt = dialogs.Shown().back().prompt;
        EXPECT_TRUE(prompt.contains(QStringLiteral("Corrige la expresión 10*AR(X,2,4)"))) << prompt.toStdString();
        EXPECT_TRUE(prompt.endsWith(QStringLiteral(
            "La tecla B no escribe la letra, aun con las teclas rápidas desactivadas: escribe la b con Ctrl+B.")))
            << prompt.toStdString();
    }
}

}  // namespace
