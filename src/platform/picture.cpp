#include "platform/picture.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <numbers>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "platform/common.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/mousepointer.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace plat {
namespace {

constexpr double kMaxDevice = 1e7;

int ButtonCode(Qt::MouseButtons buttons) {
    int b = 0;
    if (buttons & Qt::LeftButton) b |= 1;
    if (buttons & Qt::RightButton) b |= 2;
    if (buttons & Qt::MiddleButton) b |= 4;
    return b;
}

int ShiftCode(Qt::KeyboardModifiers mods) {
    int s = 0;
    if (mods & Qt::ShiftModifier) s |= 1;
    if (mods & Qt::ControlModifier) s |= 2;
    if (mods & Qt::AltModifier) s |= 4;
    return s;
}

// Device coordinate rounded halves to even; far or non-finite values raise.
int DeviceInt(double v) {
    if (!std::isfinite(v) || std::fabs(v) > kMaxDevice) rt::Raise(rt::ErrorCode::Overflow);
    return static_cast<int>(std::nearbyint(v));
}

// A blank image for the picture's drawing. A large one gets its memory
// mapped in one pass: touched page by page, as filling it would, each page
// is a fault of its own, which made the start-up picture's image cost more
// than everything drawn on it.
QImage NewImage(QSize size) {
#ifdef __linux__
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    if (bytes >= 256 * 1024) {
        void* data = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (data != MAP_FAILED) {
            struct Mapping {
                void* data;
                size_t bytes;
            };
            auto* mapping = new Mapping{data, bytes};
            return QImage(
                static_cast<uchar*>(data), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
                [](void* info) {
                    auto* m = static_cast<Mapping*>(info);
                    munmap(m->data, m->bytes);
                    delete m;
                },
                mapping);
        }
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

}  // namespace

Picture::Picture(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// ---- geometry and scales -------------------------------------------------

void Picture::Move(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

void Picture::MoveTwips(double left, double top, double width, double height) {
    auto px = [](double twips) { return static_cast<int>(std::lround(rt::TwipsToPixels(twips))); };
    Move(px(left), px(top), px(width), px(height));
}

void Picture::ScalePixels() { userScale_ = false; }

void Picture::ScaleYUp() { Scale(0, height(), width(), 0); }

void Picture::Scale(double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        rt::Raise(rt::ErrorCode::Overflow);
    if (x1 == x2 || y1 == y2) rt::Raise(rt::ErrorCode::InvalidCall);
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
}

QPointF Picture::FromDevice(QPointF d) const {
    return QPointF(d.x() / PixelsPerUnitX() + ScaleLeft(), d.y() / PixelsPerUnitY() + ScaleTop());
}

QPoint Picture::DevicePoint(double x, double y) const {
    const QPointF d = ToDevice(x, y);
    return QPoint(DeviceInt(d.x()), DeviceInt(d.y()));
}

double Picture::DeviceRadius(double r) const {
    const double d = std::fabs(r * PixelsPerUnitX());
    if (!std::isfinite(d) || d > kMaxDevice) rt::Raise(rt::ErrorCode::Overflow);
    return d;
}

void Picture::PlaceChild(QWidget* child, double x, double y, double w, double h) {
    if (!child) return;
    if (child->parentWidget() != this) child->setParent(this);
    const QPoint tl = DevicePoint(x, y);
    const int pw = DeviceInt(std::fabs(w * PixelsPerUnitX()));
    const int ph = DeviceInt(std::fabs(h * PixelsPerUnitY()));
    child->setGeometry(tl.x(), tl.y(), pw, ph);
}

// ---- image ----------------------------------------------------------------

void Picture::SyncImage() const {
    textPainter_.reset();
    const QSize want = size().expandedTo(QSize(1, 1));
    if (image_.size() == want) return;
    QImage next = NewImage(want);
    next.fill(ToQColor(backColor_));
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
}

const QImage& Picture::Image() const {
    SyncImage();
    return image_;
}

bool Picture::SavePng(const QString& path) const { return Image().save(path, "PNG"); }

void Picture::CopyToClipboard() const {
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setImage(Image());
}

void Picture::SetPicture(const QImage& image, bool resizeToFit) {
    picture_ = image.convertToFormat(QImage::Format_RGB32);
    if (resizeToFit) resize(picture_.size());
    SyncImage();
    QPainter p(&image_);
    p.drawImage(0, 0, picture_);
    update();
}

bool Picture::LoadPicture(const QString& path, bool resizeToFit) {
    QImage img;
    if (!img.load(path)) return false;
    SetPicture(img, resizeToFit);
    return true;
}

void Picture::Cls() {
    SyncImage();
    image_.fill(ToQColor(backColor_));
    if (!picture_.isNull()) {
        QPainter p(&image_);
        p.drawImage(0, 0, picture_);
    }
    curX_ = 0;
    curY_ = 0;
    // The largest record of points is kept for the next dense curve: a
    // graph redrawn again and again then reuses memory it has touched.
    for (DrawnPrimitive& d : drawn_)
        if (d.points.capacity() > spareCurve_.capacity()) spareCurve_.swap(d.points);
    drawn_.clear();
    update();
}

void Picture::SetBackColor(rt::ColorRef c) {
    backColor_ = c;
    Cls();
}

void Picture::SetDrawWidth(int w) {
    if (w < 1) rt::Raise(rt::ErrorCode::InvalidCall);
    drawWidth_ = w;
}

int Picture::MousePointer() const { return MousePointerOf(this); }
void Picture::SetMousePointer(int pointer) { plat::SetMousePointer(this, pointer); }

// ---- drawing ----------------------------------------------------------------

namespace {

// A painter on the image with the picture's raster mode and no smoothing of
// lines (text keeps the font's own rendering).
void Prepare(QPainter& p, DrawMode mode) {
    p.setRenderHint(QPainter::Antialiasing, false);
    if (mode == DrawMode::XorPen) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
}

QPen MakePen(rt::ColorRef color, int width, DrawStyle style) {
    QPen pen(ToQColor(color));
    pen.setCosmetic(true);
    pen.setWidth(width);
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (style == DrawStyle::Dot) pen.setStyle(Qt::DotLine);
    }
    return pen;
}

}  // namespace

DrawnPrimitive Picture::Record(DrawnPrimitive::Kind kind, rt::ColorRef color) const {
    DrawnPrimitive d;
    d.kind = kind;
    d.color = color;
    d.fillColor = fillColor_;
    d.width = drawWidth_;
    d.style = drawStyle_;
    d.mode = drawMode_;
    return d;
}

void Picture::DrawLine(double x1, double y1, double x2, double y2, rt::ColorRef color) {
    const QPoint a = DevicePoint(x1, y1);
    const QPoint b = DevicePoint(x2, y2);
    SyncImage();
    {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        p.setPen(MakePen(color, drawWidth_, drawStyle_));
        if (a == b)
            p.drawPoint(a);
        else
            p.drawLine(a, b);
    }
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::Line, color);
    d.points = {QPointF(x1, y1), QPointF(x2, y2)};
    drawn_.push_back(std::move(d));
    curX_ = x2;
    curY_ = y2;
    update();
}

void Picture::Line(double x1, double y1, double x2, double y2) { DrawLine(x1, y1, x2, y2, foreColor_); }
void Picture::Line(double x1, double y1, double x2, double y2, rt::ColorRef c) { DrawLine(x1, y1, x2, y2, c); }
void Picture::LineTo(double x, double y) { DrawLine(curX_, curY_, x, y, foreColor_); }
void Picture::LineTo(double x, double y, rt::ColorRef c) { DrawLine(curX_, curY_, x, y, c); }
void Picture::LineStep(double dx, double dy) { DrawLine(curX_, curY_, curX_ + dx, curY_ + dy, foreColor_); }
void Picture::LineStep(double dx, double dy, rt::ColorRef c) { DrawLine(curX_, curY_, curX_ + dx, curY_ + dy, c); }

void Picture::DrawBox(double x1, double y1, double x2, double y2, rt::ColorRef color, bool fillWithColor) {
    const QPoint a = DevicePoint(x1, y1);
    const QPoint b = DevicePoint(x2, y2);
    const QRect r = QRect(a, b).normalized();  // both corners included
    const bool interior = !fillWithColor && fillStyle_ == plat::FillStyle::Solid;
    SyncImage();
    {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        if (fillWithColor) {
            p.fillRect(r, ToQColor(color));
        } else {
            if (interior) p.fillRect(r, ToQColor(fillColor_));
            p.setPen(MakePen(color, drawWidth_, drawStyle_));
            p.setBrush(Qt::NoBrush);
            if (r.width() == 1 || r.height() == 1)
                p.drawLine(r.topLeft(), r.bottomRight());
            else
                p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    DrawnPrimitive d = Record(fillWithColor ? DrawnPrimitive::Kind::FilledBox : DrawnPrimitive::Kind::Box, color);
    d.points = {QPointF(x1, y1), QPointF(x2, y2)};
    d.filled = fillWithColor || interior;
    if (fillWithColor) d.fillColor = color;
    drawn_.push_back(std::move(d));
    curX_ = x2;
    curY_ = y2;
    update();
}

void Picture::Box(double x1, double y1, double x2, double y2) { DrawBox(x1, y1, x2, y2, foreColor_, false); }
void Picture::Box(double x1, double y1, double x2, double y2, rt::ColorRef c) { DrawBox(x1, y1, x2, y2, c, false); }
void Picture::FilledBox(double x1, double y1, double x2, double y2) { DrawBox(x1, y1, x2, y2, foreColor_, true); }
void Picture::FilledBox(double x1, double y1, double x2, double y2, rt::ColorRef c) {
    DrawBox(x1, y1, x2, y2, c, true);
}

void Picture::PSet(double x, double y) { PSet(x, y, foreColor_); }

void Picture::PSet(double x, double y, rt::ColorRef color) {
    const QPoint c = DevicePoint(x, y);
    const int w = drawWidth_;
    SyncImage();
    {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        const int off = (w - 1) / 2;
        p.fillRect(QRect(c.x() - off, c.y() - off, w, w), ToQColor(color));
    }
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::Dot, color);
    d.points = {QPointF(x, y)};
    drawn_.push_back(std::move(d));
    curX_ = x;
    curY_ = y;
    update();
}

void Picture::DrawCircle(double x, double y, double radius, rt::ColorRef color, bool arc, double start, double end) {
    const QPoint c = DevicePoint(x, y);
    const double r = DeviceRadius(radius);
    if (arc && (!std::isfinite(start) || !std::isfinite(end))) rt::Raise(rt::ErrorCode::Overflow);
    const bool interior = !arc && fillStyle_ == plat::FillStyle::Solid;
    SyncImage();
    {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        p.setPen(MakePen(color, drawWidth_, drawStyle_));
        p.setBrush(interior ? QBrush(ToQColor(fillColor_)) : QBrush(Qt::NoBrush));
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        if (!arc) {
            p.drawEllipse(QPointF(c), r, r);
        } else {
            constexpr double kTwoPi = 2 * std::numbers::pi;
            double sweep = std::fmod(end - start, kTwoPi);
            if (sweep <= 0) sweep += kTwoPi;  // equal limits: the whole circle
            const double toSixteenths = 180.0 / std::numbers::pi * 16.0;
            // Qt's angles run counter-clockwise on the screen, as ours do.
            p.drawArc(box, static_cast<int>(std::lround(start * toSixteenths)),
                      static_cast<int>(std::lround(sweep * toSixteenths)));
        }
    }
    DrawnPrimitive d = Record(arc ? DrawnPrimitive::Kind::Arc : DrawnPrimitive::Kind::Circle, color);
    d.points = {QPointF(x, y)};
    d.radius = radius;
    d.start = start;
    d.end = end;
    d.filled = interior;
    drawn_.push_back(std::move(d));
    curX_ = x;
    curY_ = y;
    update();
}

void Picture::Circle(double x, double y, double r) { DrawCircle(x, y, r, foreColor_, false, 0, 0); }
void Picture::Circle(double x, double y, double r, rt::ColorRef c) { DrawCircle(x, y, r, c, false, 0, 0); }
void Picture::Arc(double x, double y, double r, double s, double e) { DrawCircle(x, y, r, foreColor_, true, s, e); }
void Picture::Arc(double x, double y, double r, double s, double e, rt::ColorRef c) {
    DrawCircle(x, y, r, c, true, s, e);
}

void Picture::Polygon(const std::vector<QPointF>& points) {
    QPolygon poly;
    for (const QPointF& pt : points) poly << DevicePoint(pt.x(), pt.y());
    const bool interior = fillStyle_ == plat::FillStyle::Solid;
    SyncImage();
    if (poly.size() >= 2) {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        p.setPen(MakePen(foreColor_, drawWidth_, drawStyle_));
        p.setBrush(interior ? QBrush(ToQColor(fillColor_)) : QBrush(Qt::NoBrush));
        p.drawPolygon(poly);
    }
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::Polygon, foreColor_);
    d.points = points;
    d.filled = interior;
    drawn_.push_back(std::move(d));
    update();
}

void Picture::Polyline(std::vector<QPointF> points, rt::ColorRef color) {
    if (points.empty()) return;
    // One pass with the scale read once, into a buffer kept from the last
    // curve; every point is checked before anything is drawn.
    const double left = ScaleLeft(), top = ScaleTop();
    const double kx = PixelsPerUnitX(), ky = PixelsPerUnitY();
    polyline_.resize(static_cast<qsizetype>(points.size()));
    QPoint* out = polyline_.data();
    for (const QPointF& pt : points) *out++ = QPoint(DeviceInt((pt.x() - left) * kx), DeviceInt((pt.y() - top) * ky));
    SyncImage();
    {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        p.setPen(MakePen(color, drawWidth_, drawStyle_));
        if (polyline_.size() == 1)
            p.drawPoint(polyline_.front());
        else
            p.drawPolyline(polyline_);
    }
    curX_ = points.back().x();
    curY_ = points.back().y();
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::Polyline, color);
    d.points = std::move(points);
    drawn_.push_back(std::move(d));
    update();
}

bool Picture::DenseCurve(std::span<const double> x, std::span<const double> y, rt::ColorRef color, size_t minKept) {
    const size_t n = std::min(x.size(), y.size());
    if (n < 2) return false;
    const double left = ScaleLeft(), top = ScaleTop();
    const double kx = PixelsPerUnitX(), ky = PixelsPerUnitY();
    std::vector<QPointF> kept = std::move(spareCurve_);
    kept.clear();
    kept.reserve(n);
    polyline_.resize(static_cast<qsizetype>(n));
    QPoint* out = polyline_.data();
    double fx = 0, fy = 0;
    for (size_t i = 0; i < n; ++i) {
        const double dx = (x[i] - left) * kx, dy = (y[i] - top) * ky;
        if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
        const double rx = std::nearbyint(dx), ry = std::nearbyint(dy);
        if (i > 0 && rx == fx && ry == fy && !(i + 1 == n && kept.size() == 1)) continue;
        if (std::fabs(dx) > kMaxDevice || std::fabs(dy) > kMaxDevice) return false;
        kept.emplace_back(x[i], y[i]);
        *out++ = QPoint(static_cast<int>(rx), static_cast<int>(ry));
        fx = rx;
        fy = ry;
    }
    if (kept.size() <= minKept) return false;
    polyline_.resize(static_cast<qsizetype>(kept.size()));
    SyncImage();
    {
        QPainter p(&image_);
        Prepare(p, drawMode_);
        p.setPen(MakePen(color, drawWidth_, drawStyle_));
        p.drawPolyline(polyline_);
    }
    curX_ = kept.back().x();
    curY_ = kept.back().y();
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::Polyline, color);
    d.points = std::move(kept);
    drawn_.push_back(std::move(d));
    update();
    return true;
}

// ---- text -------------------------------------------------------------------

const Picture::FontEntry& Picture::CurrentEntry() const {
    const FontKey key{fontName_, fontSize_, fontBold_, fontItalic_};
    if (currentFont_ < fonts_.size() && fonts_[currentFont_].key == key) return fonts_[currentFont_];
    for (size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].key == key) {
            currentFont_ = i;
            return fonts_[i];
        }
    }
    constexpr size_t kFontsKept = 8;
    if (fonts_.size() >= kFontsKept) fonts_.erase(fonts_.begin());
    const QFont font = MakeFont(fontName_, fontSize_, fontBold_, fontItalic_);
    fonts_.push_back(FontEntry{key, font, QFontMetricsF(font), {}});
    currentFont_ = fonts_.size() - 1;
    return fonts_.back();
}

qreal Picture::Advance(const QString& shown) const {
    const FontEntry& entry = CurrentEntry();
    // Only short texts are kept (a character, an index, a symbol), and only
    // so many of them.
    constexpr qsizetype kLongestKept = 8, kWidthsKept = 512;
    if (shown.size() > kLongestKept) return entry.metrics.horizontalAdvance(shown);
    QHash<QString, qreal>& widths = entry.widths;
    if (const auto it = widths.constFind(shown); it != widths.constEnd()) return *it;
    if (widths.size() >= kWidthsKept) widths.clear();
    const qreal w = entry.metrics.horizontalAdvance(shown);
    widths.insert(shown, w);
    return w;
}

QPainter& Picture::TextPainter() {
    if (!textPainter_ || image_.size() != size().expandedTo(QSize(1, 1))) {
        SyncImage();
        textPainter_.emplace(&image_);
        painterFont_.reset();
        painterColor_.reset();
    }
    return *textPainter_;
}

QString Picture::ShownText(const QString& text) const { return FaceText(fontName_, text); }

void Picture::Print(const QString& text) {
    const QPoint at = DevicePoint(curX_, curY_);
    const QString shown = ShownText(text);
    const FontEntry& font = CurrentEntry();
    const qreal ascent = font.metrics.ascent();
    QPainter& p = TextPainter();
    if (painterFont_ != font.key) {
        p.setFont(font.font);
        painterFont_ = font.key;
    }
    if (painterColor_ != foreColor_) {
        p.setPen(ToQColor(foreColor_));
        painterColor_ = foreColor_;
    }
    p.drawText(QPointF(at.x(), at.y() + ascent), shown);
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::Text, foreColor_);
    d.points = {QPointF(curX_, curY_)};
    d.text = shown;
    d.fontName = fontName_;
    d.fontSize = fontSize_;
    d.bold = fontBold_;
    d.italic = fontItalic_;
    drawn_.push_back(std::move(d));
    curX_ += Advance(shown) / PixelsPerUnitX();
    update();
}

void Picture::PrintNumber(double value) {
    const QString digits = QString::fromStdString(rt::NumberText(value));
    Print(value < 0 ? digits : QStringLiteral(" ") + digits);
}

double Picture::TextWidth(const QString& text) const { return std::fabs(Advance(ShownText(text)) / PixelsPerUnitX()); }

double Picture::TextHeight(const QString& text) const {
    const QFontMetricsF& fm = CurrentEntry().metrics;
    const qsizetype lines = text.count(QLatin1Char('\n')) + 1;
    return std::fabs(fm.height() * static_cast<double>(lines) / PixelsPerUnitY());
}

// ---- block copy -------------------------------------------------------------

void Picture::BlockCopy(int dstX, int dstY, int w, int h, const Picture& source, int srcX, int srcY, RasterOp op) {
    SyncImage();
    const QImage src = source.Image().copy();  // a copy: the source may be this picture
    for (int j = 0; j < h; ++j) {
        const int sy = srcY + j, dy = dstY + j;
        if (sy < 0 || sy >= src.height() || dy < 0 || dy >= image_.height()) continue;
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* d = reinterpret_cast<QRgb*>(image_.scanLine(dy));
        for (int i = 0; i < w; ++i) {
            const int sx = srcX + i, dx = dstX + i;
            if (sx < 0 || sx >= src.width() || dx < 0 || dx >= image_.width()) continue;
            d[dx] = op == RasterOp::And ? (s[sx] & d[dx]) | 0xFF000000u : s[sx];
        }
    }
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::BlockCopy, 0);
    d.points = {QPointF(dstX, dstY), QPointF(w, h)};
    d.text = source.objectName();
    drawn_.push_back(std::move(d));
    update();
}

void Picture::PaintImage(const QImage& image, int dstX, int dstY, const QString& source) {
    SyncImage();
    {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(dstX, dstY, image);
    }
    DrawnPrimitive d = Record(DrawnPrimitive::Kind::BlockCopy, 0);
    d.points = {QPointF(dstX, dstY), QPointF(image.width(), image.height())};
    d.text = source;
    drawn_.push_back(std::move(d));
    update();
}

// ---- events -----------------------------------------------------------------

void Picture::paintEvent(QPaintEvent*) {
    SyncImage();
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void Picture::resizeEvent(QResizeEvent* event) {
    // The image follows at its next use: a picture that is never drawn on
    // (a hidden one, at start-up) costs no image.
    QWidget::resizeEvent(event);
}

void Picture::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (paint_ && !paintQueued_) {
        paintQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                paintQueued_ = false;
                Guarded([this] { Paint(); });
            },
            Qt::QueuedConnection);
    }
}

void Picture::Paint() {
    const auto handler = paint_;  // the handler may replace itself
    if (handler) handler();
}

void Picture::RunMouse(const MouseHandler& h, int button, int shift, double x, double y) {
    const MouseHandler handler = h;  // the handler may replace itself while it runs
    if (handler) handler(button, shift, x, y);
}

void Picture::MouseDown(int button, int shift, double x, double y) { RunMouse(mouseDown_, button, shift, x, y); }
void Picture::MouseUp(int button, int shift, double x, double y) { RunMouse(mouseUp_, button, shift, x, y); }
void Picture::MouseMove(int button, int shift, double x, double y) { RunMouse(mouseMove_, button, shift, x, y); }

void Picture::mousePressEvent(QMouseEvent* event) {
    const QPointF u = FromDevice(event->position());
    Guarded([&] { MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), u.x(), u.y()); });
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF u = FromDevice(event->position());
    Guarded([&] { MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()), u.x(), u.y()); });
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    const QPointF u = FromDevice(event->position());
    Guarded([&] { MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), u.x(), u.y()); });
}

}  // namespace plat
