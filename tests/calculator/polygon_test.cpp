#include "calculator/polygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "calculator/polygon_draw.h"
#include "calculator/triangle.h"
#include "calculator/triangle_draw.h"
#include "runtime/errors.h"

namespace {

using calc::PolygonFigure;
using calc::PolygonReport;

PolygonReport Solve(std::vector<double> coords, int decimals = 3) { return calc::SolvePolygonData(coords, decimals); }

TEST(Polygon, SquareBothWays) {
    PolygonReport ccw = Solve({0, 0, 1, 0, 1, 1, 0, 1});
    EXPECT_EQ(ccw.lines, (std::vector<std::string>{
                             "Perímetro = 4. Área = 1\r\nÁngulo total = 360. Centroide:   G(0.5,  0.5)",
                             "Lado 1-2:  1, Ángulo en vértice 1:  90°",
                             "Lado 2-3:  1, Ángulo en vértice 2:  90°",
                             "Lado 3-4:  1, Ángulo en vértice 3:  90°",
                             "Lado 4-1:  1, Ángulo en vértice 4:  90°",
                         }));
    // Clockwise: the area changes sign (a plain minus), the centroid stays.
    PolygonReport cw = Solve({0, 0, 0, 1, 1, 1, 1, 0});
    EXPECT_EQ(cw.lines[0], "Perímetro = 4. Área = -1\r\nÁngulo total = 360. Centroide:   G(0.5,  0.5)");
}

TEST(Polygon, ConcaveVertexGetsTheAngleBetweenItsSides) {
    // A chevron: the vertex (2, 1) points inwards.
    PolygonReport p = Solve({0, 0, 4, 0, 4, 4, 2, 1, 0, 4});
    EXPECT_EQ(p.lines, (std::vector<std::string>{
                           "Perímetro = 19.211. Área = 10\r\nÁngulo total = 314.76. Centroide:   G(2,  1.4)",
                           "Lado 1-2:  4, Ángulo en vértice 1:  90°",
                           "Lado 2-3:  4, Ángulo en vértice 2:  90°",
                           "Lado 3-4:  3.606, Ángulo en vértice 3:  33.69°",
                           "Lado 4-5:  3.606, Ángulo en vértice 4:  67.38°",
                           "Lado 5-1:  4, Ángulo en vértice 5:  33.69°",
                       }));
    EXPECT_LT(p.totalAngle, 540);
}

TEST(Polygon, TriangleAgreesWithTheVerticesSolver) {
    const std::vector<double> xy{1, 2, 7, 3, 2, 6};
    PolygonReport p = Solve(xy);
    calc::VerticesTriangle t = *calc::SolveTriangleFromVertices(xy, 3);
    EXPECT_NEAR(p.perimeter, t.perimeter, 1e-12);
    EXPECT_NEAR(std::fabs(p.area), t.area, 1e-12);
    EXPECT_NEAR(p.gx, t.gx, 1e-12);
    EXPECT_NEAR(p.gy, t.gy, 1e-12);
}

TEST(Polygon, StraightVertexDoesNotFail) {
    // The second vertex lies on the side from the first to the third; the
    // cosine there computes a hair below -1.
    PolygonReport p = Solve({-0.4, -10, 1.5, -9.1, 3.4, -8.2, 3.4, -5});
    EXPECT_EQ(p.lines[2], "Lado 2-3:  2.102, Ángulo en vértice 2:  180°");
}

TEST(Polygon, DegenerateDataRaise) {
    const std::vector<std::vector<double>> rows = {
        {},                        // no vertex
        {1, 1},                    // one vertex
        {0, 0, 2, 1},              // two vertices
        {0, 0, 1, 0, 1, 0, 0, 1},  // a side of length zero
        {0, 0, 1, 1, 2, 2},        // no area
    };
    for (const auto& xy : rows) EXPECT_THROW(Solve(xy), rt::RuntimeError);
}

TEST(Polygon, DrawingLayout) {
    PolygonReport p = Solve({0, 0, 2, 0, 2, 1, 1, 2, 0, 1}, 1);
    PolygonFigure f = calc::LayoutPolygon(p, 1);
    const double k = 301.0 / 2;
    EXPECT_DOUBLE_EQ(f.scale, k);
    EXPECT_DOUBLE_EQ(f.px[3], 48 + k);
    EXPECT_DOUBLE_EQ(f.py[3], 42 + 2 * k);
    using P = PolygonFigure::LabelPlace;
    EXPECT_EQ(f.places, (std::vector<P>{P::LeftOfVertex, P::AtVertex, P::AtVertex, P::Raised, P::LeftOfVertex}));
    EXPECT_EQ(f.labels[3], "(1, 2)");
    ASSERT_EQ(f.axes.size(), 2u);
    EXPECT_EQ(f.axes[0], (calc::FigureLine{48, 0, 48, 377, 0x808080}));
    EXPECT_EQ(f.axes[1], (calc::FigureLine{0, 42, 409, 42, 0x808080}));
    ASSERT_EQ(f.sides.size(), 5u);
    EXPECT_DOUBLE_EQ(f.sides[4].x2, 48);  // the closing side back to P1
    EXPECT_DOUBLE_EQ(f.gx, 48 + p.gx * k);
}

TEST(Polygon, LargeAndSmallPolygonsFillTheFrame) {
    // Extents far beyond 602 units and far below one unit.
    for (double size : {1000.0, 25000.0, 0.001}) {
        SCOPED_TRACE(size);
        PolygonReport p = Solve({5 * size, 5 * size, 6 * size, 5 * size, 5.5 * size, 6 * size});
        PolygonFigure f = calc::LayoutPolygon(p, 3);
        EXPECT_NEAR(f.px[0], 48, 1e-9);
        EXPECT_NEAR(f.px[1], 48 + 301, 1e-9);
        EXPECT_NEAR(f.py[2], 42 + 301, 1e-9);
    }
    // A polygon far from the origin: its axes miss the picture.
    PolygonReport far = Solve({5000, 5000, 6000, 5000, 5500, 6000});
    EXPECT_TRUE(calc::LayoutPolygon(far, 3).axes.empty());
}

// Every text of the picture lies wholly inside it.
void ExpectTextsInside(const plat::Picture& pic, size_t count) {
    size_t n = 0;
    for (const auto& d : pic.Drawn()) {
        if (d.kind != plat::DrawnPrimitive::Kind::Text) continue;
        ++n;
        const double x = d.points[0].x(), y = d.points[0].y();
        EXPECT_GE(x, 0) << d.text.toStdString();
        EXPECT_LE(x + pic.TextWidth(d.text), 397) << d.text.toStdString();
        EXPECT_LE(y, 385) << d.text.toStdString();
        EXPECT_GE(y - pic.TextHeight(d.text), 0) << d.text.toStdString();
    }
    EXPECT_EQ(n, count);
}

void Grab(const plat::Picture& pic, const char* name) {
    if (const char* dir = std::getenv("TELUVAR_GRAB_DIR")) pic.SavePng(QString(dir) + "/" + name);
}

TEST(PolygonPicture, VertexLabelsStayInsideThePicture) {
    plat::Picture pic("pic");
    pic.resize(397, 385);
    pic.ScaleYUp();
    // The right vertex's label would run past the right edge, the top one
    // past the top, the bottom one below the bottom.
    calc::DrawPolygon(pic, Solve({0, 0, 1000, 10, 990, 1000, 10, 990}), 3);
    Grab(pic, "polygon_far_labels.png");
    ExpectTextsInside(pic, 4);
    const double tri[] = {-1000, 10, 1000, 10, 0, 1000};
    calc::DrawVerticesTriangle(pic, *calc::SolveTriangleFromVertices(tri, 3));
    Grab(pic, "triangle_far_labels.png");
    ExpectTextsInside(pic, 3);
}

TEST(PolygonPicture, DrawsLabelsAxesSidesAndDots) {
    plat::Picture pic("pic");
    pic.resize(397, 385);
    pic.ScaleYUp();
    pic.SetForeColor(rt::kBlue);
    PolygonReport p = Solve({0, 0, 4, 0, 4, 4, 2, 1, 0, 4});
    calc::DrawPolygon(pic, p, 3);
    using Kind = plat::DrawnPrimitive::Kind;
    std::vector<const plat::DrawnPrimitive*> texts, lines, dots;
    for (const auto& d : pic.Drawn()) {
        if (d.kind == Kind::Text) texts.push_back(&d);
        if (d.kind == Kind::Line) lines.push_back(&d);
        if (d.kind == Kind::Dot) dots.push_back(&d);
    }
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0]->text, "(0, 0)");
    EXPECT_NEAR(texts[0]->points[0].x() + pic.TextWidth("(0, 0)"), 48, 1e-9);  // leftmost
    EXPECT_NEAR(texts[2]->points[0].y(), 42 + 301 + 15, 1e-9);                 // topmost
    ASSERT_EQ(lines.size(), 7u);                                               // two axes, five sides
    EXPECT_EQ(lines[0]->color, 0x808080u);
    EXPECT_EQ(lines[2]->color, rt::kBlue);  // the sides in the drawing colour
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0]->color, rt::kMagenta);
    EXPECT_EQ(dots[0]->width, 3);
    EXPECT_NEAR(dots[1]->points[0].x(), 48 + 2 * 301.0 / 4, 1e-9);
    EXPECT_NEAR(dots[1]->points[0].y(), 42 + 1.4 * 301.0 / 4, 1e-9);
    EXPECT_EQ(pic.DrawWidth(), 1);
}

}  // namespace
