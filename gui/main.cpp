// The program Brenvox: the main window, then the dialogs that live as long as it does.
#include <QApplication>

#include "qt_translations.h"
#include "tfask.h"
#include "tfinput.h"
#include "tfmain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brenvox::gui::LoadQtTranslations(app);

    TFMain mainWindow;
    // The question and PIN dialogs are made by the start-up routine that runs once the main
    // window is on screen, before it takes any input: building them (the question dialog's
    // standard pictures go through the icon theme) would otherwise hold back the window's first
    // appearance.
    QObject::connect(&mainWindow, &TFMain::startUpFinished, [] {
        askDialog();
        pinDialog();
    });
    mainWindow.show();
    return app.exec();
}
