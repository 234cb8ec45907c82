#pragma once
// Shared set-up of the rectilinear tests: the start-up defaults (symbols,
// colours, plot frame, three decimals), the rectilinear workspace, an empty
// motion model and no equations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motion/mrua/segment_eqns.h"
#include "motion/state.h"
#include "shell/defaults.h"
#include "text/globals.h"
#include "text/resultformat.h"

namespace mruatest {

inline void ResetModel() {
    shell::ResetShared();
    motion::ResetState();
    text::G().Decimals = 3;
    shell::Shared().WorkspaceMode = shell::kRectilinearWorkspace;
    motion::InitMruaEqnLinePositions();
}

// One body over the nine columns, cut at the points given (segment limits).
inline void OneBody(std::vector<int> lastPoints) {
    motion::MotionState& s = motion::State();
    s.NumBodies = 1;
    s.PointsPerBody = {0, 9, 0};
    s.SegmentsPerBody[1] = static_cast<int>(lastPoints.size());
    int first = 0;
    for (size_t k = 0; k < lastPoints.size(); ++k) {
        s.Segments[1][k + 1].FirstPoint = first;
        s.Segments[1][k + 1].LastPoint = lastPoints[k];
        first = lastPoints[k];
    }
    s.TableReady = true;
}

// Two bodies: body 1 with n columns and one segment, body 2 the rest.
inline void TwoBodies(int n) {
    motion::MotionState& s = motion::State();
    s.NumBodies = 2;
    s.PointsPerBody = {0, n, 9 - n};
    s.SegmentsPerBody = {0, 1, 1};
    s.Segments[1][1].FirstPoint = 0;
    s.Segments[1][1].LastPoint = n - 1;
    s.Segments[2][1].FirstPoint = 0;
    s.Segments[2][1].LastPoint = 8 - n;
    s.TableReady = true;
}

// Numeric equations x = A + B t + (a/2) t^2 for (body, segment).
inline void Law(int body, int segment, double A, double B, double a) {
    mrua::Records().SetKind(body, segment, mrua::EqnKind::Numeric);
    mrua::Records().InitialPositions[body][segment] = A;
    mrua::Records().InitialVelocities[body][segment] = B;
    motion::State().Segments[body][segment].Accel = a;
}

// Strip x of the middle of a table column.
inline double ColX(int col) { return 64.0 * (col - 1) + 32; }

inline std::vector<std::string> Lines(const text::ResultLines& l) { return l.Lines(); }

class MruaTest : public ::testing::Test {
protected:
    void SetUp() override { ResetModel(); }
};

}  // namespace mruatest
