#pragma once
// The byte pipe that the transfer engine talks through. A real serial port, the in-process fake of
// the tests and a pseudo-terminal all fit behind it, so the engine never knows which one it has.
#include <cstddef>
#include <cstdint>

namespace brenvox {

class Port {
public:
    virtual ~Port() = default;

    // Throws away everything pending in both directions: bytes not yet sent and bytes received
    // but not yet read. Does nothing when the port is not open.
    virtual void Purge() = 0;

    // Sends `count` bytes. The result is not reported; a closed port or a null buffer sends
    // nothing.
    virtual void Write(const uint8_t* data, size_t count) = 0;

    // Reads at most `cap` bytes into `buf` and returns how many came. The read returns as soon
    // as the first of these happens:
    //   - `cap` bytes have come (the link reads with cap 256, the largest reply fits);
    //   - 10 ms have passed after a received byte without a further one (the end of a reply is
    //     found by silence: frames carry no length and no end marker);
    //   - 200 ms have passed since the read began.
    // Returns 0 when nothing came, on failure, when the port is not open, or when buf is null or
    // cap is 0. (The 200 / 10 ms figures are those the link opens the port with; SerialLink takes
    // them as its open arguments.)
    virtual size_t Read(uint8_t* buf, size_t cap) = 0;

    // Waits between wake pairs and restart commands. A port with its own clock (the in-process
    // fake of the tests, which runs on simulated time) overrides it; everyone else sleeps.
    virtual void Pause(int milliseconds);
};

}  // namespace brenvox
