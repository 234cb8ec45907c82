// Formula markup printed on pictures: fonts, heights and flow of each
// character, read from the picture's record of what was drawn.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "platform/qstring_print.h"
#include "runtime/errors.h"
#include "shell/draweng.h"
#include "shell/drawpicture.h"
#include "shell/picmarkup.h"

using namespace shell;

namespace {

class PicMarkup : public ::testing::Test {
protected:
    PicMarkup() : pic("pic") {
        pic.resize(200, 100);
        pic.ScaleYUp();
        pic.SetFontName("Arial");
        pic.SetFontSize(9);
    }

    std::vector<plat::DrawnPrimitive> Texts() const {
        std::vector<plat::DrawnPrimitive> out;
        for (const auto& d : pic.Drawn())
            if (d.kind == plat::DrawnPrimitive::Kind::Text) out.push_back(d);
        return out;
    }

    void ExpectFontKept() const {
        EXPECT_EQ(pic.FontName(), "Arial");
        EXPECT_EQ(pic.FontSize(), 9);
        EXPECT_FALSE(pic.FontBold());
        EXPECT_FALSE(pic.FontItalic());
    }

    plat::Picture pic;
};

TEST_F(PicMarkup, BoldLetterAndSubscriptDigit) {
    PrintMarkupText(pic, "$F!1", 10, 50, "Times New Roman", 8);
    const auto t = Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "F");
    EXPECT_TRUE(t[0].bold);
    EXPECT_EQ(t[0].fontSize, 8);
    EXPECT_EQ(t[0].points[0], QPointF(10, 50));
    EXPECT_EQ(t[1].text, "1");
    EXPECT_FALSE(t[1].bold);
    EXPECT_EQ(t[1].fontSize, 7);
    EXPECT_EQ(t[1].fontName, "Times New Roman");
    EXPECT_EQ(t[1].points[0].y(), 45);
    EXPECT_GT(t[1].points[0].x(), 10);
    EXPECT_DOUBLE_EQ(pic.CurrentY(), 45);  // the current point stays after the last character
    ExpectFontKept();
}

TEST_F(PicMarkup, AnIndexOfTwoDigitsSitsWholeOnTheSubscriptLine) {
    PrintMarkupText(pic, "F!12 ", 10, 50, "Arial", 9);
    const auto t = Texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].text, "12");
    EXPECT_EQ(t[1].points[0].y(), 45);
    EXPECT_EQ(t[1].fontSize, 8);
    EXPECT_EQ(t[2].points[0].y(), 50);
}

TEST_F(PicMarkup, HeightsAndSizesByLineSize) {
    struct Case {
        double size;
        double sub, sup, symbol;  // offsets from the line's top
        double subSize;
    };
    const std::vector<Case> cases = {
        {12, -6, 1, 0, 8},
        {8, -5, 2, 0, 7},
        {10, -5, 2, 1, 8},
        {7, -5, 2, 1, 7},
    };
    for (const Case& c : cases) {
        pic.Cls();
        PrintMarkupText(pic, "a!b¡c;q", 20, 60, "Times New Roman", c.size);
        const auto t = Texts();
        ASSERT_EQ(t.size(), 4u) << c.size;
        EXPECT_EQ(t[0].points[0].y(), 60) << c.size;
        EXPECT_EQ(t[1].points[0].y(), 60 + c.sub) << c.size;
        EXPECT_EQ(t[1].fontSize, c.subSize) << c.size;
        EXPECT_EQ(t[2].points[0].y(), 60 + c.sup) << c.size;
        EXPECT_EQ(t[2].fontSize, 7) << c.size;
        EXPECT_EQ(t[3].points[0].y(), 60 + c.symbol) << c.size;
        EXPECT_EQ(t[3].fontName, "Symbol") << c.size;
        EXPECT_EQ(t[3].fontSize, c.size) << c.size;
        EXPECT_EQ(t[3].text, QString(QChar(0x03B8))) << c.size;  // theta
        // Each character continues where the one before ended.
        for (size_t k = 1; k < t.size(); ++k) EXPECT_GT(t[k].points[0].x(), t[k - 1].points[0].x()) << c.size;
    }
    ExpectFontKept();
}

TEST_F(PicMarkup, MarkedCharactersKeepTheHeightBeforeThem) {
    PrintMarkupText(pic, "x!1$y_z#cruz/w", 0, 50, "Times New Roman", 10);
    const auto t = Texts();
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[2].text, "y");
    EXPECT_TRUE(t[2].bold);
    EXPECT_EQ(t[2].points[0].y(), 45);  // still on the subscript line
    EXPECT_EQ(t[3].text, "z");
    EXPECT_TRUE(t[3].italic);
    EXPECT_FALSE(t[3].bold);
    EXPECT_EQ(t[4].text, QString(QChar(0x00D7)));  // the multiplication sign
    EXPECT_EQ(t[4].fontName, "Symbol");
    EXPECT_EQ(t[4].points[0].y(), 45);
    EXPECT_EQ(t[5].text, "/");  // a plain character on pictures
    EXPECT_EQ(t[5].points[0].y(), 50);
    EXPECT_EQ(t[6].text, "w");
}

TEST_F(PicMarkup, MarkersConsumeTheNextCharacterAndEndQuietly) {
    PrintMarkupText(pic, "a;;!$", 0, 50, "Arial", 9);
    const auto t = Texts();
    ASSERT_EQ(t.size(), 3u);  // "a", ";" in Symbol, "$" as a subscript
    EXPECT_EQ(t[1].fontName, "Symbol");
    EXPECT_EQ(t[2].text, "$");
    EXPECT_EQ(t[2].points[0].y(), 45);
    ExpectFontKept();
}

TEST_F(PicMarkup, AFaultReachesTheCallerWithTheFontRestored) {
    pic.SetFontBold(true);
    EXPECT_THROW(PrintMarkupText(pic, "a#0300b", 0, 50, "Courier New", 12), rt::RuntimeError);
    EXPECT_EQ(pic.FontName(), "Arial");
    EXPECT_EQ(pic.FontSize(), 9);
    EXPECT_TRUE(pic.FontBold());
}

TEST_F(PicMarkup, ArrowLabelsUseTheMarkup) {
    UseMarkupForLabels();
    DrawArrow(pic, 2, true, false, kPenAtTip, false, 0, rt::Variant("F!1"), 3, 3, 0);
    SetLabelPrinter(nullptr);
    const auto t = Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "F");
    EXPECT_EQ(t[1].text, "1");
    EXPECT_LT(t[1].points[0].y(), t[0].points[0].y());
}

}  // namespace
