#include "commands.h"

namespace brenvox::cli {
void addCodecCommands(CLI::App&, int&) {}
}  // namespace brenvox::cli
