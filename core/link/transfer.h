#pragma once
// One transfer with the module: wake, identify, (write), check, restart. It runs on a worker
// thread (TransferWorker, transfer_worker.h) and shares a TransferState with the caller; what
// both threads touch is atomic, and everything else is handed over by the order of events.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "codec/image_codec.h"
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

// What the module says of itself in its identify reply, in the reply's order.
struct ModuleInfo {
    uint8_t moduleType;
    uint8_t versionMajor;
    uint8_t versionMinor;
};

// Done first and Restarting last: the GUI numbers its event types after these and tells its own
// by that range.
enum class LinkEvent { Done, Identified, Checking, Restarting };

// Receives the transfer's events on the worker thread, each after the state it announces has been
// written. Exactly one Done per transfer, always the last event.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void OnLinkEvent(LinkEvent event) = 0;
};

enum class FrameDirection { Sent, Received };
// Sees every frame sent and every read's bytes (also empty reads, as a count of 0), on the worker
// thread. A TraceRecorder (archive/trace_recorder.h) takes them down; must not block.
using FrameTraceHook = std::function<void(FrameDirection, const uint8_t* data, size_t count)>;

// ModuleInfo held in one 32-bit atomic word (a three-byte atomic struct would need libatomic).
class AtomicModuleInfo {
public:
    brenvox::ModuleInfo load() const {
        const uint32_t v = word_.load();
        return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16)};
    }
    void store(brenvox::ModuleInfo m) {
        word_.store(uint32_t{m.moduleType} | uint32_t{m.versionMajor} << 8 | uint32_t{m.versionMinor} << 16);
    }

private:
    std::atomic<uint32_t> word_{0};
};

// Shared by the caller and the worker. Before Start the caller fills images (PrepareImages) and
// currentMode; while the worker runs the caller only sets abortRequested and reads the progress
// counters. moduleInfo is valid after Identified; transferOutcome and readImage after Done.
struct TransferState {
    std::atomic<OperationMode> currentMode{OperationMode::Program};
    std::atomic<LinkOutcome> transferOutcome{LinkOutcome::Success};
    std::atomic<uint16_t> writePos{0};  // bytes written and read back (0..2048)
    std::atomic<uint16_t> checkPos{0};  // bytes read and compared (0..2048)
    std::atomic<bool> abortRequested{false};
    AtomicModuleInfo moduleInfo;

    EncodedImages images{};   // one per module version; the worker takes the one identify asks for
    ModuleImage workImage{};  // the worker's copy of the image for the module's version
    ModuleImage readImage{};  // filled by a Read transfer

    FrameTraceHook trace;  // optional; set before Start
};

// Constants of the protocol, public for the tests and the benchmark.
namespace link {
// The module speaks at 115200 baud; a reply is complete 10 ms after its last byte, and a read
// gives up 200 ms after it began.
inline constexpr int32_t kBaud = 115200;
inline constexpr int32_t kReadTotalMs = 200;
inline constexpr int32_t kReadIntervalMs = 10;

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
// state.transferOutcome). TransferWorker runs this on its worker.
LinkOutcome RunTransfer(Port& port, TransferState& state, TransferObserver& observer);

// The first two steps of every transfer and nothing more: the wake pairs and the identify
// request, with the transfer's own retries. No memory is read or written and the module is not
// restarted. True, with `info` filled, when the module answered.
bool IdentifyModule(Port& port, ModuleInfo& info);

}  // namespace brenvox
