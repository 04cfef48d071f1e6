#include "link/port.h"

#include <chrono>
#include <thread>

namespace brenvox {

void Port::Pause(int milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace brenvox
