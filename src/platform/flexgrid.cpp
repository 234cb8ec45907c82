#include "platform/flexgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "platform/common.h"
#include "platform/guard.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace plat {

namespace {

constexpr int kBackColorRole = Qt::UserRole + 1;

// Paints cells the grid's way: fixed cells in the button face, the
// selection highlighted except its current cell, which gets a focus frame.
class FlexDelegate : public QStyledItemDelegate {
public:
    explicit FlexDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        const int r = index.row(), c = index.column();
        if (r == grid_->Row() && c == grid_->Col() && !grid_->IsFixed(r, c) && grid_->hasFocus()) {
            p->save();
            QPen pen(option.palette.color(QPalette::Text));
            pen.setStyle(Qt::DotLine);
            p->setPen(pen);
            p->drawRect(option.rect.adjusted(1, 1, -2, -2));
            p->restore();
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem* opt, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(opt, index);
        const int r = index.row(), c = index.column();
        opt->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        opt->displayAlignment = grid_->CellAlignment(r, c);
        if (grid_->IsFixed(r, c)) {
            opt->backgroundBrush = ToQColor(rt::kButtonFace);
        } else if (grid_->InSelection(r, c) && !(r == grid_->Row() && c == grid_->Col())) {
            opt->backgroundBrush = opt->palette.brush(QPalette::Highlight);
            opt->palette.setBrush(QPalette::Text, opt->palette.brush(QPalette::HighlightedText));
        }
    }

private:
    FlexGrid* grid_;
};

}  // namespace

FlexGrid::FlexGrid(const QString& name, QWidget* parent) : QTableWidget(2, 2, parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(64);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new FlexDelegate(this));
    // Whole rows and columns: the first scrolled one starts right below
    // (beside) the titles.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    colWidths_.assign(2, -1);
    colAlign_.assign(2, General);
}

void FlexGrid::CheckCell(int r, int c) const {
    rt::CheckIndex(r, 0, rowCount() - 1);
    rt::CheckIndex(c, 0, columnCount() - 1);
}

void FlexGrid::ExpectRow(int r) const { rt::ExpectIndex(r, 0, rowCount() - 1, "row of a grid"); }

void FlexGrid::ExpectCol(int c) const { rt::ExpectIndex(c, 0, columnCount() - 1, "column of a grid"); }

void FlexGrid::ExpectCell(int r, int c) const {
    ExpectRow(r);
    ExpectCol(c);
}

void FlexGrid::ClampCursor() {
    const int lastRow = std::max(0, rowCount() - 1), lastCol = std::max(0, columnCount() - 1);
    row_ = std::min(row_, lastRow);
    rowSel_ = std::min(rowSel_, lastRow);
    col_ = std::min(col_, lastCol);
    colSel_ = std::min(colSel_, lastCol);
}

void FlexGrid::SetRows(int n) {
    if (n < 0) rt::Fault("a grid's row count below 0");
    setRowCount(n);
    ClampCursor();
    Refresh();
}

void FlexGrid::SetCols(int n) {
    if (n < 0) rt::Fault("a grid's column count below 0");
    setColumnCount(n);
    colWidths_.resize(n, -1);
    colAlign_.resize(n, General);
    ClampCursor();
    Refresh();
}

void FlexGrid::SetFixedRows(int n) {
    rt::ExpectIndex(n, 0, rowCount(), "fixed rows of a grid");
    fixedRows_ = n;
    if (row_ < n && n < rowCount()) row_ = rowSel_ = n;
    Refresh();
}

void FlexGrid::SetFixedCols(int n) {
    rt::ExpectIndex(n, 0, columnCount(), "fixed columns of a grid");
    fixedCols_ = n;
    if (col_ < n && n < columnCount()) col_ = colSel_ = n;
    Refresh();
}

QTableWidgetItem* FlexGrid::Item(int r, int c) {
    QTableWidgetItem* it = item(r, c);
    if (!it) {
        it = new QTableWidgetItem();
        it->setFlags(Qt::ItemIsEnabled);
        setItem(r, c, it);
    }
    return it;
}

QString FlexGrid::TextMatrix(int r, int c) const {
    ExpectCell(r, c);
    const QTableWidgetItem* it = item(r, c);
    return it ? it->text() : QString();
}

QString FlexGrid::CheckedTextMatrix(int r, int c) const {
    CheckCell(r, c);
    return TextMatrix(r, c);
}

void FlexGrid::SetTextMatrix(int r, int c, const QString& text) {
    ExpectCell(r, c);
    Item(r, c)->setText(text);
}

void FlexGrid::ClearCells() { clearContents(); }

void FlexGrid::SetFormatString(const QString& format) {
    const QStringList parts = format.split(QLatin1Char('|'));
    SetCols(static_cast<int>(parts.size()));
    for (int c = 0; c < parts.size(); ++c) {
        QString title = parts[c];
        if (title.startsWith(QLatin1Char('^'))) {
            colAlign_[c] = CenterCenter;
            title.remove(0, 1);
        } else if (title.startsWith(QLatin1Char('<'))) {
            colAlign_[c] = LeftCenter;
            title.remove(0, 1);
        } else if (title.startsWith(QLatin1Char('>'))) {
            colAlign_[c] = RightCenter;
            title.remove(0, 1);
        }
        if (rowCount() > 0) SetTextMatrix(0, c, title);
    }
    Refresh();
}

int FlexGrid::ColWidth(int c) const {
    ExpectCol(c);
    return colWidths_[c] >= 0 ? colWidths_[c] : columnWidth(c) * rt::kTwipsPerPixel;
}

void FlexGrid::SetColWidth(int c, int twips) {
    ExpectCol(c);
    if (twips < 0) rt::Fault("a grid's column width below 0");
    colWidths_[c] = twips;
    setColumnWidth(c, static_cast<int>(std::lround(twips / double(rt::kTwipsPerPixel))));
}

int FlexGrid::ColAlignment(int c) const {
    ExpectCol(c);
    return colAlign_[c];
}

void FlexGrid::SetColAlignment(int c, int alignment) {
    ExpectCol(c);
    rt::ExpectIndex(alignment, LeftTop, General, "alignment code of a grid column");
    colAlign_[c] = alignment;
    Refresh();
}

Qt::Alignment FlexGrid::CellAlignment(int r, int c) const {
    const int a = c >= 0 && c < static_cast<int>(colAlign_.size()) ? colAlign_[c] : General;
    if (a == General) {
        const QTableWidgetItem* it = item(r, c);
        const bool number = it && rt::IsNumeric(it->text().toStdString());
        return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
    static const Qt::Alignment kH[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment kV[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kH[a / 3] | kV[a % 3];
}

rt::ColorRef FlexGrid::CellBackColor() const {
    ExpectCell(row_, col_);
    const QTableWidgetItem* it = item(row_, col_);
    if (!it) return 0;
    const QVariant v = it->data(kBackColorRole);
    return v.isValid() ? v.value<rt::ColorRef>() : 0;
}

void FlexGrid::SetCellBackColor(rt::ColorRef color) {
    ExpectCell(row_, col_);
    QTableWidgetItem* it = Item(row_, col_);
    it->setData(kBackColorRole, QVariant::fromValue(color));
    it->setBackground(ToQColor(color));
}

bool FlexGrid::InSelection(int r, int c) const {
    return r >= std::min(row_, rowSel_) && r <= std::max(row_, rowSel_) && c >= std::min(col_, colSel_) &&
           c <= std::max(col_, colSel_);
}

void FlexGrid::Refresh() { viewport()->update(); }

// ---- fixed rows and columns ---------------------------------------------------

int FlexGrid::TitleHeight() const {
    const int n = std::min(fixedRows_, rowCount());
    return n > 0 ? verticalHeader()->sectionPosition(n - 1) + rowHeight(n - 1) : 0;
}

int FlexGrid::TitleWidth() const {
    const int n = std::min(fixedCols_, columnCount());
    return n > 0 ? horizontalHeader()->sectionPosition(n - 1) + columnWidth(n - 1) : 0;
}

QModelIndex FlexGrid::indexAt(const QPoint& p) const {
    int r = -1, c = -1;
    if (p.y() >= 0 && p.y() < TitleHeight()) {
        for (int i = 0; i < fixedRows_ && r < 0; ++i) {
            const int top = verticalHeader()->sectionPosition(i);
            if (p.y() >= top && p.y() < top + rowHeight(i)) r = i;
        }
    } else {
        r = rowAt(p.y());
    }
    if (p.x() >= 0 && p.x() < TitleWidth()) {
        for (int i = 0; i < fixedCols_ && c < 0; ++i) {
            const int left = horizontalHeader()->sectionPosition(i);
            if (p.x() >= left && p.x() < left + columnWidth(i)) c = i;
        }
    } else {
        c = columnAt(p.x());
    }
    return r >= 0 && c >= 0 ? model()->index(r, c) : QModelIndex();
}

QRect FlexGrid::visualRect(const QModelIndex& index) const {
    QRect rect = QTableWidget::visualRect(index);
    if (!index.isValid() || rect.isNull()) return rect;
    if (index.row() < fixedRows_) rect.moveTop(verticalHeader()->sectionPosition(index.row()));
    if (index.column() < fixedCols_) rect.moveLeft(horizontalHeader()->sectionPosition(index.column()));
    return rect;
}

void FlexGrid::scrollTo(const QModelIndex& index, ScrollHint) {
    if (!index.isValid()) return;
    if (!isVisible()) {
        // Hidden, the viewport has no size of its own yet: scrolling now
        // would hide the data that shows up first.
        scrollPending_ = true;
        return;
    }
    scrollPending_ = false;
    // Scrolls whole sections so that section i shows in the room left
    // beside the titles (its start wins when it does not fit). The scroll
    // value is the first section shown at the viewport's edge; the titles
    // cover as many pixels from there.
    auto bring = [](QScrollBar* bar, const QHeaderView* header, int i, int titles, int room) {
        const int n = header->count();
        const int start = header->sectionPosition(i), end = start + header->sectionSize(i);
        auto lastUpTo = [&](int pixel) {
            int k = 0;
            while (k + 1 < n && header->sectionPosition(k + 1) <= pixel) ++k;
            return k;
        };
        auto firstFrom = [&](int pixel) {
            int k = 0;
            while (k + 1 < n && header->sectionPosition(k) < pixel) ++k;
            return k;
        };
        const int value = std::clamp(bar->value(), 0, n - 1);
        const int offset = header->sectionPosition(value);
        if (start - offset < titles)
            bar->setValue(lastUpTo(start - titles));
        else if (end - offset > room)
            bar->setValue(std::min(firstFrom(end - room), lastUpTo(start - titles)));
    };
    const int r = index.row(), c = index.column();
    if (r >= fixedRows_) bring(verticalScrollBar(), verticalHeader(), r, TitleHeight(), viewport()->height());
    if (c >= fixedCols_) bring(horizontalScrollBar(), horizontalHeader(), c, TitleWidth(), viewport()->width());
}

void FlexGrid::showEvent(QShowEvent* e) {
    QTableWidget::showEvent(e);
    if (scrollPending_ && row_ < rowCount() && col_ < columnCount()) scrollTo(model()->index(row_, col_));
}

void FlexGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    // The scroll moved the titles' pixels with the data.
    if (fixedRows_ > 0 || fixedCols_ > 0) viewport()->update();
}

void FlexGrid::paintEvent(QPaintEvent* e) {
    QTableWidget::paintEvent(e);
    if (fixedRows_ == 0 && fixedCols_ == 0) return;
    QPainter p(viewport());
    PaintTitles(p);
}

void FlexGrid::PaintTitleCell(QPainter& p, const QStyleOptionViewItem& base, int r, int c, const QRect& cell) {
    const int grid = showGrid() ? 1 : 0;
    QStyleOptionViewItem opt = base;
    opt.rect = cell.adjusted(0, 0, -grid, -grid);
    const QModelIndex index = model()->index(r, c);
    if (!(index.flags() & Qt::ItemIsEnabled)) opt.state &= ~QStyle::State_Enabled;
    p.fillRect(cell, ToQColor(rt::kButtonFace));
    itemDelegate()->paint(&p, opt, index);
    if (grid) {
        const QColor line = static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &base, this));
        p.setPen(QPen(line, 0, gridStyle()));
        p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
        p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
    }
}

void FlexGrid::PaintTitles(QPainter& p) {
    const int rows = rowCount(), cols = columnCount();
    const int fr = std::min(fixedRows_, rows), fc = std::min(fixedCols_, cols);
    const int w = viewport()->width(), h = viewport()->height();
    QStyleOptionViewItem base;
    initViewItemOption(&base);
    auto rowTop = [&](int r) { return r < fr ? verticalHeader()->sectionPosition(r) : rowViewportPosition(r); };
    auto colLeft = [&](int c) { return c < fc ? horizontalHeader()->sectionPosition(c) : columnViewportPosition(c); };
    auto paint = [&](int r, int c) {
        const QRect cell(colLeft(c), rowTop(r), columnWidth(c), rowHeight(r));
        if (cell.width() > 0 && cell.height() > 0 && cell.intersects(QRect(0, 0, w, h)))
            PaintTitleCell(p, base, r, c, cell);
    };
    // The fixed columns beside the scrolled rows, the fixed rows above the
    // scrolled columns, then the corner over both.
    for (int r = fr; r < rows; ++r)
        for (int c = 0; c < fc; ++c) paint(r, c);
    for (int r = 0; r < fr; ++r)
        for (int c = fc; c < cols; ++c) paint(r, c);
    for (int r = 0; r < fr; ++r)
        for (int c = 0; c < fc; ++c) paint(r, c);
}

void FlexGrid::AfterCellMove(const Sel& before) {
    Refresh();
    if (row_ < rowCount() && col_ < columnCount()) scrollTo(model()->index(row_, col_));
    if ((before.row != row_ || before.col != col_) && EnterCell) EnterCell();
}

void FlexGrid::SetRow(int r) {
    ExpectRow(r);
    const Sel before = Current();
    row_ = rowSel_ = r;
    colSel_ = col_;
    AfterCellMove(before);
}

void FlexGrid::SetCol(int c) {
    ExpectCol(c);
    const Sel before = Current();
    col_ = colSel_ = c;
    rowSel_ = row_;
    AfterCellMove(before);
}

void FlexGrid::SetRowSel(int r) {
    ExpectRow(r);
    rowSel_ = r;
    Refresh();
}

void FlexGrid::SetColSel(int c) {
    ExpectCol(c);
    colSel_ = c;
    Refresh();
}

void FlexGrid::UserSelect(const Sel& s, bool raiseSelChange) {
    const Sel before = Current();
    row_ = s.row;
    col_ = s.col;
    rowSel_ = s.rowSel;
    colSel_ = s.colSel;
    Refresh();
    scrollTo(model()->index(rowSel_, colSel_));
    if ((before.row != row_ || before.col != col_) && EnterCell) EnterCell();
    if (raiseSelChange && !(before == s) && SelChange) SelChange();
}

void FlexGrid::mousePressEvent(QMouseEvent* e) {
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    const QPoint pos = e->position().toPoint();
    const QModelIndex idx = indexAt(pos);
    const Sel before = Current();
    Sel after = before;
    const int shift = ShiftMask(e->modifiers());
    if (e->button() == Qt::LeftButton && idx.isValid() && !IsFixed(idx.row(), idx.column())) {
        if (shift & kShiftMask)
            after = Sel{row_, col_, idx.row(), idx.column()};
        else
            after = Sel{idx.row(), idx.column(), idx.row(), idx.column()};
        row_ = after.row;
        col_ = after.col;
        rowSel_ = after.rowSel;
        colSel_ = after.colSel;
        dragging_ = true;
        Guarded([&] { AfterCellMove(before); });
    }
    if (MouseDown) {
        const QPoint p = viewport()->mapTo(this, pos);
        Guarded([&] {
            MouseDown(MouseButtonCode(e->button()), shift, p.x() * double(rt::kTwipsPerPixel),
                      p.y() * double(rt::kTwipsPerPixel));
        });
    }
    if (!(after == before) && SelChange) {
        Guarded(SelChange);
        if (!(Current() == after)) dragging_ = false;
    }
    e->accept();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    if (!dragging_ || !(e->buttons() & Qt::LeftButton)) return;
    const QModelIndex idx = indexAt(e->position().toPoint());
    if (!idx.isValid() || IsFixed(idx.row(), idx.column())) return;
    const Sel s{row_, col_, idx.row(), idx.column()};
    if (s == Current()) return;
    rowSel_ = s.rowSel;
    colSel_ = s.colSel;
    Refresh();
    if (SelChange) {
        Guarded(SelChange);
        if (!(Current() == s)) dragging_ = false;
    }
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* e) {
    dragging_ = false;
    e->accept();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
    if (DblClick) Guarded(DblClick);
}

void FlexGrid::Navigate(QKeyEvent* e) {
    const int key = e->key();
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    const int firstRow = fixedRows_, lastRow = rowCount() - 1;
    const int firstCol = fixedCols_, lastCol = columnCount() - 1;
    if (firstRow > lastRow || firstCol > lastCol) {
        QWidget::keyPressEvent(e);
        return;
    }
    int r = extend ? rowSel_ : row_;
    int c = extend ? colSel_ : col_;
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(firstRow)) - 1);
    switch (key) {
    case Qt::Key_Left: --c; break;
    case Qt::Key_Right: ++c; break;
    case Qt::Key_Up: --r; break;
    case Qt::Key_Down: ++r; break;
    case Qt::Key_Home: c = firstCol; break;
    case Qt::Key_End: c = lastCol; break;
    case Qt::Key_PageUp: r -= page; break;
    case Qt::Key_PageDown: r += page; break;
    default: QWidget::keyPressEvent(e); return;
    }
    r = std::clamp(r, firstRow, lastRow);
    c = std::clamp(c, firstCol, lastCol);
    e->accept();
    UserSelect(extend ? Sel{row_, col_, r, c} : Sel{r, c, r, c}, true);
}

void FlexGrid::keyPressEvent(QKeyEvent* e) {
    DispatchKeyPress(keys, e, [this](QKeyEvent* k) { Guarded([&] { Navigate(k); }); });
}

void FlexGrid::keyReleaseEvent(QKeyEvent* e) {
    DispatchKeyRelease(keys, e, [this](QKeyEvent* k) { QWidget::keyReleaseEvent(k); });
}

}  // namespace plat
