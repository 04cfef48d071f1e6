// Any text as a JSON import: it is either refused with a reason or applied, and what it applies
// keeps every value inside its field's limits.
#include <cstdlib>
#include <string_view>

#include "settings/module_settings.h"
#include "settings/settings_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    brenvox::ModuleSettings s;
    const auto r = brenvox::ApplySettingsJson(std::string_view(reinterpret_cast<const char*>(data), size), s);
    if (!r.ok && r.error.empty()) std::abort();
    for (const auto& slot : s.slots)
        if (slot.Comment.size() > brenvox::kCommentMax || slot.Phone.size() > brenvox::kPhoneMax ||
            slot.SmsText.size() > brenvox::kSmsTextMax)
            std::abort();
    if (r.ok) {
        // What was accepted exports and imports again to the same settings.
        brenvox::ModuleSettings again;
        if (!brenvox::ApplySettingsJson(brenvox::SettingsToJson(s), again).ok || !(again == s)) std::abort();
    }
    return 0;
}
