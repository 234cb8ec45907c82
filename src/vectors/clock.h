#pragma once
// Clock-hour geometry: a plane direction written as an hour of a clock face
// (3 = +x, 12 = +y, 9 = -x, 6 = -y) and an acute angle from the hour's
// reference axis.
#include <string>

namespace vec {

struct HourAlpha {
    int hour = 0;
    double alpha = 0.0;
};

// Direction in (-180, 180] (degrees, or radians when inDegrees is false) of
// an hour and acute angle. A result within 1E-9 degrees of a multiple of 90
// is returned exactly. An hour outside 1..12 raises SubscriptOutOfRange.
double AngleFromClock(int hour, double alpha, bool inDegrees = true);
// Hour of a quadrant letter ("p", "s", "t", "c") and axis letter ("x", or any
// other text for y); 0 for an unknown quadrant letter.
int ClockHourOf(const std::string& quadrant, const std::string& axis);
// Hour and acute angle of the vector (x, y).
HourAlpha ClockSector(double x, double y);
// Beginning of a vector text for an hour and angle: "p23x," or "h", "v-", ...
// The hour is the one the clock gave: outside 1..12 it is a program fault.
std::string ClockDirectionPrefix(int hour, double angle);

}  // namespace vec
