#pragma once
// Helpers shared by the command groups of brenvox-cli.
#include <string>

#include "codec/image_codec.h"
#include "settings/module_settings.h"
#include "settings/validation.h"

namespace brenvox::cli {

// Reads a settings file into `s` (which should hold the defaults). On failure prints the
// program's message and the path to stderr and returns false; the caller exits with 2.
bool LoadSettingsOrReport(const std::string& path, ModuleSettings& s);

// Writes `s` to `path`. On failure prints "Problem z utworzeniem pliku na dysku!" and the path
// to stderr and returns false; the caller exits with 2.
bool SaveSettingsOrReport(const std::string& path, const ModuleSettings& s);

// The first line and (when not empty) the second line of a failed check, one per line on stdout.
// `validate` starts with the caption its message box would have; elsewhere no dialog's caption is
// printed.
void PrintValidationFailure(const ValidationFailure& f, bool withCaption = false);

// Writes a 2048-byte image to `path` with WriteFileSafely (private when new, never half-written:
// the image holds both PINs). On failure prints the path and why to stderr and returns false; the
// caller exits with 2.
bool WriteImageOrReport(const std::string& path, const ModuleImage& img);

}  // namespace brenvox::cli
