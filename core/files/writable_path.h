#pragma once
// Whether a file or folder the user named can be written, asked before anything is written, and
// why not, in the user's language: the words for a path that will not take a file, beside
// FileErrorText's words for an error that happened.
#include <filesystem>
#include <optional>
#include <string>

namespace brenvox {

// Why a file cannot be written where `file` names it, as WriteFileSafely would write it
// (through a symbolic link into the link's target, beside which its temporary file is made): a
// folder, a file without write permission, a folder that is missing, is no folder or cannot be
// written in. Lower-case, no final period; nothing when it can be written.
std::optional<std::string> UnwritableFileReason(const std::filesystem::path& file);

// Why the folder `dir` cannot be made (parents included) and written in: it is no folder or
// cannot be written in, or, when it is still to be made, the nearest existing folder above it
// cannot. Nothing when it can.
std::optional<std::string> UnwritableFolderReason(const std::filesystem::path& dir);

}  // namespace brenvox
