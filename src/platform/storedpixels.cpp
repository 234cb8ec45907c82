#include "platform/storedpixels.h"

#include <QResource>

namespace plat {

QImage StoredPixels(const char* path, int width, int height) {
    const QResource stored{QLatin1String(path)};
    const qsizetype bytes = qsizetype(width) * height * 4;
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() != bytes)
        return {};
    return QImage(stored.data(), width, height, QImage::Format_RGB32);
}

}  // namespace plat
