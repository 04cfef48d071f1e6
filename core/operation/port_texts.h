#pragma once
// What the program says about serial ports, in one place for the progress window, the finder
// and the CLI: why a port did not open and what the user can do about it (the line that follows
// "Błąd - problem z portem transmisji!"), the line a person recognises a device by, and that no
// port was found. In the user's language (UTF-8).
#include <string>
#include <string_view>
#include <vector>

#include "i18n/translate.h"
#include "link/serial_link.h"

namespace brenvox {

// How the user tries the same port again. The command line and the finder simply run again;
// the progress window cannot (its "Powtórz" stays disabled when the port never opened), so
// there the way on goes through closing it.
enum class PortRetry { RunAgain, CloseWindow };

// `present` is what ListSerialDevices finds now; it is named when the device does not exist.
std::string PortFaultLine(const PortOpenError& error, const std::vector<SerialDeviceInfo>& present,
                          PortRetry retry = PortRetry::RunAgain);

// What a person recognises the device by, in one line: the name, the maker, the serial number,
// the USB ids and the lasting name, those that are known, joined by commas; empty when none is.
std::string DeviceDescription(const SerialDeviceInfo& device);

// A device list that came back empty (Polish; shown through Tr).
inline constexpr std::string_view kNoSerialPorts = BRENVOX_TEXT("Nie wykryto żadnego portu szeregowego.");

}  // namespace brenvox
