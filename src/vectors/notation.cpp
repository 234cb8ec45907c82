#include "vectors/notation.h"

#include <algorithm>

#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "vectors/text.h"

namespace vec {

std::string_view FormatName(VectorFormat f) {
    switch (f) {
    case VectorFormat::QuadrantComponent: return "cAe,C";
    case VectorFormat::QuadrantMagnitude: return "cAe,M";
    case VectorFormat::Components: return "Fx,Fy";
    case VectorFormat::MagnitudeDirection: return "M<D";
    case VectorFormat::AlongX: return "hCx";
    case VectorFormat::AlongY: return "vCy";
    case VectorFormat::Unit: return "uD";
    case VectorFormat::None: break;
    }
    return "";
}

namespace {
// The first two pieces of s split at sep, each trimmed.
std::pair<std::string, std::string> FirstTwoPieces(std::string_view s, char sep) {
    std::size_t a = s.find(sep);
    std::string_view first = s.substr(0, a);
    std::string_view rest = a == std::string_view::npos ? std::string_view() : s.substr(a + 1);
    std::size_t b = rest.find(sep);
    return {rt::Trim(first), rt::Trim(rest.substr(0, b))};
}

bool IsQuadrantLetter(std::string_view c) { return c == "p" || c == "s" || c == "t" || c == "c"; }
}  // namespace

std::optional<std::string> VectorNumberText(std::string_view part) {
    const std::string t = rt::PlainMinus(part);
    if (t.find(',') != std::string::npos) return std::nullopt;
    return rt::SingleNumberText(t);
}

std::optional<double> ReadVectorNumber(std::string_view part) {
    const auto t = VectorNumberText(part);
    if (!t) return std::nullopt;
    return rt::TextToNumber(*t);
}

std::string AsciiLower(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string RefusalText(std::string message, std::string_view text, bool lowerCaseReads) {
    const std::size_t comma = text.find(',');
    const bool twoNumbers = comma != std::string_view::npos && text.find(',', comma + 1) == std::string_view::npos &&
                            VectorNumberText(text.substr(0, comma)) && VectorNumberText(text.substr(comma + 1));
    if (!twoNumbers) message = rt::WithDecimalCommaHint(std::move(message), text);
    if (lowerCaseReads && AsciiLower(text) != text) message = rt::AppendSentence(std::move(message), kLowerCaseHint);
    return message;
}

bool IsNumberWithBlank(std::string_view part) {
    const std::string t = rt::Trim(part);
    if (t.find_first_of(" \t") == std::string::npos || VectorNumberText(t)) return false;
    std::string joined;
    for (char c : t)
        if (c != ' ' && c != '\t') joined += c;
    return VectorNumberText(joined).has_value();
}

VectorFormatInfo IdentifyVectorFormat(std::string_view typed) {
    const std::string plain = rt::PlainMinus(typed);
    std::string_view text = plain;
    VectorFormatInfo r;
    bool comma = text.find(',') != std::string_view::npos;
    bool semicolon = text.find(';') != std::string_view::npos;
    bool less = text.find('<') != std::string_view::npos;
    if (!text.empty() && text.back() == ':') {
        text.remove_suffix(1);
        r.noColon = false;
    }
    if ((comma && semicolon) || (comma && less) || (semicolon && less)) {
        r.errMsg = msg::kBadFormat;
        return r;
    }
    // Every separated format has two parts: a third one is a typing slip
    // (two vectors run together, as in 3,41,2), never something to ignore.
    const char sep = comma ? ',' : semicolon ? ';' : '<';
    if (std::count(text.begin(), text.end(), sep) > 1) {
        r.errMsg = msg::kBadFormat;
        return r;
    }
    if (comma) {
        auto [p1, p2] = FirstTwoPieces(text, ',');
        r.part1 = p1;
        r.part2 = p2;
        r.part3 = std::string(text::FirstChar(p1));
        r.part4 = std::string(text::LastChar(p1));
        if (text::CharCount(p1) >= 3 && IsQuadrantLetter(r.part3) && (r.part4 == "x" || r.part4 == "y")) {
            std::string_view last = text::LastChar(p2);
            // The size is written right before its letter: "9 h" is no size.
            const std::string_view size = text::BeforeLast(p2);
            bool component = (last == "h" || last == "v") && size == rt::Trim(size) && VectorNumberText(size);
            r.format = component ? VectorFormat::QuadrantComponent : VectorFormat::QuadrantMagnitude;
        } else {
            r.format = VectorFormat::Components;
        }
    } else if (semicolon || less) {
        auto [p1, p2] = FirstTwoPieces(text, semicolon ? ';' : '<');
        r.part1 = p1;
        r.part2 = p2;
        r.format = VectorFormat::MagnitudeDirection;
    } else if (!text.empty()) {
        switch (text.front()) {
        case 'h': r.format = VectorFormat::AlongX; break;
        case 'v': r.format = VectorFormat::AlongY; break;
        case 'u': r.format = VectorFormat::Unit; break;
        default: break;
        }
        if (r.format != VectorFormat::None) r.part2 = std::string(text.substr(1));
    }
    if (r.format == VectorFormat::None) {
        r.errMsg = msg::kNewFormat;
        return r;
    }
    r.formatName = std::string(FormatName(r.format));
    return r;
}

}  // namespace vec
