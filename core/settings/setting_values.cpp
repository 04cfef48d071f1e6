#include "settings/setting_values.h"

#include <cstdio>

#include "settings/cp1250.h"

namespace brenvox {
namespace {

std::string EscapedUtf8(const std::string& cp1250) {
    std::string out;
    for (char c : cp1250) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == '\\') {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += Cp1250ToUtf8(std::string_view(&c, 1));
        }
    }
    return out;
}

}  // namespace

std::string ShownValue(const ModuleSettings& s, const SettingKey& k) {
    switch (k.kind) {
        case ValueKind::String:
            return EscapedUtf8(GetString(s, k));
        case ValueKind::Integer:
            return std::to_string(GetInt(s, k));
        case ValueKind::Boolean:
            return GetBool(s, k) ? "1" : "0";
    }
    return {};
}

std::vector<std::string> DifferenceLines(const ModuleSettings& a, const ModuleSettings& b) {
    std::vector<std::string> lines;
    for (const SettingKey& k : SettingKeys()) {
        const std::string va = ShownValue(a, k), vb = ShownValue(b, k);
        if (va != vb) lines.push_back(k.name + ": " + va + " -> " + vb);
    }
    return lines;
}

}  // namespace brenvox
