#pragma once
// Reading and checking the arguments of a calculator procedure: the cells of
// the rectangle selected in the argument grid, evaluated as formulas unless
// the procedure works on vector texts, gathered row by row into one list,
// and the procedure's rule on the number and kind of its arguments.
//
// Plain C++: the grid is reached through a cell reader, so the rules can be
// tested alone. Both operations hand their verdict back as a message text,
// empty when all is well; the caller shows it and runs nothing.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/variant.h"

namespace calc {

// The selected rectangle as the grid holds it: top = Row, bottom = RowSel,
// left = Col, right = ColSel.
struct CellSelection {
    int top = 1, bottom = 1, left = 1, right = 1;
};

// Text of grid cell (row, col).
using CellReader = std::function<std::string(int row, int col)>;

// CalcCells: the selected cells, (i, j) from (1, 1); cell (i, j) is the grid
// cell in row top + i - 1 and column left + j - 1. It holds the cell's text,
// or its value where the cell was evaluated.
class CalcCells {
public:
    CalcCells() = default;
    CalcCells(int rows, int cols) : rows_(rows), cols_(cols), v_(size_t(rows) * cols) {}
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Out of range is a program fault (rt::ProgramFault).
    rt::Variant& operator()(int i, int j);
    const rt::Variant& operator()(int i, int j) const;

private:
    int rows_ = 0, cols_ = 0;
    std::vector<rt::Variant> v_;
};

// What GetCells gathers. args is CalcArgs: the non-empty cells row by row,
// args[0] being argument 1.
struct GatheredArgs {
    CalcCells cells;
    std::vector<rt::Variant> args;
    int rowCount = 0;
    int colCount = 0;
    int argCount = 0;
    int numCount = 0;  // arguments that pass the strict number test
};

inline constexpr std::string_view kCorrectExpression = "Corrige la expresión ";
inline constexpr std::string_view kBackwardSelection =
    "Selecciona la región de arriba hacia abajo y de izquierda a derecha.";

// Reads the selection. With evaluate, every cell but "" and "x" is compiled
// and evaluated; the first cell that does not compile gives the compiler's
// description, CR LF, "Corrige la expresión " and the cell's text; one that
// has no value, or whose evaluation fails at run time (a division by zero,
// an overflow), gives "Corrige la expresión " and the text. A message leaves
// the argument list empty. A selection whose corner lies above or left of
// its anchor is refused with kBackwardSelection.
std::string GetCells(bool evaluate, const CellSelection& sel, const CellReader& read, GatheredArgs& out);

// The procedure's rule: "" when the arguments pass, else the message of the
// first rule that fails. selRows and selCols are the selection's shape, which
// procedures 1 and 2 judge instead of the argument count.
std::string CheckArgs(int procedure, int argCount, int numCount, int selRows, int selCols);

}  // namespace calc
