#pragma once
// The installed layout's folders differ by platform: one definition per platform
// (app_paths_posix.cpp, app_paths_win32.cpp). Only for app_paths.cpp.
#include <filesystem>
#include <optional>

#include "settings/app_paths.h"

namespace brenvox::app_paths_platform {

// A base folder from the environment; unset, empty and relative values give nothing (the base
// directory rules say relative ones are to be ignored, so a stray "XDG_DATA_HOME=." cannot make
// the program write into the current folder).
std::optional<std::filesystem::path> AbsoluteFromEnv(const EnvLookup& env, const char* name);

// settingsDir, portConfigFile and archiveDir of the installed layout (portable stays false).
AppPaths InstalledAppPaths(const EnvLookup& env);

}  // namespace brenvox::app_paths_platform
