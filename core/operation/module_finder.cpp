#include "operation/module_finder.h"

#include "operation/transfer_session.h"

namespace brenvox {

ProbeResult ProbeModule(const std::string& device) {
    ProbeResult r;
    SerialLink link;
    if (!OpenModulePort(link, device)) {
        r.portError = link.openError();
        return r;
    }
    r.opened = true;
    r.answered = IdentifyModule(link, r.module);
    link.Close();
    return r;
}

const DeviceProbe* ModuleSearch::found() const {
    for (const DeviceProbe& p : asked)
        if (p.result.answered) return &p;
    return nullptr;
}

ModuleSearch SearchForModule(const std::vector<SerialDeviceInfo>& devices, SearchUntil until,
                             const std::atomic<bool>& stop, const ModuleSearchHooks& hooks) {
    ModuleSearch search;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (stop.load()) {
            search.stopped = true;
            break;
        }
        if (hooks.asking) hooks.asking(i, devices.size(), devices[i]);
        search.asked.push_back({devices[i], ProbeModule(devices[i].path)});
        if (hooks.asked) hooks.asked(search.asked.back());
        if (until == SearchUntil::FirstModule && search.asked.back().result.answered) break;
    }
    return search;
}

}  // namespace brenvox
