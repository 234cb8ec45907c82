#include "vectors/vecplot.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "vectors/clock.h"

namespace vec {

VecRec RecordOf(const VectorSpec& v, rt::ColorRef color) {
    VecRec r;
    r.Mag = v.Mag;
    r.Dir = v.Dir;
    r.X = v.X;
    r.Y = v.Y;
    r.Hour = v.Hour;
    r.Alpha = v.Alpha.IsEmpty() ? 0.0 : v.Alpha.ToNumber();
    r.Color = color;
    return r;
}

VecRec ParseRecord(std::string_view text, rt::ColorRef color) {
    const ParseResult<VectorSpec> v = ParseNumericVector(text);
    if (!v.ok()) throw VectorRefused(v.message());
    return RecordOf(*v, color);
}

std::string ComponentsText(double x, double y) { return rt::NumberText(x) + "," + rt::NumberText(y); }

VecRec RecordFromComponents(double x, double y, rt::ColorRef color) { return ParseRecord(ComponentsText(x, y), color); }

VecRec ComputedRecord(double x, double y, rt::ColorRef color) {
    VecRec r;
    r.X = x;
    r.Y = y;
    r.Mag = num::Hypot(x, y);
    r.Dir = num::VectorAngleDeg(x, y);
    HourAlpha h = ClockSector(x, y);
    r.Hour = h.hour;
    r.Alpha = h.alpha;
    r.Color = color;
    return r;
}

double UniformScale(double side, double extentX, double extentY) {
    double span = std::max(extentX, extentY);
    if (!(span > 0)) span = kDefaultSpan;
    return rt::Div(side, span);
}

double AxisScale(double side, double extent, double otherExtent) {
    double span = extent > 0 ? extent : otherExtent;
    if (!(span > 0)) span = kDefaultSpan;
    return rt::Div(side, span);
}

VectorPlotLayout LayoutVectorPlot(std::span<const VecRec> vecs, double drawScale) {
    if (vecs.empty()) rt::Fault("vector plot: no vectors");
    double xmin = vecs[0].X, xmax = xmin, ymin = vecs[0].Y, ymax = ymin;
    for (const VecRec& v : vecs.subspan(1)) {
        xmin = std::min(xmin, v.X);
        xmax = std::max(xmax, v.X);
        ymin = std::min(ymin, v.Y);
        ymax = std::max(ymax, v.Y);
    }
    double spanX = std::max({std::fabs(xmin), std::fabs(xmax), std::fabs(xmax - xmin)});
    double spanY = std::max({std::fabs(ymin), std::fabs(ymax), std::fabs(ymax - ymin)});
    VectorPlotLayout p;
    p.k = UniformScale(kPlotSide, spanX, spanY);
    p.ox = static_cast<float>(xmin < 0 ? kPlotLeft + std::fabs(xmin) * p.k : kPlotLeft);
    p.oy = static_cast<float>(ymin < 0 ? kPlotBottom + std::fabs(ymin) * p.k : kPlotBottom);
    for (const VecRec& v : vecs) p.lengths.push_back(std::max(0.5, rt::Checked(p.k * std::fabs(v.Mag) / drawScale)));
    return p;
}

}  // namespace vec
