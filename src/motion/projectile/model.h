#pragma once
// The projectile model: each body's launch data, the kind of equations set
// up for it and the coefficients of its trajectory, with the set-up of a
// body's equations and the texts of its five equation lines.
//
// Physics: x horizontal, y up, g = 9.8 (kG, with kHalfG and kTwoG).
// From the launch (t0, x0, y0, v0x, v0y):
//   x(t) = Bx + v0x t, y(t) = Cy + By t - 4.9 t^2, vy(t) = By - 9.8 t,
//   Bx = x0 - v0x t0, Cy = y0 - v0y t0 - 4.9 t0^2, By = v0y + 9.8 t0;
//   trajectory y = A0 + A1 x + A2 x^2 when v0x is not within 1E-08 of 0.
//
// A launch value is a number (a text of a number from the table, or a
// computed double) or unknown ("" or Empty). No widget include.
#include <array>
#include <optional>
#include <string>

#include "motion/procedures.h"
#include "motion/state.h"
#include "runtime/variant.h"
#include "text/resultformat.h"

namespace parab {

using motion::kG;
using motion::kHalfG;
using motion::kHalfGText;
using motion::kTwoG;
inline constexpr double kZeroTol = 1E-08;

struct BodyLaunch {
    rt::Variant t0, x0, y0, vx0, vy0, v0, theta0;
};

struct ParabModel {
    std::array<BodyLaunch, 3> launch{};  // [1], [2]
    std::array<motion::ParabEqnKinds, 3> kinds{};
    std::array<double, 3> TrajCoefs0{}, TrajCoefs1{}, TrajCoefs2{};
};

// The one model of the run.
ParabModel& Model();

// The body's quantity names in the formula markup.
struct Symbols {
    std::string xs, ys, vxs, vys, vs;
};
Symbols BodySymbols(int body);

// x rounded to the larger of Decimals and 6 places.
double RoundedFine(double x);

// All six kind flags of one body, or of both, become false.
void ClearKinds(int body);
void ClearAllKinds();

// What a set-up of one body's equations found.
struct SetUpPlan {
    std::string message;  // non-empty: refused with this message
    int kase = 0;         // 1 complete .. 6 v0x unknown
    BodyLaunch launch;
    bool storeCoefs = false;
    double A0 = 0, A1 = 0, A2 = 0;
    text::ResultLines lines;            // the three report lines
    std::array<std::string, 6> eqns{};  // equation lines 1..5
};

// Checks the launch data and builds everything the set-up stores and
// writes. components false: p = v0, q = theta0 (degrees); true: p = v0x,
// q = v0y. A known value that is not a number raises TypeMismatch.
SetUpPlan PlanSetUp(int body, const rt::Variant& t0, const rt::Variant& x0, const rt::Variant& y0, const rt::Variant& p,
                    const rt::Variant& q, bool components);

// Stores a plan into the model: the body's flags become false and, when the
// plan holds no message, its launch data, kind and coefficients are stored.
void StoreSetUp(ParabModel& m, int body, const SetUpPlan& plan);

// The five equation texts of a kind for a body (index 1..5).
std::array<std::string, 6> EquationTexts(int body, int kase, const BodyLaunch& l, double K);

// Launch data as doubles (an unknown gives 0 for Empty, and raises
// TypeMismatch for a text that is not a number).
struct Launch {
    double t0 = 0, x0 = 0, y0 = 0, vx0 = 0, vy0 = 0;
    double Bx() const { return x0 - vx0 * t0; }
    double Cy() const { return y0 - vy0 * t0 - kHalfG * t0 * t0; }
    double By() const { return vy0 + kG * t0; }
};
// Of body 1 or 2 of model m, or of the run's model.
Launch LaunchNumbers(const ParabModel& m, int body);
Launch LaunchNumbers(int body);

// The point of the trajectory where the vertical velocity is vy (the launch
// is the body's own). Arithmetic faults raise.
struct TrajectoryPoint {
    double t = 0, x = 0, y = 0;
};
TrajectoryPoint PointWhereVy(const Launch& l, double vy);

// The data of a table column, rows t, x, y, speed (or vx), direction (or
// vy), as the clicks on the strip read them.
using ColumnCells = std::array<rt::Variant, 5>;

// What completing a point from one datum uses: the datum's kind (5 t, 6 x,
// 7 y, 8 increments of t and y from a related point, 9 vy, 10 speed, 11
// direction; 0 none) and its values. The first plain number wins in that
// order; dt and dy are the increments parsed from relational data.
struct PointDatum {
    int kind = 0;
    rt::Variant d1, d2;
};
PointDatum ChoosePointDatum(const ColumnCells& cells, const rt::Variant& dt, const rt::Variant& dy, bool components);

// The pair of plain numbers a launch parameter is solved from: its code
// (12..20) and the two cells it reads. forV0Theta picks the order of the
// speed-and-angle procedures, otherwise that of the components.
struct LaunchPair {
    int code = 0, a = 0, b = 0;
};
std::optional<LaunchPair> ChooseLaunchPair(const ColumnCells& cells, bool forV0Theta);

}  // namespace parab
