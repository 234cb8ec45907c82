#pragma once
// Reductions of force systems as computations: parallel forces on a line,
// parallel forces normal to the plane and coplanar forces. Each returns the
// reduction, its result lines (formula markup, line 1 first, numbers rounded
// to `decimals` with a plain minus) and where its plot puts every point, in
// pixels of the drawing picture (y upwards). A text the parser refuses, a
// number text that does not convert, or an arithmetic fault raises
// rt::RuntimeError. A resultant within 1E-06 of zero makes the system a
// couple or a null system.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "vectors/vecplot.h"
#include "vectors/vecproc.h"

namespace vec {

struct PlotPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PlotPoint&) const = default;
};

// What a system reduces to.
enum class Reduction { Resultant, Couple, Null };

inline constexpr double kForceTolerance = 1e-6;

// Forces Fs(i) along y at the abscissas xs(i) of a line, optionally
// reduced to a force and a couple at xL.
struct ParallelForces1DResult {
    Reduction kind = Reduction::Resultant;
    // The forces, then the resultant: its force (0 for a couple or a null
    // system) and the abscissa where it is drawn (xR, or xL when given).
    std::vector<double> xs, Fs;
    double R = 0;
    double M = 0;   // moment about the origin
    double xR = 0;  // M / R for a resultant
    std::optional<double> xL;
    double ML = 0;  // moment of the resultant about xL
    ResultText lines;
    // Plot: separate scales along x and along the forces; pixels of the
    // points on the axis, of the arrow tips and of the origin.
    double kx = 0, kF = 0;
    std::vector<double> px, py;
    double x0 = 0, y0 = 0;
};
ParallelForces1DResult ReduceParallelForces1D(std::span<const double> xs, std::span<const double> Fs,
                                              std::optional<double> xL = std::nullopt, int decimals = 3);
// The same from the argument texts x1, F1, x2, F2, ... [, xL], each converted
// as a plain number (a text that is not one raises TypeMismatch).
ParallelForces1DResult ReduceParallelForces1DCells(std::span<const std::string> cells, int decimals = 3);

// Forces Fz normal to the plane at points of the plane: args are the texts
// r1, F1z, r2, F2z, ... [, rL].
struct ParallelForces2DResult {
    Reduction kind = Reduction::Resultant;
    std::vector<PlotPoint> points;  // points of application
    std::vector<double> Fz;
    double Rz = 0, Mx = 0, My = 0;
    double xR = 0, yR = 0;  // where the resultant acts (the origin without one)
    std::optional<PlotPoint> L;
    // The couple's moment vector: (Mx, My) for a couple, the moment of the
    // resultant about L when it is moved there (as the parser reads it back).
    VecRec couple;
    ResultText lines;
    // Plot: one scale; pixels of the points, then of (xR, yR), then of L.
    double scale = 0;
    std::vector<PlotPoint> pixels;
    PlotPoint origin;
};
ParallelForces2DResult ReduceParallelForces2D(std::span<const std::string> args, int decimals = 3);

// Coplanar forces: args are the texts r1, F1, r2, F2, ..., with a couple
// (a plain number) and/or a point L among the last two texts.
struct CoplanarForcesResult {
    Reduction kind = Reduction::Resultant;
    // Points of application then the resultant's drawing point (on its line
    // of action, or L when given); the forces then the resultant.
    std::vector<VecRec> positions, forces;
    double Rx = 0, Ry = 0, MO = 0;
    std::optional<double> couple;
    std::optional<PlotPoint> L;
    double ML = 0;
    ResultText lines;
    // Plot: a square of side 253 inside the frame with a margin of one
    // drawing unit; one scale; pixels of every position and of the origin.
    double margin = kDrawScale;
    double side = kPlotSide - 2 * kDrawScale;
    double k = 0;
    std::vector<PlotPoint> pixels;
    PlotPoint origin;
};
CoplanarForcesResult ReduceCoplanarForces(std::span<const std::string> args, int decimals = 3);

}  // namespace vec
