// The program: builds the main window with every subsystem's services, runs
// its load event and shows it.
#include <QApplication>
#include <cstdio>

#include "app/firstpaint.h"
#include "app/services.h"
#include "platform/fontwarmup.h"
#include "platform/guard.h"
#include "platform/translations.h"
#include "shell/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teluvar"));
    plat::InstallIgnoredErrorLog();
    // The font database is read while the first window is built and painted.
    const plat::FontDatabaseWarmUp fonts;
    // Qt's own menus and dialogs in Spanish, like the rest of the program.
    const plat::QtSpanish spanish;
    if (!spanish.Loaded())
        std::fprintf(stderr,
                     "Teluvar: faltan las traducciones de Qt (%s); los menús estándar "
                     "quedan en inglés.\n",
                     qPrintable(spanish.File()));
    shell::Form1 form(app::RealServices());
    form.Form_Load();
    app::ExitAfterFirstPaint::Arm(&form, [&form] { return form.LoadFinished(); });
    form.show();
    const int code = app.exec();
    // A load that stopped at a failed step ends the program as a failure.
    return form.LoadStopped() ? 1 : code;
}
