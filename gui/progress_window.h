#pragma once
// The progress window of a transfer with the module. The core's operation runner does the work
// (the port, both images, the transfer on the worker, the ending of each operation, the archive
// entry); the window shows what it reports as lines, dialogs and buttons, moves the bar from the
// worker's counters on its timer, and lets the user abort or repeat.
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "link/operation_runner.h"
#include "link/transfer.h"

namespace Ui {
class ProgressWindow;
}

namespace brenvox {
class ModuleSettings;
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

class ProgressWindow : public QDialog, private brenvox::OperationView {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // What the next show works on: the editor's settings (read on show, replaced after a
    // good read), the main window's port selection (item indexes, -1 for none) and the mode.
    void setSettings(brenvox::ModuleSettings* settings) { settings_ = settings; }
    void setPortSelection(int typeIndex, int numberIndex);
    void setMode(brenvox::OperationMode mode) { mode_ = mode; }
    brenvox::OperationMode mode() const { return mode_; }
    // Where a successful transfer leaves its entry, under which settings name; no entry when
    // the folder is empty.
    void setArchive(const QString& folder, const QString& settingsName);

    // A device path that replaces the one the port selection names (tests and demos talk to
    // the simulator's pseudo-terminal through it). Empty restores the selection's device.
    void setPortDevice(const QString& devicePath) { portDevice_ = devicePath; }

    // Shows the window modally and returns when the user has closed it.
    void RunLinkOperation();

    QStringList logLines() const;
    const brenvox::TransferState& state() const { return runner_.state(); }
    bool portOpened() const { return portOpened_; }
    // True while a transfer started by this window has not ended yet (also after the window
    // was closed under it).
    bool workerRunning() const { return runner_.workerRunning(); }

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
    // Escape would close the window under a running transfer, leaving the module half written
    // without a word; only the close box does that.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // On every showing: the port opened, then the transfer started.
    void openAndStart();
    // The transfer on the open port: at once after opening, and again on "Powtórz".
    void startTransfer();
    // "Przerwij": pressed (how soon after it appeared), then clicked (the abort asked for).
    void abortPressed();
    void abortClicked();
    // The bar follows the worker's counters (the bar timer's 250 ms, and once more at the end).
    void moveBar();
    // On hiding: the port closed and the bar stopped.
    void stopAndClose();
    void ShowButtons(ProgressStage stage);

    // What the runner reports.
    void AddLine(std::string_view line) override;
    void ClearLog() override;
    void Preparing() override;
    void TransferStarted() override;
    void TransferStopped(brenvox::LinkOutcome outcome) override;
    void ShowInformation(std::string_view text) override;
    std::optional<std::string> AskModulePin() override;
    void SettingsRead(const brenvox::ModuleSettings& settings) override;
    void OperationEnded(const brenvox::OperationResult& result) override;
    void WorkerEvent() override;  // worker thread

    std::unique_ptr<Ui::ProgressWindow> ui;
    QTimer* barTimer_ = nullptr;
    QTimer* waitForWorker_ = nullptr;

    brenvox::ModuleSettings* settings_ = nullptr;
    brenvox::OperationMode mode_ = brenvox::OperationMode::Program;
    int portTypeIndex_ = 0;
    int portNumberIndex_ = -1;
    QString portDevice_;  // see setPortDevice
    QString archiveDir_, archiveName_;
    bool portOpened_ = false;
    bool running_ = false;  // a transfer runs: Escape does not close the window
    // "Przerwij" takes the place of "Powtórz" the moment a transfer starts, so the second click
    // of a double click on "Powtórz" lands on it: a press that soon after it appeared is that
    // click, not a wish to abort.
    QElapsedTimer abortShown_;
    bool abortPressTooSoon_ = false;
    bool showing_ = false;

    // Last: its destructor closes the port and waits for a worker still ending, which reports
    // to this window.
    brenvox::OperationRunner runner_{*this};
};
