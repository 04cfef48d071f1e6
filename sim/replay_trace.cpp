#include "replay_trace.h"

#include <algorithm>

namespace brenvox::sim {

namespace {

enum class Format { Unknown, Cli, Modsim };

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Milliseconds since the recording began; at most 15 digits, so no sum below can overflow.
bool ParseMs(std::string_view s, std::int64_t& ms) {
    if (s.empty() || s.size() > 15) return false;
    ms = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        ms = ms * 10 + (c - '0');
    }
    return true;
}

}  // namespace

ReplayTrace ReadReplayTrace(std::string_view text) {
    ReplayTrace out;
    Format format = Format::Unknown;
    std::int64_t lastPcMs = 0;
    bool pcFrameSeen = false;
    size_t lineNo = 0;
    auto fail = [&](const std::string& why) {
        out.events.clear();
        out.error = "line " + std::to_string(lineNo) + ": " + why;
        return out;
    };
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::vector<std::string_view> tok = Tokens(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNo;
        if (tok.empty()) continue;
        std::int64_t ms = 0;
        if (!ParseMs(tok[0], ms)) return fail("expected the time in milliseconds");
        if (tok.size() < 3) return fail("expected a direction and bytes");
        const std::string_view dir = tok[1];
        if (dir != "tx" && dir != "rx" && dir != "junk") return fail("unknown direction");
        if (format == Format::Unknown) format = dir == "tx" ? Format::Cli : Format::Modsim;

        const bool emptyRead = tok.size() == 3 && tok[2] == "-";
        if (format == Format::Cli && dir == "junk") return fail("\"junk\" in a trace of the PC's side");
        if (format == Format::Modsim && emptyRead) return fail("\"-\" in a trace of the module's side");
        // Only a read can get nothing; a frame the PC sent always has bytes.
        if (emptyRead && dir == "tx") return fail("\"-\" on a frame the PC sent");
        // A read that got nothing leaves nothing to send back.
        if (emptyRead) continue;

        ReplayEvent e;
        for (size_t i = 2; i < tok.size(); ++i) {
            const std::string_view b = tok[i];
            if (b.size() != 2 || HexDigit(b[0]) < 0 || HexDigit(b[1]) < 0)
                return fail("expected bytes as two hex digits each");
            e.bytes.push_back(static_cast<std::uint8_t>(HexDigit(b[0]) << 4 | HexDigit(b[1])));
        }
        const bool fromPc = format == Format::Cli ? dir == "tx" : dir != "tx";
        if (fromPc) {
            e.side = ReplaySide::Pc;
            lastPcMs = ms;
            // Bytes the module threw away are not a frame: it answers none of them.
            if (dir != "junk") pcFrameSeen = true;
        } else {
            // The module only ever answers; a reply that no frame asked for cannot be played.
            if (!pcFrameSeen) return fail("a reply of the module before the PC's first frame");
            e.side = ReplaySide::Module;
            const std::int64_t lag = format == Format::Cli ? kCliReadSilenceMs : 0;
            // Hand-edited times may run backwards; the reply then goes out at once.
            e.delayMs = std::max<std::int64_t>(0, ms - lastPcMs - lag);
        }
        out.events.push_back(std::move(e));
    }
    if (out.events.empty()) {
        out.error = "no frame in the trace";
    }
    return out;
}

}  // namespace brenvox::sim
