// The file commands of page "1.Pliki" with their real dialogs driven by the test ("Zapisz jako
// PDF" among them), and the port selection of page "8.Moduł" remembered in System/Conf.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "../core/link/fake_sysfs.h"
#include "archive/transfer_archive.h"
#include "archive_list_model.h"
#include "archive_window.h"
#include "device_combo_box.h"
#include "gui_test_util.h"
#include "link/serial_link.h"
#include "main_window.h"
#include "pages/module_page.h"
#include "qt_translations.h"
#include "question_dialog.h"
#include "settings/port_config.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "settings/settings_file.h"

using guitest::Local;
using guitest::ModalScript;
using guitest::ReadAll;
using guitest::U;

namespace {

// The keys a settings-format file holds, in order.
QStringList KeysOf(const QString& path) {
    brenvox::SettingsFile file;
    QStringList keys;
    if (!file.OpenForReading(Local(path))) return keys;
    std::string key;
    while (file.NextKey(key) == 1) keys << QString::fromStdString(key);
    file.CloseConfigFile();
    return keys;
}
}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MainWindow> w_;

    QString app() const { return dir_->path() + "/"; }
    QString nastawy() const { return app() + "Nastawy"; }
    guitest::MainForms f() { return guitest::MainForms(*w_); }

    // The program folder always holds "Nastawy" (the layout that keeps everything beside the
    // program); `withSystem` says whether the port file's folder is there too.
    void start(bool withSystem = true) {
        QVERIFY(QDir(app()).mkpath("Nastawy"));
        if (withSystem) QVERIFY(QDir(app()).mkpath("System"));
        w_ = std::make_unique<MainWindow>(MainWindow::Options{dir_->path(), {}});
        QVERIFY(guitest::StartMainWindow(*w_));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(brenvox::gui::LoadTranslations(*qApp, brenvox::Language::Polish)); }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    // Qt's own texts come from its Polish translation, as in the program.
    void fileDialogsSpeakPolish() {
        start();
        QStringList accept;
        auto readAccept = [&accept](QWidget* w) {
            const auto* box = w->findChild<QDialogButtonBox*>();
            for (QAbstractButton* b : box ? box->buttons() : QList<QAbstractButton*>())
                if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) accept << b->text().remove(u'&');
            static_cast<QDialog*>(w)->reject();
        };
        ModalScript script;
        script.then(readAccept).then(readAccept).start();
        f().openButton->click();  // "Odczytaj"
        f().saveButton->click();  // "Zapisz" of new settings: the save dialog
        QVERIFY(script.finished());
        QCOMPARE(accept, (QStringList{U("Otwórz"), U("Zachowaj")}));  // Qt's own words
        QVERIFY(script.unexpected.isEmpty());
    }

    void saveRightAfterStartUpAsksForANameInNastawy() {
        start();
        ModalScript script;
        script.file({}).start();  // cancelled
        f().saveButton->click();  // "Zapisz"
        QVERIFY(script.finished());
        QCOMPARE(script.fileDialogs, QStringList{U("saveDialog")});
        QCOMPARE(QDir(script.fileDirs[0]).canonicalPath(), QDir(nastawy()).canonicalPath());
        QCOMPARE(script.fileNames[0], U("Nowy"));
        QCOMPARE(w_->settingsName(), U("Nowy"));
        QVERIFY(QDir(nastawy()).entryList(QDir::Files).isEmpty());
        QVERIFY(script.unexpected.isEmpty());
    }

    void saveAsThenSaveThenOpenProposesTheFile() {
        start();
        f().smsCentreEdit->setText(U("+48500"));
        const QString path = nastawy() + "/alarm";
        {
            ModalScript script;
            script.file(path).start();
            f().saveAsButton->click();  // "Zapisz jako"
            QVERIFY(script.finished());
            QVERIFY(script.asks.empty());
        }
        QVERIFY(QFile::exists(path));  // the name is used exactly as chosen: no extension
        QCOMPARE(w_->settingsName(), U("alarm"));
        QCOMPARE(w_->statusText(), U(" Nazwa ustawień: alarm"));

        // "Zapisz" now overwrites the file without any question.
        f().smsCentreEdit->setText(U("+48777"));
        {
            ModalScript script;
            script.start();
            f().saveButton->click();
            QTest::qWait(30);
            QVERIFY(script.unexpected.isEmpty());
        }
        brenvox::ModuleSettings read;
        QCOMPARE(brenvox::ReadSettingsFile(Local(path), read), brenvox::ReadOutcome::Ok);
        QCOMPARE(read.SMSC, std::string("+48777"));

        // "Odczytaj" proposes the file just saved.
        ModalScript script;
        script.file({}).start();
        f().openButton->click();
        QVERIFY(script.finished());
        QCOMPARE(script.fileDialogs, QStringList{U("openDialog")});
        QCOMPARE(script.fileNames[0], U("alarm"));
        QCOMPARE(QDir(script.fileDirs[0]).canonicalPath(), QDir(nastawy()).canonicalPath());
    }

    void saveAsOntoAnExistingFileAnsweredNieWritesNothing() {
        start();
        const QString path = nastawy() + "/stary";
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("poprzedni");
        }
        {
            ModalScript script;
            script.file(path).ask(AskNo).start();
            f().saveAsButton->click();
            QVERIFY(script.finished());
            QCOMPARE(script.asks.at(0).line1, U("Plik o takiej nazwie już istnieje!"));
            QCOMPARE(script.asks.at(0).line2, U("Czy na pewno mam go zastąpić nowym?"));
            QCOMPARE(ReadAll(path), QByteArray("poprzedni"));
            QCOMPARE(w_->settingsName(), U("Nowy"));
        }

        ModalScript yes;
        yes.file(path).ask(AskYes).start();
        f().saveAsButton->click();
        QVERIFY(yes.finished());
        QCOMPARE(w_->settingsName(), U("stary"));
        QCOMPARE(KeysOf(path).size(), 123);
    }

    void openLoadsTheFileIntoTheControls() {
        start();
        brenvox::ModuleSettings s;
        s.PIN = "4321";
        s.slots[0].setComment("z pliku");
        s.slots[0].Function = brenvox::Ring;
        s.set(brenvox::IntSetting::RINGCNT, 9);
        const QString path = nastawy() + "/klient";
        QVERIFY(brenvox::WriteSettingsFile(Local(path), s));
        ModalScript script;
        script.file(path).start();
        f().openButton->click();
        QVERIFY(script.finished());
        QVERIFY(script.asks.empty());
        QCOMPARE(w_->settingsName(), U("klient"));
        QCOMPARE(w_->statusText(), U(" Nazwa ustawień: klient"));
        QCOMPARE(w_->settings(), s);
        QCOMPARE(f().simPinEdit->text(), U("4321"));
        QCOMPARE(f().ringCountSpin->value(), 9);
        f().pageTabs->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().commentEdit->text(), U("z pliku"));
        QCOMPARE(f().functionCombo->currentIndex(), 2);
        QVERIFY(!w_->loadingGuard());
    }

    void openOfAMissingFileChangesNothing() {
        start();
        f().simPinEdit->setText(U("11"));
        const brenvox::ModuleSettings before = w_->settings();
        ModalScript script;
        script.file(nastawy() + "/nie-ma").ask(AskYes).start();
        f().openButton->click();
        QVERIFY(script.finished());
        QCOMPARE(script.asks.at(0).caption, U("Potwierdź"));
        QCOMPARE(script.asks.at(0).line1, U("Brak na dysku pliku o wskazanej nazwie."));
        QCOMPARE(script.asks.at(0).line2, U("Ustawienia nie zostały załadowane."));
        QCOMPARE(w_->settings(), before);
        QCOMPARE(w_->settingsName(), U("Nowy"));
    }

    void aDamagedFileRestoresTheDefaults() {
        start();
        f().simPinEdit->setText(U("99"));
        const QString path = nastawy() + "/zepsuty";
        {
            QFile bad(path);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("[BEG]\r\nPIN zz\r\n");
        }
        ModalScript script;
        script.file(path).ask(AskYes).start();
        f().openButton->click();
        QVERIFY(script.finished());
        QCOMPARE(script.asks.at(0).line1, U("Błąd odczytu ustawień!"));
        QCOMPARE(script.asks.at(0).line2, U("Przywrócone ustawienia domyślne."));
        QCOMPARE(w_->settings(), brenvox::ModuleSettings());
        QCOMPARE(w_->settingsName(), U("Nowy"));
        QVERIFY(f().simPinEdit->text().isEmpty());
    }

    void aFileNamedNowyMakesSaveAskForAName() {
        start();
        const QString path = nastawy() + "/Nowy";
        QVERIFY(brenvox::WriteSettingsFile(Local(path), brenvox::ModuleSettings()));
        {
            ModalScript script;
            script.file(path).start();
            f().openButton->click();
            QVERIFY(script.finished());
        }
        QCOMPARE(w_->settingsName(), U("Nowy"));
        ModalScript script;
        script.file({}).start();
        f().saveButton->click();
        QVERIFY(script.finished());
        QCOMPARE(script.fileDialogs, QStringList{U("saveDialog")});
    }

    void aFailedSaveIsReportedAndKeepsTheName() {
        start();
        const QString path = app() + "brak-folderu/plik";
        ModalScript script;
        script.file(path).ask(AskYes).start();
        f().saveAsButton->click();
        QVERIFY(QTest::qWaitFor([&] { return script.finished(); }, 10000));
        QCOMPARE(script.asks.size(), std::size_t(1));
        QCOMPARE(script.asks.at(0).line1, U("Problem z utworzeniem pliku na dysku!"));
        QCOMPARE(script.asks.at(0).caption, U("Potwierdź"));
        // The name is set before writing and not rolled back.
        QCOMPARE(w_->settingsName(), U("plik"));
        QVERIFY(!QFile::exists(path));
    }

    void firstRunWithoutSystemFolderRemembersNothing() {
        start(false);
        QCOMPARE(f().portTypeCombo->currentText(), U("COM"));
        QCOMPARE(f().portNumberCombo->currentText(), U("1"));
        f().portNumberCombo->setCurrentIndex(3);
        QCOMPARE(w_->portNumberIndex(), 3);
        QVERIFY(!QFile::exists(app() + "System/Conf"));
        QVERIFY(!QDir(app() + "System").exists());  // the program never creates the folder
    }

    void portChoiceSurvivesARestart() {
        start();
        f().portNumberCombo->setCurrentIndex(4);  // port "5"
        QCOMPARE(f().portNumberCombo->toolTip(),
                 QString::fromStdString(brenvox::PortDevicePath(brenvox::PortType::Com, 5)));
        f().portTypeCombo->setCurrentIndex(1);
        QCOMPARE(f().portNumberCombo->toolTip(),
                 QString::fromStdString(brenvox::PortDevicePath(brenvox::PortType::Usb, 5)));
        const brenvox::PortConfig c = brenvox::ReadPortConfig(Local(app() + "System/Conf"));
        QCOMPARE(c.portType, 1);
        QCOMPARE(c.portNum, 4);
        w_.reset();
        w_ = std::make_unique<MainWindow>(MainWindow::Options{dir_->path(), {}});
        QVERIFY(guitest::StartMainWindow(*w_));
        QCOMPARE(f().portNumberCombo->currentText(), U("5"));
        QCOMPARE(f().portTypeCombo->currentText(), U("USB"));
    }

    void aFileWithOnlyThePortNumberIsReadWithoutRewritingIt() {
        QVERIFY(QDir(app()).mkpath("System"));
        const QString conf = app() + "System/Conf";
        {
            brenvox::SettingsFile file;
            QVERIFY(file.OpenForWriting(Local(conf)));
            QVERIFY(file.WriteIntegerValue("PORTNUM", 3));
            QVERIFY(file.CloseConfigFile());
        }
        start(false);
        QCOMPARE(f().portNumberCombo->currentText(), U("4"));
        QCOMPARE(f().portTypeCombo->currentText(), U("COM"));
        // Restoring selected the boxes without writing the file back.
        QCOMPARE(KeysOf(conf), QStringList{U("PORTNUM")});
    }

    // "Zapisz jako PDF": the printout, named and dated as "Drukuj" prints it, into the file
    // chosen; private, and replaced only when the user says so.
    void pdfIsThePrintoutInTheChosenFileAndAsksBeforeReplacing() {
        start();
        const QString pdf = nastawy() + "/wydruk.pdf";
        const std::string before = brenvox::PrintDate();
        {
            ModalScript script;
            script.file(nastawy() + "/wydruk").start();  // typed without its ".pdf"
            f().savePdfButton->click();                  // "Zapisz jako PDF"
            QVERIFY(script.finished());
            QVERIFY(script.asks.empty());
            QCOMPARE(script.fileDialogs, QStringList{U("pdfDialog")});
            QCOMPARE(QDir(script.fileDirs[0]).canonicalPath(), QDir(nastawy()).canonicalPath());
            QCOMPARE(script.fileNames[0], U("Nowy.pdf"));
        }
        const QByteArray written = ReadAll(pdf);
        // Named and dated as "Drukuj" prints (a run across midnight takes either date).
        QList<QByteArray> expected;
        for (const std::string& date : {before, brenvox::PrintDate()})
            expected << QByteArray::fromStdString(brenvox::SettingsPdf(w_->settings(), "Nowy", date));
        QVERIFY(expected.contains(written));
#ifndef Q_OS_WIN
        QCOMPARE(QFile::permissions(pdf) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);  // it holds both PINs
#endif

        // The same file again, "Nie" to the question: the file stays as it was.
        f().smsCentreEdit->setText(U("+48999"));
        ModalScript again;
        again.file(pdf).ask(AskNo).start();
        f().savePdfButton->click();
        QVERIFY(again.finished());
        QCOMPARE(again.asks[0].line1, U("Plik o takiej nazwie już istnieje!"));
        QCOMPARE(ReadAll(pdf), written);
    }

    // "Archiwum": the transfers newest first, the filter by name, what differs between an entry
    // and the program's settings, and the entry's settings loaded after the offer to save; a read
    // refused for its PIN has no settings to offer.
    void archiveListsFiltersComparesAndLoads() {
        start();
        const auto now = std::chrono::system_clock::now();
        brenvox::ModuleSettings other;
        other.SMSC = "+48602951111";
        const struct {
            brenvox::OperationMode mode;
            const char* name;
            const char* outcome;
            std::optional<brenvox::ModuleSettings> settings;
        } entries[] = {
            {brenvox::OperationMode::Program, "Dom", "Success", brenvox::ModuleSettings{}},
            {brenvox::OperationMode::Compare, "Sklep Długa", "CheckError", other},
            {brenvox::OperationMode::Read, "Garaż", "PinRefused", std::nullopt},
        };
        int age = 3;
        for (const auto& e : entries) {
            brenvox::ArchiveRecord record;
            record.mode = e.mode;
            record.name = e.name;
            record.outcome = e.outcome;
            record.settings = e.settings;
            record.time = now - std::chrono::minutes(age--);
            QVERIFY(brenvox::ArchiveTransfer(Local(app() + "Archiwum"), record).ok);
        }

        QStringList names, outcomes, differences;
        bool pinEntryLoadable = true;
        ModalScript script;
        script
            .then([&](QWidget* w) {
                auto* a = qobject_cast<ArchiveWindow*>(w);
                if (!a) {
                    w->close();
                    return;
                }
                for (int row = 0; row < a->model()->rowCount(); ++row) {
                    names << a->model()->index(row, ArchiveListModel::NameColumn).data().toString();
                    outcomes << a->model()->index(row, ArchiveListModel::OutcomeColumn).data().toString();
                }
                pinEntryLoadable = a->findChild<QPushButton*>(U("loadButton"))->isEnabled();  // newest chosen
                a->findChild<QLineEdit*>(U("filterEdit"))->setText(U("sklep"));
                a->findChild<QPushButton*>(U("compareButton"))->click();  // "Porównaj z programem"
                differences = a->findChild<QPlainTextEdit*>(U("differencesText"))->toPlainText().split(u'\n');
                // After this step returns: the load asks its own question. A load that cannot
                // close the window would leave it waiting: closed here, the checks below tell why.
                auto* load = a->findChild<QPushButton*>(U("loadButton"));
                if (load->isEnabled())
                    QTimer::singleShot(0, load, &QPushButton::click);
                else
                    a->reject();
            })
            .ask(AskNo)  // the offer to save the program's settings first
            .start();
        f().archiveButton->click();  // "Archiwum"
        QVERIFY(script.finished());
        QVERIFY(script.unexpected.isEmpty());
        QCOMPARE(names, (QStringList{U("Garaż"), U("Sklep Długa"), U("Dom")}));
        QCOMPARE(outcomes.value(1), U("Moduł zaprogramowany innymi ustawieniami!"));
        QVERIFY(!pinEntryLoadable);
        QCOMPARE(differences.value(0), U("Różnice ustawień (w programie -> w archiwum):"));
        QCOMPARE(differences.size(), 2);
        QVERIFY2(differences[1].contains(U("+48602951111")), qPrintable(differences[1]));
        QCOMPARE(script.asks[0].line1, U("Czy zapisać aktualne ustawienia na dysk?"));

        // The entry's settings are the program's now, under its name, to be saved in Nastawy.
        QCOMPARE(w_->settings().SMSC, other.SMSC);
        QCOMPARE(f().smsCentreEdit->text(), U("+48602951111"));
        QCOMPARE(w_->statusText(), U(" Nazwa ustawień: Sklep Długa"));
        QVERIFY(!w_->findChild<ArchiveWindow*>());
    }

    // A device picked by its name from the devices present, or typed: the boxes never name a
    // port other than the one the operations will open, the device is remembered, and a screen
    // reader hears which port it is.
    void portChosenByTheDevicesNameOrTyped() {
#ifdef Q_OS_WIN
        QSKIP(
            "the devices come from a Linux sysfs tree laid out by the test; the Windows list comes from the "
            "setup API, which scripts/test-windows.sh checks");
#endif
        start();
        namespace fs = std::filesystem;
        const brenvox::test::FakeSysfs tree(fs::path(Local(app())) / "tree");
        ModulePage* page = w_->pages().module;
        page->setDeviceLister([&tree] {
            return brenvox::ListSerialDevices({tree.sys.string(), tree.dev.string()});
        });
        f().pageTabs->setCurrentIndex(7);
        const QString dev = QString::fromStdString(tree.dev.string()) + "/";
        DeviceComboBox* chooser = f().PortDeviceBox;
        auto stored = [this] { return brenvox::ReadPortConfig(Local(app() + "System/Conf")); };
        auto heard = [this] {
            return QAccessible::queryAccessibleInterface(f().FoundModuleLabel)->text(QAccessible::Name);
        };
        QCOMPARE(heard(),
                 U("Port: ") + QString::fromStdString(brenvox::PortDevicePath(brenvox::PortType::Com, 1)));

        chooser->showPopup();
        QStringList entries;
        for (int i = 0; i < chooser->count(); ++i) entries << chooser->itemText(i);
        QCOMPARE(entries,
                 (QStringList{"Bluetooth 00:1a:7d:da:71:13 (" + dev + "rfcomm0)", "Pico (" + dev + "ttyACM0)",
                              dev + "ttyAMA0", "FT232R USB UART (" + dev + "ttyUSB0)"}));
        QTest::keyClick(chooser->view(), Qt::Key_End);
        QTest::keyClick(chooser->view(), Qt::Key_Return);
        QCOMPARE(page->portDevice(), dev + "ttyUSB0");
        QCOMPARE(f().portTypeCombo->currentText(), QString());
        QCOMPARE(f().portNumberCombo->currentText(), QString());
        QCOMPARE(chooser->currentText(), "FT232R USB UART (" + dev + "ttyUSB0)");
        QCOMPARE(heard(), "Port: " + dev + "ttyUSB0, FT232R USB UART");
        // The file keeps the last port the boxes named, for copies that know no devices.
        QCOMPARE(stored(), (brenvox::PortConfig{0, 0, Local(dev + "ttyUSB0")}));
        QCOMPARE(w_->portNumberIndex(), 0);

        // An adapter plugged in meanwhile is in the list the next time it opens.
        const fs::path xr = tree.sys / "devices/platform/xr";
        fs::create_directories(xr / "tty/ttyXRUSB0");
        fs::create_directory_symlink(xr, xr / "tty/ttyXRUSB0/device");
        fs::create_symlink(xr / "tty/ttyXRUSB0", tree.sys / "class/tty/ttyXRUSB0");
        chooser->showPopup();
        QCOMPARE(chooser->itemText(chooser->count() - 1), dev + "ttyXRUSB0");
        chooser->hidePopup();

        // A path typed: a virtual port, or one that the boxes can name and then show.
        auto type = [chooser](const QString& text) {
            chooser->lineEdit()->selectAll();
            QTest::keyClicks(chooser->lineEdit(), text);
            QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
        };
        type(U("/dev/pts/7"));
        QCOMPARE(page->portDevice(), U("/dev/pts/7"));
        QCOMPARE(stored(), (brenvox::PortConfig{0, 0, "/dev/pts/7"}));
        const QString usb2 = QString::fromStdString(brenvox::PortDevicePath(brenvox::PortType::Usb, 2));
        type(usb2);
        QCOMPARE(page->portDevice(), QString());
        QCOMPARE(f().portTypeCombo->currentText(), U("USB"));
        QCOMPARE(f().portNumberCombo->currentText(), U("2"));
        QCOMPARE(heard(), U("Port: ") + usb2);
        QCOMPARE(stored(), (brenvox::PortConfig{1, 1, {}}));
    }

    void aStoredIndexOutsideTheListLeavesNoSelection() {
        QVERIFY(QDir(app()).mkpath("System"));
        QVERIFY(brenvox::WritePortConfig(Local(app() + "System/Conf"), 7, 12));
        start(false);
        QCOMPARE(w_->portTypeIndex(), -1);
        QCOMPARE(w_->portNumberIndex(), -1);
        QVERIFY(f().portNumberCombo->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
