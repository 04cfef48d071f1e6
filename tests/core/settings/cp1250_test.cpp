#include "settings/cp1250.h"

#include <gtest/gtest.h>

namespace brenvox {
namespace {

TEST(Cp1250, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1250ToUtf8(all);
    const Cp1250Result back = Utf8ToCp1250(utf8);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.bytes, all);
    // Distinct bytes give distinct characters.
    for (int a = 0; a < 256; ++a)
        for (int b = a + 1; b < 256; ++b)
            ASSERT_NE(Cp1250ToUnicode(static_cast<unsigned char>(a)),
                      Cp1250ToUnicode(static_cast<unsigned char>(b)));
}

TEST(Cp1250, KnownCharacters) {
    EXPECT_EQ(Cp1250ToUnicode(0x80), U'€');
    EXPECT_EQ(Cp1250ToUnicode(0xB9), U'ą');
    EXPECT_EQ(Cp1250ToUnicode(0xA5), U'Ą');
    EXPECT_EQ(Cp1250ToUnicode(0x9C), U'ś');
    EXPECT_EQ(Cp1250ToUnicode(0xBF), U'ż');
    for (unsigned char undefined : {0x81, 0x83, 0x88, 0x90, 0x98})
        EXPECT_EQ(Cp1250ToUnicode(undefined), undefined);
    EXPECT_EQ(Utf8ToCp1250("Zażółć gęślą jaźń").bytes, "Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1");
}

TEST(Cp1250, CharactersTheCodePageCannotHoldAreReportedNotReplaced) {
    const Cp1250Result r = Utf8ToCp1250("ab✓c");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.badChar, U'✓');
    EXPECT_EQ(r.badOffset, 2u);
    EXPECT_FALSE(Utf8ToCp1250("ñ").ok);                 // Spanish, not in the code page
    EXPECT_FALSE(Utf8ToCp1250("\xF0\x9F\x98\x80").ok);  // emoji
    EXPECT_FALSE(UnicodeToCp1250(U'ñ'));
    EXPECT_EQ(UnicodeToCp1250(U'ł'), 0xB3);
    // Malformed UTF-8 is refused as well.
    const Cp1250Result bad = Utf8ToCp1250("a\xC3");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.badOffset, 1u);
    EXPECT_FALSE(Utf8ToCp1250("\xC0\xAF").ok);  // overlong "/"
}

}  // namespace
}  // namespace brenvox
