#pragma once
// Each command group registers its subcommands on the one CLI11 app. A command's callback stores
// its exit status in `exitCode`: 0 success, 1 the operation's own failure, 2 usage or file error.
#include <CLI/CLI.hpp>

namespace brenvox::cli {

void addSettingsCommands(CLI::App& app, int& exitCode);
void addCodecCommands(CLI::App& app, int& exitCode);
void addLinkCommands(CLI::App& app, int& exitCode);

}  // namespace brenvox::cli
