// The module's side of the serial block protocol, without any transport.
//
// ModuleProtocol is what the simulated module "is": its 2048-byte configuration memory, the
// identity it reports, the faults it is told to inject, and a byte-stream parser that turns
// what the PC sends into replies. Nothing here touches a file descriptor or sleeps: bytes go in
// through feed(), time moves on through poll(nowMs) (or the clock argument of feed), and the
// replies come out of a queue together with the pacing the transport should apply to them.
// That keeps the whole module testable with a virtual clock and lets an in-process fake port
// sit directly on top of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace brenvox::sim {

inline constexpr std::size_t kMemorySize = 2048;
// The PC's wake pair, which the module takes without a reply.
inline constexpr std::uint8_t kWake0 = 0xCA;
inline constexpr std::uint8_t kWake1 = 0x53;
using Memory = std::array<std::uint8_t, kMemorySize>;

// One reply as the transport must send it: wait delayMs, then send the bytes with gapMs of
// silence between consecutive bytes (0 = all in one write).
struct Reply {
    std::vector<std::uint8_t> bytes;
    int gapMs = 0;
    int delayMs = 0;
};

// What the module reports in its identification reply.
struct Identity {
    std::uint8_t type = 1;
    std::uint8_t versionMajor = 1;
    std::uint8_t versionMinor = 1;
};

// Faults to inject. All of them combine; a counter value of 0 switches that fault off.
// "Replies" below are the checksummed replies (identify, write, read); the restart sign has
// its own switch and only the gap applies to it.
struct Faults {
    bool silent = false;     // parse and count frames, but store nothing and reply nothing
    int dropEvery = 0;       // the k-th, 2k-th, ... reply is not sent
    int corruptEvery = 0;    // the k-th, 2k-th, ... reply carries a wrong checksum
    int flipEvery = 0;       // the k-th, 2k-th, ... read reply has one data bit flipped (valid checksum)
    bool strayOnce = false;  // one stray byte before the very first reply
    int strayEvery = 0;      // one stray byte before the k-th, 2k-th, ... reply
    std::uint8_t strayValue = 0x00;
    int gapMs = 0;         // silence between the bytes of every reply, restart sign included
    int replyDelayMs = 0;  // silence before the first byte of every reply
    std::optional<std::uint16_t> stuckAddress;  // writes covering this address are acknowledged, not stored
    bool noRestartSign = false;                 // restart commands are counted but never answered
};

// Frames received, per kind. `rejected` counts well-formed frames (right checksum) that the
// module refuses (block length 0, or a block reaching beyond the memory); `droppedBytes` counts
// bytes thrown away while resynchronising.
struct FrameCounts {
    int wake = 0;
    int identify = 0;
    int write = 0;
    int read = 0;
    int restart = 0;
    int rejected = 0;
    int droppedBytes = 0;
    int repliesSent = 0;     // replies queued (dropped ones excluded), restart signs included
    int repliesDropped = 0;  // replies swallowed by the drop fault
};

enum class TraceDirection { Rx, Tx, Junk };

struct TraceEntry {
    std::int64_t ms = 0;  // the protocol's clock when the frame was parsed or its reply queued
    TraceDirection direction = TraceDirection::Rx;
    std::vector<std::uint8_t> bytes;
};

class ModuleProtocol {
public:
    // The PC sends three restart commands 50 ms apart and only then starts to read, so the sign
    // of life goes out this long after the last restart command seen.
    static constexpr int kRestartSignDelayMs = 60;
    // A partial frame that has seen no further byte for this long is thrown away: the PC writes
    // every frame in one go, so a frame cut short will never be completed.
    static constexpr int kStaleFrameMs = 100;
    static constexpr std::size_t kTraceLimit = 100000;

    // The sign of life the module sends after a restart: the start of a frame addressed to the
    // phone (0x1E 0x00 0x0C) followed by the rest of that frame.
    static const std::vector<std::uint8_t>& restartSign();

    ModuleProtocol();

    void setIdentity(const Identity& id) { identity_ = id; }
    const Identity& identity() const { return identity_; }
    void setFaults(const Faults& f) { faults_ = f; }
    const Faults& faults() const { return faults_; }

    const Memory& memory() const { return memory_; }
    void setMemory(const Memory& m) { memory_ = m; }
    // Replaces the whole memory; refuses (false, nothing changed) unless size is exactly 2048.
    bool setMemory(const std::uint8_t* data, std::size_t size);

    // Bytes received from the PC. The two-argument form uses the clock's current value.
    void feed(const std::uint8_t* data, std::size_t size);
    void feed(const std::uint8_t* data, std::size_t size, std::int64_t nowMs);
    // Moves the clock on (never backwards) and queues any reply that has become due.
    void poll(std::int64_t nowMs);
    std::int64_t now() const { return nowMs_; }
    // When a scheduled reply (the restart sign) becomes due, if one is pending.
    std::optional<std::int64_t> nextDueMs() const { return restartDueMs_; }

    bool hasReply() const { return !replies_.empty(); }
    std::optional<Reply> takeReply();
    std::vector<Reply> takeReplies();

    const FrameCounts& counts() const { return counts_; }
    void resetCounts() { counts_ = {}; }
    std::size_t pendingBytes() const { return rx_.size(); }

    const std::deque<TraceEntry>& trace() const { return trace_; }
    void clearTrace() { trace_.clear(); }
    // Called for every trace entry as it is made (in addition to keeping it).
    void setTraceSink(std::function<void(const TraceEntry&)> sink) { traceSink_ = std::move(sink); }

    // Two's complement of the 8-bit sum, so that a frame including its checksum sums to 0.
    static std::uint8_t checksum(const std::uint8_t* data, std::size_t size);

private:
    enum class Parse { NeedMore, Consumed, Junk };
    Parse parseOne();
    void dropJunk(std::size_t count);
    void flushJunk();
    void handleIdentify();
    void handleWrite(std::uint8_t n, std::uint16_t address, const std::uint8_t* data);
    void handleRead(std::uint8_t n, std::uint16_t address);
    void handleRestart();
    // Applies the reply faults to a frame without checksum, appends the checksum and queues it.
    void queueChecked(std::vector<std::uint8_t> frame, bool isRead);
    void queueRaw(std::vector<std::uint8_t> bytes);
    void record(TraceDirection dir, const std::uint8_t* data, std::size_t size);

    Memory memory_{};
    Identity identity_;
    Faults faults_;
    std::vector<std::uint8_t> rx_;
    std::int64_t nowMs_ = 0;
    std::int64_t lastRxMs_ = 0;
    std::optional<std::int64_t> restartDueMs_;
    std::deque<Reply> replies_;
    FrameCounts counts_;
    int checkedReplyNo_ = 0;
    int readReplyNo_ = 0;
    bool strayDone_ = false;
    std::vector<std::uint8_t> junk_;  // dropped bytes not yet traced
    std::deque<TraceEntry> trace_;
    std::function<void(const TraceEntry&)> traceSink_;
};

}  // namespace brenvox::sim
