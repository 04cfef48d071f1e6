#pragma once
// Why a file or folder could not be written or read, as the one line a person reads after the
// program's message ("Problem z utworzeniem pliku na dysku!", "Problem z otwarciem pliku!", ...):
// in the user's language, naming the folder or file at fault. The system's own text
// (std::error_code::message) is English whatever the user speaks, so the causes people meet (a
// missing folder, no rights, a full disk, a read-only disk, a folder or device where a file was
// meant, a file another program holds) are the program's own words; anything else is told in the
// system's words.
#include <filesystem>
#include <string>
#include <system_error>

namespace brenvox {

// What the program was doing: a missing name or a missing right means a different thing.
enum class FileAction { Read, Write };

// One sentence, starting with a capital and ending with a period. `path` is the file (or folder)
// the program tried to write or read, as the user named it; without it the line names nothing.
// A few causes are told more exactly by looking at the disk as it is now (whether the folder is
// there, whether the file was made read-only).
std::string FileErrorText(const std::error_code& error, const std::filesystem::path& path = {},
                          FileAction action = FileAction::Write);

}  // namespace brenvox
