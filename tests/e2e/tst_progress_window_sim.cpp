// The progress window against the module simulator on a real pseudo-terminal: what the window
// makes of the runner's reports (the log, the buttons, the bar, the dialogs, the settings after a
// read), repeats, Escape, and closing under a transfer. The sequence of each operation and
// outcome is the runner's, tested once in tests/core/operation/operation_runner_test.cpp.
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QtTest>

#include "codec/image_codec.h"
#include "e2e_util.h"
#include "link/transfer.h"
#include "operation/operation_request.h"
#include "progress_window.h"
#include "pty_simulator.h"
#include "settings/module_settings.h"

using namespace brenvox;

Q_DECLARE_METATYPE(brenvox::LinkOutcome)

namespace {

constexpr int kTransferWaitMs = 90000;  // generous: the machine may be busy

ModuleSettings EditedSettings() {
    ModuleSettings s;
    s.SMSC = "+48602951111";
    s.PIN = "1357";
    s.OUTCODE = "on";
    s.set(IntSetting::SMSMAX, 7);
    s.slots[0].Function = SendSms;
    s.slots[0].setPhone("+48601000001");
    s.slots[0].setSmsText("Blokada zdjeta");
    s.slots[6].Function = Ring;
    s.slots[6].setPhone("601000002");
    return s;
}

sim::Memory ToMemory(const ModuleImage& img) {
    sim::Memory m{};
    std::copy(img.begin(), img.end(), m.begin());
    return m;
}

const QStringList kPreparation = {QStringLiteral("Kontrola portu transmisji..."),
                                  QStringLiteral("Port komunikacyjny gotowy."),
                                  QStringLiteral("Przygotowanie danych do przesłania..."),
                                  QStringLiteral("Dane gotowe."),
                                  QString(),
                                  QStringLiteral("Odczyt wersji modułu...")};

}  // namespace

class TstProgressWindowSim : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void programWritesTheEncodedImage_data();
    void programWritesTheEncodedImage();
    void compareEqualThenAfterAnEdit();
    void readWithModulePin();
    void abortStopsTheTransfer();
    void closeDuringTransferThenShowAgain();
    void portThatCannotBeOpened();

private:
    // What the main window would hand over: the editor's settings (settings_), the simulator's
    // device, a compare that lists what differs.
    OperationRequest request(OperationMode mode) const;
    // Shows the window in `mode` and waits for the end of the transfer it starts.
    bool runOnce(OperationMode mode);
    bool waitForEnd(QSignalSpy& spy);

    std::unique_ptr<sim::PtySimulator> sim_;
    std::unique_ptr<ProgressWindow> w_;
    std::unique_ptr<DialogDriver> dialogs_;
    ModuleSettings settings_;
};

void TstProgressWindowSim::init() {
    qRegisterMetaType<brenvox::LinkOutcome>();
    sim_ = std::make_unique<sim::PtySimulator>();
    std::string error;
    QVERIFY2(sim_->start(&error), error.c_str());
    sim::Memory blank;
    blank.fill(0xFF);
    sim_->setMemory(blank);
    w_ = std::make_unique<ProgressWindow>();
    settings_ = EditedSettings();
    // As the main window does: what a read brought back replaces the editor's settings.
    connect(w_.get(), &ProgressWindow::settingsDecoded, this,
            [this](const ModuleSettings& s) { settings_ = s; });
    dialogs_ = std::make_unique<DialogDriver>();
    dialogs_->log = w_->findChild<QPlainTextEdit*>(QStringLiteral("transferLog"));
}

void TstProgressWindowSim::cleanup() {
    dialogs_.reset();
    w_.reset();  // closes the port and waits for its worker
    sim_.reset();
}

bool TstProgressWindowSim::waitForEnd(QSignalSpy& spy) {
    return spy.count() > 0 || spy.wait(kTransferWaitMs);
}

OperationRequest TstProgressWindowSim::request(OperationMode mode) const {
    OperationRequest r;
    r.mode = mode;
    r.port.device = sim_->devicePath();
    r.settings = settings_;
    r.reportDifferences = mode == OperationMode::Compare;
    return r;
}

bool TstProgressWindowSim::runOnce(OperationMode mode) {
    QSignalSpy done(w_.get(), &ProgressWindow::transferFinished);
    if (!w_->takeRequest(request(mode))) return false;
    w_->show();
    return waitForEnd(done);
}

void TstProgressWindowSim::programWritesTheEncodedImage_data() {
    QTest::addColumn<int>("minor");
    QTest::newRow("module 1.1") << 1;
    QTest::newRow("module 1.0") << 0;
}

void TstProgressWindowSim::programWritesTheEncodedImage() {
    QFETCH(int, minor);
    sim_->setIdentity({2, 1, uint8_t(minor)});
    QVERIFY(runOnce(OperationMode::Program));

    const ModuleImage want = minor == 0 ? EncodeImageV10(settings_) : EncodeImageV11(settings_);
    QVERIFY(sim_->memory() == ToMemory(want));
    QVERIFY(EncodeImageV10(settings_) != EncodeImageV11(settings_));

    QStringList expected = kPreparation;
    expected << QStringLiteral("  Moduł:  Kavrex V1.%1").arg(minor) << QStringLiteral("  Typ: Nokia5110")
             << QStringLiteral("Programowanie...") << QStringLiteral("Weryfikacja...")
             << QStringLiteral("Reset modułu...") << QString()
             << QStringLiteral("Programowanie zakończone pozytywnie.")
             << QStringLiteral("Moduł gotowy do pracy.");
    QCOMPARE(w_->logLines(), expected);
    QVERIFY(dialogs_->asks.isEmpty());

    auto* repeat = w_->findChild<QPushButton*>(QStringLiteral("repeatButton"));
    auto* abort = w_->findChild<QPushButton*>(QStringLiteral("abortButton"));
    QVERIFY(repeat->isVisible() && repeat->isEnabled());
    QVERIFY(!abort->isVisible() && !abort->isEnabled());
    auto* bar = w_->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    QCOMPARE(bar->maximum(), 4094);
    QTRY_COMPARE(bar->value(), 4094);
    QCOMPARE(w_->state().writePos.load(), 2048);
    QCOMPARE(w_->state().checkPos.load(), 2048);

    // "Powtórz" runs again over the same port and images, starting with an empty log.
    sim_->setMemory(sim::Memory{});
    QSignalSpy again(w_.get(), &ProgressWindow::transferFinished);
    repeat->click();
    QVERIFY(waitForEnd(again));
    QCOMPARE(w_->logLines().value(0), QStringLiteral("Odczyt wersji modułu..."));
    QCOMPARE(w_->logLines().last(), QStringLiteral("Moduł gotowy do pracy."));
    QVERIFY(sim_->memory() == ToMemory(want));
}

void TstProgressWindowSim::compareEqualThenAfterAnEdit() {
    sim_->setMemory(ToMemory(EncodeImageV11(settings_)));
    QVERIFY(runOnce(OperationMode::Compare));
    const QStringList log = w_->logLines();
    QCOMPARE(log.mid(log.size() - 6),
             (QStringList{QStringLiteral("  Typ: Nokia3330, 3410"), QStringLiteral("Porównanie..."),
                          QStringLiteral("Reset modułu..."), QString(),
                          QStringLiteral("Porównanie poprawne."), QStringLiteral("Moduł gotowy do pracy.")}));
    QCOMPARE(dialogs_->asks.size(), 1);
    QCOMPARE(dialogs_->asks[0].caption, QStringLiteral("Informacja"));
    QCOMPARE(dialogs_->asks[0].line1, QStringLiteral("Ustawienia w programie i module jednakowe."));
    QCOMPARE(dialogs_->asks[0].line2, QString());
    // The dialog came before the closing line.
    QCOMPARE(dialogs_->asks[0].logAtThatTime.last(), QStringLiteral("Porównanie poprawne."));
    const sim::FrameCounts before = sim_->counts();
    QCOMPARE(before.write, 0);

    // The user edits the settings and compares again: a new show encodes afresh, and below the
    // mismatch the window lists what differs (the module's PIN asked first).
    w_->close();
    settings_.set(IntSetting::SMSMAX, 8);
    dialogs_->pinToType = QStringLiteral("8361");
    QVERIFY(runOnce(OperationMode::Compare));
    const QStringList after = w_->logLines();
    QCOMPARE(after.mid(after.size() - 5),
             (QStringList{QString(), QStringLiteral("Moduł zaprogramowany innymi ustawieniami!"), QString(),
                          QStringLiteral("Różnice ustawień (w programie -> w module):"),
                          QStringLiteral("Wysyłaj maksymalnie wiadomości SMS: 8 -> 7")}));
    QCOMPARE(dialogs_->pinDialogs, 1);
    QCOMPARE(dialogs_->asks.size(), 1);
    QCOMPARE(sim_->counts().write, 0);
}

void TstProgressWindowSim::readWithModulePin() {
    ModuleSettings inModule = EditedSettings();
    inModule.MODPIN = "4711";
    inModule.set(IntSetting::RINGCNT, 3);
    sim_->setMemory(ToMemory(EncodeImageV11(inModule)));
    ModuleSettings expected = settings_;
    DecodeImageV11(EncodeImageV11(inModule), expected);

    settings_ = ModuleSettings();  // the editor holds the defaults
    const ModuleSettings untouched = settings_;
    QSignalSpy decoded(w_.get(), &ProgressWindow::settingsDecoded);
    // A read refused for its PIN is not worth archiving: the memory was not the user's to see.
    QSignalSpy succeeded(w_.get(), &ProgressWindow::transferSucceeded);

    // A wrong PIN: refused, the settings stay as they were.
    dialogs_->pinToType = QStringLiteral("4712");
    QVERIFY(runOnce(OperationMode::Read));
    QCOMPARE(dialogs_->pinDialogs, 1);
    QCOMPARE(dialogs_->askLines(), QStringList{QStringLiteral("Niepoprawny kod PIN modułu!")});
    QVERIFY(settings_ == untouched);
    QCOMPARE(decoded.count(), 0);
    QStringList log = w_->logLines();
    QCOMPARE(log.mid(log.size() - 3), (QStringList{QString(), QStringLiteral("Odczyt zakończony pozytywnie."),
                                                   QStringLiteral("Moduł gotowy do pracy.")}));
    QVERIFY(log.contains(QStringLiteral("Odczyt...")));

    // Cancelled, and a PIN of three right characters: refused too.
    for (const QString& pin : {QString(), QStringLiteral("471")}) {
        dialogs_->cancelPin = pin.isEmpty();
        dialogs_->pinToType = pin;
        QSignalSpy again(w_.get(), &ProgressWindow::transferFinished);
        w_->findChild<QPushButton*>(QStringLiteral("repeatButton"))->click();
        QVERIFY(waitForEnd(again));
        QCOMPARE(dialogs_->asks.last().line1, QStringLiteral("Niepoprawny kod PIN modułu!"));
        QVERIFY(settings_ == untouched);
    }

    // The right one: the module's settings are in the editor.
    dialogs_->cancelPin = false;
    dialogs_->pinToType = QStringLiteral("4711");
    QSignalSpy last(w_.get(), &ProgressWindow::transferFinished);
    w_->findChild<QPushButton*>(QStringLiteral("repeatButton"))->click();
    QVERIFY(waitForEnd(last));
    QCOMPARE(dialogs_->pinDialogs, 4);
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(dialogs_->asks.last().line1, QStringLiteral("Ustawienia z modułu odczytane i zdekodowane."));
    QCOMPARE(dialogs_->asks.last().caption, QStringLiteral("Informacja"));
    QCOMPARE(decoded.count(), 1);
    QVERIFY(settings_ == expected);
    QCOMPARE(settings_.MODPIN, std::string("4711"));
    QCOMPARE(settings_.get(IntSetting::RINGCNT), 3);
    QCOMPARE(w_->logLines().last(), QStringLiteral("Moduł gotowy do pracy."));
    QCOMPARE(sim_->counts().write, 0);
}

void TstProgressWindowSim::abortStopsTheTransfer() {
    QVERIFY(runOnce(OperationMode::Program));
    auto* repeat = w_->findChild<QPushButton*>(QStringLiteral("repeatButton"));
    auto* abort = w_->findChild<QPushButton*>(QStringLiteral("abortButton"));
    const QPoint onRepeat = repeat->mapTo(w_.get(), repeat->rect().center());

    // A double click on "Powtórz": the first click starts a transfer, the second lands on
    // "Przerwij", which has just taken its place, and is ignored.
    QSignalSpy again(w_.get(), &ProgressWindow::transferFinished);
    QSignalSpy abortPressed(abort, &QPushButton::pressed);
    QTest::mouseDClick(w_->windowHandle(), Qt::LeftButton, {}, onRepeat);
    QCOMPARE(abortPressed.count(), 1);
    QVERIFY(abort->isVisible() && abort->isEnabled());
    QVERIFY(waitForEnd(again));
    QCOMPARE(again.at(0).at(0).value<LinkOutcome>(), LinkOutcome::Success);
    QCOMPARE(w_->logLines().last(), QStringLiteral("Moduł gotowy do pracy."));

    // Slow replies, so the user has time to press "Przerwij" in the write phase.
    sim::Faults f;
    f.replyDelayMs = 40;
    sim_->setFaults(f);
    const int restarts = sim_->counts().restart;
    QSignalSpy done(w_.get(), &ProgressWindow::transferFinished);
    repeat->click();
    QTRY_VERIFY_WITH_TIMEOUT(w_->state().writePos.load() > 0, kTransferWaitMs);
    QVERIFY(abort->isVisible() && abort->isEnabled() && !repeat->isVisible());
    // Escape does not close the window under the transfer; only the close box would.
    QTest::keyClick(w_.get(), Qt::Key_Escape);
    QVERIFY(w_->isVisible() && w_->portOpened());
    // Past the double-click interval a press of "Przerwij" means it.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    abort->click();
    QVERIFY(abort->isVisible() && !abort->isEnabled());
    QVERIFY(!repeat->isVisible() && !repeat->isEnabled());
    QVERIFY(waitForEnd(done));
    QCOMPARE(done.at(0).at(0).value<LinkOutcome>(), LinkOutcome::Aborted);
    const QStringList log2 = w_->logLines();
    // Blocks went out before the abort: the module holds part of the new settings.
    QCOMPARE(log2.mid(log2.size() - 3),
             (QStringList{QString(), QStringLiteral("Programowanie przerwane!"),
                          QStringLiteral("Moduł może mieć niepełne ustawienia - zaprogramuj go ponownie.")}));
    QVERIFY(!log2.contains(QStringLiteral("Weryfikacja...")));
    QVERIFY(w_->state().writePos.load() < 2048);
    QCOMPARE(sim_->counts().restart, restarts);
    // Once the transfer has ended Escape closes the window as before.
    QTest::keyClick(w_.get(), Qt::Key_Escape);
    QVERIFY(!w_->isVisible());
}

void TstProgressWindowSim::closeDuringTransferThenShowAgain() {
    sim::Faults slow;
    slow.replyDelayMs = 40;
    sim_->setFaults(slow);
    QSignalSpy done(w_.get(), &ProgressWindow::transferFinished);
    QVERIFY(w_->takeRequest(request(OperationMode::Program)));
    w_->show();
    QTRY_VERIFY_WITH_TIMEOUT(w_->logLines().contains(QStringLiteral("Programowanie...")), kTransferWaitMs);
    w_->close();
    QVERIFY(!w_->portOpened());

    // Opened again at once: it waits for the old worker, then runs a whole transfer of its own.
    sim_->setFaults(sim::Faults{});
    sim_->setMemory(sim::Memory{});
    settings_.set(IntSetting::SMSMAX, 9);
    QVERIFY(w_->takeRequest(request(OperationMode::Program)));
    w_->show();
    QTRY_VERIFY_WITH_TIMEOUT(
        done.count() >= 1 && w_->logLines().contains(QStringLiteral("Moduł gotowy do pracy.")),
        kTransferWaitMs);
    QTest::qWait(300);  // room for a stray event of the old transfer to show up (it must not)
    QCOMPARE(done.count(), 1);
    QStringList expected = kPreparation;
    expected << QStringLiteral("  Moduł:  Kavrex V1.1") << QStringLiteral("  Typ: Nokia3330, 3410")
             << QStringLiteral("Programowanie...") << QStringLiteral("Weryfikacja...")
             << QStringLiteral("Reset modułu...") << QString()
             << QStringLiteral("Programowanie zakończone pozytywnie.")
             << QStringLiteral("Moduł gotowy do pracy.");
    QCOMPARE(w_->logLines(), expected);
    QVERIFY(sim_->memory() == ToMemory(EncodeImageV11(settings_)));
}

void TstProgressWindowSim::portThatCannotBeOpened() {
    OperationRequest noPort = request(OperationMode::Program);
    noPort.port = PortChoice{};  // no port number chosen: port 0
    QVERIFY(w_->takeRequest(noPort));
    w_->show();
    QCOMPARE(w_->logLines(),
             (QStringList{QStringLiteral("Kontrola portu transmisji..."),
                          QStringLiteral("Błąd - problem z portem transmisji!"),
                          QStringLiteral("Nie wybrano numeru portu - wybierz go na stronie 8.Moduł.")}));
    auto* repeat = w_->findChild<QPushButton*>(QStringLiteral("repeatButton"));
    auto* abort = w_->findChild<QPushButton*>(QStringLiteral("abortButton"));
    QVERIFY(repeat->isVisible() && !repeat->isEnabled());
    QVERIFY(!abort->isVisible() && !abort->isEnabled());
    QVERIFY(!w_->portOpened());
    QVERIFY(!w_->workerRunning());
    w_->close();

    // A device that does not exist: the same line.
    noPort.port.device = "/dev/brenvox-no-such-device";
    QVERIFY(w_->takeRequest(noPort));
    w_->show();
    QCOMPARE(w_->logLines().value(1), QStringLiteral("Błąd - problem z portem transmisji!"));
    QVERIFY2(
        w_->logLines().last().startsWith(QStringLiteral("Port /dev/brenvox-no-such-device nie istnieje.")),
        qPrintable(w_->logLines().last()));
}

QTEST_MAIN(TstProgressWindowSim)
#include "tst_progress_window_sim.moc"
