// The worker thread (TransferWorker) and reply validation with hand-made replies.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "fake_module_port.h"
#include "link/transfer.h"
#include "link/transfer_worker.h"

namespace brenvox {
namespace {

using namespace std::chrono_literals;

// Holds the first read until the test opens the gate (bounded, so a broken test cannot hang).
class GatedPort : public test::FakeModulePort {
public:
    void Open() {
        std::lock_guard lock(m_);
        open_ = true;
        cv_.notify_all();
    }
    size_t Read(uint8_t* buf, size_t cap) override {
        {
            std::unique_lock lock(m_);
            cv_.wait_for(lock, 10s, [&] { return open_; });
        }
        return FakeModulePort::Read(buf, cap);
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool open_ = false;
};

// Counts events from the worker; the test waits on Join, so no lock is needed for reading after.
struct CountingObserver : TransferObserver {
    std::atomic<int> done{0}, total{0};
    std::atomic<bool> doneWasLast{true};
    void OnLinkEvent(LinkEvent e) override {
        if (done.load() > 0) doneWasLast = false;
        ++total;
        if (e == LinkEvent::Done) ++done;
    }
};

TEST(TransferWorker, RunsOneTransferAtATimeOnItsOwnThread) {
    GatedPort port;
    TransferState state;
    state.currentMode = OperationMode::Read;
    CountingObserver observer;
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(port, state, observer));
    EXPECT_TRUE(worker.Running());
    EXPECT_FALSE(worker.Start(port, state, observer)) << "a second transfer beside the first";
    port.Open();
    worker.Join();
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(state.transferOutcome.load(), LinkOutcome::Success);
    EXPECT_EQ(observer.done.load(), 1);
    EXPECT_EQ(observer.total.load(), 4);
    EXPECT_TRUE(observer.doneWasLast.load());
    // Once ended, the same worker starts the next transfer.
    ASSERT_TRUE(worker.Start(port, state, observer));
    worker.Join();
    EXPECT_EQ(observer.done.load(), 2);
}

// A caller that starts the next transfer as soon as Done arrives (as the GUI's repeat does) is
// not refused because the worker has not quite ended yet.
TEST(TransferWorker, NextTransferMayStartAsSoonAsDoneArrives) {
    test::FakeModulePort port;
    TransferState state;
    state.currentMode = OperationMode::Read;
    TransferWorker worker;
    std::mutex m;
    std::condition_variable cv;
    int doneCount = 0;
    struct Obs : TransferObserver {
        std::function<void(LinkEvent)> fn;
        void OnLinkEvent(LinkEvent e) override { fn(e); }
    } obs;
    obs.fn = [&](LinkEvent e) {
        if (e != LinkEvent::Done) return;
        EXPECT_FALSE(worker.Running());
        EXPECT_FALSE(worker.Start(port, state, obs)) << "the worker cannot start its own successor";
        std::lock_guard lock(m);
        ++doneCount;
        cv.notify_all();
    };
    ASSERT_TRUE(worker.Start(port, state, obs));
    {
        std::unique_lock lock(m);
        ASSERT_TRUE(cv.wait_for(lock, 10s, [&] { return doneCount == 1; }));
    }
    // Here the worker may still be inside its Done handling; Start waits for it and goes on.
    EXPECT_TRUE(worker.Start(port, state, obs));
    worker.Join();
    EXPECT_EQ(doneCount, 2);
}

TEST(TransferWorker, DestructorWaitsForTheTransfer) {
    GatedPort port;
    TransferState state;
    CountingObserver observer;
    {
        TransferWorker worker;
        ASSERT_TRUE(worker.Start(port, state, observer));
        port.Open();
    }
    EXPECT_EQ(observer.done.load(), 1);
}

TEST(TransferWorker, AbortFromAnotherThreadEndsTheTransfer) {
    GatedPort port;
    TransferState state;
    state.currentMode = OperationMode::Program;
    CountingObserver observer;
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(port, state, observer));
    state.abortRequested = true;  // set while the worker waits inside identify
    port.Open();
    worker.Join();
    EXPECT_EQ(state.transferOutcome.load(), LinkOutcome::Aborted);
    EXPECT_EQ(state.writePos.load(), 0);
}

// A port that answers every request with the next reply of a script (nothing when it runs out).
class ScriptedPort : public Port {
public:
    std::vector<std::vector<uint8_t>> replies;
    std::vector<std::vector<uint8_t>> sent;
    void Purge() override { pending_.clear(); }
    void Write(const uint8_t* d, size_t n) override {
        sent.emplace_back(d, d + n);
        if (n == 2 && d[0] == 0xCA) return;  // wake pair: no reply
        if (next_ < replies.size()) pending_ = replies[next_++];
    }
    size_t Read(uint8_t* buf, size_t cap) override {
        const size_t n = std::min(cap, pending_.size());
        std::copy_n(pending_.begin(), n, buf);
        pending_.clear();
        return n;
    }
    void Pause(int) override {}

private:
    std::vector<uint8_t> pending_;
    size_t next_ = 0;
};

std::vector<uint8_t> WithChecksum(std::vector<uint8_t> f) {
    f.push_back(link::Checksum(f.data(), f.size()));
    return f;
}

struct NullObserver : TransferObserver {
    void OnLinkEvent(LinkEvent) override {}
};

TEST(ReplyValidation, IdentifyRepliesThatFailTheAttempt) {
    const std::vector<std::vector<uint8_t>> bad = {
        WithChecksum({0x03, 1, 1, 1}),     // right length and checksum, wrong code
        WithChecksum({0x02, 1, 1, 1, 0}),  // body longer than three bytes
        WithChecksum({0x02, 1, 1}),        // body shorter
        {0x02, 1, 1, 1, 0x00},             // checksum wrong
        {0x02},                            // a single byte
    };
    for (const auto& reply : bad) {
        ScriptedPort port;
        port.replies.assign(5, reply);
        TransferState state;
        NullObserver obs;
        EXPECT_EQ(RunTransfer(port, state, obs), LinkOutcome::NoResponse);
        EXPECT_EQ(port.sent.size(), 5u + 5u);
    }
}

TEST(ReplyValidation, FifthIdentifyAttemptStillCounts) {
    ScriptedPort port;
    port.replies.assign(4, std::vector<uint8_t>{});
    port.replies.push_back(WithChecksum({0x02, 2, 1, 7}));  // version 1.7: unsupported
    TransferState state;
    NullObserver obs;
    EXPECT_EQ(RunTransfer(port, state, obs), LinkOutcome::UnsupportedModule);
    const ModuleInfo info = state.moduleInfo.load();
    EXPECT_EQ(info.moduleType, 2);
    EXPECT_EQ(info.versionMajor, 1);
    EXPECT_EQ(info.versionMinor, 7);
}

TEST(ReplyValidation, WriteReplyMustBeExactlyTheAcknowledgement) {
    // Identify OK (1.0), then for block 0 five attempts whose write reply is wrong each time.
    ScriptedPort port;
    port.replies.push_back(WithChecksum({0x02, 1, 1, 0}));
    for (int i = 0; i < 5; ++i) port.replies.push_back(WithChecksum({0x04, 0x00}));  // too long
    TransferState state;
    state.currentMode = OperationMode::Program;
    NullObserver obs;
    EXPECT_EQ(RunTransfer(port, state, obs), LinkOutcome::WriteError);
    // After each bad acknowledgement the attempt ends without a read-back.
    for (size_t i = 6; i < port.sent.size(); ++i) EXPECT_EQ(port.sent[i][0], 0x03);
}

TEST(ReplyValidation, RestartSignNeedsItsFirstThreeBytes) {
    // A module that answers the restart with a two-byte start of the sign only.
    ScriptedPort port;
    port.replies.push_back(WithChecksum({0x02, 1, 1, 1}));
    TransferState state;
    state.currentMode = OperationMode::Read;
    for (size_t pos = 0; pos < 2048; pos += link::BlockSize(pos)) {
        std::vector<uint8_t> r = {0x02, 0, 0, 0};
        r.resize(4 + link::BlockSize(pos), 0x11);
        port.replies.push_back(WithChecksum(r));
    }
    port.replies.push_back({0x1E, 0x00});
    NullObserver obs;
    EXPECT_EQ(RunTransfer(port, state, obs), LinkOutcome::RestartError);
    EXPECT_EQ(state.readImage[2047], 0x11);
}

}  // namespace
}  // namespace brenvox
