#pragma once
// The calculator's vector procedures on the drawing picture: the vector plot
// and its axes, and each procedure run whole (computed, drawn, its result
// lines handed back for the calculator to write into the result pane). A
// run-time failure (a refused text, a cell that is not a number) raises
// rt::RuntimeError, which the calculator's run button reports; the picture
// keeps whatever was drawn before it.
#include <span>
#include <string>

#include "text/globals.h"
#include "vectors/vecproc.h"

namespace plat {
class Picture;
}

namespace vecui {

// Centre of the drawing picture, where the rotation is drawn.
inline constexpr double kCentreX = 198;
inline constexpr double kCentreY = 192;

// Clears the picture and the shape registry and draws the records as arrows
// from one origin, to one scale, over grey axes; each arrow is labelled with
// its magnitude and registered as "Flecha-1" .. "Flecha-n" in record order.
// The pen is left at the origin.
void DrawVectors(plat::Picture& pic, std::span<const vec::VecRec> vecs, int decimals = text::G().Decimals);
// Grey axes crossing at the pixel (x0, y0), labelled X and Y; the pen is
// left at the crossing. Does not clear the picture.
void DrawAxes(plat::Picture& pic, double x0, double y0);

// Each procedure draws its plot and returns the lines to write.
vec::ResultText CombineTwoVectors(plat::Picture& pic, const std::string& s1, const std::string& s2,
                                  int decimals = text::G().Decimals);
// The sum of every cell, or the linear combination of the cells taken as
// (factor, vector) pairs. The arrows stay registered.
vec::ResultText SumVectors(plat::Picture& pic, std::span<const std::string> cells, int decimals = text::G().Decimals);
vec::ResultText CombineVectors(plat::Picture& pic, std::span<const std::string> cells,
                               int decimals = text::G().Decimals);
vec::ResultText RotateVectorOrAxes(plat::Picture& pic, double theta, const std::string& vectorText,
                                   const std::string& mode, int decimals = text::G().Decimals);
// A pair that is not a basis is answered with a message box; then nothing
// is drawn and no line is returned.
vec::ResultText SolveLinearCombination(plat::Picture& pic, std::span<const std::string> specs,
                                       int decimals = text::G().Decimals);
vec::ResultText VectorFromProjections(plat::Picture& pic, const std::string& a, double ca, const std::string& b,
                                      double cb, int decimals = text::G().Decimals);

}  // namespace vecui
