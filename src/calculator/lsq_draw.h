#pragma once
// Puts a least-squares fit on the drawing picture (a y-up pixel scale).
#include "calculator/lsq.h"

namespace plat {
class Picture;
}

namespace calc {

// Clears the picture and draws the frame box, the fitted curve in the
// picture's own colour and width, the points as red dots three pixels wide,
// the range labels and axis names in black and the grey axes. The picture's drawing width
// is 1 and its colour black afterwards.
void DrawFit(plat::Picture& pic, const FitPlot& p);

}  // namespace calc
