// An installed program (no "Nastawy" folder beside it) keeps its files in the user's own folders
// and never writes beside itself. With BRENVOX_INSTALLED_BIN set, the program folder is that one
// (the unpacked package's bin folder); otherwise a scratch folder stands in for it.
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "gui_test_util.h"
#include "main_window.h"
#include "settings/port_config.h"
#include "ui_main_window.h"

using guitest::Local;
using guitest::ModalScript;
using guitest::U;

namespace {
QStringList Listing(const QString& dir) {
    QStringList all;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) all << it.next();
    all.sort();
    return all;
}

}  // namespace

class TestInstalledLayout : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;
    QString bin_;
    QStringList binBefore_;
    std::unique_ptr<MainWindow> w_;

    QString data() const { return scratch_.path() + "/data"; }
    QString config() const { return scratch_.path() + "/config"; }
    // Where the program's own folders go beneath those: one folder in %APPDATA% on Windows.
#ifdef Q_OS_WIN
    static constexpr const char* kDataBaseVar = "APPDATA";
    QString dataHome() const {
        return data() + "/Brenvox";
    }
    QString configHome() const {
        return dataHome();
    }
#else
    static constexpr const char* kDataBaseVar = "XDG_DATA_HOME";
    QString dataHome() const {
        return data() + "/brenvox";
    }
    QString configHome() const {
        return config() + "/brenvox";
    }
#endif
    static void SetDataBase(const QString& dir) {
        qputenv(kDataBaseVar, QDir::toNativeSeparators(dir).toLocal8Bit());
    }
    static QString Clean(const QString& path) {
        return QDir::cleanPath(QDir::fromNativeSeparators(path));
    }
    // Windows keeps a profile private through its inherited access list, not through modes.
    static void ExpectPrivate(const QString& path, std::filesystem::perms mode) {
#ifdef Q_OS_WIN
        Q_UNUSED(path);
        Q_UNUSED(mode);
#else
        QCOMPARE(std::filesystem::status(Local(path)).permissions(), mode);
#endif
    }
    const Ui::ModulePage& f() {
        return w_->pages().module->form();
    }

    void start() {
        w_ = std::make_unique<MainWindow>(MainWindow::Options{bin_, {}});
        QVERIFY(guitest::StartMainWindow(*w_));
        QVERIFY(!w_->appPaths().portable);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        qputenv("HOME", (scratch_.path() + "/home").toLocal8Bit());
        bin_ = qEnvironmentVariable("BRENVOX_INSTALLED_BIN");
        if (bin_.isEmpty()) {
            bin_ = scratch_.path() + "/bin";
            QVERIFY(QDir().mkpath(bin_));
            QFile(bin_).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        QVERIFY(!QDir(bin_ + "/Nastawy").exists());
        binBefore_ = Listing(bin_);
    }
    void init() {
        SetDataBase(data());
        qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
    }
    void cleanup() {
        w_.reset();
        QDir(data()).removeRecursively();
        QDir(config()).removeRecursively();
        // Root writes into a read-only folder too: the listing is what shows nothing came there.
        QCOMPARE(Listing(bin_), binBefore_);
    }

    void portChoiceIsRememberedInTheUsersConfigFolder() {
        start();
        QCOMPARE(Clean(w_->portConfigPath()), configHome() + "/Conf");
        QVERIFY(!QDir(configHome()).exists());  // nothing is created before it is needed
        f().portNumberCombo->setCurrentIndex(4);
        QCOMPARE(brenvox::ReadPortConfig(Local(w_->portConfigPath())).portNum, 4);
        ExpectPrivate(configHome(), std::filesystem::perms::owner_all);
        w_.reset();
        start();
        QCOMPARE(f().portNumberCombo->currentText(), U("5"));
    }

    void saveAsStartsInThePrivateSettingsFolderAndWritesAPrivateFile() {
        start();
        const QString nastawy = dataHome() + "/Nastawy";
        QCOMPARE(Clean(w_->settingsDir()), nastawy);
        ModalScript script;
        script.file(nastawy + "/klient").start();
        w_->SaveAsCommand();
        QVERIFY(QTest::qWaitFor([&] { return script.finished(); }, 10000));
        QVERIFY(script.unexpected.isEmpty());
        QCOMPARE(QDir(script.fileDirs.value(0)).canonicalPath(), QDir(nastawy).canonicalPath());
        QCOMPARE(script.fileNames.value(0), U("Nowy"));
        // Every folder the program made on the way is private, not only the last.
        for (const QString& dir : {data(), dataHome(), nastawy})
            ExpectPrivate(dir, std::filesystem::perms::owner_all);
        ExpectPrivate(nastawy + "/klient",
                      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        QCOMPARE(w_->settingsName(), U("klient"));
    }

    void aSettingsFolderThatCannotBeMadeFailsTheSaveAndChangesNothing() {
        // A file where the data folder should be: no folder can be made beneath it.
        QVERIFY(QDir(scratch_.path()).mkpath("blocked"));
        QFile block(scratch_.path() + "/blocked/file");
        QVERIFY(block.open(QIODevice::WriteOnly));
        block.close();
        SetDataBase(block.fileName());
        start();
        ModalScript script;
        script.ask(AskYes).start();
        w_->SaveAsCommand();
        QVERIFY(QTest::qWaitFor([&] { return script.finished(); }, 10000));
        QCOMPARE(script.asks.at(0).line1, U("Problem z utworzeniem pliku na dysku!"));
        QVERIFY(script.fileDialogs.isEmpty());
        QVERIFY(script.unexpected.isEmpty());
        QCOMPARE(w_->settingsName(), U("Nowy"));
        QCOMPARE(QDir(scratch_.path() + "/blocked").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{U("file")});
    }
};

QTEST_MAIN(TestInstalledLayout)
#include "tst_installed_layout.moc"
