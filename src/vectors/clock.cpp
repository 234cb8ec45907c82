#include "vectors/clock.h"

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace vec {

double AngleFromClock(int hour, double alpha, bool inDegrees) {
    rt::CheckIndex(hour, 1, 12);
    constexpr double pi = 3.14159265358979;
    double a = alpha * num::kDegToRad;
    const double dirs[13] = {0,           pi / 2 - a, a,  0,      -a,         -pi / 2 + a, -pi / 2,
                             -pi / 2 - a, -pi + a,    pi, pi - a, pi / 2 + a, pi / 2};
    double r = dirs[hour];
    if (!inDegrees) return r;
    double d = r * num::kRadToDeg;
    // The 15-digit constants leave axis directions a hair off (180.00000000000006);
    // snap them so exact comparisons with 90 and 180 work downstream.
    double q = std::nearbyint(d / 90.0) * 90.0;
    if (std::fabs(d - q) <= 1e-9) d = q + 0.0;
    return d;
}

int ClockHourOf(const std::string& quadrant, const std::string& axis) {
    bool x = axis == "x";
    if (quadrant == "p") return x ? 2 : 1;
    if (quadrant == "s") return x ? 10 : 11;
    if (quadrant == "t") return x ? 8 : 7;
    if (quadrant == "c") return x ? 4 : 5;
    return 0;
}

HourAlpha ClockSector(double x, double y) {
    double d = num::VectorAngleDeg(x, y);
    // The 15-digit radian constant puts (1, 1) at 45.00000000000006: snap the
    // octant boundaries so they belong to the hours the table gives them.
    double q = std::nearbyint(d / 45.0) * 45.0;
    if (std::fabs(d - q) <= 1e-9) d = q + 0.0;
    if (d == 0) return {3, 0};
    if (d == 90) return {12, 0};
    if (d == 180 || d == -180) return {9, 0};
    if (d == -90) return {6, 0};
    if (d > 0 && d <= 45) return {2, d};
    if (d > 45 && d < 90) return {1, 90 - d};
    if (d > 90 && d <= 135) return {11, d - 90};
    if (d > 135 && d < 180) return {10, 180 - d};
    if (d >= -45 && d < 0) return {4, std::fabs(d)};
    if (d > -90 && d < -45) return {5, 90 - std::fabs(d)};
    if (d >= -135 && d < -90) return {7, std::fabs(d) - 90};
    if (d > -180 && d < -135) return {8, 180 - std::fabs(d)};
    return {0, 0};
}

std::string ClockDirectionPrefix(int hour, double angle) {
    rt::ExpectIndex(hour, 1, 12, "hour of the direction clock");
    static const char quad[13] = {' ', 'p', 'p', '0', 'c', 'c', '0', 't', 't', '0', 's', 's', '0'};
    static const char axis[13] = {' ', 'y', 'x', '0', 'x', 'y', '0', 'y', 'x', '0', 'x', 'y', '0'};
    if (quad[hour] == '0') {
        switch (hour) {
        case 3: return "h";
        case 6: return "v-";
        case 9: return "h-";
        default: return "v";
        }
    }
    return std::string(1, quad[hour]) + rt::NumberText(angle) + axis[hour] + ",";
}

}  // namespace vec
