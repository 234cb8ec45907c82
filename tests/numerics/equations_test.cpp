#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "numerics/equations.h"
#include "runtime/errors.h"

using namespace num;

namespace {
// What a solver should give: the real roots, then the pair when there is one.
struct Want {
    int real;
    std::vector<double> x;
    double re = 0, im = 0;
};

void Expect(const Roots& got, const Want& want, const std::string& what) {
    ASSERT_EQ(got.real, want.real) << what;
    for (int i = 0; i < want.real; ++i) EXPECT_NEAR(got.x[i], want.x[i], 1e-9) << what << " [" << i << "]";
    EXPECT_NEAR(got.re, want.re, 1e-9) << what << " re";
    EXPECT_NEAR(got.im, want.im, 1e-9) << what << " im";
}
}  // namespace

TEST(Equations, Quadratic) {
    struct {
        double a, b, c;
        Want want;
    } cases[] = {
        {1, -2, 1, {2, {1, 1}}}, {1, 0, -4, {2, {2, -2}}},  {1, 0, 4, {0, {}, 0, 2}},  {-1, 2, -5, {0, {}, 1, -2}},
        {1, 0, 0, {2, {0, 0}}},  {2, -10, 12, {2, {3, 2}}}, {1, 3, -10, {2, {-5, 2}}},
    };
    for (auto& c : cases) Expect(SolveQuadratic(c.a, c.b, c.c), c.want, "quadratic");
    EXPECT_THROW(SolveQuadratic(0, 2, 1), rt::RuntimeError);
    EXPECT_THROW(SolveQuadratic(0, 0, 1), rt::RuntimeError);
}

// A cubic whose leading coefficient vanishes answers as the quadratic it is,
// in the same shape as any other answer: its roots are never shifted by a
// marker in front of them.
TEST(Equations, Cubic) {
    const double h = 0.8660254037844386;
    struct {
        double a, b, c, d;
        Want want;
    } cases[] = {
        {1, -6, 11, -6, {3, {1, 3, 2}}},   {1, 0, 1, 0, {1, {0}, 0, -1}}, {1, 0, -3, 2, {1, {-2}, 1, 0}},
        {0, 1, 0, -1, {2, {1, -1}}},       {0, 1, 0, 1, {0, {}, 0, 1}},   {1, 0, 0, -1, {1, {1}, -0.5, h}},
        {2, -4, -22, 24, {3, {-3, 4, 1}}},
    };
    for (auto& c : cases) Expect(SolveCubic(c.a, c.b, c.c, c.d), c.want, "cubic");
    EXPECT_THROW(SolveCubic(0, 0, 1, 1), rt::RuntimeError);
}

TEST(Equations, Trigonometric) {
    using Angles = std::optional<std::array<double, 2>>;
    const Angles none;
    struct {
        double a, b, c;
        Angles want;
    } cases[] = {
        {1, 0, 0, Angles{{-90, 90}}},
        {1, 0, -1, Angles{{0, 0}}},
        {1, 0, 1, Angles{{180, 180}}},
        {3, 4, 6, none},
        {0, 0, 1, none},
        {0, 0, 0, Angles{{180, 180}}},
        {1, 1, -1, Angles{{0, 90}}},
        {1, 0, 1.00005, Angles{{180, 180}}},
        {1, 0, 1.0002, none},
        {0, 2, 1, Angles{{-30, -150}}},
    };
    for (auto& c : cases) {
        const Angles got = SolveTrigEquation(c.a, c.b, c.c);
        ASSERT_EQ(got.has_value(), c.want.has_value()) << c.a << " " << c.b << " " << c.c;
        if (!got) continue;
        EXPECT_NEAR((*got)[0], (*c.want)[0], 1e-9) << c.a << " " << c.b << " " << c.c;
        EXPECT_NEAR((*got)[1], (*c.want)[1], 1e-9) << c.a << " " << c.b << " " << c.c;
    }

    EXPECT_TRUE(IsWithinPercent(101, 100, 1));
    EXPECT_TRUE(IsWithinPercent(-99, 100, 1));
    EXPECT_FALSE(IsWithinPercent(101.0001, 100, 1));
    EXPECT_TRUE(IsWithinPercent(0, 0, 1));
    EXPECT_FALSE(IsWithinPercent(1e-300, 0, 1));
}
