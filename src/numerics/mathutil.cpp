#include "numerics/mathutil.h"

#include <cmath>

#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"

namespace num {

double SinDeg(double deg) { return std::sin(deg * kDegToRad); }
double CosDeg(double deg) { return std::cos(deg * kDegToRad); }
double TanDeg(double deg) { return rt::Checked(std::tan(deg * kDegToRad)); }

double ArcSinDeg(double x) {
    if (x == 1.0 || x == -1.0) return (x > 0 ? 1 : -1) * kHalfPi * kRadToDeg;
    double r = rt::Sqrt(1 - x * x);
    return std::atan(x / r) * kRadToDeg;
}

double ArcCosDeg(double x) {
    if (x == 1.0) return 0.0;
    if (x == -1.0) return 180.0;
    double r = rt::Sqrt(1 - x * x);
    return (kHalfPi - std::atan(x / r)) * kRadToDeg;
}

double ArcTanDeg(double x) { return std::atan(x) * kRadToDeg; }

double VectorAngleDeg(double x, double y) {
    if (std::fabs(x) < 1e-6) {
        if (y > 0) return 90.0;
        if (y < 0) return -90.0;
    }
    if (std::fabs(y) < 1e-6) {
        if (x > 0) return 0.0;
        if (x < 0) return 180.0;
        return 0.0;
    }
    double a = std::atan(y / x) * kRadToDeg;
    if (x > 0) return a;
    return y > 0 ? a + 180.0 : a - 180.0;
}

double Hypot(double a, double b) { return rt::Checked(std::sqrt(a * a + b * b)); }
double Sinh(double x) { return rt::Checked((std::exp(x) - std::exp(-x)) * 0.5); }
double Cosh(double x) { return rt::Checked((std::exp(-x) + std::exp(x)) * 0.5); }

double NormAngle(double deg) {
    if (deg >= -540 && deg <= -180) return deg + 360;
    if (deg > -180 && deg <= 180) return deg;
    if (deg > 180 && deg <= 540) return deg - 360;
    return 0.0;
}

bool IsNear(double a, double b, double tol) { return std::fabs(a - b) <= tol; }

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Scientific notation, blanks around allowed: [sign] digits[.digits] E [sign] digits.
bool IsScientific(std::string_view s) {
    std::string t = rt::Trim(s);
    size_t i = 0, n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    bool point = false;
    while (i < n && (IsDigit(t[i]) || (t[i] == '.' && !point))) {
        if (t[i] == '.')
            point = true;
        else
            ++digits;
        ++i;
    }
    if (digits == 0 || i >= n || t[i] != 'E') return false;
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    size_t ed = 0;
    while (i < n && IsDigit(t[i])) {
        ++i;
        ++ed;
    }
    return ed > 0 && i == n;
}
}  // namespace

bool IsNumber(std::string_view text) {
    // The minus sign U+2212 of the program's results is a minus.
    const std::string plain = rt::PlainMinus(text);
    const std::string_view s = plain;
    if (s.empty()) return false;
    if (s.find(',') != std::string_view::npos) return false;
    if (s.find('E') != std::string_view::npos) return IsScientific(s);
    if (s == "-" || s == "." || s == "+") return false;
    bool point = false;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (IsDigit(c)) continue;
        if ((c == '+' || c == '-') && i == 0) continue;
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        return false;
    }
    return true;
}

bool IsNumber(const rt::Variant& v) {
    if (v.IsNumber()) return IsNumber(rt::NumberText(v.Number()));
    if (v.IsText()) return IsNumber(v.Text());
    return IsNumber(v.ToText());
}

double MaxOfArray(double start, std::span<const rt::Variant> arr) {
    double m = start;
    for (const auto& e : arr) {
        double d = e.ToNumber();
        if (d > m) m = d;
    }
    return m;
}

double MinOfArray(double start, std::span<const rt::Variant> arr) {
    double m = start;
    for (const auto& e : arr) {
        double d = e.ToNumber();
        if (d < m) m = d;
    }
    return m;
}

double MaxOfArray(double start, std::span<const double> arr) {
    double m = start;
    for (double d : arr)
        if (d > m) m = d;
    return m;
}

double MinOfArray(double start, std::span<const double> arr) {
    double m = start;
    for (double d : arr)
        if (d < m) m = d;
    return m;
}

double MaxOfDoubles(std::span<const double> arr) {
    if (arr.empty()) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    double m = arr[0];
    for (size_t i = 1; i < arr.size(); ++i)
        if (arr[i] > m) m = arr[i];
    return m;
}

bool IsInArray(const rt::Variant& value, std::span<const rt::Variant> arr) {
    for (const auto& e : arr) {
        if (value.IsText() && e.IsText()) {
            if (value.Text() == e.Text()) return true;
        } else if (value.IsText() != e.IsText()) {
            continue;  // a text never equals a number here
        } else if (value.IsEmptyText() && e.IsEmptyText()) {
            return true;
        } else if (value.IsNumeric() && e.IsNumeric() && value.ToNumber() == e.ToNumber()) {
            return true;
        }
    }
    return false;
}

}  // namespace num
