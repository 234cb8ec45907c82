#pragma once
// The first text the program lays out reads the font database (fontconfig's
// configuration and the list of faces: several milliseconds). The program
// reads it on a thread of its own while its first window is built and
// painted (QFontDatabase is thread-safe), and the work that lays out text
// after the first paint waits for it outside the event loop's turns, so the
// window keeps taking input meanwhile.
#include <QObject>
#include <functional>
#include <thread>

namespace plat {

class FontDatabaseWarmUp {
public:
    // Starts the thread; call with the application built, and keep the
    // object while the application lives (it joins the thread when it goes).
    FontDatabaseWarmUp();
    // The same with what the thread does in place of reading the database
    // (tests hold it there, to see the work that waits for it wait).
    explicit FontDatabaseWarmUp(std::function<void()> read);
    ~FontDatabaseWarmUp();
    FontDatabaseWarmUp(const FontDatabaseWarmUp&) = delete;
    FontDatabaseWarmUp& operator=(const FontDatabaseWarmUp&) = delete;

private:
    std::thread thread_;
};

// Runs then on the UI thread once the font database has been read: in the
// next turn of the event loop while a warm-up is still reading it, at once
// otherwise (also when none was started). Nothing runs when context has
// gone by then.
void WhenFontDatabaseReady(QObject* context, std::function<void()> then);

}  // namespace plat
