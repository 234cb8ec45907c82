#pragma once
// The reverse-Polish calculator of the expression box: blank-separated
// tokens, operands before operators, a fixed stack of 30 values, and
// trigonometry always in degrees whatever angle unit the formulas use.
//
// The evaluator is plain computation: it shows nothing itself. When a text
// deserves a message box, the result carries its text and title and the
// caller shows it before it shows the result.
#include <string>
#include <string_view>

#include "runtime/variant.h"

namespace calc {

inline constexpr int kRpnMaxTokens = 30;
inline constexpr int kRpnStackSize = 30;

// The result text of every refused or failed evaluation.
inline constexpr std::string_view kRpnError = "Error en la expresión NPI.";
// Message and title for a character of the infix notation.
inline constexpr std::string_view kRpnStrangeChar =
    "Literal extraña en la expresión (Estás en notación polaca inversa).";
inline constexpr std::string_view kRpnStrangeCharTitle = "Tel";
// Message and title for a word the language does not know.
inline constexpr std::string_view kRpnUnknownToken = "Error en la expresión.";
inline constexpr std::string_view kRpnUnknownTokenTitle = "Teluvar";

struct RpnResult {
    bool ok = false;
    double value = 0;          // finite; meaningful when ok
    std::string message;       // a message box to show first, "" for none
    std::string messageTitle;  // its title

    // The value as a number, or the error text.
    rt::Variant Value() const;
    // The value in the general number form, or the error text.
    std::string Text() const;
};

// Evaluates a line (UTF-8). The value is the result of the last operation;
// a line that performs none (numbers and "pi" only) gives the value on top
// of the stack.
RpnResult EvalRPN(std::string_view text);

}  // namespace calc
