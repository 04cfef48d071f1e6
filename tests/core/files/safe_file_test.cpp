// The one file writer on a real file system with real faults: a full disk (a tiny tmpfs, which
// needs root to mount), a folder the user may not write (as an unprivileged user: root is moved
// to "nobody" in a child process, since root ignores permission bits), links and modes.
#include "files/safe_file.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/writable_path.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;
using enum fs::perms;

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(dir)) v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

fs::perms Mode(const fs::path& p) {
    return fs::symlink_status(p).permissions();
}

// The umask a user may well have (group and others may read): the writer must not rely on a
// stricter one.
class PermissiveUmask {
public:
    PermissiveUmask() : old_(::umask(022)) {}
    ~PermissiveUmask() { ::umask(old_); }

private:
    mode_t old_;
};

struct SafeFile : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        char tmpl[] = "/tmp/brenvox-safe-file-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(dir, ec))
            if (e.is_directory(ec)) fs::permissions(e.path(), owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
};

TEST_F(SafeFile, ANewFileIsPrivateAndAReplacedFileKeepsItsMode) {
    PermissiveUmask umask;
    ASSERT_TRUE(WriteFileSafely(dir / "new", "PIN 1234"));
    EXPECT_EQ(Slurp(dir / "new"), "PIN 1234");
    EXPECT_EQ(Mode(dir / "new"), owner_read | owner_write);

    Put(dir / "shared", "old contents");
    fs::permissions(dir / "shared", owner_read | owner_write | group_read);
    ASSERT_TRUE(WriteFileSafely(dir / "shared", std::string(100000, 'x')));
    EXPECT_EQ(Slurp(dir / "shared"), std::string(100000, 'x'));
    EXPECT_EQ(Mode(dir / "shared"), owner_read | owner_write | group_read);
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"new", "shared"}));  // no temporary file left
}

TEST_F(SafeFile, WritingThroughALinkWritesItsTargetAndKeepsTheLink) {
    fs::create_directory(dir / "real");
    Put(dir / "real" / "klient", "old contents");
    // A relative link, and a second link pointing at the first.
    fs::create_symlink("real/klient", dir / "link");
    fs::create_symlink("link", dir / "link2");
    ASSERT_TRUE(WriteFileSafely(dir / "link2", "new"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link2")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link")));
    EXPECT_EQ(Slurp(dir / "real" / "klient"), "new");
    // The temporary file was made beside the target and renamed there: nothing else is left.
    EXPECT_EQ(Names(dir / "real"), std::vector<std::string>{"klient"});
    // A dangling link: the file is created where it points.
    fs::create_symlink("real/neu", dir / "dangling");
    ASSERT_TRUE(WriteFileSafely(dir / "dangling", "fresh"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "dangling")));
    EXPECT_EQ(Slurp(dir / "real" / "neu"), "fresh");
}

TEST_F(SafeFile, RefusedTargetsAreLeftAsTheyWere) {
    Put(dir / "old", "old contents");
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // stands in for a device such as /dev/null
    const auto before = Names(dir);
    const struct {
        fs::path target;
        std::errc error;
    } cases[] = {
        {dir / "folder", std::errc::is_a_directory},
        {dir / "missing" / "file", std::errc::no_such_file_or_directory},
        {dir / "old" / "file", std::errc::not_a_directory},
        {"", std::errc::invalid_argument},
    };
    for (const auto& c : cases) {
        const FileWriteResult r = WriteFileSafely(c.target, "new");
        EXPECT_FALSE(r) << c.target;
        EXPECT_EQ(r.error, c.error) << c.target << ": " << r.error.message();
    }
    // Renamed over, a device would be gone from the system.
    EXPECT_EQ(WriteFileSafely(dir / "pipe", "new").error, FileErrc::NotRegularFile);
    EXPECT_EQ(fs::status(dir / "pipe").type(), fs::file_type::fifo);
    // A file the user made read-only is not replaced behind its back, whoever runs the program.
    fs::permissions(dir / "old", owner_read | group_read);
    EXPECT_EQ(WriteFileSafely(dir / "old", "new").error, std::errc::permission_denied);
    EXPECT_EQ(Slurp(dir / "old"), "old contents");
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
    EXPECT_EQ(Names(dir), before);
    fs::permissions(dir / "old", owner_write, fs::perm_options::add);
    EXPECT_TRUE(WriteFileSafely(dir / "old", "new"));
}

TEST_F(SafeFile, AFullDiskFailsWithTheOldFileIntactAndNoTemporaryLeft) {
    const fs::path disk = dir / "tiny";
    fs::create_directory(disk);
    if (std::system(("mount -t tmpfs -o size=16k tmpfs '" + disk.string() + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root and mount rights)";
    struct Unmount {
        fs::path p;
        ~Unmount() { [[maybe_unused]] const int rc = std::system(("umount '" + p.string() + "'").c_str()); }
    } unmount{disk};
    ASSERT_TRUE(WriteFileSafely(disk / "settings", "old contents"));
    {
        std::ofstream fill(disk / "fill", std::ios::binary);
        const std::string block(512, 'f');
        while (fill.write(block.data(), block.size()) && fill.flush()) {
        }
    }
    const FileWriteResult r = WriteFileSafely(disk / "settings", std::string(8192, 'n'));
    EXPECT_EQ(r.error, std::errc::no_space_on_device) << r.error.message();
    EXPECT_EQ(Slurp(disk / "settings"), "old contents");
    EXPECT_EQ(Names(disk), (std::vector<std::string>{"fill", "settings"}));
}

TEST_F(SafeFile, AFolderTheUserMayNotWriteFailsWithTheOldFileIntact) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && !nobody) GTEST_SKIP() << "running as root and no user 'nobody' to become";
    const fs::path ro = dir / "ro";
    fs::create_directory(ro);
    Put(ro / "settings", "old contents");
    fs::permissions(ro / "settings", owner_read | owner_write | group_read | others_read);
    fs::permissions(ro, owner_read | owner_exec | group_read | group_exec | others_read | others_exec);
    fs::permissions(dir, owner_all | group_read | group_exec | others_read | others_exec);

    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0))
            ::_exit(255);
        ::_exit(WriteFileSafely(ro / "settings", "new").error.value() & 0xff);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), EACCES);
    EXPECT_EQ(Slurp(ro / "settings"), "old contents");
    EXPECT_EQ(Names(ro), std::vector<std::string>{"settings"});
}

TEST_F(SafeFile, PrivateFoldersAreMadeFromTheOutermostMissingOneIn) {
    PermissiveUmask umask;
    fs::create_directory(dir / "a");
    fs::permissions(dir / "a", owner_all | group_read | group_exec | others_read | others_exec);
    ASSERT_FALSE(MakePrivateDirs(dir / "a" / "b" / "c"));
    EXPECT_EQ(Mode(dir / "a"), owner_all | group_read | group_exec | others_read | others_exec);
    EXPECT_EQ(Mode(dir / "a" / "b"), owner_all);
    EXPECT_EQ(Mode(dir / "a" / "b" / "c"), owner_all);
    EXPECT_FALSE(MakePrivateDirs(dir / "a" / "b"));  // there already
    EXPECT_EQ(MakePrivateDir(dir / "a" / "b"), std::errc::file_exists);

    Put(dir / "file", "");
    EXPECT_TRUE(MakePrivateDirs(dir / "file"));
    EXPECT_EQ(MakePrivateDirs(dir / "file" / "x"), std::errc::not_a_directory);
}

// A folder that exists but takes no file for a cause without words of its own (here a name the
// system finds too long once the probe's name is added) is said in one reason, which the caller
// goes on from: no sentence's period inside it.
TEST_F(SafeFile, AnUnwritableFoldersCauseEndsWithoutAPeriod) {
    // Just short enough to be made, too long with the probe's name added.
    constexpr std::size_t kLength = 4080;
    fs::path deep = dir;
    while (deep.native().size() + 201 < kLength) deep /= std::string(200, 'd');
    deep /= std::string(kLength - deep.native().size() - 1, 'e');
    ASSERT_FALSE(MakePrivateDirs(deep));
    const std::optional<std::string> why = UnwritableFileReason(deep / "x");
    ASSERT_TRUE(why);
    EXPECT_EQ(why->find(".."), std::string::npos) << *why;
    EXPECT_NE(why->back(), '.') << *why;
}

// The check looks where the writer will write: through a dangling link, into its target's folder.
TEST_F(SafeFile, ADanglingLinkIsCheckedWhereItPoints) {
    fs::create_symlink(dir / "gone" / "settings", dir / "link");
    const std::optional<std::string> why = UnwritableFileReason(dir / "link");
    ASSERT_TRUE(why);
    EXPECT_NE(why->find((dir / "gone").string()), std::string::npos) << *why;
    fs::create_directory(dir / "gone");
    EXPECT_FALSE(UnwritableFileReason(dir / "link"));
}

}  // namespace
}  // namespace brenvox
