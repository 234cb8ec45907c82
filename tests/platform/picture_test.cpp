// The drawing picture: scales, current point, primitives, text, raster modes,
// block copies, mouse entry points and the paint handler.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <numbers>

#include "platform/common.h"
#include "platform/picture.h"
#include "runtime/errors.h"

namespace {

using plat::DrawnPrimitive;
using plat::Picture;
using Kind = DrawnPrimitive::Kind;
constexpr double kPi = std::numbers::pi;

rt::ColorRef At(const Picture& p, int x, int y) { return plat::FromQColor(p.Image().pixelColor(x, y)); }

// Device pixels of colour c inside the rectangle [x0, x1] x [y0, y1].
int Count(const Picture& p, rt::ColorRef c, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += At(p, x, y) == c;
    return n;
}

// A drawing picture as the forms set it up: 397 by 385 pixels, y up.
class DrawingPicture : public ::testing::Test {
protected:
    DrawingPicture() : pic("pic1") {
        pic.resize(397, 385);
        pic.ScaleYUp();
        pic.Cls();
    }
    Picture pic;
};

TEST_F(DrawingPicture, YUpScaleHasItsOriginAtTheBottomLeft) {
    EXPECT_EQ(pic.ScaleLeft(), 0);
    EXPECT_EQ(pic.ScaleTop(), 385);
    EXPECT_EQ(pic.ScaleWidth(), 397);
    EXPECT_EQ(pic.ScaleHeight(), -385);
    pic.PSet(0, 1);
    pic.PSet(396, 385);
    EXPECT_EQ(At(pic, 0, 384), rt::kBlack);
    EXPECT_EQ(At(pic, 396, 0), rt::kBlack);
    EXPECT_EQ(Count(pic, rt::kBlack, 0, 0, 396, 384), 2);
    EXPECT_EQ(pic.FromDevice(pic.ToDevice(12.5, 30.25)), QPointF(12.5, 30.25));
}

TEST(PictureScale, UserAndPixelScales) {
    Picture strip("picAccel");
    strip.resize(576, 42);
    EXPECT_EQ(strip.ScaleWidth(), 576);  // device pixels, y down, until a scale is set
    EXPECT_EQ(strip.ScaleHeight(), 42);
    EXPECT_EQ(strip.ToDevice(10, 5), QPointF(10, 5));
    strip.Scale(0, 42, 577, 0);
    EXPECT_EQ(strip.ScaleWidth(), 577);
    EXPECT_EQ(strip.ToDevice(577, 0), QPointF(576, 42));
    EXPECT_EQ(strip.ToDevice(0, 42), QPointF(0, 0));
    // Child controls placed in strip units: 51 by 19 units, top 2 units down.
    QLineEdit box;
    strip.PlaceChild(&box, 100, 40, 51, 19);
    EXPECT_EQ(box.parentWidget(), &strip);
    EXPECT_EQ(box.geometry(), QRect(100, 2, 51, 19));
    strip.ScalePixels();
    EXPECT_EQ(strip.ScaleTop(), 0);
    strip.MoveTwips(90, 60, 1770, 1770);  // 15 twips per pixel
    EXPECT_EQ(strip.geometry(), QRect(6, 4, 118, 118));
    EXPECT_EQ(strip.ScaleHeight(), 118);
    EXPECT_THROW(strip.Scale(5, 0, 5, 10), rt::RuntimeError);
}

TEST_F(DrawingPicture, CurrentPointFollowsEveryPrimitive) {
    pic.Line(10, 20, 30, 40);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(30, 40));
    pic.LineTo(50, 45);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(50, 45));
    pic.LineStep(-5, 10);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(45, 55));
    pic.Circle(100, 100, 10);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(100, 100));
    pic.Arc(120, 110, 10, 0, 1);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(120, 110));
    pic.Box(1, 2, 3, 4);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(3, 4));
    pic.PSet(7.5, 8.25);
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(7.5, 8.25));
    pic.SetCurrentX(60);
    pic.SetCurrentY(200);
    const double w = pic.TextWidth("Fx");
    pic.Print("Fx");
    EXPECT_DOUBLE_EQ(pic.CurrentX(), 60 + w);
    EXPECT_EQ(pic.CurrentY(), 200);
    pic.Polygon({{1, 1}, {5, 1}, {3, 4}});  // a polygon leaves the current point alone
    EXPECT_DOUBLE_EQ(pic.CurrentX(), 60 + w);
    pic.Cls();
    EXPECT_EQ(QPointF(pic.CurrentX(), pic.CurrentY()), QPointF(0, 0));
    EXPECT_TRUE(pic.Drawn().empty());
}

TEST_F(DrawingPicture, LinesIncludeBothEndsAndUseColourWidthAndStyle) {
    pic.Line(10, 10, 20, 10, rt::kRed);  // device row 375
    EXPECT_EQ(Count(pic, rt::kRed, 0, 370, 30, 380), 11);
    EXPECT_EQ(At(pic, 10, 375), rt::kRed);
    EXPECT_EQ(At(pic, 20, 375), rt::kRed);
    pic.SetCurrentX(40);
    pic.SetCurrentY(10);
    pic.LineStep(0, 5);  // ForeColor, upwards on the screen
    EXPECT_EQ(Count(pic, rt::kBlack, 40, 370, 40, 375), 6);
    pic.SetDrawWidth(3);
    pic.Line(100, 100, 150, 100, rt::kBlue);
    EXPECT_EQ(Count(pic, rt::kBlue, 125, 280, 125, 290), 3);
    pic.SetDrawWidth(1);
    pic.SetDrawStyle(plat::DrawStyle::Dot);
    pic.Line(100, 50, 160, 50, rt::kMagenta);
    const int dotted = Count(pic, rt::kMagenta, 100, 335, 160, 335);
    EXPECT_GT(dotted, 10);
    EXPECT_LT(dotted, 50);
    const auto& rec = pic.Drawn().back();
    EXPECT_EQ(rec.kind, Kind::Line);
    EXPECT_EQ(rec.style, plat::DrawStyle::Dot);
    EXPECT_EQ(rec.color, rt::kMagenta);
    EXPECT_EQ(rec.points, (std::vector<QPointF>{{100, 50}, {160, 50}}));
}

TEST_F(DrawingPicture, BoxesOutlinedFilledAndFilledWithFillColour) {
    // A filled box includes both corners: (0, 2)-(400, 0) is a strip of rows 383-384.
    pic.FilledBox(0, 2, 400, 0, 0xE0E0E0);
    EXPECT_EQ(Count(pic, 0xE0E0E0, 0, 380, 396, 384), 2 * 397);
    EXPECT_EQ(At(pic, 5, 382), rt::kWhite);
    pic.Box(10, 30, 20, 20);  // outline only: FillStyle is transparent
    EXPECT_EQ(At(pic, 10, 355), rt::kBlack);
    EXPECT_EQ(At(pic, 20, 365), rt::kBlack);
    EXPECT_EQ(At(pic, 15, 360), rt::kWhite);
    EXPECT_EQ(Count(pic, rt::kBlack, 5, 350, 25, 370), 40);
    pic.SetFillStyle(plat::FillStyle::Solid);
    pic.SetFillColor(rt::kBlue);
    pic.Box(40, 30, 50, 20, rt::kRed);
    EXPECT_EQ(At(pic, 45, 360), rt::kBlue);
    EXPECT_EQ(At(pic, 40, 360), rt::kRed);
    EXPECT_TRUE(pic.Drawn().back().filled);
}

TEST_F(DrawingPicture, CirclesFillFromFillStyleAndDotsTakeThePenWidth) {
    pic.Circle(100, 100, 10, rt::kRed);
    EXPECT_EQ(At(pic, 110, 285), rt::kRed);
    EXPECT_EQ(At(pic, 100, 295), rt::kRed);
    EXPECT_EQ(At(pic, 100, 285), rt::kWhite);
    pic.SetFillStyle(plat::FillStyle::Solid);
    pic.SetFillColor(0x00FFFF);
    pic.Circle(200, 100, 4);
    EXPECT_EQ(At(pic, 200, 285), 0x00FFFF);
    EXPECT_EQ(At(pic, 204, 285), rt::kBlack);
    const auto& rec = pic.Drawn().back();
    EXPECT_EQ(rec.kind, Kind::Circle);
    EXPECT_TRUE(rec.filled);
    EXPECT_EQ(rec.fillColor, 0x00FFFFu);
    EXPECT_EQ(rec.radius, 4);
    pic.SetDrawWidth(2);
    pic.PSet(300, 300, rt::kBlue);
    EXPECT_EQ(Count(pic, rt::kBlue, 295, 80, 305, 90), 4);
    EXPECT_THROW(pic.SetDrawWidth(0), rt::RuntimeError);
}

TEST_F(DrawingPicture, ArcsRunCounterClockwiseOnTheScreen) {
    // Device centre (200, 185); quadrants as seen on the screen.
    auto quadrants = [&] {
        std::array<int, 4> q{};  // upper right, upper left, lower left, lower right
        q[0] = Count(pic, rt::kRed, 202, 120, 260, 183);
        q[1] = Count(pic, rt::kRed, 140, 120, 198, 183);
        q[2] = Count(pic, rt::kRed, 140, 187, 198, 250);
        q[3] = Count(pic, rt::kRed, 202, 187, 260, 250);
        return q;
    };
    pic.Arc(200, 200, 50, 0, kPi / 2, rt::kRed);
    auto q = quadrants();
    EXPECT_GT(q[0], 40);
    EXPECT_EQ(q[1] + q[2] + q[3], 0);
    pic.Cls();
    pic.Arc(200, 200, 50, kPi / 2, 0, rt::kRed);  // from 90 degrees the long way round to 0
    q = quadrants();
    EXPECT_EQ(q[0], 0);
    EXPECT_GT(q[1], 40);
    EXPECT_GT(q[2], 40);
    EXPECT_GT(q[3], 40);
    pic.Cls();
    pic.Arc(200, 200, 50, 1, 1, rt::kRed);  // equal limits: the whole circle
    q = quadrants();
    for (int n : q) EXPECT_GT(n, 40);
    EXPECT_FALSE(pic.Drawn().back().filled);
}

TEST_F(DrawingPicture, PolygonUsesFillAndPenAndRoundsVerticesHalvesToEven) {
    pic.SetFillStyle(plat::FillStyle::Solid);
    pic.SetFillColor(rt::kRed);
    pic.SetForeColor(rt::kBlue);
    pic.Polygon({{100, 100}, {140, 100}, {120, 140}});
    EXPECT_EQ(At(pic, 120, 275), rt::kRed);    // inside
    EXPECT_EQ(At(pic, 120, 285), rt::kBlue);   // base edge
    EXPECT_EQ(At(pic, 100, 250), rt::kWhite);  // outside
    pic.Cls();
    pic.SetFillStyle(plat::FillStyle::Transparent);
    pic.Polygon({{10.5, 10}, {11.5, 10}, {11.5, 20}, {10.5, 20}});  // x 10 and 12
    EXPECT_EQ(At(pic, 10, 370), rt::kBlue);
    EXPECT_EQ(At(pic, 12, 370), rt::kBlue);
    EXPECT_EQ(At(pic, 11, 370), rt::kWhite);
    EXPECT_EQ(pic.Drawn().back().points.size(), 4u);
}

TEST_F(DrawingPicture, PolylineDrawsTheLinesOfItsPointsInOnePass) {
    const std::vector<QPointF> zigzag{{10, 10}, {60, 10}, {60, 50}, {20.5, 90}, {130, 70}};
    pic.SetForeColor(rt::kRed);
    pic.Polyline(zigzag, rt::kBlue);
    ASSERT_EQ(pic.Drawn().size(), 1u);
    const DrawnPrimitive& d = pic.Drawn()[0];
    EXPECT_EQ(d.kind, Kind::Polyline);
    EXPECT_EQ(d.points, zigzag);
    EXPECT_EQ(d.color, rt::kBlue);
    EXPECT_EQ(pic.CurrentX(), 130);
    EXPECT_EQ(pic.CurrentY(), 70);
    EXPECT_EQ(pic.ForeColor(), rt::kRed);

    // The same pixels as its lines drawn one by one; open: no closing line.
    Picture lines("pic");
    lines.resize(397, 385);
    lines.ScaleYUp();
    lines.Cls();
    for (size_t i = 1; i < zigzag.size(); ++i)
        lines.Line(zigzag[i - 1].x(), zigzag[i - 1].y(), zigzag[i].x(), zigzag[i].y(), rt::kBlue);
    EXPECT_EQ(pic.Image(), lines.Image());
    EXPECT_EQ(At(pic, 70, 385 - 40), rt::kWhite);  // (70, 40): where a closing line would pass

    // In a scale with an offset origin and unequal units the points land on
    // the pixels the scale gives them (halves to even).
    const struct { double x1, y1, x2, y2; } scales[] = {{-20, 150, 160, -5}, {140, 3, 1.5, 120}};
    for (const auto& sc : scales) {
        Picture scaled("pic"), pixels("pic");
        for (Picture* p : {&scaled, &pixels}) {
            p->resize(397, 385);
            p->Cls();
        }
        scaled.Scale(sc.x1, sc.y1, sc.x2, sc.y2);
        scaled.Polyline(zigzag, rt::kBlue);
        std::vector<QPointF> device;
        for (const QPointF& q : zigzag)
            device.emplace_back(std::nearbyint((q.x() - sc.x1) * 397 / (sc.x2 - sc.x1)),
                                std::nearbyint((q.y() - sc.y1) * 385 / (sc.y2 - sc.y1)));
        pixels.Polyline(device, rt::kBlue);
        EXPECT_EQ(scaled.Image(), pixels.Image()) << sc.x1;
        EXPECT_EQ(scaled.Drawn().back().points, zigzag);
    }

    // Drawn twice in XorPen mode, the picture is as before.
    pic.Cls();
    const QImage blank = pic.Image();
    pic.SetDrawMode(plat::DrawMode::XorPen);
    pic.Polyline(zigzag, rt::kBlue);
    EXPECT_NE(pic.Image(), blank);
    pic.Polyline(zigzag, rt::kBlue);
    EXPECT_EQ(pic.Image(), blank);
    pic.SetDrawMode(plat::DrawMode::CopyPen);

    // One point is a dot; none draw nothing; a far point draws nothing.
    pic.Cls();
    pic.Polyline({{5, 5}}, rt::kBlue);
    EXPECT_EQ(Count(pic, rt::kBlue, 0, 0, 396, 384), 1);
    pic.Polyline({}, rt::kBlue);
    EXPECT_EQ(pic.Drawn().size(), 1u);
    EXPECT_THROW(pic.Polyline({{1, 1}, {1e12, 1}}, rt::kBlue), rt::RuntimeError);
    EXPECT_EQ(pic.Drawn().size(), 1u);
    EXPECT_EQ(pic.CurrentX(), 5);
    EXPECT_EQ(Count(pic, rt::kBlue, 0, 0, 396, 384), 1);
}

TEST_F(DrawingPicture, DenseCurveLeavesOutPointsOnTheSamePixelAndDrawsTheRestAsOnePolyline) {
    // y-up scale of 397 x 385 units: one unit per pixel. Points 1 and 2 round
    // onto the pixel of point 0, point 4 onto that of point 3.
    const std::vector<double> x{10, 10.2, 9.8, 50, 50.3, 80, 120.4};
    const std::vector<double> y{10, 10.1, 9.9, 60, 59.8, 20, 90};
    ASSERT_TRUE(pic.DenseCurve(x, y, rt::kBlue, 3));
    ASSERT_EQ(pic.Drawn().size(), 1u);
    const std::vector<QPointF> kept{{10, 10}, {50, 60}, {80, 20}, {120.4, 90}};
    EXPECT_EQ(pic.Drawn()[0].kind, Kind::Polyline);
    EXPECT_EQ(pic.Drawn()[0].points, kept);
    EXPECT_EQ(pic.CurrentX(), 120.4);
    Picture same("pic");
    same.resize(397, 385);
    same.ScaleYUp();
    same.Cls();
    same.Polyline(kept, rt::kBlue);
    EXPECT_EQ(pic.Image(), same.Image());

    // Nothing drawn, for the caller to draw another way: too few points
    // left, a point that is not a number, a point far outside.
    const double nan = std::nan("");
    const struct {
        std::vector<double> x, y;
        size_t minKept;
    } refused[] = {
        {x, y, 4},
        {{10, 20, nan, 40}, {10, 20, 30, 40}, 0},
        {{10, 20, 30, 1e12}, {10, 20, 30, 40}, 0},
    };
    pic.Cls();
    for (const auto& c : refused) {
        EXPECT_FALSE(pic.DenseCurve(c.x, c.y, rt::kBlue, c.minKept)) << c.minKept;
        EXPECT_TRUE(pic.Drawn().empty());
        EXPECT_EQ(Count(pic, rt::kBlue, 0, 0, 396, 384), 0);
    }

    // A last point on the pixel of the first is kept when nothing else was.
    ASSERT_TRUE(pic.DenseCurve(std::vector<double>{5, 5.1, 5.2}, std::vector<double>{5, 5, 5}, rt::kBlue, 1));
    EXPECT_EQ(pic.Drawn().back().points, (std::vector<QPointF>{{5, 5}, {5.2, 5}}));
}

TEST_F(DrawingPicture, PrintPutsTheTopLeftCornerAtThePen) {
    pic.SetFontName("Times New Roman");
    pic.SetFontSize(10);
    pic.SetCurrentX(50);
    pic.SetCurrentY(100);  // device row 285
    pic.Print("Hola");
    const double w = pic.TextWidth("Hola");
    const double h = pic.TextHeight();
    EXPECT_GT(w, 15);
    EXPECT_GT(h, 8);
    EXPECT_EQ(Count(pic, rt::kWhite, 0, 0, 396, 284), 397 * 285);  // nothing above the pen
    EXPECT_EQ(Count(pic, rt::kWhite, 0, 286 + int(h), 396, 384), 397 * (99 - int(h)));
    EXPECT_LT(Count(pic, rt::kWhite, 50, 285, 50 + int(w), 285 + int(h)), (int(w) + 1) * (int(h) + 1));
    const auto& rec = pic.Drawn().back();
    EXPECT_EQ(rec.kind, Kind::Text);
    EXPECT_EQ(rec.text, "Hola");
    EXPECT_EQ(rec.fontName, "Times New Roman");
    EXPECT_EQ(rec.fontSize, 10);
    EXPECT_EQ(rec.points.front(), QPointF(50, 100));
    // Metrics are in scale units: two pixels per unit halve them.
    Picture half("picArgs");
    half.resize(200, 100);
    half.Scale(0, 50, 100, 0);
    half.SetFontSize(10);
    EXPECT_DOUBLE_EQ(half.TextWidth("Hola"), w / 2);
    EXPECT_DOUBLE_EQ(half.TextHeight(), h / 2);
}

// Prints keep their painter open from one to the next: an image taken
// between two prints must not change with the second, whatever is drawn
// between them must land, and a text measured in one font must not lend its
// width to the same text in another.
TEST_F(DrawingPicture, PrintsBetweenOtherUsesOfTheImageLeaveEachItsOwn) {
    pic.SetFontName("Times New Roman");
    pic.SetFontSize(10);
    pic.SetCurrentX(20);
    pic.SetCurrentY(300);
    pic.Print("W");
    const QImage taken = pic.Image();
    const QImage kept = taken.copy();
    pic.SetCurrentX(200);
    pic.SetCurrentY(300);
    pic.Print("W");
    EXPECT_EQ(taken, kept);
    EXPECT_NE(pic.Image(), kept);

    pic.Line(0, 10, 396, 10, rt::kRed);  // device row 375, after a print
    pic.SetCurrentX(300);
    pic.SetCurrentY(300);
    pic.Print("W");
    EXPECT_EQ(Count(pic, rt::kRed, 0, 375, 396, 375), 397);
    EXPECT_LT(Count(pic, rt::kWhite, 300, 85, 315, 100), 16 * 16);

    const double small = pic.TextWidth("W");
    pic.SetFontSize(20);
    const double large = pic.TextWidth("W");
    EXPECT_GT(large, 1.5 * small);
    pic.SetCurrentX(0);
    pic.Print("W");
    EXPECT_DOUBLE_EQ(pic.CurrentX(), large);
    pic.SetFontSize(10);
    pic.SetCurrentX(0);
    pic.Print("W");
    EXPECT_DOUBLE_EQ(pic.CurrentX(), small);
}

TEST_F(DrawingPicture, SymbolFaceShowsGreekAndNumbersCarryASignBlank) {
    pic.SetFontName("Times New Roman");
    const double thetaWidth = pic.TextWidth(QString::fromUtf8("θ"));
    pic.SetFontName("Symbol");
    EXPECT_DOUBLE_EQ(pic.TextWidth("q"), thetaWidth);
    pic.Print(QString::fromUtf8("Q = 30°"));
    pic.Print("-");
    EXPECT_EQ(pic.Drawn()[0].text, QString::fromUtf8("Θ = 30°"));
    EXPECT_EQ(pic.Drawn()[1].text, QString(QChar(0x2212)));
    pic.SetFontName("Times New Roman");
    pic.PrintNumber(5);
    pic.PrintNumber(-2.5);
    EXPECT_EQ(pic.Drawn()[2].text, " 5");
    EXPECT_EQ(pic.Drawn()[3].text, "-2.5");
}

TEST(PictureRaster, XorWithWhiteInvertsAndTwiceRestores) {
    Picture keys("picOpt");
    keys.resize(120, 24);
    keys.ScaleYUp();
    keys.SetBackColor(0xE0FFE0);
    keys.SetDrawMode(plat::DrawMode::XorPen);
    keys.Line(24, 2, 47, 21, rt::kWhite);
    keys.Line(26, 21, 47, 2, rt::kWhite);
    keys.SetDrawMode(plat::DrawMode::CopyPen);
    EXPECT_EQ(At(keys, 24, 22), 0x1F001Fu);  // (24, 2): the inverse of the key colour
    EXPECT_EQ(keys.Image().pixelColor(24, 22).alpha(), 255);
    keys.SetDrawMode(plat::DrawMode::XorPen);
    keys.Line(24, 2, 47, 21, rt::kWhite);
    keys.Line(26, 21, 47, 2, rt::kWhite);
    EXPECT_EQ(Count(keys, 0xE0FFE0, 0, 0, 119, 23), 120 * 24);
    EXPECT_EQ(keys.Drawn().back().mode, plat::DrawMode::XorPen);
}

TEST(PictureRaster, BlockCopyAndsSourceOntoDestination) {
    Picture sheet("picRuts");
    sheet.resize(280, 181);  // pixel scale, y down
    sheet.Cls();
    sheet.FilledBox(124, 120, 127, 150, rt::kBlack);  // a black stroke in the law cells
    Picture bar("picBar");
    bar.resize(389, 63);
    bar.SetBackColor(0xE0E0E0);
    bar.ScaleYUp();
    bar.PSet(200, 20, rt::kRed);  // device (200, 43)
    bar.BlockCopy(0, 30, 94, 31, sheet, 124, 120, plat::RasterOp::And);
    EXPECT_EQ(At(bar, 0, 30), rt::kBlack);
    EXPECT_EQ(At(bar, 3, 60), rt::kBlack);
    EXPECT_EQ(At(bar, 4, 30), 0xE0E0E0u);   // white AND grey stays grey
    EXPECT_EQ(At(bar, 200, 43), rt::kRed);  // outside the copied block
    EXPECT_EQ(bar.Image().pixelColor(0, 30).alpha(), 255);
    bar.BlockCopy(100, 0, 10, 10, sheet, 0, 0);  // plain copy
    EXPECT_EQ(At(bar, 105, 5), rt::kWhite);
    EXPECT_EQ(bar.Drawn().back().kind, Kind::BlockCopy);
    EXPECT_EQ(bar.Drawn().back().text, "picRuts");
}

TEST(PictureImage, BackgroundPictureSurvivesClsAndResizeKeepsTheDrawing) {
    QImage art(20, 10, QImage::Format_RGB32);
    art.fill(Qt::black);
    Picture sheet("picRuts");
    sheet.SetPicture(art, true);
    EXPECT_EQ(sheet.size(), QSize(20, 10));
    sheet.PSet(5, 5, rt::kRed);
    sheet.Cls();
    EXPECT_EQ(At(sheet, 5, 5), rt::kBlack);
    sheet.resize(30, 12);
    EXPECT_EQ(sheet.Image().size(), QSize(30, 12));
    EXPECT_EQ(At(sheet, 19, 9), rt::kBlack);
    EXPECT_EQ(At(sheet, 25, 5), rt::kWhite);
    EXPECT_FALSE(sheet.LoadPicture("/nonexistent/procs.bmp"));
}

TEST_F(DrawingPicture, BadCoordinatesRaiseOverflow) {
    EXPECT_THROW(pic.Line(0, 0, std::nan(""), 1), rt::RuntimeError);
    EXPECT_THROW(pic.Circle(1e300, 0, 1), rt::RuntimeError);
    EXPECT_EQ(pic.CurrentX(), 0);  // a refused primitive does not move the pen
    pic.SetCurrentX(1e300);
    EXPECT_THROW(pic.Print("x"), rt::RuntimeError);
    EXPECT_TRUE(pic.Drawn().empty());
}

TEST(PictureEvents, MouseArrivesInScaleUnitsAndHandlersNest) {
    Picture bar("picBar");
    bar.resize(389, 63);
    bar.ScaleYUp();
    struct Call {
        int button, shift;
        double x, y;
    };
    std::vector<Call> downs;
    bar.OnMouseDown([&](int b, int s, double x, double y) {
        downs.push_back({b, s, x, y});
        if (downs.size() == 1) bar.MouseDown(1, 0, 15, 15);  // a click that clicks again
    });
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::ShiftModifier, QPoint(15, 18));
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].button, 1);
    EXPECT_EQ(downs[0].shift, 1);
    EXPECT_DOUBLE_EQ(downs[0].x, 15);
    EXPECT_DOUBLE_EQ(downs[0].y, 45);
    EXPECT_DOUBLE_EQ(downs[1].y, 15);
    std::vector<Call> ups;
    bar.OnMouseUp([&](int b, int s, double x, double y) { ups.push_back({b, s, x, y}); });
    QTest::mouseClick(&bar, Qt::RightButton, Qt::ControlModifier, QPoint(40, 60));
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].button, 2);
    EXPECT_EQ(ups[0].shift, 2);
    EXPECT_DOUBLE_EQ(ups[0].y, 3);
}

TEST(PictureEvents, PointerAndPaintHandler) {
    Picture strip("picAccel");
    strip.SetMousePointer(8);
    EXPECT_EQ(strip.MousePointer(), 8);
    EXPECT_EQ(strip.cursor().shape(), Qt::SizeFDiagCursor);
    strip.SetMousePointer(6);
    EXPECT_EQ(strip.cursor().shape(), Qt::SizeBDiagCursor);
    strip.SetMousePointer(0);
    EXPECT_EQ(strip.MousePointer(), 0);
    EXPECT_EQ(strip.cursor().shape(), Qt::ArrowCursor);

    Picture help("picArgs2");
    help.resize(100, 50);
    int paints = 0;
    help.OnPaint([&] {
        ++paints;
        help.Cls();
        help.PSet(1, 1);
    });
    help.show();
    EXPECT_EQ(paints, 0);  // never from inside the show or a paint event
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);
    help.Paint();  // called from code
    EXPECT_EQ(paints, 2);
    help.repaint();
    EXPECT_EQ(paints, 2);
}

TEST_F(DrawingPicture, ExportsToClipboardAndPng) {
    pic.Line(0, 0, 396, 384, rt::kRed);
    pic.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(397, 385));
    QTemporaryDir dir;
    const QString path = dir.filePath("export.png");
    ASSERT_TRUE(pic.SavePng(path));
    QImage back(path);
    EXPECT_EQ(back.size(), QSize(397, 385));
    EXPECT_EQ(plat::FromQColor(back.pixelColor(396, 1)), rt::kRed);
    QFile::remove(path);
}

// The kinds of figure the program draws, on a drawing picture: axes with
// their letters, a force arrow with a filled head and a label in Greek, a
// moment arc, a dot and a dotted line. The picture is written to the temp
// folder to be looked at.
TEST_F(DrawingPicture, DemonstrationFigure) {
    const double ox = 48, oy = 42, side = 301;
    pic.Box(ox, oy + side, ox + side, oy, 0xFFFF80);  // plot frame
    pic.Line(ox, oy + 150, ox + side, oy + 150);      // x axis
    pic.Line(ox + 150, oy, ox + 150, oy + side);      // y axis
    pic.SetFontName("Times New Roman");
    pic.SetFontSize(10);
    pic.SetCurrentX(ox + side - 12);
    pic.SetCurrentY(oy + 150 - 4);
    pic.Print("X");
    pic.SetCurrentX(ox + 154);
    pic.SetCurrentY(oy + side - 2);
    pic.Print("Y");

    // A force of 100 units at 30 degrees from the origin, with a filled head.
    const double cx = ox + 150, cy = oy + 150, len = 110, a = kPi / 6;
    const double tx = cx + len * std::cos(a), ty = cy + len * std::sin(a);
    pic.SetDrawWidth(2);
    pic.Line(cx, cy, tx, ty, rt::kRed);
    pic.SetDrawWidth(1);
    const double hl = 12, hw = 4;
    const double bx = tx - hl * std::cos(a), by = ty - hl * std::sin(a);
    pic.SetForeColor(rt::kRed);
    pic.SetFillColor(rt::kRed);
    pic.SetFillStyle(plat::FillStyle::Solid);
    pic.Polygon(
        {{tx, ty}, {bx - hw * std::sin(a), by + hw * std::cos(a)}, {bx + hw * std::sin(a), by - hw * std::cos(a)}});
    pic.SetFillStyle(plat::FillStyle::Transparent);
    pic.SetForeColor(rt::kBlack);

    // Label: "F = 100 N, θ = 30°" with the Greek letter in the Symbol face.
    pic.SetCurrentX(tx + 4);
    pic.SetCurrentY(ty + 14);
    pic.Print("F = 100 N,  ");
    pic.SetFontName("Symbol");
    pic.Print("q");
    pic.SetFontName("Times New Roman");
    pic.Print(QString::fromUtf8(" = 30°"));

    // A moment arc from 30 to 330 degrees around a point, magenta.
    pic.Arc(ox + 70, oy + 70, 18, kPi / 6, 11 * kPi / 6, rt::kMagenta);
    pic.SetCurrentX(ox + 92);
    pic.SetCurrentY(oy + 78);
    pic.SetFontName("Symbol");
    pic.Print("S");
    pic.SetFontName("Times New Roman");
    pic.Print("M = ");
    pic.SetFontName("Symbol");
    pic.Print("-");
    pic.SetFontName("Times New Roman");
    pic.Print("25");

    // A point mark and a dotted line of action.
    pic.SetFillStyle(plat::FillStyle::Solid);
    pic.SetFillColor(rt::kBlack);
    pic.Circle(cx, cy, 2);
    pic.SetFillStyle(plat::FillStyle::Transparent);
    pic.SetDrawStyle(plat::DrawStyle::Dot);
    pic.Line(cx - 120 * std::cos(a), cy - 120 * std::sin(a), cx, cy, 0x808080);
    pic.SetDrawStyle(plat::DrawStyle::Solid);

    QTemporaryDir dir;
    const QString path = dir.filePath("demo.png");
    ASSERT_TRUE(pic.SavePng(path));
    EXPECT_EQ(QImage(path).size(), QSize(397, 385));
    // The arrowhead is filled and the label reads in Greek.
    const QPointF head = pic.ToDevice(tx - 5 * std::cos(a), ty - 5 * std::sin(a));
    EXPECT_EQ(At(pic, int(std::lround(head.x())), int(std::lround(head.y()))), rt::kRed);
    QStringList texts;
    for (const DrawnPrimitive& d : pic.Drawn())
        if (d.kind == Kind::Text) texts << d.text;
    EXPECT_TRUE(texts.contains(QString::fromUtf8("θ")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Σ")));
    EXPECT_TRUE(texts.contains(QString(QChar(0x2212))));
}

}  // namespace
