#include "edCaseFold.h"

#include <array>

std::span<const TCaseFoldRange> CaseFoldRanges()
{
    static constexpr std::array<TCaseFoldRange, 6> ranges{{
        {'a', 'z', 'A'},
        {0x8281, 0x829A, 0x8260}, // "ａ"-"ｚ"
        {0x83BF, 0x83D6, 0x839F}, // "α"-"ω"
        {0x8470, 0x847E, 0x8440}, // "а"-"н"
        {0x8480, 0x8491, 0x844F}, // "о"-"я", after the gap at 0x7F
        {0xEEEF, 0xEEF8, 0x8754}, // "ⅰ"-"ⅹ" to "Ⅰ"-"Ⅹ"
    }};
    return ranges;
}

uint16_t FoldCase(uint16_t Code)
{
    for (const TCaseFoldRange& range : CaseFoldRanges())
        if (Code >= range.Low && Code <= range.High)
            return static_cast<uint16_t>(range.Capital + (Code - range.Low));
    return Code;
}
