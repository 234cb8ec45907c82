#include "numerics/calculus.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "numerics/jumps.h"
#include "numerics/mathutil.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace num {

namespace {

inline double ValueAt(CExpression& e, double x) { return e.ValueFast(&x, 1); }

// How many trapezoid refinements Simpson's rule takes at most on a piece.
constexpr int kLevels = 10;

// Compiled for a routine that reports a bad formula by throwing.
void CompileOrThrow(CExpression& e, std::string_view text) {
    e.SetExpression(text);
    e.ThrowIfError();
}

double TrapezoidRefine(CExpression& e, double a, double b, double s, int n) {
    if (n == 1) return rt::Checked((b - a) / 2 * rt::Add(ValueAt(e, a), ValueAt(e, b)));
    const long long m = 1LL << (n - 2);
    const double del = (b - a) / static_cast<double>(m);
    double x = a + del / 2, sum = 0.0;
    for (long long j = 0; j < m; ++j) {
        sum = rt::Add(sum, ValueAt(e, x));
        x += del;
    }
    return rt::Checked((s + (b - a) * sum / static_cast<double>(m)) / 2);
}

// Successive trapezoid refinements of f over [a, b] from the values at the
// ends (taken just inside a jump), with Simpson's estimate from each pair of
// levels and the trapezoid sum of |f|, the size of the integrand there.
class Refinement {
public:
    Refinement(CExpression& e, double a, double b, double fa, double fb) : e_(e), a_(a), b_(b), fa_(fa), fb_(fb) {}

    void Next() {
        const double w = b_ - a_, oldTrap = trap_;
        if (level_ == 0) {
            trap_ = rt::Checked(w / 2 * rt::Add(fa_, fb_));
            abs_ = rt::Checked(w / 2 * (std::fabs(fa_) + std::fabs(fb_)));
        } else {
            const long long m = 1LL << (level_ - 1);
            const double del = w / static_cast<double>(m);
            double sum = 0, sumAbs = 0;
            for (long long j = 0; j < m; ++j) {
                const double f = ValueAt(e_, a_ + (static_cast<double>(j) + 0.5) * del);
                sum = rt::Add(sum, f);
                sumAbs = rt::Add(sumAbs, std::fabs(f));
            }
            trap_ = rt::Checked((trap_ + w * sum / static_cast<double>(m)) / 2);
            abs_ = rt::Checked((abs_ + w * sumAbs / static_cast<double>(m)) / 2);
        }
        ++level_;
        previous_ = simpson_;
        simpson_ = rt::Checked((4 * trap_ - oldTrap) / 3);
    }
    int Level() const { return level_; }
    double Simpson() const { return simpson_; }
    double Previous() const { return previous_; }
    double AbsTrapezoid() const { return abs_; }

private:
    CExpression& e_;
    double a_, b_, fa_, fb_;
    int level_ = 0;
    // The estimates before the first level: neither of the first two
    // comparisons can pass.
    double trap_ = -1e30, simpson_ = -1e30, previous_ = -1e30, abs_ = 0;
};

// Simpson's sum over one piece of the interval: its value, whether it met
// the tolerance, the difference of its last two estimates and the size of
// the integrand there.
struct PieceSum {
    double value, error, size;
    bool met;
};

// How far rounding alone can take a sum of a few hundred values from its
// true value, per unit of the sum of their sizes.
constexpr double kRoundingNoise = 1e-13;

// Simpson's rule on [a, b] from successive trapezoid refinements (at most
// 10), tested from the sixth (32 intervals). The allowance is eps times the
// size of the integrand there, so that scaling f scales the answer with the
// same accuracy and an integral near 0 by cancellation still ends. Nodes of
// successive levels can all fall on the same phase of a periodic integrand
// (COS(X)^2 over whole periods) and agree exactly on a wrong value: an
// estimate that passes is therefore held against one on another lattice,
// the stretch split at its golden section, which must itself be settled
// and agree within its own error. That second lattice is also the scan of
// the stretch: it is taken at least to checkLevel, where its nodes lie no
// further apart than the caller asks, so that a feature the main lattice
// steps over (a transient at the start of a long interval) keeps the two
// from agreeing.
PieceSum IntegrateStretch(CExpression& e, double a, double b, double fa, double fb, double eps, int checkLevel) {
    constexpr int kFirstTestedLevel = 6;
    constexpr double kGolden = 0.381966011250105;  // (3 - sqrt 5) / 2
    // How settled the check must be, relative to the integrand's size, to
    // tell a right answer from a lattice that sees a wrong one.
    constexpr double kSettled = 1e-4;
    checkLevel = std::min(checkLevel, kLevels);
    Refinement main(e, a, b, fa, fb);
    std::optional<Refinement> left, right;
    double checkValue = 0, checkError = 0;
    auto advanceCheck = [&](int level) {
        if (!left) {
            const double c = a + kGolden * (b - a), fc = ValueAt(e, c);
            left.emplace(e, a, c, fa, fc);
            right.emplace(e, c, b, fc, fb);
        }
        while (left->Level() < level) {
            left->Next();
            right->Next();
        }
        checkValue = rt::Add(left->Simpson(), right->Simpson());
        // Simpson's error falls sixteenfold a level: the last step is
        // about fifteen times what is left.
        checkError = std::fabs(checkValue - (left->Previous() + right->Previous())) / 15;
    };
    for (int j = 1; j <= kLevels; ++j) {
        main.Next();
        const double s = main.Simpson(), diff = std::fabs(s - main.Previous());
        const double size = std::max(std::fabs(main.Previous()), main.AbsTrapezoid());
        if (j < kFirstTestedLevel || diff > eps * size) continue;
        advanceCheck(std::max(j, checkLevel));
        if (checkError <= kSettled * size && std::fabs(s - checkValue) <= eps * size + 2 * checkError)
            return {s, std::max(diff, std::fabs(s - checkValue)), size, true};
    }
    // Short of the tolerance: the better estimate is kept, the check's when
    // it has settled (it has twice the nodes, none on the main lattice). Its
    // error is the largest sign of one: either lattice's last step, or how
    // far apart the two lattices are (a feature can lie between the nodes of
    // one lattice at both of its last levels, which then agree).
    const double size = std::max(std::fabs(main.Simpson()), main.AbsTrapezoid());
    advanceCheck(kLevels);
    const double error = std::max(
        {std::fabs(main.Simpson() - main.Previous()), 15 * checkError, std::fabs(checkValue - main.Simpson())});
    return {checkError <= kSettled * size ? checkValue : main.Simpson(), error, size, false};
}

// The check level at which the golden-section lattice of [a, b] has as many
// cells as a uniform one of the given spacing (2^level, both parts
// together; those of its longer part are about a quarter wider).
int ScanLevel(double a, double b, double spacing) {
    const double cells = (b - a) / spacing;
    int level = 1;
    while (level < 30 && std::ldexp(1.0, level) < cells) ++level;
    return level;
}

// x moved a few units in its last place towards `toward`.
double JustInside(double x, double toward) {
    for (int k = 0; k < 4; ++k) x = std::nextafter(x, toward);
    return x;
}

// How often a step that leaves f's domain is halved before the difference
// turns one-sided.
constexpr int kHalvings = 30;

// A usable first step for differences of f at x from h: the first of h,
// h/2, h/4, ... at which f is defined on both sides (side 0), or else the
// largest at which it is defined on one side (side +1 or -1; f(x) itself
// must then be defined). A law defined at x so keeps its derivative there,
// near the edge of its domain too. When f is defined on neither side the
// evaluation's own fault is raised.
struct Step {
    double h;
    int side;
};
Step UsableStep(CExpression& e, double x, double h) {
    std::optional<Step> oneSided;
    double hh = h;
    for (int k = 0; k <= kHalvings; ++k, hh /= 2) {
        const bool right = TryValue(e, x + hh).has_value(), left = TryValue(e, x - hh).has_value();
        if (right && left) return {hh, 0};
        if (!oneSided && (right || left)) oneSided = Step{hh, right ? 1 : -1};
    }
    ValueAt(e, x);  // a point outside the domain is the caller's fault
    if (oneSided) return *oneSided;
    ValueAt(e, x + h);
    ValueAt(e, x - h);
    rt::Raise(rt::ErrorCode::InvalidCall);
}

// Ridders' extrapolation of differences of f at x: central ones, or
// one-sided ones (whose error runs in every power of the step) where f is
// defined on one side of x only.
double RiddersFrom(CExpression& e, double x, double h, double& err) {
    constexpr double kCon = 1.4, kCon2 = kCon * kCon, kSafe = 2.0;
    constexpr int kTab = 10;
    double a[kTab + 1][kTab + 1];
    double hh = h;
    int side = 0;
    const auto fp = TryValue(e, x + h), fm = TryValue(e, x - h);
    if (!fp || !fm) {
        const Step s = UsableStep(e, x, h);
        hh = s.h;
        side = s.side;
    }
    const double fx = side != 0 ? ValueAt(e, x) : 0;
    auto diff = [&](double step) {
        if (side == 0) return rt::Div(rt::Sub(ValueAt(e, x + step), ValueAt(e, x - step)), 2 * step);
        return rt::Div(rt::Sub(ValueAt(e, x + side * step), fx), side * step);
    };
    a[1][1] = fp && fm ? rt::Div(rt::Sub(*fp, *fm), 2 * h) : diff(hh);
    const double ratio = side == 0 ? kCon2 : kCon;
    // No fixed ceiling on the first error: derivatives of huge values (EXP(X)
    // at 700) would otherwise never be accepted and come out as 0.
    err = std::numeric_limits<double>::max();
    double ans = a[1][1];
    for (int i = 2; i <= kTab; ++i) {
        hh /= kCon;
        a[1][i] = diff(hh);
        double fac = ratio;
        for (int j = 2; j <= i; ++j) {
            a[j][i] = rt::Checked((a[j - 1][i] * fac - a[j - 1][i - 1]) / (fac - 1));
            fac *= ratio;
            double errt = std::max(std::fabs(a[j][i] - a[j - 1][i]), std::fabs(a[j][i] - a[j - 1][i - 1]));
            if (errt < err) {
                err = errt;
                ans = a[j][i];
            }
        }
        if (std::fabs(a[i][i] - a[i - 1][i - 1]) > kSafe * err) break;
    }
    return ans;
}

// RiddersFrom, with the first step shrunk while its estimate stays poor: a
// step that only just fits in the domain (LN(X) at 0.51 with 0.5) samples
// the function where it changes too fast for the extrapolation.
double Ridders(CExpression& e, double x, double h, double& err) {
    constexpr int kRetries = 6;
    constexpr double kPoor = 1e-8;
    double ans = RiddersFrom(e, x, h, err);
    double hh = h;
    for (int k = 0; k < kRetries && err > kPoor * std::max(1.0, std::fabs(ans)); ++k) {
        hh /= 4;
        double errk = 0;
        const double d = RiddersFrom(e, x, hh, errk);
        if (errk < err) {
            err = errk;
            ans = d;
        }
    }
    return ans;
}

}  // namespace

// ---------------------------------------------------------------------------

rt::Outcome<SimpsonIntegral> IntegrateExpr(std::string_view expr, double A, double B, double eps) {
    if (IsNumber(expr)) return SimpsonIntegral{rt::Mul(rt::TextToNumber(expr), std::fabs(B - A)), true};
    // The scan: no lattice of a piece has nodes further apart than this
    // share of the interval.
    constexpr double kScanCells = 4096;
    // How many pieces the interval may end in, and how often one may be
    // halved: enough to close in on a jump or an integrable singularity to
    // the tolerance, few enough to give up soon on a pole.
    constexpr int kMaxPieces = 400, kMaxDepth = 60;
    // A value short of the tolerance is still near the integral, and shown
    // with the note, when its error is at most 1000 times the tolerance of
    // its size, or 1E-6 of it for a tolerance of 0 or less, and never more
    // than a hundredth of it.
    constexpr double kNearShare = 1e-2, kNearFactor = 1e3, kNearFloor = 1e-6;
    // The halving works towards the tolerance, or this one where the
    // tolerance asked is finer than the rule can reach (0 or less).
    constexpr double kFinest = 1e-7;
    CExpression e;
    CompileOrThrow(e, expr);
    if (A > B) std::swap(A, B);
    // The stretches between the places where the formula jumps or changes
    // its law, each integrated alone: Simpson's rule is then exact on
    // piecewise polynomials, and no load falls between sample points.
    // A cut at A or B bounds where the end's stretch is read; the ends are
    // cuts in any case, read just inside (the value at the very end point,
    // as ENT(X) at 1 over [0, 1], is no part of the integral) once the value
    // there has shown that the formula is defined.
    std::vector<Cut> cuts;
    if (const auto first = e.Variable(1)) cuts = Cuts(e, first->Name, A, B);
    if (cuts.empty() || cuts.front().at > A) {
        if (A < B) ValueAt(e, A);
        cuts.insert(cuts.begin(), Cut{A, A, JustInside(A, B)});
    }
    if (cuts.back().at < B) {
        ValueAt(e, B);
        cuts.push_back(Cut{B, JustInside(B, A), B});
    }
    const double spacing = (B - A) / kScanCells;
    struct Piece {
        double a, b, fa, fb;
        int depth;
        PieceSum sum;
    };
    std::vector<Piece> pieces;
    auto add = [&](double a, double b, double fa, double fb, int depth) {
        pieces.push_back({a, b, fa, fb, depth, IntegrateStretch(e, a, b, fa, fb, eps, ScanLevel(a, b, spacing))});
    };
    // Each stretch starts in as many equal pieces as the scan needs: the
    // check lattice of a piece has at most 1024 cells.
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double a = cuts[i].at, b = cuts[i + 1].at, quarter = (b - a) / 4;
        int parts = 1;
        while (ScanLevel(a, a + (b - a) / parts, spacing) > kLevels) parts *= 2;
        double from = a, ffrom = ValueAt(e, std::min(cuts[i].above, a + quarter));
        for (int k = 1; k <= parts; ++k) {
            const double to = k == parts ? b : a + (b - a) * k / parts;
            const double fto = k == parts ? ValueAt(e, std::max(cuts[i + 1].below, b - quarter)) : ValueAt(e, to);
            add(from, to, ffrom, fto, 0);
            from = to;
            ffrom = fto;
        }
    }
    // Pieces short of the tolerance are halved, the one with the largest
    // error first, until their errors together are within the tolerance of
    // the whole: the halves close in on a jump that no cut marks (ENT(X)),
    // a kink or a narrow feature, and resolve it.
    auto totals = [&](double& total, double& error, double& size, double& unmet) {
        total = error = size = unmet = 0;
        for (const Piece& p : pieces) {
            total = rt::Add(total, p.sum.value);
            error += p.sum.error;
            size += p.sum.size;
            if (!p.sum.met) unmet += p.sum.error;
        }
    };
    double total = 0, error = 0, size = 0, unmet = 0;
    totals(total, error, size, unmet);
    const auto refusal = rt::Outcome<SimpsonIntegral>::Refusal(ImpreciseIntegralMessage(A, B));
    auto halvable = [&](const Piece& p) {
        const double mid = p.a + (p.b - p.a) / 2;
        return p.depth < kMaxDepth && p.a < mid && mid < p.b;
    };
    while (error > std::max(eps, kFinest) * size + kRoundingNoise * size &&
           static_cast<int>(pieces.size()) < kMaxPieces) {
        Piece* worst = nullptr;
        for (Piece& p : pieces)
            if (halvable(p) && (!worst || p.sum.error > worst->sum.error)) worst = &p;
        if (!worst) break;
        const Piece whole = *worst;
        const double mid = whole.a + (whole.b - whole.a) / 2;
        // Closing in on a pole can meet the point where the formula has no
        // value (1/(X-PI/4)^2 at the double nearest PI/4), or overflow: the
        // integral has no value either.
        try {
            const double fm = ValueAt(e, mid);
            const PieceSum lower =
                IntegrateStretch(e, whole.a, mid, whole.fa, fm, eps, ScanLevel(whole.a, mid, spacing));
            const PieceSum upper =
                IntegrateStretch(e, mid, whole.b, fm, whole.fb, eps, ScanLevel(mid, whole.b, spacing));
            *worst = {whole.a, mid, whole.fa, fm, whole.depth + 1, lower};
            pieces.push_back({mid, whole.b, fm, whole.fb, whole.depth + 1, upper});
        } catch (const rt::RuntimeError&) { return refusal; }
        totals(total, error, size, unmet);
    }
    // A sum that its own error and rounding cannot tell from 0 is 0.
    const double blur = error + kRoundingNoise * size;
    const bool blurred = std::isfinite(blur) && std::fabs(total) <= blur;
    const double value = blurred ? 0.0 : total;
    if (error <= (eps + kRoundingNoise) * size) return SimpsonIntegral{value, true};
    // A piece halved as far as it goes and still unsettled, and not
    // negligible, lies at a pole (TAN(X) at PI/2): no value is near.
    for (const Piece& p : pieces)
        if (!p.sum.met && !halvable(p) && p.sum.size > eps * size) return refusal;
    if (error <= std::min(kNearShare, std::max(kNearFactor * eps, kNearFloor)) * size)
        return SimpsonIntegral{value, false};
    // An integrand that is rounding noise throughout ((X+1)^2-X^2-2*X-1)
    // never settles anywhere, and its sum is 0 within its blur; one that
    // settles everywhere but near some point has a pole or a singularity
    // there that the halving could not resolve.
    double unsettled = 0;
    for (const Piece& p : pieces)
        if (!p.sum.met) unsettled += p.b - p.a;
    if (blurred && unsettled >= (B - A) / 2) return SimpsonIntegral{0.0, false};
    return refusal;
}

void TrapezoidStep(std::string_view expr, double A, double B, double& s, int n) {
    CExpression e;
    CompileOrThrow(e, expr);
    s = TrapezoidRefine(e, A, B, s, n);
}

void DerivRidders(std::string_view expr, double x, double& dfdx, double h, double& err) {
    CExpression e;
    CompileOrThrow(e, expr);
    dfdx = Ridders(e, x, h, err);
}

void GradientRidders(CExpression& f, double angleFactor, const std::vector<double>& x, std::vector<double>& d, double h,
                     double& err, double* maxErr) {
    f.ThrowIfError();
    AngleUnitScope unit(angleFactor);
    if (maxErr) *maxErr = 0;
    for (size_t k = 1; k < x.size(); ++k) {
        rt::ExpectIndex(static_cast<long long>(k), 1, static_cast<long long>(d.size()) - 1, "gradient");
        d[k] = Ridders(f, x[k], h, err);
        if (maxErr) *maxErr = std::max(*maxErr, err);
    }
}

double SecondDeriv5Pt(CExpression& expr, double h, double x) {
    expr.ThrowIfError();
    auto fivePoint = [&](double s) {
        const double num = 16 * ValueAt(expr, x + s) - ValueAt(expr, x + 2 * s) - 30 * ValueAt(expr, x) +
                           16 * ValueAt(expr, x - s) - ValueAt(expr, x - 2 * s);
        return rt::Div(rt::Checked(num), rt::Checked(12 * s * s));
    };
    if (TryValue(expr, x + 2 * h) && TryValue(expr, x - 2 * h)) return fivePoint(h);
    // The outer points leave the domain: a smaller step, whose points keep
    // to a quarter of the way to the domain's edge so that the formula still
    // sees a smooth function, or a one-sided formula (second order too) on
    // the side where the law is defined.
    const Step s = UsableStep(expr, x, 8 * h);
    if (s.side == 0) return fivePoint(s.h / 8);
    const double d = s.side * s.h / 3;
    const double num =
        2 * ValueAt(expr, x) - 5 * ValueAt(expr, x + d) + 4 * ValueAt(expr, x + 2 * d) - ValueAt(expr, x + 3 * d);
    return rt::Div(rt::Checked(num), rt::Checked(d * d));
}

double SecondDeriv5PtNoise(double fmax, double h) {
    // 64 is the sum of the formula's weights; each value may carry a few
    // units in the last place from the formula's own evaluation.
    constexpr double kUlps = 16;
    return rt::Div(64 * kUlps * std::numeric_limits<double>::epsilon() * std::fabs(fmax), 12 * h * h);
}

}  // namespace num
