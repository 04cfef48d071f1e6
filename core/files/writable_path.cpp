#include "files/writable_path.h"

#include <system_error>

#include "files/file_error_text.h"
#include "files/safe_file.h"
#include "files/safe_file_platform.h"
#include "i18n/translate.h"

namespace brenvox {

namespace fs = std::filesystem;

namespace {

// A folder that exists: can a file be made in it?
std::optional<std::string> FolderFault(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return TrFormat(BRENVOX_TEXT("%1 nie jest folderem"), {folder.string()});
    const std::error_code probe = ProbeWritableDir(folder);
    if (!probe) return std::nullopt;
    if (probe == std::errc::permission_denied || probe == std::errc::operation_not_permitted)
        return TrFormat(BRENVOX_TEXT("brak prawa zapisu w folderze %1"), {folder.string()});
    if (probe == std::errc::read_only_file_system)
        return TrFormat(BRENVOX_TEXT("folder %1 jest na nośniku tylko do odczytu"), {folder.string()});
    // The cause is a sentence of its own; here it ends a reason that the caller goes on from.
    std::string cause = FileErrorText(probe);
    if (!cause.empty() && cause.back() == '.') cause.pop_back();
    return TrFormat(BRENVOX_TEXT("nie można zapisać w folderze %1: %2"), {folder.string(), cause});
}

}  // namespace

std::optional<std::string> UnwritableFileReason(const fs::path& given) {
    std::error_code ec;
    // Where the writer will write: through links, dangling ones included.
    const fs::path target = files_platform::FollowLinks(given);
    const fs::file_status st = fs::status(target, ec);
    if (fs::is_directory(st)) return TrFormat(BRENVOX_TEXT("%1 jest folderem"), {target.string()});
    if (fs::is_regular_file(st) && !files_platform::HasWriteBit(st.permissions()))
        return TrFormat(BRENVOX_TEXT("plik %1 jest tylko do odczytu"), {target.string()});
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::exists(folder, ec)) return TrFormat(BRENVOX_TEXT("folder %1 nie istnieje"), {folder.string()});
    return FolderFault(folder);
}

// A folder made with its parents when first needed (the archive's): what must be writable is
// the folder itself, or the nearest one above it that exists.
std::optional<std::string> UnwritableFolderReason(const fs::path& dir) {
    std::error_code ec;
    fs::path existing = dir;
    while (!fs::exists(fs::symlink_status(existing, ec))) {
        if (!existing.has_parent_path() || existing.parent_path() == existing) {
            existing = ".";
            break;
        }
        existing = existing.parent_path();
    }
    return FolderFault(existing);
}

}  // namespace brenvox
