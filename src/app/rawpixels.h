#pragma once
// What the build steps that draw pictures for the program's resources
// write: the pixels of an RGB32 image, 32 bits each, row by row, nothing
// else, so that the program can take them as they are (plat::StoredPixels).
#include <QFile>
#include <QImage>
#include <QString>

namespace app {

// False when the file cannot be written.
inline bool WriteRawPixels(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QFile out(path);
    bool ok = out.open(QIODevice::WriteOnly);
    for (int y = 0; ok && y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(rgb.constScanLine(y));
        ok = out.write(row, qint64(rgb.width()) * 4) == qint64(rgb.width()) * 4;
    }
    return ok;
}

}  // namespace app
