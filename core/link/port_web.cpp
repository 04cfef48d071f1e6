// The pauses of a transfer in the browser: the page's one thread goes back to the browser for
// the time of the pause (a sleeping loop would freeze the page and stretch the waits of
// everything else).
#include <emscripten.h>

#include "link/port.h"

namespace brenvox {

void Port::Pause(int milliseconds) {
    if (milliseconds > 0) emscripten_sleep(static_cast<unsigned>(milliseconds));
}

}  // namespace brenvox
