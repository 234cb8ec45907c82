#include "vectors/forces.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/resultformat.h"

namespace vec {

namespace {
bool IsZero(double v) { return num::IsNear(v, 0, kForceTolerance); }

// Least and greatest of some values, widened so that 0 lies between them.
struct Bounds {
    double lo = 0, hi = 0;
    double Extent() const { return hi - lo; }
};
Bounds WithOrigin(std::span<const double> v) {
    Bounds b{v[0], v[0]};
    for (double x : v) {
        b.lo = std::min(b.lo, x);
        b.hi = std::max(b.hi, x);
    }
    b.lo = std::min(b.lo, 0.0);
    b.hi = std::max(b.hi, 0.0);
    return b;
}

}  // namespace

ParallelForces1DResult ReduceParallelForces1D(std::span<const double> xs, std::span<const double> Fs,
                                              std::optional<double> xL, int d) {
    if (xs.empty() || Fs.size() < xs.size()) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    ParallelForces1DResult r;
    r.xs.assign(xs.begin(), xs.end());
    r.Fs.assign(Fs.begin(), Fs.begin() + xs.size());
    r.xL = xL;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        r.R = rt::Add(r.R, Fs[i]);
        r.M = rt::Add(r.M, rt::Mul(xs[i], Fs[i]));
    }
    if (!IsZero(r.R)) {
        r.kind = Reduction::Resultant;
        r.xR = rt::Div(r.M, r.R);
        r.xs.push_back(r.xR);
        r.Fs.push_back(r.R);
        if (xL) {
            r.ML = rt::Checked((r.xR - *xL) * r.R);
            r.xs.back() = *xL;
            r.lines = {"R = " + text::MarkupRounded(r.R, d) + ", x!R = " + text::MarkupRounded(r.xR, d),
                       "La resultante localizada en x = " + rt::NumberText(*xL), "consta de la fuerza R dada arriba",
                       "y un par de momento " + text::MarkupRounded(r.ML, d)};
        } else {
            r.lines = {"La resultante vale " + text::MarkupRounded(r.R, d),
                       "y se localiza en " + text::MarkupRounded(r.xR, d)};
        }
    } else {
        // Forces that cancel leave the same couple about every point.
        r.kind = IsZero(r.M) ? Reduction::Null : Reduction::Couple;
        r.R = 0;
        r.xs.push_back(xL.value_or(0));
        r.Fs.push_back(0);
        if (r.kind == Reduction::Couple)
            r.lines = {"La resultante es un par de momento " + text::MarkupRounded(r.M, d)};
        else
            r.lines = {"El sistema de fuerzas tiene resultante nula."};
    }

    Bounds bx = WithOrigin(r.xs), bf = WithOrigin(r.Fs);
    r.kx = AxisScale(kPlotSide, bx.Extent(), bf.Extent());
    r.kF = AxisScale(kPlotSide, bf.Extent(), bx.Extent());
    for (std::size_t i = 0; i < r.xs.size(); ++i) {
        r.px.push_back(static_cast<float>(kPlotLeft + (r.xs[i] - bx.lo) * r.kx));
        r.py.push_back(static_cast<float>(kPlotBottom + (r.Fs[i] - bf.lo) * r.kF));
    }
    r.x0 = static_cast<float>(kPlotLeft - bx.lo * r.kx);
    r.y0 = static_cast<float>(kPlotBottom - bf.lo * r.kF);
    return r;
}

ParallelForces1DResult ReduceParallelForces1DCells(std::span<const std::string> cells, int d) {
    std::vector<double> xs, Fs;
    for (std::size_t i = 0; i + 1 < cells.size(); i += 2) {
        xs.push_back(rt::TextToNumber(cells[i]));
        Fs.push_back(rt::TextToNumber(cells[i + 1]));
    }
    std::optional<double> xL;
    if (cells.size() % 2 == 1) xL = rt::TextToNumber(cells.back());
    return ReduceParallelForces1D(xs, Fs, xL, d);
}

ParallelForces2DResult ReduceParallelForces2D(std::span<const std::string> args, int d) {
    ParallelForces2DResult r;
    std::size_t m = args.size() / 2;
    for (std::size_t i = 0; i < m; ++i) {
        VecRec p = ParseRecord(args[2 * i]);
        r.points.push_back({p.X, p.Y});
    }
    for (std::size_t i = 0; i < m; ++i) r.Fz.push_back(rt::TextToNumber(args[2 * i + 1]));
    for (std::size_t i = 0; i < m; ++i) {
        r.Rz = rt::Add(r.Rz, r.Fz[i]);
        r.Mx = rt::Add(r.Mx, rt::Mul(r.Fz[i], r.points[i].y));
        r.My = rt::Sub(r.My, rt::Mul(r.points[i].x, r.Fz[i]));
    }
    bool zeroForce = IsZero(r.Rz);
    bool zeroMoment = IsZero(r.Mx) && IsZero(r.My);
    if (!zeroForce) {
        r.xR = rt::Div(-r.My, r.Rz);
        r.yR = rt::Div(r.Mx, r.Rz);
    }
    if (args.size() % 2 == 1) {
        VecRec p = ParseRecord(args.back());
        r.L = PlotPoint{p.X, p.Y};
    }
    if (zeroForce) {
        r.kind = zeroMoment ? Reduction::Null : Reduction::Couple;
        if (r.kind == Reduction::Couple) {
            r.couple = RecordFromComponents(r.Mx, r.My, rt::kMagenta);
            r.lines = {"La suma de fuerzas es cero. La resultante es",
                       "un par de momento $M = ;S$M!O = (" + text::MarkupRounded(r.Mx, d) + ", " +
                           text::MarkupRounded(r.My, d) + ")",
                       ""};
        } else {
            r.lines = {"El sistema de fuerzas tiene resultante nula."};
        }
    } else {
        r.kind = Reduction::Resultant;
        r.lines = {";SF!z = " + text::MarkupRounded(r.Rz, d) + ",  ;S$M!O = (" + text::MarkupRounded(r.Mx, d) + ", " +
                       text::MarkupRounded(r.My, d) + ")",
                   "Resultante: R!z = " + text::MarkupRounded(r.Rz, d) + ", ubicada en",
                   "x!R = " + text::MarkupRounded(r.xR, d) + ",  y!R = " + text::MarkupRounded(r.yR, d)};
        if (r.L) {
            double mlx = rt::Checked((r.yR - r.L->y) * r.Rz);
            double mly = rt::Checked(-(r.xR - r.L->x) * r.Rz);
            r.couple = RecordFromComponents(mlx, mly, rt::kMagenta);
            r.lines.push_back("Localizada en (" + text::MarkupRounded(r.L->x, d) + ", " +
                              text::MarkupRounded(r.L->y, d) + ")");
            r.lines.push_back("es  R!z = " + text::MarkupRounded(r.Rz, d) + "  y  $M = (" +
                              text::MarkupRounded(r.couple.X, d) + ", " + text::MarkupRounded(r.couple.Y, d) + ")");
        }
    }

    std::vector<PlotPoint> all = r.points;
    all.push_back({r.xR, r.yR});
    if (r.L) all.push_back(*r.L);
    std::vector<double> xs, ys;
    for (const PlotPoint& p : all) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    Bounds bx = WithOrigin(xs), by = WithOrigin(ys);
    r.scale = UniformScale(kPlotSide, bx.Extent(), by.Extent());
    for (const PlotPoint& p : all)
        r.pixels.push_back({static_cast<float>(kPlotLeft + (p.x - bx.lo) * r.scale),
                            static_cast<float>(kPlotBottom + (p.y - by.lo) * r.scale)});
    r.origin = {static_cast<float>(kPlotLeft - bx.lo * r.scale), static_cast<float>(kPlotBottom - by.lo * r.scale)};
    return r;
}

CoplanarForcesResult ReduceCoplanarForces(std::span<const std::string> args, int d) {
    CoplanarForcesResult r;
    std::size_t n = args.size(), pairTexts = n;
    std::optional<std::string> pointText;
    if (n % 2 == 1) {
        if (num::IsNumber(args[n - 1]))
            r.couple = rt::TextToNumber(args[n - 1]);
        else
            pointText = args[n - 1];
        pairTexts = n - 1;
    } else if (n >= 2) {
        if (num::IsNumber(args[n - 2])) {
            r.couple = rt::TextToNumber(args[n - 2]);
            pointText = args[n - 1];
            pairTexts = n - 2;
        } else if (num::IsNumber(args[n - 1])) {
            r.couple = rt::TextToNumber(args[n - 1]);
            pointText = args[n - 2];
            pairTexts = n - 2;
        }
    }
    if (pointText) {
        VecRec p = ParseRecord(*pointText);
        r.L = PlotPoint{p.X, p.Y};
    }
    std::size_t m = pairTexts / 2;
    for (std::size_t i = 0; i < m; ++i) {
        r.positions.push_back(ParseRecord(args[2 * i]));
        r.forces.push_back(ParseRecord(args[2 * i + 1]));
    }
    for (std::size_t i = 0; i < m; ++i) {
        r.Rx = rt::Add(r.Rx, r.forces[i].X);
        r.Ry = rt::Add(r.Ry, r.forces[i].Y);
        r.MO = rt::Add(r.MO, rt::Checked(r.positions[i].X * r.forces[i].Y - r.positions[i].Y * r.forces[i].X));
    }
    if (r.couple) r.MO = rt::Add(r.MO, *r.couple);

    bool zero = IsZero(r.Rx) && IsZero(r.Ry);
    VecRec resultant, point;
    if (zero) {
        resultant.Hour = 3;
        r.kind = IsZero(r.MO) ? Reduction::Null : Reduction::Couple;
    } else {
        r.kind = Reduction::Resultant;
        resultant = RecordFromComponents(r.Rx, r.Ry, rt::kMagenta);
        r.Rx = resultant.X;
        r.Ry = resultant.Y;
    }
    bool vertical = !zero && IsZero(r.Rx), horizontal = !zero && IsZero(r.Ry);
    double xI = 0, yI = 0;
    if (!zero) {
        if (!horizontal) xI = rt::Div(r.MO, r.Ry);
        if (!vertical) yI = rt::Div(-r.MO, r.Rx);
        if (vertical)
            point.X = xI;
        else if (horizontal)
            point.Y = yI;
        else if (std::fabs(yI) < std::fabs(xI))
            point.Y = yI;
        else
            point.X = xI;
    }
    if (r.L) {
        r.ML = rt::Checked((point.X - r.L->x) * r.Ry - (point.Y - r.L->y) * r.Rx);
        point.X = r.L->x;
        point.Y = r.L->y;
    }
    r.positions.push_back(point);
    r.forces.push_back(resultant);

    r.lines.push_back(";SF!x = " + text::MarkupRounded(r.Rx, d) + ",  ;SF!y = " + text::MarkupRounded(r.Ry, d) +
                      ",  ;SM!O = " + text::MarkupRounded(r.MO, d));
    if (r.kind == Reduction::Resultant) {
        r.lines.push_back("Resultante: $R = (" + text::MarkupRounded(r.Rx, d) + ", " + text::MarkupRounded(r.Ry, d) +
                          ")   ó   (" + text::MarkupRounded(resultant.Mag, d) + " #angu " +
                          text::MarkupRounded(resultant.Dir, d) + "°)");
        if (vertical) {
            r.lines.push_back("Línea de acción:  x = " + text::MarkupRounded(xI, d));
        } else if (horizontal) {
            r.lines.push_back("Línea de acción:  y = " + text::MarkupRounded(yI, d));
        } else {
            using text::FormatTerm;
            // Either term may round to zero; the other then opens the line.
            std::string lhs = FormatTerm(false, false, rt::RoundHalfEven(r.Ry, d), "x");
            lhs += FormatTerm(!lhs.empty(), false, rt::RoundHalfEven(-r.Rx, d), "y");
            r.lines.push_back("Línea de acción:  " + lhs + " = " +
                              FormatTerm(false, true, rt::RoundHalfEven(r.MO, d), 1) + ",");
        }
        r.lines.push_back(vertical || horizontal ? ""
                                                 : "Intersecciones: x!R = " + text::MarkupRounded(xI, d) +
                                                       ", y!R = " + text::MarkupRounded(yI, d));
        if (r.L) {
            r.lines.push_back("La resultante localizada en (" + text::MarkupRounded(r.L->x, d) + ", " +
                              text::MarkupRounded(r.L->y, d) + ")");
            r.lines.push_back("es la fuerza $R y un par de momento " + text::MarkupRounded(r.ML, d));
            r.lines.push_back("");
        }
    } else if (r.kind == Reduction::Couple) {
        r.lines.push_back("La resultante es un par de momento " + text::MarkupRounded(r.MO, d));
    } else {
        r.lines.push_back("El sistema de fuerzas tiene resultante nula");
    }

    std::vector<double> xs, ys;
    for (const VecRec& p : r.positions) {
        xs.push_back(p.X);
        ys.push_back(p.Y);
    }
    Bounds bx = WithOrigin(xs), by = WithOrigin(ys);
    r.k = UniformScale(r.side, bx.Extent(), by.Extent());
    for (const VecRec& p : r.positions)
        r.pixels.push_back({static_cast<float>(kPlotLeft + r.margin + (p.X - bx.lo) * r.k),
                            static_cast<float>(kPlotBottom + r.margin + (p.Y - by.lo) * r.k)});
    r.origin = {static_cast<float>(kPlotLeft + r.margin - bx.lo * r.k),
                static_cast<float>(kPlotBottom + r.margin - by.lo * r.k)};
    return r;
}

}  // namespace vec
