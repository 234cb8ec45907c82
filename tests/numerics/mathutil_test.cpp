#include <gtest/gtest.h>

#include <vector>

#include "numerics/mathutil.h"
#include "runtime/errors.h"

using namespace num;

TEST(DegreeTrig, InverseFunctionsAtTheirEdges) {
    EXPECT_EQ(ArcSinDeg(1), 90.00000000000033);
    EXPECT_EQ(ArcSinDeg(-1), -90.00000000000033);
    EXPECT_NEAR(ArcSinDeg(0.5), 30, 1e-12);
    EXPECT_EQ(ArcCosDeg(1), 0);
    EXPECT_EQ(ArcCosDeg(-1), 180);
    EXPECT_NEAR(ArcCosDeg(0), 90, 1e-12);
    EXPECT_NEAR(ArcCosDeg(0.5), 60, 1e-12);
    EXPECT_THROW(ArcSinDeg(1.0000001), rt::RuntimeError);
    EXPECT_THROW(ArcCosDeg(-1.0000001), rt::RuntimeError);
    EXPECT_NEAR(SinDeg(30), 0.5, 1e-14);
    EXPECT_NEAR(CosDeg(60), 0.5, 1e-14);
    EXPECT_NEAR(TanDeg(45), 1, 1e-14);
    EXPECT_NEAR(ArcTanDeg(1), 45, 1e-12);
    EXPECT_EQ(Hypot(3, 4), 5);
    EXPECT_NEAR(Sinh(1), 1.1752011936438014, 1e-14);
    EXPECT_NEAR(Cosh(1), 1.5430806348152437, 1e-14);
    EXPECT_THROW(Cosh(1000), rt::RuntimeError);
}

TEST(DegreeTrig, VectorAngle) {
    struct {
        double x, y, want;
    } cases[] = {
        {0, 5, 90},   {0, -5, -90},   {-5, 0, 180}, {0, 0, 0},  {1e-7, 1e-7, 90},
        {5, 1e-7, 0}, {-1, -1, -135}, {-1, 1, 135}, {1, 1, 45}, {1e-7, -1e-9, -90},
    };
    for (auto c : cases) EXPECT_NEAR(VectorAngleDeg(c.x, c.y), c.want, 1e-12) << c.x << "," << c.y;
}

TEST(DegreeTrig, NormAngle) {
    struct {
        double in, want;
    } cases[] = {
        {-180, 180}, {180, 180}, {540, 180}, {-540, -180}, {541, 0}, {-200, 160}, {270, -90}, {-541, 0},
    };
    for (auto c : cases) EXPECT_EQ(NormAngle(c.in), c.want) << c.in;
}

TEST(SmallHelpers, IsNearIsInclusive) {
    EXPECT_TRUE(IsNear(1, 2, 1));
    EXPECT_FALSE(IsNear(1, 2, 0.5));
}

TEST(SmallHelpers, IsNumberIsStrict) {
    for (const char* s : {"12", "-12", "+.5", "5.", "1.5E3", " 2E-4 ", "-.", "+."})
        EXPECT_TRUE(IsNumber(s)) << "'" << s << "'";
    for (const char* s : {"", "-", ".", "1,5", "1e5", "1.2.3", "5-", " 12", "+-1", "12 ", "1E", "E5"})
        EXPECT_FALSE(IsNumber(s)) << "'" << s << "'";
    EXPECT_TRUE(IsNumber(rt::Variant(2.5)));
    EXPECT_TRUE(IsNumber(rt::Variant(1e-20)));  // written "1E-20"
}

TEST(SmallHelpers, ArrayExtremaAndMembership) {
    std::vector<rt::Variant> neg{-3.0, -5.0}, pos{3.0, 5.0}, none;
    EXPECT_EQ(MaxOfArray(0, neg), 0);
    EXPECT_EQ(MinOfArray(0, pos), 0);
    EXPECT_EQ(MaxOfArray(7, none), 7);
    std::vector<rt::Variant> withEmpty{rt::Variant(), -2.0};
    EXPECT_EQ(MaxOfArray(-10, withEmpty), 0);
    std::vector<double> one{4.5};
    EXPECT_EQ(MaxOfDoubles(one), 4.5);
    std::vector<double> many{1, 9, 3};
    EXPECT_EQ(MaxOfDoubles(many), 9);
    std::vector<rt::Variant> letters{"p", "s", "t", "c"};
    EXPECT_FALSE(IsInArray("P", letters));
    EXPECT_TRUE(IsInArray("p", letters));
    std::vector<rt::Variant> nums{1.0, 2.0};
    EXPECT_TRUE(IsInArray(2.0, nums));
    EXPECT_FALSE(IsInArray("2", nums));
}
