#include "cli_util.h"

#include <iostream>
#include <string_view>

#include "files/safe_file.h"
#include "settings/cp1250.h"
#include "settings/messages.h"
#include "settings/settings_file.h"

namespace brenvox::cli {

bool LoadSettingsOrReport(const std::string& path, ModuleSettings& s) {
    switch (ReadSettingsFile(path, s)) {
        case ReadOutcome::Ok:
            return true;
        case ReadOutcome::OpenFailed:
            std::cerr << Tr(msg::kOpenFailed) << " (" << path << ")\n";
            return false;
        case ReadOutcome::ReadError:
            std::cerr << Tr(msg::kReadError) << " (" << path << ")\n";
            return false;
    }
    return false;
}

bool SaveSettingsOrReport(const std::string& path, const ModuleSettings& s) {
    if (WriteSettingsFile(path, s)) return true;
    std::cerr << Tr(msg::kSaveFailed) << " (" << path << ")\n";
    return false;
}

void PrintValidationFailure(const ValidationFailure& f) {
    std::cout << f.caption << '\n' << f.line1 << '\n';
    if (!f.line2.empty()) std::cout << f.line2 << '\n';
}

bool WriteImageOrReport(const std::string& path, const ModuleImage& img) {
    if (WriteFileSafely(path, std::string_view(reinterpret_cast<const char*>(img.data()), img.size())))
        return true;
    std::cerr << "Cannot write the image: " << path << "\n";
    return false;
}

}  // namespace brenvox::cli
