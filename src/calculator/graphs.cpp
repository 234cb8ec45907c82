#include "calculator/graphs.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calculator/numprocs_common.h"
#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

// Compiles text; false (with the message) when it does not compile.
bool Compile(num::CExpression& e, const std::string& text, std::string_view quoted, std::string& message) {
    e.SetExpression(text);
    if (e.ErrorCode() == 0) return true;
    message = CorrectExpression(e.ErrorDescription(), quoted);
    e.ClearError();
    return false;
}

// The count of points of the polar and parametric graphs.
int PointCount(std::span<const rt::Variant> args) {
    if (args.size() == 2) return kCartesianPoints;
    if (args.size() == 3) return rt::CInt(NumArg(args, 3));
    return 0;
}

void CheckCount(int n) {
    if (n < 1) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
}

std::vector<std::string> SplitAmpersand(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find('&', start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return parts;
}

// A value, or 0 when the statement fails (non-finite).
double OrZero(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

rt::Outcome<CurveSamples> SampleCurve(int procedureCode, std::string_view text, std::span<const rt::Variant> args,
                                      CurveSamples reuse) {
    using Result = rt::Outcome<CurveSamples>;
    CurveSamples out = std::move(reuse);
    out.x.clear();
    out.y.clear();
    // Each sample is written once, into memory kept from the last graph.
    auto reserve = [&out](int n) {
        out.x.reserve(static_cast<size_t>(n));
        out.y.reserve(static_cast<size_t>(n));
    };
    std::string message;
    const std::string function = rt::Trim(text);
    if (procedureCode == 20 || procedureCode == 21) {
        num::CExpression e;
        if (!Compile(e, function, text, message)) return Result::Refusal(message);
        int n = kCartesianPoints;
        if (procedureCode == 21) n = PointCount(args);
        double t1 = NumArg(args, 1), t2 = NumArg(args, 2);
        if (t1 > t2) std::swap(t1, t2);
        CheckCount(n);
        const double step = rt::Div(rt::Sub(t2, t1), n - 1);
        reserve(n);
        for (int i = 0; i < n; ++i) {
            const double t = rt::Checked(i * step + t1);
            const double v = e.ValueFast(&t, 1);
            if (procedureCode == 20) {
                out.x.push_back(t);
                out.y.push_back(v);
            } else {
                out.x.push_back(std::cos(t) * v);
                out.y.push_back(std::sin(t) * v);
            }
        }
        return out;
    }
    if (procedureCode == 22) {
        const std::vector<std::string> parts = SplitAmpersand(function);
        const int n = PointCount(args);
        CheckCount(n);
        num::CExpression f, g;
        const std::string first = rt::Trim(parts[0]);
        if (!Compile(f, first, first, message)) return Result::Refusal(message);
        if (parts.size() < 2) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        const std::string second = rt::Trim(parts[1]);
        if (!Compile(g, second, second, message)) return Result::Refusal(message);
        double u1 = NumArg(args, 1), u2 = NumArg(args, 2);
        if (u1 > u2) std::swap(u1, u2);
        const double step = rt::Div(rt::Sub(u2, u1), n - 1);
        reserve(n);
        for (int i = 0; i < n; ++i) {
            const double u = rt::Checked(i * step + u1);
            out.x.push_back(f.ValueFast(&u, 1));
            out.y.push_back(g.ValueFast(&u, 1));
        }
        return out;
    }
    return out;
}

PointsGraph LayoutGraphPoints(std::span<const double> x, std::span<const double> y, rt::ColorRef colour, double labelX,
                              bool drawFrame, const PlotFrame& frame, int decimals, const TextWidth& width) {
    const auto n = static_cast<std::ptrdiff_t>(std::min(x.size(), y.size()));
    return LayoutGraphPoints(CurveSamples{{x.begin(), x.begin() + n}, {y.begin(), y.begin() + n}}, colour, labelX,
                             drawFrame, frame, decimals, width);
}

PointsGraph LayoutGraphPoints(CurveSamples points, rt::ColorRef colour, double labelX, bool drawFrame,
                              const PlotFrame& frame, int decimals, const TextWidth& width) {
    PointsGraph g;
    g.frame = frame;
    g.drawFrame = drawFrame;
    g.colour = colour;
    const size_t n = std::min(points.x.size(), points.y.size());
    g.px = std::move(points.x);
    g.py = std::move(points.y);
    g.px.resize(n);
    g.py.resize(n);
    const double left = frame.left, bottom = frame.bottom, side = frame.side;

    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    if (n > 0) {
        auto [xa, xb] = std::minmax_element(g.px.begin(), g.px.end());
        auto [ya, yb] = std::minmax_element(g.py.begin(), g.py.end());
        xmin = *xa, xmax = *xb, ymin = *ya, ymax = *yb;
    }
    // A statement that cannot be computed (a division by a zero range, an
    // overflow) leaves its value at 0.
    auto scale = [side](std::vector<double>& v, bool scaled, double from, double range, double origin) {
        if (!scaled)
            std::fill(v.begin(), v.end(), 0.0);
        else
            for (double& p : v) p = OrZero((p - from) * side / range + origin);
    };
    const double xRange = xmax - xmin;
    const bool xScale = std::isfinite(xRange) && xRange != 0;
    scale(g.px, xScale, xmin, xRange, left);
    if (std::isfinite(ymax - ymin) && num::IsNear(ymax - ymin, 0, 1e-5)) ymin = 0;
    const double yRange = ymax - ymin;
    const bool yScale = std::isfinite(yRange) && yRange != 0;
    scale(g.py, yScale, ymin, yRange, bottom);

    if (yScale) g.py0 = OrZero(bottom - ymin * side / yRange);
    if (xScale) g.px0 = OrZero(left - xmin * side / xRange);
    g.verticalAxis = left <= g.px0 && g.px0 <= left + side;
    g.horizontalAxis = bottom < g.py0 && g.py0 <= bottom + side;

    const double h = bottom <= g.py0 && g.py0 <= bottom + side ? g.py0 : bottom;
    g.xMin.text = rt::RoundedText(xmin, 2);
    g.xMin.x = std::max(5.0, left - width(g.xMin.text));
    g.xMin.y = h;
    g.xMax.text = rt::RoundedText(xmax, 2);
    const double w = width(g.xMax.text);
    g.xMax.x = left > w ? left + side : 2 * left + side - w - 5;
    g.xMax.y = h;
    g.yMax = {"Ymax = " + rt::RoundedText(ymax, decimals), labelX, bottom + side + 20};
    g.yMin = {"Ymin = " + rt::RoundedText(ymin, decimals), labelX, 22};
    return g;
}

}  // namespace calc
