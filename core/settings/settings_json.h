#pragma once
// Settings as JSON: an object whose members are the settings-file keys, strings in UTF-8,
// integers as numbers, booleans as true/false. Used by the CLI's export and import.
#include <string>
#include <string_view>

#include "settings/module_settings.h"

namespace brenvox {

// All 123 keys in settings-file order, indented by two blanks.
std::string SettingsToJson(const ModuleSettings& s);

struct JsonImportResult {
    bool ok = false;
    std::string key;    // the member that was refused (empty when the text itself is at fault)
    std::string error;  // why, in plain words of the user's language
};

// Applies the members present in `jsonText` over `s`, as reading a settings file does. On the
// first refusal (not JSON, not an object, unknown key, wrong type, a character code page 1250
// cannot hold, a value the settings file cannot store) it stops and says why; `s` may then hold
// the members applied before, so callers that must not change anything pass a copy.
JsonImportResult ApplySettingsJson(std::string_view jsonText, ModuleSettings& s);

}  // namespace brenvox
