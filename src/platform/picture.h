#pragma once
// Picture: the drawing surface of the forms (the two drawing pictures, the
// graph and clock pictures, the procedure bar, the argument templates, the
// motion strip, the option keys and the off-screen icon sheet).
//
// What is drawn is kept in an image: drawing happens at any time, outside
// paint events, and the widget only shows the image. Beside the pixels the
// picture keeps a record of every primitive drawn since the last Cls, so
// tests can check what was drawn without comparing pixels.
//
// A new picture is white and uses device pixels (y down) as its scale, a
// black pen one pixel wide, solid lines in copy mode, a transparent fill and
// "Times New Roman" at 8 points; the forms set what differs.
//
// Behaviour it guarantees:
// - Scales. ScalePixels: device pixels, y down. ScaleYUp: one unit per
//   pixel, origin at the bottom-left corner, y up (top-left (0, h),
//   bottom-right (w, 0), from the size at the time of the call).
//   Scale(x1, y1, x2, y2): top-left corner (x1, y1), bottom-right (x2, y2).
//   ScaleWidth = x2 - x1 and ScaleHeight = y2 - y1 keep their signs
//   (ScaleHeight is negative in a y-up scale). Coordinates are
//   doubles; points land on the nearest device pixel (halves to even).
// - Current point. Line, LineTo and LineStep leave it at the line's end, PSet
//   at the dot, Circle and Arc at the centre, Print after the text on the same
//   line (CurrentY unchanged). Cls clears to BackColor (and the loaded
//   picture, if any) and puts it back at (0, 0).
// - Lines include both end pixels. Box draws an outline (filled with
//   FillColor when FillStyle is solid); FilledBox fills the rectangle, both
//   corners included, in one colour. PSet draws a dot DrawWidth pixels wide.
// - Circle: outline in ForeColor (or the colour given), interior from
//   FillColor when FillStyle is solid. The radius is in horizontal units and
//   the circle is round on the screen. Arc: outline only, from the start to
//   the end angle (radians) counter-clockwise as seen on the screen, which is
//   the y-up frame's own sense; equal angles draw the whole circle.
// - Polygon: vertices in user units, rounded to device pixels halves to
//   even; brush = FillColor/FillStyle, pen = ForeColor/DrawWidth.
// - Polyline: the lines from each point to the next, drawn in one pass in
//   the colour given with DrawWidth, DrawStyle and DrawMode (a vertex shared
//   by two lines is combined once in XorPen mode); recorded as one primitive
//   with all its points. It leaves the current point at the last point; a
//   single point draws a dot, no points draw nothing.
// - Print puts the text's top-left corner at the current point, in
//   ForeColor and the picture's font; a picture whose FontName is "Symbol"
//   shows its text through the Symbol table (symbolfont.h). TextWidth and
//   TextHeight are in scale units and never negative.
// - DrawMode XorPen combines lines, boxes and dots with what lies beneath by
//   exclusive or (drawing the same figure twice restores the pixels);
//   CopyPen paints over. Text is always painted over.
// - BlockCopy copies a rectangle of device pixels from another picture,
//   plainly or with a bitwise AND of source and destination.
// - Mouse: MouseDown/MouseUp/MouseMove handlers receive (Button, Shift, X, Y)
//   with X, Y in the picture's scale (Button 1 left, 2 right, 4 middle;
//   Shift 1 Shift, 2 Ctrl, 4 Alt, added). The same entry points can be called
//   from code, also from inside a running handler.
// - A paint handler (set with OnPaint) runs when the picture is shown or
//   when code calls Paint(); never from inside Qt's paint event.
// - Coordinates that are not finite, or that land more than ten million
//   pixels away, raise rt::Overflow; a scale with no extent raises
//   rt::InvalidCall; DrawWidth below 1 raises rt::InvalidCall.
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygon>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "runtime/colors.h"

namespace plat {

enum class FillStyle { Solid = 0, Transparent = 1 };
enum class DrawStyle { Solid = 0, Dot = 2 };
enum class DrawMode { XorPen = 7, CopyPen = 13 };
enum class RasterOp { Copy, And };

// One primitive as it was drawn, in the picture's units at the time.
struct DrawnPrimitive {
    enum class Kind { Line, Box, FilledBox, Dot, Circle, Arc, Polygon, Polyline, Text, BlockCopy };
    Kind kind = Kind::Line;
    // Line: both ends; Box/FilledBox: two corners; Dot/Circle/Arc: the centre;
    // Polygon: the vertices; Polyline: its points in order; Text: the top-left corner; BlockCopy: the target
    // corner and the size, in device pixels.
    std::vector<QPointF> points;
    double radius = 0, start = 0, end = 0;  // Circle and Arc (angles in radians)
    rt::ColorRef color = 0;                 // pen, line, text or fill-box colour
    bool filled = false;                    // interior painted (Box, Circle, Polygon)
    rt::ColorRef fillColor = 0;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
    DrawMode mode = DrawMode::CopyPen;
    QString text;  // Text: as shown (after the Symbol table); BlockCopy: source name
    QString fontName;
    double fontSize = 0;
    bool bold = false, italic = false;
};

class Picture : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

    explicit Picture(const QString& name, QWidget* parent = nullptr);

    // Geometry of the control in its container.
    void Move(int left, int top, int width, int height);                   // pixels
    void MoveTwips(double left, double top, double width, double height);  // twips
    bool Visible() const { return !isHidden(); }

    // Scales.
    void ScalePixels();
    void ScaleYUp();
    void Scale(double x1, double y1, double x2, double y2);
    double ScaleLeft() const { return userScale_ ? scaleLeft_ : 0; }
    double ScaleTop() const { return userScale_ ? scaleTop_ : 0; }
    double ScaleWidth() const { return userScale_ ? scaleWidth_ : width(); }
    double ScaleHeight() const { return userScale_ ? scaleHeight_ : height(); }

    // Conversions between the scale and widget pixels (unrounded). ToDevice
    // is inline: graphs call it for every one of thousands of points.
    QPointF ToDevice(double x, double y) const {
        return QPointF((x - ScaleLeft()) * PixelsPerUnitX(), (y - ScaleTop()) * PixelsPerUnitY());
    }
    QPointF FromDevice(QPointF device) const;
    // Places a child control with its top-left corner at (x, y) and a size of
    // width by height scale units (rightwards and downwards on the screen);
    // the child becomes a child of this picture.
    void PlaceChild(QWidget* child, double x, double y, double width, double height);

    // Current point.
    double CurrentX() const { return curX_; }
    double CurrentY() const { return curY_; }
    void SetCurrentX(double x) { curX_ = x; }
    void SetCurrentY(double y) { curY_ = y; }

    // Attributes.
    rt::ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(rt::ColorRef c) { foreColor_ = c; }
    rt::ColorRef BackColor() const { return backColor_; }
    void SetBackColor(rt::ColorRef c);  // repaints the whole picture: Cls
    rt::ColorRef FillColor() const { return fillColor_; }
    void SetFillColor(rt::ColorRef c) { fillColor_ = c; }
    plat::FillStyle FillStyle() const { return fillStyle_; }
    void SetFillStyle(plat::FillStyle s) { fillStyle_ = s; }
    plat::DrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(plat::DrawStyle s) { drawStyle_ = s; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int w);
    plat::DrawMode DrawMode() const { return drawMode_; }
    void SetDrawMode(plat::DrawMode m) { drawMode_ = m; }
    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name) { fontName_ = name; }
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points) { fontSize_ = points; }
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool on) { fontBold_ = on; }
    bool FontItalic() const { return fontItalic_; }
    void SetFontItalic(bool on) { fontItalic_ = on; }
    int MousePointer() const;
    void SetMousePointer(int pointer);

    // Drawing.
    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, rt::ColorRef color);
    void LineTo(double x, double y);
    void LineTo(double x, double y, rt::ColorRef color);
    void LineStep(double dx, double dy);
    void LineStep(double dx, double dy, rt::ColorRef color);
    void Box(double x1, double y1, double x2, double y2);
    void Box(double x1, double y1, double x2, double y2, rt::ColorRef color);
    void FilledBox(double x1, double y1, double x2, double y2);
    void FilledBox(double x1, double y1, double x2, double y2, rt::ColorRef color);
    void PSet(double x, double y);
    void PSet(double x, double y, rt::ColorRef color);
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, rt::ColorRef color);
    void Arc(double x, double y, double radius, double start, double end);
    void Arc(double x, double y, double radius, double start, double end, rt::ColorRef color);
    void Polygon(const std::vector<QPointF>& points);
    // Takes the points by value: a caller that moves them in saves a copy of
    // a long curve.
    void Polyline(std::vector<QPointF> points, rt::ColorRef color);
    // A dense curve through (x[i], y[i]), transformed in one pass: a point
    // that lands on the pixel of the point kept before it is left out (its
    // line would add nothing), except the last point when only the first was
    // kept. With more than minKept points left and every point placeable,
    // draws and records them as one Polyline and returns true; otherwise
    // draws nothing and returns false, for the caller to draw it another way.
    bool DenseCurve(std::span<const double> x, std::span<const double> y, rt::ColorRef color, size_t minKept);
    void Print(const QString& text);
    // A number as the picture prints numbers: a blank for the sign before a
    // number that is not negative, then the general text form.
    void PrintNumber(double value);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QStringLiteral("X")) const;

    // Device-pixel block copy from another picture's image (or this one's).
    void BlockCopy(int dstX, int dstY, int width, int height, const Picture& source, int srcX, int srcY,
                   RasterOp op = RasterOp::Copy);

    // Pixels drawn once at (dstX, dstY) in device pixels, as a block copy
    // from a picture named source would draw them (what the build drew for
    // the program); Cls clears them like anything drawn.
    void PaintImage(const QImage& image, int dstX, int dstY, const QString& source);

    // A background picture: drawn now and again by every Cls. resizeToFit
    // makes the control the picture's size.
    void SetPicture(const QImage& image, bool resizeToFit = false);
    bool LoadPicture(const QString& path, bool resizeToFit = false);

    // The image and its export.
    const QImage& Image() const;
    bool SavePng(const QString& path) const;
    void CopyToClipboard() const;
    void Refresh() { update(); }

    // Events.
    void OnMouseDown(MouseHandler h) { mouseDown_ = std::move(h); }
    void OnMouseUp(MouseHandler h) { mouseUp_ = std::move(h); }
    void OnMouseMove(MouseHandler h) { mouseMove_ = std::move(h); }
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void OnPaint(std::function<void()> h) { paint_ = std::move(h); }
    void Paint();

    // Primitives drawn since the last Cls.
    const std::vector<DrawnPrimitive>& Drawn() const { return drawn_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint DevicePoint(double x, double y) const;  // rounded, range-checked
    double DeviceRadius(double r) const;
    double PixelsPerUnitX() const { return userScale_ ? width() / scaleWidth_ : 1.0; }
    double PixelsPerUnitY() const { return userScale_ ? height() / scaleHeight_ : 1.0; }
    void SyncImage() const;  // makes the image the size of the widget; every use of it calls this first
    // The painter prints draw with, kept open from one print to the next
    // (opening a painter costs more than printing a character); any other
    // use of the image closes it first, in SyncImage.
    QPainter& TextPainter();
    QString ShownText(const QString& text) const;
    DrawnPrimitive Record(DrawnPrimitive::Kind kind, rt::ColorRef color) const;
    void DrawLine(double x1, double y1, double x2, double y2, rt::ColorRef color);
    void DrawBox(double x1, double y1, double x2, double y2, rt::ColorRef color, bool fillWithColor);
    void DrawCircle(double x, double y, double radius, rt::ColorRef color, bool arc, double start, double end);
    void RunMouse(const MouseHandler& h, int button, int shift, double x, double y);

    mutable QImage image_;
    mutable std::optional<QPainter> textPainter_;  // after image_: closed before it goes
    QImage picture_;
    bool userScale_ = false;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    double curX_ = 0, curY_ = 0;
    rt::ColorRef foreColor_ = rt::kBlack;
    rt::ColorRef backColor_ = rt::kWhite;
    rt::ColorRef fillColor_ = rt::kBlack;
    plat::FillStyle fillStyle_ = plat::FillStyle::Transparent;
    plat::DrawStyle drawStyle_ = plat::DrawStyle::Solid;
    int drawWidth_ = 1;
    plat::DrawMode drawMode_ = plat::DrawMode::CopyPen;
    QString fontName_ = QStringLiteral("Times New Roman");
    double fontSize_ = 8;
    bool fontBold_ = false, fontItalic_ = false;
    // The fonts of the last few prints and measures and what they were made
    // from, with their metrics and the widths of the short texts printed in
    // them. A QFont kept keeps Qt's font engine with it, so prints that go
    // back and forth between a few fonts (a formula's symbols and indexes)
    // find each face once, and a character printed again is not measured
    // again.
    struct FontKey {
        QString name;
        double size = 0;
        bool bold = false, italic = false;
        bool operator==(const FontKey&) const = default;
    };
    struct FontEntry {
        FontKey key;
        QFont font;
        QFontMetricsF metrics;
        mutable QHash<QString, qreal> widths;
    };
    const FontEntry& CurrentEntry() const;
    qreal Advance(const QString& shown) const;  // in the current font, in pixels
    mutable std::vector<FontEntry> fonts_;
    mutable size_t currentFont_ = 0;      // index in fonts_ of the last one used
    std::optional<FontKey> painterFont_;  // what textPainter_ was given
    std::optional<rt::ColorRef> painterColor_;
    MouseHandler mouseDown_, mouseUp_, mouseMove_;
    std::function<void()> paint_;
    bool paintQueued_ = false;
    std::vector<DrawnPrimitive> drawn_;
    QPolygon polyline_;                // device points of the last polyline, reused
    std::vector<QPointF> spareCurve_;  // a cleared record's points, for DenseCurve
};

}  // namespace plat
