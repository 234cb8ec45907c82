#include "platform/fontwarmup.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPointer>
#include <mutex>
#include <utility>
#include <vector>

namespace plat {

namespace {

struct Waiting {
    QPointer<QObject> context;
    std::function<void()> then;
};

// What the warm-up thread and the UI thread share.
std::mutex mutex;
bool databaseRead = true;
std::vector<Waiting> waiting;

// On the UI thread, in the loop's next turn.
void RunLater(std::vector<Waiting> calls) {
    for (Waiting& w : calls)
        QMetaObject::invokeMethod(
            qApp,
            [w = std::move(w)] {
                if (w.context) w.then();
            },
            Qt::QueuedConnection);
}

}  // namespace

FontDatabaseWarmUp::FontDatabaseWarmUp() : FontDatabaseWarmUp([] { (void)QFontDatabase::families(); }) {}

FontDatabaseWarmUp::FontDatabaseWarmUp(std::function<void()> read) {
    // The application's default font is settled here first, so that the
    // thread and the window never set it up at the same time.
    (void)QGuiApplication::font();
    {
        const std::lock_guard lock(mutex);
        databaseRead = false;
    }
    thread_ = std::thread([read = std::move(read)] {
        read();
        std::vector<Waiting> calls;
        {
            const std::lock_guard lock(mutex);
            databaseRead = true;
            calls.swap(waiting);
        }
        // qApp outlives this object, which joins the thread.
        RunLater(std::move(calls));
    });
}

FontDatabaseWarmUp::~FontDatabaseWarmUp() { thread_.join(); }

void WhenFontDatabaseReady(QObject* context, std::function<void()> then) {
    {
        const std::lock_guard lock(mutex);
        if (!databaseRead) {
            waiting.push_back({context, std::move(then)});
            return;
        }
    }
    then();
}

}  // namespace plat
