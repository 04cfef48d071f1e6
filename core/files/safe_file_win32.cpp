#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "files/safe_file.h"
#include "files/safe_file_platform.h"

// Files and folders made here inherit the access list of the folder they are made in; under the
// user's profile (%APPDATA%) that list admits the user, the system and administrators only, which
// is what the POSIX side's 0600 / 0700 stand for.

namespace brenvox {
namespace {

// The system's codes for the causes people meet are named as on POSIX, so that the callers (the
// retry on a taken name, FileErrorText's words) work the same on both; the rest stay the system's
// own, for its own words.
std::error_code PortableError(DWORD code) {
    switch (code) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_FILENAME_EXCED_RANGE:
            return std::make_error_code(std::errc::filename_too_long);
        case ERROR_DIRECTORY:
            return std::make_error_code(std::errc::not_a_directory);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return make_error_code(FileErrc::Locked);
        default:
            return {static_cast<int>(code), std::system_category()};
    }
}

std::error_code LastError() {
    return PortableError(GetLastError());
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
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    const DWORD code = GetLastError();
    // A file another program holds open without sharing its deletion cannot be replaced, and the
    // system says only "access denied". Opening it as the rename would tells the lock from a
    // missing right.
    if (code == ERROR_ACCESS_DENIED) {
        const HANDLE h =
            CreateFileW(to.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        else if (GetLastError() == ERROR_SHARING_VIOLATION)
            return make_error_code(FileErrc::Locked);
    }
    return PortableError(code);
}

std::FILE* OpenForReading(const std::filesystem::path& path, std::error_code& error) {
    // Shared for writing and deleting as well: a reader must not stand in the way of a program
    // that saves the file meanwhile.
    const HANDLE h =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = LastError();
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        error = std::make_error_code(std::errc::too_many_files_open);
        return nullptr;
    }
    std::FILE* f = _fdopen(fd, "rb");
    if (!f) {
        _close(fd);  // closes the handle too
        error = std::make_error_code(std::errc::too_many_files_open);
        return nullptr;
    }
    error.clear();
    return f;
}

std::string SystemWords(const std::error_code& error) {
    if (error.category() != std::system_category()) return error.message();
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(error.value()), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string words;
    if (n > 0 && text) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
        if (size > 0) {
            words.resize(static_cast<std::size_t>(size));
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), words.data(), size, nullptr, nullptr);
        }
    }
    if (text) LocalFree(text);
    while (!words.empty() &&
           (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' || words.back() == '.'))
        words.pop_back();
    if (words.empty()) words = "error " + std::to_string(error.value());
    return words;
}

}  // namespace files_platform

std::error_code MakePrivateDir(const std::filesystem::path& dir) {
    if (!CreateDirectoryW(dir.c_str(), nullptr)) return LastError();
    return {};
}

}  // namespace brenvox
