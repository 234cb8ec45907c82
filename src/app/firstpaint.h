#pragma once
// Start-up timing from outside: with TELUVAR_EXIT_AFTER_PAINT set, the
// program ends as soon as its window has been painted once, so a script can
// time the whole process to its first paint (bench/startup.sh does, against
// a bare window ending the same way). Header-only so that the bare window
// shares it.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace app {

class ExitAfterFirstPaint : public QObject {
public:
    // Watches window when the variable is set; does nothing otherwise.
    static void Arm(QWidget* window) {
        if (qEnvironmentVariableIsEmpty("TELUVAR_EXIT_AFTER_PAINT")) return;
        qApp->installEventFilter(new ExitAfterFirstPaint(window));
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (!armed_ || e->type() != QEvent::Paint || !o->isWidgetType() ||
            static_cast<QWidget*>(o)->window() != window_)
            return false;
        armed_ = false;
        // Ahead of anything else queued: the paint pass finishes, then the
        // program ends without running what waits behind it.
        QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        return false;
    }

    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        QCoreApplication::removePostedEvents(nullptr);
        QCoreApplication::exit(0);
        return true;
    }

private:
    explicit ExitAfterFirstPaint(QWidget* window) : QObject(qApp), window_(window) {}
    QWidget* window_;
    bool armed_ = true;
};

}  // namespace app
