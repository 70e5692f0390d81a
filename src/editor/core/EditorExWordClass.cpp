#include "EditorExWordClass.h"

#include "Cp932.h"
#include "Sjis.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <vector>

namespace {

// Single bytes of class '0': the ASCII delimiters, NUL and the half-width
// "､｡･" (0xA4 0xA1 0xA5).
const std::bitset<256>& SingleByteDelimiters()
{
    static const std::bitset<256> set = [] {
        std::bitset<256> s;
        for (unsigned char c : std::string_view("\t\n\r !\"#$%&'()=~^\\|{}[]`@;+:*,<.>/?_"))
            s.set(c);
        s.set(0x00);
        s.set(0xA1);
        s.set(0xA4);
        s.set(0xA5);
        return s;
    }();
    return set;
}

const std::vector<uint16_t>& SortedDoubleByteDelimiters()
{
    static const std::vector<uint16_t> codes = [] {
        std::vector<uint16_t> c;
        const std::string& text = DoubleByteWordDelimiters();
        for (sjis::CharCursor cursor(text); !cursor.AtEnd(); cursor.Next())
            c.push_back(cursor.Code());
        std::sort(c.begin(), c.end());
        return c;
    }();
    return codes;
}

char DoubleByteClass(uint16_t Code)
{
    const auto& delimiters = SortedDoubleByteDelimiters();
    if (std::binary_search(delimiters.begin(), delimiters.end(), Code))
        return '0';
    if (Code >= 0x824F && Code <= 0x829A)
        return '3';
    if (Code >= 0x829F && Code <= 0x82F1)
        return '5';
    if (Code >= 0x8340 && Code <= 0x8396)
        return '4';
    if (Code >= 0x889F)
        return '6';
    return '0';
}

char SingleByteClass(unsigned char Byte)
{
    if (SingleByteDelimiters().test(Byte))
        return '0';
    if (Byte < 0x80)
        return '1';
    if (Byte >= 0xA1 && Byte <= 0xDF)
        return '2';
    return '0';
}

} // namespace

const std::string& DoubleByteWordDelimiters()
{
    static const std::string delimiters = Utf8ToSjis("　、。，．・：；？！゛゜´｀¨＾￣＿〇ー―‐／＼～∥｜…‥"
                                                     "‘’“”（）〔〕［］｛｝〈〉《》「」『』【】"
                                                     "＋－±×÷＝≠＜＞≦≧∞∴♂♀°′″℃￥＄￠￡％＃＆＊＠§"
                                                     "☆★○●◎◇◆□■△▲▽");
    return delimiters;
}

char WordCharClass(std::string_view Text, int Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > Text.size())
        return '0';
    const size_t pos = sjis::CharStart(Text, static_cast<size_t>(Index - 1));
    if (sjis::CharLen(Text, pos) == 2)
        return DoubleByteClass(sjis::CharCode(Text, pos));
    return SingleByteClass(static_cast<unsigned char>(Text[pos]));
}
