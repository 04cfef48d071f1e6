#include "link/deadline.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace brenvox {

int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t MonotonicUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

ReadDeadline::ReadDeadline(int64_t startUs, int32_t totalMs, int32_t intervalMs)
    : totalEnd_(startUs + int64_t{std::max<int32_t>(totalMs, 0)} * 1000),
      intervalEnd_(0),
      intervalUs_(int64_t{std::max<int32_t>(intervalMs, 0)} * 1000),
      hasTotal_(totalMs > 0) {}

void ReadDeadline::BytesArrived(int64_t nowUs) {
    if (intervalUs_ > 0) {
        hasInterval_ = true;
        intervalEnd_ = nowUs + intervalUs_;
    }
}

bool ReadDeadline::Expired(int64_t nowUs) const {
    return WaitUs(nowUs) == 0;
}

int64_t ReadDeadline::WaitUs(int64_t nowUs) const {
    int64_t end = std::numeric_limits<int64_t>::max();
    if (hasTotal_) end = totalEnd_;
    if (hasInterval_) end = std::min(end, intervalEnd_);
    if (end == std::numeric_limits<int64_t>::max()) return -1;
    const int64_t left = end - nowUs;
    return left <= 0 ? 0 : left;
}

}  // namespace brenvox
