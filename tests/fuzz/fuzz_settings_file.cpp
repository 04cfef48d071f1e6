// Any bytes as a settings file: the reader must end in one of its outcomes, never read past a
// line or write past a field, and leave the settings valid (clamped) whatever it ends in.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/module_settings.h"
#include "settings/settings_file.h"

namespace {
std::string TempPath() {
    static const std::string path =
        (access("/dev/shm", W_OK) == 0 ? "/dev/shm/brenvox-fuzz-settings-" : "/tmp/brenvox-fuzz-settings-") +
        std::to_string(getpid());
    return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = TempPath();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    brenvox::ModuleSettings s;
    const auto outcome = brenvox::ReadSettingsFile(path, s);
    if (outcome == brenvox::ReadOutcome::ReadError && !(s == brenvox::ModuleSettings{})) std::abort();
    for (const auto& slot : s.slots)
        if (slot.Comment.size() > brenvox::kCommentMax || slot.Phone.size() > brenvox::kPhoneMax ||
            slot.SmsText.size() > brenvox::kSmsTextMax)
            std::abort();
    for (int k = 0; k < brenvox::kIntSettingCount; ++k) {
        const auto id = static_cast<brenvox::IntSetting>(k);
        const auto r = brenvox::IntRangeOf(id);
        const int32_t v = s.get(id);
        if (!(v >= r.min && v <= r.max) && !(r.comboIndex && v == -1)) std::abort();
    }
    return 0;
}
