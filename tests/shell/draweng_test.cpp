#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <QColor>
#include <QDir>
#include <QImage>

#include "platform/common.h"
#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/draweng.h"
#include "shell/drawpicture.h"
#include "support/grab.h"

using namespace shell;

namespace {

// A canvas that records what is drawn, with the current-point rules of the
// pictures and fixed text metrics (6 pixels a character, 10 high).
class RecordingCanvas : public DrawCanvas {
public:
    struct Prim {
        std::string kind;  // line, box, circle, arc, polygon, print
        std::vector<PointD> pts;
        double r = 0, start = 0, end = 0;
        rt::ColorRef colour = 0;  // the line's colour or the foreground
        int fillStyle = 0;
        rt::ColorRef fillColour = 0;
        bool filled = false;
        std::string text, font;
        double size = 0;
        int drawStyle = 0;
    };
    std::vector<Prim> prims;

    double CurrentX() const override { return cx_; }
    double CurrentY() const override { return cy_; }
    void SetCurrent(double x, double y) override {
        cx_ = x;
        cy_ = y;
    }
    void Line(double x1, double y1, double x2, double y2) override { Line(x1, y1, x2, y2, fore_); }
    void Line(double x1, double y1, double x2, double y2, rt::ColorRef c) override {
        Add("line", {{x1, y1}, {x2, y2}}).colour = c;
        SetCurrent(x2, y2);
    }
    void Box(double x1, double y1, double x2, double y2, rt::ColorRef c, bool filled) override {
        Prim& p = Add("box", {{x1, y1}, {x2, y2}});
        p.colour = c;
        p.filled = filled;
        SetCurrent(x2, y2);
    }
    void Circle(double x, double y, double r) override {
        Add("circle", {{x, y}}).r = r;
        SetCurrent(x, y);
    }
    void Arc(double x, double y, double r, double start, double end) override {
        Prim& p = Add("arc", {{x, y}});
        p.r = r;
        p.start = start;
        p.end = end;
        SetCurrent(x, y);
    }
    void Polygon(const std::vector<PointD>& points) override { Add("polygon", points); }
    void Print(const std::string& text) override {
        Prim& p = Add("print", {{cx_, cy_}});
        p.text = text;
        cx_ += TextWidth(text);
    }
    double TextWidth(const std::string& text) override { return 6.0 * text.size(); }
    double TextHeight(const std::string&) override { return 10.0; }
    rt::ColorRef ForeColor() const override { return fore_; }
    void SetForeColor(rt::ColorRef c) override { fore_ = c; }
    rt::ColorRef FillColor() const override { return fill_; }
    void SetFillColor(rt::ColorRef c) override { fill_ = c; }
    int FillStyle() const override { return fillStyle_; }
    void SetFillStyle(int s) override { fillStyle_ = s; }
    int DrawStyle() const override { return drawStyle_; }
    void SetDrawStyle(int s) override { drawStyle_ = s; }
    std::string FontName() const override { return font_; }
    void SetFontName(const std::string& n) override { font_ = n; }
    double FontSize() const override { return size_; }
    void SetFontSize(double s) override { size_ = s; }

    std::vector<Prim> Of(const std::string& kind) const {
        std::vector<Prim> out;
        for (const Prim& p : prims)
            if (p.kind == kind) out.push_back(p);
        return out;
    }

private:
    Prim& Add(const std::string& kind, std::vector<PointD> pts) {
        Prim p;
        p.kind = kind;
        p.pts = std::move(pts);
        p.colour = fore_;
        p.fillStyle = fillStyle_;
        p.fillColour = fill_;
        p.font = font_;
        p.size = size_;
        p.drawStyle = drawStyle_;
        prims.push_back(std::move(p));
        return prims.back();
    }

    double cx_ = 0, cy_ = 0;
    rt::ColorRef fore_ = rt::kBlack, fill_ = rt::kBlack;
    int fillStyle_ = kFillTransparent, drawStyle_ = kLineSolid;
    std::string font_ = "Times New Roman";
    double size_ = 10;
};

class DrawEngTest : public ::testing::Test {
protected:
    void SetUp() override {
        DrawEng() = DrawEngState{};
        SetLabelPrinter(nullptr);
    }
    void TearDown() override { SetLabelPrinter(nullptr); }

    PointD Pen() const { return {DrawEng().PenX, DrawEng().PenY}; }
    RecordingCanvas pic;
};

void ExpectAt(PointD p, double x, double y, double tol = 1e-3) {
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

}  // namespace

TEST_F(DrawEngTest, MovesFollowThePicturesCurrentPoint) {
    MoveTo(pic, 2, 3, true);
    ExpectAt(Pen(), 48, 72, 0);
    MoveTo(pic, 10.25, 20, false);
    ExpectAt(Pen(), 10.25, 20, 0);
    // Printing moved the picture: a relative move starts from there.
    pic.Print("abc");
    MoveRel(pic, 0, -10, false);
    ExpectAt(Pen(), 28.25, 10, 0);
    MoveRel(pic, 1, 0.5, true);
    ExpectAt(Pen(), 52.25, 22, 0);
    EXPECT_EQ(pic.CurrentX(), DrawEng().PenX);
}

TEST_F(DrawEngTest, StrokeLeavesThePenAtItsAdvance) {
    MoveTo(pic, 100, 100, false);
    DrawSegment(pic, 2, 1, false, 12, 0);
    ExpectAt(Pen(), 100, 148);
    DrawSegment(pic, 1, 0, false, 3, 0);  // back at its start
    ExpectAt(Pen(), 100, 148);
    DrawSegment(pic, 2, 0.5, false);  // no hour: along the last direction
    ExpectAt(Pen(), 124, 148);
    DrawSegment(pic, -1, 1, false, 3, 0);  // negative length: the other way
    ExpectAt(Pen(), 100, 148);
    auto lines = pic.Of("line");
    ASSERT_EQ(lines.size(), 4u);
    ExpectAt(lines[2].pts[0], 124 - 24, 148);
    ExpectAt(lines[2].pts[1], 148, 148);
    ExpectAt(lines[3].pts[1], 100, 148);
    EXPECT_EQ(DrawEng().DirHour, 3);
    EXPECT_THROW(DrawSegment(pic, 1, 1, false, 0, 0), rt::RuntimeError);
}

TEST_F(DrawEngTest, ArrowPenModes) {
    struct Case {
        bool fromPen, filled;
        int penMode;
        const char* label;
        PointD pen;  // after the arrow, which starts or ends at (100, 100), hour 3
    } cases[] = {
        {true, false, kPenAtTail, "", {100, 100}},
        {true, false, kPenAtTip, "", {148, 100}},
        {false, false, kPenAtTail, "", {52, 100}},
        {false, true, kPenAtTip, "", {100, 100}},
        {true, false, 2, "", {100, 100}},  // open head: ends at the tail
        {true, true, 2, "", {148, 100}},   // filled head: ends at the tip
        {false, true, 2, "", {100, 100}},
        {true, true, 2, "F", {148 + 6, 110}},       // after the label: above right of the tip
        {false, false, 2, "-F!1", {26 + 18, 100}},  // after the label, placed left of the tail
        {true, true, kPenAtTip, "F", {148, 100}},
    };
    for (const Case& c : cases) {
        MoveTo(pic, 100, 100, false);
        DrawArrow(pic, 2, c.fromPen, c.filled, c.penMode, false, rt::kRed, c.label, 3, 3, 0);
        ExpectAt(Pen(), c.pen.x, c.pen.y);
        EXPECT_EQ(pic.CurrentX(), DrawEng().PenX);
        EXPECT_EQ(pic.CurrentY(), DrawEng().PenY);
    }
    // Forces of a particle: all start at the same point.
    MoveTo(pic, 200, 200, false);
    for (int h = 1; h <= 12; ++h) DrawArrow(pic, 1.5, true, false, kPenAtTail, false, 0, "", 3, h, 20);
    ExpectAt(Pen(), 200, 200);
    EXPECT_EQ(DrawEng().DirHour, 12);  // the last arrow's hour is the current one
    EXPECT_EQ(DrawEng().DirAlpha, 20);
}

TEST_F(DrawEngTest, ArrowHeadsAndAttributes) {
    pic.SetForeColor(0x123456);
    pic.SetFillColor(0x654321);
    pic.SetFillStyle(DrawCanvas::kFillTransparent);
    pic.SetDrawStyle(2);
    MoveTo(pic, 50, 50, false);
    DrawArrow(pic, 1, true, false, kPenAtTip, false, rt::kRed, "", 3, 12, 0);
    auto lines = pic.Of("line");
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& l : lines) EXPECT_EQ(l.colour, rt::kRed);
    ExpectAt(lines[0].pts[1], 46, 67, 0);
    ExpectAt(lines[1].pts[1], 54, 67, 0);
    EXPECT_TRUE(pic.Of("polygon").empty());

    pic.prims.clear();
    DrawArrow(pic, 1, true, true, kPenAtTip, false, rt::kMagenta, "-7.5", 2, 12, 0);
    auto poly = pic.Of("polygon");
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_EQ(poly[0].colour, rt::kMagenta);
    EXPECT_EQ(poly[0].fillColour, rt::kMagenta);
    EXPECT_EQ(poly[0].fillStyle, DrawCanvas::kFillSolid);
    ASSERT_EQ(poly[0].pts.size(), 3u);
    ExpectAt(poly[0].pts[0], 47, 93, 0);  // head size 2: 5 long, 6 wide
    ExpectAt(poly[0].pts[1], 53, 93, 0);
    ExpectAt(poly[0].pts[2], 50, 98, 0);
    auto shaft = pic.Of("line");
    ASSERT_EQ(shaft.size(), 1u);
    ExpectAt(shaft[0].pts[0], 50, 74);
    ExpectAt(shaft[0].pts[1], 50, 98);
    auto print = pic.Of("print");
    ASSERT_EQ(print.size(), 1u);
    EXPECT_EQ(print[0].text, "7.5");
    EXPECT_EQ(print[0].font, "Small Fonts");
    EXPECT_EQ(print[0].size, 7);

    // Everything the arrow touched is as it was.
    EXPECT_EQ(pic.ForeColor(), 0x123456u);
    EXPECT_EQ(pic.FillColor(), 0x654321u);
    EXPECT_EQ(pic.FillStyle(), DrawCanvas::kFillTransparent);
    EXPECT_EQ(pic.DrawStyle(), 2);
    EXPECT_EQ(pic.FontName(), "Times New Roman");
    EXPECT_EQ(pic.FontSize(), 10);
    // Shaft and head are drawn solid whatever the picture's line style.
    for (const auto& p : pic.prims) EXPECT_EQ(p.drawStyle, DrawCanvas::kLineSolid) << p.kind;
}

TEST_F(DrawEngTest, LabelsBesideTheFreeEnd) {
    struct Case {
        bool fromPen;
        int hour;
        rt::Variant label;
        const char* shown;
        PointD at;  // label's top-left corner; arrows of 48 px at the pen (200, 100)
    } cases[] = {
        {true, 3, "F", "F", {248, 110}},              // above right of the tip
        {true, 6, -12.5, "12.5", {200, 52}},          // below right of the tip
        {true, 9, "-12.5", "12.5", {152 - 32, 100}},  // left of the tip, 2 px before it
        {true, 10, "F-1", "F-1", {200 - 48 * 0.8660254 - 20, 100 + 24 + 10}},
        {false, 12, "$P", "$P", {200, 52}},  // top-left corner at the tail
        {false, 2, "R", "R", {200 - 48 * 0.8660254 - 8, 100 - 24}},
        {false, 8, 5.0, "5", {200 + 48 * 0.8660254, 100 + 24 + 10}},
    };
    for (const Case& c : cases) {
        pic.prims.clear();
        MoveTo(pic, 200, 100, false);
        DrawArrow(pic, 2, c.fromPen, false, kPenAtTail, false, 0, c.label, 3, c.hour, 30);
        auto print = pic.Of("print");
        ASSERT_EQ(print.size(), 1u);
        EXPECT_EQ(print[0].text, c.shown);
        ExpectAt(print[0].pts[0], c.at.x, c.at.y, 1e-3);
    }
    // Never left of the picture's edge.
    pic.prims.clear();
    MoveTo(pic, 30, 100, false);
    DrawArrow(pic, 1, true, false, kPenAtTail, false, 0, "abcdef", 3, 9, 0);
    ExpectAt(pic.Of("print")[0].pts[0], 2, 100);
    // An empty label prints nothing; a label prints in the label font; the
    // picture's own font is back after each.
    pic.prims.clear();
    pic.SetFontName("Arial");
    pic.SetFontSize(9);
    for (const rt::Variant& label : {rt::Variant(""), rt::Variant(), rt::Variant("F")}) {
        SCOPED_TRACE(label.ToText());
        DrawArrow(pic, 1, true, false, kPenAtTail, false, 0, label, 3, 9, 0);
        EXPECT_EQ(pic.FontName(), "Arial");
        EXPECT_EQ(pic.FontSize(), 9);
    }
    const auto printed = pic.Of("print");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].text, "F");
    EXPECT_EQ(printed[0].font, "Small Fonts");
    EXPECT_EQ(printed[0].size, 7);
}

namespace {
std::vector<std::string> g_printed;
void RecordLabel(DrawCanvas& pic, const std::string& text, double x, double y, const std::string& font, double size) {
    g_printed.push_back(text + "@" + std::to_string(int(x)) + "," + std::to_string(int(y)) + " " + font + " " +
                        std::to_string(int(size)));
    pic.SetCurrent(x + 1, y);
}
}  // namespace

TEST_F(DrawEngTest, LabelPrinterCanBeReplaced) {
    g_printed.clear();
    SetLabelPrinter(&RecordLabel);
    MoveTo(pic, 100, 100, false);
    DrawArrow(pic, 1, true, false, 2, false, 0, "-;a", 3, 3, 0);
    ASSERT_EQ(g_printed.size(), 1u);
    EXPECT_EQ(g_printed[0], ";a@124,110 Small Fonts 7");
    ExpectAt(Pen(), 125, 110);  // where the printer left the picture
    EXPECT_TRUE(pic.Of("print").empty());
}

TEST_F(DrawEngTest, RegistryNamesRestartAfterClearing) {
    ClearShapes();
    MoveTo(pic, 100, 100, false);
    DrawArrow(pic, 1, true, false, kPenAtTip, true, 0, "", 3, 2, 30);
    DrawArrow(pic, 2, false, true, kPenAtTail, true, 0, "", 3, 12, 0);  // tip at the pen
    DrawSegment(pic, 1, 1, true, 9, 0);
    DrawArrow(pic, 1, true, false, kPenAtTail, true, 0, "", 3, 5, 10);
    DrawSegment(pic, 1, 1, false, 6, 0);  // not registered
    const auto& shapes = DrawEng().Shapes;
    ASSERT_EQ(DrawEng().ShapeCount, 4);
    const char* names[] = {"Flecha-1", "Flecha-2", "Linea-1", "Flecha-3"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(shapes[i].Name, names[i]);
    EXPECT_EQ(shapes[0].Hour, 2);
    EXPECT_EQ(shapes[0].Angle, 30);
    EXPECT_EQ(shapes[0].Len1, 24);

    // The second arrow ended at the pen; its origin is its tail, (1, 0) its tip.
    const PointD tip1{100 + 24 * std::cos(30 / 57.2957795130824), 100 + 24 * std::sin(30 / 57.2957795130824)};
    ExpectAt({shapes[1].X, shapes[1].Y}, tip1.x, tip1.y - 48);
    SetDirection(7, 15);
    MoveToShapePoint(pic, "Flecha-2", 1, 0);
    ExpectAt(Pen(), tip1.x, tip1.y);
    EXPECT_EQ(pic.CurrentX(), DrawEng().PenX);
    EXPECT_EQ(DrawEng().DirHour, 7);  // the direction is kept
    EXPECT_EQ(DrawEng().DirAlpha, 15);
    MoveToShapePoint(pic, "Linea-1", 0.5, 0);
    ExpectAt(Pen(), tip1.x - 12, tip1.y - 48);
    EXPECT_THROW(MoveToShapePoint(pic, "Flecha-9", 1, 0), rt::ProgramFault);

    // Without clearing the numbering goes on; after clearing it restarts.
    DrawArrow(pic, 1, true, false, kPenAtTail, true, 0, "", 3, 3, 0);
    EXPECT_EQ(DrawEng().Shapes.back().Name, "Flecha-4");
    ClearShapes();
    EXPECT_TRUE(DrawEng().Shapes.empty());
    DrawSegment(pic, 1, 1, true, 3, 0);
    DrawArrow(pic, 1, true, false, kPenAtTail, true, 0, "", 3, 3, 0);
    EXPECT_EQ(DrawEng().Shapes[0].Name, "Linea-1");
    EXPECT_EQ(DrawEng().Shapes[1].Name, "Flecha-1");
}

TEST_F(DrawEngTest, ArrowBetweenTwoPoints) {
    DrawArrowBetween(pic, 10, 20, 70, 100, 1, true, "v", rt::kBlue);
    ExpectAt(Pen(), 70, 100);  // tip reaches the second point
    EXPECT_EQ(DrawEng().DirHour, 1);
    EXPECT_NEAR(DrawEng().DirAlpha, 36.8699, 1e-3);

    pic.prims.clear();
    DrawArrowBetween(pic, 10, 20, 13, 24, 1, false, "", rt::kBlue);  // 5 px: drawn 12 long
    ExpectAt(Pen(), 10 + 12 * 0.6, 20 + 12 * 0.8);

    pic.prims.clear();
    pic.SetForeColor(rt::kRed);
    DrawArrowBetween(pic, 40, 40, 40, 40, 1, true, "x", rt::kBlue);
    ASSERT_EQ(pic.prims.size(), 1u);
    EXPECT_EQ(pic.prims[0].kind, "circle");
    EXPECT_EQ(pic.prims[0].r, 2);
    EXPECT_EQ(pic.prims[0].fillStyle, DrawCanvas::kFillSolid);
    EXPECT_EQ(pic.prims[0].fillColour, rt::kBlue);
    EXPECT_EQ(pic.FillStyle(), DrawCanvas::kFillTransparent);
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    ExpectAt(Pen(), 40, 40);
}

TEST_F(DrawEngTest, PointMarks) {
    pic.SetForeColor(rt::kRed);
    pic.SetFillColor(0x777777);
    MoveTo(pic, 100, 100, false);
    DrawPointMark(pic, false, 2, true, rt::kBlue);
    DrawPointMark(pic, false, -2, false, rt::kBlue);  // a negative size: the same square
    auto boxes = pic.Of("box");
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& b : boxes) {
        EXPECT_EQ(std::min(b.pts[0].x, b.pts[1].x), 98);
        EXPECT_EQ(std::max(b.pts[0].x, b.pts[1].x), 102);
        EXPECT_EQ(std::min(b.pts[0].y, b.pts[1].y), 98);
        EXPECT_EQ(std::max(b.pts[0].y, b.pts[1].y), 102);
        EXPECT_EQ(b.colour, rt::kBlue);
    }
    EXPECT_TRUE(boxes[0].filled);
    EXPECT_FALSE(boxes[1].filled);
    DrawPointMark(pic, true, 3, true, rt::kMagenta);
    auto circle = pic.Of("circle");
    ASSERT_EQ(circle.size(), 1u);
    EXPECT_EQ(circle[0].r, 3);
    EXPECT_EQ(circle[0].colour, rt::kMagenta);
    EXPECT_EQ(circle[0].fillColour, rt::kMagenta);
    EXPECT_EQ(circle[0].fillStyle, DrawCanvas::kFillSolid);
    EXPECT_EQ(pic.ForeColor(), rt::kRed);
    EXPECT_EQ(pic.FillColor(), 0x777777u);
    EXPECT_EQ(pic.FillStyle(), DrawCanvas::kFillTransparent);
    ExpectAt({pic.CurrentX(), pic.CurrentY()}, 100, 100, 0);
}

TEST_F(DrawEngTest, OutOfPlaneMarks) {
    MoveTo(pic, 60, 60, false);
    DrawOutOfPlaneMark(pic, -1, rt::kRed);
    auto circles = pic.Of("circle");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].r, 6);
    EXPECT_EQ(circles[0].colour, rt::kRed);
    auto lines = pic.Of("line");
    ASSERT_EQ(lines.size(), 4u);  // a cross of two diagonals
    const double d = 6 * std::sqrt(0.5);
    const PointD ends[] = {{60 + d, 60 + d}, {60 - d, 60 - d}, {60 - d, 60 + d}, {60 + d, 60 - d}};
    for (int i = 0; i < 4; ++i) {
        ExpectAt(lines[i].pts[0], 60, 60);
        ExpectAt(lines[i].pts[1], ends[i].x, ends[i].y);
        EXPECT_EQ(lines[i].colour, rt::kRed);
    }
    EXPECT_EQ(DrawEng().DirHour, 4);
    EXPECT_EQ(DrawEng().DirAlpha, 45);
    ExpectAt(Pen(), 60, 60);
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);

    pic.prims.clear();
    DrawOutOfPlaneMark(pic, 1, rt::kRed);
    circles = pic.Of("circle");
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1].r, 2);  // the dot
    EXPECT_EQ(circles[1].fillStyle, DrawCanvas::kFillSolid);
    EXPECT_EQ(pic.FillStyle(), DrawCanvas::kFillTransparent);
}

TEST_F(DrawEngTest, ArcsAndCouplesLeaveThePenAtTheCentre) {
    MoveTo(pic, 150, 150, false);
    DrawArcArrow(pic, 1, -90, true, false, 3, 0);
    auto arcs = pic.Of("arc");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_NEAR(arcs[0].start, 3 * 3.14159265358979 / 2, 1e-6);
    EXPECT_NEAR(arcs[0].end, 0, 1e-6);
    EXPECT_EQ(arcs[0].r, 24);
    auto head = pic.Of("line");
    ASSERT_EQ(head.size(), 2u);
    ExpectAt(head[0].pts[0], 150, 126);
    ExpectAt(Pen(), 150, 150);
    ExpectAt({pic.CurrentX(), pic.CurrentY()}, 150, 150);

    pic.prims.clear();
    DrawArcArrow(pic, 0.5, 60, false, true, 12, 0);  // no head, centred on +y
    ASSERT_EQ(pic.prims.size(), 1u);
    EXPECT_NEAR(pic.prims[0].start * 57.2957795130824, 60, 1e-4);
    EXPECT_NEAR(pic.prims[0].end * 57.2957795130824, 120, 1e-4);

    pic.prims.clear();
    DrawMomentArc(pic, 1, 1);
    ASSERT_EQ(pic.prims.size(), 3u);
    EXPECT_EQ(pic.prims[2].kind, "arc");
    ExpectAt(pic.prims[0].pts[0], 150 + 0.866 * 24, 162);
    ExpectAt(Pen(), 150, 150);

    pic.prims.clear();
    pic.SetCurrent(3, 3);
    DrawMomentArc(pic, 1, 0);  // nothing drawn; only the pen goes back
    EXPECT_TRUE(pic.prims.empty());
    ExpectAt({pic.CurrentX(), pic.CurrentY()}, 150, 150);
}

TEST_F(DrawEngTest, LineOfActionInItsColour) {
    double xa = 300, ya = 300, xb = 50, yb = 50;
    DrawLineOfAction(pic, 175, 175, xa, ya, xb, yb, rt::kMagenta, 45);
    EXPECT_EQ(xa, 50);
    EXPECT_EQ(yb, 300);
    auto lines = pic.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].colour, rt::kMagenta);
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    ExpectAt(lines[0].pts[0], 50, 50);
    ExpectAt(lines[0].pts[1], 300, 300);
}

namespace {

rt::ColorRef At(const plat::Picture& p, int x, int y) { return plat::FromQColor(p.Image().pixelColor(x, y)); }

// Device pixels of colour c within r pixels of the device point (x, y).
int CountNear(const plat::Picture& p, rt::ColorRef c, int x, int y, int r) {
    int n = 0;
    for (int j = y - r; j <= y + r; ++j)
        for (int i = x - r; i <= x + r; ++i)
            if (i >= 0 && j >= 0 && i < p.Image().width() && j < p.Image().height()) n += At(p, i, j) == c;
    return n;
}

}  // namespace

TEST_F(DrawEngTest, FilledHeadsLandWhereTheArrowIsOnAnyPictureHeight) {
    for (int height : {385, 150}) {
        plat::Picture p("pic");
        p.resize(200, height);
        p.ScaleYUp();
        p.Cls();
        MoveTo(p, 40, 60, false);
        DrawArrow(p, 4, true, true, kPenAtTip, false, rt::kRed, "", 3, 3, 0);
        ExpectAt(Pen(), 136, 60);
        // The head's inside, just behind the tip, is red on the device row of
        // y = 60 counted from this picture's own top.
        const int row = height - 60;
        EXPECT_EQ(At(p, 133, row), rt::kRed) << height;
        EXPECT_EQ(At(p, 131, row - 2), rt::kRed) << height;
        EXPECT_EQ(At(p, 131, row + 2), rt::kRed) << height;
        // The picture's own settings are back.
        EXPECT_EQ(p.FillStyle(), plat::FillStyle::Transparent);
        EXPECT_EQ(p.ForeColor(), rt::kBlack);
        EXPECT_EQ(p.CurrentX(), 136);
    }
}

// An arrow too long for the picture stops with an overflow at its head or
// shaft; the picture's colours, fill, line style and font are as before, so
// what is drawn next is not red and filled.
TEST_F(DrawEngTest, AnArrowThatOverflowsLeavesThePicturesSettingsAsTheyWere) {
    for (const bool filled : {true, false}) {
        SCOPED_TRACE(filled);
        plat::Picture p("pic");
        p.resize(200, 150);
        p.ScaleYUp();
        p.Cls();
        p.SetForeColor(rt::kBlue);
        p.SetFillColor(0x00FF00u);
        p.SetFillStyle(plat::FillStyle::Transparent);
        p.SetDrawStyle(plat::DrawStyle::Dot);
        p.SetFontName("Arial");
        p.SetFontSize(9);
        MoveTo(p, 40, 60, false);
        EXPECT_THROW(DrawArrow(p, 1e9, true, filled, kPenAtTip, false, rt::kRed, "F", 3, 3, 0), rt::RuntimeError);
        EXPECT_EQ(p.ForeColor(), rt::kBlue);
        EXPECT_EQ(p.FillColor(), 0x00FF00u);
        EXPECT_EQ(p.FillStyle(), plat::FillStyle::Transparent);
        EXPECT_EQ(p.DrawStyle(), plat::DrawStyle::Dot);
        EXPECT_EQ(p.FontName(), "Arial");
        EXPECT_EQ(p.FontSize(), 9);
    }
}

TEST_F(DrawEngTest, ArrowsInEveryHourOnAPicture) {
    plat::Picture p("pic");
    p.resize(397, 385);
    p.ScaleYUp();
    p.Cls();
    const PointD c{198, 192};
    const rt::ColorRef colours[] = {rt::kBlack, rt::kRed, rt::kMagenta, rt::kBlue};
    for (int h = 1; h <= 12; ++h) {
        MoveTo(p, c.x, c.y, false);
        rt::ColorRef col = colours[h % 4];
        // Odd hours from the centre, even hours ending at a point out on the circle.
        if (h % 2 == 1) {
            DrawArrow(p, 5, true, true, kPenAtTail, true, col, "F!" + std::to_string(h), 3, h, 20);
        } else {
            Direction d = DirectionOf(h, 20);
            MoveTo(p, c.x + 150 * d.cos, c.y + 150 * d.sin, false);
            DrawArrow(p, 2.5, false, false, kPenAtTip, true, col, "-" + std::to_string(h), 2, h, 20);
        }
    }
    double xa = 20, ya = 20, xb = 377, yb = 365;
    p.Box(xa, ya, xb, yb, 0xFFFF80);
    DrawLineOfAction(p, c.x, c.y, xa, ya, xb, yb, rt::kMagenta, 33);
    MoveTo(p, c.x, c.y, false);
    DrawMomentArc(p, 1.5, 1);
    DrawPointMark(p, true, 3, true, rt::kBlue);
    MoveTo(p, 60, 330, false);
    DrawOutOfPlaneMark(p, -1, rt::kRed);
    MoveTo(p, 100, 330, false);
    DrawOutOfPlaneMark(p, 1, rt::kRed);
    MoveTo(p, 340, 60, false);
    DrawArcArrow(p, 1, 270, true, true, 12, 0);

    // Every arrow's head is on the picture where its tip is.
    for (int i = 0; i < 12; ++i) {
        PointD tip = ShapePoint(DrawEng(), DrawEng().Shapes[i].Name, 1, 0);
        EXPECT_GT(CountNear(p, colours[(i + 1) % 4], int(std::lround(tip.x)), 385 - int(std::lround(tip.y)), 3), 3)
            << DrawEng().Shapes[i].Name;
    }
    EXPECT_EQ(DrawEng().Shapes[11].Name, "Flecha-12");
    testsupport::SaveGrab(p.Image(), "arrows_every_hour");
}

TEST_F(DrawEngTest, ArrowLabelsAtThePicturesEdgesStayInside) {
    plat::Picture p("pic");
    p.resize(397, 385);
    p.ScaleYUp();
    p.Cls();
    // Tips at the right edge, the top and the bottom, each with a long label.
    const struct {
        PointD from;
        int hour;
    } arrows[] = {{{340, 200}, 3}, {{200, 330}, 12}, {{200, 50}, 6}, {{330, 330}, 2}};
    for (const auto& a : arrows) {
        MoveTo(p, a.from.x, a.from.y, false);
        DrawArrow(p, 2, true, true, kPenAtTail, false, rt::kBlue, "F = 1000.25", 3, a.hour, 0);
    }
    if (const char* dir = std::getenv("TELUVAR_GRAB_DIR")) p.SavePng(QString(dir) + "/arrow_labels_at_edges.png");
    int texts = 0;
    for (const auto& d : p.Drawn()) {
        if (d.kind != plat::DrawnPrimitive::Kind::Text) continue;
        ++texts;
        EXPECT_GE(d.points[0].x(), 0);
        EXPECT_LE(d.points[0].y(), 385);
    }
    EXPECT_GT(texts, 0);
    // What was printed ends inside: no ink in the outermost column and rows.
    const QImage img = p.Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) EXPECT_EQ(img.pixel(img.width() - 1, y), QColor(Qt::white).rgb()) << y;
    for (int x = 0; x < img.width(); ++x) {
        EXPECT_EQ(img.pixel(x, 0), QColor(Qt::white).rgb()) << x;
        EXPECT_EQ(img.pixel(x, img.height() - 1), QColor(Qt::white).rgb()) << x;
    }
}
