#pragma once
// The progress window of a transfer with the module. It opens the port when shown, encodes the
// settings for both module versions, runs the transfer on the worker thread, logs every phase,
// moves the bar from the worker's counters, lets the user abort or repeat, and after a good read
// checks the module PIN and loads the read settings into the editor.
#include <QDialog>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <memory>

#include "link/serial_link.h"
#include "link/transfer.h"

namespace Ui {
class TFTervola;
}

namespace brenvox {
class ModuleSettings;
}

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// Custom event types of the four things the worker tells the window, numbered after them.
inline constexpr int kLinkEventBase = 1000;  // QEvent::User
inline QEvent::Type LinkEventType(brenvox::LinkEvent e) {
    return static_cast<QEvent::Type>(kLinkEventBase + static_cast<int>(e));
}

// Where the window stands, and what its two buttons ("Powtórz", "Przerwij", at the same place)
// offer there: only one is visible at a time, and neither is enabled while nothing can be done.
enum class ProgressStage {
    Preparing,   // from show until the first start, and after the port failed to open
    Running,     // a transfer runs
    AbortAsked,  // "Przerwij" pressed, the transfer still running
    Ended,       // the transfer ended, whatever its outcome
};
struct ProgressButtons {
    bool repeatVisible;
    bool repeatEnabled;
    bool abortVisible;
    bool abortEnabled;
};
ProgressButtons ProgressButtonsFor(ProgressStage stage);

class TFTervola : public QDialog, private brenvox::TransferObserver {
    Q_OBJECT

public:
    explicit TFTervola(QWidget* parent = nullptr);
    ~TFTervola() override;

    // What the next show works on: the editor's settings (read on show, replaced after a
    // good read), the main window's port selection (item indexes, -1 for none) and the mode.
    void setSettings(brenvox::ModuleSettings* settings) { settings_ = settings; }
    void setPortSelection(int typeIndex, int numberIndex);
    void setMode(brenvox::OperationMode mode) { state_.CurrentMode = mode; }
    brenvox::OperationMode mode() const { return state_.CurrentMode.load(); }

    // A device path that replaces the one the port selection names (tests and demos talk to
    // the simulator's pseudo-terminal through it). Empty restores the selection's device.
    void setPortDevice(const QString& devicePath) { portDevice_ = devicePath; }

    // Shows the window modally and returns when the user has closed it.
    void RunLinkOperation();

    QStringList logLines() const;
    const brenvox::TransferState& state() const { return state_; }
    bool portOpened() const { return portOpened_; }
    // True while a transfer started by this window has not ended yet (also after the window
    // was closed under it).
    bool workerRunning() const { return task_.Running(); }

Q_SIGNALS:
    // The settings were replaced by what a read brought back; the editor must show them again.
    void settingsDecoded();
    // The transfer ended and its outcome line has been logged (dialogs included).
    void transferFinished(brenvox::LinkOutcome outcome);
    // A program or compare succeeded, or a read did and its settings were accepted and decoded
    // (a read refused for its PIN does not count): what state() holds is worth keeping.
    void transferSucceeded();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void Timer1Timer();
    void FormClose();
    void ShowOutcome();
    bool ReadAccepted();
    void AddLine(const QString& line);
    void ShowButtons(ProgressStage stage);
    void OnLinkEvent(brenvox::LinkEvent event) override;  // worker thread

    std::unique_ptr<Ui::TFTervola> ui;
    QPlainTextEdit* Memo1;
    QProgressBar* ProgressBar1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QTimer* Timer1;
    QTimer* waitForWorker_;

    brenvox::ModuleSettings* settings_ = nullptr;
    int portTypeIndex_ = 0;
    int portNumberIndex_ = -1;
    QString portDevice_;  // see setPortDevice
    bool portOpened_ = false;
    bool firstStart_ = true;
    bool showing_ = false;

    // Events carry the number of the window session that started their transfer, so that a
    // transfer orphaned by closing the window cannot write into (or raise dialogs from) the
    // next session.
    std::atomic<int> workerSession_{0};
    int session_ = 0;

    brenvox::SerialLink link_;
    brenvox::TransferState state_;
    brenvox::TMainTask task_;  // last: its destructor waits for the worker, which uses the above
};
