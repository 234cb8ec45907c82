#include "statics/particle/state.h"

namespace particle {

void ParticleState::ClearForces() {
    ParticleForces.clear();
    ParticleForceCount = 0;
    LabelSectorsUsed.fill(false);
}

ParticleState& State() {
    static ParticleState s;
    return s;
}

void ResetState() { State() = ParticleState{}; }

}  // namespace particle
