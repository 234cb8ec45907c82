#pragma once
// The procedures that work on one point of a body's path: completing the
// point from one datum, and finding a launch parameter (v0, theta0, v0x,
// v0y) or the relation between v0 and theta0 from a pair of data at the
// point. Each returns what to show: a refusal, or result lines, the values
// found and the question that offers them. They read only what they are
// given: the launch model and the velocity mode of the table's columns.
// No widget include.
#include <string>
#include <vector>

#include "motion/projectile/model.h"
#include "motion/state.h"
#include "numerics/equations.h"
#include "runtime/variant.h"
#include "text/resultformat.h"

namespace parab {

enum class Ask { None, YesNo, YesNoCancel, OKCancel };

// The answer of one projectile procedure step (not an rt::Outcome: a refusal
// here is shown, not read): the refusal's message, or what to write and offer.
struct StepResult {
    std::string message;      // non-empty: an OK box, and nothing else happens
    text::ResultLines lines;  // written when there is no message
    std::vector<double> values;
    Ask ask = Ask::None;
    std::string prompt, title;
};

// What the projectile procedures say when an equation has no real root.
inline const std::string kNoSolution = "No hay solución.";

// An outcome that only shows msg.
inline StepResult Refuse(std::string msg) {
    StepResult o;
    o.message = std::move(msg);
    return o;
}

// True when both roots of a quadratic are real.
inline bool Real(const num::Roots& roots) { return roots.real == 2; }

// One point written into the table: column and the five values (the last
// two speed and direction, or vx and vy, by the column's mode).
struct PointFill {
    int col = 0;
    double t = 0, x = 0, y = 0, p = 0, q = 0;
};

struct ApplyResult {
    std::string message;
    std::vector<PointFill> fills;  // written in order; with `choose`, the two choices
    bool choose = false;           // ask which of fills[0], fills[1] to write
    std::string prompt, title;
    text::ResultLines lines;  // written when not empty
};

// For each table column 1..9, whether it gives its velocity by components.
using VelocityModes = motion::Array1<bool, motion::kMaxPoints>;

// Completing a point of a body of model m with complete equations from the
// datum kind `code` (5..11) and the data d1, d2; a point is written in its
// column's velocity mode. refPoint (code 8) was typed: one outside the table
// raises SubscriptOutOfRange.
ApplyResult PlanApplyPoint(const ParabModel& m, const VelocityModes& components, int body, int point, int refPoint,
                           int code, const rt::Variant& d1, const rt::Variant& d2);

// Launch speed, launch angle, horizontal or vertical launch velocity from the
// pair of data `code` (12..20) at point `point` of the body of model m.
StepResult SolveV0FromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                            const rt::Variant& d2);
StepResult SolveTheta0FromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                                const rt::Variant& d2);
StepResult SolveV0xFromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                             const rt::Variant& d2);
StepResult SolveV0yFromPoint(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                             const rt::Variant& d2);
// The one equation in v0 and theta0 the pair gives (no values).
StepResult V0Theta0Relation(const ParabModel& m, int body, int point, int code, const rt::Variant& d1,
                            const rt::Variant& d2);

// The quartic in v0x of the pair (x, v) when v0x is unknown.
struct Quartic {
    std::string expr;    // in the engine's variable X
    std::string markup;  // the equation line
};
Quartic V0xQuartic(double X, double v0y, double v, const std::string& vs);
std::string V0xQuarticPrompt(const std::string& vs);
// The five result lines of the roots found.
text::ResultLines V0xQuarticLines(int body, int point, const rt::Variant& x, const rt::Variant& v, const Quartic& q,
                                  const std::vector<double>& roots, const std::vector<double>& fvals);
extern const char kSearchTitle[];
extern const char kNoRootsInInterval[];

}  // namespace parab
