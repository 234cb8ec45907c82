#pragma once
// Small computations shared by the two vector parsers.

namespace vec {

// Magnitude of the vector of direction dirDeg whose x component (horizontal)
// or y component has the size comp. The tangent of a direction along the x
// axis (0, 180, -180) is taken as exactly 0, so a vertical component there is
// a division by zero (rt::RuntimeError) rather than an enormous magnitude.
double MagnitudeFromComponent(double comp, bool horizontal, double dirDeg);

}  // namespace vec
