// The result writer: what reaches the result, log and help panes.
#include <gtest/gtest.h>

#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <string>
#include <vector>

#include "platform/glyph_check.h"
#include "platform/qstring_print.h"
#include "platform/richpane.h"
#include "shell/writer.h"

using namespace shell;

namespace {

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

    plat::RichPane calc{"rtbCalc"}, reg{"rtbReg"}, solve{"rtbSolve"}, argHelp{"txtArgHelp"}, hold{"rtbHold"};
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
    WriteResults(calc, text::ResultLines());
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
    text::ResultLines big;
    for (int i = 1; i <= 300; ++i) big.Add("x!" + std::to_string(i) + " = /3" + std::to_string(i) + "/");
    for (int k = 0; k < 5; ++k) WriteResults(solve, big);
    const QString log = reg.Text();
    EXPECT_EQ(log.count("x300 = 300\n-----\n"), 5);
    EXPECT_FALSE(log.contains(QChar(0x00AC)));
    EXPECT_FALSE(log.contains('!'));
    EXPECT_EQ(solve.Text().count('\n'), 1 + 5 * 300);
}

TEST_F(Writer, SymbolCharactersReachTheScreen) {
    // A quadratic's result as the calculator writes it: the signs are the
    // Symbol face's minus and must be drawn, not laid out as empty glyphs.
    WriteResults(calc, {"x\u00A12 + 3 x ;- 4 = 0", "x!1 = ;-4", "Valor extremo en x = ;-1.5"});
    const int withMinus = testsupport::InkPixels(*calc.document(), "writer_quadratic");
    WriteResults(calc, {"x\u00A12 + 3 x   4 = 0", "x!1 =  4", "Valor extremo en x =  1.5"});
    const int blank = testsupport::InkPixels(*calc.document());
    EXPECT_GT(withMinus, blank + 3 * 4) << blank;

    // Every letter and named sign the markup sets in the Symbol face, in
    // the result pane and in a fragment built without a pane.
    std::string all;
    for (char c = 'a'; c <= 'z'; ++c) all += std::string(";") + c + ";" + char(c - 'a' + 'A');
    for (const char* code : {"meig", "maig", "suma", "punt", "infi", "nabl", "esca", "fldo", "fliz",
                             "flar", "flde", "flab", "grad", "mame", "prop", "dife", "iden", "apro",
                             "divi", "elem", "nele", "impl", "abso", "angu", "cruz", "reto", "cora"})
        all += std::string("#") + code;
    WriteResults(calc, {all, "$;q !;a \u00A1;-"});
    EXPECT_EQ(testsupport::MissingGlyphs(*calc.document(), "writer_symbols"), "");
    QTextDocument doc;
    QTextCursor(&doc).insertFragment(MarkupFragment("Times New Roman", 12, QString::fromStdString(all)));
    EXPECT_EQ(testsupport::MissingGlyphs(doc), "");
}

TEST_F(Writer, WithoutTheConversionPaneNothingIsWritten) {
    Panes().rtbHold = nullptr;
    calc.SetText("old");
    WriteResults(calc, {"nuevo"});
    EXPECT_EQ(calc.Text(), "old");
    EXPECT_EQ(reg.Text(), "");
}

}  // namespace
