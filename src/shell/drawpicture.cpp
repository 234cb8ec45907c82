#include "shell/drawpicture.h"

#include <QPointF>
#include <QString>

namespace shell {

std::optional<AreaD> PictureArea(const plat::Picture& pic) {
    if (pic.ScaleHeight() >= 0) return std::nullopt;
    return AreaD{pic.ScaleLeft(), pic.ScaleTop() + pic.ScaleHeight(), pic.ScaleLeft() + pic.ScaleWidth(),
                 pic.ScaleTop()};
}

void PictureCanvas::SetCurrent(double x, double y) {
    pic_.SetCurrentX(x);
    pic_.SetCurrentY(y);
}

void PictureCanvas::Box(double x1, double y1, double x2, double y2, rt::ColorRef colour, bool filled) {
    if (filled)
        pic_.FilledBox(x1, y1, x2, y2, colour);
    else
        pic_.Box(x1, y1, x2, y2, colour);
}

void PictureCanvas::Polygon(const std::vector<PointD>& points) {
    std::vector<QPointF> pts;
    pts.reserve(points.size());
    for (const PointD& p : points) pts.emplace_back(p.x, p.y);
    pic_.Polygon(pts);
}

void PictureCanvas::Print(const std::string& text) { pic_.Print(QString::fromStdString(text)); }

double PictureCanvas::TextWidth(const std::string& text) { return pic_.TextWidth(QString::fromStdString(text)); }

double PictureCanvas::TextHeight(const std::string& text) { return pic_.TextHeight(QString::fromStdString(text)); }

void PictureCanvas::SetFillStyle(int s) { pic_.SetFillStyle(static_cast<plat::FillStyle>(s)); }

void PictureCanvas::SetDrawStyle(int s) { pic_.SetDrawStyle(static_cast<plat::DrawStyle>(s)); }

void PictureCanvas::SetFontName(const std::string& name) { pic_.SetFontName(QString::fromStdString(name)); }

void MoveTo(plat::Picture& pic, double x, double y, bool scaled) {
    PictureCanvas c(pic);
    MoveTo(c, x, y, scaled);
}

void MoveRel(plat::Picture& pic, double dx, double dy, bool scaled) {
    PictureCanvas c(pic);
    MoveRel(c, dx, dy, scaled);
}

void DrawSegment(plat::Picture& pic, double length, double advance, bool registerIt, std::optional<int> hour,
                 double angle) {
    PictureCanvas c(pic);
    DrawSegment(c, length, advance, registerIt, hour, angle);
}

void DrawArrow(plat::Picture& pic, double length, bool fromPen, bool filledHead, int penMode, bool registerIt,
               rt::ColorRef colour, const rt::Variant& label, int headSize, std::optional<int> hour, double angle) {
    PictureCanvas c(pic);
    DrawArrow(c, length, fromPen, filledHead, penMode, registerIt, colour, label, headSize, hour, angle);
}

void DrawArrowBetween(plat::Picture& pic, double x1, double y1, double x2, double y2, int penMode, bool filledHead,
                      const rt::Variant& label, rt::ColorRef colour) {
    PictureCanvas c(pic);
    DrawArrowBetween(c, x1, y1, x2, y2, penMode, filledHead, label, colour);
}

void MoveToShapePoint(plat::Picture& pic, const std::string& shapeName, double u, double v) {
    PictureCanvas c(pic);
    MoveToShapePoint(c, shapeName, u, v);
}

void DrawPointMark(plat::Picture& pic, bool isCircle, double size, bool filled, rt::ColorRef colour) {
    PictureCanvas c(pic);
    DrawPointMark(c, isCircle, size, filled, colour);
}

void DrawOutOfPlaneMark(plat::Picture& pic, int sense, rt::ColorRef colour) {
    PictureCanvas c(pic);
    DrawOutOfPlaneMark(c, sense, colour);
}

void DrawArcArrow(plat::Picture& pic, double radius, double sweepDeg, bool withHead, bool centred,
                  std::optional<int> hour, double angle) {
    PictureCanvas c(pic);
    DrawArcArrow(c, radius, sweepDeg, withHead, centred, hour, angle);
}

void DrawMomentArc(plat::Picture& pic, double radius, int sense) {
    PictureCanvas c(pic);
    DrawMomentArc(c, radius, sense);
}

void DrawLineOfAction(plat::Picture& pic, double x0, double y0, double& xa, double& ya, double& xb, double& yb,
                      rt::ColorRef colour, double angleDeg) {
    PictureCanvas c(pic);
    DrawLineOfAction(c, x0, y0, xa, ya, xb, yb, colour, angleDeg);
}

}  // namespace shell
