// The small field encodings inside the image: semi-octet numbers, 7-bit text, output code pairs.
#include "codec/image_codec.h"

namespace brenvox {

SemiOctetField EncodeSemiOctets(std::string_view digits) {
    SemiOctetField f;
    f.fill(0xFF);
    // Ten bytes hold 20 digits; the rest of a longer number is dropped so that it can never spill
    // into the bytes that follow the field.
    const std::size_t n = std::min<std::size_t>(digits.size(), layout::kSemiOctetDigits);
    for (std::size_t k = 0; k < n; ++k) {
        // Validated numbers hold digits only; anything else is stored with the same arithmetic
        // (reduced to 8 bits) so the image still matches what the module has always been sent.
        const auto v = static_cast<uint8_t>(static_cast<uint8_t>(digits[k]) - 0x30);
        uint8_t& b = f[k / 2];
        if (k % 2 == 0)
            b = static_cast<uint8_t>((b & 0xF0) | v);
        else
            b = static_cast<uint8_t>((b & 0x0F) | (v << 4));
    }
    return f;
}

std::string DecodeSemiOctets(const SemiOctetField& field) {
    std::string out;
    for (int i = 0; i < layout::kSemiOctetDigits; ++i) {
        const uint8_t b = field[i / 2];
        const uint8_t nib = (i % 2 == 0) ? (b & 0x0F) : (b >> 4);
        if (nib == 0x0F) break;
        // Nibbles 10..14 are not refused: they give ':' .. '>'.
        out.push_back(static_cast<char>(0x30 + nib));
    }
    return out;
}

std::vector<uint8_t> PackSevenBit(std::string_view text) {
    std::vector<uint8_t> out((7 * text.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<uint8_t>(text[i]);
        for (int j = 0; j < 7; ++j) {
            if ((c >> j) & 1) {
                const std::size_t k = 7 * i + j;
                out[k / 8] = static_cast<uint8_t>(out[k / 8] | (1u << (k % 8)));
            }
        }
    }
    return out;
}

std::string UnpackSevenBit(const uint8_t* bytes, std::size_t size, std::size_t count) {
    std::string out;
    // A length byte from a foreign image may promise more characters than there are bytes; only
    // whole characters that lie inside the bytes are taken.
    const std::size_t whole = size * 8 / 7;
    const std::size_t n = std::min(count, whole);
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        unsigned c = 0;
        for (int j = 0; j < 7; ++j) {
            const std::size_t k = 7 * i + j;
            c |= ((bytes[k / 8] >> (k % 8)) & 1u) << j;
        }
        out.push_back(static_cast<char>(c));
    }
    return out;
}

std::array<uint8_t, 2> EncodeCodePair(std::string_view code) {
    if (code.size() != 2) return {0, 0};
    const auto c0 = static_cast<uint8_t>(code[0]);
    const auto c1 = static_cast<uint8_t>(code[1]);
    // The module keeps 14 bits: bit 0 of the second character rides in bit 7 of the first byte.
    const auto a = static_cast<uint8_t>((c0 & 0x7F) | ((c1 & 0x01) ? 0x80 : 0x00));
    const auto b = static_cast<uint8_t>((c1 & 0x7F) >> 1);
    return {a, b};
}

std::string DecodeCodePair(uint8_t a, uint8_t b) {
    if (a == 0 && b == 0) return {};
    std::string out(2, '\0');
    out[0] = static_cast<char>(a & 0x7F);
    out[1] = static_cast<char>(static_cast<uint8_t>((b << 1) & 0xFF) | (a >> 7));
    return out;
}

}  // namespace brenvox
