#pragma once
// The few picture operations the drawing engine needs, in the picture's own
// y-up pixel coordinates. A picture of the platform is drawn on through an
// adapter; tests use a recording canvas.
#include <string>
#include <vector>

#include "runtime/colors.h"
#include "shell/drawgeom.h"

namespace plat {
class Picture;
}

namespace shell {

class DrawCanvas {
public:
    // Fill and line styles as the pictures number them.
    static constexpr int kFillSolid = 0;
    static constexpr int kFillTransparent = 1;
    static constexpr int kLineSolid = 0;

    virtual ~DrawCanvas() = default;

    // The current point: where the next line or printed text starts.
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrent(double x, double y) = 0;

    // A line in the foreground colour; the current point moves to its end.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // A line in the given colour (the foreground colour is not changed).
    virtual void Line(double x1, double y1, double x2, double y2, rt::ColorRef colour) = 0;
    // A box from corner to corner in colour, filled with it or outlined.
    virtual void Box(double x1, double y1, double x2, double y2, rt::ColorRef colour, bool filled) = 0;
    // Circle outlined in the foreground colour, its inside by the fill style
    // and colour; the current point moves to the centre.
    virtual void Circle(double x, double y, double r) = 0;
    // Arc counter-clockwise from start to end (radians in 0..2*pi).
    virtual void Arc(double x, double y, double r, double start, double end) = 0;
    // Polygon outlined in the foreground colour and filled by the fill style
    // and colour.
    virtual void Polygon(const std::vector<PointD>& points) = 0;
    // Prints at the current point (the text's top-left corner) and leaves
    // the current point after the text.
    virtual void Print(const std::string& text) = 0;
    virtual double TextWidth(const std::string& text) = 0;
    virtual double TextHeight(const std::string& text) = 0;

    virtual rt::ColorRef ForeColor() const = 0;
    virtual void SetForeColor(rt::ColorRef c) = 0;
    virtual rt::ColorRef FillColor() const = 0;
    virtual void SetFillColor(rt::ColorRef c) = 0;
    virtual int FillStyle() const = 0;
    virtual void SetFillStyle(int s) = 0;
    virtual int DrawStyle() const = 0;
    virtual void SetDrawStyle(int s) = 0;
    virtual std::string FontName() const = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual double FontSize() const = 0;
    virtual void SetFontSize(double size) = 0;

    // The platform picture behind this canvas, if there is one (label
    // printers that need more of the picture reach it here).
    virtual plat::Picture* picture() { return nullptr; }
};

}  // namespace shell
