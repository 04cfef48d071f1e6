#include "module_protocol.h"

#include <algorithm>

namespace brenvox::sim {

namespace {

constexpr std::uint8_t kCmdRead = 0x01;
constexpr std::uint8_t kCmdWrite = 0x03;
constexpr std::uint8_t kCmdRestart = 0x05;
constexpr std::uint8_t kCmdIdentify = 0x06;
constexpr std::uint8_t kReplyData = 0x02;
constexpr std::uint8_t kReplyWrite = 0x04;

// Sum of the bytes modulo 256: a frame with its checksum sums to 0.
std::uint8_t Sum8(const std::uint8_t* data, std::size_t size) {
    unsigned s = 0;
    for (std::size_t i = 0; i < size; ++i) s += data[i];
    return static_cast<std::uint8_t>(s);
}

}  // namespace

const std::vector<std::uint8_t>& ModuleProtocol::restartSign() {
    // Frame id, destination, source, then the body of a short request to the phone with its
    // two trailing check bytes. The PC only looks at the first three bytes.
    static const std::vector<std::uint8_t> sign = {0x1E, 0x00, 0x0C, 0xD1, 0x00, 0x07, 0x00, 0x01,
                                                   0x00, 0x03, 0x00, 0x01, 0x60, 0x00, 0x72, 0xD5};
    return sign;
}

ModuleProtocol::ModuleProtocol() {
    // An erased memory reads as 0xFF, as a fresh module's would.
    memory_.fill(0xFF);
}

std::uint8_t ModuleProtocol::checksum(const std::uint8_t* data, std::size_t size) {
    return static_cast<std::uint8_t>(0x100 - Sum8(data, size));
}

bool ModuleProtocol::setMemory(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size != kMemorySize) return false;
    std::copy(data, data + size, memory_.begin());
    return true;
}

void ModuleProtocol::poll(std::int64_t nowMs) {
    nowMs_ = std::max(nowMs_, nowMs);
    if (!rx_.empty() && nowMs_ - lastRxMs_ >= kStaleFrameMs) {
        dropJunk(rx_.size());
        flushJunk();
    }
    if (restartDueMs_ && nowMs_ >= *restartDueMs_) {
        restartDueMs_.reset();
        queueRaw(restartSign());
    }
}

void ModuleProtocol::feed(const std::uint8_t* data, std::size_t size, std::int64_t nowMs) {
    poll(nowMs);
    feed(data, size);
}

void ModuleProtocol::feed(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size == 0) return;
    rx_.insert(rx_.end(), data, data + size);
    lastRxMs_ = nowMs_;
    for (;;) {
        Parse p = parseOne();
        if (p == Parse::NeedMore) break;
        if (p == Parse::Junk) dropJunk(1);
    }
    flushJunk();
}

ModuleProtocol::Parse ModuleProtocol::parseOne() {
    if (rx_.empty()) return Parse::NeedMore;
    const std::uint8_t cmd = rx_[0];
    std::size_t frameLen = 0;
    switch (cmd) {
        case kWake0:
            if (rx_.size() < 2) return Parse::NeedMore;
            if (rx_[1] != kWake1) return Parse::Junk;
            flushJunk();
            record(TraceDirection::Rx, rx_.data(), 2);
            rx_.erase(rx_.begin(), rx_.begin() + 2);
            ++counts_.wake;
            return Parse::Consumed;
        case kCmdIdentify:
        case kCmdRestart:
            frameLen = 2;
            break;
        case kCmdRead:
            frameLen = 5;
            break;
        case kCmdWrite:
            if (rx_.size() < 2) return Parse::NeedMore;
            frameLen = static_cast<std::size_t>(rx_[1]) + 5;
            break;
        default:
            return Parse::Junk;
    }
    if (rx_.size() < frameLen) return Parse::NeedMore;
    if (Sum8(rx_.data(), frameLen) != 0) return Parse::Junk;

    flushJunk();
    record(TraceDirection::Rx, rx_.data(), frameLen);
    std::vector<std::uint8_t> frame(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(frameLen));
    rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(frameLen));
    switch (cmd) {
        case kCmdIdentify:
            ++counts_.identify;
            handleIdentify();
            break;
        case kCmdRestart:
            ++counts_.restart;
            handleRestart();
            break;
        case kCmdRead:
            ++counts_.read;
            handleRead(frame[1], static_cast<std::uint16_t>(frame[2] << 8 | frame[3]));
            break;
        case kCmdWrite:
            ++counts_.write;
            handleWrite(frame[1], static_cast<std::uint16_t>(frame[2] << 8 | frame[3]), frame.data() + 4);
            break;
        default:
            break;
    }
    return Parse::Consumed;
}

void ModuleProtocol::dropJunk(std::size_t count) {
    count = std::min(count, rx_.size());
    junk_.insert(junk_.end(), rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(count));
    rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(count));
    counts_.droppedBytes += static_cast<int>(count);
}

void ModuleProtocol::flushJunk() {
    if (junk_.empty()) return;
    record(TraceDirection::Junk, junk_.data(), junk_.size());
    junk_.clear();
}

void ModuleProtocol::handleIdentify() {
    if (faults_.silent) return;
    queueChecked({kReplyData, identity_.type, identity_.versionMajor, identity_.versionMinor}, false);
}

// A block of length 0 or one that would run past the end of the memory is refused without a
// reply; the module never wraps around to address 0.
static bool BlockFits(std::uint8_t n, std::uint16_t address) {
    return n != 0 && static_cast<std::size_t>(address) + n <= kMemorySize;
}

void ModuleProtocol::handleWrite(std::uint8_t n, std::uint16_t address, const std::uint8_t* data) {
    if (!BlockFits(n, address)) {
        ++counts_.rejected;
        return;
    }
    if (faults_.silent) return;
    const bool stuck = faults_.stuckAddress && *faults_.stuckAddress >= address &&
                       *faults_.stuckAddress < static_cast<std::size_t>(address) + n;
    if (!stuck) std::copy(data, data + n, memory_.begin() + address);
    queueChecked({kReplyWrite}, false);
}

void ModuleProtocol::handleRead(std::uint8_t n, std::uint16_t address) {
    if (!BlockFits(n, address)) {
        ++counts_.rejected;
        return;
    }
    if (faults_.silent) return;
    // The three bytes after the reply code are not examined by the PC; echoing the request's
    // length and address makes traces easier to read.
    std::vector<std::uint8_t> frame = {kReplyData, n, static_cast<std::uint8_t>(address >> 8),
                                       static_cast<std::uint8_t>(address & 0xFF)};
    frame.insert(frame.end(), memory_.begin() + address, memory_.begin() + address + n);
    queueChecked(std::move(frame), true);
}

void ModuleProtocol::handleRestart() {
    if (faults_.silent || faults_.noRestartSign) return;
    // Each restart command starts the module's restart over, so the sign follows the last one.
    restartDueMs_ = nowMs_ + kRestartSignDelayMs;
}

void ModuleProtocol::queueChecked(std::vector<std::uint8_t> frame, bool isRead) {
    ++checkedReplyNo_;
    if (isRead) {
        ++readReplyNo_;
        const std::size_t n = frame.size() - 4;
        if (faults_.flipEvery > 0 && readReplyNo_ % faults_.flipEvery == 0 && n > 0) {
            // Walk the flipped bit through the block so that repeated faults differ.
            const std::size_t idx = 4 + static_cast<std::size_t>(readReplyNo_) % n;
            frame[idx] ^= static_cast<std::uint8_t>(1u << (readReplyNo_ % 8));
        }
    }
    std::uint8_t chk = checksum(frame.data(), frame.size());
    if (faults_.corruptEvery > 0 && checkedReplyNo_ % faults_.corruptEvery == 0) chk ^= 0x5A;
    frame.push_back(chk);
    if (faults_.dropEvery > 0 && checkedReplyNo_ % faults_.dropEvery == 0) {
        ++counts_.repliesDropped;
        return;
    }
    const bool stray = (faults_.strayOnce && !strayDone_) ||
                       (faults_.strayEvery > 0 && checkedReplyNo_ % faults_.strayEvery == 0);
    if (stray) {
        frame.insert(frame.begin(), faults_.strayValue);
        strayDone_ = true;
    }
    queueRaw(std::move(frame));
}

void ModuleProtocol::queueRaw(std::vector<std::uint8_t> bytes) {
    record(TraceDirection::Tx, bytes.data(), bytes.size());
    ++counts_.repliesSent;
    replies_.push_back(Reply{std::move(bytes), faults_.gapMs, faults_.replyDelayMs});
}

std::optional<Reply> ModuleProtocol::takeReply() {
    if (replies_.empty()) return std::nullopt;
    Reply r = std::move(replies_.front());
    replies_.pop_front();
    return r;
}

std::vector<Reply> ModuleProtocol::takeReplies() {
    std::vector<Reply> out(std::make_move_iterator(replies_.begin()),
                           std::make_move_iterator(replies_.end()));
    replies_.clear();
    return out;
}

void ModuleProtocol::record(TraceDirection dir, const std::uint8_t* data, std::size_t size) {
    TraceEntry e{nowMs_, dir, std::vector<std::uint8_t>(data, data + size)};
    if (traceSink_) traceSink_(e);
    trace_.push_back(std::move(e));
    if (trace_.size() > kTraceLimit) trace_.pop_front();
}

}  // namespace brenvox::sim
