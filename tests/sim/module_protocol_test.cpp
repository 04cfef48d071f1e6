// The module's side of the protocol, driven byte for byte with a virtual clock.
#include "module_protocol.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace brenvox::sim;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A request frame with its checksum appended, built independently of the code under test.
Bytes WithChk(Bytes f) {
    unsigned s = 0;
    for (auto b : f) s += b;
    f.push_back(static_cast<std::uint8_t>((256 - s % 256) % 256));
    return f;
}

unsigned SumMod256(const Bytes& b) {
    return std::accumulate(b.begin(), b.end(), 0u) % 256;
}

Bytes ReadReq(unsigned n, unsigned addr) {
    return WithChk({0x01, std::uint8_t(n), std::uint8_t(addr >> 8), std::uint8_t(addr & 0xFF)});
}

Bytes WriteReq(unsigned addr, const Bytes& data) {
    Bytes f = {0x03, std::uint8_t(data.size()), std::uint8_t(addr >> 8), std::uint8_t(addr & 0xFF)};
    f.insert(f.end(), data.begin(), data.end());
    return WithChk(f);
}

Memory Pattern() {
    Memory m;
    for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    return m;
}

class ProtocolTest : public ::testing::Test {
protected:
    ModuleProtocol mod;
    void send(const Bytes& b, std::int64_t t = -1) {
        if (t >= 0)
            mod.feed(b.data(), b.size(), t);
        else
            mod.feed(b.data(), b.size());
    }
    // All replies queued so far, as the bytes that would go on the wire.
    std::vector<Bytes> wire() {
        std::vector<Bytes> out;
        for (auto& r : mod.takeReplies()) out.push_back(r.bytes);
        return out;
    }
    Bytes one() {
        auto w = wire();
        EXPECT_EQ(w.size(), 1u);
        return w.empty() ? Bytes{} : w.front();
    }
};

}  // namespace

TEST_F(ProtocolTest, IdentifyReportsTypeAndVersion) {
    mod.setIdentity({2, 1, 0});
    send({0x06, 0xFA});
    EXPECT_EQ(one(), (Bytes{0x02, 0x02, 0x01, 0x00, 0xFB}));
    mod.setIdentity({3, 4, 7});
    send({0x06, 0xFA});
    EXPECT_EQ(one(), (Bytes{0x02, 0x03, 0x04, 0x07, 0xF0}));
    EXPECT_EQ(mod.counts().identify, 2);
}

TEST_F(ProtocolTest, ReadsOfFirstAndLastBlock) {
    const Memory m = Pattern();
    mod.setMemory(m);
    send({0x01, 0x1A, 0x00, 0x00, 0xE5});
    Bytes r = one();
    ASSERT_EQ(r.size(), 31u);
    EXPECT_EQ(r[0], 0x02);
    EXPECT_EQ(Bytes(r.begin() + 4, r.end() - 1), Bytes(m.begin(), m.begin() + 26));
    EXPECT_EQ(SumMod256(r), 0u);

    send({0x01, 0x14, 0x07, 0xEC, 0xF8});
    r = one();
    ASSERT_EQ(r.size(), 25u);
    EXPECT_EQ(r[0], 0x02);
    EXPECT_EQ(Bytes(r.begin() + 4, r.end() - 1), Bytes(m.begin() + 2028, m.end()));
    EXPECT_EQ(SumMod256(r), 0u);
    EXPECT_EQ(mod.counts().read, 2);
}

TEST_F(ProtocolTest, WriteIsAcknowledgedAndReadsBackIdentically) {
    const Bytes data = {0x00, 0x11, 0xFF, 0x53, 0xCA, 0x06, 0xFA, 0x7E};
    send(WriteReq(300, data));
    EXPECT_EQ(one(), (Bytes{0x04, 0xFC}));
    send(ReadReq(data.size(), 300));
    const Bytes r = one();
    EXPECT_EQ(Bytes(r.begin() + 4, r.end() - 1), data);
    EXPECT_EQ(mod.memory()[299], 0xFF);
    EXPECT_EQ(mod.memory()[308], 0xFF);
}

TEST_F(ProtocolTest, WholeMemoryInPcSizedBlocks) {
    const Memory m = Pattern();
    int blocks = 0;
    for (unsigned pos = 0; pos < kMemorySize; pos += 26, ++blocks) {
        const unsigned n = std::min<unsigned>(26, kMemorySize - pos);
        send(WriteReq(pos, Bytes(m.begin() + pos, m.begin() + pos + n)));
        ASSERT_EQ(one(), (Bytes{0x04, 0xFC})) << pos;
    }
    EXPECT_EQ(blocks, 79);
    EXPECT_EQ(mod.memory(), m);
    Bytes all;
    for (unsigned pos = 0; pos < kMemorySize; pos += 26) {
        send(ReadReq(std::min<unsigned>(26, kMemorySize - pos), pos));
        const Bytes r = one();
        all.insert(all.end(), r.begin() + 4, r.end() - 1);
    }
    EXPECT_EQ(all, Bytes(m.begin(), m.end()));
}

TEST_F(ProtocolTest, BlockLengthsAndAddressBounds) {
    // Longer blocks than the PC uses are served as long as they stay inside the memory.
    send(ReadReq(200, 1848));
    EXPECT_EQ(one().size(), 205u);
    send(ReadReq(1, 2047));
    EXPECT_EQ(one().size(), 6u);
    // Length 0, one byte beyond the end, and an address beyond the memory get no reply.
    send(ReadReq(0, 0));
    send(ReadReq(21, 2028));
    send(ReadReq(1, 2048));
    send(WriteReq(2040, Bytes(9, 0x00)));
    send(WithChk({0x03, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(wire().empty());
    EXPECT_EQ(mod.counts().rejected, 5);
    EXPECT_EQ(mod.memory()[2040], 0xFF);
    EXPECT_EQ(mod.pendingBytes(), 0u);
}

TEST_F(ProtocolTest, ResynchronisesAfterGarbageAndBadChecksums) {
    Bytes stream = {0x00, 0x77, 0x06, 0xFB};  // junk, then an identify with a wrong checksum
    const Bytes good = ReadReq(4, 0);
    stream.insert(stream.end(), good.begin(), good.end());
    send(stream);
    const Bytes r = one();
    EXPECT_EQ(r.size(), 9u);
    EXPECT_EQ(mod.counts().identify, 0);
    EXPECT_EQ(mod.counts().read, 1);
    EXPECT_EQ(mod.counts().droppedBytes, 4);
    bool junkTraced = false;
    for (auto& e : mod.trace()) junkTraced |= e.direction == TraceDirection::Junk && e.bytes.size() == 4;
    EXPECT_TRUE(junkTraced);
}

TEST_F(ProtocolTest, FrameSplitAcrossFeeds) {
    const Bytes w = WriteReq(10, {1, 2, 3, 4, 5});
    for (std::uint8_t b : w) {
        EXPECT_FALSE(mod.hasReply());
        send({b});
    }
    EXPECT_EQ(one(), (Bytes{0x04, 0xFC}));
    EXPECT_EQ(mod.memory()[14], 5);
}

TEST_F(ProtocolTest, StalePartialFrameIsDiscarded) {
    send({0x03, 0x1A, 0x00}, 0);  // a write cut short
    EXPECT_EQ(mod.pendingBytes(), 3u);
    send({0x06, 0xFA}, 10);  // still within the frame: taken as its bytes
    EXPECT_FALSE(mod.hasReply());
    send({0x06, 0xFA}, 10 + ModuleProtocol::kStaleFrameMs);
    EXPECT_EQ(one().size(), 5u);
    EXPECT_EQ(mod.counts().write, 0);
    EXPECT_EQ(mod.pendingBytes(), 0u);
}

TEST_F(ProtocolTest, WakePairIsCountedAndNotAnswered) {
    send({0xCA, 0x53, 0xCA, 0x53});
    EXPECT_FALSE(mod.hasReply());
    EXPECT_EQ(mod.counts().wake, 2);
    send({0xCA, 0x06, 0xFA});  // half a wake pair does not swallow the next frame
    EXPECT_EQ(one().size(), 5u);
    EXPECT_EQ(mod.counts().wake, 2);
}

TEST_F(ProtocolTest, RestartSignFollowsTheLastRestartCommand) {
    const Bytes restart = {0x05, 0xFB};
    send(restart, 1000);
    send(restart, 1050);
    mod.poll(1100);
    send(restart, 1100);
    EXPECT_EQ(mod.nextDueMs(), 1100 + ModuleProtocol::kRestartSignDelayMs);
    mod.poll(1100 + ModuleProtocol::kRestartSignDelayMs - 1);
    EXPECT_FALSE(mod.hasReply());
    mod.poll(1100 + ModuleProtocol::kRestartSignDelayMs);
    const Bytes sign = one();
    ASSERT_GE(sign.size(), 3u);
    EXPECT_EQ(Bytes(sign.begin(), sign.begin() + 3), (Bytes{0x1E, 0x00, 0x0C}));
    EXPECT_FALSE(mod.nextDueMs().has_value());
    mod.poll(5000);
    EXPECT_FALSE(mod.hasReply());
    EXPECT_EQ(mod.counts().restart, 3);
}

TEST_F(ProtocolTest, ClockNeverRunsBackwards) {
    mod.poll(500);
    send({0x05, 0xFB}, 100);  // an older timestamp counts as now
    EXPECT_EQ(mod.nextDueMs(), 500 + ModuleProtocol::kRestartSignDelayMs);
}

TEST(ModuleMemory, SetMemoryRefusesWrongSize) {
    ModuleProtocol mod;
    Bytes small(100, 0x00);
    EXPECT_FALSE(mod.setMemory(small.data(), small.size()));
    EXPECT_EQ(mod.memory()[0], 0xFF);
    Bytes full(kMemorySize, 0x42);
    EXPECT_TRUE(mod.setMemory(full.data(), full.size()));
    EXPECT_EQ(mod.memory()[2047], 0x42);
}

// ---- faults ----

TEST_F(ProtocolTest, SilentModuleTakesFramesButNeverAnswersNorStores) {
    Faults f;
    f.silent = true;
    mod.setFaults(f);
    send({0x06, 0xFA});
    send(WriteReq(0, {1, 2, 3}));
    send(ReadReq(3, 0));
    send({0x05, 0xFB}, 0);
    mod.poll(10000);
    EXPECT_TRUE(wire().empty());
    EXPECT_EQ(mod.memory()[0], 0xFF);
    EXPECT_EQ(mod.counts().identify + mod.counts().write + mod.counts().read + mod.counts().restart, 4);
}

TEST_F(ProtocolTest, DropEveryKthReply) {
    Faults f;
    f.dropEvery = 3;
    mod.setFaults(f);
    for (int i = 0; i < 7; ++i) send({0x06, 0xFA});
    EXPECT_EQ(wire().size(), 5u);  // replies 3 and 6 are missing
    EXPECT_EQ(mod.counts().repliesDropped, 2);
    // A dropped write is still stored: only its acknowledgement is lost.
    mod.resetCounts();
    send(WriteReq(0, {9}));  // eighth reply
    send(WriteReq(1, {8}));  // ninth: dropped
    EXPECT_EQ(wire().size(), 1u);
    EXPECT_EQ(mod.memory()[1], 8);
}

TEST_F(ProtocolTest, CorruptEveryKthChecksum) {
    Faults f;
    f.corruptEvery = 2;
    mod.setFaults(f);
    for (int i = 0; i < 4; ++i) send(ReadReq(5, 100));
    const auto w = wire();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(SumMod256(w[0]), 0u);
    EXPECT_NE(SumMod256(w[1]), 0u);
    EXPECT_EQ(SumMod256(w[2]), 0u);
    EXPECT_NE(SumMod256(w[3]), 0u);
    EXPECT_EQ(w[1].size(), w[0].size());
}

TEST_F(ProtocolTest, FlipOneDataBitInEveryKthReadReply) {
    const Memory m = Pattern();
    mod.setMemory(m);
    Faults f;
    f.flipEvery = 2;
    mod.setFaults(f);
    send({0x06, 0xFA});  // identify replies do not count towards read replies
    wire();
    for (int i = 0; i < 4; ++i) {
        send(ReadReq(26, 52));
        const Bytes r = one();
        ASSERT_EQ(r.size(), 31u);
        EXPECT_EQ(SumMod256(r), 0u) << "the checksum stays valid, only the compare can catch it";
        int bitsDiffering = 0;
        for (int k = 0; k < 26; ++k) bitsDiffering += __builtin_popcount(r[4 + k] ^ m[52 + k]);
        EXPECT_EQ(bitsDiffering, i % 2 == 1 ? 1 : 0) << "read reply " << i + 1;
    }
    EXPECT_EQ(mod.memory(), m);  // the memory itself is untouched
}

TEST_F(ProtocolTest, StrayByteOnceOrEveryKth) {
    Faults f;
    f.strayOnce = true;
    f.strayValue = 0x00;
    mod.setFaults(f);
    send({0x06, 0xFA});
    send({0x06, 0xFA});
    auto w = wire();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], (Bytes{0x00, 0x02, 0x01, 0x01, 0x01, 0xFB}));
    EXPECT_EQ(w[1], (Bytes{0x02, 0x01, 0x01, 0x01, 0xFB}));

    ModuleProtocol every;
    f = {};
    f.strayEvery = 2;
    f.strayValue = 0x55;
    every.setFaults(f);
    for (int i = 0; i < 4; ++i) {
        const Bytes req = WriteReq(0, {1});
        every.feed(req.data(), req.size());
    }
    std::vector<Bytes> got;
    for (auto& r : every.takeReplies()) got.push_back(r.bytes);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0], (Bytes{0x04, 0xFC}));
    EXPECT_EQ(got[1], (Bytes{0x55, 0x04, 0xFC}));
    EXPECT_EQ(got[3], (Bytes{0x55, 0x04, 0xFC}));
}

TEST_F(ProtocolTest, GapsAndDelayApplyToEveryReplyIncludingTheSign) {
    Faults f;
    f.gapMs = 15;
    f.replyDelayMs = 250;
    mod.setFaults(f);
    send({0x06, 0xFA}, 0);
    send({0x05, 0xFB}, 0);
    mod.poll(1000);
    auto replies = mod.takeReplies();
    ASSERT_EQ(replies.size(), 2u);
    for (auto& r : replies) {
        EXPECT_EQ(r.gapMs, 15);
        EXPECT_EQ(r.delayMs, 250);
    }
    EXPECT_EQ(replies[1].bytes[0], 0x1E);
}

TEST_F(ProtocolTest, StuckBlockIsAcknowledgedButNotStored) {
    Faults f;
    f.stuckAddress = 30;
    mod.setFaults(f);
    send(WriteReq(26, Bytes(26, 0x11)));  // covers address 30
    EXPECT_EQ(one(), (Bytes{0x04, 0xFC}));
    send(WriteReq(0, Bytes(26, 0x22)));  // ends just before the stuck block
    send(WriteReq(31, Bytes(5, 0x33)));  // starts just after address 30
    EXPECT_EQ(wire().size(), 2u);
    EXPECT_EQ(mod.memory()[25], 0x22);
    EXPECT_EQ(mod.memory()[26], 0xFF);
    EXPECT_EQ(mod.memory()[30], 0xFF);
    EXPECT_EQ(mod.memory()[31], 0x33);
}

TEST_F(ProtocolTest, NoRestartSignWhenSuppressed) {
    Faults f;
    f.noRestartSign = true;
    mod.setFaults(f);
    for (int t = 0; t < 150; t += 50) send({0x05, 0xFB}, t);
    mod.poll(100000);
    EXPECT_FALSE(mod.hasReply());
    EXPECT_EQ(mod.counts().restart, 3);
    // The module still answers everything else.
    send({0x06, 0xFA});
    EXPECT_EQ(one().size(), 5u);
}

TEST_F(ProtocolTest, FaultsCombine) {
    Faults f;
    f.dropEvery = 2;
    f.corruptEvery = 3;
    f.strayEvery = 5;
    mod.setFaults(f);
    for (int i = 0; i < 6; ++i) send({0x06, 0xFA});
    const auto w = wire();
    // Replies 1..6: 2, 4 and 6 dropped; 3 corrupted; 5 with a stray byte in front.
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[0], (Bytes{0x02, 0x01, 0x01, 0x01, 0xFB}));
    EXPECT_EQ(w[1].size(), 5u);
    EXPECT_NE(SumMod256(w[1]), 0u);
    EXPECT_EQ(w[2], (Bytes{0x00, 0x02, 0x01, 0x01, 0x01, 0xFB}));
}
