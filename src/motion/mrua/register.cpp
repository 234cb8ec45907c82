// The rectilinear procedures the motion workspace dispatches to.
#include "motion/procedures.h"

namespace motion {

std::unique_ptr<RectilinearProcedures> MakeRectilinearProcedures(WorkspaceUi& ui) {
    return MakeStandInRectilinear(ui);
}

}  // namespace motion
