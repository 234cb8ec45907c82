#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/equations.h"
#include "runtime/errors.h"

using namespace num;

namespace {
// Compares a result array with numbers (to 1E-9) and flags.
void Expect(const std::vector<rt::Variant>& got, std::vector<rt::Variant> want, const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < want.size(); ++i) {
        if (want[i].IsNumber()) {
            ASSERT_TRUE(got[i].IsNumber()) << what << " [" << i << "]";
            EXPECT_NEAR(got[i].Number(), want[i].Number(), 1e-9) << what << " [" << i << "]";
        } else {
            EXPECT_EQ(got[i], want[i]) << what << " [" << i << "]";
        }
    }
}
}  // namespace

TEST(Equations, Quadratic) {
    struct { double a, b, c; std::vector<rt::Variant> want; } cases[] = {
        {1, -2, 1, {1.0, 1.0, true}},      {1, 0, -4, {2.0, -2.0, true}},  {1, 0, 4, {0.0, 2.0, false}},
        {-1, 2, -5, {1.0, -2.0, false}},   {1, 0, 0, {0.0, 0.0, true}},    {2, -10, 12, {3.0, 2.0, true}},
        {1, 3, -10, {-5.0, 2.0, true}},
    };
    for (auto& c : cases) Expect(SolveQuadratic(c.a, c.b, c.c), c.want, "quadratic");
    EXPECT_THROW(SolveQuadratic(0, 2, 1), rt::RuntimeError);
    EXPECT_THROW(SolveQuadratic(0, 0, 1), rt::RuntimeError);
}

TEST(Equations, Cubic) {
    const double h = 0.8660254037844386;
    struct { double a, b, c, d; std::vector<rt::Variant> want; } cases[] = {
        {1, -6, 11, -6, {1.0, 3.0, 2.0, true}},
        {1, 0, 1, 0, {0.0, 0.0, -1.0, false}},
        {1, 0, -3, 2, {-2.0, 1.0, 0.0, false}},
        {0, 1, 0, -1, {2, 1.0, -1.0, true}},
        {1, 0, 0, -1, {1.0, -0.5, h, false}},
        {2, -4, -22, 24, {-3.0, 4.0, 1.0, true}},
    };
    for (auto& c : cases) Expect(SolveCubic(c.a, c.b, c.c, c.d), c.want, "cubic");
    EXPECT_THROW(SolveCubic(0, 0, 1, 1), rt::RuntimeError);
}

TEST(Equations, Trigonometric) {
    struct { double a, b, c; std::vector<rt::Variant> want; } cases[] = {
        {1, 0, 0, {-90.0, 90.0}},  {1, 0, -1, {0.0, 0.0}},     {1, 0, 1, {180.0, 180.0}},
        {3, 4, 6, {"No"}},         {0, 0, 1, {"No"}},          {0, 0, 0, {180.0, 180.0}},
        {1, 1, -1, {0.0, 90.0}},   {1, 0, 1.00005, {180.0, 180.0}}, {1, 0, 1.0002, {"No"}},
        {0, 2, 1, {-30.0, -150.0}},
    };
    for (auto& c : cases) Expect(SolveTrigEquation(c.a, c.b, c.c), c.want, "trig");

    EXPECT_TRUE(IsWithinPercent(101, 100, 1));
    EXPECT_TRUE(IsWithinPercent(-99, 100, 1));
    EXPECT_FALSE(IsWithinPercent(101.0001, 100, 1));
    EXPECT_TRUE(IsWithinPercent(0, 0, 1));
    EXPECT_FALSE(IsWithinPercent(1e-300, 0, 1));
}
