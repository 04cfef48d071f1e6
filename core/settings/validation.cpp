#include "settings/validation.h"

#include "settings/messages.h"

namespace brenvox {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (!IsDigit(c)) return false;
    return true;
}

// Captions and lines are given in Polish and come back in the user's language.
ValidationFailure Confirm(std::string_view line1, std::string_view line2 = {}) {
    return {std::string(Tr(msg::kCaptionConfirm)), std::string(Tr(line1)),
            std::string(line2.empty() ? line2 : Tr(line2))};
}

// The steps shared by input events and test events; only the first message line differs.
std::optional<ValidationFailure> CheckEvent(int32_t f, std::string_view phone, std::string_view text,
                                            const std::string& line1) {
    auto info = [&](const char* line2) {
        return ValidationFailure{std::string(Tr(msg::kCaptionInfo)), line1, std::string(Tr(line2))};
    };
    if (f == NoAction) return std::nullopt;
    const bool phoneOk = PhoneNumberValid(phone);
    if (!phoneOk && f == SendSms) return info(BRENVOX_TEXT("Błędny numer telefonu dla wysłania SMS."));
    if (!phoneOk && f == Ring) return info(BRENVOX_TEXT("Błędny numer telefonu dla funkcji RING."));
    if (f == SendSms) {
        if (text.empty()) return info(BRENVOX_TEXT("Brak treści wiadomości SMS."));
        for (char c : text)
            if (static_cast<unsigned char>(c) >= 128)
                return info(BRENVOX_TEXT("Niewłaściwy znak treści SMS (polska litera?)."));
        // The module's SMS record holds no more than this; a longer text would be cut off there.
        if (text.size() > kSmsTextCheckMax)
            return info(BRENVOX_TEXT("Zbyt długa treść wiadomości SMS (maks. 60 znaków)."));
    }
    // A RING event's text is never sent, so it is not checked.
    return std::nullopt;
}

}  // namespace

bool PhoneNumberValid(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return !text.empty() && AllDigits(text);
}

std::optional<ValidationFailure> CheckInputSlot(const InputSlot& slot, int input) {
    return CheckEvent(slot.Function, slot.Phone, slot.SmsText,
                      TrFormat(BRENVOX_TEXT("Błędne parametry dla wejścia nr %1."), {std::to_string(input)}));
}

std::optional<ValidationFailure> CheckTestEvent(int32_t function, std::string_view phone,
                                                std::string_view smsText) {
    return CheckEvent(function, phone, smsText,
                      std::string(Tr(BRENVOX_TEXT("Błędne parametry dla funkcji testu okresowego."))));
}

std::optional<ValidationFailure> ValidateSettings(const ModuleSettings& s) {
    const char* kPin4 = BRENVOX_TEXT("Kod PIN powinien składać się z 4 cyfr.");
    const char* kPinDigits = BRENVOX_TEXT("Kod PIN powinien zawierać tylko cyfry.");
    const char* kCode2 = BRENVOX_TEXT("Kod powinien składać się z dwóch dowolnych znaków.");

    // 1, 2: SIM PIN
    if (!s.PIN.empty() && s.PIN.size() != 4)
        return Confirm(BRENVOX_TEXT("Niewłaściwy kod PIN karty SIM."), kPin4);
    if (s.PIN.size() == 4 && !AllDigits(s.PIN))
        return Confirm(BRENVOX_TEXT("Niewłaściwy kod PIN karty SIM."), kPinDigits);
    // 3, 4: module PIN
    if (!s.MODPIN.empty() && s.MODPIN.size() != 4)
        return Confirm(BRENVOX_TEXT("Niewłaściwy kod PIN modułu."), kPin4);
    if (s.MODPIN.size() == 4 && !AllDigits(s.MODPIN))
        return Confirm(BRENVOX_TEXT("Niewłaściwy kod PIN modułu."), kPinDigits);

    // 5-7: the SMS centre matters only when something sends an SMS.
    const int32_t test1 = s.get(IntSetting::TEST1TYPE);
    const int32_t test2 = s.get(IntSetting::TEST2TYPE);
    bool smscNeeded = test1 == SendSms || test2 == SendSms;
    for (const InputSlot& slot : s.slots) smscNeeded = smscNeeded || slot.Function == SendSms;
    if (smscNeeded) {
        if (s.SMSC.empty()) return Confirm(BRENVOX_TEXT("Brak numeru centrum SMS."));
        if (s.SMSC == "+") return Confirm(BRENVOX_TEXT("Niewłaściwy numer centrum SMS."));
        if (!PhoneNumberValid(s.SMSC))
            return Confirm(BRENVOX_TEXT("Błędny numer centrum SMS."),
                           BRENVOX_TEXT("Można użyć tylko cyfry i znak \"+\""));
    }

    // 8, 9: output codes
    if (!s.OUTCODE.empty() && s.OUTCODE.size() != 2)
        return Confirm(BRENVOX_TEXT("Błędny kod załączający wyjście."), kCode2);
    if (!s.OFFCODE.empty() && s.OFFCODE.size() != 2)
        return Confirm(BRENVOX_TEXT("Błędny kod wyłączający wyjście."), kCode2);

    // 10: the sixteen slots in order
    for (int i = 0; i < kSlotCount; ++i)
        if (auto f = CheckInputSlot(s.slots[i], SlotInput(i))) return f;

    // 11: a test event in use needs a period. A box with no selection counts as in use.
    if ((test1 != NoAction || test2 != NoAction) && s.get(IntSetting::TESTMSB) == 0 &&
        s.get(IntSetting::TESTLSB) == 0)
        return Confirm(BRENVOX_TEXT("Zerowy czas wysyłania testu okresowego!"));

    // 12, 13: the test events
    if (auto f = CheckTestEvent(test1, s.TEST1PHONE, s.TEST1SMS)) return f;
    if (auto f = CheckTestEvent(test2, s.TEST2PHONE, s.TEST2SMS)) return f;
    return std::nullopt;
}

}  // namespace brenvox
