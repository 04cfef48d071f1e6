#include "pty_simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

namespace brenvox::sim {

namespace {

// How long the thread sleeps between polls when nothing is scheduled. Only bounds the latency
// of noticing a partial frame going stale; replies are sent as soon as their bytes are read.
constexpr int kIdlePollMs = 200;
// When the PC does not read and the pseudo-terminal's queue is full, a reply is given up after
// this long rather than blocking the simulator forever.
constexpr int kWriteStallMs = 1000;
// After a hang-up condition the master keeps reporting it; wait this long before looking again.
constexpr int kHangupBackoffMs = 20;

bool MakeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B115200);
    cfsetospeed(&t, B115200);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

void SetFlag(int fd, int getCmd, int setCmd, int flag) {
    const int f = fcntl(fd, getCmd);
    if (f >= 0) fcntl(fd, setCmd, f | flag);
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

PtySimulator::PtySimulator() = default;

PtySimulator::~PtySimulator() {
    stop();
}

std::int64_t PtySimulator::nowMs() const {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return (ns - startNs_) / 1000000;
}

bool PtySimulator::start(std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = what + (errno ? std::string(": ") + std::strerror(errno) : std::string());
        CloseFd(master_);
        CloseFd(slaveKeep_);
        CloseFd(wakeRead_);
        CloseFd(wakeWrite_);
        if (traceFile_) std::fclose(traceFile_);
        traceFile_ = nullptr;
        devicePath_.clear();
        return false;
    };
    if (running_ || thread_.joinable()) {
        errno = 0;
        return fail("simulator already running");
    }
    errno = 0;
    char name[PATH_MAX] = {};
    if (openpty(&master_, &slaveKeep_, name, nullptr, nullptr) != 0) return fail("openpty");
    devicePath_ = name;
    // Both ends raw: the PC must see exactly the bytes the module sends, and nothing the PC
    // sends may be echoed back or turned into signals.
    if (!MakeRaw(slaveKeep_) || !MakeRaw(master_)) return fail("cannot set raw mode");
    SetFlag(master_, F_GETFL, F_SETFL, O_NONBLOCK);
    SetFlag(master_, F_GETFD, F_SETFD, FD_CLOEXEC);
    SetFlag(slaveKeep_, F_GETFD, F_SETFD, FD_CLOEXEC);
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return fail("pipe");
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];

    if (!tracePath_.empty()) {
        traceFile_ = std::fopen(tracePath_.c_str(), "w");
        if (!traceFile_) return fail("cannot create trace file " + tracePath_);
        setvbuf(traceFile_, nullptr, _IOLBF, 0);
    }
    if (!linkPath_.empty()) {
        struct stat st {};
        if (lstat(linkPath_.c_str(), &st) == 0) {
            // Replace a link left behind by an earlier run, but never a real file.
            if (!S_ISLNK(st.st_mode)) {
                errno = EEXIST;
                return fail("link path exists and is not a symbolic link: " + linkPath_);
            }
            ::unlink(linkPath_.c_str());
        }
        if (::symlink(devicePath_.c_str(), linkPath_.c_str()) != 0)
            return fail("cannot create link " + linkPath_);
    }

    startNs_ = std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
                   .count();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (traceFile_) protocol_.setTraceSink([this](const TraceEntry& e) { writeTrace(e); });
        protocol_.poll(0);
    }
    stopRequested_ = false;
    running_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

void PtySimulator::stop() {
    if (thread_.joinable()) {
        stopRequested_ = true;
        const char c = 'x';
        [[maybe_unused]] ssize_t w = ::write(wakeWrite_, &c, 1);
        thread_.join();
    }
    if (!linkPath_.empty() && !devicePath_.empty()) {
        char target[PATH_MAX] = {};
        const ssize_t len = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
        if (len > 0 && devicePath_ == std::string(target, static_cast<std::size_t>(len)))
            ::unlink(linkPath_.c_str());
    }
    CloseFd(master_);
    CloseFd(slaveKeep_);
    CloseFd(wakeRead_);
    CloseFd(wakeWrite_);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        protocol_.setTraceSink(nullptr);
        if (traceFile_) std::fclose(traceFile_);
        traceFile_ = nullptr;
    }
    running_ = false;
}

bool PtySimulator::sleepInterruptible(int ms) {
    if (stopRequested_) return false;
    if (ms <= 0) return true;
    pollfd p{wakeRead_, POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                .count();
        if (left <= 0) return !stopRequested_;
        const int r = ::poll(&p, 1, static_cast<int>(left));
        if (r > 0 || stopRequested_) return false;
    }
}

bool PtySimulator::writeAll(const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t w = ::write(master_, data + done, size - done);
        if (w > 0) {
            done += static_cast<std::size_t>(w);
            continue;
        }
        if (w < 0 && errno == EINTR) continue;
        if (w < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        pollfd p[2] = {{master_, POLLOUT, 0}, {wakeRead_, POLLIN, 0}};
        const int r = ::poll(p, 2, kWriteStallMs);
        if (r <= 0 || (p[1].revents & POLLIN)) return false;
    }
    return true;
}

void PtySimulator::sendReply(const Reply& r) {
    if (!sleepInterruptible(r.delayMs)) return;
    if (r.gapMs <= 0) {
        writeAll(r.bytes.data(), r.bytes.size());
        return;
    }
    for (std::size_t i = 0; i < r.bytes.size(); ++i) {
        if (i > 0 && !sleepInterruptible(r.gapMs)) return;
        if (!writeAll(&r.bytes[i], 1)) return;
    }
}

void PtySimulator::run() {
    std::uint8_t buf[512];
    while (!stopRequested_) {
        int timeout = kIdlePollMs;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const std::int64_t now = nowMs();
            if (auto due = replay_ ? replay_->nextDueMs() : protocol_.nextDueMs())
                timeout =
                    static_cast<int>(std::max<std::int64_t>(0, std::min<std::int64_t>(timeout, *due - now)));
            if (!replay_ && protocol_.pendingBytes() > 0)
                timeout = std::min(timeout, ModuleProtocol::kStaleFrameMs + 1);
        }
        pollfd p[2] = {{master_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int r = ::poll(p, 2, timeout);
        if (stopRequested_ || (r > 0 && (p[1].revents & POLLIN))) break;

        int restartsBefore = 0;
        int restartsAfter = 0;
        std::vector<Reply> replies;
        std::vector<std::string> messages;
        bool backoff = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            restartsBefore = protocol_.counts().restart;
            if (r > 0 && (p[0].revents & POLLIN)) {
                const ssize_t n = ::read(master_, buf, sizeof buf);
                if (n > 0 && replay_)
                    replay_->feed(buf, static_cast<std::size_t>(n), nowMs());
                else if (n > 0)
                    protocol_.feed(buf, static_cast<std::size_t>(n), nowMs());
                else if (n < 0 && errno != EAGAIN && errno != EINTR)
                    backoff = true;
            } else if (r > 0 && (p[0].revents & (POLLHUP | POLLERR))) {
                // Nobody holds the slave open: the master reports a hang-up until someone
                // opens it again. Look again later instead of spinning on the condition.
                backoff = true;
            }
            if (replay_) {
                replay_->poll(nowMs());
                replies = replay_->takeReplies();
                messages = replay_->takeMessages();
            } else {
                protocol_.poll(nowMs());
                replies = protocol_.takeReplies();
            }
            restartsAfter = protocol_.counts().restart;
        }
        if (restartsAfter != restartsBefore && onRestart_) onRestart_();
        if (onReplayMessage_)
            for (const std::string& m : messages) onReplayMessage_(m);
        for (const Reply& reply : replies) {
            if (stopRequested_) break;
            sendReply(reply);
        }
        if (backoff && !sleepInterruptible(kHangupBackoffMs)) break;
    }
}

void PtySimulator::writeTrace(const TraceEntry& e) {
    if (!traceFile_) return;
    const char* dir = e.direction == TraceDirection::Rx   ? "rx"
                      : e.direction == TraceDirection::Tx ? "tx"
                                                          : "junk";
    std::fprintf(traceFile_, "%lld %s", static_cast<long long>(e.ms), dir);
    for (std::uint8_t b : e.bytes) std::fprintf(traceFile_, " %02X", b);
    std::fputc('\n', traceFile_);
}

Memory PtySimulator::memory() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return protocol_.memory();
}

void PtySimulator::setMemory(const Memory& m) {
    std::lock_guard<std::mutex> lock(mutex_);
    protocol_.setMemory(m);
}

void PtySimulator::setIdentity(const Identity& id) {
    std::lock_guard<std::mutex> lock(mutex_);
    protocol_.setIdentity(id);
}

void PtySimulator::setFaults(const Faults& f) {
    std::lock_guard<std::mutex> lock(mutex_);
    protocol_.setFaults(f);
}

FrameCounts PtySimulator::counts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return protocol_.counts();
}

void PtySimulator::withProtocol(const std::function<void(ModuleProtocol&)>& fn) {
    std::lock_guard<std::mutex> lock(mutex_);
    fn(protocol_);
}

}  // namespace brenvox::sim
