#include <gtest/gtest.h>

#include <random>

#include "codec/image_codec.h"
#include "codec_test_util.h"

namespace brenvox {
namespace {
using testing_util::Hex;
using testing_util::Slice;

const char* kDefaultHeaderV10 = "CA 15 EA 05 2D 14 05 06 1E 05 3C 01 FF FF 00 00 00 00 00 00 00 90 FF FF C2";
const char* kDefaultHeaderV11 =
    "CA 18 E7 01 00 2D 14 05 06 1E 05 3C 01 FF FF 00 00 00 00 00 00 00 00 00 90 FF FF C6";

bool AllZero(const ModuleImage& img, int from, int to) {
    for (int a = from; a < to; ++a)
        if (img[a] != 0) return false;
    return true;
}

TEST(EncodeImage, DefaultsGiveTheKnownHeadersAndNothingElseButTheModulePin) {
    const ModuleSettings s;
    const ModuleImage v10 = EncodeImageV10(s);
    const ModuleImage v11 = EncodeImageV11(s);
    EXPECT_EQ(Slice(v10, 0, 25), Hex(kDefaultHeaderV10));
    EXPECT_EQ(Slice(v11, 0, 28), Hex(kDefaultHeaderV11));
    EXPECT_TRUE(AllZero(v10, 25, 2000));
    EXPECT_TRUE(AllZero(v11, 28, 2000));
    EXPECT_EQ(Slice(v11, 2000, 4), Hex("38 33 36 31"));
    EXPECT_TRUE(AllZero(v11, 2004, 2048));

    ModuleSettings noPins;
    noPins.MODPIN = "";
    EXPECT_TRUE(AllZero(EncodeImageV11(noPins), 1900, 2048));
}

TEST(EncodeImage, ScaledValuesAndOptionFlags) {
    ModuleSettings s;
    s.set(IntSetting::SMSTIME, 42);
    s.set(IntSetting::TESTMSB, 32);
    s.set(IntSetting::TESTLSB, 5);
    s.OFFTIME = false;
    s.set(IntSetting::OFFTIMEVAL, 250);
    s.set(IntSetting::TEST1TYPE, Ring);
    s.set(IntSetting::TEST2TYPE, SendSms);
    s.OFFRING = false;
    s.RINGCUT = false;
    ModuleImage img = EncodeImageV11(s);
    EXPECT_EQ(img[8], 252);
    EXPECT_EQ(img[24], 197);
    EXPECT_EQ(img[23], 0);  // OFFTIME off stores 0 whatever OFFTIMEVAL is
    EXPECT_EQ(img[3], 0x10 | 0x40 | 0x80);
    EXPECT_EQ(img[4], 1);  // answer incoming calls
    s.OFFTIME = true;
    s.set(IntSetting::OFFTIMEVAL, 1);
    EXPECT_EQ(EncodeImageV11(s)[23], 2);
    EXPECT_EQ(EncodeImageV10(s)[20], 2);
}

TEST(EncodeImage, EventBitsFollowTheSlotPairs) {
    ModuleSettings s;
    s.slots[0].Function = Ring;  // INP11: bit 7 of the first-event bytes
    s.slots[0].Phone = "1";
    s.slots[15].Function = SendSms;  // INP72: bit 0 of the second-event bytes
    s.slots[15].Phone = "2";
    s.slots[15].SmsText = "t";
    s.slots[15].Reaction = OnClosing;
    s.slots[6].Locked = true;  // INP33: bit 4 first
    s.slots[5].Function = 5;   // an unknown function still counts as active, but has no record
    const ModuleImage img = EncodeImageV10(s);
    EXPECT_EQ(img[12], 0xFF);
    EXPECT_EQ(img[13], 0xFE);
    EXPECT_EQ(img[14], 0x80);
    EXPECT_EQ(img[15], 0x00);
    EXPECT_EQ(img[16], 0x80);
    EXPECT_EQ(img[17], 0x01 | 0x20);
    EXPECT_EQ(img[22], 0xEF);
    EXPECT_EQ(img[23], 0xFF);
    EXPECT_EQ(img[800 + 2], 0x01);          // RingRecord
    EXPECT_EQ(img[900 + 2], 0x02);          // SmsRecord
    EXPECT_TRUE(AllZero(img, 1400, 1500));  // INP32's area
}

TEST(EncodeImage, RingSlotIgnoresItsTextAndEverySmsCarriesTheCentre) {
    ModuleSettings s;
    s.SMSC = "+48602951111";
    s.slots[2].Function = Ring;
    s.slots[2].Phone = "+4812";
    s.slots[2].SmsText = "ignored";
    s.slots[4].Function = SendSms;
    s.slots[4].Phone = "600";
    s.slots[4].SmsText = "a";
    s.set(IntSetting::TEST2TYPE, SendSms);
    s.TEST2PHONE = "700";
    s.TEST2SMS = "test";
    const ModuleImage img = EncodeImageV11(s);
    ModuleImage ring{};
    PutRingRecord(ring, 700, "+4812");
    EXPECT_EQ(Slice(img, 700, 100), Slice(ring, 700, 100));
    EXPECT_EQ(Slice(img, 600 + 11, 12), Slice(img, 1800 + 11, 12));
    EXPECT_EQ(GetSmsRecord(img, 600).smsc, "+48602951111");
}

TEST(VersionDifferences, OutputCodesAndFlagBit2) {
    ModuleSettings s;
    s.OUTCODE = "";
    s.OFFCODE = "A1";
    ModuleImage v10 = EncodeImageV10(s);
    ModuleImage v11 = EncodeImageV11(s);
    EXPECT_EQ(Slice(v10, 18, 2), Hex("C1 18"));
    EXPECT_TRUE(v10[3] & 0x04);
    EXPECT_EQ(Slice(v11, 19, 4), Hex("00 00 C1 18"));
    EXPECT_TRUE(v11[3] & 0x04);

    s.OUTCODE = "B2";  // both set: 1.0 keeps only the switch-on code
    v10 = EncodeImageV10(s);
    v11 = EncodeImageV11(s);
    EXPECT_EQ(Slice(v10, 18, 2), Hex("42 19"));
    EXPECT_FALSE(v10[3] & 0x04);
    EXPECT_EQ(Slice(v11, 19, 4), Hex("42 19 C1 18"));
    EXPECT_TRUE(v11[3] & 0x04);

    s.OUTCODE = s.OFFCODE = "";
    v10 = EncodeImageV10(s);
    v11 = EncodeImageV11(s);
    EXPECT_EQ(Slice(v10, 18, 2), Hex("00 00"));
    EXPECT_TRUE(v10[3] & 0x04);
    EXPECT_FALSE(v11[3] & 0x04);
}

// Random settings of the kind validation lets through.
ModuleSettings RandomValidSettings(std::mt19937& rng) {
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto digits = [&](int minLen, int maxLen) {
        std::string d;
        for (int n = pick(minLen, maxLen); n > 0; --n) d.push_back(static_cast<char>('0' + pick(0, 9)));
        return d;
    };
    // Appended rather than `"+" + digits`: GCC 12 at -O3 warns falsely (-Wrestrict) on the latter.
    auto number = [&](int maxLen) {
        std::string n(static_cast<std::size_t>(pick(0, 1)), '+');
        n += digits(1, maxLen - 1);
        return n;
    };
    auto text = [&](int maxLen) {
        std::string t;
        for (int n = pick(1, maxLen); n > 0; --n) t.push_back(static_cast<char>(pick(0x20, 0x7E)));
        return t;
    };
    auto code = [&]() {
        return pick(0, 2)
                   ? std::string{static_cast<char>(pick(0x21, 0x7E)), static_cast<char>(pick(0x21, 0x7E))}
                   : std::string();
    };

    ModuleSettings s;
    s.PIN = pick(0, 1) ? digits(4, 4) : "";
    s.MODPIN = pick(0, 3) ? digits(4, 4) : "";
    s.SMSC = number(12);
    s.OUTCODE = code();
    s.OFFCODE = code();
    s.ONALARM = pick(0, 1);
    s.ON47 = pick(0, 1);
    s.OFFRING = pick(0, 1);
    s.OFFTIME = pick(0, 1);
    s.RINGCUT = pick(0, 1);
    for (int k = 0; k < kIntSettingCount; ++k) {
        const auto key = static_cast<IntSetting>(k);
        const IntRange r = IntRangeOf(key);
        s.set(key, pick(r.min, r.max));
    }
    for (int i = 0; i < kSlotCount; ++i) {
        InputSlot& slot = s.slots[i];
        slot.setComment("komentarz");
        slot.Function = pick(0, 2);
        slot.Reaction = pick(0, 1);
        slot.Locked = pick(0, 1);
        slot.setPhone(number(12));
        slot.setSmsText(text(60));
    }
    s.TEST1PHONE = number(12);
    s.TEST1SMS = text(60);
    s.TEST2PHONE = number(12);
    s.TEST2SMS = text(60);
    return s;
}

// What a decoded image is expected to give back, by the documented losses.
ModuleSettings ExpectedAfterRoundTrip(ModuleSettings s, ModuleVersion v) {
    bool anySms = false;
    for (InputSlot& slot : s.slots) {
        slot.Comment.clear();
        if (slot.Function == NoAction) slot.Phone.clear();
        if (slot.Function != SendSms) slot.SmsText.clear();
        anySms |= slot.Function == SendSms;
    }
    auto test = [&anySms](int32_t type, std::string& phone, std::string& sms) {
        if (type == NoAction) phone.clear();
        if (type != SendSms) sms.clear();
        anySms |= type == SendSms;
    };
    test(s.get(IntSetting::TEST1TYPE), s.TEST1PHONE, s.TEST1SMS);
    test(s.get(IntSetting::TEST2TYPE), s.TEST2PHONE, s.TEST2SMS);
    if (!anySms) s.SMSC.clear();
    if (!s.OFFTIME) s.set(IntSetting::OFFTIMEVAL, 60);
    if (s.PIN.size() != 4) s.PIN.clear();
    if (s.MODPIN.size() != 4) s.MODPIN.clear();
    if (v == ModuleVersion::V10) {
        s.RINGCUT = true;
        if (!s.OUTCODE.empty()) s.OFFCODE.clear();
    }
    return s;
}

class RoundTrip : public ::testing::TestWithParam<ModuleVersion> {};

TEST_P(RoundTrip, RandomValidSettingsComeBackWithTheDocumentedLosses) {
    const ModuleVersion v = GetParam();
    std::mt19937 rng(20261207u + static_cast<unsigned>(v));
    for (int round = 0; round < 500; ++round) {
        const ModuleSettings original = RandomValidSettings(rng);
        const ModuleImage img = EncodeImage(original, v);
        ModuleSettings decoded;  // starts from the defaults; every held setting is replaced
        decoded.PIN = "9999";
        decoded.SMSC = "+1";
        DecodeImage(img, v, decoded);
        const ModuleSettings expected = ExpectedAfterRoundTrip(original, v);
        ASSERT_EQ(decoded, expected) << "round " << round;
        // Re-encoding what was read gives the same image.
        ASSERT_EQ(EncodeImage(decoded, v), img) << "round " << round;
    }
}

TEST(VersionDifferences, ImagesDifferOnlyInTheHeader) {
    std::mt19937 rng(7u);
    for (int round = 0; round < 100; ++round) {
        const ModuleSettings s = RandomValidSettings(rng);
        const ModuleImage a = EncodeImageV10(s);
        const ModuleImage b = EncodeImageV11(s);
        ASSERT_EQ(Slice(a, 28, 2048 - 28), Slice(b, 28, 2048 - 28));
    }
}

INSTANTIATE_TEST_SUITE_P(BothVersions, RoundTrip, ::testing::Values(ModuleVersion::V10, ModuleVersion::V11));

TEST(DecodeImage, ClampsOutOfRangeBytes) {
    ModuleImage img{};
    ModuleSettings s;
    DecodeImageV11(img, s);
    EXPECT_EQ(s.get(IntSetting::SMSACK), 1);
    EXPECT_EQ(s.get(IntSetting::RINGTIME), 1);
    EXPECT_EQ(s.get(IntSetting::SMSTIME), 1);
    EXPECT_FALSE(s.OFFTIME);
    EXPECT_EQ(s.get(IntSetting::OFFTIMEVAL), 60);
    EXPECT_EQ(s.PIN, "");
    EXPECT_EQ(s.MODPIN, "");

    const auto& h = layout::kHeaderV11;
    img[h.smsAck] = 0xFF;
    img[h.ringTime] = 0xFF;
    img[h.smsTime] = 5;
    img[h.offTime] = 61;
    img[h.testInterval] = 197;
    DecodeImageV11(img, s);
    EXPECT_EQ(s.get(IntSetting::SMSACK), 250);
    EXPECT_EQ(s.get(IntSetting::RINGTIME), 45);
    EXPECT_EQ(s.get(IntSetting::SMSTIME), 1);
    EXPECT_TRUE(s.OFFTIME);
    EXPECT_EQ(s.get(IntSetting::OFFTIMEVAL), 60);
    EXPECT_EQ(s.get(IntSetting::TESTMSB), 32);
    EXPECT_EQ(s.get(IntSetting::TESTLSB), 5);
    img[h.offTime] = 1;
    img[h.testInterval] = 255;  // 42 hours and 3: the hours are clamped
    DecodeImageV11(img, s);
    EXPECT_EQ(s.get(IntSetting::OFFTIMEVAL), 1);
    EXPECT_EQ(s.get(IntSetting::TESTMSB), 32);
    EXPECT_EQ(s.get(IntSetting::TESTLSB), 3);
}

TEST(DecodeImage, RingBitWithoutActiveBitIsSendSmsAndInactiveSlotIgnoresItsArea) {
    ModuleImage img{};
    const auto& h = layout::kHeaderV10;
    img[h.ringFirst] = 0x80;  // INP11 ring bit only
    PutSmsRecord(img, 800, "+48", "x", "+1");
    PutSmsRecord(img, 700, "+49", "y", "+2");  // INP21 area, but its bits are clear
    ModuleSettings s;
    DecodeImageV10(img, s);
    EXPECT_EQ(s.slots[0].Function, SendSms);
    EXPECT_EQ(s.slots[0].Phone, "+48");
    EXPECT_EQ(s.slots[2].Function, NoAction);
    EXPECT_EQ(s.slots[2].Phone, "");
    EXPECT_EQ(s.slots[2].SmsText, "");
    EXPECT_EQ(s.SMSC, "+1");
}

TEST(DecodeImage, CentreNumberIsTheFirstMetInSlotOrder) {
    ModuleSettings s;
    s.slots[2].Function = SendSms;  // INP21, area 700
    s.slots[2].Phone = "1";
    s.slots[2].SmsText = "a";
    s.slots[1].Function = SendSms;  // INP12, area 1600: met before INP21
    s.slots[1].Phone = "2";
    s.slots[1].SmsText = "b";
    ModuleImage img = EncodeImageV11(s);
    PutSmsRecord(img, 700, "1", "a", "111");
    PutSmsRecord(img, 1600, "2", "b", "+222");
    ModuleSettings d;
    DecodeImageV11(img, d);
    EXPECT_EQ(d.SMSC, "+222");
}

TEST(DecodeImage, SlotStringsAreCutToTheirFields) {
    ModuleImage img{};
    const auto& h = layout::kHeaderV11;
    img[h.activeFirst] = 0x80 | 0x40;  // INP11 SMS, INP21 ring
    img[h.ringFirst] = 0x40;
    img[h.flags] = 0x10 | 0x40;  // test event 1 rings
    PutSmsRecord(img, 800, "+" + std::string(20, '5'), std::string(60, 'q'), "");
    PutRingRecord(img, 700, std::string(40, '6'));
    PutRingRecord(img, 1700, std::string(40, '7'));
    ModuleSettings s;
    DecodeImageV11(img, s);
    EXPECT_EQ(s.slots[0].Phone, "+" + std::string(11, '5'));
    EXPECT_EQ(s.slots[0].SmsText, std::string(60, 'q'));
    EXPECT_EQ(s.slots[2].Phone, std::string(12, '6'));
    EXPECT_EQ(s.TEST1PHONE, std::string(40, '7'));  // test event numbers are taken whole
    EXPECT_EQ(s.SMSC, "");
}

// Images this tool never wrote: the decoder must stay inside the image (the sanitizer build
// catches any stray read) and still produce bounded settings.
void ExpectBounded(const ModuleSettings& s) {
    for (const InputSlot& slot : s.slots) {
        EXPECT_LE(slot.Phone.size(), kPhoneMax);
        EXPECT_LE(slot.SmsText.size(), kSmsTextMax);
        EXPECT_TRUE(slot.Comment.empty());
    }
    EXPECT_LE(s.TEST1SMS.size(), 255u);
    EXPECT_LE(s.TEST2SMS.size(), 255u);
    EXPECT_LE(s.SMSC.size(), 21u);
}

TEST(HostileImages, AllBytesFF) {
    ModuleImage img;
    img.fill(0xFF);
    for (ModuleVersion v : {ModuleVersion::V10, ModuleVersion::V11}) {
        ModuleSettings s;
        DecodeImage(img, v, s);
        ExpectBounded(s);
        EXPECT_EQ(s.slots[0].Function, Ring);
        EXPECT_EQ(s.get(IntSetting::TEST2TYPE), Ring);
        // Ring length 0xFF at area 1800: 239 characters promised, 238 left before the end.
        EXPECT_EQ(s.TEST2PHONE.size(), 238u);
        EXPECT_EQ(s.PIN, "\xFF\xFF\xFF\xFF");
    }
}

TEST(HostileImages, AllBytesZero) {
    ModuleImage img{};
    ModuleSettings s;
    DecodeImageV10(img, s);
    ExpectBounded(s);
    for (const InputSlot& slot : s.slots) {
        EXPECT_EQ(slot.Function, NoAction);
        EXPECT_EQ(slot.Reaction, OnClosing);
        EXPECT_TRUE(slot.Locked);
    }
    EXPECT_EQ(s.get(IntSetting::TEST1TYPE), NoAction);
    EXPECT_EQ(s.OUTCODE, "");
    EXPECT_EQ(s.OFFCODE, "");
}

TEST(HostileImages, EveryLengthByteFFWithSmsEverywhere) {
    for (ModuleVersion v : {ModuleVersion::V10, ModuleVersion::V11}) {
        const auto& h = layout::HeaderFor(v);
        ModuleImage img{};
        img[h.flags] = 0x40 | 0x80;  // both test events send SMS
        img[h.activeFirst] = img[h.activeSecond] = 0xFF;
        for (int area = 100; area <= 1800; area += 100) {
            for (int off = 0; off < 100; ++off) img[area + off] = 0xFF;
            img[area + 12] = 0x91;
            img[area + 13] = 0x21;  // centre digits "12", then 0xFF ends them
        }
        ModuleSettings s;
        DecodeImage(img, v, s);
        ExpectBounded(s);
        EXPECT_EQ(s.SMSC, "+12");
        // At area 1800 the text runs from 1847 to the end: 201 bytes hold 229 whole characters.
        EXPECT_EQ(s.TEST2SMS.size(), 229u);
        EXPECT_EQ(s.TEST1SMS.size(), 255u);
        EXPECT_EQ(s.slots[0].SmsText.size(), kSmsTextMax);
    }
}

TEST(HostileImages, RandomImagesStayBounded) {
    std::mt19937 rng(99u);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        ModuleImage img;
        for (auto& b : img) b = static_cast<uint8_t>(byte(rng));
        ModuleSettings s;
        DecodeImage(img, round % 2 ? ModuleVersion::V11 : ModuleVersion::V10, s);
        ExpectBounded(s);
    }
}

}  // namespace
}  // namespace brenvox
