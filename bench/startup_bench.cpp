// Start-up of the main window inside one process: from construction to its
// first paint (the welcome page; the workspace panels are built right after
// it), and to the end of the deferred load, next to a bare main window
// holding one 397 x 385 picture. bench/startup.sh times the whole program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <memory>

#include "app/services.h"
#include "platform/picture.h"
#include "shell/form1.h"

namespace {

// Notes the first paint of any widget of one window.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* window) : window_(window) {}
    bool painted = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == window_)
            painted = true;
        return false;
    }

private:
    QWidget* window_;
};

void ShowUntilPainted(benchmark::State& state, QWidget& w) {
    PaintWatch watch(&w);
    qApp->installEventFilter(&watch);
    w.show();
    QElapsedTimer guard;
    guard.start();
    while (!watch.painted && guard.elapsed() < 5000) QApplication::processEvents();
    qApp->removeEventFilter(&watch);
    if (!watch.painted) state.SkipWithError("no paint within 5 s");
}

void BM_Form1FirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<shell::Form1>(app::RealServices());
        form->Form_Load();
        ShowUntilPainted(state, *form);
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1FirstPaint)->Unit(benchmark::kMillisecond);

void BM_Form1LoadFinished(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<shell::Form1>(app::RealServices());
        form->Form_Load();
        ShowUntilPainted(state, *form);
        form->FinishLoad();
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1LoadFinished)->Unit(benchmark::kMillisecond);

void BM_BareWindowFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        auto* pic = new plat::Picture(QStringLiteral("pic"));
        pic->setFixedSize(397, 385);
        window->setCentralWidget(pic);
        ShowUntilPainted(state, *window);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindowFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
