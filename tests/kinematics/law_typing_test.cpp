// Typing laws into the kinematics law box with real key events, as a student
// does on an ordinary keyboard: the help's examples typed as written give
// the values the help promises; a ")" steps over the one "(" put there; B
// can be undone; the hot keys and the message of a law that does not compile
// are those of the expression box.
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <iterator>

#include "platform/buttons.h"
#include "platform/picture.h"
#include "platform/qstring_print.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "support/form1_fixture.h"
#include "text/globals.h"

namespace {

// Types text key by key with the modifiers a Spanish keyboard uses: Shift
// for capitals and for the characters on the upper half of a key.
void TypeOnKeyboard(QWidget* w, const QString& text) {
    static const QString shifted = QStringLiteral("!\"·$%&/()=?¿^*¨ª;:_>");
    for (QChar ch : text) {
        const bool shift = ch.isUpper() || shifted.contains(ch);
        QTest::keyClick(w, ch.toLatin1(), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

class LawTyping : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        form().ShowWorkspace(5);
        text::G().Decimals = 3;
    }
    void ChooseLaw(int n) { form().Services().calculator->ChooseBarGroup(n); }
    plat::RichPane* Law(int i = 0) { return Find<plat::RichPane>(QStringLiteral("txtKinem(%1)").arg(i)); }
    plat::TextBox* T0(int i) { return Find<plat::TextBox>(QStringLiteral("txtT0(%1)").arg(i)); }
    // The value after "name = " in the results.
    double Value(const QString& name) {
        const QRegularExpression re(QStringLiteral("(?:^|[\\s,])") + name +
                                    QStringLiteral(" = ([-\u2212]?[0-9.E+-]+)"));
        const QRegularExpressionMatch m = re.match(form().rtbCalc->Text());
        EXPECT_TRUE(m.hasMatch()) << name.toStdString() << " in " << form().rtbCalc->Text().toStdString();
        return m.captured(1).replace(QChar(0x2212), QLatin1Char('-')).toDouble();
    }
};

TEST_F(LawTyping, TheHelpExamplesTypedAsWrittenGiveWhatTheHelpPromises) {
    QFile f(QStringLiteral(TELUVAR_SOURCE_DIR "/data/HelpKinem.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(f.readAll());
    struct Case {
        int law;  // cell of the law bar: 1 x(t), 2 v(t,x), 3 a(t,x,v)
        const char* typed;
        const char* t0;  // t0, x0, v0 ("" where the law asks none) and t
        const char* x0;
        const char* v0;
        const char* t;
        double x, v, a;  // as the help gives them; NAN where it gives none
        double tolerance;
    } cases[] = {
        {1, "t^3", "", "", "", "2", 8, 12, 12, 0.01},
        {1, "5*sen(2*t)", "", "", "", "1", 4.546, -4.161, -18.186, 0.002},
        {2, "3 - 2*t", "0", "0", "", "2", 2, -1, NAN, 0.01},
        {2, "x", "0", "1", "", "1", 2.718, 2.718, NAN, 0.002},
        {3, "-x", "0", "1", "0", "3.14159", -1, 0, 1, 0.01},
        {3, "-9.8 - 0.1*v", "0", "0", "0", "2", -18.36, -17.76, -8.02, 0.01},
    };
    for (const Case& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_TRUE(help.contains(QStringLiteral("/4") + typed + QLatin1Char('/'))) << c.typed;
        ChooseLaw(c.law);
        TypeOnKeyboard(Law(), typed);
        EXPECT_EQ(Law()->Text(), typed);
        const char* boxes[] = {c.t0, c.x0, c.v0, c.t};
        for (int i = 0; i < 4; ++i) TypeOnKeyboard(T0(i), QString::fromUtf8(boxes[i]));
        Find<plat::CommandButton>(QStringLiteral("cmdCalcxva"))->Press();
        EXPECT_NEAR(Value(QStringLiteral("x")), c.x, c.tolerance) << c.typed;
        EXPECT_NEAR(Value(QStringLiteral("v")), c.v, c.tolerance) << c.typed;
        if (!std::isnan(c.a)) { EXPECT_NEAR(Value(QStringLiteral("a")), c.a, c.tolerance) << c.typed; }
    }
}

TEST_F(LawTyping, AClosingBracketStepsOverTheOneTheOpeningPutThere) {
    TypeOnKeyboard(Law(), QStringLiteral("r(1+(t))"));
    EXPECT_EQ(Law()->Text(), QStringLiteral("r(1+(t))"));
    EXPECT_EQ(Law()->SelStart(), 8);
    // With a bracket still open the ")" typed is wanted as well.
    Law()->SetText(QStringLiteral("(2*(t+1)"));
    Law()->SetSelStart(7);
    TypeOnKeyboard(Law(), QStringLiteral(")"));
    EXPECT_EQ(Law()->Text(), QStringLiteral("(2*(t+1))"));
}

// A law that does not compile says why, as the expression box does: a
// decimal comma is named, and so are the letters the hot keys took, a
// capital B included.
TEST_F(LawTyping, ALawThatDoesNotCompileSaysWhy) {
    const QString comma = QStringLiteral("Coma decimal: escribe los decimales con punto (2.5, no 2,5).");
    const QString unknown = QStringLiteral("Símbolo o función desconocido.\r\n");
    const QString syntax = QStringLiteral("Error de sintaxis: No se espera fin de la expresión");
    struct Case {
        int law;
        int box;  // the law box typed into
        const char* typed;
        const char* button;
        QString starts, ends;
    } cases[] = {
        {11, 0, "2,5*t", "cmdCalcxva", comma, comma},
        {13, 0, "-9,8 - 0,1*v", "cmdCalcxva", comma, comma},
        {13, 0, "-9,8 - 0,1*v", "cmdGraph", comma, comma},
        {14, 1, "3,5*t", "cmdCalcxva", comma, comma},
        // b empties the box, leaving s(t); a capital B types nothing.
        {11, 0, "abs(t)", "cmdCalcxva", unknown,
         QStringLiteral("\nLa tecla B vacía el cuadro: escribe la b con Ctrl+B. Oprime Ctrl+Z hasta que vuelva lo "
                        "que la B borró.")},
        {11, 0, "ABS(t)", "cmdGraph", unknown,
         QStringLiteral("\nLa tecla B no escribe la letra: escribe la b con Ctrl+B.")},
        {12, 0, "2mod3", "cmdCalcxva", QString(),
         QStringLiteral(".\r\nLas teclas rápidas no dejaron escribir la m y la d: escríbelas con Ctrl+M y Ctrl+D.")},
        // A law left unfinished is refused, not finished by the terms the
        // engine's text appends ("3*t^" read as 3*t).
        {11, 0, "3*t^", "cmdCalcxva", syntax, syntax},
        {12, 0, "2*x-", "cmdCalcxva", syntax, syntax},
        {13, 0, "-4*x*", "cmdGraph", syntax, syntax},
    };
    for (const Case& c : cases) {
        if (c.law <= 13) {
            ChooseLaw(c.law - 10);
        } else {
            shell::Shared().KinemLaw = static_cast<shell::KinemLawId>(c.law);
            form().Services().kinematics->AdaptKinemCtrls(c.law);
            Law(0)->SetText(QStringLiteral("t"));
            T0(3)->SetText(QStringLiteral("1"));
        }
        TypeOnKeyboard(Law(c.box), QString::fromUtf8(c.typed));
        const QString before = form().rtbCalc->Text();
        dialogs.Answer(plat::MsgResult::OK);
        Find<plat::CommandButton>(QString::fromLatin1(c.button))->Press();
        ASSERT_FALSE(dialogs.Shown().empty()) << c.typed;
        const QString shown = dialogs.Shown().back().prompt;
        EXPECT_TRUE(shown.startsWith(c.starts) && shown.endsWith(c.ends)) << c.typed << ": " << shown.toStdString();
        EXPECT_EQ(form().rtbCalc->Text(), before) << c.typed;
        EXPECT_TRUE(form().pic1->Drawn().empty()) << c.typed;
    }
    EXPECT_EQ(dialogs.Shown().size(), std::size(cases));
}

// Ctrl with a hot key types its letter, as in the expression box.
TEST_F(LawTyping, CtrlTypesTheLettersOfTheHotKeys) {
    TypeOnKeyboard(Law(), QStringLiteral("a"));
    QTest::keyClick(Law(), Qt::Key_B, Qt::ControlModifier);
    TypeOnKeyboard(Law(), QStringLiteral("s(t-3)"));
    EXPECT_EQ(Law()->Text(), QStringLiteral("abs(t-3)"));
    T0(3)->SetText(QStringLiteral("1"));
    Find<plat::CommandButton>(QStringLiteral("cmdCalcxva"))->Press();
    EXPECT_EQ(Value(QStringLiteral("x")), 2);
}

TEST_F(LawTyping, CtrlZBringsBackTheLawThatBEmptied) {
    TypeOnKeyboard(Law(), QStringLiteral("3*t"));
    TypeOnKeyboard(Law(), QStringLiteral("b"));
    EXPECT_EQ(Law()->Text(), QString());
    QTest::keyClick(Law(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Law()->Text(), QStringLiteral("3*t"));
}

}  // namespace
