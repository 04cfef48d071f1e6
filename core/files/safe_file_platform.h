#pragma once
// The system calls under safe_file.cpp, one definition per platform (safe_file_posix.cpp,
// safe_file_win32.cpp). Not for use outside core/files.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace brenvox::files_platform {

// Creates `path`, which must not exist yet (errc::file_exists when it does: someone else's file,
// left alone), readable and writable by its owner only, writes all of `contents`, flushes them to
// the disk and closes it. On any other failure the file it created is removed again.
std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view contents);

// Puts `from` in the place of `to` in one step: a reader of `to` sees the old file or the new one,
// never neither. `to` may exist.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace brenvox::files_platform
