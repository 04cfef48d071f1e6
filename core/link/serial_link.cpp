// The platform-independent part of SerialLink: the Port interface on top of the port calls.
#include "link/serial_link.h"

#include <limits>

#include "i18n/translate.h"
#include "link/serial_link_detail.h"

namespace brenvox {

// The port number and type name the device; the platform file opens it.
bool SerialLink::OpenPort(int32_t portNumber, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs,
                          int portType) {
    const std::string path = detail::PortNumberValid(portNumber) ? PortDevicePath(portType, portNumber) : "";
    if (path.empty()) {
        openError_ = {PortFault::NotChosen, {}, {}, {}, {}};
        return false;
    }
    return OpenDevice(path, baud, readTotalMs, readIntervalMs);
}

std::optional<NumberedPort> NumberedPortOf(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // In the order of the type box, so that on Windows, where every type names COM n, a COM
    // port comes back as "COM".
    for (int type = PortTypeCom; type <= PortTypeIrda; ++type)
        for (int number = 1; number <= kPortNumberMax; ++number)
            if (PortDevicePath(type, number) == path) return NumberedPort{type, number};
    return std::nullopt;
}

std::string DeviceDescription(const SerialDeviceInfo& device) {
    std::string out;
    auto add = [&out](const std::string& part) {
        if (part.empty()) return;
        if (!out.empty()) out += ", ";
        out += part;
    };
    add(device.product);
    add(device.manufacturer);
    if (!device.serial.empty()) add(TrFormat(BRENVOX_TEXT("nr seryjny %1"), {device.serial}));
    if (!device.vidPid.empty()) add("USB " + device.vidPid);
    add(device.byId);
    return out;
}

void SerialLink::Write(const uint8_t* data, size_t count) {
    // Frames are at most a few dozen bytes; anything larger than an int32 is not ours to send.
    if (count > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return;
    WritePort(data, static_cast<int32_t>(count));
}

size_t SerialLink::Read(uint8_t* buf, size_t cap) {
    const size_t limited = std::min<size_t>(cap, std::numeric_limits<int32_t>::max());
    const int32_t got = ReadPort(buf, static_cast<int32_t>(limited));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

}  // namespace brenvox
