// Link commands: program, compare, read, ports, demo. They print the lines of the GUI's progress
// window in the same order, so a script and an installer at the GUI see the same transfer.
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cli_util.h"
#include "codec/image_codec.h"
#include "commands.h"
#include "link/deadline.h"
#include "link/progress_log.h"
#include "link/serial_link.h"
#include "link/transfer.h"
#include "link/transfer_session.h"
#include "settings/cp1250.h"
#include "settings/settings_file.h"
#include "settings/validation.h"

#ifdef BRENVOX_HAVE_SIM
#include "pty_simulator.h"
#endif

namespace brenvox::cli {
namespace {

constexpr int kProgressMax = 4094;

struct LinkArgs {
    std::string device;
    int port = 0;
    std::string type = "COM";
    std::string trace;
};

struct OperationArgs {
    std::string settingsFile;  // program, compare
    std::string output;        // read: settings file to write
    std::string image;         // read: raw image to write
    std::string backup;        // program: raw image of the module before writing
    std::string pin;           // read, compare --report: module PIN, UTF-8
    bool pinGiven = false;
    bool report = false;  // compare: list differing settings on a mismatch
    std::string archive;  // folder that keeps an entry of every successful transfer
};

int PortTypeFromName(const std::string& name) {
    if (name == "USB") return PortTypeUsb;
    if (name == "IrDA") return PortTypeIrda;
    return PortTypeCom;
}

// stdout, with a progress bar drawn on the last line when stdout is a terminal.
class Console {
public:
    Console() : tty_(::isatty(STDOUT_FILENO) == 1) {}

    void Line(std::string_view text) {
        ClearBar();
        std::cout << text << '\n' << std::flush;
    }
    void Bar(int position) {
        if (!tty_) return;
        const int pos = std::clamp(position, 0, kProgressMax);
        constexpr int kWidth = 40;
        const int filled = pos * kWidth / kProgressMax;
        std::cout << "\r[" << std::string(static_cast<size_t>(filled), '#')
                  << std::string(static_cast<size_t>(kWidth - filled), '.') << "] "
                  << pos * 100 / kProgressMax << "%" << std::flush;
        barShown_ = true;
    }
    void ClearBar() {
        if (!barShown_) return;
        std::cout << "\r\033[K" << std::flush;
        barShown_ = false;
    }

private:
    bool tty_;
    bool barShown_ = false;
};

// Hands the worker's events to the main thread, which prints them.
class EventQueue : public TransferObserver {
public:
    void OnLinkEvent(LinkEvent e) override {
        std::lock_guard lock(mutex_);
        events_.push_back(e);
        cv_.notify_one();
    }
    // The next event, or nothing after `ms` milliseconds.
    std::optional<LinkEvent> Wait(int ms) {
        std::unique_lock lock(mutex_);
        if (!cv_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return !events_.empty(); }))
            return std::nullopt;
        const LinkEvent e = events_.front();
        events_.pop_front();
        return e;
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<LinkEvent> events_;
};

// Writes every frame sent and every read's bytes with milliseconds since the trace began.
class FrameTrace {
public:
    bool Open(const std::string& path) {
        file_.reset(std::fopen(path.c_str(), "w"));
        start_ = MonotonicMs();
        return file_ != nullptr;
    }
    void Attach(TransferState& state) {
        if (!file_) return;
        state.Trace = [this](FrameDirection dir, const uint8_t* data, size_t count) {
            std::fprintf(file_.get(), "%lld %s", static_cast<long long>(MonotonicMs() - start_),
                         dir == FrameDirection::Sent ? "tx" : "rx");
            if (count == 0) std::fputs(" -", file_.get());
            for (size_t i = 0; i < count; ++i) std::fprintf(file_.get(), " %02X", data[i]);
            std::fputc('\n', file_.get());
        };
    }
    bool Close() {
        if (!file_) return true;
        const bool ok = std::fflush(file_.get()) == 0;
        return std::fclose(file_.release()) == 0 && ok;
    }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    int64_t start_ = 0;
};

// Ctrl-C during a transfer is the CLI's "Przerwij": the transfer stops at its next block
// boundary and ends as Aborted, with the port closed properly.
volatile std::sig_atomic_t gInterrupted = 0;
extern "C" void OnInterrupt(int) {
    gInterrupted = 1;
}

struct InterruptAsAbort {
    InterruptAsAbort() {
        gInterrupted = 0;
        previous = std::signal(SIGINT, OnInterrupt);
    }
    ~InterruptAsAbort() { std::signal(SIGINT, previous == SIG_ERR ? SIG_DFL : previous); }
    void (*previous)(int);
};

// Runs one transfer on the open link, printing its log lines as the events come and the bar
// between them. Ends with the empty line and the outcome line.
LinkOutcome RunLogged(SerialLink& link, TransferState& state, OperationMode mode, Console& out) {
    out.Line("");
    out.Line(progress::kReadingVersion);
    state.CurrentMode = mode;
    state.AbortRequested = false;
    EventQueue events;
    InterruptAsAbort interrupt;
    TMainTask task;
    if (!task.Start(link, state, events)) return LinkOutcome::NoResponse;  // cannot happen: fresh task
    for (;;) {
        const std::optional<LinkEvent> e = events.Wait(250);
        if (gInterrupted) state.AbortRequested = true;
        if (!e) {
            const int pos =
                mode == OperationMode::Program ? state.WritePos + state.CheckPos : 2 * state.CheckPos;
            out.Bar(pos);
            continue;
        }
        for (const std::string& line :
             progress::EventLines(*e, mode, state.ModuleInfo.load(), state.TransferOutcome.load()))
            out.Line(line);
        if (*e == LinkEvent::Done) break;
    }
    task.Join();
    return state.TransferOutcome.load();
}

// The module PIN, asked for only when the read module has one: what --pin gave, if anything.
PinPrompt PinOption(const OperationArgs& op) {
    return [&op]() -> std::optional<std::string> {
        if (!op.pinGiven) return std::nullopt;
        return op.pin;
    };
}

struct Session {
    Console out;
    SerialLink link;
    TransferState state;
    FrameTrace trace;
};

// Opens the port and prepares both images, printing the preparation lines. Returns the exit
// status to end with, or nothing when the transfer may start.
std::optional<int> Prepare(Session& ss, const LinkArgs& a, const ModuleSettings& s) {
    if (!a.trace.empty()) {
        if (!ss.trace.Open(a.trace)) {
            std::cerr << "Cannot create the trace file: " << a.trace << '\n';
            return 2;
        }
        ss.trace.Attach(ss.state);
    }
    ss.out.Line(progress::kCheckingPort);
    const bool opened = a.device.empty() ? OpenModulePort(ss.link, a.port, PortTypeFromName(a.type))
                                         : OpenModulePort(ss.link, a.device);
    if (!opened) {
        ss.out.Line(progress::kPortError);
        if (a.device.empty() && a.port == 0) std::cerr << "No port given: use --device or --port.\n";
        return 1;
    }
    ss.out.Line(progress::kPortReady);
    ss.out.Line(progress::kPreparingData);
    PrepareImages(ss.state, s);
    ss.out.Line(progress::kDataReady);
    return std::nullopt;
}

// After a successful read: PIN check, decode with the module's version, write the outputs.
// `readBack` receives the decoded settings, for the archive.
int FinishRead(Session& ss, const OperationArgs& op, ModuleSettings& readBack) {
    const std::optional<ModuleReadout> read = AcceptReadImage(ss.state, PinOption(op));
    if (!read) {
        ss.out.Line(progress::kWrongModulePin);
        ss.out.Line(progress::kModuleReady);
        return 1;
    }
    if (!op.image.empty() && !WriteImageOrReport(op.image, ss.state.ReadImage)) return 2;
    if (!op.output.empty() && !SaveSettingsOrReport(op.output, read->settings)) return 2;
    readBack = read->settings;
    ss.out.Line(progress::kReadDecoded);
    ss.out.Line(progress::kModuleReady);
    return 0;
}

// compare --report after a mismatch: reads the module and lists the settings that differ.
void ReportDifferences(Session& ss, const ModuleSettings& fileSettings, const OperationArgs& op) {
    if (RunLogged(ss.link, ss.state, OperationMode::Read, ss.out) != LinkOutcome::Success) return;
    const std::optional<ModuleReadout> read = AcceptReadImage(ss.state, PinOption(op));
    if (!read) {
        ss.out.Line(progress::kWrongModulePin);
        return;
    }
    ss.out.Line("");
    for (const std::string& line : CompareReportLines(fileSettings, *read)) ss.out.Line(line);
}

int RunOperation(OperationMode mode, const ModuleSettings& s, const LinkArgs& a, const OperationArgs& op) {
    Session ss;
    if (auto exit = Prepare(ss, a, s)) return *exit;

    int status = 1;
    ModuleSettings transferred = s;  // what was written or compared, or what a read brought back
    if (mode == OperationMode::Program && !op.backup.empty()) {
        // The installer's undo: the whole memory as it was, saved before anything is written.
        if (RunLogged(ss.link, ss.state, OperationMode::Read, ss.out) != LinkOutcome::Success) {
            std::cerr << "The module could not be read; nothing was written to it.\n";
            ss.trace.Close();
            return 1;
        }
        if (!WriteImageOrReport(op.backup, ss.state.ReadImage)) return 2;
        std::cerr << "Module memory saved to " << op.backup << '\n';
    }

    const LinkOutcome outcome = RunLogged(ss.link, ss.state, mode, ss.out);
    if (outcome == LinkOutcome::Success) {
        switch (mode) {
            case OperationMode::Program:
                ss.out.Line(progress::kModuleReady);
                status = 0;
                break;
            case OperationMode::Compare:
                ss.out.Line(progress::kCompareEqual);
                ss.out.Line(progress::kModuleReady);
                status = 0;
                break;
            case OperationMode::Read:
                status = FinishRead(ss, op, transferred);
                break;
        }
    } else if (mode == OperationMode::Compare && outcome == LinkOutcome::CheckError && op.report) {
        ReportDifferences(ss, s, op);
    }
    if (status == 0 && !op.archive.empty())
        ArchiveOrWarn(op.archive, mode, mode == OperationMode::Read ? op.output : op.settingsFile, ss.state,
                      transferred);
    ss.link.ClosePort();
    if (!ss.trace.Close()) {
        std::cerr << "Cannot write the trace file: " << a.trace << '\n';
        if (status == 0) status = 2;
    }
    return status;
}

// program / compare: the settings file, then the checks made before any transfer.
int RunWithSettingsFile(OperationMode mode, const LinkArgs& a, const OperationArgs& op) {
    ModuleSettings s;
    if (!LoadSettingsOrReport(op.settingsFile, s)) return 2;
    if (auto failure = ValidateSettings(s)) {
        PrintValidationFailure(*failure);
        return 1;
    }
    return RunOperation(mode, s, a, op);
}

std::string ProbeAnswer(const ModuleInfo& info) {
    std::string text = "version " + std::to_string(info.VersionMajor) + "." +
                       std::to_string(info.VersionMinor) + ", type " + std::to_string(info.ModuleType);
    if (info.ModuleType == 1) text += " (Nokia3330, 3410)";
    if (info.ModuleType == 2) text += " (Nokia5110)";
    // What a transfer would refuse as UnsupportedModule, said before anyone tries one.
    if (info.ModuleType == 3 || !ModuleVersionOf(info)) text += ", not supported";
    return text;
}

// Without probe only lists what is present and sends nothing. With probe asks each device in
// turn who is there, closing it before the next: exit 0 when some module answered, else 1.
int CmdPorts(bool probe, const std::vector<std::string>& devices) {
    std::vector<SerialDeviceInfo> list;
    for (const std::string& path : devices) list.push_back({path, -1, 0});
    if (devices.empty()) list = ListSerialDevices();
    bool found = false;
    for (const SerialDeviceInfo& d : list) {
        static const char* const kTypes[] = {"COM", "USB", "IrDA"};
        std::cout << d.path;
        if (d.portType >= 0) std::cout << "  (" << kTypes[d.portType] << ' ' << d.portNumber << ')';
        if (!probe) {
            std::cout << '\n';
            continue;
        }
        // A silent device takes over a second to give up on: show which one is being asked.
        // The probe opens the port as a transfer does, so it meets the module the same way.
        std::cout << ": " << std::flush;
        SerialLink link;
        if (!OpenModulePort(link, d.path)) {
            std::cout << "cannot be opened" << std::endl;
            continue;
        }
        ModuleInfo info{};
        const bool answered = IdentifyModule(link, info);
        link.ClosePort();
        std::cout << (answered ? ProbeAnswer(info) : "no module") << std::endl;
        found = found || answered;
    }
    if (probe && list.empty()) std::cout << "No serial device found." << std::endl;
    return !probe || found ? 0 : 1;
}

int CmdDemo() {
#ifdef BRENVOX_HAVE_SIM
    sim::PtySimulator module;
    std::string error;
    if (!module.start(&error)) {
        std::cerr << "Cannot start the simulated module: " << error << '\n';
        return 2;
    }
    std::cout << "Simulated module (version 1.1) on " << module.devicePath() << "\n\n";
    const ModuleSettings defaults;
    LinkArgs a;
    a.device = module.devicePath();
    OperationArgs op;
    op.pin = Cp1250ToUtf8(defaults.MODPIN);
    op.pinGiven = true;

    char dir[] = "/tmp/brenvox-demo-XXXXXX";
    if (!::mkdtemp(dir)) {
        std::cerr << "Cannot create a temporary directory\n";
        return 2;
    }
    op.output = std::string(dir) + "/read-back";
    // Every step leaves an entry in an archive of the temporary folder; the program and compare
    // entries are named after a settings file called "demo".
    op.archive = std::string(dir) + "/Archiwum";
    op.settingsFile = "demo";
    int status = 0;
    const struct {
        const char* title;
        OperationMode mode;
    } steps[] = {{"brenvox-cli program (the default settings)", OperationMode::Program},
                 {"brenvox-cli compare", OperationMode::Compare},
                 {"brenvox-cli read", OperationMode::Read}};
    for (const auto& step : steps) {
        std::cout << "== " << step.title << '\n';
        const int r = RunOperation(step.mode, defaults, a, op);
        std::cout << '\n';
        if (r != 0) {
            status = 1;
            break;
        }
    }
    if (status == 0) {
        // What came back out of the module must give the same image as what went in.
        ModuleSettings readBack;
        const bool same = ReadSettingsFile(op.output, readBack) == ReadOutcome::Ok &&
                          EncodeImageV11(readBack) == EncodeImageV11(defaults);
        std::cout << (same ? "The settings read back encode to the image that was programmed.\n"
                           : "The settings read back differ from those programmed!\n");
        if (!same) status = 1;
        std::cout << "\n== brenvox-cli history " << op.archive << '\n';
        if (CmdHistory(op.archive, {}) != 0) status = 1;
    }
    std::filesystem::remove_all(dir);
    return status;
#else
    std::cerr << "demo needs the module simulator, which is not built on this platform\n";
    return 2;
#endif
}

void AddPortOptions(CLI::App* cmd, LinkArgs& a) {
    auto* dev = cmd->add_option("--device", a.device, "serial device path (e.g. /dev/ttyUSB0)");
    auto* port = cmd->add_option("--port", a.port, "port number 1..8 (with --type)");
    cmd->add_option("--type", a.type, "port type of --port (default COM)")
        ->check(CLI::IsMember({"COM", "USB", "IrDA"}))
        ->needs(port);
    dev->excludes(port);
    cmd->add_option("--trace", a.trace, "write every frame sent and received to FILE, with times");
}

void AddArchiveOption(CLI::App* cmd, OperationArgs& op) {
    cmd->add_option("--archive", op.archive,
                    "after success keep the settings, the memory image and a record in a new folder of DIR");
}

}  // namespace

void AddLinkCommands(CLI::App& app, int& exitCode) {
    struct Args {
        LinkArgs link;
        OperationArgs op;
    };
    auto args = std::make_shared<Args>();

    auto* cProgram = app.add_subcommand(
        "program", "Check the settings, then write them into the module and verify (exit 0 on success).");
    cProgram->add_option("FILE", args->op.settingsFile, "settings file")->required();
    cProgram->add_option("--backup", args->op.backup,
                         "read the module's whole memory into RAW before writing");
    AddPortOptions(cProgram, args->link);
    AddArchiveOption(cProgram, args->op);
    cProgram->callback(
        [&exitCode, args] { exitCode = RunWithSettingsFile(OperationMode::Program, args->link, args->op); });

    auto* cCompare =
        app.add_subcommand("compare", "Compare the module's memory with the settings (exit 0 when equal).");
    cCompare->add_option("FILE", args->op.settingsFile, "settings file")->required();
    cCompare->add_flag("--report", args->op.report,
                       "on a mismatch read the module and list the settings that differ");
    cCompare->add_option("--pin", args->op.pin, "module PIN, needed by --report when one is set");
    AddPortOptions(cCompare, args->link);
    AddArchiveOption(cCompare, args->op);
    cCompare->callback([&exitCode, args] {
        args->op.pinGiven = args->op.pinGiven || !args->op.pin.empty();
        exitCode = RunWithSettingsFile(OperationMode::Compare, args->link, args->op);
    });

    auto* cRead = app.add_subcommand(
        "read", "Read the settings out of the module into a settings file (exit 0 on success).");
    cRead->add_option("-o,--output", args->op.output, "settings file to write")->required();
    auto* pin = cRead->add_option("--pin", args->op.pin, "module PIN, when the module has one");
    cRead->add_option("--image", args->op.image, "also write the raw 2048-byte memory to RAW");
    AddPortOptions(cRead, args->link);
    AddArchiveOption(cRead, args->op);
    cRead->callback([&exitCode, args, pin] {
        args->op.pinGiven = pin->count() > 0;
        exitCode = RunOperation(OperationMode::Read, ModuleSettings{}, args->link, args->op);
    });

    struct PortsArgs {
        bool probe = false;
        std::vector<std::string> devices;
    };
    auto ports = std::make_shared<PortsArgs>();
    auto* cPorts = app.add_subcommand(
        "ports",
        "List the serial devices present. With --probe wake each in turn and ask for the module's "
        "version and type (nothing is written); exit 1 when no module answered.");
    auto* probe = cPorts->add_flag("--probe", ports->probe, "ask each device whether a module is on it");
    cPorts->add_option("--device", ports->devices, "probe only this device (repeatable)")->needs(probe);
    cPorts->callback([&exitCode, ports] { exitCode = CmdPorts(ports->probe, ports->devices); });

    auto* cDemo =
        app.add_subcommand("demo", "Program, compare and read a simulated module with the default settings.");
    cDemo->callback([&exitCode] { exitCode = CmdDemo(); });
}

}  // namespace brenvox::cli
