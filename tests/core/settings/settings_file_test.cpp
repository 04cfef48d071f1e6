#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "test_files.h"

namespace brenvox {
namespace {

using testing_files::JoinCrLf;
using testing_files::ReadRaw;
using testing_files::Scrambler;
using testing_files::ScratchDir;
using testing_files::WriteRaw;

// The whole expected file for `s`, built key by key with the independent scrambler.
std::string ExpectedFile(const ModuleSettings& s) {
    Scrambler sc;
    std::vector<std::string> lines{"[BEG]"};
    for (const SettingKey& k : SettingKeys()) {
        switch (k.kind) {
            case ValueKind::String:
                lines.push_back(sc.str(k.name, GetString(s, k)));
                break;
            case ValueKind::Integer:
                lines.push_back(sc.integer(k.name, GetInt(s, k)));
                break;
            case ValueKind::Boolean:
                lines.push_back(sc.boolean(k.name, GetBool(s, k)));
                break;
        }
    }
    lines.push_back("[END]");
    return JoinCrLf(lines);
}

std::string RandomBytes(std::mt19937& rng, std::size_t maxLen) {
    std::uniform_int_distribution<std::size_t> len(0, maxLen);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s(len(rng), '\0');
    for (char& c : s) c = static_cast<char>(byte(rng));
    return s;
}

ModuleSettings RandomSettings(std::mt19937& rng) {
    ModuleSettings s;
    std::uniform_int_distribution<int64_t> wide(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int64_t> near(-5, 300);
    std::bernoulli_distribution coin;
    for (const SettingKey& k : SettingKeys()) {
        switch (k.kind) {
            case ValueKind::String:
                SetString(s, k, RandomBytes(rng, 255));
                break;
            case ValueKind::Integer:
                SetInt(s, k, k.slot >= 0 ? wide(rng) : near(rng));
                break;
            case ValueKind::Boolean:
                SetBool(s, k, coin(rng));
                break;
        }
    }
    return s;
}

// Settings that differ from the defaults everywhere a read error must undo.
ModuleSettings NonDefault() {
    ModuleSettings s;
    s.PIN = "9999";
    s.SMSC = "+48600000000";
    s.slots[5].setPhone("123");
    s.slots[5].Function = Ring;
    s.set(IntSetting::SMSMAX, 7);
    s.RINGCUT = false;
    return s;
}

// ---- The format as written ----

TEST(SettingsFileFormat, DefaultsGiveTheExpectedBytesIn125CrLfLines) {
    ScratchDir dir;
    const std::string path = dir.file("Nowy");
    ModuleSettings s;
    ASSERT_TRUE(WriteSettingsFile(path, s));
    const std::string data = ReadRaw(path);
    EXPECT_EQ(data, ExpectedFile(s));
    EXPECT_EQ(std::count(data.begin(), data.end(), '\n'), 125);
    EXPECT_EQ(std::count(data.begin(), data.end(), '\r'), 125);
    EXPECT_EQ(data.substr(0, 7), "[BEG]\r\n");
    // An empty string: key, blank, the scrambled count and a trailing blank.
    EXPECT_EQ(data.substr(7, 9), "PIN 5A \r\n");
    EXPECT_EQ(data.substr(data.size() - 7), "[END]\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Nowy"});  // no temporary file left
}

TEST(SettingsFileFormat, RandomSettingsSurviveTheRoundTrip) {
    ScratchDir dir;
    std::mt19937 rng(20261206);
    for (int i = 0; i < 60; ++i) {
        const ModuleSettings written = RandomSettings(rng);
        const std::string path = dir.file("r" + std::to_string(i));
        ASSERT_TRUE(WriteSettingsFile(path, written));
        EXPECT_EQ(ReadRaw(path), ExpectedFile(written));
        EXPECT_EQ(SettingsFileBytes(written), ExpectedFile(written));  // the browser's save
        ModuleSettings read = NonDefault();
        ASSERT_EQ(ReadSettingsFile(path, read), ReadOutcome::Ok);
        ASSERT_EQ(read, written) << "round " << i;
    }
}

// ---- The low-level reader and writer ----

TEST(SettingsFileObject, ScrambleKeyRunsOverLengthAndValueBytesOnly) {
    ScratchDir dir;
    const std::string path = dir.file("k");
    SettingsFile w;
    ASSERT_TRUE(w.OpenForWriting(path));
    EXPECT_EQ(w.scrambleKey(), ScrambleSeed);
    ASSERT_TRUE(w.WriteStringValue("A", ""));  // 1 byte
    EXPECT_EQ(w.scrambleKey(), uint8_t(ScrambleSeed + ScrambleStep));
    ASSERT_TRUE(w.WriteIntegerValue("B", -2));    // 5 bytes
    ASSERT_TRUE(w.WriteBooleanValue("C", true));  // 2 bytes
    EXPECT_EQ(w.scrambleKey(), uint8_t(ScrambleSeed + 8 * ScrambleStep));
    ASSERT_TRUE(w.CloseConfigFile());

    SettingsFile r;
    ASSERT_TRUE(r.OpenForReading(path));
    std::string key;
    ASSERT_EQ(r.NextKey(key), 1);
    EXPECT_EQ(key, "A");
    std::string sv = "x";
    ASSERT_TRUE(r.ReadStringValue(sv));
    EXPECT_EQ(sv, "");
    EXPECT_EQ(r.scrambleKey(), uint8_t(ScrambleSeed + ScrambleStep));
    // "B" is not read: skipping it must keep the key in step for "C".
    ASSERT_EQ(r.NextKey(key), 1);
    EXPECT_EQ(key, "B");
    ASSERT_EQ(r.NextKey(key), 1);
    EXPECT_EQ(key, "C");
    bool b = false;
    ASSERT_TRUE(r.ReadBooleanValue(b));
    EXPECT_TRUE(b);
    EXPECT_FALSE(r.ReadBooleanValue(b));  // nothing pending any more
    EXPECT_EQ(r.NextKey(key), 0);
    EXPECT_EQ(r.NextKey(key), 0);  // stays at the end marker
    EXPECT_TRUE(r.CloseConfigFile());
    EXPECT_EQ(r.state(), ConfigFileState::Closed);
    EXPECT_EQ(r.NextKey(key), -1);
}

TEST(SettingsFileObject, ASecondOpenOnTheSameObjectFails) {
    ScratchDir dir;
    ASSERT_TRUE(WriteSettingsFile(dir.file("a"), ModuleSettings{}));
    SettingsFile f;
    ASSERT_TRUE(f.OpenForReading(dir.file("a")));
    EXPECT_FALSE(f.OpenForReading(dir.file("a")));
    EXPECT_FALSE(f.OpenForWriting(dir.file("b")));
    EXPECT_EQ(f.state(), ConfigFileState::Reading);
    f.CloseConfigFile();

    SettingsFile w;
    ASSERT_TRUE(w.OpenForWriting(dir.file("b")));
    EXPECT_FALSE(w.OpenForWriting(dir.file("c")));
    EXPECT_FALSE(w.OpenForReading(dir.file("a")));
    EXPECT_TRUE(w.CloseConfigFile());
    EXPECT_FALSE(std::filesystem::exists(dir.file("c")));
}

TEST(SettingsFileObject, WritesThatWouldMakeAnUnreadableFileFailTheSave) {
    ScratchDir dir;
    struct Case {
        const char* name;
        std::function<bool(SettingsFile&)> write;
    };
    const std::vector<Case> cases = {
        {"empty key", [](SettingsFile& f) { return f.WriteStringValue("", "x"); }},
        {"key with a blank", [](SettingsFile& f) { return f.WriteStringValue("A B", "x"); }},
        {"key with CR", [](SettingsFile& f) { return f.WriteIntegerValue("A\rB", 1); }},
        {"key [END]", [](SettingsFile& f) { return f.WriteBooleanValue("[END]", true); }},
        {"256 bytes", [](SettingsFile& f) { return f.WriteStringValue("A", std::string(256, 'x')); }},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file("bad");
        WriteRaw(path, "previous");
        SettingsFile f;
        ASSERT_TRUE(f.OpenForWriting(path));
        EXPECT_FALSE(c.write(f)) << c.name;
        EXPECT_TRUE(f.WriteStringValue("OK", "fine"));
        EXPECT_FALSE(f.CloseConfigFile()) << c.name;
        EXPECT_EQ(ReadRaw(path), "previous") << c.name;
        EXPECT_EQ(dir.entries().size(), 1u) << c.name;
        SettingsFile bytes;
        ASSERT_TRUE(bytes.OpenForBytes());
        c.write(bytes);
        EXPECT_FALSE(bytes.CloseToBytes()) << c.name;
    }
    // 255 bytes is the most a line can carry, and it comes back whole.
    SettingsFile f;
    ASSERT_TRUE(f.OpenForWriting(dir.file("max")));
    ASSERT_TRUE(f.WriteStringValue("A", std::string(255, '\xFF')));
    ASSERT_TRUE(f.CloseConfigFile());
    SettingsFile r;
    ASSERT_TRUE(r.OpenForReading(dir.file("max")));
    std::string key, v;
    ASSERT_EQ(r.NextKey(key), 1);
    ASSERT_TRUE(r.ReadStringValue(v));
    EXPECT_EQ(v, std::string(255, '\xFF'));
}

TEST(SettingsFileObject, AnObjectDestroyedMidWriteLeavesTheTargetAlone) {
    ScratchDir dir;
    const std::string path = dir.file("t");
    WriteRaw(path, "previous");
    {
        SettingsFile f;
        ASSERT_TRUE(f.OpenForWriting(path));
        f.WriteStringValue("PIN", "1234");
    }
    EXPECT_EQ(ReadRaw(path), "previous");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"t"});
}

// ---- Reading hand-made files ----

class SettingsFileRead : public ::testing::Test {
protected:
    ReadOutcome read(const std::vector<std::string>& lines, ModuleSettings& s) {
        WriteRaw(path_, JoinCrLf(lines));
        return ReadSettingsFile(path_, s);
    }
    ScratchDir dir_;
    std::string path_ = dir_.file("in");
};

TEST_F(SettingsFileRead, UnknownKeysAreSkippedInStep) {
    Scrambler sc;
    std::vector<std::string> lines{"[BEG]",
                                   sc.str("PIN", "1234"),
                                   sc.str("NOSUCHKEY", "abcdefgh"),
                                   sc.integer("INP11", 5),
                                   sc.str("pin", "0000"),
                                   sc.integer("SMSMAX", 99),
                                   sc.str("SMSC", "+48601")};
    lines.push_back("[END]");
    ModuleSettings s;
    ASSERT_EQ(read(lines, s), ReadOutcome::Ok);
    ModuleSettings want;
    want.PIN = "1234";
    want.set(IntSetting::SMSMAX, 99);
    want.SMSC = "+48601";
    EXPECT_EQ(s, want);
}

TEST_F(SettingsFileRead, OnlyTheKeysInTheFileChangeAndTheLastOfARepeatedKeyWins) {
    Scrambler sc;
    const std::string longPhone = "12345678901234567890";
    std::vector<std::string> lines{"[BEG]",
                                   sc.str("INP11P", longPhone),
                                   sc.str("PIN", "123456"),
                                   sc.integer("SMSTIME", 50),
                                   sc.integer("TESTMSB", -3),
                                   sc.integer("TEST1TYPE", 7),
                                   sc.integer("INP34F", 5),
                                   sc.integer("INP34R", 7),
                                   sc.str("PIN", "4321"),
                                   sc.boolean("RINGCUT", false),
                                   "[END]"};
    ModuleSettings s = NonDefault();
    ASSERT_EQ(read(lines, s), ReadOutcome::Ok);
    ModuleSettings want = NonDefault();
    want.slots[0].Phone = longPhone.substr(0, 12);
    want.PIN = "4321";
    want.set(IntSetting::SMSTIME, 42);
    want.set(IntSetting::TESTMSB, 0);
    want.set(IntSetting::TEST1TYPE, 7);
    want.slots[7].Function = 5;
    want.slots[7].Reaction = 7;
    want.RINGCUT = false;
    EXPECT_EQ(s, want);
    EXPECT_EQ(s.get(IntSetting::SMSTIME), 42);
    EXPECT_EQ(s.get(IntSetting::TEST1TYPE), -1);  // outside the list: no selection
}

TEST_F(SettingsFileRead, ProgramSetScalarStringsStayWhole) {
    Scrambler sc;
    ModuleSettings s;
    ASSERT_EQ(read({"[BEG]", sc.str("PIN", "123456"), sc.str("TEST1SMS", std::string(200, 'a')), "[END]"}, s),
              ReadOutcome::Ok);
    EXPECT_EQ(s.PIN, "123456");
    EXPECT_EQ(s.TEST1SMS.size(), 200u);
}

TEST_F(SettingsFileRead, MarkerLinesBegAnywhereAndNothingAfterEnd) {
    Scrambler sc;
    std::vector<std::string> lines{sc.str("PIN", "1111"),    "[BEG]", "[BEG]",
                                   sc.str("MODPIN", "2222"), "[BEG]", "[END]"};
    Scrambler after = sc;
    lines.push_back(after.str("SMSC", "999"));
    lines.push_back("garbage without any blank");
    lines.push_back("");
    ModuleSettings s;
    ASSERT_EQ(read(lines, s), ReadOutcome::Ok);
    EXPECT_EQ(s.PIN, "1111");
    EXPECT_EQ(s.MODPIN, "2222");
    EXPECT_EQ(s.SMSC, "");
}

TEST_F(SettingsFileRead, LineEndsMayBeCrAloneOrLfAloneAndTheLastMayBeMissing) {
    Scrambler sc;
    const std::string a = sc.str("PIN", "1212"), b = sc.str("MODPIN", "3434"), c = sc.boolean("ON47", true);
    WriteRaw(path_, "[BEG]\r" + a + "\n" + b + "\r\n" + c + "\r[END]");
    ModuleSettings s;
    ASSERT_EQ(ReadSettingsFile(path_, s), ReadOutcome::Ok);
    EXPECT_EQ(s.PIN, "1212");
    EXPECT_EQ(s.MODPIN, "3434");
    EXPECT_TRUE(s.ON47);
}

TEST_F(SettingsFileRead, AFileThatCannotBeOpenedChangesNothing) {
    ModuleSettings s = NonDefault();
    const SettingsReadResult missing = ReadSettingsFile(dir_.file("missing"), s);
    EXPECT_EQ(missing, ReadOutcome::OpenFailed);
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    const SettingsReadResult folder = ReadSettingsFile(dir_.path().string(), s);
    EXPECT_EQ(folder, ReadOutcome::OpenFailed);
    EXPECT_EQ(folder.error, std::errc::is_a_directory);
    EXPECT_EQ(ReadSettingsFile("", s), ReadOutcome::OpenFailed);
    EXPECT_EQ(s, NonDefault());
}

// Every kind of input the writer never produces ends in the read error, with the defaults put
// in place even when valid lines were applied before the fault.
TEST_F(SettingsFileRead, MalformedFilesEndInReadErrorAndDefaults) {
    struct Case {
        std::string name;
        std::string bytes;
    };
    std::vector<Case> cases;
    auto prefix = [](Scrambler& sc) { return "[BEG]\r\n" + sc.str("PIN", "5555") + "\r\n"; };
    auto add = [&](std::string name, std::function<std::string(Scrambler&)> body, bool withEnd = true) {
        Scrambler sc;
        std::string s = prefix(sc);
        s += body(sc);
        if (withEnd) s += "[END]\r\n";
        cases.push_back({std::move(name), std::move(s)});
    };
    add("line without a blank", [](Scrambler&) { return std::string("MODPIN\r\n"); });
    add("empty line", [](Scrambler&) { return std::string("\r\n"); });
    add(
        "end of file before [END]", [](Scrambler& sc) { return sc.str("MODPIN", "1234") + "\r\n"; }, false);
    add("non-hex digit", [](Scrambler& sc) {
        std::string l = sc.str("MODPIN", "1234");
        l[l.size() - 1] = 'G';
        return l + "\r\n";
    });
    add("lower-case hex", [](Scrambler& sc) {
        // Try values until one scrambles to a letter digit, so the case change really happens.
        for (int v = 0;; ++v) {
            Scrambler probe = sc;
            std::string l = probe.integer("SMSMAX", v);
            std::string lower = l;
            std::transform(lower.begin() + 7, lower.end(), lower.begin() + 7, ::tolower);
            if (lower != l) {
                sc = probe;
                return lower + "\r\n";
            }
        }
    });
    add("too few digits", [](Scrambler& sc) {
        std::string l = sc.str("MODPIN", "1234");
        return l.substr(0, l.size() - 2) + "\r\n";
    });
    add("odd digit count", [](Scrambler& sc) {
        std::string l = sc.str("MODPIN", "1234");
        return l.substr(0, l.size() - 1) + "\r\n";
    });
    add("too many digits", [](Scrambler& sc) { return sc.str("MODPIN", "1234") + "00\r\n"; });
    add("integer of 3 bytes", [](Scrambler& sc) { return sc.line("SMSMAX", {1, 0, 0}) + "\r\n"; });
    add("integer of 5 bytes", [](Scrambler& sc) { return sc.line("INP11F", {1, 0, 0, 0, 0}) + "\r\n"; });
    add("integer of 0 bytes", [](Scrambler& sc) { return sc.line("INP11R", {}) + "\r\n"; });
    add("boolean of 2 bytes", [](Scrambler& sc) { return sc.line("ONALARM", {1, 0}) + "\r\n"; });
    add("boolean of 0 bytes", [](Scrambler& sc) { return sc.line("INP72L", {}) + "\r\n"; });
    add("empty key", [](Scrambler& sc) { return sc.str("", "12") + "\r\n"; });
    add("no blank after the count", [](Scrambler& sc) {
        std::string l = sc.str("MODPIN", "");
        return l.substr(0, l.size() - 1) + "\r\n";
    });
    add("one count digit", [](Scrambler&) { return std::string("MODPIN 5\r\n"); });
    add("100 kB line", [](Scrambler&) { return "PIN 00 " + std::string(100 * 1024, 'A') + "\r\n"; });
    add("line just over the limit", [](Scrambler&) { return std::string(kMaxLineLength + 1, 'K') + "\r\n"; });
    cases.push_back({"empty file", ""});
    cases.push_back({"only [BEG]", "[BEG]\r\n"});
    cases.push_back({"a lone CR", "\r"});

    for (const Case& c : cases) {
        WriteRaw(path_, c.bytes);
        ModuleSettings s = NonDefault();
        const SettingsReadResult read = ReadSettingsFile(path_, s);
        EXPECT_EQ(read, ReadOutcome::ReadError) << c.name;
        EXPECT_FALSE(read.error) << c.name;  // the disk did no wrong: there is no cause to tell
        EXPECT_EQ(s, ModuleSettings{}) << c.name;

        // The low-level reader closes the file at the fault and stays failed.
        SettingsFile f;
        ASSERT_TRUE(f.OpenForReading(path_)) << c.name;
        std::string key;
        int r;
        int32_t i;
        bool b;
        do {
            r = f.NextKey(key);
            if (r == 1) {
                const SettingKey* k = FindSettingKey(key);
                if (k && k->kind == ValueKind::Integer && !f.ReadIntegerValue(i)) r = -1;
                if (k && k->kind == ValueKind::Boolean && !f.ReadBooleanValue(b)) r = -1;
            }
        } while (r == 1);
        EXPECT_EQ(r, -1) << c.name;
        EXPECT_EQ(f.state(), ConfigFileState::Closed) << c.name;
        EXPECT_EQ(f.NextKey(key), -1) << c.name;
    }
}

TEST_F(SettingsFileRead, AHundredMegabyteFileIsReadThroughWithoutHarm) {
    // 100 MB of marker lines and no end marker: read line by line to the end, then refused.
    {
        std::ofstream o(path_, std::ios::binary);
        std::string chunk;
        while (chunk.size() < 1024 * 1024) chunk += "[BEG]\r\n";
        for (int i = 0; i < 100; ++i) o << chunk;
    }
    ASSERT_GE(std::filesystem::file_size(path_), 100u * 1024 * 1024);
    ModuleSettings s = NonDefault();
    EXPECT_EQ(ReadSettingsFile(path_, s), ReadOutcome::ReadError);
    EXPECT_EQ(s, ModuleSettings{});

    // One 100 MB line is refused as soon as it passes the line limit.
    {
        std::ofstream o(path_, std::ios::binary | std::ios::trunc);
        const std::string chunk(1024 * 1024, 'A');
        o << "[BEG]\r\nPIN 00 ";
        for (int i = 0; i < 100; ++i) o << chunk;
        o << "\r\n[END]\r\n";
    }
    s = NonDefault();
    EXPECT_EQ(ReadSettingsFile(path_, s), ReadOutcome::ReadError);
    EXPECT_EQ(s, ModuleSettings{});
}

}  // namespace
}  // namespace brenvox
