#include "runtime/rounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "runtime/errors.h"

namespace rt {

namespace {
double NearestEven(double x) {
    // nearbyint rounds halves to even in the default rounding mode.
    return std::nearbyint(x);
}
}  // namespace

double RoundHalfEven(double x, int decimals) {
    Checked(x);
    if (decimals < 0) Raise(ErrorCode::InvalidCall);
    if (decimals == 0) return NearestEven(x) + 0.0;
    if (decimals > 15) return x;
    // Scale through the decimal text of x so that values like 2.675 round as
    // the digits they are written with, not as their binary neighbours.
    double scale = std::pow(10.0, decimals);
    double scaled = x * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e15) return x;
    // The shortest exact conversions there are: this runs for every value a
    // step or bar function compares, thousands of times in a graph.
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, scaled, std::chars_format::general, 15);
    double s = scaled;
    std::from_chars(buf, written.ptr, s);
    double r = NearestEven(s) / scale;
    return r + 0.0;  // no negative zero
}

double RoundToPlace(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    if (decimals >= 0 && decimals <= 15) return RoundHalfEven(x, decimals);
    const double unit = std::pow(10.0, -decimals);
    const double scaled = x / unit;
    // Beyond 2^53 every double is a whole number: nothing left to round.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e15) return x;
    return NearestEven(scaled) * unit + 0.0;
}

double RoundSignificant(double x, int digits) {
    if (x == 0 || !std::isfinite(x) || digits > 15) return x;
    return RoundToPlace(x, digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x)))));
}

double IntFloor(double x) { return std::floor(Checked(x)) + 0.0; }
double Fix(double x) { return std::trunc(Checked(x)) + 0.0; }

int16_t CInt(double x) {
    double r = NearestEven(Checked(x));
    if (r < -32768.0 || r > 32767.0) Raise(ErrorCode::Overflow);
    return static_cast<int16_t>(r);
}

int32_t CLng(double x) {
    double r = NearestEven(Checked(x));
    if (r < -2147483648.0 || r > 2147483647.0) Raise(ErrorCode::Overflow);
    return static_cast<int32_t>(r);
}

double IntDiv(double a, double b) {
    int32_t ia = CLng(a), ib = CLng(b);
    if (ib == 0) Raise(ErrorCode::DivisionByZero);
    if (ia == std::numeric_limits<int32_t>::min() && ib == -1) Raise(ErrorCode::Overflow);
    return static_cast<double>(ia / ib);
}

double Mod(double a, double b) {
    int32_t ia = CLng(a), ib = CLng(b);
    if (ib == 0) Raise(ErrorCode::DivisionByZero);
    if (ib == -1) return 0.0;
    return static_cast<double>(ia % ib);
}

int Sgn(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

}  // namespace rt
