// Drawing of the strip picAccel over the motion table: the empty strip of a
// new problem, the configured points, the segment bars and brackets, and the
// acceleration boxes. Strip units: one per pixel, y up, 64 per column.
#include <QString>

#include "motion/panel.h"
#include "motion/state.h"
#include "platform/buttons.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/mousepointer.h"
#include "platform/picture.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "shell/defaults.h"

namespace motion {

namespace {

constexpr rt::ColorRef kEmptyRow = 0xFFFFC0;
constexpr rt::ColorRef kBody1 = 0xC00000;
constexpr rt::ColorRef kBody2 = 0xC000C0;
constexpr double kRightLine = 576;  // scale width 577, less one

double NumberX(int col) { return 64 * (col - 1) + 64 * 0.45 - 4; }

void PrintAt(plat::Picture& s, double x, double y, int number) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.PrintNumber(number);
}

}  // namespace

void Motion::ResetPointsStrip(shell::WorkspaceId mode) {
    plat::Picture& s = *panel_.picAccel;
    s.Cls();
    SetStripPointer(0);
    s.FilledBox(1, 18, 577, 0, kEmptyRow);
    for (int k = 0; k <= 8; ++k) s.Box(64 * k, 19, 64 * k + 64, 1, rt::kBlack);
    s.Line(kRightLine, 19, kRightLine, 1, rt::kBlack);
    for (int k = 1; k <= 9; ++k) PrintAt(s, NumberX(k), 16, k - 1);
    s.Box(0, 42, 575, 19, rt::kBlack);
    for (auto* t : panel_.txtAccel) t->hide();
    plat::FlexGrid& g = *panel_.Gd2;
    if (mode == shell::kProjectileWorkspace) {
        for (int c = 1; c <= 9; ++c) {
            State().ComponentVelocityFlags[c] = false;
            if (g.Rows() >= 5) SetGd2CellBackColor(c, false);
        }
        if (g.Rows() >= 5) {
            g.SetTextMatrix(3, 0, QStringLiteral(" v"));
            g.SetTextMatrix(4, 0, QString(QChar(0x3B8)));
        }
        plat::SetHeightTwips(&g, 1240);
        if (g.Rows() >= 5) {
            const char* t[] = {" t", " x", " y"};
            for (int r = 0; r < 3; ++r) g.SetTextMatrix(r, 0, QString::fromLatin1(t[r]));
        }
    } else if (mode == shell::kRectilinearWorkspace) {
        plat::SetHeightTwips(&g, 765);
        const char* t[] = {" t", " x", " v"};
        for (int r = 0; r < 3 && r < g.Rows(); ++r) g.SetTextMatrix(r, 0, QString::fromLatin1(t[r]));
    }
    panel_.cmdEraseTable->Press();
}

void Motion::DrawStripPointMarks() {
    plat::Picture& s = *panel_.picAccel;
    const MotionState& m = State();
    const int n1 = m.PointsPerBody[1], n = n1 + m.PointsPerBody[2];
    s.FilledBox(1, 20, 64 * n - 2, -1, rt::kLightGrey);
    if (m.NumBodies == 1 || m.NumBodies == 2) {
        for (int p = 1; p <= n; ++p)
            s.FilledBox(64 * (p - 1) + 1, 18, 64 * p - 1, 1, m.NumBodies == 1 || p <= n1 ? kBody1 : kBody2);
    }
    for (int k = 0; k < n; ++k) s.Box(64 * k, 19, 64 * k + 64, 1, rt::kBlack);
    s.Line(kRightLine, 19, kRightLine, 1, rt::kBlack);
}

void Motion::PrintStripPointNumbers() {
    plat::Picture& s = *panel_.picAccel;
    MotionState& m = State();
    const int n1 = m.PointsPerBody[1], n = n1 + m.PointsPerBody[2];
    s.SetForeColor(rt::kWhite);
    for (int p = 1; p <= n1; ++p) PrintAt(s, NumberX(p), 16, p - 1);
    if (m.NumBodies == 2)
        for (int p = n1 + 1; p <= n; ++p) PrintAt(s, NumberX(p), 16, p - n1 - 1);
    s.SetForeColor(rt::kBlack);
    if (shell::Shared().WorkspaceMode == shell::kProjectileWorkspace) {
        for (int c = 1; c <= 9; ++c) m.ComponentVelocityFlags[c] = false;
        for (int p = 1; p <= n; ++p) s.Box(64 * (p - 1), 42, 64 * p, 19, rt::kBlack);
        s.Box(512, 42, 575, 19, rt::kBlack);
        for (int p = 1; p <= n; ++p) {
            s.SetCurrentX(NumberX(p));
            s.SetCurrentY(39);
            s.Print(QStringLiteral("md"));
        }
    }
}

void Motion::RedrawAccelStrip() {
    MotionState& m = State();
    const int n1 = m.PointsPerBody[1], n2 = m.PointsPerBody[2];
    if (n1 + n2 > 9) {
        plat::MsgBox(QStringLiteral("La tabla debe contener a lo más 9 puntos."));
        return;
    }
    for (auto* t : panel_.txtAccel) t->hide();
    panel_.picAccel->Cls();
    m.SegmentsComplete = false;
    m.SegmentCount = 0;
    DrawStripPointMarks();
    PrintStripPointNumbers();
    if (shell::Shared().WorkspaceMode == shell::kRectilinearWorkspace && m.NumBodies == 2) {
        PlaceTxtAccel(3, n1 + 1, n1 + n2);
        DrawSegmentBracket(n1 + 1, n1 + n2);
        m.SegmentsPerBody[2] = 1;
    }
    for (int k = 0; k <= 8; ++k) panel_.picAccel->Box(64 * k, 19, 64 * k + 64, 1, rt::kWhite);
}

void Motion::DrawSegmentBracket(int a, int b) {
    plat::Picture& s = *panel_.picAccel;
    const double x1 = 64 * (a - 1) + 35, x2 = 64 * (b - 1) + 29;
    s.Line(x1, 31, x2, 31, rt::kBlack);
    s.Line(x1, 31, x1, 25, rt::kBlack);
    s.Line(x2, 31, x2, 25, rt::kBlack);
}

void Motion::PlaceTxtAccel(int index, int a, int b) {
    const double left = (64 * (a - 1) + 32 + 64 * (b - 1) + 32) / 2.0 - 25;
    plat::TextBox* t = motion::Element(panel_.txtAccel, index);
    panel_.picAccel->PlaceChild(t, left, 40, 51, 19);
    t->show();
}

void Motion::DrawStripSegmentBar(int first, int last, int, int colourIndex) {
    rt::ExpectIndex(colourIndex, 0, 3, "segment colour");
    plat::Picture& s = *panel_.picAccel;
    const rt::ColorRef c = shell::Shared().ResultColors[colourIndex];
    const int m = State().PointsPerBody[1];
    auto full = [&](int k) { s.FilledBox(64 * k + 1, 18, 64 * k + 63, 2, c); };
    auto left = [&](int k) { s.FilledBox(64 * k + 1, 18, 64 * k + 31, 2, c); };
    auto right = [&](int k) { s.FilledBox(64 * k + 32, 18, 64 * k + 63, 2, c); };
    if (first == 0 && last < m - 1) {
        for (int k = 0; k < last; ++k) full(k);
        left(last);
    } else if (first > 0 && last < m - 1) {
        right(first);
        for (int k = first + 1; k <= last; ++k) full(k);
    } else if (first > 0 && last == m - 1) {
        right(first);
        for (int k = first + 1; k < last; ++k) full(k);
        left(last);
    }
    s.Line(kRightLine, 19, kRightLine, 1, rt::kBlack);
}

void Motion::SetTxtAccel(int mode, int segment, const rt::Variant& text) {
    int index = -1;
    if (mode == 1) {
        rt::ExpectIndex(segment, 1, 3, "segment of an acceleration box");
        index = segment - 1;
    } else if (mode == 2) {
        index = 3;
    }
    if (index >= 0) panel_.txtAccel[index]->SetText(QString::fromStdString(text.ToText()));
}

}  // namespace motion
