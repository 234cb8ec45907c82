// Build step: draws the toolbar picture and writes its pixels (32 bits each,
// row by row) to a file, which the program carries as a resource and shows
// at start-up instead of drawing it then. Usage: toolbar_art <file>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "app/rawpixels.h"
#include "shell/toolbar.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: toolbar_art <file>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QImage image = shell::DrawToolbarPixmap(1).toImage();
    if (image.width() != shell::kToolbarWidth || image.height() != shell::kToolbarHeight ||
        !app::WriteRawPixels(image, QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "toolbar_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
