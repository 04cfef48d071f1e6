// The language of the page: what the browser says the person reads (navigator.languages, most
// wanted first). The first of them that is Polish or English decides; Polish when none is.
#include <algorithm>
#include <string>

#include "i18n/translate.h"

extern "C" int brenvox_web_browser_languages(char* buf, int cap);  // "pl-PL,en-US,en"

namespace brenvox {

Language SystemLanguage() {
    char buf[512];
    const int n = brenvox_web_browser_languages(buf, static_cast<int>(sizeof buf));
    const std::string_view all(buf, n > 0 && n <= static_cast<int>(sizeof buf) ? static_cast<size_t>(n) : 0);
    size_t from = 0;
    while (from < all.size()) {
        const size_t comma = std::min(all.find(',', from), all.size());
        const std::string_view name = all.substr(from, comma - from);
        const std::string_view base = name.substr(0, name.find('-'));
        if (base == "pl") return Language::Polish;
        if (base == "en") return Language::English;
        from = comma + 1;
    }
    return Language::Polish;
}

}  // namespace brenvox
