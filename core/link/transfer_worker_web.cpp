// TransferWorker in the browser. A page served without special headers gets no threads, so the
// transfer runs on the page's one thread: every wait inside it (a read of the port, the pauses
// between wake pairs and restart commands) hands the thread back to the browser until the wait
// is over (the web build unwinds the transfer's stack there and rewinds it afterwards), and the
// page stays responsive in between. Start only books the transfer; it begins in a task of its
// own, so Start returns at once as it does with a worker, and the caller's lines come first.
#include <emscripten.h>

#include <functional>

#include "link/transfer_worker.h"

// web/src/brenvox_library.js hands this to the page, whose app.js calls brenvox_web_run_transfer
// from a task of its own.
extern "C" void brenvox_web_schedule_transfer();

namespace brenvox {
namespace {

// The page runs one transfer at a time; this is the one booked and not yet begun.
std::function<void()> gBooked;
const TransferWorker* gBookedBy = nullptr;

}  // namespace

// A transfer under way cannot be waited for on the thread it runs on; the page keeps its runner
// (and so this worker) for as long as it is open. A booked transfer that has not begun is dropped.
TransferWorker::~TransferWorker() {
    if (gBookedBy == this) {
        gBooked = nullptr;
        gBookedBy = nullptr;
    }
}

bool TransferWorker::Start(Port& port, TransferState& state, TransferObserver& observer) {
    if (running_.load() || gBooked) return false;
    running_.store(true);
    gBookedBy = this;
    gBooked = [this, &port, &state, &observer] {
        detail::DoneMarker marker(observer, running_);
        RunTransfer(port, state, marker);
    };
    brenvox_web_schedule_transfer();
    return true;
}

// Nothing to wait for: the transfer ends on its own, its every wait being bounded by the read
// time-outs, and Start refuses a second one meanwhile.
void TransferWorker::Join() {}

}  // namespace brenvox

extern "C" EMSCRIPTEN_KEEPALIVE void brenvox_web_run_transfer() {
    std::function<void()> job = std::move(brenvox::gBooked);
    brenvox::gBooked = nullptr;
    brenvox::gBookedBy = nullptr;
    if (job) job();
}
