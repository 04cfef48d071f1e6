#pragma once
// The serial port the link speaks through: one port per object, opened and configured for raw
// 8N1 without flow control, DTR and RTS raised while open. POSIX (termios) and Win32 each have
// their own source file with the same behaviour.
//
// Threads: OpenPort/ClosePort run on the GUI thread while a transfer's worker may be inside
// ReadPort/WritePort/PurgePort. Closing interrupts a waiting read at once; a read, write or purge
// that finds the port closed does nothing (a read returns 0), so a worker that outlives its port
// just sees no replies and ends with an error outcome.
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
enum PortType : int { PortTypeCom = 0, PortTypeUsb = 1, PortTypeIrda = 2 };
// Their names, indexed by PortType: the main window's list, the CLI's --type, the port listing.
inline constexpr std::array<std::string_view, 3> kPortTypeNames = {"COM", "USB", "IrDA"};
// Port numbers run from 1 to this, in every port type.
inline constexpr int kPortNumberMax = 8;

// The device a port type and number stand for. POSIX: "COM" n -> /dev/ttyS(n-1), "USB" n ->
// /dev/ttyUSB(n-1), "IrDA" n -> /dev/ircomm(n-1). Windows: every type is "COM" n. Empty for a
// number below 1 or an unknown type.
std::string PortDevicePath(int portType, int portNumber);

// Why a port did not open, kept from the system's own answer so that the user can be told what
// to do about it rather than only that it failed.
enum class PortFault {
    None,
    NotChosen,     // no port number given (or a type that names no device)
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
    int portType = PortTypeCom;
    int portNumber = 0;  // 1..kPortNumberMax
};
std::optional<NumberedPort> NumberedPortOf(const std::string& path);

struct SerialDeviceInfo {
    std::string path;    // what OpenDevice takes
    int portType = -1;   // PortType when the device maps back to a type and number, else -1
    int portNumber = 0;  // 1-based, 0 when it does not map back
    // What a person knows the device by, where the system says it (empty otherwise): nobody in
    // the field knows whether the module is on ttyUSB0 or ttyUSB1, but the adapter's name is
    // written on the cable. Windows: `product` is the name the system shows ("USB-SERIAL CH340
    // (COM5)"). Defaulted, so that lists giving only the first three stay complete.
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

// What a person recognises the device by, in one line: the name, the maker, the serial number,
// the USB ids and the lasting name, those that are known, joined by commas; empty when none is.
std::string DeviceDescription(const SerialDeviceInfo& device);

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
    bool OpenPort(int32_t portNumber, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs,
                  int portType = PortTypeCom);
    // The same with an explicit device path (a pseudo-terminal, /dev/ttyACM0, "COM12"...); the
    // port number check does not apply.
    bool OpenDevice(const std::string& path, int32_t baud, int32_t readTotalMs, int32_t readIntervalMs);

    // Why the last OpenPort / OpenDevice returned false (fault None after a successful open).
    const PortOpenError& openError() const { return openError_; }

    // Drops DTR and RTS, purges and closes. False when no port is open.
    bool ClosePort();
    bool IsOpen() const;

    // Both queues emptied, pending output discarded.
    void PurgePort();
    // Sends all bytes (no time-out of its own; a close ends it).
    void WritePort(const uint8_t* data, int32_t count);
    // See Port::Read: returns at `cap` bytes, after the interval time-out following a received
    // byte, or after the total time-out; 0 when nothing came or the port is closed.
    int32_t ReadPort(uint8_t* buf, int32_t cap);

    void Purge() override { PurgePort(); }
    void Write(const uint8_t* data, size_t count) override;
    size_t Read(uint8_t* buf, size_t cap) override;

    struct Impl;  // platform part

private:
    std::unique_ptr<Impl> impl_;
    PortOpenError openError_;
};

}  // namespace brenvox
