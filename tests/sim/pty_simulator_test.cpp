// The simulator answering over a real pseudo-terminal.
#include "pty_simulator.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "sim_test_io.h"

using namespace brenvox::sim;
using namespace simtest;

namespace {

constexpr int kLimitMs = 3000;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("brenvox_sim_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

class PtyTest : public ::testing::Test {
protected:
    PtySimulator sim;
    int fd = -1;
    void startAndOpen() {
        std::string error;
        ASSERT_TRUE(sim.start(&error)) << error;
        fd = OpenRaw(sim.devicePath());
        ASSERT_GE(fd, 0) << sim.devicePath();
    }
    void TearDown() override {
        if (fd >= 0) ::close(fd);
        sim.stop();
    }
};

}  // namespace

TEST_F(PtyTest, AnswersIdentifyWriteAndRead) {
    sim.setIdentity({2, 1, 0});
    startAndOpen();
    EXPECT_EQ(sim.devicePath().rfind("/dev/", 0), 0u);
    SendFrame(fd, {0xCA, 0x53});
    // The next request purges the port first, as the PC does; give the pair time to arrive.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    SendFrame(fd, {0x06, 0xFA});
    EXPECT_EQ(ReadFor(fd, 5, kLimitMs).bytes, (Bytes{0x02, 0x02, 0x01, 0x00, 0xFB}));

    const Bytes data = {0x13, 0x11, 0x00, 0xFF, 0x0A, 0x0D};  // XON, XOFF, CR, LF pass untouched
    Bytes w = {0x03, std::uint8_t(data.size()), 0x07, 0xEC};
    w.insert(w.end(), data.begin(), data.end());
    SendFrame(fd, WithChk(w));
    EXPECT_EQ(ReadFor(fd, 2, kLimitMs).bytes, (Bytes{0x04, 0xFC}));
    EXPECT_EQ(sim.memory()[2028 + 3], 0xFF);
    EXPECT_EQ(sim.memory()[2028 + 4], 0x0A);

    SendFrame(fd, WithChk({0x01, std::uint8_t(data.size()), 0x07, 0xEC}));
    const Bytes r = ReadFor(fd, data.size() + 5, kLimitMs).bytes;
    ASSERT_EQ(r.size(), data.size() + 5);
    EXPECT_EQ(Bytes(r.begin() + 4, r.end() - 1), data);
    const FrameCounts c = sim.counts();
    EXPECT_EQ(c.wake, 1);
    EXPECT_EQ(c.identify, 1);
    EXPECT_EQ(c.write, 1);
    EXPECT_EQ(c.read, 1);
}

TEST_F(PtyTest, MemoryIsSharedWithTheCaller) {
    Memory m;
    for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(i);
    startAndOpen();
    sim.setMemory(m);  // while running
    SendFrame(fd, {0x01, 0x14, 0x07, 0xEC, 0xF8});
    const Bytes r = ReadFor(fd, 25, kLimitMs).bytes;
    ASSERT_EQ(r.size(), 25u);
    EXPECT_EQ(Bytes(r.begin() + 4, r.end() - 1), Bytes(m.begin() + 2028, m.end()));
}

TEST_F(PtyTest, RestartSignAfterThreeRestartCommands) {
    int restarts = 0;
    sim.setRestartCallback([&] { ++restarts; });
    startAndOpen();
    for (int i = 0; i < 3; ++i) {
        SendFrame(fd, {0x05, 0xFB});
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const Bytes sign = ReadFor(fd, ModuleProtocol::restartSign().size(), kLimitMs).bytes;
    EXPECT_EQ(sign, ModuleProtocol::restartSign());
    EXPECT_EQ(sim.counts().restart, 3);
    EXPECT_EQ(restarts, 3);
}

TEST_F(PtyTest, GappedReplyStillArrivesWhole) {
    Faults f;
    f.gapMs = 15;
    sim.setFaults(f);
    startAndOpen();
    SendFrame(fd, {0x06, 0xFA});
    EXPECT_EQ(ReadFor(fd, 5, kLimitMs).bytes, (Bytes{0x02, 0x01, 0x01, 0x01, 0xFB}));
}

TEST_F(PtyTest, SilentSimulatorSendsNothing) {
    Faults f;
    f.silent = true;
    sim.setFaults(f);
    startAndOpen();
    SendFrame(fd, {0x06, 0xFA});
    EXPECT_TRUE(ReadFor(fd, 1, 400).bytes.empty());
    // The frame did arrive: silence is the module's choice, not a lost byte.
    for (int i = 0; i < 100 && sim.counts().identify == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(sim.counts().identify, 1);
}

TEST_F(PtyTest, SurvivesThePcClosingAndReopeningTheDevice) {
    startAndOpen();
    ::close(fd);
    fd = -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // Idle with nobody on the device: the thread must not spin on a hang-up condition.
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    getrusage(RUSAGE_SELF, &after);
    const auto cpuUs = [](const rusage& r) {
        return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000000L + r.ru_utime.tv_usec + r.ru_stime.tv_usec;
    };
    EXPECT_LT(cpuUs(after) - cpuUs(before), 200000L);
    fd = OpenRaw(sim.devicePath());
    ASSERT_GE(fd, 0);
    SendFrame(fd, {0x06, 0xFA});
    EXPECT_EQ(ReadFor(fd, 5, kLimitMs).bytes.size(), 5u);
}

TEST_F(PtyTest, StopMakesTheDeviceVanish) {
    startAndOpen();
    SendFrame(fd, {0x06, 0xFA});
    ASSERT_EQ(ReadFor(fd, 5, kLimitMs).bytes.size(), 5u);
    sim.stop();
    EXPECT_FALSE(sim.running());
    SendFrame(fd, {0x06, 0xFA});
    const ReadResult r = ReadFor(fd, 1, kLimitMs);
    EXPECT_TRUE(r.hangup);
    EXPECT_TRUE(r.bytes.empty());
    sim.stop();  // a second stop is harmless
}

TEST(PtyFiles, LinkAndTraceFile) {
    const std::string link = TempPath("link");
    const std::string trace = TempPath("trace.txt");
    std::string device;
    {
        PtySimulator sim;
        sim.setLinkPath(link);
        sim.setTracePath(trace);
        ASSERT_TRUE(sim.start());
        device = sim.devicePath();
        std::error_code ec;
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(std::filesystem::read_symlink(link, ec).string(), device);
        const int fd = OpenRaw(link);
        ASSERT_GE(fd, 0);
        SendFrame(fd, {0x06, 0xFA});
        EXPECT_EQ(ReadFor(fd, 5, kLimitMs).bytes.size(), 5u);
        SendFrame(fd, {0x77, 0x01, 0x02, 0x00, 0x00, 0xFD});  // junk, then a read of 2 bytes
        EXPECT_EQ(ReadFor(fd, 7, kLimitMs).bytes.size(), 7u);
        ::close(fd);
        sim.stop();
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    }
    std::ifstream in(trace);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_EQ(lines.size(), 5u);
    auto field = [](const std::string& line, int i) {
        std::istringstream s(line);
        std::string f;
        for (int k = 0; k <= i; ++k) s >> f;
        return f;
    };
    EXPECT_EQ(lines[0].substr(lines[0].find(' ')), " rx 06 FA");
    EXPECT_EQ(lines[1].substr(lines[1].find(' ')), " tx 02 01 01 01 FB");
    EXPECT_EQ(lines[2].substr(lines[2].find(' ')), " junk 77");
    EXPECT_EQ(lines[3].substr(lines[3].find(' ')), " rx 01 02 00 00 FD");
    EXPECT_EQ(field(lines[4], 1), "tx");
    EXPECT_LE(std::stoll(field(lines[0], 0)), std::stoll(field(lines[4], 0)));
    std::filesystem::remove(trace);
}

TEST(PtyFiles, RefusesToReplaceARegularFileWithTheLink) {
    const std::string path = TempPath("regular");
    { std::ofstream(path) << "keep me"; }
    PtySimulator sim;
    sim.setLinkPath(path);
    std::string error;
    EXPECT_FALSE(sim.start(&error));
    EXPECT_FALSE(error.empty());
    std::ifstream in(path);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "keep me");
    std::filesystem::remove(path);
}
