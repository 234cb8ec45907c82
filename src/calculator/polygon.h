#pragma once
// Polygon properties of the calculator: from its vertices, taken in order and
// closed back to the first, the sides, the angle at each vertex, the
// perimeter, the signed area (positive counter-clockwise), the total angle
// and the centroid; the result lines in the formula markup and the layout of
// the drawing. Pure computation; painting is in polygon_draw.h.
#include <span>
#include <string>
#include <vector>

#include "calculator/geomprocs_common.h"

namespace calc {

struct PolygonReport {
    std::vector<double> x, y;    // the vertices
    std::vector<double> sides;   // side i joins vertex i to the next
    std::vector<double> angles;  // angle at vertex i, 0 to 180 degrees
    double perimeter = 0;
    double area = 0;  // signed
    double totalAngle = 0;
    double gx = 0, gy = 0;           // centroid
    std::vector<std::string> lines;  // result lines, one entry each
};

// coords: x1, y1, x2, y2, ... (an odd last value is ignored). Fewer than
// three vertices, a side of length zero or a zero area raise
// rt::RuntimeError. Numbers of the lines are rounded to `decimals`.
PolygonReport SolvePolygonData(std::span<const double> coords, int decimals);

// Where the drawing puts things, in pixels of the drawing picture.
struct PolygonFigure {
    double scale = 0;                 // pixels per unit
    std::vector<double> px, py;       // the vertices
    std::vector<std::string> labels;  // "(x, y)" rounded
    // Where each label's top-left corner goes: at the vertex, or ending at
    // the vertex (leftmost vertex), or 15 pixels higher (topmost vertex).
    enum class LabelPlace { AtVertex, LeftOfVertex, Raised };
    std::vector<LabelPlace> places;
    std::vector<FigureLine> axes;   // through the origin, those on the picture
    std::vector<FigureLine> sides;  // P1P2, ..., PNP1
    double gx = 0, gy = 0;          // the centroid
};
PolygonFigure LayoutPolygon(const PolygonReport& p, int decimals);

}  // namespace calc
