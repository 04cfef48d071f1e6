// Any text as a recorded trace. The reader either names a bad line and gives nothing, or gives
// events that start with the PC's and carry bytes and delays that are never negative. Played
// back with the PC's own frames, cut into reads anywhere, every recorded reply goes out exactly
// once; with one byte of the PC's changed, the replay stops.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "replay_player.h"
#include "replay_trace.h"

using namespace brenvox::sim;

namespace {

// Longer than any delay a trace can give (times have at most 15 digits), so each step lets
// every reply scheduled so far fall due.
constexpr std::int64_t kStepMs = 1000000000000000;

// Feeds the stream in reads of 1 to 7 bytes (lengths from `cuts`), lets time run between them
// and returns the player's replies.
std::vector<std::vector<std::uint8_t>> Play(ReplayPlayer& p, const std::vector<std::uint8_t>& stream,
                                            const std::uint8_t* cuts, size_t cutCount) {
    std::vector<std::vector<std::uint8_t>> sent;
    std::int64_t now = 0;
    for (size_t pos = 0, i = 0; pos < stream.size(); ++i) {
        const size_t n = std::min<size_t>(stream.size() - pos, 1 + cuts[i % cutCount] % 7);
        p.feed(stream.data() + pos, n, now);
        pos += n;
        now += kStepMs;
        p.poll(now);
        for (Reply& r : p.takeReplies()) sent.push_back(std::move(r.bytes));
    }
    p.poll(now + kStepMs);
    for (Reply& r : p.takeReplies()) sent.push_back(std::move(r.bytes));
    return sent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Bounds the number of steps, so the clock above cannot overflow.
    if (size == 0 || size > 8192) return 0;
    const ReplayTrace t = ReadReplayTrace(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!t.error.empty()) {
        if (!t.events.empty()) std::abort();
        return 0;
    }
    if (t.events.empty() || t.events[0].side != ReplaySide::Pc) std::abort();
    std::vector<std::uint8_t> stream;
    std::vector<std::vector<std::uint8_t>> recorded;
    for (const ReplayEvent& e : t.events) {
        if (e.bytes.empty() || e.delayMs < 0) std::abort();
        if (e.side == ReplaySide::Pc)
            stream.insert(stream.end(), e.bytes.begin(), e.bytes.end());
        else
            recorded.push_back(e.bytes);
    }

    ReplayPlayer same(t.events);
    std::vector<std::vector<std::uint8_t>> sent = Play(same, stream, data, size);
    std::sort(sent.begin(), sent.end());
    std::sort(recorded.begin(), recorded.end());
    if (same.stopped() || sent != recorded) std::abort();

    std::vector<std::uint8_t> changed = stream;
    changed[size % changed.size()] ^= 0xFF;
    ReplayPlayer other(t.events);
    Play(other, changed, data, size);
    if (!other.stopped() || other.takeMessages().empty()) std::abort();
    return 0;
}
