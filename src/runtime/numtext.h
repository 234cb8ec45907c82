#pragma once
// The text forms of numbers used across the program.
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// General text form of a double: at most 15 significant digits, no trailing
// zeros, "." as decimal point, a plain "-" for negatives, "0" for either zero,
// and the exponent form ("1E-05", "1.23456789012346E+17") when the decimal
// exponent is below -4 or above 14. Infinite or NaN values raise Overflow.
std::string NumberText(double x);

// Text of x rounded to `decimals` places (halves to even), in the general form.
std::string RoundedText(double x, int decimals);

// Lenient numeric test of the runtime: blanks around the text are allowed, an
// optional sign, digits with at most one point (at least one digit), and an
// optional exponent "E"/"e"/"D"/"d" with optional sign and digits.
bool IsNumeric(std::string_view s);

// Converts a text with the lenient grammar above; anything else (including
// the empty text) raises TypeMismatch. Overflow raises Overflow.
double TextToNumber(std::string_view s);

// Parses the lenient grammar; std::nullopt when the text is not a number.
std::optional<double> TryTextToNumber(std::string_view s);

// A field that holds one number, as the student types it: blanks around, an
// optional sign, digits with at most one decimal separator ("." or the
// comma of Spanish habits) and an optional exponent "e" or "E" with an
// optional sign and digits. Gives the number in the program's own text
// ("2,5" -> "2.5", "1e-3" -> "1E-3"), which every reader of numbers takes;
// std::nullopt for any other text (a formula, a relational datum, "").
std::optional<std::string> SingleNumberText(std::string_view s);

// The number such a field holds; std::nullopt as above. A number too large
// for a double raises Overflow.
std::optional<double> ReadSingleNumber(std::string_view s);

// What a refusal of typed numbers adds when the text holds a comma between
// two digits: it is most likely the decimal comma of Spanish habits, where
// the program wants a point (or a comma separates items).
inline constexpr const char kDecimalCommaHint[] =
    "Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).";
// Some comma of the text stands right between two digits ("4,5").
bool HasCommaBetweenDigits(std::string_view s);

// The message of a refused text, with the decimal-comma hint after it when
// the text has a comma between digits.
std::string WithDecimalCommaHint(std::string message, std::string_view typed);

// A message with one more sentence after it: a message that does not end
// with a full stop gets one first.
std::string AppendSentence(std::string message, std::string_view sentence);

// Val: the number at the start of the text (blanks skipped), 0 when none.
double Val(std::string_view s);

// Trims blanks (spaces and tabs) on both sides.
std::string Trim(std::string_view s);

}  // namespace rt
