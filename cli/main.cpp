#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "brenvox_version.h"
#include "commands.h"
#include "console.h"
#include "i18n/translate.h"

namespace {

// --lang is taken out of the arguments before the commands are parsed, wherever it stands, so
// that it applies to every command and to what is printed while parsing. False for a language the
// program does not speak.
bool TakeLanguage(std::vector<char*>& args) {
    brenvox::Language language = brenvox::SystemLanguage();
    std::vector<char*> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view code;
        if (arg == "--lang" && i + 1 < args.size()) {
            code = args[++i];
        } else if (arg.rfind("--lang=", 0) == 0) {
            code = arg.substr(7);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        const std::optional<brenvox::Language> chosen = brenvox::ParseLanguage(code);
        if (!chosen) return false;
        language = *chosen;
    }
    brenvox::SetLanguage(language);
    args = std::move(rest);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    brenvox::cli::PrepareStandardStreams();
    std::vector<char*> args(argv, argv + argc);
    if (!TakeLanguage(args)) {
        std::cerr << "--lang: expected pl or en\n";
        return 2;
    }
    CLI::App app{
        "brenvox-cli: edits, checks, prints, encodes and transfers the settings of the GSM alarm "
        "notifier module.\nSettings files are the program's own scrambled text files; texts are "
        "printed in UTF-8.\nExit status: 0 success, 1 the operation failed (a failed check, a "
        "difference, a transfer that did not succeed), 2 usage or file error."};
    app.set_version_flag("--version", std::string("brenvox-cli ") + BRENVOX_VERSION);
    // Taken out before parsing (TakeLanguage); listed here so that --help shows it.
    std::string languageHelp;
    app.add_option("--lang", languageHelp,
                   "language of the lines meant for people (pl or en; default: the system's, Polish unless "
                   "that is English); files and machine-readable output never change with it");
    app.require_subcommand(1);
    app.fallthrough(false);
    int exitCode = 0;
    brenvox::cli::AddSettingsCommands(app, exitCode);
    brenvox::cli::AddCodecCommands(app, exitCode);
    brenvox::cli::AddLinkCommands(app, exitCode);
    brenvox::cli::AddFleetCommands(app, exitCode);
    try {
        app.parse(static_cast<int>(args.size()), args.data());
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    }
    return exitCode;
}
