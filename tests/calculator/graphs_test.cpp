// Graphs of a typed function: the samples of the three kinds of curve and
// the layout of a list of points in the plot frame, then what is drawn.
#include "calculator/graphs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "calculator/graphs_draw.h"
#include "numerics/expression.h"
#include "platform/picture.h"
#include "runtime/errors.h"
#include "support/grab.h"

namespace {

using rt::Variant;
using Args = std::vector<Variant>;
using Kind = plat::DrawnPrimitive::Kind;

class Graphs : public ::testing::Test {
protected:
    num::AngleUnitScope radians{num::kRadians};
    const calc::PlotFrame frame{};
    // Labels six pixels a character wide.
    const calc::TextWidth width = [](const std::string& t) { return 6.0 * static_cast<double>(t.size()); };
};

TEST_F(Graphs, CartesianSamplesRunUpwardsOver301Points) {
    const auto sampled = calc::SampleCurve(20, " X^2 ", Args{2, -2});
    ASSERT_TRUE(sampled.ok()) << sampled.message();
    const calc::CurveSamples& s = *sampled;
    ASSERT_EQ(s.x.size(), 301u);
    EXPECT_EQ(s.x.front(), -2);
    EXPECT_NEAR(s.x.back(), 2, 1e-12);
    EXPECT_NEAR(s.x[150], 0, 1e-12);
    EXPECT_NEAR(s.y[75], 1, 1e-12);
}

TEST_F(Graphs, PolarSamplesAreCartesianPoints) {
    calc::CurveSamples circle = *calc::SampleCurve(21, "1", Args{0, 2 * 3.14159265358979});
    ASSERT_EQ(circle.x.size(), 301u);
    for (size_t i = 0; i < circle.x.size(); ++i) EXPECT_NEAR(std::hypot(circle.x[i], circle.y[i]), 1, 1e-12);
    // Five points round the circle: a square, the last back on the first.
    calc::CurveSamples square = *calc::SampleCurve(21, "1", Args{0, 2 * 3.14159265358979, 5});
    const double ex[] = {1, 0, -1, 0, 1}, ey[] = {0, 1, 0, -1, 0};
    ASSERT_EQ(square.x.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(square.x[i], ex[i], 1e-9);
        EXPECT_NEAR(square.y[i], ey[i], 1e-9);
    }
    // r of θ in radians: r = θ at θ = π/2 is the point (0, π/2).
    calc::CurveSamples spiral = *calc::SampleCurve(21, "X", Args{0, 3.14159265358979, 3});
    EXPECT_NEAR(spiral.y[1], 3.14159265358979 / 2, 1e-9);
}

TEST_F(Graphs, ParametricSamples) {
    calc::CurveSamples half = *calc::SampleCurve(22, "cos(x) & sen(x)", Args{0, 3.14159265358979});
    ASSERT_EQ(half.x.size(), 301u);
    EXPECT_NEAR(half.x.front(), 1, 1e-12);
    EXPECT_NEAR(half.x.back(), -1, 1e-9);
    for (double y : half.y) EXPECT_GE(y, -1e-9);
    // The part after a second "&" is not used.
    EXPECT_EQ(calc::SampleCurve(22, "x & 2*x & 5", Args{0, 1, 3})->y, (std::vector<double>{0, 1, 2}));
}

TEST_F(Graphs, SamplingFailures) {
    const auto bad = calc::SampleCurve(20, "X^ ", Args{0, 1});
    EXPECT_FALSE(bad.ok());
    EXPECT_TRUE(bad.message().ends_with("\r\nCorrige la expresión X^ ")) << bad.message();
    EXPECT_TRUE(calc::SampleCurve(22, "x & 2*", Args{0, 1}).message().ends_with("\r\nCorrige la expresión 2*"));
    const std::vector<std::pair<int, Args>> failing = {
        {22, {0, 1}},         // no "&": the second formula is missing
        {21, {0, 1, 1}},      // one point
        {21, {0, 1, 0}},      // no point
        {21, {0}},            // no second end
        {21, {0, 1, 2, 3}},   // a fourth argument leaves no count
        {21, {0, 1, 40000}},  // beyond 16 bits
    };
    for (const auto& [code, args] : failing)
        EXPECT_THROW(calc::SampleCurve(code, code == 22 ? "x^2" : "X", args), rt::RuntimeError) << args.size();
    EXPECT_THROW(calc::SampleCurve(20, "LN(X)", Args{-1, 1}), rt::RuntimeError);
}

TEST_F(Graphs, LayoutOfAParabola) {
    calc::CurveSamples s = *calc::SampleCurve(20, "X^2", Args{-1, 2});
    calc::PointsGraph g = calc::LayoutGraphPoints(s.x, s.y, calc::kCurveBlue, 48, true, frame, 3, width);
    EXPECT_TRUE(g.verticalAxis);
    EXPECT_NEAR(g.px0, 48 + 301.0 / 3, 1e-9);
    EXPECT_FALSE(g.horizontalAxis);  // y = 0 is the bottom of the frame
    EXPECT_EQ(g.py0, 42);
    EXPECT_EQ(g.px.front(), 48);
    EXPECT_NEAR(g.px.back(), 349, 1e-9);
    EXPECT_NEAR(g.py.back(), 343, 1e-9);
    EXPECT_EQ(g.xMin.text, "-1");
    EXPECT_EQ(g.xMin.x, 48 - 12);
    EXPECT_EQ(g.xMin.y, 42);
    EXPECT_EQ(g.xMax.text, "2");
    EXPECT_EQ(g.xMax.x, 349);
    EXPECT_EQ(g.yMax.text, "Ymax = 4");
    EXPECT_EQ(g.yMax.y, 363);
    EXPECT_EQ(g.yMin.text, "Ymin = 0");
    EXPECT_EQ(g.yMin.y, 22);
}

TEST_F(Graphs, LayoutEdgeCases) {
    // A constant curve: the range starts at 0 and the line runs along the top.
    const std::vector<double> x{1, 2, 3}, five{5, 5, 5};
    calc::PointsGraph c = calc::LayoutGraphPoints(x, five, calc::kCurveBlue, 48, true, frame, 3, width);
    EXPECT_EQ(c.py, (std::vector<double>{343, 343, 343}));
    EXPECT_EQ(c.yMin.text, "Ymin = 0");
    EXPECT_EQ(c.yMax.text, "Ymax = 5");
    EXPECT_FALSE(c.verticalAxis);  // all x positive
    EXPECT_EQ(c.xMin.x, 48 - 6);   // left of the frame ...
    const std::vector<double> far{12345678, 12345679};
    calc::PointsGraph wide = calc::LayoutGraphPoints(far, far, 0, 48, true, frame, 3, width);
    EXPECT_EQ(wide.xMin.x, 5);  // ... never left of 5
    // An xmax label as wide as PlotLeft is right-aligned 5 pixels from the
    // picture's edge.
    EXPECT_EQ(wide.xMax.text, "12345679");
    EXPECT_EQ(wide.xMax.x, 48 + 48 + 301 - 48 - 5);
    const std::vector<double> narrow{1234567, 1234568};
    EXPECT_EQ(calc::LayoutGraphPoints(narrow, narrow, 0, 48, true, frame, 3, width).xMax.x, 349);

    // A curve that is 0 everywhere lies along the bottom of the picture.
    const std::vector<double> zero{0, 0, 0};
    calc::PointsGraph z = calc::LayoutGraphPoints(x, zero, calc::kCurveBlue, 48, true, frame, 3, width);
    EXPECT_EQ(z.py, zero);
    EXPECT_FALSE(z.horizontalAxis);
    EXPECT_EQ(z.xMin.y, 42);
    // All x equal: the abscissas cannot be scaled and stay 0.
    calc::PointsGraph v = calc::LayoutGraphPoints(five, x, calc::kCurveBlue, 48, true, frame, 3, width);
    EXPECT_EQ(v.px, zero);
}

TEST_F(Graphs, DrawingOnThePicture) {
    plat::Picture pic("pic");
    pic.resize(397, 385);
    pic.ScaleYUp();
    calc::CurveSamples s = *calc::SampleCurve(20, "SEN(X)", Args{-3.14159265358979, 6.28318530717959});
    calc::GraphPoints(pic, s.x, s.y, calc::kCurveBlue, 48, true, frame, 3);
    int box = 0, grey = 0, blue = 0;
    std::vector<QString> texts;
    for (const auto& d : pic.Drawn()) {
        if (d.kind == Kind::Box && d.color == 0xFFFFC0) ++box;
        if (d.kind == Kind::Line && d.color == 0xC0C0C0) ++grey;
        if ((d.kind == Kind::Line || d.kind == Kind::Polyline) && d.color == 0xFF0000) ++blue;
        if (d.kind == Kind::Text) texts.push_back(d.text);
    }
    EXPECT_EQ(box, 1);
    EXPECT_EQ(grey, 2);
    EXPECT_EQ(blue, 1);  // one polyline
    int bluePixels = 0;
    for (int y = 0; y < pic.Image().height(); ++y)
        for (int x = 0; x < pic.Image().width(); ++x) bluePixels += pic.Image().pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_GT(bluePixels, 600);
    EXPECT_EQ(texts, (std::vector<QString>{"-3.14", "6.28", "Ymax = 1", "Ymin = -1"}));
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    // The curve is blue on the picture where sin x peaks (x = π/2).
    const QPointF top = pic.ToDevice(48 + 301.0 / 2, 343);
    bool found = false;
    for (int dx = -1; dx <= 1; ++dx)
        found = found ||
                pic.Image().pixelColor(static_cast<int>(top.x()) + dx, static_cast<int>(top.y())) == QColor(0, 0, 255);
    EXPECT_TRUE(found);
    testsupport::SaveGrab(pic.Image(), "graph_sin");
}

TEST_F(Graphs, DenseCurvesDrawOncePerPixel) {
    calc::CurveSamples s = *calc::SampleCurve(21, "1+0.3*SEN(7*X)", Args{0, 2 * 3.14159265358979, 5000});
    calc::PointsGraph g = calc::LayoutGraphPoints(s.x, s.y, calc::kCurveBlue, 48, true, frame, 3, width);
    auto blank = [] {
        auto p = std::make_unique<plat::Picture>("pic");
        p->resize(397, 385);
        p->ScaleYUp();
        return p;
    };
    auto dense = blank();
    calc::DrawGraphPoints(*dense, g);
    int curves = 0;
    for (const auto& d : dense->Drawn()) curves += d.color == calc::kCurveBlue;
    EXPECT_EQ(curves, 1);
    // The same pixels as every segment drawn one by one.
    auto every = blank();
    calc::PointsGraph bare = g;
    bare.px.clear();
    bare.py.clear();
    calc::DrawGraphPoints(*every, bare);
    for (size_t i = 1; i < g.px.size(); ++i) every->Line(g.px[i - 1], g.py[i - 1], g.px[i], g.py[i], calc::kCurveBlue);
    EXPECT_TRUE(dense->Image() == every->Image());
    testsupport::SaveGrab(dense->Image(), "graph_polar");
}

}  // namespace
