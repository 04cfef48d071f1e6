// TransferWorker: the transfer on a worker thread of its own, as the desktop program and the CLI
// run it. The page in the browser has no threads to spare and runs its transfers through
// transfer_worker_web.cpp instead.
#include "link/transfer_worker.h"

#include "link/thread_platform.h"

namespace brenvox {

TransferWorker::~TransferWorker() {
    Join();
}

bool TransferWorker::Start(Port& port, TransferState& state, TransferObserver& observer) {
    // Called from the worker's own observer: it cannot wait for itself, and the lock may be held
    // by a Join that waits for this very thread.
    if (workerId_.load() == std::this_thread::get_id()) return false;
    std::lock_guard lock(mutex_);
    if (running_.load()) return false;
    if (thread_.joinable()) thread_.join();
    running_.store(true);
    thread_ = std::thread([this, &port, &state, &observer] {
        workerId_.store(std::this_thread::get_id());
        RaiseCurrentThreadPriority();
        detail::DoneMarker marker(observer, running_);
        RunTransfer(port, state, marker);
    });
    return true;
}

void TransferWorker::Join() {
    if (workerId_.load() == std::this_thread::get_id()) return;
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) thread_.join();
}

}  // namespace brenvox
