#pragma once
// User-visible texts of the settings file commands, shared by the GUI and the CLI (UTF-8).

namespace brenvox::msg {

inline constexpr const char* kCaptionConfirm = "Potwierdź";
inline constexpr const char* kCaptionInfo = "Informacja";

inline constexpr const char* kSaveFailed = "Problem z utworzeniem pliku na dysku!";
inline constexpr const char* kOpenFailed = "Problem z otwarciem pliku!";
inline constexpr const char* kReadError = "Błąd odczytu ustawień!";
inline constexpr const char* kDefaultsRestored = "Przywrócone ustawienia domyślne.";

inline constexpr const char* kNewSettingsName = "Nowy";

}  // namespace brenvox::msg
