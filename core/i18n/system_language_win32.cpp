#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "i18n/translate.h"

namespace brenvox {

// The user's display language, as chosen in the system's settings (not the format of numbers
// and dates, which may differ).
Language SystemLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH ? Language::English : Language::Polish;
}

}  // namespace brenvox
