// The rich pane's selection operations and character formats.
#include <gtest/gtest.h>
#include <QTextDocument>

#include "platform/richpane.h"
#include "qstring_print.h"

namespace {

using plat::CharFormat;
using plat::RichPane;

TEST(RichPane, TextLineBreaksCountOneCharacter) {
    RichPane p;
    p.SetText("ab\r\ncd\ref");
    EXPECT_EQ(p.Text(), "ab\ncd\nef");
    EXPECT_EQ(p.TextLength(), 8);
    EXPECT_EQ(p.SelStart(), 0);
    p.SetSelStart(3);
    p.SetSelLength(2);
    EXPECT_EQ(p.SelText(), "cd");
    p.SetText("");
    EXPECT_EQ(p.Text(), "");
    EXPECT_EQ(p.TextLength(), 0);
}

TEST(RichPane, SelTextReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    RichPane p;
    p.SetText("abcdef");
    p.SetSelStart(1);
    p.SetSelLength(3);
    p.SetSelText("XY");
    EXPECT_EQ(p.Text(), "aXYef");
    EXPECT_EQ(p.SelStart(), 3);
    EXPECT_EQ(p.SelLength(), 0);
    p.SetSelStart(99);  // clamped to the end
    EXPECT_EQ(p.SelStart(), 5);
    p.SetSelText("-----");
    EXPECT_EQ(p.Text(), "aXYef-----");
    p.SetSelStart(0);
    p.SetSelLength(99);
    EXPECT_EQ(p.SelLength(), 10);
    p.SetSelStart(-4);
    EXPECT_EQ(p.SelStart(), 0);
}

TEST(RichPane, UpToMovesTheCaretToTheNextCharacterOfTheSet) {
    RichPane p;
    p.SetText("ab/cd\\e");
    p.UpTo("/\\");
    EXPECT_EQ(p.SelStart(), 2);
    p.UpTo("/\\");  // stays on a character of the set
    EXPECT_EQ(p.SelStart(), 2);
    p.SetSelStart(3);
    p.UpTo("/\\");
    EXPECT_EQ(p.SelStart(), 5);
    p.SetSelStart(6);
    p.UpTo("/\\");  // none left: the end
    EXPECT_EQ(p.SelStart(), 7);
    p.SetSelStart(0);
    p.UpTo("ab", true, true);  // first character not in the set
    EXPECT_EQ(p.SelStart(), 2);
    p.SetSelStart(5);
    p.UpTo("/", false);  // backward: stops after the "/"
    EXPECT_EQ(p.SelStart(), 3);
}

TEST(RichPane, SpanSelectsUpToTheNextCharacterOfTheSet) {
    RichPane p;
    p.SetText("Suma/:x");
    p.Span("/\\", true, true);
    EXPECT_EQ(p.SelText(), "Suma");
    p.SetSelStart(5);
    p.Span("/\\", true, true);  // no closing marker: runs to the end
    EXPECT_EQ(p.SelText(), ":x");
    p.SetSelStart(0);
    p.Span("Sum");  // characters in the set
    EXPECT_EQ(p.SelText(), "Sum");
    p.SetSelStart(4);
    p.Span("am", false);
    EXPECT_EQ(p.SelStart(), 2);
    EXPECT_EQ(p.SelText(), "ma");
}

TEST(RichPane, SelectionFormatsReadBackAsSet) {
    RichPane p;
    p.SetDefaultFont("Times New Roman", 10);
    p.SetText("abcdef");
    p.SetSelStart(1);
    p.SetSelLength(2);
    p.SetSelBold(true);
    p.SetSelUnderline(true);
    p.SetSelColor(0xFF0000);
    p.SetSelStart(3);
    p.SetSelLength(1);
    p.SetSelItalic(true);
    p.SetSelFontName("Courier New");
    p.SetSelFontSize(7);
    p.SetSelCharOffset(-45);
    p.SetSelStart(4);
    p.SetSelLength(1);
    p.SetSelFontSize(8);
    p.SetSelCharOffset(60);

    EXPECT_TRUE(p.SelBold() == false && p.SelCharOffset() == 60 && p.SelFontSize() == 8);
    const CharFormat plain{false, false, false, 0, "Times New Roman", 10, 0};
    CharFormat boldBlue = plain;
    boldBlue.bold = boldBlue.underline = true;
    boldBlue.color = 0xFF0000;
    CharFormat sub = plain;
    sub.italic = true;
    sub.fontName = "Courier New";
    sub.fontSize = 7;
    sub.offsetTwips = -45;
    CharFormat sup = plain;
    sup.fontSize = 8;
    sup.offsetTwips = 60;
    const auto runs = p.Runs();
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].text, "a");
    EXPECT_EQ(runs[0].format, plain);
    EXPECT_EQ(runs[1].text, "bc");
    EXPECT_EQ(runs[1].format, boldBlue);
    EXPECT_EQ(runs[2].format, sub);
    EXPECT_EQ(runs[3].format, sup);
    EXPECT_EQ(runs[4].text, "f");
    EXPECT_EQ(runs[4].format, plain);

    p.SetSelStart(1);
    p.SetSelLength(2);
    EXPECT_TRUE(p.SelBold());
    EXPECT_TRUE(p.SelUnderline());
    EXPECT_EQ(p.SelColor(), 0xFF0000u);
    EXPECT_EQ(p.SelFontName(), "Times New Roman");
}

TEST(RichPane, SetTextStartsAgainInTheDefaultFont) {
    RichPane p;
    p.SetDefaultFont("Courier New", 9);
    p.SetText("abc");
    p.SelectAllText();
    p.SetSelBold(true);
    p.SetSelColor(0x0000FF);
    p.SetText("xyz");
    EXPECT_EQ(p.FormatAt(1), (CharFormat{false, false, false, 0, "Courier New", 9, 0}));
}

TEST(RichPane, FormatWithoutSelectionAppliesToWhatIsTypedNext) {
    RichPane p;
    p.SetText("ab");
    p.SetSelStart(2);
    p.SetSelBold(true);
    p.SetSelColor(0x0000FF);
    p.SetSelText("cd");
    EXPECT_TRUE(p.FormatAt(2).bold);
    EXPECT_EQ(p.FormatAt(3).color, 0x0000FFu);
    EXPECT_FALSE(p.FormatAt(1).bold);
}

TEST(RichPane, ReplacedTextTakesTheFormatOfTheSelection) {
    RichPane p;
    p.SetText("x#cruzy");
    p.SetSelStart(1);
    p.SetSelLength(1);
    p.SetSelText("");  // delete the marker
    p.SetSelLength(4);
    p.SetSelColor(0x008000);
    p.SetSelText(QString(QChar(180)));
    EXPECT_EQ(p.Text(), QString("x") + QChar(180) + "y");
    EXPECT_EQ(p.FormatAt(1).color, 0x008000u);
    EXPECT_EQ(p.FormatAt(2).color, 0u);
}

TEST(RichPane, SymbolFontShowsMappedCharacters) {
    RichPane p;
    p.SetText("q = 30");
    p.SetSelLength(1);
    p.SetSelFontName("Symbol");
    EXPECT_EQ(p.Text(), QString(QChar(0x03B8)) + " = 30");
    EXPECT_EQ(p.SelFontName(), "Symbol");
    EXPECT_EQ(p.SelLength(), 1);
    // Text written into a Symbol run is mapped too: 163 is "less or equal".
    p.SetSelText(QString(QChar(163)));
    EXPECT_EQ(p.Text().at(0), QChar(0x2264));
}

TEST(RichPane, RichContentKeepsFormatsWhenMovedBetweenPanes) {
    RichPane hold, calc, log;
    hold.SetText("F = 5\n-----");
    hold.SetSelLength(1);
    hold.SetSelBold(true);
    hold.SetSelStart(4);
    hold.SetSelLength(1);
    hold.SetSelColor(0xFF00FF);
    const QTextDocumentFragment content = hold.RichContent();

    calc.SetText("old result");
    calc.SetRichContent(content);
    EXPECT_EQ(calc.Text(), "F = 5\n-----");
    EXPECT_EQ(calc.SelStart(), 0);
    EXPECT_TRUE(calc.FormatAt(0).bold);
    EXPECT_EQ(calc.FormatAt(4).color, 0xFF00FFu);

    log.SetText("first\n");
    log.SetSelStart(log.TextLength());
    log.InsertRich(content);
    EXPECT_EQ(log.Text(), "first\nF = 5\n-----");
    EXPECT_EQ(log.SelStart(), log.TextLength());
    EXPECT_TRUE(log.FormatAt(6).bold);
    EXPECT_FALSE(log.FormatAt(0).bold);
    log.SetSelStart(0);
    log.InsertRich(content);  // at the start, the caret after the insert
    EXPECT_TRUE(log.Text().startsWith("F = 5\n-----first"));
    EXPECT_EQ(log.SelStart(), 11);

    calc.SetRichContent(QTextDocumentFragment());
    EXPECT_EQ(calc.Text(), "");
}

TEST(RichPane, OneFontSizeForAll) {
    RichPane p;
    p.SetText("abc");
    p.SetSelStart(1);
    p.SetSelLength(1);
    p.SetSelFontSize(20);
    p.SetSelBold(true);
    p.SetAllFontSize(8);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p.FormatAt(i).fontSize, 8);
    EXPECT_TRUE(p.FormatAt(1).bold);
}

// A run of the markup conversion's steps: the operations compose.
TEST(RichPane, MarkupStyleWalkThroughAHiddenPane) {
    RichPane p;
    p.SetDefaultFont("Times New Roman", 10);
    p.SetText(QString::fromUtf8("/3Suma/: v!0¬"));
    p.UpTo(QString::fromUtf8("\\/#!¡;$¬"));
    ASSERT_EQ(p.SelStart(), 0);
    p.SetSelLength(2);
    p.SetSelText("");  // marker and code character
    p.Span("/\\", true, true);
    p.SetSelColor(0xFF0000);
    p.SetSelStart(p.SelStart() + p.SelLength());
    p.SetSelLength(1);
    p.SetSelText("");  // closing marker
    p.UpTo(QString::fromUtf8("\\/#!¡;$¬"));
    p.SetSelLength(1);
    p.SetSelText("");  // "!"
    p.SetSelLength(1);
    p.SetSelFontName("Times New Roman");
    p.SetSelFontSize(7);
    p.SetSelCharOffset(-45);
    p.UpTo(QString::fromUtf8("\\/#!¡;$¬"));
    p.SetSelLength(1);
    p.SetSelText("");
    EXPECT_EQ(p.Text(), "Suma: v0");
    EXPECT_EQ(p.FormatAt(0).color, 0xFF0000u);
    EXPECT_EQ(p.FormatAt(4).color, 0u);
    EXPECT_EQ(p.FormatAt(7).offsetTwips, -45);
    EXPECT_EQ(p.FormatAt(7).fontSize, 7);
    EXPECT_EQ(p.FormatAt(6).offsetTwips, 0);
}

TEST(RichPane, OffsetSetOnAFormatReadsBackLikeOneSetThroughThePane) {
    RichPane through;
    through.SetText("x");
    through.SelectAllText();
    through.SetSelFontSize(7);
    through.SetSelCharOffset(-45);

    QTextCharFormat f;
    f.setFontPointSize(7);
    RichPane::SetCharOffset(f, -45, 7);
    QTextDocument doc;
    QTextCursor(&doc).insertText("x", f);
    RichPane built;
    built.SetRichContent(QTextDocumentFragment(&doc));
    EXPECT_EQ(built.FormatAt(0).offsetTwips, -45);
    EXPECT_EQ(built.FormatAt(0), through.FormatAt(0));
    QTextCursor a(through.document()), b(built.document());
    a.setPosition(1);
    b.setPosition(1);
    EXPECT_DOUBLE_EQ(b.charFormat().baselineOffset(), a.charFormat().baselineOffset());
    EXPECT_LT(b.charFormat().baselineOffset(), 0);  // drawn lowered
}

TEST(RichPane, SetFocusFailsWhenHiddenOrDisabled) {
    QWidget host;
    RichPane p("rtbExpr", &host);
    EXPECT_FALSE(p.SetFocus());  // window not shown
    host.show();
    p.setEnabled(false);
    EXPECT_FALSE(p.SetFocus());
    p.setEnabled(true);
    EXPECT_TRUE(p.SetFocus());
    p.hide();
    EXPECT_FALSE(p.SetFocus());
}

}  // namespace
