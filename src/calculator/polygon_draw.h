#pragma once
// Paints a polygon on the drawing picture (a y-up pixel scale).
#include "calculator/polygon.h"
#include "platform/picture.h"

namespace calc {

// Clears the picture and draws the labelled vertices, the axes, the sides in
// the picture's drawing colour, the first vertex in magenta and the centroid.
void DrawPolygon(plat::Picture& pic, const PolygonReport& p, int decimals);

}  // namespace calc
