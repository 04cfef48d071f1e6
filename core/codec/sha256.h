#pragma once
// SHA-256 of a byte string, so an archived image can be named by its digest without a crypto
// library (the Windows build links statically and carries no such library).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brenvox {

std::array<uint8_t, 32> Sha256(const uint8_t* data, std::size_t size);

// The digest as 64 lower-case hex digits.
std::string Sha256Hex(const uint8_t* data, std::size_t size);
inline std::string Sha256Hex(std::string_view s) {
    return Sha256Hex(reinterpret_cast<const uint8_t*>(s.data()), s.size());
}

}  // namespace brenvox
