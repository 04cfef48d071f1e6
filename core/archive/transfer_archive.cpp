#include "archive/transfer_archive.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string_view>

#include "codec/sha256.h"
#include "files/file_error_text.h"
#include "files/safe_file.h"
#include "i18n/translate.h"
#include "settings/cp1250.h"
#include "settings/settings_file.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;

// The small letter of `c` in the alphabets settings names are written in (Latin with its
// Central European letters, Greek, Cyrillic); any other character stays itself.
char32_t FoldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) return 'i';                            // İ
        if (c == 0x178) return 0xFF;                           // Ÿ
        if (c == 0x138 || c == 0x149 || c == 0x17F) return c;  // ĸ, ŉ, ſ have no capital
        // Ĺ..ň and Ź..ž put the capital on the odd code, the rest of the block on the even one.
        const bool oddCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return (c % 2 == 1) == oddCapital ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

std::u32string Folded(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) out += FoldCase(NextCodePoint(s, i));
    return out;
}

// Folder names stay short enough for any file system, whatever the settings name.
constexpr std::size_t kNameMax = 64;

struct UtcParts {
    int year;
    unsigned month, day, hour, minute, second;
};

UtcParts Utc(std::chrono::system_clock::time_point tp) {
    using namespace std::chrono;
    const auto secs = floor<seconds>(tp);
    const auto day = floor<days>(secs);
    const year_month_day ymd{day};
    const hh_mm_ss hms{secs - day};
    return {int(ymd.year()),
            unsigned(ymd.month()),
            unsigned(ymd.day()),
            unsigned(hms.hours().count()),
            unsigned(hms.minutes().count()),
            unsigned(hms.seconds().count())};
}

std::string Format(const char* pattern, const UtcParts& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, pattern, t.year, t.month, t.day, t.hour, t.minute, t.second);
    return buf;
}

std::string ModuleVersionText(const ModuleInfo& m) {
    return std::to_string(m.versionMajor) + "." + std::to_string(m.versionMinor);
}

// A hidden folder beside the entries, on the same file system, so the final rename is atomic.
// It becomes the entry, so it is private from its first moment: the image holds both PINs.
fs::path MakeTempFolder(const fs::path& dir, std::error_code& ec) {
    std::random_device rd;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path p = dir / (".tmp-" + std::to_string(rd()) + std::to_string(rd()));
        ec = MakePrivateDir(p);
        if (!ec) return p;
        if (ec != std::errc::file_exists) return {};
    }
    return {};
}

}  // namespace

const char* ArchiveModeName(OperationMode mode) {
    switch (mode) {
        case OperationMode::Program:
            return "program";
        case OperationMode::Compare:
            return "compare";
        case OperationMode::Read:
            return "read";
    }
    return "program";
}

std::optional<OperationMode> ArchiveModeFromName(std::string_view name) {
    for (OperationMode mode : {OperationMode::Program, OperationMode::Compare, OperationMode::Read})
        if (name == ArchiveModeName(mode)) return mode;
    return std::nullopt;
}

std::string SafeEntryName(const std::string& name) {
    std::string out;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        const bool unsafe =
            b < 0x20 || b == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        out += unsafe ? '_' : c;
    }
    if (out.size() > kNameMax) {
        std::size_t cut = kNameMax;
        // Never cut a UTF-8 sequence in two.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
    }
    // A leading dot would hide the entry (and make "." or ".."); a trailing dot or blank is
    // dropped by some file systems, which would merge names.
    if (!out.empty() && out.front() == '.') out.front() = '_';
    if (!out.empty() && (out.back() == '.' || out.back() == ' ')) out.back() = '_';
    return out.empty() ? "_" : out;
}

const char* OutcomeName(LinkOutcome outcome) {
    switch (outcome) {
        case LinkOutcome::Success:
            return "Success";
        case LinkOutcome::Aborted:
            return "Aborted";
        case LinkOutcome::NoResponse:
            return "NoResponse";
        case LinkOutcome::WriteError:
            return "WriteError";
        case LinkOutcome::CheckError:
            return "CheckError";
        case LinkOutcome::RestartError:
            return "RestartError";
        case LinkOutcome::UnsupportedModule:
            return "UnsupportedModule";
    }
    return "Unknown";
}

std::optional<LinkOutcome> OutcomeFromName(std::string_view name) {
    for (LinkOutcome outcome :
         {LinkOutcome::Success, LinkOutcome::Aborted, LinkOutcome::NoResponse, LinkOutcome::WriteError,
          LinkOutcome::CheckError, LinkOutcome::RestartError, LinkOutcome::UnsupportedModule})
        if (name == OutcomeName(outcome)) return outcome;
    return std::nullopt;
}

ArchiveResult ArchiveTransfer(const std::string& archiveDir, const ArchiveRecord& record) {
    ArchiveResult r;
    const fs::path dir = PathFromUtf8(archiveDir);
    std::error_code ec = MakePrivateDirs(dir);
    if (ec) {
        r.error = Tr(BRENVOX_TEXT("nie można utworzyć folderu archiwum"));
        r.cause = ec;
        r.causePath = dir.string();
        return r;
    }
    const fs::path temp = MakeTempFolder(dir, ec);
    if (temp.empty()) {
        r.error = Tr(BRENVOX_TEXT("nie można utworzyć folderu w archiwum"));
        r.cause = ec;
        r.causePath = dir.string();
        return r;
    }
    auto fail = [&](std::string_view why, std::error_code cause = {}, const fs::path& path = {}) {
        std::error_code ignored;
        fs::remove_all(temp, ignored);
        r.error = why;
        r.cause = cause;
        r.causePath = path.string();
        return r;
    };

    const UtcParts t = Utc(record.time);
    nlohmann::ordered_json j;
    j["time"] = Format("%04d-%02u-%02uT%02u:%02u:%02uZ", t);
    j["mode"] = ArchiveModeName(record.mode);
    j["name"] = record.name;
    j["module_version"] = ModuleVersionText(record.module);
    j["module_type"] = record.module.moduleType;
    j["outcome"] = record.outcome;
    j["image_sha256"] = record.image ? Sha256Hex(record.image->data(), record.image->size()) : "";
    // A name that is not UTF-8 still gives an entry rather than none.
    const std::string json = j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";

    const auto cannotWrite = [](std::string_view file) {
        return TrFormat(BRENVOX_TEXT("nie można zapisać %1"), {file});
    };
    if (record.settings) {
        if (const FileWriteResult w = WriteSettingsFile((temp / "settings").string(), *record.settings); !w)
            return fail(cannotWrite("settings"), w.error, temp / "settings");
    }
    if (record.image) {
        const std::string_view image(reinterpret_cast<const char*>(record.image->data()),
                                     record.image->size());
        if (const FileWriteResult w = WriteFileSafely(temp / "image.bin", image); !w)
            return fail(cannotWrite("image.bin"), w.error, temp / "image.bin");
    }
    if (!record.trace.empty()) {
        if (const FileWriteResult w = WriteFileSafely(temp / "trace", record.trace); !w)
            return fail(cannotWrite("trace"), w.error, temp / "trace");
    }
    // entry.json last: a folder with it is complete even to a reader that ignores the rename.
    if (const FileWriteResult w = WriteFileSafely(temp / "entry.json", json); !w)
        return fail(cannotWrite("entry.json"), w.error, temp / "entry.json");

    const std::string base = Format("%04d%02u%02u-%02u%02u%02u-", t) + ArchiveModeName(record.mode) + "-" +
                             SafeEntryName(record.name);
    for (int n = 1; n < 1000; ++n) {
        const fs::path target = dir / (n == 1 ? base : base + "-" + std::to_string(n));
        if (fs::exists(target, ec)) continue;
        fs::rename(temp, target, ec);
        if (!ec) {
            r.ok = true;
            r.folder = target.string();
            return r;
        }
        // Taken between the look and the rename (another program archiving): try the next.
        if (!fs::exists(target))
            return fail(Tr(BRENVOX_TEXT("nie można nadać wpisowi jego nazwy")), ec, target);
    }
    return fail(Tr(BRENVOX_TEXT("za dużo wpisów o tej nazwie w jednej sekundzie")));
}

bool NameContains(std::string_view name, std::string_view part) {
    return part.empty() || Folded(name).find(Folded(part)) != std::u32string::npos;
}

HistoryResult ReadHistory(const std::string& archiveDir, const std::string& name) {
    HistoryResult r;
    std::error_code ec;
    fs::directory_iterator it(PathFromUtf8(archiveDir), ec);
    if (ec) {
        r.error = ec;
        return r;
    }
    for (const fs::directory_entry& d : it) {
        const std::string folder = d.path().filename().string();
        // Hidden folders are entries still being written, or left by a crash.
        if (folder.empty() || folder[0] == '.' || !d.is_directory(ec)) continue;
        std::ifstream in(d.path() / "entry.json", std::ios::binary);
        if (!in) {
            r.skipped.push_back(folder + ": " + std::string(Tr(BRENVOX_TEXT("brak pliku entry.json"))));
            continue;
        }
        std::stringstream text;
        text << in.rdbuf();
        const auto j = nlohmann::json::parse(text.str(), nullptr, false);
        HistoryEntry e;
        e.folder = folder;
        auto field = [&j](const char* key, std::string& out) {
            const auto v = j.find(key);
            if (v == j.end() || !v->is_string()) return false;
            out = v->get<std::string>();
            return true;
        };
        if (j.is_discarded() || !j.is_object() || !field("time", e.time) || !field("mode", e.mode) ||
            !field("name", e.name) || !field("module_version", e.moduleVersion) ||
            !field("image_sha256", e.imageSha256)) {
            r.skipped.push_back(folder + ": " +
                                std::string(Tr(BRENVOX_TEXT("entry.json nie jest poprawnym wpisem"))));
            continue;
        }
        // Entries from before failed transfers were kept are all successes.
        if (!field("outcome", e.outcome)) e.outcome = "Success";
        if (!NameContains(e.name, name)) continue;
        r.entries.push_back(std::move(e));
    }
    // Newest first. Entries of one second differ by their folder's suffix: "-10" after "-9".
    std::sort(r.entries.begin(), r.entries.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        if (a.time != b.time) return a.time > b.time;
        if (a.folder.size() != b.folder.size()) return a.folder.size() > b.folder.size();
        return a.folder > b.folder;
    });
    r.ok = true;
    return r;
}

}  // namespace brenvox
