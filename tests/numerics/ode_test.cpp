#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "numerics/ode.h"
#include "runtime/errors.h"

using namespace num;

namespace {
// Captures the message boxes of the routines and restores the shared state.
class Ode : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageHook([this](const std::string& text, const std::string& title) {
            shown.push_back(title + ": " + text);
        });
    }
    void TearDown() override {
        SetMessageHook(nullptr);
        AngleFactor = kDefaultAngleFactor;
        VelocityLawExpr.reset();
        AccelLawExpr.reset();
        OdeTimes.clear();
        OdeStates = Matrix();
    }
    static void Accel(const std::string& law) { AccelLawExpr = std::make_shared<CExpression>(law); }
    static void Velocity(const std::string& law) { VelocityLawExpr = std::make_shared<CExpression>(law); }
    static void Dimension(int nvar, int nstep) {
        OdeTimes.assign(static_cast<size_t>(nstep) + 2, -7.0);
        OdeStates = Matrix(nvar, nstep + 1, -7.0);
    }
    std::vector<std::string> shown;
};
const double kPi = 3.14159265358979;
}  // namespace

TEST_F(Ode, FirstOrderIntegrals) {
    struct { const char* f; double t0, t1, want; } cases[] = {
        {"2*X", 0, 3, 9},            {"2*X", 3, 0, 9},  {"2*X", 1, 1, 0},
        {"Y", 0, 2, 2},              // Y alone is bound to t
        {"1 + Y + 0*X", 0, 1, std::exp(1.0) - 1},  // x' = 1 + x
        {"EXP(-X)", 0, 5, 1 - std::exp(-5.0)},
    };
    for (auto& c : cases) {
        double t0 = c.t0, t1 = c.t1, x1 = -1;
        EXPECT_TRUE(SolveODE1(c.f, t0, t1, x1)) << c.f;
        EXPECT_NEAR(x1, c.want, 1e-5 * std::max(1.0, c.want)) << c.f;
        EXPECT_EQ(t0, std::min(c.t0, c.t1));
        EXPECT_EQ(t1, std::max(c.t0, c.t1));
    }
    double t0 = 0, t1 = 1, x1 = 4;
    EXPECT_THROW(SolveODE1("2*", t0, t1, x1), ExpressionError);
    EXPECT_EQ(x1, 4);
    EXPECT_TRUE(shown.empty());
}

TEST_F(Ode, TooManyStepsIsAFailureTheCallerSeesNamingTheInterval) {
    AngleFactor = 1;
    double t0 = 0, t1 = 100, x1 = 4;
    EXPECT_FALSE(SolveODE1("COS(1000*X)", t0, t1, x1));
    EXPECT_EQ(x1, 4);
    ASSERT_EQ(shown, std::vector<std::string>{"Teluvar: No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado rápido.\r\nRevisa la fórmula o toma un intervalo más corto."});

}

TEST_F(Ode, AdaptiveSecondOrderAgainstClosedForms) {
    // Constant acceleration, forwards and backwards.
    Accel("-9.8 + 0*X + 0*Y + 0*Z");
    std::vector<double> s{0, 100, 20};
    ASSERT_TRUE(ODEInt(2, s, 0, 4, 1e-8, 0.1, 1e-6));
    EXPECT_NEAR(s[1], 100 + 20 * 4 - 4.9 * 16, 1e-9);
    EXPECT_NEAR(s[2], 20 - 9.8 * 4, 1e-9);
    ASSERT_TRUE(ODEInt(2, s, 4, 0, 1e-8, 0.1, 1e-6));
    EXPECT_NEAR(s[1], 100, 1e-9);
    EXPECT_NEAR(s[2], 20, 1e-9);

    // Harmonic oscillator over two periods and a bit.
    Accel("-Y + 0*X + 0*Z");
    std::vector<double> h{0, 1, 0};
    ASSERT_TRUE(ODEInt(2, h, 0, 4 * kPi + 1, 1e-8, 0.1, 1e-9));
    EXPECT_NEAR(h[1], std::cos(1.0), 1e-6);
    EXPECT_NEAR(h[2], -std::sin(1.0), 1e-6);

    // A fall from rest with quadratic drag.
    Accel("-9.8 - 0.05*Z*ABS(Z) + 0*X + 0*Y");
    std::vector<double> f{0, 100, 0};
    ASSERT_TRUE(ODEInt(2, f, 0, 4, 1e-10, 0.1, 1e-9));
    const double w = std::sqrt(9.8 * 0.05);
    EXPECT_NEAR(f[1], 100 - std::log(std::cosh(w * 4)) / 0.05, 1e-7);
    EXPECT_NEAR(f[2], -std::sqrt(9.8 / 0.05) * std::tanh(w * 4), 1e-7);

    std::vector<double> e{0, 1};
    EXPECT_THROW(ODEInt(1, e, 0, 1, 1e-5, 0.1, 1e-3), rt::RuntimeError);  // no law set
    Velocity("X + ");
    EXPECT_THROW(ODEInt(1, e, 0, 1, 1e-5, 0.1, 1e-3), ExpressionError);
    Velocity("LN(X - 0.5) + 0*Y");
    EXPECT_THROW(ODEInt(1, e, 0, 1, 1e-5, 0.1, 1e-3), rt::RuntimeError);
    Velocity("X + 0*Y");
    EXPECT_THROW(ODEInt(1, e, 0, 1, 0, 0.1, 1e-3), rt::RuntimeError);  // eps = 0
}

TEST_F(Ode, FixedStepTables) {
    // Constant acceleration: the classical step is exact for it.
    Accel("-9.8 + 0*X + 0*Y + 0*Z");
    Dimension(2, 10);
    IntegrateRK4Fixed(2, {0, 100, 20}, 0, 4, 10);
    for (int k = 1; k <= 11; ++k) {
        double t = 0.4 * (k - 1);
        EXPECT_NEAR(OdeTimes[k], t, 1e-12);
        EXPECT_NEAR(OdeStates(1, k), 100 + 20 * t - 4.9 * t * t, 1e-10);
        EXPECT_NEAR(OdeStates(2, k), 20 - 9.8 * t, 1e-10);
    }

    Accel("-Y + 0*X + 0*Z");
    Dimension(2, 300);
    IntegrateRK4Fixed(2, {0, 1, 0}, 0, 2 * kPi, 300);
    EXPECT_NEAR(OdeTimes[301], 2 * kPi, 1e-12);
    EXPECT_NEAR(OdeStates(1, 151), -1, 1e-7);
    EXPECT_NEAR(OdeStates(1, 301), 1, 1e-7);
    EXPECT_NEAR(OdeStates(2, 301), 0, 1e-7);

    Velocity("Y + 0*X");  // x' = x
    Dimension(1, 20);
    IntegrateRK4Fixed(1, {0, 1}, 0, 1, 20);
    EXPECT_NEAR(OdeStates(1, 21), std::exp(1.0), 1e-6);

    // Equal limits record the start alone.
    Dimension(1, 5);
    IntegrateRK4Fixed(1, {0, 3}, 2, 2, 5);
    EXPECT_EQ(OdeTimes[1], 2);
    EXPECT_EQ(OdeStates(1, 1), 3);
    EXPECT_EQ(OdeTimes[2], -7);

    // Tables shorter than the steps.
    Dimension(1, 5);
    EXPECT_THROW(IntegrateRK4Fixed(1, {0, 1}, 0, 1, 10), rt::RuntimeError);
}

TEST_F(Ode, SingleSteps) {
    Velocity("2*X + 0*Y");
    std::vector<double> y{0, 0}, d{0, 0}, out(2), err(2);
    ODEDerivs(1, 1.5, y, d);
    EXPECT_EQ(d[1], 3);
    d[1] = 0;
    StepRKCK(1, y, d, 0, 1, out, err);
    EXPECT_NEAR(out[1], 1, 1e-14);   // the integral of 2t over [0, 1]
    EXPECT_NEAR(err[1], 0, 1e-14);
    StepRK4(1, y, d, 0, 2, out);
    EXPECT_NEAR(out[1], 4, 1e-14);

    double x = 0, hdid = 0, hnext = 0;
    std::vector<double> scale{0, 1};
    StepRKQS(1, y, d, x, 0.5, 1e-6, scale, hdid, hnext);
    EXPECT_EQ(hdid, 0.5);
    EXPECT_EQ(x, 0.5);
    EXPECT_EQ(hnext, 2.5);  // an exact step grows fivefold
    EXPECT_NEAR(y[1], 0.25, 1e-14);
}
