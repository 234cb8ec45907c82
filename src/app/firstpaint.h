#pragma once
// Start-up timing from outside, at two moments a script can time the whole
// process to (bench/startup.sh does, against a bare window ending the same
// way):
// - TELUVAR_EXIT_AFTER_PAINT set: the program ends as soon as its window has
//   been painted once, before anything queued behind that paint runs;
// - TELUVAR_EXIT_WHEN_READY set: the program ends once, after the first
//   paint, everything queued behind it has run (the rest of the load event
//   and the paints it causes), that is when a click would be answered.
// Header-only so that the bare window shares it.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace app {

class ExitAfterFirstPaint : public QObject {
public:
    // Watches window when either variable is set; does nothing otherwise.
    static void Arm(QWidget* window) {
        const bool ready = !qEnvironmentVariableIsEmpty("TELUVAR_EXIT_WHEN_READY");
        if (!ready && qEnvironmentVariableIsEmpty("TELUVAR_EXIT_AFTER_PAINT")) return;
        qApp->installEventFilter(new ExitAfterFirstPaint(window, ready));
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != window_)
            return false;
        paintedSincePost_ = true;
        if (!armed_) return false;
        armed_ = false;
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
        // Waiting for ready: the check goes behind everything queued so far,
        // again and again while the rounds between still paint.
        if (whenReady_ && paintedSincePost_) {
            PostCheck();
            return true;
        }
        QCoreApplication::removePostedEvents(nullptr);
        QCoreApplication::exit(0);
        return true;
    }

private:
    ExitAfterFirstPaint(QWidget* window, bool whenReady) : QObject(qApp), window_(window), whenReady_(whenReady) {}

    void PostCheck() {
        paintedSincePost_ = false;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
    }

    QWidget* window_;
    bool whenReady_;
    bool armed_ = true;
    bool paintedSincePost_ = false;
};

}  // namespace app
