#pragma once
// Triangle solver of the calculator: a triangle from three of its six
// elements (sides L1, L2, L3 and the angles A1, A2, A3 opposite them), or
// from the coordinates of its three vertices. Pure computation: the values,
// the result line in the formula markup, the message that refuses the data,
// and the layout of the drawing in pixels of the drawing picture (y up).
// Painting is in triangle_draw.h.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calculator/geomprocs_common.h"
#include "runtime/colors.h"
#include "runtime/outcome.h"
#include "runtime/variant.h"

namespace calc {

// Side colours by canonical position 1, 2, 3 (red, blue, magenta), and the
// markup colour digits that show the same colours in the result text.
inline constexpr std::array<rt::ColorRef, 3> kTriangleSideColors{rt::kRed, rt::kBlue, rt::kMagenta};
inline constexpr std::array<char, 3> kTriangleColorDigits{'1', '3', '8'};

// Bits of the known elements.
inline constexpr int kKnownL1 = 1, kKnownA1 = 2, kKnownL2 = 4, kKnownA2 = 8, kKnownL3 = 16, kKnownA3 = 32;

enum class TriangleCase { None, SAS, SSA, ASA, AAS, SSS };

// A triangle with sides a, b, c and the angles A, B, C opposite them.
struct CanonicalTriangle {
    double a = 0, b = 0, c = 0;
    double A = 0, B = 0, C = 0;
};

// One solution in the user's order: pair i is side L[i] with the angle A[i]
// opposite it; position[i] (1 to 3) is where the pair sits in the canonical
// triangle, which gives its colour.
struct TriangleSolution {
    std::array<double, 3> L{};
    std::array<double, 3> A{};
    std::array<int, 3> position{};
    double perimeter = 0;  // rounded to the decimals shown
    double area = 0;       // rounded likewise
};

struct ElementsTriangle {
    int knownMask = 0;
    TriangleCase kase = TriangleCase::None;
    std::string permutation;  // e.g. "312": canonical position of pairs 1, 2, 3
    CanonicalTriangle first;
    std::optional<CanonicalTriangle> second;  // the other triangle of an ambiguous case
    std::vector<TriangleSolution> solutions;  // one or two
    std::string text;                         // the result line (markup, CR LF inside)
};

// Solves the triangle from L1, A1, L2, A2, L3, A3 (numbers known, anything
// else unknown; a zero counts as unknown). Angles in degrees. Numbers of the
// text are rounded to `decimals`. Data that do not make a triangle are
// refused with the text of the message box; data that make a square root or
// an arccosine impossible raise rt::RuntimeError.
rt::Outcome<ElementsTriangle> SolveTriangleFromElements(std::span<const rt::Variant> elements, int decimals);

// The drawing of a solved triangle: side a along the base, BC red, CA blue,
// AB magenta, and for an ambiguous case one more blue line from C to the
// second solution's third vertex.
std::vector<FigureLine> LayoutElementsTriangle(const ElementsTriangle& t);

struct VerticesTriangle {
    std::array<double, 6> xy{};  // x1, y1, x2, y2, x3, y3
    // side[i] is the side opposite vertex i + 1, angle[i] the angle there.
    std::array<double, 3> side{};
    std::array<double, 3> angle{};
    double gx = 0, gy = 0;  // centroid
    double perimeter = 0, area = 0;
    std::string text;
};

// Measures the triangle of the vertices x1, y1, x2, y2, x3, y3; three points
// on one straight line (two coinciding points included) are refused.
rt::Outcome<VerticesTriangle> SolveTriangleFromVertices(std::span<const double> xy, int decimals);

// Where the vertices-mode drawing puts things.
struct VerticesFigure {
    std::array<double, 3> px{}, py{};   // the vertices in pixels
    std::vector<FigureLine> axes;       // the axes through the origin, those on the picture
    std::vector<FigureLine> sides;      // P1P2 magenta, P2P3 red, P1P3 blue
    std::array<std::string, 3> labels;  // "(x, y)" unrounded
    std::array<bool, 3> leftmost{};     // label ends at the vertex
    std::array<bool, 3> topmost{};      // label raised by 15 pixels
    double gx = 0, gy = 0;              // the centroid in pixels
};
VerticesFigure LayoutVerticesTriangle(const VerticesTriangle& t);

}  // namespace calc
