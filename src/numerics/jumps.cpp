#include "numerics/jumps.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numerics/expression_internal.h"

namespace num {

using namespace expr_internal;

namespace {

// What the walk over the program knows of a value: a number that does not
// move, s * var + t, or anything else.
struct Shape {
    enum Kind { Constant, Affine, Other } kind = Other;
    double s = 0;  // slope (Affine)
    double t = 0;  // the number (Constant) or the intercept (Affine)
};

Shape ConstantShape(double v) { return std::isfinite(v) ? Shape{Shape::Constant, 0, v} : Shape{}; }
Shape AffineShape(double s, double t) {
    if (!std::isfinite(s) || !std::isfinite(t)) return {};
    return s == 0 ? ConstantShape(t) : Shape{Shape::Affine, s, t};
}

// A constant sub-formula computed as the evaluator would; a bound that has
// no value (1/0) is no bound.
template <class F>
Shape Fold(F f) {
    double v = 0;
    if (!rt::IgnoreError("a bound with no value marks no jump; evaluating the formula reports it", [&] { v = f(); }))
        return {};
    return ConstantShape(v);
}

double Ulp(double x) {
    const double m = std::fabs(x);
    return std::nextafter(m, std::numeric_limits<double>::infinity()) - m;
}

// The first double in (lo, hi] at which `on` holds, given that it fails at lo
// and holds at hi.
template <class P>
double FirstWhere(P on, double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi) break;
        (on(mid) ? hi : lo) = mid;
    }
    return hi;
}

// How far from a 12-decimal bound the rounding of the argument can reach.
// The rounding keeps 15 significant digits of the argument times 1E12, so
// from 1000 on its step is 1E-11 (a change up to 5E-12 from the bound), and
// from 9000 on it leaves the argument as it is.
double RoundingReach(double r) { return std::max(2e-11, 8 * Ulp(r)); }

// The first u whose 12-decimal rounding reaches the rounded bound (the rise
// of BAR and STP).
double RoundedRise(double bound) {
    const double r = Round12(bound), below = r - RoundingReach(r);
    auto on = [r](double u) { return Round12(u) >= r; };
    if (on(below) || !on(r)) return r;
    return FirstWhere(on, below, r);
}

// The first u whose 12-decimal rounding passes the rounded bound (the fall
// at BAR's upper edge).
double RoundedFall(double bound) {
    const double r = Round12(bound), above = r + RoundingReach(r);
    auto past = [r](double u) { return Round12(u) > r; };
    if (past(r) || !past(above)) return r;
    return FirstWhere(past, r, above);
}

// The first u for which `u op c` has the value it keeps above c.
double ComparisonThreshold(int op, double c) {
    const bool strictAbove = op == kLe || op == kGt;  // changes just after c
    return strictAbove ? std::nextafter(c, std::numeric_limits<double>::infinity()) : c;
}

// The comparison with its operands exchanged: c < u is u > c.
int Mirrored(int op) {
    switch (op) {
    case kLt: return kGt;
    case kLe: return kGe;
    case kGt: return kLt;
    case kGe: return kLe;
    default: return op;
    }
}

class Walk {
public:
    explicit Walk(std::vector<Jump>& jumps) : jumps_(jumps) {}

    // Where the affine u reaches the bound and where it reaches the value w
    // at which the law changes.
    void At(const Shape& u, double bound, double w) {
        auto x = [&u](double v) { return u.s == 1 && u.t == 0 ? v : (v - u.t) / u.s; };
        const Jump j{x(bound), x(w)};
        if (std::isfinite(j.bound) && std::isfinite(j.at)) jumps_.push_back(j);
    }
    void At(const Shape& u, double w) { At(u, w, w); }

    Shape Unary(int code, const Shape& a) {
        if (a.kind == Shape::Constant) return Fold([&] { return Apply1(code, a.t); });
        if (a.kind != Shape::Affine) return {};
        if (code == kNeg) return AffineShape(-a.s, -a.t);
        if (code == kAbs || code == kSgn) At(a, 0);
        return {};
    }

    Shape Binary(int code, const Shape& a, const Shape& b) {
        using K = Shape::Kind;
        if (a.kind == K::Constant && b.kind == K::Constant) return Fold([&] { return Apply2(code, a.t, b.t); });
        const bool ac = a.kind == K::Constant, bc = b.kind == K::Constant;
        const bool aa = a.kind == K::Affine, ba = b.kind == K::Affine;
        if (!(aa || ba) || !(aa || ac) || !(ba || bc)) return {};
        switch (code) {
        case kAdd: return AffineShape(a.s + b.s, a.t + b.t);
        case kSub: return AffineShape(a.s - b.s, a.t - b.t);
        case kMul:
            if (ac) return AffineShape(a.t * b.s, a.t * b.t);
            if (bc) return AffineShape(a.s * b.t, a.t * b.t);
            return {};
        case kDiv:
            if (bc && b.t != 0) return AffineShape(a.s / b.t, a.t / b.t);
            return {};
        case kEq:
        case kNe:
        case kLt:
        case kLe:
        case kGt:
        case kGe:
            if (aa && bc) At(a, b.t, ComparisonThreshold(code, b.t));
            if (ac && ba) At(b, a.t, ComparisonThreshold(Mirrored(code), a.t));
            return {};
        case kMin:
        case kMax:
            if (aa && bc) At(a, b.t);
            if (ac && ba) At(b, a.t);
            return {};
        default: return {};
        }
    }

    Shape Ternary(int code, const Shape& a, const Shape& b, const Shape& c) {
        using K = Shape::Kind;
        if (a.kind == K::Constant && b.kind == K::Constant && c.kind == K::Constant)
            return Fold([&] { return Apply3(code, a.t, b.t, c.t); });
        switch (code) {
        case kBar:
            if (a.kind == K::Affine) {
                if (b.kind == K::Constant) At(a, b.t, RoundedRise(b.t));
                if (c.kind == K::Constant) At(a, c.t, RoundedFall(c.t));
            }
            break;
        case kStp:
            if (b.kind == K::Affine && c.kind == K::Constant) At(b, c.t, RoundedRise(c.t));
            break;
        case kStp1:
            if (b.kind == K::Affine && c.kind == K::Constant) At(b, c.t);
            break;
        default: break;
        }
        return {};
    }

private:
    std::vector<Jump>& jumps_;
};

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

}  // namespace

std::vector<Jump> Jumps(const CExpression& e, std::string_view var, double a, double b) {
    std::vector<Jump> jumps;
    if (e.ErrorCode() != 0 || e.Expression().empty()) return jumps;
    Walk walk(jumps);
    std::vector<Shape> stack;
    auto pop = [&stack] {
        const Shape top = stack.back();
        stack.pop_back();
        return top;
    };
    for (const CExpression::Token& t : e.Program()) {
        const int code = t.code;
        if (code == kOperand) {
            if (t.var < 0)
                stack.push_back(ConstantShape(t.number));
            else
                stack.push_back(SameName(e.ProgramVariableName(t.var), var) ? AffineShape(1, 0) : Shape{});
            continue;
        }
        if (code == kPi || code == kRads) {
            stack.push_back(ConstantShape(code == kPi ? kPiValue : kDegToRad));
            continue;
        }
        const int n = code == kNeg || code == kNot ? 1
                      : IsBinaryOperator(code)     ? 2
                      : IsFunction(code)           ? kSymbols[code].nargs
                                                   : -1;
        if (n < 1 || static_cast<int>(stack.size()) < n) return {};  // not a program the compiler makes
        if (n == 1) {
            const Shape x = pop();
            stack.push_back(walk.Unary(code, x));
        } else if (n == 2) {
            const Shape y = pop(), x = pop();
            stack.push_back(walk.Binary(code, x, y));
        } else {
            const Shape z = pop(), y = pop(), x = pop();
            stack.push_back(walk.Ternary(code, x, y, z));
        }
    }
    const double lo = std::min(a, b), hi = std::max(a, b);
    // A jump at an end is kept: the end's stretch must be read on its side.
    std::erase_if(jumps,
                  [&](const Jump& j) { return !(lo <= j.at && j.at <= hi) && !(lo <= j.bound && j.bound <= hi); });
    std::sort(jumps.begin(), jumps.end(), [](const Jump& x, const Jump& y) { return x.at < y.at; });
    jumps.erase(std::unique(jumps.begin(), jumps.end(), [](const Jump& x, const Jump& y) { return x.at == y.at; }),
                jumps.end());
    return jumps;
}

std::vector<Cut> Cuts(const CExpression& e, std::string_view var, double a, double b) {
    const double lo = std::min(a, b), hi = std::max(a, b);
    std::vector<Cut> cuts;
    for (const Jump& j : Jumps(e, var, lo, hi)) {
        const double at = std::clamp(j.bound, lo, hi), nudge = 16 * Ulp(std::max(std::fabs(at), std::fabs(j.at)));
        cuts.push_back({at, std::min(at, j.at) - nudge, std::max(at, j.at) + nudge});
    }
    std::sort(cuts.begin(), cuts.end(), [](const Cut& x, const Cut& y) { return x.at < y.at; });
    std::vector<Cut> merged;
    for (const Cut& c : cuts) {
        if (!merged.empty() && merged.back().at == c.at) {
            merged.back().below = std::min(merged.back().below, c.below);
            merged.back().above = std::max(merged.back().above, c.above);
        } else {
            merged.push_back(c);
        }
    }
    return merged;
}

std::vector<double> JumpPoints(const CExpression& e, std::string_view var, double a, double b) {
    std::vector<double> points;
    const double lo = std::min(a, b), hi = std::max(a, b);
    for (const Jump& j : Jumps(e, var, a, b))
        if (lo < j.at && j.at < hi) points.push_back(j.at);
    return points;
}

}  // namespace num
