#pragma once
// Typing into a FlexGrid, which has no cell editor: the owner's key handlers
// build the current cell's text, and this helper says what that text
// becomes. As in a spreadsheet, the first character typed into a cell that
// has just been chosen (entered by the mouse, the arrow keys, the Enter walk
// or code, or clicked while current) replaces its text, so that a grid used
// before takes new values; the characters after it append. A text written
// into the chosen cell from code before the first key (a prefix the program
// offers) is kept, and typing appends to it.
//
// Pasting puts one value into a cell: a clipboard that holds several (the
// cells of a row, lines) is refused aloud rather than kept with its tabs or
// breaks inside one cell.
#include <QModelIndex>
#include <QString>
#include <optional>

namespace plat {

class FlexGrid;

inline const QString kPasteOneValue = QStringLiteral("El portapapeles tiene varios valores. Pega uno en cada celda.");

class CellTyping {
public:
    // The grid's current cell has just been chosen: the next character
    // typed replaces its text while the text is still this one.
    void Chosen(const FlexGrid& grid);
    // The text the next character typed is appended to: empty when it
    // replaces the cell's text.
    QString Before(const FlexGrid& grid) const;
    // The text of the grid's current cell once `typed` is typed into it.
    QString Typed(const FlexGrid& grid, const QString& typed);
    // The text of the current cell after Backspace: its last character
    // gone; typing appends from here on.
    QString Erased(const FlexGrid& grid);
    // The cell got a text by other means than a key (a paste): typing
    // appends to it.
    void Forget() { chosen_.reset(); }

private:
    std::optional<QString> chosen_;
};

// The data cell (not a fixed one) at x, y twips from the grid's top-left
// corner, the position a MouseDown handler receives; invalid elsewhere.
QModelIndex DataCellAt(const FlexGrid& grid, double x, double y);

// The one value the clipboard holds for a cell: its text without the line
// break a value copied from a line or a cell brings along, and without blanks
// around (empty when the clipboard has no text). Several values, separated
// by tabs or line breaks, are refused with kPasteOneValue shown in a box:
// std::nullopt.
std::optional<QString> ClipboardValueForCell();

}  // namespace plat
