#include "archive/trace_recorder.h"

#include <cinttypes>
#include <cstdio>

#include "link/deadline.h"

namespace brenvox {

namespace {
void AppendTraceLine(std::string& out, int64_t ms, FrameDirection direction, const uint8_t* data,
                     size_t count) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%" PRId64 " %s", ms, direction == FrameDirection::Sent ? "tx" : "rx");
    out += buf;
    if (count == 0) out += " -";
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(buf, sizeof buf, " %02X", data[i]);
        out += buf;
    }
    out += '\n';
}
}  // namespace

void TraceRecorder::Begin() {
    std::lock_guard lock(mutex_);
    text_.clear();
    startMs_ = MonotonicMs();
}

FrameTraceHook TraceRecorder::Hook() {
    return [this](FrameDirection direction, const uint8_t* data, size_t count) {
        Record(direction, data, count);
    };
}

void TraceRecorder::Record(FrameDirection direction, const uint8_t* data, size_t count) {
    std::lock_guard lock(mutex_);
    AppendTraceLine(text_, MonotonicMs() - startMs_, direction, data, count);
}

size_t TraceRecorder::Mark() const {
    std::lock_guard lock(mutex_);
    return text_.size();
}

std::string TraceRecorder::Since(size_t mark) const {
    std::lock_guard lock(mutex_);
    return mark < text_.size() ? text_.substr(mark) : std::string();
}

std::string TraceRecorder::Text() const {
    std::lock_guard lock(mutex_);
    return text_;
}

}  // namespace brenvox
