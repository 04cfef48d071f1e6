#include "files/file_error_text.h"

#include "i18n/translate.h"

namespace brenvox {

std::string FileErrorText(const std::error_code& error) {
    // Compared as conditions, so that Windows' own codes match as well as errno values.
    struct Known {
        std::errc condition;
        const char* text;
    };
    static constexpr Known kKnown[] = {
        {std::errc::no_such_file_or_directory, BRENVOX_TEXT("nie ma takiego pliku ani folderu")},
        {std::errc::permission_denied, BRENVOX_TEXT("brak uprawnień")},
        {std::errc::operation_not_permitted, BRENVOX_TEXT("brak uprawnień")},
        {std::errc::read_only_file_system, BRENVOX_TEXT("nośnik tylko do odczytu")},
        {std::errc::no_space_on_device, BRENVOX_TEXT("brak miejsca na dysku")},
        {std::errc::not_a_directory, BRENVOX_TEXT("część ścieżki nie jest folderem")},
        {std::errc::is_a_directory, BRENVOX_TEXT("to jest folder")},
        {std::errc::file_exists, BRENVOX_TEXT("już istnieje")},
        {std::errc::filename_too_long, BRENVOX_TEXT("za długa nazwa")},
        {std::errc::io_error, BRENVOX_TEXT("błąd wejścia-wyjścia")},
    };
    for (const Known& k : kKnown)
        if (error == k.condition) return std::string(Tr(k.text));
    return error.message();
}

}  // namespace brenvox
