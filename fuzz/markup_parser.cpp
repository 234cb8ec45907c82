// The formula markup parser alone, without Qt, so that it runs at the
// parser's own speed (the markup target adds the document and the picture).
// Input: raw UTF-16 code units (lone surrogates included), then the same
// bytes read as UTF-8 with line breaks made "\n". The converted text is
// never longer than the markup, its runs are never empty nor equal to their
// neighbour, and every format is one the markup can give.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "markup_check.h"
#include "text/markup.h"

namespace {

using fuzzcheck::CheckParsed;
using fuzzcheck::Require;

// UTF-8 to UTF-16 as the program's text boxes give it: each malformed byte
// becomes U+FFFD, "\r\n" and "\r" become "\n".
std::u16string FromUtf8(std::string_view s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        bool ok = n > 0 && i + n <= s.size();
        for (size_t k = 1; ok && k < n; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            ok = (d >> 6) == 2;
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && cp >= kLeast[n] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (!ok) {
            out.push_back(u'\xFFFD');
            ++i;
            continue;
        }
        i += n;
        if (cp == U'\r') {
            if (i < s.size() && s[i] == '\n') ++i;
            cp = U'\n';
        }
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    CheckParsed(text::ParseMarkup(units), units.size());

    const std::u16string text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckParsed(text::ParseMarkup(text), text.size());
    return 0;
}
