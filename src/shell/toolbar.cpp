#include "shell/toolbar.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "platform/fonts.h"
#include "platform/storedpixels.h"

namespace shell {

int ToolbarButtonAt(double xTwips) {
    if (xTwips < 0) return 0;
    return static_cast<int>(std::floor(xTwips / kToolbarButtonTwips)) + 1;
}

QString ToolbarTooltip(int button) {
    if (button < 1 || button > kToolbarButtons) return {};
    return QString::fromUtf8(kToolbarButtonTable[button - 1].tooltip);
}

namespace {

const QColor kTeal(0, 128, 128);
const QColor kKhaki(222, 206, 150);
const QColor kBrown(125, 72, 30);
const QColor kInk(40, 40, 40);

QPixmap NewPixmap(int w, int h, qreal dpr, const QColor& ground) {
    if (dpr <= 0) dpr = 1;
    QPixmap pm(static_cast<int>(std::ceil(w * dpr)), static_cast<int>(std::ceil(h * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(ground);
    return pm;
}

QFont PixelFont(const char* face, int pixels, bool bold = false, bool italic = false) {
    QFont f = plat::MakeFont(QString::fromLatin1(face), 8, bold, italic);
    f.setPixelSize(pixels);
    return f;
}

QPen Pen(const QColor& c, double w) {
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// ---- toolbar buttons, each drawn in a 37 x 35 cell at the painter's origin

void ButtonFace(QPainter& p, const QColor& face) {
    p.setPen(Pen(QColor(0, 80, 80), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2.5, 2.5, 32, 30), 4, 4);
}

void DrawCalculator(QPainter& p) {
    p.setPen(Pen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 170, 60));
    p.drawRoundedRect(QRectF(10.5, 5.5, 16, 24), 2.5, 2.5);
    p.setBrush(QColor(215, 245, 215));
    p.setPen(Pen(QColor(0, 80, 0), 0.8));
    p.drawRect(QRectF(12.5, 7.5, 12, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(13 + c * 4, 15 + r * 4.5, 3, 3));
}

void DrawIncline(QPainter& p) {
    // Incline rising to the right, pulley at its top, weight hanging beside.
    const QPointF a(6, 28), b(25, 28), c(25, 13);
    p.setPen(Pen(QColor(110, 80, 40), 1));
    p.setBrush(QColor(200, 170, 120));
    p.drawPolygon(QPolygonF({a, b, c}));
    const double ang = std::atan2(c.y() - a.y(), c.x() - a.x());
    p.save();
    p.translate(12.5, 23.2);
    p.rotate(ang * 180 / M_PI);
    p.setPen(Pen(QColor(20, 50, 120), 1));
    p.setBrush(QColor(70, 120, 210));
    p.drawRect(QRectF(-4, -7, 8, 7));
    p.restore();
    // Pulley on its bracket.
    const QPointF pul(27, 11);
    p.setPen(Pen(kInk, 1.6));
    p.drawLine(QPointF(25, 13), pul);
    // Rope from the block up the slope over the pulley, down to the weight.
    p.setPen(Pen(kInk, 0.9));
    p.drawLine(QPointF(15.5, 18.3), QPointF(25.3, 9.6));
    p.drawLine(QPointF(29.6, 11), QPointF(29.6, 19));
    p.setPen(Pen(kInk, 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(pul, 2.6, 2.6);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(27.5, 19, 4.2, 5));
}

void DrawBeam(QPainter& p) {
    // Wall, a horizontal beam from it, a rope from its end up to the wall.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(5, 6, 4, 24));
    p.setPen(Pen(QColor(90, 90, 90), 0.7));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(5, 9 + i * 5), QPointF(9, 6 + i * 5));
    p.setPen(Pen(QColor(120, 70, 20), 1));
    p.setBrush(QColor(205, 140, 60));
    p.drawRect(QRectF(9, 17, 21, 3.5));
    p.setPen(Pen(kInk, 0.9));
    p.drawLine(QPointF(9, 7), QPointF(29, 17));
    p.drawLine(QPointF(27, 20.5), QPointF(27, 24));
    p.setPen(Pen(kInk, 0.9));
    p.setBrush(QColor(80, 80, 80));
    QPainterPath w;
    w.moveTo(24.5, 30);
    w.lineTo(29.5, 30);
    w.lineTo(28.5, 24);
    w.lineTo(25.5, 24);
    w.closeSubpath();
    p.drawPath(w);
}

void DrawCar(QPainter& p) {
    p.setPen(Pen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(215, 30, 30));
    QPainterPath body;
    body.moveTo(5, 23);
    body.lineTo(5, 18);
    body.lineTo(11, 17);
    body.lineTo(14, 11.5);
    body.lineTo(24, 11.5);
    body.lineTo(27.5, 17);
    body.lineTo(32, 18);
    body.lineTo(32, 23);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(190, 225, 250));
    p.setPen(Pen(QColor(120, 0, 0), 0.7));
    p.drawPolygon(QPolygonF({QPointF(15, 13), QPointF(18.5, 13), QPointF(18.5, 17), QPointF(12.5, 17)}));
    p.drawPolygon(QPolygonF({QPointF(20, 13), QPointF(23.3, 13), QPointF(25.8, 17), QPointF(20, 17)}));
    p.setPen(Pen(kInk, 1));
    p.setBrush(QColor(45, 45, 45));
    p.drawEllipse(QPointF(11, 23.5), 3.3, 3.3);
    p.drawEllipse(QPointF(26, 23.5), 3.3, 3.3);
    p.setBrush(QColor(200, 200, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(11, 23.5), 1.2, 1.2);
    p.drawEllipse(QPointF(26, 23.5), 1.2, 1.2);
}

void DrawThrower(QPainter& p) {
    // A stick figure at the left throws a ball along a dashed arc.
    p.setPen(Pen(QColor(30, 30, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 14), 2, 2);
    p.drawLine(QPointF(8, 16), QPointF(8, 23));
    p.drawLine(QPointF(8, 23), QPointF(5.5, 29));
    p.drawLine(QPointF(8, 23), QPointF(10.5, 29));
    p.drawLine(QPointF(8, 18), QPointF(5, 21));
    p.drawLine(QPointF(8, 18), QPointF(11.5, 14.5));
    QPen dash = Pen(QColor(230, 110, 0), 1.1);
    dash.setDashPattern({2.0, 1.6});
    p.setPen(dash);
    QPainterPath arc;
    arc.moveTo(12, 13.5);
    arc.quadTo(21, 0, 31, 25);
    p.drawPath(arc);
    p.setPen(Pen(QColor(170, 60, 0), 0.8));
    p.setBrush(QColor(255, 140, 0));
    p.drawEllipse(QPointF(31, 26), 2, 2);
    p.setPen(Pen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(4, 29.5), QPointF(33, 29.5));
}

void DrawGraphWindow(QPainter& p) {
    p.setPen(Pen(QColor(30, 40, 110), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 6.5, 26, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 190));
    p.drawRect(QRectF(6, 7, 25.5, 4));
    p.setPen(Pen(QColor(90, 90, 90), 0.8));
    p.drawLine(QPointF(9, 14), QPointF(9, 26));
    p.drawLine(QPointF(9, 26), QPointF(29, 26));
    p.setPen(Pen(QColor(0, 0, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(10, 24), QPointF(14, 19), QPointF(18, 21), QPointF(22, 15), QPointF(28, 17)}));
}

void DrawDash(QPainter& p) {
    p.setPen(Pen(kBrown, 4));
    p.drawLine(QPointF(11, 17.5), QPointF(26, 17.5));
}

void DrawQuestion(QPainter& p) {
    p.setPen(kBrown);
    p.setFont(PixelFont("Times New Roman", 24, true));
    p.drawText(QRectF(2.5, 2.5, 32, 30), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawExit(QPainter& p) {
    // An open door in its frame and a red arrow leaving through it.
    p.setPen(Pen(kBrown, 1));
    p.setBrush(QColor(250, 245, 225));
    p.drawRect(QRectF(9.5, 6.5, 13, 23));
    p.setBrush(QColor(160, 100, 50));
    p.drawPolygon(QPolygonF({QPointF(9.5, 6.5), QPointF(16, 9), QPointF(16, 32), QPointF(9.5, 29.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 220, 120));
    p.drawEllipse(QPointF(14.5, 19), 0.9, 0.9);
    p.setPen(Pen(QColor(210, 0, 0), 2.2));
    p.drawLine(QPointF(18, 18), QPointF(28, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(33, 18), QPointF(27, 13.5), QPointF(27, 22.5)}));
}

// ---- procedure pictures, each drawn in a 36 x 36 cell at the painter's origin

const QColor kPicFace(255, 255, 255);
const QColor kPicRim(150, 150, 150);
const QColor kAxis(70, 70, 70);
const QColor kBlueInk(0, 0, 170);
const QColor kRedInk(200, 0, 0);
const QColor kGreenInk(0, 130, 0);

void PicCell(QPainter& p) {
    p.setPen(Pen(kPicRim, 1));
    p.setBrush(kPicFace);
    p.drawRect(QRectF(1.5, 1.5, 33, 33));
}

void Text(QPainter& p, const QRectF& r, const QString& s, const QColor& c, int px, bool italic = true,
          Qt::Alignment a = Qt::AlignCenter) {
    p.setPen(c);
    p.setFont(PixelFont("Times New Roman", px, false, italic));
    p.drawText(r, a, s);
}

// A letter with a subscript, its baseline at y.
// Returns where the subscript ends.
double Sub(QPainter& p, double x, double y, const QString& base, const QString& sub, const QColor& c, int px) {
    p.setPen(c);
    const QFont f = PixelFont("Times New Roman", px, false, true);
    p.setFont(f);
    p.drawText(QPointF(x, y), base);
    const double w = QFontMetricsF(f).horizontalAdvance(base);
    const QFont small = PixelFont("Times New Roman", px * 2 / 3 + 1, false, true);
    p.setFont(small);
    p.drawText(QPointF(x + w + 0.3, y + px * 0.25), sub);
    return x + w + 0.3 + QFontMetricsF(small).horizontalAdvance(sub);
}

void Axes(QPainter& p, double x0, double y0, double x1, double y1) {
    p.setPen(Pen(kAxis, 0.9));
    p.drawLine(QPointF(x0, y0), QPointF(x0, y1));
    p.drawLine(QPointF(x0, y0), QPointF(x1, y0));
}

void Arrow(QPainter& p, QPointF a, QPointF b, const QColor& c, double w = 1.1) {
    p.setPen(Pen(c, w));
    p.drawLine(a, b);
    const double ang = std::atan2(b.y() - a.y(), b.x() - a.x());
    const double len = 4, spread = 0.45;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({b, b - QPointF(len * std::cos(ang - spread), len * std::sin(ang - spread)),
                             b - QPointF(len * std::cos(ang + spread), len * std::sin(ang + spread))}));
}

void Table(QPainter& p, double x, double y, int cols, const QColor& mark) {
    p.setPen(Pen(kAxis, 0.7));
    p.setBrush(QColor(235, 242, 255));
    p.drawRect(QRectF(x, y, cols * 5.0, 10));
    for (int i = 1; i < cols; ++i) p.drawLine(QPointF(x + i * 5.0, y), QPointF(x + i * 5.0, y + 10));
    p.drawLine(QPointF(x, y + 5), QPointF(x + cols * 5.0, y + 5));
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawRect(QRectF(x + 1, y + 1, 3, 3));
}

void Dot(QPainter& p, QPointF at, const QColor& c, double r = 1.8) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at, r, r);
}

// Rectilinear motion.
void RectEquations(QPainter& p) {
    Text(p, QRectF(2, 4, 32, 10), QStringLiteral("x(t)="), kBlueInk, 10);
    Text(p, QRectF(2, 13, 32, 10), QStringLiteral("v(t)="), kBlueInk, 10);
    p.setPen(Pen(kGreenInk, 1.4));
    p.drawLine(QPointF(5, 28), QPointF(31, 28));
    Dot(p, QPointF(8, 28), kRedInk, 2.2);
}

void RectSubstitute(QPainter& p, bool params) {
    Table(p, 4, 4, 3, kRedInk);
    Arrow(p, QPointF(12, 15), QPointF(16, 22), kRedInk);
    if (params) {
        Sub(p, 7, 31, QStringLiteral("v"), QStringLiteral("0"), kBlueInk, 10);
        Text(p, QRectF(16, 23, 14, 10), QStringLiteral(", a"), kBlueInk, 10, true, Qt::AlignLeft);
    } else {
        const double end = Sub(p, 7, 31, QStringLiteral("x(t"), QStringLiteral("i"), kBlueInk, 10);
        p.setFont(PixelFont("Times New Roman", 10, false, true));
        p.drawText(QPointF(end + 0.5, 31), QStringLiteral(")"));
    }
    if (params) Text(p, QRectF(21, 3, 13, 12), QStringLiteral("?"), kRedInk, 12, false);
}

void RectGraph(QPainter& p) {
    Axes(p, 7, 30, 31, 5);
    p.setPen(Pen(kBlueInk, 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath c;
    c.moveTo(8, 26);
    c.cubicTo(15, 26, 21, 20, 29, 8);
    p.drawPath(c);
    Text(p, QRectF(1, 3, 8, 8), QStringLiteral("x"), kAxis, 8);
    Text(p, QRectF(27, 28, 8, 8), QStringLiteral("t"), kAxis, 8);
}

void RectDistance(QPainter& p) {
    p.setPen(Pen(kAxis, 1));
    p.drawLine(QPointF(4, 24), QPointF(32, 24));
    Dot(p, QPointF(8, 24), kRedInk);
    Dot(p, QPointF(28, 24), kRedInk);
    Arrow(p, QPointF(18, 15), QPointF(8.5, 15), kBlueInk, 1);
    Arrow(p, QPointF(18, 15), QPointF(27.5, 15), kBlueInk, 1);
    Text(p, QRectF(2, 2, 32, 11), QStringLiteral("d"), kBlueInk, 11);
    Sub(p, 5, 33, QStringLiteral("t"), QStringLiteral("i"), kAxis, 8);
    Sub(p, 25, 33, QStringLiteral("t"), QStringLiteral("f"), kAxis, 8);
}

// Projectile motion.
QPainterPath Parabola(double x0, double y0, double x1, double top) {
    QPainterPath c;
    c.moveTo(x0, y0);
    c.quadTo((x0 + x1) / 2, 2 * top - y0, x1, y0);
    return c;
}

void ParabEquations(QPainter& p) {
    Text(p, QRectF(2, 4, 32, 10), QStringLiteral("x(t)="), kBlueInk, 10);
    Text(p, QRectF(2, 13, 32, 10), QStringLiteral("y(t)="), kBlueInk, 10);
    p.setPen(Pen(QColor(230, 110, 0), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Parabola(5, 32, 31, 24));
}

void ParabPoint(QPainter& p) {
    Axes(p, 5, 31, 32, 6);
    p.setPen(Pen(QColor(230, 110, 0), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Parabola(6, 30, 31, 10));
    Dot(p, QPointF(24.5, 15.5), kRedInk, 2.2);
    Text(p, QRectF(15, 16, 16, 14), QStringLiteral("?"), kRedInk, 12, false);
}

void ParabSpeedAngle(QPainter& p) {
    p.setPen(Pen(kAxis, 0.9));
    p.drawLine(QPointF(5, 29), QPointF(32, 29));
    Arrow(p, QPointF(6, 29), QPointF(25, 10), kBlueInk, 1.4);
    p.setPen(Pen(kRedInk, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-3, 20, 18, 18), 0, 45 * 16);
    Sub(p, 16, 27, QStringLiteral("\u03B8"), QStringLiteral("0"), kRedInk, 10);
    Sub(p, 5, 13, QStringLiteral("v"), QStringLiteral("0"), kBlueInk, 10);
    Text(p, QRectF(22, 1, 12, 12), QStringLiteral("?"), kRedInk, 11, false);
}

void ParabComponent(QPainter& p) {
    Arrow(p, QPointF(7, 29), QPointF(25, 10), kBlueInk, 1.3);
    QPen dash = Pen(kGreenInk, 1);
    dash.setDashPattern({2.0, 1.5});
    p.setPen(dash);
    p.drawLine(QPointF(7, 29), QPointF(25, 29));
    p.drawLine(QPointF(7, 29), QPointF(7, 10));
    Arrow(p, QPointF(7, 29), QPointF(27, 29), kGreenInk, 1);
    Arrow(p, QPointF(7, 29), QPointF(7, 7), kGreenInk, 1);
    Sub(p, 20, 26, QStringLiteral("v"), QStringLiteral("x"), kGreenInk, 10);
    Sub(p, 10, 11, QStringLiteral("v"), QStringLiteral("y"), kRedInk, 10);
    Text(p, QRectF(20, 2, 12, 12), QStringLiteral("?"), kRedInk, 11, false);
}

void ParabGraph(QPainter& p) {
    Axes(p, 5, 31, 32, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kBlueInk, 1.2));
    p.drawPath(Parabola(6, 30, 30, 9));
    p.setPen(Pen(kRedInk, 1.2));
    p.drawPath(Parabola(6, 30, 22, 17));
}

QPixmap ProcStrip(bool projectile, qreal dpr) {
    const int w = kProcPictures * kProcPictureWidth;
    QPixmap pm = NewPixmap(w, kProcPictureHeight, dpr, QColor(240, 240, 240));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < kProcPictures; ++i) {
        p.save();
        p.translate(i * kProcPictureWidth, 0);
        PicCell(p);
        if (!projectile) {
            switch (i) {
            case 0: RectEquations(p); break;
            case 1: RectSubstitute(p, false); break;
            case 2: RectSubstitute(p, true); break;
            case 3: RectGraph(p); break;
            default: RectDistance(p); break;
            }
        } else {
            switch (i) {
            case 0: ParabEquations(p); break;
            case 1: ParabPoint(p); break;
            case 2: ParabSpeedAngle(p); break;
            case 3: ParabComponent(p); break;
            default: ParabGraph(p); break;
            }
        }
        p.restore();
    }
    return pm;
}

}  // namespace

QPixmap ToolbarPixmap(qreal dpr) {
    if (dpr == 1) {
        const QImage stored = plat::StoredPixels(kToolbarArt, kToolbarWidth, kToolbarHeight);
        if (!stored.isNull()) return QPixmap::fromImage(stored);
    }
    return DrawToolbarPixmap(dpr);
}

QPixmap DrawToolbarPixmap(qreal dpr) {
    QPixmap pm = NewPixmap(kToolbarWidth, kToolbarHeight, dpr, kTeal);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    using Draw = void (*)(QPainter&);
    const Draw drawings[kToolbarButtons] = {DrawCalculator,  DrawIncline, DrawBeam,     DrawCar, DrawThrower,
                                            DrawGraphWindow, DrawDash,    DrawQuestion, DrawExit};
    for (int i = 0; i < kToolbarButtons; ++i) {
        p.save();
        p.translate(i * kToolbarButtonWidth, 0);
        ButtonFace(p, i < 6 ? QColor(Qt::white) : kKhaki);
        drawings[i](p);
        p.restore();
    }
    return pm;
}

QPixmap ProcPicturesByName(const QString& fileName, qreal dpr) {
    QString name = fileName.trimmed().toLower();
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/'))) name.remove(0, 1);
    if (name == QLatin1String("procs.bmp")) return ProcStrip(false, dpr);
    if (name == QLatin1String("procs1.bmp")) return ProcStrip(true, dpr);
    return {};
}

}  // namespace shell
