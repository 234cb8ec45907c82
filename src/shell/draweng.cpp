#include "shell/draweng.h"

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/rounding.h"
#include "runtime/scopeguard.h"
#include "shell/drawpicture.h"
#include "vectors/clock.h"

namespace shell {

namespace {

const char kLabelFont[] = "Small Fonts";
constexpr double kLabelSize = 7;

LabelPrinter g_labelPrinter = &PrintPlainLabel;

// The pen takes the picture's current point.
void ReadPen(DrawCanvas& pic) {
    DrawEngState& st = DrawEng();
    st.PenX = Sng(pic.CurrentX());
    st.PenY = Sng(pic.CurrentY());
}

void SetCurrentAndPen(DrawCanvas& pic, double x, double y) {
    pic.SetCurrent(Sng(x), Sng(y));
    ReadPen(pic);
}

void StrokeHead(DrawCanvas& pic, const OpenHead& h) {
    pic.Line(h.at.x, h.at.y, h.end1.x, h.end1.y);
    pic.Line(h.at.x, h.at.y, h.end2.x, h.end2.y);
}

}  // namespace

DrawEngState& DrawEng() {
    static DrawEngState state;
    return state;
}

void SetDirection(int hour, double angleDeg) { SetDirection(DrawEng(), hour, angleDeg); }

void MoveTo(DrawCanvas& pic, double x, double y, bool scaled) {
    const double f = scaled ? DrawEng().DrawScale : 1.0;
    SetCurrentAndPen(pic, x * f, y * f);
}

void MoveRel(DrawCanvas& pic, double dx, double dy, bool scaled) {
    const double f = scaled ? DrawEng().DrawScale : 1.0;
    // Start from where the picture really is: a line, circle or print may
    // have moved it since the last engine call.
    MoveTo(pic, pic.CurrentX(), pic.CurrentY(), false);
    const DrawEngState& st = DrawEng();
    SetCurrentAndPen(pic, st.PenX + dx * f, st.PenY + dy * f);
}

void DrawSegment(DrawCanvas& pic, double length, double advance, bool registerIt, std::optional<int> hour,
                 double angle) {
    DrawEngState& st = DrawEng();
    const double x0 = st.PenX, y0 = st.PenY;
    if (hour) SetDirection(st, *hour, angle);
    const double L = Sng(length * st.DrawScale);
    pic.Line(st.PenX, st.PenY, st.PenX + L * st.DirCos, st.PenY + L * st.DirSin);
    SetCurrentAndPen(pic, st.PenX + advance * st.DirCos * L, st.PenY + advance * st.DirSin * L);
    if (registerIt) RegisterShape(st, "Linea", NextShapeNumber(st.LineShapeCount), x0, y0, L, L);
}

void DrawArrow(DrawCanvas& pic, double length, bool fromPen, bool filledHead, int penMode, bool registerIt,
               rt::ColorRef colour, const rt::Variant& label, int headSize, std::optional<int> hour, double angle) {
    DrawEngState& st = DrawEng();
    if (hour) SetDirection(st, *hour, angle);
    const double L = Sng(length * st.DrawScale);
    const Direction d{st.DirAngle, st.DirCos, st.DirSin, st.Dir90Cos, st.Dir90Sin};

    // The picture's colours, fill, line style and font come back on every
    // way out, an overflow of a stroke too.
    rt::ScopeGuard restore([&pic, oldFore = pic.ForeColor(), oldFill = pic.FillColor(), oldFillStyle = pic.FillStyle(),
                            oldDrawStyle = pic.DrawStyle(), oldFont = pic.FontName(), oldSize = pic.FontSize()] {
        pic.SetForeColor(oldFore);
        pic.SetFillStyle(oldFillStyle);
        pic.SetDrawStyle(oldDrawStyle);
        pic.SetFillColor(oldFill);
        pic.SetFontName(oldFont);
        pic.SetFontSize(oldSize);
    });
    pic.SetDrawStyle(DrawCanvas::kLineSolid);

    const ArrowPoints a = ArrowGeometry({st.PenX, st.PenY}, L, fromPen, d, headSize);
    pic.SetForeColor(colour);
    if (!filledHead) {
        pic.Line(a.headTip.x, a.headTip.y, a.corner1.x, a.corner1.y);
        pic.Line(a.headTip.x, a.headTip.y, a.corner2.x, a.corner2.y);
        pic.Line(a.tip.x, a.tip.y, a.tail.x, a.tail.y);
    } else {
        pic.SetFillColor(colour);
        pic.SetFillStyle(DrawCanvas::kFillSolid);
        // In the picture's own y-up coordinates, so any picture height works.
        pic.Polygon({a.corner1, a.corner2, a.headTip});
        pic.Line(a.tail.x, a.tail.y, a.tip.x, a.tip.y);
    }

    if (!LabelIsEmpty(label)) {
        pic.SetFontName(kLabelFont);
        pic.SetFontSize(kLabelSize);
        const std::string raw = LabelRawText(label);
        const double w = std::fabs(pic.TextWidth(raw));
        const double h = std::fabs(pic.TextHeight(raw));
        const PointD free = fromPen ? a.tip : a.tail;
        PointD at = LabelPoint(free, fromPen, st.DirHour, w, h);
        if (const plat::Picture* shown = pic.picture())
            if (const auto area = PictureArea(*shown)) at = KeepLabelInside(at, w, h, *area);
        MoveTo(pic, at.x, at.y, false);
        g_labelPrinter(pic, LabelShownText(label), st.PenX, st.PenY, kLabelFont, kLabelSize);
    }

    if (penMode == kPenAtTail)
        pic.SetCurrent(a.tail.x, a.tail.y);
    else if (penMode == kPenAtTip)
        pic.SetCurrent(a.tip.x, a.tip.y);
    ReadPen(pic);

    if (registerIt) RegisterShape(st, "Flecha", NextShapeNumber(st.ArrowShapeCount), a.tail.x, a.tail.y, L, L);
}

void DrawArrowBetween(DrawCanvas& pic, double x1, double y1, double x2, double y2, int penMode, bool filledHead,
                      const rt::Variant& label, rt::ColorRef colour) {
    double len = Sng(std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)));
    if (rt::RoundHalfEven(len, 5) == 0) {
        MoveTo(pic, x1, y1, false);
        pic.SetForeColor(colour);
        pic.SetFillStyle(DrawCanvas::kFillSolid);
        pic.SetFillColor(colour);
        const DrawEngState& st = DrawEng();
        pic.Circle(st.PenX, st.PenY, 2);
        pic.SetFillStyle(DrawCanvas::kFillTransparent);
        pic.SetForeColor(rt::kBlack);
        return;
    }
    if (len < 12) len = 12;
    const vec::HourAlpha ha = vec::ClockSector(x2 - x1, y2 - y1);
    MoveTo(pic, x1, y1, false);
    DrawArrow(pic, len / DrawEng().DrawScale, true, filledHead, penMode, false, colour, label, 3, ha.hour, ha.alpha);
}

void RegisterShape(const std::string& kind, int n, double x, double y, double len1, double len2) {
    RegisterShape(DrawEng(), kind, n, x, y, len1, len2);
}

void ClearShapes() { ClearShapes(DrawEng()); }

void MoveToShapePoint(DrawCanvas& pic, const std::string& shapeName, double u, double v) {
    DrawEngState& st = DrawEng();
    const int hour = st.DirHour;
    const double alpha = Sng(st.DirAlpha);
    const PointD p = ShapePoint(st, shapeName, u, v);
    SetCurrentAndPen(pic, p.x, p.y);
    SetDirection(st, hour, alpha);
}

void DrawPointMark(DrawCanvas& pic, bool isCircle, double size, bool filled, rt::ColorRef colour) {
    const DrawEngState& st = DrawEng();
    const rt::ColorRef oldFore = pic.ForeColor(), oldFill = pic.FillColor();
    const int oldFillStyle = pic.FillStyle();
    pic.SetForeColor(colour);
    if (isCircle) {
        if (filled) {
            pic.SetFillStyle(DrawCanvas::kFillSolid);
            pic.SetFillColor(colour);
        }
        pic.Circle(st.PenX, st.PenY, std::fabs(size));
    } else {
        const double x = pic.CurrentX() - size, y = pic.CurrentY() + size;
        pic.Box(x, y, x + 2 * size, y - 2 * size, colour, filled);
    }
    pic.SetFillStyle(oldFillStyle);
    pic.SetFillColor(oldFill);
    pic.SetForeColor(oldFore);
    pic.SetCurrent(st.PenX, st.PenY);
}

void DrawOutOfPlaneMark(DrawCanvas& pic, int sense, rt::ColorRef colour) {
    DrawEngState& st = DrawEng();
    const rt::ColorRef oldFore = pic.ForeColor();
    pic.SetForeColor(colour);
    pic.Circle(st.PenX, st.PenY, 0.25 * st.DrawScale);
    if (sense == -1) {
        for (int hour : {2, 7, 11, 4}) DrawSegment(pic, 0.25, 0, false, hour, 45);
    } else {
        DrawPointMark(pic, true, 2, true, colour);
    }
    pic.SetForeColor(oldFore);
    pic.SetCurrent(st.PenX, st.PenY);
}

void DrawArcArrow(DrawCanvas& pic, double radius, double sweepDeg, bool withHead, bool centred, std::optional<int> hour,
                  double angle) {
    DrawEngState& st = DrawEng();
    const double r = Sng(radius * st.DrawScale);
    const PointD c{st.PenX, st.PenY};
    const double s = Sng(sweepDeg) * num::kDegToRad;
    if (hour) SetDirection(st, *hour, angle);
    const ArcLimits lim = ArcLimitsOf(st.DirAngle, s, centred);
    pic.Arc(c.x, c.y, r, lim.start, lim.end);
    if (withHead) StrokeHead(pic, ArcHead(c, r, lim, s));
    MoveTo(pic, c.x, c.y, false);
}

void DrawMomentArc(DrawCanvas& pic, double radius, int sense) {
    const DrawEngState& st = DrawEng();
    const PointD c{st.PenX, st.PenY};
    const double R = radius * st.DrawScale;
    if (auto m = MomentArcOf(c, R, sense)) {
        StrokeHead(pic, m->head);
        pic.Arc(c.x, c.y, R, m->arc.start, m->arc.end);
    }
    MoveTo(pic, c.x, c.y, false);
}

void DrawLineOfAction(DrawCanvas& pic, double x0, double y0, double& xa, double& ya, double& xb, double& yb,
                      rt::ColorRef colour, double angleDeg) {
    if (auto s = ClipLineOfAction(x0, y0, xa, ya, xb, yb, angleDeg)) pic.Line(s->a.x, s->a.y, s->b.x, s->b.y, colour);
}

void SetLabelPrinter(LabelPrinter printer) { g_labelPrinter = printer ? printer : &PrintPlainLabel; }

void PrintPlainLabel(DrawCanvas& pic, const std::string& text, double x, double y, const std::string& fontName,
                     double fontSize) {
    const std::string oldFont = pic.FontName();
    const double oldSize = pic.FontSize();
    pic.SetCurrent(x, y);
    pic.SetFontName(fontName);
    pic.SetFontSize(fontSize);
    pic.Print(text);
    pic.SetFontName(oldFont);
    pic.SetFontSize(oldSize);
}

}  // namespace shell
