// The rectilinear procedures the motion workspace dispatches to.
#include "motion/mrua/procedures.h"

namespace motion {

std::unique_ptr<RectilinearProcedures> MakeRectilinearProcedures(WorkspaceUi& ui) { return mrua::MakeProcedures(ui); }

}  // namespace motion
