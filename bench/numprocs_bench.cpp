// The calculator's numeric procedures, each run as the dispatch runs it
// (result pane, results log and drawing picture included) on the largest
// input it takes: a selection of 20 x 21 cells, 100 table rows, 50 roots,
// 32767 points of a polar or parametric graph, 210 points to fit, an
// integral that runs the adaptive integrator to its step limit. A click
// should be answered within half a frame (8 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <string>
#include <vector>

#include "calculator/numprocs.h"
#include "numerics/expression.h"
#include "platform/dialogs.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "shell/defaults.h"
#include "shell/writer.h"
#include "text/globals.h"

namespace {

using rt::Variant;

// Answers every box at once.
class SilentDialogs : public plat::DialogService {
public:
    plat::MsgResult ShowMessage(const QString&, plat::MsgButtons, const QString&) override {
        return plat::MsgResult::OK;
    }
    QString ShowInput(const QString&, const QString&, const QString&) override { return {}; }
};

struct Bench {
    plat::RichPane calc, reg, solve, help, hold;
    plat::Picture pic{QStringLiteral("pic")};
    SilentDialogs dialogs;
    Bench() {
        shell::Panes() = shell::ResultPanes{&calc, &reg, &solve, &help, &hold};
        shell::InitGlobals();
        pic.resize(397, 385);
        pic.ScaleYUp();
        plat::SetDialogService(&dialogs);
    }
};

Bench& B() {
    static Bench b;
    return b;
}

// A well-conditioned n x cols block of cells.
std::vector<Variant> Cells(int n, int cols) {
    std::vector<Variant> v;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= cols; ++j) v.emplace_back(i == j ? 10.0 + i : std::sin(i * 1.3 + j * 0.7));
    return v;
}

std::vector<Variant> Numbers(int n, double from, double step) {
    std::vector<Variant> v;
    for (int i = 0; i < n; ++i) v.emplace_back(from + i * step);
    return v;
}

void Run(benchmark::State& state, int code, std::vector<Variant> args, std::string expression, int rows = 0,
         int cols = 0) {
    Bench& b = B();
    calc::NumericRequest r;
    r.args = args;
    r.selRows = rows;
    r.selCols = cols;
    r.expression = std::move(expression);
    r.pic = &b.pic;
    for (auto _ : state) {
        calc::NumericRun run = calc::RunNumericProcedure(code, r);
        benchmark::DoNotOptimize(run.completed);
        state.PauseTiming();
        b.reg.SetText(QString());  // the log only grows; keep each run alike
        state.ResumeTiming();
    }
}

const char* kWavy = "SEN(X)*EXP(-X/50)+0.1*COS(3*X)";

void P01_Determinant20(benchmark::State& s) { Run(s, 1, Cells(20, 20), "", 20, 20); }
void P02_System20(benchmark::State& s) { Run(s, 2, Cells(20, 21), "", 20, 21); }
void P05_Quadratic(benchmark::State& s) { Run(s, 5, {1, -3, 2}, ""); }
void P06_SquareQuadratic(benchmark::State& s) { Run(s, 6, {2, 1, -3, 0, -8}, ""); }
void P07_Cubic(benchmark::State& s) { Run(s, 7, {1, -6, 11, -6}, ""); }
void P08_Trig(benchmark::State& s) { Run(s, 8, {1, 1, -1}, ""); }
void P09_FiftyRoots(benchmark::State& s) { Run(s, 9, {0, 200}, kWavy); }
void P13_Table420(benchmark::State& s) { Run(s, 13, Numbers(420, -10, 0.05), kWavy); }
void P14_Table210Pairs(benchmark::State& s) { Run(s, 14, Numbers(420, -10, 0.05), "X*Y+SEN(X-Y)"); }
void P15_Table140Triples(benchmark::State& s) { Run(s, 15, Numbers(420, -10, 0.05), "X*Y+SEN(X-Y)*Z"); }
void P16_Table100Steps(benchmark::State& s) { Run(s, 16, {0, 99, 1}, kWavy); }
void P17_Derivatives420(benchmark::State& s) { Run(s, 17, Numbers(420, -10, 0.05), kWavy); }
void P18_SecondDerivative(benchmark::State& s) { Run(s, 18, {2}, kWavy); }
void P19_IntegralOde(benchmark::State& s) { Run(s, 19, {0, 200}, kWavy); }
void P19_IntegralSimpson(benchmark::State& s) { Run(s, 19, {0, 200, 1, 0}, kWavy); }
// Some 6400 oscillations: the adaptive integrator gives up at its step limit.
void P19_IntegralOdeStepLimit(benchmark::State& s) { Run(s, 19, {0, 200}, "SEN(X*X)"); }
void P20_Graph301(benchmark::State& s) { Run(s, 20, {-50, 50}, kWavy); }
void P21_Polar32767(benchmark::State& s) { Run(s, 21, {0, 6.28318530717959, 32767}, "1+0.4*SEN(40*X)"); }
void P22_Parametric32767(benchmark::State& s) { Run(s, 22, {0, 6.28318530717959, 32767}, "SEN(31*X) & COS(37*X)"); }
void P23_Line210(benchmark::State& s) {
    std::vector<Variant> a;
    for (int i = 0; i < 210; ++i) {
        a.emplace_back(i * 0.1);
        a.emplace_back(2 * i * 0.1 + std::sin(i));
    }
    Run(s, 23, a, "");
}
// 210 positive points for the exponential (24) and power (25) curves.
std::vector<Variant> PositivePairs() {
    std::vector<Variant> a;
    for (int i = 1; i <= 210; ++i) {
        a.emplace_back(i * 0.1);
        a.emplace_back(3 * std::exp(0.02 * i) * (1 + 0.05 * std::sin(i)));
    }
    return a;
}
void P24_Exponential210(benchmark::State& s) { Run(s, 24, PositivePairs(), ""); }
void P25_Power210(benchmark::State& s) { Run(s, 25, PositivePairs(), ""); }
void P26_Order20On210(benchmark::State& s) {
    std::vector<Variant> a;
    for (int i = 0; i < 210; ++i) {
        a.emplace_back(-1 + i * 2.0 / 209);
        a.emplace_back(std::cos(3 * (-1 + i * 2.0 / 209)));
    }
    a.emplace_back(20);
    Run(s, 26, a, "");
}
void P26_Order208On209(benchmark::State& s) {
    std::vector<Variant> a;
    for (int i = 0; i < 209; ++i) {
        a.emplace_back(-1 + i * 2.0 / 208);
        a.emplace_back(std::cos(3 * (-1 + i * 2.0 / 208)));
    }
    a.emplace_back(208);
    Run(s, 26, a, "");
}

BENCHMARK(P01_Determinant20)->Unit(benchmark::kMillisecond);
BENCHMARK(P02_System20)->Unit(benchmark::kMillisecond);
BENCHMARK(P05_Quadratic)->Unit(benchmark::kMillisecond);
BENCHMARK(P06_SquareQuadratic)->Unit(benchmark::kMillisecond);
BENCHMARK(P07_Cubic)->Unit(benchmark::kMillisecond);
BENCHMARK(P08_Trig)->Unit(benchmark::kMillisecond);
BENCHMARK(P09_FiftyRoots)->Unit(benchmark::kMillisecond);
BENCHMARK(P13_Table420)->Unit(benchmark::kMillisecond);
BENCHMARK(P14_Table210Pairs)->Unit(benchmark::kMillisecond);
BENCHMARK(P15_Table140Triples)->Unit(benchmark::kMillisecond);
BENCHMARK(P16_Table100Steps)->Unit(benchmark::kMillisecond);
BENCHMARK(P17_Derivatives420)->Unit(benchmark::kMillisecond);
BENCHMARK(P18_SecondDerivative)->Unit(benchmark::kMillisecond);
BENCHMARK(P19_IntegralOde)->Unit(benchmark::kMillisecond);
BENCHMARK(P19_IntegralSimpson)->Unit(benchmark::kMillisecond);
BENCHMARK(P19_IntegralOdeStepLimit)->Unit(benchmark::kMillisecond);
BENCHMARK(P20_Graph301)->Unit(benchmark::kMillisecond);
BENCHMARK(P21_Polar32767)->Unit(benchmark::kMillisecond);
BENCHMARK(P22_Parametric32767)->Unit(benchmark::kMillisecond);
BENCHMARK(P23_Line210)->Unit(benchmark::kMillisecond);
BENCHMARK(P24_Exponential210)->Unit(benchmark::kMillisecond);
BENCHMARK(P25_Power210)->Unit(benchmark::kMillisecond);
BENCHMARK(P26_Order20On210)->Unit(benchmark::kMillisecond);
BENCHMARK(P26_Order208On209)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plat::SetDialogService(nullptr);
    shell::Panes() = shell::ResultPanes{};
    return 0;
}
