// Differential equations and root search written as formulas: our adaptive
// (Cash-Karp) and fixed-step (classical Runge-Kutta) drivers and our root
// search against GNU GSL (when installed) driven by the same compiled
// formula. Each benchmark reports the time per call and, as the counter
// "error", the distance from the exact solution.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "numerics/calculus.h"
#include "numerics/expression.h"
#include "numerics/ode.h"

#ifdef TELUVAR_HAVE_GSL
#include <gsl/gsl_errno.h>
#include <gsl/gsl_odeiv2.h>
#include <gsl/gsl_roots.h>
#endif

namespace {

// x'' = a(t, x, v) with its exact solution from (x0, v0) at t = 0.
struct Motion {
    const char* name;
    const char* law;
    double x0, v0, t1;
    double (*exactX)(double t);
};

const double kK = 0.05, kG = 9.8;

const Motion kMotions[] = {
    {"harmonic", "-Y + 0*X + 0*Z", 1, 0, 10, [](double t) { return std::cos(t); }},
    {"drag_fall", "-9.8 - 0.05*Z*ABS(Z) + 0*X + 0*Y", 100, 0, 4,
     [](double t) { return 100 - std::log(std::cosh(std::sqrt(kG * kK) * t)) / kK; }},
};

// The compiled law of the motion being measured, shared with the peers.
std::shared_ptr<num::CExpression> gLaw;

void UseLaw(const Motion& m) {
    num::SetAngleUnit(num::kRadians);  // the unit this program works in
    gLaw = std::make_shared<num::CExpression>(m.law);
}

void OursAdaptive(benchmark::State& state, const Motion& m, double eps) {
    UseLaw(m);
    std::vector<double> y(3);
    for (auto _ : state) {
        auto end = num::ODEInt(num::OdeLaw{*gLaw, 2, 1.0}, {0, m.x0, m.v0}, 0, m.t1, eps, 0.1, 1e-12);
        if (end.ok()) y = std::move(end.value());
        benchmark::DoNotOptimize(y.data());
    }
    state.counters["error"] = std::fabs(y[1] - m.exactX(m.t1));
}

void OursFixed(benchmark::State& state, const Motion& m, int steps) {
    UseLaw(m);
    num::OdeTable table;
    for (auto _ : state) {
        table = num::IntegrateRK4Fixed(num::OdeLaw{*gLaw, 2, 1.0}, {0, m.x0, m.v0}, 0, m.t1, steps);
        benchmark::ClobberMemory();
    }
    state.counters["error"] = std::fabs(table.states(1, steps + 1) - m.exactX(m.t1));
}

// Roots of a cubic with the single real root r.
const char* const kCubic = "X^3 - 2*X - 5";
const double kCubicRoot = 2.0945514815423265;

void OursRoots(benchmark::State& state) {
    num::SetAngleUnit(num::kRadians);  // the unit this program works in
    double root = 0.0;
    bool ok = false;
    for (auto _ : state) {
        const rt::Outcome<num::ExprRoots> found = num::FindExprRoots(kCubic, 0, 3);
        ok = found.ok();
        if (ok) root = found->roots[0];
        benchmark::DoNotOptimize(root);
    }
    state.counters["error"] = ok ? std::fabs(root - kCubicRoot) : 1.0;
}

#ifdef TELUVAR_HAVE_GSL
int GslDerivs(double t, const double y[], double dydt[], void* params) {
    auto* law = static_cast<num::CExpression*>(params);
    const double v[3] = {t, y[0], y[1]};
    dydt[0] = y[1];
    dydt[1] = law->ValueFast(v, 3);
    return GSL_SUCCESS;
}

void GslAdaptive(benchmark::State& state, const Motion& m, double eps) {
    UseLaw(m);
    gsl_odeiv2_system sys{GslDerivs, nullptr, 2, gLaw.get()};
    // The same error scale as ours: eps (|y| + h |y'|).
    gsl_odeiv2_driver* d = gsl_odeiv2_driver_alloc_standard_new(&sys, gsl_odeiv2_step_rkck, 0.1, 0.0, eps, 1.0, 1.0);
    double y[2] = {m.x0, m.v0};
    for (auto _ : state) {
        gsl_odeiv2_driver_reset_hstart(d, 0.1);
        double t = 0;
        y[0] = m.x0;
        y[1] = m.v0;
        gsl_odeiv2_driver_apply(d, &t, m.t1, y);
        benchmark::DoNotOptimize(y);
    }
    state.counters["error"] = std::fabs(y[0] - m.exactX(m.t1));
    gsl_odeiv2_driver_free(d);
}

void GslFixed(benchmark::State& state, const Motion& m, int steps) {
    UseLaw(m);
    gsl_odeiv2_system sys{GslDerivs, nullptr, 2, gLaw.get()};
    const double h = m.t1 / steps;
    gsl_odeiv2_driver* d = gsl_odeiv2_driver_alloc_y_new(&sys, gsl_odeiv2_step_rk4, h, 1e-6, 0.0);
    double y[2] = {m.x0, m.v0};
    for (auto _ : state) {
        gsl_odeiv2_driver_reset(d);
        double t = 0;
        y[0] = m.x0;
        y[1] = m.v0;
        gsl_odeiv2_driver_apply_fixed_step(d, &t, h, static_cast<unsigned long>(steps), y);
        benchmark::DoNotOptimize(y);
    }
    state.counters["error"] = std::fabs(y[0] - m.exactX(m.t1));
    gsl_odeiv2_driver_free(d);
}

double GslF(double x, void* params) { return static_cast<num::CExpression*>(params)->ValueFast(&x, 1); }

// The same task with GSL: compile, scan the interval in 490 steps, refine
// each sign change with Brent's method to the same abscissa tolerance.
void GslRoots(benchmark::State& state, bool scan) {
    num::SetAngleUnit(num::kRadians);  // the unit this program works in
    gsl_root_fsolver* s = gsl_root_fsolver_alloc(gsl_root_fsolver_brent);
    double root = 0;
    for (auto _ : state) {
        num::CExpression e(kCubic);
        gsl_function F{GslF, &e};
        // Every sign change of the scan, as ours looks for all of them.
        std::vector<std::pair<double, double>> brackets;
        if (scan) {
            const double a = 0, b = 3, step = (b - a) / 490;
            double x = a, f1 = GslF(x, &e);
            for (int i = 1; i <= 490; ++i) {
                x += step;
                double f2 = GslF(x, &e);
                if ((f1 < 0 && f2 > 0) || (f1 > 0 && f2 < 0)) brackets.emplace_back(x - step, x);
                f1 = f2;
            }
        } else {
            brackets.emplace_back(2, 3);
        }
        for (auto [lo, hi] : brackets) {
            gsl_root_fsolver_set(s, &F, lo, hi);
            for (int it = 0; it < 100; ++it) {
                gsl_root_fsolver_iterate(s);
                root = gsl_root_fsolver_root(s);
                if (gsl_root_test_interval(gsl_root_fsolver_x_lower(s), gsl_root_fsolver_x_upper(s), 1e-6, 0) !=
                    GSL_CONTINUE)
                    break;
            }
        }
        benchmark::DoNotOptimize(root);
    }
    state.counters["error"] = std::fabs(root - kCubicRoot);
    gsl_root_fsolver_free(s);
}
#endif

const bool kRegistered = [] {
    for (const Motion& m : kMotions) {
        for (double eps : {1e-6, 1e-9}) {
            std::string tag = std::string(m.name) + "/adaptive_eps" + (eps == 1e-6 ? "1e-6" : "1e-9");
            benchmark::RegisterBenchmark((tag + "/ours").c_str(), OursAdaptive, m, eps);
#ifdef TELUVAR_HAVE_GSL
            benchmark::RegisterBenchmark((tag + "/gsl_rkck").c_str(), GslAdaptive, m, eps);
#endif
        }
        // GSL's classical step also takes two half steps for its error
        // estimate and returns their result: 300 of its steps do the work of
        // 900 plain ones and have the accuracy of 600.
        std::string tag = std::string(m.name) + "/fixed";
        benchmark::RegisterBenchmark((tag + "_300/ours").c_str(), OursFixed, m, 300);
        benchmark::RegisterBenchmark((tag + "_600/ours").c_str(), OursFixed, m, 600);
#ifdef TELUVAR_HAVE_GSL
        benchmark::RegisterBenchmark((tag + "_300/gsl_rk4").c_str(), GslFixed, m, 300);
#endif
    }
    benchmark::RegisterBenchmark("roots/scan_and_refine/ours", OursRoots);
#ifdef TELUVAR_HAVE_GSL
    gsl_set_error_handler_off();
    benchmark::RegisterBenchmark("roots/scan_and_refine/gsl_brent", GslRoots, true);
    benchmark::RegisterBenchmark("roots/bracket_only/gsl_brent", GslRoots, false);
#endif
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
