// Transfer times against the protocol's floor.
//
// Starts brenvox-modsim on a pseudo-terminal, runs Program, Compare and Read through SerialLink
// (the real port code, the real transfer engine on its worker thread) several times each and
// prints the median time with its ratio to the floor.
//
// The floor is what the protocol itself costs, computed from its frames:
//   - every reply is only known to be complete 10 ms after its last byte (the read's interval
//     time-out), so each request/reply exchange costs at least 10 ms of silence;
//   - the wake pairs sleep 5 x 50 ms, the restart commands 3 x 50 ms;
//   - after the restart the sign of life (16 bytes here) is one more reply with its 10 ms;
//   - every byte sent or received costs 10 bits of wire time at the link's baud rate (86.8 us).
// A pseudo-terminal has no wire time, so a second floor without it is printed too; that one is
// the fair measure of what the software adds over a pseudo-terminal.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "link/serial_link.h"
#include "link/transfer.h"
#include "link/transfer_worker.h"
#include "operation/transfer_session.h"

using namespace brenvox;

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / link::kBaud;
constexpr int kRestartSignBytes = 16;

struct Floor {
    int exchanges = 0;
    long bytes = 0;
    double sleepsMs = 0;
    double WithWire() const { return WithoutWire() + bytes * kByteMs; }
    double WithoutWire() const { return exchanges * double{link::kReadIntervalMs} + sleepsMs; }
};

Floor FloorOf(OperationMode mode) {
    Floor f;
    f.sleepsMs = link::kWakePairs * link::kWakePauseMs + link::kRestartCommands * link::kRestartPauseMs;
    f.bytes += link::kWakePairs * 2;
    f.exchanges += 1;  // identify: 2 bytes out, 5 back
    f.bytes += 2 + 5;
    for (size_t pos = 0; pos < link::kMemorySize; pos += link::BlockSize(pos)) {
        const long n = static_cast<long>(link::BlockSize(pos));
        if (mode == OperationMode::Program) {
            f.exchanges += 2;  // write + acknowledgement, read-back
            f.bytes += (n + 5) + 2 + 5 + (n + 5);
        }
        f.exchanges += 1;  // the check pass
        f.bytes += 5 + (n + 5);
    }
    f.bytes += link::kRestartCommands * 2;
    f.exchanges += 1;  // the sign of life ends with the same 10 ms of silence
    f.bytes += kRestartSignBytes;
    return f;
}

struct NullObserver : TransferObserver {
    void OnLinkEvent(LinkEvent) override {}
};

pid_t StartModsim(std::string& device) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(BRENVOX_MODSIM_PATH, BRENVOX_MODSIM_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') device += c;
    close(fds[0]);
    return pid;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string device;
    const pid_t sim = StartModsim(device);
    if (sim <= 0 || device.empty()) {
        std::fprintf(stderr, "cannot start brenvox-modsim\n");
        return 2;
    }
    SerialLink port;
    if (!OpenModulePort(port, device)) {
        std::fprintf(stderr, "cannot open %s\n", device.c_str());
        kill(sim, SIGTERM);
        waitpid(sim, nullptr, 0);
        return 2;
    }
    TransferState state;
    // Every block costs the same whatever it holds, so the default settings serve as well as any.
    PrepareImages(state, ModuleSettings{});
    NullObserver observer;
    int status = 0;
    std::printf("brenvox-modsim on %s, %d runs each, median and best shown\n", device.c_str(), runs);
    const std::string floorTitle = "floor@" + std::to_string(link::kBaud);
    std::printf("%-8s %10s %10s %14s %7s %14s %7s %7s\n", "mode", "median ms", "best ms", floorTitle.c_str(),
                "ratio", "floor no-wire", "ratio", "best");
    const struct {
        const char* name;
        OperationMode mode;
    } modes[] = {{"program", OperationMode::Program},
                 {"compare", OperationMode::Compare},
                 {"read", OperationMode::Read}};
    for (const auto& m : modes) {
        std::vector<double> times;
        for (int r = 0; r < runs; ++r) {
            state.currentMode = m.mode;
            const auto t0 = std::chrono::steady_clock::now();
            // On the worker thread, as the GUI and the CLI run it.
            TransferWorker worker;
            worker.Start(port, state, observer);
            worker.Join();
            const LinkOutcome o = state.transferOutcome.load();
            const auto t1 = std::chrono::steady_clock::now();
            if (o != LinkOutcome::Success) {
                std::fprintf(stderr, "%s: outcome %d\n", m.name, static_cast<int>(o));
                status = 1;
            }
            times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const double best = times.front();
        const Floor f = FloorOf(m.mode);
        std::printf("%-8s %10.1f %10.1f %14.1f %7.3f %14.1f %7.3f %7.3f  (%d exchanges, %ld bytes)\n", m.name,
                    median, best, f.WithWire(), median / f.WithWire(), f.WithoutWire(),
                    median / f.WithoutWire(), best / f.WithoutWire(), f.exchanges, f.bytes);
    }
    port.Close();
    kill(sim, SIGTERM);
    waitpid(sim, nullptr, 0);
    return status;
}
