#include "platform/fonts.h"

#include <cmath>

#include "platform/symbolfont.h"

namespace plat {
namespace {

struct FaceRow {
    const char* face;      // lower case
    const char* families;  // ';'-separated, best first
};

constexpr FaceRow kFaces[] = {
    {"times new roman", "Liberation Serif;DejaVu Serif"},
    {"times", "Liberation Serif;DejaVu Serif"},
    // Families that hold the Symbol table's characters themselves: the bare
    // name "Symbol" is never handed to the system's font matching, which may
    // resolve it to a symbol-encoded face holding no Unicode character.
    {"symbol", "Liberation Serif;DejaVu Serif;DejaVu Sans"},
    {"courier new", "Liberation Mono;DejaVu Sans Mono"},
    {"courier", "Liberation Mono;DejaVu Sans Mono"},
    {"small fonts", "DejaVu Sans"},
    {"arial", "Liberation Sans;DejaVu Sans"},
    {"ms sans serif", "Liberation Sans;DejaVu Sans"},
    {"tahoma", "Liberation Sans;DejaVu Sans"},
    {"wingdings", "DejaVu Sans"},
    {"wingdings 3", "DejaVu Sans"},
};

// Whether faceName names the face `lower` (given in lower case), blanks
// around it and case aside.
bool FaceIs(QStringView faceName, QLatin1StringView lower) {
    return faceName.trimmed().compare(lower, Qt::CaseInsensitive) == 0;
}

// Wingdings: an arrow pointer (245) and a bullet per click (158).
QChar WingdingsChar(QChar c) {
    switch (c.unicode()) {
    case 158: return QChar(0x2022);
    case 245: return QChar(0x2B00);
    default: return c;
    }
}

// Wingdings 3: "O" is the turning-back arrow of the drop-last buttons.
QChar Wingdings3Char(QChar c) {
    switch (c.unicode()) {
    case u'O': return QChar(0x21B6);
    default: return c;
    }
}

}  // namespace

QStringList FaceFamilies(QStringView faceName) {
    for (const FaceRow& row : kFaces) {
        if (FaceIs(faceName, QLatin1StringView(row.face)))
            return QString::fromLatin1(row.families).split(QLatin1Char(';'));
    }
    QStringList out;
    if (!faceName.trimmed().isEmpty()) out << faceName.trimmed().toString();
    out << QStringLiteral("DejaVu Sans");
    return out;
}

int FontPixelSize(double points) {
    const int px = static_cast<int>(std::lround(points * 96.0 / 72.0));
    return px < 1 ? 1 : px;
}

QFont MakeFont(QStringView faceName, double points, bool bold, bool italic) {
    QFont f;
    f.setFamilies(FaceFamilies(faceName));
    f.setPixelSize(FontPixelSize(points));
    f.setBold(bold);
    f.setItalic(italic);
    f.setKerning(false);
    return f;
}

bool IsSymbolFace(QStringView faceName) { return FaceIs(faceName, QLatin1StringView("symbol")); }

QString FaceText(QStringView faceName, QStringView text) { return FaceText(faceName, text.toString()); }

QString FaceText(QStringView faceName, const QString& text) {
    if (FaceIs(faceName, QLatin1StringView("symbol"))) return SymbolToUnicode(text);
    QChar (*map)(QChar) = nullptr;
    if (FaceIs(faceName, QLatin1StringView("wingdings")))
        map = WingdingsChar;
    else if (FaceIs(faceName, QLatin1StringView("wingdings 3")))
        map = Wingdings3Char;
    if (!map) return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) out.append(map(c));
    return out;
}

QString ButtonGlyphText(ButtonGlyph glyph) {
    switch (glyph) {
    case ButtonGlyph::DropLast: return QString(QChar(0x21B6));    // anticlockwise arrow
    case ButtonGlyph::Restore: return QString(QChar(0x27F2));     // circular arrow
    case ButtonGlyph::Swap: return QString(QChar(0x21C5));        // up and down arrows
    case ButtonGlyph::Widen: return QString(QChar(0x2194));       // left-right arrow
    case ButtonGlyph::SmallCells: return QString(QChar(0x25AB));  // small square
    case ButtonGlyph::Narrow: return QStringLiteral("\u2192\u2190");
    }
    return {};
}

}  // namespace plat
