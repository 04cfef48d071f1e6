// The brenvox-modsim program, started as a user would start it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "sim_test_io.h"

using namespace simtest;
namespace fs = std::filesystem;

namespace {

constexpr int kLimitMs = 5000;

std::string TempPath(const std::string& name) {
    return (fs::temp_directory_path() / ("brenvox_modsim_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

// A running brenvox-modsim: its PID and the first line it printed.
class Modsim {
public:
    explicit Modsim(std::vector<std::string> args) {
        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0) return;
        // Everything the child needs is built before fork: only exec-safe calls after it.
        std::string prog = BRENVOX_MODSIM_PATH;
        std::vector<char*> argv;
        argv.push_back(prog.data());
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            execv(prog.c_str(), argv.data());
            _exit(127);
        }
        ::close(out[1]);
        out_ = out[0];
        // The first line is the device path; bounded so a broken program cannot hang the test.
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLimitMs);
        char c;
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            if (::read(out_, &c, 1) != 1 || c == '\n') break;
            line_ += c;
        }
    }
    ~Modsim() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
    }
    const std::string& line() const { return line_; }
    // SIGTERM by PID and the exit status, or -1 when the program did not end in time.
    int terminate(int sig = SIGTERM) {
        ::kill(pid_, sig);
        return waitExit();
    }
    int waitExit() {
        for (int i = 0; i < kLimitMs / 10; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string line_;
};

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(ModsimProgram, TalksOverItsDeviceAndDumpsMemory) {
    const std::string mem = TempPath("mem.bin");
    const std::string dump = TempPath("dump.bin");
    const std::string link = TempPath("link");
    {
        std::ofstream f(mem, std::ios::binary);
        for (int i = 0; i < 2048; ++i) f.put(static_cast<char>(i % 251));
    }
    fs::remove(dump);
    Modsim sim({"--memory", mem, "--dump", dump, "--link", link, "--type", "2", "--firmware", "1.0"});
    ASSERT_EQ(sim.line().rfind("/dev/", 0), 0u) << sim.line();
    EXPECT_EQ(fs::read_symlink(link).string(), sim.line());

    const int fd = OpenRaw(link);
    ASSERT_GE(fd, 0);
    SendFrame(fd, {0x06, 0xFA});
    EXPECT_EQ(ReadFor(fd, 5, kLimitMs).bytes, (Bytes{0x02, 0x02, 0x01, 0x00, 0xFB}));
    SendFrame(fd, {0x01, 0x1A, 0x00, 0x00, 0xE5});
    const Bytes r = ReadFor(fd, 31, kLimitMs).bytes;
    ASSERT_EQ(r.size(), 31u);
    EXPECT_EQ(r[4], 0);
    EXPECT_EQ(r[29], 25);

    SendFrame(fd, WithChk({0x03, 0x02, 0x01, 0x00, 0xAB, 0xCD}));
    EXPECT_EQ(ReadFor(fd, 2, kLimitMs).bytes, (Bytes{0x04, 0xFC}));
    // Each restart command saves the memory, so a PC can inspect it while the module runs.
    SendFrame(fd, {0x05, 0xFB});
    EXPECT_EQ(ReadFor(fd, 3, kLimitMs).bytes.size() >= 3, true);
    auto dumped = ReadFile(dump);
    ASSERT_EQ(dumped.size(), 2048u);
    EXPECT_EQ(dumped[0x100], 0xAB);
    EXPECT_EQ(dumped[0x101], 0xCD);

    SendFrame(fd, WithChk({0x03, 0x01, 0x07, 0xFF, 0x5A}));
    EXPECT_EQ(ReadFor(fd, 2, kLimitMs).bytes, (Bytes{0x04, 0xFC}));
    ::close(fd);
    EXPECT_EQ(sim.terminate(), 0);
    dumped = ReadFile(dump);
    ASSERT_EQ(dumped.size(), 2048u);
    EXPECT_EQ(dumped[2047], 0x5A);
    EXPECT_EQ(dumped[2046], 2046 % 251);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    fs::remove(mem);
    fs::remove(dump);
}

TEST(ModsimProgram, FaultOptionsReachTheModule) {
    Modsim sim({"--corrupt-every", "2", "--stray-byte", "--stuck-block", "0x10"});
    const int fd = OpenRaw(sim.line());
    ASSERT_GE(fd, 0);
    SendFrame(fd, {0x06, 0xFA});
    EXPECT_EQ(ReadFor(fd, 6, kLimitMs).bytes, (Bytes{0x00, 0x02, 0x01, 0x01, 0x01, 0xFB}));
    SendFrame(fd, WithChk({0x03, 0x01, 0x00, 0x10, 0x42}));
    const Bytes ack = ReadFor(fd, 2, kLimitMs).bytes;
    ASSERT_EQ(ack.size(), 2u);
    EXPECT_EQ(ack[0], 0x04);
    EXPECT_NE(ack[1], 0xFC);  // second reply: corrupted
    SendFrame(fd, WithChk({0x01, 0x01, 0x00, 0x10}));
    EXPECT_EQ(ReadFor(fd, 6, kLimitMs).bytes, (Bytes{0x02, 0x01, 0x00, 0x10, 0xFF, 0xEE}));  // not stored
    ::close(fd);
    EXPECT_EQ(sim.terminate(), 0);
}

TEST(ModsimProgram, SilentAndNoRestartSignAndSigint) {
    Modsim sim({"--no-restart-sign", "--trace", TempPath("trace.txt")});
    const int fd = OpenRaw(sim.line());
    ASSERT_GE(fd, 0);
    for (int i = 0; i < 3; ++i) {
        SendFrame(fd, {0x05, 0xFB});
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(ReadFor(fd, 1, 500).bytes.empty());
    ::close(fd);
    EXPECT_EQ(sim.terminate(), 0);
    std::ifstream in(TempPath("trace.txt"));
    int lines = 0;
    for (std::string l; std::getline(in, l);) lines += l.find(" rx 05 FB") != std::string::npos;
    EXPECT_EQ(lines, 3);
    fs::remove(TempPath("trace.txt"));

    Modsim silent({"--silent"});
    const int fd2 = OpenRaw(silent.line());
    ASSERT_GE(fd2, 0);
    SendFrame(fd2, {0x06, 0xFA});
    EXPECT_TRUE(ReadFor(fd2, 1, 500).bytes.empty());
    ::close(fd2);
    EXPECT_EQ(silent.terminate(SIGINT), 0);
}

TEST(ModsimProgram, RefusesBadArguments) {
    const std::string small = TempPath("small.bin");
    { std::ofstream(small, std::ios::binary) << "too short"; }
    for (const auto& args : std::vector<std::vector<std::string>>{{"--memory", small},
                                                                  {"--firmware", "1"},
                                                                  {"--firmware", "1.256"},
                                                                  {"--stuck-block", "2048"},
                                                                  {"--drop-every", "0"},
                                                                  {"--no-such-option"}}) {
        Modsim sim(args);
        EXPECT_TRUE(sim.line().empty()) << args[0];
        const int rc = sim.waitExit();
        EXPECT_NE(rc, 0) << args[0];
        EXPECT_NE(rc, -1) << args[0];
    }
    fs::remove(small);
}
