#pragma once
// Small text helpers of the rigid-body code (UTF-8 texts).
#include <string>
#include <string_view>
#include <vector>

namespace rigid {

// The characters (code points) of a text, one string each.
std::vector<std::string> Chars(std::string_view s);
// Upper case of the ASCII and Latin-1 letters.
std::string UpperText(std::string_view s);
// Blanks trimmed on both sides.
std::string TrimText(std::string_view s);
// True when every character is a letter A to Z (upper case only).
bool AllAtoZ(std::string_view s);
// The message of a command the model refuses.
inline constexpr char kCommandError[] = "Error en el comando.";
// Whether the ASCII character c occurs in s.
inline bool Has(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

}  // namespace rigid
