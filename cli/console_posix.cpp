#include <unistd.h>

#include "console.h"

namespace brenvox::cli {

// POSIX streams pass bytes through unchanged, and terminals take UTF-8 as the locale says.
void PrepareStandardStreams() {}

bool StdoutIsTerminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

}  // namespace brenvox::cli
