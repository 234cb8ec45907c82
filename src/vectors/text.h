#pragma once
// Character-level helpers for the vector notation. Texts are UTF-8; a
// "character" is one code point, so a symbol such as "Ñ1" counts two.
// Bytes that do not form valid UTF-8 count one character per lead byte and
// never make these helpers read outside the text.
#include <cstddef>
#include <string>
#include <string_view>

namespace vec::text {

std::size_t CharCount(std::string_view s);
// First / last character (empty for an empty text).
std::string_view FirstChar(std::string_view s);
std::string_view LastChar(std::string_view s);
// Everything after the first character.
std::string_view AfterFirst(std::string_view s);
// Everything but the last character.
std::string_view BeforeLast(std::string_view s);
// Everything between the first and the last character (empty when the text
// has fewer than three characters).
std::string_view Between(std::string_view s);
// Upper case of the ASCII and Latin-1 letters (á -> Á, ñ -> Ñ); the rest as is.
std::string Upper(std::string_view s);
// The first character in upper case, the rest as is.
std::string UpperFirst(std::string_view s);
// Leading "-" removed, if any.
std::string_view WithoutLeadingMinus(std::string_view s);

}  // namespace vec::text
