#include "vectors/ui/forcedraw.h"

#include <cmath>

#include "platform/picture.h"
#include "runtime/rounding.h"
#include "shell/drawpicture.h"
#include "vectors/ui/vecdraw.h"

namespace vecui {

namespace {
using shell::kPenAtTail;

void Couple(plat::Picture& pic, double radius, double moment) {
    pic.SetForeColor(rt::kMagenta);
    shell::DrawMomentArc(pic, radius, -rt::Sgn(moment));
    pic.SetForeColor(rt::kBlack);
}

void NullMark(plat::Picture& pic, double x, double y) {
    shell::MoveTo(pic, x, y, false);
    shell::DrawPointMark(pic, true, 2, true, rt::kMagenta);
}
}  // namespace

void DrawParallelForces1D(plat::Picture& pic, const vec::ParallelForces1DResult& r) {
    pic.Cls();
    DrawAxes(pic, r.x0, r.y0);
    std::size_t n = r.xs.size() - 1;
    bool resultant = r.kind == vec::Reduction::Resultant;
    for (std::size_t i = 0; i <= n; ++i) {
        if (i == n && !resultant) break;
        double rise = r.py[i] - r.y0;
        shell::MoveTo(pic, r.px[i], r.y0, false);
        shell::DrawArrow(pic, std::fabs(rise) / shell::DrawEng().DrawScale, true, true, kPenAtTail, false,
                         i == n ? rt::kMagenta : rt::kBlack, "", 3, rise > 0 ? 12 : 6, 0);
    }
    if (resultant && r.xL) {
        Couple(pic, 0.75, r.ML);  // the pen is at the resultant's foot, xL
    } else if (r.kind == vec::Reduction::Couple) {
        shell::MoveTo(pic, r.px[n], r.y0, false);
        Couple(pic, 0.75, r.M);
    } else if (r.kind == vec::Reduction::Null) {
        NullMark(pic, r.x0, r.y0);
    }
}

void DrawParallelForces2D(plat::Picture& pic, const vec::ParallelForces2DResult& r) {
    pic.Cls();
    DrawAxes(pic, r.origin.x, r.origin.y);
    std::size_t m = r.points.size();
    for (std::size_t i = 0; i < m; ++i) {
        shell::MoveTo(pic, r.pixels[i].x, r.pixels[i].y, false);
        shell::DrawOutOfPlaneMark(pic, rt::Sgn(r.Fz[i]), rt::kBlack);
    }
    const vec::PlotPoint& at = r.pixels[m];  // where the resultant acts
    switch (r.kind) {
    case vec::Reduction::Couple:
        shell::MoveTo(pic, r.origin.x, r.origin.y, false);
        shell::DrawArrow(pic, 1.25, true, true, kPenAtTail, false, rt::kMagenta, "", 3, r.couple.Hour, r.couple.Alpha);
        break;
    case vec::Reduction::Null: NullMark(pic, r.origin.x, r.origin.y); break;
    case vec::Reduction::Resultant:
        if (r.L) {
            const vec::PlotPoint& l = r.pixels[m + 1];
            shell::MoveTo(pic, l.x, l.y, false);
            shell::DrawOutOfPlaneMark(pic, rt::Sgn(r.Rz), rt::kMagenta);
            shell::DrawArrow(pic, 1.25, true, true, kPenAtTail, false, rt::kMagenta, "", 3, r.couple.Hour,
                             r.couple.Alpha);
            NullMark(pic, at.x, at.y);
            pic.SetDrawStyle(plat::DrawStyle::Dot);
            pic.Line(at.x, at.y, l.x, l.y, rt::kMagenta);
            pic.SetDrawStyle(plat::DrawStyle::Solid);
        } else {
            shell::MoveTo(pic, at.x, at.y, false);
            shell::DrawOutOfPlaneMark(pic, rt::Sgn(r.Rz), rt::kMagenta);
        }
        break;
    }
}

void DrawCoplanarForces(plat::Picture& pic, const vec::CoplanarForcesResult& r) {
    double left = vec::kPlotLeft + r.margin, bottom = vec::kPlotBottom + r.margin;
    pic.Cls();
    pic.Box(left, bottom, left + r.side, bottom + r.side, vec::kFrameColor);
    DrawAxes(pic, r.origin.x, r.origin.y);
    std::size_t m = r.positions.size() - 1;
    for (std::size_t i = 0; i < m; ++i) {
        shell::MoveTo(pic, r.pixels[i].x, r.pixels[i].y, false);
        shell::DrawPointMark(pic, false, -1, false, rt::kBlack);
        shell::DrawArrow(pic, 1, true, true, kPenAtTail, false, r.forces[i].Color, "", 3, r.forces[i].Hour,
                         r.forces[i].Alpha);
    }
    const vec::PlotPoint& at = r.pixels[m];
    const vec::VecRec& res = r.forces[m];
    switch (r.kind) {
    case vec::Reduction::Resultant: {
        double xa = left, ya = bottom, xb = left + r.side, yb = bottom + r.side;
        shell::DrawLineOfAction(pic, at.x, at.y, xa, ya, xb, yb, vec::kFrameColor, static_cast<float>(res.Dir));
        shell::MoveTo(pic, at.x, at.y, false);
        shell::DrawArrow(pic, 1, true, true, kPenAtTail, false, rt::kMagenta, "", 3, res.Hour, res.Alpha);
        if (r.L) {
            shell::MoveTo(pic, at.x, at.y, false);
            Couple(pic, 0.5, r.ML);
            NullMark(pic, at.x, at.y);
        }
        break;
    }
    case vec::Reduction::Couple:
        shell::MoveTo(pic, r.origin.x, r.origin.y, false);
        Couple(pic, 0.75, r.MO);
        break;
    case vec::Reduction::Null: NullMark(pic, r.origin.x, r.origin.y); break;
    }
}

void DrawDistributedLoad(plat::Picture& pic, const vec::DistributedLoadResult& r) {
    pic.Cls();
    pic.Box(vec::kPlotLeft, vec::kPlotBottom, vec::kPlotLeft + vec::kPlotSide, vec::kPlotBottom + vec::kPlotSide,
            vec::kFrameColor);
    DrawAxes(pic, r.origin.x, r.origin.y);
    shell::MoveTo(pic, r.curve[0].x, r.curve[0].y, false);
    for (std::size_t i = 1; i < r.curve.size(); ++i) pic.LineTo(r.curve[i].x, r.curve[i].y);
    switch (r.kind) {
    case vec::Reduction::Couple:
        shell::MoveTo(pic, r.origin.x, r.origin.y, false);
        Couple(pic, 0.5, r.M0);
        break;
    case vec::Reduction::Null: NullMark(pic, r.origin.x, r.origin.y); break;
    case vec::Reduction::Resultant: {
        // Across the whole height of the frame, in the sense of the force.
        bool up = r.F > 0;
        shell::MoveTo(pic, r.arrowX, up ? vec::kPlotBottom : vec::kPlotBottom + vec::kPlotSide, false);
        shell::DrawArrow(pic, vec::kPlotSide / shell::DrawEng().DrawScale, true, true, kPenAtTail, false, rt::kMagenta,
                         "", 3, up ? 12 : 6, 0);
        break;
    }
    }
}

vec::ResultText ReduceParallelForces1D(plat::Picture& pic, std::span<const std::string> cells, int decimals) {
    vec::ParallelForces1DResult r = vec::ReduceParallelForces1DCells(cells, decimals);
    DrawParallelForces1D(pic, r);
    return r.lines;
}

vec::ResultText ReduceParallelForces2D(plat::Picture& pic, std::span<const std::string> args, int decimals) {
    vec::ParallelForces2DResult r = vec::ReduceParallelForces2D(args, decimals);
    DrawParallelForces2D(pic, r);
    return r.lines;
}

vec::ResultText ReduceCoplanarForces(plat::Picture& pic, std::span<const std::string> args, int decimals) {
    vec::CoplanarForcesResult r = vec::ReduceCoplanarForces(args, decimals);
    DrawCoplanarForces(pic, r);
    return r.lines;
}

vec::ResultText ReduceDistributedLoad(plat::Picture& pic, const std::string& text, double& x1, double& x2,
                                      const vec::LoadIntegrator& integrate, int decimals) {
    vec::DistributedLoadResult r = vec::ReduceDistributedLoad(text, x1, x2, integrate, decimals);
    DrawDistributedLoad(pic, r);
    return r.lines;
}

}  // namespace vecui
