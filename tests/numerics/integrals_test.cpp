// Simpson integration of loads wherever they lie and at every scale, of
// periodic integrands over whole periods, and of integrals that are 0.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numerics/calculus.h"
#include "numerics/ode.h"
#include "runtime/numtext.h"

using namespace num;

namespace {

const double kPi = 3.14159265358979;  // the engine's PI

class Integrals : public ::testing::Test {
protected:
    AngleUnitScope radians_{kRadians};
};

struct Result {
    double s;
    bool met;
};

Result Integral(const std::string& f, double a, double b) {
    const rt::Outcome<SimpsonIntegral> r = IntegrateExpr(f, a, b, 1e-6);
    if (!r.ok()) {
        ADD_FAILURE() << f << " refused: " << r.message();
        return {std::nan(""), false};
    }
    return {r->value, r->met};
}

// Loads of every shape, scaled from 1E-8 to 1E8: the answer scales with
// them and keeps its accuracy; loads made of pieces are exact.
TEST_F(Integrals, LoadsAreExactWhereverTheyLieAndAtEveryScale) {
    const struct {
        const char* f;
        double a, b, want, tol;
    } loads[] = {
        {"BAR(X,7,7.5)", 0, 10, 0.5, 1e-12},
        {"BAR(X,0.1,0.2)", 0, 10, 0.1, 1e-12},
        {"X*BAR(X,2,4)", 0, 5, 6, 1e-12},
        {"(4-X)*BAR(X,1,4)", 0, 10, 4.5, 1e-12},
        {"X^2*BAR(X,1.5,2.5)", 0, 3, (2.5 * 2.5 * 2.5 - 1.5 * 1.5 * 1.5) / 3, 1e-12},
        {"STP1(0,X,2*PI)", 0, 10, 10 - 2 * kPi, 1e-12},
        {"STP(1,X,2)", 0, 5, 4.5, 1e-12},
        {"STP(2,X,1)", 0, 4, 9, 1e-12},
        {"IIF(X<3,X,6-X)", 0, 5, 8.5, 1e-12},
        {"BAR(2*X-1,3,4)", 0, 5, 0.5, 1e-12},
        {"ABS(X-1/3)", 0, 1, 5.0 / 18, 1e-12},
        {"BAR(X,2E8,4E8)", 0, 5e8, 2e8, 1e-12},
        {"EXP(X)", 0, 1, std::exp(1.0) - 1, 1e-6},
    };
    for (const double scale : {1e-8, 1e-4, 1.0, 1e4, 1e8}) {
        for (const auto& c : loads) {
            const std::string f = rt::NumberText(scale) + "*(" + c.f + ")";
            const Result r = Integral(f, c.a, c.b);
            EXPECT_TRUE(r.met) << f;
            EXPECT_NEAR(r.s / scale, c.want, c.tol * c.want) << f;
        }
    }
}

// Uniform loads of width 0.1 to 1 placed every 0.5 along [0, 10], and a
// step at every quarter: most start between the first sample points.
TEST_F(Integrals, EveryUniformLoadAndStepAlongTheBeam) {
    for (const double scale : {1e-8, 1.0, 1e8}) {
        for (int at = 0; at < 20; ++at) {
            for (int width = 1; width <= 10; ++width) {
                const double p = 0.5 * at, w = 0.1 * width;
                if (p + w > 10) continue;
                const std::string f =
                    rt::NumberText(scale) + "*BAR(X," + rt::NumberText(p) + "," + rt::NumberText(p + w) + ")";
                const Result r = Integral(f, 0, 10);
                EXPECT_TRUE(r.met) << f;
                EXPECT_NEAR(r.s, scale * w, 1e-12 * scale * w) << f;
            }
        }
    }
    for (int k = 1; k <= 39; ++k) {
        const double p = 0.25 * k;
        const std::string f = "10*STP1(0,X," + rt::NumberText(p) + ")";
        const Result r = Integral(f, 0, 10);
        EXPECT_TRUE(r.met) << f;
        EXPECT_NEAR(r.s, 10 * (10 - p), 1e-12) << f;
    }
}

// Nodes of successive levels that all fall on the same phase agree on a
// wrong sum; the refinement goes on past them, or says that it could not.
TEST_F(Integrals, WholePeriodsDoNotEndTheRefinementOnAWrongValue) {
    const struct {
        const char* f;
        double b, want;
    } periodic[] = {
        {"COS(X)^2", 32 * kPi, 16 * kPi},
        {"SEN(X)^2", 502.654824574367, 80 * kPi},
        {"COS(X*PI/180)^2", 5760, 2880},
        {"2E-8*COS(X)^2", 32 * kPi, 32e-8 * kPi},
    };
    for (const auto& c : periodic) {
        const Result r = Integral(c.f, 0, c.b);
        EXPECT_TRUE(r.met) << c.f;
        EXPECT_NEAR(r.s, c.want, 1e-6 * c.want) << c.f;
    }
    // 256 periods: no level up to 512 intervals sees between the peaks; the
    // scan and the halves it leads to do.
    const Result unseen = Integral("COS(X)^2", 0, 512 * kPi);
    EXPECT_TRUE(unseen.met);
    EXPECT_NEAR(unseen.s, 256 * kPi, 1e-6 * 256 * kPi);
}

// An integral that is 0 by cancellation ends within the tolerance of the
// integrand's size, at every scale, and comes out as 0.
TEST_F(Integrals, ZeroByCancellationIsMetAndIsZero) {
    for (const char* f : {"SEN(X)", "1E-8*SEN(X)", "1E8*SEN(X)", "X-PI"}) {
        const Result r = Integral(f, 0, 2 * kPi);
        EXPECT_TRUE(r.met) << f;
        EXPECT_EQ(r.s, 0) << f;
    }
    const Result r = Integral("EXP(X)-(EXP(1)-1)", 0, 1);
    EXPECT_TRUE(r.met);
    EXPECT_EQ(r.s, 0);
}

}  // namespace

// Both routes on loads whose edges the engine rounds coarsely (bounds from
// 1000 on are read to 1E-11) or that touch an end of the interval at one
// point only: exact, neither refused nor flagged.
TEST_F(Integrals, EdgesPastAThousandAndAtTheEndsOfTheInterval) {
    const struct {
        const char* f;
        double a, b, want;
    } cases[] = {
        {"X*BAR(X,0,1000)", 0, 1e7, 500000},       {"1E4*BAR(X,1009.5,1014.5)", 1000, 1010, 5000},
        {"X*BAR(X,2000,2010)", 1990, 2020, 20050}, {"X*BAR(X,-2010,-2000)", -2020, -1990, -20050},
        {"BAR(X,1000,1001)", 0, 1005, 1},          {"5*BAR(X,8191.5,8192.5)", 8000, 9000, 5},
        {"BAR(X,1E4,1.1E4)", 0, 1e4, 0},           {"IIF(X>=1E5,1,0)", 0, 1e5, 0},
        {"BAR(X,-1E5,-0.9E5)", -1.1e5, -1e5, 0},   {"2+BAR(X,-1E5,-0.9E5)", -1.1e5, -1e5, 2e4},
    };
    for (const auto& c : cases) {
        const Result simpson = Integral(c.f, c.a, c.b);
        EXPECT_TRUE(simpson.met) << c.f;
        EXPECT_NEAR(simpson.s, c.want, 1e-9 * std::fabs(c.want)) << c.f;
        const rt::Outcome<double> adaptive = SolveODE1(c.f, c.a, c.b, kRadians);
        ASSERT_TRUE(adaptive.ok()) << c.f << ": " << adaptive.message();
        EXPECT_NEAR(*adaptive, c.want, 1e-9 * std::fabs(c.want)) << c.f;
    }
}
