#pragma once
// The system calls under safe_file.cpp, one definition per platform (safe_file_posix.cpp,
// safe_file_win32.cpp), and what the files of core/files share about them. Not for use outside
// core/files.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace brenvox::files_platform {

// Writing through a symbolic link writes the file the link points to, so the link stays a link
// and its target gets the new contents. Follows a chain of links (a dangling one included: the
// file is then created where it points); a loop is left to fail on the rename. (safe_file.cpp)
std::filesystem::path FollowLinks(std::filesystem::path p);

// Whether anyone may write the file: a file with no write bit is one its owner made read-only
// (on Windows, the read-only attribute), and is neither replaced nor written past.
inline bool HasWriteBit(std::filesystem::perms p) {
    using enum std::filesystem::perms;
    return (p & (owner_write | group_write | others_write)) != none;
}

// Creates `path`, which must not exist yet (errc::file_exists when it does: someone else's file,
// left alone), readable and writable by its owner only, writes all of `contents`, flushes them to
// the disk and closes it. On any other failure the file it created is removed again.
std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view contents);

// Puts `from` in the place of `to` in one step: a reader of `to` sees the old file or the new one,
// never neither. `to` may exist.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Opens an existing file for reading in binary mode, or gives the cause.
std::FILE* OpenForReading(const std::filesystem::path& path, std::error_code& error);

// The system's own description of an error it reported, in the system's language, without a final
// period or line break.
std::string SystemWords(const std::error_code& error);

}  // namespace brenvox::files_platform
