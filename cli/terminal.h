#pragma once
// What the CLI needs to know of the terminal it prints to; one source file per platform.

namespace brenvox::cli {

// True when standard output is a terminal (a progress bar can be drawn), false for a pipe or file.
bool StdoutIsTerminal();

}  // namespace brenvox::cli
