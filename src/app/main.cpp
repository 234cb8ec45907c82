// The program: builds the main window with every subsystem's services, runs
// its load event and shows it.
#include <QApplication>

#include "app/firstpaint.h"
#include "app/services.h"
#include "shell/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teluvar"));
    shell::Form1 form(app::RealServices());
    form.Form_Load();
    app::ExitAfterFirstPaint::Arm(&form);
    form.show();
    return app.exec();
}
