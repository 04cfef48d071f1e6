#pragma once
// The archive of transfers: one folder per program, compare or read that reached a module
// (whatever its outcome), so that months later the installer can tell what a unit was given, and
// support can see what went wrong. An entry is
//   YYYYMMDD-HHMMSS-MODE-NAME/   (UTC; "-2", "-3", ... when the name is taken)
//     settings      the settings file of what was written or compared, or of what a read brought
//                   back (none when a read brought nothing back)
//     image.bin     the 2048 bytes written, compared or read (none when there were none)
//     trace         the transfer's frames as brenvox-cli --trace writes them (brenvox-modsim
//                   --replay plays them back)
//     entry.json    time, mode, name, module_version, module_type, outcome, image_sha256
// An entry is built in a hidden temporary folder and renamed into place, so a reader sees it
// whole or not at all. Entries hold both PINs: a new archive folder and every entry folder are
// private (0700), the files in them 0600 (files/safe_file.h).
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "link/transfer.h"
#include "settings/module_settings.h"

namespace brenvox {

struct ArchiveRecord {
    OperationMode mode = OperationMode::Program;
    std::string name;  // the settings name, UTF-8
    ModuleInfo module{};
    // LinkOutcome's name ("Success", "CheckError", ...), or "PinRefused" for a read whose module
    // PIN was not given.
    std::string outcome = "Success";
    std::optional<ModuleImage> image;        // the image written, compared or read
    std::optional<ModuleSettings> settings;  // what was written or compared, or what a read gave
    std::string trace;                       // empty: no trace file
    std::chrono::system_clock::time_point time = std::chrono::system_clock::now();
};

struct ArchiveResult {
    bool ok = false;
    std::string folder;  // the entry's path when ok
    std::string error;   // what could not be done, in plain words of the user's language
    // The system's cause and the file or folder it concerns, when there is one: the faces tell it
    // on a line of its own (FileErrorText), as every file fault.
    std::error_code cause;
    std::string causePath;
};

// "program", "compare" or "read".
const char* ArchiveModeName(OperationMode mode);
// The mode of such a name; nothing for any other text.
std::optional<OperationMode> ArchiveModeFromName(std::string_view name);

// The settings name as a folder-name part: characters no file system takes are replaced by "_",
// leading dots too, the length is bounded; an empty name becomes "_".
std::string SafeEntryName(const std::string& name);

// "Success", "Aborted", "NoResponse", "WriteError", "CheckError", "RestartError",
// "UnsupportedModule".
const char* OutcomeName(LinkOutcome outcome);
// The outcome of such a name; nothing for any other text (kPinRefusedOutcome included).
std::optional<LinkOutcome> OutcomeFromName(std::string_view name);
// The outcome of a read whose module PIN was not given: the transfer succeeded, the settings
// were not let in.
inline constexpr std::string_view kPinRefusedOutcome = "PinRefused";

// Writes one entry into `archiveDir` (created private if missing, parents included). On failure
// nothing is left behind.
ArchiveResult ArchiveTransfer(const std::string& archiveDir, const ArchiveRecord& record);

struct HistoryEntry {
    std::string folder;  // the entry's folder name
    std::string time, mode, name, moduleVersion;
    std::string outcome;      // as ArchiveRecord::outcome
    std::string imageSha256;  // empty when the entry keeps no image
};

struct HistoryResult {
    bool ok = false;                    // false: the folder cannot be listed
    std::error_code error;              // why
    std::vector<HistoryEntry> entries;  // newest first
    std::vector<std::string> skipped;   // "FOLDER: why" for folders that are not readable entries
};

// Whether the settings name `name` contains `part` whatever the letters' case, as the archive
// window's filter finds names (Latin letters with the Central European ones, Greek, Cyrillic).
// An empty part is in every name.
bool NameContains(std::string_view name, std::string_view part);

// Lists the entries of `archiveDir`; when `name` is not empty, only those whose settings name
// contains it (NameContains).
HistoryResult ReadHistory(const std::string& archiveDir, const std::string& name = {});

}  // namespace brenvox
