// Shared main of every test program: an offscreen QApplication exists for the
// whole run, so widget tests and pure tests use the same entry point.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/guard.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    plat::InstallIgnoredErrorLog();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
