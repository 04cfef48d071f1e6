// One whole working session with the program, the way an installer goes through it: the window
// starts up, settings are edited on several pages with the keyboard and the mouse, saved under a
// new name, programmed into the simulated module, and the program is closed and its window
// destroyed. Run under LeakSanitizer (the sanitizer build) it is also the leak check of a session.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "../gui/gui_test_util.h"
#include "codec/image_codec.h"
#include "cp1250_text.h"
#include "main_window.h"
#include "progress_window.h"
#include "pty_simulator.h"
#include "settings/module_settings.h"
#include "settings/settings_file.h"

using namespace brenvox;
using guitest::ModalScript;

namespace {

constexpr int kWaitMs = 90000;  // generous: a busy machine only makes the wait longer

QString U(const char* s) {
    return QString::fromUtf8(s);
}

sim::Memory ToMemory(const ModuleImage& img) {
    sim::Memory m{};
    std::copy(img.begin(), img.end(), m.begin());
    return m;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TstSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void startEditSaveProgrammeClose();

private:
    template <typename T>
    T* control(const char* name) {
        return main_ ? main_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    // Clicks the tab of a page, as a user picks a page.
    void openPage(const char* caption);
    // Selects the edit box's text and types over it.
    void typeInto(const char* name, const QString& text);
    void typeSpin(const char* name, const QString& digits);
    void keyOn(const char* name, Qt::Key key, int times = 1);

    QTemporaryDir dir_;
    sim::PtySimulator sim_;
    QPointer<MainWindow> main_;
};

void TstSession::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("Nastawy")));
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("System")));
    std::string error;
    QVERIFY2(sim_.start(&error), error.c_str());
    // The module starts out holding something else than what will be programmed.
    sim::Memory blank{};
    blank.fill(0xFF);
    sim_.setMemory(blank);
}

void TstSession::cleanupTestCase() {
    delete main_.data();  // only when a failed step left the window alive
    sim_.stop();
}

void TstSession::openPage(const char* caption) {
    auto* pages = control<QTabWidget>("pageTabs");
    QVERIFY(pages);
    QTabBar* bar = pages->tabBar();
    int index = -1;
    for (int i = 0; i < bar->count(); ++i)
        if (bar->tabText(i) == U(caption)) index = i;
    QVERIFY2(index >= 0, caption);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(pages->currentIndex(), index);
}

void TstSession::typeInto(const char* name, const QString& text) {
    auto* edit = control<QLineEdit>(name);
    QVERIFY2(edit && edit->isVisible(), name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    guitest::TypeText(edit, text);
    QCOMPARE(edit->text(), text);
}

void TstSession::typeSpin(const char* name, const QString& digits) {
    auto* spin = control<QSpinBox>(name);
    QVERIFY2(spin && spin->isVisible(), name);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, digits);
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(spin->value(), digits.toInt());
}

void TstSession::keyOn(const char* name, Qt::Key key, int times) {
    auto* w = control<QWidget>(name);
    QVERIFY2(w && w->isVisible(), name);
    w->setFocus();
    for (int i = 0; i < times; ++i) QTest::keyClick(w, key);
}

void TstSession::startEditSaveProgrammeClose() {
    // ---- Start-up: created disabled under the provisional caption, enabled by the timer ----
    MainWindow::Options options;
    options.appDir = dir_.path();
    options.portDevice = QString::fromStdString(sim_.devicePath());
    main_ = new MainWindow(options);
    // Closing the window destroys it, as the end of the program would; the test's application
    // object must not quit under the test when the last window goes.
    main_->setAttribute(Qt::WA_DeleteOnClose);
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(main_->windowTitle(), U("GSM"));
    QVERIFY(!main_->isEnabled());
    main_->show();
    // Start-up waits for the window's half-second one-shot timer, not for the show itself.
    QVERIFY(!main_->startedUp());
    auto* timer = main_->findChild<QTimer*>(QStringLiteral("startUpTimer"));
    QVERIFY(timer && timer->isActive() && timer->isSingleShot());
    QCOMPARE(timer->interval(), 500);
    QVERIFY(QTest::qWaitFor([&] { return main_ && main_->startedUp(); }, kWaitMs));
    QCOMPARE(main_->windowTitle(), U("Kavrex V1.1"));
    QVERIFY(main_->isEnabled());
    QCOMPARE(main_->statusText(), U(" Nazwa ustawień: Nowy"));
    QVERIFY(QTest::qWaitForWindowExposed(main_));

    // ---- Editing on several pages ----
    openPage("2.SIM");
    typeInto("simPinEdit", U("2580"));
    QTest::mouseClick(control<QPushButton>("plusGsmButton"), Qt::LeftButton);  // "PlusGSM"
    QCOMPARE(control<QLineEdit>("smsCentreEdit")->text(), U("+48601000310"));

    openPage("4.Wyjście");
    typeInto("onCodeEdit", U("Z1"));
    keyOn("offTimeSpin", Qt::Key_Up, 5);  // 60 s by default

    openPage("5.SMS");
    keyOn("smsLimitSpin", Qt::Key_Up, 3);  // 20 by default
    typeSpin("smsAckTimeSpin", U("90"));

    openPage("6.TEST");
    keyOn("event1FunctionCombo", Qt::Key_Down);  // "Niewykorzystane" -> "Wyślij wiadomość - SMS"
    QCOMPARE(control<QComboBox>("event1FunctionCombo")->currentText(), U("Wyślij wiadomość - SMS"));
    typeInto("event1PhoneEdit", U("+48601000777"));
    typeInto("event1SmsEdit", U("Test okresowy OK"));

    openPage("7.RING ");
    typeSpin("ringTimeSpin", U("30"));

    // The slot editor: the fourth slot (input 3) sends an SMS on closing.
    openPage("3.Wejścia");
    auto* list = control<QListWidget>("slotList");
    QVERIFY(list && list->count() == kSlotCount);
    const int slotRow = 3;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(slotRow)).center());
    QCOMPARE(list->currentRow(), slotRow);
    typeInto("commentEdit", U("Czujka w holu, piętro"));
    keyOn("functionCombo", Qt::Key_Down);
    QCOMPARE(control<QComboBox>("functionCombo")->currentIndex(), int(SendSms));
    QTest::mouseClick(control<QRadioButton>("onClosingRadio"), Qt::LeftButton);
    QVERIFY(control<QRadioButton>("onClosingRadio")->isChecked());
    typeInto("phoneEdit", U("+48601000020"));
    typeInto("smsTextEdit", U("Alarm w holu"));

    openPage("8.Moduł");
    typeInto("modulePinEdit", U("1397"));

    // Every edit reached the one settings store.
    {
        const ModuleSettings& s = main_->settings();
        QCOMPARE(s.PIN, std::string("2580"));
        QCOMPARE(s.SMSC, std::string("+48601000310"));
        QCOMPARE(s.OUTCODE, std::string("Z1"));
        QCOMPARE(s.get(IntSetting::OFFTIMEVAL), 65);
        QCOMPARE(s.get(IntSetting::SMSMAX), 23);
        QCOMPARE(s.get(IntSetting::SMSACK), 90);
        QCOMPARE(s.get(IntSetting::TEST1TYPE), int(SendSms));
        QCOMPARE(s.TEST1PHONE, std::string("+48601000777"));
        QCOMPARE(s.TEST1SMS, std::string("Test okresowy OK"));
        QCOMPARE(s.get(IntSetting::RINGTIME), 30);
        QCOMPARE(s.MODPIN, std::string("1397"));
        const InputSlot& slot = s.slots[slotRow];
        QCOMPARE(gui::FromCp1250(slot.Comment), U("Czujka w holu, piętro"));
        QCOMPARE(slot.Function, int(SendSms));
        QCOMPARE(slot.Reaction, int(OnClosing));
        QCOMPARE(slot.Phone, std::string("+48601000020"));
        QCOMPARE(slot.SmsText, std::string("Alarm w holu"));
        // Its neighbours were left alone.
        QCOMPARE(s.slots[slotRow - 1].Function, int(NoAction));
        QCOMPARE(s.slots[slotRow + 1].Function, int(NoAction));
    }

    // ---- "Zapisz jako" through the real save dialog ----
    const QString saved = QDir(dir_.path()).filePath(U("Nastawy/Magazyn Łódź"));
    {
        openPage("1.Pliki");
        ModalScript script;
        script.file(saved).start();
        QTest::mouseClick(control<QPushButton>("saveAsButton"), Qt::LeftButton);
        QVERIFY(script.finished());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(U(", "))));
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join(U(", "))));
        QCOMPARE(QDir(script.fileDirs.value(0)).canonicalPath(),
                 QDir(dir_.filePath(U("Nastawy"))).canonicalPath());
        QCOMPARE(script.fileNames.value(0), U("Nowy"));
    }
    QVERIFY(QFileInfo(saved).isFile());
    QCOMPARE(main_->settingsName(), U("Magazyn Łódź"));
    QCOMPARE(main_->statusText(), U(" Nazwa ustawień: Magazyn Łódź"));
    {
        ModuleSettings fromDisk;
        QCOMPARE(ReadSettingsFile(QFile::encodeName(saved).toStdString(), fromDisk), ReadOutcome::Ok);
        QVERIFY(fromDisk == main_->settings());
    }
    const QByteArray savedBytes = ReadAll(saved);
    QVERIFY(!savedBytes.isEmpty());

    // ---- "Programuj" against the simulated module ----
    const ModuleSettings programmed = main_->settings();
    QStringList progressLog;
    bool progressShown = false;
    {
        openPage("8.Moduł");
        ModalScript script;
        script
            .ask(AskNo)  // the offer to save first
            .then([&](QWidget* w) {
                auto* t = qobject_cast<ProgressWindow*>(w);
                if (!t) {
                    script.failures << U("expected the progress window, got ") + w->objectName();
                    w->close();
                    return;
                }
                progressShown = true;
                // The user reads the outcome and closes the window once the transfer has ended.
                auto closeWhenDone = [t, &progressLog] {
                    progressLog = t->logLines();
                    t->close();
                };
                QObject::connect(t, &ProgressWindow::transferFinished, t,
                                 [t, closeWhenDone] { QTimer::singleShot(0, t, closeWhenDone); });
                // A window that never ends its transfer is closed so the test fails instead of
                // hanging.
                QTimer::singleShot(kWaitMs, t, closeWhenDone);
            })
            .ask(AskNo)  // then the offer to print
            .start();
        QTest::mouseClick(control<QPushButton>("programButton"), Qt::LeftButton);
        QVERIFY(script.finished());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(U(", "))));
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join(U(", "))));
        QVERIFY(progressShown);
        QCOMPARE(script.asks.size(), std::size_t(2));
        QCOMPARE(script.asks[0].line1, U("Czy zapisać aktualne ustawienia na dysk?"));
        QCOMPARE(script.asks[1].line1, U("Czy wykonać wydruk ustawień?"));
    }
    QVERIFY2(progressLog.size() >= 2, qPrintable(progressLog.join(U("|"))));
    QCOMPARE(progressLog.mid(progressLog.size() - 2),
             (QStringList{U("Programowanie zakończone pozytywnie."), U("Moduł gotowy do pracy.")}));
    QVERIFY(progressLog.contains(U("Programowanie...")));
    QVERIFY(progressLog.contains(U("Weryfikacja...")));
    // The module holds exactly the image of what was edited, and programming changed nothing.
    QVERIFY(sim_.memory() == ToMemory(EncodeImageV11(programmed)));
    QVERIFY(main_->settings() == programmed);
    auto* progress = main_->findChild<ProgressWindow*>();
    QVERIFY(progress && !progress->isVisible() && !progress->workerRunning() && !progress->portOpened());

    // ---- Closing: confirm, decline the offer to save, and the window goes away ----
    {
        ModalScript script;
        script.ask(AskYes).ask(AskNo).start();
        QVERIFY(main_->close());
        QVERIFY(script.finished());
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(U(", "))));
        QCOMPARE(script.asks.size(), std::size_t(2));
        QCOMPARE(script.asks[0].line1, U("Czy na pewno chcesz zakończyć pracę programu?"));
        QCOMPARE(script.asks[1].line1, U("Czy zapisać aktualne ustawienia na dysk?"));
    }
    QVERIFY(QTest::qWaitFor([&] { return main_.isNull(); }, kWaitMs));
    // Declining the offer wrote nothing: the saved file is as it was and no other appeared.
    QCOMPARE(ReadAll(saved), savedBytes);
    QCOMPARE(QDir(dir_.filePath(U("Nastawy"))).entryList(QDir::Files), QStringList{U("Magazyn Łódź")});
}

QTEST_MAIN(TstSession)
#include "tst_session.moc"
