#pragma once
// Answers the program's modal dialogs while a test runs: the question dialog (Ask) and the
// module PIN dialog. A timer looks for them every few milliseconds, which also works inside the
// nested event loop of a modal dialog, records what each showed and answers as scripted.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>

#include "module_pin_dialog.h"
#include "progress_window.h"
#include "question_dialog.h"

class DialogDriver : public QObject {
public:
    struct Seen {
        QString caption, line1, line2;
        QStringList logAtThatTime;  // the progress log when the dialog came up
    };

    DialogDriver() {
        timer_.setInterval(15);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    // Answers to questions (Buttons 4) in order: AskYes clicks "OK", AskCancel presses Escape,
    // anything else clicks "Nie"; when the list is used up, questionAnswer answers.
    QList<int> answers;
    int questionAnswer = AskNo;
    // The PIN dialog: typed text, then OK, or cancel.
    QString pinToType;
    bool cancelPin = false;
    // Where to take the log snapshot from (the progress window's transferLog), if anywhere.
    QPlainTextEdit* log = nullptr;

    // Close the progress window once its transfer has ended and its dialogs are answered, or
    // once it has shown that its port cannot be opened (the user's "close" after reading the
    // outcome), keeping its log.
    bool closeProgressWhenDone = false;
    QStringList progressLog;
    int progressWindows = 0;  // progress windows closed that way
    int fileDialogs = 0;      // file dialogs seen (each one is cancelled)

    QList<Seen> asks;
    int pinDialogs = 0;

    QStringList askLines() const {
        QStringList out;
        for (const Seen& s : asks) out << s.line1;
        return out;
    }

private:
    void poll() {
        QuestionDialog* ask = AskDialog();
        if (ask->isVisible()) {
            Seen s;
            s.caption = ask->windowTitle();
            s.line1 = ask->findChild<QLabel*>(QStringLiteral("firstLineLabel"))->text();
            auto* l2 = ask->findChild<QLabel*>(QStringLiteral("secondLineLabel"));
            s.line2 = l2->isVisible() ? l2->text() : QString();
            if (log) s.logAtThatTime = log->toPlainText().split(QChar('\n'));
            asks << s;
            auto* ok = ask->findChild<QPushButton*>(QStringLiteral("okButton"));
            auto* no = ask->findChild<QPushButton*>(QStringLiteral("noButton"));
            if (no->isVisible()) {
                const int answer = answers.isEmpty() ? questionAnswer : answers.takeFirst();
                if (answer == AskCancel)
                    QTest::keyClick(ask, Qt::Key_Escape);
                else
                    (answer == AskYes ? ok : no)->click();
            } else {
                ok->click();
            }
            return;
        }
        if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            ++fileDialogs;
            files->reject();
            return;
        }
        if (closeProgressWhenDone) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* t = qobject_cast<ProgressWindow*>(top);
                if (!t) continue;
                // The port error line, then the line that says why.
                if (t->isVisible() && !t->portOpened() && !t->workerRunning() &&
                    t->logLines().value(t->logLines().size() - 2) ==
                        QStringLiteral("Błąd - problem z portem transmisji!")) {
                    ++progressWindows;
                    progressLog = t->logLines();
                    t->close();
                }
                if (connected_.contains(t)) continue;
                connected_ << t;
                QObject::connect(t, &ProgressWindow::transferFinished, this, [this, t] {
                    ++progressWindows;
                    QTimer::singleShot(0, t, [this, t] {
                        progressLog = t->logLines();
                        t->close();
                    });
                });
            }
        }
        ModulePinDialog* pin = PinDialog();
        if (pin->isVisible()) {
            ++pinDialogs;
            if (cancelPin) {
                pin->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
            } else {
                pin->edit()->setText(pinToType);
                pin->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            }
        }
    }

    QTimer timer_;
    QList<QWidget*> connected_;
};
