#include "settings/port_config.h"

#include "settings/settings_file.h"

namespace brenvox {

PortConfig ReadPortConfig(const std::string& path) {
    PortConfig cfg;
    SettingsFile f;
    if (!f.OpenForReading(path)) return cfg;
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
    return cfg;
}

bool WritePortConfig(const std::string& path, int32_t portType, int32_t portNum,
                     const std::string& portDevice) {
    SettingsFile f;
    if (!f.OpenForWriting(path)) return false;
    f.WriteIntegerValue("PORTTYPE", portType);
    f.WriteIntegerValue("PORTNUM", portNum);
    if (!portDevice.empty()) f.WriteStringValue("PORTDEV", portDevice);
    return f.CloseConfigFile();
}

}  // namespace brenvox
