#pragma once
// Start-up timing from outside, at three moments a script can time the
// whole process to (bench/startup.sh does, against a bare window ending the
// same way):
// - TELUVAR_EXIT_AFTER_PAINT set: the program ends as soon as its window has
//   been painted once, before anything queued behind that paint runs;
// - TELUVAR_EXIT_WHEN_READY set: the program ends once, after the first
//   paint, the event loop has come round to what was queued behind it (what
//   the paint started and the paints that causes), that is when input that
//   comes in is taken;
// - TELUVAR_EXIT_WHEN_LOADED set: as when ready, and once the window says
//   its load has finished (for the program, every step of the load event).
// Armed, it writes "teluvar: painted" on stdout at the first paint and
// "teluvar: ended <moment>" as it ends the program there, so a test tells a
// program that painted and ended at the moment from one that ended with
// code 0 some other way.
// Header-only so that the bare window shares it.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace app {

class ExitAfterFirstPaint : public QObject {
public:
    // Watches window when one of the variables is set; does nothing
    // otherwise. loaded tells when the window's load has finished (none:
    // once it is painted).
    static void Arm(QWidget* window, std::function<bool()> loaded = {}) {
        const bool whenLoaded = !qEnvironmentVariableIsEmpty("TELUVAR_EXIT_WHEN_LOADED");
        const bool ready = whenLoaded || !qEnvironmentVariableIsEmpty("TELUVAR_EXIT_WHEN_READY");
        if (!ready && qEnvironmentVariableIsEmpty("TELUVAR_EXIT_AFTER_PAINT")) return;
        if (!whenLoaded) loaded = {};
        qApp->installEventFilter(new ExitAfterFirstPaint(window, ready, std::move(loaded)));
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != window_)
            return false;
        paintedSincePost_ = true;
        if (!armed_) return false;
        armed_ = false;
        Mark("teluvar: painted");
        if (whenReady_) {
            PostCheck();
        } else {
            // Ahead of anything else queued: the paint pass finishes, then
            // the program ends without running what waits behind it.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        // Waiting for ready: the check goes behind everything queued so far
        // (the first check, posted from inside the paint, comes before what
        // the paint queues after it: it goes round once more), again and
        // again while the rounds between still paint (or, waiting for the
        // load, until it has finished).
        if (whenReady_ && (firstRound_ || paintedSincePost_ || (loaded_ && !loaded_()))) {
            firstRound_ = false;
            PostCheck();
            return true;
        }
        QCoreApplication::removePostedEvents(nullptr);
        Mark(!whenReady_ ? "teluvar: ended after paint"
             : loaded_   ? "teluvar: ended when loaded"
                         : "teluvar: ended when ready");
        QCoreApplication::exit(0);
        return true;
    }

private:
    ExitAfterFirstPaint(QWidget* window, bool whenReady, std::function<bool()> loaded)
        : QObject(qApp), window_(window), whenReady_(whenReady), loaded_(std::move(loaded)) {}

    static void Mark(const char* line) {
        std::fputs(line, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }

    void PostCheck() {
        paintedSincePost_ = false;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

    QWidget* window_;
    bool whenReady_;
    std::function<bool()> loaded_;
    bool armed_ = true;
    bool paintedSincePost_ = false;
    bool firstRound_ = true;
};

}  // namespace app
