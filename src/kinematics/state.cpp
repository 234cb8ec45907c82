#include "kinematics/state.h"

namespace kinem {

KinemState& State() {
    static KinemState state;
    return state;
}

}  // namespace kinem
