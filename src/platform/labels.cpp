#include "platform/labels.h"

#include <QMouseEvent>
#include <QPixmap>

#include "platform/common.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/keys.h"

namespace plat {

Label::Label(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& caption) {
    caption_ = caption;
    setText(Shown());
}

void Label::SetFace(const QString& faceName, double points, bool bold, bool italic) {
    face_ = faceName;
    setFont(MakeFont(faceName, points, bold, italic));
    setText(Shown());
}

void Label::SetBackColor(rt::ColorRef color) {
    backColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::SetForeColor(rt::ColorRef color) {
    foreColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click && Click) Guarded(Click);
}

Image::Image(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);  // MouseMove also without a button held
}

bool Image::LoadPicture(const QString& path) {
    QPixmap p;
    if (!p.load(path)) return false;
    SetPicture(p);
    return true;
}

void Image::SetPicture(const QPixmap& picture) {
    setPixmap(picture);
    // A high-density pixmap has more device pixels than it covers.
    resize(picture.deviceIndependentSize().toSize());
}

namespace {
void Raise(const MouseHandler& h, QMouseEvent* e, int button) {
    e->accept();
    if (!h) return;
    const QPointF p = e->position();
    Guarded([&] { h(button, ShiftMask(e->modifiers()), p.x() * 15.0, p.y() * 15.0); });
}
}  // namespace

void Image::mousePressEvent(QMouseEvent* e) { Raise(MouseDown, e, MouseButtonCode(e->button())); }

void Image::mouseMoveEvent(QMouseEvent* e) { Raise(MouseMove, e, MouseButtonsCode(e->buttons())); }

void Image::mouseReleaseEvent(QMouseEvent* e) { Raise(MouseUp, e, MouseButtonCode(e->button())); }

}  // namespace plat
