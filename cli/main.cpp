#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "brenvox_version.h"
#include "commands.h"
#include "console.h"
#include "i18n/translate.h"
#include "usage.h"

namespace brenvox::cli {
namespace {

// --lang is taken out of the arguments before the commands are parsed, wherever it stands, so
// that it applies to every command and to what is printed while parsing. False for a language the
// program does not speak, or a --lang without one; the language is then the system's (or the
// last one given before), in which the refusal is said.
bool TakeLanguage(std::vector<char*>& args) {
    SetLanguage(SystemLanguage());
    std::vector<char*> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view code;
        if (arg == "--lang") {
            if (i + 1 == args.size()) return false;
            code = args[++i];
        } else if (arg.rfind("--lang=", 0) == 0) {
            code = arg.substr(7);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        const std::optional<Language> chosen = ParseLanguage(code);
        if (!chosen) return false;
        SetLanguage(*chosen);
    }
    args = std::move(rest);
    return true;
}

// The whole program; in the namespace, where the texts it marks have their context for lupdate.
int Run(int argc, char** argv) {
    PrepareStandardStreams();
    std::vector<char*> args(argv, argv + argc);
    if (!TakeLanguage(args)) {
        std::cerr << Tr(BRENVOX_TEXT("--lang: oczekiwano pl lub en")) << '\n';
        return 2;
    }
    // The help's name is the program's, whatever path it was started by.
    CLI::App app{TrText(BRENVOX_TEXT(
                     "brenvox-cli: edytuje, sprawdza, drukuje, koduje i przesyła ustawienia modułu "
                     "powiadamiania GSM.\nPliki ustawień są własnymi, zakodowanymi plikami tekstowymi "
                     "programu; teksty są wypisywane w UTF-8.\nKod wyjścia: 0 powodzenie, 1 operacja się "
                     "nie powiodła (nieudana kontrola, różnica, nieudane przesłanie), 2 błąd wywołania lub "
                     "pliku.")),
                 "brenvox-cli"};
    PrepareHelp(app);
    app.set_version_flag("--version", std::string("brenvox-cli ") + BRENVOX_VERSION,
                         TrText(BRENVOX_TEXT("wypisuje wersję programu i kończy działanie")));
    // Taken out before parsing (TakeLanguage); listed here so that --help shows it.
    std::string languageHelp;
    Placeholder(
        app.add_option("--lang", languageHelp,
                       TrText(BRENVOX_TEXT(
                           "język komunikatów: pl lub en (domyślnie język systemu: angielski, gdy system "
                           "jest angielski, w każdym innym wypadku polski); pliki i wyniki przeznaczone dla "
                           "skryptów nie zależą od języka"))),
        Tr(BRENVOX_TEXT("JĘZYK")));
    app.require_subcommand(1);
    app.fallthrough(false);
    int exitCode = 0;
    AddSettingsCommands(app, exitCode);
    AddCodecCommands(app, exitCode);
    AddLinkCommands(app, exitCode);
    AddFleetCommands(app, exitCode);
    FinishHelp(app);
    try {
        app.parse(static_cast<int>(args.size()), args.data());
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        const std::vector<std::string> given(args.begin() + (args.empty() ? 0 : 1), args.end());
        std::cerr << UsageErrorText(app, e, given);
        return 2;
    }
    return exitCode;
}

}  // namespace
}  // namespace brenvox::cli

int main(int argc, char** argv) {
    return brenvox::cli::Run(argc, argv);
}
