// Saves a picture of every page of the main window and of the question dialog in its three
// shapes, for the documentation and for checking by eye (or pixel by pixel) that a change left
// the layout alone. It builds the windows exactly as the program does and finds the controls by
// their object names, so the program itself carries no picture-taking code.
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "archive/transfer_archive.h"
#include "archive_window.h"
#include "device_combo_box.h"
#include "main_window.h"
#include "module_finder_dialog.h"
#include "module_pin_dialog.h"
#include "operation/module_finder.h"
#include "pages/module_page.h"
#include "progress_window.h"
#include "qt_translations.h"
#include "question_dialog.h"

using brenvox::gui::ConfirmCaption;

namespace {

// Saves the question dialog once the next Ask has shown it, then answers it.
void SnapNextAsk(const QString& path) {
    QTimer::singleShot(300, [path] {
        QuestionDialog* dialog = AskDialog();
        if (!dialog->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        dialog->done(AskNo);
    });
}

// Transfers of a few units at fixed times, with the outcomes an installer meets.
bool FillArchive(const std::string& folder) {
    using namespace std::chrono;
    struct Entry {
        brenvox::OperationMode mode;
        const char* name;
        const char* outcome;
        bool changed;  // settings other than the defaults the window compares against
    };
    const Entry entries[] = {
        {brenvox::OperationMode::Program, "Dom Nowaków", "Success", false},
        {brenvox::OperationMode::Compare, "Sklep przy Długiej", "CheckError", true},
        {brenvox::OperationMode::Read, "Garaż", "PinRefused", false},
        {brenvox::OperationMode::Program, "Biuro", "RestartError", false},
        {brenvox::OperationMode::Read, "Dom Nowaków", "Success", false},
        {brenvox::OperationMode::Program, "Magazyn 2", "WriteError", true},
    };
    const sys_days day = year{2026} / 3 / 14;
    int n = 0;
    for (const Entry& e : entries) {
        brenvox::ArchiveRecord record;
        record.mode = e.mode;
        record.name = e.name;
        record.outcome = e.outcome;
        record.module = {2, 1, 1};
        record.time = day + hours(15) - minutes(47 * n++);
        if (std::string_view(e.outcome) != "PinRefused") {
            brenvox::ModuleSettings s;
            if (e.changed) {
                s.SMSC = "+48602951111";
                s.set(brenvox::IntSetting::RINGCNT, 3);
            }
            record.settings = s;
        }
        if (!brenvox::ArchiveTransfer(folder, record).ok) return false;
    }
    return true;
}

// The devices page 8 lists, the same on every machine, so that its pictures compare from one run
// (and one machine) to the next.
std::vector<brenvox::SerialDeviceInfo> ExampleDevices() {
    using brenvox::NumberedPort;
    using brenvox::PortType;
    return {{"/dev/rfcomm0", {}, "Bluetooth 00:1a:7d:da:71:13"},
            {"/dev/ttyACM0", {}, "Pico", "Raspberry Pi", "E6614103E7", "2e8a:000a"},
            {"/dev/ttyS0", NumberedPort{PortType::Com, 1}},
            {"/dev/ttyUSB0", NumberedPort{PortType::Usb, 1}, "FT232R USB UART", "FTDI", "A10KXQ9Z",
             "0403:6001", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10KXQ9Z-if00-port0"}};
}

int TakeScreenshots(MainWindow& window, const QString& dir) {
    int failures = 0;
    window.pages().module->setDeviceLister(ExampleDevices);
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("pageTabs"));
    if (!pages) {
        std::fprintf(stderr, "the main window has no pageTabs\n");
        return 1;
    }
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        const QString path = QStringLiteral("%1/page%2.png").arg(dir).arg(i + 1);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    pages->setCurrentIndex(0);
    SnapNextAsk(dir + QStringLiteral("/ask-question.png"));
    Ask(AskButtons::OkNo, AskFocus::No, ConfirmCaption(),
        MainWindow::tr("Czy na pewno chcesz zakończyć pracę programu?"), {});
    SnapNextAsk(dir + QStringLiteral("/ask-message.png"));
    Ask(AskButtons::Ok, AskFocus::Ok, ConfirmCaption(),
        MainWindow::tr("Brak na dysku pliku o wskazanej nazwie."),
        MainWindow::tr("Ustawienia nie zostały załadowane."));
    SnapNextAsk(dir + QStringLiteral("/ask-three.png"));
    Ask(AskButtons::OkNoCancel, AskFocus::Cancel, ConfirmCaption(),
        MainWindow::tr("Opcja ta spowoduje usunięcie bieżących ustawień!"),
        MainWindow::tr("Czy potwierdzasz jej wykonanie?"));

    // The module PIN dialog, as a read asks for it.
    ModulePinDialog* pin = PinDialog();
    pin->show();
    QApplication::processEvents();
    const QString pinPath = dir + QStringLiteral("/pin.png");
    if (!pin->grab().save(pinPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pinPath));
        ++failures;
    }
    pin->hide();

    // The progress window as it ends when the port will not open: the error and why.
    ProgressWindow progress(&window);
    brenvox::OperationRequest portError;
    portError.port.device = "/dev/ttyUSB7";
    progress.takeRequest(portError);
    progress.show();
    QApplication::processEvents();
    const QString progressPath = dir + QStringLiteral("/progress-port-error.png");
    if (!progress.grab().save(progressPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(progressPath));
        ++failures;
    }
    progress.close();

    // The search for the module while it asks the second of three devices, and page 8 once it
    // has found a module where the port boxes cannot name the device.
    ModuleFinderDialog finder(&window);
    finder.showAsking(1, 3, QStringLiteral("/dev/ttyUSB0"));
    finder.show();
    QApplication::processEvents();
    const QString finderPath = dir + QStringLiteral("/finder.png");
    if (!finder.grab().save(finderPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(finderPath));
        ++failures;
    }
    finder.hide();
    brenvox::DeviceProbe found;
    found.device = ExampleDevices()[1];
    found.result.opened = found.result.answered = true;
    found.result.module = {1, 1, 1};
    window.pages().module->showFoundModule(found);
    pages->setCurrentIndex(pages->count() - 1);
    QApplication::processEvents();
    const QString foundPath = dir + QStringLiteral("/page8-found.png");
    if (!window.grab().save(foundPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(foundPath));
        ++failures;
    }
    // The device list open over the page: a window of its own, so taken from the screen.
    auto* chooser = window.findChild<DeviceComboBox*>(QStringLiteral("PortDeviceBox"));
    chooser->showPopup();
    QApplication::processEvents();
    const QRect around = window.frameGeometry().united(chooser->view()->window()->geometry());
    const QString listPath = dir + QStringLiteral("/page8-devices.png");
    if (!window.screen()
             ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
             .save(listPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(listPath));
        ++failures;
    }
    chooser->hidePopup();

    // The archive window on a few entries of a scratch archive (never the user's), the second
    // entry chosen and compared with the program's settings.
    QTemporaryDir archiveDir;
    if (!archiveDir.isValid() || !FillArchive(archiveDir.path().toStdString())) {
        std::fprintf(stderr, "cannot build a scratch archive\n");
        return 1;
    }
    ArchiveWindow archive(&window);
    archive.setSettings(&window.settings());
    archive.Reload(archiveDir.path());
    archive.show();
    if (auto* list = archive.findChild<QTableView*>(QStringLiteral("entryTable"))) list->selectRow(1);
    if (auto* compare = archive.findChild<QPushButton*>(QStringLiteral("compareButton"))) compare->click();
    QApplication::processEvents();
    const QString archivePath = dir + QStringLiteral("/archive.png");
    if (!archive.grab().save(archivePath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(archivePath));
        ++failures;
    }
    archive.close();
    return failures == 0 ? 0 : 1;
}

constexpr const char* kUsage =
    "usage: brenvox-screenshots [--lang pl|en] DIR\n"
    "Saves pictures of every page of Brenvox (page1.png ... page8.png) and of the question dialog\n"
    "(ask-question.png, ask-message.png, ask-three.png), of the PIN dialog (pin.png), of the\n"
    "progress window after a port that will not open (progress-port-error.png), of the search\n"
    "for the module (finder.png), of page 8 after it found one (page8-found.png) with its device\n"
    "list open (page8-devices.png) and of the\n"
    "archive window on a scratch archive (archive.png) into DIR (created if missing), then quits.\n"
    "The windows speak the language of --lang, else the system's, as the program's do.\n"
    "Needs a display; scripts/screenshots.sh provides a virtual one.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the application object exists, so that --help works without a display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const char* dirArg = nullptr;
    int dirCount = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0) {
            ++i;
        } else if (std::strncmp(argv[i], "--lang=", 7) != 0) {
            dirArg = argv[i];
            ++dirCount;
        }
    }
    brenvox::Language language = brenvox::Language::Polish;
    if (dirCount != 1 || dirArg[0] == '-' || !brenvox::gui::ChooseLanguage(argc, argv, language)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    QApplication app(argc, argv);
    // A text cursor that blinks is drawn or not depending on when the picture is taken: a
    // steady one makes every run's pictures the same (the PIN dialog's box has the focus).
    QApplication::setCursorFlashTime(0);
    brenvox::gui::LoadTranslations(app, language);
    const QString dir = QString::fromLocal8Bit(dirArg);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }

    // A program folder of its own, laid out portable ("Nastawy" and "System" in it): a port
    // choice remembered by the real program or in the user's folders must not change the
    // pictures, and the port the pictures choose must not be remembered anywhere else.
    QTemporaryDir appDir;
    if (!appDir.isValid() || !QDir(appDir.path()).mkpath(QStringLiteral("Nastawy")) ||
        !QDir(appDir.path()).mkpath(QStringLiteral("System"))) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    MainWindow::Options options;
    options.appDir = appDir.path();
    MainWindow window(options);
    AskDialog();
    PinDialog();
    int result = 1;
    QObject::connect(&window, &MainWindow::startUpFinished, &window, [&] {
        QTimer::singleShot(0, &window, [&] {
            result = TakeScreenshots(window, dir);
            // exit(), not quit(): quit() closes the windows first, and closing asks the close
            // question.
            QCoreApplication::exit(result);
        });
    });
    window.show();
    app.exec();
    return result;
}
