#pragma once
// Geometry of the drawing engine, free of any picture: the drawing direction
// given as a clock hour, arrowheads and label placement, the shape registry,
// arc limits and the clipping of a line of action to a rectangle. Everything
// here works in the pictures' y-up pixel coordinates.
#include <optional>
#include <string>
#include <vector>

#include "runtime/variant.h"

namespace shell {

// The engine keeps its coordinates and lengths in single precision; this
// rounds a double the same way.
inline double Sng(double x) { return static_cast<double>(static_cast<float>(x)); }

struct PointD {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const PointD&) const = default;
};

// A drawing direction: radians counter-clockwise from +x, its unit vector
// (single precision) and that vector turned by +90 degrees.
struct Direction {
    double angle = 0.0;
    double cos = 0.0;
    double sin = 0.0;
    double cos90 = 0.0;
    double sin90 = 0.0;
};

// Direction of a clock hour and its angle in degrees (ignored at 3, 6, 9 and
// 12; otherwise measured from the hour's reference axis towards the hour).
// An hour outside 1..12 raises SubscriptOutOfRange.
Direction DirectionOf(int hour, double angleDeg);

// The hour pointing the opposite way (the angle that goes with it stays).
// An hour outside 1..12 raises SubscriptOutOfRange.
int OppositeHour(int hour);

// One registered stroke or arrow: origin (the start of a stroke, the tail of
// an arrow), the hour and angle of its direction, and its lengths along and
// across the direction in pixels.
struct ShapeRec {
    std::string Name;
    double X = 0.0;
    double Y = 0.0;
    int Hour = 0;
    double Angle = 0.0;
    double Len1 = 0.0;
    double Len2 = 0.0;
};

// The engine's process-wide state: one pen and one direction for every
// picture, and the shape registry. DirHour is also the hour the direction
// clock publishes from.
struct DrawEngState {
    double DrawScale = 24.0;  // pixels per drawing unit
    double PenX = 0.0;        // where the last engine operation left the picture
    double PenY = 0.0;
    int DirHour = 3;
    double DirAlpha = 0.0;
    double DirAngle = 0.0;
    double DirCos = 0.0;
    double DirSin = 0.0;
    double Dir90Cos = 0.0;
    double Dir90Sin = 0.0;
    std::vector<ShapeRec> Shapes;  // Shapes[0] is shape number 1
    int ShapeCount = 0;
    int LineShapeCount = 0;
    int ArrowShapeCount = 0;
};

// Makes hour and angle the current direction of the state.
void SetDirection(DrawEngState& st, int hour, double angleDeg);

// Appends kind & "-" & n with the current hour and angle.
void RegisterShape(DrawEngState& st, const std::string& kind, int n, double x, double y, double len1, double len2);
// The next number of a kind's counter (16-bit: past 32767 raises Overflow).
int NextShapeNumber(int& counter);
void ClearShapes(DrawEngState& st);
// The point origin + u * Len1 along the shape's direction + v * Len2 across
// it (positive v to the left). Names are the program's own, so an unknown
// one is a program fault (rt::ProgramFault).
PointD ShapePoint(const DrawEngState& st, const std::string& name, double u, double v);

// Arrow points in pixels. The head is 2 * headSize + 1 long and
// 2 * (headSize + 1) wide, its corners on whole pixels.
struct ArrowPoints {
    PointD tail, tip;
    PointD corner1, corner2;  // left and right of the shaft, seen from the tail
    PointD headTip;           // the tip on whole pixels
};
// fromPen: the tail is at the pen, otherwise the tip is. headSize beyond the
// 16-bit range of the head length raises Overflow.
ArrowPoints ArrowGeometry(PointD pen, double lengthPx, bool fromPen, const Direction& d, int headSize);

// Offset from the free end of an arrow to the top-left corner of its label
// of w by h pixels, by hour and by whether the arrow starts at the pen.
PointD LabelOffset(bool fromPen, int hour, double w, double h);
// The label's top-left corner for the free end `anchor`; never left of x = 2.
PointD LabelPoint(PointD anchor, bool fromPen, int hour, double w, double h);
// The drawing area of a picture in its y-up coordinates.
struct AreaD {
    double left = 0.0, bottom = 0.0, right = 0.0, top = 0.0;
};
// A label's top-left corner (y-up: the text hangs below it) moved just
// enough that the w by h label lies wholly inside the area, 2 pixels from
// its edges. A label wider or taller than the area keeps its left or top
// edge inside.
PointD KeepLabelInside(PointD topLeft, double w, double h, const AreaD& area);
// An arrow label as measured (numbers in their general text form) and as
// shown: without its sign, since the arrow's direction shows the sense.
std::string LabelRawText(const rt::Variant& label);
std::string LabelShownText(const rt::Variant& label);
// True when the label is empty or the empty text.
bool LabelIsEmpty(const rt::Variant& label);

// Limits in radians, each in 0..2*pi, of an arc drawn counter-clockwise from
// start to end.
struct ArcLimits {
    double start = 0.0;
    double end = 0.0;
};
// A sweep of sweepRad from dirAngle (centred: spread on both sides of it).
ArcLimits ArcLimitsOf(double dirAngle, double sweepRad, bool centred);

// An open head drawn as two strokes from `at`.
struct OpenHead {
    PointD at, end1, end2;
};
// The head at the end of a swept arc, pointing along the sweep: 6 pixels
// long and 8 wide.
OpenHead ArcHead(PointD centre, double radiusPx, const ArcLimits& lim, double sweepRad);

// The fixed couple symbol: an arc from 30 to 330 degrees with its head at
// one end. sense 1 turns clockwise, -1 counter-clockwise; nothing otherwise.
struct MomentArcShape {
    OpenHead head;
    ArcLimits arc;
};
std::optional<MomentArcShape> MomentArcOf(PointD centre, double radiusPx, int sense);

struct SegmentD {
    PointD a, b;
};
// The part inside [xa, xb] x [ya, yb] of the line through (x0, y0) at angleDeg
// from +x. The bounds are put in order in the caller's variables. A line that
// misses the rectangle gives nothing.
std::optional<SegmentD> ClipLineOfAction(double x0, double y0, double& xa, double& ya, double& xb, double& yb,
                                         double angleDeg);

}  // namespace shell
