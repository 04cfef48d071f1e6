#pragma once
// Helpers for tests that build settings files by hand: a scrambler written apart from the
// program's writer, a scratch folder, and whole-file read/write.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace brenvox::testing_files {

// Builds value lines with the running key, independently of SettingsFile.
class Scrambler {
public:
    std::string line(const std::string& key, const std::vector<uint8_t>& bytes) {
        std::string s = key + " " + hex(static_cast<uint8_t>(bytes.size())) + " ";
        for (uint8_t b : bytes) s += hex(b);
        return s;
    }
    std::string str(const std::string& key, const std::string& text) {
        return line(key, std::vector<uint8_t>(text.begin(), text.end()));
    }
    std::string integer(const std::string& key, int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        return line(key, {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)});
    }
    std::string boolean(const std::string& key, bool v) { return line(key, {uint8_t(v ? 1 : 0)}); }
    uint8_t key() const { return key_; }

private:
    std::string hex(uint8_t b) {
        static const char* d = "0123456789ABCDEF";
        const uint8_t c = b ^ key_;
        key_ = static_cast<uint8_t>(key_ + ScrambleStep);
        return {d[c >> 4], d[c & 15]};
    }
    uint8_t key_ = ScrambleSeed;
};

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

inline void WriteRaw(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream o(p, std::ios::binary | std::ios::trunc);
    o << bytes;
}

inline std::string ReadRaw(const std::filesystem::path& p) {
    std::ifstream i(p, std::ios::binary);
    std::ostringstream ss;
    ss << i.rdbuf();
    return ss.str();
}

// A fresh folder per test, removed at the end.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("brenvox-settings-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Names in the folder (to see that no temporary file was left behind).
    std::vector<std::string> entries() const {
        std::vector<std::string> v;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            v.push_back(e.path().filename().string());
        return v;
    }

private:
    std::filesystem::path path_;
};

}  // namespace brenvox::testing_files
