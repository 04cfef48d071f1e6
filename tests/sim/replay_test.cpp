// Reading recorded traces and playing the module's side of them, on a virtual clock.
#include <gtest/gtest.h>

#include "replay_player.h"
#include "replay_trace.h"

using namespace brenvox::sim;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Sent(ReplayPlayer& p) {
    std::vector<Bytes> out;
    for (Reply& r : p.takeReplies()) out.push_back(std::move(r.bytes));
    return out;
}

}  // namespace

TEST(ReplayTrace, ReadsEitherSideAndNamesTheBadLine) {
    // The PC's side: "-" is a read that got nothing; a read's time stamp lags its reply by the
    // read's closing silence.
    const ReplayTrace pc =
        ReadReplayTrace("0 tx CA 53\n50 tx 06 FA\n250 rx -\n251 tx 06 FA\n275 rx 02 01 01 01 FB\r\n");
    ASSERT_EQ(pc.error, "");
    ASSERT_EQ(pc.events.size(), 4u);
    EXPECT_EQ(pc.events[2].side, ReplaySide::Pc);
    EXPECT_EQ(pc.events[3].side, ReplaySide::Module);
    EXPECT_EQ(pc.events[3].delayMs, 275 - 251 - kCliReadSilenceMs);
    EXPECT_EQ(pc.events[3].bytes, (Bytes{0x02, 0x01, 0x01, 0x01, 0xFB}));

    // The module's side: bytes it threw away were still sent by the PC.
    const ReplayTrace mod = ReadReplayTrace("3 rx CA 53\n9 junk 00\n10 rx 06 FA\n12 tx 02 01 01 01 FB");
    ASSERT_EQ(mod.error, "");
    ASSERT_EQ(mod.events.size(), 4u);
    EXPECT_EQ(mod.events[1].side, ReplaySide::Pc);
    EXPECT_EQ(mod.events[1].bytes, Bytes{0x00});
    EXPECT_EQ(mod.events[3].side, ReplaySide::Module);
    EXPECT_EQ(mod.events[3].delayMs, 2);

    EXPECT_EQ(ReadReplayTrace("0 tx CA 53\n\n7 tx 06 FG\n").error,
              "line 3: expected bytes as two hex digits each");
    EXPECT_EQ(ReadReplayTrace("0 rx CA 53\n1 rx -\n").error, "line 2: \"-\" in a trace of the module's side");
    EXPECT_EQ(ReadReplayTrace("0 tx -\n6 rx 02 0B\n").error, "line 1: \"-\" on a frame the PC sent");
    // Thrown-away bytes are not a frame, so nothing asked for this reply.
    EXPECT_EQ(ReadReplayTrace("0 junk 00\n6 tx 02 0B\n").error,
              "line 2: a reply of the module before the PC's first frame");
    EXPECT_EQ(ReadReplayTrace("x tx CA 53").error, "line 1: expected the time in milliseconds");
    EXPECT_NE(ReadReplayTrace("\n \n").error, "");
}

TEST(ReplayPlayer, MatchesTheByteStreamWhateverTheReadsHold) {
    ReplayPlayer p(ReadReplayTrace("0 rx CA 53\n50 rx 06 FA\n55 tx 02 01 01 01 FB\n"
                                   "60 rx 01 1A 00 00 E5\n61 tx 02 AA\n63 tx 03\n")
                       .events);
    // The wake pair and the identify request in one read: the reply is timed from the latter.
    const Bytes joined = {0xCA, 0x53, 0x06, 0xFA};
    p.feed(joined.data(), joined.size(), 100);
    p.poll(104);
    EXPECT_TRUE(Sent(p).empty());
    p.poll(105);
    EXPECT_EQ(Sent(p), (std::vector<Bytes>{{0x02, 0x01, 0x01, 0x01, 0xFB}}));
    // The read request split over two reads: its replies follow its last byte.
    const Bytes head = {0x01, 0x1A}, tail = {0x00, 0x00, 0xE5};
    p.feed(head.data(), head.size(), 110);
    p.poll(140);
    EXPECT_TRUE(Sent(p).empty());
    p.feed(tail.data(), tail.size(), 150);
    p.poll(153);
    EXPECT_EQ(Sent(p), (std::vector<Bytes>{{0x02, 0xAA}, {0x03}}));
    EXPECT_NE(p.takeMessages().back().find("all 3 frames"), std::string::npos);

    // Beyond the recording everything differs.
    const Bytes more = {0x06, 0xFA};
    p.feed(more.data(), more.size(), 200);
    p.poll(230);
    EXPECT_EQ(p.takeMessages(),
              (std::vector<std::string>{"replay: frame 4 differs from the recording",
                                        "replay:   expected: nothing (the recording ends)",
                                        "replay:   received: 06 FA", "replay: stopped, no further replies"}));
}

// A busy machine's pseudo-terminal loses a wake pair to the PC's purge before the module reads
// it: the frame that comes instead is matched at its place in the recording, numbered as there.
TEST(ReplayPlayer, WakePairsLostToThePurgeAreNoDifference) {
    ReplayPlayer p(ReadReplayTrace("0 rx CA 53\n50 rx CA 53\n100 rx 06 FA\n105 tx 02 01 01 01 FB\n"
                                   "110 rx 01 1A 00 00 E5\n111 tx 02 AA\n")
                       .events);
    const Bytes identify = {0x06, 0xFA};
    p.feed(identify.data(), identify.size(), 0);
    p.poll(5);
    EXPECT_EQ(Sent(p), (std::vector<Bytes>{{0x02, 0x01, 0x01, 0x01, 0xFB}}));
    // Lost pairs are skipped only before the frame that did come; a wrong frame still differs,
    // under its own number.
    const Bytes wrong = {0x01, 0x1B, 0x00, 0x00, 0xE4};
    p.feed(wrong.data(), wrong.size(), 10);
    p.poll(40);
    const std::vector<std::string> report = p.takeMessages();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0], "replay: frame 4 differs from the recording");
}

TEST(ReplayPlayer, ADifferingFrameEndsAllReplies) {
    ReplayPlayer p(
        ReadReplayTrace("0 tx 06 FA\n30 rx 02 01 01 01 FB\n31 tx 01 1A 00 00 E5\n40 rx 02 AA\n").events);
    const Bytes identify = {0x06, 0xFA}, wrong = {0x01, 0x1B}, rest = {0x00, 0x00, 0xE4};
    p.feed(identify.data(), identify.size(), 0);
    // The next frame goes wrong before the identify reply is due: that reply is dropped too,
    // and the rest of the frame, coming without a pause, is shown with it.
    p.feed(wrong.data(), wrong.size(), 5);
    p.feed(rest.data(), rest.size(), 10);
    p.poll(29);
    EXPECT_TRUE(p.takeMessages().empty());
    p.poll(30);
    const std::vector<std::string> report = p.takeMessages();
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[0], "replay: frame 2 differs from the recording");
    EXPECT_EQ(report[1], "replay:   expected: 01 1A 00 00 E5");
    EXPECT_EQ(report[2], "replay:   received: 01 1B 00 00 E4");
    const Bytes retry = {0x01, 0x1A, 0x00, 0x00, 0xE5};
    p.feed(retry.data(), retry.size(), 300);
    p.poll(1000);
    EXPECT_TRUE(Sent(p).empty());
    EXPECT_TRUE(p.takeMessages().empty());
}
