#include "settings/port_config.h"

#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "test_files.h"

namespace brenvox {
namespace {

using testing_files::JoinCrLf;
using testing_files::ReadRaw;
using testing_files::Scrambler;
using testing_files::ScratchDir;
using testing_files::WriteRaw;

TEST(PortConfig, WrittenInTheSettingsFormatAndReadBack) {
    ScratchDir dir;
    const std::string path = dir.file("Conf");
    ASSERT_TRUE(WritePortConfig(path, 0, 4));  // port "5"
    Scrambler sc;
    EXPECT_EQ(ReadRaw(path),
              JoinCrLf({"[BEG]", sc.integer("PORTTYPE", 0), sc.integer("PORTNUM", 4), "[END]"}));
    EXPECT_EQ(ReadPortConfig(path), (PortConfig{0, 4, {}}));
    ASSERT_TRUE(WritePortConfig(path, 2, 7));
    EXPECT_EQ(ReadPortConfig(path), (PortConfig{2, 7, {}}));
}

TEST(PortConfig, MissingFolderOrFileGivesDefaultsAndAFailedWriteIsHarmless) {
    ScratchDir dir;
    const std::string path = dir.file("System/Conf");
    EXPECT_EQ(ReadPortConfig(path), PortConfig{});
    EXPECT_FALSE(WritePortConfig(path, 1, 3));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "System"));  // the folder is never created
}

TEST(PortConfig, PartialUnknownAndOutOfRangeEntries) {
    ScratchDir dir;
    const std::string path = dir.file("Conf");
    {
        Scrambler sc;
        WriteRaw(path, JoinCrLf({"[BEG]", sc.integer("PORTNUM", 3), "[END]"}));
        EXPECT_EQ(ReadPortConfig(path), (PortConfig{0, 3, {}}));
    }
    {
        // Values come back as stored; an unknown key is skipped in step.
        Scrambler sc;
        WriteRaw(path, JoinCrLf({"[BEG]", sc.str("COLOR", "blue"), sc.integer("PORTTYPE", 9),
                                 sc.integer("PORTNUM", -1), "[END]"}));
        EXPECT_EQ(ReadPortConfig(path), (PortConfig{9, -1, {}}));
    }
    {
        // A fault keeps what was read before it.
        Scrambler sc;
        WriteRaw(path, JoinCrLf({"[BEG]", sc.integer("PORTTYPE", 1), sc.line("PORTNUM", {1, 2}), "[END]"}));
        EXPECT_EQ(ReadPortConfig(path), (PortConfig{1, 0, {}}));
        Scrambler sc2;
        WriteRaw(path, JoinCrLf({"[BEG]", sc2.integer("PORTNUM", 6), "garbage"}));
        EXPECT_EQ(ReadPortConfig(path), (PortConfig{0, 6, {}}));
    }
}

// The reader as copies of the program from before PORTDEV have it: the two integer entries, any
// other key skipped.
PortConfig ReadAsOlderCopies(const std::string& path) {
    PortConfig cfg;
    SettingsFile f;
    if (!f.OpenForReading(path)) return cfg;
    std::string key;
    while (f.NextKey(key) == 1) {
        int32_t v = 0;
        if (key == "PORTTYPE" && f.ReadIntegerValue(v)) cfg.portType = v;
        if (key == "PORTNUM" && f.ReadIntegerValue(v)) cfg.portNum = v;
    }
    f.CloseConfigFile();
    return cfg;
}

TEST(PortConfig, ADeviceTheBoxesCannotNameIsOneMoreEntryThatOlderCopiesSkip) {
    ScratchDir dir;
    const std::string path = dir.file("Conf");
    ASSERT_TRUE(WritePortConfig(path, 1, 2, "/dev/ttyACM0"));
    Scrambler sc;
    EXPECT_EQ(ReadRaw(path), JoinCrLf({"[BEG]", sc.integer("PORTTYPE", 1), sc.integer("PORTNUM", 2),
                                       sc.str("PORTDEV", "/dev/ttyACM0"), "[END]"}));
    EXPECT_EQ(ReadPortConfig(path), (PortConfig{1, 2, "/dev/ttyACM0"}));
    EXPECT_EQ(ReadAsOlderCopies(path), (PortConfig{1, 2, ""}));

    // Written first by some later copy, it still leaves the boxes' entries to both readers.
    Scrambler first;
    WriteRaw(path, JoinCrLf({"[BEG]", first.str("PORTDEV", "COM12"), first.integer("PORTTYPE", 0),
                             first.integer("PORTNUM", 5), "[END]"}));
    EXPECT_EQ(ReadPortConfig(path), (PortConfig{0, 5, "COM12"}));
    EXPECT_EQ(ReadAsOlderCopies(path), (PortConfig{0, 5, ""}));

    // Choosing a port in the boxes again writes the file without the device.
    ASSERT_TRUE(WritePortConfig(path, 0, 5));
    EXPECT_EQ(ReadPortConfig(path), (PortConfig{0, 5, ""}));
}

}  // namespace
}  // namespace brenvox
