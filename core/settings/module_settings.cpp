#include "settings/module_settings.h"

#include <algorithm>

#include "i18n/translate.h"
#include "settings/cp1250.h"

namespace brenvox {
namespace {

constexpr std::array<SlotInfo, kSlotCount> kSlots = {{
    {"INP11", 1, BRENVOX_TEXT("Pin6 - We1 - Blokada"), "Wejście 1 - Blokada"},
    {"INP12", 1, BRENVOX_TEXT("Pin6 - We1 - Blokada"), "Wejście 1 - Blokada"},
    {"INP21", 2, BRENVOX_TEXT("Pin7 - We2 - Akumulator"), "Wejście 2 - Akumulator"},
    {"INP22", 2, BRENVOX_TEXT("Pin7 - We2 - Akumulator"), "Wejście 2 - Akumulator"},
    {"INP31", 3, BRENVOX_TEXT("Pin8 - We3 - Alarm"), "Wejście 3 - Alarm"},
    {"INP32", 3, BRENVOX_TEXT("Pin8 - We3 - Alarm"), "Wejście 3 - Alarm"},
    {"INP33", 3, BRENVOX_TEXT("Pin8 - We3 - Alarm"), "Wejście 3 - Alarm"},
    {"INP34", 3, BRENVOX_TEXT("Pin8 - We3 - Alarm"), "Wejście 3 - Alarm"},
    {"INP41", 4, BRENVOX_TEXT("Pin9 - We4 - Uniwersalne 1"), "Wejście 4 - Uniwersalne 1"},
    {"INP42", 4, BRENVOX_TEXT("Pin9 - We4 - Uniwersalne 1"), "Wejście 4 - Uniwersalne 1"},
    {"INP51", 5, BRENVOX_TEXT("Pin10 - We5 - Uniwersalne 2"), "Wejście 5 - Uniwersalne 2"},
    {"INP52", 5, BRENVOX_TEXT("Pin10 - We5 - Uniwersalne 2"), "Wejście 5 - Uniwersalne 2"},
    {"INP61", 6, BRENVOX_TEXT("Pin11 - We6 - Uniwersalne 3"), "Wejście 6 - Uniwersalne 3"},
    {"INP62", 6, BRENVOX_TEXT("Pin11 - We6 - Uniwersalne 3"), "Wejście 6 - Uniwersalne 3"},
    {"INP71", 7, BRENVOX_TEXT("Pin12 - We7 - Uniwersalne 4"), "Wejście 7 - Uniwersalne 4"},
    {"INP72", 7, BRENVOX_TEXT("Pin12 - We7 - Uniwersalne 4"), "Wejście 7 - Uniwersalne 4"},
}};

constexpr std::array<const char*, kSlotFunctionCount> kSlotFunctionNames = {
    BRENVOX_TEXT("Niewykorzystane"),         // NoAction
    BRENVOX_TEXT("Wyślij wiadomość - SMS"),  // SendSms
    BRENVOX_TEXT("Zadzwoń - RING"),          // Ring
};

struct IntInfo {
    const char* name;
    IntRange range;
    int32_t def;
};
constexpr std::array<IntInfo, kIntSettingCount> kInts = {{
    {"OFFTIMEVAL", {1, 250, false}, 60},
    {"SMSMAX", {1, 250, false}, 20},
    {"SMSTIME", {1, 42, false}, 1},
    {"SMSACK", {1, 250, false}, 45},
    {"SMSTRY", {1, 250, false}, 5},
    {"RINGTIME", {1, 45, false}, 30},
    {"RINGCNT", {1, 250, false}, 1},
    {"RINGDELAY", {1, 250, false}, 60},
    {"RINGHUNGUP", {1, 45, false}, 5},
    {"TESTMSB", {0, 32, false}, 24},
    {"TESTLSB", {0, 5, false}, 0},
    {"TEST1TYPE", {0, kSlotFunctionCount - 1, true}, NoAction},
    {"TEST2TYPE", {0, kSlotFunctionCount - 1, true}, NoAction},
}};

// Scalar strings and booleans, addressed by scalarId in the key table.
enum StrId { sPIN, sMODPIN, sSMSC, sOUTCODE, sOFFCODE, sTEST1PHONE, sTEST1SMS, sTEST2PHONE, sTEST2SMS };
enum BoolId { bONALARM, bON47, bOFFRING, bOFFTIME, bRINGCUT };

std::string* StrField(ModuleSettings& s, int id) {
    switch (id) {
        case sPIN:
            return &s.PIN;
        case sMODPIN:
            return &s.MODPIN;
        case sSMSC:
            return &s.SMSC;
        case sOUTCODE:
            return &s.OUTCODE;
        case sOFFCODE:
            return &s.OFFCODE;
        case sTEST1PHONE:
            return &s.TEST1PHONE;
        case sTEST1SMS:
            return &s.TEST1SMS;
        case sTEST2PHONE:
            return &s.TEST2PHONE;
        default:
            return &s.TEST2SMS;
    }
}
bool* BoolField(ModuleSettings& s, int id) {
    switch (id) {
        case bONALARM:
            return &s.ONALARM;
        case bON47:
            return &s.ON47;
        case bOFFRING:
            return &s.OFFRING;
        case bOFFTIME:
            return &s.OFFTIME;
        default:
            return &s.RINGCUT;
    }
}

std::vector<SettingKey> BuildKeys() {
    std::vector<SettingKey> keys;
    auto str = [&](const char* n, int id) { keys.push_back({n, ValueKind::String, -1, 0, id}); };
    auto bln = [&](const char* n, int id) { keys.push_back({n, ValueKind::Boolean, -1, 0, id}); };
    auto num = [&](IntSetting k) {
        keys.push_back({kInts[static_cast<int>(k)].name, ValueKind::Integer, -1, 0, static_cast<int>(k)});
    };
    str("PIN", sPIN);
    str("MODPIN", sMODPIN);
    str("SMSC", sSMSC);
    for (int i = 0; i < kSlotCount; ++i) {
        const std::string p = kSlots[i].keyPrefix;
        keys.push_back({p + "C", ValueKind::String, i, 'C', -1});
        keys.push_back({p + "F", ValueKind::Integer, i, 'F', -1});
        keys.push_back({p + "R", ValueKind::Integer, i, 'R', -1});
        keys.push_back({p + "P", ValueKind::String, i, 'P', -1});
        keys.push_back({p + "S", ValueKind::String, i, 'S', -1});
        keys.push_back({p + "L", ValueKind::Boolean, i, 'L', -1});
    }
    str("OUTCODE", sOUTCODE);
    str("OFFCODE", sOFFCODE);
    bln("ONALARM", bONALARM);
    bln("ON47", bON47);
    bln("OFFRING", bOFFRING);
    bln("OFFTIME", bOFFTIME);
    for (IntSetting k : {IntSetting::OFFTIMEVAL, IntSetting::SMSMAX, IntSetting::SMSTIME, IntSetting::SMSACK,
                         IntSetting::SMSTRY, IntSetting::RINGTIME, IntSetting::RINGCNT, IntSetting::RINGDELAY,
                         IntSetting::RINGHUNGUP})
        num(k);
    bln("RINGCUT", bRINGCUT);
    num(IntSetting::TESTMSB);
    num(IntSetting::TESTLSB);
    num(IntSetting::TEST1TYPE);
    str("TEST1PHONE", sTEST1PHONE);
    str("TEST1SMS", sTEST1SMS);
    num(IntSetting::TEST2TYPE);
    str("TEST2PHONE", sTEST2PHONE);
    str("TEST2SMS", sTEST2SMS);
    return keys;
}

}  // namespace

const SlotInfo& SlotInfoOf(int index) {
    return kSlots.at(static_cast<std::size_t>(index));
}
const char* SlotFunctionName(int32_t function) {
    if (function < 0 || function >= kSlotFunctionCount) return nullptr;
    // Both the Polish text and its translation are literals, so the view ends in a null.
    return Tr(kSlotFunctionNames[static_cast<std::size_t>(function)]).data();
}
IntRange IntRangeOf(IntSetting k) {
    return kInts[static_cast<int>(k)].range;
}
const char* IntSettingName(IntSetting k) {
    return kInts[static_cast<int>(k)].name;
}

ModuleSettings::ModuleSettings() {
    ResetSettings(*this);
}

void ModuleSettings::set(IntSetting k, int64_t v) {
    const IntRange r = IntRangeOf(k);
    int32_t stored;
    if (r.comboIndex)
        stored = (v < r.min || v > r.max) ? -1 : static_cast<int32_t>(v);
    else
        stored = static_cast<int32_t>(std::clamp<int64_t>(v, r.min, r.max));
    ints_[static_cast<int>(k)] = stored;
}

void ResetSettings(ModuleSettings& s) {
    for (int i = 0; i < kSlotCount; ++i) {
        InputSlot slot;
        slot.setComment(Utf8ToCp1250(kSlots[i].defaultComment).bytes);
        s.slots[i] = slot;
    }
    s.PIN.clear();
    s.MODPIN = "8361";
    s.SMSC.clear();
    s.OUTCODE.clear();
    s.OFFCODE.clear();
    s.ONALARM = false;
    s.ON47 = false;
    s.OFFRING = true;
    s.OFFTIME = false;
    for (int k = 0; k < kIntSettingCount; ++k) s.set(static_cast<IntSetting>(k), kInts[k].def);
    s.RINGCUT = true;
    s.TEST1PHONE.clear();
    s.TEST1SMS.clear();
    s.TEST2PHONE.clear();
    s.TEST2SMS.clear();
}

const std::vector<SettingKey>& SettingKeys() {
    static const std::vector<SettingKey> keys = BuildKeys();
    return keys;
}

const SettingKey* FindSettingKey(std::string_view name) {
    for (const auto& k : SettingKeys())
        if (k.name == name) return &k;
    return nullptr;
}

std::string GetString(const ModuleSettings& s, const SettingKey& k) {
    if (k.slot >= 0) {
        const InputSlot& sl = s.slots[k.slot];
        return k.field == 'C' ? sl.Comment : k.field == 'P' ? sl.Phone : sl.SmsText;
    }
    return *StrField(const_cast<ModuleSettings&>(s), k.scalarId);
}

int32_t GetInt(const ModuleSettings& s, const SettingKey& k) {
    if (k.slot >= 0) return k.field == 'F' ? s.slots[k.slot].Function : s.slots[k.slot].Reaction;
    return s.get(static_cast<IntSetting>(k.scalarId));
}

bool GetBool(const ModuleSettings& s, const SettingKey& k) {
    if (k.slot >= 0) return s.slots[k.slot].Locked;
    return *BoolField(const_cast<ModuleSettings&>(s), k.scalarId);
}

void SetString(ModuleSettings& s, const SettingKey& k, std::string_view v) {
    if (k.slot >= 0) {
        InputSlot& sl = s.slots[k.slot];
        if (k.field == 'C')
            sl.setComment(v);
        else if (k.field == 'P')
            sl.setPhone(v);
        else
            sl.setSmsText(v);
        return;
    }
    *StrField(s, k.scalarId) = std::string(v);
}

void SetInt(ModuleSettings& s, const SettingKey& k, int64_t v) {
    if (k.slot >= 0) {
        // Slot fields take the value as read; a 32-bit field keeps the low 32 bits.
        const auto v32 = static_cast<int32_t>(static_cast<uint32_t>(v));
        (k.field == 'F' ? s.slots[k.slot].Function : s.slots[k.slot].Reaction) = v32;
        return;
    }
    s.set(static_cast<IntSetting>(k.scalarId), v);
}

void SetBool(ModuleSettings& s, const SettingKey& k, bool v) {
    if (k.slot >= 0)
        s.slots[k.slot].Locked = v;
    else
        *BoolField(s, k.scalarId) = v;
}

}  // namespace brenvox
