#pragma once
// One transfer with the module: wake, identify, (write), check, restart. It runs on a worker
// thread (TMainTask) and shares a TransferState with the caller; what both threads touch is
// atomic, and everything else is handed over by the order of events.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#if __has_include("codec/image_codec.h")
#include "codec/image_codec.h"
#else
namespace brenvox {
using ModuleImage = std::array<uint8_t, 2048>;
}
#endif

#include "link/port.h"

namespace brenvox {

enum class OperationMode : int32_t { Program = 1, Compare = 2, Read = 3 };

enum class LinkOutcome : int32_t {
    Success = 0,
    Aborted,
    NoResponse,
    WriteError,
    CheckError,
    RestartError,
    UnsupportedModule
};

struct ModuleInfo {
    uint8_t ModuleType;
    uint8_t VersionMajor;
    uint8_t VersionMinor;
};

// Distinct fixed values: a GUI offsets them into event types of its own (see LinkEventType).
enum class LinkEvent { Done = 1224, Identified = 1225, Checking = 1226, Restarting = 1227 };

// Receives the transfer's events on the worker thread, each after the state it announces has been
// written. Exactly one Done per transfer, always the last event.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void OnLinkEvent(LinkEvent event) = 0;
};

enum class FrameDirection { Sent, Received };
// Sees every frame sent and every read's bytes (also empty reads, as a count of 0), on the worker
// thread. For the CLI's --trace; must not block.
using FrameTraceHook = std::function<void(FrameDirection, const uint8_t* data, size_t count)>;

// ModuleInfo held in one 32-bit atomic word (a three-byte atomic struct would need libatomic).
class AtomicModuleInfo {
public:
    brenvox::ModuleInfo load() const {
        const uint32_t v = word_.load();
        return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16)};
    }
    void store(brenvox::ModuleInfo m) {
        word_.store(uint32_t{m.ModuleType} | uint32_t{m.VersionMajor} << 8 | uint32_t{m.VersionMinor} << 16);
    }

private:
    std::atomic<uint32_t> word_{0};
};

// Shared by the caller and the worker. Before Start the caller fills ImageV10, ImageV11 and
// CurrentMode; while the worker runs the caller only sets AbortRequested and reads the progress
// counters. ModuleInfo is valid after Identified; TransferOutcome and ReadImage after Done.
struct TransferState {
    std::atomic<OperationMode> CurrentMode{OperationMode::Program};
    std::atomic<LinkOutcome> TransferOutcome{LinkOutcome::Success};
    std::atomic<uint16_t> WritePos{0};  // bytes written and read back (0..2048)
    std::atomic<uint16_t> CheckPos{0};  // bytes read and compared (0..2048)
    std::atomic<bool> AbortRequested{false};
    AtomicModuleInfo ModuleInfo;

    ModuleImage ImageV10{};
    ModuleImage ImageV11{};
    ModuleImage WorkImage{};  // the worker's copy of the image for the module's version
    ModuleImage ReadImage{};  // filled by a Read transfer

    FrameTraceHook Trace;  // optional; set before Start
};

// Constants of the protocol, public for the tests and the benchmark.
namespace link {
inline constexpr size_t kMemorySize = 2048;
inline constexpr size_t kBlockMax = 26;
inline constexpr size_t kFrameBufferSize = 256;
inline constexpr int kWakePairs = 5;
inline constexpr int kWakePauseMs = 50;
inline constexpr int kAttempts = 5;
inline constexpr int kRestartCommands = 3;
inline constexpr int kRestartPauseMs = 50;
inline constexpr int kRestartReads = 30;

inline constexpr uint8_t kCmdRead = 0x01;
inline constexpr uint8_t kReplyData = 0x02;  // identify reply and read reply
inline constexpr uint8_t kCmdWrite = 0x03;
inline constexpr uint8_t kReplyWrite = 0x04;
inline constexpr uint8_t kCmdRestart = 0x05;
inline constexpr uint8_t kCmdIdentify = 0x06;
inline constexpr uint8_t kWake[2] = {0xCA, 0x53};
inline constexpr uint8_t kRestartSign[3] = {0x1E, 0x00, 0x0C};

// The byte that makes the 8-bit sum of data[0..count) and itself zero.
uint8_t Checksum(const uint8_t* data, size_t count);

// Size of the block starting at `position`: min(26, 2048 - position), 0 at the end.
inline size_t BlockSize(size_t position) {
    return position >= kMemorySize
               ? 0
               : (kMemorySize - position < kBlockMax ? kMemorySize - position : kBlockMax);
}
}  // namespace link

// Runs one transfer on the calling thread and returns its outcome (also left in
// state.TransferOutcome). TMainTask runs this on its worker.
LinkOutcome RunTransfer(Port& port, TransferState& state, TransferObserver& observer);

// The worker thread of a transfer. One transfer at a time per object; the destructor waits for
// a running transfer to end (it always ends: every wait inside is bounded by the read time-outs).
class TMainTask {
public:
    TMainTask() = default;
    ~TMainTask();
    TMainTask(const TMainTask&) = delete;
    TMainTask& operator=(const TMainTask&) = delete;

    // Starts a transfer; false (nothing started) while the previous one is still running, and
    // when called from the worker's own observer. port, state and observer must outlive the
    // transfer.
    bool Start(Port& port, TransferState& state, TransferObserver& observer);
    // True from Start until the transfer delivers Done (false already while the observer
    // handles Done, so the next Start from that moment on is accepted).
    bool Running() const { return running_.load(); }
    // Waits for the worker to end; harmless when none was started (and when called from the
    // worker's own observer, where waiting would never end).
    void Join();

private:
    std::mutex mutex_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<std::thread::id> workerId_{};
};

}  // namespace brenvox
