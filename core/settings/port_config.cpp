#include "settings/port_config.h"

#include "settings/settings_file.h"

namespace brenvox {

PortConfigRead ReadPortConfig(const std::string& path) {
    PortConfigRead cfg;
    SettingsFile f;
    if (!f.OpenForReading(path)) {
        cfg.error = f.error();
        return cfg;
    }
    std::string key;
    while (f.NextKey(key) == 1) {
        int32_t v = 0;
        if (key == "PORTTYPE") {
            if (!f.ReadIntegerValue(v)) break;
            cfg.portType = v;
        } else if (key == "PORTNUM") {
            if (!f.ReadIntegerValue(v)) break;
            cfg.portNum = v;
        } else if (key == "PORTDEV") {
            std::string device;
            if (!f.ReadStringValue(device)) break;
            cfg.portDevice = device;
        }
    }
    f.CloseConfigFile();
    cfg.error = f.error();
    return cfg;
}

FileWriteResult WritePortConfig(const std::string& path, int32_t portType, int32_t portNum,
                                const std::string& portDevice) {
    SettingsFile f;
    if (!f.OpenForWriting(path)) return {f.error()};
    f.WriteIntegerValue("PORTTYPE", portType);
    f.WriteIntegerValue("PORTNUM", portNum);
    if (!portDevice.empty()) f.WriteStringValue("PORTDEV", portDevice);
    f.CloseConfigFile();
    return {f.error()};
}

}  // namespace brenvox
