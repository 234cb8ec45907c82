#pragma once
// Printing of the results log, the help panel and the help tab: the
// formatted content of a rich pane laid out on the printer's pages inside
// fixed margins, page after page, each page starting at the first character
// that did not fit on the one before.
#include <QRectF>

class QTextDocument;

namespace plat {
class Printer;
class RichPane;
}  // namespace plat

namespace shell {

// Margins of every printout, twips from the paper's edges.
inline constexpr int kPrintLeft = 1600;
inline constexpr int kPrintTop = 1000;
inline constexpr int kPrintRight = 1600;
inline constexpr int kPrintBottom = 1000;

// One page of a document laid out for the printer (its paint device and
// text width set): the whole lines from the line that holds character
// `from` down to the bottom of `area` (printer pixels, relative to the
// sheet). Paints them when render is true. Returns the first character
// that did not fit, or the document's text length when all did.
int FormatRange(plat::Printer& printer, QTextDocument& doc, const QRectF& area, int from, bool render);

// Prints the pane's content on the printer (already chosen) with the margins
// given (twips) and returns the pages printed. The job ends once the last
// character is on a page, or when a page could take nothing more (a line
// taller than the page). Printing failures raise rt::RuntimeError.
int PrintRTF(plat::Printer& printer, const plat::RichPane& box, int leftMargin, int topMargin, int rightMargin,
             int bottomMargin);

// Asks whether to print the pane (rtbReg, rtbHelp or txtArgHelp, told apart
// by name), then lets the user choose the printer or a PDF file in the print
// dialog, and prints it with the fixed margins, under the hourglass.
// "No hay texto qué imprimir" for an empty pane; Cancel in either dialog
// prints nothing; a failure shows "Error en la impresión." and why.
void ImprimirResultados(const plat::RichPane& box);

}  // namespace shell
