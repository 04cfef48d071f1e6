#pragma once
// The module's 2048-byte configuration memory, described once. Encoder and decoder reach every
// item through these names, never through bare numbers, so the two can only disagree about what
// a byte means, not about where it is. The two module versions share everything from address 100
// on; their headers differ only in the incoming-call byte and in one or two output code pairs,
// so both header layouts are computed from one list of items.
#include <array>
#include <cstdint>

namespace brenvox {

inline constexpr int kImageSize = 2048;
using ModuleImage = std::array<uint8_t, kImageSize>;

enum class ModuleVersion { V10, V11 };

namespace layout {

inline constexpr int kNone = -1;  // the item does not exist in this version

// Addresses of the header items of one module version.
struct HeaderLayout {
    int marker = 0;
    int count = 0;
    int countComplement = 0;
    int flags = 0;
    int incomingCall = kNone;  // 1.1 only
    int smsAck = 0, smsMax = 0, smsTry = 0, smsTime = 0;
    int ringTime = 0, ringHungup = 0, ringDelay = 0, ringCnt = 0;
    int reactionFirst = 0, reactionSecond = 0;
    int ringFirst = 0, ringSecond = 0;
    int activeFirst = 0, activeSecond = 0;
    int singleCode = kNone;  // 1.0: OUTCODE or OFFCODE, flag bit 2 tells which
    int outCode = kNone;     // 1.1
    int offCode = kNone;     // 1.1
    int offTime = 0;
    int testInterval = 0;
    int lockFirst = 0, lockSecond = 0;
    int checksum = 0;
    int size = 0;  // bytes from the marker through the checksum
};

// Lays the items out one after another in the order the module reads them.
constexpr HeaderLayout MakeHeaderLayout(ModuleVersion v) {
    HeaderLayout h;
    int a = 0;
    h.marker = a++;
    h.count = a++;
    h.countComplement = a++;
    h.flags = a++;
    if (v == ModuleVersion::V11) h.incomingCall = a++;
    h.smsAck = a++;
    h.smsMax = a++;
    h.smsTry = a++;
    h.smsTime = a++;
    h.ringTime = a++;
    h.ringHungup = a++;
    h.ringDelay = a++;
    h.ringCnt = a++;
    h.reactionFirst = a++;
    h.reactionSecond = a++;
    h.ringFirst = a++;
    h.ringSecond = a++;
    h.activeFirst = a++;
    h.activeSecond = a++;
    if (v == ModuleVersion::V10) {
        h.singleCode = a;
        a += 2;
    } else {
        h.outCode = a;
        a += 2;
        h.offCode = a;
        a += 2;
    }
    h.offTime = a++;
    h.testInterval = a++;
    h.lockFirst = a++;
    h.lockSecond = a++;
    h.checksum = a++;
    h.size = a;
    return h;
}

inline constexpr HeaderLayout kHeaderV10 = MakeHeaderLayout(ModuleVersion::V10);
inline constexpr HeaderLayout kHeaderV11 = MakeHeaderLayout(ModuleVersion::V11);
constexpr const HeaderLayout& HeaderFor(ModuleVersion v) {
    return v == ModuleVersion::V10 ? kHeaderV10 : kHeaderV11;
}

inline constexpr uint8_t kMarker = 0xCA;
inline constexpr int kCountedFrom = 3;  // the count and the checksum cover addresses 3..checksum-1

static_assert(kHeaderV10.size == 25, "version 1.0 header is 25 bytes");
static_assert(kHeaderV11.size == 28, "version 1.1 header is 28 bytes");
static_assert(kHeaderV10.checksum == 24 && kHeaderV11.checksum == 27);
static_assert(kHeaderV10.singleCode == 18 && kHeaderV11.outCode == 19 && kHeaderV11.offCode == 21);
static_assert(kHeaderV10.offTime == 20 && kHeaderV11.offTime == 23);

// Option flag bits (header address 3).
namespace flag {
inline constexpr uint8_t kOffRing = 0x01;
inline constexpr uint8_t kOnAlarm = 0x02;
inline constexpr uint8_t kCodeChoice = 0x04;  // 1.0: OUTCODE empty; 1.1: OFFCODE not empty
inline constexpr uint8_t kOn47 = 0x08;
inline constexpr uint8_t kTest1Ring = 0x10;
inline constexpr uint8_t kTest2Ring = 0x20;
inline constexpr uint8_t kTest1Used = 0x40;
inline constexpr uint8_t kTest2Used = 0x80;
}  // namespace flag

// Record areas.
inline constexpr int kRecordAreaSize = 100;
inline constexpr int kFirstRecordArea = 100;
inline constexpr int kRecordAreaCount = 18;
inline constexpr int kTest1Area = 1700;
inline constexpr int kTest2Area = 1800;
inline constexpr int kRecordAreasEnd = kFirstRecordArea + kRecordAreaCount * kRecordAreaSize;
inline constexpr int kSimPinAddress = 1900;
inline constexpr int kSimPinDigits = 1910;  // the decoder looks only at the four PIN bytes
inline constexpr int kSimPinRecordSize = 15;
inline constexpr int kModulePinAddress = 2000;
inline constexpr int kPinLength = 4;

static_assert(kRecordAreaSize == 100);
static_assert(kHeaderV11.size <= kFirstRecordArea, "headers end before the first record area");
static_assert(kTest2Area + kRecordAreaSize == kRecordAreasEnd && kRecordAreasEnd == 1900);
static_assert(kSimPinAddress >= kRecordAreasEnd && kSimPinAddress + kSimPinRecordSize <= kModulePinAddress);
static_assert(kSimPinDigits + kPinLength <= kSimPinAddress + kSimPinRecordSize);
static_assert(kModulePinAddress + kPinLength <= kImageSize);

// Slots 0..15 form eight pairs; pair p (INP11/INP12 first) owns bit 7 - p of the event-bit bytes.
constexpr int SlotBit(int slot) {
    return 7 - slot / 2;
}
constexpr bool SlotIsSecond(int slot) {
    return slot % 2 == 1;
}
constexpr uint8_t SlotMask(int slot) {
    return static_cast<uint8_t>(1u << SlotBit(slot));
}
// First events: area 100 * (bit + 1); second events: 100 * (bit + 9).
constexpr int SlotArea(int slot) {
    return kRecordAreaSize * (SlotBit(slot) + (SlotIsSecond(slot) ? 9 : 1));
}
static_assert(SlotArea(0) == 800 && SlotArea(1) == 1600 && SlotArea(14) == 100 && SlotArea(15) == 900);
static_assert(SlotArea(6) == 500 && SlotArea(7) == 1300);
constexpr bool AllAreasInside() {
    for (int s = 0; s < 16; ++s)
        if (SlotArea(s) < kFirstRecordArea || SlotArea(s) + kRecordAreaSize > kTest1Area) return false;
    return true;
}
static_assert(AllAreasInside());

// Offsets shared by every record: length, its complement, and the phone's message framing.
namespace rec {
inline constexpr int kLength = 0;
inline constexpr int kLengthComplement = 1;
inline constexpr int kMessageType = 2;
inline constexpr int kMessageLengthHigh = 3;
inline constexpr int kMessageLengthLow = 4;
inline constexpr int kBody = 5;  // 0x00 0x01 0x00, then message-specific bytes
inline constexpr uint8_t kTypeSms = 0x02;
inline constexpr uint8_t kTypeCall = 0x01;
inline constexpr uint8_t kTypePin = 0x08;
}  // namespace rec

namespace sms {
inline constexpr int kCentreLength = 11;
inline constexpr int kCentreType = 12;
inline constexpr int kCentreDigits = 13;
inline constexpr int kSubmit = 23;
inline constexpr int kTextLength = 27;
inline constexpr int kPhoneDigitCount = 28;
inline constexpr int kPhoneType = 29;
inline constexpr int kPhoneDigits = 30;
inline constexpr int kValidity = 40;
inline constexpr int kText = 47;
// 47 + ceil(7 * 60 / 8) = 100: the longest text that fits one area.
inline constexpr int kMaxText = 60;
static_assert(kText + (7 * kMaxText + 7) / 8 == kRecordAreaSize);
static_assert(kText + (7 * (kMaxText + 1) + 7) / 8 > kRecordAreaSize);
}  // namespace sms

namespace ring {
inline constexpr int kDigitCount = 9;
inline constexpr int kNumber = 10;
inline constexpr int kTrailerSize = 9;
inline constexpr int kLengthBias = 16;  // message length low byte = m + 16
// m + 19 bytes must fit one area.
inline constexpr int kMaxNumber = kRecordAreaSize - kNumber - kTrailerSize;
static_assert(kMaxNumber == 81);
}  // namespace ring

inline constexpr uint8_t kInternationalType = 0x91;
inline constexpr uint8_t kNationalType = 0xB3;
inline constexpr int kSemiOctetBytes = 10;
inline constexpr int kSemiOctetDigits = 20;

}  // namespace layout
}  // namespace brenvox
