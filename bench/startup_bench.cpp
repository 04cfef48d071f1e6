// Start-up time of Brenvox against a bare Qt Widgets window, on a virtual X display.
//
// Starts its own Xvfb (a free display number chosen by the server itself), watches the root
// window for newly mapped top-level windows and, rotating the programs' order round by round,
// times each from fork() until its first normal window is mapped. The program is then ended
// (SIGTERM, by its process id) and the next one starts. Medians of the runs and the ratios are
// printed. Interleaving keeps a machine that gets busier or quieter during the run from favouring
// one of them; one round is thrown away first, so none pays for a cold disk cache.
//
// The bare window with one label in a layout is timed too: it shows what Qt's font database,
// which any window with text loads before it maps, costs on this machine.
//
//   brenvox_startup_bench [RUNS] [BRENVOX] [BARE_WINDOW] [TEXT_WINDOW]
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Our own X server; -displayfd makes it pick a free display and tell us its number.
struct VirtualDisplay {
    pid_t pid = -1;
    std::string name;

    bool Start() {
        int fds[2];
        if (pipe(fds) != 0) return false;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The number arrives as digits and a newline, possibly in separate writes: closing the
        // pipe before the newline would make the server fail on its second write.
        std::string number;
        char c = 0;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty() || c != '\n') return false;
        name = ":" + number;
        return true;
    }
    ~VirtualDisplay() {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

class MapWatcher {
public:
    bool Connect(const std::string& display) {
        conn_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(conn_)) return false;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(conn_);
        return true;
    }
    ~MapWatcher() {
        if (conn_) xcb_disconnect(conn_);
    }

    // Drops whatever the previous program left in the queue (its windows being destroyed).
    void Drain() {
        Sync();
        while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) free(e);
    }

    // Waits for a top-level window that is not a pop-up (override-redirect) to be mapped.
    bool WaitForMap(int timeoutMs) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        const int fd = xcb_get_file_descriptor(conn_);
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) {
                const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                    !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
                free(e);
                if (mapped) return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || xcb_connection_has_error(conn_)) return false;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, static_cast<int>(left.count()));
        }
    }

private:
    void Sync() { free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr)); }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
};

// One start: milliseconds from fork() to the map, or a negative value when it never mapped.
double TimeStart(MapWatcher& watcher, const std::string& display, const char* program) {
    watcher.Drain();
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) return -1;
    const bool mapped = watcher.WaitForMap(20000);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return mapped ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const char* brenvox = argc > 2 ? argv[2] : BRENVOX_PATH;
    const char* bare = argc > 3 ? argv[3] : BARE_WINDOW_PATH;
    const char* text = argc > 4 ? argv[4] : TEXT_WINDOW_PATH;

    VirtualDisplay display;
    if (!display.Start()) {
        std::fprintf(stderr, "startup bench: Xvfb could not be started\n");
        return 1;
    }
    MapWatcher watcher;
    if (!watcher.Connect(display.name)) {
        std::fprintf(stderr, "startup bench: no connection to %s\n", display.name.c_str());
        return 1;
    }

    // Each round starts the three programs in a rotated order, so none is always first.
    const char* programs[3] = {brenvox, bare, text};
    std::vector<double> times[3];
    for (int i = -1; i < runs; ++i) {
        double round[3];
        for (int k = 0; k < 3; ++k) {
            const int p = (k + i + 1) % 3;
            round[p] = TimeStart(watcher, display.name, programs[p]);
            if (round[p] < 0) {
                std::fprintf(stderr, "startup bench: %s never mapped a window (run %d)\n", programs[p],
                             i + 1);
                return 1;
            }
        }
        if (i < 0) continue;  // warm-up
        for (int p = 0; p < 3; ++p) times[p].push_back(round[p]);
    }
    const char* names[3] = {"Brenvox", "bare Qt window", "bare window + label"};
    double medians[3];
    std::printf("start-up until the main window is mapped, median of %d interleaved runs on Xvfb %s\n", runs,
                display.name.c_str());
    for (int p = 0; p < 3; ++p) {
        medians[p] = Median(times[p]);
        std::printf("  %-20s %7.1f ms  (min %.1f, max %.1f)\n", names[p], medians[p],
                    *std::min_element(times[p].begin(), times[p].end()),
                    *std::max_element(times[p].begin(), times[p].end()));
    }
    std::printf("  ratio to the bare window        %5.2f   (target 1.50 or less)\n", medians[0] / medians[1]);
    std::printf("  ratio to the window with text   %5.2f\n", medians[0] / medians[2]);
    return 0;
}
