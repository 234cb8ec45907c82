#pragma once
// The working record of the vector procedures and force-system reductions,
// the plot frame they draw into, and the layout of a vector plot (arrows from
// one common origin, one scale for both axes). Pure computation: the drawing
// itself is in vectors/ui.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/colors.h"
#include "runtime/errors.h"
#include "vectors/numeric_parser.h"

namespace vec {

// Plot frame shared by the graphs and force-system drawings (pixels of the
// drawing picture, y upwards) and the pixels per drawing unit of arrows.
inline constexpr double kPlotLeft = 48;
inline constexpr double kPlotBottom = 42;
inline constexpr double kPlotSide = 301;
inline constexpr double kDrawScale = 24;

// Colours of the vector and force-system drawings.
inline constexpr rt::ColorRef kGreen = 0x00FF00;
inline constexpr rt::ColorRef kGrey = 0x808080;
inline constexpr rt::ColorRef kFrameColor = 0xFFFF80;

// One plane vector ready to draw. The arrow follows Hour and Alpha; X and Y
// set the scale; Dir is not used for drawing.
struct VecRec {
    double Mag = 0;
    double Dir = 0;
    double X = 0;
    double Y = 0;
    int Hour = 0;
    double Alpha = 0;
    rt::ColorRef Color = rt::kBlack;
};

// The record of a parsed vector (a typed angle text becomes its number).
VecRec RecordOf(const VectorSpec& v, rt::ColorRef color = rt::kBlack);
// A vector text the parser refused, with the parser's message for the
// student as what(). A run-time error like any other bad input; the
// calculator shows its message in place of its general failure message.
class VectorRefused : public rt::RuntimeError {
public:
    explicit VectorRefused(const std::string& message) : rt::RuntimeError(rt::ErrorCode::TypeMismatch, message) {}
};

// Parses a vector text; a refused text raises VectorRefused.
VecRec ParseRecord(std::string_view text, rt::ColorRef color = rt::kBlack);
// The record of computed components, written as the text "x,y" and parsed,
// so that every field is the one the parser derives.
VecRec RecordFromComponents(double x, double y, rt::ColorRef color = rt::kBlack);
// The record of computed components, its fields computed directly.
VecRec ComputedRecord(double x, double y, rt::ColorRef color = rt::kBlack);

// The text "x,y" of two components in the general number form, which the
// numeric parser reads back to the same values.
std::string ComponentsText(double x, double y);

// Span used when every plotted point has the same coordinate in both axes,
// so that a plot always has a scale.
inline constexpr double kDefaultSpan = 1;
// One scale for both axes: side / the larger of the two extents. An extent of
// zero does not take part; when both are zero the default span is used.
double UniformScale(double side, double extentX, double extentY);
// A scale of its own for one axis: side / extent, or side / the other
// extent when this one is zero, or side / the default span.
double AxisScale(double side, double extent, double otherExtent);

// Where DrawVectors puts the arrows: pixels per vector unit, the common
// origin, and each arrow's length in drawing units (at least 0.5, so that
// even a zero vector shows an arrowhead).
struct VectorPlotLayout {
    double k = 0;
    double ox = 0;
    double oy = 0;
    std::vector<double> lengths;
};
// Layout of a non-empty list of records (the callers always hold the sum, so
// an empty one is a program fault). A negative magnitude is drawn with its size.
VectorPlotLayout LayoutVectorPlot(std::span<const VecRec> vecs, double drawScale = kDrawScale);

}  // namespace vec
