// Settings commands: new, show, export, import, validate, print, diff.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>

#include "cli_util.h"
#include "commands.h"
#include "files/safe_file.h"
#include "i18n/translate.h"
#include "settings/cp1250.h"
#include "settings/messages.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_json.h"
#include "settings/validation.h"
#include "usage.h"

namespace brenvox::cli {
namespace {

int CmdNew(const std::string& file) {
    ModuleSettings s;
    return SaveSettingsOrReport(file, s) ? 0 : 2;
}

int CmdShow(const std::string& file) {
    ModuleSettings s;
    if (!LoadSettingsOrReport(file, s)) return 2;
    for (const SettingKey& k : SettingKeys()) std::cout << k.name << '=' << ShownValue(s, k) << '\n';
    return 0;
}

int CmdExport(const std::string& file) {
    ModuleSettings s;
    if (!LoadSettingsOrReport(file, s)) return 2;
    std::cout << SettingsToJson(s) << '\n';
    return 0;
}

int CmdImport(const std::string& jsonPath, const std::string& out) {
    const FileReadResult json = ReadWholeFile(PathFromUtf8(jsonPath));
    if (!json) {
        ReportFileFaultOn(msg::kOpenFailed, jsonPath, json.error, FileAction::Read);
        return 2;
    }
    ModuleSettings s;  // the defaults, as reading a settings file starts from what is there
    const JsonImportResult r = ApplySettingsJson(json.bytes, s);
    if (!r.ok) {
        if (r.key.empty())
            std::cerr << jsonPath << ": " << r.error << '\n';
        else
            std::cerr << TrFormat(BRENVOX_TEXT("%1: klucz \"%2\": %3"), {jsonPath, r.key, r.error}) << '\n';
        return 2;
    }
    return SaveSettingsOrReport(out, s) ? 0 : 2;
}

int CmdValidate(const std::string& file) {
    ModuleSettings s;
    if (!LoadSettingsOrReport(file, s)) return 2;
    if (auto f = ValidateSettings(s)) {
        PrintValidationFailure(*f, /*withCaption=*/true);
        return 1;
    }
    return 0;
}

bool ValidDate(const std::string& d) {
    if (d.size() != 10 || d[2] != '-' || d[5] != '-') return false;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (d[i] < '0' || d[i] > '9') return false;
    const int day = std::stoi(d.substr(0, 2));
    const int month = std::stoi(d.substr(3, 2));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

int CmdPrint(const std::string& file, const std::string& date, const std::string& name,
             const std::string& pdf) {
    if (!date.empty() && !ValidDate(date)) {
        std::cerr << TrFormat(BRENVOX_TEXT("--date: oczekiwano DD-MM-RRRR, podano \"%1\""), {date}) << '\n';
        return 2;
    }
    ModuleSettings s;
    if (!LoadSettingsOrReport(file, s)) return 2;
    const std::string shownName = name.empty() ? std::filesystem::path(file).filename().string() : name;
    const std::string shownDate = date.empty() ? PrintDate() : date;
    if (!pdf.empty()) {
        // The sheet holds both PINs: written as every file of the program is, private when new.
        if (const FileWriteResult w =
                WriteFileSafely(PathFromUtf8(pdf), SettingsPdf(s, shownName, shownDate));
            !w) {
            ReportFileFaultOn(msg::kSaveFailed, pdf, w.error, FileAction::Write);
            return 2;
        }
        return 0;
    }
    for (const std::string& line : PrintoutLines(s, shownName, shownDate)) std::cout << line << '\n';
    return 0;
}

int CmdDiff(const std::string& a, const std::string& b) {
    ModuleSettings sa, sb;
    if (!LoadSettingsOrReport(a, sa) || !LoadSettingsOrReport(b, sb)) return 2;
    const std::vector<std::string> lines = DifferenceLines(sa, sb);
    for (const std::string& line : lines) std::cout << line << '\n';
    return lines.empty() ? 0 : 1;
}

}  // namespace

void AddSettingsCommands(CLI::App& app, int& exitCode) {
    // CLI11 keeps references to the option targets; they live as long as the app.
    struct Args {
        std::string file, file2, json, out, date, name, pdf;
    };
    auto args = std::make_shared<Args>();
    const std::string file = TrText(BRENVOX_TEXT("PLIK"));
    const std::string settingsFile = TrText(BRENVOX_TEXT("plik ustawień"));
    const std::string fileToWrite = TrText(BRENVOX_TEXT("plik ustawień do zapisania"));

    auto* cNew =
        app.add_subcommand("new", TrText(BRENVOX_TEXT("Zapisuje ustawienia domyślne do pliku PLIK.")));
    cNew->add_option(file, args->file, fileToWrite)->required();
    cNew->callback([&exitCode, args] { exitCode = CmdNew(args->file); });

    auto* cShow = app.add_subcommand(
        "show",
        TrText(BRENVOX_TEXT(
            "Wypisuje po jednym wierszu KLUCZ=wartość na każdy klucz ustawień, w kolejności z pliku.")));
    cShow->add_option(file, args->file, settingsFile)->required();
    cShow->callback([&exitCode, args] { exitCode = CmdShow(args->file); });

    auto* cExport = app.add_subcommand(
        "export", TrText(BRENVOX_TEXT("Wypisuje ustawienia jako obiekt JSON z kluczami ustawień.")));
    cExport->add_option(file, args->file, settingsFile)->required();
    cExport->callback([&exitCode, args] { exitCode = CmdExport(args->file); });

    auto* cImport = app.add_subcommand(
        "import", TrText(BRENVOX_TEXT("Zapisuje plik ustawień z obiektu JSON: ustawienia domyślne, a na "
                                      "nich wartości kluczy obecnych w obiekcie.")));
    cImport->add_option("JSON", args->json, TrText(BRENVOX_TEXT("plik JSON")))->required();
    Placeholder(cImport->add_option("-o,--output", args->out, fileToWrite)->required(), file);
    cImport->callback([&exitCode, args] { exitCode = CmdImport(args->json, args->out); });

    auto* cValidate = app.add_subcommand(
        "validate", TrText(BRENVOX_TEXT("Wykonuje kontrole poprzedzające przesłanie do modułu; wypisuje "
                                        "pierwszy błąd i kończy z kodem 1.")));
    cValidate->add_option(file, args->file, settingsFile)->required();
    cValidate->callback([&exitCode, args] { exitCode = CmdValidate(args->file); });

    auto* cPrint = app.add_subcommand(
        "print", TrText(BRENVOX_TEXT(
                     "Wypisuje wiersze wydruku ustawień albo zapisuje wydruk jako plik PDF (--pdf).")));
    cPrint->add_option(file, args->file, settingsFile)->required();
    Placeholder(
        cPrint->add_option("--date", args->date,
                           TrText(BRENVOX_TEXT("data na wydruku, DD-MM-RRRR (domyślnie dzisiejsza)"))),
        Tr(BRENVOX_TEXT("DATA")));
    Placeholder(cPrint->add_option("--name", args->name,
                                   TrText(BRENVOX_TEXT("nazwa ustawień na wydruku (domyślnie nazwa pliku)"))),
                Tr(BRENVOX_TEXT("NAZWA")));
    Placeholder(
        cPrint->add_option(
            "--pdf", args->pdf,
            TrText(BRENVOX_TEXT("zapisuje wydruk do tego pliku PDF (A4; nowy plik jest dostępny tylko dla "
                                "użytkownika) zamiast wypisywać jego wiersze"))),
        file);
    cPrint->callback(
        [&exitCode, args] { exitCode = CmdPrint(args->file, args->date, args->name, args->pdf); });

    auto* cDiff = app.add_subcommand(
        "diff",
        TrText(BRENVOX_TEXT(
            "Wypisuje klucze o różnych wartościach jako 'KLUCZ: a -> b'; kończy z kodem 1, gdy takie są.")));
    cDiff->add_option("A", args->file, TrText(BRENVOX_TEXT("pierwszy plik ustawień")))->required();
    cDiff->add_option("B", args->file2, TrText(BRENVOX_TEXT("drugi plik ustawień")))->required();
    cDiff->callback([&exitCode, args] { exitCode = CmdDiff(args->file, args->file2); });
}

}  // namespace brenvox::cli
