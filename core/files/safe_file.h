#pragma once
// The one way the programs put a file on the disk. Every file they write holds the SIM PIN and the
// module's access code (settings, port configuration, images, traces, archive entries), so every
// file is written here: private when new, never half-written, never leaving debris behind.
// The platform calls live in safe_file_posix.cpp and safe_file_win32.cpp.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace brenvox {

// The outcome of a write: empty error when the file now holds the contents; else the system's error.
struct FileWriteResult {
    std::error_code error;
    explicit operator bool() const { return !error; }
};

// Writes `contents` as the whole new content of `target`: a unique temporary file beside the target,
// flushed to disk, renamed over it. A new file is 0600; an existing file keeps its mode; a target that
// is a symbolic link writes the link's target (the link stays); on any failure the old file is untouched
// and no temporary file is left.
//
// Refused without touching anything: an empty path (invalid_argument), a target that is a folder
// (is_a_directory), an existing regular file without any write permission bit (permission_denied:
// the rename would replace a file the user made read-only, which opening it for writing never
// could; judged by the bits so that it holds for root too). A chain of links is followed; a dangling
// link creates the file where it points.
FileWriteResult WriteFileSafely(const std::filesystem::path& target, std::string_view contents);

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
