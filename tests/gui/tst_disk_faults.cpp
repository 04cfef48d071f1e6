// The program's folder on a disk that fills up or turns read-only: saving over a settings file
// reports "Problem z utworzeniem pliku na dysku!" and keeps the old file byte for byte; the port
// choice is lost silently while the old port file stays as it was. "Zapisz jako" into a missing
// folder, a folder the user may not write, a full and a read-only disk says why on the message's
// second line. A 16 kB tmpfs stands in for the disk (mounting needs root; without it those cases
// are skipped, saying why).
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <optional>

#include "gui_test_util.h"
#include "main_window.h"
#include "question_dialog.h"
#include "settings/port_config.h"
#include "settings/settings_file.h"

#ifndef Q_OS_WIN  // the tests that need them are skipped there: no tmpfs, no user to become
#include <pwd.h>
#include <unistd.h>
#endif

using guitest::Local;
using guitest::ModalScript;
using guitest::ReadAll;
using guitest::U;

namespace {
int Sh(const QString& cmd) {
    return std::system(cmd.toLocal8Bit().constData());
}

QPushButton* ButtonCalled(QWidget* window, const QString& text) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

#ifndef Q_OS_WIN
// Root writes anywhere: for as long as it lives, this process acts as the user nobody, who may
// only look into a folder that is not theirs (the saved root identity brings root back).
class ActAsNobody {
public:
    ActAsNobody() {
        if (::geteuid() != 0) return;
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::setegid(nobody->pw_gid) != 0) return;
        if (::seteuid(nobody->pw_uid) != 0) {
            [[maybe_unused]] const int rc = ::setegid(0);
            return;
        }
        switched_ = true;
    }
    ~ActAsNobody() {
        if (!switched_) return;
        [[maybe_unused]] const int u = ::seteuid(0);
        [[maybe_unused]] const int g = ::setegid(0);
    }
    // False when running as root and the switch could not be made.
    bool ok() const { return switched_ || ::geteuid() != 0; }

private:
    bool switched_ = false;
};
#else
class ActAsNobody {
public:
    bool ok() const { return false; }
};
#endif
}  // namespace

class TestDiskFaults : public QObject {
    Q_OBJECT

    static constexpr const char* kNoMount = "cannot mount a tmpfs here (needs root and mount rights)";

    QTemporaryDir dir_;
    QString disk_;  // the program folder, a tmpfs mount point
    bool mounted_ = false;
    std::unique_ptr<MainWindow> w_;

    QString settingsPath() const { return disk_ + "/Nastawy/klient"; }
    QString confPath() const { return disk_ + "/System/Conf"; }
    guitest::MainForms f() { return guitest::MainForms(*w_); }

    // Fills what is left of the disk, so the next file written runs out of room part-way.
    void fillDisk() {
        QFile fill(disk_ + "/fill");
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'f');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }

    // Starts the program and loads the settings file, so that "Zapisz" writes over it.
    void startAndOpen() {
        w_ = std::make_unique<MainWindow>(MainWindow::Options{disk_, {}});
        QVERIFY(guitest::StartMainWindow(*w_));
        ModalScript script;
        script.file(settingsPath()).start();
        f().openButton->click();
        QVERIFY(script.finished());
        QCOMPARE(w_->settingsName(), U("klient"));
    }

    // "Zapisz" with a change that makes the file longer; returns the messages shown.
    std::vector<guitest::AskSeen> saveLonger() {
        for (auto& slot : w_->settings().slots) slot.setComment(std::string(128, 'c'));
        ModalScript script;
        script.ask(AskYes).start();
        f().saveButton->click();
        [&] { QVERIFY(QTest::qWaitFor([&] { return script.finished(); }, 10000)); }();
        return script.asks;
    }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        disk_ = dir_.path() + "/disk";
        QVERIFY(QDir().mkpath(disk_));
#ifdef Q_OS_WIN
        QSKIP("a full or read-only disk is made with a tmpfs mount, which Windows has not");
#endif
        mounted_ = Sh("mount -t tmpfs -o size=16k tmpfs '" + disk_ + "' 2>/dev/null") == 0;
        QVERIFY(QDir(disk_).mkpath("Nastawy"));
        QVERIFY(QDir(disk_).mkpath("System"));
        brenvox::ModuleSettings s;
        s.PIN = "1234";
        QVERIFY(brenvox::WriteSettingsFile(Local(settingsPath()), s));
        QVERIFY(brenvox::WritePortConfig(Local(confPath()), 0, 2));
    }
    void cleanup() {
        w_.reset();
        if (mounted_) Sh("umount '" + disk_ + "' 2>/dev/null");
        mounted_ = false;
    }

    void saveOnAFullDiskKeepsTheOldFile() {
        if (!mounted_) QSKIP(kNoMount);
        const QByteArray before = ReadAll(settingsPath());
        startAndOpen();
        fillDisk();
        const auto asks = saveLonger();
        QCOMPARE(asks.size(), std::size_t(1));
        QCOMPARE(asks.at(0).line1, U("Problem z utworzeniem pliku na dysku!"));
        QCOMPARE(asks.at(0).caption, U("Potwierdź"));
        QCOMPARE(ReadAll(settingsPath()), before);
        // No half-written temporary file is left beside it.
        QCOMPARE(QDir(disk_ + "/Nastawy").entryList(QDir::Files), QStringList{U("klient")});
    }

    void saveOnAReadOnlyDiskKeepsTheOldFile() {
        if (!mounted_) QSKIP(kNoMount);
        const QByteArray before = ReadAll(settingsPath());
        startAndOpen();
        QCOMPARE(Sh("mount -o remount,ro '" + disk_ + "' 2>/dev/null"), 0);
        const auto asks = saveLonger();
        QCOMPARE(asks.size(), std::size_t(1));
        QCOMPARE(asks.at(0).line1, U("Problem z utworzeniem pliku na dysku!"));
        QCOMPARE(ReadAll(settingsPath()), before);
    }

    void saveAsSaysWhyOnTheSecondLine_data() {
        QTest::addColumn<QString>("place");
        QTest::newRow("a missing folder") << U("missing");
        QTest::newRow("a folder the user may not write") << U("rights");
        QTest::newRow("a full disk") << U("full");
        QTest::newRow("a read-only disk") << U("ro");
    }
    void saveAsSaysWhyOnTheSecondLine() {
        QFETCH(QString, place);
        QString target, cause;
        w_ = std::make_unique<MainWindow>(MainWindow::Options{disk_, {}});
        QVERIFY(guitest::StartMainWindow(*w_));
        std::optional<ActAsNobody> nobody;
        if (place == U("missing")) {
            target = disk_ + "/brak/klient";
            cause = U("Brak folderu ") + disk_ + U("/brak.");
        } else if (place == U("rights")) {
            const QString closed = dir_.path() + "/zamkniety";
            QVERIFY(QDir().mkpath(closed));
            const auto look = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                              QFile::ReadOther | QFile::ExeOther;
            QVERIFY(QFile::setPermissions(dir_.path(), look | QFile::WriteOwner));
            QVERIFY(QFile::setPermissions(closed, look));
            nobody.emplace();
            if (!nobody->ok()) QSKIP("running as root and cannot act as the user nobody");
            target = closed + "/klient";
            cause = U("Brak prawa zapisu w folderze ") + closed + U(".");
        } else {
            if (!mounted_) QSKIP(kNoMount);
            target = disk_ + "/Nastawy/nowy";
            if (place == U("full")) {
                fillDisk();
                cause = U("Dysk jest pełny.");
            } else {
                QCOMPARE(Sh("mount -o remount,ro '" + disk_ + "' 2>/dev/null"), 0);
                cause = U("Folder ") + disk_ + U("/Nastawy jest na nośniku tylko do odczytu.");
            }
        }
        ModalScript script;
        script.file(target).ask(AskYes).start();
        QPushButton* saveAs = ButtonCalled(w_.get(), U("Zapisz jako"));
        QVERIFY(saveAs);
        saveAs->click();
        QVERIFY(QTest::qWaitFor([&] { return script.finished(); }, 10000));
        nobody.reset();
        QCOMPARE(script.asks.size(), std::size_t(1));
        QCOMPARE(script.asks.at(0).line1, U("Problem z utworzeniem pliku na dysku!"));
        QCOMPARE(script.asks.at(0).line2, cause);
        QVERIFY(!QFile::exists(target));
    }

    void thePortFileSurvivesSilently() {
        if (!mounted_) QSKIP(kNoMount);
        const QByteArray before = ReadAll(confPath());
        w_ = std::make_unique<MainWindow>(MainWindow::Options{disk_, {}});
        QVERIFY(guitest::StartMainWindow(*w_));
        QCOMPARE(f().portNumberCombo->currentText(), U("3"));
        fillDisk();
        ModalScript script;
        script.start();
        f().portNumberCombo->setCurrentIndex(6);  // the new choice holds until the program ends
        QCOMPARE(Sh("mount -o remount,ro '" + disk_ + "' 2>/dev/null"), 0);
        f().portTypeCombo->setCurrentIndex(1);
        QTest::qWait(200);
        QVERIFY(script.asks.empty());
        QVERIFY(script.unexpected.isEmpty());
        QCOMPARE(f().portNumberCombo->currentText(), U("7"));
        QCOMPARE(ReadAll(confPath()), before);
        // The next start finds the old choice.
        w_.reset();
        w_ = std::make_unique<MainWindow>(MainWindow::Options{disk_, {}});
        QVERIFY(guitest::StartMainWindow(*w_));
        QCOMPARE(f().portNumberCombo->currentText(), U("3"));
        QCOMPARE(f().portTypeCombo->currentText(), U("COM"));
    }
};

QTEST_MAIN(TestDiskFaults)
#include "tst_disk_faults.moc"
