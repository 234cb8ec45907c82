#include "calculator/graphs.h"

#include <algorithm>
#include <cmath>

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

rt::Outcome<CurveSamples> SampleCurve(int procedureCode, std::string_view text, std::span<const rt::Variant> args) {
    using Result = rt::Outcome<CurveSamples>;
    CurveSamples out;
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
        out.x.resize(static_cast<size_t>(n));
        out.y.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const double t = rt::Checked(i * step + t1);
            const double v = e.ValueFast(&t, 1);
            if (procedureCode == 20) {
                out.x[static_cast<size_t>(i)] = t;
                out.y[static_cast<size_t>(i)] = v;
            } else {
                out.x[static_cast<size_t>(i)] = std::cos(t) * v;
                out.y[static_cast<size_t>(i)] = std::sin(t) * v;
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
        out.x.resize(static_cast<size_t>(n));
        out.y.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const double u = rt::Checked(i * step + u1);
            out.x[static_cast<size_t>(i)] = f.ValueFast(&u, 1);
            out.y[static_cast<size_t>(i)] = g.ValueFast(&u, 1);
        }
        return out;
    }
    return out;
}

PointsGraph LayoutGraphPoints(std::span<const double> x, std::span<const double> y, rt::ColorRef colour, double labelX,
                              bool drawFrame, const PlotFrame& frame, int decimals, const TextWidth& width) {
    PointsGraph g;
    g.frame = frame;
    g.drawFrame = drawFrame;
    g.colour = colour;
    const size_t n = std::min(x.size(), y.size());
    g.px.assign(n, 0.0);
    g.py.assign(n, 0.0);
    const double left = frame.left, bottom = frame.bottom, side = frame.side;

    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    if (n > 0) {
        auto [xa, xb] = std::minmax_element(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
        auto [ya, yb] = std::minmax_element(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
        xmin = *xa, xmax = *xb, ymin = *ya, ymax = *yb;
    }
    // A statement that cannot be computed (a division by a zero range, an
    // overflow) leaves its value at 0.
    const double xRange = xmax - xmin;
    const bool xScale = std::isfinite(xRange) && xRange != 0;
    if (xScale)
        for (size_t i = 0; i < n; ++i) g.px[i] = OrZero((x[i] - xmin) * side / xRange + left);
    if (std::isfinite(ymax - ymin) && num::IsNear(ymax - ymin, 0, 1e-5)) ymin = 0;
    const double yRange = ymax - ymin;
    const bool yScale = std::isfinite(yRange) && yRange != 0;
    if (yScale)
        for (size_t i = 0; i < n; ++i) g.py[i] = OrZero((y[i] - ymin) * side / yRange + bottom);

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
