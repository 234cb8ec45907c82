#pragma once
// Faces of the program's forms and the installed faces that stand in for them.
//
// The forms name their faces as they were designed ("Times New Roman",
// "Courier New", "Small Fonts", "Symbol", "Wingdings", "Wingdings 3", ...).
// This is the one lookup table from those names to installed families
// (Liberation and DejaVu), with a fallback list so that a character missing
// from the first family (mathematical signs, arrows) is taken from the next.
// "Symbol" in particular is drawn in Unicode families that hold the
// characters of its table (Greek letters, the minus sign, arrows): on many
// systems the name itself resolves to a symbol-encoded face in which all of
// them come out blank.
//
// Guarantees:
// - sizes are given in points and realised as a pixel size of
//   round(points * 96 / 72), so text metrics do not depend on the screen;
// - FaceText turns a text written for a symbol or dingbat face into the
//   Unicode characters it shows there (Symbol: see symbolfont.h; Wingdings
//   and Wingdings 3: look-alikes of the glyphs the program's buttons use);
//   texts in ordinary faces come back unchanged;
// - face names compare without regard to case or surrounding blanks.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace plat {

// Installed families for a face name, best first. An unknown name is tried
// as it is, then DejaVu Sans.
QStringList FaceFamilies(QStringView faceName);

// Pixel size of a font of `points` points at the design resolution.
int FontPixelSize(double points);

// A font for a face name of the forms.
QFont MakeFont(QStringView faceName, double points, bool bold = false, bool italic = false);

bool IsSymbolFace(QStringView faceName);

// The text as it is shown in that face (see above).
QString FaceText(QStringView faceName, QStringView text);
// The same; a text in an ordinary face comes back shared, not copied.
QString FaceText(QStringView faceName, const QString& text);

// Buttons whose glyph the forms leave to this program: Unicode look-alikes
// for their captions (shown in any installed face through MakeFont's
// fallback list).
enum class ButtonGlyph {
    DropLast,    // remove the last entry (a turning-back arrow)
    Restore,     // put the original table back (a circular arrow)
    Swap,        // exchange two neighbouring rows or columns
    Widen,       // wider cells
    SmallCells,  // small cells, for selecting
    Narrow,      // narrower cells
};
QString ButtonGlyphText(ButtonGlyph glyph);

}  // namespace plat
