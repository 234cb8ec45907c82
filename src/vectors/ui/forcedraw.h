#pragma once
// The force-system reductions on the drawing picture: each procedure run
// whole (reduced, drawn, its result lines handed back for the calculator to
// write into the result pane). Given data are drawn black; resultants,
// couples and null-system marks magenta. A run-time failure raises
// rt::RuntimeError, which the calculator's run button reports.
#include <optional>
#include <span>
#include <string>

#include "text/globals.h"
#include "vectors/distload.h"
#include "vectors/forces.h"

namespace plat {
class Picture;
}

namespace vecui {

// Drawings of reductions already computed.
void DrawParallelForces1D(plat::Picture& pic, const vec::ParallelForces1DResult& r);
void DrawParallelForces2D(plat::Picture& pic, const vec::ParallelForces2DResult& r);
void DrawCoplanarForces(plat::Picture& pic, const vec::CoplanarForcesResult& r);
void DrawDistributedLoad(plat::Picture& pic, const vec::DistributedLoadResult& r);

// Forces on a line: the texts x1, F1, x2, F2, ... [, xL].
vec::ResultText ReduceParallelForces1D(plat::Picture& pic, std::span<const std::string> cells,
                                       int decimals = text::G().Decimals);
// Forces normal to the plane: the texts r1, F1z, r2, F2z, ... [, rL].
vec::ResultText ReduceParallelForces2D(plat::Picture& pic, std::span<const std::string> args,
                                       int decimals = text::G().Decimals);
// Coplanar forces: the texts r1, F1, r2, F2, ... [, couple] [, rL].
vec::ResultText ReduceCoplanarForces(plat::Picture& pic, std::span<const std::string> args,
                                     int decimals = text::G().Decimals);

// Distributed load: the density text between the limits x1 and x2 (put in
// ascending order in the caller's variables).
vec::ResultText ReduceDistributedLoad(plat::Picture& pic, const std::string& text, double& x1, double& x2,
                                      const vec::LoadIntegrator& integrate = vec::SolveLoadIntegral,
                                      int decimals = text::G().Decimals);

}  // namespace vecui
