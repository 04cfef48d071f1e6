// The program's folder on a disk that fills up or turns read-only: saving over a settings file
// reports "Problem z utworzeniem pliku na dysku!" and keeps the old file byte for byte; the port
// choice is lost silently while the old port file stays as it was. A 16 kB tmpfs stands in for
// the disk (mounting needs root; without it the cases are skipped, saying why).
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

#include "gui_test_util.h"
#include "main_window.h"
#include "question_dialog.h"
#include "settings/port_config.h"
#include "settings/settings_file.h"

using guitest::Local;
using guitest::ModalScript;
using guitest::ReadAll;
using guitest::U;

namespace {
int Sh(const QString& cmd) {
    return std::system(cmd.toLocal8Bit().constData());
}
}  // namespace

class TestDiskFaults : public QObject {
    Q_OBJECT

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
        if (!mounted_) QSKIP("cannot mount a tmpfs here (needs root and mount rights)");
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
        const QByteArray before = ReadAll(settingsPath());
        startAndOpen();
        QCOMPARE(Sh("mount -o remount,ro '" + disk_ + "' 2>/dev/null"), 0);
        const auto asks = saveLonger();
        QCOMPARE(asks.size(), std::size_t(1));
        QCOMPARE(asks.at(0).line1, U("Problem z utworzeniem pliku na dysku!"));
        QCOMPARE(ReadAll(settingsPath()), before);
    }

    void thePortFileSurvivesSilently() {
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
