#pragma once
// Symbol and term routines of statics: a typed term such as "-2F1" split into
// coefficient and symbol, and the texts shown for a coefficient times a
// symbol in the force tables, on arrows and in equation lines.
// A symbol is one letter followed by at most two subscript characters.
#include <string>
#include <string_view>
#include <vector>

#include "runtime/variant.h"

namespace vec {

struct SignedCoef {
    double coef = 1.0;
    std::string symbol;
};

// Splits a term into its leading coefficient ("-", "." and digits; "-" alone
// is -1, nothing is 1) and its symbol (the rest, trimmed). The symbol's first
// letter is made upper case unless it is a lower-case "f". A "+" is not a
// coefficient character: "+F" gives (1, "+F"). A coefficient that does not
// convert ("1.2.3F") raises rt::RuntimeError.
SignedCoef ParseSignedCoef(std::string_view term);

// Plain text of x times s for the force tables: "0" when |x| <= 1E-08, "-T"
// for -1, "T" for 1, otherwise x rounded to `decimals` places, a blank and s
// ("0.866 F").
std::string FormatCoefSymbol(double x, std::string_view s, int decimals = 3);

// Formula markup of |a| times the symbol b, subscripts marked with "!":
// (-2, "F1") -> "2F!1", (1, "fx") -> "f!x", (3, "RAB") -> "3R!A!B",
// (1, "cos Q1") -> " cos Q!1". The sign of a is left to the caller. Empty
// when b has no form it knows (four or more characters without "cos"/"sen").
std::string FormatTrigTerm(double a, std::string_view b);

// Keeps the first occurrence of every entry (compared as text, regardless of
// letter case), moved to the front in the order first met; the places after
// them become the empty text and the array keeps its size. Returns the number
// of distinct entries.
int DedupeArray(std::vector<rt::Variant>& arr);
int DedupeArray(std::vector<std::string>& arr);

}  // namespace vec
