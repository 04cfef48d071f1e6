#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "codec/image_codec.h"

namespace brenvox::testing_util {

inline std::vector<uint8_t> Hex(const std::string& text) {
    std::vector<uint8_t> out;
    std::string digits;
    for (char c : text)
        if (c != ' ') digits.push_back(c);
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    return out;
}

inline std::vector<uint8_t> Slice(const ModuleImage& img, int from, int size) {
    return std::vector<uint8_t>(img.begin() + from, img.begin() + from + size);
}

}  // namespace brenvox::testing_util
