#include <gtest/gtest.h>

#include "codec/image_codec.h"
#include "codec_test_util.h"

namespace brenvox {
namespace {
using testing_util::Hex;
using testing_util::Slice;

TEST(SmsRecord, ExampleWithInternationalNumbers) {
    ModuleImage img{};
    EXPECT_EQ(PutSmsRecord(img, 800, "+4812", "abc", "+123"), 50);
    EXPECT_EQ(Slice(img, 800, 50),
              Hex("30 CF 02 00 2F 00 01 00 01 02 00 03 91 21 F3 FF FF FF FF FF FF FF FF 11 00 00 00 03 04 91 "
                  "84 21 FF FF FF FF FF FF FF FF FF 00 00 00 00 00 00 61 F1 18"));
    EXPECT_EQ(img[799], 0);
    EXPECT_EQ(img[850], 0);
}

TEST(SmsRecord, NationalNumbersUseTypeB3) {
    ModuleImage img{};
    PutSmsRecord(img, 100, "501", "x", "600");
    EXPECT_EQ(img[100 + 11], 3);  // ceil(3 / 2) + 1
    EXPECT_EQ(img[100 + 12], 0xB3);
    EXPECT_EQ(Slice(img, 113, 10), Hex("06 F0 FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(img[100 + 28], 3);
    EXPECT_EQ(img[100 + 29], 0xB3);
    EXPECT_EQ(Slice(img, 130, 2), Hex("05 F1"));
}

TEST(SmsRecord, SixtyCharactersFillTheAreaAndLongerTextsAreCut) {
    ModuleImage img{};
    EXPECT_EQ(PutSmsRecord(img, 100, "1", std::string(60, 'A'), "1"), 100);
    EXPECT_EQ(img[100], 98);
    EXPECT_EQ(img[101], 98 ^ 0xFF);
    EXPECT_EQ(img[104], 97);
    EXPECT_EQ(img[127], 60);

    // 80 characters would need 117 bytes: the record keeps 60 and the next area stays untouched.
    ModuleImage next{};
    next.fill(0x5A);
    EXPECT_EQ(PutSmsRecord(next, 100, "1", std::string(80, 'B'), "1"), 100);
    EXPECT_EQ(next[127], 60);
    EXPECT_EQ(next[99], 0x5A);
    EXPECT_EQ(next[200], 0x5A);
}

TEST(SmsRecord, OverlongNumbersStayInsideTheirFields) {
    ModuleImage img{};
    img.fill(0x77);
    const std::string longNumber = "+" + std::string(30, '9');
    PutSmsRecord(img, 1800, longNumber, "hi", longNumber);
    EXPECT_EQ(img[1800 + 11], 11);  // 20 digits -> 10 bytes + 1
    EXPECT_EQ(img[1800 + 28], 20);
    EXPECT_EQ(img[1800 + 23], 0x11);  // the field did not run into the submit octet
    EXPECT_EQ(img[1800 + 40], 0xFF);
    const DecodedRecord r = GetSmsRecord(img, 1800);
    EXPECT_EQ(r.phone, "+" + std::string(20, '9'));
    EXPECT_EQ(r.smsc, r.phone);
    EXPECT_EQ(r.text, "hi");
}

TEST(RingRecord, ExampleKeepsThePlusAsACharacter) {
    ModuleImage img{};
    EXPECT_EQ(PutRingRecord(img, 100, "+4812"), 24);
    EXPECT_EQ(Slice(img, 100, 24),
              Hex("16 E9 01 00 15 00 01 00 01 05 2B 34 38 31 32 05 01 01 05 81 01 00 00 01"));
    const DecodedRecord r = GetRingRecord(img, 100);
    EXPECT_EQ(r.phone, "+4812");
    EXPECT_EQ(r.text, "");
}

TEST(RingRecord, LongNumbersAreCutToTheArea) {
    ModuleImage img{};
    img.fill(0x33);
    EXPECT_EQ(PutRingRecord(img, 1800, std::string(200, '7')), 100);
    EXPECT_EQ(img[1800 + 9], 81);
    EXPECT_EQ(img[1899], 0x01);  // last trailer byte at the last byte of the area
    EXPECT_EQ(img[1900], 0x33);
    EXPECT_EQ(GetRingRecord(img, 1800).phone, std::string(81, '7'));
}

TEST(RingRecord, EmptyLengthGivesEmptyNumber) {
    ModuleImage img{};
    img[104] = 16;  // m = 0
    EXPECT_EQ(GetRingRecord(img, 100).phone, "");
    img[104] = 3;  // m negative
    EXPECT_EQ(GetRingRecord(img, 100).phone, "");
}

TEST(SimPinRecord, FourCharactersOnly) {
    ModuleImage img{};
    PutSimPinRecord(img, "1234");
    EXPECT_EQ(Slice(img, 1900, 15), Hex("0D F2 08 00 0C 00 01 00 0A 02 31 32 33 34 00"));
    ModuleImage none{};
    PutSimPinRecord(none, "123");
    PutSimPinRecord(none, "12345");
    EXPECT_EQ(none, ModuleImage{});
}

TEST(HostileRecords, LengthBytesRunningPastTheEndStopAtTheLastByte) {
    ModuleImage img{};
    img.fill(0xFF);
    // Text length 255 at area 1800 would need 224 bytes from 1847.
    const DecodedRecord sms = GetSmsRecord(img, 1800);
    EXPECT_EQ(sms.text.size(), (2048u - 1847u) * 8 / 7);
    EXPECT_EQ(sms.phone, "");  // type 0xFF is not 0x91 and all-F digits give nothing
    const DecodedRecord ring = GetRingRecord(img, 1800);
    EXPECT_EQ(ring.phone.size(), 2048u - 1810u);
    // Addresses beyond the image read nothing at all.
    EXPECT_EQ(GetRingRecord(img, 2040).phone.size(), 0u);
    EXPECT_TRUE(GetSmsRecord(img, 2040).text.empty());
}

}  // namespace
}  // namespace brenvox
