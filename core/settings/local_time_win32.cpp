#include "settings/local_time.h"

namespace brenvox {

std::tm LocalTime(std::time_t when) {
    std::tm tm{};
    localtime_s(&tm, &when);
    return tm;
}

}  // namespace brenvox
