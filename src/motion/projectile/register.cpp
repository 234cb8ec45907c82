// The projectile procedures the motion workspace dispatches to.
#include "motion/procedures.h"
#include "motion/projectile/procedures.h"

namespace motion {

std::unique_ptr<ProjectileProcedures> MakeProjectileProcedures(WorkspaceUi& ui) { return parab::MakeProcedures(ui); }

}  // namespace motion
