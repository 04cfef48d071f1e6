#include <io.h>

#include <cstdio>

#include "terminal.h"

namespace brenvox::cli {

bool StdoutIsTerminal() {
    return _isatty(_fileno(stdout)) != 0;
}

}  // namespace brenvox::cli
