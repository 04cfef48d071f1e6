// TMainTask: the transfer on a worker thread of its own, as the desktop program and the CLI run
// it. The page in the browser has no threads to spare and runs its transfers through
// transfer_task_web.cpp instead.
#include "link/thread_platform.h"
#include "link/transfer.h"

namespace brenvox {

TMainTask::~TMainTask() {
    Join();
}

namespace {
// Marks the task as no longer running just before Done reaches the caller's observer, so that a
// caller who starts the next transfer on Done (the "Powtórz" of a GUI) is not refused while the
// worker is still on its way out.
struct DoneMarker : TransferObserver {
    DoneMarker(TransferObserver& o, std::atomic<bool>& r) : outer(o), running(r) {}
    void OnLinkEvent(LinkEvent e) override {
        if (e == LinkEvent::Done) running.store(false);
        outer.OnLinkEvent(e);
    }
    TransferObserver& outer;
    std::atomic<bool>& running;
};
}  // namespace

bool TMainTask::Start(Port& port, TransferState& state, TransferObserver& observer) {
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
        DoneMarker marker(observer, running_);
        RunTransfer(port, state, marker);
    });
    return true;
}

void TMainTask::Join() {
    if (workerId_.load() == std::this_thread::get_id()) return;
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) thread_.join();
}

}  // namespace brenvox
