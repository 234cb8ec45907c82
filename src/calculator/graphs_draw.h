#pragma once
// Puts graphs on the drawing picture (a y-up pixel scale).
#include <span>

#include "calculator/graphs.h"

namespace plat {
class Picture;
}

namespace calc {

// Draws a laid-out graph of points without clearing the picture: the frame,
// the grey axes, the labels in black, then the curve in its colour. The
// picture's colour is black afterwards. A primitive the picture refuses is
// left out and the rest is drawn.
void DrawGraphPoints(plat::Picture& pic, const PointsGraph& g);

// The curve through the points joined in order, in colour, in the picture's
// width, style and mode; the same pixels as one line per pair of points.
// Consecutive points that fall on the same device pixel are drawn once, and
// a long plain curve is drawn in one call (one primitive in Drawn()).
void DrawPolyline(plat::Picture& pic, std::span<const double> px, std::span<const double> py, rt::ColorRef colour);

// GraphPoints: lays out the points in the plot frame (the picture's font
// measures the labels) and draws them.
void GraphPoints(plat::Picture& pic, std::span<const double> x, std::span<const double> y, rt::ColorRef colour,
                 double labelX, bool drawFrame, const PlotFrame& frame, int decimals);

// A width function for the layouts: the text as this picture prints it.
TextWidth PictureTextWidth(const plat::Picture& pic);

}  // namespace calc
