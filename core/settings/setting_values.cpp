#include "settings/setting_values.h"

#include <cstdio>

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
    {"PIN", "Czterocyfrowy kod PIN karty SIM"},
    {"MODPIN", "PIN wymagany do odczytu ustawień z modułu"},
    {"SMSC", "Numer centrum SMS operatora sieci GSM/DCS"},
    {"OUTCODE", "Kod załączający wyjście"},
    {"OFFCODE", "Kod wyłączający wyjście"},
    {"ONALARM", "Załączaj wyjście przy aktywacji wejścia alarmowego"},
    {"ON47", "Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7"},
    {"OFFRING", "Wyłączaj wyjście dzwonieniem do modułu"},
    {"OFFTIME", "Wyłączaj wyjście po czasie"},
    {"OFFTIMEVAL", "Wyłączaj wyjście po czasie [sek.]"},
    {"SMSMAX", "Wysyłaj maksymalnie wiadomości SMS"},
    {"SMSTIME", "wiadomości SMS w ciągu godzin(y)"},
    {"SMSACK", "Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS [sek.]"},
    {"SMSTRY", "Ilość prób przesłania wiadomości SMS przy braku potwierdzenia"},
    {"RINGTIME", "Czas wywoływania (dzwonienia) [sek.]"},
    {"RINGCNT", "Ilość dzwonień"},
    {"RINGDELAY", "Odstęp między kolejnymi dzwonieniami [sek.]"},
    {"RINGHUNGUP", "Odrzuć połączenie po [sek.]"},
    {"RINGCUT", "Odrzucaj połączenia przychodzące"},
    {"TESTMSB", "Wysyłaj co ... godzin(y)"},
    {"TESTLSB", "godzin(y) + ... [x10 minut]"},
    {"TEST1TYPE", "Okresowe zdarzenie numer 1: Funkcja"},
    {"TEST1PHONE", "Okresowe zdarzenie numer 1: Numer telefonu"},
    {"TEST1SMS", "Okresowe zdarzenie numer 1: Treść wiadomości SMS"},
    {"TEST2TYPE", "Okresowe zdarzenie numer 2: Funkcja"},
    {"TEST2PHONE", "Okresowe zdarzenie numer 2: Numer telefonu"},
    {"TEST2SMS", "Okresowe zdarzenie numer 2: Treść wiadomości SMS"},
};

const char* SlotFieldLabel(char field) {
    switch (field) {
        case 'C':
            return "Komentarz użytkownika";
        case 'F':
            return "Funkcja";
        case 'R':
            return "Reaguje na";
        case 'P':
            return "Numer telefonu";
        case 'S':
            return "Treść SMS";
        default:
            return "Blokowane";
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
        return std::string(SlotInfoOf(k.slot).listText) + ", zdarzenie " + std::to_string(event) + ": " +
               SlotFieldLabel(k.field);
    }
    for (const ScalarLabel& l : kScalarLabels)
        if (k.name == l.key) return l.label;
    return k.name;
}

std::string LabelledValue(const ModuleSettings& s, const SettingKey& k) {
    switch (k.kind) {
        case ValueKind::String:
            return "\"" + EscapedUtf8(GetString(s, k)) + "\"";
        case ValueKind::Boolean:
            return GetBool(s, k) ? "TAK" : "NIE";
        case ValueKind::Integer:
            break;
    }
    const int32_t v = GetInt(s, k);
    if (IsFunction(k) && v >= NoAction && v <= Ring) return SlotFunctionName(v);
    if (k.field == 'R' && v == OnOpening) return "rozwarcie";
    if (k.field == 'R' && v == OnClosing) return "zwarcie";
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
