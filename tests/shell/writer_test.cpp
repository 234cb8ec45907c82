// The result writer and the two formatters of result lines.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "platform/qstring_print.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "text/globals.h"
#include "text/resultformat.h"
#include "shell/writer.h"

using namespace shell;

namespace {

// FormatNum's result as a line shows it; numbers are marked "#".
std::string Shown(const rt::Variant& v) {
    return (v.IsNumber() ? "#" : "") + v.ToText();
}

TEST(FormatNum, RoundsAndWritesTheMarkupMinus) {
    struct Case {
        rt::Variant x;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {-2.5, ";-2.5"},
        {4E-05, "#0"},
        {4E-04, "#0"},
        {-4E-04, "#0"},  // rounds to zero: no minus before it
        {-4E-05, "#0"},
        {0.0005, "#0"},  // halves go to the even digit
        {0.0015, "#0.002"},
        {1.23456, "#1.235"},
        {-1234.5678, ";-1234.568"},
        {-1E-20, "#0"},
        {1.5E+20, "#1.5E+20"},
        {"2.5", "#2.5"},
        {"-x", ";-x"},
        {"x!1", "x!1"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Shown(FormatNum(c.x)), c.shown) << c.x.ToText();

    const int saved = G().Decimals;
    G().Decimals = 1;
    EXPECT_EQ(Shown(FormatNum(-0.04)), "#0");
    EXPECT_EQ(Shown(FormatNum(-0.06)), ";-0.1");
    G().Decimals = saved;
}

TEST(FormatTerm, SignsCoefficientsAndSymbols) {
    struct Case {
        bool notFirst, showZero;
        rt::Variant coef, symbol;
        const char* term;
    };
    const std::vector<Case> cases = {
        {false, false, 1, "x", " x"},
        {true, false, 1, "x", " + x"},
        {true, false, -1, "x", " ;- x"},
        {false, false, 2, "-x", " ;- 2 x"},
        {true, false, -3, "-x", " + 3 x"},
        {false, false, -1, "-F!1", " F!1"},
        {true, false, 2.5, "T", " + 2.5 T"},
        {true, false, "2.50", "T", " + 2.50 T"},  // written as given
        {true, true, 0, "x", " 0 "},
        {true, false, 0, "x", ""},
        {true, true, 5, "", ""},
        {true, false, 2, 3, " + 6"},
        {false, false, 2, "3", " 6"},
        {true, false, -2, 3, " ;- 6"},
        {true, true, 2, 0, " 0 "},
        {true, false, "abc", "x", ""},  // a coefficient that is no number
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTerm(c.notFirst, c.showZero, c.coef, c.symbol), c.term)
            << c.coef.ToText() << " " << c.symbol.ToText();
}

TEST(ResultLinesTest, NumberedFromOne) {
    ResultLines lines(2);
    lines[1] = "a";
    lines[2] = "b";
    lines.Add("c");
    EXPECT_EQ(lines.UBound(), 3);
    EXPECT_EQ(lines[3], "c");
    EXPECT_THROW(lines[0], rt::RuntimeError);
    EXPECT_THROW(lines[4], rt::RuntimeError);
    lines.Resize(1);
    EXPECT_EQ(lines.Lines(), std::vector<std::string>{"a"});
}

class Writer : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Panes();
        Panes() = ResultPanes{&calc, &reg, &solve, &argHelp, &hold};
        // The panes' own fonts differ from the result font: what is written
        // must carry its own.
        for (plat::RichPane* p : {&calc, &reg, &solve, &argHelp}) p->SetDefaultFont("Arial", 14);
    }
    void TearDown() override { Panes() = saved_; }

    plat::RichPane calc{"rtbCalc"}, reg{"rtbReg"}, solve{"rtbSolve"}, argHelp{"txtArgHelp"},
        hold{"rtbHold"};
    ResultPanes saved_;
};

TEST_F(Writer, ResultPaneIsReplacedAndEveryResultLogged) {
    calc.SetText("old");
    WriteResults(calc, {"/3R/ = 5", "x!1 = 2"});
    WriteResults(calc, {"F = ;-3"});
    EXPECT_EQ(calc.Text(), "F = " + QString(QChar(0x2212)) + "3\n");
    EXPECT_EQ(calc.SelStart(), 0);
    EXPECT_EQ(reg.Text(), "R = 5\nx1 = 2\n-----\nF = " + QString(QChar(0x2212)) + "3\n-----\n");
    EXPECT_EQ(hold.Text(), "");

    // Formats travel with the text into panes of another font.
    const plat::CharFormat r = reg.FormatAt(0);
    EXPECT_EQ(r.color, 0xFF0000u);
    EXPECT_EQ(r.fontName, "Times New Roman");
    EXPECT_EQ(r.fontSize, 10);
    EXPECT_EQ(reg.FormatAt(7).offsetTwips, -45);
    EXPECT_EQ(reg.FormatAt(reg.Text().indexOf("-----")).fontSize, 10);
    EXPECT_EQ(calc.FormatAt(4).fontName, "Symbol");
}

TEST_F(Writer, SolutionPaneIsAppendedTo) {
    WriteResults(solve, {"Cuerpo 1"});
    WriteResults(solve, {"Cuerpo 2", "T = 4"});
    EXPECT_EQ(solve.Text(), "Cuerpo 1\nCuerpo 2\nT = 4\n");
    EXPECT_EQ(solve.SelStart(), solve.TextLength());
    EXPECT_EQ(reg.Text(), "Cuerpo 1\n-----\nCuerpo 2\nT = 4\n-----\n");
}

TEST_F(Writer, ArgumentHelpIsReplacedAndNotLogged) {
    WriteResults(argHelp, {"uno"});
    WriteResults(argHelp, {"\\0100dos\\"});
    EXPECT_EQ(argHelp.Text(), "dos\n");
    EXPECT_TRUE(argHelp.FormatAt(0).underline);
    EXPECT_EQ(reg.Text(), "");
}

TEST_F(Writer, NoLinesWriteAnEmptyResultAndARule) {
    calc.SetText("old");
    WriteResults(calc, ResultLines());
    EXPECT_EQ(calc.Text(), "");
    EXPECT_EQ(reg.Text(), "-----\n");
}

TEST_F(Writer, TheLogKeepsEverythingWrittenToIt) {
    WriteResults(calc, {"primero"});
    // What the user selects in the log, or a last line someone left open,
    // never costs an entry.
    reg.SelectAllText();
    WriteResults(solve, {"segundo"});
    reg.SetSelStart(reg.TextLength());
    reg.SetSelText("nota");
    reg.SetSelStart(3);
    reg.SetSelLength(4);
    WriteResults(calc, {"tercero"});
    EXPECT_EQ(reg.Text(), "primero\n-----\nsegundo\n-----\nnota\ntercero\n-----\n");

    // Long worked solutions, one after the other, all kept in full.
    ResultLines big;
    for (int i = 1; i <= 300; ++i) big.Add("x!" + std::to_string(i) + " = /3" + std::to_string(i) + "/");
    for (int k = 0; k < 5; ++k) WriteResults(solve, big);
    const QString log = reg.Text();
    EXPECT_EQ(log.count("x300 = 300\n-----\n"), 5);
    EXPECT_FALSE(log.contains(QChar(0x00AC)));
    EXPECT_FALSE(log.contains('!'));
    EXPECT_EQ(solve.Text().count('\n'), 1 + 5 * 300);
}

TEST_F(Writer, WithoutTheConversionPaneNothingIsWritten) {
    Panes().rtbHold = nullptr;
    calc.SetText("old");
    WriteResults(calc, {"nuevo"});
    EXPECT_EQ(calc.Text(), "old");
    EXPECT_EQ(reg.Text(), "");
}

}  // namespace
