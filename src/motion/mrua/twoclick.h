#pragma once
// The rectilinear procedures of two strip clicks, computed over the motion
// model and the equation records: the distance travelled, the x(t) graph
// (its pieces and polylines) and the linking of two consecutive segments.
// The procedures draw, ask and write the table. No widget include.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "motion/mrua/common.h"
#include "runtime/outcome.h"

namespace mrua {

// The body, segment and point of a strip position.
struct StripPoint {
    int body = 0, segment = 0, point = 0;
};
StripPoint StripPointAt(double x);

// Path length between the times of the two clicked points.
StepResult Distance(double x1, double x2);
// Length of the path of one law between t1 and t2 (turning point counted).
double PieceDistance(const SegmentLaw& law, double t1, double t2);

struct GraphPiece {
    int body = 0, segment = 0;
    double start = 0, end = 0;
    SegmentLaw law;
    std::vector<std::pair<int, int>> poly;  // pixels of pic1, y up
};
struct GraphPlan {
    std::vector<GraphPiece> pieces;
    double tLo = 0, tHi = 0, xLo = 0, xHi = 0;
};
// The x(t) graph between the two clicked points, in the plot frame of the
// shared defaults; a refusal draws nothing. A pair of clicks that names no
// stretch of one motion, or two clicks at one time, raises.
rt::Outcome<GraphPlan> PlanGraphXt(double x1, double x2);

struct LinkSolution {
    double tJ = 0, xJ = 0, vJ = 0, tQ = 0, xQ = 0, vQ = 0, a1 = 0, a2 = 0;
};
struct LinkPlan {
    std::string message;
    int kase = 0;  // 1 xQ, 2 tQ, 3 vQ, 4 a2, 5 a1 found; 0 nothing to find
    int s1 = 0, s2 = 0, p = 0, J = 0, q = 0;
    double tP = 0, xP = 0, vP = 0;
    std::vector<LinkSolution> sols;
    // Written first: six lines, or four listing two solutions to choose from.
    text::ResultLines lines;
    // Case 2 with two solutions: the six lines of each, written after the
    // choice.
    std::vector<text::ResultLines> chosenLines;
};
// Reads the model and changes nothing: the caller erases the results of the
// last procedure before it shows the plan.
LinkPlan PlanLinkSegments(double x1, double x2);

}  // namespace mrua
