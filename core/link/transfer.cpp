#include "link/transfer.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "link/module_identity.h"

namespace brenvox {

namespace link {
uint8_t Checksum(const uint8_t* data, size_t count) {
    uint8_t sum = 0;
    for (size_t i = 0; i < count; ++i) sum = static_cast<uint8_t>(sum + data[i]);
    return static_cast<uint8_t>(0x100 - sum);
}
}  // namespace link

namespace {

using namespace link;

// One transfer's worker-side context: the port, the shared state and the one frame buffer that
// every request and reply passes through.
class Transfer {
public:
    Transfer(Port& port, TransferState& state, TransferObserver& observer)
        : port_(port), state_(state), observer_(observer) {}

    LinkOutcome Execute() {
        state_.transferOutcome.store(LinkOutcome::Success);
        state_.writePos.store(0);
        state_.checkPos.store(0);
        const LinkOutcome outcome = Phases();
        // Outcome first, then the event that announces it.
        state_.transferOutcome.store(outcome);
        observer_.OnLinkEvent(LinkEvent::Done);
        return outcome;
    }

    bool WakeAndIdentify() {
        Wake();
        return Identify();
    }

private:
    LinkOutcome Phases() {
        const OperationMode mode = state_.currentMode.load();

        if (!WakeAndIdentify()) return LinkOutcome::NoResponse;
        observer_.OnLinkEvent(LinkEvent::Identified);

        const ModuleInfo info = state_.moduleInfo.load();
        if (!ModuleSupported(info)) return LinkOutcome::UnsupportedModule;
        state_.workImage = state_.images.forVersion(*ModuleVersionOf(info));

        if (mode == OperationMode::Program) {
            for (;;) {
                if (state_.abortRequested.load()) return LinkOutcome::Aborted;
                const uint16_t pos = state_.writePos.load();
                const size_t n = BlockSize(pos);
                if (n == 0) break;
                if (!Retry([&] { return WriteBlock(pos, n); })) return LinkOutcome::WriteError;
                state_.writePos.store(static_cast<uint16_t>(pos + n));
            }
        }

        observer_.OnLinkEvent(LinkEvent::Checking);
        for (;;) {
            if (state_.abortRequested.load()) return LinkOutcome::Aborted;
            const uint16_t pos = state_.checkPos.load();
            const size_t n = BlockSize(pos);
            if (n == 0) break;
            if (!Retry([&] { return CheckBlock(mode, pos, n); })) return LinkOutcome::CheckError;
            state_.checkPos.store(static_cast<uint16_t>(pos + n));
        }

        observer_.OnLinkEvent(LinkEvent::Restarting);
        return Restart() ? LinkOutcome::Success : LinkOutcome::RestartError;
    }

    template <class Attempt>
    static bool Retry(Attempt attempt) {
        for (int i = 0; i < kAttempts; ++i)
            if (attempt()) return true;
        return false;
    }

    void Wake() {
        for (int i = 0; i < kWakePairs; ++i) {
            port_.Purge();
            Trace(FrameDirection::Sent, kWake, sizeof kWake);
            port_.Write(kWake, sizeof kWake);
            port_.Pause(kWakePauseMs);
        }
    }

    bool Identify() {
        for (int i = 0; i < kAttempts; ++i) {
            frame_[0] = kCmdIdentify;
            SendFrame(1);
            if (ReceiveFrame() == 4 && frame_[0] == kReplyData) {
                state_.moduleInfo.store({frame_[1], frame_[2], frame_[3]});
                return true;
            }
        }
        return false;
    }

    // Write, read back and compare one block; any failing part fails the whole attempt.
    bool WriteBlock(uint16_t pos, size_t n) {
        frame_[0] = kCmdWrite;
        PutHeader(pos, n);
        std::memcpy(&frame_[4], &state_.workImage[pos], n);
        SendFrame(4 + n);
        if (ReceiveFrame() != 1 || frame_[0] != kReplyWrite) return false;
        if (!ReadBlock(pos, n)) return false;
        return std::memcmp(&frame_[4], &state_.workImage[pos], n) == 0;
    }

    bool CheckBlock(OperationMode mode, uint16_t pos, size_t n) {
        if (!ReadBlock(pos, n)) return false;
        if (mode == OperationMode::Read) {
            std::memcpy(&state_.readImage[pos], &frame_[4], n);
            return true;
        }
        return std::memcmp(&frame_[4], &state_.workImage[pos], n) == 0;
    }

    // Sends a read request; true when a reply of the right length and code came. Its data
    // starts at frame_[4] (after the code and three bytes nobody looks at).
    bool ReadBlock(uint16_t pos, size_t n) {
        frame_[0] = kCmdRead;
        PutHeader(pos, n);
        SendFrame(4);
        return ReceiveFrame() == static_cast<int>(n + 4) && frame_[0] == kReplyData;
    }

    void PutHeader(uint16_t pos, size_t n) {
        frame_[1] = static_cast<uint8_t>(n);
        frame_[2] = static_cast<uint8_t>(pos >> 8);
        frame_[3] = static_cast<uint8_t>(pos & 0xFF);
    }

    bool Restart() {
        for (int i = 0; i < kRestartCommands; ++i) {
            frame_[0] = kCmdRestart;
            SendFrame(1);
            port_.Pause(kRestartPauseMs);
        }
        // The restarted module talks to its phone; the first bytes of such a frame are its
        // sign of life. No purge and no checksum here: the frame is not ours.
        for (int i = 0; i < kRestartReads; ++i) {
            frame_[0] = frame_[1] = frame_[2] = 0;
            const size_t got = ReadIntoFrame();
            if (got >= 3 && std::equal(kRestartSign, kRestartSign + 3, frame_.begin())) return true;
        }
        return false;
    }

    // The frame without its checksum is in frame_[0..length); the checksum goes behind it.
    // Purging first drops late or stray bytes so the next read sees only the reply.
    void SendFrame(size_t length) {
        frame_[length] = Checksum(frame_.data(), length);
        port_.Purge();
        Trace(FrameDirection::Sent, frame_.data(), length + 1);
        port_.Write(frame_.data(), length + 1);
    }

    // Length of the received frame without its checksum, or 0 when fewer than two bytes came or
    // the sum over all bytes is not 0.
    int ReceiveFrame() {
        const size_t got = ReadIntoFrame();
        if (got < 2) return 0;
        uint8_t sum = 0;
        for (size_t i = 0; i < got; ++i) sum = static_cast<uint8_t>(sum + frame_[i]);
        return sum == 0 ? static_cast<int>(got - 1) : 0;
    }

    size_t ReadIntoFrame() {
        size_t got = port_.Read(frame_.data(), frame_.size());
        got = std::min(got, frame_.size());  // a port that overstates its count reads nothing more
        Trace(FrameDirection::Received, frame_.data(), got);
        return got;
    }

    void Trace(FrameDirection dir, const uint8_t* data, size_t count) {
        if (state_.trace) state_.trace(dir, data, count);
    }

    Port& port_;
    TransferState& state_;
    TransferObserver& observer_;
    std::array<uint8_t, kFrameBufferSize> frame_{};
};

}  // namespace

LinkOutcome RunTransfer(Port& port, TransferState& state, TransferObserver& observer) {
    return Transfer(port, state, observer).Execute();
}

bool IdentifyModule(Port& port, ModuleInfo& info) {
    struct Quiet : TransferObserver {
        void OnLinkEvent(LinkEvent) override {}
    } quiet;
    TransferState state;
    if (!Transfer(port, state, quiet).WakeAndIdentify()) return false;
    info = state.moduleInfo.load();
    return true;
}

}  // namespace brenvox
