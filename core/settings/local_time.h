#pragma once
// The broken-down local time of a moment. The C library's thread-safe call has a different name
// on each platform, so it has one definition per platform (local_time_posix.cpp,
// local_time_win32.cpp).
#include <ctime>

namespace brenvox {

std::tm LocalTime(std::time_t when);

}  // namespace brenvox
