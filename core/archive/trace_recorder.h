#pragma once
// The frames of an operation as they pass, recorded once for whoever keeps them: the --trace
// file and the archive entry's trace both take from one recording. One line a frame,
//   <ms> tx|rx <bytes in hex>
// milliseconds since the recording began, "tx" for a frame sent and "rx" for what one read
// returned ("-" for a read that got nothing); brenvox-modsim --replay reads this format back.
//
// Threads: the transfer's worker records through Hook(); the owner reads on its own thread.
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

#include "link/transfer.h"

namespace brenvox {

class TraceRecorder {
public:
    // Starts afresh: nothing recorded, the clock at 0.
    void Begin();
    // What the transfer's state is given to record into this recorder; it must outlive the
    // transfers that use it.
    FrameTraceHook Hook();
    void Record(FrameDirection direction, const uint8_t* data, size_t count);

    // Where the next line will begin: a transfer's own frames are those recorded since.
    size_t Mark() const;
    std::string Since(size_t mark) const;
    std::string Text() const;

private:
    mutable std::mutex mutex_;
    std::string text_;
    int64_t startMs_ = 0;
};

}  // namespace brenvox
