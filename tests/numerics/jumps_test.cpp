#include "numerics/jumps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace num;

namespace {

const double kEnginePi = 3.14159265358979;  // the engine's PI

double Below(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

TEST(JumpPoints, FoundFromStepsBarsAndComparisonsOfTheVariable) {
    const struct {
        const char* f;
        const char* var;
        double a, b;
        std::vector<double> want;
        bool valueJumps;  // the value differs at each point and just below it
    } cases[] = {
        {"10*BAR(X,7,7.5)", "X", 0, 10, {7, 7.5}, true},
        {"10*bar(x,0.1,0.2)", "X", 10, 0, {0.1, 0.2}, true},
        {"10*STP1(0,X,2*PI)", "x", 0, 10, {2 * kEnginePi}, true},
        {"5*STP(0,X,2)", "X", 0, 10, {2}, true},
        {"X*STP(2,X,3)", "X", 0, 10, {3}, false},
        {"IIF(X<3, 1, X^2)", "X", 0, 10, {3}, true},
        {"IIF(3.5<=X, 1, 0)", "X", 0, 10, {3.5}, true},
        {"(X>=1)+(X=2)+(X<>4)+(X>5)", "X", 0, 10, {1, 2, 4, 5}, true},
        {"BAR(X,1E8,2E8)", "X", 0, 1e9, {1e8, 2e8}, true},
        {"BAR(X,2E-8,3E-8)", "X", 0, 1e-7, {2e-8, 3e-8}, true},
        // Bounds that are formulas of numbers, an affine argument.
        {"BAR(X-3,1,2*1)+STP1(0,2*X,3)", "X", 0, 10, {1.5, 4, 5}, false},
        {"BAR((X+1)/2,1,2)+BAR(-X,-9,-8)+(4-X<0)", "X", 0, 10, {1, 3, 4, 8, 9}, false},
        // Kinks of ABS, SGN, MIN and MAX.
        {"ABS(X-1/3)+SGN(X-2)+MIN(X,4)+MAX(5,X)", "X", 0, 10, {1.0 / 3, 2, 4, 5}, false},
        // Only points inside the interval, each once.
        {"BAR(X,2,4)+BAR(X,2,4)+BAR(X,-1,12)+(X<10)", "X", 0, 10, {2, 4}, true},
        // Along one variable with the others held: they mark nothing.
        {"10*BAR(y,4,5)+0*X+0*Y+0*Z", "Y", 0, 10, {4, 5}, false},
        {"10*BAR(Y,4,5)+(Z<3)+0*X", "X", 0, 10, {}, false},
        {"BAR(X,Y,3)+(X<Y)+STP1(0,X,Y)", "X", 0, 10, {3}, true},
        // Shapes it does not read, and a formula that does not compile.
        {"ENT(X)+MOD(X,3)+(X^2<4)+(X*X>2)+SQR(X)", "X", 0, 10, {}, false},
        {"2*", "X", 0, 10, {}, false},
        {"BAR(X,1/0,3)", "X", 0, 10, {3}, false},
    };
    for (const auto& c : cases) {
        CExpression e(c.f);
        const std::vector<double> got = JumpPoints(e, c.var, c.a, c.b);
        ASSERT_EQ(got.size(), c.want.size()) << c.f;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i], c.want[i], 1e-12 + 1e-14 * std::fabs(c.want[i])) << c.f << " point " << i;
            if (i > 0) { EXPECT_LT(got[i - 1], got[i]) << c.f; }
            if (c.valueJumps) {
                // The point is where the value changes, not the bound as typed.
                const double at = got[i], below = Below(got[i]);
                EXPECT_NE(e.ValueFast(&at, 1), e.ValueFast(&below, 1)) << c.f << " at " << at;
            }
        }
    }
}

// BAR and STP compare the argument rounded to 12 decimals: the rise of
// BAR(X,7,7.5) comes before 7, and its fall after 7.5.
TEST(JumpPoints, RoundedBoundsGiveWhereTheValueChanges) {
    CExpression e("BAR(X,7,7.5)");
    const std::vector<double> p = JumpPoints(e, "X", 0, 10);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_LT(p[0], 7);
    EXPECT_GT(p[1], 7.5);
    for (double x : {p[0], Below(p[1])}) EXPECT_EQ(e.ValueFast(&x, 1), 1) << x;
    for (double x : {Below(p[0]), p[1]}) EXPECT_EQ(e.ValueFast(&x, 1), 0) << x;

    // Each with the bound it comes from.
    const struct {
        const char* f;
        double bound;
    } bounds[] = {{"BAR(X,7,9)", 7}, {"BAR(X,-1,7)", 7}, {"STP(0,X,7)", 7}, {"X<=7", 7}, {"BAR(X-1,6,9)", 7}};
    for (const auto& c : bounds) {
        const std::vector<Jump> j = Jumps(CExpression(c.f), "X", 0, 8);
        ASSERT_EQ(j.size(), 1u) << c.f;
        EXPECT_EQ(j[0].bound, c.bound) << c.f;
        EXPECT_NE(j[0].at, c.bound) << c.f;
        EXPECT_NEAR(j[0].at, c.bound, 1e-12) << c.f;
    }
}

}  // namespace
