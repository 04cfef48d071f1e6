// SerialLink in the browser: the serial port the person chose in the browser's own picker,
// through Web Serial (web/brenvox_library.js). The page asks for the port before an operation
// opens it, so the device name given here only names the port in messages. Opening and reading
// wait for the browser: the page's thread is given back meanwhile (transfer_task_web.cpp).
#include <algorithm>
#include <string>

#include "link/serial_link.h"
#include "link/serial_link_detail.h"

extern "C" {
// 0 when the chosen port opened at `baud` 8N1 without flow control, with DTR and RTS raised;
// otherwise the PortFault that tells why, with the browser's words in
// brenvox_web_port_error_text.
int brenvox_web_port_open(int baud);
int brenvox_web_port_error_text(char* buf, int cap);  // length copied, without a terminator
void brenvox_web_port_close();
void brenvox_web_port_purge();
void brenvox_web_port_write(const uint8_t* data, int count);
// As Port::Read: at `cap` bytes, `intervalMs` after the last byte, or `totalMs` in all.
int brenvox_web_port_read(uint8_t* buf, int cap, int totalMs, int intervalMs);
}

namespace brenvox {

// The page never sees device names: the browser keeps them to itself. The boxes' names stand in.
std::string PortDevicePath(int portType, int portNumber) {
    if (portNumber < 1 || portType < 0 || portType >= static_cast<int>(kPortTypeNames.size())) return {};
    return std::string(kPortTypeNames[static_cast<size_t>(portType)]) + std::to_string(portNumber);
}

// A page may see only the ports the person granted it, and asks for them without waiting.
std::vector<SerialDeviceInfo> ListSerialDevices(const DeviceRoots& /*roots*/) {
    return {};
}

struct SerialLink::Impl {
    bool open = false;
    int32_t totalMs = 200;
    int32_t intervalMs = 10;
};

SerialLink::SerialLink() : impl_(std::make_unique<Impl>()) {}

SerialLink::~SerialLink() {
    ClosePort();
}

bool SerialLink::IsOpen() const {
    return impl_->open;
}

bool SerialLink::OpenDevice(const std::string& path, int32_t baud, int32_t readTotalMs,
                            int32_t readIntervalMs) {
    if (impl_->open || !detail::OpenArgumentsValid(baud, readTotalMs, readIntervalMs)) return false;
    const int fault = brenvox_web_port_open(baud);
    if (fault != 0) {
        openError_ = {};
        openError_.fault = fault > 0 && fault <= static_cast<int>(PortFault::Other)
                               ? static_cast<PortFault>(fault)
                               : PortFault::Other;
        openError_.device = path;
        char text[256];
        const int n = brenvox_web_port_error_text(text, static_cast<int>(sizeof text));
        openError_.systemText.assign(text,
                                     static_cast<size_t>(std::clamp(n, 0, static_cast<int>(sizeof text))));
        return false;
    }
    openError_ = {};
    impl_->open = true;
    impl_->totalMs = readTotalMs;
    impl_->intervalMs = readIntervalMs;
    return true;
}

bool SerialLink::ClosePort() {
    if (!impl_->open) return false;
    impl_->open = false;
    brenvox_web_port_close();
    return true;
}

void SerialLink::PurgePort() {
    if (impl_->open) brenvox_web_port_purge();
}

void SerialLink::WritePort(const uint8_t* data, int32_t count) {
    if (impl_->open && data && count > 0) brenvox_web_port_write(data, count);
}

int32_t SerialLink::ReadPort(uint8_t* buf, int32_t cap) {
    if (!impl_->open || !buf || cap <= 0) return 0;
    return brenvox_web_port_read(buf, cap, impl_->totalMs, impl_->intervalMs);
}

}  // namespace brenvox
