#pragma once
// The progress window of a transfer with the module. It takes one request, which the core's
// operation runner checks and carries out (the settings checked, the port, both images, the
// transfer on the worker, the ending of each operation, the archive entry); the window shows
// what the runner reports as lines, dialogs and buttons, moves the bar from the worker's
// counters on its timer, and lets the user abort or repeat.
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

#include "link/transfer.h"
#include "operation/operation_runner.h"

namespace Ui {
class ProgressWindow;
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

    // The one way in: the request goes to the runner, whose check of its settings comes first
    // (a failed check is its one message, and the window does not appear); then the window is
    // shown modally and this returns when the user has closed it. False when the check refused
    // the request.
    bool RunLinkOperation(const brenvox::OperationRequest& request);
    // The same without the modal loop, for tests and the screenshots: the request checked and
    // kept for the next show(). False when the check refused it.
    bool takeRequest(const brenvox::OperationRequest& request);
    brenvox::OperationMode mode() const { return runner_.request().mode; }

    QStringList logLines() const;
    const brenvox::TransferState& state() const { return runner_.state(); }
    bool portOpened() const { return portOpened_; }
    // True while a transfer started by this window has not ended yet (also after the window
    // was closed under it).
    bool workerRunning() const { return runner_.workerRunning(); }

Q_SIGNALS:
    // A read brought these settings back, accepted and decoded: they replace the editor's.
    void settingsDecoded(const brenvox::ModuleSettings& settings);
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
    void SettingsRefused(const brenvox::ValidationFailure& failure) override;
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
