#include "link/deadline.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace brenvox {

int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ReadDeadline::ReadDeadline(int64_t startMs, int32_t totalMs, int32_t intervalMs)
    : totalEnd_(startMs + std::max<int32_t>(totalMs, 0)),
      intervalEnd_(0),
      intervalMs_(std::max<int32_t>(intervalMs, 0)),
      hasTotal_(totalMs > 0) {}

void ReadDeadline::BytesArrived(int64_t nowMs) {
    if (intervalMs_ > 0) {
        hasInterval_ = true;
        intervalEnd_ = nowMs + intervalMs_;
    }
}

bool ReadDeadline::Expired(int64_t nowMs) const { return WaitMs(nowMs) == 0; }

int ReadDeadline::WaitMs(int64_t nowMs) const {
    int64_t end = std::numeric_limits<int64_t>::max();
    if (hasTotal_) end = totalEnd_;
    if (hasInterval_) end = std::min(end, intervalEnd_);
    if (end == std::numeric_limits<int64_t>::max()) return -1;
    const int64_t left = end - nowMs;
    if (left <= 0) return 0;
    return static_cast<int>(std::min<int64_t>(left, std::numeric_limits<int>::max()));
}

}  // namespace brenvox
