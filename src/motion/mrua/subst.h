#pragma once
// The substitutions of data into a segment's equations: into the numeric
// equations (one point, two points by increments, two points by a factor
// and an increment) and into the equations with an unknown base velocity,
// an unknown acceleration or both. Plain computations: the procedures show
// their answer, ask the questions and write the table. No widget include.
#include <array>
#include <string>
#include <vector>

#include "motion/mrua/common.h"
#include "motion/procedures.h"
#include "runtime/variant.h"

namespace mrua {

// The names of a segment's quantities.
struct Symbols {
    std::string X, V, A;
};
Symbols SymbolsOf(int body, int segment);

// One quantity of a point put into the numeric equations. `given` is 't',
// 'x' or 'v' (the first of t, x, v that is not empty), 0 when all are
// empty. count is 1, or 2 when a position is reached at two times; chosen
// is the entry (0 or 1) the table receives.
struct PointSubst {
    std::string message;
    char given = 0;
    int count = 0;
    std::array<double, 2> t{}, x{}, v{};
    int chosen = 0;
    text::ResultLines lines;
};
PointSubst SubstPoint(const SegmentLaw& law, const Symbols& s, int body, int segment, int point, const rt::Variant& t,
                      const rt::Variant& x, const rt::Variant& v);

// Two points from the increments dt and dx or dx and dv (values: t1, x1,
// v1, t2, x2, v2; four lines). Another combination gives no lines.
StepResult SubstIncrements(const SegmentLaw& law, const Symbols& s, int body, int segment, int p1, int p2,
                           const rt::Variant& dt, const rt::Variant& dx, const rt::Variant& dv);

// Two points from a factor of one quantity (kinds 1 t, 2 x, 3 v) and the
// increment of another; values hold six numbers (ti, xi, vi, tf, xf, vf)
// per solution. initialKnown: the initial point has a datum in the table.
StepResult SubstRelation(const SegmentLaw& law, const Symbols& s, int factorKind, const rt::Variant& C,
                         int incrementKind, const rt::Variant& D, int pI, int pF, bool initialKnown);

// The base point of equations with parameters.
struct BaseData {
    int p0 = 0;
    double tb = 0, xb = 0;
    double vb = 0;  // known base velocity (parameter a)
    double a = 0;   // known acceleration (parameter v)
};

// The case of the sixteen inputs (1..15, 0 none) and its "Datos" texts.
int ParamCase(const motion::ParamSubstArgs& g);

// Unknown base velocity: the values of vb (one or two); ask false for the
// five-line answer of positions that fix no velocity.
StepResult ParamVSubst(const motion::ParamSubstArgs& g, const Symbols& s, const BaseData& b);
// Unknown acceleration: one, two or three values of a (no question after
// three).
StepResult ParamASubst(const motion::ParamSubstArgs& g, const Symbols& s, const BaseData& b);
// Both unknown: the relation between them (note: a remark shown before the
// lines), or the acceleration the data fix (one value).
StepResult ParamVASubst(const motion::ParamSubstArgs& g, const Symbols& s, const BaseData& b);

}  // namespace mrua
