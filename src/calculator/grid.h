#pragma once
// The argument grid gd of the calculator: 20 data rows and 21 data columns
// under one title row and beside one title column, in which the user types
// the arguments of every procedure and selects the rectangle the
// calculation reads. The grid has no cell editor: its key handlers type,
// delete, walk to the next cell and paste the last result, and eight tool
// buttons reset it, swap two rows or columns, change the cell widths, copy
// or move a block of cells and fill a column with an arithmetic series.
//
// Typing into a cell that has just become current (by the mouse, the arrow
// keys or the Enter walk) replaces its text, as in a spreadsheet, so that a
// grid used before takes new arguments; the keys after the first append.
// A text written into the cell from code after it became current (a
// direction prefix from the clock's frame) is kept and typing appends to it.
//
// The selection is kept in the shared state (shell::Shared().Selection, and
// SavedSelection, its copy taken on every valid selection change and on
// every Enter), which the argument reading shares.
//
// Copy and move: the tool takes the block (the selection made before the
// tool was pressed) and its texts at once; the next click on a data cell
// drops it there. A block that would run off the grid is refused with a
// message and nothing changes; a move empties its source cells only after
// the block was written.
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "platform/celltyping.h"
#include "runtime/colors.h"

class QWidget;

namespace plat {
class CommandButton;
class FlexGrid;
class Label;
class TextBox;
}  // namespace plat

namespace calc {

inline constexpr int kGridRows = 21;
inline constexpr int kGridCols = 22;
inline constexpr int kGridTools = 8;

// Back colours of the copy and move buttons.
inline constexpr rt::ColorRef kToolWaiting = 0xC0E0FF;
inline constexpr rt::ColorRef kToolCancelled = 0xC0C0C0;

inline const QString kGridCommandError = QStringLiteral("Error en el comando.");
inline const QString kSwapTitle = QStringLiteral("No sé si intercambiar filas o columnas");
inline const QString kSwapPrompt = QStringLiteral(
    "Si deseas intercambiar los valores de fila oprime el\r\n"
    "botón \"Sí\". Para intercambiar columnas oprime \"No\".");
inline const QString kBlockDoesNotFit = QStringLiteral("El bloque no cabe en la tabla a partir de esa celda.");
inline const QString kPasteOneValue = plat::kPasteOneValue;
// Down or the Enter walk past the last row: said aloud, so no value meant
// for a row the table lacks is typed over the last one.
inline const QString kNoRowLeft = QStringLiteral("La tabla no tiene más filas: caben 20 filas de argumentos.");

class ArgGrid {
public:
    struct Controls {
        plat::FlexGrid* gd = nullptr;
        std::array<plat::CommandButton*, kGridTools> cmdGrid{};
        plat::Label* lblRC = nullptr;      // shows the selection "rows x cols"
        plat::TextBox* txtExpr = nullptr;  // numeric result of the expression strip
        QWidget* form = nullptr;           // its pointer shows a waiting copy or move
        std::function<void()> pressCalculate;
    };

    explicit ArgGrid(const Controls& controls) : c_(controls) {}

    // Installs the grid's and the tool buttons' handlers.
    void Attach();

    // Titles, widths and alignment; current cell (1, 1). Cells keep their
    // texts.
    void ArrangeGd();

    void gd_SelChange();
    // Delete, Insert, Ctrl+V, Shift+Enter, F12.
    void gd_KeyDown(int& keyCode, int shift);
    // Enter walk, Backspace, typing. Also called with 13 by the direction
    // frame's vector box.
    void gd_KeyPress(int& keyAscii);
    // x, y in twips from the grid's top-left corner.
    void gd_MouseDown(int button, int shift, double x, double y);
    void cmdGrid_Click(int index);

    // Some data cell holds a text.
    bool HoldsArguments() const;

    // A copy or move waits for its target.
    bool DropPending() const { return pending_.has_value(); }
    // The calculation starts: the waiting copy or move is dropped.
    void CancelDrop();

private:
    struct Block {
        int tool = 3;  // 3 copy, 6 move
        int top = 1, left = 1, rows = 1, cols = 1;
        std::vector<QString> texts;  // row by row
    };

    void RefuseRowPastTheEnd();
    void StartDrop(int tool);
    void EndDrop();
    void Drop(int row, int col);
    void Swap();
    void SetDataColumnWidths(int twips);
    void FillSeries();
    void PasteClipboard();

    Controls c_;
    plat::CellTyping typing_;
    std::optional<Block> pending_;
};

}  // namespace calc
