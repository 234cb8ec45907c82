#include "vectors/text.h"

namespace vec::text {

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Length in bytes of the character starting at s[0].
std::size_t FirstLen(std::string_view s) {
    if (s.empty()) return 0;
    std::size_t i = 1;
    while (i < s.size() && IsContinuation(s[i])) ++i;
    return i;
}

// Byte offset where the last character starts.
std::size_t LastStart(std::string_view s) {
    if (s.empty()) return 0;
    std::size_t i = s.size() - 1;
    while (i > 0 && IsContinuation(s[i])) --i;
    return i;
}
}  // namespace

std::size_t CharCount(std::string_view s) {
    if (s.empty()) return 0;
    std::size_t n = 1;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (!IsContinuation(s[i])) ++n;
    return n;
}

std::string_view FirstChar(std::string_view s) { return s.substr(0, FirstLen(s)); }
std::string_view LastChar(std::string_view s) { return s.substr(LastStart(s)); }
std::string_view AfterFirst(std::string_view s) { return s.substr(FirstLen(s)); }
std::string_view BeforeLast(std::string_view s) { return s.substr(0, LastStart(s)); }

std::string_view Between(std::string_view s) {
    if (CharCount(s) < 3) return {};
    std::size_t b = FirstLen(s), e = LastStart(s);
    return s.substr(b, e - b);
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE are the lower-case Latin-1 letters (but U+00F7, the
            // division sign); their capitals lie 0x20 below.
            unsigned char d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        }
    }
    return out;
}

std::string UpperFirst(std::string_view s) {
    std::string_view first = FirstChar(s);
    return Upper(first) + std::string(s.substr(first.size()));
}

std::string_view WithoutLeadingMinus(std::string_view s) {
    if (!s.empty() && s[0] == '-') return s.substr(1);
    return s;
}

}  // namespace vec::text
