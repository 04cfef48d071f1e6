// Codec commands: encode (settings file -> module image or hex dump), decode (image -> settings).
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <system_error>

#include "cli_util.h"
#include "codec/image_codec.h"
#include "commands.h"
#include "files/safe_file.h"
#include "i18n/translate.h"
#include "settings/settings_file.h"
#include "settings/validation.h"
#include "usage.h"

namespace brenvox::cli {
namespace {

struct CodecArgs {
    std::string file;
    std::string version;
    std::string output;
    bool hex = false;
};

// The version names --version takes; its validator lets no other through.
ModuleVersion ParseVersion(const std::string& text) {
    return text == "1.0" ? ModuleVersion::V10 : ModuleVersion::V11;
}

void PrintHexDump(const ModuleImage& img) {
    char line[8 + 16 * 3 + 1];
    for (int row = 0; row < kImageSize; row += 16) {
        int n = std::snprintf(line, sizeof line, "%04X:", row);
        for (int i = 0; i < 16; ++i)
            n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %02X", img[row + i]);
        std::cout << line << '\n';
    }
}

int CmdEncode(const CodecArgs& a) {
    const ModuleVersion version = ParseVersion(a.version);
    ModuleSettings s;
    if (!LoadSettingsOrReport(a.file, s)) return 2;
    // The module only ever gets settings that pass the checks made before a transfer.
    if (auto failure = ValidateSettings(s)) {
        PrintValidationFailure(*failure);
        return 1;
    }
    const ModuleImage img = EncodeImage(s, version);
    if (a.hex) {
        PrintHexDump(img);
        return 0;
    }
    return WriteImageOrReport(a.output, img) ? 0 : 2;
}

std::optional<ModuleImage> ReadImage(const std::string& path) {
    const std::string cannotOpen = TrFormat(BRENVOX_TEXT("Nie można otworzyć obrazu pamięci: %1"), {path});
    std::error_code error;
    std::FILE* in = OpenFileForReading(PathFromUtf8(path), error);
    if (!in) {
        ReportFileFault(cannotOpen, error, path, FileAction::Read);
        return std::nullopt;
    }
    ModuleImage img{};
    // One byte more than an image, and no further: a longer file is not a picture of the module's
    // memory either, and the name may be a device that never ends.
    unsigned char extra = 0;
    const bool full = std::fread(img.data(), 1, kImageSize, in) == kImageSize;
    const bool atEnd = full && std::fread(&extra, 1, 1, in) == 0;
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) {
        ReportFileFault(cannotOpen, std::make_error_code(std::errc::io_error), path, FileAction::Read);
        return std::nullopt;
    }
    if (!full || !atEnd) {
        std::cerr << TrFormat(
                         BRENVOX_TEXT("To nie jest obraz pamięci modułu (musi mieć dokładnie %1 bajtów): %2"),
                         {std::to_string(kImageSize), path})
                  << '\n';
        return std::nullopt;
    }
    return img;
}

int CmdDecode(const CodecArgs& a) {
    const ModuleVersion version = ParseVersion(a.version);
    const auto img = ReadImage(a.file);
    if (!img) return 2;
    ModuleSettings s;  // the defaults, then everything the image holds
    DecodeImage(*img, version, s);
    return SaveSettingsOrReport(a.output, s) ? 0 : 2;
}

}  // namespace

void AddCodecCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<CodecArgs>();
    const std::string versionHelp = TrText(BRENVOX_TEXT("wersja modułu: 1.0 lub 1.1"));
    const std::string_view version = Tr(BRENVOX_TEXT("WERSJA"));
    const std::string_view image = Tr(BRENVOX_TEXT("OBRAZ"));

    auto* enc = app.add_subcommand(
        "encode",
        TrText(BRENVOX_TEXT(
            "Sprawdza plik ustawień i tworzy z niego obraz pamięci modułu danej wersji (2048 bajtów).")));
    enc->add_option(TrText(BRENVOX_TEXT("PLIK")), args->file, TrText(BRENVOX_TEXT("plik ustawień")))
        ->required();
    Placeholder(
        enc->add_option("--version", args->version, versionHelp)->required()->check(OneOf({"1.0", "1.1"})),
        version);
    Placeholder(
        enc->add_option("-o,--output", args->output, TrText(BRENVOX_TEXT("plik obrazu do zapisania"))),
        image);
    enc->add_flag("--hex", args->hex,
                  TrText(BRENVOX_TEXT(
                      "wypisuje zrzut szesnastkowy (adres i 16 bajtów w wierszu) zamiast zapisywać plik")));
    enc->callback([&exitCode, args] {
        if (args->output.empty() && !args->hex)
            throw UsageError(
                TrFormat(BRENVOX_TEXT("Polecenie %1 wymaga opcji %2 albo %3."), {"encode", "-o", "--hex"}));
        exitCode = CmdEncode(*args);
    });

    auto* dec = app.add_subcommand(
        "decode", TrText(BRENVOX_TEXT("Zamienia obraz pamięci modułu (2048 bajtów) w plik ustawień.")));
    dec->add_option(std::string(image), args->file, TrText(BRENVOX_TEXT("plik obrazu pamięci")))->required();
    Placeholder(
        dec->add_option("--version", args->version, versionHelp)->required()->check(OneOf({"1.0", "1.1"})),
        version);
    Placeholder(
        dec->add_option("-o,--output", args->output, TrText(BRENVOX_TEXT("plik ustawień do zapisania")))
            ->required(),
        Tr(BRENVOX_TEXT("PLIK")));
    dec->callback([&exitCode, args] { exitCode = CmdDecode(*args); });
}

}  // namespace brenvox::cli
