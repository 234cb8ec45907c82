#pragma once
// The drawing engine: one pen and one drawing direction for every picture,
// straight strokes, arrows, registered shapes, point marks, arcs, couples and
// lines of action. Lengths of strokes and arrows are drawing units (times
// DrawScale); positions are picture pixels, y upwards.
#include <optional>
#include <string>

#include "runtime/colors.h"
#include "runtime/variant.h"
#include "shell/drawcanvas.h"
#include "shell/drawgeom.h"

namespace shell {

// The engine's module state (pen, direction, registry, DrawScale).
DrawEngState& DrawEng();

// Current direction from a clock hour and its angle in degrees.
void SetDirection(int hour, double angleDeg);

// Moves the picture's current point and the pen (scaled: times DrawScale).
void MoveTo(DrawCanvas& pic, double x, double y, bool scaled);
// Moves the pen by (dx, dy) from the picture's actual current point.
void MoveRel(DrawCanvas& pic, double dx, double dy, bool scaled);
// A stroke of `length` drawing units from the pen along the current
// direction (set first from hour and angle when an hour is given); the pen
// is left at the fraction `advance` of it. Registered as "Linea-n".
void DrawSegment(DrawCanvas& pic, double length, double advance, bool registerIt,
                 std::optional<int> hour = std::nullopt, double angle = 0);

// Where DrawArrow leaves the pen.
inline constexpr int kPenAtTail = 0;
inline constexpr int kPenAtTip = 1;
inline constexpr int kPenWhereDrawingEnded = 2;

// An arrow of `length` drawing units: from the pen (fromPen) or ending at
// it, with an open or filled head of headSize pixels, in colour, labelled
// beside its free end (the label's sign is not shown), registered as
// "Flecha-n" when asked. The picture's colours, fill, line style and font
// are as before afterwards.
void DrawArrow(DrawCanvas& pic, double length, bool fromPen, bool filledHead, int penMode, bool registerIt,
               rt::ColorRef colour, const rt::Variant& label, int headSize, std::optional<int> hour = std::nullopt,
               double angle = 0);
// An arrow from (x1, y1) towards (x2, y2), at least 12 pixels long; a dot
// of radius 2 when the points coincide (which leaves the picture with a
// transparent fill and a black foreground).
void DrawArrowBetween(DrawCanvas& pic, double x1, double y1, double x2, double y2, int penMode, bool filledHead,
                      const rt::Variant& label, rt::ColorRef colour);

// The shape registry of the engine's state.
void RegisterShape(const std::string& kind, int n, double x, double y, double len1, double len2);
void ClearShapes();
// Moves the current point and the pen to a point in a registered shape's
// frame; the current direction is kept. An unknown name is a program fault.
void MoveToShapePoint(DrawCanvas& pic, const std::string& shapeName, double u, double v);

// A circle of radius `size` or a square of half-side |size| (pixels) at the
// pen; the picture's colours and fill are kept.
void DrawPointMark(DrawCanvas& pic, bool isCircle, double size, bool filled, rt::ColorRef colour);
// A force normal to the drawing: a circle with a cross (sense -1) or a dot.
void DrawOutOfPlaneMark(DrawCanvas& pic, int sense, rt::ColorRef colour);
// An arc of radius drawing units around the pen, swept from the current
// direction (or centred on it), with an open head at the end of the sweep.
void DrawArcArrow(DrawCanvas& pic, double radius, double sweepDeg, bool withHead, bool centred,
                  std::optional<int> hour = std::nullopt, double angle = 0);
// The couple symbol around the pen: sense 1 clockwise, -1 counter-clockwise.
void DrawMomentArc(DrawCanvas& pic, double radius, int sense);
// The part inside [xa, xb] x [ya, yb] of the line through (x0, y0) at
// angleDeg, in colour; the bounds are put in order in the caller's variables.
void DrawLineOfAction(DrawCanvas& pic, double x0, double y0, double& xa, double& ya, double& xb, double& yb,
                      rt::ColorRef colour, double angleDeg);

// Prints an arrow label whose top-left corner is (x, y) in the given font.
// The default prints the text plainly; the picture markup plugs in here.
using LabelPrinter = void (*)(DrawCanvas& pic, const std::string& text, double x, double y, const std::string& fontName,
                              double fontSize);
void SetLabelPrinter(LabelPrinter printer);  // nullptr: the plain default
void PrintPlainLabel(DrawCanvas& pic, const std::string& text, double x, double y, const std::string& fontName,
                     double fontSize);

}  // namespace shell
