// Formula markup converted into a rich pane: the text and formats it reads
// back with.
#include <gtest/gtest.h>

#include <QString>

#include "platform/qstring_print.h"
#include "platform/richpane.h"
#include "shell/writer.h"

using namespace shell;

namespace {

constexpr rt::ColorRef kBlue = 0xFF0000;

class MarkupPane : public ::testing::Test {
protected:
    plat::RichPane hold;
};

TEST_F(MarkupPane, ConvertedTextReadsBackWithItsFormats) {
    MarkupToRtf(hold, "Arial", 12, "/3Suma/: v!0¡2 F!x ;q #cruz $F");
    EXPECT_EQ(hold.Text(), QString::fromUtf8("Suma: v02 Fx θ × F"));
    const plat::CharFormat suma = hold.FormatAt(0);
    EXPECT_EQ(suma.color, kBlue);
    EXPECT_EQ(suma.fontName, "Arial");
    EXPECT_EQ(suma.fontSize, 12);
    EXPECT_EQ(hold.FormatAt(4).color, 0u);

    const plat::CharFormat sub = hold.FormatAt(7), sup = hold.FormatAt(8);
    EXPECT_EQ(sub.offsetTwips, -45);
    EXPECT_EQ(sub.fontName, "Times New Roman");
    EXPECT_EQ(sub.fontSize, 7);
    EXPECT_EQ(sup.offsetTwips, 60);
    EXPECT_EQ(sup.fontSize, 7);
    const plat::CharFormat x = hold.FormatAt(11);
    EXPECT_EQ(x.offsetTwips, -45);
    EXPECT_EQ(x.fontName, "Arial");
    EXPECT_EQ(x.fontSize, 8);
    EXPECT_EQ(hold.FormatAt(10).offsetTwips, 0);

    EXPECT_EQ(hold.FormatAt(13).fontName, "Symbol");
    EXPECT_EQ(hold.FormatAt(15).fontName, "Symbol");
    EXPECT_TRUE(hold.FormatAt(17).bold);
    EXPECT_FALSE(hold.FormatAt(16).bold);
}

TEST_F(MarkupPane, TwoDigitIndexesAreLoweredWhole) {
    MarkupToRtf(hold, "Times New Roman", 10, "x!9 + x!10 = 1");
    EXPECT_EQ(hold.Text(), "x9 + x10 = 1");
    for (int at : {1, 6, 7}) EXPECT_EQ(hold.FormatAt(at).offsetTwips, -45) << at;
    EXPECT_EQ(hold.FormatAt(8).offsetTwips, 0);
}

TEST_F(MarkupPane, ANewConversionReplacesThePreviousOne) {
    MarkupToRtf(hold, "Times New Roman", 10, "\\1001viejo\\\n");
    MarkupToRtf(hold, "Times New Roman", 10, "nuevo");
    EXPECT_EQ(hold.Text(), "nuevo");
    EXPECT_FALSE(hold.FormatAt(0).bold);
    EXPECT_EQ(hold.FormatAt(0).color, 0u);
    MarkupToRtf(hold, "Times New Roman", 10, "");
    EXPECT_EQ(hold.Text(), "");
}

TEST_F(MarkupPane, TheDefaultPaneIsTheConversionPane) {
    Panes().rtbHold = &hold;
    MarkupToRtf("Times New Roman", 10, "a!1");
    EXPECT_EQ(hold.Text(), "a1");
    Panes().rtbHold = nullptr;
    MarkupToRtf("Times New Roman", 10, "b");  // no pane: nothing happens
    EXPECT_EQ(hold.Text(), "a1");
}

}  // namespace
