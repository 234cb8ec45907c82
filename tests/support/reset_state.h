#pragma once
// Every module state of the program as a fresh run has it: the shared state
// with its start values and each workspace's own state emptied. Fixtures that
// build the main window call it first, so that no test sees what another
// left, whatever the order the tests run in. Header only: the program that
// includes it links every workspace.
#include "kinematics/state.h"
#include "motion/state.h"
#include "shell/defaults.h"
#include "statics/particle/state.h"

namespace testsupport {

inline void ResetAllState() {
    shell::ResetShared();
    particle::ResetState();
    motion::ResetState();
    kinem::ResetState();
}

}  // namespace testsupport
