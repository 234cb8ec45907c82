#pragma once
// Pictures the build drew with the program's own drawing code and carries as
// resources of raw pixels (32 bits each, row by row, nothing else,
// uncompressed): the program shows them at start-up instead of drawing them
// then. The build writes them with app::WriteRawPixels.
#include <QImage>

namespace plat {

// The stored picture at resource path, width by height pixels, over the
// resource's own memory; a null image when the program does not carry it
// or it is not a picture of that size.
QImage StoredPixels(const char* path, int width, int height);

}  // namespace plat
