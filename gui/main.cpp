// The program Brenvox: the main window, then the dialogs that live as long as it does.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "brenvox_version.h"
#include "font_preload.h"
#include "main_window.h"
#include "module_pin_dialog.h"
#include "qt_translations.h"
#include "question_dialog.h"

namespace {

// Answered before any window system is touched, so that both work over a plain terminal
// without a display (and so the manual page can be made from them at build time).
constexpr const char* kHelp =
    "Brenvox: configuration tool for the GSM alarm notifier module. Edits the settings of a module\n"
    "on eight pages, keeps them in settings files, prints them, and programs, compares or reads the\n"
    "module over a serial port.\n"
    "\n"
    "Usage: Brenvox [--lang pl|en] [Qt options]\n"
    "\n"
    "Options:\n"
    "  -h, --help         Print this help and exit\n"
    "  --version          Print the version and exit\n"
    "  --lang pl|en       The language of the windows: Polish (the program's own) or English.\n"
    "                     Without it English when the system's language is English, else Polish.\n"
    "  -platform NAME     Qt platform plugin to use (for example offscreen, xcb, wayland)\n"
    "\n"
    "Files:\n"
    "  When a folder Nastawy stands beside the program, settings files are kept there and the\n"
    "  chosen port in System/Conf beside it. Otherwise settings files are kept in\n"
    "  $XDG_DATA_HOME/brenvox/Nastawy (~/.local/share/brenvox/Nastawy) and the chosen port in\n"
    "  $XDG_CONFIG_HOME/brenvox/Conf (~/.config/brenvox/Conf); both are created on first use.\n";

}  // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Brenvox %s\n", BRENVOX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    brenvox::Language language = brenvox::Language::Polish;
    if (!brenvox::gui::ChooseLanguage(argc, argv, language)) {
        std::fputs("Brenvox: --lang takes pl or en\n", stderr);
        return 2;
    }
    brenvox::gui::FontConfigPreload fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    QApplication::setApplicationVersion(QStringLiteral(BRENVOX_VERSION));
    // The desktop entry's name, so that Wayland compositors find the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brenvox.Brenvox"));
    brenvox::gui::LoadTranslations(app, language);

    MainWindow mainWindow;
    // The question and PIN dialogs are made by the start-up routine that runs once the main
    // window is on screen, before it takes any input: building them (the question dialog's
    // standard pictures go through the icon theme) would otherwise hold back the window's first
    // appearance.
    QObject::connect(&mainWindow, &MainWindow::startUpFinished, [] {
        AskDialog();
        PinDialog();
    });
    mainWindow.show();
    return app.exec();
}
