#pragma once
// Graphs of a typed function: the samples of y = f(x), r = f(θ) and
// x = f(u), y = g(u), and the layout of a list of points in the square plot
// frame (scales, axes, labels, the curve in pixels of the drawing picture,
// y upwards). Plain computation: graphs_draw.h puts the layout on a picture.
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/colors.h"
#include "runtime/outcome.h"
#include "runtime/variant.h"

namespace calc {

inline constexpr rt::ColorRef kCurveBlue = 0xFF0000;
inline constexpr rt::ColorRef kGraphFrameColour = 0xFFFFC0;
inline constexpr rt::ColorRef kGraphAxisColour = 0xC0C0C0;
inline constexpr int kCartesianPoints = 301;

// The square plot frame in pixels of the drawing picture (y up).
struct PlotFrame {
    double left = 48, bottom = 42, side = 301;
};

// The points of a curve; refused with the message of a formula that does
// not compile (the run stops there and nothing is drawn).
struct CurveSamples {
    std::vector<double> x, y;
};

// Samples of procedure 20 (y = f(x), 301 points from the smaller to the
// greater of x1 and x2), 21 (r = f(θ) in radians, 301 points or the third
// argument, as x = r cos θ, y = r sin θ) or 22 (text "f(u) & g(u)", 301
// points or the third argument). `text` is the expression box as it stands.
// Run-time errors (a point outside the formula's domain, a missing "&",
// a count of points below 2 or beyond 16 bits, a missing argument) raise
// rt::RuntimeError. Trigonometric functions follow num::AngleFactor.
// The samples are written into the buffers of `reuse` (what it holds is
// dropped): a caller that draws graph after graph hands back the buffers of
// the last one, and a long curve touches no fresh memory.
rt::Outcome<CurveSamples> SampleCurve(int procedureCode, std::string_view text, std::span<const rt::Variant> args,
                                      CurveSamples reuse = {});

// A text printed with its top-left corner at (x, y).
struct PlotLabel {
    std::string text;
    double x = 0, y = 0;
};

// Where everything of a graph of points goes. Each coordinate is mapped from
// the least to the greatest value of the points into the frame; ordinates
// spanning less than 1E-05 take 0 as the lower end. A mapping that cannot be
// made (all abscissas equal, a curve that is 0 everywhere) leaves the scaled
// values at 0, as the axes and labels that depend on it.
struct PointsGraph {
    PlotFrame frame;
    bool drawFrame = true;       // the frame box, in kGraphFrameColour
    std::vector<double> px, py;  // the curve, in pixels
    rt::ColorRef colour = kCurveBlue;
    bool verticalAxis = false;    // x = 0 at px0, grey, over the frame's height
    bool horizontalAxis = false;  // y = 0 at py0, grey, over the frame's width
    double px0 = 0, py0 = 0;
    PlotLabel xMin, xMax, yMax, yMin;  // "Ymax = ", "Ymin = " rounded to the decimals
};

using TextWidth = std::function<double(const std::string&)>;

// The layout of the points (x[i], y[i]); labelX is where "Ymax = " and
// "Ymin = " start; width measures a label as the picture prints it.
PointsGraph LayoutGraphPoints(std::span<const double> x, std::span<const double> y, rt::ColorRef colour, double labelX,
                              bool drawFrame, const PlotFrame& frame, int decimals, const TextWidth& width);
// The same layout made in the points' own buffers: px and py are x and y
// mapped in place.
PointsGraph LayoutGraphPoints(CurveSamples points, rt::ColorRef colour, double labelX, bool drawFrame,
                              const PlotFrame& frame, int decimals, const TextWidth& width);

}  // namespace calc
