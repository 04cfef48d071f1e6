#pragma once
// The standard streams as the commands need them, one definition per platform (console_posix.cpp,
// console_win32.cpp).

namespace brenvox::cli {

// On Windows the C runtime would turn every "\n" of stdout into "\r\n": exports, printouts and
// hex dumps redirected into files would differ from the same command's files on Linux. The
// streams stay binary instead (the console shows LF line ends as new lines anyway), and the
// console is told the text is UTF-8 so the Polish letters show. Elsewhere nothing is to be done.
void PrepareStandardStreams();

// True when standard output is a terminal (a progress bar can be drawn), false for a pipe or file.
bool StdoutIsTerminal();

}  // namespace brenvox::cli
