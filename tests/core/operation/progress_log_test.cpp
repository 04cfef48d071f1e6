// The progress log lines.
#include "operation/progress_log.h"

#include <gtest/gtest.h>

#include "operation/port_texts.h"

namespace brenvox {
namespace {

using progress::AdviceLine;
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

// Nothing is added where nothing needs doing or the outcome says it; once blocks went out, a
// failed programming says the module may hold part of the settings.
TEST(ProgressLines, AdviceOnlyWhereSomethingIsToBeDone) {
    using O = LinkOutcome;
    using M = OperationMode;
    for (M m : {M::Program, M::Compare, M::Read})
        for (O o : {O::Success, O::Aborted, O::RestartError}) EXPECT_EQ(AdviceLine(o, m, false), "");
    EXPECT_EQ(AdviceLine(O::RestartError, M::Program, true), "");
    EXPECT_EQ(AdviceLine(O::CheckError, M::Compare, false), "") << "other settings are the compare's answer";
    EXPECT_EQ(AdviceLine(O::CheckError, M::Read, false), "Sprawdź kabel i zasilanie modułu, potem powtórz.");
    EXPECT_EQ(AdviceLine(O::CheckError, M::Program, true),
              "Moduł może mieć niepełne ustawienia - sprawdź kabel i zasilanie modułu, potem zaprogramuj go "
              "ponownie.");
}

// The line after the port error: the cause in the user's terms and what to do about it.
TEST(ProgressLines, PortFaultLineSaysWhatToDo) {
    PortOpenError e{PortFault::AccessDenied, "/dev/ttyUSB0", "Permission denied", "dialout", "jan"};
    EXPECT_EQ(PortFaultLine(e, {}),
              "Brak uprawnień do portu /dev/ttyUSB0 - dodaj użytkownika do grupy dialout poleceniem: "
              "sudo usermod -a -G dialout jan (działa od następnego zalogowania).");
    e = {PortFault::NoDevice, "/dev/ttyUSB0", "No such file or directory", "", ""};
    EXPECT_EQ(PortFaultLine(e, {{"/dev/ttyACM0"}, {"/dev/ttyS0", NumberedPort{PortType::Com, 1}}}),
              "Port /dev/ttyUSB0 nie istnieje. Dostępne porty: /dev/ttyACM0, /dev/ttyS0.");
    EXPECT_EQ(PortFaultLine(e, {}),
              "Port /dev/ttyUSB0 nie istnieje. Nie wykryto żadnego portu szeregowego - "
              "sprawdź podłączenie kabla.");
    // The progress window leaves "Powtórz" disabled after a port that did not open.
    e = {PortFault::Busy, "COM3", "Access denied", "", ""};
    EXPECT_EQ(PortFaultLine(e, {}), "Port COM3 jest zajęty przez inny program - zamknij go i powtórz.");
    EXPECT_EQ(PortFaultLine(e, {}, PortRetry::CloseWindow),
              "Port COM3 jest zajęty przez inny program - zamknij to okno i tamten program, potem uruchom "
              "operację ponownie.");
    e = {PortFault::Other, "COM3", "Urządzenie nie jest gotowe", "", ""};
    EXPECT_EQ(PortFaultLine(e, {}), "Nie można otworzyć portu COM3: Urządzenie nie jest gotowe.");
}

}  // namespace
}  // namespace brenvox
