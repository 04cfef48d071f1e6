#include <cstdlib>

#include "i18n/translate.h"

namespace brenvox {

namespace {
std::string_view Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string_view(v) : std::string_view();
}
}  // namespace

Language SystemLanguage() {
    return LanguageFromLocaleNames(Env("LANGUAGE"), Env("LC_ALL"), Env("LC_MESSAGES"), Env("LANG"));
}

}  // namespace brenvox
