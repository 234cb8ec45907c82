#pragma once
// The result writer: marked-up lines converted into formatted text and put
// into the result panes, with a copy of every calculator and rigid-body
// result in the results log.
//
// - rtbCalc (and any other pane, such as txtArgHelp): the result replaces
//   what the pane held; the caret is left at the start.
// - rtbSolve: the result is appended after what the pane holds.
// - rtbCalc and rtbSolve only: the result and a line "-----" are appended
//   to the results log rtbReg, always at its end, whatever the user has
//   selected there; the log only grows.
// The conversion goes through the hidden pane rtbHold, which is left empty.
#include <QString>
#include <QTextDocumentFragment>

#include "text/markup.h"
#include "text/resultformat.h"

class QTextDocument;

namespace plat {
class RichPane;
}

namespace shell {

// The panes the writer reaches, filled in by the main window when it builds
// them (tests create the panes alone).
struct ResultPanes {
    plat::RichPane* rtbCalc = nullptr;     // result pane
    plat::RichPane* rtbReg = nullptr;      // results log
    plat::RichPane* rtbSolve = nullptr;    // rigid-body solution pane
    plat::RichPane* txtArgHelp = nullptr;  // argument help
    plat::RichPane* rtbHold = nullptr;     // hidden conversion pane
};

ResultPanes& Panes();

// Formatted text of a marked-up text in the font given (every character
// carries its font, size, style and colour, so the text looks the same in
// any pane it is inserted into). Needs no pane.
QTextDocumentFragment MarkupFragment(const QString& fontName, double fontSize, const QString& text);
// The same, written into a document in place of its content (line breaks
// in the runs are "\n").
void BuildMarkupDocument(QTextDocument& doc, const text::ParsedMarkup& parsed, const QString& fontName,
                         double fontSize);

// Converts a marked-up text (CR LF, CR or LF line ends) into the pane
// `hold`, whose default font becomes fontName at fontSize, replacing what
// it held; then lets pending window events run once when the text
// converted without a fault.
void MarkupToRtf(plat::RichPane& hold, const QString& fontName, double fontSize, const QString& text);
// The same into Panes().rtbHold; does nothing without that pane.
void MarkupToRtf(const QString& fontName, double fontSize, const QString& text);

// Writes lines 1..UBound in "Times New Roman" 10 into the target pane (see
// above). Does nothing without Panes().rtbHold.
void WriteResults(plat::RichPane& target, const text::ResultLines& lines);

}  // namespace shell
