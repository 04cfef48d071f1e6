#pragma once
// The line that follows "Błąd - problem z portem transmisji!": why the port did not open and
// what the user can do about it, in the program's Polish. The progress window and the CLI show
// the same line.
#include <string>
#include <vector>

#include "link/serial_link.h"

namespace brenvox {

// How the user tries the same port again. The command line and the finder simply run again;
// the progress window cannot (its "Powtórz" stays disabled when the port never opened), so
// there the way on goes through closing it.
enum class PortRetry { RunAgain, CloseWindow };

// `present` is what ListSerialDevices finds now; it is named when the device does not exist.
std::string PortFaultLine(const PortOpenError& error, const std::vector<SerialDeviceInfo>& present,
                          PortRetry retry = PortRetry::RunAgain);

}  // namespace brenvox
