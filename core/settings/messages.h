#pragma once
// User-visible texts of the settings file commands, shared by the GUI and the CLI (UTF-8, in
// Polish: shown through Tr, which gives them in the user's language).
#include "i18n/translate.h"

namespace brenvox::msg {

// The main window's caption, the same in every language (the program in the browser shows it
// too).
inline constexpr const char* kProgramCaption = "Kavrex V1.1";
inline constexpr const char* kCaptionConfirm = BRENVOX_TEXT("Potwierdź");
inline constexpr const char* kCaptionInfo = BRENVOX_TEXT("Informacja");

inline constexpr const char* kSaveFailed = BRENVOX_TEXT("Problem z utworzeniem pliku na dysku!");
inline constexpr const char* kOpenFailed = BRENVOX_TEXT("Problem z otwarciem pliku!");
inline constexpr const char* kReadError = BRENVOX_TEXT("Błąd odczytu ustawień!");
inline constexpr const char* kDefaultsRestored = BRENVOX_TEXT("Przywrócone ustawienia domyślne.");

inline constexpr const char* kNewSettingsName = BRENVOX_TEXT("Nowy");

}  // namespace brenvox::msg
