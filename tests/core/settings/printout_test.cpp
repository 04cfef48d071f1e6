#include "settings/printout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/cp1250.h"

namespace brenvox {
namespace {

std::vector<std::string> Slice(const std::vector<std::string>& v, std::size_t from, std::size_t n) {
    return {v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(from + n)};
}

std::size_t IndexOf(const std::vector<std::string>& v, const std::string& line) {
    return static_cast<std::size_t>(std::find(v.begin(), v.end(), line) - v.begin());
}

TEST(Printout, DefaultsGive104Lines) {
    const auto lines = PrintoutLines(ModuleSettings{}, "Nowy", "06-12-2026");
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(Slice(lines, 0, 12), (std::vector<std::string>{
                                       "Data wydruku: 06-12-2026",
                                       "Nazwa ustawień: Nowy",
                                       "",
                                       "*** SIM ***",
                                       "    PIN: ",
                                       "    Centrum SMS: ",
                                       "",
                                       "*** Wejścia ***",
                                       "    Pin6 - We1 - Blokada",
                                       "        Opis: Wejście 1 - Blokada",
                                       "        Funkcja: Niewykorzystane",
                                       "",
                                   }));
    EXPECT_EQ(lines[8 + 4 * 10], "    Pin10 - We5 - Uniwersalne2");
    EXPECT_EQ(lines[8 + 4 * 15], "    Pin12 - We7 - Uniwersalne4");
    EXPECT_EQ(lines[8 + 4 * 15 + 1], "        Opis: Wejście 7 - Uniwersalne 4");
    EXPECT_EQ(Slice(lines, 72, 32),
              (std::vector<std::string>{
                  "*** Wyjście ***",
                  "    Załączaj wyjście przy aktywacji wejścia alarmowego: NIE",
                  "    Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7: NIE",
                  "    Wyłączaj wyjście dzwonieniem do modułu: TAK",
                  "    Wyłączaj wyjście po czasie: NIE",
                  "    Kod załączający wyjście: \"\"",
                  "    Kod wyłączający wyjście: \"\"",
                  "",
                  "*** SMS ***",
                  "    Wysyłaj maksymalnie 20 SMS w ciągu 1 godziny",
                  "    Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS: 45",
                  "    Ilość prób przesłania wiadomości SMS przy braku potwierdzenia: 5",
                  "",
                  "*** TEST ***",
                  "    Wysylaj co: 24 godzin(y) + 0 x10 minut",
                  "    Okresowe zdarzenie nr 1",
                  "        Funkcja: niewykorzystane",
                  "    Okresowe zdarzenie nr 2",
                  "        Funkcja: niewykorzystane",
                  "",
                  "*** RING ***",
                  "    Czas wywoływania (dzwonienia): 30sek.",
                  "    Ilość dzwonień: 1",
                  "    Odstęp między kolejnymi dzwonieniami: 60sek.",
                  "    Odrzuć połączenie po 5sek.: TAK",
                  "    Odbierz połączenie: NIE",
                  "",
                  "*** MODUŁ ***",
                  "    Kod dostępu do ustawień: 8361",
                  "",
                  "",
                  "Koniec wydruku.",
              }));
}

TEST(Printout, SlotVariants) {
    ModuleSettings s;
    s.slots[4].Function = SendSms;
    s.slots[4].Reaction = OnClosing;
    s.slots[4].setPhone("+48601");
    s.slots[4].setSmsText(Utf8ToCp1250("Włamanie").bytes);
    s.slots[5].Function = Ring;
    s.slots[5].setPhone("600");
    s.slots[6].Function = Ring;
    s.slots[6].setPhone("600");
    s.slots[6].Reaction = 7;  // neither reaction: no reaction line
    s.slots[7].Function = 5;  // no function line at all
    s.slots[7].setComment("");
    const auto lines = PrintoutLines(s, "x", "01-01-2027");
    EXPECT_EQ(lines.size(), 104u + 3 + 2 + 1 - 1);
    const std::size_t at = IndexOf(lines, "    Pin8 - We3 - Alarm");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(Slice(lines, at, 19), (std::vector<std::string>{
                                        "    Pin8 - We3 - Alarm",
                                        "        Opis: Wejście 3 - Alarm",
                                        "        Funkcja: Wysłanie SMS",
                                        "        Telefon: +48601",
                                        "        Treść: \"Włamanie\"",
                                        "        Reaguje na: zwarcie",
                                        "",
                                        "    Pin8 - We3 - Alarm",
                                        "        Opis: Wejście 3 - Alarm",
                                        "        Funkcja: Wysłanie RING",
                                        "        Telefon: 600",
                                        "        Reaguje na: rozwarcie",
                                        "",
                                        "    Pin8 - We3 - Alarm",
                                        "        Opis: Wejście 3 - Alarm",
                                        "        Funkcja: Wysłanie RING",
                                        "        Telefon: 600",
                                        "",
                                        "    Pin8 - We3 - Alarm",
                                    }));
    EXPECT_EQ(lines[at + 19], "        Opis: ");
    EXPECT_EQ(lines[at + 20], "");
}

TEST(Printout, ScalarVariants) {
    ModuleSettings s;
    s.OFFTIME = true;
    s.ONALARM = true;
    s.RINGCUT = false;
    s.OUTCODE = "A1";
    s.set(IntSetting::RINGHUNGUP, 12);
    s.set(IntSetting::TEST1TYPE, SendSms);
    s.TEST1PHONE = "123";
    s.TEST1SMS = "Test \"ok\"";
    s.set(IntSetting::TEST2TYPE, 9);  // no selection: no function line
    const auto lines = PrintoutLines(s, Utf8ToCp1250("ignored").bytes, "31-12-2026");
    auto has = [&](const std::string& l) { return IndexOf(lines, l) < lines.size(); };
    EXPECT_TRUE(has("    Załączaj wyjście przy aktywacji wejścia alarmowego: TAK"));
    EXPECT_TRUE(has("    Wyłączaj wyjście po czasie 60: TAK"));
    EXPECT_TRUE(has("    Kod załączający wyjście: \"A1\""));
    EXPECT_TRUE(has("    Odrzuć połączenie po 12: NIE"));
    EXPECT_TRUE(has("    Odbierz połączenie: TAK"));
    const std::size_t t1 = IndexOf(lines, "    Okresowe zdarzenie nr 1");
    ASSERT_LT(t1 + 5, lines.size());
    EXPECT_EQ(Slice(lines, t1, 6), (std::vector<std::string>{
                                       "    Okresowe zdarzenie nr 1",
                                       "        Funkcja: Wyślij wiadomość - SMS",
                                       "        Numer telefonu: 123",
                                       "        Treść: \"Test \"ok\"\"",
                                       "    Okresowe zdarzenie nr 2",
                                       "",
                                   }));
    s.set(IntSetting::TEST2TYPE, Ring);
    s.TEST2PHONE = "77";
    const auto ring = PrintoutLines(s, "n", "31-12-2026");
    const std::size_t t2 = IndexOf(ring, "    Okresowe zdarzenie nr 2");
    EXPECT_EQ(Slice(ring, t2, 3),
              (std::vector<std::string>{"    Okresowe zdarzenie nr 2", "        Funkcja: Zadzwoń - RING",
                                        "        Numer telefonu: 77"}));
}

TEST(Printout, TextsAreConvertedFromTheCodePage) {
    ModuleSettings s;
    s.PIN = "\xB9\x9C";  // ą ś
    EXPECT_EQ(PrintoutLines(s, "Zażółć", "06-12-2026")[4], "    PIN: ąś");
    EXPECT_EQ(PrintoutLines(s, "Zażółć", "06-12-2026")[1], "Nazwa ustawień: Zażółć");
}

TEST(Printout, DateFormat) {
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 11;
    tm.tm_mday = 6;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    EXPECT_EQ(PrintDate(std::mktime(&tm)), "06-12-2026");
    EXPECT_EQ(PrintDate().size(), 10u);
}

TEST(Pagination, BreakComesBeforeTheLineThatReachesThePageLimit) {
    // Line height 10, page height 45: PageLimit 35, so tops 0, 10, 20, 30 fit and 40 does not.
    PrintPaginator p(10, 45);
    EXPECT_EQ(p.PageLimit(), 35);
    std::vector<PrintPlacement> got;
    for (const char* t : {"a", "b", "", "d", "e", "f"}) got.push_back(p.PrintLine(t));
    EXPECT_FALSE(got[0].newPageBefore);
    EXPECT_EQ(got[0].y, 0);
    EXPECT_TRUE(got[0].draw);
    EXPECT_FALSE(got[2].draw);
    EXPECT_EQ(got[3].y, 30);
    EXPECT_FALSE(got[3].newPageBefore);
    EXPECT_TRUE(got[4].newPageBefore);
    EXPECT_EQ(got[4].y, 0);
    EXPECT_FALSE(got[5].newPageBefore);
    EXPECT_EQ(got[5].y, 10);
    EXPECT_EQ(p.PrintY(), 20);
}

TEST(Pagination, AnEmptyLineAtTheLimitAlsoBreaksSoAPageMayStartEmpty) {
    const std::vector<std::string> lines{"1", "2", "3", "", "5"};
    const auto pages = PaginatePrintout(lines, 10, 40);  // PageLimit 30: three lines a page
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 3u);
    EXPECT_EQ(pages[0][2].y, 20);
    ASSERT_EQ(pages[1].size(), 1u);
    EXPECT_EQ(pages[1][0].text, "5");
    EXPECT_EQ(pages[1][0].y, 10);  // below the empty line that opened the page
}

TEST(Pagination, ExactFitAndTinyPages) {
    // PageLimit 30 exactly at a line top: that line goes to the next page.
    PrintPaginator p(10, 40);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(p.PrintLine("x").newPageBefore);
    EXPECT_TRUE(p.PrintLine("x").newPageBefore);

    // A page not even two lines high still starts with its first line and never leaves a page
    // blank.
    const auto pages = PaginatePrintout({"a", "b", "c"}, 10, 5);
    ASSERT_EQ(pages.size(), 3u);
    for (const auto& page : pages) {
        ASSERT_EQ(page.size(), 1u);
        EXPECT_EQ(page[0].y, 0);
    }
}

TEST(Pagination, TheDefaultPrintoutOnAPrinterPage) {
    const auto lines = PrintoutLines(ModuleSettings{}, "Nowy", "06-12-2026");
    // 104 lines of 52 units on a page of 3000: 56 line tops below the limit of 2948 per page.
    const auto pages = PaginatePrintout(lines, 52, 3000);
    ASSERT_EQ(pages.size(), 2u);
    std::size_t drawn = 0;
    for (const auto& page : pages) {
        drawn += page.size();
        for (const auto& l : page) EXPECT_LT(l.y, 2948);
    }
    EXPECT_EQ(drawn, static_cast<std::size_t>(std::count_if(
                         lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); })));
    EXPECT_EQ(pages[1].back().text, "Koniec wydruku.");
    EXPECT_EQ(pages[1].back().y, (103 - 57) * 52);
}

}  // namespace
}  // namespace brenvox
