#pragma once
// Procedures 10 to 12 of the calculator (triangles and polygons) as the
// calculation dispatch runs them: the arguments of the grid in, the result
// written into the result pane (and so into the results log) and the figure
// drawn on the drawing picture. A refused triangle is answered with a
// message box and leaves the pane and the picture as they were. A run-time
// failure raises rt::RuntimeError for the dispatch to report.
#include <span>

#include "runtime/variant.h"
#include "text/resultformat.h"

namespace plat {
class Picture;
}

namespace calc {

inline constexpr int kTriangleFromElements = 1;  // L1, A1, L2, A2, L3, A3 ("x" unknown)
inline constexpr int kTriangleFromVertices = 2;  // x1, y1, x2, y2, x3, y3

// Solves, writes and draws a triangle from six elements. Returns the lines
// written (none when the data were refused).
text::ResultLines SolveTriangle(plat::Picture& pic, std::span<const rt::Variant> e, int mode);

// Measures, writes and draws the polygon of the vertices x1, y1, x2, y2, ...
text::ResultLines SolvePolygon(plat::Picture& pic, std::span<const rt::Variant> args);

// The dispatch's branch of group 3: procedure 10, 11 or 12 with its argument
// list (argument 1 first); any other procedure does nothing.
text::ResultLines RunGeometryProcedure(int procedureCode, plat::Picture& pic, std::span<const rt::Variant> args);

}  // namespace calc
