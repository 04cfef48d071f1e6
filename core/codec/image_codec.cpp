// Encoder and decoder of whole module images. Both versions run through one routine each; the
// header layout of the version says where every item lives and which items exist.
#include "codec/image_codec.h"

namespace brenvox {
namespace {
using namespace layout;

uint8_t Low8(int64_t v) {
    return static_cast<uint8_t>(v & 0xFF);
}

struct EventBytes {
    uint8_t first = 0;
    uint8_t second = 0;
    void set(int slot) { (SlotIsSecond(slot) ? second : first) |= SlotMask(slot); }
    static bool has(uint8_t first, uint8_t second, int slot) {
        return ((SlotIsSecond(slot) ? second : first) & SlotMask(slot)) != 0;
    }
};

void PutPair(ModuleImage& img, int address, std::string_view code) {
    const auto pair = EncodeCodePair(code);
    img[address] = pair[0];
    img[address + 1] = pair[1];
}

void PutEventRecord(ModuleImage& img, int area, int32_t function, const std::string& phone,
                    const std::string& text, const std::string& smsc) {
    if (function == SendSms)
        PutSmsRecord(img, area, phone, text, smsc);
    else if (function == Ring)
        PutRingRecord(img, area, phone);
}

DecodedRecord GetEventRecord(const ModuleImage& img, int area, int32_t function) {
    if (function == SendSms) return GetSmsRecord(img, area);
    if (function == Ring) return GetRingRecord(img, area);
    return {};
}

}  // namespace

ModuleImage EncodeImage(const ModuleSettings& s, ModuleVersion v) {
    const HeaderLayout& h = HeaderFor(v);
    ModuleImage img{};  // every byte not written below stays 0x00

    img[h.marker] = kMarker;

    const int32_t t1 = s.get(IntSetting::TEST1TYPE);
    const int32_t t2 = s.get(IntSetting::TEST2TYPE);
    uint8_t flags = 0;
    if (s.OFFRING) flags |= flag::kOffRing;
    if (s.ONALARM) flags |= flag::kOnAlarm;
    // 1.0 keeps one code and the bit says it is the switch-off code; 1.1 keeps both and the bit
    // says the switch-off code is in use.
    if (v == ModuleVersion::V10 ? s.OUTCODE.empty() : !s.OFFCODE.empty()) flags |= flag::kCodeChoice;
    if (s.ON47) flags |= flag::kOn47;
    if (t1 == Ring) flags |= flag::kTest1Ring;
    if (t2 == Ring) flags |= flag::kTest2Ring;
    if (t1 != NoAction) flags |= flag::kTest1Used;
    if (t2 != NoAction) flags |= flag::kTest2Used;
    img[h.flags] = flags;

    if (h.incomingCall != kNone) img[h.incomingCall] = s.RINGCUT ? 0 : 1;

    img[h.smsAck] = Low8(s.get(IntSetting::SMSACK));
    img[h.smsMax] = Low8(s.get(IntSetting::SMSMAX));
    img[h.smsTry] = Low8(s.get(IntSetting::SMSTRY));
    img[h.smsTime] = Low8(int64_t{s.get(IntSetting::SMSTIME)} * 6);  // hours -> tens of minutes
    img[h.ringTime] = Low8(s.get(IntSetting::RINGTIME));
    img[h.ringHungup] = Low8(s.get(IntSetting::RINGHUNGUP));
    img[h.ringDelay] = Low8(s.get(IntSetting::RINGDELAY));
    img[h.ringCnt] = Low8(s.get(IntSetting::RINGCNT));

    EventBytes reaction, ring, active, unlocked;
    for (int i = 0; i < kSlotCount; ++i) {
        const InputSlot& slot = s.slots[i];
        if (slot.Reaction == OnOpening) reaction.set(i);
        if (slot.Function == Ring) ring.set(i);
        if (slot.Function > 0) active.set(i);
        if (!slot.Locked) unlocked.set(i);
    }
    img[h.reactionFirst] = reaction.first;
    img[h.reactionSecond] = reaction.second;
    img[h.ringFirst] = ring.first;
    img[h.ringSecond] = ring.second;
    img[h.activeFirst] = active.first;
    img[h.activeSecond] = active.second;

    if (h.singleCode != kNone) {
        PutPair(img, h.singleCode, s.OUTCODE.empty() ? s.OFFCODE : s.OUTCODE);
    } else {
        PutPair(img, h.outCode, s.OUTCODE);
        PutPair(img, h.offCode, s.OFFCODE);
    }

    // The module counts whole seconds from 1, hence the + 1.
    img[h.offTime] = s.OFFTIME ? Low8(int64_t{s.get(IntSetting::OFFTIMEVAL)} + 1) : 0;
    img[h.testInterval] = Low8(int64_t{s.get(IntSetting::TESTMSB)} * 6 + s.get(IntSetting::TESTLSB));
    img[h.lockFirst] = unlocked.first;
    img[h.lockSecond] = unlocked.second;

    const int count = h.checksum - kCountedFrom;
    img[h.count] = Low8(count);
    img[h.countComplement] = Low8(count ^ 0xFF);
    unsigned sum = 0;
    for (int a = kCountedFrom; a < h.checksum; ++a) sum += img[a];
    img[h.checksum] = Low8((sum & 0xFF) ^ 0xFF);

    PutSimPinRecord(img, s.PIN);
    if (s.MODPIN.size() == static_cast<std::size_t>(kPinLength))
        for (int i = 0; i < kPinLength; ++i) img[kModulePinAddress + i] = static_cast<uint8_t>(s.MODPIN[i]);

    for (int i = 0; i < kSlotCount; ++i) {
        const InputSlot& slot = s.slots[i];
        PutEventRecord(img, SlotArea(i), slot.Function, slot.Phone, slot.SmsText, s.SMSC);
    }
    PutEventRecord(img, kTest1Area, t1, s.TEST1PHONE, s.TEST1SMS, s.SMSC);
    PutEventRecord(img, kTest2Area, t2, s.TEST2PHONE, s.TEST2SMS, s.SMSC);
    return img;
}

ModuleImage EncodeImageV10(const ModuleSettings& s) {
    return EncodeImage(s, ModuleVersion::V10);
}
ModuleImage EncodeImageV11(const ModuleSettings& s) {
    return EncodeImage(s, ModuleVersion::V11);
}

EncodedImages EncodeImages(const ModuleSettings& s) {
    return {EncodeImageV10(s), EncodeImageV11(s)};
}

void DecodeImage(const ModuleImage& img, ModuleVersion v, ModuleSettings& s) {
    const HeaderLayout& h = HeaderFor(v);
    // Marker, count, complement and checksum are not checked: the image is taken as the module
    // holds it.
    const uint8_t flags = img[h.flags];
    s.OFFRING = (flags & flag::kOffRing) != 0;
    s.ONALARM = (flags & flag::kOnAlarm) != 0;
    s.ON47 = (flags & flag::kOn47) != 0;
    auto testType = [flags](uint8_t ringBit, uint8_t usedBit) -> int32_t {
        if (flags & ringBit) return Ring;
        if (flags & usedBit) return SendSms;
        return NoAction;
    };
    s.set(IntSetting::TEST1TYPE, testType(flag::kTest1Ring, flag::kTest1Used));
    s.set(IntSetting::TEST2TYPE, testType(flag::kTest2Ring, flag::kTest2Used));

    // A 1.0 module always rejects incoming calls.
    s.RINGCUT = (h.incomingCall == kNone) ? true : (img[h.incomingCall] & 0x01) == 0;

    s.set(IntSetting::SMSACK, img[h.smsAck]);
    s.set(IntSetting::SMSMAX, img[h.smsMax]);
    s.set(IntSetting::SMSTRY, img[h.smsTry]);
    s.set(IntSetting::SMSTIME, img[h.smsTime] / 6);
    s.set(IntSetting::RINGTIME, img[h.ringTime]);
    s.set(IntSetting::RINGHUNGUP, img[h.ringHungup]);
    s.set(IntSetting::RINGDELAY, img[h.ringDelay]);
    s.set(IntSetting::RINGCNT, img[h.ringCnt]);

    for (int i = 0; i < kSlotCount; ++i) {
        InputSlot& slot = s.slots[i];
        slot.Reaction =
            EventBytes::has(img[h.reactionFirst], img[h.reactionSecond], i) ? OnOpening : OnClosing;
        slot.Function = (EventBytes::has(img[h.activeFirst], img[h.activeSecond], i) ? 1 : 0) +
                        (EventBytes::has(img[h.ringFirst], img[h.ringSecond], i) ? 1 : 0);
        slot.Locked = !EventBytes::has(img[h.lockFirst], img[h.lockSecond], i);
    }

    s.OUTCODE.clear();
    s.OFFCODE.clear();
    if (h.singleCode != kNone) {
        std::string code = DecodeCodePair(img[h.singleCode], img[h.singleCode + 1]);
        ((flags & flag::kCodeChoice) ? s.OFFCODE : s.OUTCODE) = std::move(code);
    } else {
        s.OUTCODE = DecodeCodePair(img[h.outCode], img[h.outCode + 1]);
        s.OFFCODE = DecodeCodePair(img[h.offCode], img[h.offCode + 1]);
    }

    const uint8_t offTime = img[h.offTime];
    s.OFFTIME = offTime != 0;
    s.set(IntSetting::OFFTIMEVAL, offTime != 0 ? offTime - 1 : 60);

    const uint8_t interval = img[h.testInterval];
    s.set(IntSetting::TESTMSB, interval / 6);
    s.set(IntSetting::TESTLSB, interval % 6);

    s.PIN = img[kSimPinDigits] != 0
                ? std::string(reinterpret_cast<const char*>(img.data() + kSimPinDigits), kPinLength)
                : std::string();
    s.MODPIN = img[kModulePinAddress] != 0
                   ? std::string(reinterpret_cast<const char*>(img.data() + kModulePinAddress), kPinLength)
                   : std::string();

    // Every SmsRecord carries the centre number; the first one met in slot order wins.
    std::string smsc;
    auto takeCentre = [&smsc](int32_t function, const DecodedRecord& r) {
        if (function == SendSms && smsc.empty()) smsc = r.smsc;
    };
    for (int i = 0; i < kSlotCount; ++i) {
        InputSlot& slot = s.slots[i];
        slot.setComment("");  // the image holds no comments
        const DecodedRecord r = GetEventRecord(img, SlotArea(i), slot.Function);
        takeCentre(slot.Function, r);
        slot.setPhone(r.phone);
        slot.setSmsText(r.text);
    }
    const int32_t t1 = s.get(IntSetting::TEST1TYPE);
    const DecodedRecord r1 = GetEventRecord(img, kTest1Area, t1);
    takeCentre(t1, r1);
    s.TEST1PHONE = r1.phone;
    s.TEST1SMS = r1.text;
    const int32_t t2 = s.get(IntSetting::TEST2TYPE);
    const DecodedRecord r2 = GetEventRecord(img, kTest2Area, t2);
    takeCentre(t2, r2);
    s.TEST2PHONE = r2.phone;
    s.TEST2SMS = r2.text;
    s.SMSC = smsc;
}

void DecodeImageV10(const ModuleImage& img, ModuleSettings& s) {
    DecodeImage(img, ModuleVersion::V10, s);
}
void DecodeImageV11(const ModuleImage& img, ModuleSettings& s) {
    DecodeImage(img, ModuleVersion::V11, s);
}

}  // namespace brenvox
