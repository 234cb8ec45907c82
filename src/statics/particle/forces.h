#pragma once
// Filling the force table: a record from a parsed force text, the slot of
// an arrow that lies along a half-axis, and the rebuilding of the table from
// a list of texts (the calculator's particle procedure). No widget include.
#include <string>
#include <vector>

#include "statics/particle/state.h"
#include "vectors/statics_parser.h"

namespace particle {

// Fields 1..21 from the parser's values; 22 and 23 stay empty.
ParticleForceRec RecordFromParsed(const vec::ParsedVector& pv);

struct Offset {
    double dx = 0, dy = 0;
};

// Where, relative to the particle, the arrow of a force of this clock hour
// starts: arrows along the same half-axis are shifted sideways (three slots
// per half-axis, turned with the axes by rotDeg); takes the slot.
Offset PickLabelSector(int hour, bool fromPoint, double rotDeg, std::array<bool, 13>& used);

// Appends a parsed force to the table, its arrow origin picked from the
// picture's centre.
void AppendForce(ParticleState& s, const vec::ParsedVector& pv, double rotDeg, double picWidth, double picHeight);

// Recomputes the arrow origins of every force in table order, all slots
// freed first.
void RepickOrigins(ParticleState& s, double rotDeg, double picWidth, double picHeight);

// Rebuilds the table from force texts (trimmed before parsing). The first
// text the parser refuses stops the loading; the result is then
// "Error en la fuerza " & text & CR LF & the parser's message, else "".
std::string LoadParticleForces(ParticleState& s, const std::vector<std::string>& texts, double rotDeg, double picWidth,
                               double picHeight, int decimals);

}  // namespace particle
