#pragma once
// Small computations shared by the two vector parsers.
#include <string>

namespace vec {

// Magnitude of the vector of direction dirDeg whose x component (horizontal)
// or y component has the size comp. The tangent of a direction along the x
// axis (0, 180, -180) is taken as exactly 0, so a vertical component there is
// a division by zero (rt::RuntimeError) rather than an enormous magnitude.
double MagnitudeFromComponent(double comp, bool horizontal, double dirDeg);

// Components of the vector of magnitude mag and direction dirDeg; an
// overflow raises rt::RuntimeError.
struct PlaneXY {
    double x = 0, y = 0;
};
PlaneXY PolarToXY(double mag, double dirDeg);

// Direction and clock hour of a vector along an axis: x (3 or 9 o'clock)
// or y (12 or 6 o'clock), pointing the negative way or not.
struct AxisDirection {
    double dir = 0;
    int hour = 0;
};
AxisDirection AlongAxis(bool alongX, bool negative);

// Why the angle text of a quadrant part cannot be read, or nullptr when it
// is a number from 0 to 90.
const char* QuadrantAngleRefusal(const std::string& alpha);

}  // namespace vec
