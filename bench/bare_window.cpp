// The yardsticks of the start-up bench: the least a Qt Widgets program does to put a window of
// the main window's size on the screen, and (BARE_WINDOW_WITH_TEXT) the same with one laid-out
// label, which makes Qt load its font database before the window maps.
#include <QApplication>
#include <QWidget>
#ifdef BARE_WINDOW_WITH_TEXT
#include <QLabel>
#include <QVBoxLayout>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
#ifdef BARE_WINDOW_WITH_TEXT
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("GSM")));
#endif
    window.setWindowTitle(QStringLiteral("GSM"));
    window.setFixedSize(638, 277);
    window.show();
    return app.exec();
}
