#pragma once
// Checks and helpers shared by the platform files of SerialLink; not for other users.
#include <cstdint>

#include "link/serial_link.h"

namespace brenvox::detail {

inline bool PortNumberValid(int32_t portNumber) {
    return portNumber >= 1 && portNumber <= kPortNumberMax;
}

inline bool OpenArgumentsValid(int32_t baud, int32_t readTotalMs, int32_t readIntervalMs) {
    return baud >= 110 && baud <= 256000 && readTotalMs >= 0 && readIntervalMs >= 0;
}

// POSIX only: sets a rate that has no termios constant (256000 and the like). False when the
// driver refuses it.
bool SetCustomBaud(int fd, int32_t baud);

}  // namespace brenvox::detail
