#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/ode.h"
#include "runtime/errors.h"

using namespace num;

namespace {
const double kPi = 3.14159265358979;
const std::string kGaveUp0To100 =
    "No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado rápido.\r\n"
    "Revisa la fórmula o toma un intervalo más corto.";

// The routines keep no state: each test only puts back the unit it changed.
class Ode : public ::testing::Test {
protected:
    AngleUnitScope degrees_{kDefaultAngleFactor};  // the unit given back after every test
};
}  // namespace

TEST_F(Ode, FirstOrderIntegrals) {
    struct {
        const char* f;
        double t0, t1, want;
    } cases[] = {
        {"2*X", 0, 3, 9},
        {"2*X", 3, 0, 9},
        {"2*X", 1, 1, 0},
        {"Y", 0, 2, 2},                            // Y alone is bound to t
        {"1 + Y + 0*X", 0, 1, std::exp(1.0) - 1},  // x' = 1 + x
        {"EXP(-X)", 0, 5, 1 - std::exp(-5.0)},
    };
    for (auto& c : cases) {
        const rt::Outcome<double> x1 = SolveODE1(c.f, c.t0, c.t1, kDefaultAngleFactor);
        ASSERT_TRUE(x1.ok()) << c.f;
        EXPECT_NEAR(*x1, c.want, 1e-5 * std::max(1.0, c.want)) << c.f;
    }
    EXPECT_THROW(SolveODE1("2*", 0, 1, kDefaultAngleFactor), ExpressionError);
}

// The law's unit is the one given, whatever the program's, and the
// program's is back afterwards.
TEST_F(Ode, TheLawsAngleUnitIsTheOneGiven) {
    const rt::Outcome<double> radians = SolveODE1("COS(X)", 0, kPi / 2, kRadians);
    ASSERT_TRUE(radians.ok());
    EXPECT_NEAR(*radians, 1, 1e-5);
    EXPECT_EQ(AngleFactor, kDefaultAngleFactor);
    AngleUnitScope inRadians(kRadians);
    const rt::Outcome<double> degrees = SolveODE1("COS(X)", 0, 90, kDefaultAngleFactor);
    ASSERT_TRUE(degrees.ok());
    EXPECT_NEAR(*degrees, 180 / kPi, 1e-2);
    EXPECT_EQ(AngleFactor, kRadians);
}

// Giving up is an answer the caller gets, with the text it shows; nothing
// is shown by the routine itself.
TEST_F(Ode, TooManyStepsIsARefusalNamingTheInterval) {
    const rt::Outcome<double> x1 = SolveODE1("COS(1000*X)", 100, 0, kRadians);
    EXPECT_FALSE(x1.ok());
    EXPECT_EQ(x1.message(), kGaveUp0To100);
    EXPECT_EQ(std::string(kOdeMessageTitle), "Teluvar");

    CExpression stiff("-10000*Y + 0*X + 0*Z");
    const auto end = ODEInt(OdeLaw{stiff, 2, kRadians}, {0, 1, 0}, 0, 100, 1e-4, 0.1, 0.001);
    EXPECT_FALSE(end.ok());
    EXPECT_EQ(end.message(), kGaveUp0To100);
}

TEST_F(Ode, AdaptiveSecondOrderAgainstClosedForms) {
    // Constant acceleration, forwards and backwards.
    CExpression g("-9.8 + 0*X + 0*Y + 0*Z");
    auto s = ODEInt(OdeLaw{g, 2}, {0, 100, 20}, 0, 4, 1e-8, 0.1, 1e-6);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s->at(1), 100 + 20 * 4 - 4.9 * 16, 1e-9);
    EXPECT_NEAR(s->at(2), 20 - 9.8 * 4, 1e-9);
    s = ODEInt(OdeLaw{g, 2}, *s, 4, 0, 1e-8, 0.1, 1e-6);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s->at(1), 100, 1e-9);
    EXPECT_NEAR(s->at(2), 20, 1e-9);

    // Harmonic oscillator over two periods and a bit.
    CExpression spring("-Y + 0*X + 0*Z");
    const auto h = ODEInt(OdeLaw{spring, 2}, {0, 1, 0}, 0, 4 * kPi + 1, 1e-8, 0.1, 1e-9);
    ASSERT_TRUE(h.ok());
    EXPECT_NEAR(h->at(1), std::cos(1.0), 1e-6);
    EXPECT_NEAR(h->at(2), -std::sin(1.0), 1e-6);

    // A fall from rest with quadratic drag.
    CExpression drag("-9.8 - 0.05*Z*ABS(Z) + 0*X + 0*Y");
    const auto f = ODEInt(OdeLaw{drag, 2}, {0, 100, 0}, 0, 4, 1e-10, 0.1, 1e-9);
    ASSERT_TRUE(f.ok());
    const double w = std::sqrt(9.8 * 0.05);
    EXPECT_NEAR(f->at(1), 100 - std::log(std::cosh(w * 4)) / 0.05, 1e-7);
    EXPECT_NEAR(f->at(2), -std::sqrt(9.8 / 0.05) * std::tanh(w * 4), 1e-7);

    CExpression bad("X + "), outside("LN(X - 0.5) + 0*Y"), plain("X + 0*Y");
    EXPECT_THROW(ODEInt(OdeLaw{bad, 1}, {0, 1}, 0, 1, 1e-5, 0.1, 1e-3), ExpressionError);
    EXPECT_THROW(ODEInt(OdeLaw{outside, 1}, {0, 1}, 0, 1, 1e-5, 0.1, 1e-3), rt::RuntimeError);
    EXPECT_THROW(ODEInt(OdeLaw{plain, 1}, {0, 1}, 0, 1, 0, 0.1, 1e-3), rt::RuntimeError);  // eps = 0
}

TEST_F(Ode, FixedStepTables) {
    // Constant acceleration: the classical step is exact for it.
    CExpression g("-9.8 + 0*X + 0*Y + 0*Z");
    OdeTable t = IntegrateRK4Fixed(OdeLaw{g, 2}, {0, 100, 20}, 0, 4, 10);
    ASSERT_EQ(t.points, 11);
    for (int k = 1; k <= 11; ++k) {
        double tk = 0.4 * (k - 1);
        EXPECT_NEAR(t.times[k], tk, 1e-12);
        EXPECT_NEAR(t.states(1, k), 100 + 20 * tk - 4.9 * tk * tk, 1e-10);
        EXPECT_NEAR(t.states(2, k), 20 - 9.8 * tk, 1e-10);
    }

    CExpression spring("-Y + 0*X + 0*Z");
    t = IntegrateRK4Fixed(OdeLaw{spring, 2}, {0, 1, 0}, 0, 2 * kPi, 300);
    EXPECT_NEAR(t.times[301], 2 * kPi, 1e-12);
    EXPECT_NEAR(t.states(1, 151), -1, 1e-7);
    EXPECT_NEAR(t.states(1, 301), 1, 1e-7);
    EXPECT_NEAR(t.states(2, 301), 0, 1e-7);

    CExpression growth("Y + 0*X");  // x' = x
    t = IntegrateRK4Fixed(OdeLaw{growth, 1}, {0, 1}, 0, 1, 20);
    EXPECT_NEAR(t.states(1, 21), std::exp(1.0), 1e-6);

    // Equal limits record the start alone; the rest of the table stays 0.
    t = IntegrateRK4Fixed(OdeLaw{growth, 1}, {0, 3}, 2, 2, 5);
    EXPECT_EQ(t.points, 1);
    EXPECT_EQ(t.times[1], 2);
    EXPECT_EQ(t.states(1, 1), 3);
    EXPECT_EQ(t.times[2], 0);
}

TEST_F(Ode, SingleSteps) {
    CExpression twoT("2*X + 0*Y");
    const OdeLaw law{twoT, 1};
    std::vector<double> y{0, 0}, d{0, 0}, out(2), err(2);
    ODEDerivs(law, 1.5, y, d);
    EXPECT_EQ(d[1], 3);
    d[1] = 0;
    StepRKCK(law, y, d, 0, 1, out, err);
    EXPECT_NEAR(out[1], 1, 1e-14);  // the integral of 2t over [0, 1]
    EXPECT_NEAR(err[1], 0, 1e-14);
    StepRK4(law, y, d, 0, 2, out);
    EXPECT_NEAR(out[1], 4, 1e-14);

    double x = 0, hdid = 0, hnext = 0;
    std::vector<double> scale{0, 1};
    StepRKQS(law, y, d, x, 0.5, 1e-6, scale, hdid, hnext);
    EXPECT_EQ(hdid, 0.5);
    EXPECT_EQ(x, 0.5);
    EXPECT_EQ(hnext, 2.5);  // an exact step grows fivefold
    EXPECT_NEAR(y[1], 0.25, 1e-14);
}
