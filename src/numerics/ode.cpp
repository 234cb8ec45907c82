#include "numerics/ode.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numerics/jumps.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace num {

namespace {

constexpr double kSafety = 0.9, kGrow = -0.2, kShrink = -0.25, kErrCon = 1.89e-4;
constexpr int kMaxSteps = 1000;
// The error scale of a component is its size now plus this share of the
// size of the whole problem (the start state and the law's values over the
// interval): while the solution and its slope are both 0 (a load further
// along, a motion from rest) the scale stays that of the problem, never a
// fixed number, so scaling a problem scales its answer and keeps its
// relative accuracy. The share is small enough that a value decaying to a
// billionth of its start keeps its relative accuracy, and large enough that
// steps approaching a jump from a state of 0 do not crawl.
constexpr double kSizeShare = 1e-10;
// A wider share for an integral whose steps ran out at the first: its
// promise is relative to its size at the end, so the steps near a start where
// it is still tiny (X*SEN(1/X) from 0.001), or over hundreds of periods, need
// not be held to a millionth of that promise. It is only a second try: the
// size is taken from the largest value times the length, far above the
// integral of a peak on a long interval (EXP(-X) over 1E14), whose steps
// this share would let pass unchecked.
constexpr double kIntegralSizeShare = 1e-4;
// A step error this many times the allowance is simply a step too long:
// the ratio stays finite while the scale is still 0.
constexpr double kHugeError = 1e100;
// The law is read at this many equal cells of the interval, at the start
// state, before it is integrated, and where it changed there no step is
// longer than the interval over kChangingSteps.
constexpr int kScanCells = 1000, kChangingSteps = 100;
// The tolerance of the integrals: their values are shown in full, so they
// are taken well beyond the accuracy promised.
constexpr double kIntegralEps = 1e-7;
// The accuracy an integral promises, relative to its size: past it, by the
// error estimates of the steps taken, the routine says it did not reach it.
constexpr double kIntegralPromise = 1e-5;
// The share of the promise past which the error estimates call for a check,
// and how much tighter the check's tolerance is.
constexpr double kSuspectShare = 0.1, kCheckTighter = 30;
// Steps a fixed-step table may hold: far beyond any drawing, and small
// enough that the table's size cannot overflow.
constexpr int kMaxTableSteps = 10000000;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A sample of the scan stands out from its neighbours when the cubic through
// the two on each side misses it by more than this share of their spread: a
// narrow pulse seen at one or two samples misses by a third or more, a curve
// the scan follows (five samples or more a period) by less than a fifth.
constexpr double kStandsOut = 0.3;
// How far a state is moved off a switch to read the law on each side of it,
// relative to the size of its component.
constexpr double kSideProbe = 1e-9;
// Halvings that place a crossing or a release to neighbouring doubles.
constexpr int kLocateHalvings = 80;
// A step that crosses a switch reads the law beyond it in its last stages,
// which moves its end by about the step squared times the law's jump: the
// step is taken up to the last point before the crossing, and the crossing
// sought again with steps this many times shorter, until a step no longer
// than kCrossingStep of the interval passes it.
constexpr double kApproach = 0.01, kCrossingStep = 1e-8;
// The tolerance of the steps of a table that resolve a narrow feature.
constexpr double kTableEps = 1e-8;
// The check of a suspect integral may take this many times the steps of the
// first pass: its tolerance is tighter, and a long periodic integrand needs
// them without being any less sound.
constexpr int kCheckStepsFactor = 4;

// The cuts of the law in [a, b] along its first variable, t.
std::vector<Cut> LawCuts(const CExpression& law, double a, double b) {
    if (law.VariablesCount() == 0) return {};
    return Cuts(law, law.Variable(1)->Name, a, b);
}

// The part of [a, b] (either order) where the law is read: beyond the cuts
// at its ends (null where an end is no cut).
void ReadInside(double a, double b, const Cut* ca, const Cut* cb, double& lo, double& hi) {
    if (a > b) {
        std::swap(a, b);
        std::swap(ca, cb);
    }
    lo = ca ? std::max(a, ca->above) : a;
    hi = cb ? std::min(b, cb->below) : b;
    if (lo > hi) lo = hi = a + (b - a) / 2;
}

// Checks, once per call of a driver, the law it evaluates.
void CheckLaw(const OdeLaw& law) {
    if (law.order == 1 || law.order == 2) law.expr.ThrowIfError();
}

void CheckSize(const std::vector<double>& v, int n) {
    rt::ExpectIndex(n, 0, static_cast<long long>(v.size()) - 1, "state vector");
}

// Arrays below are indexed from 1: p[1..n].
inline void EvalDerivs(CExpression& law, int n, double t, const double* y, double* dydt) {
    if (n == 1) {
        const double v[2] = {t, y[1]};
        dydt[1] = law.ValueFast(v, 2);
    } else if (n == 2) {
        const double v[3] = {t, y[1], y[2]};
        dydt[1] = y[2];
        dydt[2] = law.ValueFast(v, 3);
    }
}

// The law and the scratch arrays of the steppers, made once per driver call.
struct Work {
    explicit Work(CExpression& e, int n)
        : law(e),
          ak2(Size(n)),
          ak3(Size(n)),
          ak4(Size(n)),
          ak5(Size(n)),
          ak6(Size(n)),
          ytemp(Size(n)),
          yout(Size(n)),
          yerr(Size(n)) {}
    static size_t Size(int n) { return static_cast<size_t>(std::max(n, 0)) + 1; }
    // The law at t, read inside [tLo, tHi]: the stretch being integrated,
    // whose ends are jumps of the law.
    void Derivs(int n, double t, const double* y, double* dydt) const {
        lastT = std::clamp(t, tLo, tHi);
        inLaw = true;
        EvalDerivs(law, n, lastT, y, dydt);
        inLaw = false;
    }
    CExpression& law;
    double tLo = -kInfinity, tHi = kInfinity;
    mutable double lastT = 0;    // where the law was last read: where a fault arose
    mutable bool inLaw = false;  // whether a fault arose in the law
    std::vector<double> ak2, ak3, ak4, ak5, ak6, ytemp, yout, yerr;
};

// N is the order when known at compile time (1 or 2), 0 for any other n.
// The component loops then have a fixed count and become straight scalar
// code: with a count known only at run time, -O3 turns each of them into a
// 2-wide vector loop behind overlap checks, whose vector loads read the
// slopes just stored one by one by the law's evaluation (a stalled
// store-to-load forwarding per stage), which made the whole step slower
// than the scalar code for the one or two components there are.
template <int N>
void CashKarp(int count, const double* y, const double* dydx, double x, double h, double* yout, double* yerr, Work& w) {
    const int n = N > 0 ? N : count;
    // Nodes and weights of the embedded 4(5) pair.
    constexpr double a2 = 0.2, a3 = 0.3, a4 = 0.6, a5 = 1.0, a6 = 0.875;
    constexpr double b21 = 0.2, b31 = 3.0 / 40.0, b32 = 9.0 / 40.0, b41 = 0.3, b42 = -0.9, b43 = 1.2;
    constexpr double b51 = -11.0 / 54.0, b52 = 2.5, b53 = -70.0 / 27.0, b54 = 35.0 / 27.0;
    constexpr double b61 = 1631.0 / 55296.0, b62 = 175.0 / 512.0, b63 = 575.0 / 13824.0, b64 = 44275.0 / 110592.0,
                     b65 = 253.0 / 4096.0;
    constexpr double c1 = 37.0 / 378.0, c3 = 250.0 / 621.0, c4 = 125.0 / 594.0, c6 = 512.0 / 1771.0;
    constexpr double dc1 = c1 - 2825.0 / 27648.0, dc3 = c3 - 18575.0 / 48384.0, dc4 = c4 - 13525.0 / 55296.0,
                     dc5 = -277.0 / 14336.0, dc6 = c6 - 0.25;
    double *ak2 = w.ak2.data(), *ak3 = w.ak3.data(), *ak4 = w.ak4.data(), *ak5 = w.ak5.data(), *ak6 = w.ak6.data(),
           *yt = w.ytemp.data();
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + b21 * h * dydx[i];
    w.Derivs(n, x + a2 * h, yt, ak2);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + h * (b31 * dydx[i] + b32 * ak2[i]);
    w.Derivs(n, x + a3 * h, yt, ak3);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + h * (b41 * dydx[i] + b42 * ak2[i] + b43 * ak3[i]);
    w.Derivs(n, x + a4 * h, yt, ak4);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + h * (b51 * dydx[i] + b52 * ak2[i] + b53 * ak3[i] + b54 * ak4[i]);
    w.Derivs(n, x + a5 * h, yt, ak5);
    for (int i = 1; i <= n; ++i)
        yt[i] = y[i] + h * (b61 * dydx[i] + b62 * ak2[i] + b63 * ak3[i] + b64 * ak4[i] + b65 * ak5[i]);
    w.Derivs(n, x + a6 * h, yt, ak6);
    for (int i = 1; i <= n; ++i) {
        yout[i] = rt::Checked(y[i] + h * (c1 * dydx[i] + c3 * ak3[i] + c4 * ak4[i] + c6 * ak6[i]));
        yerr[i] = rt::Checked(h * (dc1 * dydx[i] + dc3 * ak3[i] + dc4 * ak4[i] + dc5 * ak5[i] + dc6 * ak6[i]));
    }
}

void QualityStep(int n, double* y, const double* dydx, double& x, double htry, double eps, const double* yscal,
                 double& hdid, double& hnext, Work& w) {
    double* yout = w.yout.data();
    double* yerr = w.yerr.data();
    double h = htry, errmax;
    for (;;) {
        if (n == 1)
            CashKarp<1>(n, y, dydx, x, h, yout, yerr, w);
        else if (n == 2)
            CashKarp<2>(n, y, dydx, x, h, yout, yerr, w);
        else
            CashKarp<0>(n, y, dydx, x, h, yout, yerr, w);
        errmax = 0.0;
        for (int i = 1; i <= n; ++i)
            if (yerr[i] != 0.0) errmax = std::max(errmax, std::fabs(yerr[i]) / yscal[i]);
        errmax = rt::Div(std::min(errmax, kHugeError), eps);
        if (errmax <= 1.0) break;
        // Retry with a smaller step, at least a tenth of the failed one.
        double htemp = kSafety * h * std::pow(errmax, kShrink);
        h = h >= 0.0 ? std::max(htemp, 0.1 * h) : std::min(htemp, 0.1 * h);
    }
    hnext = errmax > kErrCon ? kSafety * h * std::pow(errmax, kGrow) : 5.0 * h;
    hdid = h;
    x += h;
    for (int i = 1; i <= n; ++i) y[i] = yout[i];
}

void ClassicStep(int n, const double* y, const double* dydx, double x, double h, double* yout, Work& w) {
    double *yt = w.ytemp.data(), *dyt = w.ak2.data(), *dym = w.ak3.data();
    const double hh = h * 0.5, h6 = h / 6.0, xh = x + hh;
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + hh * dydx[i];
    w.Derivs(n, xh, yt, dyt);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + hh * dyt[i];
    w.Derivs(n, xh, yt, dym);
    for (int i = 1; i <= n; ++i) {
        yt[i] = y[i] + h * dym[i];
        dym[i] += dyt[i];
    }
    w.Derivs(n, x + h, yt, dyt);
    for (int i = 1; i <= n; ++i) yout[i] = rt::Checked(y[i] + h6 * (dydx[i] + dyt[i] + 2.0 * dym[i]));
}

}  // namespace

void ODEDerivs(const OdeLaw& law, double t, const std::vector<double>& y, std::vector<double>& dydt) {
    const int n = law.order;
    CheckLaw(law);
    if (n != 1 && n != 2) return;
    CheckSize(y, n);
    CheckSize(dydt, n);
    AngleUnitScope unit(law.angleFactor);
    EvalDerivs(law.expr, n, t, y.data(), dydt.data());
}

void StepRKCK(const OdeLaw& law, const std::vector<double>& y, const std::vector<double>& dydx, double x, double h,
              std::vector<double>& yout, std::vector<double>& yerr) {
    const int n = law.order;
    CheckLaw(law);
    for (const std::vector<double>* v : std::initializer_list<const std::vector<double>*>{&y, &dydx, &yout, &yerr})
        CheckSize(*v, n);
    AngleUnitScope unit(law.angleFactor);
    Work w(law.expr, n);
    CashKarp<0>(n, y.data(), dydx.data(), x, h, yout.data(), yerr.data(), w);
}

void StepRKQS(const OdeLaw& law, std::vector<double>& y, const std::vector<double>& dydx, double& x, double htry,
              double eps, const std::vector<double>& yscal, double& hdid, double& hnext) {
    const int n = law.order;
    CheckLaw(law);
    for (const std::vector<double>* v : std::initializer_list<const std::vector<double>*>{&y, &dydx, &yscal})
        CheckSize(*v, n);
    AngleUnitScope unit(law.angleFactor);
    Work w(law.expr, n);
    QualityStep(n, y.data(), dydx.data(), x, htry, eps, yscal.data(), hdid, hnext, w);
}

std::string TooManyStepsMessage(double x1, double x2) {
    return "No pude completar la integración entre " + rt::NumberText(std::min(x1, x2)) + " y " +
           rt::NumberText(std::max(x1, x2)) + " en " + std::to_string(kMaxSteps) +
           " pasos: la fórmula varía demasiado rápido.\r\nRevisa la fórmula o toma un intervalo más corto.";
}

namespace {

// A section of the interval integrated on its own, in the direction of
// integration.
struct Section {
    double from = 0, to = 0;
    double lo = 0, hi = 0;    // where the law is read: just inside the ends that are jumps
    double hmax = kInfinity;  // the longest step
};

// The law's own value at t in the state y: the slope of a first-order law,
// the acceleration of a second-order one.
double LawValue(CExpression& law, int n, double t, const double* y) {
    double d[3] = {0, 0, 0};
    EvalDerivs(law, n, t, y, d);
    return d[std::clamp(n, 0, 2)];
}

// Which scan samples stand out, value[j] for j with two readable samples on
// each side at the scan's spacing (indices 1 .. size - 2 of `at` are the
// cells): a value the cubic through its neighbours misses by a large share
// of their spread (a narrow pulse), or a sample that cannot be read between
// samples that can (a pole). No step may pass over such a sample.
std::vector<bool> StandingOut(const std::vector<double>& value, const std::vector<bool>& read) {
    const size_t m = value.size();
    std::vector<bool> out(m, false);
    std::vector<double> miss(m, 0.0), spread(m, 0.0);
    for (size_t j = 3; j + 3 < m; ++j) {
        if (!read[j]) {
            out[j] = read[j - 1] || read[j + 1];
            continue;
        }
        if (!read[j - 2] || !read[j - 1] || !read[j + 1] || !read[j + 2]) continue;
        const double predicted = (4 * (value[j - 1] + value[j + 1]) - value[j - 2] - value[j + 2]) / 6;
        miss[j] = std::fabs(value[j] - predicted);
        const auto [lo, hi] = std::minmax({value[j - 2], value[j - 1], value[j], value[j + 1], value[j + 2]});
        spread[j] = hi - lo;
    }
    for (size_t j = 3; j + 3 < m; ++j) {
        const double size = std::max(std::fabs(value[j]), spread[j]);
        if (miss[j] > kStandsOut * spread[j] && miss[j] > 1e-9 * size && miss[j] >= miss[j - 1] &&
            miss[j] >= miss[j + 1])
            out[j] = true;
    }
    return out;
}

// The sections of [min(x1, x2), max(x1, x2)], ascending: the law's cuts in
// its first variable (t) divide it, and the scan of each piece at the start
// state y0 divides it again where a run of equal values begins or ends, so
// that no step passes from a section where the law stood still into one
// where it changed, and at every sample that stands out from its neighbours,
// so that no step passes over a feature the scan saw. `largest` receives the
// largest value the scan read.
std::vector<Section> Sections(CExpression& law, int n, const double* y0, double x1, double x2, double& largest) {
    const double a = std::min(x1, x2), b = std::max(x1, x2), cell = (b - a) / kScanCells;
    // The ends of the pieces between the cuts, each with its cut, if any.
    std::vector<Cut> jumps = LawCuts(law, a, b);
    std::vector<double> cuts{a};
    std::vector<const Cut*> cutAt{nullptr};
    for (const Cut& c : jumps) {
        if (c.at == a) {
            cutAt.front() = &c;
        } else if (c.at < b) {
            cuts.push_back(c.at);
            cutAt.push_back(&c);
        }
    }
    cuts.push_back(b);
    cutAt.push_back(!jumps.empty() && jumps.back().at == b ? &jumps.back() : nullptr);
    std::vector<Section> out;
    largest = 0;
    int k = 1;  // the next scan point inside (a, b)
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        double lo = 0, hi = 0;
        ReadInside(cuts[i], cuts[i + 1], cutAt[i], cutAt[i + 1], lo, hi);
        std::vector<double> at{lo};
        for (; k < kScanCells && a + k * cell < cuts[i + 1]; ++k)
            if (a + k * cell > lo && a + k * cell < hi) at.push_back(a + k * cell);
        at.push_back(hi);
        std::vector<double> value(at.size(), 0.0);
        std::vector<bool> read(at.size());
        for (size_t j = 0; j < at.size(); ++j) {
            read[j] = rt::IgnoreError(
                "a point the scan cannot read ends a section there; the integration "
                "reports the fault if it reaches it",
                [&] { value[j] = LawValue(law, n, at[j], y0); });
            if (read[j]) largest = std::max(largest, std::fabs(value[j]));
        }
        // A law that stood still over the whole piece has no feature.
        const bool flat = std::all_of(read.begin(), read.end(), [](bool r) { return r; }) &&
                          std::all_of(value.begin(), value.end(), [&](double v) { return v == value.front(); });
        const std::vector<bool> feature = flat ? std::vector<bool>(at.size(), false) : StandingOut(value, read);
        // The cell from point j to j + 1 stands still when both were read
        // and agree; runs of like cells make one section.
        auto still = [&](size_t j) { return read[j] && read[j + 1] && value[j] == value[j + 1]; };
        for (size_t j = 0; j + 1 < at.size();) {
            size_t e = j + 1;
            while (e + 1 < at.size() && still(e) == still(j) && !feature[e]) ++e;
            Section s;
            s.from = j == 0 ? cuts[i] : at[j];
            s.to = e + 1 == at.size() ? cuts[i + 1] : at[e];
            s.lo = at[j];
            s.hi = at[e];
            if (!still(j)) s.hmax = (b - a) / kChangingSteps;
            out.push_back(s);
            j = e;
        }
    }
    return out;
}

// The switches of a law that read its state (x, or x and v) where its value
// jumps, whose crossings the drivers locate (a corner, as ABS(v) in a drag,
// is left to the steps' error control): a step that changes the side of one is taken
// again up to the crossing, and where the law on both sides of a switch of
// the last component (x of a first-order law, v of a second-order one)
// drives the state back onto it, the state stays on the switch (a block
// under sliding friction stays at rest) until the law lets it go.
class Events {
public:
    Events(CExpression& law, int n) : n_(n) {
        if (law.VariablesCount() == 0 || (n != 1 && n != 2)) return;
        for (Switch& s : Switches(law, law.Variable(1)->Name))
            if (s.ReadsOtherThan(0) && s.ReadsWithin(n + 1) && s.Jumps()) switches_.push_back(std::move(s));
    }
    bool Empty() const { return switches_.empty(); }

    // Whether the law holds the state y at t at rest on a switch of its last
    // component: the component stands on the switch and the law drives it
    // back from both sides.
    bool HoldsAtRest(CExpression& law, double t, double* y) const {
        for (const Switch& sw : switches_) {
            if (sw.ReadsOtherThan(n_)) continue;
            const double delta = kSideProbe * std::max(std::fabs(y[n_]), 1.0);
            if (HoldsOn(sw, law, t, y, y[n_], delta)) return true;
        }
        return false;
    }

    void Sides(double t, const double* y, std::vector<int>& out) const {
        const double v[3] = {t, y[1], n_ == 2 ? y[2] : 0.0};
        out.resize(switches_.size());
        for (size_t k = 0; k < switches_.size(); ++k) out[k] = switches_[k].Side(v);
    }

    // Where, in a step of length h from x0 that crosses a switch, the
    // crossing lies, to neighbouring doubles: the longest step that reads
    // the law on the start's sides only (its state into ylo, which the
    // caller fills with the start) and the shortest that does not (its
    // state into yhi, which the caller fills with the step's end).
    // take(h, yout) takes the step of length h and says whether its end or
    // its last stages lie beyond the switch.
    template <class Take>
    std::pair<double, double> Locate(const std::vector<int>& start, double x0, double h, Take take, double* ylo,
                                     double* yhi, size_t m) const {
        std::vector<double> yt(m, 0.0);
        double lo = 0, hi = h;
        for (int i = 0; i < kLocateHalvings; ++i) {
            const double mid = lo + (hi - lo) / 2;
            if (x0 + mid == x0 + lo || x0 + mid == x0 + hi) break;
            if (!take(mid, yt.data())) {
                lo = mid;
                std::copy(yt.begin(), yt.end(), ylo);
            } else {
                hi = mid;
                std::copy(yt.begin(), yt.end(), yhi);
            }
        }
        return {lo, hi};
    }

    // Whether the state y at t lies on other sides than `start`.
    bool Beyond(const std::vector<int>& start, double t, const double* y) const {
        const double v[3] = {t, y[1], n_ == 2 ? y[2] : 0.0};
        for (size_t k = 0; k < switches_.size(); ++k)
            if (switches_[k].Side(v) != start[k]) return true;
        return false;
    }

    // After a crossing from the sides `before`, with the last component
    // moving from `from` to `across` (beyond the switch) while the state y
    // stands at t: whether the law holds the state on a switch of that
    // component. If so, y[n] is put on the switch and the state is held
    // until Holds says otherwise.
    bool Sticks(const std::vector<int>& before, CExpression& law, double t, double* y, double from, double across,
                double scale) {
        for (size_t k = 0; k < switches_.size(); ++k) {
            if (switches_[k].ReadsOtherThan(n_)) continue;
            const Switch& sw = switches_[k];
            double v[3] = {t, y[1], n_ == 2 ? y[2] : 0.0};
            auto side = [&](double c) {
                v[n_] = c;
                return sw.Side(v);
            };
            if (side(across) == before[k]) continue;
            // The first value of the component on the far side.
            double lo = from, hi = across;
            const int sideLo = side(lo);
            for (int i = 0; i < kLocateHalvings; ++i) {
                const double mid = lo + (hi - lo) / 2;
                if (mid == lo || mid == hi) break;
                (side(mid) == sideLo ? lo : hi) = mid;
            }
            // A switch at 0 (SGN(v)) holds the state at 0 itself, also when
            // the step left it a rounding error beyond 0 (-3.5E-17).
            double at = (lo <= 0) != (hi <= 0) && side(0.0) != sideLo ? 0.0 : hi;
            if (at != 0 && std::fabs(at) <= kSideProbe * scale && side(0.0) != side(at)) at = 0.0;
            const double delta = kSideProbe * std::max({std::fabs(at), scale, 1e-300});
            double state[3] = {0, y[1], n_ == 2 ? y[2] : 0.0};
            state[n_] = at;
            if (!HoldsOn(sw, law, t, state, at, delta)) continue;
            y[n_] = at;
            held_ = static_cast<int>(k);
            at_ = at;
            delta_ = delta;
            return true;
        }
        return false;
    }

    bool Held() const { return held_ >= 0; }
    double HeldAt() const { return at_; }
    void Release() { held_ = -1; }
    // Whether the law at t still drives the state y (whose last component is
    // on the switch) back onto the switch it is held on.
    bool Holds(CExpression& law, double t, const double* y) const {
        double state[3] = {0, y[1], n_ == 2 ? y[2] : 0.0};
        return HoldsOn(switches_[static_cast<size_t>(held_)], law, t, state, at_, delta_);
    }

private:
    // The law just above the switch's value drives the component down and
    // the law just below drives it up, on either side of the switch.
    bool HoldsOn(const Switch& sw, CExpression& law, double t, double* state, double at, double delta) const {
        double above = 0, below = 0;
        double v[3] = {t, state[1], state[2]};
        v[n_] = at + delta;
        const int sideAbove = sw.Side(v);
        v[n_] = at - delta;
        const int sideBelow = sw.Side(v);
        if (sideAbove == sideBelow) return false;
        const bool read = rt::IgnoreError("a law with no value beside a switch does not hold the state on it", [&] {
            state[n_] = at + delta;
            above = LawValue(law, n_, t, state);
            state[n_] = at - delta;
            below = LawValue(law, n_, t, state);
        });
        state[n_] = at;
        return read && above < 0 && below > 0;
    }

    int n_;
    std::vector<Switch> switches_;
    int held_ = -1;
    double at_ = 0, delta_ = 0;
};

// Moves a held state from t to t + dt: the component on the switch keeps
// its value, x moves with it in a second-order law.
void AdvanceHeld(int n, double* y, double held, double dt) {
    y[n] = held;
    if (n == 2) y[1] = rt::Checked(y[1] + held * dt);
}

// Where, in the held state's move from x to xEnd (the law holding at x), the
// law lets it go: the first double at which Holds fails, or xEnd itself
// when it holds there. y is moved there.
double Release(const Events& ev, CExpression& law, int n, double x, double xEnd, double* y) {
    std::vector<double> probe(y, y + n + 1);
    auto holds = [&](double t) {
        std::copy(y, y + n + 1, probe.begin());
        AdvanceHeld(n, probe.data(), ev.HeldAt(), t - x);
        return ev.Holds(law, t, probe.data());
    };
    double to = xEnd;
    if (!holds(xEnd)) {
        double lo = x, hi = xEnd;
        for (int i = 0; i < kLocateHalvings; ++i) {
            const double mid = lo + (hi - lo) / 2;
            if (mid == lo || mid == hi) break;
            (holds(mid) ? lo : hi) = mid;
        }
        to = hi;
    }
    AdvanceHeld(n, y, ev.HeldAt(), to - x);
    return to;
}

// The point a refusal names: t rounded to a millionth of the interval.
double ShownPoint(double t, double span) {
    if (!(span > 0) || !std::isfinite(t)) return t;
    const double digits = -std::floor(std::log10(span * 1e-6));
    if (digits > 22 || digits < -22) return t;
    return rt::RoundToPlace(t, static_cast<int>(digits));
}

// What the adaptive driver ends with: the state at x2 and, for each
// component, the sum of the error estimates of the steps it took; the
// middle of the step whose estimate was largest, and whether that step
// touched an end of the interval.
struct AdaptiveEnd {
    std::vector<double> y, errorSum, reach;
    double worstAt = 0, worstError = 0;
    bool worstAtEnd = false;
    int steps = 0;
};

// ODEInt's integration, section by section, with the sums that tell how far
// its error estimates went. A fault of the law after the start (a pole the
// steps reached) is a refusal naming where it arose, in terms of `var`.
rt::Outcome<AdaptiveEnd> IntegrateAdaptive(const OdeLaw& law, const std::vector<double>& ystart, double x1, double x2,
                                           double eps, double h1, double hmin, std::string_view var,
                                           int maxSteps = kMaxSteps, double sizeShare = kSizeShare) {
    const int nvar = law.order;
    CheckLaw(law);
    CheckSize(ystart, nvar);
    AngleUnitScope unit(law.angleFactor);
    const size_t m = static_cast<size_t>(std::max(nvar, 0)) + 1;
    Work w(law.expr, nvar);
    AdaptiveEnd end;
    end.y.assign(ystart.begin(), ystart.begin() + static_cast<std::ptrdiff_t>(m));
    end.errorSum.assign(m, 0.0);
    end.reach.assign(m, 0.0);
    std::vector<double>& y = end.y;
    std::vector<double> dydx(m), yscal(m), size(m, 0.0), y0(m), ylo(m), yhi(m), scratch(m);

    double largest = 0;
    std::vector<Section> sections = Sections(law.expr, nvar, y.data(), x1, x2, largest);
    if (x2 < x1) {
        std::reverse(sections.begin(), sections.end());
        for (Section& s : sections) std::swap(s.from, s.to);
    }
    // The size of each component over the problem: its start and what the
    // law's values can make of it over the interval.
    const double span = std::fabs(x2 - x1);
    if (nvar == 1) size[1] = std::max(std::fabs(y[1]), largest * span);
    if (nvar == 2) {
        size[1] = std::max({std::fabs(y[1]), std::fabs(y[2]) * span, largest * span * span});
        size[2] = std::max(std::fabs(y[2]), largest * span);
    }
    Events events(law.expr, nvar);
    std::vector<int> sides, sidesEnd;
    if (!events.Empty()) events.Sides(x1, y.data(), sides);

    double h = h1, hdid = 0.0, hnext = 0.0;
    int steps = 0;
    bool started = false;   // the law was read at the start
    bool passOnce = false;  // the next step passes a switch unchecked
    try {
        for (const Section& s : sections) {
            w.tLo = s.lo;
            w.tHi = s.hi;
            double x = s.from;
            h = std::copysign(std::min(std::fabs(h), s.hmax), s.to - s.from);
            while (x != s.to) {
                if (events.Held()) {
                    // Held on a switch: checked at steps of at most a
                    // hundredth of the interval, and let go where the law
                    // stops holding it.
                    const double chunk = std::min(std::fabs(s.to - x), span / kChangingSteps);
                    const double next = std::fabs(s.to - x) <= chunk ? s.to : x + std::copysign(chunk, s.to - x);
                    const double to = Release(events, law.expr, nvar, x, next, y.data());
                    if (to != next || !events.Holds(law.expr, to, y.data())) {
                        events.Release();
                        events.Sides(to, y.data(), sides);
                    }
                    x = to;
                    continue;
                }
                if (steps++ == maxSteps) return rt::Outcome<AdaptiveEnd>::Refusal(TooManyStepsMessage(x1, x2));
                w.Derivs(nvar, x, y.data(), dydx.data());
                started = true;
                for (int i = 1; i <= nvar; ++i) {
                    size[i] = std::max(size[i], std::fabs(y[i]));
                    yscal[i] = std::fabs(y[i]) + std::fabs(dydx[i] * h) + sizeShare * size[i];
                }
                const bool last = (x + h - s.to) * (x + h - s.from) > 0.0;
                const double htry = last ? s.to - x : h;  // the last step ends at the section's end
                const double x0 = x;
                std::copy(y.begin(), y.end(), y0.begin());
                QualityStep(nvar, y.data(), dydx.data(), x, htry, eps, yscal.data(), hdid, hnext, w);
                double stepError = 0;
                for (int i = 1; i <= nvar; ++i) {
                    end.errorSum[i] += std::fabs(w.yerr[i]);
                    end.reach[i] = std::max(end.reach[i], std::fabs(y[i]));
                    stepError = std::max(stepError, std::fabs(w.yerr[i]));
                }
                if (stepError > end.worstError) {
                    end.worstError = stepError;
                    end.worstAt = x0 + hdid / 2;
                    end.worstAtEnd = x0 == x1 || x == x2;
                }
                bool crossed = false, approaching = false;
                if (!events.Empty()) {
                    // Whether the step of length hh whose stages are in the
                    // work arrays ends or reads the law beyond a switch: its
                    // fifth stage reads it at the end, its sixth (left in
                    // ytemp) at seven eighths of the step.
                    auto beyond = [&](double hh, const double* out) {
                        constexpr double b51 = -11.0 / 54.0, b52 = 2.5, b53 = -70.0 / 27.0, b54 = 35.0 / 27.0;
                        for (int i = 1; i <= nvar; ++i)
                            scratch[i] =
                                y0[i] + hh * (b51 * dydx[i] + b52 * w.ak2[i] + b53 * w.ak3[i] + b54 * w.ak4[i]);
                        return events.Beyond(sides, x0 + hh, out) || events.Beyond(sides, x0 + hh, scratch.data()) ||
                               events.Beyond(sides, x0 + 0.875 * hh, w.ytemp.data());
                    };
                    auto take = [&](double hh, double* out) {
                        if (nvar == 1)
                            CashKarp<1>(nvar, y0.data(), dydx.data(), x0, hh, out, scratch.data(), w);
                        else
                            CashKarp<2>(nvar, y0.data(), dydx.data(), x0, hh, out, scratch.data(), w);
                        return beyond(hh, out);
                    };
                    // The accepted step is the last one QualityStep tried. A
                    // step right after a crossing whose end stayed before the
                    // switch passes unchecked, so that the motion goes on.
                    if (passOnce) {
                        passOnce = false;
                        events.Sides(x, y.data(), sides);
                    } else if (beyond(hdid, y.data())) {
                        std::copy(y0.begin(), y0.end(), ylo.begin());
                        std::copy(y.begin(), y.end(), yhi.begin());
                        const auto [lo, hi] = events.Locate(sides, x0, hdid, take, ylo.data(), yhi.data(), m);
                        if (std::fabs(hdid) <= kCrossingStep * span) {
                            // Short enough: the step passes the switch. Its end
                            // may still lie before it, with only its last stages
                            // beyond (a law that drives the state back).
                            take(hi, yhi.data());
                            const size_t last = static_cast<size_t>(nvar);
                            const bool endBeyond = events.Beyond(sides, x0 + hi, yhi.data());
                            const double across = endBeyond                                       ? yhi[last]
                                                  : events.Beyond(sides, x0 + hi, scratch.data()) ? scratch[last]
                                                                                                  : w.ytemp[last];
                            crossed = x0 + hi != x;
                            x = x0 + hi;
                            std::copy(yhi.begin(), yhi.end(), y.begin());
                            const bool held = events.Sticks(sides, law.expr, x, y.data(), y0[last], across, size[last]);
                            events.Sides(x, y.data(), sides);
                            // Nothing holds it: one more step as short passes
                            // the switch unchecked.
                            passOnce = !held && !endBeyond;
                            if (passOnce) {
                                hnext = hdid;
                                approaching = true;
                            }
                        } else {
                            // Up to the last point before it, and again.
                            crossed = approaching = true;
                            x = x0 + lo;
                            std::copy(ylo.begin(), ylo.end(), y.begin());
                            hnext = kApproach * hdid;
                        }
                    }
                }
                if (approaching) {
                    h = std::copysign(std::min(std::fabs(hnext), s.hmax), hnext);
                    continue;
                }
                if (!crossed && ((last && hdid == htry) || (x - s.to) * (s.to - s.from) >= 0.0)) break;
                if (std::fabs(hnext) < hmin) hnext = std::copysign(hmin, hnext);
                h = std::copysign(std::min(std::fabs(hnext), s.hmax), hnext);
            }
        }
    } catch (const rt::RuntimeError&) {
        // A fault at the start is the law's own (a formula with no value
        // there); one further on is a point the motion cannot pass.
        if (!started || !w.inLaw) throw;
        return rt::Outcome<AdaptiveEnd>::Refusal(
            ImpreciseIntegralMessage(x1, x2, ShownPoint(w.lastT, span), std::string(var)));
    }
    end.steps = steps;
    return end;
}

}  // namespace

std::string ImpreciseIntegralMessage(double x1, double x2, double at, const std::string& var) {
    const std::string where = std::isfinite(at) ? "cerca de " + var + " = " + rt::NumberText(at)
                                                : std::string("en algún punto del intervalo");
    return "No alcancé la precisión pedida en la integración entre " + rt::NumberText(std::min(x1, x2)) + " y " +
           rt::NumberText(std::max(x1, x2)) + ": la fórmula crece sin límite o cambia demasiado rápido " + where +
           ".\r\nRevisa la fórmula o toma un intervalo que no incluya ese punto.";
}

rt::Outcome<std::vector<double>> ODEInt(const OdeLaw& law, const std::vector<double>& ystart, double x1, double x2,
                                        double eps, double h1, double hmin) {
    rt::Outcome<AdaptiveEnd> end = IntegrateAdaptive(law, ystart, x1, x2, eps, h1, hmin, "t");
    if (!end.ok()) return rt::Outcome<std::vector<double>>::Refusal(end.message());
    std::vector<double> state = ystart;
    std::copy(end->y.begin() + 1, end->y.end(), state.begin() + 1);
    return state;
}

namespace {

// The adaptive integral with the given share of the problem's size in its
// error scale, checked by a second pass where its own estimates are large.
rt::Outcome<double> IntegralWithShare(const OdeLaw& integrand, double t0, double t1, const std::string& var,
                                      double sizeShare) {
    const auto end =
        IntegrateAdaptive(integrand, {0.0, 0.0}, t0, t1, kIntegralEps, 0.1, 0.001, var, kMaxSteps, sizeShare);
    if (!end.ok()) return rt::Outcome<double>::Refusal(end.message());
    // The error estimates of smooth integrands add up to far less than the
    // promise; past a tenth of it the integral is taken again with a tighter
    // tolerance, and the two must agree to the promise. Near a singularity
    // the estimates fall short of the true error, and the two differ. The
    // check may take more steps than the first pass: a tighter tolerance
    // needs them on a long periodic integrand.
    const double reach = end->reach[1], errorSum = end->errorSum[1];
    if (errorSum <= kSuspectShare * kIntegralPromise * reach) return end->y[1];
    const auto check = IntegrateAdaptive(integrand, {0.0, 0.0}, t0, t1, kIntegralEps / kCheckTighter, 0.1, 0.001, var,
                                         std::max(kMaxSteps, kCheckStepsFactor * end->steps), sizeShare);
    if (check.ok() ? std::fabs(check->y[1] - end->y[1]) <= kIntegralPromise * std::max(reach, check->reach[1])
                   : errorSum <= kIntegralPromise * reach)
        return check.ok() ? check->y[1] : end->y[1];
    // The trouble is named where the largest error arose, unless that was at
    // an end of the interval, where the formula may well be finite.
    const double at = end->worstAtEnd ? std::numeric_limits<double>::quiet_NaN() : ShownPoint(end->worstAt, t1 - t0);
    return rt::Outcome<double>::Refusal(ImpreciseIntegralMessage(t0, t1, at, var));
}

}  // namespace

rt::Outcome<double> SolveODE1(std::string_view f, double t0, double t1, double angleFactor) {
    if (t0 > t1) std::swap(t0, t1);
    CExpression law;
    law.SetExpression(f);
    law.ThrowIfError();
    const OdeLaw integrand{law, 1, angleFactor};
    const std::string var = law.VariablesCount() > 0 ? law.Variable(1)->Name : "X";
    const rt::Outcome<double> first = IntegralWithShare(integrand, t0, t1, var, kSizeShare);
    if (first.ok() || first.message() != TooManyStepsMessage(t0, t1)) return first;
    const rt::Outcome<double> wider = IntegralWithShare(integrand, t0, t1, var, kIntegralSizeShare);
    return wider.ok() ? wider : first;
}

double RateOnSwitches(const OdeLaw& law, double t, const std::vector<double>& y) {
    CheckLaw(law);
    CheckSize(y, law.order);
    AngleUnitScope unit(law.angleFactor);
    std::vector<double> state(y.begin(), y.begin() + law.order + 1);
    const Events events(law.expr, law.order);
    if (!events.Empty() && events.HoldsAtRest(law.expr, t, state.data())) return 0;
    return LawValue(law.expr, law.order, t, state.data());
}

OdeTable IntegrateRK4Fixed(const OdeLaw& law, const std::vector<double>& vstart, double x1, double x2, int nstep) {
    const int nvar = law.order;
    CheckLaw(law);
    CheckSize(vstart, nvar);
    rt::ExpectIndex(nstep, 0, kMaxTableSteps, "table steps");
    AngleUnitScope unit(law.angleFactor);
    const size_t m = static_cast<size_t>(std::max(nvar, 0)) + 1;
    Work w(law.expr, nvar);
    OdeTable table;
    table.times.assign(static_cast<size_t>(nstep) + 2, 0.0);
    table.states = Matrix(nvar, nstep + 1);
    std::vector<double> v(vstart.begin(), vstart.begin() + static_cast<std::ptrdiff_t>(m)), dv(m), v0(m), vlo(m),
        vhi(m);
    auto record = [&](int k, double x) {
        table.times[static_cast<size_t>(k)] = x;
        for (int i = 1; i <= nvar; ++i) table.states(i, k) = v[static_cast<size_t>(i)];
        table.points = k;
    };
    record(1, x1);
    const double h = rt::Div(x2 - x1, nstep);
    Events events(law.expr, nvar);
    std::vector<int> sides, sidesEnd;
    // The size of the held component, from the start and the first slope.
    double scale = 0;
    if (!events.Empty()) {
        events.Sides(x1, v.data(), sides);
        w.Derivs(nvar, x1, v.data(), dv.data());
        scale = std::max(std::fabs(v[static_cast<size_t>(nvar)]), std::fabs(dv[static_cast<size_t>(nvar)] * (x2 - x1)));
    }
    // One classical step from `from` to `to`, or, where the law switches
    // with the state inside it, the steps up to each crossing and beyond.
    // The law's value at the start of the step being taken, as its first
    // stage reads it: the table's own scan of the law.
    double slope = 0;
    bool wantSlope = false;
    auto advance = [&](double from, double to) {
        double trial = to - from;
        while (from != to) {
            if (events.Held()) {
                const double at = Release(events, law.expr, nvar, from, to, v.data());
                if (at != to || !events.Holds(law.expr, to, v.data())) {
                    events.Release();
                    events.Sides(at, v.data(), sides);
                }
                from = at;
                trial = to - from;
                continue;
            }
            w.Derivs(nvar, from, v.data(), dv.data());
            if (wantSlope) {
                slope = dv[static_cast<size_t>(nvar)];
                wantSlope = false;
            }
            if (events.Empty()) {
                ClassicStep(nvar, v.data(), dv.data(), from, to - from, v.data(), w);
                return;
            }
            if (std::fabs(trial) >= std::fabs(to - from)) trial = to - from;
            const double end = trial == to - from ? to : from + trial;
            std::copy(v.begin(), v.end(), v0.begin());
            // The step crosses a switch when its end or its last stage, which
            // reads the law at the end in the state it leaves in ytemp, lies
            // beyond it: a step whose stages straddle a switch can end on
            // the side it began (friction read on both sides cancels).
            auto take = [&](double hh, double* out) {
                ClassicStep(nvar, v0.data(), dv.data(), from, hh, out, w);
                return events.Beyond(sides, from + hh, out) || events.Beyond(sides, from + hh, w.ytemp.data());
            };
            if (!take(trial, v.data())) {
                from = end;
                trial = to - from;
                continue;
            }
            std::copy(v0.begin(), v0.end(), vlo.begin());
            std::copy(v.begin(), v.end(), vhi.begin());
            const auto [lo, hi] = events.Locate(sides, from, trial, take, vlo.data(), vhi.data(), m);
            if (std::fabs(trial) <= kCrossingStep * std::fabs(x2 - x1)) {
                // The step passes the switch, its end or its last stage
                // beyond it.
                take(hi, vhi.data());
                const size_t last = static_cast<size_t>(nvar);
                const bool endBeyond = events.Beyond(sides, from + hi, vhi.data());
                const double across = endBeyond ? vhi[last] : w.ytemp[last];
                std::copy(vhi.begin(), vhi.end(), v.begin());
                const double at = from + hi == to ? to : from + hi;
                const bool held = events.Sticks(sides, law.expr, at, v.data(), v0[last], across, scale);
                events.Sides(at, v.data(), sides);
                from = at;
                trial = to - from;
                if (!held && !endBeyond && from != to) {
                    // Nothing holds it: one more step as short passes the
                    // switch unchecked.
                    const double pass = std::fabs(hi) < std::fabs(to - from) ? hi : to - from;
                    const double next = pass == to - from ? to : from + pass;
                    w.Derivs(nvar, from, v.data(), dv.data());
                    ClassicStep(nvar, v.data(), dv.data(), from, pass, v.data(), w);
                    events.Sides(next, v.data(), sides);
                    from = next;
                    trial = to - from;
                }
            } else {
                // Up to the last point before the crossing, and again with
                // a shorter step.
                std::copy(vlo.begin(), vlo.end(), v.begin());
                from += lo;
                trial *= kApproach;
            }
        }
    };
    // A part of a step that holds a narrow feature of the law, taken with
    // error control so that the feature is resolved; the error of each
    // component is measured as in the adaptive driver, against a share of
    // its size over the table too.
    std::vector<double> size(m, 0.0);
    auto adaptivePart = [&](double from, double to) {
        std::vector<double> yscal(m, 0.0);
        // The first step is short: a part may begin on the feature's peak,
        // where a long step would sample little of it.
        double xx = from, hh = (to - from) / 1000, hdid = 0, hnext = 0;
        for (int i = 0; i < kMaxSteps && xx != to; ++i) {
            w.Derivs(nvar, xx, v.data(), dv.data());
            for (int c = 1; c <= nvar; ++c) yscal[c] = std::fabs(v[c]) + std::fabs(dv[c] * hh) + kSizeShare * size[c];
            const bool last = std::fabs(hh) >= std::fabs(to - xx);
            const double htry = last ? to - xx : hh;
            QualityStep(nvar, v.data(), dv.data(), xx, htry, kTableEps, yscal.data(), hdid, hnext, w);
            if (last && hdid == htry) xx = to;
            hh = hnext;
        }
    };
    // A step that holds jumps of the law is taken in parts between them, each
    // reading the law inside its own part only. The first pass reads the law
    // at every point of the table; where a value stands out from its
    // neighbours (a narrow pulse the grid sampled), the table is taken again
    // with the two steps beside it under error control.
    std::vector<Cut> jumps = LawCuts(law.expr, std::min(x1, x2), std::max(x1, x2));
    if (x2 < x1) std::reverse(jumps.begin(), jumps.end());
    std::vector<double> atPoint(static_cast<size_t>(nstep) + 2, 0.0);
    std::vector<bool> feature;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            // The error-controlled parts know nothing of the switches in the
            // state: a law with such switches keeps the table its crossings
            // and holds made (a stop by friction stands out, and is exact).
            if (!events.Empty()) break;
            std::vector<double> value(atPoint.begin() + 1, atPoint.begin() + table.points + 1);
            feature = StandingOut(value, std::vector<bool>(value.size(), true));
            if (std::find(feature.begin(), feature.end(), true) == feature.end()) break;
            double largest = 0;
            for (double f : value) largest = std::max(largest, std::fabs(f));
            const double span = std::fabs(x2 - x1);
            for (int c = 1; c <= nvar; ++c) {
                const size_t i = static_cast<size_t>(c);
                size[i] = std::max(std::fabs(vstart[i]), largest * std::pow(span, nvar + 1 - c));
                for (int k = 1; k <= table.points; ++k) size[i] = std::max(size[i], std::fabs(table.states(c, k)));
            }
            std::copy(vstart.begin(), vstart.begin() + static_cast<std::ptrdiff_t>(m), v.begin());
            events.Release();
            if (!events.Empty()) events.Sides(x1, v.data(), sides);
            record(1, x1);
        }
        auto isFeature = [&](int k) { return k - 1 < static_cast<int>(feature.size()) && feature[k - 1]; };
        double x = x1;
        size_t next = 0;                // the first jump not yet passed
        const Cut* fromJump = nullptr;  // the jump the part begins at
        if (!jumps.empty() && jumps.front().at == x1) fromJump = &jumps[next++];
        for (int k = 1; k <= nstep; ++k) {
            const double end = x + h;
            double from = x;
            const bool resolve = pass == 1 && (isFeature(k) || isFeature(k + 1));
            wantSlope = true;
            slope = 0;
            for (;;) {
                // A step that ends in a jump's sliver ends at the jump; one
                // that passes a jump is split there.
                const Cut* jump = next < jumps.size() ? &jumps[next] : nullptr;
                const bool ends = jump && jump->below <= end && end <= jump->above;
                const bool inside = jump && !ends && (jump->at - from) * (end - jump->at) > 0.0;
                const Cut* toJump = ends || inside ? jump : nullptr;
                const double to = inside ? jump->at : end;
                ReadInside(from, to, fromJump, toJump, w.tLo, w.tHi);
                if (resolve)
                    adaptivePart(from, to);
                else
                    advance(from, to);
                if (toJump) ++next;
                fromJump = toJump;
                if (!inside) break;
                from = to;
            }
            atPoint[static_cast<size_t>(k)] = slope;
            atPoint[static_cast<size_t>(k) + 1] = slope;
            if (IsNear(x + h, x, 1e-8)) break;
            x += h;
            record(k + 1, x);
        }
    }
    return table;
}

void StepRK4(const OdeLaw& law, const std::vector<double>& y, const std::vector<double>& dydx, double x, double h,
             std::vector<double>& yout) {
    const int n = law.order;
    CheckLaw(law);
    CheckSize(y, n);
    CheckSize(dydx, n);
    if (yout.size() < y.size()) yout.resize(y.size());
    AngleUnitScope unit(law.angleFactor);
    Work w(law.expr, n);
    ClassicStep(n, y.data(), dydx.data(), x, h, yout.data(), w);
}

}  // namespace num
