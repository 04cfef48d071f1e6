#pragma once
// Where the program keeps its files. Two layouts:
//  - portable: a folder "Nastawy" stands beside the executable (an unpacked or a built tree).
//    Settings files live there, the port configuration file in "System/Conf" beside it, and the
//    program creates neither folder.
//  - installed: anything else. The executable's folder belongs to the system and is never
//    written; the files go to the user's own folders, created on first use.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// MakePrivateDirs, which the callers of ResolveAppPaths use on the folders it names.
#include "files/safe_file.h"

namespace brenvox {

struct AppPaths {
    std::filesystem::path settingsDir;     // folder of the settings files
    std::filesystem::path portConfigFile;  // the remembered port selection
    std::filesystem::path archiveDir;      // folder for kept copies of module memories
    bool portable = false;
};

// Returns the value of an environment variable, or nothing when it is unset.
using EnvLookup = std::function<std::optional<std::string>(const char* name)>;

// Installed layout on POSIX: $XDG_DATA_HOME/brenvox/{Nastawy,Archiwum} and
// $XDG_CONFIG_HOME/brenvox/Conf, with ~/.local/share and ~/.config when a variable is unset,
// empty or relative (relative values are to be ignored by the base directory rules).
// On Windows: %APPDATA%\Brenvox\{Nastawy,Conf,Archiwum}.
AppPaths ResolveAppPaths(const std::filesystem::path& executableDir, const EnvLookup& env);
// The same, reading the process environment.
AppPaths ResolveAppPaths(const std::filesystem::path& executableDir);

}  // namespace brenvox
