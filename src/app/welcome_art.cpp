// Build step: draws the welcome page on a picture like the start-up one and
// writes its pixels (32 bits each, row by row) to a file, which the program
// carries as a resource and shows at start-up instead of drawing it then.
// Usage: welcome_art <file>
#include <QApplication>
#include <cstdio>

#include "app/rawpixels.h"
#include "platform/picture.h"
#include "shell/welcome.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: welcome_art <file>\n");
        return 2;
    }
    QApplication app(argc, argv);
    plat::Picture pic(QStringLiteral("pic"));
    pic.Move(0, 0, shell::kWelcomeWidth, shell::kWelcomeHeight);
    pic.ScaleYUp();
    shell::SharedState st;
    st.PicWidth = shell::kWelcomeWidth;
    st.PicHeight = shell::kWelcomeHeight;
    shell::DrawWelcome(pic, st);
    const QImage& image = pic.Image();
    if (image.width() != shell::kWelcomeWidth || image.height() != shell::kWelcomeHeight ||
        !app::WriteRawPixels(image, QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "welcome_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
