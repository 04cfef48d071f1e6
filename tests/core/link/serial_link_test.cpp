// SerialLink over a real pseudo-terminal with the simulated module on the other end.
#include "link/serial_link.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "fake_sysfs.h"
#include "i18n/translate.h"
#include "link/deadline.h"
#include "link/transfer.h"
#include "link/transfer_worker.h"
#include "operation/port_texts.h"
#include "pty_simulator.h"

namespace brenvox {
namespace {

using namespace std::chrono_literals;

// Generous bounds: these catch a read that never ends, not a slow machine.
constexpr int64_t kLongMs = 3000;

struct PtyFixture : ::testing::Test {
    sim::PtySimulator sim;
    SerialLink link;
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.start(&error)) << error;
    }
    void Open(int32_t total = 200, int32_t interval = 10) {
        ASSERT_TRUE(link.Open(sim.devicePath(), 115200, total, interval));
    }
    // Sends a read request for n bytes at address 0: the module answers with n + 5 bytes.
    void RequestRead(uint8_t n) {
        uint8_t f[5] = {0x01, n, 0x00, 0x00, 0};
        f[4] = link::Checksum(f, 4);
        link.Write(f, 5);
    }
};

// ---- Opening and closing ----

using SerialOpen = PtyFixture;

TEST_F(SerialOpen, RefusesBadArgumentsWithoutTouchingAnyDevice) {
    EXPECT_FALSE(link.Open(PortType::Com, 0, 115200, 200, 10));
    EXPECT_FALSE(link.Open(PortType::Com, 9, 115200, 200, 10));
    EXPECT_FALSE(link.Open(sim.devicePath(), 109, 200, 10));
    EXPECT_FALSE(link.Open(sim.devicePath(), 256001, 200, 10));
    EXPECT_FALSE(link.Open(sim.devicePath(), 115200, -1, 10));
    EXPECT_FALSE(link.Open(sim.devicePath(), 115200, 200, -1));
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(SerialOpen, AcceptsTheBaudRateLimits) {
    for (int32_t baud : {110, 256000, 115200}) {
        EXPECT_TRUE(link.Open(sim.devicePath(), baud, 200, 10)) << baud;
        EXPECT_TRUE(link.Close());
    }
}

TEST_F(SerialOpen, SecondOpenIsRefusedWhileOpenAndAllowedAfterClose) {
    Open();
    EXPECT_FALSE(link.Open(sim.devicePath(), 115200, 200, 10)) << "already open";
    SerialLink other;
    EXPECT_FALSE(other.Open(sim.devicePath(), 115200, 200, 10)) << "device in use";
    EXPECT_EQ(other.openError().fault, PortFault::Busy);
    EXPECT_EQ(other.openError().device, sim.devicePath());
    EXPECT_TRUE(link.Close());
    EXPECT_FALSE(link.Close()) << "closing a closed port";
    EXPECT_TRUE(other.Open(sim.devicePath(), 115200, 200, 10));
}

TEST(SerialOpenDevices, RefusesWhatIsNoSerialDevice) {
    SerialLink link;
    char dir[] = "/tmp/brenvox-link-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string file = std::string(dir) + "/plain";
    std::ofstream(file) << "x";
    // Each refusal keeps its cause, so the user can be told what is wrong with the name.
    const struct {
        std::string path;
        PortFault fault;
    } cases[] = {{file, PortFault::NotSerial},
                 {dir, PortFault::NotSerial},
                 {"/dev/null", PortFault::NotSerial},  // a character device, but no terminal
                 {std::string(dir) + "/missing", PortFault::NoDevice}};
    for (const auto& c : cases) {
        EXPECT_FALSE(link.Open(c.path, 115200, 200, 10)) << c.path;
        EXPECT_EQ(link.openError().fault, c.fault) << c.path;
    }
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Open(PortType::Com, 0, 115200, 200, 10));
    EXPECT_EQ(link.openError().fault, PortFault::NotChosen);
    std::remove(file.c_str());
    rmdir(dir);
}

// A user who may not open the device is told which group owns it. As root (who may open
// anything) the check runs in a child that has become nobody.
TEST_F(SerialOpen, AccessDeniedNamesTheDevicesGroup) {
    ASSERT_EQ(::chmod(sim.devicePath().c_str(), 0660), 0);
    const bool root = ::geteuid() == 0;
    if (!root) {
        ASSERT_EQ(::chmod(sim.devicePath().c_str(), 0), 0);
    }
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        SerialLink other;
        if (other.Open(sim.devicePath(), 115200, 200, 10)) ::_exit(4);
        const PortOpenError& e = other.openError();
        const bool named = e.fault == PortFault::AccessDenied && !e.userName.empty();
        // The group is named where the device's group may open it (root's chmod above).
        ::_exit(named && (!root || !e.ownerGroup.empty()) ? 0 : 5);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(SerialPaths, PortTypesMapToDevices) {
    EXPECT_EQ(PortDevicePath(PortType::Com, 1), "/dev/ttyS0");
    EXPECT_EQ(PortDevicePath(PortType::Usb, 3), "/dev/ttyUSB2");
    EXPECT_EQ(PortDevicePath(PortType::Irda, 8), "/dev/ircomm7");
    EXPECT_EQ(PortDevicePath(PortType::Com, 0), "");
    // The type box's index and the CLI's --type name the same types; nothing outside the list.
    EXPECT_EQ(PortTypeAt(2), PortType::Irda);
    EXPECT_FALSE(PortTypeAt(-1));
    EXPECT_FALSE(PortTypeAt(3));
    EXPECT_EQ(PortTypeNamed("USB"), PortType::Usb);
    EXPECT_FALSE(PortTypeNamed("usb"));
    // And back: what the type and number boxes can show of a device.
    EXPECT_EQ(NumberedPortOf("/dev/ttyUSB2"), (NumberedPort{PortType::Usb, 3}));
    EXPECT_EQ(NumberedPortOf("/dev/ircomm7")->portType, PortType::Irda);
    EXPECT_FALSE(NumberedPortOf("/dev/ttyS8"));
    EXPECT_FALSE(NumberedPortOf("/dev/ttyACM0"));
    EXPECT_FALSE(NumberedPortOf(""));
}

// The devices present, read from a tree laid out as the kernel's: every tty with hardware behind
// it whatever its name, the Bluetooth link by its name, each with what the USB device says of
// it; the empty UART slot and the virtual console are left out.
TEST(SerialDevices, ListsEveryDeviceWithWhatThePersonKnowsItBy) {
    char dirTemplate[] = "/tmp/brenvox-sysfs-XXXXXX";
    ASSERT_NE(::mkdtemp(dirTemplate), nullptr);
    const std::filesystem::path root = dirTemplate;
    const test::FakeSysfs tree(root);
    const std::vector<SerialDeviceInfo> devices = ListSerialDevices({tree.sys.string(), tree.dev.string()});
    const std::string dev = tree.dev.string() + "/";
    std::vector<std::string> listed;
    for (const SerialDeviceInfo& d : devices) listed.push_back(d.path);
    EXPECT_EQ(listed,
              (std::vector<std::string>{dev + "rfcomm0", dev + "ttyACM0", dev + "ttyAMA0", dev + "ttyUSB0"}));
    ASSERT_EQ(devices.size(), 4u);

    const SerialDeviceInfo& ftdi = devices[3];
    EXPECT_EQ(ftdi.numbered, (NumberedPort{PortType::Usb, 1}));  // as /dev/ttyUSB0 maps back to "USB" 1
    EXPECT_EQ(ftdi.byId, tree.ByIdOfFtdi());
    SetLanguage(Language::Polish);
    EXPECT_EQ(DeviceDescription(ftdi),
              "FT232R USB UART, FTDI, nr seryjny A10KXQ9Z, USB 0403:6001, " + tree.ByIdOfFtdi());
    // The ACM device's "device" is the interface itself, one step nearer its USB device.
    EXPECT_EQ(devices[1].product, "Pico");
    EXPECT_EQ(devices[1].vidPid, "2e8a:000a");
    EXPECT_FALSE(devices[1].numbered);
    EXPECT_EQ(DeviceDescription(devices[1]), "Pico, USB 2e8a:000a");
    EXPECT_EQ(DeviceDescription(devices[0]), "Bluetooth 00:1a:7d:da:71:13");
    EXPECT_EQ(DeviceDescription(devices[2]), "");  // a board's UART says nothing of itself

    // No tree at all (a system without sysfs): nothing, and no error.
    EXPECT_TRUE(ListSerialDevices({(root / "none").string(), (root / "none").string()}).empty());
    std::filesystem::remove_all(root);
}

TEST(SerialClosed, OperationsOnAClosedPortDoNothing) {
    SerialLink link;
    uint8_t buf[8] = {};
    const uint8_t out[2] = {1, 2};
    link.Purge();
    link.Write(out, 2);
    EXPECT_EQ(link.Read(buf, 8), 0u);
    EXPECT_FALSE(link.Close());
}

// ---- Read time-outs ----

using SerialRead = PtyFixture;

TEST_F(SerialRead, SilenceReturnsZeroAfterTheTotalTimeOut) {
    Open();
    uint8_t buf[256];
    const int64_t t0 = MonotonicMs();
    EXPECT_EQ(link.Read(buf, 256), 0u);
    const int64_t elapsed = MonotonicMs() - t0;
    EXPECT_GE(elapsed, 150);
    EXPECT_LT(elapsed, kLongMs);
}

TEST_F(SerialRead, ReplyEndsByTheIntervalAfterItsLastByte) {
    // Total time-out far away: only the 10 ms of silence after the reply can end the read.
    Open(/*total=*/10000, /*interval=*/10);
    RequestRead(2);  // the reply is 7 bytes
    uint8_t buf[256];
    const int64_t t0 = MonotonicMs();
    EXPECT_EQ(link.Read(buf, 256), 7u);
    EXPECT_LT(MonotonicMs() - t0, kLongMs);
    EXPECT_EQ(buf[0], 0x02);
}

TEST_F(SerialRead, IntervalStartsOnlyWithTheFirstByte) {
    // The module waits 60 ms before answering, far more than the 10 ms interval.
    sim::Faults f;
    f.replyDelayMs = 60;
    sim.setFaults(f);
    Open(/*total=*/10000, 10);
    RequestRead(2);
    uint8_t buf[256];
    EXPECT_EQ(link.Read(buf, 256), 7u);
}

TEST_F(SerialRead, GapsLongerThanTheIntervalSplitAReply) {
    sim::Faults f;
    f.gapMs = 40;
    sim.setFaults(f);
    Open(/*total=*/10000, 10);
    RequestRead(2);
    uint8_t buf[256];
    EXPECT_EQ(link.Read(buf, 256), 1u);
    EXPECT_EQ(link.Read(buf, 256), 1u);
}

TEST_F(SerialRead, StopsAtTheCapacity) {
    Open(10000, 10);
    RequestRead(26);  // 31 bytes
    uint8_t buf[256];
    EXPECT_EQ(link.Read(buf, 4), 4u);
    EXPECT_EQ(link.Read(buf, 256), 27u);
    EXPECT_EQ(link.Read(nullptr, 10), 0u);
    EXPECT_EQ(link.Read(buf, 0), 0u);
}

TEST_F(SerialRead, PurgeDropsWhatHasArrived) {
    Open();
    RequestRead(2);
    std::this_thread::sleep_for(100ms);  // let the reply arrive
    link.Purge();
    uint8_t buf[256];
    EXPECT_EQ(link.Read(buf, 256), 0u);
}

// ---- Closing from another thread ----

TEST_F(SerialRead, CloseInterruptsAWaitingReadAtOnce) {
    Open(/*total=*/60000, 10);
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buf[256];
        return link.Read(buf, 256);
    });
    std::this_thread::sleep_for(50ms);
    const int64_t t0 = MonotonicMs();
    EXPECT_TRUE(link.Close());
    ASSERT_EQ(reader.wait_for(std::chrono::milliseconds(kLongMs)), std::future_status::ready);
    EXPECT_EQ(reader.get(), 0u);
    EXPECT_LT(MonotonicMs() - t0, kLongMs);
    uint8_t buf[4];
    EXPECT_EQ(link.Read(buf, 4), 0u);
}

TEST_F(SerialRead, VanishedDeviceEndsReadsWithoutWaiting) {
    Open(/*total=*/60000, 10);
    sim.stop();
    uint8_t buf[256];
    const int64_t t0 = MonotonicMs();
    EXPECT_EQ(link.Read(buf, 256), 0u);
    EXPECT_LT(MonotonicMs() - t0, kLongMs);
    const uint8_t frame[2] = {0x06, 0xFA};
    link.Write(frame, 2);  // must not block or crash
    link.Purge();
    EXPECT_TRUE(link.Close());
}

// ---- Whole transfers over the pseudo-terminal ----

struct Observer : TransferObserver {
    std::vector<LinkEvent> events;
    std::function<void(LinkEvent)> hook;
    void OnLinkEvent(LinkEvent e) override {
        events.push_back(e);
        if (hook) hook(e);
    }
};

ModuleImage Pattern(uint8_t seed) {
    ModuleImage img{};
    for (size_t i = 0; i < img.size(); ++i) img[i] = static_cast<uint8_t>(i * 13 + seed);
    return img;
}

using SerialTransfer = PtyFixture;

TEST_F(SerialTransfer, ProgramCompareAndReadAgainstTheSimulator) {
    sim.setIdentity({1, 1, 0});
    Open();
    TransferState state;
    state.images.v10 = Pattern(3);
    state.images.v11 = Pattern(4);
    Observer obs;
    TransferWorker worker;
    for (OperationMode mode : {OperationMode::Program, OperationMode::Compare, OperationMode::Read}) {
        state.currentMode = mode;
        obs.events.clear();
        ASSERT_TRUE(worker.Start(link, state, obs));
        worker.Join();
        EXPECT_EQ(state.transferOutcome.load(), LinkOutcome::Success) << int(mode);
        EXPECT_EQ(obs.events.size(), 4u);
    }
    EXPECT_EQ(state.readImage, state.images.v10);
    const sim::Memory mem = sim.memory();
    EXPECT_TRUE(std::equal(mem.begin(), mem.end(), state.images.v10.begin()));
    EXPECT_EQ(state.moduleInfo.load().versionMinor, 0);
}

TEST_F(SerialTransfer, SimulatorStoppedMidTransferEndsInAnError) {
    Open();
    TransferState state;
    state.currentMode = OperationMode::Program;
    Observer obs;
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(link, state, obs));
    // Wait (bounded) until a few blocks are written, then pull the plug.
    for (int i = 0; i < 500 && state.writePos.load() < 26 * 5; ++i) std::this_thread::sleep_for(10ms);
    sim.stop();
    worker.Join();
    const LinkOutcome o = state.transferOutcome.load();
    EXPECT_NE(o, LinkOutcome::Success);
    EXPECT_TRUE(o == LinkOutcome::WriteError || o == LinkOutcome::CheckError) << int(o);
    ASSERT_FALSE(obs.events.empty());
    EXPECT_EQ(obs.events.back(), LinkEvent::Done);
}

TEST_F(SerialTransfer, PortClosedUnderTheWorkerEndsInAnError) {
    Open();
    TransferState state;
    state.currentMode = OperationMode::Read;
    Observer obs;
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(link, state, obs));
    for (int i = 0; i < 500 && state.checkPos.load() < 26 * 5; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(link.Close());
    worker.Join();
    EXPECT_EQ(state.transferOutcome.load(), LinkOutcome::CheckError);
}

}  // namespace
}  // namespace brenvox
