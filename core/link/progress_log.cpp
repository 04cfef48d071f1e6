#include "link/progress_log.h"

namespace brenvox::progress {

std::vector<std::string> ModuleLines(const ModuleInfo& info) {
    const char* type = nullptr;
    if (info.ModuleType == 1) type = "  Typ: Nokia3330, 3410";
    if (info.ModuleType == 2) type = "  Typ: Nokia5110";
    if (!type) return {};
    return {
        "  Moduł:  Kavrex V" + std::to_string(info.VersionMajor) + "." + std::to_string(info.VersionMinor),
        type};
}

std::vector<std::string> EventLines(LinkEvent event, OperationMode mode, const ModuleInfo& info,
                                    LinkOutcome outcome) {
    switch (event) {
        case LinkEvent::Identified: {
            auto lines = ModuleLines(info);
            if (mode == OperationMode::Program) lines.emplace_back(kProgramming);
            return lines;
        }
        case LinkEvent::Checking:
            switch (mode) {
                case OperationMode::Program:
                    return {std::string(kVerifying)};
                case OperationMode::Compare:
                    return {std::string(kComparing)};
                case OperationMode::Read:
                    return {std::string(kReading)};
            }
            return {};
        case LinkEvent::Restarting:
            return {std::string(kRestarting)};
        case LinkEvent::Done:
            return {std::string(), std::string(OutcomeLine(outcome, mode))};
    }
    return {};
}

std::string_view OutcomeLine(LinkOutcome outcome, OperationMode mode) {
    switch (outcome) {
        case LinkOutcome::Success:
            if (mode == OperationMode::Compare) return "Porównanie poprawne.";
            if (mode == OperationMode::Read) return "Odczyt zakończony pozytywnie.";
            return "Programowanie zakończone pozytywnie.";
        case LinkOutcome::Aborted:
            if (mode == OperationMode::Compare) return "Porównanie przerwane!";
            if (mode == OperationMode::Read) return "Odczyt przerwany!";
            return "Programowanie przerwane!";
        case LinkOutcome::NoResponse:
            return "Brak łączności z modułem!";
        case LinkOutcome::WriteError:
            return "Błąd programowania modułu!";
        case LinkOutcome::CheckError:
            if (mode == OperationMode::Compare) return "Moduł zaprogramowany innymi ustawieniami!";
            if (mode == OperationMode::Read) return "Błąd odczytu modułu!";
            return "Błąd weryfikacji programowania modułu!";
        case LinkOutcome::RestartError:
            return "Błąd restartu modułu - powtórz programowanie!";
        case LinkOutcome::UnsupportedModule:
            return "Program nie obsługuje tej wersji modułu!";
    }
    return {};
}

}  // namespace brenvox::progress
