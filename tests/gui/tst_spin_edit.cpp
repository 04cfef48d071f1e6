// The integer boxes of the main window: what the user types outside the range ends at the
// nearest bound when the box is left, a text that is no number ends at the minimum, and the
// settings follow.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "gui_test_util.h"
#include "main_window.h"
#include "spin_edit.h"
#include "ui_main_window.h"

class TestSpinEdit : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> w_;

    // Replaces the box's text as a user would (select all, type) and leaves the box.
    void typeAndLeave(QSpinBox* box, const QString& text) {
        box->setFocus();
        QLineEdit* line = box->findChild<QLineEdit*>();
        QVERIFY(line);
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
        QMetaObject::invokeMethod(box, "editingFinished");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        w_ = std::make_unique<MainWindow>(MainWindow::Options{dir_.path(), {}});
        w_->show();
        QVERIFY(QTest::qWaitFor([&] { return w_->startedUp(); }, 30000));
    }
    void cleanup() { w_.reset(); }

    void everyIntegerBoxIsTheClampingKind() {
        for (QSpinBox* box : w_->findChildren<QSpinBox*>())
            QVERIFY2(qobject_cast<SpinEdit*>(box), qPrintable(box->objectName()));
        QCOMPARE(w_->findChildren<SpinEdit*>().size(), 11);
    }

    void aNumberAboveTheRangeEndsAtTheMaximum() {
        SpinEdit* box = w_->findChild<SpinEdit*>(QStringLiteral("offTimeSpin"));  // OFFTIMEVAL 1..250
        QVERIFY(box);
        typeAndLeave(box, QStringLiteral("300"));
        QCOMPARE(box->value(), 250);
        QCOMPARE(box->text(), QStringLiteral("250"));
        QCOMPARE(w_->settings().get(brenvox::IntSetting::OFFTIMEVAL), 250);
    }

    void aNumberBelowTheRangeEndsAtTheMinimum() {
        SpinEdit* box = w_->findChild<SpinEdit*>(QStringLiteral("smsLimitHoursSpin"));  // SMSTIME 1..42
        QVERIFY(box);
        typeAndLeave(box, QStringLiteral("0"));
        QCOMPARE(box->value(), 1);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::SMSTIME), 1);
        typeAndLeave(box, QStringLiteral("50"));
        QCOMPARE(box->value(), 42);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::SMSTIME), 42);
    }

    void anEmptyBoxEndsAtTheMinimum() {
        SpinEdit* box =
            w_->findChild<SpinEdit*>(QStringLiteral("reportHoursSpin"));  // TESTMSB 0..32, default 24
        QVERIFY(box);
        QCOMPARE(box->value(), 24);
        typeAndLeave(box, QString());
        QCOMPARE(box->value(), 0);
        QCOMPARE(w_->settings().get(brenvox::IntSetting::TESTMSB), 0);
    }

    void lettersCannotBeTyped() {
        SpinEdit* box =
            w_->findChild<SpinEdit*>(QStringLiteral("ringTimeSpin"));  // RINGTIME 1..45, default 30
        QVERIFY(box);
        box->setFocus();
        QLineEdit* line = box->findChild<QLineEdit*>();
        line->end(false);
        QTest::keyClicks(line, QStringLiteral("ab"));
        QCOMPARE(line->text(), QStringLiteral("30"));
        QCOMPARE(w_->settings().get(brenvox::IntSetting::RINGTIME), 30);
    }
};

QTEST_MAIN(TestSpinEdit)
#include "tst_spin_edit.moc"
