#include <iostream>

#include "brenvox_version.h"
#include "commands.h"
#include "console.h"

int main(int argc, char** argv) {
    brenvox::cli::PrepareStandardStreams();
    CLI::App app{
        "brenvox-cli: edits, checks, prints, encodes and transfers the settings of the GSM alarm "
        "notifier module.\nSettings files are the program's own scrambled text files; texts are "
        "printed in UTF-8.\nExit status: 0 success, 1 the operation failed (a failed check, a "
        "difference, a transfer that did not succeed), 2 usage or file error."};
    app.set_version_flag("--version", std::string("brenvox-cli ") + BRENVOX_VERSION);
    app.require_subcommand(1);
    app.fallthrough(false);
    int exitCode = 0;
    brenvox::cli::AddSettingsCommands(app, exitCode);
    brenvox::cli::AddCodecCommands(app, exitCode);
    brenvox::cli::AddLinkCommands(app, exitCode);
    brenvox::cli::AddFleetCommands(app, exitCode);
    try {
        app.parse(argc, argv);
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
