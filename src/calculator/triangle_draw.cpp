#include "calculator/triangle_draw.h"

#include <cmath>

#include "shell/drawpicture.h"

namespace calc {

namespace {
// Sets the current point for a label meant at (x, y), moved as little as
// needed for it to lie wholly inside the picture.
void PlaceInside(plat::Picture& pic, const QString& label, double x, double y) {
    shell::PointD at{x, y};
    if (const auto area = shell::PictureArea(pic))
        at = shell::KeepLabelInside(at, pic.TextWidth(label), std::fabs(pic.TextHeight(label)), *area);
    pic.SetCurrentX(at.x);
    pic.SetCurrentY(at.y);
}

void DrawLines(plat::Picture& pic, const std::vector<FigureLine>& lines) {
    for (const FigureLine& l : lines) pic.Line(l.x1, l.y1, l.x2, l.y2, l.color);
}
}  // namespace

void DrawElementsTriangle(plat::Picture& pic, const ElementsTriangle& t) {
    std::vector<FigureLine> lines = LayoutElementsTriangle(t);
    pic.Cls();
    DrawLines(pic, lines);
}

void DrawVerticesTriangle(plat::Picture& pic, const VerticesTriangle& t) {
    VerticesFigure f = LayoutVerticesTriangle(t);
    pic.Cls();
    DrawLines(pic, f.axes);
    DrawLines(pic, f.sides);
    pic.SetForeColor(rt::kBlack);
    pic.SetFontName(QStringLiteral("Times New Roman"));
    pic.SetFontSize(8);
    for (int i = 0; i < 3; ++i) {
        QString label = QString::fromStdString(f.labels[i]);
        double x = f.px[i], y = f.py[i];
        if (f.leftmost[i]) x -= pic.TextWidth(label);
        if (f.topmost[i]) y += 15;
        PlaceInside(pic, label, x, y);
        pic.Print(label);
    }
    pic.SetDrawWidth(2);
    pic.PSet(f.gx, f.gy, rt::kBlack);
    pic.SetDrawWidth(1);
    pic.SetFontName(QStringLiteral("Times New Roman"));
    pic.SetFontSize(8);
}

}  // namespace calc
