// Build step: draws the procedure bar's icon sheet and writes its pixels
// (32 bits each, row by row) to a file, which the program carries as a
// resource instead of drawing the sheet, with its faces and text, while it
// starts. Usage: icon_sheet_art <file>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "app/rawpixels.h"
#include "calculator/icons.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_sheet_art <file>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QImage image = calc::DrawIconSheet();
    if (image.width() != calc::kSheetWidth || image.height() != calc::kSheetHeight ||
        !app::WriteRawPixels(image, QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "icon_sheet_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
