#pragma once
// The Greek-and-mathematics face "Symbol" is not used as installed (it is
// missing, or a symbol-encoded face that Qt cannot draw Unicode text in):
// text set in it is shown by mapping each of its character codes to the
// Unicode character that the code stands for (a -> alpha, q -> theta,
// D -> Delta, "-" -> minus sign, 176 -> degree sign, 163 -> less-or-equal,
// 191 -> return arrow, ...).
//
// Guarantees:
// - one character in, one character out, so offsets into a text stay valid;
// - characters from 256 up are already Unicode and pass unchanged, as do the
//   codes that the face leaves empty (control codes, 127 to 160, 240);
// - digits, blanks and the common punctuation keep their look, so a caption
//   such as "Q = 30" + degree sign reads as theta = 30 degrees.
// Pictures, rich panes and captions all use this one table, and draw the
// result in the families fonts.h gives the face.
#include <QChar>
#include <QString>
#include <QStringView>

namespace plat {

// The Unicode character shown for one character of a text set in "Symbol".
QChar SymbolCharToUnicode(QChar c);

// A whole text set in "Symbol", as it is shown.
QString SymbolToUnicode(QStringView text);

}  // namespace plat
