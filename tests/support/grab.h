// Grabs for looking at: with TELUVAR_GRAB_DIR set, a test saves what it drew
// there as <name>.png; without it nothing is written, so a test run leaves no
// files behind.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace testsupport {

// The folder for grabs, or an empty string when grabs are off.
inline QString GrabDir() {
    const char* dir = std::getenv("TELUVAR_GRAB_DIR");
    return dir ? QString::fromLocal8Bit(dir) : QString();
}

inline void SaveGrab(const QImage& image, const QString& name) {
    const QString dir = GrabDir();
    if (!dir.isEmpty()) image.save(dir + "/" + name + ".png");
}

inline void SaveGrab(QWidget* widget, const QString& name) {
    if (!GrabDir().isEmpty()) SaveGrab(widget->grab().toImage(), name);
}

}  // namespace testsupport
