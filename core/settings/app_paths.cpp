#include "settings/app_paths.h"

#include <cstdlib>
#include <system_error>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace brenvox {
namespace fs = std::filesystem;

namespace {

// A base folder from the environment; relative values are ignored, as the base directory rules
// demand, so a stray "XDG_DATA_HOME=." cannot make the program write into the current folder.
std::optional<fs::path> AbsoluteFromEnv(const EnvLookup& env, const char* name) {
    const std::optional<std::string> value = env(name);
    if (!value || value->empty()) return std::nullopt;
    fs::path p(*value);
    if (!p.is_absolute()) return std::nullopt;
    return p;
}

fs::path HomeDir(const EnvLookup& env) {
#ifdef _WIN32
    if (auto profile = AbsoluteFromEnv(env, "USERPROFILE")) return *profile;
#endif
    if (auto home = AbsoluteFromEnv(env, "HOME")) return *home;
#ifndef _WIN32
    // Services and some login shells start without HOME; the password database still knows it.
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return fs::path(pw->pw_dir);
#endif
    return {};
}

}  // namespace

AppPaths ResolveAppPaths(const fs::path& executableDir, const EnvLookup& env) {
    AppPaths p;
    std::error_code ec;
    if (fs::is_directory(executableDir / "Nastawy", ec)) {
        p.portable = true;
        p.settingsDir = executableDir / "Nastawy";
        p.portConfigFile = executableDir / "System" / "Conf";
        p.archiveDir = executableDir / "Archiwum";
        return p;
    }
#ifdef _WIN32
    fs::path base =
        AbsoluteFromEnv(env, "APPDATA").value_or(HomeDir(env) / "AppData" / "Roaming") / "Brenvox";
    p.settingsDir = base / "Nastawy";
    p.portConfigFile = base / "Conf";
    p.archiveDir = base / "Archiwum";
#else
    const fs::path home = HomeDir(env);
    const fs::path data =
        AbsoluteFromEnv(env, "XDG_DATA_HOME").value_or(home / ".local" / "share") / "brenvox";
    const fs::path config = AbsoluteFromEnv(env, "XDG_CONFIG_HOME").value_or(home / ".config") / "brenvox";
    p.settingsDir = data / "Nastawy";
    p.portConfigFile = config / "Conf";
    p.archiveDir = data / "Archiwum";
#endif
    return p;
}

AppPaths ResolveAppPaths(const fs::path& executableDir) {
    return ResolveAppPaths(executableDir, [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        if (!v) return std::nullopt;
        return std::string(v);
    });
}

}  // namespace brenvox
