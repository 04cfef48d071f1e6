// The progress log lines and the module PIN check.
#include "link/progress_log.h"

#include <gtest/gtest.h>

namespace brenvox {
namespace {

using progress::EventLines;
using progress::OutcomeLine;
using Lines = std::vector<std::string>;

TEST(ProgressLines, ModuleAndTypeLinesFollowTheReportedModule) {
    EXPECT_EQ(EventLines(LinkEvent::Identified, OperationMode::Program, {1, 1, 1}, {}),
              (Lines{"  Moduł:  Kavrex V1.1", "  Typ: Nokia3330, 3410", "Programowanie..."}));
    EXPECT_EQ(EventLines(LinkEvent::Identified, OperationMode::Read, {2, 1, 0}, {}),
              (Lines{"  Moduł:  Kavrex V1.0", "  Typ: Nokia5110"}));
    // Numbers are printed in decimal, whatever their size.
    EXPECT_EQ(EventLines(LinkEvent::Identified, OperationMode::Compare, {1, 2, 10}, {})[0],
              "  Moduł:  Kavrex V2.10");
    // Other types get no module line; Program still announces its phase.
    EXPECT_EQ(EventLines(LinkEvent::Identified, OperationMode::Program, {3, 1, 0}, {}),
              (Lines{"Programowanie..."}));
    EXPECT_TRUE(EventLines(LinkEvent::Identified, OperationMode::Compare, {0, 1, 0}, {}).empty());
}

TEST(ProgressLines, PhaseLinesPerMode) {
    EXPECT_EQ(EventLines(LinkEvent::Checking, OperationMode::Program, {}, {}), Lines{"Weryfikacja..."});
    EXPECT_EQ(EventLines(LinkEvent::Checking, OperationMode::Compare, {}, {}), Lines{"Porównanie..."});
    EXPECT_EQ(EventLines(LinkEvent::Checking, OperationMode::Read, {}, {}), Lines{"Odczyt..."});
    EXPECT_EQ(EventLines(LinkEvent::Restarting, OperationMode::Read, {}, {}), Lines{"Reset modułu..."});
    EXPECT_EQ(EventLines(LinkEvent::Done, OperationMode::Read, {}, LinkOutcome::Aborted),
              (Lines{"", "Odczyt przerwany!"}));
}

TEST(ProgressLines, OutcomeLineForEveryOutcomeAndMode) {
    using O = LinkOutcome;
    using M = OperationMode;
    struct Row {
        O outcome;
        const char* program;
        const char* compare;
        const char* read;
    };
    const Row rows[] = {
        {O::Success, "Programowanie zakończone pozytywnie.", "Porównanie poprawne.",
         "Odczyt zakończony pozytywnie."},
        {O::Aborted, "Programowanie przerwane!", "Porównanie przerwane!", "Odczyt przerwany!"},
        {O::NoResponse, "Brak łączności z modułem!", "Brak łączności z modułem!",
         "Brak łączności z modułem!"},
        {O::WriteError, "Błąd programowania modułu!", "Błąd programowania modułu!",
         "Błąd programowania modułu!"},
        {O::CheckError, "Błąd weryfikacji programowania modułu!", "Moduł zaprogramowany innymi ustawieniami!",
         "Błąd odczytu modułu!"},
        {O::RestartError, "Błąd restartu modułu - powtórz programowanie!",
         "Błąd restartu modułu - powtórz programowanie!", "Błąd restartu modułu - powtórz programowanie!"},
        {O::UnsupportedModule, "Program nie obsługuje tej wersji modułu!",
         "Program nie obsługuje tej wersji modułu!", "Program nie obsługuje tej wersji modułu!"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(OutcomeLine(r.outcome, M::Program), r.program);
        EXPECT_EQ(OutcomeLine(r.outcome, M::Compare), r.compare);
        EXPECT_EQ(OutcomeLine(r.outcome, M::Read), r.read);
    }
}

ModuleImage WithPin(const char* pin) {
    ModuleImage img{};
    img.fill(0x5A);
    for (int i = 0; i < 4; ++i) img[2000 + i] = static_cast<uint8_t>(pin[i]);
    return img;
}

TEST(ModulePin, NoPinIsAcceptedWithoutAsking) {
    const ModuleImage img = WithPin("\0\0\0\0");
    EXPECT_FALSE(ModuleHasPin(img));
    EXPECT_TRUE(ModulePinAccepted(img, false, ""));
    // Only the first byte decides that there is no PIN.
    ModuleImage partial = img;
    partial[2001] = '7';
    EXPECT_FALSE(ModuleHasPin(partial));
}

TEST(ModulePin, StoredPinMustBeEnteredExactly) {
    const ModuleImage img = WithPin("8361");
    EXPECT_TRUE(ModuleHasPin(img));
    EXPECT_TRUE(ModulePinAccepted(img, true, "8361"));
    EXPECT_FALSE(ModulePinAccepted(img, false, "8361")) << "dialog cancelled";
    EXPECT_FALSE(ModulePinAccepted(img, true, "836"));
    EXPECT_FALSE(ModulePinAccepted(img, true, "83611"));
    EXPECT_FALSE(ModulePinAccepted(img, true, "8362"));
    EXPECT_FALSE(ModulePinAccepted(img, true, ""));
    // Compared byte for byte: a PIN of non-digit bytes still has to match as bytes.
    const ModuleImage odd = WithPin(
        "\xB9\x01"
        "a ");
    EXPECT_TRUE(ModulePinAccepted(odd, true,
                                  std::string_view("\xB9\x01"
                                                   "a ",
                                                   4)));
    EXPECT_FALSE(ModulePinAccepted(odd, true,
                                   "\xA5\x01"
                                   "a "));
}

}  // namespace
}  // namespace brenvox
