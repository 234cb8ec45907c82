#include "calculator/polygon.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace calc {

namespace {

std::string Num(double x, int decimals) { return rt::RoundedText(rt::Checked(x), decimals); }

// The angle between two sides from their dot product and lengths.
double AngleBetween(double dot, double len1, double len2) { return ArcCosDegOfRatio(rt::Div(dot, len1 * len2)); }

}  // namespace

PolygonReport SolvePolygonData(std::span<const double> coords, int decimals) {
    const size_t n = coords.size() / 2;
    if (n == 0) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    PolygonReport p;
    for (size_t i = 0; i < n; ++i) {
        p.x.push_back(rt::Checked(coords[2 * i]));
        p.y.push_back(rt::Checked(coords[2 * i + 1]));
    }
    const auto& x = p.x;
    const auto& y = p.y;
    auto next = [n](size_t i) { return i + 1 < n ? i + 1 : 0; };
    auto prev = [n](size_t i) { return i > 0 ? i - 1 : n - 1; };

    for (size_t i = 0; i < n; ++i) {
        size_t j = next(i);
        p.sides.push_back(num::Hypot(x[j] - x[i], y[j] - y[i]));
        p.perimeter += p.sides.back();
    }
    // The angle at each vertex between the sides towards its two neighbours.
    for (size_t i = 0; i < n; ++i) {
        size_t a = next(i), b = prev(i);
        double dot = (x[a] - x[i]) * (x[b] - x[i]) + (y[a] - y[i]) * (y[b] - y[i]);
        p.angles.push_back(AngleBetween(dot, p.sides[i], p.sides[b]));
        p.totalAngle += p.angles.back();
    }
    // Area and centroid from a fan of triangles around the first vertex.
    double sx = 0, sy = 0;
    for (size_t k = 1; k + 1 < n; ++k) {
        double t = 0.5 * ((x[k] - x[0]) * (y[k + 1] - y[0]) - (x[k + 1] - x[0]) * (y[k] - y[0]));
        p.area += t;
        sx += t * (x[0] + x[k] + x[k + 1]) / 3;
        sy += t * (y[0] + y[k] + y[k + 1]) / 3;
    }
    p.area = rt::Checked(p.area);
    p.gx = rt::Div(rt::Checked(sx), p.area);
    p.gy = rt::Div(rt::Checked(sy), p.area);
    p.perimeter = rt::Checked(p.perimeter);

    p.lines.push_back("Perímetro = " + Num(p.perimeter, decimals) + ". Área = " + Num(p.area, decimals) +
                      "\r\nÁngulo total = " + Num(p.totalAngle, decimals) + ". Centroide:   G(" + Num(p.gx, decimals) +
                      ",  " + Num(p.gy, decimals) + ")");
    for (size_t i = 0; i < n; ++i) {
        p.lines.push_back("Lado " + std::to_string(i + 1) + "-" + std::to_string(next(i) + 1) + ":  " +
                          Num(p.sides[i], decimals) + ", Ángulo en vértice " + std::to_string(i + 1) + ":  " +
                          Num(p.angles[i], decimals) + "°");
    }
    return p;
}

PolygonFigure LayoutPolygon(const PolygonReport& p, int decimals) {
    PolygonFigure f;
    const double xmin = *std::min_element(p.x.begin(), p.x.end());
    const double xmax = *std::max_element(p.x.begin(), p.x.end());
    const double ymin = *std::min_element(p.y.begin(), p.y.end());
    const double ymax = *std::max_element(p.y.begin(), p.y.end());
    // A real scale: the larger extent fills the plot frame however large it is.
    f.scale = rt::Div(kPlotSide, std::max(xmax - xmin, ymax - ymin));
    const double k = f.scale;
    const size_t n = p.x.size();
    for (size_t i = 0; i < n; ++i) {
        f.px.push_back(rt::Checked(kPlotLeft + k * (p.x[i] - xmin)));
        f.py.push_back(rt::Checked(kPlotBottom + k * (p.y[i] - ymin)));
        f.labels.push_back("(" + Num(p.x[i], decimals) + ", " + Num(p.y[i], decimals) + ")");
        if (num::IsNear(p.x[i], xmin, 1e-8))
            f.places.push_back(PolygonFigure::LabelPlace::LeftOfVertex);
        else if (num::IsNear(p.y[i], ymax, 1e-8))
            f.places.push_back(PolygonFigure::LabelPlace::Raised);
        else
            f.places.push_back(PolygonFigure::LabelPlace::AtVertex);
    }
    // The axes through the origin; one that misses the picture is left out.
    const double ox = rt::Checked(kPlotLeft - k * xmin), oy = rt::Checked(kPlotBottom - k * ymin);
    if (ox >= 0 && ox <= kPicWidth) f.axes.push_back({ox, 0, ox, 377, kAxisGrey});
    if (oy >= 0 && oy <= kPicHeight) f.axes.push_back({0, oy, 409, oy, kAxisGrey});
    for (size_t i = 0; i < n; ++i) {
        size_t j = i + 1 < n ? i + 1 : 0;
        f.sides.push_back({f.px[i], f.py[i], f.px[j], f.py[j], rt::kBlack});
    }
    f.gx = rt::Checked(kPlotLeft + k * (p.gx - xmin));
    f.gy = rt::Checked(kPlotBottom + k * (p.gy - ymin));
    return f;
}

}  // namespace calc
