#include "replay_player.h"

#include <algorithm>
#include <cstdio>

namespace brenvox::sim {

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", b);
        out += buf;
    }
    return out;
}

}  // namespace

ReplayPlayer::ReplayPlayer(std::vector<ReplayEvent> events) : events_(std::move(events)) {
    for (const ReplayEvent& e : events_)
        if (e.side == ReplaySide::Pc) ++pcFrames_;
    // Replies recorded before the PC's first frame answer nothing; they are never sent.
    while (next_ < events_.size() && events_[next_].side != ReplaySide::Pc) ++next_;
}

void ReplayPlayer::feed(const std::uint8_t* data, std::size_t size, std::int64_t nowMs) {
    poll(nowMs);
    for (std::size_t i = 0; i < size; ++i) Take(data[i]);
    if (size > 0) lastRxMs_ = nowMs_;
}

void ReplayPlayer::Take(std::uint8_t b) {
    switch (state_) {
        case State::Stopped:
            return;
        case State::Gathering:
            if (received_.size() < kReportLimit) received_.push_back(b);
            return;
        case State::Playing:
            break;
    }
    if (next_ >= events_.size()) {
        Differ({b});
        return;
    }
    if (offset_ == 0) SkipLostWakePairs(b);
    const std::vector<std::uint8_t>& expected = events_[next_].bytes;
    if (expected[offset_] != b) {
        std::vector<std::uint8_t> got(expected.begin(),
                                      expected.begin() + static_cast<std::ptrdiff_t>(offset_));
        got.push_back(b);
        Differ(std::move(got));
        return;
    }
    if (++offset_ == expected.size()) FrameMatched();
}

// The PC empties its port before each wake pair. On a real line the pair went out long before,
// but a pseudo-terminal's output waits until the module's side reads it, so a busy machine that
// lets the module read late loses a pair to that purge. The module needs no particular number of
// pairs, so pairs missing before the frame that did come are not a difference.
void ReplayPlayer::SkipLostWakePairs(std::uint8_t b) {
    auto isWake = [&](std::size_t i) {
        return i < events_.size() && events_[i].side == ReplaySide::Pc &&
               events_[i].bytes == std::vector<std::uint8_t>{kWake0, kWake1};
    };
    std::size_t i = next_;
    while (isWake(i)) ++i;
    if (i == next_ || b == kWake0 || i >= events_.size() || events_[i].side != ReplaySide::Pc ||
        events_[i].bytes.front() != b)
        return;
    frameNo_ += static_cast<int>(i - next_);
    next_ = i;
}

void ReplayPlayer::FrameMatched() {
    std::size_t i = next_ + 1;
    for (; i < events_.size() && events_[i].side == ReplaySide::Module; ++i) {
        Scheduled s{nowMs_ + events_[i].delayMs, events_[i].bytes};
        const auto at = std::upper_bound(pending_.begin(), pending_.end(), s.dueMs,
                                         [](std::int64_t due, const Scheduled& p) { return due < p.dueMs; });
        pending_.insert(at, std::move(s));
    }
    next_ = i;
    offset_ = 0;
    ++frameNo_;
}

void ReplayPlayer::Differ(std::vector<std::uint8_t> received) {
    state_ = State::Gathering;
    received_ = std::move(received);
    pending_.clear();
}

void ReplayPlayer::poll(std::int64_t nowMs) {
    nowMs_ = std::max(nowMs_, nowMs);
    if (state_ == State::Gathering && nowMs_ - lastRxMs_ >= kFrameSilenceMs) {
        state_ = State::Stopped;
        messages_.push_back("replay: frame " + std::to_string(frameNo_) + " differs from the recording");
        messages_.push_back("replay:   expected: " + (next_ < events_.size()
                                                          ? Hex(events_[next_].bytes)
                                                          : std::string("nothing (the recording ends)")));
        messages_.push_back("replay:   received: " + Hex(received_));
        messages_.push_back("replay: stopped, no further replies");
    }
    while (!pending_.empty() && pending_.front().dueMs <= nowMs_) {
        ready_.push_back(Reply{std::move(pending_.front().bytes), 0, 0});
        pending_.pop_front();
    }
    if (state_ == State::Playing && next_ >= events_.size() && pending_.empty() && !endReported_) {
        endReported_ = true;
        messages_.push_back("replay: all " + std::to_string(pcFrames_) +
                            " frames of the PC matched the recording; it is played out");
    }
}

std::optional<std::int64_t> ReplayPlayer::nextDueMs() const {
    if (state_ == State::Gathering) return lastRxMs_ + kFrameSilenceMs;
    if (!pending_.empty()) return pending_.front().dueMs;
    return std::nullopt;
}

std::vector<Reply> ReplayPlayer::takeReplies() {
    std::vector<Reply> out;
    out.swap(ready_);
    return out;
}

std::vector<std::string> ReplayPlayer::takeMessages() {
    std::vector<std::string> out;
    out.swap(messages_);
    return out;
}

}  // namespace brenvox::sim
