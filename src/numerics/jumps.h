#pragma once
// Where a formula may jump or change its law along one of its variables, read
// from its compiled program, so that integrators can take the stretches in
// between one at a time and be exact on piecewise polynomials.
#include <string_view>
#include <vector>

#include "numerics/expression.h"

namespace num {

// The abscissas strictly inside (a, b), ascending and distinct, where the
// formula may jump or change its law as the named variable (matched without
// regard to case) moves with the other variables held. Found where an
// argument that is the variable, or an affine expression of it (X-3, 2*X,
// (X+1)/2), meets a bound that is a constant sub-formula (numbers, PI, RADS
// and any function of them, e.g. 7.5 or 2*PI):
//  - BAR(u,lo,hi) at its two edges, STP(n,u,c) and STP1(k,u,c) at c;
//  - comparisons of u with a bound (=, <>, <, <=, >, >=), on either side,
//    wherever they stand (IIF(X<3, ..., ...));
//  - ABS(u) and SGN(u) where u is 0, MIN and MAX of u and a bound.
// Bounds that BAR and STP round to 12 decimals give the abscissa where the
// value actually changes: for u the variable itself it is the first double at
// which the law on the right holds (BAR(X,7,7.5) gives the first x read as 7
// and the first x read as beyond 7.5); for comparisons with the variable
// itself it is exact in the same sense (= and <> differ at the bound alone). Through an affine u the point is the
// same threshold mapped back, good to a few units in the last place. The
// formula takes one law just below each point and another just above it: a
// caller evaluates the ends of a stretch just inside it. Any other shape
// (ENT, MOD, a bound that holds another variable, a comparison of X^2)
// gives no point. A formula that did not compile gives none.
std::vector<double> JumpPoints(const CExpression& e, std::string_view var, double a, double b);

// The same jumps, and those at a or b too (where the value changes at an end,
// the end's stretch is read on its own side), with the bound each comes from, mapped to the variable
// (7 for BAR(X,7,7.5), whose value changes at the first x read as 7; 3 for
// X<=3, which changes just after 3): an integral is cut at the bound, the
// sliver of rounding between the two being no part of the load.
struct Jump {
    double bound;
    double at;
};
std::vector<Jump> Jumps(const CExpression& e, std::string_view var, double a, double b);

// Where an integral over [a, b] (either order) is cut, ascending: at each
// jump's bound, kept inside [a, b] (a jump at an end only bounds where that
// end's stretch is read), with the formula read up to `below` on the lower
// side and from `above` on the upper one, a few units in the last place
// beyond both the bound and where the value changes, so that each side takes
// its own law. Jumps that share a bound make one cut.
struct Cut {
    double at = 0, below = 0, above = 0;
};
std::vector<Cut> Cuts(const CExpression& e, std::string_view var, double a, double b);

}  // namespace num
