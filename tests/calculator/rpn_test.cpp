#include "calculator/rpn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numerics/expression.h"

namespace {

using calc::EvalRPN;

struct ValueCase {
    const char* text;
    double expected;
};

void ExpectValues(std::initializer_list<ValueCase> cases) {
    for (const ValueCase& c : cases) {
        calc::RpnResult r = EvalRPN(c.text);
        ASSERT_TRUE(r.ok) << c.text;
        EXPECT_NEAR(r.value, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.text;
        EXPECT_EQ(r.message, "") << c.text;
    }
}

TEST(EvalRPN, ArithmeticAndStackWords) {
    ExpectValues({
        {"2 3 +", 5},     {"2 3 -", -1},        {"2 3 /", 2.0 / 3.0},
        {"2 3 ^", 8},     {"2 3 ñ", 8},         {"2 3 *", 6},
        {"2 3 m", 6},     {"6 4 d", 1.5},       {"6 4 coc", 1.5},
        {"1 2 3 +", 5},    // the 1 left below is ignored
        {"2 3 + 7", 5},    // the last operation gives the value
        {"2   3   *", 6},  // several blanks between tokens
        {"-1.5 2 *", -3}, {"1e3 4 /", 250},     {"pi 2 /", 2 * std::atan(1.0)},
        {"9 r", 3},       {"9 r2", 3},          {"27 r3", 3},
        {"1 ln", 0},      {"100 log10 1 +", 3}, {"1 exp", std::exp(1.0)},
        {"0 senh", 0},    {"0 cosh", 1},        {"2 ln exp", 2},
    });
}

TEST(EvalRPN, TextWithoutOperationGivesTopOfStack) {
    ExpectValues({
        {"5", 5},
        {"5 -3", -3},
        {"pi", 4 * std::atan(1.0)},
    });
}

TEST(EvalRPN, IntegerDivisionAndModRoundHalvesToEven) {
    ExpectValues({
        {"-7 2 de", -3},  // truncated toward zero
        {"7 2 \\", 3},
        {"2.5 1 de", 2},  // 2.5 rounds to 2
        {"3.5 1 de", 4},  // 3.5 rounds to 4
        {"7 2.5 de", 3},  // divisor 2.5 rounds to 2
        {"7 2 mod", 1},
        {"-7 3 mod", -1},  // sign of the dividend
        {"7 -3 mod", 1},
        {"6.5 4 mod", 2},  // 6.5 rounds to 6
    });
}

TEST(EvalRPN, TrigonometryIsAlwaysInDegrees) {
    for (double factor : {num::kDefaultAngleFactor, 1.0}) {
        num::AngleUnitScope unit(factor);
        ExpectValues({
            {"30 sen", 0.5},
            {"60 cos", 0.5},
            {"45 tan", 1},
            {"0.5 asen", 30},
            {"0.5 acos", 60},
            {"1 atan", 45},
            {"30 90 sese", 0.5},
            {"30 60 seco", 1},
            {"60 30 cose", 1},
            {"60 0 coco", 0.5},
            {"3 4 atan2", std::atan(4.0 / 3.0) * 180 / (4 * std::atan(1.0))},
            {"0 1 atan2", 90},
            {"-1 0 atan2", 180},
            {"0 -1 atan2", -90},
        });
    }
}

TEST(EvalRPN, FailuresGiveTheErrorTextWithoutMessage) {
    for (const char* text : {
             "2 +",    // too few values
             "ln",     // empty stack
             "1 0 /",  // division by zero
             "1 0 coc",
             "1 0.4 de",  // divisor rounds to 0
             "1 0 mod",
             "30 0 sese",  // sin 0 below a quotient
             "0 ln",       // logarithm of a value that is not positive
             "-1 log10",
             "-4 r",  // root of a negative value
             "-8 r3",
             "2 asen",  // outside [-1, 1]
             "-1.5 acos",
             "1e308 10 *",  // overflow
             "1000 exp",   "1000 cosh",
             "1e999",  // a literal beyond a double
             "0 -1 ^",     "-8 0.5 ^",
             "3e10 2 de",  // beyond a 32-bit whole number
             "2 + plus",   // the failure comes before the unknown word
         }) {
        calc::RpnResult r = EvalRPN(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.message, "") << text;
        EXPECT_EQ(r.Text(), "Error en la expresión NPI.") << text;
        EXPECT_EQ(r.Value(), rt::Variant("Error en la expresión NPI.")) << text;
    }
}

TEST(EvalRPN, ThirtyTokensAtMost) {
    std::string ones;
    for (int i = 0; i < 30; ++i) ones += "1 ";
    std::string thirty = ones;
    thirty.pop_back();
    ExpectValues({{thirty.c_str(), 1}});

    std::string sums = "2";  // 29 tokens giving 16
    for (int i = 0; i < 14; ++i) sums += " 1 +";
    ExpectValues({{(sums + " r").c_str(), 4}});
    EXPECT_FALSE(EvalRPN(sums + " r r").ok);

    calc::RpnResult r = EvalRPN(ones + "1");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "");
    // The 31st token fails before the strange character after it is seen.
    r = EvalRPN(ones + "1 (");
    EXPECT_EQ(r.message, "");
}

TEST(EvalRPN, StrangeCharacterIsRefusedInTheTelBox) {
    for (const char* text : {"(2 3 +)", "2 3 + ]", "[2", "{", "}", "2 3 !", "30° sen", "¡2", "a´", "x=2",   "2 3 + ;",
                             "2 < 3",   "#",       "$",  "%", "&", "?",     "_",       "|",  ">",  "plus ("}) {
        calc::RpnResult r = EvalRPN(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.message, "Literal extraña en la expresión (Estás en notación polaca inversa).") << text;
        EXPECT_EQ(r.messageTitle, "Tel") << text;
        EXPECT_EQ(r.Text(), "Error en la expresión NPI.") << text;
    }
}

TEST(EvalRPN, UnknownWordIsRefusedInTheTeluvarBox) {
    for (const char* text : {"2 3 plus", "PI", "30 SEN", "2 3 +,", "1,5 2 *", "", "2 3 x"}) {
        calc::RpnResult r = EvalRPN(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.message, "Error en la expresión.") << text;
        EXPECT_EQ(r.messageTitle, "Teluvar") << text;
        EXPECT_EQ(r.Text(), "Error en la expresión NPI.") << text;
    }
}

TEST(EvalRPN, ResultTextIsTheGeneralNumberForm) {
    EXPECT_EQ(EvalRPN("2 3 /").Text(), "0.666666666666667");
    EXPECT_EQ(EvalRPN("2 3 -").Text(), "-1");
    EXPECT_EQ(EvalRPN("2 3 -").Value(), rt::Variant(-1.0));
    EXPECT_EQ(EvalRPN("1 100000 /").Text(), "1E-05");
}

}  // namespace
