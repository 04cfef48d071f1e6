#pragma once
// The line that follows "Błąd - problem z portem transmisji!": why the port did not open and
// what the user can do about it, in the program's Polish. The progress window and the CLI show
// the same line.
#include <string>
#include <vector>

#include "link/serial_link.h"

namespace brenvox {

// `present` is what ListSerialDevices finds now; it is named when the device does not exist.
std::string PortFaultLine(const PortOpenError& error, const std::vector<SerialDeviceInfo>& present);

}  // namespace brenvox
