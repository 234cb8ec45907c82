// Time per evaluation of compiled formulas: our CExpression, muparser (when
// installed) and the same formulas written as C++ functions.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "numerics/expression.h"

#ifdef TELUVAR_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Case {
    const char* name;
    const char* ours;  // our language (angles in radians while AngleFactor is 1)
    const char* mu;    // the same formula for muparser
    double (*native)(double x, double y, double z);
    int nvars;
};

const Case kCases[] = {
    // Formulas of one to three tokens: what an evaluation costs before its
    // first instruction shows here.
    {"variable", "X", "x", [](double x, double, double) { return x; }, 1},
    {"sum", "X+1", "x+1", [](double x, double, double) { return x + 1; }, 1},
    {"product", "2*X", "2*x", [](double x, double, double) { return 2 * x; }, 1},
    {"square", "X^2", "x^2", [](double x, double, double) { return x * x; }, 1},
    {"polynomial", "3*X^3 - 2*X^2 + X - 5", "3*x^3 - 2*x^2 + x - 5",
     [](double x, double, double) { return 3 * x * x * x - 2 * x * x + x - 5; }, 1},
    {"trigonometric", "SEN(X)*COS(2*X) + TAN(X/3)", "sin(x)*cos(2*x) + tan(x/3)",
     [](double x, double, double) { return std::sin(x) * std::cos(2 * x) + std::tan(x / 3); }, 1},
    {"nested", "R(1 + (X/(1 + X^2))^2) * EXP(-X/10)", "sqrt(1 + (x/(1 + x^2))^2) * exp(-x/10)",
     [](double x, double, double) {
         double q = x / (1 + x * x);
         return std::sqrt(1 + q * q) * std::exp(-x / 10);
     },
     1},
    {"three_variables", "X*Y + Y*Z - Z*X + (X - Y)/(1 + Z^2)", "x*y + y*z - z*x + (x - y)/(1 + z^2)",
     [](double x, double y, double z) { return x * y + y * z - z * x + (x - y) / (1 + z * z); }, 3},
    {"drag_law", "-9.8 - 0.05*Z*ABS(Z) + 0*X + 0*Y", "-9.8 - 0.05*z*abs(z)",
     [](double, double, double z) { return -9.8 - 0.05 * z * std::fabs(z); }, 3},
};

// Arguments that change from one evaluation to the next.
inline double Arg(size_t i) { return 0.5 + static_cast<double>(i & 1023) * 0.001; }

void Ours(benchmark::State& state, const Case& c) {
    num::AngleUnitScope radians(num::kRadians);
    num::CExpression e(c.ours);
    if (e.ErrorCode() != 0) {
        state.SkipWithError(e.ErrorDescription().c_str());
        return;
    }
    double vars[3];
    size_t i = 0;
    for (auto _ : state) {
        vars[0] = Arg(i);
        vars[1] = vars[0] * 0.5;
        vars[2] = vars[0] + 1;
        benchmark::DoNotOptimize(e.ValueFast(vars, c.nvars));
        ++i;
    }
}

void Native(benchmark::State& state, const Case& c) {
    size_t i = 0;
    for (auto _ : state) {
        double x = Arg(i);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(c.native(x, x * 0.5, x + 1));
        ++i;
    }
}

#ifdef TELUVAR_HAVE_MUPARSER
void MuParser(benchmark::State& state, const Case& c) {
    double x = 0, y = 0, z = 0;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.DefineVar("y", &y);
    p.DefineVar("z", &z);
    p.SetExpr(c.mu);
    p.Eval();  // the first evaluation builds muparser's byte code
    size_t i = 0;
    for (auto _ : state) {
        x = Arg(i);
        y = x * 0.5;
        z = x + 1;
        benchmark::DoNotOptimize(p.Eval());
        ++i;
    }
}
#endif

// The three ways agree before anything is timed.
bool SameValues() {
    num::AngleUnitScope radians(num::kRadians);
    bool ok = true;
    for (const Case& c : kCases) {
        num::CExpression e(c.ours);
        double v[3] = {0.7, 0.35, 1.7};
        double ours = e.ValueFast(v, c.nvars);
        double native = c.native(v[0], v[1], v[2]);
        ok = ok && std::fabs(ours - native) <= 1e-12 * std::max(1.0, std::fabs(native));
#ifdef TELUVAR_HAVE_MUPARSER
        mu::Parser p;
        p.DefineVar("x", &v[0]);
        p.DefineVar("y", &v[1]);
        p.DefineVar("z", &v[2]);
        p.SetExpr(c.mu);
        ok = ok && std::fabs(p.Eval() - native) <= 1e-12 * std::max(1.0, std::fabs(native));
#endif
    }
    return ok;
}

const bool kRegistered = [] {
    for (const Case& c : kCases) {
        benchmark::RegisterBenchmark((std::string(c.name) + "/ours").c_str(), Ours, c);
#ifdef TELUVAR_HAVE_MUPARSER
        benchmark::RegisterBenchmark((std::string(c.name) + "/muparser").c_str(), MuParser, c);
#endif
        benchmark::RegisterBenchmark((std::string(c.name) + "/native").c_str(), Native, c);
    }
    return true;
}();

}  // namespace

int main(int argc, char** argv) {
    if (!SameValues()) {
        std::fprintf(stderr, "The formulas do not agree.\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
