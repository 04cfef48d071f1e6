// The ready-made phone messages stored in the record areas: SmsRecord, RingRecord, SimPinRecord.
#include <algorithm>
#include <array>
#include <vector>

#include "codec/image_codec.h"

namespace brenvox {
namespace {
using namespace layout;

// Puts bytes at offsets of the record map, relative to the record's address; a byte outside
// the record's area or outside the image is dropped. With the cuts below nothing ever reaches the
// limit; the limit is the last line of defence for the module's other records.
class RecordWriter {
public:
    RecordWriter(ModuleImage& img, int address, int size)
        : img_(img), address_(address), end_(std::min(address + size, kImageSize)) {}
    void putAt(int offset, int v) {
        const int addr = address_ + offset;
        if (offset >= 0 && addr >= 0 && addr < end_) img_[addr] = static_cast<uint8_t>(v & 0xFF);
    }
    template <typename Bytes>
    void putAllAt(int offset, const Bytes& bytes) {
        for (auto b : bytes) putAt(offset++, static_cast<uint8_t>(b));
    }
    // The length byte, its complement and, for the phone's framing, the message length: all
    // follow from the record's size.
    void putLengths(int recordSize) {
        const int n = recordSize - 2;
        putAt(rec::kLength, n);
        putAt(rec::kLengthComplement, n ^ 0xFF);
        putAt(rec::kMessageLengthHigh, 0x00);
    }

private:
    ModuleImage& img_;
    int address_;
    int end_;
};

// The fixed byte runs of each record kind. Each starts at a name of the map and must end exactly
// where the next named item begins, so the writer cannot drift from what the decoder reads.
constexpr std::array<uint8_t, 6> kSmsBody = {0x00, 0x01, 0x00, 0x01, 0x02, 0x00};
constexpr std::array<uint8_t, 4> kSmsSubmit = {0x11, 0x00, 0x00, 0x00};
constexpr std::array<uint8_t, 7> kSmsValidity = {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
static_assert(rec::kBody + kSmsBody.size() == sms::kCentreLength);
static_assert(sms::kCentreType + 1 == sms::kCentreDigits);
static_assert(sms::kCentreDigits + kSemiOctetBytes == sms::kSubmit);
static_assert(sms::kSubmit + kSmsSubmit.size() == sms::kTextLength);
static_assert(sms::kTextLength + 1 == sms::kPhoneDigitCount && sms::kPhoneDigitCount + 1 == sms::kPhoneType);
static_assert(sms::kPhoneType + 1 == sms::kPhoneDigits);
static_assert(sms::kPhoneDigits + kSemiOctetBytes == sms::kValidity);
static_assert(sms::kValidity + kSmsValidity.size() == sms::kText);

constexpr std::array<uint8_t, 4> kRingBody = {0x00, 0x01, 0x00, 0x01};
constexpr std::array<uint8_t, 9> kRingTrailer = {0x05, 0x01, 0x01, 0x05, 0x81, 0x01, 0x00, 0x00, 0x01};
static_assert(rec::kBody + kRingBody.size() == ring::kDigitCount && ring::kDigitCount + 1 == ring::kNumber);
static_assert(kRingTrailer.size() == ring::kTrailerSize);

constexpr std::array<uint8_t, 5> kSimPinBody = {0x00, 0x01, 0x00, 0x0A, 0x02};
constexpr int kSimPinDigitsOffset = kSimPinDigits - kSimPinAddress;
static_assert(rec::kBody + kSimPinBody.size() == kSimPinDigitsOffset);
static_assert(kSimPinDigitsOffset + kPinLength + 1 == kSimPinRecordSize);  // one 0x00 ends it

static_assert(rec::kLength + 1 == rec::kLengthComplement && rec::kLengthComplement + 1 == rec::kMessageType);
static_assert(rec::kMessageType + 1 == rec::kMessageLengthHigh &&
              rec::kMessageLengthHigh + 1 == rec::kMessageLengthLow);
static_assert(rec::kMessageLengthLow + 1 == rec::kBody);

struct SplitNumber {
    bool international;
    std::string_view digits;
};
// The semi-octet field takes 20 digits; a longer number is cut so that its digit count and its
// field agree and nothing spills past the field.
SplitNumber SplitForField(std::string_view number) {
    const bool plus = !number.empty() && number.front() == '+';
    std::string_view digits = plus ? number.substr(1) : number;
    return {plus, digits.substr(0, kSemiOctetDigits)};
}

// Reading a foreign image: a byte beyond the end reads as 0xFF inside a number field (which ends
// the number) and every other read is bounded by the caller.
uint8_t ByteAt(const ModuleImage& img, long addr, uint8_t outside) {
    return (addr >= 0 && addr < kImageSize) ? img[static_cast<std::size_t>(addr)] : outside;
}

std::string ReadSemiOctets(const ModuleImage& img, long addr) {
    SemiOctetField f;
    for (int i = 0; i < kSemiOctetBytes; ++i) f[i] = ByteAt(img, addr + i, 0xFF);
    return DecodeSemiOctets(f);
}

}  // namespace

int PutSmsRecord(ModuleImage& img, int address, std::string_view phone, std::string_view text,
                 std::string_view smsc) {
    // Longer texts would need up to 117 bytes; the area holds 100 (validation refuses them, but a
    // record must never overwrite the next one whatever it is given).
    text = text.substr(0, sms::kMaxText);
    const SplitNumber centre = SplitForField(smsc);
    const SplitNumber number = SplitForField(phone);
    const std::vector<uint8_t> packed = PackSevenBit(text);
    const int length = sms::kText + static_cast<int>(packed.size());

    RecordWriter w(img, address, kRecordAreaSize);
    w.putLengths(length);
    w.putAt(rec::kMessageType, rec::kTypeSms);
    w.putAt(rec::kMessageLengthLow, length - 3);
    w.putAllAt(rec::kBody, kSmsBody);
    // The centre's length counts its type byte and its digits in pairs.
    w.putAt(sms::kCentreLength, (static_cast<int>(centre.digits.size()) + 1) / 2 + 1);
    w.putAt(sms::kCentreType, centre.international ? kInternationalType : kNationalType);
    w.putAllAt(sms::kCentreDigits, EncodeSemiOctets(centre.digits));
    w.putAllAt(sms::kSubmit, kSmsSubmit);
    w.putAt(sms::kTextLength, static_cast<int>(text.size()));
    w.putAt(sms::kPhoneDigitCount, static_cast<int>(number.digits.size()));
    w.putAt(sms::kPhoneType, number.international ? kInternationalType : kNationalType);
    w.putAllAt(sms::kPhoneDigits, EncodeSemiOctets(number.digits));
    w.putAllAt(sms::kValidity, kSmsValidity);
    w.putAllAt(sms::kText, packed);
    return length;
}

int PutRingRecord(ModuleImage& img, int address, std::string_view phone) {
    // Only test event numbers can be longer than 12 characters; 81 is what fits the area.
    phone = phone.substr(0, ring::kMaxNumber);
    const int m = static_cast<int>(phone.size());
    const int length = ring::kNumber + m + ring::kTrailerSize;
    RecordWriter w(img, address, kRecordAreaSize);
    w.putLengths(length);
    w.putAt(rec::kMessageType, rec::kTypeCall);
    w.putAt(rec::kMessageLengthLow, m + ring::kLengthBias);
    w.putAllAt(rec::kBody, kRingBody);
    w.putAt(ring::kDigitCount, m);
    w.putAllAt(ring::kNumber, phone);
    w.putAllAt(ring::kNumber + m, kRingTrailer);
    return length;
}

void PutSimPinRecord(ModuleImage& img, std::string_view pin) {
    if (pin.size() != static_cast<std::size_t>(kPinLength)) return;
    RecordWriter w(img, kSimPinAddress, kSimPinRecordSize);
    w.putLengths(kSimPinRecordSize);
    w.putAt(rec::kMessageType, rec::kTypePin);
    w.putAt(rec::kMessageLengthLow, kSimPinRecordSize - 3);
    w.putAllAt(rec::kBody, kSimPinBody);
    w.putAllAt(kSimPinDigitsOffset, pin);
    w.putAt(kSimPinDigitsOffset + kPinLength, 0x00);
}

DecodedRecord GetSmsRecord(const ModuleImage& img, int address) {
    DecodedRecord r;
    const long a = address;
    // push_back rather than assigning "+": GCC 12 at -O3 reports a false -Wrestrict inside
    // libstdc++ for a one-character literal assigned to a fresh string.
    if (ByteAt(img, a + sms::kCentreType, 0) == kInternationalType) r.smsc.push_back('+');
    r.smsc += ReadSemiOctets(img, a + sms::kCentreDigits);

    const std::size_t n = ByteAt(img, a + sms::kTextLength, 0);
    if (ByteAt(img, a + sms::kPhoneType, 0) == kInternationalType) r.phone.push_back('+');
    r.phone += ReadSemiOctets(img, a + sms::kPhoneDigits);

    const long textStart = a + sms::kText;
    if (textStart >= 0 && textStart < kImageSize) {
        const auto avail = static_cast<std::size_t>(kImageSize - textStart);
        r.text = UnpackSevenBit(img.data() + textStart, avail, n);
    }
    return r;
}

DecodedRecord GetRingRecord(const ModuleImage& img, int address) {
    DecodedRecord r;
    const long a = address;
    const int m = static_cast<int>(ByteAt(img, a + rec::kMessageLengthLow, 0)) - ring::kLengthBias;
    for (long i = 0; i < m; ++i) {
        const long at = a + ring::kNumber + i;
        if (at < 0 || at >= kImageSize) break;  // a foreign length that runs past the end
        r.phone.push_back(static_cast<char>(img[static_cast<std::size_t>(at)]));
    }
    return r;
}

}  // namespace brenvox
