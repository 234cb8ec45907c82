#pragma once
// The listed rectilinear procedures that work on typed values and on the
// segments' numeric equations: the interval equations, the systems in the
// base velocity and the acceleration, the relations between two bodies and
// the proportional conditions. Plain computations returning a StepResult. No
// widget include.
#include <array>
#include <string>
#include <vector>

#include "motion/mrua/common.h"
#include "motion/procedures.h"
#include "motion/state.h"
#include "runtime/variant.h"

namespace mrua {

// Ten values a, ti, tf, dt, xi, xf, dx, vi, vf, dv, each Empty/"" (not
// given) or the typed text. Refusals come back as message; otherwise three
// lines. A given value that is not a number raises when it is used.
StepResult IntervalEqns(const motion::IntervalData& values);

// The systems SystemVA to SystemV2A2AV2A and the Quadratic on the
// comma-separated coefficients of `text`; any other procedure gives an
// StepResult with no lines and no message.
StepResult VaSystem(motion::RectProcedure code, const std::string& text);

// The times at which x - X = C (isDifference) or x = C X hold, segment by
// segment of body 1 (those listed in body1, in order) against body 2. A
// refusal's message is followed by "Revisa los datos.".
StepResult XRelation(const std::vector<SegmentLaw>& body1, const SegmentLaw& body2, double C, bool isDifference);

// The same for v - V = C or v = C V; `times` holds (segment, t) of every
// segment that yields a time. A segment whose velocity relation never or
// always holds yields nothing; when no segment yields a time the answer is
// "No hay solución.".
struct TimeInSegment {
    int segment;
    double t;
};
StepResult VRelation(const std::vector<SegmentLaw>& body1, const SegmentLaw& body2, double C, bool isDifference,
                     std::vector<TimeInSegment>& times);

// Body 2 seen from the table: the texts of its point 0 and its acceleration;
// an empty one is the datum to find.
struct Body2Data {
    rt::Variant T0, X0, V0, A;
};
// x = p X and v = q V at a common time, with body 1's segment 1 numeric
// (law) and exactly one of body 2's data missing.
StepResult PQConditions(const SegmentLaw& body1, const Body2Data& body2, double p, double q);

}  // namespace mrua
