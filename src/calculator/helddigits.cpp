#include "calculator/helddigits.h"

#include <cmath>

#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

double RoundToError(double x, double error) {
    if (!(error > 0) || !std::isfinite(error) || !std::isfinite(x)) return x;
    const int decimals = -static_cast<int>(std::ceil(std::log10(2 * error)));
    // A place below the value's own 15 significant digits changes nothing.
    if (x != 0 && decimals > 14 - static_cast<int>(std::floor(std::log10(std::fabs(x))))) return x;
    return rt::RoundToPlace(x, decimals);
}

std::string HeldText(double x, double error) { return rt::NumberText(RoundToError(x, error)); }

}  // namespace calc
