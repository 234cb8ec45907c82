#include "calculator/polygon_draw.h"

#include <cmath>

#include "shell/drawpicture.h"

namespace calc {

void DrawPolygon(plat::Picture& pic, const PolygonReport& p, int decimals) {
    PolygonFigure f = LayoutPolygon(p, decimals);
    pic.Cls();
    for (size_t i = 0; i < f.px.size(); ++i) {
        QString label = QString::fromStdString(f.labels[i]);
        double x = f.px[i], y = f.py[i];
        if (f.places[i] == PolygonFigure::LabelPlace::LeftOfVertex) x -= pic.TextWidth(label);
        if (f.places[i] == PolygonFigure::LabelPlace::Raised) y += 15;
        shell::PointD at{x, y};
        if (const auto area = shell::PictureArea(pic))
            at = shell::KeepLabelInside(at, pic.TextWidth(label), std::fabs(pic.TextHeight(label)), *area);
        pic.SetCurrentX(at.x);
        pic.SetCurrentY(at.y);
        pic.Print(label);
    }
    for (const FigureLine& l : f.axes) pic.Line(l.x1, l.y1, l.x2, l.y2, l.color);
    for (const FigureLine& l : f.sides) pic.Line(l.x1, l.y1, l.x2, l.y2);
    pic.SetDrawWidth(3);
    pic.PSet(f.px[0], f.py[0], rt::kMagenta);
    pic.PSet(f.gx, f.gy);
    pic.SetDrawWidth(1);
}

}  // namespace calc
