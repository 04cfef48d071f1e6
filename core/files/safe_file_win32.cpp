#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>

#include "files/safe_file.h"
#include "files/safe_file_platform.h"

// Files and folders made here inherit the access list of the folder they are made in; under the
// user's profile (%APPDATA%) that list admits the user, the system and administrators only, which
// is what the POSIX side's 0600 / 0700 stand for.

namespace brenvox {
namespace {

std::error_code LastError() {
    const DWORD code = GetLastError();
    // Named as on POSIX, so the callers' retry on a taken name works the same on both.
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
        return std::make_error_code(std::errc::file_exists);
    return {static_cast<int>(code), std::system_category()};
}

}  // namespace

namespace files_platform {

std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view contents) {
    const HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return LastError();
    std::error_code error;
    const char* p = contents.data();
    std::size_t left = contents.size();
    while (left > 0 && !error) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, p, chunk, &written, nullptr)) {
            error = LastError();
            break;
        }
        p += written;
        left -= written;
    }
    // Without the flush, a crash soon after the rename can leave an empty file under the name.
    if (!error && !FlushFileBuffers(h)) error = LastError();
    if (!CloseHandle(h) && !error) error = LastError();
    if (error) DeleteFileW(path.c_str());
    return error;
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastError();
    return {};
}

}  // namespace files_platform

std::error_code MakePrivateDir(const std::filesystem::path& dir) {
    if (!CreateDirectoryW(dir.c_str(), nullptr)) return LastError();
    return {};
}

}  // namespace brenvox
