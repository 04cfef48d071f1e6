// The platform-independent part of SerialLink: the port types, the numbered ports and the open
// by type and number; the platform files open a device and talk to it.
#include "link/serial_link.h"

#include <algorithm>

#include "link/serial_link_detail.h"

namespace brenvox {

std::optional<PortType> PortTypeAt(int index) {
    if (index < 0 || index >= static_cast<int>(kPortTypeNames.size())) return std::nullopt;
    return static_cast<PortType>(index);
}

std::optional<PortType> PortTypeNamed(std::string_view name) {
    const auto it = std::find(kPortTypeNames.begin(), kPortTypeNames.end(), name);
    if (it == kPortTypeNames.end()) return std::nullopt;
    return static_cast<PortType>(it - kPortTypeNames.begin());
}

// The port number and type name the device; the platform file opens it.
bool SerialLink::Open(PortType type, int32_t portNumber, int32_t baud, int32_t readTotalMs,
                      int32_t readIntervalMs) {
    const std::string path = detail::PortNumberValid(portNumber) ? PortDevicePath(type, portNumber) : "";
    if (path.empty()) {
        openError_ = {PortFault::NotChosen, {}, {}, {}, {}};
        return false;
    }
    return Open(path, baud, readTotalMs, readIntervalMs);
}

std::optional<NumberedPort> NumberedPortOf(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // In the order of the type box, so that on Windows, where every type names COM n, a COM
    // port comes back as "COM".
    for (const PortType type : {PortType::Com, PortType::Usb, PortType::Irda})
        for (int number = 1; number <= kPortNumberMax; ++number)
            if (PortDevicePath(type, number) == path) return NumberedPort{type, number};
    return std::nullopt;
}

}  // namespace brenvox
