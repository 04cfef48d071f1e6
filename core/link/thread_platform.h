#pragma once
// The few thread calls the transfer engine needs from the operating system, one definition per
// platform (thread_platform_posix.cpp, thread_platform_win32.cpp), so the engine has none of them.

namespace brenvox {

// Runs the calling thread one step above normal priority, with timer wake-ups as close to their
// deadline as the system allows: a busy desktop must not stretch the 10 ms silences that end
// every reply. Best effort: where the system refuses, the thread runs as it is.
void RaiseCurrentThreadPriority();

}  // namespace brenvox
