#pragma once
// Helpers shared by the command groups of brenvox-cli.
#include <string>
#include <system_error>

#include "codec/image_codec.h"
#include "files/file_error_text.h"
#include "settings/module_settings.h"
#include "settings/validation.h"

namespace brenvox::cli {

// A file that could not be read or written, on stderr: `message` (the program's message, naming
// the file), then, when the system gave a cause, the line that tells it (FileErrorText).
void ReportFileFault(const std::string& message, const std::error_code& error, const std::string& path,
                     FileAction action);
// The same for one of the settings' file messages (msg::kOpenFailed, kReadError, kSaveFailed):
// the message in the user's language with the path after it in brackets, then the cause.
void ReportFileFaultOn(std::string_view message, const std::string& path, const std::error_code& error,
                       FileAction action);

// Reads a settings file into `s` (which should hold the defaults). On failure prints the
// program's message with the path, and the cause, to stderr and returns false; the caller exits
// with 2.
bool LoadSettingsOrReport(const std::string& path, ModuleSettings& s);

// Writes `s` to `path`. On failure prints "Problem z utworzeniem pliku na dysku!" with the path,
// and the cause, to stderr and returns false; the caller exits with 2.
bool SaveSettingsOrReport(const std::string& path, const ModuleSettings& s);

// The first line and (when not empty) the second line of a failed check, one per line on stdout.
// `validate` starts with the caption its message box would have; elsewhere no dialog's caption is
// printed.
void PrintValidationFailure(const ValidationFailure& f, bool withCaption = false);

// Writes a 2048-byte image to `path` with WriteFileSafely (private when new, never half-written:
// the image holds both PINs). On failure prints the path and the cause to stderr and returns false;
// the caller exits with 2.
bool WriteImageOrReport(const std::string& path, const ModuleImage& img);

}  // namespace brenvox::cli
