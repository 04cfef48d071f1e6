#pragma once
// Settings as one line per key, the way the CLI's show, diff and compare --report print them.
#include <string>
#include <vector>

#include "settings/module_settings.h"

namespace brenvox {

// The value of one key for an output line, in UTF-8: strings with bytes below 0x20 and the
// backslash as \xHH (so a line stays one line), integers in decimal, booleans as 1 or 0.
std::string ShownValue(const ModuleSettings& s, const SettingKey& k);

// "KEY: a -> b" for every key whose shown value differs, in key order; empty when none does.
std::vector<std::string> DifferenceLines(const ModuleSettings& a, const ModuleSettings& b);

}  // namespace brenvox
