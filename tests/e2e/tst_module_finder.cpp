// "Szukaj modułu" on page "8.Moduł" against simulated modules and silent devices on real
// pseudo-terminals: the module found on a device the port boxes cannot name is selected, shown,
// remembered and opened by the operations; a search that finds nothing says what it tried; a
// stop ends it after the device being asked.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "archive/transfer_archive.h"
#include "archive_window.h"
#include "codec/image_codec.h"
#include "e2e_util.h"
#include "link/serial_link.h"
#include "main_window.h"
#include "module_finder_dialog.h"
#include "operation/module_finder.h"
#include "operation/transfer_session.h"
#include "pages/module_page.h"
#include "pty_simulator.h"
#include "settings/port_config.h"

using namespace brenvox;

namespace {

sim::Memory ToMemory(const ModuleImage& img) {
    sim::Memory m{};
    std::copy(img.begin(), img.end(), m.begin());
    return m;
}

QString Path(const sim::PtySimulator& s) {
    return QString::fromStdString(s.devicePath());
}

// Watches the finder's window while it is up: every text it showed, and, when asked, presses
// its "Przerwij" once it shows the device given.
class FinderWatcher : public QObject {
public:
    QStringList seen;
    QString stopAt;
    bool stopPressed = false;
    QString afterStop;  // what the window said once stopped
    bool stopEnabledAfter = true;

    FinderWatcher() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

private:
    void poll() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<ModuleFinderDialog*>(top);
            if (!d || !d->isVisible()) continue;
            const QString text = d->findChild<QLabel*>(QStringLiteral("askingLabel"))->text();
            if (seen.isEmpty() || seen.last() != text) seen << text;
            auto* stop = d->findChild<QPushButton*>(QStringLiteral("abortButton"));
            if (!stopPressed && !stopAt.isEmpty() && text.contains(stopAt)) {
                stop->click();
                stopPressed = true;
                afterStop = d->findChild<QLabel*>(QStringLiteral("askingLabel"))->text();
                stopEnabledAfter = stop->isEnabled();
            }
        }
    }
    QTimer timer_;
};

}  // namespace

class TstModuleFinder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void findsTheModuleWhereTheBoxesCannotNameItAndOperationsOpenIt();
    void noneAnswersOrTheUserStops();

private:
    void startWindow(const QStringList& finderDevices);
    ModulePage* page() { return main_->pages().module; }
    QString configPath() const { return dir_.path() + QStringLiteral("/System/Conf"); }
    PortConfig storedPort() const { return ReadPortConfig(QFile::encodeName(configPath()).toStdString()); }
    QString foundText() { return main_->findChild<QLabel*>(QStringLiteral("FoundModuleLabel"))->text(); }
    void find() { main_->findChild<QPushButton*>(QStringLiteral("FindModuleButton"))->click(); }
    QComboBox* box(const QString& name) { return main_->findChild<QComboBox*>(name); }

    QTemporaryDir dir_;
    // Made anew for each test function: their frame counts start at zero.
    std::unique_ptr<sim::PtySimulator> moduleSim_, silentSim_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<DialogDriver> dialogs_;
};

void TstModuleFinder::init() {
    QVERIFY(dir_.isValid());
    QDir(dir_.path()).mkpath(QStringLiteral("Nastawy"));
    QDir(dir_.path()).mkpath(QStringLiteral("System"));
    moduleSim_ = std::make_unique<sim::PtySimulator>();
    silentSim_ = std::make_unique<sim::PtySimulator>();
    moduleSim_->setIdentity({2, 1, 0});
    sim::Faults quiet;
    quiet.silent = true;
    silentSim_->setFaults(quiet);
    std::string error;
    QVERIFY2(moduleSim_->start(&error), error.c_str());
    QVERIFY2(silentSim_->start(&error), error.c_str());
    dialogs_ = std::make_unique<DialogDriver>();
}

void TstModuleFinder::cleanup() {
    dialogs_.reset();
    main_.reset();
    moduleSim_.reset();
    silentSim_.reset();
    QFile::remove(configPath());
}

void TstModuleFinder::startWindow(const QStringList& finderDevices) {
    main_.reset();
    MainWindow::Options options;
    options.appDir = dir_.path() + QLatin1Char('/');
    options.finderDevices = finderDevices;
    main_ = std::make_unique<MainWindow>(options);
    main_->show();
    QVERIFY(QTest::qWaitFor([&] { return main_->startedUp(); }, 30000));
}

void TstModuleFinder::findsTheModuleWhereTheBoxesCannotNameItAndOperationsOpenIt() {
    startWindow({Path(*silentSim_), Path(*moduleSim_)});
    box(QStringLiteral("portNumberCombo"))->setCurrentIndex(4);  // port "5"

    FinderWatcher watcher;
    find();
    QVERIFY(dialogs_->asks.isEmpty());
    // Which device, how many of how many: the silent one takes over a second, the module's
    // answer may come and go between two looks.
    const QStringList progress = {QStringLiteral("Sprawdzanie portu %1 (1 z 2)...").arg(Path(*silentSim_)),
                                  QStringLiteral("Sprawdzanie portu %1 (2 z 2)...").arg(Path(*moduleSim_))};
    QVERIFY(!watcher.seen.isEmpty());
    QCOMPARE(watcher.seen, progress.mid(0, watcher.seen.size()));
    QCOMPARE(page()->portDevice(), Path(*moduleSim_));
    QCOMPARE(foundText(), QStringLiteral("Port: %1\nModuł V1.0, Nokia5110").arg(Path(*moduleSim_)));
    // The boxes cannot name the device, so they name no port; the file keeps the user's last
    // numbered port, for copies of the program that know nothing of the device.
    QCOMPARE(box(QStringLiteral("portTypeCombo"))->currentText(), QString());
    QCOMPARE(box(QStringLiteral("portNumberCombo"))->currentText(), QString());
    QCOMPARE(page()->portNumber(), 4);
    QCOMPARE(storedPort(), (PortConfig{0, 4, moduleSim_->devicePath()}));
    QCOMPARE(moduleSim_->counts().write, 0);

    // "Programuj" opens the device found.
    dialogs_->closeProgressWhenDone = true;
    dialogs_->questionAnswer = AskNo;
    main_->findChild<QPushButton*>(QStringLiteral("programButton"))->click();
    QCOMPARE(dialogs_->progressWindows, 1);
    QCOMPARE(dialogs_->progressLog.last(), QStringLiteral("Moduł gotowy do pracy."));
    QVERIFY(moduleSim_->memory() == ToMemory(EncodeImageV10(main_->settings())));

    // That transfer is in the archive with its trace, and the archive window finds its settings
    // the same as the program's.
    const HistoryResult history = ReadHistory(main_->archiveDir().toStdString());
    QCOMPARE(history.entries.size(), std::size_t(1));
    QCOMPARE(history.entries[0].outcome, std::string("Success"));
    const QString folder = main_->archiveDir() + QString::fromStdString(history.entries[0].folder);
    QVERIFY(QFileInfo(folder + "/trace").size() > 0);
    {  // a child of the window, gone before the window is made anew below
        ArchiveWindow archive(main_.get());
        archive.setSettings(&main_->settings());
        archive.Reload(main_->archiveDir());
        archive.ShowDifferences();
        QCOMPARE(archive.findChild<QPlainTextEdit*>(QStringLiteral("differencesText"))->toPlainText(),
                 QStringLiteral("Ustawienia w programie i w archiwum jednakowe."));
    }

    // Remembered from one run to the next, and dropped by a port chosen by hand.
    startWindow({});
    QCOMPARE(page()->portDevice(), Path(*moduleSim_));
    QCOMPARE(foundText(), QStringLiteral("Port: %1").arg(Path(*moduleSim_)));
    box(QStringLiteral("portNumberCombo"))->setCurrentIndex(2);
    QCOMPARE(page()->portDevice(), QString());
    QCOMPARE(box(QStringLiteral("portTypeCombo"))->currentText(),
             QStringLiteral("COM"));  // as before the device
    QCOMPARE(foundText(),
             QStringLiteral("Port: %1").arg(QString::fromStdString(PortDevicePath(PortType::Com, 3))));
    QCOMPARE(storedPort(), (PortConfig{0, 2, {}}));

    // Found on a device the boxes can name: the boxes are set to it, as the user would set them.
    DeviceProbe named;
    named.device = {"/dev/ttyUSB2", NumberedPort{PortType::Usb, 3}};
    named.result.opened = named.result.answered = true;
    named.result.module = {3, 1, 1};
    page()->showFoundModule(named);
    QCOMPARE(page()->portType(), int(PortType::Usb));
    QCOMPARE(page()->portNumber(), 2);
    QCOMPARE(page()->portDevice(), QString());
    QCOMPARE(foundText(), QStringLiteral("Port: /dev/ttyUSB2\nModuł V1.1, typ 3"));
    QCOMPARE(storedPort(), (PortConfig{1, 2, {}}));
}

void TstModuleFinder::noneAnswersOrTheUserStops() {
    // No device would open: that is said, with why, and not that the module did not answer.
    const QString notTty = dir_.path() + QStringLiteral("/not-a-tty");
    QVERIFY(QFile(notTty).open(QIODevice::WriteOnly));
    startWindow({notTty});
    find();
    QCOMPARE(dialogs_->asks.size(), 1);
    QCOMPARE(dialogs_->asks[0].caption, QStringLiteral("Informacja"));
    QCOMPARE(dialogs_->asks[0].line1, QStringLiteral("Nie można otworzyć portu %1.").arg(notTty));
    QCOMPARE(dialogs_->asks[0].line2, QStringLiteral("%1 nie jest portem szeregowym.").arg(notTty));

    // Another program holds the module's device: the module did not answer on the other one,
    // and the line after says what keeps the first one closed.
    SerialLink holder;
    QVERIFY(OpenModulePort(holder, moduleSim_->devicePath()));
    startWindow({Path(*moduleSim_), Path(*silentSim_)});
    find();
    QCOMPARE(dialogs_->asks.size(), 2);
    QCOMPARE(dialogs_->asks[1].line1,
             QStringLiteral("Moduł nie odpowiedział na żadnym porcie: %1.").arg(Path(*silentSim_)));
    QCOMPARE(dialogs_->asks[1].line2,
             QStringLiteral("Port %1 jest zajęty przez inny program - zamknij go i powtórz.")
                 .arg(Path(*moduleSim_)));
    holder.Close();
    QCOMPARE(page()->portDevice(), QString());
    QVERIFY(!QFile::exists(configPath()));  // nothing chosen, nothing written

    // Stopped while the silent device is asked: the module after it is never asked, nothing is
    // chosen and nothing is said.
    startWindow({Path(*silentSim_), Path(*moduleSim_)});
    FinderWatcher watcher;
    watcher.stopAt = Path(*silentSim_);
    find();
    QVERIFY(watcher.stopPressed);
    QCOMPARE(watcher.afterStop, QStringLiteral("Przerywanie szukania..."));
    QVERIFY(!watcher.stopEnabledAfter);
    QCOMPARE(dialogs_->asks.size(), 2);  // only the first parts' messages
    QCOMPARE(moduleSim_->counts().wake, 0);
    QCOMPARE(page()->portDevice(), QString());
}

QTEST_MAIN(TstModuleFinder)
#include "tst_module_finder.moc"
