// The three module commands of the main window, end to end: the buttons of page "8.Moduł", the
// gate, the progress window over a real pseudo-terminal with the simulated module, and what the
// editor's controls show after a read.
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/image_codec.h"
#include "e2e_util.h"
#include "main_window.h"
#include "progress_window.h"
#include "pty_simulator.h"
#include "settings/module_settings.h"

using namespace brenvox;

namespace {

const QString kSaveOffer = QStringLiteral("Czy zapisać aktualne ustawienia na dysk?");
const QString kPrintOffer = QStringLiteral("Czy wykonać wydruk ustawień?");

sim::Memory ToMemory(const ModuleImage& img) {
    sim::Memory m{};
    std::copy(img.begin(), img.end(), m.begin());
    return m;
}

}  // namespace

class TstOperationsSim : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void programmeFromThePage();
    void compareAfterAnEditInTheEditor();
    void readLoadsTheControls();

private:
    // Clicks a module button and waits until its progress window has been closed again.
    void press(const char* button, int transfers = 1);
    QStringList archiveEntries() const {
        return QDir(main_->archiveDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    QLineEdit* edit(const char* name) { return main_->findChild<QLineEdit*>(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    std::unique_ptr<sim::PtySimulator> sim_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<DialogDriver> dialogs_;
};

void TstOperationsSim::init() {
    QVERIFY(dir_.isValid());
    QDir(dir_.path()).mkpath(QStringLiteral("Nastawy"));
    QDir(dir_.path()).mkpath(QStringLiteral("System"));
    sim_ = std::make_unique<sim::PtySimulator>();
    std::string error;
    QVERIFY2(sim_->start(&error), error.c_str());
    MainWindow::Options options;
    options.appDir = dir_.path() + QLatin1Char('/');
    options.portDevice = QString::fromStdString(sim_->devicePath());
    main_ = std::make_unique<MainWindow>(options);
    main_->show();
    QVERIFY(QTest::qWaitFor([&] { return main_->startedUp(); }, 30000));
    dialogs_ = std::make_unique<DialogDriver>();
    dialogs_->closeProgressWhenDone = true;
}

void TstOperationsSim::cleanup() {
    dialogs_.reset();
    main_.reset();
    sim_.reset();
}

void TstOperationsSim::press(const char* button, int transfers) {
    const int before = dialogs_->progressWindows;
    auto* b = main_->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY(b);
    // The click runs the whole command, modal windows included, before it returns.
    b->click();
    QCOMPARE(dialogs_->progressWindows, before + transfers);
}

void TstOperationsSim::programmeFromThePage() {
    ModuleSettings& s = main_->settings();
    s.SMSC = "+48601000310";
    s.slots[2].Function = SendSms;
    s.slots[2].setPhone("+48601000020");
    s.slots[2].setSmsText("Zasilanie");
    main_->refreshControls();
    edit("simPinEdit")->setText(QStringLiteral("2580"));  // typed into the SIM PIN box
    QCOMPARE(s.PIN, std::string("2580"));

    // Escape on the offer to save takes "Programuj" back: not a byte reaches the module.
    const sim::Memory before = sim_->memory();
    dialogs_->answers = {AskCancel};
    press("programButton", 0);
    QCOMPARE(sim_->counts().wake, 0);
    QVERIFY(sim_->memory() == before);
    QCOMPARE(dialogs_->askLines(), QStringList{kSaveOffer});
    dialogs_->asks.clear();

    dialogs_->questionAnswer = AskNo;
    press("programButton");
    QVERIFY(sim_->memory() == ToMemory(EncodeImageV11(s)));
    // The programming left one archive entry holding exactly the module's memory.
    const QStringList entries = archiveEntries().filter(QStringLiteral("-program-Nowy"));
    QCOMPARE(entries.size(), 1);
    QFile image(main_->archiveDir() + entries[0] + QStringLiteral("/image.bin"));
    QVERIFY(image.open(QIODevice::ReadOnly));
    const sim::Memory memory = sim_->memory();
    QCOMPARE(image.readAll(),
             QByteArray(reinterpret_cast<const char*>(memory.data()), qsizetype(memory.size())));
    QCOMPARE(dialogs_->askLines(), (QStringList{kSaveOffer, kPrintOffer}));
    QCOMPARE(dialogs_->progressLog.mid(dialogs_->progressLog.size() - 2),
             (QStringList{QStringLiteral("Programowanie zakończone pozytywnie."),
                          QStringLiteral("Moduł gotowy do pracy.")}));
    // The settings were not touched by programming.
    QCOMPARE(s.PIN, std::string("2580"));
}

void TstOperationsSim::compareAfterAnEditInTheEditor() {
    sim_->setMemory(ToMemory(EncodeImageV11(main_->settings())));
    press("compareButton");
    QCOMPARE(dialogs_->askLines(), QStringList{QStringLiteral("Ustawienia w programie i module jednakowe.")});
    QCOMPARE(dialogs_->progressLog.last(), QStringLiteral("Moduł gotowy do pracy."));

    // One value changed in its control: the module no longer matches.
    auto* spin = main_->findChild<QSpinBox*>(QStringLiteral("ringCountSpin"));
    QVERIFY(spin);
    const int inModule = spin->value();
    spin->setValue(spin->value() == spin->minimum() ? spin->value() + 1 : spin->value() - 1);
    dialogs_->pinToType = QString::fromStdString(main_->settings().MODPIN);
    press("compareButton");
    QCOMPARE(dialogs_->asks.size(), 1);
    QVERIFY(dialogs_->progressLog.contains(QStringLiteral("Moduł zaprogramowany innymi ustawieniami!")));
    // Below it, the one setting that differs, by the caption the user knows it by.
    QCOMPARE(dialogs_->progressLog.last(),
             QStringLiteral("Ilość dzwonień: %1 -> %2").arg(spin->value()).arg(inModule));
    QCOMPARE(sim_->counts().write, 0);
}

void TstOperationsSim::readLoadsTheControls() {
    ModuleSettings inModule;
    inModule.MODPIN = "2468";
    inModule.PIN = "4321";
    inModule.SMSC = "+48501200777";
    inModule.slots[1].Function = SendSms;
    inModule.slots[1].setPhone("+48601000030");
    inModule.slots[1].setSmsText("Akumulator");
    sim_->setMemory(ToMemory(EncodeImageV11(inModule)));
    ModuleSettings expected;
    DecodeImageV11(EncodeImageV11(inModule), expected);

    dialogs_->pinToType = QStringLiteral("2468");
    press("readButton");
    QCOMPARE(dialogs_->pinDialogs, 1);
    QCOMPARE(dialogs_->askLines(),
             QStringList{QStringLiteral("Ustawienia z modułu odczytane i zdekodowane.")});
    QVERIFY(main_->settings() == expected);
    // The controls show what was read.
    QCOMPARE(edit("simPinEdit")->text(), QStringLiteral("4321"));
    QCOMPARE(edit("smsCentreEdit")->text(), QStringLiteral("+48501200777"));
    QCOMPARE(edit("modulePinEdit")->text(), QStringLiteral("2468"));
    // The settings keep their name: the user saves what was read under a name of choice.
    QCOMPARE(main_->settingsName(), QStringLiteral("Nowy"));
    // What was read is nothing to lose: a second "Odczyt" goes straight on.
    QVERIFY(!main_->settingsEdited());
    press("readButton");
    QCOMPARE(dialogs_->pinDialogs, 2);
    QCOMPARE(dialogs_->asks.size(), 2);
    QCOMPARE(dialogs_->asks[1].line1, QStringLiteral("Ustawienia z modułu odczytane i zdekodowane."));
    // The window's folder is shared by the test functions: the two reads among the others.
    QCOMPARE(archiveEntries().filter(QStringLiteral("-read-Nowy")).size(), 2);
}

QTEST_MAIN(TstOperationsSim)
#include "tst_operations_sim.moc"
