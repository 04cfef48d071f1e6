#include "commands.h"

namespace brenvox::cli {
void addSettingsCommands(CLI::App&, int&) {}
}  // namespace brenvox::cli
