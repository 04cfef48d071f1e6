// The simulated module on a pseudo-terminal.
//
// PtySimulator owns a pseudo-terminal pair and a thread that reads what the PC writes to the
// slave device, feeds it to a ModuleProtocol and writes the replies back with the pacing the
// protocol asks for. The PC side opens devicePath() as it would open a real serial device.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "module_protocol.h"
#include "replay_player.h"

namespace brenvox::sim {

class PtySimulator {
public:
    PtySimulator();
    ~PtySimulator();  // stops the simulator
    PtySimulator(const PtySimulator&) = delete;
    PtySimulator& operator=(const PtySimulator&) = delete;

    // Settings that must be given before start().
    void setLinkPath(std::string path) { linkPath_ = std::move(path); }    // symlink to the device
    void setTracePath(std::string path) { tracePath_ = std::move(path); }  // "<ms> <rx|tx> <hex>" lines
    // Runs on the simulator thread after each restart command has been taken in.
    void setRestartCallback(std::function<void()> cb) { onRestart_ = std::move(cb); }

    // Plays a recorded transfer instead of speaking the protocol; the player's lines for the
    // operator go to onMessage, on the simulator thread.
    void setReplay(std::unique_ptr<ReplayPlayer> player, std::function<void(const std::string&)> onMessage) {
        replay_ = std::move(player);
        onReplayMessage_ = std::move(onMessage);
    }

    // Opens the pseudo-terminal (raw on both sides), makes the link and the trace file, and
    // starts the thread. Returns false with a reason in *error on failure.
    bool start(std::string* error = nullptr);
    // Stops the thread, closes the pseudo-terminal and removes the link. The PC side then sees
    // the device vanish (reads fail or return end of file). Safe to call twice.
    void stop();
    bool running() const { return running_; }

    // The slave device path, e.g. /dev/pts/7 (empty before start()).
    const std::string& devicePath() const { return devicePath_; }

    // Thread-safe access to the module's state.
    Memory memory() const;
    void setMemory(const Memory& m);
    void setIdentity(const Identity& id);
    void setFaults(const Faults& f);
    FrameCounts counts() const;
    // Runs fn with the protocol locked against the simulator thread.
    void withProtocol(const std::function<void(ModuleProtocol&)>& fn);

private:
    void run();
    std::int64_t nowMs() const;
    // Waits up to ms for the stop request; returns false when stop was requested.
    bool sleepInterruptible(int ms);
    // Writes bytes to the master, waiting a bounded time when the queue is full.
    bool writeAll(const std::uint8_t* data, std::size_t size);
    void sendReply(const Reply& r);
    void writeTrace(const TraceEntry& e);

    mutable std::mutex mutex_;  // guards protocol_
    ModuleProtocol protocol_;
    std::unique_ptr<ReplayPlayer> replay_;  // when set, it answers instead of protocol_
    std::function<void(const std::string&)> onReplayMessage_;
    std::string linkPath_;
    std::string tracePath_;
    std::function<void()> onRestart_;
    std::string devicePath_;
    int master_ = -1;
    int slaveKeep_ = -1;  // our own slave descriptor: keeps the master from hanging up
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::FILE* traceFile_ = nullptr;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> running_{false};
    std::thread thread_;
    std::int64_t startNs_ = 0;
};

}  // namespace brenvox::sim
