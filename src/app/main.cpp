#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Teluvar");
    QMainWindow w;
    w.setWindowTitle("Teluvar");
    w.resize(800, 600);
    w.show();
    return app.exec();
}
