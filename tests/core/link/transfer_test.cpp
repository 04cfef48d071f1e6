// The transfer engine over the in-process fake module: outcomes, faults, frames, abort.
#include "link/transfer.h"

#include <gtest/gtest.h>

#include <numeric>

#include "fake_module_port.h"

namespace brenvox {
namespace {

using test::FakeModulePort;
using test::RecordingObserver;

ModuleImage Pattern(uint8_t seed) {
    ModuleImage img{};
    for (size_t i = 0; i < img.size(); ++i) img[i] = static_cast<uint8_t>(i * 7 + seed);
    return img;
}

template <class Fn>
sim::Faults MakeFaults(Fn fn) {
    sim::Faults f;
    fn(f);
    return f;
}

sim::Memory ToMemory(const ModuleImage& img) {
    sim::Memory m{};
    std::copy(img.begin(), img.end(), m.begin());
    return m;
}

bool SameBytes(const ModuleImage& a, const sim::Memory& b) {
    return std::equal(a.begin(), a.end(), b.begin());
}

struct Fixture : ::testing::Test {
    FakeModulePort port;
    TransferState state;
    RecordingObserver observer{state};

    void SetUp() override {
        state.images.v10 = Pattern(1);
        state.images.v11 = Pattern(2);
    }
    LinkOutcome Run(OperationMode mode) {
        state.currentMode = mode;
        return RunTransfer(port, state, observer);
    }
    // Frames the PC sent that start with the given command byte (wake pairs excluded).
    std::vector<std::vector<uint8_t>> Sent(uint8_t command) const {
        std::vector<std::vector<uint8_t>> out;
        for (const auto& f : port.sent)
            if (f.size() >= 2 && f[0] == command && !(f[0] == 0xCA && f[1] == 0x53)) out.push_back(f);
        return out;
    }
    void Identity(uint8_t type, uint8_t major, uint8_t minor) {
        port.module.setIdentity({type, major, minor});
    }
};

const std::vector<LinkEvent> kAllEvents = {LinkEvent::Identified, LinkEvent::Checking, LinkEvent::Restarting,
                                           LinkEvent::Done};

// ---- Successful transfers in the three modes ----

using TransferSuccess = Fixture;

TEST_F(TransferSuccess, ProgramWritesTheImageOfVersion11AndVerifies) {
    Identity(1, 1, 1);
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::Success);
    EXPECT_TRUE(SameBytes(state.images.v11, port.module.memory()));
    EXPECT_EQ(observer.events, kAllEvents);
    EXPECT_EQ(observer.outcomeAtDone, LinkOutcome::Success);
    EXPECT_EQ(observer.infoAtIdentified.versionMinor, 1);
    EXPECT_EQ(state.writePos.load(), 2048);
    EXPECT_EQ(state.checkPos.load(), 2048);
    // 79 writes, each read back, then 79 reads of the check phase.
    EXPECT_EQ(port.module.counts().write, 79);
    EXPECT_EQ(port.module.counts().read, 158);
    EXPECT_EQ(port.module.counts().restart, 3);
    EXPECT_EQ(port.module.counts().wake, 5);
}

TEST_F(TransferSuccess, ProgramPicksTheImageOfVersion10) {
    Identity(2, 1, 0);
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::Success);
    EXPECT_TRUE(SameBytes(state.images.v10, port.module.memory()));
    EXPECT_EQ(state.workImage, state.images.v10);
}

TEST_F(TransferSuccess, CompareReadsOnlyAndWritesNothing) {
    Identity(1, 1, 1);
    port.module.setMemory(ToMemory(state.images.v11));
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::Success);
    EXPECT_EQ(port.module.counts().write, 0);
    EXPECT_EQ(port.module.counts().read, 79);
    EXPECT_EQ(state.writePos.load(), 0);
    EXPECT_EQ(observer.events, kAllEvents);
}

TEST_F(TransferSuccess, ReadFillsReadImageWithTheModuleMemory) {
    Identity(1, 1, 0);
    const ModuleImage content = Pattern(99);
    port.module.setMemory(ToMemory(content));
    EXPECT_EQ(Run(OperationMode::Read), LinkOutcome::Success);
    EXPECT_EQ(state.readImage, content);
    EXPECT_EQ(port.module.counts().write, 0);
    EXPECT_EQ(state.checkPos.load(), 2048);
}

TEST_F(TransferSuccess, ModuleTypesWithoutDescriptionStillTransfer) {
    for (uint8_t type : {0, 4}) {
        Identity(type, 1, 0);
        port.module.setMemory(ToMemory(state.images.v10));
        EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::Success) << int(type);
    }
}

TEST_F(TransferSuccess, RepeatedTransferStartsItsCountersAgain) {
    Identity(1, 1, 1);
    ASSERT_EQ(Run(OperationMode::Program), LinkOutcome::Success);
    observer.events.clear();
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::Success);
    EXPECT_EQ(state.writePos.load(), 0);
    EXPECT_EQ(state.checkPos.load(), 2048);
}

// ---- Failures: each ends in its outcome, with exactly one Done, last ----

using TransferFailure = Fixture;

TEST_F(TransferFailure, SilentModuleGivesNoResponseAfterFiveIdentifies) {
    port.module.setFaults(MakeFaults([](sim::Faults& f) { f.silent = true; }));
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::NoResponse);
    EXPECT_EQ(observer.events, std::vector<LinkEvent>{LinkEvent::Done});
    EXPECT_EQ(Sent(0x06).size(), 5u);
    EXPECT_EQ(Sent(0x03).size() + Sent(0x01).size() + Sent(0x05).size(), 0u);
    // Wake pairs (5 x 50 ms) and five 200 ms reads: about 1.25 s of the module's time.
    EXPECT_EQ(port.now(), 5 * 50 + 5 * 200);
}

TEST_F(TransferFailure, UnsupportedVersionsStopAfterIdentified) {
    const std::vector<std::array<uint8_t, 3>> cases = {{1, 1, 2}, {1, 2, 0}, {3, 1, 0}, {3, 1, 1}};
    for (const auto& c : cases) {
        FakeModulePort fresh;
        fresh.module.setIdentity({c[0], c[1], c[2]});
        RecordingObserver obs{state};
        state.currentMode = OperationMode::Program;
        EXPECT_EQ(RunTransfer(fresh, state, obs), LinkOutcome::UnsupportedModule);
        EXPECT_EQ(obs.events, (std::vector<LinkEvent>{LinkEvent::Identified, LinkEvent::Done}));
        EXPECT_EQ(obs.infoAtIdentified.moduleType, c[0]);
        EXPECT_EQ(obs.infoAtIdentified.versionMajor, c[1]);
        const auto& n = fresh.module.counts();
        EXPECT_EQ(n.write + n.read + n.restart, 0);
    }
}

TEST_F(TransferFailure, BlockThatDoesNotStoreGivesWriteErrorAfterFiveAttempts) {
    Identity(1, 1, 1);
    port.module.setFaults({.stuckAddress = uint16_t{100}});  // inside block 3 (78..103)
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::WriteError);
    EXPECT_EQ(state.writePos.load(), 78);
    EXPECT_EQ(port.module.counts().write, 3 + 5);
    EXPECT_EQ(observer.events, (std::vector<LinkEvent>{LinkEvent::Identified, LinkEvent::Done}));
    EXPECT_EQ(port.module.counts().restart, 0);
}

TEST_F(TransferFailure, CompareWithDifferentMemoryGivesCheckError) {
    Identity(1, 1, 1);
    sim::Memory other = ToMemory(state.images.v11);
    other[2047] ^= 0x01;  // only the very last byte differs
    port.module.setMemory(other);
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::CheckError);
    EXPECT_EQ(state.checkPos.load(), 2028);
    EXPECT_EQ(port.module.counts().read, 78 + 5);
    EXPECT_EQ(observer.events,
              (std::vector<LinkEvent>{LinkEvent::Identified, LinkEvent::Checking, LinkEvent::Done}));
}

TEST_F(TransferFailure, EveryReadReplyCorruptGivesCheckErrorInRead) {
    Identity(1, 1, 1);
    // Identify is the first reply; from the second on every reply is corrupt.
    port.module.setFaults(MakeFaults([](sim::Faults& f) { f.corruptEvery = 1; }));
    EXPECT_EQ(Run(OperationMode::Read), LinkOutcome::NoResponse);
    port.module.setFaults(MakeFaults([](sim::Faults& f) { f.flipEvery = 1; }));
    observer.events.clear();
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::CheckError);
    EXPECT_EQ(state.checkPos.load(), 0);
}

TEST_F(TransferFailure, NoRestartSignGivesRestartErrorAfterThirtyReads) {
    Identity(1, 1, 1);
    port.module.setMemory(ToMemory(state.images.v11));
    port.module.setFaults(MakeFaults([](sim::Faults& f) { f.noRestartSign = true; }));
    int readsBeforeRestart = 0;
    observer.hook = [&](LinkEvent e) {
        if (e == LinkEvent::Restarting) readsBeforeRestart = port.reads();
    };
    const int64_t before = port.now();
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::RestartError);
    EXPECT_EQ(port.reads() - readsBeforeRestart, 30);
    EXPECT_EQ(observer.events, kAllEvents);
    EXPECT_GE(port.now() - before, 30 * 200);
}

TEST_F(TransferFailure, RepliesWithLongGapsAreSplitAndNeverValid) {
    Identity(1, 1, 1);
    port.module.setFaults(MakeFaults([](sim::Faults& f) { f.gapMs = 15; }));
    EXPECT_EQ(Run(OperationMode::Read), LinkOutcome::NoResponse);
}

TEST_F(TransferFailure, LineCutMidTransferEndsInError) {
    Identity(1, 1, 1);
    port.onWrite = [&](const std::vector<uint8_t>& f) {
        if (f[0] == 0x03 && f[2] == 0x01) port.vanished = true;  // write at 0x01xx
    };
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::WriteError);
    EXPECT_EQ(observer.events.back(), LinkEvent::Done);
}

// ---- Faults that retries overcome ----

struct FaultCase {
    const char* name;
    sim::Faults faults;
};

class TransferRecovers : public Fixture, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(TransferRecovers, ProgramCompareAndReadStillSucceed) {
    Identity(1, 1, 1);
    port.module.setFaults(GetParam().faults);
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::Success);
    EXPECT_TRUE(SameBytes(state.images.v11, port.module.memory()));
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::Success);
    // A read reply with a flipped bit and a valid checksum cannot be told from good data in a
    // Read (nothing to compare with), so Read is checked with the other faults only.
    if (GetParam().faults.flipEvery == 0) {
        EXPECT_EQ(Run(OperationMode::Read), LinkOutcome::Success);
        EXPECT_EQ(state.readImage, state.images.v11);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TransferRecovers,
    ::testing::Values(
        FaultCase{"drop_every_7th_reply", MakeFaults([](sim::Faults& f) { f.dropEvery = 7; })},
        FaultCase{"corrupt_every_5th_checksum", MakeFaults([](sim::Faults& f) { f.corruptEvery = 5; })},
        FaultCase{"flip_bit_every_3rd_read", MakeFaults([](sim::Faults& f) { f.flipEvery = 3; })},
        FaultCase{"stray_byte_once", MakeFaults([](sim::Faults& f) { f.strayOnce = true; })},
        FaultCase{"stray_byte_every_9th", MakeFaults([](sim::Faults& f) {
                      f.strayEvery = 9;
                      f.strayValue = 0x55;
                  })},
        FaultCase{"gaps_below_interval", MakeFaults([](sim::Faults& f) { f.gapMs = 5; })},
        FaultCase{"slow_replies", MakeFaults([](sim::Faults& f) { f.replyDelayMs = 150; })}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(TransferRecovers, BadReadBackRepeatsTheWholeAttemptWriteIncluded) {
    Identity(1, 1, 1);
    port.module.setFaults(MakeFaults([](sim::Faults& f) { f.flipEvery = 2; }));
    ASSERT_EQ(Run(OperationMode::Program), LinkOutcome::Success);
    // Every rewrite follows a read-back of the same block: write, read, write, read.
    const auto writes = Sent(0x03);
    EXPECT_GT(writes.size(), 79u);
    int rewrites = 0;
    for (size_t i = 1; i < writes.size(); ++i)
        if (writes[i][2] == writes[i - 1][2] && writes[i][3] == writes[i - 1][3]) ++rewrites;
    EXPECT_EQ(static_cast<size_t>(rewrites), writes.size() - 79);
}

// ---- The frames on the wire ----

using TransferFrames = Fixture;

TEST_F(TransferFrames, WakeIdentifyFirstAndLastBlockAndRestart) {
    Identity(1, 1, 1);
    port.module.setMemory(ToMemory(state.images.v11));
    ASSERT_EQ(Run(OperationMode::Compare), LinkOutcome::Success);
    const std::vector<uint8_t> wake = {0xCA, 0x53};
    ASSERT_GE(port.sent.size(), 5u + 1 + 79 + 3);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(port.sent[i], wake);
    EXPECT_EQ(port.sent[5], (std::vector<uint8_t>{0x06, 0xFA}));
    EXPECT_EQ(port.sent[6], (std::vector<uint8_t>{0x01, 0x1A, 0x00, 0x00, 0xE5}));
    EXPECT_EQ(port.sent[84], (std::vector<uint8_t>{0x01, 0x14, 0x07, 0xEC, 0xF8}));
    for (int i = 85; i < 88; ++i) EXPECT_EQ(port.sent[i], (std::vector<uint8_t>{0x05, 0xFB}));
    EXPECT_EQ(port.sent.size(), 88u);
}

TEST_F(TransferFrames, BlocksCoverTheMemoryOnceAndNeverPassAddress2047) {
    Identity(1, 1, 0);
    ASSERT_EQ(Run(OperationMode::Program), LinkOutcome::Success);
    for (uint8_t cmd : {uint8_t{0x03}, uint8_t{0x01}}) {
        std::vector<int> covered(2048, 0);
        for (const auto& f : Sent(cmd)) {
            const int n = f[1], addr = f[2] << 8 | f[3];
            ASSERT_TRUE(n >= 1 && n <= 26);
            ASSERT_LE(addr + n, 2048) << "block beyond the memory";
            // Every frame sums to 0 with its checksum.
            EXPECT_EQ(std::accumulate(f.begin(), f.end(), 0) & 0xFF, 0);
            for (int a = addr; a < addr + n; ++a) ++covered[a];
        }
        const int passes = cmd == 0x03 ? 1 : 2;  // reads: read-back plus the check pass
        for (int a = 0; a < 2048; ++a) ASSERT_EQ(covered[a], passes) << "address " << a;
    }
    const auto writes = Sent(0x03);
    ASSERT_EQ(writes.size(), 79u);
    EXPECT_EQ(writes.back()[1], 20);
    EXPECT_EQ(writes.back()[2] << 8 | writes.back()[3], 2028);
    EXPECT_EQ(writes.front().size(), 26u + 5);
}

TEST(TransferHelpers, ChecksumAndBlockSize) {
    const uint8_t identify[] = {0x06};
    EXPECT_EQ(link::Checksum(identify, 1), 0xFA);
    const uint8_t zero[] = {0x00, 0x00};
    EXPECT_EQ(link::Checksum(zero, 2), 0x00);
    EXPECT_EQ(link::BlockSize(0), 26u);
    EXPECT_EQ(link::BlockSize(2028), 20u);
    EXPECT_EQ(link::BlockSize(2047), 1u);
    EXPECT_EQ(link::BlockSize(2048), 0u);
}

// ---- Abort ----

using TransferAbort = Fixture;

TEST_F(TransferAbort, StopsAtTheNextBlockBoundaryOfTheWritePhase) {
    Identity(1, 1, 1);
    port.onWrite = [&](const std::vector<uint8_t>& f) {
        if (f[0] == 0x03 && (f[2] << 8 | f[3]) == 26 * 10) state.abortRequested = true;
    };
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::Aborted);
    // The block under way is finished (written and read back), then the transfer stops.
    EXPECT_EQ(state.writePos.load(), 26 * 11);
    EXPECT_EQ(port.module.counts().write, 11);
    EXPECT_EQ(port.module.counts().restart, 0);
    EXPECT_EQ(observer.events, (std::vector<LinkEvent>{LinkEvent::Identified, LinkEvent::Done}));
}

TEST_F(TransferAbort, StopsInTheCheckPhase) {
    Identity(1, 1, 1);
    observer.hook = [&](LinkEvent e) {
        if (e == LinkEvent::Checking) state.abortRequested = true;
    };
    EXPECT_EQ(Run(OperationMode::Read), LinkOutcome::Aborted);
    EXPECT_EQ(port.module.counts().read, 0);
    EXPECT_EQ(state.checkPos.load(), 0);
}

TEST_F(TransferAbort, DuringIdentifyTakesEffectOnlyAtTheFirstBlock) {
    Identity(1, 1, 1);
    port.onWrite = [&](const std::vector<uint8_t>& f) {
        if (f[0] == 0x06) state.abortRequested = true;
    };
    EXPECT_EQ(Run(OperationMode::Program), LinkOutcome::Aborted);
    // Identification ran to its end and was announced; no block went out.
    EXPECT_EQ(observer.events, (std::vector<LinkEvent>{LinkEvent::Identified, LinkEvent::Done}));
    EXPECT_EQ(port.module.counts().write, 0);
}

TEST_F(TransferAbort, DuringRestartHasNoEffect) {
    Identity(1, 1, 1);
    port.module.setMemory(ToMemory(state.images.v11));
    observer.hook = [&](LinkEvent e) {
        if (e == LinkEvent::Restarting) state.abortRequested = true;
    };
    EXPECT_EQ(Run(OperationMode::Compare), LinkOutcome::Success);
    EXPECT_EQ(port.module.counts().restart, 3);
}

}  // namespace
}  // namespace brenvox
