#include "operation/operation_runner.h"

#include <chrono>

#include "files/safe_file.h"
#include "i18n/translate.h"
#include "link/module_identity.h"
#include "operation/port_texts.h"
#include "operation/progress_log.h"
#include "settings/settings_file.h"

namespace brenvox {

namespace {

std::string_view ImageBytes(const ModuleImage& image) {
    return {reinterpret_cast<const char*>(image.data()), image.size()};
}

}  // namespace

std::string OperationView::PinNotGivenText() const {
    return std::string(Tr(progress::kWrongModulePin));
}

OperationRunner::OperationRunner(OperationView& view) : view_(view) {}

OperationRunner::~OperationRunner() {
    // Closing the port makes every read of a running worker fail at once, so the wait for it in
    // the worker's Join is short.
    Close();
    worker_.Join();
}

bool OperationRunner::Check(const OperationRequest& request) {
    request_ = request;
    result_ = {};
    result_.refusal = ValidateSettings(request_.settings);
    checked_ = !result_.refusal;
    if (result_.refusal) view_.SettingsRefused(*result_.refusal);
    return checked_;
}

bool OperationRunner::Open() {
    if (!checked_) return false;
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
    state_.writePos = 0;
    state_.checkPos = 0;
    state_.currentMode = request_.mode;

    // The frames are recorded for the trace file and for the archive entry, whose trace lets
    // support see (and the simulator replay) what happened.
    recorder_.Begin();
    const bool recording = !request_.tracePath.empty() || !request_.archiveDir.empty();
    state_.trace = recording ? recorder_.Hook() : nullptr;
    if (!request_.tracePath.empty()) {
        // Made at once, so that a trace that cannot be kept stops the operation before anything
        // is sent; the frames are written into it when the runner closes.
        if (!WriteRequested(OperationFile::Trace, request_.tracePath, {})) return false;
        traceReady_ = true;
    }

    view_.AddLine(Tr(progress::kCheckingPort));
    if (!OpenModulePort(link_, request_.port)) {
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
    if (!link_.IsOpen() || worker_.Running()) return false;
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
    worker_.Join();
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
    state_.currentMode = step == Step::Main ? request_.mode : OperationMode::Read;
    state_.abortRequested = false;
    if (step == Step::Main) mainTraceFrom_ = recorder_.Mark();
    workerSession_ = session_.load();
    if (!worker_.Start(link_, state_, *this)) {
        // Cannot happen after the Running() test of Start; the operation still ends in order.
        result_.outcome = LinkOutcome::NoResponse;
        view_.TransferStopped(result_.outcome);
        Finish();
    }
}

void OperationRunner::Abort() {
    state_.abortRequested = true;
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
    link_.Close();
    if (!closed_) {
        closed_ = true;
        traceWritten_ = WriteTrace();
    }
    return traceWritten_;
}

int OperationRunner::barPosition() const {
    return progress::BarPosition(state_.currentMode.load(), state_.writePos.load(), state_.checkPos.load());
}

void OperationRunner::HandleEvent(LinkEvent event) {
    if (event == LinkEvent::Done) {
        TransferDone();
        return;
    }
    if (event == LinkEvent::Identified && step_ == Step::Main) mainIdentified_ = true;
    if (step_ == Step::Report) return;
    for (const std::string& line : progress::EventLines(event, state_.currentMode.load(),
                                                        state_.moduleInfo.load(), LinkOutcome::Success))
        view_.AddLine(line);
}

void OperationRunner::TransferDone() {
    const LinkOutcome outcome = state_.transferOutcome.load();
    view_.TransferStopped(outcome);
    if (step_ == Step::Report) {
        EndReport(outcome);
        return;
    }
    const OperationMode mode = state_.currentMode.load();
    for (const std::string& line :
         progress::EventLines(LinkEvent::Done, mode, state_.moduleInfo.load(), outcome))
        view_.AddLine(line);
    // A write error is a block the module may have taken in part; otherwise the counter says
    // whether any block went out before the transfer stopped.
    const bool writeBegan = state_.writePos.load() > 0 || outcome == LinkOutcome::WriteError;
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
    if (!WriteRequested(OperationFile::Backup, request_.backupImagePath, ImageBytes(state_.readImage))) {
        result_.outcome = outcome;
        Finish();
        return;
    }
    StartStep(Step::Main);
}

void OperationRunner::EndMainTransfer(LinkOutcome outcome) {
    result_.outcome = outcome;
    // Done comes after the transfer's last frame: this is the whole of it.
    mainTrace_ = recorder_.Since(mainTraceFrom_);
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
    const auto read = AcceptRead(request_.settings);
    if (!read) {
        result_.pinRefused = true;
        view_.AddLine(Tr(progress::kModuleReady));
        return true;
    }
    if (!WriteRequested(OperationFile::ReadImage, request_.readImagePath, ImageBytes(state_.readImage)) ||
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
        if (const auto read = AcceptRead({})) {
            result_.differences = CompareReportLines(request_.settings, *read);
            view_.AddLine("");
            view_.AddLine(Tr(progress::kDifferencesHeading));
            for (const std::string& line : result_.differences) view_.AddLine(line);
        }
    }
    Finish();
}

// The read image let in through the module PIN and decoded over `base`; a PIN not given or
// wrong is told to the view here, in its own words for a PIN not given.
std::optional<ModuleReadout> OperationRunner::AcceptRead(ModuleSettings base) {
    bool given = true;
    auto read = AcceptReadImage(
        state_,
        [this, &given] {
            std::optional<std::string> pin = view_.AskModulePin();
            given = pin.has_value();
            return pin;
        },
        std::move(base));
    if (!read)
        view_.ShowInformation(given ? std::string(Tr(progress::kWrongModulePin)) : view_.PinNotGivenText());
    return read;
}

bool OperationRunner::WriteRequested(OperationFile file, const std::string& path, std::string_view bytes) {
    if (path.empty()) return true;
    const FileWriteResult written = WriteFileSafely(PathFromUtf8(path), bytes);
    if (written) return true;
    result_.fileFault = OperationFileFault{file, path, written.error};
    return false;
}

bool OperationRunner::WriteSettings(const std::string& path, const ModuleSettings& settings) {
    const FileWriteResult written = WriteSettingsFile(path, settings);
    if (written) return true;
    result_.fileFault = OperationFileFault{OperationFile::ReadSettings, path, written.error};
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
    record.module = state_.moduleInfo.load();
    record.outcome = result_.pinRefused ? "PinRefused" : OutcomeName(result_.outcome);
    if (request_.mode == OperationMode::Read) {
        // What a read brought back is kept once its module PIN was given; a read refused for
        // its PIN keeps only its record, as its frames hold the memory it was refused.
        if (result_.readSettings) {
            record.image = state_.readImage;
            record.settings = result_.readSettings;
        }
        if (!result_.pinRefused) record.trace = mainTrace_;
    } else {
        // The engine took the image of the module's version once the module had identified
        // itself; a module it does not support got none.
        if (ModuleSupported(record.module)) record.image = state_.workImage;
        record.settings = request_.settings;
        record.trace = mainTrace_;
    }
    result_.archive = ArchiveTransfer(request_.archiveDir, record);
}

bool OperationRunner::WriteTrace() {
    if (!traceReady_) return true;
    const FileWriteResult written = WriteFileSafely(PathFromUtf8(request_.tracePath), recorder_.Text());
    if (written) return true;
    if (!result_.fileFault)
        result_.fileFault = OperationFileFault{OperationFile::Trace, request_.tracePath, written.error};
    return false;
}

}  // namespace brenvox
