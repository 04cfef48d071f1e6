// Helpers for talking to the simulator over a real pseudo-terminal, as the PC would.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace simtest {

using Bytes = std::vector<std::uint8_t>;

inline Bytes WithChk(Bytes f) {
    unsigned s = 0;
    for (auto b : f) s += b;
    f.push_back(static_cast<std::uint8_t>((256 - s % 256) % 256));
    return f;
}

// Opens the device raw, like a serial port; -1 on failure.
inline int OpenRaw(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
    return fd;
}

inline void SendFrame(int fd, const Bytes& b) {
    tcflush(fd, TCIOFLUSH);
    [[maybe_unused]] ssize_t w = ::write(fd, b.data(), b.size());
}

struct ReadResult {
    Bytes bytes;
    bool hangup = false;  // the other end went away (error or end of file)
};

// Reads until `want` bytes came or `limitMs` passed. The limit is generous: it only bounds a
// test that would otherwise hang, the outcome is judged by the bytes.
inline ReadResult ReadFor(int fd, std::size_t want, int limitMs) {
    ReadResult res;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (res.bytes.size() < want) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now())
                .count();
        if (left <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        std::uint8_t buf[256];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            res.bytes.insert(res.bytes.end(), buf, buf + n);
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            res.hangup = true;
            break;
        }
    }
    return res;
}

}  // namespace simtest
