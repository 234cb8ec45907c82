// The projectile procedures the motion workspace dispatches to.
#include "motion/procedures.h"

namespace motion {

std::unique_ptr<ProjectileProcedures> MakeProjectileProcedures(WorkspaceUi& ui) {
    return MakeStandInProjectile(ui);
}

}  // namespace motion
