#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/errors.h"
#include "vectors/forces.h"

using namespace vec;

namespace {
using Cells = std::vector<std::string>;
using Nums = std::vector<double>;
}  // namespace

TEST(ParallelForces1D, ResultantAndItsPosition) {
    ParallelForces1DResult r = ReduceParallelForces1D(Nums{0, 4}, Nums{10, 30});
    EXPECT_EQ(r.kind, Reduction::Resultant);
    EXPECT_EQ(r.lines, (ResultText{"La resultante vale 40", "y se localiza en 3"}));
    EXPECT_EQ(r.xs, (Nums{0, 4, 3}));
    EXPECT_EQ(r.Fs, (Nums{10, 30, 40}));
    // Separate scales fill the frame: x from 0 to 4, forces from 0 to 40.
    EXPECT_DOUBLE_EQ(r.kx, 301.0 / 4);
    EXPECT_DOUBLE_EQ(r.kF, 301.0 / 40);
    EXPECT_EQ(r.px, (Nums{48, 349, 273.75}));
    EXPECT_EQ(r.py, (Nums{117.25, 267.75, 343}));
    EXPECT_EQ(r.x0, 48);
    EXPECT_EQ(r.y0, 42);
}

TEST(ParallelForces1D, ForceAndCoupleAtAReferencePoint) {
    ParallelForces1DResult r = ReduceParallelForces1D(Nums{0, 4}, Nums{10, 30}, 0.0);
    EXPECT_EQ(r.lines, (ResultText{"R = 40, x!R = 3", "La resultante localizada en x = 0",
                                   "consta de la fuerza R dada arriba", "y un par de momento 120"}));
    EXPECT_EQ(r.xs.back(), 0);
    EXPECT_EQ(r.ML, 120);

    // xR is rounded, the typed xL is written in full.
    ParallelForces1DResult t = ReduceParallelForces1DCells(Cells{"0", "1", "0.5", "2", "1.23456"});
    EXPECT_EQ(t.lines[0], "R = 3, x!R = 0.333");
    EXPECT_EQ(t.lines[1], "La resultante localizada en x = 1.23456");
    EXPECT_EQ(t.lines[3], "y un par de momento ;-2.704");
}

TEST(ParallelForces1D, ForcesThatCancelAreACoupleOrNothing) {
    ParallelForces1DResult c = ReduceParallelForces1D(Nums{1, 3}, Nums{-5, 5});
    EXPECT_EQ(c.kind, Reduction::Couple);
    EXPECT_EQ(c.lines, (ResultText{"La resultante es un par de momento 10"}));
    EXPECT_EQ(c.Fs.back(), 0);
    EXPECT_DOUBLE_EQ(c.y0, 42 + 5 * 30.1);

    // 0.1 + 0.2 - 0.3 leaves a residue of about 5.6E-17: still a couple.
    ParallelForces1DResult residue = ReduceParallelForces1D(Nums{1, 2, 3}, Nums{0.1, 0.2, -0.3});
    EXPECT_EQ(residue.kind, Reduction::Couple);
    EXPECT_EQ(residue.lines, (ResultText{"La resultante es un par de momento ;-0.4"}));

    ParallelForces1DResult null = ReduceParallelForces1D(Nums{2, 2}, Nums{5, -5}, 7.0);
    EXPECT_EQ(null.kind, Reduction::Null);
    EXPECT_EQ(null.lines, (ResultText{"El sistema de fuerzas tiene resultante nula."}));
}

TEST(ParallelForces1D, PlotsWithoutExtentAlongOneAxis) {
    // One force at x = 0: no x extent, the force extent serves both.
    ParallelForces1DResult r = ReduceParallelForces1D(Nums{0}, Nums{10});
    EXPECT_EQ(r.lines, (ResultText{"La resultante vale 10", "y se localiza en 0"}));
    EXPECT_DOUBLE_EQ(r.kx, 30.1);
    EXPECT_EQ(r.px, (Nums{48, 48}));
    // Zero forces at the origin: neither extent; a default span.
    ParallelForces1DResult z = ReduceParallelForces1D(Nums{0}, Nums{0});
    EXPECT_EQ(z.kind, Reduction::Null);
    EXPECT_GT(z.kx, 0);
    EXPECT_GT(z.kF, 0);

    EXPECT_THROW(ReduceParallelForces1DCells(Cells{"a", "1"}), rt::RuntimeError);
    EXPECT_THROW(ReduceParallelForces1DCells(Cells{"3"}), rt::RuntimeError);
}

TEST(ParallelForces2D, ResultantAndForceCoupleAtL) {
    ParallelForces2DResult r = ReduceParallelForces2D(Cells{"3,4", "10"});
    EXPECT_EQ(r.kind, Reduction::Resultant);
    EXPECT_EQ(r.lines, (ResultText{";SF!z = 10,  ;S$M!O = (40, ;-30)", "Resultante: R!z = 10, ubicada en",
                                   "x!R = 3,  y!R = 4"}));
    EXPECT_DOUBLE_EQ(r.scale, 301.0 / 4);
    EXPECT_EQ(r.pixels, (std::vector<PlotPoint>{{273.75, 343}, {273.75, 343}}));
    EXPECT_EQ(r.origin, (PlotPoint{48, 42}));

    ParallelForces2DResult l = ReduceParallelForces2D(Cells{"3,4", "10", "1,1"});
    ASSERT_EQ(l.lines.size(), 5u);
    EXPECT_EQ(l.lines[3], "Localizada en (1, 1)");
    EXPECT_EQ(l.lines[4], "es  R!z = 10  y  $M = (30, ;-20)");
    EXPECT_EQ(l.couple.Hour, 4);
    EXPECT_EQ(l.pixels.size(), 3u);
}

TEST(ParallelForces2D, CoupleAndNullSystem) {
    ParallelForces2DResult c = ReduceParallelForces2D(Cells{"2,0", "10", "0,2", "-10"});
    EXPECT_EQ(c.kind, Reduction::Couple);
    EXPECT_EQ(c.lines, (ResultText{"La suma de fuerzas es cero. La resultante es",
                                   "un par de momento $M = ;S$M!O = (;-20, ;-20)", ""}));
    EXPECT_EQ(c.couple.Hour, 7);  // into the third quadrant

    for (const Cells& cells : {Cells{"1,1", "5", "1,1", "-5"}, Cells{"1,1", "0.0000005"}}) {
        ParallelForces2DResult n = ReduceParallelForces2D(cells);
        EXPECT_EQ(n.kind, Reduction::Null) << cells[1];
        EXPECT_EQ(n.lines, (ResultText{"El sistema de fuerzas tiene resultante nula."}));
    }
}

TEST(ParallelForces2D, PointsOnOneAxisOrAtTheOriginStillPlot) {
    ParallelForces2DResult r = ReduceParallelForces2D(Cells{"2,0", "10", "5,0", "20"});
    EXPECT_EQ(r.lines[2], "x!R = 4,  y!R = 0");
    EXPECT_DOUBLE_EQ(r.scale, 301.0 / 5);
    EXPECT_EQ(r.pixels[1], (PlotPoint{349, 42}));

    ParallelForces2DResult origin = ReduceParallelForces2D(Cells{"0,0"});
    EXPECT_EQ(origin.kind, Reduction::Null);
    EXPECT_EQ(origin.pixels, (std::vector<PlotPoint>{{48, 42}, {48, 42}}));

    EXPECT_THROW(ReduceParallelForces2D(Cells{"3,4", "diez"}), rt::RuntimeError);
    EXPECT_THROW(ReduceParallelForces2D(Cells{"3;", "10"}), rt::RuntimeError);
}

TEST(CoplanarForces, ResultantLineOfActionWithOneBlankAfterEqualsAndIntersections) {
    CoplanarForcesResult h = ReduceCoplanarForces(Cells{"1,1", "1,0"});
    EXPECT_EQ(h.lines, (ResultText{";SF!x = 1,  ;SF!y = 0,  ;SM!O = ;-1", "Resultante: $R = (1, 0)   ó   (1 #angu 0°)",
                                   "Línea de acción:  y = 1", ""}));
    EXPECT_EQ(h.positions.back().Y, 1);

    CoplanarForcesResult through = ReduceCoplanarForces(Cells{"1,1", "1,1"});
    EXPECT_EQ(through.lines,
              (ResultText{";SF!x = 1,  ;SF!y = 1,  ;SM!O = 0", "Resultante: $R = (1, 1)   ó   (1.414 #angu 45°)",
                          "Línea de acción:  x ;- y = 0,", "Intersecciones: x!R = 0, y!R = 0"}));

    // The couple of the fifth text adds to the moment.
    CoplanarForcesResult c = ReduceCoplanarForces(Cells{"1,1", "1,0", "2,0", "0,2", "3"});
    EXPECT_EQ(c.lines,
              (ResultText{";SF!x = 1,  ;SF!y = 2,  ;SM!O = 6", "Resultante: $R = (1, 2)   ó   (2.236 #angu 63.435°)",
                          "Línea de acción:  2 x ;- y = 6,", "Intersecciones: x!R = 3, y!R = ;-6"}));
    EXPECT_EQ(c.positions.back().X, 3);
    EXPECT_EQ(c.positions.back().Y, 0);
    // First quadrant: the origin is the corner of the inner square and the
    // farthest point lands on its side.
    EXPECT_EQ(c.origin, (PlotPoint{72, 66}));
    EXPECT_DOUBLE_EQ(c.k, 253.0 / 3);
    EXPECT_EQ(c.pixels.back(), (PlotPoint{72 + 253, 66}));

    // Equally far intersections: drawn at the x axis.
    CoplanarForcesResult tie = ReduceCoplanarForces(Cells{"2,0", "1,1"});
    EXPECT_EQ(tie.positions.back().X, 2);
    EXPECT_EQ(tie.positions.back().Y, 0);

    // A sum of 1E-7 in x is nothing: the resultant is vertical.
    CoplanarForcesResult v = ReduceCoplanarForces(Cells{"1,0", "0.0000001,2"});
    EXPECT_EQ(v.lines[2], "Línea de acción:  x = 1");
    EXPECT_EQ(v.lines[3], "");
}

TEST(CoplanarForces, ForceAndCoupleAtAPointL) {
    CoplanarForcesResult l = ReduceCoplanarForces(Cells{"1,1", "1,0", "2,0", "0,2", "0,0"});
    ASSERT_EQ(l.lines.size(), 7u);
    EXPECT_EQ(l.lines[4], "La resultante localizada en (0, 0)");
    EXPECT_EQ(l.lines[5], "es la fuerza $R y un par de momento 3");
    EXPECT_EQ(l.lines[6], "");

    // Couple and point in either order among the last two texts.
    CoplanarForcesResult a = ReduceCoplanarForces(Cells{"1,1", "1,0", "2,0", "0,2", "3", "1,1"});
    CoplanarForcesResult b = ReduceCoplanarForces(Cells{"1,1", "1,0", "2,0", "0,2", "1,1", "3"});
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(a.lines[0], ";SF!x = 1,  ;SF!y = 2,  ;SM!O = 6");
    EXPECT_EQ(a.lines[5], "es la fuerza $R y un par de momento 5");
    EXPECT_EQ(a.positions.back().X, 1);
    EXPECT_EQ(a.positions.back().Y, 1);
}

TEST(CoplanarForces, CoupleAndNullSystem) {
    CoplanarForcesResult c = ReduceCoplanarForces(Cells{"1,1", "0,5", "0,1", "0,-5"});
    EXPECT_EQ(c.kind, Reduction::Couple);
    EXPECT_EQ(c.lines, (ResultText{";SF!x = 0,  ;SF!y = 0,  ;SM!O = 5", "La resultante es un par de momento 5"}));
    CoplanarForcesResult n = ReduceCoplanarForces(Cells{"1,1", "0,5", "1,2", "0,-5", "4,4"});
    EXPECT_EQ(n.kind, Reduction::Null);
    EXPECT_EQ(n.lines,
              (ResultText{";SF!x = 0,  ;SF!y = 0,  ;SM!O = 0", "El sistema de fuerzas tiene resultante nula"}));
    // A couple alone.
    EXPECT_EQ(ReduceCoplanarForces(Cells{"-2.5"}).lines[1], "La resultante es un par de momento ;-2.5");
}

TEST(CoplanarForces, PointsOnOneAxisOrAtTheOriginStillPlot) {
    CoplanarForcesResult r = ReduceCoplanarForces(Cells{"2,0", "v-10", "5,0", "v-20"});
    EXPECT_EQ(r.lines,
              (ResultText{";SF!x = 0,  ;SF!y = ;-30,  ;SM!O = ;-120",
                          "Resultante: $R = (0, ;-30)   ó   (30 #angu ;-90°)", "Línea de acción:  x = 4", ""}));
    EXPECT_DOUBLE_EQ(r.k, 253.0 / 5);
    EXPECT_NEAR(r.pixels[2].x, 72 + 4 * 50.6, 1e-4);
    EXPECT_EQ(r.pixels[2].y, 66);

    CoplanarForcesResult o = ReduceCoplanarForces(Cells{"0,0", "3,4"});
    EXPECT_EQ(o.lines[2], "Línea de acción:  4 x ;- 3 y = 0,");
    EXPECT_EQ(o.pixels, (std::vector<PlotPoint>{{72, 66}, {72, 66}}));

    EXPECT_THROW(ReduceCoplanarForces(Cells{"1,1", "nada"}), rt::RuntimeError);
}
