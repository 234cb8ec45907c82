#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/calculus.h"
#include "runtime/errors.h"

using namespace num;

namespace {
class Calculus : public ::testing::Test {
protected:
    AngleUnitScope degrees_{kDefaultAngleFactor};  // the unit given back after every test
};
}  // namespace

TEST_F(Calculus, Integrals) {
    struct {
        const char* expr;
        double a, b, want;
    } cases[] = {
        {"3", 0, 2, 6},
        {"3", 2, 0, 6},
        {"X^2", 0, 3, 9},
        {"X^2", 3, 0, 9},
        {"X^3 - 2*X", 1, 2, 0.75},
        {"X", -1, 1, 0},
        {"X^2", 2, 2, 0},
        {"EXP(X)", 0, 1, std::exp(1.0) - 1},
        {"1/(1+X^2)", 0, 1, std::atan(1.0)},
        // Coarse estimates that agree by chance must not end the refinement.
        {"(23/25)*COSH(X)-COS(X)", -1, 1, 46.0 / 25 * std::sinh(1.0) - 2 * std::sin(1.0)},
        // Jumps between the sample points, whose coarse sums agree by chance.
        {"X*10*BAR(X,2,4)", 0, 5, 60},
    };
    AngleUnitScope radians(kRadians);
    for (auto& c : cases) {
        const rt::Outcome<SimpsonIntegral> s = IntegrateExpr(c.expr, c.a, c.b, 1e-6);
        ASSERT_TRUE(s.ok()) << c.expr << ": " << s.message();
        EXPECT_TRUE(s->met) << c.expr;
        EXPECT_NEAR(s->value, c.want, 1e-6 * std::max(1.0, std::fabs(c.want))) << c.expr;
    }
    // A peak too narrow for ten refinements of the whole interval: the
    // stretch around it is halved until it is resolved.
    const double peak =
        std::pow(4.0, -5) * std::pow(16.0, 2.5) *
        (std::atan(std::pow(16.0, 2.5) * (1 - std::atan(1.0))) - std::atan(std::pow(16.0, 2.5) * -std::atan(1.0)));
    const rt::Outcome<SimpsonIntegral> p = IntegrateExpr("4^-5/((X-PI/4)^2+16^-5)", 0, 1, 1e-6);
    ASSERT_TRUE(p.ok()) << p.message();
    EXPECT_TRUE(p->met);
    EXPECT_NEAR(p->value, peak, 1e-6 * peak);
    EXPECT_THROW(IntegrateExpr("2*", 0, 1, 1e-6), ExpressionError);
    EXPECT_THROW(IntegrateExpr("LN(X)", 0, 1, 1e-6), rt::RuntimeError);

    // The refinements of the trapezoid sum of X^2 over [0, 1].
    double t = 0;
    const double want[] = {0.5, 0.375, 0.34375};
    for (int n = 1; n <= 3; ++n) {
        TrapezoidStep("X^2", 0, 1, t, n);
        EXPECT_DOUBLE_EQ(t, want[n - 1]);
    }
}

TEST_F(Calculus, FirstDerivatives) {
    struct {
        const char* expr;
        double x, h, want;
    } cases[] = {
        {"X^3", 2, 0.5, 12},
        {"5", 1, 0.5, 0},
        {"EXP(X)", 1, 0.5, std::exp(1.0)},
        {"LN(X)", 2, 0.5, 0.5},
        {"SEN(X)", 0, 0.5, 3.14159265358979 / 180},
    };
    for (auto& c : cases) {
        double d = -1, err = -1;
        DerivRidders(c.expr, c.x, d, c.h, err);
        EXPECT_NEAR(d, c.want, 1e-10) << c.expr;
        EXPECT_LT(err, 1e-8) << c.expr;
    }
    {
        // Values far beyond 1E30 still give their derivative.
        double big = 0, errBig = 0;
        DerivRidders("EXP(X)", 700, big, 0.5, errBig);
        EXPECT_NEAR(big / std::exp(700.0), 1, 1e-8);
    }
    double d = 0, err = 0;
    EXPECT_THROW(DerivRidders("X^3", 2, d, 0, err), rt::RuntimeError);
    EXPECT_THROW(DerivRidders("X^", 2, d, 0.5, err), ExpressionError);

    std::vector<double> x{0, 0, 1, 2}, g(4, -1);
    CExpression square("X^2"), broken("X^");
    GradientRidders(square, kDefaultAngleFactor, x, g, 0.5, err);
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(g[k], 2 * x[k], 1e-12);
    std::vector<double> tooShort(2);
    EXPECT_THROW(GradientRidders(square, kDefaultAngleFactor, x, tooShort, 0.5, err), rt::ProgramFault);
    EXPECT_THROW(GradientRidders(broken, kDefaultAngleFactor, x, g, 0.5, err), ExpressionError);

    // The law's unit is the one given; the program's is back afterwards.
    CExpression sine("SEN(X)");
    std::vector<double> at{0, 0}, slope(2);
    GradientRidders(sine, kRadians, at, slope, 0.5, err);
    EXPECT_NEAR(slope[1], 1, 1e-10);
    EXPECT_EQ(AngleFactor, kDefaultAngleFactor);
}

TEST_F(Calculus, SecondDerivatives) {
    CExpression cube("X^3"), exp2("EXP(2*X)"), bad("X+");
    EXPECT_NEAR(SecondDeriv5Pt(cube, 0.01, 1), 6, 1e-7);
    EXPECT_NEAR(SecondDeriv5Pt(exp2, 0.01, 0), 4, 1e-7);
    EXPECT_THROW(SecondDeriv5Pt(cube, 0, 1), rt::RuntimeError);
    EXPECT_THROW(SecondDeriv5Pt(bad, 0.01, 1), ExpressionError);
}

// A law defined at x keeps its derivatives there when the given step would
// reach outside its domain: the step shrinks to fit, and at the very edge
// of the domain the differences are taken on the side where it is defined.
TEST_F(Calculus, DerivativesStayInsideTheDomain) {
    struct {
        const char* expr;
        double x, h1, d1, h2, d2;
    } cases[] = {
        {"LN(X)", 0.3, 0.5, 1 / 0.3, 0.001, -1 / 0.09},
        {"LN(X)", 0.51, 0.5, 1 / 0.51, 0.001, -1 / (0.51 * 0.51)},  // a step that only just fits
        {"LN(X)", 0.015, 0.5, 1 / 0.015, 0.01, -1 / (0.015 * 0.015)},
        {"LN(X)", 1e-4, 0.5, 1e4, 0.01, -1e8},
        {"X^2 + 3*X + 0*R(X)", 0, 0.5, 3, 0.01, 2},  // defined from 0 rightwards
        {"X^3 + 0*R(1-X)", 1, 0.5, 3, 0.01, 6},      // defined up to 1
    };
    for (auto& c : cases) {
        double d = 0, err = 0;
        DerivRidders(c.expr, c.x, d, c.h1, err);
        EXPECT_NEAR(d, c.d1, 1e-7 * std::fabs(c.d1)) << c.expr << " at " << c.x;
        CExpression e(c.expr);
        EXPECT_NEAR(SecondDeriv5Pt(e, c.h2, c.x), c.d2, 1e-3 * std::fabs(c.d2)) << c.expr << " at " << c.x;
    }
    // Where the function has no value the fault still reaches the caller.
    double d = 0, err = 0;
    CExpression ln("LN(X)");
    for (double x : {0.0, -1.0}) {
        EXPECT_THROW(DerivRidders("LN(X)", x, d, 0.5, err), rt::RuntimeError) << x;
        EXPECT_THROW(SecondDeriv5Pt(ln, 0.01, x), rt::RuntimeError) << x;
    }
}

// The noise bound of the five-point formula: a zero second derivative
// computed through rounded values stays within it, a small true one does not.
TEST_F(Calculus, SecondDerivativeNoiseBound) {
    const double h = 4.0 / 300;
    CExpression line("3*X + 1000");
    double worst = 0;
    for (int k = 0; k <= 300; ++k) worst = std::max(worst, std::fabs(SecondDeriv5Pt(line, h, k * h)));
    EXPECT_GT(worst, 0);  // the formula does leave noise here
    EXPECT_LE(worst, SecondDeriv5PtNoise(1012, h));
    EXPECT_LT(SecondDeriv5PtNoise(1012, h), 1e-6);
}
