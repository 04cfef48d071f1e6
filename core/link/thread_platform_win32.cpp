#include <windows.h>

#include "link/thread_platform.h"

namespace brenvox {

void RaiseCurrentThreadPriority() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
}

}  // namespace brenvox
