#pragma once
// The module state of plane kinematics. The law itself lives in the shared
// KinemLaw (shell/defaults.h), which ChooseLaw writes when the bar picks it; each
// computation compiles the law it hands to the numerical routines.

namespace kinem {

struct KinemState {
    // Between the key-down and the key-up of the key that types "(" with its
    // closing ")": the key-up writes the ")".
    bool KinemCloseParenPending = false;
};

KinemState& State();

// The state of a fresh run; test fixtures call it.
void ResetState();

}  // namespace kinem
