#pragma once
// Drawing the direction clock on its picture (device pixels, y down): the
// ring of hour and corner cells around the blue centre square with its axes,
// turned by the rotation of the particle-statics axes, and the marking of a
// picked hour.
#include "runtime/colors.h"
#include "vectors/clockhit.h"

namespace plat {
class Picture;
}

namespace vecui {

inline constexpr rt::ColorRef kClockCentreColor = 0xFF0000;  // blue
inline constexpr rt::ColorRef kClockAxisColor = 0xFFFFFF;    // white
inline constexpr rt::ColorRef kClockYellow = 0x00FFFF;       // +x half-axis, dot, marks
inline constexpr rt::ColorRef kClockCornerColor = 0xFFFFC0;  // light cyan
inline constexpr rt::ColorRef kClockHourColor = 0xE0E0E0;    // light grey
inline constexpr rt::ColorRef kClockMarkColor = 0xFFC0FF;    // light pink

// Clears the picture and draws the clock turned by rotDeg, centred in the
// picture's inner height. noMark false paints the hour-3 cell as marked
// (whatever hour is current); true paints every hour cell grey. Returns the
// unturned lattice of the clock drawn. Leaves the picture with a transparent
// fill, black foreground, white fill colour and line width 1. A drawing call
// that fails is skipped and the drawing goes on.
vec::ClockLattice DrawClockOn(plat::Picture& pic, double rotDeg, bool noMark);

// Marks `hour` on a clock just drawn by DrawClockOn: the centre square again,
// the previously marked hour's cell grey and this hour's cell pink, a white
// cross through the centre along the hour, a yellow line to the reference
// axis, a thick one to the hour and, for an oblique hour, the chord showing
// the angle; then the yellow centre dot. Moves the drawing engine's pen to
// the centre. The hours are the program's own (a pick of the clock): one
// outside 1..12 is an rt::ProgramFault.
void MarkClockHour(plat::Picture& pic, const vec::ClockLattice& lattice, double rotDeg, int previousHour, int hour);

}  // namespace vecui
