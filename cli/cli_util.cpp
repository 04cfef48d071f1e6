#include "cli_util.h"

#include <iostream>
#include <string_view>

#include "files/file_error_text.h"
#include "files/safe_file.h"
#include "i18n/translate.h"
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

void PrintValidationFailure(const ValidationFailure& f, bool withCaption) {
    if (withCaption) std::cout << f.caption << '\n';
    std::cout << f.line1 << '\n';
    if (!f.line2.empty()) std::cout << f.line2 << '\n';
}

bool WriteImageOrReport(const std::string& path, const ModuleImage& img) {
    const FileWriteResult written =
        WriteFileSafely(path, std::string_view(reinterpret_cast<const char*>(img.data()), img.size()));
    if (written) return true;
    std::cerr << TrFormat(BRENVOX_TEXT("Nie można zapisać obrazu pamięci %1: %2"),
                          {path, FileErrorText(written.error)})
              << '\n';
    return false;
}

}  // namespace brenvox::cli
