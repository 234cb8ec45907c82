#include "shell/welcome.h"

#include <array>
#include <cmath>

#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/drawpicture.h"

namespace shell {

namespace {

constexpr const char* kStatementSkipped = "a welcome-page line that fails is left out; the page is only a greeting";

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
    rt::IgnoreError(kStatementSkipped, [&] {
        pic.SetForeColor(0xC000C0);
        pic.SetFontSize(14);
    });
    rt::IgnoreError(kStatementSkipped, [&] { PrintCentred(pic, st, QStringLiteral("BIENVENIDO AL PROGRAMA"), 40); });
    rt::IgnoreError(kStatementSkipped, [&] {
        pic.SetFontSize(20);
        pic.SetForeColor(0xFF0000);
    });
    rt::IgnoreError(kStatementSkipped, [&] { PrintCentred(pic, st, QStringLiteral("TELUVAR"), 70); });

    rt::IgnoreError(kStatementSkipped, [&] {
        pic.SetForeColor(0x808080);
        pic.SetFontSize(12);
    });
    rt::IgnoreError(kStatementSkipped, [&] { MoveTo(pic, 362, 368, false); });
    rt::IgnoreError(kStatementSkipped,
                    [&] { DrawArrow(pic, 1, true, true, 0, false, 0x808080, rt::Variant(""), 3, 3, 0); });
    rt::IgnoreError(kStatementSkipped, [&] { pic.LineStep(0, -111); });
    rt::IgnoreError(kStatementSkipped, [&] { pic.LineStep(-104, 0); });
    rt::IgnoreError(kStatementSkipped, [&] { MoveTo(pic, 95, 270, false); });
    rt::IgnoreError(kStatementSkipped, [&] { pic.Print(QStringLiteral("Barra de herramientas")); });

    rt::IgnoreError(kStatementSkipped, [&] { pic.SetFontSize(10); });
    for (int i = 0; i < static_cast<int>(kList.size()); ++i) {
        rt::IgnoreError(kStatementSkipped, [&] { MoveTo(pic, 105, 240 - 17 * i, false); });
        rt::IgnoreError(kStatementSkipped, [&] { pic.SetForeColor(kList[i].color); });
        rt::IgnoreError(kStatementSkipped, [&] { pic.Print(QString::fromUtf8(kList[i].text)); });
    }
    rt::IgnoreError(kStatementSkipped, [&] {
        pic.SetForeColor(rt::kBlack);
        pic.SetFontSize(10);
    });
}

}  // namespace shell
