#include "operation/progress_log.h"

#include "link/module_identity.h"

namespace brenvox::progress {

std::vector<std::string> ModuleLines(const ModuleInfo& info) {
    const std::string_view type = ModuleTypeName(info.moduleType);
    if (type.empty()) return {};
    return {TrFormat(BRENVOX_TEXT("  Moduł:  Kavrex V%1.%2"),
                     {std::to_string(info.versionMajor), std::to_string(info.versionMinor)}),
            TrFormat(BRENVOX_TEXT("  Typ: %1"), {type})};
}

std::vector<std::string> EventLines(LinkEvent event, OperationMode mode, const ModuleInfo& info,
                                    LinkOutcome outcome) {
    switch (event) {
        case LinkEvent::Identified: {
            auto lines = ModuleLines(info);
            if (mode == OperationMode::Program) lines.emplace_back(Tr(kProgramming));
            return lines;
        }
        case LinkEvent::Checking:
            switch (mode) {
                case OperationMode::Program:
                    return {std::string(Tr(kVerifying))};
                case OperationMode::Compare:
                    return {std::string(Tr(kComparing))};
                case OperationMode::Read:
                    return {std::string(Tr(kReading))};
            }
            return {};
        case LinkEvent::Restarting:
            return {std::string(Tr(kRestarting))};
        case LinkEvent::Done:
            return {std::string(), std::string(OutcomeLine(outcome, mode))};
    }
    return {};
}

int BarPosition(OperationMode mode, int writePos, int checkPos) {
    const int pos = mode == OperationMode::Program ? writePos + checkPos : 2 * checkPos;
    return pos < kProgressMax ? pos : kProgressMax;
}

std::string_view OutcomeLine(LinkOutcome outcome, OperationMode mode) {
    switch (outcome) {
        case LinkOutcome::Success:
            if (mode == OperationMode::Compare) return Tr(BRENVOX_TEXT("Porównanie poprawne."));
            if (mode == OperationMode::Read) return Tr(BRENVOX_TEXT("Odczyt zakończony pozytywnie."));
            return Tr(BRENVOX_TEXT("Programowanie zakończone pozytywnie."));
        case LinkOutcome::Aborted:
            if (mode == OperationMode::Compare) return Tr(BRENVOX_TEXT("Porównanie przerwane!"));
            if (mode == OperationMode::Read) return Tr(BRENVOX_TEXT("Odczyt przerwany!"));
            return Tr(BRENVOX_TEXT("Programowanie przerwane!"));
        case LinkOutcome::NoResponse:
            return Tr(BRENVOX_TEXT("Brak łączności z modułem!"));
        case LinkOutcome::WriteError:
            return Tr(BRENVOX_TEXT("Błąd programowania modułu!"));
        case LinkOutcome::CheckError:
            if (mode == OperationMode::Compare)
                return Tr(BRENVOX_TEXT("Moduł zaprogramowany innymi ustawieniami!"));
            if (mode == OperationMode::Read) return Tr(BRENVOX_TEXT("Błąd odczytu modułu!"));
            return Tr(BRENVOX_TEXT("Błąd weryfikacji programowania modułu!"));
        case LinkOutcome::RestartError:
            return Tr(BRENVOX_TEXT("Błąd restartu modułu - powtórz programowanie!"));
        case LinkOutcome::UnsupportedModule:
            return Tr(kUnsupportedModule);
    }
    return {};
}

std::string_view AdviceLine(LinkOutcome outcome, OperationMode mode, bool writeBegan) {
    if (mode == OperationMode::Program && writeBegan) {
        if (outcome == LinkOutcome::Aborted)
            return Tr(BRENVOX_TEXT("Moduł może mieć niepełne ustawienia - zaprogramuj go ponownie."));
        if (outcome == LinkOutcome::WriteError || outcome == LinkOutcome::CheckError)
            return Tr(
                BRENVOX_TEXT("Moduł może mieć niepełne ustawienia - sprawdź kabel i zasilanie modułu, "
                             "potem zaprogramuj go ponownie."));
    }
    switch (outcome) {
        case LinkOutcome::NoResponse:
            // The module never answered: the cable, its power or another port than its own.
            return Tr(BRENVOX_TEXT("Sprawdź kabel, zasilanie modułu i wybrany port, potem powtórz."));
        case LinkOutcome::WriteError:
        case LinkOutcome::CheckError:
            // It answered, then stopped answering or answered wrongly on the way.
            if (mode == OperationMode::Compare && outcome == LinkOutcome::CheckError) return {};
            return Tr(BRENVOX_TEXT("Sprawdź kabel i zasilanie modułu, potem powtórz."));
        case LinkOutcome::UnsupportedModule:
            return Tr(BRENVOX_TEXT("Zaktualizuj program do wersji obsługującej ten moduł."));
        case LinkOutcome::Success:
        case LinkOutcome::Aborted:
        case LinkOutcome::RestartError:
            break;
    }
    return {};
}

}  // namespace brenvox::progress
