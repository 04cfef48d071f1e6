#pragma once
// The lines of the transfer's progress log and the texts of its information dialogs and of its
// PIN dialog, in UTF-8: the one home of what an operation says as it goes. The progress window,
// the CLI and the page in the browser show the same lines from here. The texts are Polish, as
// written; Tr gives them in the user's language, and the functions below give them so already.
// The information dialogs' caption is msg::kCaptionInfo (settings/messages.h), as every
// information dialog's.
#include <string>
#include <string_view>
#include <vector>

#include "i18n/translate.h"
#include "link/transfer.h"

namespace brenvox::progress {

// Preparation, in the order they appear.
inline constexpr std::string_view kCheckingPort = BRENVOX_TEXT("Kontrola portu transmisji...");
inline constexpr std::string_view kPortReady = BRENVOX_TEXT("Port komunikacyjny gotowy.");
inline constexpr std::string_view kPortError = BRENVOX_TEXT("Błąd - problem z portem transmisji!");
inline constexpr std::string_view kPreparingData = BRENVOX_TEXT("Przygotowanie danych do przesłania...");
inline constexpr std::string_view kDataReady = BRENVOX_TEXT("Dane gotowe.");
inline constexpr std::string_view kReadingVersion = BRENVOX_TEXT("Odczyt wersji modułu...");

// Phases.
inline constexpr std::string_view kProgramming = BRENVOX_TEXT("Programowanie...");
inline constexpr std::string_view kVerifying = BRENVOX_TEXT("Weryfikacja...");
inline constexpr std::string_view kComparing = BRENVOX_TEXT("Porównanie...");
inline constexpr std::string_view kReading = BRENVOX_TEXT("Odczyt...");
// The outcome of a transfer to a module this program does not know; page 8 says it of a module
// found there before anyone tries one.
inline constexpr std::string_view kUnsupportedModule =
    BRENVOX_TEXT("Program nie obsługuje tej wersji modułu!");
inline constexpr std::string_view kRestarting = BRENVOX_TEXT("Reset modułu...");

// Above the settings a compare found different, each "Label: in the program -> in the module".
inline constexpr std::string_view kDifferencesHeading =
    BRENVOX_TEXT("Różnice ustawień (w programie -> w module):");

// After a successful transfer, the last line in every mode.
inline constexpr std::string_view kModuleReady = BRENVOX_TEXT("Moduł gotowy do pracy.");

// Information dialogs.
inline constexpr std::string_view kCompareEqual = BRENVOX_TEXT("Ustawienia w programie i module jednakowe.");
inline constexpr std::string_view kReadDecoded = BRENVOX_TEXT("Ustawienia z modułu odczytane i zdekodowane.");
inline constexpr std::string_view kWrongModulePin = BRENVOX_TEXT("Niepoprawny kod PIN modułu!");

// The module PIN dialog.
inline constexpr std::string_view kPinDialogCaption = BRENVOX_TEXT("PIN modułu");
inline constexpr std::string_view kPinDialogText =
    BRENVOX_TEXT("Wprowadź 4-ro cyfrowy kod dostępu do modułu");

// "  Moduł:  Kavrex V1.1" and the phone type line; none for a module type other than 1 or 2.
std::vector<std::string> ModuleLines(const ModuleInfo& info);

// The lines a transfer event adds to the log, in order. Done gives the empty line and the
// outcome line (the dialogs and "Moduł gotowy do pracy." after Success are the caller's, because
// they come after the dialogs have been closed).
std::vector<std::string> EventLines(LinkEvent event, OperationMode mode, const ModuleInfo& info,
                                    LinkOutcome outcome);

// The progress bar runs from 0 to this; a full transfer gives 4096, so the bar is full at the end.
inline constexpr int kProgressMax = 4094;

// The bar's position from the worker's counters: write and check together when programming,
// twice the check otherwise; at most kProgressMax.
int BarPosition(OperationMode mode, int writePos, int checkPos);

// The outcome line of a finished transfer.
std::string_view OutcomeLine(LinkOutcome outcome, OperationMode mode);

// The line under the outcome of a transfer that failed: what to do next, in one line, so that
// whoever reads the last two lines sees the outcome and the way on. `writeBegan`: a Program
// transfer had sent settings to the module, which may now hold part of them. Empty where
// nothing needs saying: a success, an abort before anything was written, a compare that found
// other settings (the answer to its question), and a restart failure (its line says it).
std::string_view AdviceLine(LinkOutcome outcome, OperationMode mode, bool writeBegan);

}  // namespace brenvox::progress
