#pragma once
// Each command group registers its subcommands on the one CLI11 app. A command's callback stores
// its exit status in `exitCode`: 0 success, 1 the operation's own failure, 2 usage or file error.
#include <CLI/CLI.hpp>
#include <string>

namespace brenvox::cli {

void AddSettingsCommands(CLI::App& app, int& exitCode);
void AddCodecCommands(CLI::App& app, int& exitCode);
void AddLinkCommands(CLI::App& app, int& exitCode);
void AddFleetCommands(CLI::App& app, int& exitCode);

// history: the entries of an archive folder, newest first.
int CmdHistory(const std::string& dir, const std::string& name);

}  // namespace brenvox::cli
