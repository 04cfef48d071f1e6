#include "settings/validation.h"

#include <gtest/gtest.h>

#include "settings/cp1250.h"

namespace brenvox {
namespace {

const ValidationFailure kPass{"PASS", "", ""};

ValidationFailure Outcome(const ModuleSettings& s) {
    return ValidateSettings(s).value_or(kPass);
}

ValidationFailure Confirm(std::string l1, std::string l2 = {}) {
    return {"Potwierdź", l1, l2};
}
ValidationFailure Info(std::string l1, std::string l2) {
    return {"Informacja", l1, l2};
}

std::string Cp(const char* utf8) {
    auto r = Utf8ToCp1250(utf8);
    EXPECT_TRUE(r.ok) << utf8;
    return r.bytes;
}

TEST(PhoneNumber, Rules) {
    for (const char* ok : {"0", "123456789012", "+4", "+48601234567"})
        EXPECT_TRUE(PhoneNumberValid(ok)) << ok;
    for (const char* bad : {"", "+", " ", "++48", "+48 601", "12a", "1+2", "48+", "-1", "０"})
        EXPECT_FALSE(PhoneNumberValid(bad)) << bad;
}

TEST(EventCheck, StepsInOrder) {
    const std::string l1 = "Błędne parametry dla wejścia nr 3.";
    InputSlot slot;
    // Unused: nothing else is looked at.
    slot.Function = NoAction;
    slot.Phone = "+";
    EXPECT_FALSE(CheckInputSlot(slot, 3));

    slot.Function = SendSms;
    EXPECT_EQ(CheckInputSlot(slot, 3), Info(l1, "Błędny numer telefonu dla wysłania SMS."));
    slot.Function = Ring;
    EXPECT_EQ(CheckInputSlot(slot, 3), Info(l1, "Błędny numer telefonu dla funkcji RING."));

    // A RING event's text is never checked.
    slot.Phone = "600100200";
    slot.SmsText = "";
    EXPECT_FALSE(CheckInputSlot(slot, 3));
    slot.SmsText = Cp("zażółć");
    EXPECT_FALSE(CheckInputSlot(slot, 3));

    slot.Function = SendSms;
    slot.SmsText = "";
    EXPECT_EQ(CheckInputSlot(slot, 3), Info(l1, "Brak treści wiadomości SMS."));
    slot.SmsText = Cp("Alarm ą");  // ą is 185 in the code page
    ASSERT_EQ(static_cast<unsigned char>(slot.SmsText.back()), 185);
    EXPECT_EQ(CheckInputSlot(slot, 3), Info(l1, "Niewłaściwy znak treści SMS (polska litera?)."));
    slot.SmsText = std::string("Alarm\x7F", 6);  // 127 is still a plain character
    EXPECT_FALSE(CheckInputSlot(slot, 3));
    slot.SmsText = std::string(60, 'x');
    EXPECT_FALSE(CheckInputSlot(slot, 3));
    slot.SmsText = std::string(61, 'x');
    EXPECT_EQ(CheckInputSlot(slot, 3), Info(l1, "Zbyt długa treść wiadomości SMS (maks. 60 znaków)."));
    // The Polish-letter message comes before the length message.
    slot.SmsText = std::string(70, 'x') + Cp("ę");
    EXPECT_EQ(CheckInputSlot(slot, 3), Info(l1, "Niewłaściwy znak treści SMS (polska litera?)."));

    // Any other function value passes.
    slot.Function = 5;
    slot.Phone = "";
    EXPECT_FALSE(CheckInputSlot(slot, 3));
}

TEST(EventCheck, TestEventUsesItsOwnFirstLine) {
    const std::string l1 = "Błędne parametry dla funkcji testu okresowego.";
    EXPECT_FALSE(CheckTestEvent(NoAction, "", ""));
    EXPECT_FALSE(CheckTestEvent(-1, "", ""));
    EXPECT_EQ(CheckTestEvent(SendSms, "+", "x"), Info(l1, "Błędny numer telefonu dla wysłania SMS."));
    EXPECT_EQ(CheckTestEvent(Ring, "abc", ""), Info(l1, "Błędny numer telefonu dla funkcji RING."));
    EXPECT_EQ(CheckTestEvent(SendSms, "1", std::string(61, 't')),
              Info(l1, "Zbyt długa treść wiadomości SMS (maks. 60 znaków)."));
    EXPECT_FALSE(CheckTestEvent(SendSms, "1", "Test"));
}

TEST(Validation, DefaultsPass) {
    EXPECT_FALSE(ValidateSettings(ModuleSettings{}));
}

TEST(Validation, PinChecks) {
    ModuleSettings s;
    s.PIN = "123";
    EXPECT_EQ(Outcome(s),
              Confirm("Niewłaściwy kod PIN karty SIM.", "Kod PIN powinien składać się z 4 cyfr."));
    s.PIN = "12345";
    EXPECT_EQ(Outcome(s),
              Confirm("Niewłaściwy kod PIN karty SIM.", "Kod PIN powinien składać się z 4 cyfr."));
    s.PIN = "12a4";
    EXPECT_EQ(Outcome(s),
              Confirm("Niewłaściwy kod PIN karty SIM.", "Kod PIN powinien zawierać tylko cyfry."));
    s.PIN = "1234";
    s.MODPIN = "";
    EXPECT_EQ(Outcome(s), kPass);
    s.MODPIN = "83610";
    EXPECT_EQ(Outcome(s), Confirm("Niewłaściwy kod PIN modułu.", "Kod PIN powinien składać się z 4 cyfr."));
    s.MODPIN = "83 1";
    EXPECT_EQ(Outcome(s), Confirm("Niewłaściwy kod PIN modułu.", "Kod PIN powinien zawierać tylko cyfry."));
    // The SIM PIN is reported first.
    s.PIN = "1";
    EXPECT_EQ(Outcome(s).line1, "Niewłaściwy kod PIN karty SIM.");
}

TEST(Validation, SmsCentreOnlyWhenSomethingSendsAnSms) {
    ModuleSettings s;
    s.SMSC = "";
    EXPECT_EQ(Outcome(s), kPass);
    s.SMSC = "letters";
    EXPECT_EQ(Outcome(s), kPass);
    // A RING event does not need the centre.
    s.slots[3].Function = Ring;
    s.slots[3].Phone = "1";
    EXPECT_EQ(Outcome(s), kPass);

    s.slots[15].Function = SendSms;  // also invalid itself: the centre is reported first
    s.SMSC = "";
    EXPECT_EQ(Outcome(s), Confirm("Brak numeru centrum SMS."));
    s.SMSC = "+";
    EXPECT_EQ(Outcome(s), Confirm("Niewłaściwy numer centrum SMS."));
    s.SMSC = "+48a";
    EXPECT_EQ(Outcome(s), Confirm("Błędny numer centrum SMS.", "Można użyć tylko cyfry i znak \"+\""));
    s.SMSC = "++48";
    EXPECT_EQ(Outcome(s).line1, "Błędny numer centrum SMS.");
    s.SMSC = "+48601000000";
    EXPECT_EQ(Outcome(s).line1, "Błędne parametry dla wejścia nr 7.");

    // A test event on SMS needs it too.
    ModuleSettings t;
    t.set(IntSetting::TEST2TYPE, SendSms);
    EXPECT_EQ(Outcome(t), Confirm("Brak numeru centrum SMS."));
}

TEST(Validation, OutputCodes) {
    ModuleSettings s;
    s.OUTCODE = "1";
    EXPECT_EQ(Outcome(s), Confirm("Błędny kod załączający wyjście.",
                                  "Kod powinien składać się z dwóch dowolnych znaków."));
    s.OUTCODE = "  ";
    EXPECT_EQ(Outcome(s), kPass);
    s.OFFCODE = "abc";
    EXPECT_EQ(Outcome(s), Confirm("Błędny kod wyłączający wyjście.",
                                  "Kod powinien składać się z dwóch dowolnych znaków."));
    s.OFFCODE = Cp("żź");  // two characters of the code page
    EXPECT_EQ(Outcome(s), kPass);
}

TEST(Validation, SlotsNameTheirInputAndTheFirstBadSlotWins) {
    const int inputs[kSlotCount] = {1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};
    for (int i = 0; i < kSlotCount; ++i) {
        ModuleSettings s;
        s.SMSC = "+48601000000";
        s.slots[i].Function = SendSms;
        s.slots[i].Phone.assign(1, '+');  // not = "+": GCC 12 -O3 warns falsely (-Wrestrict)
        EXPECT_EQ(Outcome(s), Info("Błędne parametry dla wejścia nr " + std::to_string(inputs[i]) + ".",
                                   "Błędny numer telefonu dla wysłania SMS."))
            << "slot " << i;
    }
    ModuleSettings s;
    s.slots[9].Function = Ring;  // input 4
    s.slots[2].Function = Ring;  // input 2, earlier
    EXPECT_EQ(Outcome(s).line1, "Błędne parametry dla wejścia nr 2.");
}

TEST(Validation, TestPeriodAndTestEvents) {
    ModuleSettings s;
    s.set(IntSetting::TESTMSB, 0);
    s.set(IntSetting::TESTLSB, 0);
    EXPECT_EQ(Outcome(s), kPass);  // both unused: a zero period is fine

    s.set(IntSetting::TEST1TYPE, Ring);
    s.TEST1PHONE = "600100200";
    EXPECT_EQ(Outcome(s), Confirm("Zerowy czas wysyłania testu okresowego!"));
    s.set(IntSetting::TESTLSB, 1);
    EXPECT_EQ(Outcome(s), kPass);

    // A box with no selection counts as in use.
    ModuleSettings n;
    n.set(IntSetting::TESTMSB, 0);
    n.set(IntSetting::TEST2TYPE, 9);
    ASSERT_EQ(n.get(IntSetting::TEST2TYPE), -1);
    EXPECT_EQ(Outcome(n), Confirm("Zerowy czas wysyłania testu okresowego!"));
    n.set(IntSetting::TESTMSB, 1);
    EXPECT_EQ(Outcome(n), kPass);

    // Slots come before the period, the period before the events, event 1 before event 2.
    ModuleSettings o;
    o.set(IntSetting::TESTMSB, 0);
    o.set(IntSetting::TEST1TYPE, Ring);
    o.set(IntSetting::TEST2TYPE, Ring);
    o.slots[0].Function = Ring;
    EXPECT_EQ(Outcome(o).line1, "Błędne parametry dla wejścia nr 1.");
    o.slots[0].Function = NoAction;
    EXPECT_EQ(Outcome(o).line1, "Zerowy czas wysyłania testu okresowego!");
    o.set(IntSetting::TESTMSB, 24);
    EXPECT_EQ(Outcome(o), Info("Błędne parametry dla funkcji testu okresowego.",
                               "Błędny numer telefonu dla funkcji RING."));
    o.TEST1PHONE = "1";
    EXPECT_EQ(Outcome(o).line2, "Błędny numer telefonu dla funkcji RING.");
    o.TEST2PHONE = "2";
    EXPECT_EQ(Outcome(o), kPass);
}

}  // namespace
}  // namespace brenvox
