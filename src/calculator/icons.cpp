#include "calculator/icons.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <numbers>

#include "numerics/mathutil.h"
#include "platform/fonts.h"
#include "platform/storedpixels.h"

namespace calc {

namespace {

// Top-left pixel of sheet cell (row, col); the cell's inside is the 30 by 29
// pixels right of and below its grid lines.
struct Cell {
    int x0, y0;
    QPointF P(double dx, double dy) const { return {x0 + dx, y0 + dy}; }
    QRect Inside() const { return QRect(x0 + 1, y0 + 1, kSheetCellWidth - 1, kSheetCellHeight - 1); }
};

Cell At(int row, int col) { return {(col - 1) * kSheetCellWidth, (row - 1) * kSheetCellHeight}; }

class Sheet {
public:
    explicit Sheet(QPainter& p) : p_(p) {}

    QFont Font(double points, bool bold = false, bool italic = false) const {
        QFont f = plat::MakeFont(QStringLiteral("Times New Roman"), points, bold, italic);
        f.setStyleStrategy(QFont::NoAntialias);
        return f;
    }

    // Text centred in the cell, made smaller until every line fits.
    void Text(Cell c, const QString& text, double points, bool bold = false, bool italic = false) {
        QFont f = Font(points, bold, italic);
        while (points > 5) {
            const QRect r = QFontMetrics(f).boundingRect(QRect(0, 0, 200, 200), Qt::AlignCenter, text);
            if (r.width() <= kSheetCellWidth - 3 && r.height() <= kSheetCellHeight - 2) break;
            points -= 0.5;
            f = Font(points, bold, italic);
        }
        p_.setFont(f);
        p_.drawText(c.Inside(), Qt::AlignCenter, text);
    }

    // Text with its baseline starting at (dx, dy) of the cell.
    void TextAt(Cell c, double dx, double dy, const QString& text, double points, bool italic = true) {
        p_.setFont(Font(points, false, italic));
        p_.drawText(c.P(dx, dy), text);
    }

    // A fraction: numerator over a bar over denominator.
    void Fraction(Cell c, const QString& num, const QString& den, double points) {
        p_.setFont(Font(points, false, true));
        p_.drawText(QRect(c.x0 + 1, c.y0 + 2, 30, 12), Qt::AlignCenter, num);
        p_.drawLine(c.P(6, 15), c.P(25, 15));
        p_.drawText(QRect(c.x0 + 1, c.y0 + 16, 30, 12), Qt::AlignCenter, den);
    }

    void Line(Cell c, double x1, double y1, double x2, double y2) { p_.drawLine(c.P(x1, y1), c.P(x2, y2)); }

    void Arrow(Cell c, double x1, double y1, double x2, double y2, double head = 4) {
        Line(c, x1, y1, x2, y2);
        const double a = std::atan2(y2 - y1, x2 - x1);
        for (double side : {-0.45, 0.45}) {
            const double b = a + std::numbers::pi + side;
            Line(c, x2, y2, x2 + head * std::cos(b), y2 + head * std::sin(b));
        }
    }

    void Dot(Cell c, double x, double y) { p_.fillRect(QRectF(c.x0 + x, c.y0 + y, 2, 2), Qt::black); }

    void Poly(Cell c, std::initializer_list<QPointF> pts, bool closed) {
        QPolygonF poly;
        for (const QPointF& q : pts) poly << c.P(q.x(), q.y());
        if (closed)
            p_.drawPolygon(poly);
        else
            p_.drawPolyline(poly);
    }

    void Curve(Cell c, double xFrom, double xTo, const std::function<double(double)>& y) {
        QPolygonF poly;
        for (double x = xFrom; x <= xTo + 1e-9; x += 0.5) poly << c.P(x, y(x));
        p_.drawPolyline(poly);
    }

    // Axes with arrowheads, crossing at (ox, oy).
    void Axes(Cell c, double ox, double oy) {
        Arrow(c, ox - 2, oy, 28, oy, 3);
        Arrow(c, ox, oy + 2, ox, 3, 3);
    }

    QPainter& painter() { return p_; }

private:
    QPainter& p_;
};

// ---- icons used in more than one cell

void Matrix(Sheet& s, Cell c) {
    s.Line(c, 5, 5, 5, 25);
    s.Line(c, 25, 5, 25, 25);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) s.Dot(c, 9.5 + 5 * j, 8.5 + 6 * i);
}

void Triangle(Sheet& s, Cell c) { s.Poly(c, {{4, 24}, {27, 24}, {11, 6}}, true); }

void Graph(Sheet& s, Cell c) {
    s.Axes(c, 6, 24);
    s.Curve(c, 7, 26, [](double x) { return 22 - std::pow((x - 7) / 19, 2) * 16; });
}

void Crossing(Sheet& s, Cell c) {
    s.Arrow(c, 3, 15, 28, 15, 3);
    s.Curve(c, 4, 26, [](double x) { return 15 - 9 * std::sin((x - 4) / 22 * 1.6 * std::numbers::pi); });
}

void PointsLine(Sheet& s, Cell c) {
    for (const QPointF& q :
         {QPointF(5, 21), QPointF(9, 21), QPointF(13, 15), QPointF(18, 14), QPointF(21, 9), QPointF(25, 8)})
        s.Dot(c, q.x(), q.y());
    s.Line(c, 3, 25, 28, 5);
}

void PointsCurve(Sheet& s, Cell c) {
    auto f = [](double x) { return 24 - 18 * std::sin((x - 3) / 25 * std::numbers::pi * 0.9); };
    for (double x : {5.0, 10.0, 15.0, 20.0, 25.0}) s.Dot(c, x - 1, f(x) + (int(x) % 2 ? 1.5 : -2.5));
    s.Curve(c, 3, 28, f);
}

void ForceGroupIcon(Sheet& s, Cell c) { s.Text(c, QStringLiteral("R"), 14, true); }

}  // namespace

QImage DrawIconSheet() {
    QImage img(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        Sheet s(p);

        // Grid lines.
        for (int x = 0; x < kSheetWidth; x += kSheetCellWidth) p.drawLine(x, 0, x, kSheetHeight - 1);
        for (int y = 0; y < kSheetHeight; y += kSheetCellHeight) p.drawLine(0, y, kSheetWidth - 1, y);

        // Row 1: the groups.
        Matrix(s, At(1, 1));
        s.Text(At(1, 2), QStringLiteral("x²"), 11, false, true);
        Triangle(s, At(1, 3));
        s.Text(At(1, 4), QStringLiteral("f(x)"), 9, false, true);
        Graph(s, At(1, 5));
        PointsLine(s, At(1, 6));
        {
            const Cell c = At(1, 7);
            s.Line(c, 5, 26, 28, 26);
            s.Line(c, 5, 26, 5, 3);
            s.Arrow(c, 5, 26, 24, 8, 5);
        }
        ForceGroupIcon(s, At(1, 8));

        // Row 2: matrices, triangles and polygons, graphs.
        Matrix(s, At(2, 1));
        s.Text(At(2, 2), QStringLiteral("Ax=b"), 8, false, true);
        Triangle(s, At(2, 3));
        {
            const Cell c = At(2, 4);
            s.Axes(c, 4, 26);
            s.Poly(c, {{9, 22}, {26, 17}, {14, 7}}, true);
        }
        s.Poly(At(2, 5), {{5, 20}, {13, 26}, {26, 21}, {24, 8}, {11, 5}}, true);
        Graph(s, At(2, 6));
        {
            const Cell c = At(2, 7);
            s.Line(c, 4, 25, 28, 25);
            s.Line(c, 4, 25, 26, 6);
            s.painter().drawArc(QRectF(c.x0 + 4 - 10, c.y0 + 25 - 10, 20, 20), 0, 40 * 16);
            s.TextAt(c, 16, 23, QStringLiteral("θ"), 7);
            s.TextAt(c, 9, 13, QStringLiteral("r"), 8);
        }
        s.Text(At(2, 8), QStringLiteral("x(u)\ny(u)"), 7, false, true);

        // Row 3: equations, force systems.
        s.Text(At(3, 1), QStringLiteral("x²"), 11, false, true);
        s.Text(At(3, 2), QStringLiteral("( )²"), 10);
        s.Text(At(3, 3), QStringLiteral("x³"), 11, false, true);
        s.Text(At(3, 4), QStringLiteral("cos θ\nsen θ"), 7);
        Crossing(s, At(3, 5));
        {
            const Cell c = At(3, 6);
            s.Arrow(c, 2, 25, 28, 25, 3);
            s.Arrow(c, 7, 11, 7, 24);
            s.Arrow(c, 15, 4, 15, 24);
            s.Arrow(c, 23, 15, 23, 24);
        }
        {
            const Cell c = At(3, 7);
            s.Poly(c, {{2, 26}, {19, 26}, {28, 18}, {11, 18}}, true);
            s.Arrow(c, 9, 6, 9, 24);
            s.Arrow(c, 17, 3, 17, 21);
            s.Arrow(c, 23, 10, 23, 21);
        }
        {
            const Cell c = At(3, 8);
            s.Arrow(c, 3, 26, 12, 15);
            s.Arrow(c, 14, 24, 28, 21);
            s.Arrow(c, 17, 15, 25, 4);
            s.Arrow(c, 12, 8, 3, 4);
        }
        {
            const Cell c = At(3, 9);
            s.painter().drawRect(QRectF(c.x0 + 3, c.y0 + 22, 25, 4));
            auto load = [](double x) { return 17 - std::pow((x - 3) / 25, 2) * 13; };
            s.Curve(c, 3, 28, load);
            s.Line(c, 3, 17, 3, 21);
            s.Line(c, 28, 4, 28, 21);
            for (double x : {9.0, 15.0, 21.0}) s.Arrow(c, x, load(x) + 1, x, 21, 3);
        }

        // Row 4: functions.
        s.Text(At(4, 1), QStringLiteral("x"), 12, false, true);
        s.Text(At(4, 2), QStringLiteral("x, y"), 9, false, true);
        s.Text(At(4, 3), QStringLiteral("x,y,z"), 8, false, true);
        s.Text(At(4, 4), QStringLiteral("x1,x2\nΔx"), 7, false, true);
        s.Fraction(At(4, 5), QStringLiteral("df"), QStringLiteral("dx"), 7);
        s.Fraction(At(4, 6), QStringLiteral("d²f"), QStringLiteral("dx²"), 7);
        s.Text(At(4, 7), QStringLiteral("∫f dx"), 8, false, true);
        Crossing(s, At(4, 8));
        Graph(s, At(4, 9));

        // Row 5: least squares, then the laws of plane kinematics.
        PointsLine(s, At(5, 1));
        s.Text(At(5, 2), QStringLiteral("x\nln y"), 7, false, true);
        s.Text(At(5, 3), QStringLiteral("ln x\nln y"), 7, false, true);
        PointsCurve(s, At(5, 4));
        s.Text(At(5, 5), QStringLiteral("x(t)"), 8, false, true);
        s.Text(At(5, 6), QStringLiteral("v(t,x)"), 7, false, true);
        s.Text(At(5, 7), QStringLiteral("a(t,x,v)"), 7, false, true);
        s.Text(At(5, 8), QStringLiteral("x(t)\ny(t)"), 7, false, true);
        s.Text(At(5, 9), QStringLiteral("r(t)\nθ(t)"), 7, false, true);

        // Row 6: vectors.
        {
            const Cell c = At(6, 1);
            s.Arrow(c, 4, 25, 27, 18, 5);
            s.Arrow(c, 4, 25, 13, 4, 5);
        }
        s.Text(At(6, 2), QStringLiteral("ΣF"), 10, true);
        s.Text(At(6, 3), QStringLiteral("ΣλF"), 9, true);
        s.Text(At(6, 4), QStringLiteral("ΣM"), 10, true);
        {
            const Cell c = At(6, 5);
            s.Line(c, 3, 21, 28, 21);
            s.Line(c, 9, 27, 9, 3);
            const double a = 30 * num::kDegToRad;
            s.Arrow(c, 9, 21, 9 + 18 * std::cos(a), 21 - 18 * std::sin(a), 3);
            s.Arrow(c, 9, 21, 9 - 16 * std::sin(a), 21 - 16 * std::cos(a), 3);
        }
        s.Text(At(6, 6), QStringLiteral("{a,b}"), 9, false, true);
        {
            const Cell c = At(6, 7);
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            s.Poly(c, {{3, 26}, {18, 26}, {28, 8}, {13, 8}}, true);
            p.setPen(QPen(Qt::black, 1));
            s.Arrow(c, 3, 26, 27, 9, 5);
        }
    }
    // Keep the sheet two-coloured, whatever the rasteriser did.
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) line[x] = qGray(line[x]) < 160 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return img;
}

QImage IconSheet() {
    const QImage stored = plat::StoredPixels(kIconSheetArt, kSheetWidth, kSheetHeight);
    return stored.isNull() ? DrawIconSheet() : stored;
}

}  // namespace calc
