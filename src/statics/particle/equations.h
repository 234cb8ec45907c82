#pragma once
// The equilibrium of the particle: the two equations sum Fx = 0 and
// sum Fy = 0 built from the force table, their quantities to be solved for
// classified (one force of unknown magnitude and direction, plain
// quantities, a magnitude with a direction, two directions) and solved; the
// solution written back into the table, with its report. No widget include.
#include <functional>
#include <string>

#include "statics/particle/state.h"

namespace particle {

struct EquilibriumOutcome {
    // The refusal to show; empty when solved, when there was nothing to
    // solve, or when a run-time error ended the solution silently.
    std::string msg;
    // The text for the result pane (one result line holding CR LF pairs);
    // empty when nothing is to be written.
    std::string report;
    // The diagram is to be drawn again from the table.
    bool redraw = false;
    // A run-time error (a zero coefficient, an overflow) ended the solution.
    bool failed = false;
};

// Asked when two solutions both satisfy the equations: the prompt lists
// them; true takes the first.
using ChooseFirst = std::function<bool(const std::string& prompt)>;

// Solves the equilibrium of the forces of the table, writing the solved
// values into it. A run-time error ends the call at once (failed): what was
// written into the table stays, no report, no redraw.
EquilibriumOutcome SolveParticleEquilibrium(ForceTable& forces, int decimals, const ChooseFirst& chooseFirst);

// "A1" -> "A!1", "T12" -> "T!1!2": the characters after the first become
// subscripts of the formula markup; other lengths are returned unchanged.
std::string FormatSubscriptSymbol(const std::string& s);

}  // namespace particle
