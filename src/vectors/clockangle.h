#pragma once
// The acute angle of the direction frame: what the angle box holds after an
// hour is picked on the clock, the step buttons, and the angle given by the
// arctangent of an expression. Texts in, texts out, as the boxes hold them;
// numbers are written in their shortest decimal form.
#include <string>
#include <string_view>

#include "runtime/outcome.h"

namespace vec {

// The number in the angle box (blanks around it allowed, a decimal comma and
// the exponent form read as typed); a text that is not a number raises
// TypeMismatch.
double AngleBoxNumber(std::string_view text);

// The angle box after a click picked `hour` (corner: a corner cell): "0" at
// an axis hour, "45" for a corner, "30" when the box holds 0, otherwise the
// box unchanged (a non-numeric box then raises TypeMismatch).
std::string AngleTextAfterPick(int hour, bool corner, std::string_view angleText);

// The angle box after a step button: the box plus the step when that stays
// below 90, otherwise the box unchanged. No lower limit. A non-numeric box
// or step raises TypeMismatch.
std::string SteppedAngleText(std::string_view angleText, std::string_view stepCaption);

// The text of the angle whose tangent is the value of an expression with no
// variables, in degrees rounded to 3 decimals; refused with what to tell the
// user.
rt::Outcome<std::string> ArcTanAngleText(std::string_view typed);

}  // namespace vec
