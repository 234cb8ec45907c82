#pragma once
// Values rounded to the digits that hold: a number of significant digits,
// or the decimal place that an error bound leaves sure. Plain arithmetic,
// no widgets; the texts come from rt::NumberText.
#include <string>

namespace calc {

// x rounded to the last decimal place that an absolute error of at most
// `error` leaves sure: the place whose unit is at least twice the error, so
// the digit shown there is off by at most one. An error of 0 or less, or not
// finite, leaves x as it is; a value smaller than the error becomes 0.
double RoundToError(double x, double error);

// The general text of RoundToError(x, error).
std::string HeldText(double x, double error);

}  // namespace calc
