#include "text/markup.h"

#include <array>
#include <optional>

#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace text {

namespace {

constexpr std::array<rt::ColorRef, 16> kPalette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x000080, 0x008000,
                                                   0x800000, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x808000, 0x800080,
                                                   0x008080, 0x0080FF, 0x004080, 0x004080};

struct SymbolCode {
    std::u16string_view code;
    char16_t symbol;
};

constexpr std::array<SymbolCode, 27> kSymbolCodes = {{
    {u"meig", 163}, {u"maig", 179}, {u"suma", 229}, {u"punt", 215}, {u"infi", 165}, {u"nabl", 209}, {u"esca", 183},
    {u"fldo", 171}, {u"fliz", 172}, {u"flar", 173}, {u"flde", 174}, {u"flab", 175}, {u"grad", 176}, {u"mame", 177},
    {u"prop", 181}, {u"dife", 185}, {u"iden", 186}, {u"apro", 187}, {u"divi", 184}, {u"elem", 206}, {u"nele", 207},
    {u"impl", 222}, {u"abso", 231}, {u"angu", 208}, {u"cruz", 180}, {u"reto", 191}, {u"cora", 170},
}};

constexpr char16_t kSlash = u'/';
constexpr char16_t kBackslash = u'\\';
constexpr char16_t kHash = u'#';
constexpr char16_t kSub = u'!';
constexpr char16_t kSup = u'\u00A1';
constexpr char16_t kSymbol = u';';
constexpr char16_t kBold = u'$';

constexpr int kSubOffset = -45;
constexpr int kSupOffset = 60;

bool IsMarker(char16_t c) {
    return c == kSlash || c == kBackslash || c == kHash || c == kSub || c == kSup || c == kSymbol || c == kBold;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Length in code units of the character at i: a surrogate pair is one
// character.
size_t CharLen(std::u16string_view s, size_t i) {
    if (i + 1 < s.size() && s[i] >= 0xD800 && s[i] <= 0xDBFF && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) return 2;
    return 1;
}

// Length in code units of up to `count` characters from i.
size_t CharsLen(std::u16string_view s, size_t i, int count) {
    size_t j = i;
    for (int k = 0; k < count && j < s.size(); ++k) j += CharLen(s, j);
    return j - i;
}

// Style of the "/" and "\" runs: it carries over to a "/" run whose code
// character is not in the table.
struct RunStyle {
    bool bold = false, underline = false, italic = false;
    int color = 0;
};

void ApplySlashCode(char16_t c, RunStyle& st) {
    if (IsDigit(c)) {
        st = {false, false, false, c - u'0'};
        return;
    }
    if (c >= u'A' && c <= u'F') {
        st = {false, false, false, 10 + (c - u'A')};
        return;
    }
    switch (c) {
    case u't': st = {true, false, false, 5}; break;
    case u'g': st = {false, false, true, 3}; break;
    case u'c': st = {true, false, false, 4}; break;
    case u'o': st = {false, false, false, 1}; break;
    case u'p': st = {true, true, false, 13}; break;
    case u'n': st = {false, true, false, 11}; break;
    case u'b': st = {true, false, false, 0}; break;
    case u'i': st = {false, false, true, 0}; break;
    case u'u': st = {false, true, false, 0}; break;
    default: break;  // keeps the previous run's style
    }
}

// The four code characters of a "\" run, or nothing when malformed.
std::optional<RunStyle> BackslashCode(std::u16string_view code) {
    if (code.size() != 4) return std::nullopt;
    for (int k = 0; k < 3; ++k)
        if (!IsDigit(code[k])) return std::nullopt;
    int color;
    if (IsDigit(code[3]))
        color = code[3] - u'0';
    else if (code[3] >= u'A' && code[3] <= u'F')
        color = 10 + (code[3] - u'A');
    else
        return std::nullopt;
    return RunStyle{code[0] == u'1', code[1] == u'1', code[2] == u'1', color};
}

MarkupFormat RunFormat(const RunStyle& st) {
    MarkupFormat f;
    f.bold = st.bold;
    f.underline = st.underline;
    f.italic = st.italic;
    f.color = kPalette[static_cast<size_t>(st.color)];
    return f;
}

// Collects characters into runs, merging neighbours of one format.
class Emitter {
public:
    void Add(std::u16string_view chars, const MarkupFormat& f) {
        if (chars.empty()) return;
        if (runs_.empty() || !(runs_.back().format == f)) runs_.push_back(MarkupRun{{}, f});
        runs_.back().text.append(chars);
    }
    std::vector<MarkupRun> Take() { return std::move(runs_); }

private:
    std::vector<MarkupRun> runs_;
};

std::optional<std::string> Ascii(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char16_t c : s) {
        if (c >= 0x80) return std::nullopt;
        out.push_back(static_cast<char>(c));
    }
    return out;
}

}  // namespace

rt::ColorRef MarkupColor(int index) {
    rt::ExpectIndex(index, 0, 15, "markup palette");
    return kPalette[static_cast<size_t>(index)];
}

char16_t SymbolChar(std::u16string_view code) {
    if (const auto ascii = Ascii(code); ascii && rt::IsNumeric(*ascii)) {
        const int32_t n = rt::CLng(rt::TextToNumber(*ascii));
        if (n < 0 || n > 255) rt::Raise(rt::ErrorCode::InvalidCall);
        return static_cast<char16_t>(n);
    }
    for (const SymbolCode& s : kSymbolCodes)
        if (s.code == code) return s.symbol;
    return 0;
}

ParsedMarkup ParseMarkup(std::u16string_view s) {
    ParsedMarkup result;
    Emitter out;
    RunStyle style;
    // Format of the character at i, set by a one-character marker just
    // before it. That character is scanned again: when it is itself a
    // marker, it is removed and the format goes with it.
    MarkupFormat pending;
    const MarkupFormat plain;
    const size_t n = s.size();
    size_t i = 0;

    // A doubled marker: the marker character, then the character after it,
    // both literal.
    auto doubled = [&](size_t at) {
        out.Add(s.substr(at, 1), plain);
        size_t j = at + 1;
        if (j < n) {
            const size_t len = CharLen(s, j);
            out.Add(s.substr(j, len), plain);
            j += len;
        }
        return j;
    };
    // A run from `from` up to the closing marker (or the end of the text),
    // which is removed.
    auto run = [&](size_t from, char16_t close, const MarkupFormat& f) {
        size_t end = s.find(close, from);
        if (end == std::u16string_view::npos) end = n;
        out.Add(s.substr(from, end - from), f);
        return end < n ? end + 1 : n;
    };
    auto stop = [&](size_t from, std::u16string_view firstChars, const MarkupFormat& f) {
        out.Add(firstChars, f);
        out.Add(s.substr(from), plain);
        result.complete = false;
    };

    while (i < n) {
        const char16_t c = s[i];
        if (!IsMarker(c)) {
            // This character in its format, then plain text up to the next
            // marker.
            const size_t len = CharLen(s, i);
            out.Add(s.substr(i, len), pending);
            pending = plain;
            i += len;
            size_t j = i;
            while (j < n && !IsMarker(s[j])) ++j;
            out.Add(s.substr(i, j - i), plain);
            i = j;
            continue;
        }
        pending = plain;  // the marker is removed with its format
        ++i;
        if (i >= n) break;  // a marker at the end has nothing to act on
        const char16_t next = s[i];
        if (next == c) {
            i = doubled(i);
            continue;
        }
        switch (c) {
        case kSlash: {
            const size_t len = CharLen(s, i);
            if (len == 1) ApplySlashCode(next, style);
            i = run(i + len, kSlash, RunFormat(style));
            break;
        }
        case kBackslash: {
            const size_t len = CharsLen(s, i, 4);
            const std::u16string_view code = s.substr(i, len);
            const auto st = BackslashCode(code);
            if (!st) {
                stop(i + len, {}, plain);
                result.runs = out.Take();
                return result;
            }
            style = *st;
            i = run(i + len, kBackslash, RunFormat(style));
            break;
        }
        case kSub:
        case kSup: {
            const bool digit = IsDigit(next);
            if (digit && c == kSub) {
                // An index is lowered whole: "x!12" is x with the index 12.
                size_t end = i;
                while (end < n && IsDigit(s[end])) ++end;
                MarkupFormat index;
                index.font = MarkupFont::Times;
                index.size = 7;
                index.offsetTwips = kSubOffset;
                out.Add(s.substr(i, end - i), index);
                i = end;
                break;
            }
            pending.font = digit ? MarkupFont::Times : MarkupFont::Base;
            pending.size = digit ? 7 : 8;
            pending.offsetTwips = c == kSub ? kSubOffset : kSupOffset;
            break;
        }
        case kSymbol: pending.font = MarkupFont::Symbol; break;
        case kBold: pending.bold = true; break;
        case kHash: {
            const size_t len = CharsLen(s, i, 4);
            const std::u16string_view code = s.substr(i, len);
            MarkupFormat sym;
            sym.font = MarkupFont::Symbol;
            char16_t ch;
            try {
                ch = SymbolChar(code);
            } catch (const rt::RuntimeError&) {
                stop(i + len, code, sym);
                result.runs = out.Take();
                return result;
            }
            out.Add(std::u16string_view(&ch, 1), sym);
            i += len;
            break;
        }
        default: break;
        }
    }
    result.runs = out.Take();
    return result;
}

}  // namespace text
