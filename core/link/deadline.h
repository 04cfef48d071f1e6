#pragma once
// Deadline arithmetic for reads, kept in one place so it can be tested with made-up clock values.
// Time-outs are given in milliseconds; points in time are monotonic microseconds (steady clock,
// never wall-clock time), because a reply ends 10 ms after its last byte and a clock that rounds
// to whole milliseconds would add up to a millisecond to each of the 238 exchanges of a transfer.
#include <cstdint>

namespace brenvox {

// The monotonic clock; only differences between two values mean anything.
int64_t MonotonicMs();
int64_t MonotonicUs();

// The two time-outs of one serial read: a total time-out counted from the start of the read,
// and an interval time-out that starts only when a byte has arrived and restarts with every
// further byte. A time-out of 0 means "not used" (a read with both at 0 waits without limit,
// as the serial driver's read does; the link never opens the port that way).
class ReadDeadline {
public:
    ReadDeadline(int64_t startUs, int32_t totalMs, int32_t intervalMs);

    // Bytes arrived at `nowUs`: the interval time-out restarts from here.
    void BytesArrived(int64_t nowUs);

    // True when the read must end at `nowUs`.
    bool Expired(int64_t nowUs) const;

    // How long a poll at `nowUs` may wait: microseconds until the earlier active time-out,
    // 0 when expired, -1 when no time-out is active (wait without limit).
    int64_t WaitUs(int64_t nowUs) const;

private:
    int64_t totalEnd_;     // valid when hasTotal_
    int64_t intervalEnd_;  // valid when hasInterval_
    int64_t intervalUs_;
    bool hasTotal_;
    bool hasInterval_ = false;
};

}  // namespace brenvox
