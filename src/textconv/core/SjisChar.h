// One Shift-JIS character of one or two bytes, as the conversion tables
// hold them.
#pragma once

#include <cstdint>
#include <string_view>

namespace textconv {

struct SjisChar {
    uint8_t Len = 0; // 0: no character
    char Bytes[2] = {};

    static constexpr SjisChar FromCode(uint16_t Code)
    {
        if (Code <= 0xFF)
            return {1, {static_cast<char>(Code), 0}};
        return {2, {static_cast<char>(Code >> 8), static_cast<char>(Code & 0xFF)}};
    }

    std::string_view View() const { return {Bytes, Len}; }
    uint16_t Code() const
    {
        const auto first = static_cast<unsigned char>(Bytes[0]);
        return Len == 2 ? static_cast<uint16_t>(first << 8 | static_cast<unsigned char>(Bytes[1])) : first;
    }
};

} // namespace textconv
