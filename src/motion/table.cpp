// The motion table Gd2: layout, typing, the one-cell clipboard, the
// projectile velocity rows and the erasing of the whole table. Every edit
// is copied at once into MotionPoints. Typing works as in the argument
// grid (plat::CellTyping): the first key in a cell just chosen replaces its
// text; a key the cell refuses takes back the whole edit.
#include <cmath>

#include "motion/panel.h"
#include "motion/positions.h"
#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/celltyping.h"
#include "platform/clipboard.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/keys.h"
#include "platform/picture.h"
#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace motion {

namespace {

// What a cell shows for a stored value: a number rounded to Decimals, a
// text as it is.
QString CellText(const rt::Variant& v) {
    if (v.IsNumber()) return QString::fromStdString(rt::RoundedText(v.Number(), text::G().Decimals));
    return QString::fromStdString(v.ToText());
}

const QString kTheta = QStringLiteral(" ") + QChar(0x3B8);  // the launch angle θ

// A comma typed after `text` can be the decimal point: it follows the
// digits of a number that has no point and no exponent yet.
bool CommaIsDecimalPoint(const QString& text) {
    int i = static_cast<int>(text.size());
    while (i > 0 && text.at(i - 1).isDigit()) --i;
    if (i == text.size()) return false;
    if (i == 0) return true;
    const QChar before = text.at(i - 1);
    return !before.isLetter() && before != QLatin1Char('.');
}

// The letters by which a cell of row q is a relational datum to be parsed
// rather than a number.
const char* RelationalLetters(int q, bool projectile) {
    if (projectile) return q == 0 ? "t" : q == 2 ? "y" : "";
    return q == 0 ? "t" : q == 1 ? "xX" : "vV";
}

}  // namespace

void Motion::SetPointCell(int q, int p, const rt::Variant& v) {
    MotionPoint(q, p) = v;
    panel_.Gd2->SetTextMatrix(q, p, CellText(v));
}

void Motion::ArrangeGd2(int colWidth, shell::WorkspaceId mode) {
    plat::FlexGrid& g = *panel_.Gd2;
    for (int c = 1; c < g.Cols(); ++c) g.SetColWidth(c, colWidth);
    g.SetColWidth(0, 360);
    if (mode == shell::kRectilinearWorkspace) {
        g.SetRows(3);
        const char* t[] = {" t", " x", " v"};
        for (int r = 0; r < 3; ++r) g.SetTextMatrix(r, 0, QString::fromLatin1(t[r]));
    } else if (mode == shell::kProjectileWorkspace) {
        g.SetRows(5);
        const QString t[] = {QStringLiteral(" t"), QStringLiteral(" x"), QStringLiteral(" y"), QStringLiteral(" v"),
                             kTheta};
        for (int r = 0; r < 5; ++r) g.SetTextMatrix(r, 0, t[r]);
    }
    const int last = g.Cols() - 1;
    g.SetColWidth(last, g.ColWidth(last) - 15);
    plat::SetWidthTwips(&g, 9045);
    for (int c = 0; c < g.Cols(); ++c) g.SetColAlignment(c, plat::FlexGrid::CenterCenter);
    panel_.cmdEraseTable->move(g.x(), panel_.cmdEraseTable->y());
    panel_.picAccel->MoveTwips(plat::LeftTwips(&g) + 345, plat::TopTwips(&g) - 630, 8640, 630);
    panel_.picAccel->Scale(0, 42, 577, 0);
}

void Motion::SetGd2CellBackColor(int col, bool grey) {
    plat::FlexGrid& g = *panel_.Gd2;
    g.SetCol(col);
    for (int r = 3; r <= 4; ++r) {
        g.SetRow(r);
        g.SetCellBackColor(grey ? 0xE0E0E0 : rt::kWhite);
    }
}

void Motion::FocusGd2OnCol(int col) {
    plat::FlexGrid& g = *panel_.Gd2;
    g.SetRow(0);
    g.SetCol(col);
    g.SetFocus();
}

void Motion::EraseGd2Table() {
    plat::FlexGrid& g = *panel_.Gd2;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 1; c < g.Cols(); ++c) g.SetTextMatrix(r, c, QString());
    EraseMotionPoints();
}

void Motion::cmdEraseTable_Click() { EraseGd2Table(); }

void Motion::BeginEdit() {
    plat::FlexGrid& g = *panel_.Gd2;
    const int r = g.Row(), c = g.Col();
    const QString shown = g.Text();
    if (edit_ && edit_->q == r && edit_->p == c && edit_->shown == shown) return;
    edit_ = Edit{r, c, MotionPoint(r, c), shown, shown};
}

void Motion::Gd2_KeyPress(int& keyAscii) {
    plat::FlexGrid& g = *panel_.Gd2;
    const int r = g.Row(), c = g.Col();
    if (keyAscii == 13) {
        if (r < g.Rows() - 1) {
            g.SetRow(r + 1);
        } else if (c < g.Cols() - 1) {
            g.SetRow(0);
            g.SetCol(c + 1);
        }
        return;
    }
    if (keyAscii == 8) {
        if (g.Text().isEmpty()) return;
        BeginEdit();
        const QString t = typing_.Erased(g);
        g.SetText(t);
        MotionPoint(r, c) = t.toStdString();
        edit_->shown = t;
        return;
    }
    if (keyAscii < 32) return;  // a control key types nothing
    // The minus sign of the program's results is a minus.
    if (keyAscii == 0x2212) keyAscii = '-';
    // The first key in a cell just chosen replaces its text.
    const QString before = typing_.Before(g);
    // A cell holds one number or a relational datum, never a list. The
    // exponent letter goes in as "E"; a comma goes in as the decimal point
    // only where a point could stand (after the digits of a number that
    // has none yet).
    static const QString allowed = QStringLiteral("0123456789.+-txyv*/ eE");
    QString typed = plat::TextOfAscii(keyAscii);
    QString refusal;
    if (typed == QStringLiteral(",")) {
        if (CommaIsDecimalPoint(before))
            typed = QStringLiteral(".");
        else
            refusal = QStringLiteral(
                "La casilla guarda un solo número, con una sola coma o punto decimal y sin separar los miles "
                "(1000.5, no 1.000,5).");
    } else if (typed.size() != 1 || !allowed.contains(typed)) {
        refusal = QStringLiteral("La casilla no admite \"") + typed +
                  QStringLiteral(
                      "\": escribe un número (2.5, -3, 1E3) o un dato relativo a otro punto "
                      "(t0+2, x1-3, 2*x1, x1/2).");
    } else if (typed == QStringLiteral("e")) {
        typed = QStringLiteral("E");
    }
    if (!refusal.isEmpty()) {
        // The keys typed before the refused one are taken back with it:
        // what is left of them ("1.000" of "1.000,5") is another number.
        // The cell holds what it held before, and the next key starts over.
        if (edit_ && edit_->q == r && edit_->p == c && edit_->shown == g.Text()) {
            g.SetText(edit_->shownBefore);
            MotionPoint(r, c) = edit_->stored;
        }
        edit_.reset();
        typing_.Chosen(g);
        plat::MsgBox(refusal);
        return;
    }
    BeginEdit();
    const QString t = typing_.Typed(g, typed);
    g.SetText(t);
    MotionPoint(r, c) = t.toStdString();
    edit_->shown = t;
}

void Motion::Gd2_KeyDown(int& keyCode, int shift) {
    plat::FlexGrid& g = *panel_.Gd2;
    const int r = g.Row(), c = g.Col();
    if (keyCode == 46) {
        SetPointCell(r, c, std::string());
        return;
    }
    if (shift != 2) return;
    if (keyCode == 67 || keyCode == 88) {
        plat::ClearClipboard();
        plat::SetClipboardText(QString::fromStdString(MotionPoint(r, c).ToText()));
        if (keyCode == 88) SetPointCell(r, c, std::string());
    } else if (keyCode == 86) {
        // One value: several (the cells of a row, lines) are refused, and
        // nothing to paste (an empty clipboard, a copied drawing) empties no cell.
        const std::optional<QString> pasted = plat::ClipboardValueForCell();
        if (!pasted || pasted->isEmpty()) return;
        std::string t = rt::Trim(rt::PlainMinus(pasted->toStdString()));
        if (const auto number = rt::SingleNumberText(t)) t = *number;  // "2,5" is 2.5
        const auto n = rt::TryTextToNumber(t);
        if (n && !std::isfinite(*n)) {  // too large for a number: the cell keeps what it held
            RefuseCell(r, c, t);
            return;
        }
        g.SetTextMatrix(
            r, c, n ? QString::fromStdString(rt::RoundedText(*n, text::G().Decimals)) : QString::fromStdString(t));
        MotionPoint(r, c) = t;
        edit_.reset();
        typing_.Forget();
    }
}

std::string Motion::CellName(int q, int col) const {
    const MotionState& st = State();
    const bool projectile = shell::Shared().WorkspaceMode == shell::kProjectileWorkspace;
    std::string quantity;
    if (!projectile) {
        const char* names[] = {"t", "x", "v"};
        rt::ExpectIndex(q, 0, 2, "row of the rectilinear table");
        quantity = names[q];
    } else {
        rt::ExpectIndex(col, 1, kMaxPoints, "column of the table");
        rt::ExpectIndex(q, 0, kQuantities - 1, "row of the projectile table");
        const bool cs = st.ComponentVelocityFlags[col];
        const char* names[] = {"t", "x", "y", cs ? "vx" : "v", cs ? "vy" : "\xCE\xB8"};
        quantity = names[q];
    }
    const bool second = st.NumBodies == 2 && col > st.PointsPerBody[1];
    const int point = second ? col - st.PointsPerBody[1] - 1 : col - 1;
    std::string name = quantity + " del punto " + std::to_string(point);
    if (st.NumBodies == 2) name += second ? " del móvil 2" : " del móvil 1";
    return name;
}

void Motion::RefuseCell(int q, int col, const std::string& text) {
    plat::MsgBox(QString::fromStdString("No puedo leer el dato " + CellName(q, col) + ": \"" + text +
                                        "\". Escribe un número (2.5, -3, 1E3) o un dato relativo a otro "
                                        "punto (t0+2, x1-3, 2*x1, x1/2)."));
}

bool Motion::CellsReadable(int body) {
    const MotionState& st = State();
    if (body != 1 && body != 2) return true;
    const int count = st.NumBodies == 2 ? st.PointsPerBody[body] : body == 1 ? kMaxPoints : 0;
    const bool projectile = shell::Shared().WorkspaceMode == shell::kProjectileWorkspace;
    const int rows = projectile ? kQuantities : 3;
    for (int k = 0; k < count; ++k) {
        const int col = st.NumBodies == 2 ? TableColOfPoint(body, k) : k + 1;
        if (col < 1 || col > kMaxPoints) continue;
        for (int q = 0; q < rows; ++q) {
            const rt::Variant& v = MotionPoint(q, col);
            if (!v.IsText()) continue;  // Empty or a number
            const std::string t = rt::Trim(v.Text());
            if (t.empty() || t.find_first_of(RelationalLetters(q, projectile)) != std::string::npos) continue;
            const auto n = rt::TryTextToNumber(t);
            if (n && std::isfinite(*n)) continue;
            RefuseCell(q, col, v.Text());
            return false;
        }
    }
    return true;
}

void Motion::Gd2_KeyUp(int& keyCode, int shift) {
    if (shift == 2 && (keyCode == 67 || keyCode == 86)) keyCode = 0;
}

// The current cell of Gd2 is always one of the table's: the grid has the
// shape of MotionPoints and its title column is never current.
void Motion::Gd2_DblClick() {
    plat::FlexGrid& g = *panel_.Gd2;
    g.SetText(QString());
    MotionPoint(g.Row(), g.Col()) = std::string();
}

void Motion::Gd2_MouseDown(int, int, double x, double y) {
    // A click on a cell chooses it, also when it was current already.
    if (!plat::DataCellAt(*panel_.Gd2, x, y).isValid()) return;
    typing_.Chosen(*panel_.Gd2);
    edit_.reset();
}

void Motion::Gd2_EnterCell() {
    typing_.Chosen(*panel_.Gd2);
    edit_.reset();
    if (shell::Shared().WorkspaceMode != shell::kProjectileWorkspace) return;
    plat::FlexGrid& g = *panel_.Gd2;
    if (g.Rows() < 5) return;
    const bool cs = ComponentColumn(g.Col());
    g.SetTextMatrix(3, 0, cs ? QStringLiteral(" vx") : QStringLiteral(" v"));
    g.SetTextMatrix(4, 0, cs ? QStringLiteral(" vy") : kTheta);
}

}  // namespace motion
