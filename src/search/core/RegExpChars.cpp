#include "RegExpChars.h"

#include "ERegExpParser.h"
#include "Sjis.h"
#include "SysUtils.h"

namespace re {

namespace {

int Position(size_t Index) { return static_cast<int>(Index + 1); }

int OctDigitValue(unsigned char C) { return C >= '0' && C <= '7' ? C - '0' : -1; }

// The digits are ASCII, so looking at single bytes never splits a character.
unsigned char ByteAt(std::string_view S, size_t Index)
{
    return Index < S.size() ? static_cast<unsigned char>(S[Index]) : 0;
}

} // namespace

uint16_t GetREChar(std::string_view S, size_t& Index)
{
    const auto byte = static_cast<unsigned char>(S[Index]);
    if (Index + 1 == S.size() && sjis::IsLead(byte))
        throw ERegExpParser(remsg::BadDoubleByte, Position(Index));
    const uint16_t code = sjis::CharCode(S, Index);
    Index += sjis::CharLen(S, Index);
    return code;
}

uint16_t ReadEscape(std::string_view S, size_t& Index)
{
    if (Index >= S.size())
        throw ERegExpParser(remsg::NeedCharAfterBackslash, Position(Index));
    if (OctDigitValue(ByteAt(S, Index)) >= 0) {
        uint32_t value = 0;
        for (int digits = 0; digits < 6 && OctDigitValue(ByteAt(S, Index)) >= 0; ++digits)
            value = value * 8 + OctDigitValue(ByteAt(S, Index++));
        if (value > 0xFFFF)
            throw ERegExpParser(remsg::BadOctalCode, Position(Index));
        return static_cast<uint16_t>(value);
    }
    const uint16_t code = GetREChar(S, Index);
    switch (code) {
    case 'b': return 8;
    case 't': return 9;
    case 'n': return 10;
    case 'r': return 13;
    case 'x': {
        uint32_t value = 0;
        int digits = 0;
        for (; digits < 4 && HexDigitValue(ByteAt(S, Index)) >= 0; ++digits)
            value = value * 16 + HexDigitValue(ByteAt(S, Index++));
        if (digits == 0)
            throw ERegExpParser(remsg::BadHexCode, Position(Index));
        return static_cast<uint16_t>(value);
    }
    default: return code;
    }
}

std::string RECharToStr(uint16_t Code)
{
    std::string result;
    if (sjis::IsLead(static_cast<unsigned char>(Code >> 8)))
        result += static_cast<char>(Code >> 8);
    result += static_cast<char>(Code & 0xFF);
    return result;
}

std::string QuoteMetaChar(std::string_view S)
{
    static constexpr std::string_view kMeta = "^(|)+*?.[]$\\";
    std::string result;
    result.reserve(S.size() * 2);
    for (sjis::CharCursor c(S); !c.AtEnd(); c.Next()) {
        if (!c.IsDouble() && kMeta.find(S[c.Pos()]) != std::string_view::npos)
            result += '\\';
        result += c.Char();
    }
    return result;
}

} // namespace re
