#pragma once
// One operation with the module from beginning to end, as the progress window, the CLI and the
// page in the browser run it: the request checked, the preparation lines, the port opened (and
// why not), both images encoded, the transfer started and repeated on the worker, the lines of
// its events, the ending of each operation (Program: verified; Compare: equal or not; Read: the
// module PIN, the check and the decode), the files it writes and the archive entry. A face only
// shows what the runner tells its OperationView: the window as lines, dialogs and buttons, the
// CLI as printed lines; and maps the result's status to its own ending.
//
// Threads: everything runs on the caller's thread except the transfer itself. The worker's
// events wait in the runner until the caller's thread calls Pump (the view's WorkerEvent says
// when), or RunToEnd does it while blocking.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "archive/trace_recorder.h"
#include "link/serial_link.h"
#include "link/transfer.h"
#include "link/transfer_worker.h"
#include "operation/operation_request.h"
#include "operation/transfer_session.h"
#include "settings/module_settings.h"
#include "settings/validation.h"

namespace brenvox {

// What the runner tells its face. Every call but WorkerEvent comes on the caller's thread.
class OperationView {
public:
    virtual ~OperationView() = default;
    // The request's settings failed a check: its one message (caption, line 1, line 2), shown
    // before anything else happens. Nothing is opened or sent.
    virtual void SettingsRefused(const ValidationFailure& failure) = 0;
    // One line of the progress log, in order.
    virtual void AddLine(std::string_view line) = 0;
    // A repeated transfer starts a new log (a terminal only separates it by an empty line).
    virtual void ClearLog() = 0;
    // The images are being encoded: a window shows the lines so far at once.
    virtual void Preparing() {}
    // A transfer starts, and when its Done arrives, before any line of its ending.
    virtual void TransferStarted() {}
    virtual void TransferStopped(LinkOutcome /*outcome*/) {}
    // An information message ("Ustawienia w programie i module jednakowe.", ...).
    virtual void ShowInformation(std::string_view text) = 0;
    // The module PIN, asked only when a read module has one: the text entered (UTF-8), or
    // nothing when none was given (the dialog cancelled).
    virtual std::optional<std::string> AskModulePin() = 0;
    // The information shown when no module PIN was given. A dialog cancelled is told what a
    // wrong PIN is ("Niepoprawny kod PIN modułu!"); a face that asks nobody (the CLI, whose PIN
    // comes with --pin) says instead what was missing.
    virtual std::string PinNotGivenText() const;
    // Read: the settings the module holds, accepted and decoded; before the message that says so.
    virtual void SettingsRead(const ModuleSettings& /*settings*/) {}
    // The operation has ended: every line, message and file is done.
    virtual void OperationEnded(const OperationResult& /*result*/) {}
    // WORKER THREAD: an event waits; the face calls Pump on its own thread. Must not block.
    virtual void WorkerEvent() {}
};

class OperationRunner : private TransferObserver {
public:
    explicit OperationRunner(OperationView& view);
    // Closes the port and waits for a worker still ending.
    ~OperationRunner() override;
    OperationRunner(const OperationRunner&) = delete;
    OperationRunner& operator=(const OperationRunner&) = delete;

    // The first step, before anything else: the runner takes the request and checks its
    // settings (every check, in their order, in every mode). A failure is told to the view
    // (SettingsRefused) and kept in the result; false then, and Open opens nothing. A face that
    // must stop before its own preparations (the window before it appears, the CLI before it
    // looks at the files it was given) has its answer here.
    bool Check(const OperationRequest& request);
    // The preparation of the checked request: "Kontrola portu transmisji...", the port opened
    // (or the port error line and its cause), "Przygotowanie danych do przesłania...", both
    // images encoded, "Dane gotowe.". True when a transfer can start; false when the request was
    // not checked or refused, or when the port or the trace file failed (the result says which).
    // A runner is opened once per showing of the window.
    bool Open();
    // Starts the operation's transfer: the first after Open, or a repeat. False while a
    // transfer runs, or when the port is not open.
    bool Start();
    // "Przerwij": the transfer stops at its next block boundary and ends as Aborted.
    void Abort();
    // Handles, on the caller's thread, what the worker has reported since the last call: the
    // lines of each event and, after Done, the ending of the operation.
    void Pump();
    // For a caller without an event loop: Start, then Pump as events come until the operation
    // has ended. Every 250 ms without an event `tick` is called (the CLI draws its bar there
    // and asks to Abort when the user pressed Ctrl-C).
    const OperationResult& RunToEnd(const std::function<void()>& tick);
    // Writes the trace and closes the port (the window's close). A transfer still running then
    // sees no replies and ends on its own; its events are dropped. False when the trace file
    // could not be written (the result's fileFault says so).
    bool Close();

    // The bar's position from the worker's counters, 0..kProgressMax.
    int barPosition() const;
    bool portOpened() const { return result_.portOpened; }
    // True while a transfer of this runner has not delivered its Done (also after Close).
    bool workerRunning() const { return worker_.Running(); }
    // Waits for a worker that is still ending (harmless when none runs).
    void joinWorker() { worker_.Join(); }
    bool ended() const { return ended_; }
    const OperationRequest& request() const { return request_; }
    const OperationResult& result() const { return result_; }
    const TransferState& state() const { return state_; }

private:
    struct QueuedEvent {
        LinkEvent event;
        int session;
    };
    // The transfers an operation may need, in order: the backup read before programming, the
    // operation's own, the read for a compare's difference report.
    enum class Step { Backup, Main, Report };

    void OnLinkEvent(LinkEvent event) override;  // worker thread
    void StartStep(Step step);
    void HandleEvent(LinkEvent event);
    void TransferDone();
    void EndBackupRead(LinkOutcome outcome);
    void EndMainTransfer(LinkOutcome outcome);
    bool EndRead();
    void EndReport(LinkOutcome outcome);
    std::optional<ModuleReadout> AcceptRead(ModuleSettings base);
    bool WriteRequested(OperationFile file, const std::string& path, std::string_view bytes);
    bool WriteSettings(const std::string& path, const ModuleSettings& settings);
    void Finish();
    void Archive();
    bool WriteTrace();

    OperationView& view_;
    OperationRequest request_;
    OperationResult result_;
    bool checked_ = false;  // request_ passed Check
    Step step_ = Step::Main;
    bool firstStart_ = true;
    bool ended_ = false;
    bool closed_ = false;

    // The worker's events, and the number of the opening they belong to: events of a transfer
    // orphaned by Close never reach the next opening.
    std::mutex eventsMutex_;
    std::condition_variable eventsArrived_;
    std::deque<QueuedEvent> events_;
    std::atomic<int> session_{0};
    std::atomic<int> workerSession_{0};  // the opening the running transfer was started in

    // Every frame of an opening, for the trace file (written once, when the runner closes) and
    // for the archive entry (the operation's own transfer, from mainTraceFrom_).
    TraceRecorder recorder_;
    size_t mainTraceFrom_ = 0;
    std::string mainTrace_;
    bool mainIdentified_ = false;  // the module answered the operation's own transfer
    bool traceReady_ = false;      // the trace file was made; the frames go into it on Close
    bool traceWritten_ = true;     // what Close reports

    SerialLink link_;
    TransferState state_;
    TransferWorker worker_;  // last: its destructor waits for the worker, which uses the above
};

}  // namespace brenvox
