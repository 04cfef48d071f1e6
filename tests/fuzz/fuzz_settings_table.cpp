// Any bytes as a table of units: refused with a place and a reason, or every unit has a name
// that stays inside the output folder and settings whose fields keep their limits.
#include <cstdlib>
#include <string_view>

#include "settings/module_settings.h"
#include "settings/settings_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const brenvox::ModuleSettings base;
    const auto r =
        brenvox::ApplySettingsTable(std::string_view(reinterpret_cast<const char*>(data), size), base);
    if (!r.ok) {
        if (r.error.empty() || !r.units.empty()) std::abort();
        return 0;
    }
    for (const auto& unit : r.units) {
        const std::string& n = unit.name;
        if (n.empty() || n == "." || n == ".." || n.find_first_of("/\\") != std::string::npos) std::abort();
        for (unsigned char c : n)
            if (c < 0x20 || c == 0x7F) std::abort();
        for (const auto& slot : unit.settings.slots)
            if (slot.Comment.size() > brenvox::kCommentMax || slot.Phone.size() > brenvox::kPhoneMax ||
                slot.SmsText.size() > brenvox::kSmsTextMax)
                std::abort();
        for (int k = 0; k < brenvox::kIntSettingCount; ++k) {
            const auto key = static_cast<brenvox::IntSetting>(k);
            const brenvox::IntRange range = brenvox::IntRangeOf(key);
            const int32_t v = unit.settings.get(key);
            if ((v < range.min || v > range.max) && !(range.comboIndex && v == -1)) std::abort();
        }
    }
    return 0;
}
