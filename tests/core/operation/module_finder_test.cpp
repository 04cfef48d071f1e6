// The finder's loop against simulated modules and a silent one on real pseudo-terminals: which
// devices are asked, in which order, what each says, and where a stop takes effect.
#include "operation/module_finder.h"

#include <gtest/gtest.h>

#include <memory>

#include "pty_simulator.h"

namespace brenvox {
namespace {

struct Bench {
    // A: type 2 version 1.0; B: type 1 version 1.1; Silent: takes frames, never answers.
    sim::PtySimulator a, b, silent;

    Bench() {
        a.setIdentity({2, 1, 0});
        b.setIdentity({1, 1, 1});
        sim::Faults quiet;
        quiet.silent = true;
        silent.setFaults(quiet);
        std::string error;
        for (sim::PtySimulator* s : {&a, &b, &silent}) EXPECT_TRUE(s->start(&error)) << error;
    }
    static SerialDeviceInfo Device(const sim::PtySimulator& s) { return {s.devicePath()}; }
};

const SerialDeviceInfo kMissing{"/dev/brenvox-no-such-tty"};

TEST(ModuleFinder, FirstModuleEndsTheSearchAndEveryDeviceAsksOnToTheEnd) {
    Bench bench;
    const std::vector<SerialDeviceInfo> devices = {Bench::Device(bench.silent), kMissing,
                                                   Bench::Device(bench.a), Bench::Device(bench.b)};
    std::vector<std::string> told;
    ModuleSearchHooks hooks;
    hooks.asking = [&](std::size_t index, std::size_t count, const SerialDeviceInfo& d) {
        told.push_back(std::to_string(index) + "/" + std::to_string(count) + " " + d.path);
    };
    hooks.asked = [&](const DeviceProbe& p) {
        told.push_back(std::string(p.result.answered ? "+ " : "- ") + p.device.path);
    };
    const std::atomic<bool> never{false};

    const ModuleSearch first = SearchForModule(devices, SearchUntil::FirstModule, never, hooks);
    EXPECT_EQ(told, (std::vector<std::string>{"0/4 " + devices[0].path, "- " + devices[0].path,
                                              "1/4 " + devices[1].path, "- " + devices[1].path,
                                              "2/4 " + devices[2].path, "+ " + devices[2].path}));
    EXPECT_FALSE(first.stopped);
    ASSERT_EQ(first.asked.size(), 3u);
    EXPECT_TRUE(first.asked[0].result.opened);  // the silent one opens and says nothing
    EXPECT_FALSE(first.asked[0].result.answered);
    EXPECT_FALSE(first.asked[1].result.opened);
    EXPECT_EQ(first.asked[1].result.portError.fault, PortFault::NoDevice);
    ASSERT_NE(first.found(), nullptr);
    EXPECT_EQ(first.found()->device.path, devices[2].path);
    EXPECT_EQ(first.found()->result.module.moduleType, 2);
    EXPECT_EQ(first.found()->result.module.versionMajor, 1);
    EXPECT_EQ(first.found()->result.module.versionMinor, 0);
    EXPECT_EQ(bench.b.counts().wake, 0);  // never asked
    EXPECT_GT(bench.silent.counts().identify, 0);
    // Asking writes nothing into the module.
    const sim::FrameCounts asked = bench.a.counts();
    EXPECT_GT(asked.identify, 0);
    EXPECT_EQ(asked.write + asked.read + asked.restart, 0);

    const ModuleSearch every = SearchForModule(devices, SearchUntil::EveryDevice, never);
    ASSERT_EQ(every.asked.size(), 4u);
    EXPECT_EQ(every.found()->device.path, devices[2].path);  // still the first that answered
    EXPECT_TRUE(every.asked[3].result.answered);
    EXPECT_EQ(every.asked[3].result.module.versionMinor, 1);
}

TEST(ModuleFinder, NoneAnswersAndAStopTakesEffectBetweenDevices) {
    Bench bench;
    const std::atomic<bool> never{false};
    const ModuleSearch none =
        SearchForModule({Bench::Device(bench.silent), kMissing}, SearchUntil::FirstModule, never);
    EXPECT_EQ(none.found(), nullptr);
    EXPECT_FALSE(none.stopped);
    EXPECT_EQ(none.asked.size(), 2u);

    EXPECT_TRUE(SearchForModule({}, SearchUntil::FirstModule, never).asked.empty());

    // Stop asked while the first device is being asked: that one is finished and closed, the
    // module behind it is never reached.
    std::atomic<bool> stop{false};
    ModuleSearchHooks hooks;
    hooks.asking = [&](std::size_t index, std::size_t, const SerialDeviceInfo&) {
        if (index == 0) stop = true;
    };
    const ModuleSearch stopped = SearchForModule({Bench::Device(bench.silent), Bench::Device(bench.a)},
                                                 SearchUntil::FirstModule, stop, hooks);
    EXPECT_TRUE(stopped.stopped);
    ASSERT_EQ(stopped.asked.size(), 1u);
    EXPECT_EQ(stopped.asked[0].device.path, bench.silent.devicePath());
    EXPECT_EQ(stopped.found(), nullptr);
    EXPECT_EQ(bench.a.counts().wake, 0);
}

}  // namespace
}  // namespace brenvox
