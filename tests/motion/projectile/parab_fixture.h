#pragma once
// Plain tests of the projectile computations: the shared defaults set, three
// decimals, one body over the nine table columns and an empty projectile
// model before every test.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "motion/projectile/model.h"
#include "motion/state.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace parabtest {

class ParabTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetShared();
        motion::ResetState();
        text::G().Decimals = 3;
        motion::State().NumBodies = 1;
        motion::State().PointsPerBody = {0, 9, 0};
    }
    void TearDown() override { text::G().Decimals = 3; }

    // Sets a body's equations up as the set-up procedure stores them.
    parab::SetUpPlan Pose(int body, const rt::Variant& t0, const rt::Variant& x0, const rt::Variant& y0,
                          const rt::Variant& p, const rt::Variant& q, bool cs = false) {
        parab::ClearKinds(body);
        auto plan = parab::PlanSetUp(body, t0, x0, y0, p, q, cs);
        parab::StoreSetUp(parab::Model(), body, plan);
        return plan;
    }
    void TwoBodies(int first) {
        motion::State().NumBodies = 2;
        motion::State().PointsPerBody = {0, first, 9 - first};
    }
};

// The number at the end of a text, after `after`.
inline double NumberAfter(const std::string& text, const std::string& after) {
    const auto p = text.find(after);
    if (p == std::string::npos) return NAN;
    return rt::Val(text.substr(p + after.size()));
}

}  // namespace parabtest
