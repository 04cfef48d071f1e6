#pragma once
// Finding the module: every serial device asked in turn who is on it, each opened as a transfer
// would open it, woken, asked to identify itself and closed again (ProbeModule; nothing is
// written). `brenvox-cli ports --probe` and the program's "Szukaj modułu" run this same loop.
//
// Threads: the loop runs on its caller's thread (the program's on a thread of its own, as a
// silent device takes over a second); the stop flag may be set from any thread and is looked at
// between devices, so a stop takes effect once the device being asked has been closed again.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_link.h"
#include "link/transfer.h"

namespace brenvox {

// What `brenvox-cli ports --probe` and the program's "find the module" ask of one device: open it
// as a transfer would, wake and identify the module, close it. Nothing is written to the module.
struct ProbeResult {
    bool opened = false;
    PortOpenError portError;  // when not opened
    bool answered = false;
    ModuleInfo module{};  // when answered
};
ProbeResult ProbeModule(const std::string& device);

// One device and what it said.
struct DeviceProbe {
    SerialDeviceInfo device;
    ProbeResult result;
};

struct ModuleSearch {
    std::vector<DeviceProbe> asked;  // in the order they were asked
    bool stopped = false;            // the stop flag ended the search with devices left unasked
    // The first device a module answered on; null when none did.
    const DeviceProbe* found() const;
};

struct ModuleSearchHooks {
    // Before device `index` (from 0) of `count` is asked.
    std::function<void(std::size_t index, std::size_t count, const SerialDeviceInfo& device)> asking;
    // Once it has been asked and closed again.
    std::function<void(const DeviceProbe& probe)> asked;
};

enum class SearchUntil {
    FirstModule,  // the program wants one port to select
    EveryDevice,  // the port listing reports on each device
};

ModuleSearch SearchForModule(const std::vector<SerialDeviceInfo>& devices, SearchUntil until,
                             const std::atomic<bool>& stop, const ModuleSearchHooks& hooks = {});

}  // namespace brenvox
