#include "cli_util.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "settings/cp1250.h"
#include "settings/messages.h"
#include "settings/settings_file.h"

namespace brenvox::cli {

bool LoadSettingsOrReport(const std::string& path, ModuleSettings& s) {
    switch (ReadSettingsFile(path, s)) {
        case ReadOutcome::Ok:
            return true;
        case ReadOutcome::OpenFailed:
            std::cerr << msg::kOpenFailed << " (" << path << ")\n";
            return false;
        case ReadOutcome::ReadError:
            std::cerr << msg::kReadError << " (" << path << ")\n";
            return false;
    }
    return false;
}

bool SaveSettingsOrReport(const std::string& path, const ModuleSettings& s) {
    if (WriteSettingsFile(path, s)) return true;
    std::cerr << msg::kSaveFailed << " (" << path << ")\n";
    return false;
}

void PrintValidationFailure(const ValidationFailure& f) {
    std::cout << f.caption << '\n' << f.line1 << '\n';
    if (!f.line2.empty()) std::cout << f.line2 << '\n';
}

// Same safety as settings files: a failed write leaves no half image behind.
bool WriteImageOrReport(const std::string& path, const ModuleImage& img) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(img.data()), static_cast<std::streamsize>(img.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            std::cerr << "Cannot write the image: " << path << "\n";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        std::cerr << "Cannot write the image: " << path << "\n";
        return false;
    }
    return true;
}

}  // namespace brenvox::cli
