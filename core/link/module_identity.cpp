#include "link/module_identity.h"

namespace brenvox {

namespace {
// Type 3 modules answer like the others but are refused whatever version they report.
constexpr uint8_t kRefusedModuleType = 3;
}  // namespace

std::string_view ModuleTypeName(uint8_t moduleType) {
    switch (moduleType) {
        case 1:
            return "Nokia3330, 3410";
        case 2:
            return "Nokia5110";
        default:
            return {};
    }
}

std::optional<ModuleVersion> ModuleVersionOf(const ModuleInfo& info) {
    if (info.versionMajor != 1) return std::nullopt;
    if (info.versionMinor == 0) return ModuleVersion::V10;
    if (info.versionMinor == 1) return ModuleVersion::V11;
    return std::nullopt;
}

bool ModuleSupported(const ModuleInfo& info) {
    return info.moduleType != kRefusedModuleType && ModuleVersionOf(info).has_value();
}

}  // namespace brenvox
