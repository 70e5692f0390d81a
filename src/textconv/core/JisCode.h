// Character codes: JIS X 0208 codes (row * 256 + column, both 0x21-0x7E)
// and Shift-JIS character codes (lead * 256 + trail).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace textconv {

// The JIS X 0208 to Shift-JIS transformation. Pure arithmetic, defined for
// the 94 x 94 JIS codes: two JIS rows share one lead byte, the odd row
// taking the trail bytes 0x40-0x9E (skipping 0x7F), the even row 0x9F-0xFC.
constexpr uint16_t JisToSjis(uint16_t Jis)
{
    const unsigned row = Jis >> 8, column = Jis & 0xFF;
    const unsigned lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const unsigned trail = (row & 1) != 0 ? column + (column >= 0x60 ? 0x20 : 0x1F) : column + 0x7E;
    return static_cast<uint16_t>((lead & 0xFF) << 8 | (trail & 0xFF));
}

// Its inverse, defined for the Shift-JIS codes it gives.
constexpr uint16_t SjisToJis(uint16_t Sjis)
{
    const unsigned lead = Sjis >> 8, trail = Sjis & 0xFF;
    const unsigned evenRow = (lead - (lead <= 0x9F ? 0x70 : 0xB0)) * 2;
    if (trail < 0x9F)
        return static_cast<uint16_t>(((evenRow - 1) & 0xFF) << 8 | ((trail - (trail >= 0x80 ? 0x20 : 0x1F)) & 0xFF));
    return static_cast<uint16_t>((evenRow & 0xFF) << 8 | ((trail - 0x7E) & 0xFF));
}

// A 16-bit code as two bytes, high byte first.
std::string WordToDbcsStr(uint16_t Code);
// The first byte * 256 + the second byte; a missing byte counts as 0.
uint16_t DbcsStrToWord(std::string_view Text);

} // namespace textconv
