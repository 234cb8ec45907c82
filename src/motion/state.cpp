#include "motion/state.h"

#include "motion/mrua/segment_eqns.h"
#include "motion/projectile/model.h"
#include "runtime/errors.h"

namespace motion {

MotionState& State() {
    static MotionState state;
    return state;
}

void ResetState() {
    State() = MotionState{};
    mrua::Records() = mrua::EqnRecords{};
    parab::Model() = parab::ParabModel{};
}

rt::Variant& MotionPoint(int q, int p) {
    rt::ExpectIndex(q, 0, kQuantities - 1, "quantity of a point");
    rt::ExpectIndex(p, 1, kMaxPoints, "column of a point");
    return State().MotionPoints[q][p];
}

rt::Variant& CheckedMotionPoint(int q, int p) {
    rt::CheckIndex(q, 0, kQuantities - 1);
    rt::CheckIndex(p, 1, kMaxPoints);
    return State().MotionPoints[q][p];
}

void EraseMotionPoints() {
    for (auto& row : State().MotionPoints)
        for (auto& v : row) v = rt::Variant();
}

void EraseResults() {
    MotionState& s = State();
    for (auto& v : s.ResultCaptions) v = rt::Variant();
    for (auto* a : {&s.ResultTimes, &s.ResultPositions, &s.ResultVelocities})
        for (auto& v : *a) v = rt::Variant();
}

void EraseSegments() {
    for (auto& body : State().Segments)
        for (auto& seg : body) seg = SegmentRec{};
}

void ResetClickCounters() {
    MotionState& s = State();
    s.GraphClickCount = 0;
    s.LinkClickCount = 0;
    s.DistanceClickCount = 0;
}

void InitMruaEqnLinePositions() {
    for (int k = 1; k <= 8; ++k) State().LinePos[k] = {10, 340 - 18 * (k - 1)};
}

void InitParabEqnLinePositions() {
    for (int k = 1; k <= 10; ++k) State().LinePos[k] = {10, 340 - 20 * (k - 1)};
}

}  // namespace motion
