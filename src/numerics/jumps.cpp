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

namespace {

// The grid on which the scan reads the side of each switch.
constexpr int kScanCells = 1000;
// A switch that changes side at more points than this along the scan turns
// faster than the scan can follow: its points are left to the integrators'
// error control rather than cut into more stretches than they can take.
constexpr size_t kMostCrossings = 250;

double Nudge(double x) { return 16 * Ulp(x); }

// Where the side of `sw` changes between lo and hi (whose sides differ), to
// neighbouring doubles: the last one on lo's side and the first beyond it.
std::pair<double, double> Crossing(const Switch& sw, std::vector<double>& vars, int position, double lo, double hi) {
    auto side = [&](double x) {
        vars[static_cast<size_t>(position)] = x;
        return sw.Side(vars.data());
    };
    const int sideLo = side(lo);
    for (int i = 0; i < 200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi) break;
        (side(mid) == sideLo ? lo : hi) = mid;
    }
    return {lo, hi};
}

int Position(const CExpression& e, std::string_view var) {
    for (int i = 1; i <= e.VariablesCount(); ++i)
        if (SameName(e.Variable(i)->Name, var)) return i - 1;
    return -1;
}

}  // namespace

std::vector<Cut> Cuts(const CExpression& e, std::string_view var, double a, double b) {
    const double lo = std::min(a, b), hi = std::max(a, b);
    std::vector<Cut> cuts;
    for (const Jump& j : Jumps(e, var, lo, hi)) {
        const double at = std::clamp(j.bound, lo, hi), nudge = Nudge(std::max(std::fabs(at), std::fabs(j.at)));
        cuts.push_back({at, std::min(at, j.at) - nudge, std::max(at, j.at) + nudge});
    }
    // The switches along the variable alone that are not affine in it, each
    // on a grid that holds the points found before it: the kink of an inner
    // ABS is where an outer MAX may come back to its bound.
    const int position = Position(e, var);
    if (position >= 0 && lo < hi) {
        std::vector<Switch> switches = Switches(e, var);
        std::erase_if(switches, [&](const Switch& s) { return !s.Reads(position) || s.ReadsOtherThan(position); });
        if (!switches.empty()) {
            std::vector<double> grid;
            for (int k = 0; k < kScanCells; ++k) grid.push_back(lo + k * ((hi - lo) / kScanCells));
            grid.push_back(hi);
            for (const Cut& c : cuts) grid.push_back(c.at);
            std::vector<double> vars(static_cast<size_t>(e.VariablesCount()), 0.0);
            for (const Switch& sw : switches) {
                std::sort(grid.begin(), grid.end());
                grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
                std::vector<int> side(grid.size());
                for (size_t k = 0; k < grid.size(); ++k) {
                    vars[static_cast<size_t>(position)] = grid[k];
                    side[k] = sw.Side(vars.data());
                }
                std::vector<Cut> found;
                for (size_t k = 0; k + 1 < grid.size() && found.size() <= kMostCrossings; ++k) {
                    if (side[k] == side[k + 1]) continue;
                    const auto [below, above] = Crossing(sw, vars, position, grid[k], grid[k + 1]);
                    found.push_back({above, below - Nudge(below), above + Nudge(above)});
                }
                if (found.size() > kMostCrossings) continue;
                for (const Cut& c : found) {
                    cuts.push_back(c);
                    grid.push_back(c.at);
                }
            }
        }
    }
    std::sort(cuts.begin(), cuts.end(), [](const Cut& x, const Cut& y) { return x.at < y.at; });
    std::vector<Cut> merged;
    for (const Cut& c : cuts) {
        // Cuts a few units in the last place apart are one.
        if (!merged.empty() && c.at <= merged.back().above) {
            merged.back().below = std::min(merged.back().below, c.below);
            merged.back().above = std::max(merged.back().above, c.above);
        } else {
            merged.push_back(c);
        }
    }
    return merged;
}

double Switch::Run(const std::vector<Op>& ops, const double* vars) {
    double stack[64];
    int top = 0;
    for (const Op& op : ops) {
        if (top >= 64) rt::Raise(rt::ErrorCode::InvalidCall);
        if (op.code == kOperand) {
            stack[top++] = op.position >= 0 ? vars[op.position] : op.number;
            continue;
        }
        if (op.code == kPi || op.code == kRads) {
            stack[top++] = op.code == kPi ? kPiValue : kDegToRad;
            continue;
        }
        const int n = op.code == kNeg || op.code == kNot ? 1 : IsBinaryOperator(op.code) ? 2 : kSymbols[op.code].nargs;
        if (top < n || top >= 64) rt::Raise(rt::ErrorCode::InvalidCall);
        if (n == 1) {
            stack[top - 1] = Apply1(op.code, stack[top - 1]);
        } else if (n == 2) {
            stack[top - 2] = Apply2(op.code, stack[top - 2], stack[top - 1]);
            --top;
        } else {
            stack[top - 3] = Apply3(op.code, stack[top - 3], stack[top - 2], stack[top - 1]);
            top -= 2;
        }
    }
    return top == 1 ? stack[0] : 0.0;
}

bool Switch::Jumps() const { return code_ != kAbs && code_ != kMin && code_ != kMax; }

int Switch::Side(const double* vars) const {
    // A side of its own where the argument cannot be computed.
    constexpr int kNoValue = 9;
    double u = 0, w = 0;
    if (!rt::IgnoreError("an argument with no value has a side of its own; the formula's evaluation reports it", [&] {
            u = Run(argument_, vars);
            w = bound_.empty() ? 0.0 : Run(bound_, vars);
        }))
        return kNoValue;
    switch (code_) {
    case kAbs:
    case kSgn: return (u > 0) - (u < 0);
    case kMin: return u < w;
    case kMax: return u > w;
    case kBar: return edge_ == 0 ? Round12(u) >= Round12(w) : Round12(u) > Round12(w);
    case kStp: return Round12(u) >= Round12(w);
    case kStp1: return u >= w;
    default: return Apply2(code_, u, w) != 0;
    }
}

std::vector<Switch> Switches(const CExpression& e, std::string_view var) {
    std::vector<Switch> out;
    if (e.ErrorCode() != 0 || e.Expression().empty()) return out;
    std::vector<Jump> ignored;
    Walk walk(ignored);
    struct Entry {
        Shape shape;
        size_t begin;
        unsigned mask;
    };
    std::vector<Entry> stack;
    const std::vector<CExpression::Token>& program = e.Program();
    std::vector<Switch::Op> ops;  // the program with each variable at its position
    ops.reserve(program.size());
    for (size_t i = 0; i < program.size(); ++i) {
        const CExpression::Token& t = program[i];
        const int code = t.code;
        if (code == kOperand) {
            int position = -1;
            if (t.var >= 0) position = Position(e, e.ProgramVariableName(t.var));
            if (t.var >= 0 && position < 0) return {};  // a variable the list does not hold
            ops.push_back({code, position, t.number});
            const bool isVar = position >= 0 && SameName(e.ProgramVariableName(t.var), var);
            const Shape shape = t.var < 0 ? ConstantShape(t.number) : isVar ? AffineShape(1, 0) : Shape{};
            stack.push_back({shape, i, position >= 0 && position < 32 ? 1u << position : 0u});
            continue;
        }
        ops.push_back({code, -1, 0});
        if (code == kPi || code == kRads) {
            stack.push_back({ConstantShape(code == kPi ? kPiValue : kDegToRad), i, 0});
            continue;
        }
        const int n = code == kNeg || code == kNot ? 1
                      : IsBinaryOperator(code)     ? 2
                      : IsFunction(code)           ? kSymbols[code].nargs
                                                   : -1;
        if (n < 1 || n > 3 || static_cast<int>(stack.size()) < n) return {};
        Entry args[3];
        for (int k = n - 1; k >= 0; --k) {
            args[k] = stack.back();
            stack.pop_back();
        }
        auto slice = [&](int k) {
            const size_t end = k + 1 < n ? args[k + 1].begin : i;
            return std::vector<Switch::Op>(ops.begin() + static_cast<std::ptrdiff_t>(args[k].begin),
                                           ops.begin() + static_cast<std::ptrdiff_t>(end));
        };
        auto constant = [&](int k) { return args[k].shape.kind == Shape::Constant || args[k].mask == 0; };
        auto affine = [&](int k) { return args[k].shape.kind == Shape::Affine; };
        // A switch of u against w that the walk does not place exactly.
        auto add = [&](int u, int w, int edge) {
            const bool exact = affine(u) && (w < 0 || args[w].shape.kind == Shape::Constant);
            const bool comparison = code != kBar && code != kStp && code != kStp1;
            const bool exactMirror = comparison && w >= 0 && affine(w) && args[u].shape.kind == Shape::Constant;
            if (exact || exactMirror || (constant(u) && (w < 0 || constant(w)))) return;
            Switch sw;
            sw.code_ = code;
            sw.edge_ = edge;
            sw.argument_ = slice(u);
            if (w >= 0) sw.bound_ = slice(w);
            sw.mask_ = args[u].mask | (w >= 0 ? args[w].mask : 0u);
            out.push_back(std::move(sw));
        };
        switch (code) {
        case kAbs:
        case kSgn: add(0, -1, 0); break;
        case kLt:
        case kLe:
        case kGt:
        case kGe:
        case kMin:
        case kMax: add(0, 1, 0); break;
        case kBar:
            add(0, 1, 0);
            add(0, 2, 1);
            break;
        case kStp:
        case kStp1: add(1, 2, 0); break;
        default: break;
        }
        Shape shape;
        if (n == 1) shape = walk.Unary(code, args[0].shape);
        if (n == 2) shape = walk.Binary(code, args[0].shape, args[1].shape);
        if (n == 3) shape = walk.Ternary(code, args[0].shape, args[1].shape, args[2].shape);
        unsigned mask = 0;
        for (int k = 0; k < n; ++k) mask |= args[k].mask;
        stack.push_back({shape, args[0].begin, mask});
    }
    return out;
}

std::vector<double> JumpPoints(const CExpression& e, std::string_view var, double a, double b) {
    std::vector<double> points;
    const double lo = std::min(a, b), hi = std::max(a, b);
    for (const Jump& j : Jumps(e, var, a, b))
        if (lo < j.at && j.at < hi) points.push_back(j.at);
    return points;
}

}  // namespace num
