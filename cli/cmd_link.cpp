// Link commands: program, compare, read, ports, demo. The operation runs in the core's runner,
// which the progress window uses too; this file only prints what it reports, in the same order
// as the window shows it, and maps the status of its result to the exit status.
#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "cli_util.h"
#include "codec/image_codec.h"
#include "commands.h"
#include "console.h"
#include "files/file_error_text.h"
#include "files/safe_file.h"
#include "i18n/translate.h"
#include "link/module_identity.h"
#include "link/serial_link.h"
#include "operation/module_finder.h"
#include "operation/operation_destinations.h"
#include "operation/operation_runner.h"
#include "operation/port_texts.h"
#include "operation/progress_log.h"
#include "settings/cp1250.h"
#include "settings/messages.h"
#include "settings/settings_file.h"
#include "usage.h"

#ifdef BRENVOX_HAVE_SIM
#include "pty_simulator.h"
#endif

namespace brenvox::cli {
namespace {

namespace fs = std::filesystem;

struct LinkArgs {
    std::string device;
    int port = 0;
    std::string type = std::string(PortTypeName(PortType::Com));
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

// stdout: the progress window's lines, its messages as lines too, and a bar drawn on the last
// line while stdout is a terminal.
class ConsoleView : public OperationView {
public:
    explicit ConsoleView(const OperationArgs& op) : op_(op), tty_(StdoutIsTerminal()) {}

    // The failed check's lines, as `validate` prints them but without a caption.
    void SettingsRefused(const ValidationFailure& failure) override { PrintValidationFailure(failure); }
    void AddLine(std::string_view text) override {
        ClearBar();
        std::cout << text << '\n' << std::flush;
    }
    // A terminal cannot take a line back: a new transfer's log is set off by an empty line.
    void ClearLog() override { AddLine(""); }
    void ShowInformation(std::string_view text) override { AddLine(text); }
    // The module PIN, asked for only when the read module has one: what --pin gave, if anything.
    std::optional<std::string> AskModulePin() override {
        if (!op_.pinGiven) return std::nullopt;
        return op_.pin;
    }
    // Nobody was asked: a command line without --pin is told what it lacks.
    std::string PinNotGivenText() const override {
        return std::string(Tr(BRENVOX_TEXT("Moduł ma ustawiony kod PIN: podaj go opcją --pin.")));
    }

    void Bar(int position) {
        if (!tty_) return;
        const int pos = std::clamp(position, 0, progress::kProgressMax);
        constexpr int kWidth = 40;
        const int filled = pos * kWidth / progress::kProgressMax;
        std::cout << "\r[" << std::string(static_cast<size_t>(filled), '#')
                  << std::string(static_cast<size_t>(kWidth - filled), '.') << "] "
                  << pos * 100 / progress::kProgressMax << "%" << std::flush;
        barShown_ = true;
    }

private:
    void ClearBar() {
        if (!barShown_) return;
        std::cout << "\r\033[K" << std::flush;
        barShown_ = false;
    }

    const OperationArgs& op_;
    bool tty_;
    bool barShown_ = false;
};

void PrintFileFault(const OperationFileFault& f) {
    std::string message;
    switch (f.file) {
        case OperationFile::Trace:
            message = TrFormat(BRENVOX_TEXT("Nie można zapisać pliku śladu: %1"), {f.path});
            break;
        case OperationFile::Backup:
        case OperationFile::ReadImage:
            message = TrFormat(BRENVOX_TEXT("Nie można zapisać obrazu pamięci: %1"), {f.path});
            break;
        case OperationFile::ReadSettings:
            message = std::string(Tr(msg::kSaveFailed)) + " (" + f.path + ")";
            break;
    }
    ReportFileFault(message, f.error, f.path, FileAction::Write);
}

// The option of the command line that named a destination.
std::string_view OptionOf(Destination d) {
    switch (d) {
        case Destination::Trace:
            return "--trace";
        case Destination::Backup:
            return "--backup";
        case Destination::ReadImage:
            return "--image";
        case Destination::ReadSettings:
            return "-o";
        case Destination::Archive:
            break;
    }
    return "--archive";
}

// The exit status of an operation: 0 when it did all it was asked, 1 when the settings, the
// module or the transfer failed, 2 when a file could not be written (a file error, as for every
// command).
int ExitStatus(OperationStatus status) {
    switch (status) {
        case OperationStatus::Succeeded:
            return 0;
        case OperationStatus::SettingsRefused:
        case OperationStatus::TransferFailed:
            return 1;
        case OperationStatus::FileFailed:
            return 2;
    }
    return 1;
}

int RunOperation(OperationMode mode, const ModuleSettings& s, const LinkArgs& a, const OperationArgs& op) {
    OperationRequest request;
    request.mode = mode;
    request.port.device = a.device;
    request.port.portNumber = a.port;
    request.port.portType = PortTypeNamed(a.type).value_or(PortType::Com);
    request.settings = s;
    request.tracePath = a.trace;
    request.backupImagePath = mode == OperationMode::Program ? op.backup : "";
    request.readImagePath = mode == OperationMode::Read ? op.image : "";
    request.readSettingsPath = mode == OperationMode::Read ? op.output : "";
    request.reportDifferences = mode == OperationMode::Compare && op.report;
    request.archiveDir = op.archive;
    request.archiveName =
        fs::path(mode == OperationMode::Read ? op.output : op.settingsFile).filename().string();

    ConsoleView view(op);
    OperationRunner runner(view);
    // The settings first: a failed check is its message and exit 1, before anything else.
    if (!runner.Check(request)) return ExitStatus(runner.result().status());
    // Every file the operation will write is checked before the port opens: a file it cannot
    // write is a usage error, found before the module is touched rather than after a transfer.
    if (const std::optional<DestinationFault> fault = CheckDestinations(request)) {
        std::cerr << TrFormat(
                         BRENVOX_TEXT("Nie można zapisać %1 (%2): %3. Nic nie zostało wysłane do modułu."),
                         {fault->path, OptionOf(fault->destination), fault->reason})
                  << '\n';
        return 2;
    }
    if (!runner.Open()) {
        const OperationResult& r = runner.result();
        // A trace that cannot be made stops the operation before its port is tried.
        if (r.fileFault) PrintFileFault(*r.fileFault);
        return ExitStatus(r.status());
    }
    {
        InterruptAsAbort interrupt;
        runner.RunToEnd([&] {
            if (gInterrupted) runner.Abort();
            view.Bar(runner.barPosition());
        });
    }
    runner.Close();
    const OperationResult& r = runner.result();
    if (r.backupUnread)
        std::cerr << Tr(BRENVOX_TEXT("Nie udało się odczytać modułu; nic nie zostało w nim zapisane."))
                  << '\n';
    if (!op.backup.empty() && mode == OperationMode::Program && !r.backupUnread &&
        !(r.fileFault && r.fileFault->file == OperationFile::Backup))
        std::cerr << TrFormat(BRENVOX_TEXT("Pamięć modułu zapisana w %1"), {op.backup}) << '\n';
    if (r.fileFault) PrintFileFault(*r.fileFault);
    if (r.archive) {
        if (r.archive->ok)
            std::cerr << TrFormat(BRENVOX_TEXT("Przesłanie zarchiwizowane w %1"), {r.archive->folder})
                      << '\n';
        else
            ReportFileFault(TrFormat(BRENVOX_TEXT("Uwaga: przesłania nie zarchiwizowano w %1: %2"),
                                     {op.archive, r.archive->error}),
                            r.archive->cause, r.archive->causePath, FileAction::Write);
    }
    return ExitStatus(r.status());
}

// program / compare: the settings file, then the operation (whose runner checks it first).
int RunWithSettingsFile(OperationMode mode, const LinkArgs& a, const OperationArgs& op) {
    ModuleSettings s;
    if (!LoadSettingsOrReport(op.settingsFile, s)) return 2;
    return RunOperation(mode, s, a, op);
}

std::string ProbeAnswer(const ModuleInfo& info) {
    std::string text = TrFormat(BRENVOX_TEXT("moduł V%1.%2, typ %3"),
                                {std::to_string(info.versionMajor), std::to_string(info.versionMinor),
                                 std::to_string(info.moduleType)});
    const std::string_view type = ModuleTypeName(info.moduleType);
    if (!type.empty()) text += " (" + std::string(type) + ")";
    // What a transfer would refuse as UnsupportedModule, said before anyone tries one.
    if (!ModuleSupported(info)) text += Tr(BRENVOX_TEXT(", program nie obsługuje tej wersji"));
    return text;
}

// Without probe only lists what is present, each device with what a person knows it by, and
// sends nothing. With probe asks each device in turn who is there (the program's finder does the
// same), closing it before the next: exit 0 when some module answered, else 1.
int CmdPorts(bool probe, const std::vector<std::string>& devices) {
    std::vector<SerialDeviceInfo> list;
    for (const std::string& path : devices) list.push_back({path, NumberedPortOf(path)});
    if (devices.empty()) list = ListSerialDevices();
    // One line a device, its path first, so that scripts can still take the first word.
    auto printName = [](const SerialDeviceInfo& d) {
        std::cout << d.path;
        if (d.numbered)
            std::cout << "  (" << PortTypeName(d.numbered->portType) << ' ' << d.numbered->portNumber << ')';
    };
    if (!probe) {
        for (const SerialDeviceInfo& d : list) {
            printName(d);
            if (const std::string about = DeviceDescription(d); !about.empty()) std::cout << "  " << about;
            std::cout << '\n';
        }
        // On the error stream: a script reading the devices from the output sees none.
        if (list.empty()) std::cerr << Tr(kNoSerialPorts) << '\n';
        return 0;
    }
    ModuleSearchHooks hooks;
    // A silent device takes over a second to give up on: show which one is being asked.
    hooks.asking = [&](std::size_t, std::size_t, const SerialDeviceInfo& d) {
        printName(d);
        std::cout << ": " << std::flush;
    };
    // A device that did not open says why (no rights, in use, gone): the module may well be
    // there, so it is never reported as not answering.
    hooks.asked = [](const DeviceProbe& p) {
        const ProbeResult& r = p.result;
        // A device that is gone names those that are there.
        const bool gone = r.portError.fault == PortFault::NoDevice;
        if (!r.opened)
            std::cout << TrFormat(BRENVOX_TEXT("nie można otworzyć - %1"),
                                  {PortFaultLine(r.portError, gone ? ListSerialDevices()
                                                                   : std::vector<SerialDeviceInfo>{})})
                      << std::endl;
        else
            std::cout << (r.answered ? ProbeAnswer(r.module)
                                     : std::string(Tr(BRENVOX_TEXT("brak odpowiedzi modułu"))))
                      << std::endl;
    };
    const std::atomic<bool> never{false};
    const ModuleSearch search = SearchForModule(list, SearchUntil::EveryDevice, never, hooks);
    if (list.empty()) std::cout << Tr(kNoSerialPorts) << std::endl;
    return search.found() ? 0 : 1;
}

int CmdDemo() {
#ifdef BRENVOX_HAVE_SIM
    sim::PtySimulator module;
    std::string error;
    if (!module.start(&error)) {
        std::cerr << TrFormat(BRENVOX_TEXT("Nie można uruchomić symulowanego modułu: %1"), {error}) << '\n';
        return 2;
    }
    std::cout << TrFormat(BRENVOX_TEXT("Symulowany moduł (wersja 1.1) na %1"), {module.devicePath()})
              << "\n\n";
    const ModuleSettings defaults;
    LinkArgs a;
    a.device = module.devicePath();
    OperationArgs op;
    op.pin = Cp1250ToUtf8(defaults.MODPIN);
    op.pinGiven = true;

    // A fresh folder of the user's own: never one that someone else made under that name.
    std::optional<fs::path> dir;
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    std::random_device random;
    for (int attempt = 0; attempt < 16 && !dir && !ec; ++attempt) {
        const fs::path candidate = base / ("brenvox-demo-" + std::to_string(random()));
        if (!MakePrivateDir(candidate)) dir = candidate;
    }
    if (!dir) {
        std::cerr << Tr(BRENVOX_TEXT("Nie można utworzyć folderu tymczasowego")) << '\n';
        return 2;
    }
    op.output = (*dir / "read-back").string();
    // Every step leaves an entry in an archive of the temporary folder; the program and compare
    // entries are named after a settings file called "demo".
    op.archive = (*dir / "Archiwum").string();
    op.settingsFile = "demo";
    int status = 0;
    const struct {
        std::string title;
        OperationMode mode;
    } steps[] = {
        {"brenvox-cli program " + TrText(BRENVOX_TEXT("(ustawienia domyślne)")), OperationMode::Program},
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
        std::cout << (same ? Tr(BRENVOX_TEXT(
                                 "Odczytane ustawienia dają ten sam obraz pamięci, który zaprogramowano."))
                           : Tr(BRENVOX_TEXT("Odczytane ustawienia różnią się od zaprogramowanych!")))
                  << '\n';
        if (!same) status = 1;
        std::cout << "\n== brenvox-cli history " << op.archive << '\n';
        if (CmdHistory(op.archive, {}) != 0) status = 1;
    }
    fs::remove_all(*dir, ec);
    return status;
#else
    std::cerr << Tr(BRENVOX_TEXT("Polecenie demo wymaga symulatora modułu, którego na tym systemie nie ma."))
              << '\n';
    return 2;
#endif
}

// The options that say where the module is, and the trace. The combinations CLI11 would refuse
// in its own English (needs, excludes) are checked by CheckPortOptions.
void AddPortOptions(CLI::App* cmd, LinkArgs& a) {
    Placeholder(
        cmd->add_option(
            "--device", a.device,
            TrText(BRENVOX_TEXT("ścieżka portu szeregowego (np. /dev/ttyUSB0, COM12); nie razem z --port"))),
        Tr(BRENVOX_TEXT("URZĄDZENIE")));
    Placeholder(cmd->add_option("--port", a.port, TrText(BRENVOX_TEXT("numer portu 1..8 (z --type)")))
                    ->check(IntegerFrom(1, kPortNumberMax)),
                Tr(BRENVOX_TEXT("NR")));
    std::vector<std::string> types(kPortTypeNames.begin(), kPortTypeNames.end());
    Placeholder(
        cmd->add_option("--type", a.type,
                        TrText(BRENVOX_TEXT("rodzaj portu z --port: COM, USB lub IrDA (domyślnie COM)")))
            ->check(OneOf(types)),
        Tr(BRENVOX_TEXT("RODZAJ")));
    Placeholder(
        cmd->add_option(
            "--trace", a.trace,
            TrText(BRENVOX_TEXT("zapisuje każdą wysłaną i odebraną ramkę wraz z czasem do pliku PLIK"))),
        Tr(BRENVOX_TEXT("PLIK")));
}

// A transfer needs to know where the module is, and one way of saying it.
void CheckPortOptions(const CLI::App* cmd, const LinkArgs& a) {
    const bool device = cmd->count("--device") > 0, port = cmd->count("--port") > 0;
    if (device && port)
        throw UsageError(
            TrFormat(BRENVOX_TEXT("Opcji %1 nie można podać razem z %2."), {"--device", "--port"}));
    if (cmd->count("--type") > 0 && !port)
        throw UsageError(TrFormat(BRENVOX_TEXT("Opcja %1 wymaga opcji %2."), {"--type", "--port"}));
    if (a.device.empty() && a.port == 0)
        throw UsageError(TrFormat(BRENVOX_TEXT("Polecenie %1 wymaga opcji %2 albo %3."),
                                  {cmd->get_name(), "--device", "--port"}));
}

void AddArchiveOption(CLI::App* cmd, OperationArgs& op) {
    Placeholder(cmd->add_option(
                    "--archive", op.archive,
                    TrText(BRENVOX_TEXT(
                        "zachowuje każde przesłanie, które dotarło do modułu, w nowym podfolderze folderu "
                        "FOLDER: jego zapis i wynik, ustawienia, obraz pamięci i ślad (zob. history)"))),
                Tr(BRENVOX_TEXT("FOLDER")));
}

}  // namespace

void AddLinkCommands(CLI::App& app, int& exitCode) {
    struct Args {
        LinkArgs link;
        OperationArgs op;
    };
    auto args = std::make_shared<Args>();
    const std::string file = TrText(BRENVOX_TEXT("PLIK"));
    const std::string settingsFile = TrText(BRENVOX_TEXT("plik ustawień"));
    const std::string_view image = Tr(BRENVOX_TEXT("OBRAZ"));
    const std::string_view pinPlaceholder = Tr(BRENVOX_TEXT("PIN"));

    auto* cProgram = app.add_subcommand(
        "program",
        TrText(BRENVOX_TEXT(
            "Sprawdza ustawienia, a potem zapisuje je w module i weryfikuje (kod 0 po powodzeniu).")));
    cProgram->add_option(file, args->op.settingsFile, settingsFile)->required();
    Placeholder(cProgram->add_option(
                    "--backup", args->op.backup,
                    TrText(BRENVOX_TEXT("przed zapisem odczytuje całą pamięć modułu do pliku OBRAZ"))),
                image);
    AddPortOptions(cProgram, args->link);
    AddArchiveOption(cProgram, args->op);
    cProgram->callback([&exitCode, args, cProgram] {
        CheckPortOptions(cProgram, args->link);
        exitCode = RunWithSettingsFile(OperationMode::Program, args->link, args->op);
    });

    auto* cCompare = app.add_subcommand(
        "compare", TrText(BRENVOX_TEXT("Porównuje pamięć modułu z ustawieniami (kod 0, gdy są jednakowe).")));
    cCompare->add_option(file, args->op.settingsFile, settingsFile)->required();
    cCompare->add_flag(
        "--report", args->op.report,
        TrText(BRENVOX_TEXT("przy różnicy odczytuje moduł i wypisuje różniące się ustawienia")));
    Placeholder(
        cCompare->add_option("--pin", args->op.pin,
                             TrText(BRENVOX_TEXT("kod PIN modułu, potrzebny do --report, gdy moduł go ma"))),
        pinPlaceholder);
    AddPortOptions(cCompare, args->link);
    AddArchiveOption(cCompare, args->op);
    cCompare->callback([&exitCode, args, cCompare] {
        CheckPortOptions(cCompare, args->link);
        args->op.pinGiven = args->op.pinGiven || !args->op.pin.empty();
        exitCode = RunWithSettingsFile(OperationMode::Compare, args->link, args->op);
    });

    auto* cRead = app.add_subcommand(
        "read",
        TrText(BRENVOX_TEXT("Odczytuje ustawienia z modułu do pliku ustawień (kod 0 po powodzeniu).")));
    Placeholder(
        cRead->add_option("-o,--output", args->op.output, TrText(BRENVOX_TEXT("plik ustawień do zapisania")))
            ->required(),
        file);
    auto* pin = Placeholder(
        cRead->add_option("--pin", args->op.pin, TrText(BRENVOX_TEXT("kod PIN modułu, gdy moduł go ma"))),
        pinPlaceholder);
    Placeholder(cRead->add_option(
                    "--image", args->op.image,
                    TrText(BRENVOX_TEXT("zapisuje też surową pamięć modułu (2048 bajtów) do pliku OBRAZ"))),
                image);
    AddPortOptions(cRead, args->link);
    AddArchiveOption(cRead, args->op);
    cRead->callback([&exitCode, args, pin, cRead] {
        CheckPortOptions(cRead, args->link);
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
        TrText(BRENVOX_TEXT(
            "Wypisuje obecne porty szeregowe. Z --probe budzi po kolei każdy z nich i pyta o wersję i "
            "typ modułu (niczego nie zapisuje); kod 1, gdy żaden moduł nie odpowiedział.")));
    cPorts->add_flag("--probe", ports->probe,
                     TrText(BRENVOX_TEXT("pyta każde urządzenie, czy jest na nim moduł")));
    Placeholder(
        cPorts->add_option("--device", ports->devices,
                           TrText(BRENVOX_TEXT("pyta tylko to urządzenie (można powtarzać; z --probe)"))),
        Tr(BRENVOX_TEXT("URZĄDZENIE")));
    cPorts->callback([&exitCode, ports] {
        if (!ports->devices.empty() && !ports->probe)
            throw UsageError(TrFormat(BRENVOX_TEXT("Opcja %1 wymaga opcji %2."), {"--device", "--probe"}));
        exitCode = CmdPorts(ports->probe, ports->devices);
    });

    auto* cDemo = app.add_subcommand(
        "demo", TrText(BRENVOX_TEXT(
                    "Programuje, porównuje i odczytuje symulowany moduł z ustawieniami domyślnymi.")));
    cDemo->callback([&exitCode] { exitCode = CmdDemo(); });
}

}  // namespace brenvox::cli
