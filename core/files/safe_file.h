#pragma once
// The one way the programs put a file on the disk. Every file they write holds the SIM PIN and the
// module's access code (settings, port configuration, images, traces, archive entries), so every
// file is written here: private when new, never half-written, never leaving debris behind.
// Files are opened for reading here too, so that every failure on either side carries its cause
// (FileErrorText in files/file_error_text.h words it for the user).
// The platform calls live in safe_file_posix.cpp and safe_file_win32.cpp.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

namespace brenvox {

// Causes the systems have no error code of their own for.
enum class FileErrc {
    // An existing target that is neither a file nor a folder (a device, a pipe, a socket): the
    // rename would put a file in its place, which for a device is a damaged system.
    NotRegularFile = 1,
    // Windows: another program has the file open and shares it with nobody (a PDF open in a
    // viewer, a file open in an editor). The system's codes are turned into this one.
    Locked,
};
const std::error_category& FileCategory();
std::error_code make_error_code(FileErrc error);

}  // namespace brenvox

template <>
struct std::is_error_code_enum<brenvox::FileErrc> : std::true_type {};

namespace brenvox {

// The outcome of a write: empty error when the file now holds the contents; else the system's error.
struct FileWriteResult {
    std::error_code error;
    explicit operator bool() const { return !error; }
};

// A file name the programs hold as a std::string, which is UTF-8 on every system (the Windows
// programs run with UTF-8 as their code page), as the system's path. On Windows a path made from
// a std::string directly takes its bytes one by one, so "Łódź" would name another file.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// Writes `contents` as the whole new content of `target`: a unique temporary file beside the target,
// flushed to disk, renamed over it. A new file is 0600; an existing file keeps its mode; a target that
// is a symbolic link writes the link's target (the link stays); on any failure the old file is untouched
// and no temporary file is left.
//
// Refused without touching anything: an empty path (invalid_argument), a target that is a folder
// (is_a_directory) or any other thing that is not a regular file (FileErrc::NotRegularFile), an existing
// regular file without any write permission bit (permission_denied: the rename would replace a file the user
// made read-only, which opening it for writing never could; judged by the bits so that it holds for root
// too). A chain of links is followed; a dangling link creates the file where it points.
FileWriteResult WriteFileSafely(const std::filesystem::path& target, std::string_view contents);

// Opens an existing file for reading, in binary mode; nullptr and the cause in `error` when it
// cannot be opened (a folder: is_a_directory). Devices and pipes open as files do, so that a
// script can hand a file over /dev/stdin. On Windows the file is shared as a reader shares it, and
// one another program keeps to itself says so (FileErrc::Locked).
std::FILE* OpenFileForReading(const std::filesystem::path& path, std::error_code& error);

// The whole content of a file, or why it could not be read.
struct FileReadResult {
    std::string bytes;
    std::error_code error;
    explicit operator bool() const { return !error; }
};
FileReadResult ReadWholeFile(const std::filesystem::path& path);

// Creates `dir` and any missing parents, each folder it creates private to the user (0700); existing
// folders keep their mode. Empty when `dir` is a directory afterwards; else the system's reason.
std::error_code MakePrivateDirs(const std::filesystem::path& dir);

// Creates the one folder `dir` (its parent must exist), private to the user (0700) from its first
// moment. An existing `dir` gives errc::file_exists, so a caller can claim a fresh name safely.
std::error_code MakePrivateDir(const std::filesystem::path& dir);

// Whether a file can be made in the folder `dir` now: a private empty file of a name nobody
// else picks is created there and removed at once. Asking the system this way answers as a
// real write would, where permission bits do not (access lists, read-only mounts, root).
// Empty when it can; nothing is left behind either way.
std::error_code ProbeWritableDir(const std::filesystem::path& dir);

}  // namespace brenvox
