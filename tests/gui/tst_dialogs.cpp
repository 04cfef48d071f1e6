// The question dialog (layout rule, results, focus), the PIN dialog and the 3-D label painting.
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui_style.h"
#include "gui_test_util.h"
#include "label3d.h"
#include "main_window.h"
#include "module_pin_dialog.h"
#include "pages/inputs_page.h"
#include "progress_window.h"
#include "question_dialog.h"
#include "ui_main_window.h"

using guitest::ModalScript;

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}

template <class T>
T* Child(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

// A line whose text is as close as possible to `pixels` wide in the label's font (from below).
QString LineOfWidth(const QFont& font, int pixels) {
    const QFontMetrics fm(font);
    QString s;
    while (fm.horizontalAdvance(s + QLatin1Char('i')) <= pixels) s += QLatin1Char('i');
    return s;
}
}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT

    QuestionDialog* ask() { return AskDialog(); }
    QPushButton* ok() { return Child<QPushButton>(ask(), "okButton"); }
    QPushButton* no() { return Child<QPushButton>(ask(), "noButton"); }
    QPushButton* cancel() { return Child<QPushButton>(ask(), "cancelButton"); }
    QLabel* firstLine() { return Child<QLabel>(ask(), "firstLineLabel"); }
    QLabel* secondLine() { return Child<QLabel>(ask(), "secondLineLabel"); }
    QFrame* panel() { return Child<QFrame>(ask(), "messagePanel"); }

private Q_SLOTS:
    void widthRule() {
        QCOMPARE(QuestionDialog::widthFor(100, 0), 282);
        QCOMPARE(QuestionDialog::widthFor(0, 100), 282);
        QCOMPARE(QuestionDialog::widthFor(300, 10), 341);
        QCOMPARE(QuestionDialog::widthFor(10, 300), 341);
        QCOMPARE(QuestionDialog::widthFor(241, 0), 282);
        QCOMPARE(QuestionDialog::widthFor(242, 0), 283);
    }

    void narrowMessageLayout() {
        const QString line = LineOfWidth(firstLine()->font(), 100);
        ask()->prepare(AskButtons::Ok, AskFocus::Ok, U("Potwierdź"), line, {});
        // Offscreen there is no window frame: the outer width W is the client width.
        QCOMPARE(ask()->frameGeometry().width(), 282);
        QCOMPARE(ask()->width(), 282);
        QCOMPARE(ask()->height(), 107);
        QCOMPARE(panel()->geometry(), QRect(8, 8, 266, 49));
        QCOMPARE(ask()->windowTitle(), U("Potwierdź"));
        // One line: centred at top 16, second label hidden.
        const int w1 = QFontMetrics(firstLine()->font()).horizontalAdvance(line);
        QCOMPARE(firstLine()->width(), w1);
        QCOMPARE(firstLine()->pos(), QPoint((266 - w1) / 2, 16));
        QVERIFY(secondLine()->isHidden());
        QVERIFY(!ok()->isHidden());
        QVERIFY(no()->isHidden());
        QVERIFY(cancel()->isHidden());
        QCOMPARE(ok()->pos(), QPoint(100, 72));
    }

    void wideQuestionLayout() {
        const QString wide = LineOfWidth(secondLine()->font(), 300);
        const int w2 = QFontMetrics(secondLine()->font()).horizontalAdvance(wide);
        ask()->prepare(AskButtons::OkNo, AskFocus::No, U("Potwierdź"), U("Krótka"), wide);
        const int W = w2 + 41;
        QCOMPARE(ask()->width(), W);
        // The panel and the two buttons keep 8 pixels from both edges.
        QCOMPARE(panel()->x(), 8);
        QCOMPARE(W - panel()->geometry().right() - 1, 8);
        QVERIFY(!secondLine()->isHidden());
        QCOMPARE(firstLine()->y(), 8);
        QCOMPARE(secondLine()->y(), 24);
        QCOMPARE(secondLine()->x(), (W - 16 - w2) / 2);
        QCOMPARE(firstLine()->x(), (W - 16 - firstLine()->width()) / 2);
        QCOMPARE(ok()->x(), 8);
        QCOMPARE(W - no()->geometry().right() - 1, 8);
        QVERIFY(cancel()->isHidden());
    }

    // The progress window has one fixed size: neither the user nor a longer log resizes it.
    void progressWindowHasAFixedSize() {
        ProgressWindow w;
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(w.minimumWidth() > 0);
    }

    void buttonPositionsAtTheSmallestWidth() {
        ask()->prepare(AskButtons::OkNo, AskFocus::No, U("Potwierdź"), U("a"), {});
        QCOMPARE(ok()->x(), 8);
        QCOMPARE(no()->x(), 193);  // 8 pixels from the right edge of 282
        ask()->prepare(AskButtons::OkNoCancel, AskFocus::Cancel, U("Potwierdź"), U("a"), U("b"));
        QCOMPARE(ok()->x(), 8);
        QCOMPARE(cancel()->x(), 193);
        QCOMPARE(no()->x(), 100);
        QVERIFY(!ok()->isHidden() && !no()->isHidden() && !cancel()->isHidden());
        ask()->prepare(AskButtons::No, AskFocus::No, U("Potwierdź"), U("a"), {});
        QCOMPARE(no()->x(), 100);
        QVERIFY(ok()->isHidden() && cancel()->isHidden());
        ask()->prepare(AskButtons::Cancel, AskFocus::Cancel, U("Potwierdź"), U("a"), {});
        QCOMPARE(cancel()->x(), 100);
        QVERIFY(ok()->isHidden() && no()->isHidden());
    }

    void resultsFocusAndClosing() {
        QApplication::setQuitOnLastWindowClosed(false);
        QString focused;
        ModalScript script;
        script
            .then([&](QWidget*) {
                focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            })
            .ask(AskYes)
            .ask(AskCancel)
            .ask(-1)  // closed by the window manager
            .then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); })
            .start();
        // Enter on the focused "Nie" answers "Nie".
        QCOMPARE(Ask(AskButtons::OkNo, AskFocus::No, U("Potwierdź"), U("Pytanie?"), {}), AskNo);
        QCOMPARE(focused, U("noButton"));
        QCOMPARE(Ask(AskButtons::OkNo, AskFocus::No, U("Potwierdź"), U("Pytanie?"), {}), AskYes);
        QCOMPARE(Ask(AskButtons::OkNoCancel, AskFocus::Cancel, U("Potwierdź"), U("Pytanie?"), {}), AskCancel);
        QCOMPARE(Ask(AskButtons::OkNo, AskFocus::No, U("Potwierdź"), U("Pytanie?"), {}), AskCancel);
        QCOMPARE(Ask(AskButtons::Ok, AskFocus::Ok, U("Informacja"), U("Komunikat"), {}), AskCancel);
        QVERIFY(script.finished());
        QCOMPARE(script.asks.size(), std::size_t(3));  // the three answered by button or closing
        QCOMPARE(script.asks.at(1).caption, U("Potwierdź"));
        QCOMPARE(ask()->windowTitle(), U("Informacja"));
        QVERIFY(script.unexpected.isEmpty());
        // No title-bar buttons.
        const Qt::WindowFlags flags = ask()->windowFlags();
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    }

    void pinDialogOpensEmptyAndAcceptsEnter() {
        QApplication::setQuitOnLastWindowClosed(false);
        ModulePinDialog* pin = PinDialog();
        QCOMPARE(pin->windowTitle(), U("PIN modułu"));
        QCOMPARE(pin->size(), QSize(289, 95));
        pin->edit()->setText(U("7777"));  // left over from an earlier use
        QString seenAtOpen = U("?");
        ModalScript script;
        script
            .then([&](QWidget* w) {
                auto* edit = w->findChild<QLineEdit*>(U("pinEdit"));
                seenAtOpen = edit->text();
                QTest::keyClick(edit, Qt::Key_Return);
            })
            .then([](QWidget* w) {
                auto* edit = w->findChild<QLineEdit*>(U("pinEdit"));
                QTest::keyClicks(edit, "12a45");  // any character; the fifth is refused
                guitest::ClickButton(w, "okButton");
            })
            .then([](QWidget* w) {
                // Enter presses the focused button: "Anuluj", two Tabs away from the box.
                QTest::keyClick(w->findChild<QLineEdit*>(U("pinEdit")), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                if (w->isVisible()) guitest::ClickButton(w, "okButton");  // fails the test, not hangs it
            })
            .then([](QWidget* w) { w->close(); })
            .start();
        QCOMPARE(pin->exec(), ModulePinDialog::ResultOk);
        QVERIFY(seenAtOpen.isEmpty());
        QVERIFY(pin->code().isEmpty());
        QCOMPARE(pin->exec(), ModulePinDialog::ResultOk);
        QCOMPARE(pin->code(), U("12a4"));
        QCOMPARE(pin->exec(), ModulePinDialog::ResultCancel);
        QCOMPARE(pin->exec(), ModulePinDialog::ResultCancel);
        QVERIFY(script.finished());
    }

    void label3DPaintsEachStyleWhereItBelongs() {
        const QColor bg(236, 233, 216), fg(0, 0, 128), back(255, 0, 0), front(0, 255, 0);
        QFont font = brenvox::gui::WindowFont();
        font.setPixelSize(16);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);  // exact pixels, so copies can be compared
        auto render = [&](int style, bool transparent = false) {
            Label3D label;
            label.setFont(font);
            QPalette pal = label.palette();
            pal.setColor(QPalette::Window, bg);
            pal.setColor(QPalette::WindowText, fg);
            label.setPalette(pal);
            label.setText(U("Ag3"));
            label.setFixedSize(60, 30);
            label.setBackColor(back);
            label.setFrontColor(front);
            label.setStyle3D(style);
            label.setTransparent(transparent);
            QImage img(60, 30, QImage::Format_RGB32);
            img.fill(QColor(255, 0, 255));
            label.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
            return img;
        };
        const QImage flat = render(0);
        auto isText = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < flat.width() && y < flat.height() && flat.pixelColor(x, y) == fg;
        };
        int textPixels = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) {
                const QColor c = flat.pixelColor(x, y);
                QVERIFY(c == fg || c == bg);  // one copy only, in the font colour
                textPixels += c == fg;
            }
        QVERIFY(textPixels > 20);

        const QImage shadow = render(1);
        const QImage raised = render(2);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) {
                // Style 1: the shadow copy at (1,1) under the font-coloured copy at (0,0).
                const QColor want1 = isText(x, y) ? fg : isText(x - 1, y - 1) ? back : bg;
                QCOMPARE(shadow.pixelColor(x, y), want1);
                // Style 2: BackColor at (2,2), FrontColor at (0,0), the font colour at (1,1) on top.
                const QColor want2 = isText(x - 1, y - 1)   ? fg
                                     : isText(x, y)         ? front
                                     : isText(x - 2, y - 2) ? back
                                                            : bg;
                QCOMPARE(raised.pixelColor(x, y), want2);
            }

        // Style 3 draws no text; a transparent label leaves what was beneath.
        const QImage none = render(3);
        const QImage clear = render(3, true);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) {
                QCOMPARE(none.pixelColor(x, y), bg);
                QCOMPARE(clear.pixelColor(x, y), QColor(255, 0, 255));
            }
    }

    void label3DDefaultsAndTheFormsLabels() {
        Label3D plain;
        QCOMPARE(plain.frontColor(), QColor(255, 255, 255));
        QCOMPARE(plain.backColor(), QColor(0, 0, 0));
        QCOMPARE(plain.style3D(), 1);
        plain.setStyle3D(42);  // stored as given
        QCOMPARE(plain.property("Style3D").toInt(), 42);

        MainWindow window;  // the three labels of the inputs page, as the form sets them up
        const Ui::InputsPage& inputs = window.pages().inputs->form();
        for (Label3D* l : {inputs.inputTitleLabel, inputs.openStateLabel, inputs.closedStateLabel}) {
            QCOMPARE(l->style3D(), 1);
            QCOMPARE(l->frontColor(), QColor(255, 255, 255));
            QCOMPARE(l->backColor(), QColor(255, 255, 255));
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            QCOMPARE(l->text(), U(". . ."));
        }
        QVERIFY(inputs.inputTitleLabel->font().bold());
        QVERIFY(!inputs.openStateLabel->font().bold());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
