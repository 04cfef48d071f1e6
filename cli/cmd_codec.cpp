// Codec commands: encode (settings file -> module image or hex dump), decode (image -> settings).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

#include "cli_util.h"
#include "codec/image_codec.h"
#include "commands.h"
#include "settings/settings_file.h"
#include "settings/validation.h"

namespace brenvox::cli {
namespace {

struct CodecArgs {
    std::string file;
    std::string version;
    std::string output;
    bool hex = false;
};

std::optional<ModuleVersion> ParseVersion(const std::string& text) {
    if (text == "1.0") return ModuleVersion::V10;
    if (text == "1.1") return ModuleVersion::V11;
    std::cerr << "Unknown module version '" << text << "' (expected 1.0 or 1.1)\n";
    return std::nullopt;
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
    const auto version = ParseVersion(a.version);
    if (!version) return 2;
    if (a.output.empty() && !a.hex) {
        std::cerr << "encode: give -o IMAGE or --hex\n";
        return 2;
    }
    ModuleSettings s;
    if (!LoadSettingsOrReport(a.file, s)) return 2;
    // The module only ever gets settings that pass the checks made before a transfer.
    if (auto failure = ValidateSettings(s)) {
        PrintValidationFailure(*failure);
        return 1;
    }
    const ModuleImage img = EncodeImage(s, *version);
    if (a.hex) {
        PrintHexDump(img);
        return 0;
    }
    return WriteImageOrReport(a.output, img) ? 0 : 2;
}

std::optional<ModuleImage> ReadImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "Cannot open the image: " << path << "\n";
        return std::nullopt;
    }
    ModuleImage img{};
    in.read(reinterpret_cast<char*>(img.data()), kImageSize);
    const bool full = in.gcount() == kImageSize;
    // Exactly 2048 bytes: a longer file is not a picture of the module's memory either.
    const bool atEnd = full && in.peek() == std::char_traits<char>::eof();
    if (!full || !atEnd) {
        std::cerr << "Not a module image (must be exactly " << kImageSize << " bytes): " << path << "\n";
        return std::nullopt;
    }
    return img;
}

int CmdDecode(const CodecArgs& a) {
    const auto version = ParseVersion(a.version);
    if (!version) return 2;
    const auto img = ReadImage(a.file);
    if (!img) return 2;
    ModuleSettings s;  // the defaults, then everything the image holds
    DecodeImage(*img, *version, s);
    return SaveSettingsOrReport(a.output, s) ? 0 : 2;
}

}  // namespace

void AddCodecCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<CodecArgs>();

    auto* enc = app.add_subcommand(
        "encode", "Check a settings file and build the module image of one version (2048 bytes).");
    enc->add_option("FILE", args->file, "settings file")->required();
    enc->add_option("--version", args->version, "module version: 1.0 or 1.1")->required();
    enc->add_option("-o,--output", args->output, "image file to write");
    enc->add_flag("--hex", args->hex, "print a hex dump (address, 16 bytes a row) instead of writing");
    enc->callback([&exitCode, args] { exitCode = CmdEncode(*args); });

    auto* dec = app.add_subcommand("decode", "Turn a module image (2048 bytes) into a settings file.");
    dec->add_option("IMAGE", args->file, "image file")->required();
    dec->add_option("--version", args->version, "module version: 1.0 or 1.1")->required();
    dec->add_option("-o,--output", args->output, "settings file to write")->required();
    dec->callback([&exitCode, args] { exitCode = CmdDecode(*args); });
}

}  // namespace brenvox::cli
