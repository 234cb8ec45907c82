#include "kinematics/state.h"

namespace kinem {

KinemState& State() {
    static KinemState state;
    return state;
}

void ResetState() { State() = KinemState{}; }

}  // namespace kinem
