#pragma once
// FlexGrid: a table of plain-text cells with fixed (title) rows and columns
// at the top and left, a current cell and a free rectangular selection; the
// argument grid, the force grids and the motion table. It has no cell
// editor: typing reaches the handlers (KeyPress), which build the text.
//
// Selection: Row/Col is the anchor (the current cell), RowSel/ColSel the
// moving corner, which may lie above or left of the anchor. The user selects
// with the mouse (press, drag; Shift+press moves the corner) and the arrow,
// Home/End and page keys (with Shift they move the corner). Code may set all
// four; setting Row or Col collapses the selection onto the new current cell.
//
// Event order, fixed:
// - Code setting Row or Col: EnterCell when the current cell changes; never
//   SelChange. Code setting RowSel/ColSel raises nothing.
// - Mouse press on a cell: Row/Col/RowSel/ColSel change first, then
//   EnterCell (if the current cell changed), then MouseDown (so Row/Col
//   already name the clicked cell), then SelChange (if the selection
//   changed). Dragging raises SelChange at each change of the corner; a
//   SelChange handler that changes the selection ends the drag.
// - Double click: DblClick (after the press events of the first click).
// - Key press: KeyDown; unless swallowed, navigation keys move the cell
//   (EnterCell, then SelChange) and typed characters raise KeyPress (8, 13
//   and printable characters); KeyUp on release.
// Indexes, counts and codes are the program's own: out of range they are a
// program fault (rt::ProgramFault). A cell named by what the user typed is
// read with CheckedTextMatrix, for which out of range is bad input
// (rt::RuntimeError, subscript out of range).
//
// The fixed rows and columns stay in view: the data scrolls beneath them,
// by whole rows and columns. indexAt and visualRect place a fixed cell where it is shown. Bringing
// the current cell into view waits while the grid is hidden (its size is
// not yet known) and is done when it is shown.
#include <QTableWidget>
#include <vector>

#include "platform/controls.h"
#include "platform/keys.h"
#include "runtime/colors.h"

class QPainter;

namespace plat {

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // Alignment codes of ColAlignment.
    enum Alignment {
        LeftTop = 0,
        LeftCenter = 1,
        LeftBottom = 2,
        CenterTop = 3,
        CenterCenter = 4,
        CenterBottom = 5,
        RightTop = 6,
        RightCenter = 7,
        RightBottom = 8,
        General = 9
    };

    explicit FlexGrid(const QString& name = QString(), QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void SetRows(int n);
    int Cols() const { return columnCount(); }
    void SetCols(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n);

    QString TextMatrix(int r, int c) const;
    // The cell (r, c) named by what the user typed.
    QString CheckedTextMatrix(int r, int c) const;
    void SetTextMatrix(int r, int c, const QString& text);
    // Text of the current cell.
    QString Text() const { return TextMatrix(row_, col_); }
    void SetText(const QString& text) { SetTextMatrix(row_, col_, text); }
    // Empties every cell (titles included).
    void ClearCells();

    // "|"-separated titles of row 0 (the count sets Cols); a leading "^"
    // centres the column, "<" aligns it left, ">" right.
    void SetFormatString(const QString& format);

    int ColWidth(int c) const;  // twips
    void SetColWidth(int c, int twips);
    int ColAlignment(int c) const;
    void SetColAlignment(int c, int alignment);

    // Background of the current cell, &HBBGGRR; 0 when never set.
    rt::ColorRef CellBackColor() const;
    void SetCellBackColor(rt::ColorRef color);

    int Row() const { return row_; }
    void SetRow(int r);
    int Col() const { return col_; }
    void SetCol(int c);
    int RowSel() const { return rowSel_; }
    void SetRowSel(int r);
    int ColSel() const { return colSel_; }
    void SetColSel(int c);

    bool SetFocus() { return FocusControl(this); }

    std::function<void()> SelChange;
    std::function<void()> EnterCell;
    std::function<void()> DblClick;
    MouseHandler MouseDown;  // x, y in twips from the grid's top-left corner
    KeyEvents keys;

    // Used by the cell painter.
    bool IsFixed(int r, int c) const { return r < fixedRows_ || c < fixedCols_; }
    bool InSelection(int r, int c) const;
    Qt::Alignment CellAlignment(int r, int c) const;

    QModelIndex indexAt(const QPoint& p) const override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* e) override;

private:
    struct Sel {
        int row, col, rowSel, colSel;
        bool operator==(const Sel&) const = default;
    };
    Sel Current() const { return Sel{row_, col_, rowSel_, colSel_}; }
    // Bad input (typed): rt::RuntimeError.
    void CheckCell(int r, int c) const;
    // The program's own indexes: rt::ProgramFault.
    void ExpectRow(int r) const;
    void ExpectCol(int c) const;
    void ExpectCell(int r, int c) const;
    QTableWidgetItem* Item(int r, int c);
    // Sets the selection and raises EnterCell/SelChange as the user's action
    // does (see the header comment).
    void UserSelect(const Sel& s, bool raiseSelChange);
    void AfterCellMove(const Sel& before);
    void Navigate(QKeyEvent* e);
    void ClampCursor();
    void Refresh();
    // Size of the fixed rows (height) and columns (width), in pixels.
    int TitleHeight() const;
    int TitleWidth() const;
    // The fixed cells, painted over the scrolled data.
    void PaintTitles(QPainter& p);
    void PaintTitleCell(QPainter& p, const QStyleOptionViewItem& base, int r, int c, const QRect& cell);

    int fixedRows_ = 1, fixedCols_ = 1;
    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    std::vector<int> colWidths_;  // twips
    std::vector<int> colAlign_;
    bool dragging_ = false;
    bool scrollPending_ = false;  // the current cell to bring into view when shown
};

}  // namespace plat
