#pragma once
// The system clipboard, for text and pictures. Failures are not reported:
// a text that cannot be read comes back empty, an image that cannot be
// placed is dropped (the program ignores both).
#include <QImage>
#include <QString>

namespace plat {

void ClearClipboard();
void SetClipboardText(const QString& text);
QString ClipboardText();
void SetClipboardImage(const QImage& image);
QImage ClipboardImage();

}  // namespace plat
