#pragma once
// Millisecond deadline arithmetic for reads, kept in one place so it can be tested with made-up
// clock values. All times are monotonic milliseconds (steady clock), never wall-clock time.
#include <cstdint>

namespace brenvox {

// Milliseconds of the monotonic clock; only differences between two values mean anything.
int64_t MonotonicMs();

// The two time-outs of one serial read: a total time-out counted from the start of the read,
// and an interval time-out that starts only when a byte has arrived and restarts with every
// further byte. A time-out of 0 means "not used" (a read with both at 0 waits without limit,
// as the serial driver's read does; the link never opens the port that way).
class ReadDeadline {
public:
    ReadDeadline(int64_t startMs, int32_t totalMs, int32_t intervalMs);

    // Bytes arrived at `nowMs`: the interval time-out restarts from here.
    void BytesArrived(int64_t nowMs);

    // True when the read must end at `nowMs`.
    bool Expired(int64_t nowMs) const;

    // How long a poll at `nowMs` may wait: milliseconds until the earlier active time-out,
    // 0 when expired, -1 when no time-out is active (wait without limit).
    int WaitMs(int64_t nowMs) const;

private:
    int64_t totalEnd_;     // valid when hasTotal_
    int64_t intervalEnd_;  // valid when hasInterval_
    int32_t intervalMs_;
    bool hasTotal_;
    bool hasInterval_ = false;
};

}  // namespace brenvox
