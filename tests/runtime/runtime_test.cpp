#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "runtime/colors.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/outcome.h"
#include "runtime/rounding.h"
#include "runtime/scopeguard.h"
#include "runtime/variant.h"

using namespace rt;

TEST(Rounding, HalvesGoToEven) {
    struct {
        double x;
        int d;
        double want;
    } cases[] = {
        {0.5, 0, 0},      {1.5, 0, 2},      {2.5, 0, 2},      {-2.5, 0, -2},   {3.5, 0, 4},         {-0.5, 0, 0},
        {0.125, 2, 0.12}, {0.135, 2, 0.14}, {2.675, 2, 2.68}, {-0.0004, 3, 0}, {1.23456, 3, 1.235},
    };
    for (auto c : cases) {
        double r = RoundHalfEven(c.x, c.d);
        EXPECT_DOUBLE_EQ(r, c.want) << c.x << " to " << c.d;
        EXPECT_FALSE(std::signbit(r) && r == 0) << "negative zero for " << c.x;
    }
}

// Significant digits and places beyond the ordinary 0..15 decimals, at any
// size.
TEST(Rounding, SignificantDigitsAtAnySize) {
    struct {
        double value;
        int digits;
        double want;
    } significant[] = {
        {2e12 * (1 + 3e-14), 12, 2e12},
        {123456789012345.6, 12, 123456789012000},
        {-9.87654321987e20, 3, -9.88e20},
        {2.00000000000004e-8, 12, 2e-8},
        {2.5, 1, 2},  // a half goes to the even digit
        {-0.125, 2, -0.12},
        {0, 12, 0},
        {3.14159, 20, 3.14159},  // beyond 15 digits nothing is rounded
    };
    for (const auto& c : significant)
        EXPECT_DOUBLE_EQ(rt::RoundSignificant(c.value, c.digits), c.want) << c.value << " to " << c.digits;
    EXPECT_DOUBLE_EQ(rt::RoundToPlace(7.8612e-8, 10), 7.86e-8);
    EXPECT_DOUBLE_EQ(rt::RoundToPlace(2e12 + 7, -1), 2e12 + 10);
    EXPECT_DOUBLE_EQ(rt::RoundToPlace(0.25, 1), 0.2);
}

TEST(Rounding, IntegerConversionsAndDivision) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_THROW(CInt(32767.6), RuntimeError);
    EXPECT_EQ(CLng(-32768.5), -32768);
    EXPECT_EQ(IntFloor(-2.5), -3);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(IntDiv(-7, 2), -3);
    EXPECT_EQ(IntDiv(7.5, 2), 4);  // 7.5 rounds to 8
    EXPECT_EQ(Mod(7.5, 2), 0);     // 8 MOD 2
    EXPECT_EQ(Mod(-7, 3), -1);
    EXPECT_EQ(Mod(6.5, 4), 2);                   // 6 MOD 4
    EXPECT_THROW(IntDiv(1, 0.4), RuntimeError);  // 0.4 rounds to 0
    EXPECT_THROW(Mod(1, 0), RuntimeError);
}

TEST(CheckedArithmetic, FaultsRaiseInsteadOfInfOrNaN) {
    struct {
        const char* what;
        std::function<double()> f;
        ErrorCode code;
    } cases[] = {
        {"1/0", [] { return Div(1, 0); }, ErrorCode::DivisionByZero},
        {"0/0", [] { return Div(0, 0); }, ErrorCode::DivisionByZero},
        {"overflow", [] { return Mul(1e200, 1e200); }, ErrorCode::Overflow},
        {"exp", [] { return Exp(1000); }, ErrorCode::Overflow},
        {"sqrt", [] { return Sqrt(-1); }, ErrorCode::InvalidCall},
        {"log0", [] { return Log(0); }, ErrorCode::InvalidCall},
        {"log-", [] { return Log(-2); }, ErrorCode::InvalidCall},
        {"pow", [] { return Pow(-8, 1.0 / 3); }, ErrorCode::InvalidCall},
        {"0^-1", [] { return Pow(0, -1); }, ErrorCode::DivisionByZero},
        {"nan", [] { return Checked(std::nan("")); }, ErrorCode::Overflow},
        {"index",
         [] {
             CheckIndex(13, 1, 12);
             return 0.0;
         },
         ErrorCode::SubscriptOutOfRange},
        {"text", [] { return TextToNumber("abc"); }, ErrorCode::TypeMismatch},
    };
    EXPECT_THROW(ExpectIndex(9, 1, 8, "point"), ProgramFault);
    EXPECT_NO_THROW(ExpectIndex(8, 1, 8, "point"));
    for (auto& c : cases) {
        try {
            c.f();
            ADD_FAILURE() << c.what << " did not raise";
        } catch (const RuntimeError& e) { EXPECT_EQ(e.code(), c.code) << c.what; }
    }
    EXPECT_EQ(Pow(-8, 2), 64);
    EXPECT_EQ(Pow(2, 0.5), std::sqrt(2.0));
}

TEST(OutcomeOfAComputation, AValueOrARefusalWhoseReadingIsAProgramFault) {
    const struct {
        const char* what;
        Outcome<std::string> r;
        const char* value;  // nullptr for a refusal
        const char* message;
    } rows[] = {
        {"value", Outcome<std::string>("21.8"), "21.8", ""},
        {"empty value", Outcome<std::string>(""), "", ""},
        {"refusal", Outcome<std::string>::Refusal("No hay solución."), nullptr, "No hay solución."},
        {"silent refusal", Outcome<std::string>::Refusal(""), nullptr, ""},
    };
    for (const auto& row : rows) {
        const bool ok = row.value != nullptr;
        EXPECT_EQ(row.r.ok(), ok) << row.what;
        EXPECT_EQ(static_cast<bool>(row.r), ok) << row.what;
        EXPECT_EQ(row.r.message(), row.message) << row.what;
        if (ok) {
            EXPECT_EQ(*row.r, row.value) << row.what;
            continue;
        }
        // Not a RuntimeError: no handler of bad input may take it.
        EXPECT_THROW((void)row.r->size(), ProgramFault) << row.what;
    }
}

// The undo runs once on every way out the work has not kept: a return, a
// run-time error, a program fault; never after Keep, never twice after Run.
TEST(ScopeGuardUndo, RunsOnceOnEveryWayOutButKeep) {
    struct {
        const char* way;
        std::function<void(ScopeGuard<std::function<void()>>&)> work;
        int undone;
    } cases[] = {
        {"return", [](auto&) {}, 1},
        {"run-time error", [](auto&) { Raise(ErrorCode::Overflow); }, 1},
        {"program fault", [](auto&) { Fault("broken"); }, 1},
        {"kept", [](auto& g) { g.Keep(); }, 0},
        {"run, then a fault", [](auto& g) { g.Run(), Fault("after"); }, 1},
    };
    for (const auto& c : cases) {
        int undone = 0;
        try {
            ScopeGuard<std::function<void()>> guard([&] { ++undone; });
            c.work(guard);
        } catch (const std::exception&) { EXPECT_EQ(undone, c.undone) << c.way << ": undone before the handler runs"; }
        EXPECT_EQ(undone, c.undone) << c.way;
    }
}

TEST(NumberText, GeneralForm) {
    struct {
        double x;
        const char* want;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1E-05, "1E-05"},
        {0.0001, "0.0001"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-1.5e-10, "-1.5E-10"},
        {100, "100"},
        {36.87, "36.87"},
        {1e300, "1E+300"},
        {0.1 + 0.2, "0.3"},
    };
    for (auto c : cases) EXPECT_EQ(NumberText(c.x), c.want) << c.x;
    EXPECT_THROW(NumberText(std::numeric_limits<double>::infinity()), RuntimeError);
    EXPECT_EQ(RoundedText(2.0 / 3, 3), "0.667");
}

TEST(NumberText, ReadsBackExactly) {
    for (double x : {1.0 / 3, 123456.789, 1e-7, -9.87654321e20, 0.1}) {
        double back = TextToNumber(NumberText(x));
        EXPECT_NEAR(back, x, std::fabs(x) * 1e-14);
        EXPECT_EQ(NumberText(back), NumberText(x));
    }
}

TEST(Conversions, LenientNumericTest) {
    for (const char* s : {"12", " 12 ", "-3.5", "+.5", "5.", "1e5", "1E-3", "2D2", " -0 "})
        EXPECT_TRUE(IsNumeric(s)) << s;
    for (const char* s : {"", " ", "abc", "1,5", "1.2.3", "-", ".", "1e", "5-", "--1"}) EXPECT_FALSE(IsNumeric(s)) << s;
    EXPECT_EQ(TextToNumber(" 2.5 "), 2.5);
    EXPECT_EQ(TextToNumber("1e3"), 1000);
    EXPECT_THROW(TextToNumber(""), RuntimeError);
    EXPECT_THROW(TextToNumber("1e999"), RuntimeError);
    EXPECT_EQ(Val("  12.5abc"), 12.5);
    EXPECT_EQ(Val("x1"), 0);
}

TEST(VariantCell, EmptyTextAndConversions) {
    Variant empty, blank(""), num(3.0), text(" 4.5 "), word("F"), yes(true);
    EXPECT_TRUE(empty.IsEmptyText());
    EXPECT_TRUE(blank.IsEmptyText());
    EXPECT_FALSE(num.IsEmptyText());
    EXPECT_EQ(empty.ToNumber(), 0);
    EXPECT_THROW(blank.ToNumber(), RuntimeError);
    EXPECT_THROW(word.ToNumber(), RuntimeError);
    EXPECT_EQ(text.ToNumber(), 4.5);
    EXPECT_EQ(yes.ToNumber(), -1);
    EXPECT_EQ(num.ToText(), "3");
    EXPECT_EQ(empty.ToText(), "");
    EXPECT_TRUE(text.IsNumeric());
    EXPECT_FALSE(word.IsNumeric());
}

TEST(Colors, BlueByteFirst) {
    EXPECT_EQ(ToRgb(kRed), (Rgb{255, 0, 0}));
    EXPECT_EQ(ToRgb(kBlue), (Rgb{0, 0, 255}));
    EXPECT_EQ(ToRgb(0x00C000), (Rgb{0, 192, 0}));
    EXPECT_EQ(ToRgb(kButtonFace), (Rgb{240, 240, 240}));
    EXPECT_EQ(FromRgb(255, 0, 255), kMagenta);
    EXPECT_EQ(TwipsToPixels(555), 37);
}
