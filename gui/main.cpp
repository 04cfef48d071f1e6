// The program Brenvox: the main window, then the dialogs that live as long as it does.
#include <QApplication>

#include "tfask.h"
#include "tfinput.h"
#include "tfmain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TFMain mainWindow;
    askDialog();
    pinDialog();
    mainWindow.show();
    return app.exec();
}
