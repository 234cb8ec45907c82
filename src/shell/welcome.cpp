#include "shell/welcome.h"

#include <array>
#include <cmath>

#include "platform/picture.h"
#include "platform/storedpixels.h"
#include "shell/drawpicture.h"

namespace shell {

namespace {

struct ListLine {
    const char* text;  // UTF-8
    rt::ColorRef color;
};

constexpr std::array<ListLine, 10> kList{{
    {"Calculadora científica", 0x00FF00},
    {"Equilibrio de la partícula", 0x008080},
    {"Equilibrio del cuerpo rígido", 0xFF00FF},
    {"Movimiento rectilíneo uniformemente acelerado", 0xFFFF00},
    {"Movimiento de tiro parabólico", 0x0000FF},
    {"Elementos de Cinemática plana general", 0xFF0000},
    {"-----------------------", 0x808080},
    {"Preferencias e Impresión", 0x000080},
    {"Ayuda contextual", 0x000080},
    {"Salir del programa", 0x000080},
}};

void PrintCentred(plat::Picture& pic, const SharedState& st, const QString& text, double fromTop) {
    const double w = std::abs(pic.TextWidth(text));
    MoveTo(pic, (st.PicWidth - w) / 2, st.PicHeight - fromTop, false);
    pic.Print(text);
}

}  // namespace

void DrawWelcome(plat::Picture& pic, const SharedState& st) {
    // Fixed texts at fixed places: nothing here depends on input, so nothing
    // may fail; a failure would be a fault of the program, for the guard.
    pic.SetForeColor(0xC000C0);
    pic.SetFontSize(14);
    PrintCentred(pic, st, QStringLiteral("BIENVENIDO AL PROGRAMA"), 40);
    pic.SetFontSize(20);
    pic.SetForeColor(0xFF0000);
    PrintCentred(pic, st, QStringLiteral("TELUVAR"), 70);

    pic.SetForeColor(0x808080);
    pic.SetFontSize(12);
    MoveTo(pic, 362, 368, false);
    DrawArrow(pic, 1, true, true, 0, false, 0x808080, rt::Variant(""), 3, 3, 0);
    pic.LineStep(0, -111);
    pic.LineStep(-104, 0);
    MoveTo(pic, 95, 270, false);
    pic.Print(QStringLiteral("Barra de herramientas"));

    pic.SetFontSize(10);
    for (int i = 0; i < static_cast<int>(kList.size()); ++i) {
        MoveTo(pic, 105, 240 - 17 * i, false);
        pic.SetForeColor(kList[i].color);
        pic.Print(QString::fromUtf8(kList[i].text));
    }
    pic.SetForeColor(rt::kBlack);
    pic.SetFontSize(10);
}

bool ShowStoredWelcome(plat::Picture& pic, const SharedState& st) {
    // What the build drew on: a new picture's ground and face, y up.
    const bool startUpPicture =
        st.PicWidth == kWelcomeWidth && st.PicHeight == kWelcomeHeight && pic.width() == kWelcomeWidth &&
        pic.height() == kWelcomeHeight && pic.ScaleWidth() == kWelcomeWidth && pic.ScaleHeight() == -kWelcomeHeight &&
        pic.Drawn().empty() && pic.BackColor() == rt::kWhite && pic.FontName() == QLatin1String("Times New Roman") &&
        !pic.FontBold() && !pic.FontItalic();
    if (!startUpPicture) return false;
    const QImage stored = plat::StoredPixels(kWelcomeArt, kWelcomeWidth, kWelcomeHeight);
    if (stored.isNull()) return false;
    pic.PaintImage(stored, 0, 0, QStringLiteral("welcome"));
    pic.SetForeColor(rt::kBlack);
    pic.SetFontSize(10);
    return true;
}

}  // namespace shell
