#include "settings/settings_pages.h"

#include <array>

#include "i18n/translate.h"
#include "settings/module_settings.h"

namespace brenvox::pages {
namespace {

Item Label(const char* text) {
    return {ItemKind::Text, text};
}
Item Note(const char* text) {
    return {ItemKind::Note, text};
}
Item Edit(const char* key, std::size_t maxLength) {
    Item i{ItemKind::Edit, nullptr, key};
    i.maxLength = maxLength;
    return i;
}
Item Spin(const char* key) {
    return {ItemKind::Spin, nullptr, key};
}
Item Functions(const char* key) {
    return {ItemKind::Functions, nullptr, key};
}
Item Check(const char* key, const char* text) {
    return {ItemKind::Check, text, key};
}
Item Choice(const char* key, int value, const char* text) {
    Item i{ItemKind::Choice, text, key};
    i.value = value;
    return i;
}
Item Button(Command command, const char* text, const char* argument = nullptr) {
    Item i{ItemKind::Command, text};
    i.command = command;
    i.argument = argument;
    return i;
}
Item Preset(const SmsCentrePreset& preset) {
    return Button(Command::Preset, preset.name, preset.number);
}
Item SlotField(Item item) {
    item.slotField = true;
    return item;
}

std::vector<Page> BuildPages() {
    std::vector<Page> p;
    p.push_back(
        {BRENVOX_TEXT("1.Pliki"),
         {{BRENVOX_TEXT(" Ustawienia "),
           {{Button(Command::New, BRENVOX_TEXT("Nowy")), Label(BRENVOX_TEXT("Reset ustawień.")),
             Button(Command::Archive, BRENVOX_TEXT("Archiwum")),
             Label(BRENVOX_TEXT("Transmisje z modułami."))},
            {Button(Command::Print, BRENVOX_TEXT("Drukuj")), Label(BRENVOX_TEXT("Wydruk ustawień.")),
             Button(Command::SavePdf, BRENVOX_TEXT("Zapisz jako PDF")),
             Label(BRENVOX_TEXT("Wydruk do pliku PDF."))}}},
          {BRENVOX_TEXT(" Operacje dyskowe "),
           {{Button(Command::Open, BRENVOX_TEXT("Odczytaj")),
             Label(BRENVOX_TEXT("Wprowadza do programu ustawienia zapisane wcześniej na dysku."))},
            {Button(Command::Save, BRENVOX_TEXT("Zapisz")),
             Label(BRENVOX_TEXT("Zapisuje bieżące ustawienia na dysk do ich późniejszego odtworzenia."))},
            {Button(Command::SaveAs, BRENVOX_TEXT("Zapisz jako")),
             Label(BRENVOX_TEXT("Zapisuje bieżące ustawienia na dysk pod wskazaną nazwą."))}}}}});
    p.push_back(
        {BRENVOX_TEXT("2.SIM"),
         {{BRENVOX_TEXT(" Ustawienia karty SIM znajdującej się w telefonie współpracującym z modułem "),
           {{Label(BRENVOX_TEXT("Czterocyfrowy kod PIN karty SIM")), Edit("PIN", kPinTypeMax)},
            {Label(BRENVOX_TEXT("Numer centrum SMS operatora sieci GSM/DCS")), Edit("SMSC", kSmscTypeMax)},
            {Label(BRENVOX_TEXT("Automatyczne wstawienie numeru centrum SMS dla operatora:"))},
            // The operators' names are names: they stay as they are in every language.
            {Preset(kSmsCentrePresets[0]), Preset(kSmsCentrePresets[1]), Preset(kSmsCentrePresets[2])}}}}});
    p.push_back(
        {BRENVOX_TEXT("3.Wejścia"),
         {{nullptr, {{{ItemKind::SlotList}}}},
          {BRENVOX_TEXT(" Konfiguracja wejścia modułu "),
           {{Label(BRENVOX_TEXT("Komentarz użytkownika")), SlotField(Edit("C", kCommentMax)),
             SlotField(Check("L", BRENVOX_TEXT("Blokowane")))},
            {Label(BRENVOX_TEXT("Funkcja")), SlotField(Functions("F")), Label(BRENVOX_TEXT("Numer telefonu")),
             SlotField(Edit("P", kPhoneMax))},
            {Label(BRENVOX_TEXT("Treść SMS")), SlotField(Edit("S", kSlotSmsTypeMax))},
            {SlotField(Choice("R", OnOpening, nullptr)), SlotField(Choice("R", OnClosing, nullptr))}}},
          {BRENVOX_TEXT(" Opis wejścia modułu "), {{{ItemKind::InputDescription}}}}}});
    p.push_back(
        {BRENVOX_TEXT("4.Wyjście"),
         {{BRENVOX_TEXT(" Parametry pracy wyjścia "),
           {{Check("ONALARM", BRENVOX_TEXT("Załączaj wyjście przy aktywacji wejścia alarmowego"))},
            {Check("ON47", BRENVOX_TEXT("Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7."))},
            {Label(BRENVOX_TEXT("Kod załączający wyjście")), Edit("OUTCODE", kCodeTypeMax)},
            {Check("OFFRING", BRENVOX_TEXT("Wyłączaj wyjście dzwonieniem do modułu"))},
            {Check("OFFTIME", BRENVOX_TEXT("Wyłączaj wyjście po czasie")), Spin("OFFTIMEVAL"),
             Label(BRENVOX_TEXT("[sek.]"))},
            {Label(BRENVOX_TEXT("Kod wyłączający wyjście")), Edit("OFFCODE", kCodeTypeMax)},
            {Note(BRENVOX_TEXT("(Dla modułu w wersji V1.0 można wybrać tylko jedną funkcję - załączenie lub "
                               "wyłączenie)"))}}}}});
    p.push_back(
        {BRENVOX_TEXT("5.SMS"),
         {{BRENVOX_TEXT(" Zabezpieczenie przed nadmierną ilością wysyłanych wiadomości SMS "),
           {{Label(BRENVOX_TEXT("Wysyłaj maksymalnie")), Spin("SMSMAX"),
             Label(BRENVOX_TEXT("wiadomości SMS w ciągu")), Spin("SMSTIME"),
             Label(BRENVOX_TEXT("godzin(y)."))}}},
          {BRENVOX_TEXT(" Zaawansowane ustawienia wysyłania wiadomości SMS "),
           {{Label(BRENVOX_TEXT("Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS")),
             Spin("SMSACK"), Label(BRENVOX_TEXT("[sek.]"))},
            {Label(BRENVOX_TEXT("Ilość prób przesłania wiadomości SMS przy braku potwierdzenia")),
             Spin("SMSTRY"), Label(BRENVOX_TEXT("[szt.]"))}}}}});
    auto testEvent = [](const char* title, const char* type, const char* phone, const char* sms) {
        return Group{title,
                     {{Label(BRENVOX_TEXT("Funkcja")), Functions(type), Label(BRENVOX_TEXT("Numer telefonu")),
                       Edit(phone, kPhoneMax)},
                      {Label(BRENVOX_TEXT("Treść wiadomości SMS")), Edit(sms, kTestSmsTypeMax)}}};
    };
    p.push_back(
        {BRENVOX_TEXT("6.TEST"),
         {{BRENVOX_TEXT(" Samoczynne, okresowe wysyłanie informacji "),
           {{Label(BRENVOX_TEXT("Wysyłaj co")), Spin("TESTMSB"), Label(BRENVOX_TEXT("godzin(y) +")),
             Spin("TESTLSB"), Label(BRENVOX_TEXT("[x10 minut]"))}}},
          testEvent(BRENVOX_TEXT(" Okresowe zdarzenie numer 1 "), "TEST1TYPE", "TEST1PHONE", "TEST1SMS"),
          testEvent(BRENVOX_TEXT(" Okresowe zdarzenie numer 2 "), "TEST2TYPE", "TEST2PHONE", "TEST2SMS")}});
    p.push_back({BRENVOX_TEXT("7.RING "),
                 {{BRENVOX_TEXT(" Połączenia wychodzące "),
                   {{Label(BRENVOX_TEXT("Czas wywoływania (dzwonienia)")), Spin("RINGTIME"),
                     Label(BRENVOX_TEXT("[sek.]"))},
                    {Label(BRENVOX_TEXT("Ilość dzwonień")), Spin("RINGCNT"), Label(BRENVOX_TEXT("[szt.]"))},
                    {Label(BRENVOX_TEXT("Odstęp między kolejnymi dzwonieniami")), Spin("RINGDELAY"),
                     Label(BRENVOX_TEXT("[sek.]"))}}},
                  {BRENVOX_TEXT(" Połączenia przychodzące "),
                   {{Choice("RINGCUT", 1, BRENVOX_TEXT("Odrzuć połączenie po")), Spin("RINGHUNGUP"),
                     Label(BRENVOX_TEXT("[sek.]"))},
                    {Choice("RINGCUT", 0, BRENVOX_TEXT("Odbierz połączenie"))},
                    {Note(BRENVOX_TEXT("(Dostępne od wersji V1.1 modułu)"))}}}}});
    p.push_back({BRENVOX_TEXT("8.Moduł"),
                 {{BRENVOX_TEXT(" Programowanie modułu "),
                   {{Button(Command::Program, BRENVOX_TEXT("Programuj"))},
                    {Label(BRENVOX_TEXT("PIN wymagany do odczytu"))},
                    {Label(BRENVOX_TEXT("ustawień z modułu")), Edit("MODPIN", kPinTypeMax)}}},
                  {BRENVOX_TEXT(" Komunikacja "), {{{ItemKind::PortChoice}}}},
                  {BRENVOX_TEXT(" Operacje "),
                   {{Button(Command::Compare, BRENVOX_TEXT("Porównanie pamięci modułu z ustawieniami"))},
                    {Button(Command::Read, BRENVOX_TEXT("Odczyt ustawień z modułu do programu"))}}}}});
    return p;
}

constexpr const char* kUniversal2 = BRENVOX_TEXT("Rozwarte - Czujnik NO wyłączony / Czujnik NC załączony.");
constexpr const char* kUniversal3 =
    BRENVOX_TEXT("Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony.");
constexpr const char* kUniversalOpen = BRENVOX_TEXT("Rozwarcie - Rozwarte");
constexpr const char* kUniversalClose = BRENVOX_TEXT("Zwarcie - Zwarte do masy");
// The first lines hold two blanks before the parenthesis, as the program has always shown them.
constexpr std::array<InputTexts, kModuleInputs> kInputTexts = {{
    {BRENVOX_TEXT("Wejście 1 - Blokada pracy modułu  (zwierne do masy 0V)."),
     BRENVOX_TEXT("Rozwarte - Moduł reaguje na zmiany sygnałów na pozostałych wejściach."),
     BRENVOX_TEXT("Zwarte do masy - Moduł ignoruje zmiany sygnałów na pozostałych wejściach."),
     BRENVOX_TEXT("Rozwarcie - Praca dozwolona"), BRENVOX_TEXT("Zwarcie - Zablokowanie modułu")},
    {BRENVOX_TEXT("Wejście 2 - Kontrola napięcia akumulatora  (zwierne do +12V)."),
     BRENVOX_TEXT("Napięcie poniżej 10,4V (rozwarte) - niskie napięcie akumulatora."),
     BRENVOX_TEXT("Napięcie powyżej 10,4V (zwarte do +12V) - napięcie akumulatora właściwe."),
     BRENVOX_TEXT("Rozwarcie - Awaria akumulatora"), BRENVOX_TEXT("Zwarcie - Napięcie właściwe")},
    {BRENVOX_TEXT("Wejście 3 - Alarm aktywny  (zwierne do +12V)."),
     BRENVOX_TEXT("Napięcie poniżej 7V (rozwarte) - stan normalny systemu."),
     BRENVOX_TEXT("Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne."),
     BRENVOX_TEXT("Rozwarcie - Koniec alarmu"), BRENVOX_TEXT("Zwarcie - Alarm uaktywniony")},
    {BRENVOX_TEXT("Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V)."), kUniversal2, kUniversal3,
     kUniversalOpen, kUniversalClose},
    {BRENVOX_TEXT("Wejście 5 - Uniwersalne nr 2  (zwierne do masy 0V)."), kUniversal2, kUniversal3,
     kUniversalOpen, kUniversalClose},
    {BRENVOX_TEXT("Wejście 6 - Uniwersalne nr 3  (zwierne do masy 0V)."), kUniversal2, kUniversal3,
     kUniversalOpen, kUniversalClose},
    {BRENVOX_TEXT("Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V)."), kUniversal2, kUniversal3,
     kUniversalOpen, kUniversalClose},
}};

}  // namespace

const std::vector<Page>& SettingsPages() {
    static const std::vector<Page> pages = BuildPages();
    return pages;
}

const InputTexts& InputTextsOf(int input) {
    return kInputTexts.at(static_cast<std::size_t>(input - 1));
}

}  // namespace brenvox::pages
