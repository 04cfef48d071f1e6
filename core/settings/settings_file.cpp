#include "settings/settings_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

bool FlushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

// A name beside the target that no other writer (thread or process) picks at the same moment.
std::string TempNameFor(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto tick =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    return target + ".tmp" + std::to_string(tick % 1000000007ULL) + "-" + std::to_string(counter++) + "-" +
           std::to_string(attempt);
}

// Settings files hold the SIM PIN and the module PIN: a new file is readable by its owner only.
// "Exclusive": never reuse a file someone else is writing. Null with errno set on failure.
std::FILE* CreatePrivateFile(const std::string& name) {
#ifdef _WIN32
    return std::fopen(name.c_str(), "wbx");
#else
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
    }
    return f;
#endif
}

// Saving through a symbolic link writes the file the link points to, so the link stays a link
// and its target gets the new settings. Follows a chain of links (a dangling one included: the
// file is then created where it points); a loop is left to fail on opening.
std::string FollowLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p(path);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p.string();
}

bool ValidWriteKey(std::string_view key) {
    if (key.empty()) return false;
    for (char c : key)
        if (c == ' ' || c == '\r' || c == '\n') return false;
    return key != "[BEG]" && key != "[END]";
}

}  // namespace

SettingsFile::~SettingsFile() {
    if (state_ == ConfigFileState::Writing)
        abandonWrite();
    else if (file_)
        std::fclose(file_);
}

void SettingsFile::abandonWrite() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    std::filesystem::remove(temp_, ec);
    state_ = ConfigFileState::Closed;
}

bool SettingsFile::OpenForWriting(const std::string& requested) {
    if (state_ != ConfigFileState::Closed || requested.empty()) return false;
    const std::string path = FollowLinks(requested);
    // Renaming would replace a file the user made read-only, which opening it for writing never
    // could; such a file is refused like one that cannot be created. (Checked by the permission
    // bits, so that it holds for every user, root included.)
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::is_directory(st)) return false;
    if (!ec && std::filesystem::is_regular_file(st)) {
        using std::filesystem::perms;
        if ((st.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) ==
            perms::none)
            return false;
    }
    std::FILE* f = nullptr;
    std::string temp;
    for (unsigned attempt = 0; attempt < 16 && !f; ++attempt) {
        temp = TempNameFor(path, attempt);
        errno = 0;
        f = CreatePrivateFile(temp);
        if (!f && errno != EEXIST) return false;
    }
    if (!f) return false;
    file_ = f;
    target_ = path;
    temp_ = temp;
    state_ = ConfigFileState::Writing;
    key_ = ScrambleSeed;
    writeFailed_ = false;
    if (std::fputs("[BEG]\r\n", file_) < 0) {
        abandonWrite();
        return false;
    }
    return true;
}

bool SettingsFile::OpenForReading(const std::string& path) {
    if (state_ != ConfigFileState::Closed || path.empty()) return false;
    std::error_code ec;
    // A directory opens as a stream on some systems; it is no settings file.
    if (std::filesystem::is_directory(path, ec)) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
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
    bool ok = !writeFailed_;
    if (std::fputs("[END]\r\n", file_) < 0) ok = false;
    if (!FlushToDisk(file_)) ok = false;
    if (std::ferror(file_)) ok = false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    ok = ok && closed;
    std::error_code ec;
    if (ok) {
        // The replaced file keeps its permissions.
        const auto st = std::filesystem::status(target_, ec);
        if (!ec && std::filesystem::is_regular_file(st))
            std::filesystem::permissions(temp_, st.permissions(), ec);
        std::filesystem::rename(temp_, target_, ec);
        ok = !ec;
    }
    if (!ok) std::filesystem::remove(temp_, ec);
    state_ = ConfigFileState::Closed;
    return ok;
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
    if (std::fwrite(line_.data(), 1, line_.size(), file_) != line_.size()) {
        writeFailed_ = true;
        return false;
    }
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
            if (std::ferror(file_)) return LineResult::Error;
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

bool SettingsFile::ReadBytesValue(std::vector<uint8_t>& out) {
    if (state_ != ConfigFileState::Reading || !valuePending_) return false;
    out = value_;
    valuePending_ = false;
    return true;
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

bool WriteSettingsFile(const std::string& path, const ModuleSettings& s) {
    SettingsFile f;
    if (!f.OpenForWriting(path)) return false;
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
    return f.CloseConfigFile();
}

ReadOutcome ReadSettingsFile(const std::string& path, ModuleSettings& s) {
    SettingsFile f;
    if (!f.OpenForReading(path)) return ReadOutcome::OpenFailed;
    std::string name;
    for (;;) {
        const int r = f.NextKey(name);
        if (r == 0) {
            f.CloseConfigFile();
            return ReadOutcome::Ok;
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
            return ReadOutcome::ReadError;
        }
    }
}

}  // namespace brenvox
