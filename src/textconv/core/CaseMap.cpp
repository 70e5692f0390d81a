#include "CaseMap.h"

#include "Sjis.h"

#include <cstdint>

namespace textconv {
namespace {

// One block of letters whose other case lies at a fixed distance. Cyrillic
// small letters step over the trail byte 0x7F, which CP932 leaves unused.
struct TCaseBlock {
    uint16_t Upper;
    uint16_t Lower;
    int Count;
    bool SkipsTrail7F;
};

constexpr TCaseBlock Blocks[] = {
    {0x8260, 0x8281, 26, false}, // Ａ..Ｚ / ａ..ｚ
    {0x839F, 0x83BF, 24, false}, // Α..Ω / α..ω
    {0x8440, 0x8470, 33, true},  // А..Я / а..я
};

// Ⅰ..Ⅹ (NEC row 13, and the IBM duplicates FA4A..) and ⅰ..ⅹ (IBM FA40..,
// and the NEC-selected duplicates EEEF..); each case maps to the form
// that CP932 converters give back for it.
constexpr uint16_t RomanUpper = 0x8754, RomanUpperIbm = 0xFA4A;
constexpr uint16_t RomanLower = 0xFA40, RomanLowerNec = 0xEEEF;
constexpr int RomanCount = 10;

constexpr uint16_t ToCyrillicLower(int Index)
{
    const int trail = 0x70 + Index;
    return static_cast<uint16_t>(0x8400 + (trail >= 0x7F ? trail + 1 : trail));
}

constexpr int CyrillicLowerIndex(uint16_t Code)
{
    const int trail = Code & 0xFF;
    if (Code >> 8 != 0x84 || trail < 0x70 || trail == 0x7F || trail > 0x91)
        return -1;
    return trail > 0x7F ? trail - 0x71 : trail - 0x70;
}

bool InRange(uint16_t Code, uint16_t First, int Count) { return Code >= First && Code < First + Count; }

uint16_t LowerCode(uint16_t Code)
{
    for (const TCaseBlock& block : Blocks)
        if (InRange(Code, block.Upper, block.Count)) {
            const int index = Code - block.Upper;
            return block.SkipsTrail7F ? ToCyrillicLower(index) : static_cast<uint16_t>(block.Lower + index);
        }
    if (InRange(Code, RomanUpper, RomanCount))
        return static_cast<uint16_t>(RomanLower + (Code - RomanUpper));
    if (InRange(Code, RomanUpperIbm, RomanCount))
        return static_cast<uint16_t>(RomanLower + (Code - RomanUpperIbm));
    return Code;
}

uint16_t UpperCode(uint16_t Code)
{
    for (const TCaseBlock& block : Blocks) {
        if (block.SkipsTrail7F) {
            if (const int index = CyrillicLowerIndex(Code); index >= 0)
                return static_cast<uint16_t>(block.Upper + index);
        } else if (InRange(Code, block.Lower, block.Count)) {
            return static_cast<uint16_t>(block.Upper + (Code - block.Lower));
        }
    }
    if (InRange(Code, RomanLower, RomanCount))
        return static_cast<uint16_t>(RomanUpper + (Code - RomanLower));
    if (InRange(Code, RomanLowerNec, RomanCount))
        return static_cast<uint16_t>(RomanUpper + (Code - RomanLowerNec));
    return Code;
}

template <char (*MapAscii)(char), uint16_t (*MapCode)(uint16_t)>
std::string MapCase(std::string_view Text)
{
    std::string out(Text);
    for (size_t pos = 0; pos < out.size();) {
        if (sjis::CharLen(out, pos) == 1) {
            out[pos] = MapAscii(out[pos]);
            ++pos;
            continue;
        }
        const auto code =
            static_cast<uint16_t>(static_cast<unsigned char>(out[pos]) << 8 | static_cast<unsigned char>(out[pos + 1]));
        const uint16_t mapped = MapCode(code);
        out[pos] = static_cast<char>(mapped >> 8);
        out[pos + 1] = static_cast<char>(mapped & 0xFF);
        pos += 2;
    }
    return out;
}

char LowerAscii(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + ('a' - 'A')) : C; }
char UpperAscii(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - ('a' - 'A')) : C; }

} // namespace

std::string LowerCaseText(std::string_view Text) { return MapCase<LowerAscii, LowerCode>(Text); }
std::string UpperCaseText(std::string_view Text) { return MapCase<UpperAscii, UpperCode>(Text); }

} // namespace textconv
