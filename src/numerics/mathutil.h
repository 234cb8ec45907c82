#pragma once
// Degree trigonometry and the small numeric helpers used everywhere.
// None of them traps errors: a domain fault raises rt::RuntimeError.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/variant.h"

namespace num {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130824;
inline constexpr double kHalfPi = 1.5707963267949;

double SinDeg(double deg);
double CosDeg(double deg);
double TanDeg(double deg);
double ArcSinDeg(double x);  // |x| > 1 raises
double ArcCosDeg(double x);  // |x| > 1 raises
double ArcTanDeg(double x);
// Direction of (x, y) in degrees, in (-180, 180]; components below 1E-06
// count as zero.
double VectorAngleDeg(double x, double y);
double Hypot(double a, double b);
double Sinh(double x);
double Cosh(double x);
// The same direction in (-180, 180] for -540 <= deg <= 540; 0 outside.
double NormAngle(double deg);
// |a - b| <= tol, inclusive.
bool IsNear(double a, double b, double tol);
// Strict test of a number as users type it (see the implementation notes).
bool IsNumber(std::string_view s);
inline bool IsNumber(const std::string& s) { return IsNumber(std::string_view(s)); }
inline bool IsNumber(const char* s) { return IsNumber(std::string_view(s)); }
bool IsNumber(const rt::Variant& v);
// Greatest/smallest of start and the elements (Empty counts as 0).
double MaxOfArray(double start, std::span<const rt::Variant> arr);
double MinOfArray(double start, std::span<const rt::Variant> arr);
double MaxOfArray(double start, std::span<const double> arr);
double MinOfArray(double start, std::span<const double> arr);
// Greatest of the elements given (callers pass the part from index 1 on);
// an empty span raises SubscriptOutOfRange.
double MaxOfDoubles(std::span<const double> arr);
// True when some element equals value: numbers as numbers, texts exactly.
bool IsInArray(const rt::Variant& value, std::span<const rt::Variant> arr);

}  // namespace num
