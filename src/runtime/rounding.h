#pragma once
// Rounding rules of the runtime: exact halves go to the even neighbour
// (Round, integer conversions, integer division and MOD); Int is the floor.
#include <cstdint>

namespace rt {

// x rounded to `decimals` places, halves to even. decimals < 0 is invalid.
double RoundHalfEven(double x, int decimals = 0);
// x rounded to any decimal place, halves to even: a negative count rounds to
// tens, hundreds, ... (2E12 to -1 places), a count above 15 to places
// RoundHalfEven does not take (7.86E-08 to 10 places). A value with nothing
// left to round there, or not finite, comes back as it is.
double RoundToPlace(double x, int decimals);
// x rounded to `digits` significant digits, whatever its size: 2E12 keeps
// its 12 digits as well as 2E-12. 0, a count above 15 and a value that is
// not finite come back as they are.
double RoundSignificant(double x, int digits);

double IntFloor(double x);  // Int: the greatest integer <= x
double Fix(double x);       // truncation toward zero

// Conversions to 16- and 32-bit integers, halves to even; out of range
// raises Overflow.
int16_t CInt(double x);
int32_t CLng(double x);

// Integer division a \ b: both rounded to integers (halves to even), then
// divided with truncation. b rounding to 0 raises DivisionByZero.
double IntDiv(double a, double b);
// a MOD b: both rounded to integers, remainder with the sign of a.
double Mod(double a, double b);

// Sign: -1, 0 or 1.
int Sgn(double x);

}  // namespace rt
