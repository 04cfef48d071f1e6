// The yardstick of the start-up bench: the least a Qt Widgets program does to put a window of
// the main window's size on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("GSM"));
    window.setFixedSize(638, 277);
    window.show();
    return app.exec();
}
