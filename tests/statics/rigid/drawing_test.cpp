#include <gtest/gtest.h>

#include <cmath>

#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/defaults.h"
#include "statics/rigid/drawing.h"
#include "statics/rigid/forces.h"
#include "statics/rigid/geometry.h"
#include "support/grab.h"

namespace rigid {
namespace {

class RigidDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetShared();
        pic.resize(397, 385);
        pic.ScaleYUp();
        pic.Cls();
    }
    void Register(const std::string& pts, const std::string& v) {
        SepVectorEntry e;
        e.points = pts;
        e.firstVector = v;
        ASSERT_TRUE(RegisterSepVectors(st, e).ok);
    }
    int Count(plat::DrawnPrimitive::Kind kind, rt::ColorRef colour) const {
        int n = 0;
        for (const auto& d : pic.Drawn()) n += d.kind == kind && d.color == colour;
        return n;
    }

    plat::Picture pic{"pic1"};
    StatState st;
};

TEST_F(RigidDrawing, StructureIsFittedAndCentred) {
    Register("AB", "4,0");
    Register("BC", "0,2");
    DrawStructureFrame(st, pic);
    const PointRec& a = PointAt(st, FindPoint(st, "A"));
    const PointRec& c = PointAt(st, FindPoint(st, "C"));
    EXPECT_FLOAT_EQ(a.PicX, 48);
    EXPECT_FLOAT_EQ(a.PicY, 117);
    EXPECT_FLOAT_EQ(c.PicX, 349);
    EXPECT_FLOAT_EQ(c.PicY, 267.5);
    // Axes from edge to edge through A.
    bool yAxis = false, xAxis = false;
    for (const auto& d : pic.Drawn()) {
        if (d.kind != plat::DrawnPrimitive::Kind::Line || d.color != 0xC0C0C0) continue;
        yAxis = yAxis || (d.points[0] == QPointF(48, 0) && d.points[1].y() >= 380);
        xAxis = xAxis || (d.points[0] == QPointF(0, 117) && d.points[1].x() >= 390);
    }
    EXPECT_TRUE(yAxis);
    EXPECT_TRUE(xAxis);

    // Taller than wide: fitted by the height, centred across.
    StatState tall;
    SepVectorEntry e;
    e.points = "AB";
    e.firstVector = "1,3";
    ASSERT_TRUE(RegisterSepVectors(tall, e).ok);
    DrawStructureFrame(tall, pic);
    EXPECT_FLOAT_EQ(PointAt(tall, 2).PicY - PointAt(tall, 1).PicY, 301);
    EXPECT_FLOAT_EQ(PointAt(tall, 1).PicX, 148);
}

TEST_F(RigidDrawing, CoincidentPointsFailBeforeClearing) {
    st.StatPoints = {PointRec{"A", 1, 1}, PointRec{"B", 1, 1}};
    pic.Line(1, 1, 5, 5);
    EXPECT_THROW(DrawStructureFrame(st, pic), rt::RuntimeError);
    EXPECT_EQ(pic.Drawn().size(), 1u);
}

TEST_F(RigidDrawing, LinesOfOneSystemAndCancelledSegments) {
    Register("AB", "4,0");
    Register("BC", "0,2");
    DrawStructureFrame(st, pic);
    st.Lines = {{"ABC", "True", std::to_string(0x00C0C0), "2"},
                {"AB", "False", std::to_string(0x00C0C0), "2"},
                {"CA", "True", std::to_string(0x00C000), "3"},
                {"AZ", "True", "0", "3"}};
    pic.Cls();
    DrawSystemLines(st, pic, " a ", std::string("2"));
    EXPECT_EQ(Count(plat::DrawnPrimitive::Kind::Line, 0x00C0C0), 2);
    EXPECT_EQ(Count(plat::DrawnPrimitive::Kind::Line, 0xC0C0C0), 1);  // AB lies on the x axis
    EXPECT_EQ(Count(plat::DrawnPrimitive::Kind::Line, 0x00C000), 0);
    EXPECT_EQ(Count(plat::DrawnPrimitive::Kind::Text, rt::kBlue), 3);
    pic.Cls();
    DrawSystemLines(st, pic, "A");
    EXPECT_EQ(Count(plat::DrawnPrimitive::Kind::Line, 0x00C000), 1);
    EXPECT_THROW(DrawSystemLines(st, pic, "Q"), rt::RuntimeError);
}

TEST_F(RigidDrawing, ComponentsToSolveForAreRedAndADirectionIsAskedOnce) {
    Register("AB", "4,0");
    DrawStructureFrame(st, pic);
    std::string msg;
    for (const char* t : {"Ax, Ay", "-20,Fy", "0,Fy"}) ASSERT_EQ(AddDCLForce(st, 1, "A", t, msg, 3), AddResult::Added);
    ASSERT_EQ(AddDCLForce(st, 2, "B", "50<Q", msg, 3), AddResult::Added);
    int asked = 0;
    auto ask = [&] {
        ++asked;
        return std::string("30");
    };
    pic.Cls();
    DrawDCLForces(st, pic, 1, ask);
    EXPECT_EQ(asked, 0);  // the force of body 2 is not drawn
    // Two red arrows of the pin, a red one for each Fy, one black for -20.
    int red = 0, black = 0;
    for (const auto& d : pic.Drawn())
        if (d.kind == plat::DrawnPrimitive::Kind::Polygon) (d.fillColor == rt::kRed ? red : black) += 1;
    EXPECT_EQ(red, 4);
    EXPECT_EQ(black, 1);
    DrawDCLForces(st, pic, std::nullopt, ask);
    DrawDCLForces(st, pic, 2, ask);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(st.Forces[3][fr::kDrawAngle].ToNumber(), 30);
    EXPECT_EQ(st.Forces[3][fr::kHour].ToNumber(), 2);
    // A number is needed.
    st.Forces[3][fr::kHour] = rt::Variant();
    EXPECT_THROW(DrawDCLForces(st, pic, 2, [] { return std::string("abc"); }), rt::RuntimeError);
}

TEST_F(RigidDrawing, TwoCouplesAtOnePointKeepTheirLabelsApart) {
    Register("AB", "4,0");
    DrawStructureFrame(st, pic);
    std::string msg;
    for (const char* t : {"M", "-25", "Ax, Ay"}) ASSERT_EQ(AddDCLForce(st, 1, "A", t, msg, 3), AddResult::Added);
    ASSERT_EQ(AddDCLForce(st, 1, "B", "30", msg, 3), AddResult::Added);
    pic.Cls();
    DrawDCLForces(st, pic, 1, {});
    testsupport::SaveGrab(pic.Image(), "rigid_two_couples");
    std::vector<QRectF> labels;
    for (const auto& d : pic.Drawn())
        if (d.kind == plat::DrawnPrimitive::Kind::Text && (d.text == "M" || d.text == "25" || d.text == "30")) {
            pic.SetFontName(d.fontName);  // measured in the label's own font
            pic.SetFontSize(d.fontSize);
            labels.emplace_back(d.points.at(0), QSizeF(pic.TextWidth(d.text), pic.TextHeight(d.text)));
        }
    ASSERT_EQ(labels.size(), 3u);
    // Each label box, hanging down from its top-left corner, meets no other.
    for (size_t i = 0; i < labels.size(); ++i)
        for (size_t j = i + 1; j < labels.size(); ++j) {
            const QRectF a = labels[i].normalized(), b = labels[j].normalized();
            const bool apart = a.right() <= b.left() || b.right() <= a.left() || a.top() >= b.top() + b.height() ||
                               b.top() >= a.top() + a.height();
            EXPECT_TRUE(apart) << i << " " << j;
        }
}

}  // namespace
}  // namespace rigid
