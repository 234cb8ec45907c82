#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace plat {

namespace {
QClipboard* Board() { return QGuiApplication::clipboard(); }
}  // namespace

void ClearClipboard() {
    if (QClipboard* b = Board()) b->clear();
}

void SetClipboardText(const QString& text) {
    if (QClipboard* b = Board()) b->setText(text);
}

QString ClipboardText() {
    QClipboard* b = Board();
    return b ? b->text() : QString();
}

void SetClipboardImage(const QImage& image) {
    if (image.isNull()) return;
    if (QClipboard* b = Board()) b->setImage(image);
}

QImage ClipboardImage() {
    QClipboard* b = Board();
    return b ? b->image() : QImage();
}

}  // namespace plat
