#include "motion/projectile/graph.h"

#include <algorithm>
#include <cmath>

#include "motion/positions.h"
#include "motion/projectile/model.h"
#include "motion/state.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"

namespace parab {

namespace {

constexpr rt::ColorRef kBodyColors[3] = {0, rt::kBlue, rt::kMagenta};

double TimeAt(int col) { return motion::MotionPoint(0, col).ToNumber(); }

// The last non-empty time among the columns first..last, 0 when none.
double LastTime(int first, int last) {
    double t = 0;
    // A relative datum left in a cell is no time yet.
    for (int c = first; c <= last; ++c)
        if (!motion::MotionPoint(0, c).IsEmptyText() && motion::MotionPoint(0, c).IsNumeric()) t = TimeAt(c);
    return t;
}

int BodyAt(double x) {
    const std::string code = motion::PointCodeAtX(static_cast<int>(rt::CLng(x)));
    const int body = motion::CodeDigit(code, 0);
    if (body < 1 || body > 2) rt::Raise(rt::ErrorCode::InvalidCall);
    return body;
}

}  // namespace

GraphPlan PlanTrajectoryGraph(double x1, double x2, const std::function<double(const std::string&)>& textWidth) {
    GraphPlan g;
    if (x1 > x2) std::swap(x1, x2);
    const int c1 = static_cast<int>(rt::IntFloor(x1 / 64)) + 1;
    const int c2 = static_cast<int>(rt::IntFloor(x2 / 64)) + 1;
    // The columns are where the user clicked: one past the table is bad input.
    if (motion::CheckedMotionPoint(0, c1).IsEmptyText() || motion::CheckedMotionPoint(0, c2).IsEmptyText()) {
        g.message = "No tengo uno de los tiempos límites.";
        return g;
    }
    const int b1 = BodyAt(x1), b2 = BodyAt(x2);
    const auto& kinds = Model().kinds;
    std::vector<std::array<double, 2>> span;
    if (b1 == b2) {
        if (!kinds[b1].complete) {
            g.message = "No tengo las ecuaciones del móvil " + std::to_string(b1) + ".";
            return g;
        }
        g.bodies = {b1};
        span.push_back({TimeAt(c1), TimeAt(c2)});
    } else {
        if (!kinds[1].complete || !kinds[2].complete) {
            g.message = "Me faltan las ecuaciones de uno de los móviles.";
            return g;
        }
        const int last1 = motion::State().PointsPerBody[1];
        g.bodies = {1, 2};
        span.push_back({TimeAt(c1), LastTime(c1 + 1, last1)});
        span.push_back({TimeAt(last1 + 1), LastTime(last1 + 2, c2)});
    }

    const auto& sh = shell::Shared();
    const double left = sh.PlotLeft, bottom = sh.PlotBottom, side = sh.PlotSide;
    const int N = static_cast<int>(rt::CInt(side)) / 2;
    std::vector<Launch> launches;
    bool first = true;
    for (size_t k = 0; k < g.bodies.size(); ++k) {
        const Launch L = LaunchNumbers(g.bodies[k]);
        launches.push_back(L);
        const double tmin = span[k][0], tmax = span[k][1], dt = (tmax - tmin) / N;
        for (int i = 1; i <= N + 1; ++i) {
            const double t = tmin + (i - 1) * dt - L.t0;
            const double y = L.y0 + L.vy0 * t - kHalfG * t * t;
            if (first) {
                g.ymin = g.ymax = y;
                first = false;
            }
            g.ymin = std::min(g.ymin, y);
            g.ymax = std::max(g.ymax, y);
        }
    }
    std::vector<std::array<double, 2>> xs;
    for (size_t k = 0; k < g.bodies.size(); ++k) {
        const Launch& L = launches[k];
        const double xa = L.x0 + L.vx0 * (span[k][0] - L.t0), xb = L.x0 + L.vx0 * (span[k][1] - L.t0);
        xs.push_back({xa, xb});
        if (k == 0) {
            g.xmin = std::min(xa, xb);
            g.xmax = std::max(xa, xb);
        }
        g.xmin = std::min({g.xmin, xa, xb});
        g.xmax = std::max({g.xmax, xa, xb});
    }
    const double dx = g.xmax - g.xmin, dy = g.ymax - g.ymin;
    g.s = dy >= dx ? rt::Div(side, dy) : rt::Div(side, dx);
    auto px = [&](double x) { return left + g.s * (x - g.xmin); };
    auto py = [&](double y) { return bottom + g.s * (y - g.ymin); };

    g.frame = {left, bottom + side, left + side, bottom, rt::kLightGrey};
    g.axes.push_back({left - g.s * g.xmin, 0, left - g.s * g.xmin, 380, rt::kLightGrey});
    g.axes.push_back({0, bottom - g.s * g.ymin, 400, bottom - g.s * g.ymin, rt::kLightGrey});
    g.names.push_back({left - g.s * g.xmin + 5, bottom + side + 29, "Y"});
    g.names.push_back({left + side + 34, bottom - g.s * g.ymin + 17, "X"});

    for (size_t k = 0; k < g.bodies.size(); ++k) {
        const int b = g.bodies[k];
        const auto& m = Model();
        const double A0 = m.TrajCoefs0[b], A1 = m.TrajCoefs1[b], A2 = m.TrajCoefs2[b];
        double pxa = px(xs[k][0]), pxb = px(xs[k][1]);
        if (pxa > pxb) std::swap(pxa, pxb);
        auto X = [&](int j) { return g.xmin + (j - 1) * dx / N; };
        auto Y = [&](double x) { return A0 + A1 * x + A2 * x * x; };
        for (int j = 1; j <= N; ++j) {
            const double xa = X(j), xb = X(j + 1);
            const double p1 = px(xa), q1 = py(Y(xa));
            if (p1 >= pxa && p1 <= pxb && q1 >= bottom && q1 <= bottom + side)
                g.curves.push_back({p1, q1, px(xb), py(Y(xb)), kBodyColors[b]});
        }
    }

    const int bodies = motion::State().NumBodies;
    for (int b = 1; b <= 2; ++b) {
        if (bodies < b || bodies > 2) continue;
        const Launch L = LaunchNumbers(b);
        g.marks.push_back({px(L.x0), py(L.y0)});
    }

    const double LX1 = left;
    double LX2 = left + g.s * dx;
    const double LY1 = bottom;
    double LY2 = bottom + g.s * dy;
    const double wx = textWidth(text::RoundedText(g.xmin));
    if (LX2 - LX1 < wx) LX2 = LX1 + wx + 10;
    if (LY2 - LY1 < 25) LY2 = LY1 + 15;
    auto two = [](double v) { return rt::NumberText(rt::RoundHalfEven(v, 2)); };
    g.limits.push_back({LX1, bottom - 3, two(g.xmin), true});
    g.limits.push_back({LX2, bottom - 3, two(g.xmax), true});
    g.limits.push_back({left - textWidth(text::RoundedText(g.ymin)) - 3, LY1 + 10, two(g.ymin), true});
    g.limits.push_back({left - textWidth(text::RoundedText(g.ymax)) - 3, LY2 + 10, two(g.ymax), true});
    return g;
}

}  // namespace parab
