// Settings commands: new, show, export, import, validate, print, diff.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <memory>

#include "cli_util.h"
#include "commands.h"
#include "files/safe_file.h"
#include "settings/cp1250.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_json.h"
#include "settings/validation.h"

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
    std::ifstream in(jsonPath, std::ios::binary);
    if (!in) {
        std::cerr << "cannot open " << jsonPath << '\n';
        return 2;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ModuleSettings s;  // the defaults, as reading a settings file starts from what is there
    const JsonImportResult r = ApplySettingsJson(text, s);
    if (!r.ok) {
        if (r.key.empty())
            std::cerr << jsonPath << ": " << r.error << '\n';
        else
            std::cerr << jsonPath << ": key \"" << r.key << "\": " << r.error << '\n';
        return 2;
    }
    return SaveSettingsOrReport(out, s) ? 0 : 2;
}

int CmdValidate(const std::string& file) {
    ModuleSettings s;
    if (!LoadSettingsOrReport(file, s)) return 2;
    if (auto f = ValidateSettings(s)) {
        PrintValidationFailure(*f);
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
        std::cerr << "--date: expected DD-MM-YYYY, got \"" << date << "\"\n";
        return 2;
    }
    ModuleSettings s;
    if (!LoadSettingsOrReport(file, s)) return 2;
    const std::string shownName = name.empty() ? std::filesystem::path(file).filename().string() : name;
    const std::string shownDate = date.empty() ? PrintDate() : date;
    if (!pdf.empty()) {
        // The sheet holds both PINs: written as every file of the program is, private when new.
        if (const FileWriteResult w = WriteFileSafely(pdf, SettingsPdf(s, shownName, shownDate)); !w) {
            std::cerr << "cannot write " << pdf << ": " << w.error.message() << '\n';
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

    auto* cNew = app.add_subcommand("new", "Write the default settings to FILE.");
    cNew->add_option("FILE", args->file, "settings file to write")->required();
    cNew->callback([&exitCode, args] { exitCode = CmdNew(args->file); });

    auto* cShow = app.add_subcommand("show", "Print one KEY=value line per settings key, in file order.");
    cShow->add_option("FILE", args->file, "settings file")->required();
    cShow->callback([&exitCode, args] { exitCode = CmdShow(args->file); });

    auto* cExport = app.add_subcommand("export", "Print the settings as a JSON object of settings keys.");
    cExport->add_option("FILE", args->file, "settings file")->required();
    cExport->callback([&exitCode, args] { exitCode = CmdExport(args->file); });

    auto* cImport = app.add_subcommand(
        "import", "Write a settings file from a JSON object: the defaults with the members present applied.");
    cImport->add_option("JSON", args->json, "JSON file")->required();
    cImport->add_option("-o,--output", args->out, "settings file to write")->required();
    cImport->callback([&exitCode, args] { exitCode = CmdImport(args->json, args->out); });

    auto* cValidate = app.add_subcommand(
        "validate", "Run the checks made before a transfer; print the first failure and exit 1.");
    cValidate->add_option("FILE", args->file, "settings file")->required();
    cValidate->callback([&exitCode, args] { exitCode = CmdValidate(args->file); });

    auto* cPrint = app.add_subcommand(
        "print", "Print the settings printout lines, or write the printout as a PDF file (--pdf).");
    cPrint->add_option("FILE", args->file, "settings file")->required();
    cPrint->add_option("--date", args->date, "date printed, DD-MM-YYYY (default: today)");
    cPrint->add_option("--name", args->name, "settings name printed (default: the file name)");
    cPrint->add_option("--pdf", args->pdf,
                       "write the printout into this PDF file (A4, private to the user when new) "
                       "instead of printing its lines");
    cPrint->callback(
        [&exitCode, args] { exitCode = CmdPrint(args->file, args->date, args->name, args->pdf); });

    auto* cDiff =
        app.add_subcommand("diff", "List the keys whose values differ as 'KEY: a -> b'; exit 1 if any.");
    cDiff->add_option("A", args->file, "first settings file")->required();
    cDiff->add_option("B", args->file2, "second settings file")->required();
    cDiff->callback([&exitCode, args] { exitCode = CmdDiff(args->file, args->file2); });
}

}  // namespace brenvox::cli
