// The language rule of POSIX systems, and texts looked up in the catalogue.
#include "i18n/translate.h"

#include <gtest/gtest.h>

namespace brenvox {
namespace {

TEST(Language, FollowsTheMessagesLocaleAndLanguageList) {
    const Language pl = Language::Polish, en = Language::English;
    // language, LC_ALL, LC_MESSAGES, LANG
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", ""), pl) << "nothing set: the C locale";
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "C.UTF-8"), pl);
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "POSIX"), pl);
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "en_US.UTF-8"), en);
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "en"), en);
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "pl_PL.UTF-8"), pl);
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "de_DE.UTF-8"), pl) << "other languages: Polish";
    EXPECT_EQ(LanguageFromLocaleNames("", "", "", "eo.UTF-8"), pl) << "a name that only begins with e";
    // LC_ALL before LC_MESSAGES before LANG.
    EXPECT_EQ(LanguageFromLocaleNames("", "pl_PL.UTF-8", "en_GB.UTF-8", "en_US.UTF-8"), pl);
    EXPECT_EQ(LanguageFromLocaleNames("", "", "en_GB.UTF-8", "pl_PL.UTF-8"), en);
    // LANGUAGE's first entry names the language, except in the C locale.
    EXPECT_EQ(LanguageFromLocaleNames("en:pl", "", "", "pl_PL.UTF-8"), en);
    EXPECT_EQ(LanguageFromLocaleNames("pl:en", "", "", "en_US.UTF-8"), pl);
    EXPECT_EQ(LanguageFromLocaleNames("en", "C", "", ""), pl);
    EXPECT_EQ(ParseLanguage("en"), en);
    EXPECT_EQ(ParseLanguage("pl"), pl);
    EXPECT_EQ(ParseLanguage("EN"), std::nullopt);
    EXPECT_EQ(ParseLanguage("de"), std::nullopt);
}

TEST(Language, TextsInTheChosenLanguage) {
    const std::string_view ready = BRENVOX_TEXT("Moduł gotowy do pracy.");
    SetLanguage(Language::Polish);
    EXPECT_EQ(Tr(ready), ready);
    EXPECT_EQ(TrFormat("Port %1 nie istnieje.", {"COM3"}), "Port COM3 nie istnieje.");
    SetLanguage(Language::English);
    EXPECT_EQ(Tr(ready), "Module ready.");
    EXPECT_EQ(Tr("no such text in the catalogue"), "no such text in the catalogue");
    EXPECT_EQ(TrFormat("a %2 b %1 c %9 d %", {"x", "y"}), "a y b x c %9 d %");
    SetLanguage(Language::Polish);
}

}  // namespace
}  // namespace brenvox
