#include "vectors/vector_math.h"

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"

namespace vec {

double MagnitudeFromComponent(double comp, bool horizontal, double dirDeg) {
    double t = (dirDeg == 0 || std::fabs(dirDeg) == 180) ? 0.0 : num::TanDeg(dirDeg);
    if (horizontal) return num::Hypot(comp, rt::Mul(comp, t));
    return num::Hypot(rt::Div(comp, t), comp);
}

}  // namespace vec
