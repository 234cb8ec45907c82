// The yardstick of bench/startup.sh: a bare Qt window the size of the main
// window holding one white 397 x 385 picture area, ending after its first
// paint the same way the program does.
#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "app/firstpaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(801, 580);
    auto* area = new QWidget(&window);
    area->setGeometry(6, 4, 397, 385);
    area->setAutoFillBackground(true);
    area->setPalette(QPalette(Qt::white));
    app::ExitAfterFirstPaint::Arm(&window);
    window.show();
    return app.exec();
}
