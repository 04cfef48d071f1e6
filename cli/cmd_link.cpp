#include "commands.h"

namespace brenvox::cli {
void addLinkCommands(CLI::App&, int&) {}
}  // namespace brenvox::cli
