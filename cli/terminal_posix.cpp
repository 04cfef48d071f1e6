#include <unistd.h>

#include "terminal.h"

namespace brenvox::cli {

bool StdoutIsTerminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

}  // namespace brenvox::cli
