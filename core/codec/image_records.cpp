// The ready-made phone messages stored in the record areas: SmsRecord, RingRecord, SimPinRecord.
#include <algorithm>

#include "codec/image_codec.h"

namespace brenvox {
namespace {
using namespace layout;

// Puts bytes one after another; a byte outside [begin, end) or outside the image is dropped.
// With the cuts below nothing ever reaches the limit; the limit is the last line of defence
// for the module's other records.
class RecordWriter {
public:
    RecordWriter(ModuleImage& img, int start, int limit)
        : img_(img), start_(start), end_(std::min(limit, kImageSize)), pos_(start) {}
    void put(int v) { putAt(pos_++, v); }
    void putAt(int addr, int v) {
        if (addr >= start_ && addr >= 0 && addr < end_) img_[addr] = static_cast<uint8_t>(v & 0xFF);
    }
    template <typename Bytes>
    void putAll(const Bytes& bytes) {
        for (auto b : bytes) put(static_cast<uint8_t>(b));
    }
    int pos() const { return pos_; }

private:
    ModuleImage& img_;
    int start_;
    int end_;
    int pos_;
};

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

    RecordWriter w(img, address, address + kRecordAreaSize);
    // Framing; offsets 0, 1 and 4 are filled in once the length is known.
    for (int b : {0x00, 0x00, static_cast<int>(rec::kTypeSms), 0x00, 0x00, 0x00, 0x01, 0x00}) w.put(b);
    for (int b : {0x01, 0x02, 0x00}) w.put(b);
    int d = static_cast<int>(centre.digits.size());
    if (d % 2 == 1) ++d;
    w.put(d / 2 + 1);
    w.put(centre.international ? kInternationalType : kNationalType);
    w.putAll(EncodeSemiOctets(centre.digits));
    for (int b : {0x11, 0x00, 0x00, 0x00}) w.put(b);
    w.put(static_cast<int>(text.size()));
    w.put(static_cast<int>(number.digits.size()));
    w.put(number.international ? kInternationalType : kNationalType);
    w.putAll(EncodeSemiOctets(number.digits));
    w.put(0xFF);
    for (int i = 0; i < 6; ++i) w.put(0x00);
    w.putAll(PackSevenBit(text));

    const int length = w.pos() - address;
    const int n = length - 2;
    w.putAt(address + rec::kLength, n);
    w.putAt(address + rec::kLengthComplement, n ^ 0xFF);
    w.putAt(address + rec::kMessageLengthLow, n - 1);
    return length;
}

int PutRingRecord(ModuleImage& img, int address, std::string_view phone) {
    // Only test event numbers can be longer than 12 characters; 81 is what fits the area.
    phone = phone.substr(0, ring::kMaxNumber);
    const int m = static_cast<int>(phone.size());
    RecordWriter w(img, address, address + kRecordAreaSize);
    for (int b :
         {0x00, 0x00, static_cast<int>(rec::kTypeCall), 0x00, m + ring::kLengthBias, 0x00, 0x01, 0x00})
        w.put(b);
    w.put(0x01);
    w.put(m);
    w.putAll(phone);
    for (int b : {0x05, 0x01, 0x01, 0x05, 0x81, 0x01, 0x00, 0x00, 0x01}) w.put(b);
    const int length = w.pos() - address;
    const int n = length - 2;
    w.putAt(address + rec::kLength, n);
    w.putAt(address + rec::kLengthComplement, n ^ 0xFF);
    return length;
}

void PutSimPinRecord(ModuleImage& img, std::string_view pin) {
    if (pin.size() != static_cast<std::size_t>(kPinLength)) return;
    RecordWriter w(img, kSimPinAddress, kSimPinAddress + kSimPinRecordSize);
    for (int b : {0x0D, 0xF2, static_cast<int>(rec::kTypePin), 0x00, 0x0C, 0x00, 0x01, 0x00, 0x0A, 0x02})
        w.put(b);
    w.putAll(pin);
    w.put(0x00);
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
