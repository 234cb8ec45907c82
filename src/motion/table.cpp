// The motion table Gd2: layout, typing, the one-cell clipboard, the
// projectile velocity rows and the erasing of the whole table. Every edit
// is copied at once into MotionPoints.
#include "motion/panel.h"
#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/clipboard.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/picture.h"
#include "runtime/errors.h"
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
        QString t = g.Text();
        if (t.isEmpty()) return;
        t.chop(1);
        g.SetText(t);
        MotionPoint(r, c) = t.toStdString();
        return;
    }
    // A cell holds one number or a relational datum, never a list: a comma
    // is the decimal comma and goes in as the point, and the exponent
    // letter goes in as "E", so every reader of the table takes the number.
    static const QString allowed = QStringLiteral("0123456789.+-txyv*/ eE,");
    if (keyAscii <= 0 || keyAscii > 255 || !allowed.contains(QChar(keyAscii))) return;
    QChar typed(keyAscii);
    if (typed == QLatin1Char(','))
        typed = QLatin1Char('.');
    else if (typed == QLatin1Char('e'))
        typed = QLatin1Char('E');
    const QString t = g.Text() + typed;
    g.SetText(t);
    MotionPoint(r, c) = t.toStdString();
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
        std::string t = rt::Trim(plat::ClipboardText().toStdString());
        if (t.size() >= 2 && t.compare(t.size() - 2, 2, "\r\n") == 0) t = rt::Trim(t.substr(0, t.size() - 2));
        if (const auto number = rt::SingleNumberText(t)) t = *number;  // "2,5" is 2.5
        const auto n = rt::TryTextToNumber(t);
        g.SetTextMatrix(
            r, c, n ? QString::fromStdString(rt::RoundedText(*n, text::G().Decimals)) : QString::fromStdString(t));
        MotionPoint(r, c) = t;
    }
}

void Motion::Gd2_KeyUp(int& keyCode, int shift) {
    if (shift == 2 && (keyCode == 67 || keyCode == 86)) keyCode = 0;
}

void Motion::Gd2_DblClick() {
    plat::FlexGrid& g = *panel_.Gd2;
    rt::IgnoreError("the cell is emptied even if the grid refuses its text", [&] { g.SetText(QString()); });
    rt::IgnoreError("a cell outside the table has no stored datum to empty",
                    [&] { MotionPoint(g.Row(), g.Col()) = std::string(); });
}

void Motion::Gd2_EnterCell() {
    if (shell::Shared().WorkspaceMode != shell::kProjectileWorkspace) return;
    rt::IgnoreError("a column outside the table keeps the titles it shows", [&] {
        plat::FlexGrid& g = *panel_.Gd2;
        if (g.Rows() < 5) return;
        rt::CheckIndex(g.Col(), 1, kMaxPoints);
        const bool cs = State().ComponentVelocityFlags[g.Col()];
        g.SetTextMatrix(3, 0, cs ? QStringLiteral(" vx") : QStringLiteral(" v"));
        g.SetTextMatrix(4, 0, cs ? QStringLiteral(" vy") : kTheta);
    });
}

}  // namespace motion
