#pragma once
// Reader of vector texts made of numbers only, for the calculator's vector
// procedures and the force-system reductions.
#include <string_view>

#include "runtime/variant.h"
#include "vectors/notation.h"

namespace vec {

// A plane vector read from a text. Fields by index: 0 Mag, 1 Dir, 2 X, 3 Y,
// 4 Hour, 5 Alpha.
struct VectorSpec {
    enum Index : int { kMag = 0, kDir, kX, kY, kHour, kAlpha, kCount };

    double Mag = 0;  // magnitude ("M<D" and "cAe,M" keep a typed negative one)
    double Dir = 0;  // direction in degrees, -180 to 180
    double X = 0;    // components, not rounded
    double Y = 0;
    int Hour = 0;  // clock hour 1 to 12 of the direction
    // Acute angle from the hour's reference axis: the typed text of the
    // angle (blanks around it removed) for the quadrant formats, a number
    // otherwise.
    rt::Variant Alpha;

    // Field by index; an index outside 0..5 is a program fault.
    rt::Variant Field(int i) const;
};

// Reads a text of the notation holding numbers only (blanks at both ends are
// ignored; no symbols and no trailing ":"; the minus sign U+2212 is a minus).
// A refusal carries one of the
// notation's messages; a number that does not convert, or an arithmetic fault,
// gives "Error en la especificación del vector.". A comma between digits that
// may be a decimal comma, or upper-case letters of the notation, add their
// hint to the message (RefusalText).
ParseResult<VectorSpec> ParseNumericVector(std::string_view text);

}  // namespace vec
