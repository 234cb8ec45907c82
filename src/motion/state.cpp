#include "motion/state.h"

namespace motion {

MotionState& State() {
    static MotionState state;
    return state;
}

void InitMruaEqnLinePositions() {
    for (int k = 1; k <= 8; ++k) State().LinePos[k] = {10, 340 - 18 * (k - 1)};
}

}  // namespace motion
