#pragma once
// The rectilinear procedures behind the motion workspace's dispatch: they
// read and write the motion model and the equation records, draw the
// equation lines on pic and the x(t) graph on pic1, ask their questions and
// write their result lines.
#include <memory>

#include "motion/procedures.h"

namespace mrua {

std::unique_ptr<motion::RectilinearProcedures> MakeProcedures(motion::WorkspaceUi& ui);

}  // namespace mrua
