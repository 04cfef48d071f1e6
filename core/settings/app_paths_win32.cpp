#include "settings/app_paths_platform.h"

namespace brenvox::app_paths_platform {
namespace fs = std::filesystem;

namespace {

fs::path HomeDir(const EnvLookup& env) {
    if (auto profile = AbsoluteFromEnv(env, "USERPROFILE")) return *profile;
    if (auto home = AbsoluteFromEnv(env, "HOME")) return *home;
    return {};
}

}  // namespace

// Everything in the roaming profile, %APPDATA%\Brenvox, whose access list keeps it the user's.
AppPaths InstalledAppPaths(const EnvLookup& env) {
    const fs::path base =
        AbsoluteFromEnv(env, "APPDATA").value_or(HomeDir(env) / "AppData" / "Roaming") / "Brenvox";
    AppPaths p;
    p.settingsDir = base / "Nastawy";
    p.portConfigFile = base / "Conf";
    p.archiveDir = base / "Archiwum";
    return p;
}

}  // namespace brenvox::app_paths_platform
