#pragma once
// Drawings of rigid-body statics on the statics picture: the structure
// fitted into the picture with its axes and lettered points, the lines of
// the systems, and the forces and couples of the free-body diagrams.
#include <functional>
#include <optional>
#include <string>

#include "statics/rigid/state.h"

namespace plat {
class Picture;
}

namespace rigid {

// Clears the picture and draws axes and points, storing each point's place
// (PicX, PicY). Nothing with no points; coincident points (no extent) raise
// rt::RuntimeError before anything is cleared.
void DrawStructureFrame(StatState& st, plat::Picture& pic);

// Draws the recorded lines of one system ("2") or, with no system, of
// every system, then relabels every point. `origin` is the origin point's
// letter; one that names no point raises rt::RuntimeError. Segments whose
// points no longer exist are left out.
void DrawSystemLines(const StatState& st, plat::Picture& pic, const std::string& origin,
                     const std::optional<std::string>& system = std::nullopt);

// One line command: segments between the letters' points in `colour`, or,
// cancelling, in white (grey on an axis through the origin point at
// (ox, oy)); black marks at its points; every point relabelled.
void DrawLineSegments(const StatState& st, plat::Picture& pic, const std::string& letters, bool shown,
                      rt::ColorRef colour, double ox, double oy);

// Asked once per force whose direction is to be solved for: the angle to
// draw it at ("" gives 45 degrees).
using AskDrawAngle = std::function<std::string()>;

// Draws the forces of one system (all when none is given), after first
// refreshing every force's point position.
void DrawDCLForces(StatState& st, plat::Picture& pic, const std::optional<int>& system, const AskDrawAngle& ask);

}  // namespace rigid
