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
// Besides the jumps above, the cuts hold every point of (a, b) where a
// switch whose argument depends on the variable alone in another way
// (ABS(SEN(X)), BAR(X^2,49,50.41), MAX(0,1-ABS(X-3)/0.1)) changes side, as a
// scan of the interval in 1000 cells, and at the points already found, sees
// it, located to neighbouring doubles.
std::vector<Cut> Cuts(const CExpression& e, std::string_view var, double a, double b);

// A switch of a formula: a function or comparison whose value changes its law
// where its argument crosses its bound (ABS(u) and SGN(u) at u = 0, u < w,
// MIN(u,w) and MAX(u,w) where u = w, BAR(u,lo,hi) at both edges, STP(n,u,c)
// and STP1(k,u,c) at c; IIF switches through its comparison). Its side at a
// point is a small number that changes only where the law does.
class Switch {
public:
    // vars: the formula's variables in name order.
    int Side(const double* vars) const;
    // Whether the argument or the bound reads the variable at this position
    // (0-based, in name order).
    bool Reads(int position) const { return position < 32 && ((mask_ >> position) & 1u) != 0; }
    // Whether it reads any variable but the one at this position.
    bool ReadsOtherThan(int position) const { return (mask_ & ~(position < 32 ? 1u << position : 0u)) != 0; }
    // Whether the formula's value may jump there (BAR, STP, STP1, SGN and
    // comparisons), rather than only turn a corner (ABS, MIN, MAX).
    bool Jumps() const;
    // Whether it reads only variables among the first `count`.
    bool ReadsWithin(int count) const { return count >= 32 || (mask_ >> count) == 0; }

private:
    friend std::vector<Switch> Switches(const CExpression& e, std::string_view var);
    struct Op {
        int code;
        int position;  // a variable's position, or -1
        double number;
    };
    static double Run(const std::vector<Op>& ops, const double* vars);
    int code_ = 0, edge_ = 0;  // the function or comparison; BAR's edge (0 lower, 1 upper)
    std::vector<Op> argument_, bound_;
    unsigned mask_ = 0;
};

// The switches of the formula that Jumps does not place exactly along `var`:
// those whose argument is not affine in it or reads another variable. A
// switch whose side cannot be computed at a point (its argument faults
// there) is read as side 0 there.
std::vector<Switch> Switches(const CExpression& e, std::string_view var);

}  // namespace num
