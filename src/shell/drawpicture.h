#pragma once
// The drawing engine on the platform's pictures: an adapter that lets the
// engine draw on a Picture, and the engine's operations taking a Picture.
#include <optional>
#include <string>

#include "platform/picture.h"
#include "shell/draweng.h"

namespace shell {

class PictureCanvas : public DrawCanvas {
public:
    explicit PictureCanvas(plat::Picture& pic) : pic_(pic) {}

    double CurrentX() const override { return pic_.CurrentX(); }
    double CurrentY() const override { return pic_.CurrentY(); }
    void SetCurrent(double x, double y) override;
    void Line(double x1, double y1, double x2, double y2) override { pic_.Line(x1, y1, x2, y2); }
    void Line(double x1, double y1, double x2, double y2, rt::ColorRef colour) override {
        pic_.Line(x1, y1, x2, y2, colour);
    }
    void Box(double x1, double y1, double x2, double y2, rt::ColorRef colour, bool filled) override;
    void Circle(double x, double y, double r) override { pic_.Circle(x, y, r); }
    void Arc(double x, double y, double r, double start, double end) override { pic_.Arc(x, y, r, start, end); }
    void Polygon(const std::vector<PointD>& points) override;
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    rt::ColorRef ForeColor() const override { return pic_.ForeColor(); }
    void SetForeColor(rt::ColorRef c) override { pic_.SetForeColor(c); }
    rt::ColorRef FillColor() const override { return pic_.FillColor(); }
    void SetFillColor(rt::ColorRef c) override { pic_.SetFillColor(c); }
    int FillStyle() const override { return static_cast<int>(pic_.FillStyle()); }
    void SetFillStyle(int s) override;
    int DrawStyle() const override { return static_cast<int>(pic_.DrawStyle()); }
    void SetDrawStyle(int s) override;
    std::string FontName() const override { return pic_.FontName().toStdString(); }
    void SetFontName(const std::string& name) override;
    double FontSize() const override { return pic_.FontSize(); }
    void SetFontSize(double size) override { pic_.SetFontSize(size); }
    plat::Picture* picture() override { return &pic_; }

private:
    plat::Picture& pic_;
};

// The picture's area for KeepLabelInside; nothing unless its scale has y up.
std::optional<AreaD> PictureArea(const plat::Picture& pic);

void MoveTo(plat::Picture& pic, double x, double y, bool scaled);
void MoveRel(plat::Picture& pic, double dx, double dy, bool scaled);
void DrawSegment(plat::Picture& pic, double length, double advance, bool registerIt,
                 std::optional<int> hour = std::nullopt, double angle = 0);
void DrawArrow(plat::Picture& pic, double length, bool fromPen, bool filledHead, int penMode, bool registerIt,
               rt::ColorRef colour, const rt::Variant& label, int headSize, std::optional<int> hour = std::nullopt,
               double angle = 0);
void DrawArrowBetween(plat::Picture& pic, double x1, double y1, double x2, double y2, int penMode, bool filledHead,
                      const rt::Variant& label, rt::ColorRef colour);
void MoveToShapePoint(plat::Picture& pic, const std::string& shapeName, double u, double v);
void DrawPointMark(plat::Picture& pic, bool isCircle, double size, bool filled, rt::ColorRef colour);
void DrawOutOfPlaneMark(plat::Picture& pic, int sense, rt::ColorRef colour);
void DrawArcArrow(plat::Picture& pic, double radius, double sweepDeg, bool withHead, bool centred,
                  std::optional<int> hour = std::nullopt, double angle = 0);
void DrawMomentArc(plat::Picture& pic, double radius, int sense);
void DrawLineOfAction(plat::Picture& pic, double x0, double y0, double& xa, double& ya, double& xb, double& yb,
                      rt::ColorRef colour, double angleDeg);

}  // namespace shell
