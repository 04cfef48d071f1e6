#include "settings/local_time.h"

namespace brenvox {

std::tm LocalTime(std::time_t when) {
    std::tm tm{};
    localtime_r(&when, &tm);
    return tm;
}

}  // namespace brenvox
