#pragma once
// The trajectory graph: from the two strip clicks, which bodies to draw and
// over which times, the common scale of both axes and everything drawn on
// the graph picture, in its pixel units (y up). No widget include.
#include <functional>
#include <string>
#include <vector>

#include "runtime/colors.h"

namespace parab {

struct GraphLine {
    double x1, y1, x2, y2;
    rt::ColorRef color;
};
struct GraphText {
    double x, y;
    std::string text;
    bool number = false;  // printed as a number (a blank before a positive one)
};

struct GraphPlan {
    std::string message;  // a refusal: nothing is drawn
    std::vector<int> bodies;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0, s = 0;
    // Drawn in this order: the frame box, the axes, the axis names, the
    // curves, the launch marks (black), the limits.
    GraphLine frame{};
    std::vector<GraphLine> axes;
    std::vector<GraphText> names;
    std::vector<GraphLine> curves;
    std::vector<std::pair<double, double>> marks;
    std::vector<GraphText> limits;
};

// x1, x2: the strip x of the two clicks. textWidth measures a text in the
// graph picture's font. Run-time faults (a time that is not a number, a
// click beyond the ninth column or off the labels, both ranges zero) raise.
GraphPlan PlanTrajectoryGraph(double x1, double x2, const std::function<double(const std::string&)>& textWidth);

}  // namespace parab
