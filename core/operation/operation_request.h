#pragma once
// What a face asks of one operation with the module (OperationRequest), and what came of it
// (OperationResult). Every face builds one request and hands it to the runner whole: the
// progress window from the main window's choices, the CLI from its arguments, the page in the
// browser from its own.
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "archive/transfer_archive.h"
#include "link/serial_link.h"
#include "link/transfer.h"
#include "operation/port_texts.h"
#include "settings/module_settings.h"
#include "settings/validation.h"

namespace brenvox {

// Where the module is: a device path, or the main window's port type and number.
struct PortChoice {
    std::string device;  // wins when not empty (a pseudo-terminal, /dev/ttyACM0, "COM12")
    PortType portType = PortType::Com;
    int32_t portNumber = 0;  // 1..8; 0 when none is chosen
};

struct OperationRequest {
    OperationMode mode = OperationMode::Program;
    PortChoice port;
    // What is programmed or compared; the settings a read decodes over. Checked before
    // anything else, in every mode (OperationRunner::Check).
    ModuleSettings settings;
    // The files the operation writes; each one empty when it is not wanted.
    std::string archiveDir;        // an entry for every transfer that reached the module
    std::string archiveName;       // the settings name the entry is filed under
    std::string tracePath;         // every frame sent and every read's bytes, with times
    std::string readSettingsPath;  // Read: the settings that came out of the module
    std::string readImagePath;     // Read: the module's memory as read
    std::string backupImagePath;   // Program: the module's memory before anything is written
    // Compare: after a mismatch, read the module (asking its PIN when it has one) and list the
    // settings that differ below the compare's lines.
    bool reportDifferences = false;
    // What the line after a port that did not open tells the user to do to try again.
    PortRetry portRetry = PortRetry::RunAgain;
};

// A file the operation was asked for that could not be written.
enum class OperationFile { Trace, Backup, ReadImage, ReadSettings };
struct OperationFileFault {
    OperationFile file;
    std::string path;
    std::error_code error;
};

// What an operation came to, decided once for every face: the window keeps what it read, the
// CLI's exit status (0, 1, 1, 2), the page's ending.
enum class OperationStatus {
    Succeeded,        // it did all it was asked, to the last file
    SettingsRefused,  // a check of the settings failed: nothing was opened or sent
    TransferFailed,   // the port, the module or the transfer failed, or the module PIN was not given
    FileFailed,       // a file it was asked for could not be written
};

struct OperationResult {
    std::optional<ValidationFailure> refusal;       // the check that failed, when one did
    LinkOutcome outcome = LinkOutcome::NoResponse;  // of the operation's own transfer
    bool portOpened = false;
    PortOpenError portError;    // why not, when the port did not open
    bool backupUnread = false;  // Program with a backup: the module could not be read first
    bool pinRefused = false;    // Read: the module PIN was not given correctly
    std::optional<OperationFileFault> fileFault;
    std::optional<ModuleSettings> readSettings;  // Read: what the module holds, once accepted
    std::vector<std::string> differences;        // Compare with a report: "KEY: a -> b"
    std::optional<ArchiveResult> archive;        // when an entry was asked for and the module answered

    OperationStatus status() const;
};

}  // namespace brenvox
