// Free baud rates through termios2. Kept in its own file: the kernel's termbits header and the
// C library's termios.h define the same names and cannot meet in one translation unit.
#include <cstdint>

#include "link/serial_link_detail.h"

#if defined(__linux__)
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace brenvox::detail {

bool SetCustomBaud(int fd, int32_t baud) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(baud);
    tio.c_ospeed = static_cast<speed_t>(baud);
    return ioctl(fd, TCSETS2, &tio) == 0;
}

}  // namespace brenvox::detail
#else
namespace brenvox::detail {
bool SetCustomBaud(int, int32_t) {
    return false;
}
}  // namespace brenvox::detail
#endif
