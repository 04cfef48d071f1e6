#include "settings/app_paths.h"

#include <cstdlib>
#include <system_error>

#include "settings/app_paths_platform.h"

namespace brenvox {
namespace fs = std::filesystem;

std::optional<fs::path> app_paths_platform::AbsoluteFromEnv(const EnvLookup& env, const char* name) {
    const std::optional<std::string> value = env(name);
    if (!value || value->empty()) return std::nullopt;
    fs::path p(*value);
    if (!p.is_absolute()) return std::nullopt;
    return p;
}

AppPaths ResolveAppPaths(const fs::path& executableDir, const EnvLookup& env) {
    std::error_code ec;
    if (fs::is_directory(executableDir / "Nastawy", ec)) {
        AppPaths p;
        p.portable = true;
        p.settingsDir = executableDir / "Nastawy";
        p.portConfigFile = executableDir / "System" / "Conf";
        p.archiveDir = executableDir / "Archiwum";
        return p;
    }
    return app_paths_platform::InstalledAppPaths(env);
}

AppPaths ResolveAppPaths(const fs::path& executableDir) {
    return ResolveAppPaths(executableDir, [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        if (!v) return std::nullopt;
        return std::string(v);
    });
}

}  // namespace brenvox
