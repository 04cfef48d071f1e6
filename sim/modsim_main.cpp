// brenvox-modsim: a simulated module on a pseudo-terminal, for tests, demos and training
// without hardware. Prints the device path as its first line and runs until SIGINT or SIGTERM.
#include <signal.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <mutex>
#include <string>

#include "brenvox_version.h"
#include "pty_simulator.h"
#include "replay_trace.h"

using namespace brenvox::sim;

namespace {

bool LoadMemory(const std::string& path, Memory& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() != kMemorySize) {
        error = path + ": expected " + std::to_string(kMemorySize) + " bytes, found " +
                std::to_string(data.size());
        return false;
    }
    std::copy(data.begin(), data.end(), out.begin());
    return true;
}

// Written beside the target and renamed over it, so a reader never sees half a dump.
bool SaveMemory(const std::string& path, const Memory& m) {
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(m.data(), 1, m.size(), f) == m.size();
    if (std::fclose(f) != 0 || !ok) {
        std::remove(tmp.c_str());
        return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}

bool ReadText(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool ParseVersion(const std::string& s, Identity& id) {
    unsigned major = 0, minor = 0;
    char dot = 0, extra = 0;
    if (std::sscanf(s.c_str(), "%u%c%u%c", &major, &dot, &minor, &extra) != 3 || dot != '.' || major > 255 ||
        minor > 255)
        return false;
    id.versionMajor = static_cast<std::uint8_t>(major);
    id.versionMinor = static_cast<std::uint8_t>(minor);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Simulated Brenvox module on a pseudo-terminal. Prints the device path as its first line and runs "
        "until SIGINT or SIGTERM.\nTrace lines: \"<ms since start> <rx|tx|junk> <hex bytes>\" (junk: bytes "
        "dropped while resynchronising).",
        "brenvox-modsim"};
    std::string linkPath, memoryPath, dumpPath, tracePath, replayPath, version = "1.1", stuck;
    unsigned type = 1;
    Faults faults;
    bool strayOnce = false;
    app.add_option("--link", linkPath, "Make a symbolic link PATH to the device");
    app.add_option("--memory", memoryPath, "Load the 2048-byte memory from FILE (default: all 0xFF)");
    app.add_option("--dump", dumpPath, "Save the memory to FILE on exit and after each restart command");
    app.add_option("--type", type, "Module type reported on identification (0-255)")
        ->check(CLI::Range(0, 255));
    app.set_version_flag("--version", std::string("brenvox-modsim ") + BRENVOX_VERSION);
    app.add_option("--firmware", version, "Firmware version X.Y reported on identification (default 1.1)");
    app.add_flag("--silent", faults.silent, "Never reply (frames are still taken in and traced)");
    app.add_option("--drop-every", faults.dropEvery, "Do not send every K-th reply")
        ->check(CLI::PositiveNumber);
    app.add_option("--corrupt-every", faults.corruptEvery, "Wrong checksum in every K-th reply")
        ->check(CLI::PositiveNumber);
    app.add_option("--flip-every", faults.flipEvery, "Flip one data bit in every K-th read reply")
        ->check(CLI::PositiveNumber);
    app.add_flag("--stray-byte", strayOnce, "Send one stray 0x00 byte before the first reply");
    app.add_option("--stray-every", faults.strayEvery, "Send a stray 0x00 byte before every K-th reply")
        ->check(CLI::PositiveNumber);
    app.add_option("--gap-ms", faults.gapMs, "Silence of G ms between the bytes of every reply")
        ->check(CLI::Range(0, 10000));
    app.add_option("--reply-delay-ms", faults.replyDelayMs, "Silence of D ms before every reply")
        ->check(CLI::Range(0, 10000));
    app.add_option("--stuck-block", stuck, "Acknowledge but do not store writes that cover address ADDR");
    app.add_flag("--no-restart-sign", faults.noRestartSign, "Never send the sign of life after a restart");
    app.add_option("--trace", tracePath, "Write every frame received and sent to FILE with a timestamp");
    auto* replay = app.add_option(
        "--replay", replayPath,
        "Play the module's side of a trace written by --trace here or by brenvox-cli --trace: "
        "answer the PC's frames, as long as they match the recording, with the recorded replies "
        "and delays. A frame that differs is reported on stderr and ends all replies. FILE may also "
        "be an entry folder of a transfer archive (its trace is played).");
    // A replay answers with the recorded bytes only: memory, identity and faults have no part.
    for (CLI::Option* o : app.get_options())
        if (o != replay && o->get_name() != "--help" && o->get_name() != "--link") replay->excludes(o);
    CLI11_PARSE(app, argc, argv);

    faults.strayOnce = strayOnce;
    Identity id;
    id.type = static_cast<std::uint8_t>(type);
    if (!ParseVersion(version, id)) {
        std::cerr << "brenvox-modsim: --firmware must be X.Y with X and Y in 0-255\n";
        return 2;
    }
    if (!stuck.empty()) {
        char* end = nullptr;
        const unsigned long a = std::strtoul(stuck.c_str(), &end, 0);
        if (end == stuck.c_str() || *end != '\0' || a >= kMemorySize) {
            std::cerr << "brenvox-modsim: --stuck-block must be an address 0-2047\n";
            return 2;
        }
        faults.stuckAddress = static_cast<std::uint16_t>(a);
    }
    Memory mem;
    mem.fill(0xFF);
    if (!memoryPath.empty()) {
        std::string error;
        if (!LoadMemory(memoryPath, mem, error)) {
            std::cerr << "brenvox-modsim: " << error << "\n";
            return 2;
        }
    }

    PtySimulator sim;
    if (!replayPath.empty()) {
        // An archive entry keeps its transfer's frames in the file "trace".
        std::error_code ec;
        if (std::filesystem::is_directory(replayPath, ec))
            replayPath = (std::filesystem::path(replayPath) / "trace").string();
        std::string text;
        if (!ReadText(replayPath, text)) {
            std::cerr << "brenvox-modsim: cannot read " << replayPath << "\n";
            return 2;
        }
        ReplayTrace trace = ReadReplayTrace(text);
        if (!trace.error.empty()) {
            std::cerr << "brenvox-modsim: " << replayPath << ": " << trace.error << "\n";
            return 2;
        }
        sim.setReplay(std::make_unique<ReplayPlayer>(std::move(trace.events)),
                      [](const std::string& line) { std::cerr << line << std::endl; });
    }
    sim.setMemory(mem);
    sim.setIdentity(id);
    sim.setFaults(faults);
    sim.setLinkPath(linkPath);
    sim.setTracePath(tracePath);
    std::mutex dumpMutex;
    auto dump = [&] {
        if (dumpPath.empty()) return;
        std::lock_guard<std::mutex> lock(dumpMutex);
        if (!SaveMemory(dumpPath, sim.memory()))
            std::cerr << "brenvox-modsim: cannot write " << dumpPath << "\n";
    };
    sim.setRestartCallback(dump);

    // Block the stop signals before the simulator thread exists, so that it inherits the mask
    // and the signals are taken only by sigwait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::string error;
    if (!sim.start(&error)) {
        std::cerr << "brenvox-modsim: " << error << "\n";
        return 1;
    }
    std::printf("%s\n", sim.devicePath().c_str());
    std::fflush(stdout);

    int sig = 0;
    sigwait(&stopSignals, &sig);
    sim.stop();
    dump();
    return 0;
}
