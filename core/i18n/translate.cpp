#include "i18n/translate.h"

#include <algorithm>
#include <atomic>
#include <cstddef>

namespace brenvox {
namespace {

struct CatalogueEntry {
    std::string_view polish;
    std::string_view translation;
};

// The English catalogue, made by the build from translations/brenvox_en.ts, sorted by the
// Polish text.
constexpr CatalogueEntry kEnglish[] = {
#include "i18n_catalogue_en.inc"
};

std::atomic<Language> gLanguage{Language::Polish};

bool NamesEnglish(std::string_view name) {
    return name.size() >= 2 && name.substr(0, 2) == "en" &&
           (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@' || name[2] == '-');
}

}  // namespace

std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "pl") return Language::Polish;
    if (code == "en") return Language::English;
    return std::nullopt;
}

std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "pl";
}

Language LanguageFromLocaleNames(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang) {
    const std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
    const std::string_view base = locale.substr(0, locale.find('.'));
    if (locale.empty() || base == "C" || base == "POSIX") return Language::Polish;
    const std::string_view name = !language.empty() ? language.substr(0, language.find(':')) : locale;
    return NamesEnglish(name) ? Language::English : Language::Polish;
}

void SetLanguage(Language language) {
    gLanguage.store(language);
}

Language CurrentLanguage() {
    return gLanguage.load();
}

std::string_view Tr(std::string_view polish) {
    if (gLanguage.load() == Language::Polish) return polish;
    const auto* end = std::end(kEnglish);
    const auto* it =
        std::lower_bound(std::begin(kEnglish), end, polish,
                         [](const CatalogueEntry& e, std::string_view text) { return e.polish < text; });
    if (it == end || it->polish != polish || it->translation.empty()) return polish;
    return it->translation;
}

std::string TrText(std::string_view polish) {
    return std::string(Tr(polish));
}

std::string TrFormat(std::string_view polish, std::initializer_list<std::string_view> args) {
    const std::string_view text = Tr(polish);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        // %1 .. %9 stand for the arguments; any other % stays as it is.
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace brenvox
