#include "platform/celltyping.h"

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "runtime/colors.h"

namespace plat {

void CellTyping::Chosen(const FlexGrid& grid) { chosen_ = grid.Text(); }

QString CellTyping::Before(const FlexGrid& grid) const {
    const QString text = grid.Text();
    return chosen_ && *chosen_ == text ? QString() : text;
}

QString CellTyping::Typed(const FlexGrid& grid, const QString& typed) {
    const QString text = Before(grid) + typed;
    chosen_.reset();
    return text;
}

QString CellTyping::Erased(const FlexGrid& grid) {
    chosen_.reset();
    const QString text = grid.Text();
    return text.left(text.size() - 1);
}

QModelIndex DataCellAt(const FlexGrid& grid, double x, double y) {
    const QPoint inGrid(static_cast<int>(x / rt::kTwipsPerPixel), static_cast<int>(y / rt::kTwipsPerPixel));
    const QModelIndex idx = grid.indexAt(grid.viewport()->mapFrom(&grid, inGrid));
    if (!idx.isValid() || grid.IsFixed(idx.row(), idx.column())) return QModelIndex();
    return idx;
}

std::optional<QString> ClipboardValueForCell() {
    QString text = ClipboardText();
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
    text = text.trimmed();
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\t'))) {
        MsgBox(kPasteOneValue, MsgButtons::OK, kAppTitle);
        return std::nullopt;
    }
    return text;
}

}  // namespace plat
