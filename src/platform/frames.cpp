#include "platform/frames.h"

#include <QPainter>
#include <algorithm>

#include "platform/common.h"

namespace plat {

Frame::Frame(const QString& name, QWidget* parent) : QGroupBox(parent) {
    setObjectName(name);
    // Opaque: a frame hides whatever lies beneath it (panels overlap).
    setAutoFillBackground(true);
}

LineShape::LineShape(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineShape::SetPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Place();
}

void LineShape::SetBorderColor(rt::ColorRef color) {
    color_ = color;
    update();
}

void LineShape::SetBorderWidth(int pixels) {
    width_ = std::max(1, pixels);
    Place();
}

void LineShape::Place() {
    const int pad = width_;
    setGeometry(std::min(x1_, x2_) - pad, std::min(y1_, y2_) - pad, std::abs(x2_ - x1_) + 2 * pad + 1,
                std::abs(y2_ - y1_) + 2 * pad + 1);
    update();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(ToQColor(color_));
    pen.setWidth(width_);
    p.setPen(pen);
    const QPoint origin = pos();
    p.drawLine(QPoint(x1_, y1_) - origin, QPoint(x2_, y2_) - origin);
}

Shape::Shape(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::SetBorderColor(rt::ColorRef color) {
    borderColor_ = color;
    update();
}

void Shape::SetBorderWidth(int pixels) {
    borderWidth_ = std::max(0, pixels);
    update();
}

void Shape::SetFillColor(rt::ColorRef color) {
    fillColor_ = color;
    update();
}

void Shape::SetFillStyle(Fill fill) {
    fill_ = fill;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (fill_ != Fill::Transparent) {
        if (fill_ == Fill::SeeThrough) p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.fillRect(r, ToQColor(fillColor_));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (borderWidth_ > 0) {
        QPen pen(ToQColor(borderColor_));
        pen.setWidth(borderWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const double half = borderWidth_ / 2.0;
        p.drawRect(QRectF(r).adjusted(half, half, -half, -half));
    }
}

}  // namespace plat
