#include "calculator/stripkeys.h"

#include "platform/picture.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"

namespace calc {

void FillTeclas(plat::Picture& picOpt) {
    // Fixed strokes and captions: nothing here depends on input.
    for (int i = 0; i <= 4; ++i) {
        const double x = i * kOptKeyWidth;
        picOpt.FilledBox(x, 24, x + kOptKeyWidth, 1, 0xE0FFE0);
        picOpt.Box(x, 24, x + kOptKeyWidth, 1, 0x008000);
    }
    const char* captions[] = {"P", "TR", "*/^", "grd"};
    const int offsets[] = {8, 5, 5, 4};
    for (int k = 1; k <= 4; ++k) {
        picOpt.SetCurrentX((k - 1) * kOptKeyWidth + offsets[k - 1]);
        picOpt.SetCurrentY(18);
        picOpt.Print(QString::fromLatin1(captions[k - 1]));
    }
}

QString OptKeyTooltip(double x) {
    switch (static_cast<int>(rt::IntFloor(x / kOptKeyWidth)) + 1) {
    case 1: return QStringLiteral("Insertar un polinomio de grado n en el cuadro de expresiones");
    case 2: return QStringLiteral("Habilitar/Deshabilitar opción de teclas rápidas");
    case 3: return QStringLiteral("Cambiar de Notación programática a Notación polaca inversa y viceversa");
    case 4: return QStringLiteral("Fijar la unidad de medida de ángulos en grados o radianes");
    default: return QString();
    }
}

QString LblCalcTooltip(int index) {
    return index == 0 ? QStringLiteral("clic aquí borra el cuadro de expresiones")
                      : QStringLiteral("clic aquí borra el cuadro de resultados numéricos");
}

QStringList UnitsFor(int procedureCode) {
    switch (procedureCode) {
    case 58: return {"m", "km", "mm", "ft", "in", "mi"};
    case 59: return {"kg", "g", "ton", "oz", "lb", "slug"};
    case 60: return {"s", "min", "hr", "yr"};
    case 61: return {"m2", "ft2", "in2"};
    case 62: return {"m3", "ft3", "in3"};
    case 63: return {"m/s", "km/h", "ft/s", "mi/hr"};
    case 64: return {"m/s2", "km/h2", "ft/s2", "mi/hr2"};
    case 65: return {"N", "kgf", "lb"};
    case 66: return {"J", "erg", "watt-h", "kW-h"};
    case 67: return {"Pa", "bar", "mm-Hg"};
    case 68: return {"", "", ""};
    default: return {};
    }
}

}  // namespace calc
