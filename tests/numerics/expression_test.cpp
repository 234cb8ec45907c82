#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "numerics/expression.h"
#include "runtime/errors.h"
#include "support/fault_point.h"

using namespace num;

namespace {

// Restores the shared angle unit after each test.
class Formula : public ::testing::Test {
protected:
    AngleUnitScope degrees_{kDefaultAngleFactor};  // the unit given back after every test

    // The value of text with X = 2 (when it has an X), checked through both
    // entries of the evaluator.
    static double Eval(const std::string& text, std::vector<double> vars = {2}) {
        CExpression e;
        e.SetExpression(text);
        EXPECT_EQ(e.ErrorCode(), 0) << text << ": " << e.ErrorDescription();
        rt::Variant v = e.Value(vars);
        EXPECT_TRUE(v.IsNumber()) << text;
        if (!v.IsNumber()) return NAN;
        EXPECT_EQ(e.ValueFast(vars.data(), static_cast<int>(vars.size())), v.Number()) << text;
        return v.Number();
    }
};

std::string Ones(int n) {
    std::string s = "1";
    for (int i = 1; i < n; ++i) s += "+1";
    return s;
}

}  // namespace

TEST_F(Formula, ValuesPrecedenceAndRounding) {
    const double pi = 3.14159265358979;
    // clang-format off
    struct { const char* text; double want; } cases[] = {
        {"-2^2", 4}, {"-X^2", -4}, {"2^-X", 0.25}, {"2^3^2", 64}, {"8/4/2", 1}, {"2+3*4", 14},
        {"(2+3)*4", 20}, {"-SEN(30)", -0.5}, {"sen(30)", 0.5}, {"Sen (30)", 0.5}, {"+X", 2},
        {"PI()", pi}, {"PI", pi}, {"RADS*180", pi}, {"10 < 9", 0}, {"9 < 10", -1}, {"1 = 1", -1},
        {"1 <> 1", 0}, {"2 <= 2", -1}, {"3 >= 4", 0}, {"3 > 2", -1}, {"(2 > 1) * 5", -5},
        {"1.5E3", 1500}, {"2D2", 200}, {".5", 0.5}, {"5.", 5}, {"2E", 2}, {"1e-2", 0.01}, {"10 = 10.0", -1},
        {"7 \\ 2", 3}, {"-7 \\ 2", -3}, {"0.5 \\ 1", 0}, {"1.5 \\ 1", 2}, {"7.5 MOD 2", 0}, {"-7 MOD 3", -1},
        {"X MOD 2", 0}, {"(X)MOD(2)", 0}, {"x mod 3", 2},
        {"5 AND 3", 1}, {"6 OR 1", 7}, {"6 XOR 3", 5}, {"NOT 0", -1}, {"NOT -1", 0}, {"NOT 1", -2},
        {"NOT 1 = 2", -1}, {"3 > 2 AND 2 > 1", -1},
        {"ABS(-3)", 3}, {"GAR(180)", pi}, {"RAG(PI)", 180}, {"ENT(-1.5)", -2}, {"FIX(-1.5)", -1},
        {"SGN(-4)", -1}, {"R(16)", 4}, {"R3(27)", 3}, {"LN(EXP(2))", 2}, {"LOG10(1000)", 3}, {"EXP(0)", 1},
        {"COS(60)", 0.5}, {"TAN(45)", 1}, {"COT(45)", 1}, {"CSC(30)", 2}, {"SEC(60)", 2},
        {"ATAN(1)", 45}, {"ASEN(0.5)", 30}, {"ACOS(0.5)", 60}, {"ACOT(1)", 45}, {"ACSC(2)", 30},
        {"ASEC(2)", 60}, {"SENH(1)", 1.1752011936438014}, {"COSH(0)", 1},
        {"MIN(10, 9)", 9}, {"MAX(1, X)", 2}, {"SESE(30, 90)", 0.5}, {"SECO(30, 0)", 0.5},
        {"COSE(60, 90)", 0.5}, {"COCO(60, 0)", 0.5}, {"ATAN2(-1, 0)", 180}, {"ATAN2(0, -X)", -90},
        {"COC(7, 2)", 3.5}, {"HIPO(3, 4)", 5}, {"CATE(3, 5)", 4}, {"CATE(5, 3)", 4},
        {"STP(2, 5, 3)", 4}, {"STP(2, 1, 3)", 0}, {"STP(0, 3, 3)", 1}, {"STP1(0, 3, 3)", 1},
        {"STP1(0, 3, 4) + 5", 5}, {"7 - STP1(0, 3, 3)", 6}, {"BAR(2, 1, 3)", 1}, {"BAR(3.0000000000001, 1, 3)", 1},
        {"BAR(4, 1, 3)", 0}, {"IIF(0, 1, 2)", 2}, {"IIF(X > 1, 10, 20)", 10},
        {"2 * (X + 1) ^ 2 - 3 * X", 12}, {"-(X)", -2}, {"--3", 3},
    };
    // clang-format on
    for (auto c : cases) EXPECT_NEAR(Eval(c.text), c.want, 1e-12 * std::max(1.0, std::fabs(c.want))) << c.text;
    EXPECT_EQ(Eval(Ones(50)), 50);
}

TEST_F(Formula, TheMinusSignOfResultsIsAMinus) {
    // U+2212, as results print it, in the places of "-".
    const std::string minus = "\xE2\x88\x92";
    const struct {
        std::string text;
        double want;
    } cases[] = {{minus + "3", -3},
                 {"2" + minus + "X", 0},
                 {"2*" + minus + "1.5", -3},
                 {"1E" + minus + "2", 0.01},
                 {"ABS(" + minus + "4) " + minus + " 1", 3}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Eval(c.text), c.want) << c.text;
}

TEST_F(Formula, AngleFactorDrivesOnlyTheDirectFunctions) {
    AngleUnitScope radians(kRadians);
    // clang-format off
    struct { const char* text; double want; } cases[] = {
        {"SEN(PI/2)", 1}, {"COS(PI)", -1}, {"TAN(PI/4)", 1}, {"SESE(PI/2, PI/6)", 2}, {"COT(PI/4)", 1},
        {"ATAN(1)", 45}, {"ASEN(1)", 90}, {"ATAN2(1, 1)", 45}, {"GAR(90)", 1.5707963267949},
    };
    // clang-format on
    for (auto c : cases) EXPECT_NEAR(Eval(c.text), c.want, 1e-12) << c.text;

    // The unit is read when the formula runs, not when it compiles.
    CExpression e("SEN(X)");
    {
        AngleUnitScope degrees(kDefaultAngleFactor);
        EXPECT_NEAR(e.Value({30}).Number(), 0.5, 1e-14);
    }
    EXPECT_NEAR(e.Value({30}).Number(), std::sin(30.0), 1e-14);
}

// These texts used to get the bare argument-count message; a comma between
// two digits is most likely a decimal comma, and the message now says so.
TEST_F(Formula, ACommaBetweenDigitsThatBreaksTheArgumentCountIsNamedAsADecimalComma) {
    const std::string comma = "Coma decimal: escribe los decimales con punto (2.5, no 2,5).";
    const std::string hint = ". Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).";
    // clang-format off
    struct { const char* text; std::string description; int pos; } cases[] = {
        {"SEN(1,2)", "Número de argumentos incorrecto para SEN" + hint, 6},
        {"(1,2)", comma, 3},
        {"((1,2))", comma, 4},
        {"1,2", comma, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        CExpression e;
        e.SetExpression(c.text);
        EXPECT_EQ(e.ErrorCode(), 4) << c.text;
        EXPECT_EQ(e.ErrorDescription(), c.description) << c.text;
        EXPECT_EQ(e.ErrorPos(), c.pos) << c.text;
    }
}

TEST_F(Formula, CompileErrorsWithTextAndPosition) {
    const std::string syntax = "Error de sintaxis";
    const std::string args = "Número de argumentos incorrecto para ";
    // clang-format off
    struct { const char* text; int code; std::string description; int pos; } cases[] = {
        {"SEN 30", 1, syntax + ": Falta paréntesis", 1},
        {"2 + sen", 1, syntax + ": Falta paréntesis", 5},
        {"2+", 1, syntax + ": No se espera fin de la expresión", 3},
        {"", 1, syntax + ": No se espera fin de la expresión", 1},
        {"2+/3", 1, syntax + ": Símbolo desconocido", 3},
        {"X MOD2", 1, syntax, 3},
        {"1)", 1, syntax, 2},
        {"(1", 1, syntax, 3},
        {"PI ( )", 3, "Operador desconocido", 4},
        {"2 3", 3, "Operador desconocido", 3},
        {"2X", 3, "Operador desconocido", 2},
        {"X(2)", 3, "Operador desconocido", 2},
        {"A+1", 2, "Símbolo o función desconocido", 1},
        {"1 + XY", 2, "Símbolo o función desconocido", 5},
        {"MAX(1)", 4, args + "MAX", 6},
        // A comma outside any function names no function: it says where it is instead.
        {"(1+2, 1+2)", 4,
         "Hay una coma fuera de los argumentos de una función (los decimales se escriben con punto: 1.5).", 5},
    };
    // clang-format on
    for (const auto& c : cases) {
        CExpression e;
        e.SetExpression(c.text);
        EXPECT_EQ(e.ErrorCode(), c.code) << c.text;
        EXPECT_EQ(e.ErrorDescription(), c.description) << c.text;
        EXPECT_EQ(e.ErrorPos(), c.pos) << c.text;
        EXPECT_TRUE(e.Value().IsEmpty()) << c.text;
        EXPECT_EQ(e.RPNExpression(), "") << c.text;
    }

    CExpression e;
    e.AutoCreateVariables = false;
    e.SetExpression("Q+1");
    EXPECT_EQ(e.ErrorCode(), 2);
    EXPECT_EQ(e.ErrorDescription(), "Símbolo o función desconocidoQ");
    EXPECT_EQ(e.VariablesCount(), 0);
    EXPECT_THROW(e.ThrowIfError(), ExpressionError);
    e.ClearError();
    EXPECT_EQ(e.ErrorCode(), 0);
    EXPECT_EQ(e.ErrorDescription(), "");
    EXPECT_EQ(e.ErrorPos(), 0);
}

TEST_F(Formula, LimitsStopTheCompilationWithARunTimeError) {
    auto code = [](const std::string& text) {
        CExpression e;
        try {
            e.SetExpression(text);
        } catch (const rt::RuntimeError& err) {
            EXPECT_EQ(e.ErrorCode(), 0) << text;
            return err.code();
        }
        return rt::ErrorCode(0);
    };
    EXPECT_EQ(code(Ones(51)), rt::ErrorCode::SubscriptOutOfRange);  // 101 tokens
    EXPECT_EQ(code(std::string(30, '(') + "1" + std::string(30, ')')), rt::ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(code(std::string(29, '(') + "1" + std::string(29, ')')), rt::ErrorCode(0));
    EXPECT_EQ(code("1E400"), rt::ErrorCode::Overflow);
    EXPECT_EQ(code("1E-400"), rt::ErrorCode(0));
}

// However a compilation ends, the formula does not go on running the
// program it had before: a fault of the program part way leaves no program.
TEST_F(Formula, AFaultDuringACompilationLeavesNoStaleProgram) {
    CExpression e("X+1");
    ASSERT_EQ(e.Value({3}).Number(), 4);
    {
        testsupport::ArmedFaultPoint fault("expression compile");
        EXPECT_THROW(e.SetExpression("2*X"), rt::ProgramFault);
    }
    EXPECT_EQ(e.RPNExpression(), "");
    EXPECT_TRUE(e.Value({3}).IsEmpty());
    e.SetExpression("2*X");
    EXPECT_EQ(e.Value({3}).Number(), 6);
}

TEST_F(Formula, VariablesBindInNameOrder) {
    CExpression y("Y*10");
    EXPECT_EQ(y.Value({7}).Number(), 70);  // Y alone takes the first number

    CExpression law("Z - Y + 0*X+0*Y+0*Z");
    EXPECT_EQ(law.Value({1, 2, 5}).Number(), 3);
    EXPECT_EQ(law.Variable(1)->Name, "X");
    EXPECT_EQ(law.Variable(3)->Name, "Z");

    CExpression xz("X - Z");
    EXPECT_EQ(xz.Value({5, 1}).Number(), 4);
    EXPECT_EQ(xz.Value({8}).Number(), 7);  // Z keeps its value

    // A rejected name stays in the list and takes its place in the order.
    CExpression e;
    e.SetExpression("A");
    EXPECT_EQ(e.ErrorCode(), 2);
    e.SetExpression("x+1");
    ASSERT_EQ(e.VariablesCount(), 2);
    EXPECT_EQ(e.Value({5}).Number(), 1);
    EXPECT_EQ(e.Variable(1)->Value.Number(), 5);
    EXPECT_EQ(e.Variable("X")->Name, "x");
    EXPECT_EQ(e.Variable("Q"), nullptr);
    EXPECT_EQ(e.Variable("1"), nullptr);

    CExpression plain("2+3");
    EXPECT_EQ(plain.Value().Number(), 5);
    CExpression lone("X");
    EXPECT_TRUE(lone.Value().IsEmpty());
    EXPECT_EQ(lone.Value({4}).Number(), 4);
    EXPECT_EQ(lone.Value().Number(), 4);  // the value stays bound

    // A replaced variable is no longer the one the program reads.
    CExpression r("X*2");
    r.Variable("X")->Value = 3.0;
    auto fresh = std::make_shared<CVariable>(CVariable{"X", rt::Variant(100.0)});
    EXPECT_EQ(r.AddVariable(fresh), 1);
    EXPECT_EQ(r.Value().Number(), 6);

    CExpression ev;
    EXPECT_EQ(ev.Evaluate("X*Y", std::vector<double>{2, 3}).Number(), 6);

    // A copy binds its own variables.
    CExpression original("X*2");
    original.Value({3});
    CExpression copy = original;
    EXPECT_EQ(copy.Value().Number(), 6);
    EXPECT_EQ(copy.Value({5}).Number(), 10);
    EXPECT_EQ(original.Value().Number(), 6);
}

TEST_F(Formula, RunTimeErrorsRaiseOrGiveTheEmptyText) {
    // clang-format off
    struct { const char* text; rt::ErrorCode code; } cases[] = {
        {"1/0", rt::ErrorCode::DivisionByZero}, {"LN(0)", rt::ErrorCode::InvalidCall},
        {"R(-1)", rt::ErrorCode::InvalidCall}, {"(-8)^(1/3)", rt::ErrorCode::InvalidCall},
        {"R3(-8)", rt::ErrorCode::InvalidCall}, {"0^-1", rt::ErrorCode::DivisionByZero},
        {"EXP(1000)", rt::ErrorCode::Overflow}, {"10^400", rt::ErrorCode::Overflow},
        {"1E200^X", rt::ErrorCode::Overflow}, {"COT(0)", rt::ErrorCode::DivisionByZero},
        {"ASEN(X)", rt::ErrorCode::InvalidCall}, {"NOT 3E9", rt::ErrorCode::Overflow},
        {"5 \\ 0.4", rt::ErrorCode::DivisionByZero}, {"X MOD 0", rt::ErrorCode::DivisionByZero},
        {"COC(1, X-2)", rt::ErrorCode::DivisionByZero}, {"CATE(1, -3)", rt::ErrorCode::InvalidCall},
    };
    // clang-format on
    for (auto c : cases) {
        CExpression e(c.text);
        ASSERT_EQ(e.ErrorCode(), 0) << c.text;
        try {
            e.Value({2});
            ADD_FAILURE() << c.text << " did not raise";
        } catch (const rt::RuntimeError& err) { EXPECT_EQ(err.code(), c.code) << c.text; }
        EXPECT_THROW(e.ValueFast(std::vector<double>{2}.data(), 1), rt::RuntimeError) << c.text;
        e.RaiseErrors = false;
        rt::Variant v = e.Value({2});
        EXPECT_TRUE(v.IsText() && v.Text().empty()) << c.text;
    }
    // A variable holding an infinity is refused when the formula reads it.
    CExpression inf("X+1");
    EXPECT_THROW(inf.Value({INFINITY}), rt::RuntimeError);
}

// Formulas of a token or three take a short way through the fast entry;
// it gives the evaluator's values to the bit (the sign of zero included) and
// its faults, over finite, zero, huge, infinite and undefined arguments.
TEST_F(Formula, ShortFormulasGiveTheEvaluatorsValuesAndFaults) {
    struct Outcome {
        uint64_t bits = 0;
        int code = -1;  // the fault's code, -1 for a value
        bool operator==(const Outcome&) const = default;
    };
    auto outcome = [](auto f) {
        try {
            return Outcome{std::bit_cast<uint64_t>(f() + 0.0), -1};  // the fast entry gives no negative zero
        } catch (const rt::RuntimeError& e) { return Outcome{0, static_cast<int>(e.code())}; }
    };
    const char* texts[] = {"X",     "-X",     "X+1",    "X-1.5",   "1.5-X",  "-0-X",   "2*X",      "X*2",
                           "-3*X",  "X/4",    "X/0",    "X/1E-10", "4/X",    "X^2",    "3*X^2",    "X^3",
                           "-X^3",  "X^0.5",  "X^-1",   "X MOD 3", "2^X",    "ABS(X)", "R(X)",     "EXP(X)",
                           "LN(X)", "SEN(X)", "COS(X)", "TAN(X)",  "ENT(X)", "NOT X",  "X+Y",      "X-Y",
                           "X*Y",   "X/Y",    "X^Y",    "Y-X",     "X-X",    "0*X^2",  "MIN(X, Y)"};
    const double xs[] = {2, -0.0, 0.0, -3.25, 1e200, -1e-300, 1e308, -1e308, INFINITY, NAN};
    const double ys[] = {0.5, -0.0, -1e308};
    for (const char* text : texts) {
        for (double x : xs) {
            for (double y : ys) {
                CExpression e(text);
                const double vars[] = {x, y};
                const int n = e.VariablesCount();
                const Outcome want = outcome([&] { return e.Value({x, y}).Number(); });
                const Outcome got = outcome([&] { return e.ValueFast(vars, n); });
                EXPECT_EQ(got, want) << text << " at X = " << x << ", Y = " << y;
            }
        }
    }
}

// The short way binds the variables as the long one does, and a variable
// that holds no number or that the call leaves unbound is still read.
TEST_F(Formula, ShortFormulasBindAndReadTheirVariables) {
    CExpression e("X+Y");
    e.Variable(2)->Value = rt::Variant("3");
    const double one = 1;
    EXPECT_EQ(e.ValueFast(&one, 1), 4);  // Y unbound: its numeric text
    e.Variable(1)->Value = rt::Variant("texto");
    const double both[] = {1, 2};
    EXPECT_EQ(e.ValueFast(both, 2), 3);
    EXPECT_EQ(e.Variable(1)->Value, rt::Variant(1.0));
    EXPECT_EQ(e.Variable(2)->Value, rt::Variant(2.0));
    const double again[] = {5, 7};
    EXPECT_EQ(e.ValueFast(again, 2), 12);
    EXPECT_EQ(e.Variable(2)->Value, rt::Variant(7.0));
}

TEST_F(Formula, ReversePolishText) {
    // clang-format off
    struct { const char* text; const char* rpn; } cases[] = {
        {"2*X+1", " 2 X * 1 +"}, {"-X^2", " X 2 ^ -"}, {"-2^2", " -2 2 ^"}, {"PI()*MAX(1, x)", " PI 1 x MAX *"},
        {"2^3^2", " 2 3 ^ 2 ^"}, {"NOT 0.25E1 = 1", " 2.5 1 = NOT"},
    };
    // clang-format on
    for (auto c : cases) EXPECT_EQ(CExpression(c.text).RPNExpression(), c.rpn) << c.text;
}

TEST_F(Formula, FindRootsByRegulaFalsi) {
    for (auto [lo, hi] : {std::pair{-3.0, 3.0}, std::pair{3.0, -3.0}}) {
        CExpression e("X^2 - 2");
        e.Variable("X")->Value = 9.0;
        EXPECT_EQ(e.FindRoots(lo, hi, 0, "", 1e-9), "");
        ASSERT_EQ(e.RootsCount(), 2);
        EXPECT_NEAR(e.Root(1), -std::sqrt(2.0), 1e-9);
        EXPECT_NEAR(e.Root(2), std::sqrt(2.0), 1e-9);
        EXPECT_EQ(e.Root(3), 0);
        EXPECT_EQ(e.Variable("X")->Value.Number(), 9);  // restored
    }
    CExpression stuck("X - 1");
    EXPECT_NE(stuck.FindRoots(1, 1, 0, "", 1e-9), "");
    EXPECT_NE(stuck.FindRoots(1e20, 2e20, 1, "", 1e-9), "");
    EXPECT_EQ(stuck.RootsCount(), 0);
}
