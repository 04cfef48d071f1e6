#pragma once
// The one store of a module's settings. Every reader (settings file, validation, printout, image
// codec, GUI binding, CLI) goes through this type, and clamping and cutting happen in its setters,
// so every reader sees the same values.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenvox {

// The values are stored as plain 32-bit integers, because files and images can carry values
// outside the named ones (a Function of 5, a Reaction of 7) and those must survive unchanged.
enum SlotFunction : int32_t { NoAction = 0, SendSms = 1, Ring = 2 };
enum SlotReaction : int32_t { OnOpening = 0, OnClosing = 1 };

// What the function lists show for each SlotFunction, in value order (UTF-8): the slot editor's
// list, the two test events' lists and the printout's test events all quote these. nullptr for
// a value outside the list.
inline constexpr int kSlotFunctionCount = 3;
const char* SlotFunctionName(int32_t function);  // in the user's language

inline constexpr int kSlotCount = 16;
inline constexpr std::size_t kCommentMax = 128;
inline constexpr std::size_t kPhoneMax = 12;
inline constexpr std::size_t kSmsTextMax = 96;

// Limits of what the user may type (the store itself keeps longer values set by the program).
inline constexpr std::size_t kPinTypeMax = 4;
inline constexpr std::size_t kSmscTypeMax = 12;
inline constexpr std::size_t kCodeTypeMax = 2;
inline constexpr std::size_t kTestSmsTypeMax = 80;
inline constexpr std::size_t kSlotSmsTypeMax = 80;

struct InputSlot {
    std::string Comment;  // code page 1250, at most 128 bytes
    int32_t Function = NoAction;
    int32_t Reaction = OnOpening;
    std::string Phone;    // at most 12 bytes
    std::string SmsText;  // at most 96 bytes
    bool Locked = false;

    void setComment(std::string_view s) { Comment = std::string(s.substr(0, kCommentMax)); }
    void setPhone(std::string_view s) { Phone = std::string(s.substr(0, kPhoneMax)); }
    void setSmsText(std::string_view s) { SmsText = std::string(s.substr(0, kSmsTextMax)); }

    bool operator==(const InputSlot&) const = default;
};

struct SlotInfo {
    const char* keyPrefix;       // "INP11" .. "INP72"
    int input;                   // module input 1..7
    const char* listText;        // UTF-8, the text in the slot list (Polish: shown through Tr)
    const char* defaultComment;  // UTF-8
};
const SlotInfo& SlotInfoOf(int index);  // index 0..15

using SlotTable = std::array<InputSlot, kSlotCount>;

// Integer scalar settings, in settings-file order.
enum class IntSetting {
    OFFTIMEVAL,
    SMSMAX,
    SMSTIME,
    SMSACK,
    SMSTRY,
    RINGTIME,
    RINGCNT,
    RINGDELAY,
    RINGHUNGUP,
    TESTMSB,
    TESTLSB,
    TEST1TYPE,
    TEST2TYPE,
};
inline constexpr int kIntSettingCount = 13;

struct IntRange {
    int32_t min;
    int32_t max;
    // Spin edits store the nearest bound; function combo boxes (TEST1TYPE, TEST2TYPE) take a
    // value outside the list as "no selection" (-1).
    bool comboIndex;
};
IntRange IntRangeOf(IntSetting k);
const char* IntSettingName(IntSetting k);

class ModuleSettings {
public:
    ModuleSettings();  // the defaults

    SlotTable slots;

    // Scalar strings (code page 1250). A value set by the program stays whole; only the GUI
    // limits what the user can type.
    std::string PIN, MODPIN, SMSC, OUTCODE, OFFCODE, TEST1PHONE, TEST1SMS, TEST2PHONE, TEST2SMS;
    bool ONALARM = false, ON47 = false, OFFRING = true, OFFTIME = false, RINGCUT = true;

    int32_t get(IntSetting k) const { return ints_[static_cast<int>(k)]; }
    // Clamps into the setting's range (or -1 for a combo index outside its list).
    void set(IntSetting k, int64_t v);

    bool operator==(const ModuleSettings&) const = default;

private:
    std::array<int32_t, kIntSettingCount> ints_{};
};

// Puts the default settings into s.
void ResetSettings(ModuleSettings& s);

// ---- Generic access by settings-file key (123 keys, in file order) ----

enum class ValueKind { String, Integer, Boolean };

struct SettingKey {
    std::string name;  // "PIN", "INP34S", ...
    ValueKind kind;
    int slot;      // 0..15 for slot fields, -1 for scalars
    char field;    // slot field suffix 'C','F','R','P','S','L'; 0 for scalars
    int scalarId;  // index into the scalar tables; -1 for slot fields
};

const std::vector<SettingKey>& SettingKeys();
const SettingKey* FindSettingKey(std::string_view name);

std::string GetString(const ModuleSettings& s, const SettingKey& k);
int32_t GetInt(const ModuleSettings& s, const SettingKey& k);
bool GetBool(const ModuleSettings& s, const SettingKey& k);
// Slot strings are cut to their field width; scalar strings stay whole; slot Function and
// Reaction are taken as they are; scalar integers are clamped.
void SetString(ModuleSettings& s, const SettingKey& k, std::string_view v);
void SetInt(ModuleSettings& s, const SettingKey& k, int64_t v);
void SetBool(ModuleSettings& s, const SettingKey& k, bool v);

// The input number (1..7) that a slot belongs to.
inline int SlotInput(int index) {
    return SlotInfoOf(index).input;
}

}  // namespace brenvox
