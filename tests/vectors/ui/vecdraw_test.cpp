// The vector procedures and force-system reductions on the drawing picture.
// With TELUVAR_GRAB_DIR set, every plot is also saved there as a PNG.
#include <gtest/gtest.h>
#include <QString>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/draweng.h"
#include "support/dialog_script.h"
#include "support/grab.h"
#include "text/globals.h"
#include "vectors/ui/forcedraw.h"
#include "vectors/ui/vecdraw.h"

namespace {

using plat::DrawnPrimitive;
using Kind = DrawnPrimitive::Kind;
using Cells = std::vector<std::string>;

class VectorPlots : public ::testing::Test {
protected:
    VectorPlots() : pic("pic") {
        pic.resize(397, 385);
        pic.ScaleYUp();
        pic.Cls();
        shell::ClearShapes();
    }
    ~VectorPlots() override { Grab("end"); }

    // Saves the plot as <test>_<stage>.png when TELUVAR_GRAB_DIR is set.
    void Grab(const char* stage) const {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        testsupport::SaveGrab(pic.Image(), QString("%1_%2").arg(info->name(), stage));
    }
    // Grabs the plot, then clears the picture for the next one.
    void Next(const char* stage) {
        Grab(stage);
        pic.Cls();
    }

    int Count(Kind kind, rt::ColorRef colour) const {
        int n = 0;
        for (const DrawnPrimitive& p : pic.Drawn()) n += p.kind == kind && p.color == colour;
        return n;
    }
    int Count(Kind kind) const {
        int n = 0;
        for (const DrawnPrimitive& p : pic.Drawn()) n += p.kind == kind;
        return n;
    }
    // Labels may be printed a piece at a time (markup labels print each
    // character), so look for the text in everything printed, in order.
    bool Printed(const char* text) const {
        QString all;
        for (const DrawnPrimitive& p : pic.Drawn())
            if (p.kind == Kind::Text) all += p.text;
        return all.contains(QString::fromUtf8(text));
    }
    // A filled magenta dot centred at (x, y).
    bool NullMarkAt(double x, double y) const {
        for (const DrawnPrimitive& p : pic.Drawn())
            if (p.kind == Kind::Circle && p.filled && p.fillColor == rt::kMagenta &&
                std::abs(p.points[0].x() - x) < 0.01 && std::abs(p.points[0].y() - y) < 0.01)
                return true;
        return false;
    }

    plat::Picture pic;
};

TEST_F(VectorPlots, ArrowsFromOneOriginRegisteredInOrder) {
    std::vector<vec::VecRec> v = {vec::ParseRecord("3,4"), vec::ParseRecord("-2,1", rt::kBlue)};
    vecui::DrawVectors(pic, v);
    const shell::DrawEngState& st = shell::DrawEng();
    ASSERT_EQ(st.Shapes.size(), 2u);
    EXPECT_EQ(st.Shapes[0].Name, "Flecha-1");
    EXPECT_EQ(st.Shapes[1].Name, "Flecha-2");
    // span 6 (x from -2 to 3)... the larger of 5 and 4: k = 301 / 5.
    double k = 301.0 / 5, ox = 48 + 2 * k;
    EXPECT_NEAR(st.PenX, ox, 1e-3);
    EXPECT_NEAR(st.PenY, 42, 1e-3);
    shell::PointD tip = shell::ShapePoint(st, "Flecha-1", 1, 0);
    EXPECT_NEAR(tip.x, ox + 3 * k, 0.01);
    EXPECT_NEAR(tip.y, 42 + 4 * k, 0.01);
    EXPECT_TRUE(Printed("X"));
    EXPECT_TRUE(Printed("Y"));
    EXPECT_TRUE(Printed("5"));  // the magnitude labels
    EXPECT_TRUE(Printed("2.236"));
    EXPECT_EQ(Count(Kind::Polygon, rt::kBlue), 1);
}

TEST_F(VectorPlots, ZeroVectorsAndNegativeMagnitudesAreDrawn) {
    vecui::SumVectors(pic, Cells{"0,0", "h0"});
    EXPECT_EQ(shell::DrawEng().Shapes.size(), 3u);  // three 12-pixel arrows
    EXPECT_NEAR(shell::DrawEng().Shapes[2].Len1, 12, 1e-6);

    vecui::SumVectors(pic, Cells{"-5<30"});
    shell::PointD tip = shell::ShapePoint(shell::DrawEng(), "Flecha-1", 1, 0);
    // (-4.33, -2.5): the arrow runs down-left from the origin.
    EXPECT_LT(tip.x, shell::DrawEng().Shapes[0].X);
    EXPECT_LT(tip.y, shell::DrawEng().Shapes[0].Y);
}

TEST_F(VectorPlots, TwoVectorsWithSumAndDifference) {
    vec::ResultText lines = vecui::CombineTwoVectors(pic, "2,3", "4,6");
    EXPECT_EQ(lines[3], "Ángulo entre los vectores:  0°");
    EXPECT_EQ(Count(Kind::Polygon, rt::kBlue), 1);
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 1);
    EXPECT_TRUE(shell::DrawEng().Shapes.empty());
}

TEST_F(VectorPlots, LinearCombinationDrawsTheParallelogramSides) {
    vec::ResultText lines = vecui::CombineVectors(pic, Cells{"2", "3,4", "-1", "1,1"});
    EXPECT_EQ(lines.size(), 2u);
    Next("1");
    lines = vecui::SolveLinearCombination(pic, Cells{"2,0", "1,2", "3,4"});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Count(Kind::Line, rt::kLightGrey), 2);
    EXPECT_TRUE(shell::DrawEng().Shapes.empty());
}

TEST_F(VectorPlots, BasisRefusalsLeaveThePictureAlone) {
    testsupport::DialogScript dialogs;
    dialogs.Answer(plat::MsgResult::OK).Answer(plat::MsgResult::OK);
    vecui::SumVectors(pic, Cells{"1,1"});
    std::size_t before = pic.Drawn().size();
    EXPECT_TRUE(vecui::SolveLinearCombination(pic, Cells{"2,3", "4,6", "1,1"}).empty());
    EXPECT_TRUE(vecui::VectorFromProjections(pic, "1,0", 1, "h5", 2).empty());
    EXPECT_EQ(pic.Drawn().size(), before);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Los vectores no forman una base.");
    EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
    EXPECT_EQ(dialogs.Shown()[1].prompt, "Los vectores no son linealmente independientes.");
    EXPECT_EQ(dialogs.Shown()[1].title, "Teluvar");
}

TEST_F(VectorPlots, VectorFromProjectionsWithItsPerpendiculars) {
    vecui::VectorFromProjections(pic, "1,0", 2, "1,1", 3);
    EXPECT_EQ(Count(Kind::Line, vec::kGrey) >= 2, true);
    EXPECT_EQ(Count(Kind::Polygon, vec::kGreen), 2);
}

TEST_F(VectorPlots, RotatedVectorAndRotatedAxes) {
    vecui::RotateVectorOrAxes(pic, 30, "5<20", "v");
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 1);
    EXPECT_GE(Count(Kind::Arc), 1);
    Next("1");
    vecui::RotateVectorOrAxes(pic, 30, "5<20", "e");
    EXPECT_TRUE(Printed("X'"));
    EXPECT_TRUE(Printed("Y'"));
    EXPECT_TRUE(shell::DrawEng().Shapes.empty());
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
}

TEST_F(VectorPlots, CoplanarSystemWithLineOfActionAndCoupleAtL) {
    vec::ResultText lines = vecui::ReduceCoplanarForces(pic, Cells{"1,1", "1,0", "2,0", "0,2", "3", "1,1"});
    EXPECT_EQ(lines.size(), 7u);
    EXPECT_EQ(Count(Kind::Box, vec::kFrameColor), 1);
    EXPECT_EQ(Count(Kind::Line, vec::kFrameColor), 1);  // the line of action
    EXPECT_EQ(Count(Kind::Arc, rt::kMagenta), 1);
}

TEST_F(VectorPlots, CoplanarCoupleNullAndAxisOnlySystems) {
    vecui::ReduceCoplanarForces(pic, Cells{"1,1", "0,5", "0,1", "0,-5"});
    EXPECT_EQ(Count(Kind::Arc, rt::kMagenta), 1);
    Next("1");
    vecui::ReduceCoplanarForces(pic, Cells{"1,1", "0,5", "1,2", "0,-5"});
    EXPECT_TRUE(NullMarkAt(72, 66));
    Next("2");
    // Loads on points of the x axis, and a force at the origin.
    EXPECT_EQ(vecui::ReduceCoplanarForces(pic, Cells{"2,0", "v-10", "5,0", "v-20"})[2], "Línea de acción:  x = 4");
    EXPECT_NO_THROW(vecui::ReduceCoplanarForces(pic, Cells{"0,0", "3,4"}));
}

TEST_F(VectorPlots, ParallelForcesOnALine) {
    vecui::ReduceParallelForces1D(pic, Cells{"0", "10", "4", "30", "0"});
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 1);
    EXPECT_EQ(Count(Kind::Arc, rt::kMagenta), 1);  // the couple at xL
    Next("1");
    EXPECT_EQ(vecui::ReduceParallelForces1D(pic, Cells{"1", "-5", "3", "5"}),
              (vec::ResultText{"La resultante es un par de momento 10"}));
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 0);
    EXPECT_EQ(Count(Kind::Arc, rt::kMagenta), 1);
    Next("2");
    EXPECT_NO_THROW(vecui::ReduceParallelForces1D(pic, Cells{"0", "10"}));
}

TEST_F(VectorPlots, ParallelForcesNormalToThePlane) {
    vecui::ReduceParallelForces2D(pic, Cells{"3,4", "10", "-2,1", "-4", "1,1"});
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 1);  // the couple at L
    EXPECT_TRUE(pic.DrawStyle() == plat::DrawStyle::Solid);
    Next("1");
    vecui::ReduceParallelForces2D(pic, Cells{"2,0", "10", "0,2", "-10"});
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 1);  // the couple vector
    Next("2");
    vecui::ReduceParallelForces2D(pic, Cells{"1,1", "5", "1,1", "-5"});
    EXPECT_TRUE(NullMarkAt(48, 42));
    Next("3");
    EXPECT_NO_THROW(vecui::ReduceParallelForces2D(pic, Cells{"2,0", "10", "5,0", "20"}));
}

TEST_F(VectorPlots, DistributedLoadCurveAndResultant) {
    double a = 0, b = 3;
    vecui::ReduceDistributedLoad(pic, "X", a, b);
    EXPECT_EQ(Count(Kind::Box, vec::kFrameColor), 1);
    EXPECT_EQ(Count(Kind::Line, rt::kBlack), 301);  // the load curve
    EXPECT_EQ(Count(Kind::Polygon, rt::kMagenta), 1);
    Next("1");
    a = -1, b = 1;
    vecui::ReduceDistributedLoad(pic, "X", a, b);  // a couple at the origin
    EXPECT_EQ(Count(Kind::Arc, rt::kMagenta), 1);
    Next("2");
    a = 2, b = 6;
    EXPECT_NO_THROW(vecui::ReduceDistributedLoad(pic, "-2", a, b));
    Next("3");
    a = 0, b = 4;
    vecui::ReduceDistributedLoad(pic, "0", a, b);
    EXPECT_TRUE(NullMarkAt(48, 42));
}

TEST_F(VectorPlots, LinesFollowTheSharedDecimals) {
    text::G().Decimals = 1;
    vec::ResultText lines = vecui::ReduceParallelForces1D(pic, Cells{"0", "1", "0.5", "2"});
    text::G().Decimals = 3;
    EXPECT_EQ(lines[1], "y se localiza en 0.3");
}

TEST_F(VectorPlots, FailuresReachTheCaller) {
    EXPECT_THROW(vecui::CombineTwoVectors(pic, "3,4", "x"), rt::RuntimeError);
    EXPECT_THROW(vecui::ReduceCoplanarForces(pic, Cells{"1,1", "nada"}), rt::RuntimeError);
    EXPECT_THROW(vecui::ReduceParallelForces2D(pic, Cells{"3,4", "diez"}), rt::RuntimeError);
}

}  // namespace
