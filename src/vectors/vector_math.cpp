#include "vectors/vector_math.h"

#include <cmath>
#include <optional>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "vectors/notation.h"

namespace vec {

double MagnitudeFromComponent(double comp, bool horizontal, double dirDeg) {
    double t = (dirDeg == 0 || std::fabs(dirDeg) == 180) ? 0.0 : num::TanDeg(dirDeg);
    if (horizontal) return num::Hypot(comp, rt::Mul(comp, t));
    return num::Hypot(rt::Div(comp, t), comp);
}

PlaneXY PolarToXY(double mag, double dirDeg) {
    return {rt::Checked(mag * num::CosDeg(dirDeg)), rt::Checked(mag * num::SinDeg(dirDeg))};
}

AxisDirection AlongAxis(bool alongX, bool negative) {
    if (alongX) return negative ? AxisDirection{180.0, 9} : AxisDirection{0.0, 3};
    return negative ? AxisDirection{-90.0, 6} : AxisDirection{90.0, 12};
}

const char* QuadrantAngleRefusal(const std::string& alpha) {
    const std::optional<double> typed = ReadVectorNumber(alpha);
    if (!typed) return msg::kAngleMustBeKnown;
    const double angle = *typed;
    if (angle < 0) return msg::kAngleMustBePositive;
    if (angle > 90) return msg::kAngleOutOfQuadrant;
    return nullptr;
}

}  // namespace vec
