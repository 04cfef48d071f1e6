// SerialLink in the browser: the serial port the person chose in the browser's own picker,
// through Web Serial (web/src/port.js, reached through web/src/brenvox_library.js). The page asks for the
// port before an operation opens it, so the device name given here only names the port in messages. Opening
// and reading wait for the browser: the page's thread is given back meanwhile (transfer_worker_web.cpp).
#include <algorithm>
#include <climits>
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
std::string PortDevicePath(PortType type, int portNumber) {
    if (portNumber < 1) return {};
    return std::string(PortTypeName(type)) + std::to_string(portNumber);
}

// A page may see only the ports the person granted it, and asks for them without waiting.
std::vector<SerialDeviceInfo> ListSerialDevices(const DeviceRoots& /*roots*/) {
    return {};
}

struct SerialLink::Impl {
    bool open = false;
    int32_t totalMs = 0;  // set by Open
    int32_t intervalMs = 0;
};

SerialLink::SerialLink() : impl_(std::make_unique<Impl>()) {}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::IsOpen() const {
    return impl_->open;
}

bool SerialLink::Open(const std::string& path, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs) {
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

bool SerialLink::Close() {
    if (!impl_->open) return false;
    impl_->open = false;
    brenvox_web_port_close();
    return true;
}

void SerialLink::Purge() {
    if (impl_->open) brenvox_web_port_purge();
}

void SerialLink::Write(const uint8_t* data, size_t count) {
    // Frames are at most a few dozen bytes; anything larger than an int is not ours to send.
    if (!impl_->open || !data || count == 0 || count > static_cast<size_t>(INT_MAX)) return;
    brenvox_web_port_write(data, static_cast<int>(count));
}

size_t SerialLink::Read(uint8_t* buf, size_t cap) {
    if (!impl_->open || !buf || cap == 0) return 0;
    const int limited = static_cast<int>(std::min<size_t>(cap, INT_MAX));
    const int got = brenvox_web_port_read(buf, limited, impl_->totalMs, impl_->intervalMs);
    return got > 0 ? std::min(static_cast<size_t>(got), cap) : 0;
}

}  // namespace brenvox
