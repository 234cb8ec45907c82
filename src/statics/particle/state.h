#pragma once
// The module state of particle statics: the forces on the particle, the
// copy taken before solving and the slots of the arrows that lie along an
// axis. It lives for the whole run; only the new-problem action and the
// cancel buttons empty it. No widget include.
#include <array>
#include <vector>

#include "runtime/errors.h"
#include "runtime/variant.h"

namespace particle {

// Field numbers of a force record. Fields 1 to 21 are the values the
// statics parser gives for the force text, in its order; 22 and 23 are
// where on the picture the force's arrow starts.
enum Field : int {
    kMag = 1,
    kDir,
    kX,
    kY,
    kHour,
    kAlpha,
    kCoefX,
    kTermX,
    kCoefY,
    kTermY,
    kFxText,
    kFyText,
    kDrawAngle,
    kTailAtPoint,
    kArrowColor,
    kText,
    kMagSymbol,
    kMagCoef,
    kMagText,
    kFormatName,
    kArrowLabel,
    kOriginX,
    kOriginY
};
inline constexpr int kFieldCount = 23;

// One force: fields 1..23 (element 0 unused).
struct ParticleForceRec {
    std::array<rt::Variant, kFieldCount + 1> f;
    rt::Variant& operator[](int i) {
        rt::CheckIndex(i, 0, kFieldCount);
        return f[static_cast<size_t>(i)];
    }
    const rt::Variant& operator[](int i) const {
        rt::CheckIndex(i, 0, kFieldCount);
        return f[static_cast<size_t>(i)];
    }
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
