#pragma once
// Module image codec: ModuleSettings <-> the module's 2048-byte configuration memory, for module
// versions 1.0 and 1.1. Pure functions over values; no shared buffers or cursor.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/image_layout.h"
#include "settings/module_settings.h"

namespace brenvox {

// ---- Whole images ----

// Builds the image for one module version. The settings are expected to have passed validation;
// on settings that have not, the result is still a well-formed image: no record leaves its area.
ModuleImage EncodeImageV10(const ModuleSettings& s);
ModuleImage EncodeImageV11(const ModuleSettings& s);
ModuleImage EncodeImage(const ModuleSettings& s, ModuleVersion v);

// Replaces in `s` every setting the image holds (which is all of them) and empties the slot
// comments. Never reads outside the image, whatever it holds.
void DecodeImageV10(const ModuleImage& img, ModuleSettings& s);
void DecodeImageV11(const ModuleImage& img, ModuleSettings& s);
void DecodeImage(const ModuleImage& img, ModuleVersion v, ModuleSettings& s);

// The two images built before a transfer; the link picks the one of the version the module reports.
struct EncodedImages {
    ModuleImage v10;
    ModuleImage v11;
    const ModuleImage& forVersion(ModuleVersion v) const { return v == ModuleVersion::V10 ? v10 : v11; }
};
EncodedImages EncodeImages(const ModuleSettings& s);

// ---- Records ----

// Writes an SmsRecord at `address` (the start of a record area) and returns its length in bytes.
// A text over 60 characters is cut to 60 and a number over 20 digits to 20 digits, so the record
// stays inside its 100-byte area and its numbers inside their 10-byte fields. Nothing is written
// outside [address, address + 100) nor outside the image.
int PutSmsRecord(ModuleImage& img, int address, std::string_view phone, std::string_view text,
                 std::string_view smsc);
// Writes a RingRecord (the number as typed, "+" included, cut to 81 characters so that it fits
// its area) and returns its length in bytes.
int PutRingRecord(ModuleImage& img, int address, std::string_view phone);
// Writes the SimPinRecord at address 1900 when `pin` has exactly 4 characters; otherwise nothing.
void PutSimPinRecord(ModuleImage& img, std::string_view pin);

struct DecodedRecord {
    std::string phone;
    std::string text;
    std::string smsc;  // SmsRecord only: the centre number, "+" included
};
// Read a record at `address`; bytes that would lie beyond address 2047 are not read.
DecodedRecord GetSmsRecord(const ModuleImage& img, int address);
DecodedRecord GetRingRecord(const ModuleImage& img, int address);

// ---- Fields ----

using SemiOctetField = std::array<uint8_t, layout::kSemiOctetBytes>;
// `digits` is the number without its leading "+"; only the first 20 characters are stored.
SemiOctetField EncodeSemiOctets(std::string_view digits);
// Nibbles in order (low, then high) until the first 0xF, at most 20.
std::string DecodeSemiOctets(const SemiOctetField& field);

// Seven bits per character, least significant first; ceil(7 n / 8) bytes.
std::vector<uint8_t> PackSevenBit(std::string_view text);
// Unpacks up to `count` characters from `bytes`; stops early when the bytes run out.
std::string UnpackSevenBit(const uint8_t* bytes, std::size_t size, std::size_t count);

// A two-character output code; any other length gives 0x00 0x00.
std::array<uint8_t, 2> EncodeCodePair(std::string_view code);
// 0x00 0x00 gives the empty code.
std::string DecodeCodePair(uint8_t a, uint8_t b);

}  // namespace brenvox
