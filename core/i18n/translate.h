#pragma once
// The program's texts in the user's language. Polish is the program's own language: every text
// is written in Polish in the code and is its own translation. Other languages come from the
// catalogue that the build makes from translations/brenvox_<lang>.ts, the file Qt's tools keep
// (lupdate finds the texts, a translator fills them in); the Qt program takes the same file for
// its windows. Texts of the core are marked with BRENVOX_TEXT where they are written, so that
// lupdate finds them, and go through Tr where they are shown.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Marks a Polish text for lupdate; it stays the text it marks.
#define BRENVOX_TEXT(text) text

namespace brenvox {

enum class Language { Polish, English };

// "pl" or "en" (the --lang argument); nothing for anything else.
std::optional<Language> ParseLanguage(std::string_view code);
// The two-letter code of a language: "pl", "en".
std::string_view LanguageCode(Language language);

// The language the user interface is to speak, from what the system says of the user's
// language: English when that is English, Polish for every other language and for none.
Language SystemLanguage();

// The rule of POSIX systems, from the values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG (empty
// when unset): the locale of messages is the first of LC_ALL, LC_MESSAGES, LANG that is set; in
// the C or POSIX locale that is all (Polish); otherwise LANGUAGE's first entry, when set, names
// the language, else the locale does. English when that name is English.
Language LanguageFromLocaleNames(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang);

// The language texts are given in from now on (process-wide; set once at start-up).
void SetLanguage(Language language);
Language CurrentLanguage();

// `polish` in the current language: itself in Polish, and wherever the catalogue has no
// translation.
std::string_view Tr(std::string_view polish);

// Tr as a string of its own, for texts that are kept or joined.
std::string TrText(std::string_view polish);

// The translated text with %1, %2, ... replaced by the arguments, in order of their numbers.
std::string TrFormat(std::string_view polish, std::initializer_list<std::string_view> args);

}  // namespace brenvox
