#include <gtest/gtest.h>

#include "codec/image_codec.h"
#include "codec_test_util.h"

namespace brenvox {
namespace {
using testing_util::Hex;

TEST(SemiOctets, DigitsFillLowNibbleFirstAndPadWithF) {
    EXPECT_EQ(EncodeSemiOctets("4812"),
              (SemiOctetField{0x84, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    // An odd count leaves 0xF in the high nibble of the last used byte.
    EXPECT_EQ(EncodeSemiOctets("123"),
              (SemiOctetField{0x21, 0xF3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeSemiOctets("600"),
              (SemiOctetField{0x06, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    SemiOctetField empty;
    empty.fill(0xFF);
    EXPECT_EQ(EncodeSemiOctets(""), empty);
}

TEST(SemiOctets, TwentyDigitsFillTheFieldAndMoreAreCut) {
    const std::string twenty = "12345678901234567890";
    const SemiOctetField full = EncodeSemiOctets(twenty);
    EXPECT_EQ(full[9], 0x09);
    EXPECT_EQ(DecodeSemiOctets(full), twenty);
    EXPECT_EQ(EncodeSemiOctets(twenty + "55555"), full);
}

TEST(SemiOctets, DecodeStopsAtFirstFAndMapsHighNibblesToPunctuation) {
    EXPECT_EQ(DecodeSemiOctets(SemiOctetField{0x21, 0xF3, 0x44, 0, 0, 0, 0, 0, 0, 0}), "123");
    EXPECT_EQ(DecodeSemiOctets(SemiOctetField{0xBA, 0xEC, 0xFD, 0, 0, 0, 0, 0, 0, 0}), ":;<>=");
    EXPECT_EQ(DecodeSemiOctets(SemiOctetField{0xF1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "1");
    EXPECT_EQ(DecodeSemiOctets(SemiOctetField{}), std::string(20, '0'));
}

TEST(SevenBitPacking, KnownTexts) {
    EXPECT_EQ(PackSevenBit("abc"), Hex("61 F1 18"));
    EXPECT_EQ(PackSevenBit("AAAAAAAA"), Hex("C1 60 30 18 0C 06 83"));
    EXPECT_TRUE(PackSevenBit("").empty());
    // Only the low seven bits of a character are kept.
    EXPECT_EQ(PackSevenBit("\xE1"), PackSevenBit("a"));
}

TEST(SevenBitPacking, LengthAndRoundTripOfAllSevenBitCodes) {
    for (std::size_t n : {1u, 7u, 8u, 9u, 59u, 60u, 61u, 80u})
        EXPECT_EQ(PackSevenBit(std::string(n, 'x')).size(), (7 * n + 7) / 8);
    std::string all;
    for (int c = 0; c < 128; ++c) all.push_back(static_cast<char>(c));
    const auto packed = PackSevenBit(all);
    EXPECT_EQ(UnpackSevenBit(packed.data(), packed.size(), all.size()), all);
}

TEST(SevenBitPacking, UnpackNeverRunsPastTheBytes) {
    const auto packed = PackSevenBit("abcdefgh");  // 7 bytes
    EXPECT_EQ(UnpackSevenBit(packed.data(), packed.size(), 255), "abcdefgh");
    EXPECT_EQ(UnpackSevenBit(packed.data(), 3, 255), "abc");  // 24 bits: three whole characters
    EXPECT_EQ(UnpackSevenBit(packed.data(), 0, 5), "");
}

TEST(CodePairs, OddSecondCharacterCarriesItsLowBitInTheFirstByte) {
    EXPECT_EQ(EncodeCodePair("A1"), (std::array<uint8_t, 2>{0xC1, 0x18}));  // '1' = 0x31 is odd
    EXPECT_EQ(EncodeCodePair("A2"), (std::array<uint8_t, 2>{0x41, 0x19}));
    EXPECT_EQ(EncodeCodePair(""), (std::array<uint8_t, 2>{0, 0}));
    EXPECT_EQ(EncodeCodePair("1"), (std::array<uint8_t, 2>{0, 0}));
    EXPECT_EQ(EncodeCodePair("123"), (std::array<uint8_t, 2>{0, 0}));
    EXPECT_EQ(DecodeCodePair(0, 0), "");
}

TEST(CodePairs, EverySevenBitCodeReadsBack) {
    for (int a = 1; a < 128; ++a) {
        for (int b = 0; b < 128; ++b) {
            const std::string code{static_cast<char>(a), static_cast<char>(b)};
            const auto pair = EncodeCodePair(code);
            ASSERT_EQ(DecodeCodePair(pair[0], pair[1]), code) << a << "," << b;
        }
    }
    // Characters above 0x7F lose their top bit.
    const auto pair = EncodeCodePair("\xB1\xB2");
    EXPECT_EQ(DecodeCodePair(pair[0], pair[1]), "12");
}

}  // namespace
}  // namespace brenvox
