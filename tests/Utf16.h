#pragma once
// UTF-8 to UTF-16 for the equation reader's tests: the read-as line holds
// only one- to three-byte sequences.

#include <string>

namespace rk {

inline std::u16string utf16(const std::string& utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(utf8[i + k])); };
        const std::size_t length = byte(0) < 0x80 ? 1 : byte(0) < 0xE0 ? 2 : 3;
        unsigned unit = length == 1 ? byte(0) : byte(0) & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t k = 1; k < length; ++k)
            unit = unit << 6 | (byte(k) & 0x3F);
        out += static_cast<char16_t>(unit);
        i += length;
    }
    return out;
}

} // namespace rk
