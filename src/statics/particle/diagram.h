#pragma once
// The free-body diagram of the particle on the statics picture: grey axes
// through the centre turned by the axes rotation, the particle as a blue
// dot and one labelled arrow per force, the longest 5.5 drawing units.
#include <span>

#include "statics/particle/state.h"

namespace plat {
class Picture;
}

namespace particle {

// Drawing units per unit of the greatest value (maxLen over it); 0 when
// the greatest value is within 1E-06 of 0.
double GetDrawScale(std::span<const double> values, double maxLen);

// Length in drawing units of each force's arrow, in table order.
std::vector<double> ArrowLengths(const ForceTable& forces);

// Clears the picture and draws the axes turned by angleDeg.
void DrawParticleAxes(plat::Picture& pic, double angleDeg);

// Draws the whole diagram; an empty table leaves the picture as it was.
void DrawParticleForces(plat::Picture& pic, const ForceTable& forces, double rotDeg);

}  // namespace particle
