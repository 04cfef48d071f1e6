#include "settings/printout.h"

#include <algorithm>
#include <cstdio>

#include "settings/cp1250.h"
#include "settings/local_time.h"

namespace brenvox {
namespace {

// The printout spells the universal inputs without the blank the slot list has ("Uniwersalne1").
constexpr const char* kSlotHeadings[kSlotCount] = {
    "    Pin6 - We1 - Blokada",       "    Pin6 - We1 - Blokada",       "    Pin7 - We2 - Akumulator",
    "    Pin7 - We2 - Akumulator",    "    Pin8 - We3 - Alarm",         "    Pin8 - We3 - Alarm",
    "    Pin8 - We3 - Alarm",         "    Pin8 - We3 - Alarm",         "    Pin9 - We4 - Uniwersalne1",
    "    Pin9 - We4 - Uniwersalne1",  "    Pin10 - We5 - Uniwersalne2", "    Pin10 - We5 - Uniwersalne2",
    "    Pin11 - We6 - Uniwersalne3", "    Pin11 - We6 - Uniwersalne3", "    Pin12 - We7 - Uniwersalne4",
    "    Pin12 - We7 - Uniwersalne4",
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
const char* TakNie(bool b) {
    return b ? ": TAK" : ": NIE";
}

// A function is printed as its list names it, except where the printout has words of its own (a
// slot's events, and the lower-case unused test event).
void PrintInputSlot(std::vector<std::string>& out, const char* heading, const InputSlot& slot) {
    out.emplace_back(heading);
    out.push_back("        Opis: " + U8(slot.Comment));
    const bool event = slot.Function == SendSms || slot.Function == Ring;
    if (slot.Function == NoAction) {
        out.push_back(std::string("        Funkcja: ") + SlotFunctionName(NoAction));
    } else if (slot.Function == SendSms) {
        out.emplace_back("        Funkcja: Wysłanie SMS");
        out.push_back("        Telefon: " + U8(slot.Phone));
        out.push_back("        Treść: " + Quoted(slot.SmsText));
    } else if (slot.Function == Ring) {
        out.emplace_back("        Funkcja: Wysłanie RING");
        out.push_back("        Telefon: " + U8(slot.Phone));
    }
    if (event) {
        if (slot.Reaction == OnOpening)
            out.emplace_back("        Reaguje na: rozwarcie");
        else if (slot.Reaction == OnClosing)
            out.emplace_back("        Reaguje na: zwarcie");
    }
    out.emplace_back();
}

void PrintTestEvent(std::vector<std::string>& out, int32_t function, const std::string& phone,
                    const std::string& text) {
    switch (function) {
        case NoAction:
            out.emplace_back("        Funkcja: niewykorzystane");
            break;
        case SendSms:
            out.push_back(std::string("        Funkcja: ") + SlotFunctionName(SendSms));
            out.push_back("        Numer telefonu: " + U8(phone));
            out.push_back("        Treść: " + Quoted(text));
            break;
        case Ring:
            out.push_back(std::string("        Funkcja: ") + SlotFunctionName(Ring));
            out.push_back("        Numer telefonu: " + U8(phone));
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
    out.push_back("Data wydruku: " + std::string(dateDDMMYYYY));
    out.push_back("Nazwa ustawień: " + std::string(settingsNameUtf8));
    out.emplace_back();
    out.emplace_back("*** SIM ***");
    out.push_back("    PIN: " + U8(s.PIN));
    out.push_back("    Centrum SMS: " + U8(s.SMSC));
    out.emplace_back();
    out.emplace_back("*** Wejścia ***");
    for (int i = 0; i < kSlotCount; ++i) PrintInputSlot(out, kSlotHeadings[i], s.slots[i]);

    out.emplace_back("*** Wyjście ***");
    out.push_back(std::string("    Załączaj wyjście przy aktywacji wejścia alarmowego") + TakNie(s.ONALARM));
    out.push_back(std::string("    Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7") +
                  TakNie(s.ON47));
    out.push_back(std::string("    Wyłączaj wyjście dzwonieniem do modułu") + TakNie(s.OFFRING));
    if (s.OFFTIME)
        out.push_back("    Wyłączaj wyjście po czasie " + Num(s.get(IntSetting::OFFTIMEVAL)) + ": TAK");
    else
        out.emplace_back("    Wyłączaj wyjście po czasie: NIE");
    out.push_back("    Kod załączający wyjście: " + Quoted(s.OUTCODE));
    out.push_back("    Kod wyłączający wyjście: " + Quoted(s.OFFCODE));
    out.emplace_back();

    out.emplace_back("*** SMS ***");
    out.push_back("    Wysyłaj maksymalnie " + Num(s.get(IntSetting::SMSMAX)) + " SMS w ciągu " +
                  Num(s.get(IntSetting::SMSTIME)) + " godziny");
    out.push_back("    Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS: " +
                  Num(s.get(IntSetting::SMSACK)));
    out.push_back("    Ilość prób przesłania wiadomości SMS przy braku potwierdzenia: " +
                  Num(s.get(IntSetting::SMSTRY)));
    out.emplace_back();

    out.emplace_back("*** TEST ***");
    out.push_back("    Wysylaj co: " + Num(s.get(IntSetting::TESTMSB)) + " godzin(y) + " +
                  Num(s.get(IntSetting::TESTLSB)) + " x10 minut");
    out.emplace_back("    Okresowe zdarzenie nr 1");
    PrintTestEvent(out, s.get(IntSetting::TEST1TYPE), s.TEST1PHONE, s.TEST1SMS);
    out.emplace_back("    Okresowe zdarzenie nr 2");
    PrintTestEvent(out, s.get(IntSetting::TEST2TYPE), s.TEST2PHONE, s.TEST2SMS);
    out.emplace_back();

    out.emplace_back("*** RING ***");
    out.push_back("    Czas wywoływania (dzwonienia): " + Num(s.get(IntSetting::RINGTIME)) + "sek.");
    out.push_back("    Ilość dzwonień: " + Num(s.get(IntSetting::RINGCNT)));
    out.push_back("    Odstęp między kolejnymi dzwonieniami: " + Num(s.get(IntSetting::RINGDELAY)) + "sek.");
    const std::string hungUp = Num(s.get(IntSetting::RINGHUNGUP));
    if (s.RINGCUT)
        out.push_back("    Odrzuć połączenie po " + hungUp + "sek.: TAK");
    else
        out.push_back("    Odrzuć połączenie po " + hungUp + ": NIE");
    // The answer option is the other half of the same radio group.
    out.push_back(std::string("    Odbierz połączenie") + TakNie(!s.RINGCUT));
    out.emplace_back();

    out.emplace_back("*** MODUŁ ***");
    out.push_back("    Kod dostępu do ustawień: " + U8(s.MODPIN));
    out.emplace_back();
    out.emplace_back();
    out.emplace_back("Koniec wydruku.");
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
