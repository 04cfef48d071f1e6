#pragma once
// Code page 1250 <-> UTF-8. Settings strings are kept as code page 1250 bytes because every
// length, cut and range rule of the module is byte-defined; UTF-8 only exists at the edges
// (GUI, CLI output, JSON).
#include <optional>
#include <string>
#include <string_view>

namespace brenvox {

// Unicode code point of one code page 1250 byte. The five bytes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same value, so every byte survives
// a round trip through UTF-8.
char32_t Cp1250ToUnicode(unsigned char byte);

// The byte for a code point, or nothing when code page 1250 cannot hold it.
std::optional<unsigned char> UnicodeToCp1250(char32_t cp);

std::string Cp1250ToUtf8(std::string_view bytes);

// Decodes one UTF-8 sequence at s[i] and moves i past what it consumed; U+FFFD for malformed
// input (overlong forms, surrogates and truncated sequences included).
char32_t NextCodePoint(std::string_view s, std::size_t& i);

// Result of converting UTF-8 into code page 1250: either the bytes or the first offending
// character (never a silent replacement).
struct Cp1250Result {
    bool ok = false;
    std::string bytes;          // valid when ok
    char32_t badChar = 0;       // the first character that cannot be held (0xFFFD for bad UTF-8)
    std::size_t badOffset = 0;  // its byte offset in the UTF-8 input
};
Cp1250Result Utf8ToCp1250(std::string_view utf8);

}  // namespace brenvox
