#pragma once
// The module state of particle statics: the forces on the particle, the
// copy taken before solving and the slots of the arrows that lie along an
// axis. It lives for the whole run; only the new-problem action and the
// cancel buttons empty it. No widget include.
#include <array>
#include <vector>

#include "vectors/statics_parser.h"

namespace particle {

// One force: the values the statics parser gives for its text (named as
// the parser names them; the solver fills in the unknowns), then where on
// the picture its arrow starts.
struct ParticleForceRec : vec::ParsedVector {
    double OriginX = 0;
    double OriginY = 0;
};

// Forces in the order entered; force j is element j - 1.
using ForceTable = std::vector<ParticleForceRec>;

struct ParticleState {
    ForceTable ParticleForces;
    int ParticleForceCount = 0;
    ForceTable SavedParticleForces;
    int SavedParticleForceCount = 0;
    // Slots 1..12 of the arrows along the half-axes (element 0 unused).
    std::array<bool, 13> LabelSectorsUsed{};

    // Empties the table and frees every slot (the saved copy stays).
    void ClearForces();
};

// The one state of the run.
ParticleState& State();

// The state of a fresh run; test fixtures call it.
void ResetState();

}  // namespace particle
