#pragma once
// The minus sign U+2212 that the program prints in its results, read back
// as a minus wherever numbers are read (TryTextToNumber, SingleNumberText,
// Val, the strict number test and the formula language all take it).
#include <string>
#include <string_view>

namespace rt {

// The text with every minus sign U+2212 written as the plain "-".
std::string PlainMinus(std::string_view s);

}  // namespace rt
