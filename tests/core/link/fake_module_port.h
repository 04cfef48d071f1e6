#pragma once
// An in-process Port in front of the simulator's ModuleProtocol, on a simulated millisecond
// clock: writes reach the module at once, replies arrive byte by byte at the times the module
// asks for, and reads end by the same rules as the real port (cap, 10 ms after a byte, 200 ms
// in all). No real time passes, so fault tests that run into every time-out take microseconds
// and can never hang.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "link/port.h"
#include "link/transfer.h"
#include "module_protocol.h"

namespace brenvox::test {

class FakeModulePort : public Port {
public:
    sim::ModuleProtocol module;

    // Every frame the PC wrote, in order, as written.
    std::vector<std::vector<uint8_t>> sent;
    // Called after each write has been taken in (to set an abort flag at a chosen frame...).
    std::function<void(const std::vector<uint8_t>&)> onWrite;
    // When set, the line is cut: reads return nothing and writes are lost.
    bool vanished = false;

    int32_t readTotalMs = 200;
    int32_t readIntervalMs = 10;

    int64_t now() const { return now_; }
    int reads() const { return reads_; }

    void Purge() override {
        // What has arrived so far is thrown away; bytes still on their way arrive later.
        while (!incoming_.empty() && incoming_.front().at <= now_) incoming_.pop_front();
    }

    void Write(const uint8_t* data, size_t count) override {
        if (!data || count == 0) return;
        std::vector<uint8_t> frame(data, data + count);
        sent.push_back(frame);
        if (!vanished) {
            module.feed(data, count, now_);
            Collect();
        }
        if (onWrite) onWrite(frame);
    }

    size_t Read(uint8_t* buf, size_t cap) override {
        ++reads_;
        if (!buf || cap == 0) return 0;
        const int64_t totalEnd = now_ + readTotalMs;
        int64_t end = totalEnd;
        size_t got = 0;
        while (got < cap) {
            Advance(now_);
            int64_t next = INT64_MAX;
            if (!incoming_.empty()) next = incoming_.front().at;
            if (auto due = module.nextDueMs()) next = std::min(next, *due);
            if (next >= end) {
                now_ = end;
                break;
            }
            now_ = std::max(now_, next);
            Advance(now_);
            while (got < cap && !incoming_.empty() && incoming_.front().at <= now_) {
                buf[got++] = incoming_.front().byte;
                incoming_.pop_front();
                end = std::min(totalEnd, now_ + readIntervalMs);
            }
        }
        if (vanished) return 0;
        return got;
    }

    void Pause(int ms) override { Advance(now_ + ms); }

private:
    struct Timed {
        int64_t at;
        uint8_t byte;
    };

    void Advance(int64_t t) {
        now_ = std::max(now_, t);
        if (vanished) {
            incoming_.clear();
            return;
        }
        module.poll(now_);
        Collect();
    }

    // Schedules the module's queued replies behind whatever is still on the wire.
    void Collect() {
        while (auto reply = module.takeReply()) {
            int64_t t = std::max(now_, incoming_.empty() ? now_ : incoming_.back().at) + reply->delayMs;
            for (size_t i = 0; i < reply->bytes.size(); ++i) {
                if (i > 0) t += reply->gapMs;
                incoming_.push_back({t, reply->bytes[i]});
            }
        }
    }

    std::deque<Timed> incoming_;
    int64_t now_ = 0;
    int reads_ = 0;
};

// Records the events of a transfer together with what the state held when each came.
struct RecordingObserver : TransferObserver {
    explicit RecordingObserver(const TransferState& s) : state(s) {}
    void OnLinkEvent(LinkEvent e) override {
        events.push_back(e);
        if (e == LinkEvent::Identified) infoAtIdentified = state.moduleInfo.load();
        if (e == LinkEvent::Done) outcomeAtDone = state.transferOutcome.load();
        if (hook) hook(e);
    }
    const TransferState& state;
    std::vector<LinkEvent> events;
    ModuleInfo infoAtIdentified{};
    LinkOutcome outcomeAtDone = LinkOutcome::Success;
    std::function<void(LinkEvent)> hook;
};

}  // namespace brenvox::test
