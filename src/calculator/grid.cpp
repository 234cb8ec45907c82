#include "calculator/grid.h"

#include <QModelIndex>
#include <algorithm>

#include "calculator/args.h"
#include "platform/buttons.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/keys.h"
#include "platform/labels.h"
#include "platform/mousepointer.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "runtime/scopeguard.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace calc {

namespace {

constexpr int kTitleColWidth = 330;
constexpr int kDataColWidth = 1260;
constexpr int kSmallColWidth = 420;
constexpr int kUpArrowPointer = 10;

constexpr const char* kCellSkipped = "a result that cannot be written keeps the cell's text";
// The calculation answers its own failures; the key that starts it adds nothing.
constexpr const char* kCalculationTellsItself = "the calculation shows its own message";

uint8_t Byte(int v) { return static_cast<uint8_t>(v); }

}  // namespace

void ArgGrid::Attach() {
    plat::FlexGrid& g = *c_.gd;
    g.SelChange = [this] { gd_SelChange(); };
    g.EnterCell = [this] { typing_.Chosen(*c_.gd); };
    g.keys.KeyDown = [this](int& k, int s) { gd_KeyDown(k, s); };
    g.keys.KeyPress = [this](int& k) { gd_KeyPress(k); };
    g.MouseDown = [this](int b, int s, double x, double y) { gd_MouseDown(b, s, x, y); };
    for (int i = 0; i < kGridTools; ++i) c_.cmdGrid[i]->Click = [this, i] { cmdGrid_Click(i); };
}

void ArgGrid::ArrangeGd() {
    plat::FlexGrid& g = *c_.gd;
    for (int i = 1; i < g.Rows(); ++i) g.SetTextMatrix(i, 0, QString::number(i));
    g.SetColWidth(0, kTitleColWidth);
    for (int j = 1; j < g.Cols(); ++j) {
        g.SetColWidth(j, kDataColWidth);
        g.SetColAlignment(j, plat::FlexGrid::CenterCenter);
        g.SetTextMatrix(0, j, QString::number(j));
    }
    g.SetColAlignment(0, plat::FlexGrid::CenterCenter);
    g.SetTextMatrix(0, 0, QStringLiteral("#"));
    g.SetRow(1);
    g.SetCol(1);
}

bool ArgGrid::HoldsArguments() const {
    const plat::FlexGrid& g = *c_.gd;
    for (int r = g.FixedRows(); r < g.Rows(); ++r)
        for (int c = g.FixedCols(); c < g.Cols(); ++c)
            if (!g.TextMatrix(r, c).trimmed().isEmpty()) return true;
    return false;
}

void ArgGrid::PasteClipboard() {
    const std::optional<QString> text = plat::ClipboardValueForCell();
    if (!text || text->isEmpty()) return;
    c_.gd->SetText(*text);
    typing_.Forget();
}

void ArgGrid::RefuseRowPastTheEnd() { plat::MsgBox(kNoRowLeft, plat::MsgButtons::OK, plat::kAppTitle); }

void ArgGrid::gd_SelChange() {
    rt::IgnoreError("a selection that cannot be read keeps the one recorded before", [&] {
        plat::FlexGrid& g = *c_.gd;
        shell::SharedState& s = shell::Shared();
        shell::GridBlock& sel = s.Selection;
        sel.TopRow = Byte(g.Row());
        sel.LeftCol = Byte(g.Col());
        sel.BottomRow = Byte(g.RowSel());
        sel.RightCol = Byte(g.ColSel());
        if (g.RowSel() >= g.Row() && g.ColSel() >= g.Col()) {
            sel.RowCount = Byte(sel.BottomRow - sel.TopRow + 1);
            sel.ColCount = Byte(sel.RightCol - sel.LeftCol + 1);
            if (c_.lblRC)
                c_.lblRC->SetCaption(QString::number(sel.RowCount) + QStringLiteral(" x ") +
                                     QString::number(sel.ColCount));
            s.SavedSelection = s.Selection;
            return;
        }
        plat::MsgBox(QString::fromUtf8(kBackwardSelection.data(), kBackwardSelection.size()), plat::MsgButtons::OK,
                     plat::kAppTitle);
        // Back to the anchor cell; the bytes name it too, so that no tool
        // acts on the refused rectangle.
        g.SetRow(sel.TopRow);
        g.SetRowSel(sel.TopRow);
        g.SetCol(sel.LeftCol);
        g.SetColSel(sel.LeftCol);
        sel.BottomRow = sel.TopRow;
        sel.RightCol = sel.LeftCol;
    });
}

void ArgGrid::gd_KeyDown(int& keyCode, int shift) {
    plat::FlexGrid& g = *c_.gd;
    switch (keyCode) {
    case plat::vk::Delete: {
        // The rectangle the grid shows selected (after an Enter walk that is
        // the current cell, not the block selected before it).
        const int top = std::min(g.Row(), g.RowSel()), bottom = std::max(g.Row(), g.RowSel());
        const int left = std::min(g.Col(), g.ColSel()), right = std::max(g.Col(), g.ColSel());
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c) g.SetTextMatrix(r, c, QString());
        break;
    }
    case plat::vk::Insert:
        rt::IgnoreError(kCellSkipped, [&] {
            const std::string text = c_.txtExpr->Text().toStdString();
            if (rt::IsNumeric(text))
                g.SetTextMatrix(g.Row(), g.Col(),
                                QString::fromStdString(rt::RoundedText(rt::TextToNumber(text), text::G().Decimals)));
        });
        break;
    case plat::vk::Return:
        if (shift & plat::kShiftMask) {
            rt::IgnoreError(kCalculationTellsItself, [&] {
                if (c_.pressCalculate) c_.pressCalculate();
            });
            keyCode = 0;
        }
        break;
    case plat::vk::Down:
        // Below the last row there is no cell: a value typed after a silent
        // Down would go over the last row's one.
        if (shift == 0 && g.Row() == g.Rows() - 1) {
            RefuseRowPastTheEnd();
            keyCode = 0;
        }
        break;
    case 'V':
        if (shift == plat::kCtrlMask) {
            PasteClipboard();
            keyCode = 0;
        }
        break;
    case plat::vk::F1 + 11:  // F12
        rt::IgnoreError(kCalculationTellsItself, [&] {
            if (c_.pressCalculate) c_.pressCalculate();
        });
        break;
    default: break;
    }
}

void ArgGrid::gd_KeyPress(int& keyAscii) {
    plat::FlexGrid& g = *c_.gd;
    shell::SharedState& s = shell::Shared();
    if (keyAscii == plat::vk::Return) {
        s.SavedSelection = s.Selection;
        const shell::GridBlock& block = s.SavedSelection;
        const int c = g.Col(), r = g.Row();
        if (s.Selection.RowCount == 1 && s.Selection.ColCount == 1) {
            if (c < g.Cols() - 1) {
                g.SetCol(c + 1);
            } else if (r < g.Rows() - 1) {
                g.SetRow(r + 1);
                g.SetCol(1);
            } else {
                RefuseRowPastTheEnd();
            }
            return;
        }
        // The walk through the selected block, row by row.
        if (c < block.RightCol) {
            g.SetCol(c + 1);
        } else if (c == block.RightCol && r < block.BottomRow) {
            g.SetCol(block.LeftCol);
            g.SetRow(r + 1);
        } else if (c == block.RightCol && r == block.BottomRow) {
            g.SetCol(block.LeftCol);
            g.SetRow(block.TopRow);
            g.SetRowSel(block.BottomRow);
            g.SetColSel(block.RightCol);
        }
        return;
    }
    if (keyAscii == plat::vk::Back) {
        if (g.Text().isEmpty())
            typing_.Forget();
        else
            g.SetText(typing_.Erased(g));
        return;
    }
    // Esc types nothing: the cell keeps its text (and would be replaced
    // by the next character all the same).
    if (keyAscii == plat::vk::Escape) return;
    g.SetText(typing_.Typed(g, plat::TextOfAscii(keyAscii)));
}

// ---- copy and move

void ArgGrid::StartDrop(int tool) {
    const shell::GridBlock& s = shell::Shared().SavedSelection;
    plat::FlexGrid& g = *c_.gd;
    if (pending_) c_.cmdGrid[pending_->tool]->SetBackColor(rt::kButtonFace);
    Block b;
    b.tool = tool;
    b.top = s.TopRow;
    b.left = s.LeftCol;
    b.rows = s.RowCount;
    b.cols = s.ColCount;
    for (int i = 0; i < b.rows; ++i)
        for (int j = 0; j < b.cols; ++j) b.texts.push_back(g.TextMatrix(b.top + i, b.left + j));
    pending_ = std::move(b);
    c_.cmdGrid[tool]->SetBackColor(kToolWaiting);
    plat::SetMousePointer(c_.form, kUpArrowPointer);
}

void ArgGrid::EndDrop() {
    if (pending_) c_.cmdGrid[pending_->tool]->SetBackColor(rt::kButtonFace);
    pending_.reset();
    plat::SetMousePointer(c_.form, 0);
}

void ArgGrid::CancelDrop() {
    pending_.reset();
    c_.cmdGrid[3]->SetBackColor(kToolCancelled);
    c_.cmdGrid[6]->SetBackColor(kToolCancelled);
    plat::SetMousePointer(c_.gd, 0);
    plat::SetMousePointer(c_.form, 0);
}

void ArgGrid::Drop(int row, int col) {
    plat::FlexGrid& g = *c_.gd;
    const Block b = *pending_;
    // However the drop ends, the block no longer waits: the tool's button
    // and the pointer are not left armed.
    rt::ScopeGuard end([this] { EndDrop(); });
    if (row + b.rows - 1 > g.Rows() - 1 || col + b.cols - 1 > g.Cols() - 1) {
        end.Run();
        plat::MsgBox(kBlockDoesNotFit, plat::MsgButtons::OK, plat::kAppTitle);
        return;
    }
    for (int i = 0; i < b.rows; ++i)
        for (int j = 0; j < b.cols; ++j) {
            g.SetTextMatrix(row + i, col + j, b.texts[size_t(i) * b.cols + j]);
            rt::FaultPoint("grid drop");
        }
    if (b.tool == 6) {
        // Source cells that the block now covers keep what was written there.
        for (int i = 0; i < b.rows; ++i) {
            for (int j = 0; j < b.cols; ++j) {
                const int r = b.top + i, c = b.left + j;
                const bool covered = r >= row && r < row + b.rows && c >= col && c < col + b.cols;
                if (!covered) g.SetTextMatrix(r, c, QString());
            }
        }
    }
}

void ArgGrid::gd_MouseDown(int, int, double x, double y) {
    const QModelIndex idx = plat::DataCellAt(*c_.gd, x, y);
    // Only a data cell is a target; a click elsewhere leaves the block waiting.
    if (!idx.isValid()) return;
    if (pending_) Drop(idx.row(), idx.column());
    // A click on a cell chooses it, also when it was current already (or
    // has just received a drop): typing replaces its text.
    typing_.Chosen(*c_.gd);
}

// ---- tools

void ArgGrid::Swap() {
    plat::FlexGrid& g = *c_.gd;
    const shell::GridBlock& s = shell::Shared().Selection;
    bool rows;
    if (s.RowCount == 2 && s.ColCount == 2)
        rows = plat::MsgBox(kSwapPrompt, plat::MsgButtons::YesNo, kSwapTitle) == plat::MsgResult::Yes;
    else
        rows = s.RowCount == 2 && s.ColCount != 2;
    if (rows) {
        for (int c = s.LeftCol; c <= s.RightCol; ++c) {
            const QString t = g.TextMatrix(s.TopRow, c);
            g.SetTextMatrix(s.TopRow, c, g.TextMatrix(s.BottomRow, c));
            g.SetTextMatrix(s.BottomRow, c, t);
        }
    } else {
        for (int r = s.TopRow; r <= s.BottomRow; ++r) {
            const QString t = g.TextMatrix(r, s.LeftCol);
            g.SetTextMatrix(r, s.LeftCol, g.TextMatrix(r, s.RightCol));
            g.SetTextMatrix(r, s.RightCol, t);
        }
    }
}

void ArgGrid::SetDataColumnWidths(int twips) {
    plat::FlexGrid& g = *c_.gd;
    for (int j = 1; j < g.Cols(); ++j) g.SetColWidth(j, twips);
}

void ArgGrid::FillSeries() {
    plat::FlexGrid& g = *c_.gd;
    const shell::GridBlock& s = shell::Shared().Selection;
    if (s.ColCount != 1 || s.RowCount < 3) return;
    const int col = s.LeftCol;
    const double a = rt::TextToNumber(g.TextMatrix(s.TopRow, col).toStdString());
    const double b = rt::TextToNumber(g.TextMatrix(s.TopRow + 1, col).toStdString());
    const double d = rt::Sub(b, a);
    for (int k = 1; k <= s.BottomRow - s.TopRow - 1; ++k)
        g.SetTextMatrix(s.TopRow + k + 1, col, QString::fromStdString(rt::NumberText(rt::Add(a, rt::Mul(k + 1, d)))));
    g.SetCol(s.LeftCol);
    g.SetRow(s.TopRow);
    g.SetRowSel(s.BottomRow);
    g.SetColSel(s.RightCol);
    g.SetFocus();
}

void ArgGrid::cmdGrid_Click(int index) {
    shell::SharedState& s = shell::Shared();
    const double gridWidth = plat::WidthTwips(c_.gd);
    try {
        switch (index) {
        case 0:
            ArrangeGd();
            s.GridColsPerView = 4;
            break;
        case 1: Swap(); break;
        case 2:
            if (s.GridColsPerView != 1 && s.GridColsPerView != 12) {
                --s.GridColsPerView;
                const double w = rt::IntFloor((gridWidth - 45 - 330 - 280) / 15) * 15 / s.GridColsPerView;
                SetDataColumnWidths(rt::CLng(w));
            }
            break;
        case 3:
        case 6: StartDrop(index); break;
        case 4:
            SetDataColumnWidths(kSmallColWidth);
            s.GridColsPerView = 12;
            break;
        case 5:
            if (s.GridColsPerView != 12) {
                ++s.GridColsPerView;
                SetDataColumnWidths(rt::CLng((gridWidth - 45 - 330 - 250) / s.GridColsPerView));
            }
            break;
        case 7: FillSeries(); break;
        default: break;
        }
    } catch (const rt::RuntimeError&) { plat::MsgBox(kGridCommandError, plat::MsgButtons::OK, plat::kAppTitle); }
}

}  // namespace calc
