#include "vectors/ui/clockdraw.h"

#include <QPointF>
#include <vector>

#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/drawpicture.h"

namespace vecui {

namespace {

using vec::ClockLattice;
using vec::ClockPt;

ClockPt Mid(ClockPt a, ClockPt b) { return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}; }

constexpr const char* kStrokeSkipped = "a stroke that fails is left out and the rest of the clock is drawn";

void Quad(plat::Picture& pic, const ClockLattice& p, int a, int b, int c, int d) {
    rt::IgnoreError(kStrokeSkipped, [&] {
        pic.Polygon(
            {QPointF(p[a].x, p[a].y), QPointF(p[b].x, p[b].y), QPointF(p[c].x, p[c].y), QPointF(p[d].x, p[d].y)});
    });
}

void Cell(plat::Picture& pic, const ClockLattice& p, int cell) {
    const auto& q = vec::ClockCellPoints(cell);
    Quad(pic, p, q[0], q[1], q[2], q[3]);
}

void Segment(plat::Picture& pic, ClockPt a, ClockPt b) {
    rt::IgnoreError(kStrokeSkipped, [&] { pic.Line(a.x, a.y, b.x, b.y); });
}

}  // namespace

ClockLattice DrawClockOn(plat::Picture& pic, double rotDeg, bool noMark) {
    const double h = pic.ScaleHeight();
    const double c = h / 2.0;
    const ClockPt k{c, c};
    const ClockLattice lattice = vec::MakeClockLattice(h);
    const ClockLattice p = vec::TurnClockLattice(lattice, c, rotDeg);

    pic.Cls();

    // Centre square with its axes, the +x half-axis thick and yellow.
    pic.SetFillColor(kClockCentreColor);
    pic.SetFillStyle(plat::FillStyle::Solid);
    const auto& sq = vec::kClockCentreSquare;
    Quad(pic, p, sq[0], sq[1], sq[2], sq[3]);
    pic.SetForeColor(kClockAxisColor);
    Segment(pic, Mid(p[23], p[24]), Mid(p[9], p[10]));
    Segment(pic, Mid(p[14], p[18]), Mid(p[15], p[19]));
    pic.SetDrawWidth(2);
    const ClockPt plusX = Mid(p[15], p[19]);
    rt::IgnoreError(kStrokeSkipped, [&] { pic.Line(k.x, k.y, plusX.x, plusX.y, kClockYellow); });
    pic.SetDrawWidth(1);
    pic.SetForeColor(rt::kBlack);
    pic.SetFillColor(kClockYellow);
    rt::IgnoreError(kStrokeSkipped, [&] { pic.Circle(k.x, k.y, 4); });

    // Top and bottom rows, left to right: corner, three hours, corner.
    for (int row = 0; row < 2; ++row) {
        const int base = row == 0 ? 0 : 20;
        for (int i = 1; i <= 5; ++i) {
            pic.SetFillColor(i == 1 || i == 5 ? kClockCornerColor : kClockHourColor);
            pic.SetFillStyle(plat::FillStyle::Solid);
            Quad(pic, p, base + i, base + i + 1, base + i + 7, base + i + 6);
        }
    }

    // The side cells, left and right alternately from the top.
    if (noMark) pic.SetFillColor(kClockHourColor);
    constexpr int sides[6] = {10, 2, 9, 3, 8, 4};
    for (int cell : sides) {
        if (!noMark) pic.SetFillColor(cell == 3 ? kClockMarkColor : kClockHourColor);
        pic.SetFillStyle(plat::FillStyle::Solid);
        Cell(pic, p, cell);
    }

    pic.SetFillStyle(plat::FillStyle::Transparent);
    pic.SetForeColor(rt::kBlack);
    pic.SetFillColor(rt::kWhite);
    pic.SetDrawWidth(1);
    return lattice;
}

void MarkClockHour(plat::Picture& pic, const ClockLattice& lattice, double rotDeg, int previousHour, int hour) {
    rt::ExpectIndex(hour, 1, 12, "clock hour marked");
    const double c = pic.ScaleHeight() / 2.0;
    const ClockPt k{c, c};
    const ClockLattice p = vec::TurnClockLattice(lattice, c, rotDeg);
    const auto centreOf = [&](int h) { return vec::ClockCellCentre(p, h); };

    pic.SetFillStyle(plat::FillStyle::Solid);
    pic.SetFillColor(kClockCentreColor);
    const auto& sq = vec::kClockCentreSquare;
    Quad(pic, p, sq[0], sq[1], sq[2], sq[3]);
    pic.SetFillColor(kClockHourColor);
    Cell(pic, p, previousHour);
    pic.SetFillColor(kClockMarkColor);
    Cell(pic, p, hour);

    shell::MoveTo(pic, c, c, false);
    pic.SetForeColor(kClockAxisColor);
    pic.SetDrawWidth(1);
    for (int step : {3, 6, 9}) Segment(pic, k, centreOf(vec::ClockHourPlus(hour, step)));

    pic.SetForeColor(kClockYellow);
    const ClockPt ref = centreOf(vec::ClockReferenceHour(hour));
    const ClockPt at = centreOf(hour);
    Segment(pic, k, ref);
    pic.SetDrawWidth(2);
    Segment(pic, k, at);
    pic.SetDrawWidth(1);
    if (!vec::IsAxisHour(hour)) {
        Segment(pic, {0.6 * k.x + 0.4 * ref.x, 0.6 * k.y + 0.4 * ref.y},
                {0.6 * k.x + 0.4 * at.x, 0.6 * k.y + 0.4 * at.y});
    }

    pic.SetFillColor(kClockYellow);
    pic.SetForeColor(rt::kBlack);
    rt::IgnoreError(kStrokeSkipped, [&] { pic.Circle(k.x, k.y, 4); });
}

}  // namespace vecui
