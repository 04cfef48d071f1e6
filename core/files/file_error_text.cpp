#include "files/file_error_text.h"

#include "files/safe_file.h"
#include "files/safe_file_platform.h"
#include "i18n/translate.h"

namespace brenvox {
namespace {

namespace fs = std::filesystem;

// Paths are shown as UTF-8 on every system (a Windows name in the ANSI code page would not be).
std::string Shown(const fs::path& p) {
    const std::u8string u = p.u8string();
    return {u.begin(), u.end()};
}

// The folder a file is made in, or the nearest one above it that exists: where the right to
// write or the read-only disk is to be found. A bare name is in the current folder.
fs::path ExistingFolderOf(const fs::path& p) {
    std::error_code ec;
    fs::path folder = p.parent_path();
    while (!folder.empty() && !fs::exists(folder, ec) && folder != folder.parent_path())
        folder = folder.parent_path();
    if (folder.empty()) folder = fs::current_path(ec);
    return folder;
}

// The part of the path that stands on the disk as a file where a folder was meant: below it
// nothing exists, so it is the first thing found walking up.
fs::path FileInTheWay(const fs::path& p) {
    std::error_code ec;
    for (fs::path q = p.parent_path(); !q.empty(); q = q.parent_path()) {
        const fs::file_status st = fs::status(q, ec);
        if (fs::exists(st)) return fs::is_directory(st) ? fs::path() : q;
        if (q == q.parent_path()) break;
    }
    return {};
}

bool IsReadOnlyFile(const fs::path& p) {
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);
    return fs::is_regular_file(st) && !files_platform::HasWriteBit(st.permissions());
}

}  // namespace

std::string FileErrorText(const std::error_code& error, const fs::path& path, FileAction action) {
    const bool named = !path.empty();
    const bool reading = action == FileAction::Read;
    // The line that names `shown` when the caller named a path, else the one that names nothing.
    auto line = [named](const char* naming, const char* plain, const fs::path& shown) {
        return named ? TrFormat(naming, {Shown(shown)}) : std::string(Tr(plain));
    };
    // Compared as conditions, so that codes of either system match.
    if (error == std::errc::no_such_file_or_directory) {
        std::error_code ec;
        const fs::path folder = path.parent_path();
        const bool folderThere = folder.empty() || fs::is_directory(folder, ec);
        if (named && !folderThere) return TrFormat(BRENVOX_TEXT("Brak folderu %1."), {Shown(folder)});
        // Writing into a folder that is there, the name missing is that of a link's target.
        if (named && reading) return TrFormat(BRENVOX_TEXT("Brak pliku %1."), {Shown(path)});
        return std::string(Tr(BRENVOX_TEXT("Brak takiego pliku lub folderu.")));
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        if (reading)
            return line(BRENVOX_TEXT("Brak prawa odczytu pliku %1."), BRENVOX_TEXT("Brak prawa odczytu."),
                        path);
        if (IsReadOnlyFile(path))
            return line(BRENVOX_TEXT("Plik %1 jest tylko do odczytu."),
                        BRENVOX_TEXT("Plik jest tylko do odczytu."), path);
        return line(BRENVOX_TEXT("Brak prawa zapisu w folderze %1."), BRENVOX_TEXT("Brak prawa zapisu."),
                    ExistingFolderOf(path));
    }
    if (error == std::errc::no_space_on_device) return std::string(Tr(BRENVOX_TEXT("Dysk jest pełny.")));
    if (error == std::errc::read_only_file_system)
        return line(BRENVOX_TEXT("Folder %1 jest na nośniku tylko do odczytu."),
                    BRENVOX_TEXT("Nośnik jest tylko do odczytu."), ExistingFolderOf(path));
    if (error == std::errc::is_a_directory)
        return line(BRENVOX_TEXT("%1 jest folderem, a nie plikiem."),
                    BRENVOX_TEXT("To jest folder, a nie plik."), path);
    if (error == FileErrc::NotRegularFile)
        return line(BRENVOX_TEXT("%1 nie jest zwykłym plikiem."), BRENVOX_TEXT("To nie jest zwykły plik."),
                    path);
    if (error == FileErrc::Locked)
        return line(BRENVOX_TEXT("Plik %1 jest otwarty w innym programie."),
                    BRENVOX_TEXT("Plik jest otwarty w innym programie."), path);
    if (error == std::errc::not_a_directory) {
        const fs::path file = FileInTheWay(path);
        if (!file.empty()) return TrFormat(BRENVOX_TEXT("%1 jest plikiem, a nie folderem."), {Shown(file)});
        return std::string(Tr(BRENVOX_TEXT("Część ścieżki nie jest folderem.")));
    }
    if (error == std::errc::filename_too_long)
        return std::string(Tr(BRENVOX_TEXT("Za długa nazwa pliku lub ścieżki.")));
    if (error == std::errc::io_error)
        return std::string(Tr(BRENVOX_TEXT("Nośnik zgłosił błąd odczytu lub zapisu.")));
    if (error == std::errc::file_exists)
        return line(BRENVOX_TEXT("%1 już istnieje."), BRENVOX_TEXT("Taki plik lub folder już istnieje."),
                    path);
    return files_platform::SystemWords(error) + '.';
}

}  // namespace brenvox
