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
#include "settings/cp1250.h"
#include "tfask.h"
#include "tfmain.h"

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
    std::unique_ptr<TFMain> w_;

    TFMain::Options options() const { return {dir_.path(), {}}; }
    guitest::MainForms f() { return guitest::MainForms(*w_); }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        w_ = std::make_unique<TFMain>(options());
    }
    void cleanup() { w_.reset(); }

    void beforeStartUpTheWindowIsDisabledAndCaptionedGsm() {
        w_->show();
        // No event has been processed yet, so the 500 ms timer cannot have fired.
        QCOMPARE(w_->windowTitle(), U("GSM"));
        QVERIFY(!w_->isEnabled());
        QVERIFY(!w_->startedUp());
        auto* timer = w_->findChild<QTimer*>(U("Timer1"));
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
        QVERIFY(!w_->findChild<QLineEdit*>(U("Edit4")));
        w_->findChild<QTabWidget*>(U("PageControl1"))->setCurrentIndex(1);
        auto* pin = w_->findChild<QLineEdit*>(U("Edit4"));
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

        for (QLineEdit* e : {f().Edit4, f().Edit5, f().Edit6, f().Edit11, f().Edit7, f().Edit8, f().Edit9,
                             f().Edit10, f().Edit2, f().Edit3})
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(f().Edit12->text(), U("8361"));
        QVERIFY(!f().CheckBox3->isChecked());
        QVERIFY(!f().CheckBox4->isChecked());
        QVERIFY(f().CheckBox1->isChecked());
        QVERIFY(!f().CheckBox2->isChecked());
        const std::pair<QSpinBox*, int> spins[] = {
            {f().SpinEdit9, 60}, {f().SpinEdit8, 20},  {f().SpinEdit1, 1},  {f().SpinEdit2, 45},
            {f().SpinEdit3, 5},  {f().SpinEdit4, 30},  {f().SpinEdit5, 1},  {f().SpinEdit6, 60},
            {f().SpinEdit7, 5},  {f().SpinEdit10, 24}, {f().SpinEdit11, 0},
        };
        for (const auto& [spin, value] : spins) QCOMPARE(spin->value(), value);
        QVERIFY(f().RadioButton5->isChecked());
        QVERIFY(!f().RadioButton6->isChecked());
        QCOMPARE(f().ComboBox4->currentText(), U("Niewykorzystane"));
        QCOMPARE(f().ComboBox5->currentIndex(), 0);
        QCOMPARE(f().ComboBox2->currentText(), U("COM"));
        QCOMPARE(f().ComboBox3->currentText(), U("1"));
        QCOMPARE(f().ListBox1->currentRow(), 0);
        QCOMPARE(f().Edit1->text(), U("Wejście 1 - Blokada"));
        QVERIFY(f().RadioButton1->isChecked());
        QVERIFY(!f().CheckBox5->isChecked());
        QCOMPARE(w_->settings(), brenvox::ModuleSettings());
    }

    void pagesAndFixedForm() {
        const QStringList captions = {U("1.Pliki"), U("2.SIM"),  U("3.Wejścia"), U("4.Wyjście"),
                                      U("5.SMS"),   U("6.TEST"), U("7.RING "),   U("8.Moduł")};
        QCOMPARE(f().PageControl1->count(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(f().PageControl1->tabText(i), captions[i]);
            QVERIFY(!f().PageControl1->tabIcon(i).isNull());
        }
        QCOMPARE(f().PageControl1->widget(2), static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().PageControl1->iconSize(), QSize(24, 24));
        QCOMPARE(f().PageControl1->geometry(), QRect(4, 4, 631, 251));
        QCOMPARE(w_->size(), QSize(638, 277));
        QCOMPARE(w_->minimumSize(), w_->maximumSize());
        QVERIFY(!(w_->windowFlags() & Qt::WindowMaximizeButtonHint));

        QCOMPARE(f().ListBox1->count(), 16);
        QCOMPARE(f().ListBox1->item(7)->text(), U("Pin8 - We3 - Alarm"));
        QCOMPARE(f().ListBox1->item(15)->text(), U("Pin12 - We7 - Uniwersalne 4"));
        QCOMPARE(f().ListBox1->geometry(), QRect(0, 0, 143, 212));
        QCOMPARE(f().Edit3->geometry(), QRect(72, 65, 313, 21));
        QCOMPARE(f().RadioButton2->geometry(), QRect(200, 92, 185, 17));
        // The descriptions read ". . ." until a slot is first shown.
        QCOMPARE(f().Label3D1->text(), U(". . ."));
        QCOMPARE(f().Label3D3->text(), U(". . ."));

        const std::tuple<QSpinBox*, int, int> ranges[] = {
            {f().SpinEdit9, 1, 250}, {f().SpinEdit8, 1, 250}, {f().SpinEdit1, 1, 42},
            {f().SpinEdit2, 1, 250}, {f().SpinEdit3, 1, 250}, {f().SpinEdit4, 1, 45},
            {f().SpinEdit5, 1, 250}, {f().SpinEdit6, 1, 250}, {f().SpinEdit7, 1, 45},
            {f().SpinEdit10, 0, 32}, {f().SpinEdit11, 0, 5},
        };
        for (const auto& [spin, lo, hi] : ranges) {
            QCOMPARE(spin->minimum(), lo);
            QCOMPARE(spin->maximum(), hi);
        }
        QCOMPARE(f().ComboBox2->count(), 3);
        QCOMPARE(f().ComboBox3->count(), 8);
        QCOMPARE(f().ComboBox1->itemText(1), U("Wyślij wiadomość - SMS"));
        QCOMPARE(f().ComboBox4->itemText(2), U("Zadzwoń - RING"));
    }

    // From a page's tab, the Tab key walks its controls as they are read: along each line, line
    // by line (of two radio buttons only the checked one takes the focus).
    void tabWalksEveryPageInReadingOrder() {
        QVERIFY(guitest::StartMainWindow(*w_));
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        const guitest::MainForms c = f();
        const QList<QStringList> orders = {
            {"BitBtn4", "BitBtn15", "BitBtn13", "BitBtn14", "BitBtn9", "BitBtn10", "BitBtn11"},
            {"Edit4", "Edit5", "BitBtn1", "BitBtn2", "BitBtn3"},
            {"ListBox1", "Edit1", "CheckBox5", "ComboBox1", "Edit2", "Edit3", "RadioButton1"},
            {"CheckBox3", "CheckBox4", "Edit6", "CheckBox1", "CheckBox2", "SpinEdit9", "Edit11"},
            {"SpinEdit8", "SpinEdit1", "SpinEdit2", "SpinEdit3"},
            {"SpinEdit10", "SpinEdit11", "ComboBox4", "Edit7", "Edit8", "ComboBox5", "Edit9", "Edit10"},
            {"SpinEdit4", "SpinEdit5", "SpinEdit6", "RadioButton5", "SpinEdit7"},
        };
        for (int page = 0; page < orders.size(); ++page) {
            c.PageControl1->setCurrentIndex(page);
            c.PageControl1->tabBar()->setFocus();
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
        QCOMPARE(name(f().Edit4), U("Czterocyfrowy kod PIN karty SIM"));
        QCOMPARE(name(f().Edit5), U("Numer centrum SMS operatora sieci GSM/DCS"));
        QCOMPARE(name(f().SpinEdit8), U("Wysyłaj maksymalnie"));
        QVERIFY(name(f().SpinEdit1).startsWith(U("wiadomości SMS w ciągu")));
        QCOMPARE(name(f().Edit1), U("Komentarz użytkownika"));
        // Combo boxes report their current item as the name; the label comes with the relation
        // to its buddy, and the name set on the box.
        auto buddyText = [this](QWidget* w) {
            for (QLabel* l : w_->findChildren<QLabel*>())
                if (l->buddy() == w) return l->text();
            return QString();
        };
        QCOMPARE(buddyText(f().ComboBox1), U("Funkcja"));
        QCOMPARE(f().ComboBox1->accessibleName(), U("Funkcja"));
        QCOMPARE(buddyText(f().ComboBox3), U("Numer portu transmisji z modułem"));
        QCOMPARE(buddyText(f().Edit3), U("Treść SMS"));
        QCOMPARE(name(f().BitBtn5), U("Programuj"));
        QCOMPARE(name(f().CheckBox5), U("Blokowane"));
        QVERIFY(name(f().Edit12).startsWith(U("PIN wymagany do odczytu")));
        // Buttons describe themselves by the texts beside them.
        QCOMPARE(f().BitBtn9->accessibleDescription(), f().Label3->text());
        QCOMPARE(f().BitBtn3->accessibleDescription(),
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
        f().Edit4->setFocus();
        QTest::keyClicks(f().Edit4, "1234");
        QCOMPARE(w_->settings().PIN, std::string("1234"));
        QTest::keyClicks(f().Edit4, "5");  // a fifth character is refused
        QCOMPARE(f().Edit4->text(), U("1234"));
        f().CheckBox3->click();
        QVERIFY(w_->settings().ONALARM);
        f().SpinEdit1->setValue(30);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::SMSTIME), 30);
        f().RadioButton6->click();
        QVERIFY(!w_->settings().RINGCUT);
        f().ComboBox5->setCurrentIndex(2);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::TEST2TYPE), 2);
        // Letters typed into a combo box change nothing.
        for (QComboBox* box : {f().ComboBox1, f().ComboBox2, f().ComboBox3, f().ComboBox4, f().ComboBox5}) {
            const int before = box->currentIndex();
            box->setFocus();
            QTest::keyClicks(box, "Z1W ");
            QCOMPARE(box->currentIndex(), before);
        }
        QCOMPARE(w_->settings().get(brenvox::IntSetting::TEST2TYPE), 2);
        // Polish letters are code page 1250 characters; others cannot be typed.
        f().Edit8->setFocus();
        guitest::TypeText(f().Edit8, U("Łódź€"));
        guitest::TypeText(f().Edit8, U("→漢"));
        QCOMPARE(f().Edit8->text(), U("Łódź€"));
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
        QCOMPARE(f().Edit4->text(), U("123456789"));
        QCOMPARE(f().Edit8->text().size(), 96);
        QVERIFY(f().RadioButton6->isChecked());
        QVERIFY(!f().RadioButton5->isChecked());
        QCOMPARE(f().ComboBox4->currentIndex(), -1);
        QCOMPARE(f().SpinEdit1->value(), 42);
        QVERIFY(!w_->loadingGuard());

        // The long text may shrink but not grow.
        f().Edit8->setFocus();
        f().Edit8->end(false);
        QTest::keyClick(f().Edit8, Qt::Key_A);
        QCOMPARE(f().Edit8->text().size(), 96);
        QTest::keyClick(f().Edit8, Qt::Key_Backspace);
        QCOMPARE(f().Edit8->text().size(), 95);
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
        f().PageControl1->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        f().ListBox1->setCurrentRow(5);
        QCOMPARE(f().Label3D1->text(), U("Wejście 3 - Alarm aktywny  (zwierne do +12V)."));
        QCOMPARE(f().Label3D2->text(), U("Napięcie poniżej 7V (rozwarte) - stan normalny systemu."));
        QCOMPARE(f().Label3D3->text(), U("Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne."));
        QCOMPARE(f().RadioButton1->text(), U("Rozwarcie - Koniec alarmu"));
        QCOMPARE(f().RadioButton2->text(), U("Zwarcie - Alarm uaktywniony"));
        QCOMPARE(f().Edit1->text(), U("five"));
        QCOMPARE(f().ComboBox1->currentIndex(), 2);
        QVERIFY(f().RadioButton2->isChecked());
        QVERIFY(!f().RadioButton1->isChecked());
        QCOMPARE(f().Edit2->text(), U("+48111222333"));
        QCOMPARE(f().Edit3->text(), U("alarm"));
        QVERIFY(f().CheckBox5->isChecked());

        f().ListBox1->setCurrentRow(4);
        QCOMPARE(f().Label3D1->text(), U("Wejście 3 - Alarm aktywny  (zwierne do +12V)."));
        QCOMPARE(f().RadioButton2->text(), U("Zwarcie - Alarm uaktywniony"));
        QCOMPARE(f().Edit1->text(), U("four"));
        QCOMPARE(f().ComboBox1->currentIndex(), 1);
        QVERIFY(f().RadioButton1->isChecked());
        QVERIFY(!f().CheckBox5->isChecked());
        // Switching slots stored nothing into either of them.
        QCOMPARE(slots[5].Function, int32_t(brenvox::Ring));
        QCOMPARE(slots[4].Phone, std::string());

        f().ListBox1->setCurrentRow(9);
        QCOMPARE(f().Label3D1->text(), U("Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V)."));
        QCOMPARE(f().RadioButton1->text(), U("Rozwarcie - Rozwarte"));
        f().ListBox1->setCurrentRow(14);
        QCOMPARE(f().Label3D1->text(), U("Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V)."));
        QCOMPARE(f().Label3D3->text(), U("Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony."));
    }

    void oneCharacterStoresTheWholeRecord() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().PageControl1->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        f().ListBox1->setCurrentRow(6);
        f().ComboBox1->setCurrentIndex(2);
        f().RadioButton2->click();
        f().CheckBox5->click();
        brenvox::InputSlot& slot = w_->settings().slots[6];
        QCOMPARE(slot.Function, 2);
        QCOMPARE(slot.Reaction, 1);
        QVERIFY(slot.Locked);
        // Change the record behind the editor's back: one typed character puts all six fields
        // back as the editor shows them.
        slot = brenvox::InputSlot{};
        f().Edit3->setFocus();
        QTest::keyClicks(f().Edit3, "Q");
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
        f().ListBox1->setCurrentRow(3);
        QCOMPARE(f().ComboBox1->currentIndex(), -1);
        QVERIFY(!f().RadioButton1->isChecked());
        QVERIFY(!f().RadioButton2->isChecked());
        // Showing values the editor cannot show stored nothing back.
        QCOMPARE(slot.Function, 5);
        QCOMPARE(slot.Reaction, 7);
        // A store with nothing chosen writes -1 as the function and keeps the reaction.
        f().Edit2->setFocus();
        QTest::keyClicks(f().Edit2, "1");
        QCOMPARE(slot.Function, -1);
        QCOMPARE(slot.Reaction, 7);
        f().RadioButton1->click();
        QCOMPARE(slot.Reaction, 0);
    }

    void commentOf128IsStoredWholeAnd129thRefused() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().ListBox1->setCurrentRow(2);
        f().Edit1->clear();
        f().Edit1->setFocus();
        const QString text(128, QLatin1Char('k'));
        QTest::keyClicks(f().Edit1, text);
        QCOMPARE(w_->settings().slots[2].Comment, std::string(128, 'k'));
        QTest::keyClicks(f().Edit1, "z");
        QCOMPARE(f().Edit1->text(), text);
        QCOMPARE(w_->settings().slots[2].Comment, std::string(128, 'k'));
        // A 96-character SMS text from a file is shown whole although only 80 can be typed.
        w_->settings().slots[2].setSmsText(std::string(96, 's'));
        w_->pages().inputs->loadSlotEditor();
        QCOMPARE(f().Edit3->text().size(), 96);
    }

    void testEventFieldsChangeNoSlot() {
        QVERIFY(guitest::StartMainWindow(*w_));
        const auto before = w_->settings().slots;
        for (QLineEdit* e : {f().Edit7, f().Edit8, f().Edit9, f().Edit10}) {
            e->setFocus();
            QTest::keyClicks(e, "123");
        }
        f().ComboBox4->setCurrentIndex(1);
        QVERIFY(w_->settings().slots == before);
        QCOMPARE(w_->settings().TEST1PHONE, std::string("123"));
        QCOMPARE(w_->settings().TEST2SMS, std::string("123"));
    }

    void resetAndPageShowReloadTheEditor() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().ListBox1->setCurrentRow(0);
        f().Edit1->setText(U("zmieniony"));
        f().ComboBox1->setCurrentIndex(1);
        f().RadioButton2->click();
        f().Edit3->setText(U("tekst"));
        ModalScript script;
        script.ask(AskYes).start();
        f().BitBtn4->click();  // "Nowy"
        QVERIFY(script.finished());
        QCOMPARE(script.asks.at(0).line1, U("Opcja ta spowoduje usunięcie bieżących ustawień!"));
        QCOMPARE(script.asks.at(0).line2, U("Czy potwierdzasz jej wykonanie?"));
        QCOMPARE(script.asks.at(0).caption, U("Potwierdź"));
        f().PageControl1->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().ListBox1->currentRow(), 0);
        QCOMPARE(f().Edit1->text(), U("Wejście 1 - Blokada"));
        QCOMPARE(f().ComboBox1->currentText(), U("Niewykorzystane"));
        QVERIFY(f().RadioButton1->isChecked());
        QCOMPARE(f().RadioButton1->text(), U("Rozwarcie - Praca dozwolona"));
        QVERIFY(f().Edit2->text().isEmpty());
        QVERIFY(f().Edit3->text().isEmpty());
        QVERIFY(!f().CheckBox5->isChecked());
        QVERIFY(!w_->loadingGuard());

        // Settings changed behind the editor (as a file load does) show when the page shows.
        f().PageControl1->setCurrentIndex(0);
        w_->settings().slots[0].setComment("z pliku");
        f().PageControl1->setCurrentWidget(static_cast<QWidget*>(w_->pages().inputs));
        QCOMPARE(f().Edit1->text(), U("z pliku"));
    }

    void answeringNieToNowyKeepsTheSettings() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().Edit5->setText(U("+48123"));
        ModalScript script;
        script.ask(AskNo).start();
        f().BitBtn4->click();
        QVERIFY(script.finished());
        QCOMPARE(w_->settings().SMSC, std::string("+48123"));
    }

    // Enter, or the keypad's Enter, presses the focused button, as on Windows; in the question
    // that follows, Enter presses the focused "Nie". A key held down presses once.
    void enterPressesTheFocusedButton() {
        QVERIFY(guitest::StartMainWindow(*w_));
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        f().Edit5->setText(U("+48123"));
        f().BitBtn4->setFocus();
        ModalScript script;
        // The question's own focused button ("Nie"): the application's focus may not have moved
        // into the dialog yet on a slow machine, and Return on "Nowy" would ask again inside.
        const auto enterOnFocused = [](QWidget* modal) {
            QWidget* focused = modal->focusWidget();
            QTest::keyClick(focused ? focused : modal, Qt::Key_Return);
        };
        script.then(enterOnFocused).then(enterOnFocused).start();
        // Back from the question the window is active again (the offscreen platform needs telling).
        const auto backFromTheQuestion = [this] {
            w_->activateWindow();
            return QTest::qWaitForWindowActive(w_.get()) && f().BitBtn4->hasFocus();
        };
        QTest::keyClick(f().BitBtn4, Qt::Key_Return);
        QVERIFY(backFromTheQuestion());
        QTest::keyClick(f().BitBtn4, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(backFromTheQuestion());
        QTest::simulateEvent(f().BitBtn4, true, Qt::Key_Return, Qt::NoModifier, QString(), true);
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
            QCOMPARE(script.fileDialogs, QStringList{U("SaveDialog1")});
            QVERIFY(!w_->isVisible());
        }
    }

    void presetsReplaceTheSmsCentre() {
        QVERIFY(guitest::StartMainWindow(*w_));
        f().Edit5->setText(U("+4899"));
        f().BitBtn3->click();
        QCOMPARE(f().Edit5->text(), U("+48501200777"));
        f().BitBtn1->click();
        QCOMPARE(f().Edit5->text(), U("+48602951111"));
        QCOMPARE(w_->settings().SMSC, std::string("+48602951111"));
        f().BitBtn2->click();
        QCOMPARE(w_->settings().SMSC, std::string("+48601000310"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
