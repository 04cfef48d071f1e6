// brenvox-cli program / compare / read against the brenvox-modsim program on a pseudo-terminal:
// two real processes, as an installer would run them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "codec/image_codec.h"
#include "codec/sha256.h"
#include "link/deadline.h"
#include "settings/module_settings.h"
#include "settings/settings_file.h"

#if defined(BRENVOX_MODSIM_PATH) && defined(BRENVOX_CLI_PATH)

namespace brenvox {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Waits (bounded) for a child and returns its exit status; a child still running after the
// bound is ended and the test fails rather than hangs.
int WaitExit(pid_t pid, int64_t limitMs) {
    const int64_t end = MonotonicMs() + limitMs;
    int status = 0;
    for (;;) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) break;
        if (r < 0) return -1;
        if (MonotonicMs() > end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "child " << pid << " did not end in time";
            return -1;
        }
        std::this_thread::sleep_for(5ms);
    }
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

struct RunResult {
    int exit = -1;
    std::string out;
    std::vector<std::string> lines;
};

// Starts `program` with `args`, its standard output on a pipe and its standard error in the
// file errPath when one is given; returns the child's PID and the pipe's reading end, or a PID
// of -1.
std::pair<pid_t, int> SpawnWithOutput(std::string program, const std::vector<std::string>& args,
                                      const std::string& errPath = {}) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {-1, -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        if (!errPath.empty()) {
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (err >= 0) ::dup2(err, STDERR_FILENO);
        }
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        std::vector<char*> argv;
        argv.push_back(program.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (pid < 0) {
        ::close(pipeFds[0]);
        return {-1, -1};
    }
    return {pid, pipeFds[0]};
}

RunResult RunCli(const std::vector<std::string>& args, const std::string& errPath = {}) {
    const auto [pid, out] = SpawnWithOutput(BRENVOX_CLI_PATH, args, errPath);
    if (pid < 0) return {};
    RunResult r;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(out, buf, sizeof buf)) > 0) r.out.append(buf, static_cast<size_t>(n));
    ::close(out);
    r.exit = WaitExit(pid, 120000);
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) r.lines.push_back(line);
    return r;
}

// brenvox-modsim as a child process; ended by its PID.
class Modsim {
public:
    bool Start(const std::vector<std::string>& args, const std::string& errPath = {}) {
        const auto [pid, out] = SpawnWithOutput(BRENVOX_MODSIM_PATH, args, errPath);
        pid_ = pid;
        if (pid_ < 0) return false;
        // The first line is the device path.
        std::string line;
        char c;
        while (::read(out, &c, 1) == 1 && c != '\n') line += c;
        ::close(out);
        device_ = line;
        return !device_.empty();
    }
    void Kill(int sig) {
        if (pid_ <= 0) return;
        ::kill(pid_, sig);
        WaitExit(pid_, 10000);
        pid_ = -1;
    }
    ~Modsim() { Kill(SIGTERM); }
    const std::string& device() const { return device_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    std::string device_;
};

std::string Slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ReadBytes(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

struct CliLink : ::testing::Test {
    fs::path dir;
    Modsim sim;
    void SetUp() override {
        char tmpl[] = "/tmp/brenvox-cli-link-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override {
        sim.Kill(SIGTERM);
        fs::remove_all(dir);
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::string SettingsFile(const ModuleSettings& s, const char* name = "settings") {
        const std::string p = Path(name);
        EXPECT_TRUE(WriteSettingsFile(p, s));
        return p;
    }
    void StartSim(std::vector<std::string> extra = {}) {
        extra.push_back("--dump");
        extra.push_back(Path("dump"));
        ASSERT_TRUE(sim.Start(extra));
    }
};

TEST_F(CliLink, ProgramPrintsTheLogAndLeavesTheImageInTheModule) {
    StartSim({"--firmware", "1.0", "--type", "2"});
    const ModuleSettings s;
    const RunResult r = RunCli({"program", SettingsFile(s), "--device", sim.device()});
    EXPECT_EQ(r.exit, 0) << r.out;
    const std::vector<std::string> expected = {"Kontrola portu transmisji...",
                                               "Port komunikacyjny gotowy.",
                                               "Przygotowanie danych do przesłania...",
                                               "Dane gotowe.",
                                               "",
                                               "Odczyt wersji modułu...",
                                               "  Moduł:  Kavrex V1.0",
                                               "  Typ: Nokia5110",
                                               "Programowanie...",
                                               "Weryfikacja...",
                                               "Reset modułu...",
                                               "",
                                               "Programowanie zakończone pozytywnie.",
                                               "Moduł gotowy do pracy."};
    EXPECT_EQ(r.lines, expected);
    EXPECT_EQ(r.out.find('\r'), std::string::npos) << "no progress bar when not on a terminal";
    const ModuleImage img = EncodeImageV10(s);
    EXPECT_EQ(ReadBytes(Path("dump")), std::vector<uint8_t>(img.begin(), img.end()));
}

TEST_F(CliLink, CompareEqualAndDifferentWithReport) {
    StartSim();
    ModuleSettings s;
    const std::string file = SettingsFile(s);
    ASSERT_EQ(RunCli({"program", file, "--device", sim.device()}).exit, 0);

    const RunResult same = RunCli({"compare", file, "--device", sim.device()});
    EXPECT_EQ(same.exit, 0) << same.out;
    ASSERT_GE(same.lines.size(), 3u);
    EXPECT_EQ(same.lines[same.lines.size() - 3], "Porównanie poprawne.");
    EXPECT_EQ(same.lines[same.lines.size() - 2], "Ustawienia w programie i module jednakowe.");
    EXPECT_EQ(same.lines.back(), "Moduł gotowy do pracy.");

    s.set(IntSetting::RINGCNT, s.get(IntSetting::RINGCNT) + 1);
    const std::string changed = SettingsFile(s, "changed");
    const RunResult diff =
        RunCli({"compare", changed, "--report", "--pin", s.MODPIN, "--device", sim.device()});
    EXPECT_EQ(diff.exit, 1);
    EXPECT_NE(diff.out.find("Moduł zaprogramowany innymi ustawieniami!"), std::string::npos);
    EXPECT_NE(diff.out.find("Ilość dzwonień: " + std::to_string(s.get(IntSetting::RINGCNT)) + " -> " +
                            std::to_string(s.get(IntSetting::RINGCNT) - 1)),
              std::string::npos)
        << diff.out;
    // Only what the module holds is compared: the comments the image cannot carry are not
    // listed, so the one changed setting is the whole report.
    int keyLines = 0;
    for (const std::string& line : diff.lines)
        if (line.find(": ") != std::string::npos && line.find(" -> ") != std::string::npos) ++keyLines;
    EXPECT_EQ(keyLines, 1) << diff.out;

    // The module has a PIN (the default one) and none was given: what is missing is said.
    const RunResult noPin = RunCli({"compare", changed, "--report", "--device", sim.device()});
    EXPECT_EQ(noPin.exit, 1);
    EXPECT_NE(noPin.out.find("\nModuł ma ustawiony kod PIN: podaj go opcją --pin.\n"), std::string::npos)
        << noPin.out;
    EXPECT_EQ(noPin.out.find("Niepoprawny kod PIN modułu!"), std::string::npos) << noPin.out;
}

TEST_F(CliLink, ReadChecksTheModulePinAndDecodes) {
    StartSim();
    ModuleSettings s;
    s.MODPIN = "4711";
    ASSERT_EQ(RunCli({"program", SettingsFile(s), "--device", sim.device()}).exit, 0);

    const RunResult wrong = RunCli(
        {"read", "-o", Path("out"), "--pin", "4712", "--device", sim.device(), "--image", Path("raw")});
    EXPECT_EQ(wrong.exit, 1);
    ASSERT_GE(wrong.lines.size(), 2u);
    EXPECT_EQ(wrong.lines[wrong.lines.size() - 2], "Niepoprawny kod PIN modułu!");
    EXPECT_FALSE(fs::exists(Path("out")));
    EXPECT_FALSE(fs::exists(Path("raw")));
    const RunResult noPin = RunCli({"read", "-o", Path("out"), "--device", sim.device()});
    EXPECT_EQ(noPin.exit, 1);
    ASSERT_GE(noPin.lines.size(), 2u);
    EXPECT_EQ(noPin.lines[noPin.lines.size() - 2], "Moduł ma ustawiony kod PIN: podaj go opcją --pin.");
    EXPECT_FALSE(fs::exists(Path("out")));

    const RunResult ok = RunCli(
        {"read", "-o", Path("out"), "--pin", "4711", "--device", sim.device(), "--image", Path("raw")});
    EXPECT_EQ(ok.exit, 0) << ok.out;
    ModuleSettings back;
    ASSERT_EQ(ReadSettingsFile(Path("out"), back), ReadOutcome::Ok);
    EXPECT_EQ(back.MODPIN, "4711");
    EXPECT_EQ(EncodeImageV11(back), EncodeImageV11(s));
    EXPECT_EQ(ReadBytes(Path("raw")), ReadBytes(Path("dump")));
}

// --archive keeps one entry per successful transfer and nothing for a refused read; history
// lists them newest first. An archive that cannot be written changes neither status nor output.
TEST_F(CliLink, ArchiveAndHistory) {
    StartSim({"--firmware", "1.0", "--type", "2"});
    ModuleSettings s;
    s.MODPIN = "4711";
    const std::string file = SettingsFile(s, "Sklep 1");
    const std::string archive = Path("archive");
    const RunResult plain = RunCli({"program", file, "--device", sim.device()});
    ASSERT_EQ(plain.exit, 0);
    const RunResult programmed = RunCli({"program", file, "--device", sim.device(), "--archive", archive});
    EXPECT_EQ(programmed.exit, 0);
    EXPECT_EQ(programmed.lines, plain.lines);
    EXPECT_EQ(
        RunCli({"read", "-o", Path("out"), "--pin", "1", "--device", sim.device(), "--archive", archive})
            .exit,
        1);
    std::this_thread::sleep_for(1s);  // the next entry one second later, so the order is known
    ASSERT_EQ(
        RunCli({"read", "-o", Path("back"), "--pin", "4711", "--device", sim.device(), "--archive", archive})
            .exit,
        0);

    const RunResult h = RunCli({"history", archive});
    EXPECT_EQ(h.exit, 0);
    ASSERT_EQ(h.lines.size(), 3u) << h.out;
    const std::string sha = Sha256Hex(Slurp(Path("dump"))).substr(0, 12);
    EXPECT_EQ(h.lines[0].substr(20), " read back 1.0 " + sha + " Success");
    // The refused read and the programming came in the same second: either may be listed first.
    std::vector<std::string> older = {h.lines[1].substr(20), h.lines[2].substr(20)};
    std::sort(older.begin(), older.end());
    EXPECT_EQ(older, (std::vector<std::string>{" program Sklep 1 1.0 " + sha + " Success",
                                               " read out 1.0 - PinRefused"}));
    // Part of a name, in either case, as the archive window's filter finds it.
    const RunResult one = RunCli({"history", archive, "--name", "AC"});
    EXPECT_EQ(one.lines, std::vector<std::string>{h.lines[0]});
    // The entries that kept an image hold the memory written or read and its settings; the
    // refused read kept nothing of the memory it was refused.
    for (const auto& e : fs::directory_iterator(archive)) {
        if (e.path().filename().string().find("-read-out") != std::string::npos) {
            EXPECT_FALSE(fs::exists(e.path() / "image.bin"));
            EXPECT_FALSE(fs::exists(e.path() / "trace"));
            continue;
        }
        EXPECT_EQ(ReadBytes(e.path() / "image.bin"), ReadBytes(Path("dump")));
        EXPECT_TRUE(fs::exists(e.path() / "trace"));
        ModuleSettings back;
        ASSERT_EQ(ReadSettingsFile((e.path() / "settings").string(), back), ReadOutcome::Ok);
        EXPECT_EQ(back.MODPIN, "4711");
    }
}

TEST_F(CliLink, FailedChecksSendNothing) {
    StartSim({"--trace", Path("trace")});
    ModuleSettings s;
    s.PIN = "12";
    const RunResult r = RunCli({"program", SettingsFile(s), "--device", sim.device()});
    EXPECT_EQ(r.exit, 1);
    // The check's lines without the caption of the window's message box.
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Niewłaściwy kod PIN karty SIM.",
                                                 "Kod PIN powinien składać się z 4 cyfr."}));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(fs::file_size(Path("trace")), 0u) << "a frame went out";
}

// Every file a transfer would write is checked before the port opens: one that cannot be written
// is a usage error (exit 2) that names the option and says why, and nothing reaches the module.
TEST_F(CliLink, UnwritableDestinationsStopBeforeTheModule) {
    StartSim({"--trace", Path("simtrace")});
    const std::string file = SettingsFile(ModuleSettings{});
    std::ofstream(Path("plain")) << "x";
    const std::string missing = Path("missing/x");
    const std::string noFolder = "folder " + Path("missing") + " nie istnieje";
    const struct {
        std::vector<std::string> args;
        std::string option, why;
    } cases[] = {
        {{"read", "-o", missing}, "-o", noFolder},
        {{"read", "-o", Path("out"), "--image", missing}, "--image", noFolder},
        {{"read", "-o", Path("out"), "--trace", missing}, "--trace", noFolder},
        {{"program", file, "--backup", missing}, "--backup", noFolder},
        {{"compare", file, "--archive", Path("plain/archive")},
         "--archive",
         Path("plain") + " nie jest folderem"},
        {{"program", file, "--archive", Path("plain")}, "--archive", Path("plain") + " nie jest folderem"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--device", sim.device()});
        const RunResult r = RunCli(args, Path("err"));
        const std::string err = Slurp(Path("err"));
        EXPECT_EQ(r.exit, 2) << err;
        EXPECT_TRUE(r.lines.empty()) << r.out;
        EXPECT_NE(err.find(" (" + c.option + "): " + c.why + ". Nic nie zostało wysłane do modułu.\n"),
                  std::string::npos)
            << err;
    }
    EXPECT_FALSE(fs::exists(Path("out")));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(fs::file_size(Path("simtrace")), 0u) << "a frame went out";
}

TEST_F(CliLink, PortErrorsAndSilentModule) {
    const ModuleSettings s;
    const std::string file = SettingsFile(s);
    // Without a port, or with one outside 1..8, the command line is wrong: usage error, nothing sent.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"program", file}, {"read", "-o", Path("x"), "--port", "9"}}) {
        const RunResult usage = RunCli(args);
        EXPECT_EQ(usage.exit, 2) << args.back();
        EXPECT_TRUE(usage.lines.empty()) << usage.out;
    }
    // A device that is not there: the port line, then why, with the ports that are there.
    const RunResult badDevice = RunCli({"compare", file, "--device", Path("missing")});
    EXPECT_EQ(badDevice.exit, 1);
    ASSERT_GE(badDevice.lines.size(), 2u);
    EXPECT_EQ(badDevice.lines[badDevice.lines.size() - 2], "Błąd - problem z portem transmisji!");
    EXPECT_EQ(badDevice.lines.back().rfind("Port " + Path("missing") + " nie istnieje.", 0), 0u)
        << badDevice.lines.back();

    StartSim({"--silent"});
    const RunResult silent =
        RunCli({"read", "-o", Path("out"), "--device", sim.device(), "--trace", Path("pctrace")});
    EXPECT_EQ(silent.exit, 1);
    ASSERT_GE(silent.lines.size(), 2u);
    EXPECT_EQ(silent.lines[silent.lines.size() - 2], "Brak łączności z modułem!");
    EXPECT_EQ(silent.lines.back(), "Sprawdź kabel, zasilanie modułu i wybrany port, potem powtórz.");
    std::ifstream trace(Path("pctrace"));
    const std::string text{std::istreambuf_iterator<char>(trace), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("tx CA 53"), std::string::npos);
    EXPECT_NE(text.find("tx 06 FA"), std::string::npos);
    EXPECT_NE(text.find("rx -"), std::string::npos);
}

TEST_F(CliLink, BackupSavesTheOldMemoryBeforeProgramming) {
    std::vector<char> old(2048);
    for (size_t i = 0; i < old.size(); ++i) old[i] = static_cast<char>(i % 251);
    std::ofstream(Path("old"), std::ios::binary).write(old.data(), 2048);
    StartSim({"--memory", Path("old")});
    const ModuleSettings s;
    const RunResult r =
        RunCli({"program", SettingsFile(s), "--backup", Path("backup"), "--device", sim.device()});
    EXPECT_EQ(r.exit, 0) << r.out;
    EXPECT_EQ(ReadBytes(Path("backup")), ReadBytes(Path("old")));
    const ModuleImage img = EncodeImageV11(s);
    EXPECT_EQ(ReadBytes(Path("dump")), std::vector<uint8_t>(img.begin(), img.end()));
}

TEST_F(CliLink, ModuleKilledMidTransferEndsInAnErrorLine) {
    StartSim({"--trace", Path("simtrace")});
    const ModuleSettings s;
    const std::string file = SettingsFile(s);
    std::thread killer([&] {
        // Into the write phase: the module's trace shows a write frame received (bounded wait).
        const int64_t end = MonotonicMs() + 60000;
        while (MonotonicMs() < end) {
            std::ifstream t(Path("simtrace"));
            const std::string text{std::istreambuf_iterator<char>(t), std::istreambuf_iterator<char>()};
            if (text.find(" rx 03") != std::string::npos) break;
            std::this_thread::sleep_for(20ms);
        }
        sim.Kill(SIGKILL);
    });
    const RunResult r = RunCli({"program", file, "--device", sim.device()});
    killer.join();
    EXPECT_EQ(r.exit, 1) << r.out;
    ASSERT_GE(r.lines.size(), 2u);
    // The restart failure's line says itself that programming must be repeated; any other
    // failure is followed by the line that the module may hold part of the settings.
    const std::string& last = r.lines.back();
    if (last != "Błąd restartu modułu - powtórz programowanie!") {
        const std::string& outcome = r.lines[r.lines.size() - 2];
        EXPECT_TRUE(outcome == "Błąd programowania modułu!" ||
                    outcome == "Błąd weryfikacji programowania modułu!")
            << outcome;
        EXPECT_EQ(last.rfind("Moduł może mieć niepełne ustawienia - ", 0), 0u) << last;
    }
}

TEST_F(CliLink, InterruptAbortsAtABlockBoundary) {
    StartSim();
    const ModuleSettings s;
    const std::string file = SettingsFile(s);
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execl(BRENVOX_CLI_PATH, BRENVOX_CLI_PATH, "program", file.c_str(), "--device", sim.device().c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    // Wait for the write phase to begin, then interrupt as Ctrl-C would.
    std::string out;
    char buf[256];
    const int64_t end = MonotonicMs() + 60000;
    while (out.find("Programowanie...") == std::string::npos && MonotonicMs() < end) {
        const ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
        if (n <= 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::kill(pid, SIGINT);
    ssize_t n;
    while ((n = ::read(pipeFds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    EXPECT_EQ(WaitExit(pid, 60000), 1) << out;
    EXPECT_NE(out.find("\nProgramowanie przerwane!\n"), std::string::npos) << out;
}

std::string HexOf(const uint8_t* data, size_t count) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", data[i]);
        out += buf;
    }
    return out;
}

std::string ReadText(const std::string& path) {
    std::ifstream f(path);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A read recorded by either side plays back to the same transfer; a program played against that
// recording meets it at its first write, where the replay reports and falls silent.
TEST_F(CliLink, ReplayOfARecordedTransfer) {
    const ModuleSettings s;
    const ModuleImage img = EncodeImageV11(s);
    std::ofstream(Path("mem"), std::ios::binary).write(reinterpret_cast<const char*>(img.data()), 2048);
    StartSim({"--memory", Path("mem"), "--trace", Path("simtrace")});
    auto read = [&](const std::string& device, const char* out, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"read", "-o", Path(out), "--pin", s.MODPIN, "--device", device};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunCli(args);
    };
    const RunResult recorded =
        read(sim.device(), "recorded", {"--trace", Path("pctrace"), "--archive", Path("archive")});
    ASSERT_EQ(recorded.exit, 0) << recorded.out;
    sim.Kill(SIGTERM);

    // The PC's trace, the module's, and the archive entry of the same transfer (its folder).
    std::vector<std::string> traces = {Path("pctrace"), Path("simtrace")};
    for (const auto& e : fs::directory_iterator(Path("archive"))) traces.push_back(e.path().string());
    ASSERT_EQ(traces.size(), 3u);
    for (const std::string& trace : traces) {
        SCOPED_TRACE(trace);
        Modsim replay;
        ASSERT_TRUE(replay.Start({"--replay", trace}, Path("replay.log")));
        const RunResult again = read(replay.device(), "again");
        replay.Kill(SIGTERM);
        EXPECT_EQ(again.exit, 0) << ReadText(Path("replay.log"));
        EXPECT_EQ(again.lines, recorded.lines);
        EXPECT_EQ(ReadBytes(Path("again")), ReadBytes(Path("recorded")));
        EXPECT_NE(ReadText(Path("replay.log")).find("matched the recording"), std::string::npos);
    }

    Modsim replay;
    ASSERT_TRUE(replay.Start({"--replay", Path("pctrace")}, Path("replay.log")));
    const RunResult program = RunCli({"program", SettingsFile(s), "--device", replay.device()});
    replay.Kill(SIGTERM);
    EXPECT_EQ(program.exit, 1);
    ASSERT_GE(program.lines.size(), 2u);
    EXPECT_EQ(program.lines[program.lines.size() - 2], "Błąd programowania modułu!");
    const std::string log = ReadText(Path("replay.log"));
    // Five wake pairs and the identify request matched; the seventh frame is the first write.
    EXPECT_NE(log.find("frame 7 differs from the recording"), std::string::npos) << log;
    EXPECT_NE(log.find("expected: 01 1A 00 00 E5\n"), std::string::npos) << log;
    EXPECT_NE(log.find("received: 03 1A 00 00 " + HexOf(img.data(), 26)), std::string::npos) << log;
}

TEST_F(CliLink, ProbeNamesTheModuleAndWritesNothing) {
    StartSim({"--firmware", "1.0", "--type", "2", "--trace", Path("trace")});
    Modsim silent;
    ASSERT_TRUE(silent.Start({"--silent"}));
    // A device that does not open says why: the module was never asked there.
    const std::string notTty = Path("not-a-tty");
    std::ofstream(notTty).put('x');
    const RunResult r = RunCli(
        {"ports", "--probe", "--device", sim.device(), "--device", silent.device(), "--device", notTty});
    EXPECT_EQ(r.exit, 0) << r.out;
    EXPECT_EQ(r.lines, (std::vector<std::string>{
                           sim.device() + ": moduł V1.0, typ 2 (Nokia5110)",
                           silent.device() + ": brak odpowiedzi modułu",
                           notTty + ": nie można otworzyć - " + notTty + " nie jest portem szeregowym."}));
    // Only wake pairs and identify requests reached the module.
    std::istringstream trace(ReadText(Path("trace")));
    int frames = 0;
    for (std::string ms, direction, rest; trace >> ms >> direction && std::getline(trace, rest);) {
        if (direction != "rx") continue;
        ++frames;
        EXPECT_TRUE(rest == " CA 53" || rest == " 06 FA") << rest;
    }
    EXPECT_GE(frames, 6);  // five wake pairs and at least one identify request
}

}  // namespace
}  // namespace brenvox

#endif
