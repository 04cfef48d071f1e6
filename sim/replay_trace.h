// Reading a recorded transfer back in, for the simulator's replay.
//
// Two recorders write traces, one line per frame, "<ms> <direction> <hex bytes>":
//   - brenvox-cli --trace, from the PC's side: "tx" is a frame the PC sent, "rx" the bytes one
//     read returned ("-" for a read that got nothing);
//   - brenvox-modsim --trace, from the module's side: "rx" is a frame the module took in, "junk"
//     bytes from the PC it threw away, "tx" a reply it sent.
// The PC always speaks first, so the direction of the first line tells the two apart. The reader
// is a pure function of the text, so that any text, however broken, can be thrown at it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brenvox::sim {

enum class ReplaySide { Pc, Module };

struct ReplayEvent {
    ReplaySide side = ReplaySide::Pc;
    // Module events only: how long after the PC's latest frame the bytes went out.
    std::int64_t delayMs = 0;
    std::vector<std::uint8_t> bytes;
};

struct ReplayTrace {
    std::vector<ReplayEvent> events;  // in recorded order; the first is always the PC's
    std::string error;                // empty when the text was read; else "line N: why"
};

// A CLI read returns only after this much silence behind the reply's last byte, so its time
// stamp is that much later than the reply itself.
inline constexpr std::int64_t kCliReadSilenceMs = 10;

ReplayTrace ReadReplayTrace(std::string_view text);

}  // namespace brenvox::sim
