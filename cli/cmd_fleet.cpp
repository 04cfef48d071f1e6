// Fleet commands: render (one template, a table of units) and history (the transfer archive).
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <thread>

#include "cli_util.h"
#include "codec/image_codec.h"
#include "commands.h"
#include "files/safe_file.h"
#include "link/transfer_archive.h"
#include "settings/messages.h"
#include "settings/settings_file.h"
#include "settings/settings_table.h"
#include "settings/validation.h"

namespace brenvox::cli {
namespace {

namespace fs = std::filesystem;

// Files of render written at the same time.
constexpr std::size_t kWriters = 32;

int CmdRender(const std::string& templatePath, const std::string& tablePath, const std::string& outDir) {
    ModuleSettings base;
    if (!LoadSettingsOrReport(templatePath, base)) return 2;
    std::ifstream in(tablePath, std::ios::binary);
    if (!in) {
        std::cerr << "cannot open " << tablePath << '\n';
        return 2;
    }
    const std::string csv{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const SettingsTableResult table = ApplySettingsTable(csv, base);
    if (!table.ok) {
        std::cerr << tablePath;
        if (table.row > 0) std::cerr << ": row " << table.row;
        if (table.columnNumber > 0) {
            std::cerr << ", column " << table.columnNumber;
            if (!table.column.empty()) std::cerr << " (" << table.column << ')';
        }
        std::cerr << ": " << table.error << '\n';
        return 2;
    }

    // The checks come before any file is written, so a folder is only made when it gets a unit.
    std::vector<const TableUnit*> good;
    std::size_t refused = 0;
    for (const TableUnit& unit : table.units) {
        if (const auto f = ValidateSettings(unit.settings)) {
            std::cout << unit.name << ": " << f->caption << ": " << f->line1;
            if (!f->line2.empty()) std::cout << ' ' << f->line2;
            std::cout << '\n';
            ++refused;
        } else {
            good.push_back(&unit);
        }
    }
    std::size_t written = 0, failed = 0;
    if (!good.empty()) {
        // The units hold their PINs: a folder made for them is the user's alone.
        if (const std::error_code ec = MakePrivateDirs(outDir)) {
            std::cerr << "cannot create " << outDir << ": " << ec.message() << '\n';
            return 2;
        }
        // Every file is flushed to the disk before it replaces its name, and one flush waits for
        // the disk's journal: one at a time, a thousand units take many seconds. Flushes that
        // wait together share the journal's commits, so the files are written by a few threads.
        std::vector<char> saved(good.size(), 0);
        std::atomic<std::size_t> next{0};
        auto worker = [&] {
            for (std::size_t i; (i = next++) < good.size();)
                saved[i] = WriteSettingsFile((fs::path(outDir) / good[i]->name).string(), good[i]->settings);
        };
        std::vector<std::thread> threads;
        for (std::size_t t = 0; t < std::min<std::size_t>(kWriters, good.size()); ++t)
            threads.emplace_back(worker);
        for (std::thread& t : threads) t.join();
        for (std::size_t i = 0; i < good.size(); ++i) {
            if (saved[i]) {
                ++written;
            } else {
                std::cerr << Tr(msg::kSaveFailed) << " (" << (fs::path(outDir) / good[i]->name).string()
                          << ")\n";
                ++failed;
            }
        }
    }
    std::cout << "written " << written << ", refused " << refused;
    if (failed) std::cout << ", not saved " << failed;
    std::cout << '\n';
    if (failed) return 2;
    return refused ? 1 : 0;
}

}  // namespace

int CmdHistory(const std::string& dir, const std::string& name) {
    const HistoryResult h = ReadHistory(dir, name);
    if (!h.ok) {
        std::cerr << "cannot list " << dir << ": " << h.error << '\n';
        return 2;
    }
    for (const std::string& s : h.skipped) std::cerr << "skipped " << s << '\n';
    for (const HistoryEntry& e : h.entries)
        std::cout << e.time << ' ' << e.mode << ' ' << e.name << ' ' << e.moduleVersion << ' '
                  << (e.imageSha256.empty() ? "-" : e.imageSha256.substr(0, 12)) << ' ' << e.outcome << '\n';
    return 0;
}

void AddFleetCommands(CLI::App& app, int& exitCode) {
    struct Args {
        std::string templ, table, out, dir, name;
    };
    auto args = std::make_shared<Args>();

    auto* cRender = app.add_subcommand(
        "render",
        "Write one settings file per row of TABLE: the template with the row's values applied.\n"
        "TABLE is CSV (UTF-8, comma-separated, one header row). The first column is 'name', the "
        "file name of the unit; the others are settings keys as 'show' names them, holding values as "
        "'show' prints them; an empty cell keeps the template's value. A malformed table exits 2 and "
        "writes nothing; a unit that fails the checks of 'validate' is listed and not written (exit 1).");
    cRender->add_option("TEMPLATE", args->templ, "settings file the units start from")->required();
    cRender->add_option("TABLE", args->table, "CSV table of units")->required();
    cRender->add_option("-o,--output", args->out, "folder to write the units into (created if missing)")
        ->required();
    cRender->callback([&exitCode, args] { exitCode = CmdRender(args->templ, args->table, args->out); });

    auto* cHistory = app.add_subcommand(
        "history",
        "List the transfers archived in DIR, newest first: TIME MODE NAME VERSION SHA256[:12] OUTCOME\n"
        "(SHA256 of the image written, compared or read, - when the entry keeps none; OUTCOME Success, "
        "Aborted, WriteError, CheckError, RestartError, UnsupportedModule or PinRefused).");
    cHistory->add_option("DIR", args->dir, "archive folder (as given to --archive)")->required();
    cHistory->add_option("--name", args->name, "only the entries of this settings name");
    cHistory->callback([&exitCode, args] { exitCode = CmdHistory(args->dir, args->name); });
}

}  // namespace brenvox::cli
