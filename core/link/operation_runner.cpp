#include "link/operation_runner.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>

#include "files/safe_file.h"
#include "i18n/translate.h"
#include "link/deadline.h"
#include "link/module_identity.h"
#include "link/progress_log.h"
#include "link/transfer_session.h"
#include "settings/settings_file.h"

namespace brenvox {

namespace {

std::string_view ImageBytes(const ModuleImage& image) {
    return {reinterpret_cast<const char*>(image.data()), image.size()};
}

// One line of the trace: milliseconds since the trace began, the direction, the bytes in hex;
// "-" for a read that got nothing. The simulator's --replay reads this format back.
void AppendTraceLine(std::string& out, int64_t ms, FrameDirection dir, const uint8_t* data, size_t count) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%" PRId64 " %s", ms, dir == FrameDirection::Sent ? "tx" : "rx");
    out += buf;
    if (count == 0) out += " -";
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(buf, sizeof buf, " %02X", data[i]);
        out += buf;
    }
    out += '\n';
}

}  // namespace

OperationRunner::OperationRunner(OperationView& view) : view_(view) {}

OperationRunner::~OperationRunner() {
    // Closing the port makes every read of a running worker fail at once, so the wait for it in
    // the task's destructor is short.
    Close();
    task_.Join();
}

bool OperationRunner::Open(const OperationRequest& request) {
    request_ = request;
    result_ = {};
    step_ = Step::Main;
    firstStart_ = true;
    ended_ = false;
    closed_ = false;
    traceReady_ = false;
    traceWritten_ = true;
    ++session_;
    {
        std::lock_guard lock(eventsMutex_);
        events_.clear();
    }
    state_.WritePos = 0;
    state_.CheckPos = 0;
    state_.CurrentMode = request_.mode;

    // The frames are recorded for the trace file and for the archive entry, whose trace lets
    // support see (and the simulator replay) what happened.
    state_.Trace = nullptr;
    {
        std::lock_guard lock(traceMutex_);
        trace_.clear();
        traceStartMs_ = MonotonicMs();
    }
    if (!request_.tracePath.empty() || !request_.archiveDir.empty()) {
        state_.Trace = [this](FrameDirection dir, const uint8_t* data, size_t count) {
            std::lock_guard lock(traceMutex_);
            AppendTraceLine(trace_, MonotonicMs() - traceStartMs_, dir, data, count);
        };
    }
    if (!request_.tracePath.empty()) {
        // Made at once, so that a trace that cannot be kept stops the operation before anything
        // is sent; the frames are written into it when the runner closes.
        if (!WriteRequested(OperationFile::Trace, request_.tracePath, {})) return false;
        traceReady_ = true;
    }

    view_.AddLine(Tr(progress::kCheckingPort));
    const PortChoice& port = request_.port;
    const bool opened = port.device.empty() ? OpenModulePort(link_, port.portNumber, port.portType)
                                            : OpenModulePort(link_, port.device);
    if (!opened) {
        result_.portError = link_.openError();
        view_.AddLine(Tr(progress::kPortError));
        view_.AddLine(PortFaultLine(result_.portError, ListSerialDevices(), request_.portRetry));
        return false;
    }
    result_.portOpened = true;
    view_.AddLine(Tr(progress::kPortReady));
    view_.AddLine(Tr(progress::kPreparingData));
    view_.Preparing();
    PrepareImages(state_, request_.settings);
    view_.AddLine(Tr(progress::kDataReady));
    return true;
}

bool OperationRunner::Start() {
    if (!link_.IsOpen() || task_.Running()) return false;
    ended_ = false;
    result_.outcome = LinkOutcome::NoResponse;
    result_.backupUnread = false;
    result_.pinRefused = false;
    result_.fileFault.reset();
    result_.readSettings.reset();
    result_.differences.clear();
    result_.archive.reset();
    mainIdentified_ = false;
    StartStep(request_.mode == OperationMode::Program && !request_.backupImagePath.empty() ? Step::Backup
                                                                                           : Step::Main);
    return true;
}

void OperationRunner::StartStep(Step step) {
    step_ = step;
    task_.Join();
    view_.TransferStarted();
    // The read behind a compare's difference list runs without lines of its own: the log keeps
    // the compare's lines, and the list follows them.
    if (step != Step::Report) {
        if (firstStart_) {
            firstStart_ = false;
            view_.AddLine("");  // the preparation lines stay above it
        } else {
            view_.ClearLog();
        }
        view_.AddLine(Tr(progress::kReadingVersion));
    }
    state_.CurrentMode = step == Step::Main ? request_.mode : OperationMode::Read;
    state_.AbortRequested = false;
    if (step == Step::Main) {
        std::lock_guard lock(traceMutex_);
        mainTraceFrom_ = trace_.size();
    }
    workerSession_ = session_.load();
    if (!task_.Start(link_, state_, *this)) {
        // Cannot happen after the Running() test of Start; the operation still ends in order.
        result_.outcome = LinkOutcome::NoResponse;
        view_.TransferStopped(result_.outcome);
        Finish();
    }
}

void OperationRunner::Abort() {
    state_.AbortRequested = true;
}

void OperationRunner::OnLinkEvent(LinkEvent event) {
    {
        std::lock_guard lock(eventsMutex_);
        events_.push_back({event, workerSession_.load()});
    }
    eventsArrived_.notify_all();
    view_.WorkerEvent();
}

void OperationRunner::Pump() {
    // A dialog of the ending may run an event loop that calls Pump again; each event is taken
    // off the queue before it is handled, so none is handled twice or out of order.
    for (;;) {
        QueuedEvent e;
        {
            std::lock_guard lock(eventsMutex_);
            if (events_.empty()) return;
            e = events_.front();
            events_.pop_front();
        }
        if (e.session != session_.load()) continue;  // a transfer orphaned by Close
        HandleEvent(e.event);
    }
}

const OperationResult& OperationRunner::RunToEnd(const std::function<void()>& tick) {
    if (!Start()) return result_;
    while (!ended_) {
        bool arrived = false;
        {
            std::unique_lock lock(eventsMutex_);
            arrived = eventsArrived_.wait_for(lock, std::chrono::milliseconds(250),
                                              [&] { return !events_.empty(); });
        }
        if (arrived)
            Pump();
        else if (tick)
            tick();
    }
    return result_;
}

bool OperationRunner::Close() {
    ++session_;
    {
        std::lock_guard lock(eventsMutex_);
        events_.clear();
    }
    link_.ClosePort();
    if (!closed_) {
        closed_ = true;
        traceWritten_ = WriteTrace();
    }
    return traceWritten_;
}

int OperationRunner::barPosition() const {
    return progress::BarPosition(state_.CurrentMode.load(), state_.WritePos.load(), state_.CheckPos.load());
}

void OperationRunner::HandleEvent(LinkEvent event) {
    if (event == LinkEvent::Done) {
        TransferDone();
        return;
    }
    if (event == LinkEvent::Identified && step_ == Step::Main) mainIdentified_ = true;
    if (step_ == Step::Report) return;
    for (const std::string& line : progress::EventLines(event, state_.CurrentMode.load(),
                                                        state_.ModuleInfo.load(), LinkOutcome::Success))
        view_.AddLine(line);
}

void OperationRunner::TransferDone() {
    const LinkOutcome outcome = state_.TransferOutcome.load();
    view_.TransferStopped(outcome);
    if (step_ == Step::Report) {
        EndReport(outcome);
        return;
    }
    const OperationMode mode = state_.CurrentMode.load();
    for (const std::string& line :
         progress::EventLines(LinkEvent::Done, mode, state_.ModuleInfo.load(), outcome))
        view_.AddLine(line);
    // A write error is a block the module may have taken in part; otherwise the counter says
    // whether any block went out before the transfer stopped.
    const bool writeBegan = state_.WritePos.load() > 0 || outcome == LinkOutcome::WriteError;
    if (const std::string_view advice = progress::AdviceLine(outcome, mode, writeBegan); !advice.empty())
        view_.AddLine(advice);
    switch (step_) {
        case Step::Backup:
            EndBackupRead(outcome);
            break;
        case Step::Main:
            EndMainTransfer(outcome);
            break;
        case Step::Report:
            break;  // handled above
    }
}

// The installer's undo: the whole memory as it was, kept before anything is written.
void OperationRunner::EndBackupRead(LinkOutcome outcome) {
    if (outcome != LinkOutcome::Success) {
        result_.outcome = outcome;
        result_.backupUnread = true;
        Finish();
        return;
    }
    if (!WriteRequested(OperationFile::Backup, request_.backupImagePath, ImageBytes(state_.ReadImage))) {
        result_.outcome = outcome;
        Finish();
        return;
    }
    StartStep(Step::Main);
}

void OperationRunner::EndMainTransfer(LinkOutcome outcome) {
    result_.outcome = outcome;
    {
        // Done comes after the transfer's last frame: this is the whole of it.
        std::lock_guard lock(traceMutex_);
        mainTrace_ = trace_.substr(std::min(mainTraceFrom_, trace_.size()));
    }
    if (outcome == LinkOutcome::Success) {
        switch (request_.mode) {
            case OperationMode::Program:
                view_.AddLine(Tr(progress::kModuleReady));
                break;
            case OperationMode::Compare:
                view_.ShowInformation(Tr(progress::kCompareEqual));
                view_.AddLine(Tr(progress::kModuleReady));
                break;
            case OperationMode::Read:
                if (!EndRead()) return;
                break;
        }
    } else if (request_.mode == OperationMode::Compare && outcome == LinkOutcome::CheckError &&
               request_.reportDifferences) {
        StartStep(Step::Report);
        return;
    }
    Finish();
}

// After a successful read: the module PIN, the decode, the files. False when the operation has
// already been finished here (a file that could not be written ends it at once).
bool OperationRunner::EndRead() {
    const auto read = AcceptReadImage(
        state_, [this] { return view_.AskModulePin(); }, request_.settings);
    if (!read) {
        result_.pinRefused = true;
        view_.ShowInformation(Tr(progress::kWrongModulePin));
        view_.AddLine(Tr(progress::kModuleReady));
        return true;
    }
    if (!WriteRequested(OperationFile::ReadImage, request_.readImagePath, ImageBytes(state_.ReadImage)) ||
        (!request_.readSettingsPath.empty() && !WriteSettings(request_.readSettingsPath, read->settings))) {
        Finish();
        return false;
    }
    result_.readSettings = read->settings;
    view_.SettingsRead(read->settings);
    view_.ShowInformation(Tr(progress::kReadDecoded));
    view_.AddLine(Tr(progress::kModuleReady));
    return true;
}

// The compare's mismatch, setting by setting: what the module holds against the settings.
void OperationRunner::EndReport(LinkOutcome outcome) {
    if (outcome == LinkOutcome::Success) {
        const auto read = AcceptReadImage(state_, [this] { return view_.AskModulePin(); });
        if (!read) {
            view_.ShowInformation(Tr(progress::kWrongModulePin));
        } else {
            result_.differences = CompareReportLines(request_.settings, *read);
            view_.AddLine("");
            view_.AddLine(Tr(progress::kDifferencesHeading));
            for (const std::string& line : result_.differences) view_.AddLine(line);
        }
    }
    Finish();
}

bool OperationRunner::WriteRequested(OperationFile file, const std::string& path, std::string_view bytes) {
    if (path.empty()) return true;
    const FileWriteResult written = WriteFileSafely(path, bytes);
    if (written) return true;
    result_.fileFault = OperationFileFault{file, path, written.error};
    return false;
}

bool OperationRunner::WriteSettings(const std::string& path, const ModuleSettings& settings) {
    if (WriteSettingsFile(path, settings)) return true;
    result_.fileFault = OperationFileFault{OperationFile::ReadSettings, path, {}};
    return false;
}

void OperationRunner::Finish() {
    // Every transfer that reached the module is kept, whatever its outcome: one that failed is
    // what support will ask about. One that never reached a module has nothing to tell.
    if (!request_.archiveDir.empty() && mainIdentified_) Archive();
    ended_ = true;
    view_.OperationEnded(result_);
}

void OperationRunner::Archive() {
    ArchiveRecord record;
    record.mode = request_.mode;
    record.name = request_.archiveName;
    record.module = state_.ModuleInfo.load();
    record.outcome = result_.pinRefused ? "PinRefused" : OutcomeName(result_.outcome);
    if (request_.mode == OperationMode::Read) {
        // What a read brought back is kept once its module PIN was given; a read refused for
        // its PIN keeps only its record, as its frames hold the memory it was refused.
        if (result_.readSettings) {
            record.image = state_.ReadImage;
            record.settings = result_.readSettings;
        }
        if (!result_.pinRefused) record.trace = mainTrace_;
    } else {
        // The engine took the image of the module's version once the module had identified
        // itself; a module it does not support got none.
        if (ModuleSupported(record.module)) record.image = state_.WorkImage;
        record.settings = request_.settings;
        record.trace = mainTrace_;
    }
    result_.archive = ArchiveTransfer(request_.archiveDir, record);
}

bool OperationRunner::WriteTrace() {
    if (!traceReady_) return true;
    std::string text;
    {
        std::lock_guard lock(traceMutex_);
        text = trace_;
    }
    const FileWriteResult written = WriteFileSafely(request_.tracePath, text);
    if (written) return true;
    if (!result_.fileFault)
        result_.fileFault = OperationFileFault{OperationFile::Trace, request_.tracePath, written.error};
    return false;
}

ProbeResult ProbeModule(const std::string& device) {
    ProbeResult r;
    SerialLink link;
    if (!OpenModulePort(link, device)) {
        r.portError = link.openError();
        return r;
    }
    r.opened = true;
    r.answered = IdentifyModule(link, r.module);
    link.ClosePort();
    return r;
}

}  // namespace brenvox
