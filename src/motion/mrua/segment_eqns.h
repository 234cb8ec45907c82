#pragma once
// The equations of motion of one rectilinear segment, posed from a base
// point, and the records every later procedure reads: which kind of
// equations each (body, segment) has, the coefficients of the numeric ones
// and the base data of the ones with parameters. No widget include.
//
// Numeric equations (base velocity and acceleration known), in absolute
// time: x = A + B t + (a/2) t^2, v = B + a t, the acceleration a being the
// segment's Accel. With parameters the unknowns stay as symbols and the
// equations are written around the base time tb.
#include <array>
#include <optional>
#include <string>

#include "motion/procedures.h"
#include "motion/state.h"
#include "runtime/variant.h"

namespace mrua {

enum class EqnKind { None, Numeric, ParamV, ParamA, ParamVA };

struct EqnRecords {
    motion::Array2<bool, 2, 3> Numeric{}, ParamV{}, ParamA{}, ParamVA{};
    motion::Array2<double, 2, 3> InitialPositions{};   // A
    motion::Array2<double, 2, 3> InitialVelocities{};  // B
    motion::Array2<int, 2, 3> BasePoints{};
    motion::Array2<double, 2, 3> ParamVBaseTimes{}, ParamVBasePositions{};
    motion::Array2<double, 2, 3> ParamABaseTimes{}, ParamABasePositions{}, ParamABaseVelocities{};
    motion::Array2<double, 2, 3> ParamVABaseTimes{}, ParamVABasePositions{};

    EqnKind Kind(int body, int segment) const;
    void SetKind(int body, int segment, EqnKind kind);
    // Every flag false.
    void EraseFlags();
};

// The records of the run.
EqnRecords& Records();

// First of the two picture lines of (body, segment): 2 segment - 1 for
// body 1, 7 for body 2, 0 for any other body.
int EqnLineOfSegment(int body, int segment);

// The posing of one segment's equations: what is stored and what is shown.
struct PosedEqns {
    EqnKind kind = EqnKind::None;
    double A = 0, B = 0;  // numeric kind
    double a = 0;         // the acceleration used (numeric and parameter v)
    double tb = 0, xb = 0, vb = 0;
    std::string positionLine, velocityLine;  // "x = ...", "v = ..."
    std::string heading, dataLine;           // the two result lines
};

// Composes the equations of (body, segment) from the base point basePoint
// with the acceleration a, time tb, position xb and velocity vb; a or vb
// empty ("" or Empty) is unknown. tb and xb must be numbers (a text that is
// not raises TypeMismatch).
PosedEqns ComposeSegmentEqns(int body, int segment, int basePoint, const rt::Variant& a, const rt::Variant& tb,
                             const rt::Variant& xb, const rt::Variant& vb);

// Stores a posing into the records (and the acceleration into the segment
// record for the numeric and parameter-v kinds).
void StorePosedEqns(int body, int segment, int basePoint, const PosedEqns& e);

// A relational datum of a table cell. The forms: "t0" (increment 0), "t0+2", "t0-2", "3*t0",
// "t0/4" (factor 0.25), "-t0" (factor -1), "-t0/4". An empty datum or one of
// no form gives three Empty values; a divisor that is not a number, or zero,
// raises.
motion::RelationalDatum ParseRelDatum(const rt::Variant& datum);

// The same, refusing what no procedure can use: a non-empty datum of no
// form, a point that is not a digit, an increment or factor that is not a
// number. std::nullopt then.
std::optional<motion::RelationalDatum> ParseRelDatumChecked(const rt::Variant& datum);

}  // namespace mrua
