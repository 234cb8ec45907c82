#pragma once
// The two equilibrium equations of a particle brought to one form,
//   a11 e11 + a12 e12 + c1 = 0   and   a21 e21 + a22 e22 + c2 = 0,
// solved for two quantities. The kind names the expressions e:
//   1: u1, u2 | u1, u2                      two plain quantities
//   2: T, cos A | T, sin A                  a magnitude and the direction of
//                                           a force of known magnitude
//   3: cos A, cos B | sin A, sin B          two directions (a21 = a11 taken)
//   4: T, T cos A | T, T sin A              a magnitude that also belongs to
//                                           the force of direction A
// Angles in degrees. No widget include.
#include <vector>

#include "runtime/outcome.h"

namespace particle {

// The values found, or the Spanish message to show. Kind 1: u1, u2. Kinds 2
// and 4: T1, A1, T2, A2. Kind 3: A1, B1, A2, B2.
using UnknownsResult = rt::Outcome<std::vector<double>>;

// Arithmetic faults (kind 3 with a11 = 0) raise rt::RuntimeError.
UnknownsResult SolveParticleUnknowns(int kind, double a11, double a12, double c1, double a21, double a22, double c2);

}  // namespace particle
