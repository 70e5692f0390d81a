// Word classes of the whole-word find.
#include "EditorExWordClass.h"

#include "FakeEditorClient.h"

#include "Sjis.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

// The class of each character of Utf8 as a string.
std::string Classes(const char* Utf8)
{
    const std::string text = Sjis(Utf8);
    std::string classes;
    for (size_t pos = 0; pos < text.size(); pos += sjis::CharLen(text, pos))
        classes += WordCharClass(text, static_cast<int>(pos + 1));
    return classes;
}

TEST(EditorExWordClass, DelimitersConvertLosslessly)
{
    EXPECT_EQ(Sjis("　、。，．・：；？！゛゜´｀¨＾￣＿〇ー―‐／＼～∥｜…‥"
                   "‘’“”（）〔〕［］｛｝〈〉《》「」『』【】"
                   "＋－±×÷＝≠＜＞≦≧∞∴♂♀°′″℃￥＄￠￡％＃＆＊＠§"
                   "☆★○●◎◇◆□■△▲▽"),
              DoubleByteWordDelimiters());
    EXPECT_EQ(DoubleByteWordDelimiters().size(), 2u * 92);
}

TEST(EditorExWordClass, SingleBytes)
{
    EXPECT_EQ(Classes("ab_Z9-"), "110111");
    const std::string delimiters = "\t\n\r !\"#$%&'()=~^\\|{}[]`@;+:*,<.>/?";
    EXPECT_EQ(Classes(delimiters.c_str()), std::string(delimiters.size(), '0'));
    // Half-width katakana are '2', except the half-width signs "､｡･".
    EXPECT_EQ(Classes("ｱｶﾞ｢｣､｡･"), "2222200" "0");
    EXPECT_EQ(WordCharClass(std::string("\0a", 2), 1), '0');
    EXPECT_EQ(WordCharClass("\x80", 1), '0');
    EXPECT_EQ(WordCharClass("\xFD", 1), '0');
}

TEST(EditorExWordClass, DoubleBytes)
{
    EXPECT_EQ(Classes("０Ａｚあんアヶ亜漢"), "333554466");
    EXPECT_EQ(Classes("　、ー「」☆▽"), "0000000");
    // Greek and box drawing lie between the ranges.
    EXPECT_EQ(Classes("α─"), "00");
}

TEST(EditorExWordClass, TrailByteIndexCountsAsItsCharacter)
{
    const std::string text = "a" + Sjis("漢");
    EXPECT_EQ(WordCharClass(text, 2), '6');
    EXPECT_EQ(WordCharClass(text, 3), '6');
    // "メ" is 83 81: its trail byte looks like a lead byte.
    const std::string me = Sjis("メメ");
    EXPECT_EQ(WordCharClass(me, 2), '4');
    EXPECT_EQ(WordCharClass(me, 3), '4');
}

TEST(EditorExWordClass, OutsideTheTextIsADelimiter)
{
    EXPECT_EQ(WordCharClass("ab", 0), '0');
    EXPECT_EQ(WordCharClass("ab", 3), '0');
    EXPECT_EQ(WordCharClass("", 1), '0');
}

} // namespace
