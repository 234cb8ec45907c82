#pragma once
// Paints the solved triangles on the drawing picture (a y-up pixel scale).
#include "calculator/triangle.h"
#include "platform/picture.h"

namespace calc {

// Clears the picture and draws the triangle of three elements, each side in
// the colour of its result line.
void DrawElementsTriangle(plat::Picture& pic, const ElementsTriangle& t);

// Clears the picture and draws the axes, the triangle of three vertices with
// their coordinates, and its centroid.
void DrawVerticesTriangle(plat::Picture& pic, const VerticesTriangle& t);

}  // namespace calc
