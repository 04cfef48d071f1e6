#pragma once
// The archive of transfers: one folder per successful program, compare or read, so that months
// later the installer can tell what a unit was given. An entry is
//   YYYYMMDD-HHMMSS-MODE-NAME/   (UTC; "-2", "-3", ... when the name is taken)
//     settings      the settings file of what was written or read
//     image.bin     the 2048 bytes written or read
//     entry.json    time, mode, name, module_version, module_type, outcome, image_sha256
// An entry is built in a hidden temporary folder and renamed into place, so a reader sees it
// whole or not at all. Entries hold both PINs: a new archive folder and every entry folder are
// private (0700), the files in them 0600 (files/safe_file.h).
#include <chrono>
#include <string>
#include <vector>

#include "link/transfer.h"
#include "settings/module_settings.h"

namespace brenvox {

struct ArchiveRecord {
    OperationMode mode = OperationMode::Program;
    std::string name;  // the settings name, UTF-8
    ModuleInfo module{};
    ModuleImage image{};
    std::chrono::system_clock::time_point time = std::chrono::system_clock::now();
};

struct ArchiveResult {
    bool ok = false;
    std::string folder;  // the entry's path when ok
    std::string error;   // why not, in plain words
};

// "program", "compare" or "read".
const char* ArchiveModeName(OperationMode mode);

// The settings name as a folder-name part: characters no file system takes are replaced by "_",
// leading dots too, the length is bounded; an empty name becomes "_".
std::string SafeEntryName(const std::string& name);

// Writes one entry into `archiveDir` (created private if missing, parents included). On failure
// nothing is left behind.
ArchiveResult ArchiveTransfer(const std::string& archiveDir, const ArchiveRecord& record,
                              const ModuleSettings& settings);

struct HistoryEntry {
    std::string folder;  // the entry's folder name
    std::string time, mode, name, moduleVersion, imageSha256;
};

struct HistoryResult {
    bool ok = false;  // false: the folder cannot be listed
    std::string error;
    std::vector<HistoryEntry> entries;  // newest first
    std::vector<std::string> skipped;   // "FOLDER: why" for folders that are not readable entries
};

// Lists the entries of `archiveDir`, only those named `name` when it is not empty.
HistoryResult ReadHistory(const std::string& archiveDir, const std::string& name = {});

}  // namespace brenvox
