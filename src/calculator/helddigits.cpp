#include "calculator/helddigits.h"

#include <cmath>

#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

// x rounded to `decimals` places; a negative count rounds to tens,
// hundreds, ... (2E12 to -1 places is a multiple of 10), which the runtime's
// rounding does not take.
double RoundToPlace(double x, int decimals) {
    if (decimals >= 0 && decimals <= 15) return rt::RoundHalfEven(x, decimals);
    const double unit = std::pow(10.0, -decimals);
    const double scaled = x / unit;
    // Beyond 2^53 every double is a whole number: nothing left to round.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e15) return x;
    return rt::RoundHalfEven(scaled) * unit + 0.0;
}

}  // namespace

double RoundSignificant(double s, int digits) {
    if (s == 0 || !std::isfinite(s) || digits > 15) return s;
    const int decimals = digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(s))));
    return RoundToPlace(s, decimals);
}

double RoundToError(double x, double error) {
    if (!(error > 0) || !std::isfinite(error) || !std::isfinite(x)) return x;
    const int decimals = -static_cast<int>(std::ceil(std::log10(2 * error)));
    // A place below the value's own 15 significant digits changes nothing.
    if (x != 0 && decimals > 14 - static_cast<int>(std::floor(std::log10(std::fabs(x))))) return x;
    return RoundToPlace(x, decimals);
}

std::string HeldText(double x, double error) { return rt::NumberText(RoundToError(x, error)); }

}  // namespace calc
