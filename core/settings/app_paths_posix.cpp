#include <pwd.h>
#include <unistd.h>

#include "settings/app_paths_platform.h"

namespace brenvox::app_paths_platform {
namespace fs = std::filesystem;

namespace {

fs::path HomeDir(const EnvLookup& env) {
    if (auto home = AbsoluteFromEnv(env, "HOME")) return *home;
    // Services and some login shells start without HOME; the password database still knows it.
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return fs::path(pw->pw_dir);
    return {};
}

}  // namespace

// The XDG base directories: data under $XDG_DATA_HOME (~/.local/share), the port selection under
// $XDG_CONFIG_HOME (~/.config).
AppPaths InstalledAppPaths(const EnvLookup& env) {
    const fs::path home = HomeDir(env);
    const fs::path data =
        AbsoluteFromEnv(env, "XDG_DATA_HOME").value_or(home / ".local" / "share") / "brenvox";
    const fs::path config = AbsoluteFromEnv(env, "XDG_CONFIG_HOME").value_or(home / ".config") / "brenvox";
    AppPaths p;
    p.settingsDir = data / "Nastawy";
    p.portConfigFile = config / "Conf";
    p.archiveDir = data / "Archiwum";
    return p;
}

}  // namespace brenvox::app_paths_platform
