// The lines of a result and the two formatters procedures build them with.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/errors.h"
#include "text/globals.h"
#include "text/resultformat.h"

using namespace text;

namespace {

// FormatNum's result as a line shows it; numbers are marked "#".
std::string Shown(const rt::Variant& v) { return (v.IsNumber() ? "#" : "") + v.ToText(); }

TEST(FormatNum, RoundsAndWritesTheMarkupMinus) {
    struct Case {
        rt::Variant x;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {-2.5, ";-2.5"},    {4E-05, "#0"},         {4E-04, "#0"},
        {-4E-04, "#0"},                      // rounds to zero: no minus before it
        {-4E-05, "#0"},     {0.0005, "#0"},  // halves go to the even digit
        {0.0015, "#0.002"}, {1.23456, "#1.235"},   {-1234.5678, ";-1234.568"},
        {-1E-20, "#0"},     {1.5E+20, "#1.5E+20"}, {"2.5", "#2.5"},
        {"-x", ";-x"},      {"x!1", "x!1"},        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Shown(FormatNum(c.x)), c.shown) << c.x.ToText();

    const int saved = G().Decimals;
    G().Decimals = 1;
    EXPECT_EQ(Shown(FormatNum(-0.04)), "#0");
    EXPECT_EQ(Shown(FormatNum(-0.06)), ";-0.1");
    G().Decimals = saved;
}

TEST(FormatTerm, FirstTermHasNoLeadingBlankAndItsMinusNextToItsNumber) {
    struct Case {
        bool notFirst, showZero;
        rt::Variant coef, symbol;
        const char* term;
    };
    const std::vector<Case> cases = {
        {false, false, 1, "x", "x"},         {true, false, 1, "x", " + x"},
        {true, false, -1, "x", " ;- x"},     {false, false, 2, "-x", ";-2 x"},  // a leading minus is the number's sign
        {false, false, -1, "x", ";-x"},      {false, true, -15.75, 1, ";-15.75"},
        {true, false, -3, "-x", " + 3 x"},   {false, false, -1, "-F!1", "F!1"},
        {true, false, 2.5, "T", " + 2.5 T"}, {true, false, "2.50", "T", " + 2.50 T"},  // written as given
        {true, true, 0, "x", " 0 "},         {false, true, 0, 1, "0"},  // an equals sign's right side that vanishes
        {true, false, 0, "x", ""},           {true, true, 5, "", ""},
        {true, false, 2, 3, " + 6"},         {false, false, 2, "3", "6"},
        {true, false, -2, 3, " ;- 6"},       {true, true, 2, 0, " 0 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTerm(c.notFirst, c.showZero, c.coef, c.symbol), c.term)
            << c.coef.ToText() << " " << c.symbol.ToText();
}

// A value the formatters cannot write is a run-time error for the caller's
// message, never an empty text in the line.
TEST(Formatters, AValueThatCannotBeWrittenRaises) {
    struct Case {
        const char* what;
        std::function<void()> format;
        rt::ErrorCode code;
    };
    const double huge = 1E200;
    const std::vector<Case> cases = {
        {"FormatNum of an overflow", [&] { FormatNum(huge * huge); }, rt::ErrorCode::Overflow},
        {"FormatNumText of an overflow", [&] { FormatNumText(-huge * huge); }, rt::ErrorCode::Overflow},
        {"a product of terms that overflows", [&] { FormatTerm(true, false, huge, huge); }, rt::ErrorCode::Overflow},
        {"a coefficient that is no number", [] { FormatTerm(true, false, "abc", "x"); }, rt::ErrorCode::TypeMismatch},
    };
    for (const Case& c : cases) {
        try {
            c.format();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const rt::RuntimeError& e) { EXPECT_EQ(e.code(), c.code) << c.what; }
    }
}

// The number texts every workspace shares: where the minus goes and which
// decimals apply. A rounded zero never keeps a minus.
TEST(NumberTexts, MinusAndRoundingOfEachForm) {
    const int saved = G().Decimals;
    G().Decimals = 2;
    struct Case {
        double x;
        const char *markupNumber, *markupRounded3, *roundedText;
    };
    const std::vector<Case> cases = {
        {-2.5, ";-2.5", ";-2.5", "-2.5"},
        {1.23456, "1.23456", "1.235", "1.23"},
        {-0.0004, ";-0.0004", "0", "0"},
        {0.125, "0.125", "0.125", "0.12"},  // halves to even
        {-1234.5678, ";-1234.5678", ";-1234.568", "-1234.57"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MarkupNumber(c.x), c.markupNumber) << c.x;
        EXPECT_EQ(MarkupRounded(c.x, 3), c.markupRounded3) << c.x;
        EXPECT_EQ(RoundedText(c.x), c.roundedText) << c.x;
        EXPECT_EQ(FormatNumText(c.x), FormatNum(c.x).ToText()) << c.x;
    }
    EXPECT_EQ(Rounded(-1234.5678), -1234.57);
    EXPECT_EQ(MarkupMinus("-x!1"), ";-x!1");
    EXPECT_EQ(MarkupMinus("x - 1"), "x - 1");
    G().Decimals = saved;
}

// A value that is not zero within its accuracy keeps its significant digits
// where the decimals would show 0; noise of a true zero (tiny against the
// terms that gave it) still shows 0.
TEST(NumberTexts, ASmallValueThatIsNotZeroKeepsItsDigits) {
    const int saved = G().Decimals;
    G().Decimals = 3;
    struct Case {
        double x, noiseScale;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {7.8571e-08, 0, "7.86E-08"},
        {-0.000247, 0, ";-0.000247"},
        {0.00042, 1, "0.00042"},
        {1.2346, 1E+9, "1.235"},
        {5.5E-17, 0.6, "0"},
        {-2.8E-17, 1, "0"},
        {0, 0, "0"},
        {0.0004999, 0, "0.0005"},
        {3.3E-300, 0, "3.3E-300"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatNumKeepingSmall(c.x, c.noiseScale), c.shown) << c.x;
    EXPECT_EQ(RoundedKeepingSmall(0.000247, 1), 0.0002);
    EXPECT_EQ(RoundedKeepingSmall(0.000247, 0), 0.0002);
    G().Decimals = saved;
}

TEST(ResultLinesTest, NumberedFromOne) {
    ResultLines lines(2);
    lines[1] = "a";
    lines[2] = "b";
    lines.Add("c");
    EXPECT_EQ(lines.UBound(), 3);
    EXPECT_EQ(lines[3], "c");
    EXPECT_THROW(lines[0], rt::ProgramFault);
    EXPECT_THROW(lines[4], rt::ProgramFault);
    lines.Resize(1);
    EXPECT_EQ(lines.Lines(), std::vector<std::string>{"a"});
}

}  // namespace
