// Law texts, values at an instant, tables of laws on a line, curve plots and
// plane paths, checked against laws with closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kinematics/compute.h"
#include "kinematics/lawtext.h"
#include "numerics/expression.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace kinem {
namespace {

std::vector<std::string> Lines(const text::ResultLines& r) { return r.Lines(); }

// Degree mode, as the calculator starts; every test checks it survives.
class DegreeMode : public ::testing::Test {
protected:
    num::AngleUnitScope degrees_{num::kDefaultAngleFactor};
    void TearDown() override { EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor); }
};

TEST(LawText, RenamingGivesFixedPlacesAndRestoresDamagedNames) {
    struct Case {
        std::string (*fn)(std::string_view);
        std::string law, engine;
    };
    const Case cases[] = {
        {RenameVarsT, "3*t^2", "3*X^2+0*X"},
        {RenameVarsTXV, "-4*x-0.5*v", "-4*Y-0.5*Z+0*X+0*Y+0*Z"},
        {RenameVarsT, "exp(-t)", "exp(-X)+0*X"},
        {RenameVarsTX, "exp(-t)", "exp(-X)+0*X+0*Y"},
        {RenameVarsT, "tan(t)+cot(t)+atan(t)+acot(t)", "tan(X)+cot(X)+atan(X)+acot(X)+0*X"},
        {RenameVarsTX, "max(t,x)", "maY(X,Y)+0*X+0*Y"},
        {RenameVarsTXV, "T+X+V", "T+X+V+0*X+0*Y+0*Z"},
        {RenameVarsT, "", "+0*X"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.fn(c.law), c.engine) << c.law;

    EXPECT_EQ(PlanePathLawText("2*t"), "2*x");
    EXPECT_EQ(PlanePathLawText("tan(t)+cot(t)*atan(t)"), "tan(x)+cot(x)*atan(x)");
    EXPECT_EQ(PlanePathLawText("T+t"), "T+x");
}

TEST(LawText, EveryRenamedTextCompilesAndSeesItsValuesInOrder) {
    num::CExpression e;
    e.SetExpression(RenameVarsTXV("t+10*x+100*v"));
    ASSERT_EQ(e.ErrorCode(), 0);
    EXPECT_DOUBLE_EQ(e.Value({1, 2, 3}).ToNumber(), 321);
    e.SetExpression(RenameVarsTXV("v"));  // only v typed: still the third value
    EXPECT_DOUBLE_EQ(e.Value({1, 2, 3}).ToNumber(), 3);
    e.SetExpression(RenameVarsT(""));
    ASSERT_EQ(e.ErrorCode(), 0);
    EXPECT_DOUBLE_EQ(e.Value({7}).ToNumber(), 0);
}

TEST(BoxValues, EmptyIsZeroFormulasAreEvaluatedOtherTextIsRefused) {
    EXPECT_EQ(BoxValue(""), 0);
    EXPECT_EQ(BoxValue("  "), 0);
    EXPECT_NEAR(BoxValue(" 2*PI "), 2 * M_PI, 1e-12);
    EXPECT_THROW(BoxValue("2,5"), rt::RuntimeError);
    EXPECT_THROW(BoxValue("1/0"), rt::RuntimeError);
    EXPECT_EQ(SecondDerivStep(0), 1e-3);
    EXPECT_EQ(SecondDerivStep(-1e-9), -1e-3);
    EXPECT_EQ(SecondDerivStep(0.01), 0.01);
}

using ValuesAtAnInstant = DegreeMode;

TEST_F(ValuesAtAnInstant, LawsOnALine) {
    struct Case {
        int law;
        std::string text;
        double t0, x0, v0, t;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {11, "t^3", 0, 0, 0, 2, {"En t = 2:", "x = 8, v = 12", "a = 12"}},
        // t = 0 has a usable second-derivative step.
        {11, "t^3", 0, 0, 0, 0, {"En t = 0:", "x = 0, v = 0", "a = 0"}},
        {11, "5*t^2-t", 0, 0, 0, 0, {"En t = 0:", "x = 0, v = ;-1", "a = 10"}},
        // Radians whatever the calculator's mode.
        {11, "sen(t)", 0, 0, 0, 1.5707963267949, {"En t = 1.571:", "x = 1, v = 0", "a = ;-1"}},
        {12, "x", 0, 1, 0, 1, {"En t = 1:", "x = 2.718, v = 2.718", ""}},
        {12, "x", 1, std::exp(1.0), 0, 0, {"En t = 0:", "x = 1, v = 1", ""}},  // backwards
        {12, "t", 2, 5, 0, 2, {"En t = 2:", "x = 5, v = 2", ""}},              // t = t0
        {13, "-x", 0, 1, 0, 3.14159, {"En t = 3.14159:", "x = ;-1, v = 0", "a = 1"}},
        {13, "-9.8", 0, 0, 10, 1, {"En t = 1:", "x = 5.1, v = 0.2", "a = ;-9.8"}},
    };
    for (const auto& c : cases) {
        auto r = CalcKinem1D(c.law, c.text, c.t0, c.x0, c.v0, c.t, 3);
        ASSERT_TRUE(r.ok()) << c.text;
        EXPECT_EQ(Lines(*r), c.lines) << c.law << " " << c.text << " at " << c.t;
    }
    const auto other = CalcKinem1D(14, "t", 0, 0, 0, 1, 3);
    EXPECT_FALSE(other.ok());
    EXPECT_EQ(other.message(), "");
}

TEST_F(ValuesAtAnInstant, FaultsReachTheCallerWithTheAngleModeBack) {
    EXPECT_THROW(CalcKinem1D(11, "3*(", 0, 0, 0, 1, 3), rt::RuntimeError);  // does not compile
    EXPECT_THROW(CalcKinem1D(11, "1/t", 0, 0, 0, 0, 3), rt::RuntimeError);
    EXPECT_THROW(CalcKinem1D(12, "(x", 0, 0, 0, 1, 3), rt::RuntimeError);
    EXPECT_THROW(CalcKinem1D(13, "1/x", 0, 0, 0, 2, 3), rt::RuntimeError);
    EXPECT_THROW(CalcKinem2D(14, 1, "t", "(", 3), rt::RuntimeError);
}

TEST_F(ValuesAtAnInstant, AnIntegrationThatGivesUpIsARefusalNamingTheIntervalForTheCallerToShow) {
    const auto r = CalcKinem1D(13, "-10000*x", 0, 1, 0, 100, 3);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(),
              "No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado "
              "rápido.\r\nRevisa la fórmula o toma un intervalo más corto.");
}

// A push in the middle of a motion, or at its start, gives the exact motion
// at an instant and at the end of the graphs' tables.
TEST_F(ValuesAtAnInstant, PushesGiveTheirExactMotion) {
    const struct {
        const char* law;
        double v0;
        std::vector<std::string> lines;
        double x, v;
    } cases[] = {
        {"10*bar(t,4,5)", 0, {"En t = 10:", "x = 55, v = 10", "a = 0"}, 55, 10},
        {"10*bar(t,4,5)", 1, {"En t = 10:", "x = 65, v = 11", "a = 0"}, 65, 11},
        {"10*bar(t,0,1)", 0, {"En t = 10:", "x = 95, v = 10", "a = 0"}, 95, 10},
    };
    for (const auto& c : cases) {
        const auto r = CalcKinem1D(kLawA, c.law, 0, 0, c.v0, 10, 6);
        ASSERT_TRUE(r.ok()) << c.law;
        EXPECT_EQ(Lines(*r), c.lines) << c.law << " from " << c.v0;
        const auto t = TabulateLaw1D(kLawA, c.law, 0, 0, c.v0, 0, 10);
        ASSERT_TRUE(t.ok()) << c.law;
        EXPECT_NEAR(t->X[301], c.x, 1e-9) << c.law;
        EXPECT_NEAR(t->V[301], c.v, 1e-9) << c.law;
    }
}

// Small motions are as accurate as large ones: a = -x and v = -x from
// starts down to 1E-6, against their closed forms at t = 10.
TEST_F(ValuesAtAnInstant, SmallMotionsKeepTheirAccuracy) {
    auto number = [](const std::string& line, const std::string& key) {
        std::string s = line.substr(line.find(key) + key.size());
        if (s.starts_with(";-")) s.erase(0, 1);
        return rt::Val(s.substr(0, s.find(',')));
    };
    for (double x0 : {1e-6, 1e-5, 1e-4, 1.0}) {
        const auto a = CalcKinem1D(kLawA, "-x", 0, x0, 0, 10, 15);
        ASSERT_TRUE(a.ok());
        EXPECT_NEAR(number(Lines(*a)[1], "x = "), x0 * std::cos(10.0), 1e-3 * x0) << x0;
        EXPECT_NEAR(number(Lines(*a)[1], "v = "), -x0 * std::sin(10.0), 1e-3 * x0) << x0;
        const auto v = CalcKinem1D(kLawV, "-x", 0, x0, 0, 10, 15);
        ASSERT_TRUE(v.ok());
        EXPECT_NEAR(number(Lines(*v)[1], "x = "), x0 * std::exp(-10.0), 1e-4 * x0 * std::exp(-10.0)) << x0;
    }
}

TEST_F(ValuesAtAnInstant, LawsInThePlane) {
    struct Case {
        int kind;
        std::string law1, law2;
        double t;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {14,
         "3*t",
         "4*t - 4.9*t^2",
         1,
         {"En t = 1:", "x = 3, y = ;-0.9", "v!x = 3, v!y = ;-5.8", "a!x = 0, a!y = ;-9.8"}},
        {15, "2", "t", 1, {"En t = 1:", "r = 2, ;q = 1", "v!r = 0, v!t = 2", "a!r = ;-2, a!t = 0"}},
        {15, "t", "t^2", 1, {"En t = 1:", "r = 1, ;q = 1", "v!r = 1, v!t = 2", "a!r = ;-4, a!t = 6"}},
        // The instant 0 and an empty second law.
        {14, "t^2", "", 0, {"En t = 0:", "x = 0, y = 0", "v!x = 0, v!y = 0", "a!x = 2, a!y = 0"}},
        {14, "cos(t)", "sen(t)", 0, {"En t = 0:", "x = 1, y = 0", "v!x = 0, v!y = 1", "a!x = ;-1, a!y = 0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines(CalcKinem2D(c.kind, c.t, c.law1, c.law2, 3)), c.lines) << c.law1 << ", " << c.law2;
}

using LineTables = DegreeMode;

TEST_F(LineTables, SamplesOfEachLawOnAClosedForm) {
    // a = -x from (1, 0) over a whole turn.
    auto c = TabulateLaw1D(13, "-x", 0, 1, 0, 0, 2 * M_PI);
    ASSERT_TRUE(c);
    ASSERT_EQ(c->X.size(), 302u);
    EXPECT_EQ(c->X[1], 1);
    EXPECT_EQ(c->V[1], 0);
    EXPECT_NEAR(c->X[301], 1, 1e-6);
    for (int k = 1; k <= 301; ++k) {
        EXPECT_EQ(c->A[k], -c->X[k]);
        EXPECT_NEAR(c->X[k], std::cos(c->T[k]), 1e-6);
    }
    c = TabulateLaw1D(13, "t", 0, 0, 0, 1, 4);
    EXPECT_EQ(c->A[1], 1);
    EXPECT_NEAR(c->A[301], 4, 1e-12);

    // v = t on [0, 3]: the velocity ends at 3 and the differences give 1.
    c = TabulateLaw1D(12, "t", 0, 0, 0, 0, 3);
    EXPECT_NEAR(c->V[301], 3, 1e-12);
    EXPECT_NEAR(c->X[301], 4.5, 1e-9);
    for (int k = 1; k <= 301; ++k) EXPECT_NEAR(c->A[k], 1, 1e-9);

    // x = t^2 on [-1, 1], tabulated by evaluation and derivatives.
    c = TabulateLaw1D(11, "t^2", 0, 0, 0, -1, 1);
    for (int k = 1; k <= 301; ++k) {
        const double t = -1 + (k - 1) * 2.0 / 300;
        EXPECT_NEAR(c->T[k], t, 1e-12);
        EXPECT_NEAR(c->X[k], t * t, 1e-12);
        EXPECT_NEAR(c->V[k], 2 * t, 1e-8);
        EXPECT_NEAR(c->A[k], 2, 1e-5);
    }
}

TEST_F(LineTables, IntervalsInitialConditionsAndFaults) {
    // The initial conditions at t0 = 0 carried to ti = 1.
    auto c = TabulateLaw1D(12, "x", 0, 1, 0, 1, 2);
    EXPECT_NEAR(c->X[1], std::exp(1.0), 1e-3);
    EXPECT_NEAR(c->X[301], std::exp(2.0), 3e-3);
    c = TabulateLaw1D(13, "0", 0, 1, 2, 3, 4);
    EXPECT_NEAR(c->X[1], 7, 1e-9);
    EXPECT_NEAR(c->V[1], 2, 1e-12);

    // A reversed interval is tabulated in order.
    auto back = TabulateLaw1D(11, "t^3", 0, 0, 0, 2, 0);
    auto fwd = TabulateLaw1D(11, "t^3", 0, 0, 0, 0, 2);
    EXPECT_EQ(back->ti, 0);
    EXPECT_EQ(back->tf, 2);
    EXPECT_EQ(back->X, fwd->X);

    EXPECT_THROW(TabulateLaw1D(11, "t", 0, 0, 0, 1, 1), rt::RuntimeError);
    EXPECT_THROW(TabulateLaw1D(11, "t*(", 0, 0, 0, 0, 1), rt::RuntimeError);
    EXPECT_THROW(TabulateLaw1D(13, "1/x", 0, 0, 0, 0, 2), rt::RuntimeError);
    EXPECT_THROW(TabulateLaw1D(12, "1/x", 0, 0, 0, 0, 2), rt::RuntimeError);
    EXPECT_FALSE(TabulateLaw1D(15, "t", 0, 0, 0, 0, 1).ok());
}

std::vector<double> Samples(double (*f)(double), double ti, double tf) {
    std::vector<double> v(302);
    for (int k = 1; k <= 301; ++k) v[k] = f(ti + (k - 1) * (tf - ti) / 300);
    return v;
}

TEST(CurvePlot, ScalesLinesAndLabels) {
    // A constant curve: labelled with its value, across the middle, with no
    // zero line (0 is no value of the curve).
    auto p = PlanCurve(Samples([](double) { return 5.0; }, 0, 10), 0, 10, 'x');
    for (const auto& pt : p.points) EXPECT_EQ(pt.y, 192);
    EXPECT_EQ(p.maxText, "xmax = 5");
    EXPECT_EQ(p.minText, "xmin = 5");
    EXPECT_EQ(p.tZeroX, 42);
    EXPECT_FALSE(p.zeroY);
    EXPECT_EQ(p.tiText, "0");
    EXPECT_EQ(p.tfText, "10");

    p = PlanCurve(Samples([](double t) { return t; }, -2, 2), -2, 2, 'v');
    EXPECT_EQ(p.tZeroX, 192);
    EXPECT_EQ(p.zeroY, 192);
    EXPECT_EQ(p.points.front().x, 42);
    EXPECT_EQ(p.points.front().y, 42);
    EXPECT_EQ(p.points.back().x, 342);
    EXPECT_EQ(p.points.back().y, 342);
    EXPECT_EQ(p.minText, "vmin = -2");

    p = PlanCurve(Samples([](double t) { return t; }, 0, 4), 0, 4, 'x');
    EXPECT_EQ(p.tZeroX, 42);
    EXPECT_FALSE(p.zeroY);

    // Constant within 1e-5 of 0: the curve lies on its zero line.
    p = PlanCurve(Samples([](double) { return 1e-6; }, 0, 1), 0, 1, 'a');
    EXPECT_EQ(p.minText, "amin = 0");
    EXPECT_EQ(p.maxText, "amax = 0");
    EXPECT_NEAR(p.points[150].y, 192, 1e-9);
    EXPECT_EQ(p.zeroY, 192);

    // A curve that is 0 throughout lies across the middle, on its zero line.
    p = PlanCurve(Samples([](double) { return 0.0; }, 0, 1), 0, 1, 'a');
    for (const auto& pt : p.points) EXPECT_EQ(pt.y, 192);
    EXPECT_EQ(p.zeroY, 192);
    EXPECT_EQ(p.maxText, "amax = 0");

    p = PlanCurve(Samples([](double t) { return t; }, 1.005, 3.14159), 3.14159, 1.005, 'x');
    EXPECT_EQ(p.tiText, "1");  // 1.005 halves to even in binary: 1.00
    EXPECT_EQ(p.tfText, "3.14");
    EXPECT_FALSE(p.tZeroX);
    EXPECT_THROW(PlanCurve(Samples([](double t) { return t; }, 1, 1), 1, 1, 'x'), rt::RuntimeError);
}

// Nearly constant curves and derivative noise: every point stays inside
// the square, and a table within its noise of 0 is the zero curve.
TEST(CurvePlot, NearlyConstantCurvesStayInsideTheSquare) {
    struct Case {
        const char* what;
        double (*f)(double);
        double noise;
        bool zero;
    };
    const Case cases[] = {
        {"noise across 0", [](double t) { return 1e-10 * std::sin(40 * t); }, 0, false},
        {"small negative", [](double t) { return -1e-6 * (1 + t); }, 0, false},
        {"negative constant", [](double) { return -5.0; }, 0, false},
        {"noise within its bound", [](double t) { return 1e-10 * std::sin(40 * t); }, 1e-9, true},
        {"a true value above the bound", [](double) { return 2e-6; }, 1e-9, false},
    };
    for (const auto& c : cases) {
        const CurvePlan p = PlanCurve(Samples(c.f, 0, 4), 0, 4, 'a', c.noise);
        for (const auto& pt : p.points) {
            EXPECT_GE(pt.y, 42) << c.what;
            EXPECT_LE(pt.y, 342) << c.what;
        }
        if (c.zero) {
            for (const auto& pt : p.points) EXPECT_EQ(pt.y, 192) << c.what;
            EXPECT_EQ(p.zeroY, 192) << c.what;
            EXPECT_EQ(p.maxText, "amax = 0");
            EXPECT_EQ(p.minText, "amin = 0");
        }
    }
}

// Uniform motion: the acceleration of x = 3t is 0 within the noise the
// derivatives report, while a small true acceleration stands above it.
TEST_F(LineTables, DerivativeNoiseIsReportedWithTheTables) {
    for (const char* law : {"3*t", "3*t + 1000"}) {
        auto c = TabulateLaw1D(11, law, 0, 0, 0, 0, 4);
        ASSERT_TRUE(c);
        for (int k = 1; k <= 301; ++k) {
            EXPECT_LE(std::fabs(c->A[k]), c->aNoise) << law << " " << k;
            EXPECT_NEAR(c->V[k], 3, c->vNoise + 1e-12) << law << " " << k;
        }
    }
    auto small = TabulateLaw1D(11, "1e-6*t^2", 0, 0, 0, 0, 4);
    EXPECT_LT(small->aNoise, 2e-6 / 100);
    EXPECT_LT(small->vNoise, 1e-8);
    // The differences behind the acceleration of a velocity law.
    auto v = TabulateLaw1D(12, "sen(t)^2 + cos(t)^2", 0, 0, 0, 0, 4);
    for (int k = 1; k <= 301; ++k) EXPECT_LE(std::fabs(v->A[k]), v->aNoise) << k;
    EXPECT_LT(v->aNoise, 1e-9);
}

using PlanePaths = DegreeMode;

TEST_F(PlanePaths, OneScaleForBothAxes) {
    auto p = TabulatePlanePath(true, "cos(t)", "sen(t)", 0, 6.28, 300, 48, 42, 301);
    EXPECT_NEAR(p.xmin, -1, 1e-4);
    EXPECT_NEAR(p.xmax, 1, 1e-4);
    EXPECT_NEAR(p.ymin, -1, 1e-4);
    EXPECT_NEAR(p.ymax, 1, 1e-4);
    EXPECT_NEAR(*p.xZero, 48 + 150.5, 0.1);
    EXPECT_NEAR(*p.yZero, 42 + 150.5, 0.1);
    EXPECT_EQ(p.points.size(), 301u);

    p = TabulatePlanePath(true, "t", "0.5*t", 0, 10, 300, 48, 42, 301);
    EXPECT_NEAR(p.points.back().x, 349, 1e-9);
    EXPECT_NEAR(p.points.back().y, 42 + 150.5, 1e-9);
    EXPECT_EQ(p.yZero, 42);

    p = TabulatePlanePath(false, "1", "t", 0, 3.14, 300, 48, 42, 301);
    EXPECT_EQ(p.ymin, 0);
    EXPECT_EQ(p.xmax, 1);
    EXPECT_NEAR(p.xmin, -1, 1e-5);
    EXPECT_EQ(p.yZero, 42);

    auto reversed = TabulatePlanePath(true, "t", "t^2", 5, 0, 300, 48, 42, 301);
    auto ordered = TabulatePlanePath(true, "t", "t^2", 0, 5, 300, 48, 42, 301);
    EXPECT_EQ(reversed.x, ordered.x);
    EXPECT_EQ(reversed.y, ordered.y);

    p = TabulatePlanePath(true, "0", "tan(t)", 0, 1, 300, 48, 42, 301);
    EXPECT_NEAR(p.ymax, std::tan(1.0), 1e-12);

    EXPECT_EQ(Lines(PlanePathLines(ordered)),
              (std::vector<std::string>{"x!m!í!n = 0", "x!m!á!x = 5", "y!m!í!n = 0", "y!m!á!x = 25"}));
}

TEST_F(PlanePaths, FaultsArePassedOver) {
    // x = 1/(t-1) has no value at t = 1: that sample keeps 0.
    auto p = TabulatePlanePath(true, "1/(t-1)", "t", 0, 2, 2, 48, 42, 301);
    EXPECT_EQ(p.x, (std::vector<double>{0, -1, 0, 1}));
    // r keeps the previous sample's value.
    p = TabulatePlanePath(false, "1/(t-1)", "0", 0, 2, 2, 48, 42, 301);
    EXPECT_EQ(p.x, (std::vector<double>{0, -1, -1, 1}));
    // A law that does not compile counts as 0; a path that is one point
    // stands at the frame's centre.
    p = TabulatePlanePath(true, "3*(", "2", 0, 1, 300, 48, 42, 301);
    EXPECT_EQ(p.xmax, 0);
    EXPECT_EQ(p.ymin, 2);
    EXPECT_EQ(p.points.front().x, 48 + 150.5);
    EXPECT_EQ(p.points.front().y, 42 + 150.5);
    EXPECT_EQ(p.xZero, 48 + 150.5);
    EXPECT_FALSE(p.yZero);
}

}  // namespace
}  // namespace kinem
