#pragma once
// The worker of a transfer: RunTransfer on a thread of its own (transfer_worker.cpp), as the
// desktop program and the CLI run it, or, in the browser, on the page's one thread in a task of
// its own (transfer_worker_web.cpp).
#include <atomic>
#include <mutex>
#include <thread>

#include "link/port.h"
#include "link/transfer.h"

namespace brenvox {

// One transfer at a time per object; the destructor waits for a running transfer to end (it
// always ends: every wait inside is bounded by the read time-outs).
class TransferWorker {
public:
    TransferWorker() = default;
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

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

namespace detail {
// Marks the worker as no longer running just before Done reaches the caller's observer, so that
// a caller who starts the next transfer on Done (the "Powtórz" of a window) is not refused while
// the worker is still on its way out.
struct DoneMarker : TransferObserver {
    DoneMarker(TransferObserver& o, std::atomic<bool>& r) : outer(o), running(r) {}
    void OnLinkEvent(LinkEvent e) override {
        if (e == LinkEvent::Done) running.store(false);
        outer.OnLinkEvent(e);
    }
    TransferObserver& outer;
    std::atomic<bool>& running;
};
}  // namespace detail

}  // namespace brenvox
