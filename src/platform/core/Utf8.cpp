#include "Utf8.h"

#include <cstdint>
#include <cstring>

std::optional<char32_t> NextUtf8(std::string_view Text, size_t& Pos)
{
    const auto lead = static_cast<unsigned char>(Text[Pos]);
    size_t extra;
    char32_t c;
    if (lead < 0x80) {
        ++Pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07u;
    } else {
        ++Pos;
        return std::nullopt;
    }
    if (Text.size() - Pos <= extra) {
        ++Pos;
        return std::nullopt;
    }
    for (size_t i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(Text[Pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++Pos;
            return std::nullopt;
        }
        c = c << 6 | (b & 0x3Fu);
    }
    static constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kShortest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++Pos;
        return std::nullopt;
    }
    Pos += extra + 1;
    return c;
}

void AppendUtf8(std::string& Out, char32_t C)
{
    if (C < 0x80) {
        Out += static_cast<char>(C);
    } else if (C < 0x800) {
        Out += static_cast<char>(0xC0 | C >> 6);
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
        Out += static_cast<char>(0xE0 | C >> 12);
        Out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | C >> 18);
        Out += static_cast<char>(0x80 | (C >> 12 & 0x3F));
        Out += static_cast<char>(0x80 | (C >> 6 & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    }
}

bool IsUtf8(std::string_view Text) { return WellFormedUtf8Length(Text) == Text.size(); }

// As NextUtf8 would find, without decoding: ASCII eight bytes at a time,
// and each sequence's second byte checked against the range its lead
// allows (which rules out overlong forms, surrogates and values past
// U+10FFFF).
size_t WellFormedUtf8Length(std::string_view Text)
{
    const auto* const begin = reinterpret_cast<const unsigned char*>(Text.data());
    const auto* const end = begin + Text.size();
    const auto* p = begin;
    while (p < end) {
        if (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if ((word & 0x8080808080808080u) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        const ptrdiff_t extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                                : lead >= 0xE0 && lead <= 0xEF ? 2
                                : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                               : 0;
        if (extra == 0 || end - p <= extra)
            break;
        const unsigned char lowest = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char highest = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (p[1] < lowest || p[1] > highest)
            break;
        ptrdiff_t i = 2;
        while (i <= extra && (p[i] & 0xC0) == 0x80)
            ++i;
        if (i <= extra)
            break;
        p += extra + 1;
    }
    return static_cast<size_t>(p - begin);
}
