#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "runtime/errors.h"
#include "vectors/vecproc.h"

using namespace vec;

namespace {
using Cells = std::vector<std::string>;

void ExpectRecord(const VecRec& r, double x, double y, int hour, rt::ColorRef color) {
    EXPECT_NEAR(r.X, x, 1e-9);
    EXPECT_NEAR(r.Y, y, 1e-9);
    EXPECT_EQ(r.Hour, hour);
    EXPECT_EQ(r.Color, color);
}
}  // namespace

TEST(VectorPlotLayout, OneScaleFitsEveryTipInTheSquare) {
    // (3, 4): span 4, origin at the frame's corner, the tip on the top edge.
    std::vector<VecRec> one = {ParseRecord("3,4")};
    VectorPlotLayout p = LayoutVectorPlot(one);
    EXPECT_DOUBLE_EQ(p.k, 301.0 / 4);
    EXPECT_EQ(p.ox, 48);
    EXPECT_EQ(p.oy, 42);
    EXPECT_NEAR(p.lengths[0] * kDrawScale, 301.0 / 4 * 5, 1e-9);

    // (-2, 1) and (4, 3): spanX 6 sets the scale; the origin moves right.
    std::vector<VecRec> two = {ParseRecord("-2,1"), ParseRecord("4,3")};
    p = LayoutVectorPlot(two);
    EXPECT_DOUBLE_EQ(p.k, 301.0 / 6);
    EXPECT_NEAR(p.ox, 48 + 2 * 301.0 / 6, 1e-4);
    EXPECT_EQ(p.oy, 42);
}

TEST(VectorPlotLayout, ZeroAndNegativeMagnitudesStillDrawAnArrow) {
    // All vectors zero: no extent at all, yet a scale and 12-pixel arrows.
    std::vector<VecRec> zeros = {ParseRecord("0,0"), ParseRecord("h0")};
    VectorPlotLayout p = LayoutVectorPlot(zeros);
    EXPECT_GT(p.k, 0);
    EXPECT_EQ(p.lengths, (std::vector<double>{0.5, 0.5}));

    // "-5<30" keeps its typed negative magnitude; the arrow has its size.
    std::vector<VecRec> neg = {ParseRecord("-5<30")};
    EXPECT_EQ(neg[0].Mag, -5);
    p = LayoutVectorPlot(neg);
    EXPECT_NEAR(p.lengths[0], 301.0 / (5 * std::cos(M_PI / 6)) * 5 / kDrawScale, 1e-6);

    EXPECT_THROW(LayoutVectorPlot({}), rt::ProgramFault);
}

TEST(PlotScales, ZeroExtentsFallBackToTheOtherOrTheDefault) {
    EXPECT_DOUBLE_EQ(UniformScale(253, 10, 1), 25.3);
    EXPECT_DOUBLE_EQ(UniformScale(253, 0, 11), 23);
    EXPECT_DOUBLE_EQ(UniformScale(253, 0, 0), 253 / kDefaultSpan);
    EXPECT_DOUBLE_EQ(AxisScale(301, 7, 2), 43);
    EXPECT_DOUBLE_EQ(AxisScale(301, 0, 7), 43);
    EXPECT_DOUBLE_EQ(AxisScale(301, 0, 0), 301 / kDefaultSpan);
}

TEST(CombineTwoVectors, SumDifferenceAngleAndProducts) {
    TwoVectorsResult r = CombineTwoVectors("3,4", "1,2");
    ASSERT_EQ(r.vecs.size(), 4u);
    ExpectRecord(r.vecs[0], 3, 4, 1, rt::kBlack);
    ExpectRecord(r.vecs[2], 4, 6, 1, rt::kBlue);
    ExpectRecord(r.vecs[3], -2, -2, 7, rt::kMagenta);
    EXPECT_EQ(r.lines, (ResultText{
                           "Vectores dados:\r\n(3, 4)      y      (1, 2)",
                           "/3Suma/:  (4, 6)    ó    (7.211 #angu 56.31°)",
                           "/8Resta/:  (;-2, ;-2)    ó    (2.828 #angu ;-135°)",
                           "Ángulo entre los vectores:  10.305°",
                           "Producto Escalar:  11",
                           "Producto Vectorial: 2 $k",
                       }));

    // Swapped: the difference and the vector product change sign.
    TwoVectorsResult s = CombineTwoVectors("1,2", " 3,4 ");
    EXPECT_EQ(s.lines[2], "/8Resta/:  (2, 2)    ó    (2.828 #angu 45°)");
    EXPECT_EQ(s.lines[5], "Producto Vectorial: ;-2 $k");
    EXPECT_EQ(s.lines[3], r.lines[3]);
}

TEST(CombineTwoVectors, ParallelVectorsHaveAnAngleOfZeroOr180) {
    // The cosine of "2,3" and "4,6" comes out a hair above 1.
    EXPECT_EQ(CombineTwoVectors("2,3", "4,6").lines[3], "Ángulo entre los vectores:  0°");
    EXPECT_EQ(CombineTwoVectors("2,3", "-4,-6").lines[3], "Ángulo entre los vectores:  180°");
}

TEST(CombineTwoVectors, RefusedTextsFail) { EXPECT_THROW(CombineTwoVectors("3,4", "hola"), rt::RuntimeError); }

// A zero vector has no direction: the angle's line says so, and the sum,
// the difference and both products keep their values.
TEST(CombineTwoVectors, AZeroVectorHasNoAngleButEveryOtherResult) {
    const std::string noAngle = "Ángulo entre los vectores:  no tiene valor: un vector nulo no tiene dirección.";
    for (auto [a, b] : {std::pair{"0,0", "3,4"}, std::pair{"3,4", "0,0"}, std::pair{"0,0", "0,0"}}) {
        TwoVectorsResult r = CombineTwoVectors(a, b);
        ASSERT_EQ(r.lines.size(), 6u) << a << " " << b;
        EXPECT_EQ(r.lines[3], noAngle) << a << " " << b;
        EXPECT_EQ(r.lines[4], "Producto Escalar:  0") << a << " " << b;
        EXPECT_EQ(r.lines[5], "Producto Vectorial: 0 $k") << a << " " << b;
    }
    EXPECT_EQ(CombineTwoVectors("0,0", "3,4").lines[1], "/3Suma/:  (3, 4)    ó    (5 #angu 53.13°)");
}

TEST(VectorSums, SumAndLinearCombinationWithTheirReports) {
    VectorSumResult s = SumVectorCells(Cells{"3,4"});
    ASSERT_EQ(s.vecs.size(), 2u);
    ExpectRecord(s.vecs[1], 3, 4, 1, rt::kBlue);
    EXPECT_EQ(s.lines, (ResultText{"Vectores dados:\r\n(3, 4)    ó    (5 #angu 53.13°)\r\n",
                                   "/3Suma/:  (3, 4)    ó    (5 #angu 53.13°)"}));

    // Five cells: the odd last one is left out.
    VectorSumResult c = CombineVectorCells(Cells{"2", "3,4", "-1", "1,1", "7,7"});
    ASSERT_EQ(c.vecs.size(), 3u);
    ExpectRecord(c.vecs[2], 5, 7, 1, rt::kBlue);
    EXPECT_EQ(c.lines, (ResultText{"Factores y vectores dados:\r\n"
                                   "2,    (3, 4)    ó    (5 #angu 53.13°)\r\n"
                                   ";-1,    (1, 1)    ó    (1.414 #angu 45°)\r\n",
                                   "/3Suma/:  (5, 7)    ó    (8.602 #angu 54.462°)"}));

    EXPECT_THROW(CombineVectorCells(Cells{"2"}), rt::RuntimeError);           // no complete pair
    EXPECT_THROW(CombineVectorCells(Cells{"dos", "3,4"}), rt::RuntimeError);  // factor not a number
}

TEST(VectorSums, AllZeroVectorsAddUpToAZeroRecord) {
    VectorSumResult s = SumVectorCells(Cells{"0,0", "h0"});
    EXPECT_EQ(s.vecs.back().Mag, 0);
    EXPECT_EQ(s.lines[1], "/3Suma/:  (0, 0)    ó    (0 #angu 0°)");
}

TEST(RotateVectorOrAxes, VectorOrAxesTurnedByTheAngle) {
    RotationResult v = RotateVectorOrAxes(90, "h-55", "v");
    EXPECT_TRUE(v.rotateVector);
    EXPECT_EQ(v.turned.Hour, 6);
    EXPECT_EQ(v.lines, (ResultText{"Vector a rotar:  (;-55, 0)  ó  (55 #angu 180°)",
                                   "Vector rotado:  (0, ;-55)  ó  (55 #angu ;-90°)"}));

    RotationResult e = RotateVectorOrAxes(90, "h-55", "e");
    EXPECT_EQ(e.lines, (ResultText{"Vector en XY:  (;-55, 0)  ó  (55 #angu 180°)",
                                   "Vector en X'Y':  (0, 55)  ó  (55 #angu 90°)"}));
    // Only a lower-case "v" turns the vector.
    EXPECT_FALSE(RotateVectorOrAxes(90, "h-55", "V").rotateVector);

    for (const char* mode : {"v", "e"}) {
        RotationResult z = RotateVectorOrAxes(0, "3,4", mode);
        EXPECT_EQ(z.lines[1].substr(z.lines[1].find("(")), "(3, 4)  ó  (5 #angu 53.13°)") << mode;
    }
    EXPECT_THROW(RotateVectorOrAxes(30, "3;", "v"), rt::RuntimeError);
}

TEST(SolveLinearCombination, CoefficientsInTheBasis) {
    const auto r = SolveLinearCombination(Cells{"h-55", "v0.24", "23,-45"});
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_DOUBLE_EQ(r->lambda, 23 / -55.0);
    EXPECT_DOUBLE_EQ(r->mu, -45 / 0.24);
    ASSERT_EQ(r->vecs.size(), 5u);
    ExpectRecord(r->vecs[2], 23, -45, 5, rt::kBlue);
    ExpectRecord(r->vecs[3], 23, 0, 3, rt::kMagenta);
    ExpectRecord(r->vecs[4], 0, -45, 6, rt::kMagenta);
    EXPECT_EQ(r->lines, (ResultText{"$V = ;l $a + ;m $b = (23, ;-45)   ó   (50.537 #angu ;-62.928°)",
                                    "$a = (;-55, 0),  $b = (0, 0.24)", ";l = ;-0.418, ;m = ;-187.5"}));
}

TEST(SolveLinearCombination, PairsThatAreNotABasisAreRefused) {
    for (const Cells& c : {Cells{"2,3", "4,6", "1,1"}, Cells{"0,0", "1,0", "1,1"}, Cells{"1,0", "0,0.000001", "1,1"}}) {
        const auto r = SolveLinearCombination(c);
        EXPECT_FALSE(r.ok()) << c[1];
        EXPECT_EQ(r.message(), "Los vectores no forman una base.") << c[1];
    }
    EXPECT_TRUE(SolveLinearCombination(Cells{"1,0", "0,0.000002", "1,1"}).ok());
    EXPECT_THROW(SolveLinearCombination(Cells{"1,0", "0,1"}), rt::RuntimeError);
}

TEST(VectorFromProjections, VectorWithTheGivenProjections) {
    const auto r = VectorFromProjections("1,0", 2, "0,1", 3);
    ASSERT_TRUE(r.ok()) << r.message();
    ExpectRecord(r->vecs[2], 2, 3, 1, rt::kMagenta);
    ExpectRecord(r->vecs[3], 2, 0, 3, kGreen);
    ExpectRecord(r->vecs[4], 0, 3, 12, kGreen);
    EXPECT_EQ(r->lines, (ResultText{"El vector buscado es:", "$V = (2, 3)", "$V = (3.606 #angu 56.31°)", ""}));

    // Oblique basis: V . a = Ca |a|^2 and V . b = Cb |b|^2.
    const auto o = VectorFromProjections("2,0", 1, "1,1", 2);
    ASSERT_TRUE(o.ok()) << o.message();
    EXPECT_NEAR(o->vecs[2].X, 2, 1e-12);
    EXPECT_NEAR(o->vecs[2].Y, 2, 1e-12);

    const auto dependent = VectorFromProjections("2,3", 1, "-4,-6", 1);
    EXPECT_FALSE(dependent.ok());
    EXPECT_EQ(dependent.message(), "Los vectores no son linealmente independientes.");
}

TEST(SumMoments, AboutTheOriginOrAGivenPoint) {
    MomentsResult o = SumMoments(Cells{"1,0", "0,2"});
    EXPECT_EQ(o.total, 2);
    EXPECT_EQ(SumMomentsReport(o, 2),
              (ResultText{"/3Suma de momentos con respecto al origen:/  2", "(1, 0) ^ (0, 2) = 2\r\n"}));

    MomentsResult p = SumMoments(Cells{"1,0", "0,2", "1,1"});
    EXPECT_EQ(p.total, 0);
    EXPECT_EQ(SumMomentsReport(p, 3),
              (ResultText{"/3Suma de momentos con respecto al punto (1, 1):/  0", "(0, ;-1) ^ (0, 2) = 0\r\n"}));

    MomentsResult f = SumMoments(Cells{"h-55", "u156", "2,1", "h3"});
    EXPECT_NEAR(f.total, -22.370515369169 - 3, 1e-9);
    EXPECT_EQ(f.text, "(;-55, 0) ^ (;-0.914, 0.407) = ;-22.371\r\n(2, 1) ^ (3, 0) = ;-3\r\n");

    MomentsResult single = SumMoments(Cells{"4,5"});
    EXPECT_EQ(SumMomentsReport(single, 1), (ResultText{"/3Suma de momentos con respecto al punto (4, 5):/  0", ""}));
    EXPECT_THROW(SumMoments(Cells{"1,0", "nada"}), rt::RuntimeError);
}
