#include "calculator/exprbox.h"

#include <gtest/gtest.h>
#include <QTest>

#include <cmath>
#include <numbers>
#include <vector>

#include "calculator/exprtext.h"
#include "numerics/expression.h"
#include "platform/picture.h"
#include "platform/qstring_print.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "support/dialog_script.h"

namespace {

using testsupport::DialogScript;

constexpr int kNone = 0, kShift = 1, kCtrl = 2;

// The strip on standalone controls, with the options at their start values.
class ExprStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = shell::Shared();
        shell::Shared().ExprHotKeys = true;
        shell::Shared().ExprInfix = true;
        num::SetAngleUnit(num::kDefaultAngleFactor);
        picOpt.resize(121, 25);
        picOpt.ScaleYUp();
        strip.Attach();
    }
    void TearDown() override { shell::Shared() = saved_; }

    // The box holds `text` with the caret at `caret` (-1: at the end).
    void Put(const QString& text, int caret = -1) {
        rtbExpr.SetText(text);
        rtbExpr.SetSelStart(caret < 0 ? text.size() : caret);
    }
    int Down(int code, int shift) {
        strip.rtbExpr_KeyDown(code, shift);
        return code;
    }
    int Up(int code, int shift) {
        strip.rtbExpr_KeyUp(code, shift);
        return code;
    }
    int Enter() {
        int ascii = 13;
        strip.rtbExpr_KeyPress(ascii);
        return ascii;
    }
    void ClickKey(int k) { picOpt.MouseDown(1, 0, (k - 1) * 24 + 12, 12); }

    plat::RichPane rtbExpr{QStringLiteral("rtbExpr")};
    plat::Picture picOpt{QStringLiteral("picOpt")};
    plat::TextBox txtExpr{QStringLiteral("txtExpr")};
    plat::RichPane rtbReg{QStringLiteral("rtbReg")};
    calc::ExprStrip strip{{&rtbExpr, &picOpt, &txtExpr, &rtbReg}};

private:
    shell::SharedState saved_;
    num::AngleUnitScope unit_{num::kDefaultAngleFactor};  // degrees, as the key shows at start
};

struct KeyCase {
    int code;
    int shift;
    const char* text;  // the box afterwards, from "2" with the caret at the end
    int codeAfter;     // 0 swallowed, 37/39 arrows, else the key types as usual
};

TEST_F(ExprStripTest, KeysSwallowedTurnedIntoArrowsOrPassedOn) {
    const KeyCase hotOn[] = {
        {68, kNone, "2/", 0}, {68, kCtrl, "2d", 0},  {68, kShift, "2", 0},  {75, kNone, "2+", 0},
        {75, kCtrl, "2k", 0}, {75, kShift, "2", 0},  {77, kNone, "2*", 0},  {77, kCtrl, "2m", 0},
        {77, kShift, "2", 0}, {192, kNone, "2^", 0}, {192, kCtrl, "2ñ", 0}, {192, kShift, "2", 0},
        {74, kNone, "2", 39}, {74, kCtrl, "2j", 0},  {74, kShift, "2", 74}, {70, kNone, "2", 37},
        {70, kCtrl, "2f", 0}, {70, kShift, "2", 70}, {66, kNone, "", 0},    {66, kCtrl, "2b", 0},
        {66, kShift, "2", 0}, {45, kNone, "2", 0},   {49, kShift, "2", 0},  {65, kNone, "2", 65},
    };
    for (const KeyCase& c : hotOn) {
        Put(QStringLiteral("2"));
        EXPECT_EQ(Down(c.code, c.shift), c.codeAfter) << c.code << " shift " << c.shift;
        EXPECT_EQ(rtbExpr.Text(), QString::fromUtf8(c.text)) << c.code << " shift " << c.shift;
    }

    shell::Shared().ExprHotKeys = false;
    const KeyCase hotOff[] = {
        {68, kNone, "2", 68},   {75, kNone, "2", 75},  {192, kNone, "2", 192}, {74, kNone, "2", 74},
        {70, kNone, "2", 70},   {66, kNone, "", 0},    {66, kCtrl, "2b", 0},   {45, kNone, "2", 0},
        {220, kNone, "2", 220}, {49, kShift, "2", 49},
    };
    for (const KeyCase& c : hotOff) {
        Put(QStringLiteral("2"));
        EXPECT_EQ(Down(c.code, c.shift), c.codeAfter) << c.code << " shift " << c.shift;
        EXPECT_EQ(rtbExpr.Text(), QString::fromUtf8(c.text)) << c.code << " shift " << c.shift;
        EXPECT_EQ(Up(c.code, c.shift), c.code);
        EXPECT_EQ(rtbExpr.Text(), QString::fromUtf8(c.text));
    }
}

TEST_F(ExprStripTest, RealKeyPressesGoThroughTheHandlers) {
    Put(QStringLiteral("3"));
    QTest::keyClick(&rtbExpr, Qt::Key_M);
    QTest::keyClick(&rtbExpr, Qt::Key_4);
    QTest::keyClick(&rtbExpr, Qt::Key_F);  // Left
    QTest::keyClick(&rtbExpr, Qt::Key_K);
    QTest::keyClick(&rtbExpr, Qt::Key_1);
    QTest::keyClick(&rtbExpr, Qt::Key_J);  // Right
    QTest::keyClick(&rtbExpr, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("3*+14d"));
}

TEST_F(ExprStripTest, F10InsertsTheResultRoundedAndF11AsItIs) {
    struct {
        const char* shown;
        const char* inserted;
    } cases[] = {{"2.123456789", "2.12346"}, {"2.000025", "2.00002"}, {"2.000035", "2.00004"}, {"-7", "-7"}};
    for (const auto& c : cases) {
        txtExpr.SetText(QString::fromUtf8(c.shown));
        Put(QStringLiteral("1+"));
        EXPECT_EQ(Down(121, kNone), 0);
        EXPECT_EQ(rtbExpr.Text(), QStringLiteral("1+") + QString::fromUtf8(c.inserted));
    }

    txtExpr.SetText(QStringLiteral("Error en la expresión."));
    Put(QStringLiteral("1+"));
    EXPECT_EQ(Down(121, kNone), 121);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("1+"));
    EXPECT_EQ(Down(122, kShift), 0);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("1+Error en la expresión."));
}

TEST_F(ExprStripTest, BracketKeysInInfixNotation) {
    // Shift+8 types "(": the ")" goes after the caret first.
    Put(QStringLiteral("2*"));
    QTest::keyClick(&rtbExpr, Qt::Key_ParenLeft, Qt::ShiftModifier);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("2*()"));
    EXPECT_EQ(rtbExpr.SelStart(), 3);

    // The key left of 1 opens a bracket and closes it on release.
    Put(QStringLiteral("sen"));
    EXPECT_EQ(Down(220, kNone), 0);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("sen("));
    EXPECT_TRUE(strip.CloseParenPending());
    EXPECT_EQ(Up(220, kNone), 0);
    EXPECT_EQ(Up(16, kNone), 16);  // a modifier released afterwards adds nothing
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("sen()"));
    EXPECT_EQ(rtbExpr.SelStart(), 4);
    QTest::keyClick(&rtbExpr, Qt::Key_masculine);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("sen(())"));

    // Brace key: the closing one goes after the caret, the typed one before.
    Put(QStringLiteral("2*"));
    EXPECT_EQ(Down(222, kNone), 222);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("2*}"));
    EXPECT_EQ(rtbExpr.SelStart(), 2);
    Put(QStringLiteral("2*"));
    EXPECT_EQ(Down(222, kShift), 222);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("2*]"));

    // Shift+9 at the end wraps the text; elsewhere it types.
    Put(QStringLiteral("2+3"));
    EXPECT_EQ(Down(57, kShift), 0);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("(2+3)"));
    EXPECT_EQ(rtbExpr.SelStart(), 5);
    Put(QStringLiteral("2+3"), 1);
    EXPECT_EQ(Down(57, kShift), 57);
    EXPECT_EQ(Down(57, kNone), 57);
    EXPECT_EQ(Down(56, kNone), 56);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("2+3"));

    // Shift+1 closes a bracket at the end, whatever the caret.
    Put(QStringLiteral("(2+3"), 1);
    QTest::keyClick(&rtbExpr, Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("(2+3)"));
}

TEST_F(ExprStripTest, BracketKeysInReversePolish) {
    shell::Shared().ExprInfix = false;
    Put(QStringLiteral("2 3"));
    EXPECT_EQ(Down(56, kShift), 56);
    EXPECT_EQ(Down(220, kNone), 0);
    EXPECT_FALSE(strip.CloseParenPending());
    EXPECT_EQ(Down(222, kNone), 0);
    EXPECT_EQ(Down(57, kShift), 57);
    EXPECT_EQ(Up(220, kNone), 220);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("2 3"));
}

TEST_F(ExprStripTest, PolynomialKey) {
    DialogScript dialogs;
    Put(QStringLiteral("sen(30)"));
    dialogs.AnswerInput(QStringLiteral("1,0,-3"));
    ClickKey(1);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("x^2-3"));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].title, QStringLiteral("Insertar polinomio de grado n"));
    EXPECT_EQ(dialogs.Shown()[0].prompt,
              QStringLiteral("Escribe los coeficientes del polinomio separados por comas.\r\n"
                             "Empieza por el coeficiente del término x^n y termina con el "
                             "término numérico."));

    // Cancel leaves the box as it was.
    Put(QStringLiteral("sen(30)"));
    dialogs.AnswerInput(QString());
    ClickKey(1);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("sen(30)"));

    // A coefficient that is not a number, or an empty one.
    for (const char* answer : {"a", "1,,2"}) {
        dialogs.AnswerInput(QString::fromUtf8(answer)).Answer(plat::MsgResult::OK);
        ClickKey(1);
        EXPECT_EQ(dialogs.Shown().back().prompt, QStringLiteral("Error.")) << answer;
        EXPECT_EQ(dialogs.Shown().back().title, QStringLiteral("Teluvar"));
        EXPECT_EQ(rtbExpr.Text(), QStringLiteral("sen(30)"));
    }
}

TEST_F(ExprStripTest, OptionKeysToggleTheirFlagsAndDrawings) {
    const QImage before = picOpt.Image();
    Put(QStringLiteral("2+3"), 0);

    ClickKey(2);
    EXPECT_FALSE(shell::Shared().ExprHotKeys);
    EXPECT_EQ(rtbExpr.SelStart(), 3);
    ClickKey(3);
    EXPECT_FALSE(shell::Shared().ExprInfix);
    const std::vector<plat::DrawnPrimitive>& drawn = picOpt.Drawn();
    ASSERT_EQ(drawn.size(), 4u);
    const double ends[4][4] = {{24, 2, 47, 21}, {26, 21, 47, 2}, {49, 2, 71, 21}, {49, 21, 71, 3}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(drawn[i].kind, plat::DrawnPrimitive::Kind::Line);
        EXPECT_EQ(drawn[i].mode, plat::DrawMode::XorPen);
        EXPECT_EQ(drawn[i].points.at(0), QPointF(ends[i][0], ends[i][1]));
        EXPECT_EQ(drawn[i].points.at(1), QPointF(ends[i][2], ends[i][3]));
    }
    EXPECT_EQ(picOpt.DrawMode(), plat::DrawMode::CopyPen);
    EXPECT_NE(picOpt.Image(), before);

    ClickKey(2);
    ClickKey(3);
    EXPECT_TRUE(shell::Shared().ExprHotKeys);
    EXPECT_TRUE(shell::Shared().ExprInfix);
    EXPECT_EQ(picOpt.Image(), before);  // the crosses are gone

    ClickKey(4);
    EXPECT_EQ(num::AngleFactor, 1.0);
    EXPECT_EQ(picOpt.Drawn().back().text, QStringLiteral("rad"));
    EXPECT_EQ(picOpt.Drawn().back().points.at(0), QPointF(76, 18));
    ClickKey(4);
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);  // the unit the program starts with
    EXPECT_EQ(picOpt.Drawn().back().text, QStringLiteral("grd"));
    // The key switches from the unit in force, wherever it was set.
    num::SetAngleUnit(num::kRadians);
    ClickKey(4);
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
    EXPECT_EQ(picOpt.Drawn().back().text, QStringLiteral("grd"));

    // Past the fourth key nothing happens.
    const size_t count = picOpt.Drawn().size();
    picOpt.MouseDown(1, 0, 100, 12);
    EXPECT_EQ(picOpt.Drawn().size(), count);
    EXPECT_TRUE(shell::Shared().ExprHotKeys);
}

TEST_F(ExprStripTest, AngleKeySwitchesFormulasToRadians) {
    Put(QStringLiteral("sen(90)"));
    Enter();
    EXPECT_EQ(txtExpr.Text(), QStringLiteral("1"));
    ClickKey(4);
    Enter();
    EXPECT_EQ(txtExpr.Text().left(6), QStringLiteral("0.8939"));
    // The reverse-Polish words stay in degrees.
    shell::Shared().ExprInfix = false;
    Put(QStringLiteral("90 sen"));
    Enter();
    EXPECT_EQ(txtExpr.Text(), QStringLiteral("1"));
}

TEST_F(ExprStripTest, EnterEvaluatesInfixIntoResultBoxAndLog) {
    rtbReg.SetText(QStringLiteral("antes\n"));
    struct {
        const char* typed;
        const char* shown;
        bool logged;
    } cases[] = {
        {"2+3", "5", true},
        {"  [2+3]*2 ", "10", true},
        {"exp(1)", "2.71828182845905", true},
        {"SEN(X)+1", "1", true},
        {"2*(3+4", "Los paréntesis no concuerdan.", false},
        {"1/0", "Error en la expresión.", false},
    };
    QString log = rtbReg.Text();
    for (const auto& c : cases) {
        txtExpr.SetText(QStringLiteral("?"));
        Put(QString::fromUtf8(c.typed));
        EXPECT_EQ(Enter(), 0) << c.typed;
        EXPECT_EQ(txtExpr.Text(), QString::fromUtf8(c.shown)) << c.typed;
        if (c.logged) log += QString::fromUtf8(c.typed) + " = " + QString::fromUtf8(c.shown) + "\n-------\n";
        EXPECT_EQ(rtbReg.Text(), log) << c.typed;
        EXPECT_EQ(rtbReg.SelStart(), rtbReg.TextLength());
        EXPECT_EQ(rtbExpr.Text(), QString::fromUtf8(c.typed));
    }

    // A formula that does not compile shows the engine's message.
    for (const char* f : {"2+*3", ""}) {
        txtExpr.SetText(QStringLiteral("?"));
        Put(QString::fromUtf8(f));
        Enter();
        EXPECT_TRUE(txtExpr.Text().startsWith(QStringLiteral("Error de sintaxis"))) << f;
    }
    EXPECT_EQ(rtbReg.Text(), log);

    // An unfinished formula says why, though a name in it holds an x
    // (FIX, XOR, MAX): only x, y or z standing alone make a function.
    const struct {
        const char *typed, *shownStart;
    } unfinished[] = {
        {"fix(2.5", "Los paréntesis no concuerdan."},
        {"max(2,", "Los paréntesis no concuerdan."},
        {"3 xor", "Error de sintaxis"},
    };
    for (const auto& u : unfinished) {
        txtExpr.SetText(QStringLiteral("?"));
        Put(QString::fromUtf8(u.typed));
        Enter();
        EXPECT_TRUE(txtExpr.Text().startsWith(QString::fromUtf8(u.shownStart)))
            << u.typed << ": " << txtExpr.Text().toStdString();
    }

    // A function of x is left for the procedures.
    txtExpr.SetText(QStringLiteral("?"));
    for (const char* f : {"sen(x)", "y+1", "2*z"}) {
        Put(QString::fromUtf8(f));
        Enter();
        EXPECT_EQ(txtExpr.Text(), QStringLiteral("?")) << f;
    }
    EXPECT_EQ(rtbReg.Text(), log);

    // The real Enter key types no line break.
    Put(QStringLiteral("4*5"));
    QTest::keyClick(&rtbExpr, Qt::Key_Return);
    EXPECT_EQ(rtbExpr.Text(), QStringLiteral("4*5"));
    EXPECT_EQ(txtExpr.Text(), QStringLiteral("20"));
}

TEST_F(ExprStripTest, EnterEvaluatesReversePolishAndLogsEveryAnswer) {
    DialogScript dialogs;
    shell::Shared().ExprInfix = false;
    struct {
        const char* typed;
        const char* shown;
        const char* box;  // title of the message box shown, "" for none
    } cases[] = {
        {"2 3 +", "5", ""},
        {"5", "5", ""},
        {"2 3 /", "0.666666666666667", ""},
        {"1 0 /", "Error en la expresión NPI.", ""},
        {"(2 3 +)", "Error en la expresión NPI.", "Tel"},
        {"2 3 plus", "Error en la expresión NPI.", "Teluvar"},
    };
    QString log;
    for (const auto& c : cases) {
        if (*c.box) dialogs.Answer(plat::MsgResult::OK);
        const size_t shownBefore = dialogs.Shown().size();
        Put(QString::fromUtf8(c.typed));
        Enter();
        EXPECT_EQ(txtExpr.Text(), QString::fromUtf8(c.shown)) << c.typed;
        log += QString::fromUtf8(c.typed) + " = " + QString::fromUtf8(c.shown) + "\n-------\n";
        EXPECT_EQ(rtbReg.Text(), log) << c.typed;
        if (*c.box) {
            ASSERT_EQ(dialogs.Shown().size(), shownBefore + 1) << c.typed;
            EXPECT_EQ(dialogs.Shown().back().title, QString::fromUtf8(c.box));
        } else {
            EXPECT_EQ(dialogs.Shown().size(), shownBefore) << c.typed;
        }
    }
}

TEST(ExprText, GetPolynomial) {
    struct {
        std::vector<double> coefs;
        const char* text;
    } cases[] = {
        {{2, 0, -3, 1}, "2*x^3-3*x+1"},
        {{1, -1}, "x-1"},
        {{-1, 0, 0}, "-x^2"},
        {{0, -1, 0}, "-1*x"},
        {{0, 0, 0}, ""},
        {{}, ""},
        {{1, 0, -3}, "x^2-3"},
        {{0.5, 2.25}, "0.5*x+2.25"},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, "x^11+x^10+x^9+x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1"},
        {{1, NAN}, "Uno de los coeficientes no es un número."},
    };
    for (const auto& c : cases) EXPECT_EQ(calc::GetPolynomial(c.coefs), c.text) << c.text;
}

TEST(ExprText, CheckParentheses) {
    EXPECT_EQ(calc::CheckParentheses("[2+3]*{4}"), "(2+3)*(4)");
    EXPECT_EQ(calc::CheckParentheses("(2+3"), "Los paréntesis no concuerdan.");
    EXPECT_EQ(calc::CheckParentheses(")2("), ")2(");
    EXPECT_EQ(calc::CheckParentheses(""), "");
    EXPECT_EQ(calc::CheckParentheses("{1]+ñ"), "(1)+ñ");
}

}  // namespace
