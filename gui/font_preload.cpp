#include "font_preload.h"

#ifdef BRENVOX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace brenvox::gui {

FontConfigPreload::FontConfigPreload() {
#ifdef BRENVOX_HAVE_FONTCONFIG
    // FcInit loads the default configuration and the font caches it names; Qt's font database
    // calls it again and then finds everything loaded.
    thread_ = std::thread([] { (void)FcInit(); });
#endif
}

FontConfigPreload::~FontConfigPreload() {
    Wait();
}

void FontConfigPreload::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace brenvox::gui
