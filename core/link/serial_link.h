#pragma once
// The serial port the link speaks through: one port per object, opened and configured for raw
// 8N1 without flow control, DTR and RTS raised while open. POSIX (termios) and Win32 each have
// their own source file with the same behaviour.
//
// Threads: Open/Close run on the GUI thread while a transfer's worker may be inside
// Read/Write/Purge. Closing interrupts a waiting read at once; a read, write or purge that finds
// the port closed does nothing (a read returns 0), so a worker that outlives its port just sees
// no replies and ends with an error outcome.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/port.h"

namespace brenvox {

// Port types of the main window's list: "COM", "USB", "IrDA".
enum class PortType : int { Com = 0, Usb = 1, Irda = 2 };
// Their names, in the order of PortType: the main window's list, the CLI's --type, the port
// listing.
inline constexpr std::array<std::string_view, 3> kPortTypeNames = {"COM", "USB", "IrDA"};
// Port numbers run from 1 to this, in every port type.
inline constexpr int kPortNumberMax = 8;

inline std::string_view PortTypeName(PortType type) {
    return kPortTypeNames[static_cast<size_t>(type)];
}
// The type at `index` of that list (the type box's index, the port configuration's PORTTYPE),
// and the type of a name in it; nothing outside the list.
std::optional<PortType> PortTypeAt(int index);
std::optional<PortType> PortTypeNamed(std::string_view name);

// The device a port type and number stand for. POSIX: "COM" n -> /dev/ttyS(n-1), "USB" n ->
// /dev/ttyUSB(n-1), "IrDA" n -> /dev/ircomm(n-1). Windows: every type is "COM" n. Empty for a
// number below 1.
std::string PortDevicePath(PortType type, int portNumber);

// Why a port did not open, kept from the system's own answer so that the user can be told what
// to do about it rather than only that it failed.
enum class PortFault {
    None,
    NotChosen,     // no port number given
    NoDevice,      // nothing of that name on this computer
    Busy,          // another program holds or locks the port
    AccessDenied,  // the user may not open the device
    NotSerial,     // the name opens something that is no serial port
    Other,         // anything else; systemText holds the system's words
};

struct PortOpenError {
    PortFault fault = PortFault::None;
    std::string device;      // the name that was tried
    std::string systemText;  // the system's description of the error, when it gave one
    std::string ownerGroup;  // AccessDenied where devices belong to a group: that group
    std::string userName;    // AccessDenied: the user the program runs as
};

// The port type and number whose device `path` is (PortDevicePath the other way round); nothing
// for a device outside that numbering (/dev/ttyACM0, /dev/ttyUSB8, COM12, a pseudo-terminal).
struct NumberedPort {
    PortType portType = PortType::Com;
    int portNumber = 0;  // 1..kPortNumberMax
    bool operator==(const NumberedPort&) const = default;
};
std::optional<NumberedPort> NumberedPortOf(const std::string& path);

struct SerialDeviceInfo {
    std::string path;  // what Open takes
    // The type and number boxes' port of this device, when it maps back to one.
    std::optional<NumberedPort> numbered = {};
    // What a person knows the device by, where the system says it (empty otherwise): nobody in
    // the field knows whether the module is on ttyUSB0 or ttyUSB1, but the adapter's name is
    // written on the cable. Windows: `product` is the name the system shows ("USB-SERIAL CH340
    // (COM5)"). Defaulted, so that lists giving only the first fields stay complete.
    std::string product = {};       // "FT232R USB UART"; a Bluetooth link: "Bluetooth" and its address
    std::string manufacturer = {};  // "FTDI"
    std::string serial = {};        // the adapter's serial number
    std::string vidPid = {};        // USB vendor and product id, "0403:6001"
    std::string byId = {};          // the name that stays with the adapter (/dev/serial/by-id/...)
};

// Where Linux describes its devices: the sysfs tree and the device folder. Tests lay out trees
// of their own; Windows asks the system and takes no roots.
struct DeviceRoots {
    std::string sys = "/sys";
    std::string dev = "/dev";
};

// The serial devices present on this computer, each with what the system says of it, in name
// order (ttyS2 before ttyS10). Linux: every tty with a device behind it (a UART slot that the
// driver found empty is left out) and every Bluetooth rfcomm link. Windows: every port of the
// system's device list, the registry's and the device names.
std::vector<SerialDeviceInfo> ListSerialDevices(const DeviceRoots& roots = {});

class SerialLink final : public Port {
public:
    SerialLink();
    ~SerialLink() override;  // closes the port when open
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens port `portNumber` (1..8) of the given type. Refused (false, nothing changed) when a
    // port is already open, the number is outside 1..8, the baud rate outside 110..256000 or a
    // time-out negative; false too when the device cannot be opened, is no character device, is
    // in use by someone else, or cannot be configured (never a half-open port).
    bool Open(PortType type, int32_t portNumber, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs);
    // The same with an explicit device path (a pseudo-terminal, /dev/ttyACM0, "COM12"...); the
    // port number check does not apply.
    bool Open(const std::string& path, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs);

    // Why the last Open returned false (fault None after a successful open).
    const PortOpenError& openError() const { return openError_; }

    // Drops DTR and RTS, purges and closes. False when no port is open.
    bool Close();
    bool IsOpen() const;

    // Port: both queues emptied and pending output discarded; all bytes sent (no time-out of
    // its own, a close ends it); a read as Port::Read describes, under the time-outs given to
    // Open.
    void Purge() override;
    void Write(const uint8_t* data, size_t count) override;
    size_t Read(uint8_t* buf, size_t cap) override;

    struct Impl;  // platform part

private:
    std::unique_ptr<Impl> impl_;
    PortOpenError openError_;
};

}  // namespace brenvox
