#include "calculator/triangle.h"

#include "calculator/triangle_draw.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"

namespace {

using calc::ElementsTriangle;
using calc::FigureLine;
using calc::TriangleCase;
using rt::Variant;

const Variant X("x");

std::vector<Variant> Args(std::initializer_list<Variant> v) { return v; }

rt::Outcome<ElementsTriangle> Solve(std::initializer_list<Variant> v, int decimals = 3) {
    auto args = Args(v);
    return calc::SolveTriangleFromElements(args, decimals);
}

// A triangle of angles A1, A2, A3 (degrees) and sides Li = 10 sin Ai.
struct Reference {
    std::array<double, 3> L, A;
};
Reference MakeReference(double a1, double a2, double a3) {
    Reference r{};
    r.A = {a1, a2, a3};
    for (int i = 0; i < 3; ++i) r.L[i] = 10 * num::SinDeg(r.A[i]);
    return r;
}

TEST(TriangleElements, SssGivesTheColouredReport) {
    const auto solved = Solve({3, X, 4, X, 5, X});
    ASSERT_TRUE(solved.ok()) << solved.message();
    const ElementsTriangle& t = *solved;
    EXPECT_EQ(t.knownMask, 21);
    EXPECT_EQ(t.kase, TriangleCase::SSS);
    EXPECT_EQ(t.text,
              "\\10013, 36.87°\\\r\n"
              "\\10034, 53.13°\\\r\n"
              "\\10085, 90°\\\r\n"
              "Perímetro = 12,  Área = 6");
}

// Every set of three known elements, on an acute and on an obtuse triangle:
// the missing elements come back in the user's order and each pair keeps
// the colour of its canonical position.
TEST(TriangleElements, EveryKnownSetCompletesTheTriangle) {
    struct Row {
        int mask;
        const char* code;
    };
    const Row rows[] = {{37, "123"}, {22, "312"}, {25, "132"}, {13, "123"}, {52, "312"}, {49, "132"}, {7, "213"},
                        {19, "231"}, {28, "321"}, {41, "123"}, {38, "213"}, {26, "231"}, {35, "123"}, {44, "213"},
                        {11, "132"}, {14, "312"}, {50, "321"}, {56, "231"}, {21, "123"}};
    for (Reference ref : {MakeReference(50, 60, 70), MakeReference(30, 40, 110)}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << "mask " << row.mask << " A3 " << ref.A[2]);
            std::vector<Variant> args(6, X);
            for (int i = 0; i < 3; ++i) {
                if (row.mask & (1 << (2 * i))) args[2 * i] = ref.L[i];
                if (row.mask & (1 << (2 * i + 1))) args[2 * i + 1] = ref.A[i];
            }
            const auto solved = calc::SolveTriangleFromElements(args, 3);
            ASSERT_TRUE(solved.ok()) << solved.message();
            const ElementsTriangle& t = *solved;
            EXPECT_EQ(t.knownMask, row.mask);
            EXPECT_EQ(t.permutation, row.code);
            bool found = false;
            for (const calc::TriangleSolution& s : t.solutions) {
                bool same = true;
                for (int i = 0; i < 3; ++i) {
                    same = same && std::fabs(s.L[i] - ref.L[i]) < 1e-9 && std::fabs(s.A[i] - ref.A[i]) < 1e-9;
                    EXPECT_EQ(s.position[i], row.code[i] - '0');
                }
                found = found || same;
            }
            EXPECT_TRUE(found);
        }
    }
}

TEST(TriangleElements, AmbiguousSsaListsBothSolutions) {
    // a = 10, b = 6, B = 30: the angle facing 10 is 56.443 or 123.557.
    const auto solved = Solve({10, X, 6, 30, X, X});
    ASSERT_TRUE(solved.ok()) << solved.message();
    const ElementsTriangle& t = *solved;
    ASSERT_EQ(t.solutions.size(), 2u);
    ASSERT_TRUE(t.second.has_value());
    EXPECT_EQ(t.text,
              "\\100110, 56.443°\\\r\n"
              "\\10036, 30°\\\r\n"
              "\\100811.977, 93.557°\\\r\n"
              "Perímetro = 27.977,  Área = 29.942\r\n"
              "\\100110, 123.557°\\\r\n"
              "\\10036, 30°\\\r\n"
              "\\10085.344, 26.443°\\\r\n"
              "Perímetro = 21.344,  Área = 13.359");
}

TEST(TriangleElements, SsaSpecialBranches) {
    struct Row {
        std::vector<Variant> args;
        std::array<double, 3> L, A;
    };
    const Row rows[] = {
        // (a / b) sin B = 1: a right angle facing the first side.
        {{2, X, 1, 30, X, X}, {2, 1, std::sqrt(3.0)}, {90, 30, 60}},
        // B exactly 90.
        {{3, X, 5, 90, X, X}, {3, 5, 4}, {36.86989764584402, 90, 53.13010235415598}},
        // Isosceles: a = b.
        {{5, X, 5, 40, X, X}, {5, 5, 10 * num::CosDeg(40)}, {40, 40, 100}},
    };
    for (const Row& row : rows) {
        const auto solved = calc::SolveTriangleFromElements(row.args, 3);
        ASSERT_TRUE(solved.ok()) << solved.message();
        const ElementsTriangle& t = *solved;
        ASSERT_EQ(t.solutions.size(), 1u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(t.solutions[0].L[i], row.L[i], 1e-9);
            EXPECT_NEAR(t.solutions[0].A[i], row.A[i], 1e-9);
        }
    }
}

TEST(TriangleElements, RefusedDataGiveTheirMessages) {
    struct Row {
        std::vector<Variant> args;
        const char* message;
    };
    const Row rows[] = {
        {{X, 60, X, 60, X, 60}, "Estás especificando 3 ángulos."},
        // A zero counts as unknown and shows as an empty place.
        {{3, 0, 4, X, X, X}, "Deben ser exactamente 3 argumentos. 3, , 4, x, x, x"},
        {{3, X, 4, X, X, 180}, "Ángulo mayor de 180°."},           // SAS
        {{3, X, 4, 180, X, X}, "Ángulo mayor de 180°."},           // SSA
        {{5, X, 3, 100, X, X}, "Los datos son inconsistentes."},   // obtuse facing the shorter
        {{5, X, 3, 90, X, X}, "Los datos son inconsistentes."},    // right facing the shorter
        {{10, X, 3, 40, X, X}, "Los datos son inconsistentes."},   // (a / b) sin B > 1
        {{5, X, X, 100, X, 80}, "Los datos son inconsistentes."},  // ASA, 180 exactly
        {{5, 90, X, X, X, 90}, "Los datos son inconsistentes."},   // AAS, 180 exactly
        {{1, X, 2, X, 3, X}, "No forman un triángulo."},           // a + b = c
    };
    for (const Row& row : rows) {
        const auto t = calc::SolveTriangleFromElements(row.args, 3);
        EXPECT_FALSE(t.ok()) << row.message;
        EXPECT_EQ(t.message(), row.message);
    }
}

TEST(TriangleElements, ImpossibleArithmeticRaises) {
    // A negative side passes the checks and makes an arcsine impossible.
    EXPECT_THROW(Solve({-10, X, 3, 40, X, X}), rt::RuntimeError);
}

TEST(TriangleElements, DrawingFillsThePlotFrame) {
    // 3-4-5 with A3 = 90: the apex stands above C, height 4 sets the scale.
    ElementsTriangle t = *Solve({3, X, 4, X, 5, X});
    std::vector<FigureLine> lines = calc::LayoutElementsTriangle(t);
    ASSERT_EQ(lines.size(), 3u);
    const double k = 301.0 / 4;
    EXPECT_EQ(lines[0].color, rt::kRed);
    EXPECT_EQ(lines[1].color, rt::kBlue);
    EXPECT_EQ(lines[2].color, rt::kMagenta);
    EXPECT_DOUBLE_EQ(lines[0].x1, 48);
    EXPECT_DOUBLE_EQ(lines[0].y1, 42);
    EXPECT_NEAR(lines[0].x2, 48 + 3 * k, 1e-9);
    EXPECT_NEAR(lines[1].x2, 48 + 3 * k, 1e-9);
    EXPECT_NEAR(lines[1].y2, 42 + 301, 1e-9);

    // An obtuse angle at B puts the apex left of B: it lands on the frame's
    // left edge.
    std::vector<FigureLine> obtuse = calc::LayoutElementsTriangle(*Solve({2, X, 4, X, 3, X}));
    EXPECT_NEAR(obtuse[2].x1, 48, 1e-9);
    EXPECT_GT(obtuse[0].x1, 48);
    EXPECT_NEAR(obtuse[2].y1, 42 + 301, 1e-9);

    // The second solution adds a blue side from C to a point of AB.
    ElementsTriangle amb = *Solve({10, X, 6, 30, X, X});
    std::vector<FigureLine> two = calc::LayoutElementsTriangle(amb);
    ASSERT_EQ(two.size(), 4u);
    const FigureLine& extra = two[3];
    EXPECT_EQ(extra.color, rt::kBlue);
    EXPECT_DOUBLE_EQ(extra.x1, two[0].x2);
    const FigureLine& ab = two[2];
    double cross = (ab.x1 - ab.x2) * (extra.y2 - ab.y2) - (ab.y1 - ab.y2) * (extra.x2 - ab.x2);
    EXPECT_NEAR(cross, 0, 1e-6);
}

TEST(TriangleVertices, ReportOfARightTriangleWithAVerticalSide) {
    const double xy[] = {0, 0, 4, 0, 0, 3};
    const auto solved = calc::SolveTriangleFromVertices(xy, 3);
    ASSERT_TRUE(solved.ok()) << solved.message();
    const calc::VerticesTriangle& t = *solved;
    EXPECT_EQ(t.text,
              "\\1001__________5, 90°\\\r\n"
              "\\1003__________3, 36.87°\\\r\n"
              "\\1008__________4, 53.13°\\\r\n"
              "\r\n"
              "Centroide en (1.333, 1)\r\n"
              "Perímetro = 12, Área = 6");
}

TEST(TriangleVertices, PointsOnOneLineAreRefused) {
    const std::vector<std::vector<double>> rows = {
        {1, 0, 1, 2, 1, 5},  // one vertical line
        {0, 0, 1, 1, 3, 3},
        {0, 0, 3, 3, 1, 1},  // the middle point given last
        {2, 2, 2, 2, 5, 1},  // two points coincide
    };
    for (const auto& xy : rows) {
        const auto t = calc::SolveTriangleFromVertices(xy, 3);
        EXPECT_FALSE(t.ok());
        EXPECT_EQ(t.message(), "Los puntos dados están en una misma línea recta.");
    }
    // Vertical sides at either end are fine.
    for (std::vector<double> xy : {std::vector<double>{2, 0, 2, 3, 5, 1}, std::vector<double>{0, 0, 5, 1, 5, 4}})
        EXPECT_TRUE(calc::SolveTriangleFromVertices(xy, 3).ok());
}

TEST(TriangleVertices, CentroidKeepsItsDigitsFarFromTheOrigin) {
    const double xy[] = {100000, 0, 100001, 0, 100000, 1};
    calc::VerticesTriangle t = *calc::SolveTriangleFromVertices(xy, 3);
    EXPECT_NE(t.text.find("Centroide en (100000.333, 0.333)"), std::string::npos);
}

TEST(TriangleVertices, DrawingLayout) {
    const double xy[] = {0, 0, 4, 0, 1.5, 3};
    calc::VerticesTriangle t = *calc::SolveTriangleFromVertices(xy, 0);
    EXPECT_NE(t.text.find("Centroide en (2, 1)"), std::string::npos);  // rounded
    calc::VerticesFigure f = calc::LayoutVerticesTriangle(t);
    const double k = 301.0 / 4;
    EXPECT_DOUBLE_EQ(f.px[2], 48 + 1.5 * k);
    EXPECT_DOUBLE_EQ(f.py[2], 42 + 3 * k);
    EXPECT_EQ(f.labels[2], "(1.5, 3)");  // labels keep every digit
    EXPECT_EQ((std::array<bool, 3>{true, false, false}), f.leftmost);
    EXPECT_EQ((std::array<bool, 3>{false, false, true}), f.topmost);
    ASSERT_EQ(f.axes.size(), 2u);
    EXPECT_EQ(f.axes[0], (FigureLine{48, 0, 48, 385, 0x808080}));
    EXPECT_EQ(f.axes[1], (FigureLine{0, 42, 397, 42, 0x808080}));
    EXPECT_EQ(f.sides[0].color, rt::kMagenta);  // P1P2
    EXPECT_EQ(f.sides[1].color, rt::kRed);      // P2P3
    EXPECT_EQ(f.sides[2].color, rt::kBlue);     // P1P3
    EXPECT_DOUBLE_EQ(f.gx, 48 + (5.5 / 3) * k);

    // Far from the origin the axes miss the picture and are left out.
    const double far[] = {1000, 1000, 1004, 1000, 1001.5, 1003};
    EXPECT_TRUE(calc::LayoutVerticesTriangle(*calc::SolveTriangleFromVertices(far, 3)).axes.empty());
}

// The drawing picture as the main window sets it up: 397 by 385, y up.
class TrianglePicture : public ::testing::Test {
protected:
    TrianglePicture() : pic("pic") {
        pic.resize(397, 385);
        pic.ScaleYUp();
    }
    plat::Picture pic;
};

using Kind = plat::DrawnPrimitive::Kind;

TEST_F(TrianglePicture, ElementsDrawingClearsAndDrawsTheColouredSides) {
    pic.Print("left over");
    ElementsTriangle t = *Solve({10, X, 6, 30, X, X});
    calc::DrawElementsTriangle(pic, t);
    const auto& d = pic.Drawn();
    ASSERT_EQ(d.size(), 4u);
    std::vector<FigureLine> lines = calc::LayoutElementsTriangle(t);
    for (size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(d[i].kind, Kind::Line);
        EXPECT_EQ(d[i].color, lines[i].color);
        EXPECT_NEAR(d[i].points[1].x(), lines[i].x2, 1e-9);
    }
}

TEST_F(TrianglePicture, VerticesDrawingLabelsAndCentroid) {
    const double xy[] = {0, 0, 4, 0, 1.5, 3};
    calc::VerticesTriangle t = *calc::SolveTriangleFromVertices(xy, 3);
    pic.SetFontName("Arial");
    calc::DrawVerticesTriangle(pic, t);
    const auto& d = pic.Drawn();
    std::vector<const plat::DrawnPrimitive*> texts, lines, dots;
    for (const auto& p : d) {
        if (p.kind == Kind::Text) texts.push_back(&p);
        if (p.kind == Kind::Line) lines.push_back(&p);
        if (p.kind == Kind::Dot) dots.push_back(&p);
    }
    ASSERT_EQ(lines.size(), 5u);  // two axes, three sides
    EXPECT_EQ(lines[0]->color, 0x808080u);
    ASSERT_EQ(texts.size(), 3u);
    const double k = 301.0 / 4;
    // The leftmost vertex's label ends at the vertex.
    EXPECT_EQ(texts[0]->text, "(0, 0)");
    EXPECT_NEAR(texts[0]->points[0].x() + pic.TextWidth("(0, 0)"), 48, 1e-9);
    EXPECT_EQ(texts[0]->fontName, "Times New Roman");
    EXPECT_EQ(texts[0]->color, rt::kBlack);
    // The topmost one sits 15 pixels higher; the other one at its vertex.
    EXPECT_NEAR(texts[2]->points[0].y(), 42 + 3 * k + 15, 1e-9);
    EXPECT_NEAR(texts[1]->points[0].x(), 48 + 4 * k, 1e-9);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(dots[0]->width, 2);
    EXPECT_EQ(pic.DrawWidth(), 1);
}

}  // namespace
