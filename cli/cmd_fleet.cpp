// Fleet commands: render (one template, a table of units) and history (the transfer archive).
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <memory>
#include <thread>

#include "archive/transfer_archive.h"
#include "cli_util.h"
#include "codec/image_codec.h"
#include "commands.h"
#include "files/safe_file.h"
#include "i18n/translate.h"
#include "settings/messages.h"
#include "settings/settings_file.h"
#include "settings/settings_table.h"
#include "settings/validation.h"
#include "usage.h"

namespace brenvox::cli {
namespace {

namespace fs = std::filesystem;

// Files of render written at the same time.
constexpr std::size_t kWriters = 32;

int CmdRender(const std::string& templatePath, const std::string& tablePath, const std::string& outDir) {
    ModuleSettings base;
    if (!LoadSettingsOrReport(templatePath, base)) return 2;
    const FileReadResult csv = ReadWholeFile(PathFromUtf8(tablePath));
    if (!csv) {
        ReportFileFaultOn(msg::kOpenFailed, tablePath, csv.error, FileAction::Read);
        return 2;
    }
    const SettingsTableResult table = ApplySettingsTable(csv.bytes, base);
    if (!table.ok) {
        std::cerr << tablePath;
        if (table.row > 0)
            std::cerr << ": " << TrFormat(BRENVOX_TEXT("wiersz %1"), {std::to_string(table.row)});
        if (table.columnNumber > 0) {
            std::cerr << ", " << TrFormat(BRENVOX_TEXT("kolumna %1"), {std::to_string(table.columnNumber)});
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
            std::cout << unit.name << ": " << f->line1;
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
        if (const std::error_code ec = MakePrivateDirs(PathFromUtf8(outDir))) {
            ReportFileFault(TrFormat(BRENVOX_TEXT("Nie można utworzyć folderu: %1"), {outDir}), ec, outDir,
                            FileAction::Write);
            return 2;
        }
        // Every file is flushed to the disk before it replaces its name, and one flush waits for
        // the disk's journal: one at a time, a thousand units take many seconds. Flushes that
        // wait together share the journal's commits, so the files are written by a few threads.
        std::vector<FileWriteResult> saved(good.size());
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
                const std::string path = (fs::path(outDir) / good[i]->name).string();
                ReportFileFaultOn(msg::kSaveFailed, path, saved[i].error, FileAction::Write);
                ++failed;
            }
        }
    }
    std::cout << TrFormat(BRENVOX_TEXT("zapisano %1, odrzucono %2"),
                          {std::to_string(written), std::to_string(refused)});
    if (failed) std::cout << TrFormat(BRENVOX_TEXT(", nie zapisano %1"), {std::to_string(failed)});
    std::cout << '\n';
    if (failed) return 2;
    return refused ? 1 : 0;
}

}  // namespace

int CmdHistory(const std::string& dir, const std::string& name) {
    const HistoryResult h = ReadHistory(dir, name);
    if (!h.ok) {
        ReportFileFault(TrFormat(BRENVOX_TEXT("Nie można odczytać folderu %1."), {dir}), h.error, dir,
                        FileAction::Read);
        return 2;
    }
    for (const std::string& s : h.skipped) std::cerr << TrFormat(BRENVOX_TEXT("Pominięto %1"), {s}) << '\n';
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
        "render", TrText(BRENVOX_TEXT("Zapisuje po jednym pliku ustawień na każdy wiersz tabeli TABELA: "
                                      "SZABLON z wartościami z tego wiersza.\n"
                                      "TABELA to plik CSV (UTF-8, pola rozdzielone przecinkami, jeden wiersz "
                                      "nagłówka). Pierwsza kolumna to "
                                      "'name', nazwa pliku jednostki; pozostałe to klucze ustawień tak, jak "
                                      "je nazywa 'show', z wartościami "
                                      "zapisanymi tak, jak je wypisuje 'show'; pusta komórka zostawia "
                                      "wartość z szablonu. Błędna tabela "
                                      "kończy z kodem 2 i nic nie jest zapisywane; jednostka, która nie "
                                      "przechodzi kontroli 'validate', "
                                      "zostaje wypisana i nie jest zapisywana (kod 1).")));
    cRender
        ->add_option(TrText(BRENVOX_TEXT("SZABLON")), args->templ,
                     TrText(BRENVOX_TEXT("plik ustawień, od którego zaczyna każda jednostka")))
        ->required();
    cRender
        ->add_option(TrText(BRENVOX_TEXT("TABELA")), args->table,
                     TrText(BRENVOX_TEXT("tabela jednostek w CSV")))
        ->required();
    Placeholder(cRender
                    ->add_option("-o,--output", args->out,
                                 TrText(BRENVOX_TEXT("folder na pliki jednostek (tworzony, gdy go nie ma)")))
                    ->required(),
                Tr(BRENVOX_TEXT("FOLDER")));
    cRender->callback([&exitCode, args] { exitCode = CmdRender(args->templ, args->table, args->out); });

    auto* cHistory = app.add_subcommand(
        "history",
        TrText(BRENVOX_TEXT(
            "Wypisuje przesłania zarchiwizowane w folderze FOLDER, od najnowszego: CZAS TRYB NAZWA WERSJA "
            "SHA256[:12] "
            "WYNIK\n(SHA256 obrazu zapisanego, porównanego lub odczytanego, - gdy wpis go nie ma; WYNIK to "
            "Success, Aborted, NoResponse, WriteError, CheckError, RestartError, UnsupportedModule lub "
            "PinRefused).")));
    cHistory
        ->add_option(TrText(BRENVOX_TEXT("FOLDER")), args->dir,
                     TrText(BRENVOX_TEXT("folder archiwum (ten podany w --archive)")))
        ->required();
    Placeholder(cHistory->add_option(
                    "--name", args->name,
                    TrText(BRENVOX_TEXT("tylko wpisy, których nazwa ustawień zawiera TEKST (bez względu na "
                                        "wielkość liter)"))),
                Tr(BRENVOX_TEXT("TEKST")));
    cHistory->callback([&exitCode, args] { exitCode = CmdHistory(args->dir, args->name); });
}

}  // namespace brenvox::cli
