#include <gtest/gtest.h>

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "vectors/clock.h"

using namespace vec;

TEST(ClockGeometry, SectorOfComponents) {
    struct {
        double x, y;
        int hour;
        double alpha;
    } cases[] = {
        {1, 1, 2, 45},
        {-1, 1, 11, 45},
        {-1, -1, 7, 45},
        {1, -1, 4, 45},
        {0, 5, 12, 0},
        {-3, 0, 9, 0},
        {0, 0, 3, 0},
        {3, 4, 1, 36.86989764584402},
        {0, -2, 6, 0},
        {-4, 3, 10, 36.86989764584402},
        {-3, -4, 7, 36.86989764584402},
        {3, -4, 5, 36.86989764584402},
    };
    for (auto c : cases) {
        HourAlpha h = ClockSector(c.x, c.y);
        EXPECT_EQ(h.hour, c.hour) << c.x << "," << c.y;
        EXPECT_NEAR(h.alpha, c.alpha, 1e-9) << c.x << "," << c.y;
    }
}

TEST(ClockGeometry, HourOfLetters) {
    EXPECT_EQ(ClockHourOf("s", "y"), 11);
    EXPECT_EQ(ClockHourOf("s", "z"), 11);
    EXPECT_EQ(ClockHourOf("q", "x"), 0);
    EXPECT_EQ(ClockHourOf("P", "x"), 0);
    EXPECT_EQ(ClockHourOf("p", "X"), 1);
    EXPECT_EQ(ClockHourOf("c", "x"), 4);
    EXPECT_EQ(ClockHourOf("t", "x"), 8);
}

TEST(ClockGeometry, AngleFromClockGivesExactAxes) {
    EXPECT_NEAR(AngleFromClock(8, 30), -150, 1e-12);
    EXPECT_NEAR(AngleFromClock(5, 20), -70, 1e-12);
    // Axis directions come out exactly, so exact comparisons downstream hold.
    struct {
        int hour;
        double a;
        double want;
    } exact[] = {
        {9, 55, 180}, {1, 0, 90},  {10, 0, 180}, {8, 0, -180}, {11, 90, 180}, {7, 0, -90}, {2, 90, 90},
        {4, 90, -90}, {12, 0, 90}, {6, 0, -90},  {3, 0, 0},    {11, 0, 90},   {2, 0, 0},
    };
    for (auto c : exact) EXPECT_EQ(AngleFromClock(c.hour, c.a), c.want) << c.hour << " " << c.a;
    EXPECT_THROW(AngleFromClock(0, 10), rt::RuntimeError);
    EXPECT_THROW(AngleFromClock(13, 10), rt::RuntimeError);
    EXPECT_NEAR(AngleFromClock(2, 30, false), 30 * num::kDegToRad, 1e-15);
}

TEST(ClockGeometry, RoundTripForEveryObliqueHour) {
    for (int h : {1, 2, 4, 5, 7, 8, 10, 11}) {
        for (double a : {0.5, 10.0, 33.3, 44.9}) {  // past 45 the direction is the neighbour hour's
            double d = AngleFromClock(h, a) * num::kDegToRad;
            HourAlpha back = ClockSector(std::cos(d), std::sin(d));
            EXPECT_EQ(back.hour, h) << h << " " << a;
            EXPECT_NEAR(back.alpha, a, 1e-9);
        }
    }
    // On a 45-degree boundary the hour next to the x axis (or y for 135) wins.
    EXPECT_EQ(ClockSector(1, 1).hour, 2);
    EXPECT_EQ(ClockSector(1, -1).hour, 4);
}

TEST(ClockGeometry, DirectionPrefix) {
    struct {
        int hour;
        double a;
        const char* want;
    } cases[] = {
        {11, 34.5, "s34.5y,"}, {6, 37, "v-"},          {8, 45, "t45x,"}, {12, 80, "v"},
        {2, 23, "p23x,"},      {4, 36.87, "c36.87x,"}, {3, 12, "h"},     {9, 0, "h-"},
        {1, 0, "p0y,"},        {5, 12.25, "c12.25y,"}, {7, 1, "t1y,"},   {10, 89.5, "s89.5x,"},
    };
    for (auto c : cases) EXPECT_EQ(ClockDirectionPrefix(c.hour, c.a), c.want) << c.hour;
    EXPECT_THROW(ClockDirectionPrefix(0, 1), rt::ProgramFault);  // the hour is the clock's, never typed
}
