#pragma once
// The remembered port selection: "System/Conf" beside the program, in the settings file format,
// with the integer entries PORTTYPE (index of the port type box) and PORTNUM (index of the port
// number box, 0..7 for ports 1..8), and, only when the module was found on a device those boxes
// cannot name (/dev/ttyACM0, COM12), the string entry PORTDEV after them. Readers skip keys they
// do not know, so a copy of the program from before PORTDEV still reads its two entries.
#include <cstdint>
#include <string>
#include <system_error>

#include "files/safe_file.h"

namespace brenvox {

struct PortConfig {
    int32_t portType = 0;    // 0 "COM", 1 "USB", 2 "IrDA"
    int32_t portNum = 0;     // port number - 1
    std::string portDevice;  // the device to open instead of the boxes' port; empty: the boxes'

    bool operator==(const PortConfig&) const = default;
};

// The entries read, and why the file could not be opened or read, as the system said it (empty
// when it was read, and when it was read but malformed).
struct PortConfigRead : PortConfig {
    std::error_code error;
};

// A missing, unreadable or malformed file gives the defaults, or keeps the entries read before
// the fault. Values come back as stored; the GUI leaves a box without selection when an index
// lies outside its list.
PortConfigRead ReadPortConfig(const std::string& path);

// Writes the entries safely (a failed write leaves a previous file as it was); PORTDEV only when
// a device is given, so a file without one is what every copy of the program writes. The folder
// is never created. The result, with the cause, is only for tests and callers that care: the GUI
// stays silent.
FileWriteResult WritePortConfig(const std::string& path, int32_t portType, int32_t portNum,
                                const std::string& portDevice = {});

}  // namespace brenvox
