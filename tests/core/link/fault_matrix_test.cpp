// Every transfer mode against every way the line or the module can let us down, one table of
// cells. Each cell runs a whole transfer on the worker (TransferWorker) and checks the outcome the
// transfer's retry rules lead to, the events it announced, that the worker ended, and that a
// module left without the image is never reported as programmed.
//
// All cells run over the in-process fake module on simulated time (microseconds each, and the
// frame counts are exact). A sample also runs over a real pseudo-terminal against the simulator
// thread, where only the outcome and what it implies are checked: real scheduling may add a
// retry here and there, but must not change how a transfer ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "fake_module_port.h"
#include "link/serial_link.h"
#include "link/transfer.h"
#include "link/transfer_worker.h"
#include "operation/progress_log.h"
#include "pty_simulator.h"

namespace brenvox {
namespace {

using namespace std::chrono_literals;
using Mode = OperationMode;
using Out = LinkOutcome;
using Ev = LinkEvent;

// Bounds that only catch a transfer that never ends; a slow machine stays far inside them.
constexpr auto kFakeLimit = 60s;
constexpr auto kPtyLimit = 180s;

enum class Fault {
    None,
    Silent,
    DropEvery2nd,
    DropEvery3rd,
    CorruptEvery2nd,
    StrayByteOnce,
    FlipBitEvery2ndRead,
    Gaps15ms,
    StuckBlock,
    NoRestartSign,
    VanishMidway,
    Version12,
    Type3,
};

// clang-format off
const char* FaultName(Fault f) {
    switch (f) {
        case Fault::None: return "NoFault";
        case Fault::Silent: return "Silent";
        case Fault::DropEvery2nd: return "DropEvery2ndReply";
        case Fault::DropEvery3rd: return "DropEvery3rdReply";
        case Fault::CorruptEvery2nd: return "CorruptEvery2ndChecksum";
        case Fault::StrayByteOnce: return "OneStrayByte";
        case Fault::FlipBitEvery2ndRead: return "BitFlippedInEvery2ndReadReply";
        case Fault::Gaps15ms: return "Gaps15msBetweenBytes";
        case Fault::StuckBlock: return "StuckBlock";
        case Fault::NoRestartSign: return "NoRestartSign";
        case Fault::VanishMidway: return "DeviceVanishesMidway";
        case Fault::Version12: return "Version12";
        case Fault::Type3: return "Type3";
    }
    return "?";
}
// clang-format on

// clang-format off
const char* ModeName(Mode m) {
    switch (m) {
        case Mode::Program: return "Program";
        case Mode::Compare: return "Compare";
        case Mode::Read: return "Read";
    }
    return "?";
}
// clang-format on

// The stuck address lies in block 3 (bytes 78..103).
constexpr uint16_t kStuckAddress = 100;
constexpr uint16_t kStuckBlockStart = 78;
// The line is cut when the first block at or beyond this address goes out: block 39 (1014..1039).
constexpr uint16_t kVanishAt = 1000;
constexpr uint16_t kVanishBlockStart = 1014;

// The module's faults and identity for a cell. The vanishing device is the transport's business.
// clang-format off
void Configure(Fault f, sim::Faults& faults, sim::Identity& id) {
    id = {1, 1, 1};
    switch (f) {
        case Fault::Silent: faults.silent = true; break;
        case Fault::DropEvery2nd: faults.dropEvery = 2; break;
        case Fault::DropEvery3rd: faults.dropEvery = 3; break;
        case Fault::CorruptEvery2nd: faults.corruptEvery = 2; break;
        // 0x00 keeps the sum of the reply at 0, so only its length gives it away.
        case Fault::StrayByteOnce: faults.strayOnce = true; faults.strayValue = 0x00; break;
        case Fault::FlipBitEvery2ndRead: faults.flipEvery = 2; break;
        case Fault::Gaps15ms: faults.gapMs = 15; break;
        case Fault::StuckBlock: faults.stuckAddress = kStuckAddress; break;
        case Fault::NoRestartSign: faults.noRestartSign = true; break;
        case Fault::Version12: id = {1, 1, 2}; break;
        case Fault::Type3: id = {3, 1, 1}; break;
        case Fault::None:
        case Fault::VanishMidway: break;
    }
}
// clang-format on

// What a cell must end with. Frame counts are those the module took in (fake only); -1 = the
// cell does not pin it down.
struct Expect {
    Out outcome;
    std::vector<Ev> events;
    int identify, writes, reads, restarts;
    int writePos, checkPos;
    bool memoryIsImage;  // Program: the module holds the image afterwards
    int readDiffBytes;   // Read with Success: bytes of readImage that differ from the module
};

struct Cell {
    Mode mode;
    Fault fault;
    Expect expect;
    bool overPty;  // also run over the pseudo-terminal
};

const std::vector<Ev> kAll = {Ev::Identified, Ev::Checking, Ev::Restarting, Ev::Done};
const std::vector<Ev> kDoneOnly = {Ev::Done};
const std::vector<Ev> kToWrite = {Ev::Identified, Ev::Done};
const std::vector<Ev> kToCheck = {Ev::Identified, Ev::Checking, Ev::Done};

// A full pass is 79 blocks (78 of 26 bytes, the last of 20). Replies are numbered across the
// transfer by the module, identify reply included (#1), which is what "every k-th" counts.
// clang-format off
const std::vector<Cell> kCells = {
    // -- No fault: 79 writes with read-back, then 79 reads.
    {Mode::Program, Fault::None, {Out::Success, kAll, 1, 79, 158, 3, 2048, 2048, true, 0}, true},
    {Mode::Compare, Fault::None, {Out::Success, kAll, 1, 0, 79, 3, 0, 2048, false, 0}, true},
    {Mode::Read, Fault::None, {Out::Success, kAll, 1, 0, 79, 3, 0, 2048, false, 0}, true},

    // -- Silent: five identifies without a reply, nothing else goes out.
    {Mode::Program, Fault::Silent, {Out::NoResponse, kDoneOnly, 5, 0, 0, 0, 0, 0, false, 0}, true},
    {Mode::Compare, Fault::Silent, {Out::NoResponse, kDoneOnly, 5, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Read, Fault::Silent, {Out::NoResponse, kDoneOnly, 5, 0, 0, 0, 0, 0, false, 0}, false},

    // -- Every 2nd reply dropped. A write attempt needs two replies in a row (write, read-back).
    // Block 0: write reply #2 is lost (one write, no read); each later attempt starts on an odd
    // reply and loses its read-back on the even one, so all five fail: 5 writes, 4 reads.
    {Mode::Program, Fault::DropEvery2nd, {Out::WriteError, kToWrite, 1, 5, 4, 0, 0, 0, false, 0}, true},
    // A read attempt needs one reply: every block fails once and passes on the retry.
    {Mode::Compare, Fault::DropEvery2nd, {Out::Success, kAll, 1, 0, 158, 3, 0, 2048, false, 0}, false},
    {Mode::Read, Fault::DropEvery2nd, {Out::Success, kAll, 1, 0, 158, 3, 0, 2048, false, 0}, false},

    // -- Every 3rd reply dropped. Block 0: #2 ok, read-back #3 lost, then #4 #5: 2 writes, 2 reads.
    // Blocks 1..78: write reply #3k+3 lost, #3k+4 #3k+5 pass: 2 writes and 1 read each, so
    // 158 writes and 80 reads, ending on #239. The check pass starts on #240 (lost): in the
    // pattern lost-ok-ok 79 good reads take 119 reads. 80 + 119 = 199.
    {Mode::Program, Fault::DropEvery3rd, {Out::Success, kAll, 1, 158, 199, 3, 2048, 2048, true, 0}, false},
    // Reads from #2: ok-lost-ok-ok-lost...; 79 good ones take 79 + 39 lost = 118 reads.
    {Mode::Compare, Fault::DropEvery3rd, {Out::Success, kAll, 1, 0, 118, 3, 0, 2048, false, 0}, false},
    {Mode::Read, Fault::DropEvery3rd, {Out::Success, kAll, 1, 0, 118, 3, 0, 2048, false, 0}, false},

    // -- Every 2nd reply with a wrong checksum: it arrives, but counts as no reply, so the
    // counting is that of the dropped reply. A PC that ignored the checksum would succeed.
    {Mode::Program, Fault::CorruptEvery2nd, {Out::WriteError, kToWrite, 1, 5, 4, 0, 0, 0, false, 0}, false},
    {Mode::Compare, Fault::CorruptEvery2nd, {Out::Success, kAll, 1, 0, 158, 3, 0, 2048, false, 0}, true},
    {Mode::Read, Fault::CorruptEvery2nd, {Out::Success, kAll, 1, 0, 158, 3, 0, 2048, false, 0}, false},

    // -- One stray byte before the first reply: the identify reply is 6 bytes long, the attempt
    // fails, the second identify is answered; the rest is the fault-free transfer.
    {Mode::Program, Fault::StrayByteOnce, {Out::Success, kAll, 2, 79, 158, 3, 2048, 2048, true, 0}, false},
    {Mode::Compare, Fault::StrayByteOnce, {Out::Success, kAll, 2, 0, 79, 3, 0, 2048, false, 0}, false},
    {Mode::Read, Fault::StrayByteOnce, {Out::Success, kAll, 2, 0, 79, 3, 0, 2048, false, 0}, true},

    // -- A bit flipped (checksum still right) in every 2nd read reply; read replies are numbered
    // on their own. Program: block 0's read-back #1 is good; every later block gets a bad one
    // (#2k) and repeats write and read-back (#2k+1): 1 + 78 * 2 = 157 writes and read-backs.
    // The check pass starts on #158 (bad): 2 reads per block, 158. 157 + 158 = 315.
    {Mode::Program, Fault::FlipBitEvery2ndRead, {Out::Success, kAll, 1, 157, 315, 3, 2048, 2048, true, 0}, false},
    // Compare: #1 good, then 2 reads for each of the 78 other blocks: 157.
    {Mode::Compare, Fault::FlipBitEvery2ndRead, {Out::Success, kAll, 1, 0, 157, 3, 0, 2048, false, 0}, false},
    // Read has nothing to compare with: replies #2, #4 ... #78 (39 blocks) are taken as they
    // came, one wrong bit each, and the transfer still reports success.
    {Mode::Read, Fault::FlipBitEvery2ndRead, {Out::Success, kAll, 1, 0, 79, 3, 0, 2048, false, 39}, false},

    // -- 15 ms between the bytes of every reply: each read ends 10 ms after its one byte, so no
    // read ever holds two bytes and the identification never gets through.
    {Mode::Program, Fault::Gaps15ms, {Out::NoResponse, kDoneOnly, 5, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Compare, Fault::Gaps15ms, {Out::NoResponse, kDoneOnly, 5, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Read, Fault::Gaps15ms, {Out::NoResponse, kDoneOnly, 5, 0, 0, 0, 0, 0, false, 0}, true},

    // -- A block that acknowledges writes but keeps its old bytes: blocks 0..2 pass, block 3's
    // read-back differs five times. Compare and Read never write, so it does not touch them.
    {Mode::Program, Fault::StuckBlock, {Out::WriteError, kToWrite, 1, 8, 8, 0, kStuckBlockStart, 0, false, 0}, true},
    {Mode::Compare, Fault::StuckBlock, {Out::Success, kAll, 1, 0, 79, 3, 0, 2048, false, 0}, false},
    {Mode::Read, Fault::StuckBlock, {Out::Success, kAll, 1, 0, 79, 3, 0, 2048, false, 0}, false},

    // -- No sign of life after the restart: everything transferred, still RestartError.
    {Mode::Program, Fault::NoRestartSign, {Out::RestartError, kAll, 1, 79, 158, 3, 2048, 2048, true, 0}, false},
    {Mode::Compare, Fault::NoRestartSign, {Out::RestartError, kAll, 1, 0, 79, 3, 0, 2048, false, 0}, true},
    {Mode::Read, Fault::NoRestartSign, {Out::RestartError, kAll, 1, 0, 79, 3, 0, 2048, false, 0}, false},

    // -- The device vanishes as the first block at or beyond address 1000 (block 39) goes out:
    // that frame still reaches the module, nothing after it. Program: 40 writes stored, 39
    // read back; Compare / Read: 40 reads. Block 39 then fails all its attempts.
    {Mode::Program, Fault::VanishMidway, {Out::WriteError, kToWrite, 1, 40, 39, 0, kVanishBlockStart, 0, false, 0}, true},
    {Mode::Compare, Fault::VanishMidway, {Out::CheckError, kToCheck, 1, 0, 40, 0, 0, kVanishBlockStart, false, 0}, false},
    {Mode::Read, Fault::VanishMidway, {Out::CheckError, kToCheck, 1, 0, 40, 0, 0, kVanishBlockStart, false, 0}, true},

    // -- Module version 1.2 and module type 3: identified, announced, then nothing more.
    {Mode::Program, Fault::Version12, {Out::UnsupportedModule, kToWrite, 1, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Compare, Fault::Version12, {Out::UnsupportedModule, kToWrite, 1, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Read, Fault::Version12, {Out::UnsupportedModule, kToWrite, 1, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Program, Fault::Type3, {Out::UnsupportedModule, kToWrite, 1, 0, 0, 0, 0, 0, false, 0}, true},
    {Mode::Compare, Fault::Type3, {Out::UnsupportedModule, kToWrite, 1, 0, 0, 0, 0, 0, false, 0}, false},
    {Mode::Read, Fault::Type3, {Out::UnsupportedModule, kToWrite, 1, 0, 0, 0, 0, 0, false, 0}, false},
};
// clang-format on

// Readable cells in failure messages instead of their bytes.
void PrintTo(const Cell& c, std::ostream* os) {
    *os << ModeName(c.mode) << " x " << FaultName(c.fault);
}

std::string CellName(const ::testing::TestParamInfo<Cell>& info) {
    return std::string(ModeName(info.param.mode)) + "_" + FaultName(info.param.fault);
}

ModuleImage Pattern(uint8_t mul, uint8_t seed) {
    ModuleImage img{};
    for (size_t i = 0; i < img.size(); ++i) img[i] = static_cast<uint8_t>(i * mul + seed);
    return img;
}

// Different images per version, so that programming the wrong one shows; and module content for
// Read that is neither.
const ModuleImage kImageV10 = Pattern(7, 1);
const ModuleImage kImageV11 = Pattern(7, 2);
const ModuleImage kModuleContent = Pattern(13, 5);

// What the module holds before the transfer: erased for Program, the settings' image for
// Compare (so only the fault can make it fail), other content for Read.
sim::Memory InitialMemory(Mode mode) {
    if (mode == Mode::Compare) return kImageV11;
    if (mode == Mode::Read) return kModuleContent;
    sim::Memory erased;
    erased.fill(0xFF);
    return erased;
}

int DifferingBytes(const ModuleImage& a, const sim::Memory& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

// Records events, the Done-time outcome and the progress log the window would show, under a
// lock, and lets the test thread wait for Done with a bound.
class MatrixObserver : public TransferObserver {
public:
    explicit MatrixObserver(const TransferState& s) : state_(s) {}

    void OnLinkEvent(LinkEvent e) override {
        std::lock_guard lock(m_);
        events_.push_back(e);
        if (e == Ev::Identified) info_ = state_.moduleInfo.load();
        const Out outcome = state_.transferOutcome.load();
        if (e == Ev::Done) outcomeAtDone_ = outcome;
        for (auto& line : progress::EventLines(e, state_.currentMode.load(), info_, outcome))
            log_.push_back(std::move(line));
        cv_.notify_all();
    }

    bool WaitDone(std::chrono::seconds limit) {
        std::unique_lock lock(m_);
        return cv_.wait_for(lock, limit, [&] {
            return std::find(events_.begin(), events_.end(), Ev::Done) != events_.end();
        });
    }
    std::vector<Ev> Events() {
        std::lock_guard lock(m_);
        return events_;
    }
    std::vector<std::string> Log() {
        std::lock_guard lock(m_);
        return log_;
    }
    Out OutcomeAtDone() {
        std::lock_guard lock(m_);
        return outcomeAtDone_;
    }

private:
    const TransferState& state_;
    std::mutex m_;
    std::condition_variable cv_;
    std::vector<Ev> events_;
    std::vector<std::string> log_;
    ModuleInfo info_{};
    Out outcomeAtDone_ = Out::Success;
};

// Everything a worker touches, kept together: when a worker does not end in time, the test fails
// and this is left allocated, so the stray thread never uses freed memory nor hangs the program.
struct Rig {
    TransferState state;
    MatrixObserver observer{state};
    TransferWorker worker;
    bool workerEnded = false;

    Rig() {
        state.images.v10 = kImageV10;
        state.images.v11 = kImageV11;
    }
    virtual ~Rig() = default;
    virtual Port& port() = 0;

    // Starts the transfer on the worker; `whileRunning` runs on the test thread meanwhile.
    // False when the worker did not deliver Done or did not end within `limit`.
    bool RunOnWorker(Mode mode, std::chrono::seconds limit, const std::function<void()>& whileRunning = {}) {
        state.currentMode = mode;
        if (!worker.Start(port(), state, observer)) return false;
        if (whileRunning) whileRunning();
        if (!observer.WaitDone(limit)) return false;
        // Done is the worker's last act; it must come out of Running shortly after.
        const auto until = std::chrono::steady_clock::now() + limit;
        while (worker.Running() && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(1ms);
        if (worker.Running()) return false;
        worker.Join();
        workerEnded = true;
        return true;
    }
};

struct FakeRig : Rig {
    test::FakeModulePort fake;
    Port& port() override { return fake; }
};

struct PtyRig : Rig {
    sim::PtySimulator sim;
    SerialLink link;
    Port& port() override { return link; }
    ~PtyRig() override { link.Close(); }  // before the simulator goes
};

// Runs a rig; on a worker that will not end, leaks it (see Rig) and fails the test.
template <class R>
bool Finish(std::unique_ptr<R>& rig, Mode mode, std::chrono::seconds limit,
            const std::function<void()>& whileRunning = {}) {
    if (rig->RunOnWorker(mode, limit, whileRunning)) return true;
    ADD_FAILURE() << "the transfer did not end within " << limit.count() << " s";
    (void)rig.release();
    return false;
}

// The checks every cell shares, over either transport.
void CheckCommon(const Cell& cell, Rig& rig, const sim::Memory& memory) {
    const Expect& want = cell.expect;
    const Out outcome = rig.state.transferOutcome.load();
    EXPECT_TRUE(rig.workerEnded);
    EXPECT_EQ(outcome, want.outcome);

    // Exactly one Done, and last; the outcome was in place when it came.
    const std::vector<Ev> events = rig.observer.Events();
    EXPECT_EQ(events, want.events);
    EXPECT_EQ(std::count(events.begin(), events.end(), Ev::Done), 1);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), Ev::Done);
    EXPECT_EQ(rig.observer.OutcomeAtDone(), outcome);

    // The log ends with this outcome's line; the success line appears only for a success.
    const std::vector<std::string> log = rig.observer.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), progress::OutcomeLine(want.outcome, cell.mode));
    const std::string successLine(progress::OutcomeLine(Out::Success, cell.mode));
    EXPECT_EQ(std::count(log.begin(), log.end(), successLine), outcome == Out::Success ? 1 : 0);

    if (cell.mode == Mode::Program) {
        const bool holdsImage = memory == kImageV11;
        EXPECT_EQ(holdsImage, want.memoryIsImage);
        // The point of it all: a module without the image is never called programmed.
        if (!holdsImage) {
            EXPECT_NE(outcome, Out::Success);
        }
        if (outcome == Out::Success) {
            EXPECT_TRUE(holdsImage);
        }
        EXPECT_EQ(rig.state.workImage == kImageV11,
                  want.outcome != Out::UnsupportedModule && want.outcome != Out::NoResponse);
    } else {
        // Compare and Read never change the module.
        EXPECT_EQ(DifferingBytes(memory, InitialMemory(cell.mode)), 0);
        EXPECT_EQ(rig.state.writePos.load(), 0);
    }
    if (cell.mode == Mode::Read && outcome == Out::Success) {
        EXPECT_EQ(DifferingBytes(rig.state.readImage, memory), want.readDiffBytes);
    }
}

bool IsBlockFrameAtOrBeyond(const std::vector<uint8_t>& f, unsigned address) {
    const bool block = f.size() >= 5 && (f[0] == link::kCmdWrite || f[0] == link::kCmdRead);
    return block && static_cast<unsigned>(f[2] << 8 | f[3]) >= address;
}

// ---- Every cell over the in-process fake ----

class FaultMatrixFake : public ::testing::TestWithParam<Cell> {};

TEST_P(FaultMatrixFake, EndsInItsOutcome) {
    const Cell& cell = GetParam();
    auto rig = std::make_unique<FakeRig>();
    sim::Faults faults;
    sim::Identity id;
    Configure(cell.fault, faults, id);
    rig->fake.module.setFaults(faults);
    rig->fake.module.setIdentity(id);
    rig->fake.module.setMemory(InitialMemory(cell.mode));
    if (cell.fault == Fault::VanishMidway) {
        // Runs on the worker, right after the frame went out: the frame itself still arrives.
        test::FakeModulePort& fake = rig->fake;
        fake.onWrite = [&fake](const std::vector<uint8_t>& f) {
            if (IsBlockFrameAtOrBeyond(f, kVanishAt)) fake.vanished = true;
        };
    }
    if (!Finish(rig, cell.mode, kFakeLimit)) return;

    CheckCommon(cell, *rig, rig->fake.module.memory());
    const Expect& want = cell.expect;
    const sim::FrameCounts& n = rig->fake.module.counts();
    EXPECT_EQ(n.identify, want.identify);
    EXPECT_EQ(n.write, want.writes);
    EXPECT_EQ(n.read, want.reads);
    EXPECT_EQ(n.restart, want.restarts);
    EXPECT_EQ(n.rejected, 0) << "a frame the module refused";
    EXPECT_EQ(rig->state.writePos.load(), want.writePos);
    EXPECT_EQ(rig->state.checkPos.load(), want.checkPos);
    if (cell.mode == Mode::Program && !want.memoryIsImage && want.writes > 0) {
        // A failed programming leaves the blocks it got through, plus the failing block, whose
        // writes arrived (only their replies were lost) unless the block is stuck; the rest of
        // the module is as it was.
        const size_t failing = size_t(want.writePos);
        const size_t stored = failing + (cell.fault == Fault::StuckBlock ? 0 : link::BlockSize(failing));
        const sim::Memory& mem = rig->fake.module.memory();
        EXPECT_TRUE(std::equal(mem.begin(), mem.begin() + stored, kImageV11.begin()));
        EXPECT_TRUE(std::all_of(mem.begin() + stored, mem.end(), [](uint8_t b) { return b == 0xFF; }));
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrixFake, ::testing::ValuesIn(kCells), CellName);

// ---- A sample of cells over a pseudo-terminal against the simulator ----

std::vector<Cell> PtyCells() {
    std::vector<Cell> out;
    std::copy_if(kCells.begin(), kCells.end(), std::back_inserter(out),
                 [](const Cell& c) { return c.overPty; });
    return out;
}

class FaultMatrixPty : public ::testing::TestWithParam<Cell> {};

TEST_P(FaultMatrixPty, EndsInItsOutcome) {
    const Cell& cell = GetParam();
    auto rig = std::make_unique<PtyRig>();
    sim::Faults faults;
    sim::Identity id;
    Configure(cell.fault, faults, id);
    rig->sim.setFaults(faults);
    rig->sim.setIdentity(id);
    rig->sim.setMemory(InitialMemory(cell.mode));
    std::string error;
    ASSERT_TRUE(rig->sim.start(&error)) << error;
    ASSERT_TRUE(rig->link.Open(rig->sim.devicePath(), 115200, 200, 10));

    std::function<void()> whileRunning;
    if (cell.fault == Fault::VanishMidway) {
        // Pull the plug from this thread once the progress passes the point (bounded: if the
        // transfer ends first, the checks below say so).
        PtyRig* r = rig.get();
        whileRunning = [r, mode = cell.mode] {
            const auto& pos = mode == Mode::Program ? r->state.writePos : r->state.checkPos;
            const auto until = std::chrono::steady_clock::now() + kPtyLimit;
            while (pos.load() < kVanishAt && r->worker.Running() && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(1ms);
            r->sim.stop();
        };
    }
    if (!Finish(rig, cell.mode, kPtyLimit, whileRunning)) return;

    CheckCommon(cell, *rig, rig->sim.memory());
    const Expect& want = cell.expect;
    if (cell.fault == Fault::VanishMidway) {
        // Where exactly the plug was pulled depends on the scheduler; it was past the point.
        const int pos = cell.mode == Mode::Program ? rig->state.writePos.load() : rig->state.checkPos.load();
        EXPECT_GE(pos, kVanishAt);
        EXPECT_LT(pos, 2048);
    } else {
        EXPECT_EQ(rig->state.writePos.load(), want.writePos);
        EXPECT_EQ(rig->state.checkPos.load(), want.checkPos);
        // Retries may differ from the fake's under real scheduling; a restart never happens
        // without a completed check pass, and nothing goes out after an unanswered identify.
        const sim::FrameCounts n = rig->sim.counts();
        EXPECT_EQ(n.restart, want.restarts);
        if (want.identify == 5) {
            EXPECT_EQ(n.write + n.read, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrixPty, ::testing::ValuesIn(PtyCells()), CellName);

}  // namespace
}  // namespace brenvox
