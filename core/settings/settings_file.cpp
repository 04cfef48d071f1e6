#include "settings/settings_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace brenvox {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Only the digits the writer produces count: lower-case letters are as foreign as any other
// character.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ValidWriteKey(std::string_view key) {
    if (key.empty()) return false;
    for (char c : key)
        if (c == ' ' || c == '\r' || c == '\n') return false;
    return key != "[BEG]" && key != "[END]";
}

}  // namespace

SettingsFile::~SettingsFile() {
    // An unfinished write was only ever in memory.
    if (file_) std::fclose(file_);
}

bool SettingsFile::OpenForWriting(const std::string& path) {
    if (path.empty() || !OpenForBytes()) {
        error_ = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    target_ = path;
    return true;
}

bool SettingsFile::OpenForBytes() {
    if (state_ != ConfigFileState::Closed) {
        error_ = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    error_.clear();
    target_.clear();
    out_ = "[BEG]\r\n";
    state_ = ConfigFileState::Writing;
    key_ = ScrambleSeed;
    writeFailed_ = false;
    return true;
}

bool SettingsFile::OpenForReading(const std::string& path) {
    if (state_ != ConfigFileState::Closed || path.empty()) {
        error_ = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    std::FILE* f = OpenFileForReading(PathFromUtf8(path), error_);
    if (!f) return false;
    file_ = f;
    state_ = ConfigFileState::Reading;
    key_ = ScrambleSeed;
    valuePending_ = false;
    failed_ = false;
    ended_ = false;
    value_.clear();
    return true;
}

bool SettingsFile::CloseConfigFile() {
    switch (state_) {
        case ConfigFileState::Closed:
            return true;
        case ConfigFileState::Reading:
            if (file_) std::fclose(file_);
            file_ = nullptr;
            state_ = ConfigFileState::Closed;
            valuePending_ = false;
            return true;
        case ConfigFileState::Writing:
            break;
    }
    // A refused line fails the whole save before the disk is touched.
    const std::string target = target_;
    const std::optional<std::string> bytes = CloseToBytes();
    if (bytes) error_ = WriteFileSafely(PathFromUtf8(target), *bytes).error;
    return !error_;
}

std::optional<std::string> SettingsFile::CloseToBytes() {
    if (state_ != ConfigFileState::Writing) return std::nullopt;
    state_ = ConfigFileState::Closed;
    target_.clear();
    std::string bytes = std::move(out_);
    out_.clear();
    if (writeFailed_) {
        error_ = std::make_error_code(std::errc::invalid_argument);
        return std::nullopt;
    }
    return bytes + "[END]\r\n";
}

void SettingsFile::putHexByte(uint8_t b) {
    const uint8_t c = b ^ key_;
    key_ = static_cast<uint8_t>(key_ + ScrambleStep);
    line_ += kHexDigits[c >> 4];
    line_ += kHexDigits[c & 0x0F];
}

bool SettingsFile::WriteBytesValue(std::string_view key, const uint8_t* bytes, std::size_t count) {
    if (state_ != ConfigFileState::Writing) return false;
    // A bad key or an overlong value would make a file that cannot be read back; refusing the
    // line fails the whole save instead.
    if (!ValidWriteKey(key) || count > 255 || (count > 0 && !bytes)) {
        writeFailed_ = true;
        return false;
    }
    line_.assign(key);
    line_ += ' ';
    putHexByte(static_cast<uint8_t>(count));
    line_ += ' ';
    for (std::size_t i = 0; i < count; ++i) putHexByte(bytes[i]);
    line_ += "\r\n";
    out_ += line_;
    return true;
}

bool SettingsFile::WriteStringValue(std::string_view key, std::string_view text) {
    return WriteBytesValue(key, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

bool SettingsFile::WriteIntegerValue(std::string_view key, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                          static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
    return WriteBytesValue(key, b, 4);
}

bool SettingsFile::WriteBooleanValue(std::string_view key, bool value) {
    const uint8_t b = value ? 1 : 0;
    return WriteBytesValue(key, &b, 1);
}

SettingsFile::LineResult SettingsFile::readLine() {
    line_.clear();
    bool any = false;
    for (;;) {
        const int c = std::getc(file_);
        if (c == EOF) {
            if (std::ferror(file_)) {
                // errno is the system's cause where the C library sets it (POSIX, the Windows
                // runtime).
                error_ = {errno != 0 ? errno : EIO, std::generic_category()};
                return LineResult::Error;
            }
            return any ? LineResult::Ok : LineResult::Eof;
        }
        any = true;
        if (c == '\r') {
            const int next = std::getc(file_);
            if (next != '\n' && next != EOF) std::ungetc(next, file_);
            return LineResult::Ok;
        }
        // A bare LF ends a line as well, so files whose line ends were converted still load.
        if (c == '\n') return LineResult::Ok;
        if (line_.size() >= kMaxLineLength) return LineResult::Error;
        line_ += static_cast<char>(c);
    }
}

void SettingsFile::fail() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    state_ = ConfigFileState::Closed;
    valuePending_ = false;
    failed_ = true;
    value_.clear();
}

// Checks the whole value line and descrambles its bytes, so that nothing later can read past it.
// The scramble key advances exactly as if each byte had been taken one by one.
bool SettingsFile::decodeValueLine() {
    const std::size_t blank = line_.find(' ');
    if (blank == std::string::npos || blank == 0) return false;
    std::size_t pos = blank + 1;
    auto getHexByte = [&](uint8_t& out) {
        if (pos + 2 > line_.size()) return false;
        const int hi = HexValue(line_[pos]);
        const int lo = HexValue(line_[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        pos += 2;
        out = static_cast<uint8_t>((hi << 4 | lo) ^ key_);
        key_ = static_cast<uint8_t>(key_ + ScrambleStep);
        return true;
    };
    uint8_t n = 0;
    if (!getHexByte(n)) return false;
    if (pos >= line_.size() || line_[pos] != ' ') return false;
    ++pos;
    if (line_.size() - pos != 2u * n) return false;
    value_.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        if (!getHexByte(value_[i])) return false;
    return true;
}

int SettingsFile::NextKey(std::string& key) {
    if (state_ != ConfigFileState::Reading || failed_) return -1;
    if (ended_) return 0;
    // A pending value was already descrambled with the line, so skipping it keeps the key in step.
    valuePending_ = false;
    for (;;) {
        const LineResult r = readLine();
        if (r != LineResult::Ok) {
            fail();
            return -1;
        }
        if (line_ == "[BEG]") continue;
        if (line_ == "[END]") {
            ended_ = true;
            return 0;
        }
        if (!decodeValueLine()) {
            fail();
            return -1;
        }
        key.assign(line_, 0, line_.find(' '));
        valuePending_ = true;
        return 1;
    }
}

bool SettingsFile::ReadStringValue(std::string& out) {
    if (state_ != ConfigFileState::Reading || !valuePending_) return false;
    out.assign(value_.begin(), value_.end());
    valuePending_ = false;
    return true;
}

bool SettingsFile::ReadIntegerValue(int32_t& out) {
    if (state_ != ConfigFileState::Reading || !valuePending_) return false;
    if (value_.size() != 4) {
        fail();
        return false;
    }
    const uint32_t u = static_cast<uint32_t>(value_[0]) | static_cast<uint32_t>(value_[1]) << 8 |
                       static_cast<uint32_t>(value_[2]) << 16 | static_cast<uint32_t>(value_[3]) << 24;
    out = static_cast<int32_t>(u);
    valuePending_ = false;
    return true;
}

bool SettingsFile::ReadBooleanValue(bool& out) {
    if (state_ != ConfigFileState::Reading || !valuePending_) return false;
    if (value_.size() != 1) {
        fail();
        return false;
    }
    out = value_[0] != 0;
    valuePending_ = false;
    return true;
}

namespace {

// All 123 keys in file order.
void WriteKeys(SettingsFile& f, const ModuleSettings& s) {
    for (const SettingKey& k : SettingKeys()) {
        switch (k.kind) {
            case ValueKind::String:
                f.WriteStringValue(k.name, GetString(s, k));
                break;
            case ValueKind::Integer:
                f.WriteIntegerValue(k.name, GetInt(s, k));
                break;
            case ValueKind::Boolean:
                f.WriteBooleanValue(k.name, GetBool(s, k));
                break;
        }
    }
}

}  // namespace

FileWriteResult WriteSettingsFile(const std::string& path, const ModuleSettings& s) {
    SettingsFile f;
    if (!f.OpenForWriting(path)) return {f.error()};
    WriteKeys(f, s);
    f.CloseConfigFile();
    return {f.error()};
}

std::optional<std::string> SettingsFileBytes(const ModuleSettings& s) {
    SettingsFile f;
    f.OpenForBytes();
    WriteKeys(f, s);
    return f.CloseToBytes();
}

SettingsReadResult ReadSettingsFile(const std::string& path, ModuleSettings& s) {
    SettingsFile f;
    if (!f.OpenForReading(path)) return {ReadOutcome::OpenFailed, f.error()};
    std::string name;
    for (;;) {
        const int r = f.NextKey(name);
        if (r == 0) {
            f.CloseConfigFile();
            return {ReadOutcome::Ok, {}};
        }
        bool ok = r == 1;
        if (ok) {
            const SettingKey* k = FindSettingKey(name);
            if (!k) continue;  // unknown: skipped by the next NextKey
            switch (k->kind) {
                case ValueKind::String: {
                    std::string v;
                    ok = f.ReadStringValue(v);
                    if (ok) SetString(s, *k, v);
                    break;
                }
                case ValueKind::Integer: {
                    int32_t v = 0;
                    ok = f.ReadIntegerValue(v);
                    if (ok) SetInt(s, *k, v);
                    break;
                }
                case ValueKind::Boolean: {
                    bool v = false;
                    ok = f.ReadBooleanValue(v);
                    if (ok) SetBool(s, *k, v);
                    break;
                }
            }
        }
        if (!ok) {
            f.CloseConfigFile();
            ResetSettings(s);
            return {ReadOutcome::ReadError, f.error()};
        }
    }
}

}  // namespace brenvox
