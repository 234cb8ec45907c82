#pragma once
// Rounding rules of the runtime: exact halves go to the even neighbour
// (Round, integer conversions, integer division and MOD); Int is the floor.
#include <cstdint>

namespace rt {

// x rounded to `decimals` places, halves to even. decimals < 0 is invalid.
double RoundHalfEven(double x, int decimals = 0);

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
