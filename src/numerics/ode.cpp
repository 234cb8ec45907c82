#include "numerics/ode.h"

#include <algorithm>
#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace num {

namespace {

constexpr double kSafety = 0.9, kGrow = -0.2, kShrink = -0.25, kErrCon = 1.89e-4;
constexpr int kMaxSteps = 1000;
// The least error scale of a step: while the solution and its slope are
// both 0 (a load that starts further along) a relative scale would be 0 and
// no step could reach the point where the function rises.
constexpr double kScaleFloor = 1e-4;
// The tolerance of the integrals: the error estimate of a step that crosses a
// jump of the integrand can come out ten times too small, so that a
// tolerance of 1E-5 left the integral of a partial uniform load short in its
// fifth digit.
constexpr double kIntegralEps = 1e-7;
// Steps a fixed-step table may hold: far beyond any drawing, and small
// enough that the table's size cannot overflow.
constexpr int kMaxTableSteps = 10000000;

// Checks, once per call of a driver, the law it evaluates.
void CheckLaw(const OdeLaw& law) {
    if (law.order == 1 || law.order == 2) law.expr.ThrowIfError();
}

void CheckSize(const std::vector<double>& v, int n) {
    rt::ExpectIndex(n, 0, static_cast<long long>(v.size()) - 1, "state vector");
}

// Arrays below are indexed from 1: p[1..n].
inline void Derivs(CExpression& law, int n, double t, const double* y, double* dydt) {
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
    CExpression& law;
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
    Derivs(w.law, n, x + a2 * h, yt, ak2);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + h * (b31 * dydx[i] + b32 * ak2[i]);
    Derivs(w.law, n, x + a3 * h, yt, ak3);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + h * (b41 * dydx[i] + b42 * ak2[i] + b43 * ak3[i]);
    Derivs(w.law, n, x + a4 * h, yt, ak4);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + h * (b51 * dydx[i] + b52 * ak2[i] + b53 * ak3[i] + b54 * ak4[i]);
    Derivs(w.law, n, x + a5 * h, yt, ak5);
    for (int i = 1; i <= n; ++i)
        yt[i] = y[i] + h * (b61 * dydx[i] + b62 * ak2[i] + b63 * ak3[i] + b64 * ak4[i] + b65 * ak5[i]);
    Derivs(w.law, n, x + a6 * h, yt, ak6);
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
        for (int i = 1; i <= n; ++i) errmax = std::max(errmax, std::fabs(yerr[i] / yscal[i]));
        errmax = rt::Div(errmax, eps);
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
    Derivs(w.law, n, xh, yt, dyt);
    for (int i = 1; i <= n; ++i) yt[i] = y[i] + hh * dyt[i];
    Derivs(w.law, n, xh, yt, dym);
    for (int i = 1; i <= n; ++i) {
        yt[i] = y[i] + h * dym[i];
        dym[i] += dyt[i];
    }
    Derivs(w.law, n, x + h, yt, dyt);
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
    Derivs(law.expr, n, t, y.data(), dydt.data());
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

rt::Outcome<std::vector<double>> ODEInt(const OdeLaw& law, const std::vector<double>& ystart, double x1, double x2,
                                        double eps, double h1, double hmin) {
    const int nvar = law.order;
    CheckLaw(law);
    CheckSize(ystart, nvar);
    AngleUnitScope unit(law.angleFactor);
    const size_t m = static_cast<size_t>(std::max(nvar, 0)) + 1;
    Work w(law.expr, nvar);
    std::vector<double> y(ystart.begin(), ystart.begin() + static_cast<std::ptrdiff_t>(m)), dydx(m), yscal(m);
    double x = x1, h = h1, hdid = 0.0, hnext = 0.0;
    for (int step = 0; step < kMaxSteps; ++step) {
        Derivs(law.expr, nvar, x, y.data(), dydx.data());
        for (int i = 1; i <= nvar; ++i) yscal[i] = std::fabs(y[i]) + std::fabs(dydx[i] * h) + kScaleFloor;
        if ((x + h - x2) * (x + h - x1) > 0.0) h = x2 - x;  // the last step ends at x2
        QualityStep(nvar, y.data(), dydx.data(), x, h, eps, yscal.data(), hdid, hnext, w);
        if ((x - x2) * (x2 - x1) >= 0.0) {
            std::vector<double> end = ystart;
            std::copy(y.begin() + 1, y.end(), end.begin() + 1);
            return end;
        }
        if (std::fabs(hnext) < hmin) hnext = std::copysign(hmin, hnext);
        h = hnext;
    }
    return rt::Outcome<std::vector<double>>::Refusal(TooManyStepsMessage(x1, x2));
}

rt::Outcome<double> SolveODE1(std::string_view f, double t0, double t1, double angleFactor) {
    if (t0 > t1) std::swap(t0, t1);
    CExpression law;
    law.SetExpression(f);
    law.ThrowIfError();
    const auto end = ODEInt(OdeLaw{law, 1, angleFactor}, {0.0, 0.0}, t0, t1, kIntegralEps, 0.1, 0.001);
    if (!end.ok()) return rt::Outcome<double>::Refusal(end.message());
    return end.value()[1];
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
    std::vector<double> v(vstart.begin(), vstart.begin() + static_cast<std::ptrdiff_t>(m)), dv(m);
    auto record = [&](int k, double x) {
        table.times[static_cast<size_t>(k)] = x;
        for (int i = 1; i <= nvar; ++i) table.states(i, k) = v[static_cast<size_t>(i)];
        table.points = k;
    };
    record(1, x1);
    double x = x1;
    const double h = rt::Div(x2 - x1, nstep);
    for (int k = 1; k <= nstep; ++k) {
        Derivs(law.expr, nvar, x, v.data(), dv.data());
        ClassicStep(nvar, v.data(), dv.data(), x, h, v.data(), w);
        if (IsNear(x + h, x, 1e-8)) break;
        x += h;
        record(k + 1, x);
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
