#pragma once
// The scrambled line-oriented text format of settings files and of the port configuration file.
//
//   [BEG]
//   KEY NN VVVV...      (NN: scrambled byte count, VV..: scrambled value bytes, upper-case hex)
//   [END]
//
// Lines end in CR LF. Every length and value byte is XORed with a running key that starts at
// ScrambleSeed when a file is opened and grows by ScrambleStep after each byte, through the whole
// file. Keys and marker lines are plain text and do not advance the key.
//
// One SettingsFile object handles one open file at a time. Reading is strict: anything the writer
// never produces (a line without a blank, an empty line, a missing "[END]", bad or missing hex
// digits, an integer that is not 4 bytes, a boolean that is not 1 byte, an overlong line) ends the
// read with -1 and the file closed. Writing builds the whole file in memory and hands it to
// WriteFileSafely (files/safe_file.h) at CloseConfigFile, so a failed save never damages the file
// that was there before: a new file is private (0600), a replaced file keeps its mode, and a path
// that is a symbolic link writes the link's target.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/safe_file.h"
#include "settings/module_settings.h"

namespace brenvox {

// Fixed for all time: files written by any version of the program must stay readable.
inline constexpr uint8_t ScrambleSeed = 0x5A;
inline constexpr uint8_t ScrambleStep = 0x27;

// The longest value line the writer can produce is a key plus "  " plus 2 + 2*255 digits; keys
// are short. Anything longer is not one of our files and is refused without reading it whole.
inline constexpr std::size_t kMaxLineLength = 4096;

enum class ConfigFileState { Closed = 0, Writing = 1, Reading = 2 };

class SettingsFile {
public:
    SettingsFile() = default;
    // An unfinished write is abandoned: nothing of it reaches the disk.
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    ConfigFileState state() const { return state_; }
    uint8_t scrambleKey() const { return key_; }
    // Why the last open, read or write failed, as the system said it (a file that is simply not
    // one of ours leaves it empty).
    std::error_code error() const { return error_; }

    // False when this object already has a file open or the path is empty. The disk is not
    // touched before CloseConfigFile.
    bool OpenForWriting(const std::string& path);
    // Writing that never reaches a disk: CloseToBytes ends it. False when a file is open.
    bool OpenForBytes();
    // False when this object already has a file open or the path cannot be opened as a file.
    bool OpenForReading(const std::string& path);

    // Writing: appends "[END]" and writes the file with WriteFileSafely. Returns false (and
    // leaves the target as it was) when any line was refused or the file could not be written.
    // Reading: closes the file, returns true. Closed: returns true.
    bool CloseConfigFile();
    // Writing: appends "[END]" and hands over the file's bytes; nothing when a line was refused
    // or nothing was being written.
    std::optional<std::string> CloseToBytes();

    // Each returns true when the line was written. Refused: a key that is empty or holds a blank,
    // CR or LF; more than 255 bytes of value (the count is a single byte). A refused or failed
    // line makes the whole write fail at CloseConfigFile.
    bool WriteStringValue(std::string_view key, std::string_view text);
    bool WriteBytesValue(std::string_view key, const uint8_t* bytes, std::size_t count);
    bool WriteIntegerValue(std::string_view key, int32_t value);
    bool WriteBooleanValue(std::string_view key, bool value);

    // -1: read error or not reading (the file is closed); 0: "[END]" reached (the file stays open
    // until CloseConfigFile); 1: `key` holds the next key and its value is pending. A pending
    // value that is not read is skipped in step with the scramble key.
    int NextKey(std::string& key);

    // Decode the value of the key NextKey returned last; false when no value is pending. A value
    // of the wrong size for the kind (an integer that is not 4 bytes, a boolean that is not 1) is
    // a read error: the file is closed and NextKey returns -1 from then on.
    bool ReadStringValue(std::string& out);
    bool ReadIntegerValue(int32_t& out);
    bool ReadBooleanValue(bool& out);

private:
    enum class LineResult { Ok, Eof, Error };
    LineResult readLine();
    void putHexByte(uint8_t b);
    bool decodeValueLine();
    void fail();

    ConfigFileState state_ = ConfigFileState::Closed;
    std::FILE* file_ = nullptr;  // reading only
    uint8_t key_ = ScrambleSeed;
    std::string line_;            // the value line being built, or the line last read
    std::vector<uint8_t> value_;  // descrambled bytes of the pending value
    bool valuePending_ = false;
    bool writeFailed_ = false;
    std::error_code error_;
    bool failed_ = false;       // a read error happened; NextKey keeps returning -1
    bool ended_ = false;        // "[END]" was read; nothing after it is read
    std::string target_, out_;  // writing: the path, and the file's bytes so far
};

// Messages the caller shows for the outcomes below are in settings/messages.h.

// Writes all 123 keys in file order. Fails, with the cause, when the file could not be written
// completely; a file that was at `path` before is then unchanged.
FileWriteResult WriteSettingsFile(const std::string& path, const ModuleSettings& s);

// The bytes WriteSettingsFile writes, for a face that keeps them itself (the page in the
// browser); nothing when a value could not be stored.
std::optional<std::string> SettingsFileBytes(const ModuleSettings& s);

enum class ReadOutcome { Ok, OpenFailed, ReadError };

struct SettingsReadResult {
    ReadOutcome outcome = ReadOutcome::Ok;
    // Why the file could not be opened or read, as the system said it; empty for a file that
    // opened and read but is not a settings file.
    std::error_code error;
    // Callers that only branch on the outcome read as they did when it was all there was.
    operator ReadOutcome() const { return outcome; }
};

// Applies the keys of the file as they are read: any order, the last of a repeated key wins,
// unknown keys are skipped, missing keys keep their values. OpenFailed leaves `s` unchanged;
// ReadError puts the default settings into `s`.
SettingsReadResult ReadSettingsFile(const std::string& path, ModuleSettings& s);

}  // namespace brenvox
