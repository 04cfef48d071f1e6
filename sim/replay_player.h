// The module's side of a recorded transfer, played back.
//
// The player expects the PC's frames in the recorded order and answers each with the replies
// that followed it in the recording, each after its recorded delay. The PC's bytes are matched
// as one stream against the recorded frames laid end to end: a read of the pseudo-terminal may
// hold half a frame or several frames, so read boundaries mean nothing; a frame counts as
// received when its last byte has matched, and its replies are timed from that moment.
//
// The first byte that differs ends the replay: the player gathers the rest of that frame (the
// bytes that follow without a pause), reports the frame's number with the expected and the
// received bytes, drops every reply not yet sent and never replies again, so the PC runs into
// the time-out that a silent module gives. Like ModuleProtocol it has no transport and no clock
// of its own: bytes come in through feed(), time moves on through poll().
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "module_protocol.h"
#include "replay_trace.h"

namespace brenvox::sim {

class ReplayPlayer {
public:
    // After a difference, bytes that arrive without a pause this long still belong to the
    // differing frame (the PC writes each frame in one go, the next only after a reply or its
    // 200 ms time-out).
    static constexpr int kFrameSilenceMs = 20;
    // A report shows at most this many received bytes.
    static constexpr std::size_t kReportLimit = 64;

    explicit ReplayPlayer(std::vector<ReplayEvent> events);

    void feed(const std::uint8_t* data, std::size_t size, std::int64_t nowMs);
    // Moves the clock on (never backwards); replies that became due are queued.
    void poll(std::int64_t nowMs);
    // When something is scheduled: the next recorded reply, or the end of a differing frame.
    std::optional<std::int64_t> nextDueMs() const;

    std::vector<Reply> takeReplies();
    // Lines for the operator: the report of a difference, or that the recording was played out.
    std::vector<std::string> takeMessages();

    int framesMatched() const { return frameNo_ - 1; }
    bool stopped() const { return state_ != State::Playing; }

private:
    enum class State { Playing, Gathering, Stopped };

    void Take(std::uint8_t b);
    void SkipLostWakePairs(std::uint8_t b);
    void FrameMatched();
    void Differ(std::vector<std::uint8_t> received);

    std::vector<ReplayEvent> events_;
    int pcFrames_ = 0;
    std::size_t next_ = 0;    // the PC event being matched; events_.size() when all are
    std::size_t offset_ = 0;  // bytes of it matched so far
    int frameNo_ = 1;         // its number, counting the PC's frames from 1
    State state_ = State::Playing;
    bool endReported_ = false;

    struct Scheduled {
        std::int64_t dueMs;
        std::vector<std::uint8_t> bytes;
    };
    std::deque<Scheduled> pending_;  // by due time; equal times keep the recorded order
    std::vector<Reply> ready_;
    std::vector<std::string> messages_;
    std::int64_t nowMs_ = 0;
    std::int64_t lastRxMs_ = 0;
    std::vector<std::uint8_t> received_;  // of the differing frame
};

}  // namespace brenvox::sim
