#include "settings/printout.h"

#include <algorithm>
#include <cstdio>

#include "i18n/translate.h"
#include "settings/cp1250.h"
#include "settings/local_time.h"

namespace brenvox {
namespace {

// The printout spells the universal inputs without the blank the slot list has ("Uniwersalne1").
constexpr const char* kSlotHeadings[kSlotCount] = {
    BRENVOX_TEXT("Pin6 - We1 - Blokada"),       BRENVOX_TEXT("Pin6 - We1 - Blokada"),
    BRENVOX_TEXT("Pin7 - We2 - Akumulator"),    BRENVOX_TEXT("Pin7 - We2 - Akumulator"),
    BRENVOX_TEXT("Pin8 - We3 - Alarm"),         BRENVOX_TEXT("Pin8 - We3 - Alarm"),
    BRENVOX_TEXT("Pin8 - We3 - Alarm"),         BRENVOX_TEXT("Pin8 - We3 - Alarm"),
    BRENVOX_TEXT("Pin9 - We4 - Uniwersalne1"),  BRENVOX_TEXT("Pin9 - We4 - Uniwersalne1"),
    BRENVOX_TEXT("Pin10 - We5 - Uniwersalne2"), BRENVOX_TEXT("Pin10 - We5 - Uniwersalne2"),
    BRENVOX_TEXT("Pin11 - We6 - Uniwersalne3"), BRENVOX_TEXT("Pin11 - We6 - Uniwersalne3"),
    BRENVOX_TEXT("Pin12 - We7 - Uniwersalne4"), BRENVOX_TEXT("Pin12 - We7 - Uniwersalne4"),
};

std::string U8(const std::string& cp1250) {
    return Cp1250ToUtf8(cp1250);
}
std::string Num(int32_t v) {
    return std::to_string(v);
}
// Built by appending: `"\"" + text` makes GCC 12 at -O3 report a false -Wrestrict in libstdc++.
std::string Quoted(const std::string& cp1250) {
    std::string out(1, '"');
    out += U8(cp1250);
    out += '"';
    return out;
}

// The listing's indentation is its layout, not a word: it stays out of the texts to translate.
constexpr int kSection = 4;
constexpr int kField = 8;
std::string Line(int indent, std::string_view text) {
    return std::string(static_cast<size_t>(indent), ' ').append(text);
}
// "Label: TAK" / "Label: NIE".
std::string YesNo(int indent, std::string_view label, bool b) {
    return Line(indent, Tr(label)) + ": " + std::string(Tr(b ? BRENVOX_TEXT("TAK") : BRENVOX_TEXT("NIE")));
}

// A function is printed as its list names it, except where the printout has words of its own (a
// slot's events, and the lower-case unused test event).
void PrintInputSlot(std::vector<std::string>& out, const char* heading, const InputSlot& slot) {
    out.push_back(Line(kSection, Tr(heading)));
    out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Opis: %1"), {U8(slot.Comment)})));
    const bool event = slot.Function == SendSms || slot.Function == Ring;
    if (slot.Function == NoAction) {
        out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Funkcja: %1"), {SlotFunctionName(NoAction)})));
    } else if (slot.Function == SendSms) {
        out.push_back(Line(kField, Tr(BRENVOX_TEXT("Funkcja: Wysłanie SMS"))));
        out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Telefon: %1"), {U8(slot.Phone)})));
        out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Treść: %1"), {Quoted(slot.SmsText)})));
    } else if (slot.Function == Ring) {
        out.push_back(Line(kField, Tr(BRENVOX_TEXT("Funkcja: Wysłanie RING"))));
        out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Telefon: %1"), {U8(slot.Phone)})));
    }
    if (event) {
        if (slot.Reaction == OnOpening)
            out.push_back(Line(kField, Tr(BRENVOX_TEXT("Reaguje na: rozwarcie"))));
        else if (slot.Reaction == OnClosing)
            out.push_back(Line(kField, Tr(BRENVOX_TEXT("Reaguje na: zwarcie"))));
    }
    out.emplace_back();
}

void PrintTestEvent(std::vector<std::string>& out, int32_t function, const std::string& phone,
                    const std::string& text) {
    switch (function) {
        case NoAction:
            out.push_back(Line(kField, Tr(BRENVOX_TEXT("Funkcja: niewykorzystane"))));
            break;
        case SendSms:
            out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Funkcja: %1"), {SlotFunctionName(SendSms)})));
            out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Numer telefonu: %1"), {U8(phone)})));
            out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Treść: %1"), {Quoted(text)})));
            break;
        case Ring:
            out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Funkcja: %1"), {SlotFunctionName(Ring)})));
            out.push_back(Line(kField, TrFormat(BRENVOX_TEXT("Numer telefonu: %1"), {U8(phone)})));
            break;
        default:  // no selection
            break;
    }
}

}  // namespace

std::vector<std::string> PrintoutLines(const ModuleSettings& s, std::string_view settingsNameUtf8,
                                       std::string_view dateDDMMYYYY) {
    std::vector<std::string> out;
    out.reserve(128);
    out.push_back(TrFormat(BRENVOX_TEXT("Data wydruku: %1"), {dateDDMMYYYY}));
    out.push_back(TrFormat(BRENVOX_TEXT("Nazwa ustawień: %1"), {settingsNameUtf8}));
    out.emplace_back();
    out.emplace_back(Tr(BRENVOX_TEXT("*** SIM ***")));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("PIN: %1"), {U8(s.PIN)})));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Centrum SMS: %1"), {U8(s.SMSC)})));
    out.emplace_back();
    out.emplace_back(Tr(BRENVOX_TEXT("*** Wejścia ***")));
    for (int i = 0; i < kSlotCount; ++i) PrintInputSlot(out, kSlotHeadings[i], s.slots[i]);

    out.emplace_back(Tr(BRENVOX_TEXT("*** Wyjście ***")));
    out.push_back(
        YesNo(kSection, BRENVOX_TEXT("Załączaj wyjście przy aktywacji wejścia alarmowego"), s.ONALARM));
    out.push_back(
        YesNo(kSection, BRENVOX_TEXT("Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7"), s.ON47));
    out.push_back(YesNo(kSection, BRENVOX_TEXT("Wyłączaj wyjście dzwonieniem do modułu"), s.OFFRING));
    if (s.OFFTIME)
        out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Wyłączaj wyjście po czasie %1: TAK"),
                                              {Num(s.get(IntSetting::OFFTIMEVAL))})));
    else
        out.push_back(Line(kSection, Tr(BRENVOX_TEXT("Wyłączaj wyjście po czasie: NIE"))));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Kod załączający wyjście: %1"), {Quoted(s.OUTCODE)})));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Kod wyłączający wyjście: %1"), {Quoted(s.OFFCODE)})));
    out.emplace_back();

    out.emplace_back(Tr(BRENVOX_TEXT("*** SMS ***")));
    out.push_back(
        Line(kSection, TrFormat(BRENVOX_TEXT("Wysyłaj maksymalnie %1 SMS w ciągu %2 godziny"),
                                {Num(s.get(IntSetting::SMSMAX)), Num(s.get(IntSetting::SMSTIME))})));
    out.push_back(
        Line(kSection,
             TrFormat(BRENVOX_TEXT("Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS: %1"),
                      {Num(s.get(IntSetting::SMSACK))})));
    out.push_back(Line(
        kSection, TrFormat(BRENVOX_TEXT("Ilość prób przesłania wiadomości SMS przy braku potwierdzenia: %1"),
                           {Num(s.get(IntSetting::SMSTRY))})));
    out.emplace_back();

    out.emplace_back(Tr(BRENVOX_TEXT("*** TEST ***")));
    out.push_back(
        Line(kSection, TrFormat(BRENVOX_TEXT("Wysylaj co: %1 godzin(y) + %2 x10 minut"),
                                {Num(s.get(IntSetting::TESTMSB)), Num(s.get(IntSetting::TESTLSB))})));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Okresowe zdarzenie nr %1"), {"1"})));
    PrintTestEvent(out, s.get(IntSetting::TEST1TYPE), s.TEST1PHONE, s.TEST1SMS);
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Okresowe zdarzenie nr %1"), {"2"})));
    PrintTestEvent(out, s.get(IntSetting::TEST2TYPE), s.TEST2PHONE, s.TEST2SMS);
    out.emplace_back();

    out.emplace_back(Tr(BRENVOX_TEXT("*** RING ***")));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Czas wywoływania (dzwonienia): %1sek."),
                                          {Num(s.get(IntSetting::RINGTIME))})));
    out.push_back(
        Line(kSection, TrFormat(BRENVOX_TEXT("Ilość dzwonień: %1"), {Num(s.get(IntSetting::RINGCNT))})));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Odstęp między kolejnymi dzwonieniami: %1sek."),
                                          {Num(s.get(IntSetting::RINGDELAY))})));
    const std::string hungUp = Num(s.get(IntSetting::RINGHUNGUP));
    if (s.RINGCUT)
        out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Odrzuć połączenie po %1sek.: TAK"), {hungUp})));
    else
        out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Odrzuć połączenie po %1: NIE"), {hungUp})));
    // The answer option is the other half of the same radio group.
    out.push_back(YesNo(kSection, BRENVOX_TEXT("Odbierz połączenie"), !s.RINGCUT));
    out.emplace_back();

    out.emplace_back(Tr(BRENVOX_TEXT("*** MODUŁ ***")));
    out.push_back(Line(kSection, TrFormat(BRENVOX_TEXT("Kod dostępu do ustawień: %1"), {U8(s.MODPIN)})));
    out.emplace_back();
    out.emplace_back();
    out.emplace_back(Tr(BRENVOX_TEXT("Koniec wydruku.")));
    return out;
}

std::string PrintDate(std::time_t when) {
    const std::tm tm = LocalTime(when);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
    return buf;
}

std::string PrintDate() {
    return PrintDate(std::time(nullptr));
}

PrintPaginator::PrintPaginator(int lineHeight, int pageHeight)
    : lineHeight_(std::max(lineHeight, 1)), pageLimit_(pageHeight - std::max(lineHeight, 1)) {}

PrintPlacement PrintPaginator::PrintLine(std::string_view text) {
    PrintPlacement p;
    // A page that has nothing on it yet is never left: with a page smaller than two lines every
    // line would otherwise be preceded by a blank page.
    if (printY_ >= pageLimit_ && printY_ > 0) {
        printY_ = 0;
        p.newPageBefore = true;
    }
    p.y = printY_;
    p.draw = !text.empty();
    printY_ += lineHeight_;
    return p;
}

std::vector<std::vector<PrintedLine>> PaginatePrintout(const std::vector<std::string>& lines, int lineHeight,
                                                       int pageHeight) {
    std::vector<std::vector<PrintedLine>> pages(1);
    PrintPaginator pager(lineHeight, pageHeight);
    for (const std::string& text : lines) {
        const PrintPlacement p = pager.PrintLine(text);
        if (p.newPageBefore) pages.emplace_back();
        if (p.draw) pages.back().push_back({p.y, text});
    }
    return pages;
}

}  // namespace brenvox
