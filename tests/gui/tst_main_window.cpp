// The main window on real widgets: start-up, defaults, binding of the controls to the settings,
// the slot editor and the close question.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "gui_test_util.h"
#include "label3d.h"
#include "main_window.h"
#include "question_dialog.h"
#include "settings/cp1250.h"

using guitest::ModalScript;

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}
std::string Cp(const char* utf8) {
    return brenvox::Utf8ToCp1250(utf8).bytes;
}
}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> w_;

    MainWindow::Options options() const { return {dir_.path(), {}}; }
    guitest::MainForms f() { return guitest::MainForms(*w_); }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        w_ = std::make_unique<MainWindow>(options());
    }
    void cleanup() { w_.reset(); }

    void beforeStartUpTheWindowIsDisabledAndCaptionedGsm() {
        w_->show();
        // No event has been processed yet, so the 500 ms timer cannot have fired.
        QCOMPARE(w_->windowTitle(), U("GSM"));
        QVERIFY(!w_->isEnabled());
        QVERIFY(!w_->startedUp());
        auto* timer = w_->findChild<QTimer*>(U("startUpTimer"));
        QVERIFY(timer && timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 500);
        // A close attempt before start-up is ignored without a question.
        ModalScript script;
        script.start();
        QVERIFY(!w_->close());
        QVERIFY(script.unexpected.isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return w_->startedUp(); }, 30000));
        QCOMPARE(w_->windowTitle(), U("Kavrex V1.1"));
        QVERIFY(w_->isEnabled());
    }

    // Only the first page is built before the window appears; a page first opened by its tab
    // must come up whole, visible and bound like the others.
    void aPageFirstOpenedByItsTabIsVisibleAndBound() {
        w_->show();
        QVERIFY(!w_->findChild<QLineEdit*>(U("simPinEdit")));
        w_->findChild<QTabWidget*>(U("pageTabs"))->setCurrentIndex(1);
        auto* pin = w_->findChild<QLineEdit*>(U("simPinEdit"));
        QVERIFY(pin && pin->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return w_->startedUp(); }, 30000));
        QTest::keyClicks(pin, U("1234"));
        QCOMPARE(w_->settings().PIN, std::string("1234"));
    }

    void afterStartUpEveryControlHoldsItsDefault() {
        QVERIFY(guitest::StartMainWindow(*w_));
        QCOMPARE(w_->settingsName(), U("Nowy"));
        QCOMPARE(w_->statusText(), U(" Nazwa ustawień: Nowy"));
        QCOMPARE(w_->appDir(), dir_.path() + "/");
        QVERIFY(!w_->loadingGuard());

        for (QLineEdit* e :
             {f().simPinEdit, f().smsCentreEdit, f().onCodeEdit, f().offCodeEdit, f().event1PhoneEdit,
              f().event1SmsEdit, f().event2PhoneEdit, f().event2SmsEdit, f().phoneEdit, f().smsTextEdit})
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(f().modulePinEdit->text(), U("8361"));
        QVERIFY(!f().onAlarmCheck->isChecked());
        QVERIFY(!f().onInputs4To7Check->isChecked());
        QVERIFY(f().offByRingCheck->isChecked());
        QVERIFY(!f().offAfterTimeCheck->isChecked());
        const std::pair<QSpinBox*, int> spins[] = {
            {f().offTimeSpin, 60},     {f().smsLimitSpin, 20},        {f().smsLimitHoursSpin, 1},
            {f().smsAckTimeSpin, 45},  {f().smsTriesSpin, 5},         {f().ringTimeSpin, 30},
            {f().ringCountSpin, 1},    {f().ringGapSpin, 60},         {f().rejectAfterSpin, 5},
            {f().reportHoursSpin, 24}, {f().reportTenMinutesSpin, 0},
        };
        for (const auto& [spin, value] : spins) QCOMPARE(spin->value(), value);
        QVERIFY(f().rejectCallRadio->isChecked());
        QVERIFY(!f().answerCallRadio->isChecked());
        QCOMPARE(f().event1FunctionCombo->currentText(), U("Niewykorzystane"));
        QCOMPARE(f().event2FunctionCombo->currentIndex(), 0);
        QCOMPARE(f().portTypeCombo->currentText(), U("COM"));
        QCOMPARE(f().portNumberCombo->currentText(), U("1"));
        QCOMPARE(f().slotList->currentRow(), 0);
        QCOMPARE(f().commentEdit->text(), U("Wejście 1 - Blokada"));
        QVERIFY(f().onOpeningRadio->isChecked());
        QVERIFY(!f().lockedCheck->isChecked());
        QCOMPARE(w_->settings(), brenvox::ModuleSettings());
    }

    void pagesAndFixedForm() {
        const QStringList captions = {U("1.Pliki"), U("2.SIM"),  U("3.Wejścia"), U("4.Wyjście"),
                                      U("5.SMS"),   U("6.TEST"), U("7.RING "),   U("8.Moduł")};
        QCOMPARE(f().pageTabs->count(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(f().pageTabs->tabText(i), captions[i]);
            QVERIFY(!f().pageTabs->tabIcon(i).isNull());
        }
        QCOMPARE(f().pageTabs->widget(2), static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().pageTabs->iconSize(), QSize(24, 24));
        QCOMPARE(f().pageTabs->geometry(), QRect(4, 4, 631, 251));
        QCOMPARE(w_->size(), QSize(638, 277));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        QVERIFY(!(w_->windowFlags() & Qt::WindowMaximizeButtonHint));

        QCOMPARE(f().slotList->count(), 16);
        QCOMPARE(f().slotList->item(7)->text(), U("Pin8 - We3 - Alarm"));
        QCOMPARE(f().slotList->item(15)->text(), U("Pin12 - We7 - Uniwersalne 4"));
        QCOMPARE(f().slotList->geometry(), QRect(0, 0, 143, 212));
        QCOMPARE(f().smsTextEdit->geometry(), QRect(72, 65, 313, 21));
        QCOMPARE(f().onClosingRadio->geometry(), QRect(200, 92, 185, 17));
        // The descriptions read ". . ." until a slot is first shown.
        QCOMPARE(f().inputTitleLabel->text(), U(". . ."));
        QCOMPARE(f().closedStateLabel->text(), U(". . ."));

        const std::tuple<QSpinBox*, int, int> ranges[] = {
            {f().offTimeSpin, 1, 250},    {f().smsLimitSpin, 1, 250},       {f().smsLimitHoursSpin, 1, 42},
            {f().smsAckTimeSpin, 1, 250}, {f().smsTriesSpin, 1, 250},       {f().ringTimeSpin, 1, 45},
            {f().ringCountSpin, 1, 250},  {f().ringGapSpin, 1, 250},        {f().rejectAfterSpin, 1, 45},
            {f().reportHoursSpin, 0, 32}, {f().reportTenMinutesSpin, 0, 5},
        };
        for (const auto& [spin, lo, hi] : ranges) {
            QCOMPARE(spin->minimum(), lo);
            QCOMPARE(spin->maximum(), hi);
        }
        QCOMPARE(f().portTypeCombo->count(), 3);
        QCOMPARE(f().portNumberCombo->count(), 8);
        QCOMPARE(f().functionCombo->itemText(1), U("Wyślij wiadomość - SMS"));
        QCOMPARE(f().event1FunctionCombo->itemText(2), U("Zadzwoń - RING"));
    }

    // From a page's tab, the Tab key walks its controls as they are read: along each line, line
    // by line (of two radio buttons only the checked one takes the focus).
    void tabWalksEveryPageInReadingOrder() {
        QVERIFY(guitest::StartMainWindow(*w_));
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        const guitest::MainForms c = f();
        const QList<QStringList> orders = {
            {"newButton", "archiveButton", "printButton", "savePdfButton", "openButton", "saveButton",
             "saveAsButton"},
            {"simPinEdit", "smsCentreEdit", "eraGsmButton", "plusGsmButton", "ideaButton"},
            {"slotList", "commentEdit", "lockedCheck", "functionCombo", "phoneEdit", "smsTextEdit",
             "onOpeningRadio"},
            {"onAlarmCheck", "onInputs4To7Check", "onCodeEdit", "offByRingCheck", "offAfterTimeCheck",
             "offTimeSpin", "offCodeEdit"},
            {"smsLimitSpin", "smsLimitHoursSpin", "smsAckTimeSpin", "smsTriesSpin"},
            {"reportHoursSpin", "reportTenMinutesSpin", "event1FunctionCombo", "event1PhoneEdit",
             "event1SmsEdit", "event2FunctionCombo", "event2PhoneEdit", "event2SmsEdit"},
            {"ringTimeSpin", "ringCountSpin", "ringGapSpin", "rejectCallRadio", "rejectAfterSpin"},
            {"programButton", "modulePinEdit", "portTypeCombo", "FindModuleButton", "portNumberCombo",
             "PortDeviceBox", "compareButton", "readButton"},
        };
        for (int page = 0; page < orders.size(); ++page) {
            c.pageTabs->setCurrentIndex(page);
            c.pageTabs->tabBar()->setFocus();
            QStringList walked;
            for (int i = 0; i <= orders[page].size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                walked << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(walked, orders[page] + QStringList{"qt_tabwidget_tabbar"});
        }
    }

    void controlsAreNamedForScreenReaders() {
        auto name = [](QWidget* w) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            return a ? a->text(QAccessible::Name) : QString();
        };
        QCOMPARE(name(f().simPinEdit), U("Czterocyfrowy kod PIN karty SIM"));
        QCOMPARE(name(f().smsCentreEdit), U("Numer centrum SMS operatora sieci GSM/DCS"));
        QCOMPARE(name(f().smsLimitSpin), U("Wysyłaj maksymalnie"));
        QVERIFY(name(f().smsLimitHoursSpin).startsWith(U("wiadomości SMS w ciągu")));
        QCOMPARE(name(f().commentEdit), U("Komentarz użytkownika"));
        // Combo boxes report their current item as the name; the label comes with the relation
        // to its buddy, and the name set on the box.
        auto buddyText = [this](QWidget* w) {
            for (QLabel* l : w_->findChildren<QLabel*>())
                if (l->buddy() == w) return l->text();
            return QString();
        };
        QCOMPARE(buddyText(f().functionCombo), U("Funkcja"));
        QCOMPARE(f().functionCombo->accessibleName(), U("Funkcja"));
        QCOMPARE(buddyText(f().portNumberCombo), U("Numer portu transmisji z modułem"));
        QCOMPARE(buddyText(f().smsTextEdit), U("Treść SMS"));
        QCOMPARE(name(f().programButton), U("Programuj"));
        QCOMPARE(name(f().lockedCheck), U("Blokowane"));
        QVERIFY(name(f().modulePinEdit).startsWith(U("PIN wymagany do odczytu")));
        // Buttons describe themselves by the texts beside them.
        QCOMPARE(f().openButton->accessibleDescription(), f().openLabel->text());
        QCOMPARE(f().ideaButton->accessibleDescription(),
                 U("Automatyczne wstawienie numeru centrum SMS dla operatora:"));
        // Every editing control has a name.
        for (QWidget* w : w_->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QSpinBox*>(w)) {
                if (w->parent() &&
                    (qobject_cast<QSpinBox*>(w->parent()) || qobject_cast<QComboBox*>(w->parent())))
                    continue;  // the inner line edit of a spin or combo box
                if (w->objectName().startsWith(U("qt_")) || w->window() != w_.get()) continue;
                QVERIFY2(!name(w).isEmpty(), qPrintable(w->objectName()));
            }
        }
    }

    void userEditsReachTheSettingsAtOnce() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().simPinEdit->setFocus();
        QTest::keyClicks(f().simPinEdit, "1234");
        QCOMPARE(w_->settings().PIN, std::string("1234"));
        QTest::keyClicks(f().simPinEdit, "5");  // a fifth character is refused
        QCOMPARE(f().simPinEdit->text(), U("1234"));
        f().onAlarmCheck->click();
        QVERIFY(w_->settings().ONALARM);
        f().smsLimitHoursSpin->setValue(30);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::SMSTIME), 30);
        f().answerCallRadio->click();
        QVERIFY(!w_->settings().RINGCUT);
        f().event2FunctionCombo->setCurrentIndex(2);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::TEST2TYPE), 2);
        // Letters typed into a combo box change nothing.
        for (QComboBox* box : {f().functionCombo, f().portTypeCombo, f().portNumberCombo,
                               f().event1FunctionCombo, f().event2FunctionCombo}) {
            const int before = box->currentIndex();
            box->setFocus();
            QTest::keyClicks(box, "Z1W ");
            QCOMPARE(box->currentIndex(), before);
        }
        QCOMPARE(w_->settings().get(brenvox::IntSetting::TEST2TYPE), 2);
        // Polish letters are code page 1250 characters; others cannot be typed.
        f().event1SmsEdit->setFocus();
        guitest::TypeText(f().event1SmsEdit, U("Łódź€"));
        guitest::TypeText(f().event1SmsEdit, U("→漢"));
        QCOMPARE(f().event1SmsEdit->text(), U("Łódź€"));
        QCOMPARE(w_->settings().TEST1SMS, Cp("Łódź€"));
    }

    void programSetValuesRefreshWithoutStoringBack() {
        QVERIFY(guitest::StartMainWindow(*w_));
        brenvox::ModuleSettings& s = w_->settings();
        s.PIN = "123456789";  // longer than the four characters the user may type
        s.TEST1SMS = std::string(96, 'x');
        s.TEST2SMS = std::string(40000, 'y');  // more than a line edit holds: shown cut, kept whole
        s.RINGCUT = false;
        s.set(brenvox::IntSetting::TEST1TYPE, 7);  // outside the list: no selection
        s.set(brenvox::IntSetting::SMSTIME, 50);   // clamped to 42 by the store
        const brenvox::ModuleSettings expected = s;
        w_->refreshControls();
        QCOMPARE(w_->settings(), expected);  // filling the controls stored nothing back
        QCOMPARE(f().simPinEdit->text(), U("123456789"));
        QCOMPARE(f().event1SmsEdit->text().size(), 96);
        QVERIFY(f().answerCallRadio->isChecked());
        QVERIFY(!f().rejectCallRadio->isChecked());
        QCOMPARE(f().event1FunctionCombo->currentIndex(), -1);
        QCOMPARE(f().smsLimitHoursSpin->value(), 42);
        QVERIFY(!w_->loadingGuard());

        // The long text may shrink but not grow.
        f().event1SmsEdit->setFocus();
        f().event1SmsEdit->end(false);
        QTest::keyClick(f().event1SmsEdit, Qt::Key_A);
        QCOMPARE(f().event1SmsEdit->text().size(), 96);
        QTest::keyClick(f().event1SmsEdit, Qt::Key_Backspace);
        QCOMPARE(f().event1SmsEdit->text().size(), 95);
        QCOMPARE(s.TEST1SMS, std::string(95, 'x'));
    }

    void slotEditorShowsTheSelectedSlot() {
        QVERIFY(guitest::StartMainWindow(*w_));
        auto& slots = w_->settings().slots;
        slots[4].setComment("four");
        slots[4].Function = brenvox::SendSms;
        slots[5].setComment("five");
        slots[5].Function = brenvox::Ring;
        slots[5].Reaction = brenvox::OnClosing;
        slots[5].setPhone("+48111222333");
        slots[5].setSmsText("alarm");
        slots[5].Locked = true;
        f().pageTabs->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        f().slotList->setCurrentRow(5);
        QCOMPARE(f().inputTitleLabel->text(), U("Wejście 3 - Alarm aktywny  (zwierne do +12V)."));
        QCOMPARE(f().openStateLabel->text(), U("Napięcie poniżej 7V (rozwarte) - stan normalny systemu."));
        QCOMPARE(f().closedStateLabel->text(),
                 U("Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne."));
        QCOMPARE(f().onOpeningRadio->text(), U("Rozwarcie - Koniec alarmu"));
        QCOMPARE(f().onClosingRadio->text(), U("Zwarcie - Alarm uaktywniony"));
        QCOMPARE(f().commentEdit->text(), U("five"));
        QCOMPARE(f().functionCombo->currentIndex(), 2);
        QVERIFY(f().onClosingRadio->isChecked());
        QVERIFY(!f().onOpeningRadio->isChecked());
        QCOMPARE(f().phoneEdit->text(), U("+48111222333"));
        QCOMPARE(f().smsTextEdit->text(), U("alarm"));
        QVERIFY(f().lockedCheck->isChecked());

        f().slotList->setCurrentRow(4);
        QCOMPARE(f().inputTitleLabel->text(), U("Wejście 3 - Alarm aktywny  (zwierne do +12V)."));
        QCOMPARE(f().onClosingRadio->text(), U("Zwarcie - Alarm uaktywniony"));
        QCOMPARE(f().commentEdit->text(), U("four"));
        QCOMPARE(f().functionCombo->currentIndex(), 1);
        QVERIFY(f().onOpeningRadio->isChecked());
        QVERIFY(!f().lockedCheck->isChecked());
        // Switching slots stored nothing into either of them.
        QCOMPARE(slots[5].Function, int32_t(brenvox::Ring));
        QCOMPARE(slots[4].Phone, std::string());

        f().slotList->setCurrentRow(9);
        QCOMPARE(f().inputTitleLabel->text(), U("Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V)."));
        QCOMPARE(f().onOpeningRadio->text(), U("Rozwarcie - Rozwarte"));
        f().slotList->setCurrentRow(14);
        QCOMPARE(f().inputTitleLabel->text(), U("Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V)."));
        QCOMPARE(f().closedStateLabel->text(),
                 U("Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony."));
    }

    void oneCharacterStoresTheWholeRecord() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().pageTabs->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        f().slotList->setCurrentRow(6);
        f().functionCombo->setCurrentIndex(2);
        f().onClosingRadio->click();
        f().lockedCheck->click();
        brenvox::InputSlot& slot = w_->settings().slots[6];
        QCOMPARE(slot.Function, 2);
        QCOMPARE(slot.Reaction, 1);
        QVERIFY(slot.Locked);
        // Change the record behind the editor's back: one typed character puts all six fields
        // back as the editor shows them.
        slot = brenvox::InputSlot{};
        f().smsTextEdit->setFocus();
        QTest::keyClicks(f().smsTextEdit, "Q");
        QCOMPARE(slot.SmsText, std::string("Q"));
        QCOMPARE(slot.Function, 2);
        QCOMPARE(slot.Reaction, 1);
        QVERIFY(slot.Locked);
        QCOMPARE(slot.Comment, Cp("Wejście 3 - Alarm"));
        // No other slot changed.
        QCOMPARE(w_->settings().slots[5], brenvox::ModuleSettings().slots[5]);
        QCOMPARE(w_->settings().slots[7], brenvox::ModuleSettings().slots[7]);
    }

    void slotValuesOutsideTheListsShowNothingSelected() {
        QVERIFY(guitest::StartMainWindow(*w_));
        auto& slot = w_->settings().slots[3];
        slot.Function = 5;
        slot.Reaction = 7;
        f().slotList->setCurrentRow(3);
        QCOMPARE(f().functionCombo->currentIndex(), -1);
        QVERIFY(!f().onOpeningRadio->isChecked());
        QVERIFY(!f().onClosingRadio->isChecked());
        // Showing values the editor cannot show stored nothing back.
        QCOMPARE(slot.Function, 5);
        QCOMPARE(slot.Reaction, 7);
        // A store with nothing chosen writes -1 as the function and keeps the reaction.
        f().phoneEdit->setFocus();
        QTest::keyClicks(f().phoneEdit, "1");
        QCOMPARE(slot.Function, -1);
        QCOMPARE(slot.Reaction, 7);
        f().onOpeningRadio->click();
        QCOMPARE(slot.Reaction, 0);
    }

    void commentOf128IsStoredWholeAnd129thRefused() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().slotList->setCurrentRow(2);
        f().commentEdit->clear();
        f().commentEdit->setFocus();
        const QString text(128, QLatin1Char('k'));
        QTest::keyClicks(f().commentEdit, text);
        QCOMPARE(w_->settings().slots[2].Comment, std::string(128, 'k'));
        QTest::keyClicks(f().commentEdit, "z");
        QCOMPARE(f().commentEdit->text(), text);
        QCOMPARE(w_->settings().slots[2].Comment, std::string(128, 'k'));
        // A 96-character SMS text from a file is shown whole although only 80 can be typed.
        w_->settings().slots[2].setSmsText(std::string(96, 's'));
        w_->pages().inputs->loadSlotEditor();
        QCOMPARE(f().smsTextEdit->text().size(), 96);
    }

    void testEventFieldsChangeNoSlot() {
        QVERIFY(guitest::StartMainWindow(*w_));
        const auto before = w_->settings().slots;
        for (QLineEdit* e :
             {f().event1PhoneEdit, f().event1SmsEdit, f().event2PhoneEdit, f().event2SmsEdit}) {
            e->setFocus();
            QTest::keyClicks(e, "123");
        }
        f().event1FunctionCombo->setCurrentIndex(1);
        QVERIFY(w_->settings().slots == before);
        QCOMPARE(w_->settings().TEST1PHONE, std::string("123"));
        QCOMPARE(w_->settings().TEST2SMS, std::string("123"));
    }

    void resetAndPageShowReloadTheEditor() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().slotList->setCurrentRow(0);
        f().commentEdit->setText(U("zmieniony"));
        f().functionCombo->setCurrentIndex(1);
        f().onClosingRadio->click();
        f().smsTextEdit->setText(U("tekst"));
        ModalScript script;
        script.ask(AskYes).start();
        f().newButton->click();  // "Nowy"
        QVERIFY(script.finished());
        QCOMPARE(script.asks.at(0).line1, U("Opcja ta spowoduje usunięcie bieżących ustawień!"));
        QCOMPARE(script.asks.at(0).line2, U("Czy potwierdzasz jej wykonanie?"));
        QCOMPARE(script.asks.at(0).caption, U("Potwierdź"));
        f().pageTabs->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().slotList->currentRow(), 0);
        QCOMPARE(f().commentEdit->text(), U("Wejście 1 - Blokada"));
        QCOMPARE(f().functionCombo->currentText(), U("Niewykorzystane"));
        QVERIFY(f().onOpeningRadio->isChecked());
        QCOMPARE(f().onOpeningRadio->text(), U("Rozwarcie - Praca dozwolona"));
        QVERIFY(f().phoneEdit->text().isEmpty());
        QVERIFY(f().smsTextEdit->text().isEmpty());
        QVERIFY(!f().lockedCheck->isChecked());
        QVERIFY(!w_->loadingGuard());

        // Settings changed behind the editor (as a file load does) show when the page shows.
        f().pageTabs->setCurrentIndex(0);
        w_->settings().slots[0].setComment("z pliku");
        f().pageTabs->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().commentEdit->text(), U("z pliku"));
    }

    void answeringNieToNowyKeepsTheSettings() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().smsCentreEdit->setText(U("+48123"));
        ModalScript script;
        script.ask(AskNo).start();
        f().newButton->click();
        QVERIFY(script.finished());
        QCOMPARE(w_->settings().SMSC, std::string("+48123"));
    }

    // Enter, or the keypad's Enter, presses the focused button, as on Windows; in the question
    // that follows, Enter presses the focused "Nie". A key held down presses once.
    void enterPressesTheFocusedButton() {
        QVERIFY(guitest::StartMainWindow(*w_));
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        f().smsCentreEdit->setText(U("+48123"));
        f().newButton->setFocus();
        ModalScript script;
        // The question has the focus once it is the active window; a key sent before that (the
        // script's timer can run before the activation arrives) would press the window's button.
        const auto enterOnFocused = [](QWidget* question) {
            question->activateWindow();
            if (QTest::qWaitForWindowActive(question))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                question->close();  // fails the test below, not hangs it
        };
        script.then(enterOnFocused).then(enterOnFocused).start();
        // Back from the question the window is active again (the offscreen platform needs telling).
        const auto backFromTheQuestion = [this] {
            w_->activateWindow();
            return QTest::qWaitForWindowActive(w_.get()) && f().newButton->hasFocus();
        };
        QTest::keyClick(f().newButton, Qt::Key_Return);
        QVERIFY(backFromTheQuestion());
        QTest::keyClick(f().newButton, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(backFromTheQuestion());
        QTest::simulateEvent(f().newButton, true, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QTest::qWait(50);
        QCOMPARE(script.handled(), std::size_t(2));
        QVERIFY(script.unexpected.isEmpty());
        QCOMPARE(w_->settings().SMSC, std::string("+48123"));
    }

    void nieToTheCloseQuestionKeepsTheProgramOpen() {
        QVERIFY(guitest::StartMainWindow(*w_));
        ModalScript script;
        script.ask(AskNo).start();
        QVERIFY(!w_->close());
        QVERIFY(w_->isVisible());
        QCOMPARE(script.asks.size(), std::size_t(1));
        QCOMPARE(script.asks[0].line1, U("Czy na pewno chcesz zakończyć pracę programu?"));
        QVERIFY(script.asks[0].line2.isEmpty());
        QCOMPARE(script.asks[0].caption, U("Potwierdź"));
        QTest::qWait(50);
        QVERIFY(script.unexpected.isEmpty());
    }

    void confirmedCloseOffersToSave() {
        QVERIFY(guitest::StartMainWindow(*w_));
        {
            ModalScript script;  // "OK", then "Nie" to saving: closes without a dialog
            script.ask(AskYes).ask(AskNo).start();
            QVERIFY(w_->close());
            QCOMPARE(script.asks.size(), std::size_t(2));
            QCOMPARE(script.asks[1].line1, U("Czy zapisać aktualne ustawienia na dysk?"));
            QVERIFY(script.unexpected.isEmpty());
            QVERIFY(script.fileDialogs.isEmpty());
        }
        w_->show();
        {
            ModalScript script;  // "OK", "OK", and the save dialog cancelled: still closes
            script.ask(AskYes).ask(AskYes).file({}).start();
            QVERIFY(w_->close());
            QCOMPARE(script.fileDialogs, QStringList{U("saveDialog")});
            QVERIFY(!w_->isVisible());
        }
    }

    void presetsReplaceTheSmsCentre() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().smsCentreEdit->setText(U("+4899"));
        f().ideaButton->click();
        QCOMPARE(f().smsCentreEdit->text(), U("+48501200777"));
        f().eraGsmButton->click();
        QCOMPARE(f().smsCentreEdit->text(), U("+48602951111"));
        QCOMPARE(w_->settings().SMSC, std::string("+48602951111"));
        f().plusGsmButton->click();
        QCOMPARE(w_->settings().SMSC, std::string("+48601000310"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
