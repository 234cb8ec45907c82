#include "calculator/graphs_draw.h"

#include <cmath>
#include <utility>

#include "platform/picture.h"
#include "runtime/errors.h"

namespace calc {

namespace {

constexpr const char* kStrokeSkipped = "a stroke or label that fails is left out and the rest of the graph is drawn";

void PrintAt(plat::Picture& pic, const PlotLabel& label) {
    rt::IgnoreError(kStrokeSkipped, [&] {
        pic.SetCurrentX(label.x);
        pic.SetCurrentY(label.y);
        pic.Print(QString::fromStdString(label.text));
    });
}

}  // namespace

TextWidth PictureTextWidth(const plat::Picture& pic) {
    return [&pic](const std::string& text) { return pic.TextWidth(QString::fromStdString(text)); };
}

void DrawPolyline(plat::Picture& pic, std::span<const double> px, std::span<const double> py, rt::ColorRef colour) {
    const size_t n = std::min(px.size(), py.size());
    if (n < 2) return;
    // A long curve is one polyline, transformed and thinned by the picture
    // in one pass; the rest of this function draws what that leaves.
    if (pic.DenseCurve(px.first(n), py.first(n), colour, 64)) return;
    // Lines include both end pixels, so a segment whose ends share a pixel
    // adds nothing; skipping those keeps dense samples cheap.
    auto pixel = [&](size_t i, long& dx, long& dy) {
        const QPointF d = pic.ToDevice(px[i], py[i]);
        if (!std::isfinite(d.x()) || !std::isfinite(d.y())) return false;
        dx = std::lround(std::nearbyint(d.x()));
        dy = std::lround(std::nearbyint(d.y()));
        return true;
    };
    std::vector<size_t> kept{0};
    kept.reserve(n);
    long fx = 0, fy = 0;
    bool fromOk = pixel(0, fx, fy);
    for (size_t i = 1; i < n; ++i) {
        long tx = 0, ty = 0;
        const bool ok = pixel(i, tx, ty);
        const bool last = i + 1 == n;
        if (ok && fromOk && tx == fx && ty == fy && !(last && kept.size() == 1)) continue;
        kept.push_back(i);
        fx = tx;
        fy = ty;
        fromOk = ok;
    }
    // A long curve is one polyline: one call draws what would take
    // thousands of lines. A point the picture cannot place makes it fall
    // back to lines, which skip only the segments that touch it.
    if (kept.size() > 64) {
        std::vector<QPointF> path;
        path.reserve(kept.size());
        for (size_t k : kept) path.emplace_back(px[k], py[k]);
        if (rt::IgnoreError("a point the picture cannot place: drawn again as lines below",
                            [&] { pic.Polyline(std::move(path), colour); }))
            return;
    }
    for (size_t k = 1; k < kept.size(); ++k)
        rt::IgnoreError(kStrokeSkipped,
                        [&] { pic.Line(px[kept[k - 1]], py[kept[k - 1]], px[kept[k]], py[kept[k]], colour); });
}

void DrawGraphPoints(plat::Picture& pic, const PointsGraph& g) {
    const PlotFrame& f = g.frame;
    if (g.drawFrame) pic.Box(f.left, f.bottom + f.side, f.left + f.side, f.bottom, kGraphFrameColour);
    if (g.verticalAxis)
        rt::IgnoreError(kStrokeSkipped, [&] { pic.Line(g.px0, f.bottom, g.px0, f.bottom + f.side, kGraphAxisColour); });
    pic.SetForeColor(rt::kBlack);
    PrintAt(pic, g.xMin);
    PrintAt(pic, g.xMax);
    if (g.horizontalAxis)
        rt::IgnoreError(kStrokeSkipped, [&] { pic.Line(f.left, g.py0, f.left + f.side, g.py0, kGraphAxisColour); });
    PrintAt(pic, g.yMax);
    PrintAt(pic, g.yMin);
    DrawPolyline(pic, g.px, g.py, g.colour);
    pic.SetForeColor(rt::kBlack);
}

void GraphPoints(plat::Picture& pic, std::span<const double> x, std::span<const double> y, rt::ColorRef colour,
                 double labelX, bool drawFrame, const PlotFrame& frame, int decimals) {
    DrawGraphPoints(pic, LayoutGraphPoints(x, y, colour, labelX, drawFrame, frame, decimals, PictureTextWidth(pic)));
}

}  // namespace calc
