#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

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

namespace {
// A load on [0, 10] with its exact integral and first moment.
struct Load {
    std::string f;
    double integral, moment;
};

std::string Scaled(int exponent, const std::string& f) { return "1E" + std::to_string(exponent) + "*" + f; }
std::string Num(double x) { return rt::NumberText(x); }

// Uniform loads of four widths starting every 0.5, unit steps and ramps
// starting anywhere along the beam, at scales cycling from 1E-8 to 1E8.
std::vector<Load> LoadsAlongABeam() {
    std::vector<Load> loads;
    int k = 0;
    for (double w : {0.1, 0.25, 0.5, 1.0})
        for (double s = 0; s <= 9; s += 0.5) {
            const int e = k++ % 17 - 8;
            const double c = std::pow(10.0, e);
            loads.push_back({Scaled(e, "BAR(X," + Num(s) + "," + Num(s + w) + ")"), c * w, c * w * (s + w / 2)});
            loads.push_back({Scaled(e, "(X-" + Num(s) + ")*BAR(X," + Num(s) + "," + Num(s + w) + ")"), c * w * w / 2,
                             c * (w * w * w / 3 + s * w * w / 2)});
        }
    for (double p = 0.25; p < 10; p += 0.5) {
        const int e = k++ % 17 - 8;
        const double c = std::pow(10.0, e), r = 10 - p;
        loads.push_back({"10*STP1(0,X," + Num(p) + ")", 10 * r, 5 * (100 - p * p)});
        loads.push_back(
            {Scaled(e, "STP(2,X," + Num(p) + ")"), c * r * r * r / 3, c * (r * r * r * r / 4 + p * r * r * r / 3)});
    }
    return loads;
}
}  // namespace

// However far along the beam a piecewise polynomial load sits, and at any
// scale, its integral and moment come out exact: the adaptive steps stop at
// the load's edges instead of growing over the bare stretch past them.
TEST_F(Ode, LoadsAnywhereAlongTheBeamAndAtAnyScaleAreExact) {
    for (const Load& l : LoadsAlongABeam()) {
        const rt::Outcome<double> f = SolveODE1(l.f, 0, 10, kRadians);
        const rt::Outcome<double> m = SolveODE1("X*(" + l.f + ")", 0, 10, kRadians);
        ASSERT_TRUE(f.ok() && m.ok()) << l.f;
        EXPECT_NEAR(*f, l.integral, 1e-12 * l.integral) << l.f;
        EXPECT_NEAR(*m, l.moment, 1e-12 * l.moment) << l.f;
    }
    // Limits on a load's edges, comparisons, and a bar of an affine argument.
    const struct {
        const char* f;
        double a, b, want;
    } edges[] = {
        {"X*200*BAR(X,1.5,2.5)", 3, 0, 400},
        {"10*BAR(X,4,5)", 5, 10, 0},
        {"10*BAR(X,4,5)", 0, 4, 0},
        {"10*BAR(X,4,5)", 5, 4, 10},
        {"10*IIF(X>1/3,1,0)", 0, 1, 20.0 / 3},
        {"10*IIF(X<=1/3,1,0)", 0, 1, 10.0 / 3},
        {"10*BAR(2*X,7,8)", 0, 10, 5},
    };
    for (const auto& e : edges) {
        const rt::Outcome<double> v = SolveODE1(e.f, e.a, e.b, kRadians);
        ASSERT_TRUE(v.ok()) << e.f;
        EXPECT_NEAR(*v, e.want, 1e-12 * std::max(1.0, e.want)) << e.f << " on " << e.a << ", " << e.b;
    }
}

// A load the jump finder does not read (a comparison of X^2) is still not
// stepped over: the scan of the interval saw it.
TEST_F(Ode, ALoadOnlyTheScanSeesIsNotSteppedOver) {
    for (double at : {0.56, 4.46, 9.14}) {
        const rt::Outcome<double> f = SolveODE1("10*IIF((X-" + Num(at) + ")^2<0.0009,1,0)", 0, 10, kRadians);
        ASSERT_TRUE(f.ok()) << at;
        EXPECT_NEAR(*f, 0.6, 1e-5) << at;
    }
}

// Smooth integrands scaled by 1E-8 .. 1E8 keep their relative accuracy.
TEST_F(Ode, ScalingAnIntegrandScalesItsIntegral) {
    for (int e = -8; e <= 8; e += 4) {
        const double c = std::pow(10.0, e);
        const struct {
            std::string f;
            double a, b, want;
        } cases[] = {
            {Scaled(e, "SEN(X)"), 0, kPi, 2 * c},
            {Scaled(e, "EXP(-X)"), 0, 5, c * (1 - std::exp(-5.0))},
            {Scaled(e, "X^2*BAR(X,1,2)"), 0, 5, c * 7 / 3},
        };
        for (const auto& k : cases) {
            const rt::Outcome<double> v = SolveODE1(k.f, k.a, k.b, kRadians);
            ASSERT_TRUE(v.ok()) << k.f;
            EXPECT_NEAR(*v, k.want, 1e-8 * std::fabs(k.want)) << k.f;
        }
    }
}

// Motions integrated as the kinematics workspace does (tolerance 1E-4):
// the relative error does not depend on the size of the motion.
TEST_F(Ode, ASmallMotionIsAsAccurateAsALargeOne) {
    CExpression spring("-Y + 0*X + 0*Z"), decay("-Y + 0*X");
    for (double x0 : {1e-6, 1e-5, 1e-4, 1.0, 1e8}) {
        const auto s = ODEInt(OdeLaw{spring, 2, kRadians}, {0, x0, 0}, 0, 10, 1e-4, 0.1, 0.001);
        ASSERT_TRUE(s.ok());
        EXPECT_NEAR(s->at(1), x0 * std::cos(10.0), 5e-4 * x0) << x0;
        EXPECT_NEAR(s->at(2), -x0 * std::sin(10.0), 5e-4 * x0) << x0;
        // A decay far below its start keeps its relative accuracy too.
        for (double t : {10.0, 20.0}) {
            const auto d = ODEInt(OdeLaw{decay, 1, kRadians}, {0, x0}, 0, t, 1e-4, 0.1, 0.001);
            ASSERT_TRUE(d.ok());
            EXPECT_NEAR(d->at(1), x0 * std::exp(-t), 1e-4 * x0 * std::exp(-t)) << x0 << " at " << t;
        }
    }
}

// A push in the middle of a motion, and the fixed-step tables that draw it.
TEST_F(Ode, PushesAreIntegratedExactly) {
    CExpression push("10*BAR(X,4,5) + 0*Y + 0*Z"), start("10*BAR(X,0,1) + 0*Y + 0*Z");
    const struct {
        CExpression& law;
        double v0, x, v;
    } cases[] = {{push, 0, 55, 10}, {push, 1, 65, 11}, {start, 0, 95, 10}};
    // Late pushes, whose edges the engine reads to 1E-11 only.
    CExpression late("BAR(X,1000,1001) + 0*Y + 0*Z");
    const auto l = ODEInt(OdeLaw{late, 2, kRadians}, {0, 0, 0}, 0, 1005, 1e-4, 0.1, 0.001);
    ASSERT_TRUE(l.ok());
    EXPECT_NEAR(l->at(1), 4.5, 1e-9);
    EXPECT_NEAR(l->at(2), 1, 1e-9);
    for (const auto& c : cases) {
        const auto s = ODEInt(OdeLaw{c.law, 2, kRadians}, {0, 0, c.v0}, 0, 10, 1e-4, 0.1, 0.001);
        ASSERT_TRUE(s.ok());
        EXPECT_NEAR(s->at(1), c.x, 1e-9);
        EXPECT_NEAR(s->at(2), c.v, 1e-9);
        const OdeTable t = IntegrateRK4Fixed(OdeLaw{c.law, 2, kRadians}, {0, 0, c.v0}, 0, 10, 300);
        EXPECT_NEAR(t.states(1, 301), c.x, 1e-9);
        EXPECT_NEAR(t.states(2, 301), c.v, 1e-9);
        // Backwards from the end back to the start.
        const auto b = ODEInt(OdeLaw{c.law, 2, kRadians}, *s, 10, 0, 1e-4, 0.1, 0.001);
        ASSERT_TRUE(b.ok());
        EXPECT_NEAR(b->at(1), 0, 1e-9);
        EXPECT_NEAR(b->at(2), c.v0, 1e-9);
    }
    // A jump on a point of the table's grid, forwards and backwards.
    CExpression step("10*STP1(0,X,4) + 0*Y + 0*Z");
    OdeTable t = IntegrateRK4Fixed(OdeLaw{step, 2, kRadians}, {0, 0, 0}, 0, 8, 8);
    EXPECT_NEAR(t.states(1, 9), 80, 1e-9);
    EXPECT_NEAR(t.states(2, 9), 40, 1e-9);
    t = IntegrateRK4Fixed(OdeLaw{step, 2, kRadians}, {0, 80, 40}, 8, 0, 8);
    EXPECT_NEAR(t.states(1, 9), 0, 1e-9);
    EXPECT_NEAR(t.states(2, 9), 0, 1e-9);
}

// Integrable singularities the steps cannot resolve: a refusal that says
// so, never a wrong number; milder ones are integrated to the promise.
TEST_F(Ode, SingularitiesBeyondTheToleranceAreRefused) {
    // The point is named where the routine found the trouble inside the
    // interval; at an end, where the formula may be finite, it is not.
    const double none = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* f;
        double a, b, at;
    } refused[] = {{"1/X", 1e-8, 1, none},
                   {"ABS(X-1/3)^(-0.9)", 0, 1, 0.333333},
                   {"X^(-0.5)", 1e-12, 1, none},
                   {"ABS(X-0.3)^(-0.5)", 1, 0, 0.3},
                   {"1/(X-1)", 0, 2, 1}};
    for (const auto& c : refused) {
        const rt::Outcome<double> v = SolveODE1(c.f, c.a, c.b, kRadians);
        ASSERT_FALSE(v.ok()) << c.f << " gave " << *v;
        EXPECT_EQ(v.message(), ImpreciseIntegralMessage(c.a, c.b, c.at, "X")) << c.f;
    }
    EXPECT_EQ(ImpreciseIntegralMessage(1, 1e-8),
              "No alcancé la precisión pedida en la integración entre 1E-08 y 1: la fórmula crece sin límite o "
              "cambia demasiado rápido en algún punto del intervalo.\r\nRevisa la fórmula o toma un intervalo que no "
              "incluya ese punto.");

    const struct {
        const char* f;
        double a, b, want;
    } met[] = {
        {"1/X", 1e-3, 1, std::log(1000.0)},
        {"LN(ABS(X-0.3))", 0, 1, 0.7 * std::log(0.7) + 0.3 * std::log(0.3) - 1},
        {"X^0.1", 0, 1, 1 / 1.1},
        {"COS(X)^2", 0, 32 * kPi, 16 * kPi},
    };
    for (const auto& c : met) {
        const rt::Outcome<double> v = SolveODE1(c.f, c.a, c.b, kRadians);
        ASSERT_TRUE(v.ok()) << c.f << ": " << v.message();
        EXPECT_NEAR(*v, c.want, 1e-5 * std::fabs(c.want)) << c.f;
    }
}
