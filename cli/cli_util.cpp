#include "cli_util.h"

#include <iostream>
#include <string_view>

#include "files/safe_file.h"
#include "i18n/translate.h"
#include "settings/cp1250.h"
#include "settings/messages.h"
#include "settings/settings_file.h"

namespace brenvox::cli {

void ReportFileFault(const std::string& message, const std::error_code& error, const std::string& path,
                     FileAction action) {
    std::cerr << message << '\n';
    if (error) std::cerr << FileErrorText(error, PathFromUtf8(path), action) << '\n';
}

void ReportFileFaultOn(std::string_view message, const std::string& path, const std::error_code& error,
                       FileAction action) {
    ReportFileFault(std::string(Tr(message)) + " (" + path + ")", error, path, action);
}

bool LoadSettingsOrReport(const std::string& path, ModuleSettings& s) {
    const SettingsReadResult read = ReadSettingsFile(path, s);
    switch (read.outcome) {
        case ReadOutcome::Ok:
            return true;
        case ReadOutcome::OpenFailed:
            ReportFileFaultOn(msg::kOpenFailed, path, read.error, FileAction::Read);
            return false;
        case ReadOutcome::ReadError:
            ReportFileFaultOn(msg::kReadError, path, read.error, FileAction::Read);
            return false;
    }
    return false;
}

bool SaveSettingsOrReport(const std::string& path, const ModuleSettings& s) {
    const FileWriteResult written = WriteSettingsFile(path, s);
    if (written) return true;
    ReportFileFaultOn(msg::kSaveFailed, path, written.error, FileAction::Write);
    return false;
}

void PrintValidationFailure(const ValidationFailure& f, bool withCaption) {
    if (withCaption) std::cout << f.caption << '\n';
    std::cout << f.line1 << '\n';
    if (!f.line2.empty()) std::cout << f.line2 << '\n';
}

bool WriteImageOrReport(const std::string& path, const ModuleImage& img) {
    const FileWriteResult written = WriteFileSafely(
        PathFromUtf8(path), std::string_view(reinterpret_cast<const char*>(img.data()), img.size()));
    if (written) return true;
    ReportFileFault(TrFormat(BRENVOX_TEXT("Nie można zapisać obrazu pamięci: %1"), {path}), written.error,
                    path, FileAction::Write);
    return false;
}

}  // namespace brenvox::cli
