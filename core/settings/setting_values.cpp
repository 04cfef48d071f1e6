#include "settings/setting_values.h"

#include <cstdio>

#include "i18n/translate.h"
#include "settings/cp1250.h"

namespace brenvox {
namespace {

std::string EscapedUtf8(const std::string& cp1250) {
    std::string out;
    for (char c : cp1250) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == '\\') {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += Cp1250ToUtf8(std::string_view(&c, 1));
        }
    }
    return out;
}

// Captions of the scalar settings, by key.
struct ScalarLabel {
    const char* key;
    const char* label;
};
constexpr ScalarLabel kScalarLabels[] = {
    {"PIN", BRENVOX_TEXT("Czterocyfrowy kod PIN karty SIM")},
    {"MODPIN", BRENVOX_TEXT("PIN wymagany do odczytu ustawień z modułu")},
    {"SMSC", BRENVOX_TEXT("Numer centrum SMS operatora sieci GSM/DCS")},
    {"OUTCODE", BRENVOX_TEXT("Kod załączający wyjście")},
    {"OFFCODE", BRENVOX_TEXT("Kod wyłączający wyjście")},
    {"ONALARM", BRENVOX_TEXT("Załączaj wyjście przy aktywacji wejścia alarmowego")},
    {"ON47", BRENVOX_TEXT("Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7")},
    {"OFFRING", BRENVOX_TEXT("Wyłączaj wyjście dzwonieniem do modułu")},
    {"OFFTIME", BRENVOX_TEXT("Wyłączaj wyjście po czasie")},
    {"OFFTIMEVAL", BRENVOX_TEXT("Wyłączaj wyjście po czasie [sek.]")},
    {"SMSMAX", BRENVOX_TEXT("Wysyłaj maksymalnie wiadomości SMS")},
    {"SMSTIME", BRENVOX_TEXT("wiadomości SMS w ciągu godzin(y)")},
    {"SMSACK", BRENVOX_TEXT("Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS [sek.]")},
    {"SMSTRY", BRENVOX_TEXT("Ilość prób przesłania wiadomości SMS przy braku potwierdzenia")},
    {"RINGTIME", BRENVOX_TEXT("Czas wywoływania (dzwonienia) [sek.]")},
    {"RINGCNT", BRENVOX_TEXT("Ilość dzwonień")},
    {"RINGDELAY", BRENVOX_TEXT("Odstęp między kolejnymi dzwonieniami [sek.]")},
    {"RINGHUNGUP", BRENVOX_TEXT("Odrzuć połączenie po [sek.]")},
    {"RINGCUT", BRENVOX_TEXT("Odrzucaj połączenia przychodzące")},
    {"TESTMSB", BRENVOX_TEXT("Wysyłaj co ... godzin(y)")},
    {"TESTLSB", BRENVOX_TEXT("godzin(y) + ... [x10 minut]")},
    {"TEST1TYPE", BRENVOX_TEXT("Okresowe zdarzenie numer 1: Funkcja")},
    {"TEST1PHONE", BRENVOX_TEXT("Okresowe zdarzenie numer 1: Numer telefonu")},
    {"TEST1SMS", BRENVOX_TEXT("Okresowe zdarzenie numer 1: Treść wiadomości SMS")},
    {"TEST2TYPE", BRENVOX_TEXT("Okresowe zdarzenie numer 2: Funkcja")},
    {"TEST2PHONE", BRENVOX_TEXT("Okresowe zdarzenie numer 2: Numer telefonu")},
    {"TEST2SMS", BRENVOX_TEXT("Okresowe zdarzenie numer 2: Treść wiadomości SMS")},
};

const char* SlotFieldLabel(char field) {
    switch (field) {
        case 'C':
            return BRENVOX_TEXT("Komentarz użytkownika");
        case 'F':
            return BRENVOX_TEXT("Funkcja");
        case 'R':
            return BRENVOX_TEXT("Reaguje na");
        case 'P':
            return BRENVOX_TEXT("Numer telefonu");
        case 'S':
            return BRENVOX_TEXT("Treść SMS");
        default:
            return BRENVOX_TEXT("Blokowane");
    }
}

bool IsFunction(const SettingKey& k) {
    return k.field == 'F' || k.name == "TEST1TYPE" || k.name == "TEST2TYPE";
}

}  // namespace

std::string SettingLabel(const SettingKey& k) {
    if (k.slot >= 0) {
        int event = 1;  // the slot's number among the slots of its input
        for (int i = 0; i < k.slot; ++i)
            if (SlotInput(i) == SlotInput(k.slot)) ++event;
        return TrFormat(
            BRENVOX_TEXT("%1, zdarzenie %2: %3"),
            {Tr(SlotInfoOf(k.slot).listText), std::to_string(event), Tr(SlotFieldLabel(k.field))});
    }
    for (const ScalarLabel& l : kScalarLabels)
        if (k.name == l.key) return std::string(Tr(l.label));
    return k.name;
}

std::string LabelledValue(const ModuleSettings& s, const SettingKey& k) {
    switch (k.kind) {
        case ValueKind::String:
            return "\"" + EscapedUtf8(GetString(s, k)) + "\"";
        case ValueKind::Boolean:
            return std::string(Tr(GetBool(s, k) ? BRENVOX_TEXT("TAK") : BRENVOX_TEXT("NIE")));
        case ValueKind::Integer:
            break;
    }
    const int32_t v = GetInt(s, k);
    if (IsFunction(k) && v >= NoAction && v <= Ring) return SlotFunctionName(v);
    if (k.field == 'R' && v == OnOpening) return std::string(Tr(BRENVOX_TEXT("rozwarcie")));
    if (k.field == 'R' && v == OnClosing) return std::string(Tr(BRENVOX_TEXT("zwarcie")));
    return std::to_string(v);
}

std::vector<std::string> LabelledDifferenceLines(const ModuleSettings& a, const ModuleSettings& b) {
    std::vector<std::string> lines;
    for (const SettingKey& k : SettingKeys()) {
        const std::string va = LabelledValue(a, k), vb = LabelledValue(b, k);
        if (va != vb) lines.push_back(SettingLabel(k) + ": " + va + " -> " + vb);
    }
    return lines;
}

std::string ShownValue(const ModuleSettings& s, const SettingKey& k) {
    switch (k.kind) {
        case ValueKind::String:
            return EscapedUtf8(GetString(s, k));
        case ValueKind::Integer:
            return std::to_string(GetInt(s, k));
        case ValueKind::Boolean:
            return GetBool(s, k) ? "1" : "0";
    }
    return {};
}

std::vector<std::string> DifferenceLines(const ModuleSettings& a, const ModuleSettings& b) {
    std::vector<std::string> lines;
    for (const SettingKey& k : SettingKeys()) {
        const std::string va = ShownValue(a, k), vb = ShownValue(b, k);
        if (va != vb) lines.push_back(k.name + ": " + va + " -> " + vb);
    }
    return lines;
}

}  // namespace brenvox
