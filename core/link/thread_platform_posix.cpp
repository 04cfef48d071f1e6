#include "link/thread_platform.h"

// Per-thread nice values and timer slack are Linux's; other POSIX systems run the worker as is.
#if defined(__linux__)
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace brenvox {

void RaiseCurrentThreadPriority() {
#if defined(__linux__)
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), getpriority(PRIO_PROCESS, 0) - 1);
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

}  // namespace brenvox
