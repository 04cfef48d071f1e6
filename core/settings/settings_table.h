#pragma once
// A table of units for one template: CSV (comma-separated, one header row, fields quoted as
// usual with "" for a quote), UTF-8. The first column is `name`, the unit's settings-file name;
// every other column is a settings key, and its cells hold values the way `show` prints them.
// An empty cell keeps the template's value.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/module_settings.h"

namespace brenvox {

// One unit: its settings-file name (UTF-8) and the template with its row applied.
struct TableUnit {
    std::string name;
    ModuleSettings settings;
};

struct SettingsTableResult {
    bool ok = false;
    std::vector<TableUnit> units;  // in table order, only when ok
    // Where the table was refused: row 1 is the header, column 1 is `name`; 0 when the fault
    // is not in one cell (an empty table). `column` holds the column's header when known.
    std::size_t row = 0;
    std::size_t columnNumber = 0;
    std::string column;
    std::string error;  // why, in plain words of the user's language
};

// Reads the table and applies each row over `base`. The first fault refuses the whole table:
// broken quoting, bytes that are not UTF-8, an unknown or repeated column, a row with a
// different number of cells than the header, a bad name (empty, repeated, a path separator,
// "." or "..", a control character) or a value the settings would not keep exactly as given
// (not a number, out of range, too long for its field, a character code page 1250 lacks).
SettingsTableResult ApplySettingsTable(std::string_view csv, const ModuleSettings& base);

}  // namespace brenvox
