#pragma once
// The small pieces around the expression strip: the option keys drawn on
// picOpt with their tooltips, the tooltips of the two clearing labels, and
// the unit lists of the conversion panel.
#include <QString>
#include <QStringList>

namespace plat {
class Picture;
}

namespace calc {

inline constexpr double kOptKeyWidth = 24;

// Draws the five key cells (the fifth has no caption) and the captions
// "P", "TR", "*/^", "grd" on picOpt, in its y-up scale. A statement that
// fails at run time is skipped.
void FillTeclas(plat::Picture& picOpt);

// The tooltip of the option key under x (key Int(x / 24) + 1); empty where
// there is no key.
QString OptKeyTooltip(double x);

// Tooltips of lblCalc(0) (">", empties the expression box) and lblCalc(1)
// ("=", empties the result box).
QString LblCalcTooltip(int index);

// Unit names for the conversion codes 58 to 68; empty for any other code.
QStringList UnitsFor(int procedureCode);

}  // namespace calc
