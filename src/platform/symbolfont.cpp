#include "platform/symbolfont.h"

#include <array>

namespace plat {
namespace {

// Code of the face -> Unicode; 0 keeps the character as it is.
constexpr std::array<char16_t, 256> BuildTable() {
    std::array<char16_t, 256> t{};
    // Printable ASCII keeps its look unless listed below.
    for (int c = 0x20; c < 0x7F; ++c) t[c] = static_cast<char16_t>(c);

    t[0x22] = u'\u2200';  // for all
    t[0x24] = u'\u2203';  // there exists
    t[0x27] = u'\u220B';  // contains as member
    t[0x2A] = u'\u2217';  // asterisk operator
    t[0x2D] = u'\u2212';  // minus sign
    t[0x40] = u'\u2245';  // approximately equal
    t[0x5C] = u'\u2234';  // therefore
    t[0x5E] = u'\u22A5';  // perpendicular
    t[0x60] = u'\u203E';  // radical extender (overline)
    t[0x7E] = u'\u223C';  // tilde operator

    // Upper-case Latin letters to Greek capitals.
    constexpr char16_t upper[26] = {
        u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393',  // A B C D E F G
        u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D',  // H I J K L M N
        u'\u039F', u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5',  // O P Q R S T U
        u'\u03C2', u'\u03A9', u'\u039E', u'\u03A8', u'\u0396'};                       // V W X Y Z
    // Lower-case Latin letters to Greek small letters.
    constexpr char16_t lower[26] = {
        u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6', u'\u03B3',  // a b c d e f g
        u'\u03B7', u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD',  // h i j k l m n
        u'\u03BF', u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5',  // o p q r s t u
        u'\u03D6', u'\u03C9', u'\u03BE', u'\u03C8', u'\u03B6'};                       // v w x y z
    for (int i = 0; i < 26; ++i) {
        t['A' + i] = upper[i];
        t['a' + i] = lower[i];
    }

    constexpr char16_t high[96] = {
        // 0xA0
        u'\u20AC', u'\u03D2', u'\u2032', u'\u2264', u'\u2044', u'\u221E', u'\u0192', u'\u2663', u'\u2666', u'\u2665',
        // 0xAA: the program's symbol table calls this code the heart ("cora").
        u'\u2665', u'\u2194', u'\u2190', u'\u2191', u'\u2192', u'\u2193',
        // 0xB0
        u'\u00B0', u'\u00B1', u'\u2033', u'\u2265', u'\u00D7', u'\u221D', u'\u2202', u'\u2022', u'\u00F7', u'\u2260',
        u'\u2261', u'\u2248', u'\u2026', u'\u23D0', u'\u2500', u'\u21B5',
        // 0xC0
        u'\u2135', u'\u2111', u'\u211C', u'\u2118', u'\u2297', u'\u2295', u'\u2205', u'\u2229', u'\u222A', u'\u2283',
        u'\u2287', u'\u2284', u'\u2282', u'\u2286', u'\u2208', u'\u2209',
        // 0xD0
        u'\u2220', u'\u2207', u'\u00AE', u'\u00A9', u'\u2122', u'\u220F', u'\u221A', u'\u22C5', u'\u00AC', u'\u2227',
        u'\u2228', u'\u21D4', u'\u21D0', u'\u21D1', u'\u21D2', u'\u21D3',
        // 0xE0
        u'\u25CA', u'\u27E8', u'\u00AE', u'\u00A9', u'\u2122', u'\u2211', u'\u239B', u'\u239C', u'\u239D', u'\u23A1',
        u'\u23A2', u'\u23A3', u'\u23A7', u'\u23A8', u'\u23A9', u'\u23AA',
        // 0xF0 (0xF0 and 0xFF are empty in the face)
        0, u'\u27E9', u'\u222B', u'\u2320', u'\u23AE', u'\u2321', u'\u239E', u'\u239F', u'\u23A0', u'\u23A4', u'\u23A5',
        u'\u23A6', u'\u23AB', u'\u23AC', u'\u23AD', 0};
    for (int i = 0; i < 96; ++i) t[0xA0 + i] = high[i];
    return t;
}

constexpr std::array<char16_t, 256> kTable = BuildTable();

}  // namespace

QChar SymbolCharToUnicode(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 256 || kTable[u] == 0) return c;
    return QChar(kTable[u]);
}

QString SymbolToUnicode(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) out.append(SymbolCharToUnicode(c));
    return out;
}

}  // namespace plat
