// Any byte stream as the module's replies: the transfer must end in one of its outcomes with
// exactly one Done event, the progress counters inside 0..2048 and no read beyond its buffers.
// The input is cut into replies: each chunk is one length byte followed by that many bytes.
#include <cstdlib>
#include <cstring>

#include "link/port.h"
#include "link/transfer.h"

namespace {

class ScriptedPort : public brenvox::Port {
public:
    ScriptedPort(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    void Purge() override {}
    void Write(const uint8_t*, size_t) override {}
    size_t Read(uint8_t* buf, size_t cap) override {
        if (pos_ >= size_) return 0;
        size_t n = data_[pos_++];
        n = std::min({n, cap, size_ - pos_});
        std::memcpy(buf, data_ + pos_, n);
        pos_ += n;
        return n;
    }
    void Pause(int) override {}

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

class Counter : public brenvox::TransferObserver {
public:
    void OnLinkEvent(brenvox::LinkEvent e) override {
        if (done) std::abort();  // nothing may follow Done
        if (e == brenvox::LinkEvent::Done) done = true;
    }
    bool done = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    for (auto mode :
         {brenvox::OperationMode::Program, brenvox::OperationMode::Compare, brenvox::OperationMode::Read}) {
        ScriptedPort port(data + 1, size - 1);
        brenvox::TransferState state;
        state.currentMode = mode;
        std::memset(state.images.v10.data(), data[0], state.images.v10.size());
        state.images.v11 = state.images.v10;
        Counter counter;
        const auto outcome = brenvox::RunTransfer(port, state, counter);
        if (!counter.done || outcome != state.transferOutcome.load()) std::abort();
        if (state.writePos > 2048 || state.checkPos > 2048) std::abort();
    }
    return 0;
}
