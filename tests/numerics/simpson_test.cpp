// Simpson integration where its lattices step over a feature: transients at
// the start of long intervals, narrow peaks, kinks and jumps that no cut
// marks; what it says when it falls short of its tolerance, and what it
// refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numerics/calculus.h"
#include "numerics/ode.h"
#include "runtime/numtext.h"

using namespace num;

namespace {

const double kPi = 3.14159265358979;  // the engine's PI

class Simpson : public ::testing::Test {
protected:
    AngleUnitScope radians_{kRadians};
};

struct Case {
    std::string f;
    double a, b, want;
};

// Met, and within the tolerance of the integrand's size.
void ExpectMet(const Case& c, double eps = 1e-6) {
    const rt::Outcome<SimpsonIntegral> r = IntegrateExpr(c.f, c.a, c.b, eps);
    ASSERT_TRUE(r.ok()) << c.f << " refused: " << r.message();
    EXPECT_TRUE(r->met) << c.f << " over [" << c.a << ", " << c.b << "]";
    EXPECT_NEAR(r->value, c.want, 2 * eps * std::max(1.0, std::fabs(c.want)))
        << c.f << " over [" << c.a << ", " << c.b << "]";
}

// A transient near the start of a long interval lies between the nodes of
// every coarse lattice (all of them may see f = 1 there): the scan finds it,
// at every scale of the integrand.
TEST_F(Simpson, TransientsAtTheStartOfLongIntervals) {
    for (const double L : {10.0, 100.0, 1000.0, 2000.0}) {
        const Case cases[] = {
            {"1+EXP(-X)*SEN(X)", 0, L, L + 0.5 * (1 - std::exp(-L) * (std::sin(L) + std::cos(L)))},
            {"2-X^2*EXP(-X)", 0, L, 2 * L - (2 - std::exp(-L) * (L * L + 2 * L + 2))},
            {"1+EXP(-10*X)*COS(X)", 0, L, L + (10 - std::exp(-10 * L) * (10 * std::cos(L) - std::sin(L))) / 101},
            {"1-EXP(-X)", 0, L, L - 1 + std::exp(-L)},
        };
        for (const Case& c : cases) ExpectMet(c);
    }
    for (const double scale : {1e-8, 1e4, 1e15}) {
        const std::string f = rt::NumberText(scale) + "*(1+EXP(-X)*SEN(X))";
        ExpectMet({f, 0, 1000, scale * 1000.5});
    }
}

// Narrow peaks on a background and alone, at places that fall on no node
// of the coarse lattices, and a jump that no cut marks: found and resolved
// instead of being met at the background.
TEST_F(Simpson, NarrowFeaturesAreFoundAndResolved) {
    const double g = std::sqrt(kPi);
    for (const double w : {1e-2, 1e-3}) {
        for (const double p : {3.3, 5.0, 7.77}) {
            const std::string bump = "EXP(-((X-" + rt::NumberText(p) + ")/" + rt::NumberText(w) + ")^2)";
            ExpectMet({bump, 0, 10, w * g});
            ExpectMet({"1+" + bump, 0, 10, 10 + w * g});
        }
    }
    const double k = std::pow(16.0, 2.5);
    const Case others[] = {
        {"4^-5/((X-PI/4)^2+16^-5)", 0, 1,
         std::pow(4.0, -5) * k * (std::atan(k * (1 - kPi / 4)) + std::atan(k * kPi / 4))},
        {"ENT(X)", 0, 3.5, 4.5},
        {"10*BAR(X^2,49,50.41)", 0, 10, 1},
        {"MAX(0,1-ABS(X-123.4)/0.1)", 0, 1000, 0.1},
    };
    for (const Case& c : others) ExpectMet(c);
}

// Whole and offset periods of a periodic integrand: right, and met (no note
// beside a right value).
TEST_F(Simpson, WholeAndOffsetPeriodsAreMet) {
    for (int k = 1; k <= 200; k += 7) {
        const double end = 1.1 + k * kPi / 2 + 0.7;
        const Case cases[] = {
            {"SEN(X)^2", 0, 2 * k * kPi, k * kPi},
            {"COS(X)^2", 0.3, 0.3 + 2 * k * kPi, k * kPi},
            {"SEN(X)^2", 1.1, end, (end - 1.1) / 2 - (std::sin(2 * end) - std::sin(2.2)) / 4},
            {"COS(2*PI*X)^2", 0, static_cast<double>(k), k / 2.0},
        };
        for (const Case& c : cases) ExpectMet(c);
    }
}

// No value near the integral: a pole inside the interval or at its end, a
// non-integrable singularity. Refused with the reason the adaptive route
// gives, never a number with the note.
TEST_F(Simpson, DivergentIntegralsAreRefusedWithTheirReason) {
    const Case cases[] = {
        {"TAN(X)", 0, 2, 0},
        {"1/(X-PI/4)^2", 0, 1, 0},
        {"1/R(X)", 1e-300, 1, 0},
        {"1/ABS(X-PI/4)", 0, 1, 0},
    };
    for (const Case& c : cases) {
        const rt::Outcome<SimpsonIntegral> r = IntegrateExpr(c.f, c.a, c.b, 1e-6);
        ASSERT_FALSE(r.ok()) << c.f << " gave " << r->value << (r->met ? "" : " with the note");
        EXPECT_EQ(r.message(), ImpreciseIntegralMessage(c.a, c.b)) << c.f;
    }
    // An integrable singularity at a kink: its value, or the same refusal.
    const rt::Outcome<SimpsonIntegral> r = IntegrateExpr("1/R(ABS(X-0.5))", 0, 1, 1e-6);
    if (r.ok())
        EXPECT_NEAR(r->value, 2 * std::sqrt(2.0), 1e-5);
    else
        EXPECT_EQ(r.message(), ImpreciseIntegralMessage(0, 1));
}

// Integrals that are 0: rounding noise throughout, and a step that reaches
// the end of the interval at its last point only. Answered, never refused.
TEST_F(Simpson, ZeroIntegralsAreAnswered) {
    for (const double b : {10.0, 1000.0}) {
        const rt::Outcome<SimpsonIntegral> noise = IntegrateExpr("(X+1)^2-X^2-2*X-1", 0, b, 1e-6);
        ASSERT_TRUE(noise.ok()) << noise.message();
        EXPECT_NEAR(noise->value, 0, 1e-9 * b);
    }
    const rt::Outcome<SimpsonIntegral> step = IntegrateExpr("ENT(X)", 0, 1, 1e-3);
    ASSERT_TRUE(step.ok()) << step.message();
    EXPECT_TRUE(step->met);
    EXPECT_EQ(step->value, 0);
}

}  // namespace
