#pragma once
// The projectile procedures behind the motion workspace's dispatch: they
// read and write the projectile model (model.h), compute with the plain
// solvers of this folder, and do the talking: message boxes and questions,
// result lines, equation lines on pic, trajectories on pic1 and values
// written back into the motion table.
#include <memory>

#include "motion/procedures.h"

namespace parab {

std::unique_ptr<motion::ProjectileProcedures> MakeProcedures(motion::WorkspaceUi& ui);

}  // namespace parab
