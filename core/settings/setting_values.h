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

// What the program calls a setting where an installer reads it, in UTF-8: the caption of its
// control, and for an input event the slot list's entry and the event's number within its input
// ("Pin8 - We3 - Alarm, zdarzenie 2: Numer telefonu").
std::string SettingLabel(const SettingKey& k);

// A value as an installer reads it: texts in quotes, TAK / NIE, functions and reactions by name,
// other numbers in decimal.
std::string LabelledValue(const ModuleSettings& s, const SettingKey& k);

// "Label: a -> b" for every setting whose value differs, in key order: what the program and the
// CLI list where a person compares two sets of settings (the module against the program).
std::vector<std::string> LabelledDifferenceLines(const ModuleSettings& a, const ModuleSettings& b);

}  // namespace brenvox
