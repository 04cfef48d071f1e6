// brenvox-cli encode / decode, run as the real program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "codec/image_codec.h"
#include "settings/settings_file.h"

namespace fs = std::filesystem;

namespace brenvox {
namespace {

struct CliRun {
    int status;
    std::vector<std::string> lines;
};

CliRun RunCli(const std::string& args) {
    const std::string cmd = std::string(BRENVOX_CLI_PATH) + " " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    CliRun r{-1, {}};
    if (!p) return r;
    std::string out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) r.lines.push_back(line);
    return r;
}

std::vector<uint8_t> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class CodecCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("brenvox-codec-cli-" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string settingsFile(const std::string& name, const ModuleSettings& s) const {
        const std::string p = path(name);
        EXPECT_TRUE(WriteSettingsFile(p, s));
        return p;
    }
    static std::string Q(const std::string& s) { return "'" + s + "'"; }

    fs::path dir_;
};

ModuleSettings SettingsWithEvents() {
    ModuleSettings s;
    s.SMSC = "+48602951111";
    s.PIN = "1234";
    s.OUTCODE = "A1";
    s.OFFCODE = "B2";
    s.slots[0].Function = SendSms;
    s.slots[0].setPhone("+48601000001");
    s.slots[0].setSmsText("Alarm!");
    s.slots[5].Function = Ring;
    s.slots[5].setPhone("601000002");
    s.slots[5].Reaction = OnClosing;
    s.slots[5].Locked = true;
    s.set(IntSetting::TEST1TYPE, SendSms);
    s.TEST1PHONE = "601000003";
    s.TEST1SMS = "Test okresowy";
    return s;
}

TEST_F(CodecCli, EncodeWritesThePrivateImageOfEachVersion) {
    const ModuleSettings s = SettingsWithEvents();
    const std::string file = settingsFile("events", s);
    const mode_t oldMask = ::umask(022);  // one that lets others read, as many users have
    for (auto [ver, expected] : {std::pair{"1.0", EncodeImageV10(s)}, std::pair{"1.1", EncodeImageV11(s)}}) {
        const std::string img = path(std::string("img") + ver);
        const CliRun r = RunCli("encode " + Q(file) + " --version " + ver + " -o " + Q(img));
        EXPECT_EQ(r.status, 0) << ver;
        EXPECT_EQ(ReadAll(img), std::vector<uint8_t>(expected.begin(), expected.end())) << ver;
        // The image holds both PINs in plain bytes.
        EXPECT_EQ(fs::status(img).permissions(), fs::perms::owner_read | fs::perms::owner_write) << ver;
    }
    ::umask(oldMask);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"events", "img1.0", "img1.1"}));  // nothing left beside
}

TEST_F(CodecCli, EncodeRefusesSettingsThatFailTheChecks) {
    ModuleSettings s;
    s.PIN = "12a4";
    const std::string file = settingsFile("badpin", s);
    const std::string img = path("nope");
    const CliRun r = RunCli("encode " + Q(file) + " --version 1.1 -o " + Q(img));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Niewłaściwy kod PIN karty SIM.",
                                                 "Kod PIN powinien zawierać tylko cyfry."}));
    EXPECT_FALSE(fs::exists(img));
}

TEST_F(CodecCli, EncodeHexDumpsAllRows) {
    const std::string file = settingsFile("defaults", ModuleSettings{});
    const CliRun r = RunCli("encode " + Q(file) + " --version 1.0 --hex");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 128u);
    EXPECT_EQ(r.lines[0], "0000: CA 15 EA 05 2D 14 05 06 1E 05 3C 01 FF FF 00 00");
    EXPECT_EQ(r.lines[1], "0010: 00 00 00 00 00 90 FF FF C2 00 00 00 00 00 00 00");
    EXPECT_EQ(r.lines[125], "07D0: 38 33 36 31 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST_F(CodecCli, UsageErrorsExitTwoAndWriteNothing) {
    const std::string file = settingsFile("defaults", ModuleSettings{});
    const std::string img = path("img");
    EXPECT_EQ(RunCli("encode " + Q(file) + " --version 1.2 -o " + Q(img)).status, 2);
    EXPECT_EQ(RunCli("encode " + Q(file) + " --version 1.0").status, 2);  // neither -o nor --hex
    EXPECT_EQ(RunCli("encode " + Q(path("missing")) + " --version 1.0 -o " + Q(img)).status, 2);
    EXPECT_FALSE(fs::exists(img));

    const std::string out = path("out");
    EXPECT_EQ(RunCli("decode " + Q(file) + " --version 1.1 -o " + Q(out)).status, 2);  // not 2048 bytes
    for (std::size_t size : {2047u, 2049u}) {
        const std::string bad = path("size" + std::to_string(size));
        std::ofstream(bad, std::ios::binary) << std::string(size, '\0');
        EXPECT_EQ(RunCli("decode " + Q(bad) + " --version 1.0 -o " + Q(out)).status, 2) << size;
    }
    const std::string good = path("good");
    std::ofstream(good, std::ios::binary) << std::string(2048, '\0');
    EXPECT_EQ(RunCli("decode " + Q(good) + " --version 2 -o " + Q(out)).status, 2);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CodecCli, DecodeWritesTheSettingsTheImageHolds) {
    const ModuleSettings s = SettingsWithEvents();
    for (auto [ver, v] : {std::pair{"1.0", ModuleVersion::V10}, std::pair{"1.1", ModuleVersion::V11}}) {
        const ModuleImage img = EncodeImage(s, v);
        const std::string imgPath = path(std::string("img") + ver);
        std::ofstream(imgPath, std::ios::binary).write(reinterpret_cast<const char*>(img.data()), kImageSize);
        const std::string out = path(std::string("back") + ver);
        ASSERT_EQ(RunCli("decode " + Q(imgPath) + " --version " + ver + " -o " + Q(out)).status, 0);

        ModuleSettings back;
        ASSERT_EQ(ReadSettingsFile(out, back), ReadOutcome::Ok);
        ModuleSettings expected;  // decoded over the defaults
        DecodeImage(img, v, expected);
        EXPECT_EQ(back, expected) << ver;
        EXPECT_EQ(back.slots[0].SmsText, "Alarm!");
        EXPECT_EQ(back.slots[0].Comment, "");
        EXPECT_EQ(back.SMSC, "+48602951111");
        EXPECT_EQ(back.OUTCODE, "A1");
        EXPECT_EQ(back.OFFCODE, v == ModuleVersion::V10 ? "" : "B2");
        EXPECT_EQ(back.TEST1SMS, "Test okresowy");
    }
}

}  // namespace
}  // namespace brenvox
