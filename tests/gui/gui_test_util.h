#pragma once
// Helpers for driving the program's real modal dialogs from Qt tests.
//
// A ModalScript holds the answers for the modal windows a command will open, in order. Start it
// before the command; while the command's dialogs run their own event loops, the script's timer
// finds each new modal window (QApplication::activeModalWidget), records what it showed and
// answers it. A modal window that appears when no answer is left is recorded as unexpected and
// closed, so a wrong extra question fails the test instead of hanging it.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "main_window.h"
#include "pages/files_page.h"
#include "pages/inputs_page.h"
#include "pages/module_page.h"
#include "pages/output_page.h"
#include "pages/ring_page.h"
#include "pages/sim_page.h"
#include "pages/sms_page.h"
#include "pages/test_page.h"
#include "question_dialog.h"
#include "ui_main_window.h"

namespace guitest {

// Every control of the main window by its name, whichever page holds it: the window's form and
// the eight pages' forms seen as one (the names are unique across the window).
struct MainForms : Ui::MainWindow,
                   Ui::FilesPage,
                   Ui::SimPage,
                   Ui::InputsPage,
                   Ui::OutputPage,
                   Ui::SmsPage,
                   Ui::TestPage,
                   Ui::RingPage,
                   Ui::ModulePage {
    explicit MainForms(::MainWindow& w)
        : Ui::MainWindow(w.form()),
          Ui::FilesPage(w.pages().files->form()),
          Ui::SimPage(w.pages().sim->form()),
          Ui::InputsPage(w.pages().inputs->form()),
          Ui::OutputPage(w.pages().output->form()),
          Ui::SmsPage(w.pages().sms->form()),
          Ui::TestPage(w.pages().test->form()),
          Ui::RingPage(w.pages().ring->form()),
          Ui::ModulePage(w.pages().module->form()) {}
};

// Texts in the tests are written as UTF-8 literals.
inline QString U(const char* s) {
    return QString::fromUtf8(s);
}
// A path as the core's file functions take it.
inline std::string Local(const QString& p) {
    return QFile::encodeName(p).toStdString();
}
// The whole content of a file, or nothing when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a question dialog showed.
struct AskSeen {
    QString caption;
    QString line1;
    QString line2;  // empty when the second line was hidden
};

inline AskSeen ReadAsk(QWidget* dialog) {
    AskSeen seen;
    seen.caption = dialog->windowTitle();
    if (auto* l1 = dialog->findChild<QLabel*>(QStringLiteral("firstLineLabel"))) seen.line1 = l1->text();
    if (auto* l2 = dialog->findChild<QLabel*>(QStringLiteral("secondLineLabel")))
        if (l2->isVisible()) seen.line2 = l2->text();
    return seen;
}

// Clicks the button of that objectName inside the window; false when there is none.
inline bool ClickButton(QWidget* window, const char* objectName) {
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    if (!button || !button->isVisible()) return false;
    button->click();
    return true;
}

// Button names of the question dialog by result.
inline const char* AskButtonFor(int result) {
    switch (result) {
        case AskYes:
            return "okButton";
        case AskNo:
            return "noButton";
        default:
            return "cancelButton";
    }
}

// Notes when a watched window is hidden: the question dialog is one window shown again and
// again, and a second question can follow the first before the script's timer runs.
class HideWatcher : public QObject {
public:
    bool hidden = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) hidden = true;
        return false;
    }
};

class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    }
    ~ModalScript() {
        timer_.stop();
        if (last_) last_->removeEventFilter(&watcher_);
    }

    // Answers the next question dialog with `result` (AskYes, AskNo, AskCancel; any other value
    // closes it as the window manager would).
    ModalScript& ask(int result) {
        steps_.push_back([this, result](QWidget* w) {
            asks.push_back(ReadAsk(w));
            if (result == AskYes || result == AskNo || result == AskCancel) {
                if (!ClickButton(w, AskButtonFor(result)))
                    failures.push_back(QStringLiteral("button not shown"));
            } else {
                w->close();
            }
        });
        return *this;
    }

    // Answers the next file dialog: records the folder and the proposed name it opened with,
    // then accepts `path` (absolute) or cancels when `path` is empty.
    ModalScript& file(const QString& path) {
        steps_.push_back([this, path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) {
                failures.push_back(QStringLiteral("expected a file dialog, got ") + w->objectName());
                w->close();
                return;
            }
            fileDialogs.push_back(dialog->objectName());
            fileDirs.push_back(dialog->directory().absolutePath());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            fileNames.push_back(name ? name->text() : QString());
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                // Typed into the name box, as a user would: an absolute name is taken whole.
                if (name)
                    name->setText(path);
                else
                    dialog->selectFile(path);
                QMetaObject::invokeMethod(dialog, "accept");  // protected in QFileDialog
            }
        });
        return *this;
    }

    // Any other handling of the next modal window.
    ModalScript& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    void start() { timer_.start(); }
    bool finished() const { return next_ == steps_.size(); }
    std::size_t handled() const { return next_; }

    std::vector<AskSeen> asks;
    QStringList fileDialogs, fileDirs, fileNames;
    QStringList failures;    // problems while answering
    QStringList unexpected;  // modal windows nobody expected

private:
    void poll() {
        if (last_ && (watcher_.hidden || !last_->isVisible())) {
            last_->removeEventFilter(&watcher_);
            last_ = nullptr;
        }
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == last_) return;
        last_ = w;
        watcher_.hidden = false;
        w->installEventFilter(&watcher_);
        if (next_ < steps_.size()) {
            Step step = steps_[next_++];
            step(w);
        } else {
            unexpected.push_back(w->windowTitle() + QStringLiteral(" / ") + w->objectName());
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        }
    }

    QTimer timer_;
    HideWatcher watcher_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QWidget> last_;
};

// Types any text (QTest::keyClicks only knows ASCII), one key event per character.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Creates the main window on a program folder and waits for its start-up (bounded generously:
// a busy machine only makes the wait longer, never the test fail).
inline bool StartMainWindow(MainWindow& window) {
    // Tests close the window and go on: closing must not end the application.
    QApplication::setQuitOnLastWindowClosed(false);
    window.show();
    return QTest::qWaitFor([&] { return window.startedUp(); }, 30000);
}

}  // namespace guitest
