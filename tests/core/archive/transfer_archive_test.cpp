// The transfer archive on a real file system: entries whole or absent, history order.
#include "archive/transfer_archive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "codec/image_codec.h"
#include "codec/sha256.h"
#include "settings/settings_file.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;
using std::chrono::sys_days;

struct TransferArchive : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        char tmpl[] = "/tmp/brenvox-archive-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }

    static ArchiveRecord Record(OperationMode mode, std::string name, int second) {
        ArchiveRecord r;
        r.mode = mode;
        r.name = std::move(name);
        r.module = {2, 1, 1};
        r.image = EncodeImageV11(ModuleSettings{});
        r.time = sys_days{std::chrono::year{2026} / 12 / 8} + std::chrono::hours{1} + seconds{second};
        return r;
    }
};

std::string Slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST_F(TransferArchive, EntryHoldsSettingsImageAndRecordAllPrivate) {
    ModuleSettings s;
    s.SMSC = "+48602951111";
    ArchiveRecord rec = Record(OperationMode::Read, "../Sklep: 7?", 5);
    rec.settings = s;
    rec.trace = "0 tx CA 53\n";
    // Under a umask that lets others read, as many users have.
    const mode_t oldMask = ::umask(022);
    const ArchiveResult r = ArchiveTransfer((dir / "new" / "Archiwum").string(), rec);
    ::umask(oldMask);
    ASSERT_TRUE(r.ok) << r.error;
    // The image and the settings hold both PINs: every folder made and every file written is the
    // user's alone.
    using enum fs::perms;
    for (const fs::path& folder : {dir / "new", dir / "new" / "Archiwum", fs::path(r.folder)})
        EXPECT_EQ(fs::status(folder).permissions(), owner_all) << folder;
    for (const char* file : {"settings", "image.bin", "trace", "entry.json"})
        EXPECT_EQ(fs::status(fs::path(r.folder) / file).permissions(), owner_read | owner_write) << file;
    // The name cannot leave the archive nor break the folder name.
    EXPECT_EQ(fs::path(r.folder), dir / "new" / "Archiwum" / "20261208-010005-read-_._Sklep_ 7_");
    ModuleSettings back;
    ASSERT_EQ(ReadSettingsFile((fs::path(r.folder) / "settings").string(), back), ReadOutcome::Ok);
    EXPECT_EQ(back, s);
    const std::string image = Slurp(fs::path(r.folder) / "image.bin");
    EXPECT_EQ(image, std::string(rec.image->begin(), rec.image->end()));
    EXPECT_EQ(Slurp(fs::path(r.folder) / "trace"), rec.trace);
    const auto j = nlohmann::json::parse(Slurp(fs::path(r.folder) / "entry.json"));
    EXPECT_EQ(j, nlohmann::json::parse(R"({"time": "2026-12-08T01:00:05Z", "mode": "read",
        "name": "../Sklep: 7?", "module_version": "1.1", "module_type": 2, "outcome": "Success",
        "image_sha256": ")" + Sha256Hex(image) +
                                       "\"}"));
}

// A disk that fills up at any point of writing an entry: the entry is there whole or not at
// all, and no temporary folder is left behind. Mounting needs root; without it, skipped.
TEST_F(TransferArchive, FullDiskLeavesNoPartialEntry) {
    const fs::path disk = dir / "disk";
    fs::create_directories(disk);
    if (std::system(("mount -t tmpfs -o size=64k tmpfs '" + disk.string() + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root and mount rights)";
    struct Unmount {
        fs::path p;
        // A failed unmount only leaves the tmpfs behind; the fixture's folder removal reports it.
        ~Unmount() { [[maybe_unused]] const int rc = std::system(("umount '" + p.string() + "'").c_str()); }
    } unmount{disk};

    const fs::path archive = disk / "Archiwum";
    fs::create_directories(archive);
    bool sawFailure = false, sawSuccess = false;
    // Free space from none to enough, one tmpfs page at a time.
    for (int pages = 0; pages <= 6 && !sawSuccess; ++pages) {
        {
            std::ofstream fill(disk / "fill", std::ios::binary | std::ios::trunc);
            const std::string block(4096, 'f');
            while (fill.write(block.data(), block.size()) && fill.flush()) {
            }
        }
        fs::resize_file(disk / "fill", std::max<std::uintmax_t>(fs::file_size(disk / "fill"), 4096u * pages) -
                                           4096u * pages);
        const ArchiveResult r = ArchiveTransfer(archive.string(), Record(OperationMode::Program, "a", 0));
        std::vector<fs::path> left;
        for (const auto& e : fs::directory_iterator(archive)) left.push_back(e.path());
        if (r.ok) {
            sawSuccess = true;
            ASSERT_EQ(left.size(), 1u);
            EXPECT_EQ(fs::file_size(left[0] / "image.bin"), 2048u);
            EXPECT_TRUE(fs::exists(left[0] / "entry.json"));
        } else {
            sawFailure = true;
            EXPECT_FALSE(r.error.empty());
            EXPECT_TRUE(left.empty()) << pages << " pages free: " << left.front();
        }
    }
    EXPECT_TRUE(sawFailure);
    EXPECT_TRUE(sawSuccess);
}

TEST_F(TransferArchive, HistoryNewestFirst) {
    const std::string a = dir.string();
    for (const ArchiveRecord& rec :
         {Record(OperationMode::Program, "b", 1), Record(OperationMode::Compare, "b", 3),
          Record(OperationMode::Read, "c", 2)})
        ASSERT_TRUE(ArchiveTransfer(a, rec).ok);
    // Eleven in one second: the suffixes -2 .. -11 keep them apart, and "-11" is the newest.
    for (int i = 0; i < 11; ++i) ASSERT_TRUE(ArchiveTransfer(a, Record(OperationMode::Program, "d", 4)).ok);
    fs::create_directory(dir / ".tmp-123");  // an entry being written
    fs::create_directory(dir / "broken");

    const HistoryResult h = ReadHistory(a);
    ASSERT_TRUE(h.ok);
    std::vector<std::string> folders;
    for (const HistoryEntry& e : h.entries) folders.push_back(e.folder);
    ASSERT_EQ(folders.size(), 14u);
    EXPECT_EQ(folders[0], "20261208-010004-program-d-11");
    EXPECT_EQ(folders[1], "20261208-010004-program-d-10");
    EXPECT_EQ(folders[9], "20261208-010004-program-d-2");
    EXPECT_EQ(folders[10], "20261208-010004-program-d");
    EXPECT_EQ(folders[11], "20261208-010003-compare-b");
    EXPECT_EQ(folders[12], "20261208-010002-read-c");
    EXPECT_EQ(folders[13], "20261208-010001-program-b");
    EXPECT_EQ(h.skipped, std::vector<std::string>{"broken: brak pliku entry.json"});

    // The name filter finds part of a name in either case, as the archive window's does.
    const HistoryResult b = ReadHistory(a, "B");
    ASSERT_EQ(b.entries.size(), 2u);
    EXPECT_EQ(b.entries[0].mode, "compare");
    EXPECT_EQ(b.entries[1].mode, "program");
    EXPECT_TRUE(NameContains("Sklep ŁÓDŹ-Żabieniec", "łódź-ża"));
    EXPECT_TRUE(NameContains("Объект 7", "ОБЪЕКТ"));
    EXPECT_FALSE(NameContains("Łódź", "lodz"));
    EXPECT_FALSE(ReadHistory((dir / "missing").string()).ok);
}

}  // namespace
}  // namespace brenvox
