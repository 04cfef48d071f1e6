#pragma once
// One operation with the module from beginning to end, as both the progress window and the CLI
// run it: the preparation lines, the port opened (and why not), both images encoded, the
// transfer started and repeated on the worker, the lines of its events, the ending of each
// operation (Program: verified; Compare: equal or not; Read: the module PIN, the check and the
// decode), the files it writes and the archive entry. A face only shows what the runner tells
// its OperationView: the window as lines, dialogs and buttons, the CLI as printed lines.
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
#include <system_error>
#include <vector>

#include "link/port_fault.h"
#include "link/serial_link.h"
#include "link/transfer.h"
#include "link/transfer_archive.h"
#include "settings/module_settings.h"

namespace brenvox {

// Where the module is: a device path, or the main window's port type and number.
struct PortChoice {
    std::string device;  // wins when not empty (a pseudo-terminal, /dev/ttyACM0, "COM12")
    int portType = PortTypeCom;
    int32_t portNumber = 0;  // 1..8; 0 when none is chosen
};

struct OperationRequest {
    OperationMode mode = OperationMode::Program;
    PortChoice port;
    // What is programmed or compared; the settings a read decodes over.
    ModuleSettings settings;
    // The files the operation writes; each one empty when it is not wanted.
    std::string archiveDir;        // an entry for every transfer that reached the module
    std::string archiveName;       // the settings name the entry is filed under
    std::string tracePath;         // every frame sent and every read's bytes, with times
    std::string readSettingsPath;  // Read: the settings that came out of the module
    std::string readImagePath;     // Read: the module's memory as read
    std::string backupImagePath;   // Program: the module's memory before anything is written
    // Compare: after a mismatch, read the module (asking its PIN when it has one) and list the
    // settings that differ below the compare's lines.
    bool reportDifferences = false;
    // What the line after a port that did not open tells the user to do to try again.
    PortRetry portRetry = PortRetry::RunAgain;
};

// A file the operation was asked for that could not be written.
enum class OperationFile { Trace, Backup, ReadImage, ReadSettings };
struct OperationFileFault {
    OperationFile file;
    std::string path;
    std::error_code error;
};

struct OperationResult {
    LinkOutcome outcome = LinkOutcome::NoResponse;  // of the operation's own transfer
    bool portOpened = false;
    PortOpenError portError;    // why not, when the port did not open
    bool backupUnread = false;  // Program with a backup: the module could not be read first
    bool pinRefused = false;    // Read: the module PIN was not given correctly
    std::optional<OperationFileFault> fileFault;
    std::optional<ModuleSettings> readSettings;  // Read: what the module holds, once accepted
    std::vector<std::string> differences;        // Compare with a report: "KEY: a -> b"
    std::optional<ArchiveResult> archive;        // when an entry was asked for and the module answered

    // The operation did what it was asked, to the last file.
    bool succeeded() const {
        return portOpened && !backupUnread && outcome == LinkOutcome::Success && !pinRefused && !fileFault;
    }
};

// What the runner tells its face. Every call but WorkerEvent comes on the caller's thread.
class OperationView {
public:
    virtual ~OperationView() = default;
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
    // nothing when the user cancelled.
    virtual std::optional<std::string> AskModulePin() = 0;
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

    // The preparation: "Kontrola portu transmisji...", the port opened (or the port error line
    // and its cause), "Przygotowanie danych do przesłania...", both images encoded, "Dane
    // gotowe.". True when a transfer can start; false when the port or the trace file failed
    // (the result says which). A runner is opened once per showing of the window.
    bool Open(const OperationRequest& request);
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
    bool workerRunning() const { return task_.Running(); }
    // Waits for a worker that is still ending (harmless when none runs).
    void joinWorker() { task_.Join(); }
    bool ended() const { return ended_; }
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
    bool WriteRequested(OperationFile file, const std::string& path, std::string_view bytes);
    bool WriteSettings(const std::string& path, const ModuleSettings& settings);
    void Finish();
    void Archive();
    bool WriteTrace();

    OperationView& view_;
    OperationRequest request_;
    OperationResult result_;
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

    // The trace as it is recorded; written once, when the runner closes.
    std::mutex traceMutex_;
    std::string trace_;
    int64_t traceStartMs_ = 0;
    size_t mainTraceFrom_ = 0;     // where the operation's own transfer begins in the trace
    std::string mainTrace_;        // its frames, for the archive entry
    bool mainIdentified_ = false;  // the module answered the operation's own transfer
    bool traceReady_ = false;      // the trace file was made; the frames go into it on Close
    bool traceWritten_ = true;     // what Close reports

    SerialLink link_;
    TransferState state_;
    TMainTask task_;  // last: its destructor waits for the worker, which uses the above
};

// What `brenvox-cli ports --probe` and the program's "find the module" ask of one device: open it
// as a transfer would, wake and identify the module, close it. Nothing is written to the module.
struct ProbeResult {
    bool opened = false;
    PortOpenError portError;  // when not opened
    bool answered = false;
    ModuleInfo module{};  // when answered
};
ProbeResult ProbeModule(const std::string& device);

}  // namespace brenvox
