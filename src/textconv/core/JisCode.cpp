#include "JisCode.h"

namespace textconv {

std::string WordToDbcsStr(uint16_t Code) { return {static_cast<char>(Code >> 8), static_cast<char>(Code & 0xFF)}; }

uint16_t DbcsStrToWord(std::string_view Text)
{
    const unsigned first = Text.size() > 0 ? static_cast<unsigned char>(Text[0]) : 0;
    const unsigned second = Text.size() > 1 ? static_cast<unsigned char>(Text[1]) : 0;
    return static_cast<uint16_t>(first << 8 | second);
}

} // namespace textconv
