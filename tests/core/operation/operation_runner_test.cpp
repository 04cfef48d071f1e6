// The operation runner against the module simulator on a real pseudo-terminal: what every
// operation and outcome reports to its face, in order, and which files it leaves. The progress
// window and the CLI only show these reports, so their own tests need not repeat them.
#include "operation/operation_runner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "codec/image_codec.h"
#include "operation/transfer_session.h"
#include "pty_simulator.h"
#include "replay_player.h"
#include "replay_trace.h"
#include "settings/settings_file.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Everything the runner tells its face, as text: lines as they are, the rest in brackets.
class RecordingView : public OperationView {
public:
    Lines log;
    std::optional<std::string> pin;          // what the user types when asked for the module PIN
    std::optional<std::string> pinNotGiven;  // the face's own words for no PIN, if it has them
    std::optional<OperationResult> ended;

    void SettingsRefused(const ValidationFailure& f) override { log.push_back("[refused] " + f.line1); }
    void AddLine(std::string_view line) override { log.emplace_back(line); }
    void ClearLog() override { log.emplace_back("[clear]"); }
    void TransferStarted() override { log.emplace_back("[started]"); }
    void TransferStopped(LinkOutcome) override { log.emplace_back("[stopped]"); }
    void ShowInformation(std::string_view text) override { log.push_back("[info] " + std::string(text)); }
    std::optional<std::string> AskModulePin() override {
        log.emplace_back("[pin?]");
        return pin;
    }
    std::string PinNotGivenText() const override {
        return pinNotGiven ? *pinNotGiven : OperationView::PinNotGivenText();
    }
    void SettingsRead(const ModuleSettings&) override { log.emplace_back("[settings read]"); }
    void OperationEnded(const OperationResult& r) override { ended = r; }
};

const Lines kPreparation = {"Kontrola portu transmisji...", "Port komunikacyjny gotowy.",
                            "Przygotowanie danych do przesłania...", "Dane gotowe."};

sim::Memory ToMemory(const ModuleImage& img) {
    sim::Memory m{};
    std::copy(img.begin(), img.end(), m.begin());
    return m;
}

std::string Slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class OperationRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.start(&error)) << error;
        dir = fs::temp_directory_path() / ("brenvox-runner-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        settings.SMSC = "+48602951111";
        settings.set(IntSetting::SMSMAX, 7);
    }
    void TearDown() override { fs::remove_all(dir); }

    OperationRequest Request(OperationMode mode) {
        OperationRequest r;
        r.mode = mode;
        r.port.device = sim.devicePath();
        r.settings = settings;
        return r;
    }
    // Checks, opens, runs to the end and closes, as the CLI does; the log from the first line.
    const OperationResult& Run(const OperationRequest& r) {
        EXPECT_TRUE(runner.Check(r));
        EXPECT_TRUE(runner.Open());
        const OperationResult& result = runner.RunToEnd({});
        runner.Close();
        return result;
    }

    sim::PtySimulator sim;
    fs::path dir;
    ModuleSettings settings;
    RecordingView view;
    OperationRunner runner{view};
};

TEST_F(OperationRunnerTest, ProgramThenRepeat) {
    sim.setIdentity({2, 1, 0});
    const OperationResult& r = Run(Request(OperationMode::Program));
    Lines expected = kPreparation;
    for (const char* l : {"[started]", "", "Odczyt wersji modułu...", "  Moduł:  Kavrex V1.0",
                          "  Typ: Nokia5110", "Programowanie...", "Weryfikacja...", "Reset modułu...",
                          "[stopped]", "", "Programowanie zakończone pozytywnie.", "Moduł gotowy do pracy."})
        expected.emplace_back(l);
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(r.status(), OperationStatus::Succeeded);
    ASSERT_TRUE(view.ended);
    EXPECT_TRUE(sim.memory() == ToMemory(EncodeImageV10(settings)));
    EXPECT_EQ(runner.barPosition(), 4094);

    // A repeat on the same opening starts a new log and neither reopens nor encodes again.
    ASSERT_TRUE(runner.Check(Request(OperationMode::Program)));
    ASSERT_TRUE(runner.Open());
    runner.RunToEnd({});
    view.log.clear();
    sim.setMemory(sim::Memory{});
    runner.RunToEnd({});
    EXPECT_EQ(view.log.front(), "[started]");
    EXPECT_EQ(view.log[1], "[clear]");
    EXPECT_EQ(view.log[2], "Odczyt wersji modułu...");
    EXPECT_EQ(view.log.back(), "Moduł gotowy do pracy.");
    EXPECT_TRUE(sim.memory() == ToMemory(EncodeImageV10(settings)));
}

TEST_F(OperationRunnerTest, CompareEqualThenDifferentWithItsReport) {
    sim.setMemory(ToMemory(EncodeImageV11(settings)));
    EXPECT_EQ(Run(Request(OperationMode::Compare)).status(), OperationStatus::Succeeded);
    const Lines tail(view.log.end() - 5, view.log.end());
    EXPECT_EQ(tail, (Lines{"[stopped]", "", "Porównanie poprawne.",
                           "[info] Ustawienia w programie i module jednakowe.", "Moduł gotowy do pracy."}));

    // A mismatch with a report: the module is read (its PIN asked) and the differences listed.
    ModuleSettings inModule = settings;
    inModule.set(IntSetting::SMSMAX, 9);
    inModule.MODPIN = "1234";
    sim.setMemory(ToMemory(EncodeImageV11(inModule)));
    view.log.clear();
    view.pin = "1234";
    OperationRequest request = Request(OperationMode::Compare);
    request.reportDifferences = true;
    const OperationResult& r = Run(request);
    EXPECT_NE(r.status(), OperationStatus::Succeeded);
    EXPECT_EQ(r.outcome, LinkOutcome::CheckError);
    EXPECT_EQ(r.differences, (Lines{"PIN wymagany do odczytu ustawień z modułu: \"8361\" -> \"1234\"",
                                    "Wysyłaj maksymalnie wiadomości SMS: 7 -> 9"}));
    const auto mismatch =
        std::find(view.log.begin(), view.log.end(), "Moduł zaprogramowany innymi ustawieniami!");
    ASSERT_NE(mismatch, view.log.end());
    const Lines report(mismatch + 1, view.log.end());
    // The read behind the list adds no lines of its own: the compare's stay, the list follows.
    Lines expected = {"[started]", "[stopped]", "[pin?]", "", "Różnice ustawień (w programie -> w module):"};
    expected.insert(expected.end(), r.differences.begin(), r.differences.end());
    EXPECT_EQ(report, expected);
    EXPECT_EQ(sim.counts().write, 0);
}

TEST_F(OperationRunnerTest, ReadChecksTheModulePinThenDecodesAndWrites) {
    ModuleSettings inModule = settings;
    inModule.MODPIN = "4711";
    inModule.set(IntSetting::RINGCNT, 3);
    sim.setMemory(ToMemory(EncodeImageV11(inModule)));
    OperationRequest request = Request(OperationMode::Read);
    request.settings = ModuleSettings{};
    request.readSettingsPath = (dir / "read").string();
    request.readImagePath = (dir / "image").string();

    view.pin = "4712";
    const OperationResult& wrong = Run(request);
    EXPECT_TRUE(wrong.pinRefused);
    EXPECT_NE(wrong.status(), OperationStatus::Succeeded);
    EXPECT_EQ(Lines(view.log.end() - 3, view.log.end()),
              (Lines{"[pin?]", "[info] Niepoprawny kod PIN modułu!", "Moduł gotowy do pracy."}));
    EXPECT_FALSE(fs::exists(dir / "read"));
    EXPECT_FALSE(fs::exists(dir / "image"));
    // None given: what a wrong one gets, unless the face has its own words for it.
    view.pin.reset();
    view.log.clear();
    EXPECT_TRUE(Run(request).pinRefused);
    EXPECT_EQ(view.log[view.log.size() - 2], "[info] Niepoprawny kod PIN modułu!");
    view.pinNotGiven = "[no PIN given]";
    view.log.clear();
    EXPECT_TRUE(Run(request).pinRefused);
    EXPECT_EQ(view.log[view.log.size() - 2], "[info] [no PIN given]");

    view.pin = "4711";
    view.log.clear();
    const OperationResult& right = Run(request);
    EXPECT_EQ(right.status(), OperationStatus::Succeeded);
    EXPECT_EQ(Lines(view.log.end() - 4, view.log.end()),
              (Lines{"[pin?]", "[settings read]", "[info] Ustawienia z modułu odczytane i zdekodowane.",
                     "Moduł gotowy do pracy."}));
    ASSERT_TRUE(right.readSettings);
    EXPECT_EQ(right.readSettings->get(IntSetting::RINGCNT), 3);
    ModuleSettings fromFile;
    ASSERT_EQ(ReadSettingsFile((dir / "read").string(), fromFile), ReadOutcome::Ok);
    EXPECT_EQ(fromFile, *right.readSettings);
    const ModuleImage image = EncodeImageV11(inModule);
    EXPECT_EQ(Slurp(dir / "image"), std::string(image.begin(), image.end()));

    // Without a PIN in the module nobody is asked.
    inModule.MODPIN.clear();
    sim.setMemory(ToMemory(EncodeImageV11(inModule)));
    view.log.clear();
    EXPECT_EQ(Run(request).status(), OperationStatus::Succeeded);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "[pin?]"), 0);
}

TEST_F(OperationRunnerTest, AFileThatCannotBeWrittenEndsTheReadAndNamesTheFile) {
    sim.setMemory(ToMemory(EncodeImageV11(settings)));
    view.pin = "8361";
    OperationRequest request = Request(OperationMode::Read);
    request.readImagePath = (dir / "no-such-folder" / "image").string();
    request.readSettingsPath = (dir / "read").string();
    request.archiveDir = (dir / "Archiwum").string();
    const OperationResult& r = Run(request);
    ASSERT_TRUE(r.fileFault);
    EXPECT_EQ(r.fileFault->file, OperationFile::ReadImage);
    EXPECT_EQ(r.fileFault->path, request.readImagePath);
    EXPECT_NE(r.status(), OperationStatus::Succeeded);
    EXPECT_EQ(view.log.back(), "[pin?]") << "neither the decoded message nor the ready line";
    EXPECT_FALSE(fs::exists(dir / "read"));
    // The transfer itself went well: its entry is kept, though the operation failed.
    ASSERT_TRUE(r.archive && r.archive->ok);
    const HistoryResult h = ReadHistory(request.archiveDir);
    ASSERT_EQ(h.entries.size(), 1u);
    EXPECT_EQ(h.entries[0].outcome, "Success");
}

// A failure ends with its line and, under it, the one line that says what to do next.
TEST_F(OperationRunnerTest, FailuresEndWithTheirLineAndWhatToDo) {
    sim::Faults silent;
    silent.silent = true;
    sim.setFaults(silent);
    OperationRequest request = Request(OperationMode::Program);
    request.archiveDir = (dir / "Archiwum").string();
    const OperationResult& r = Run(request);
    EXPECT_EQ(r.outcome, LinkOutcome::NoResponse);
    EXPECT_EQ(Lines(view.log.end() - 6, view.log.end()),
              (Lines{"", "Odczyt wersji modułu...", "[stopped]", "", "Brak łączności z modułem!",
                     "Sprawdź kabel, zasilanie modułu i wybrany port, potem powtórz."}));
    EXPECT_FALSE(fs::exists(dir / "Archiwum"));

    sim.setFaults({});
    sim.setIdentity({3, 1, 0});
    view.log.clear();
    EXPECT_EQ(Run(Request(OperationMode::Read)).outcome, LinkOutcome::UnsupportedModule);
    EXPECT_EQ(Lines(view.log.end() - 2, view.log.end()),
              (Lines{"Program nie obsługuje tej wersji modułu!",
                     "Zaktualizuj program do wersji obsługującej ten moduł."}));
    EXPECT_EQ(sim.counts().restart, 0);

    // A module that stops taking blocks part way: it may hold part of the settings.
    sim.setIdentity({1, 1, 1});
    sim::Faults stuck;
    stuck.stuckAddress = 0x0100;
    sim.setFaults(stuck);
    view.log.clear();
    EXPECT_EQ(Run(Request(OperationMode::Program)).outcome, LinkOutcome::WriteError);
    EXPECT_EQ(Lines(view.log.end() - 2, view.log.end()),
              (Lines{"Błąd programowania modułu!",
                     "Moduł może mieć niepełne ustawienia - sprawdź kabel i zasilanie modułu, potem "
                     "zaprogramuj go ponownie."}));
}

TEST_F(OperationRunnerTest, AbortStopsAtTheNextBlock) {
    sim::Faults slow;
    slow.replyDelayMs = 20;
    sim.setFaults(slow);
    ASSERT_TRUE(runner.Check(Request(OperationMode::Program)));
    ASSERT_TRUE(runner.Open());
    bool asked = false;
    const OperationResult& r = runner.RunToEnd([&] {
        if (!asked && runner.state().writePos.load() > 0) {
            runner.Abort();
            asked = true;
        }
    });
    EXPECT_EQ(r.outcome, LinkOutcome::Aborted);
    EXPECT_EQ(Lines(view.log.end() - 2, view.log.end()),
              (Lines{"Programowanie przerwane!",
                     "Moduł może mieć niepełne ustawienia - zaprogramuj go ponownie."}));
    EXPECT_LT(runner.state().writePos.load(), 2048);
    EXPECT_EQ(sim.counts().restart, 0);
}

TEST_F(OperationRunnerTest, BackupReadComesFirstAndAnUnreadableModuleIsNotWritten) {
    const sim::Memory old = ToMemory(EncodeImageV10(ModuleSettings{}));
    sim.setMemory(old);
    OperationRequest request = Request(OperationMode::Program);
    request.backupImagePath = (dir / "backup").string();
    EXPECT_EQ(Run(request).status(), OperationStatus::Succeeded);
    EXPECT_EQ(Slurp(dir / "backup"), std::string(old.begin(), old.end()));
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "Odczyt zakończony pozytywnie."), 1);
    EXPECT_EQ(view.log.back(), "Moduł gotowy do pracy.");
    EXPECT_TRUE(sim.memory() == ToMemory(EncodeImageV11(settings)));

    sim::Faults silent;
    silent.silent = true;
    sim.setFaults(silent);
    const sim::FrameCounts before = sim.counts();
    const OperationResult& unread = Run(request);
    EXPECT_TRUE(unread.backupUnread);
    EXPECT_EQ(sim.counts().write, before.write);
}

TEST_F(OperationRunnerTest, ArchiveAndTraceOfASuccessfulTransfer) {
    OperationRequest request = Request(OperationMode::Program);
    request.archiveDir = (dir / "Archiwum").string();
    request.archiveName = "Sklep 1";
    request.tracePath = (dir / "trace").string();
    const OperationResult& r = Run(request);
    ASSERT_TRUE(r.archive);
    ASSERT_TRUE(r.archive->ok) << r.archive->error;
    const HistoryResult h = ReadHistory(request.archiveDir);
    ASSERT_EQ(h.entries.size(), 1u);
    EXPECT_EQ(h.entries[0].name, "Sklep 1");
    EXPECT_EQ(h.entries[0].mode, "program");
    const std::string trace = Slurp(dir / "trace");
    // Milliseconds since the start, the direction, the bytes: the first frame is a wake pair.
    EXPECT_EQ(trace.substr(trace.find(' '), 10), " tx CA 53\n") << trace.substr(0, 40);
    EXPECT_NE(trace.find(" tx 06 FA\n"), std::string::npos);
    EXPECT_NE(trace.find(" tx 05 FB\n"), std::string::npos);
}

// A transfer that fails after the module answered is kept with its outcome and its frames, and
// the simulator, playing those frames back, leads the same operation to the same failure.
TEST_F(OperationRunnerTest, AFailedTransferIsArchivedAndItsTraceReplaysTheFailure) {
    sim::Faults stuck;
    stuck.stuckAddress = 0x0100;
    sim.setFaults(stuck);
    OperationRequest request = Request(OperationMode::Program);
    request.archiveDir = (dir / "Archiwum").string();
    request.archiveName = "Sklep 2";
    const OperationResult& r = Run(request);
    ASSERT_EQ(r.outcome, LinkOutcome::WriteError);
    ASSERT_TRUE(r.archive && r.archive->ok) << (r.archive ? r.archive->error : "no entry");
    const HistoryResult h = ReadHistory(request.archiveDir);
    ASSERT_EQ(h.entries.size(), 1u);
    EXPECT_EQ(h.entries[0].outcome, "WriteError");
    const fs::path entry(r.archive->folder);
    EXPECT_TRUE(fs::exists(entry / "settings"));

    sim::ReplayTrace trace = sim::ReadReplayTrace(Slurp(entry / "trace"));
    ASSERT_TRUE(trace.error.empty()) << trace.error;
    sim::PtySimulator replay;
    replay.setReplay(std::make_unique<sim::ReplayPlayer>(std::move(trace.events)), [](const std::string&) {});
    std::string error;
    ASSERT_TRUE(replay.start(&error)) << error;
    OperationRequest again = Request(OperationMode::Program);
    again.port.device = replay.devicePath();
    RecordingView view2;
    OperationRunner runner2(view2);
    ASSERT_TRUE(runner2.Check(again));
    ASSERT_TRUE(runner2.Open());
    EXPECT_EQ(runner2.RunToEnd({}).outcome, LinkOutcome::WriteError);
}

TEST_F(OperationRunnerTest, APortThatDoesNotOpenSaysWhy) {
    OperationRequest request = Request(OperationMode::Program);
    request.port.device = (dir / "ttyNONE").string();
    ASSERT_TRUE(runner.Check(request));
    EXPECT_FALSE(runner.Open());
    ASSERT_EQ(view.log.size(), 3u);
    EXPECT_EQ(view.log[1], "Błąd - problem z portem transmisji!");
    EXPECT_EQ(view.log[2].rfind("Port " + request.port.device + " nie istnieje. ", 0), 0u) << view.log[2];
    EXPECT_EQ(runner.result().portError.fault, PortFault::NoDevice);
    EXPECT_FALSE(runner.Start());

    // No port number chosen in the window.
    view.log.clear();
    request.port = PortChoice{};
    ASSERT_TRUE(runner.Check(request));
    EXPECT_FALSE(runner.Open());
    EXPECT_EQ(view.log.back(), "Nie wybrano numeru portu - wybierz go na stronie 8.Moduł.");

    // A trace that cannot be made stops everything before the port is touched.
    view.log.clear();
    request = Request(OperationMode::Program);
    request.tracePath = (dir / "no-such-folder" / "trace").string();
    ASSERT_TRUE(runner.Check(request));
    EXPECT_FALSE(runner.Open());
    EXPECT_TRUE(view.log.empty());
    ASSERT_TRUE(runner.result().fileFault);
    EXPECT_EQ(runner.result().fileFault->file, OperationFile::Trace);
    EXPECT_EQ(runner.result().status(), OperationStatus::FileFailed);
}

// The settings are checked before anything else, in every mode: the first failure is told to
// the face, and nothing is opened, written or sent.
TEST_F(OperationRunnerTest, SettingsThatFailACheckOpenNothing) {
    settings.PIN = "12a4";
    OperationRequest request = Request(OperationMode::Read);
    request.tracePath = (dir / "trace").string();
    EXPECT_FALSE(runner.Check(request));
    EXPECT_EQ(view.log, Lines{"[refused] Niewłaściwy kod PIN karty SIM."});
    EXPECT_EQ(runner.result().status(), OperationStatus::SettingsRefused);
    EXPECT_FALSE(runner.Open());
    EXPECT_FALSE(runner.Start());
    EXPECT_EQ(view.log.size(), 1u);
    EXPECT_FALSE(fs::exists(dir / "trace"));
    EXPECT_EQ(sim.counts().wake, 0);
}

}  // namespace
}  // namespace brenvox
