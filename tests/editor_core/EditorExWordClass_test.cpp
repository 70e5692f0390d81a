// Word classes of the whole-word find.
#include "EditorExWordClass.h"

#include "FakeEditorClient.h"

#include "Sjis.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

// The class of each character of Text as a string.
std::string Classes(const std::string& Text)
{
    std::string classes;
    for (size_t pos = 0; pos < Text.size(); pos += sjis::CharLen(Text, pos))
        classes += WordCharClass(Text, static_cast<int>(pos + 1));
    return classes;
}

TEST(EditorExWordClass, ClassesOfSingleAndDoubleBytes)
{
    EXPECT_EQ(Classes("ab_Z9-"), "110111");
    const std::string delimiters = "\t\n\r !\"#$%&'()=~^\\|{}[]`@;+:*,<.>/?";
    EXPECT_EQ(Classes(delimiters), std::string(delimiters.size(), '0'));
    // Half-width katakana are '2', except the half-width signs "､｡･".
    EXPECT_EQ(Classes(Sjis("ｱｶﾞ｢｣､｡･")), "22222000");
    EXPECT_EQ(Classes(std::string("\0\x80\xFD", 3)), "000");
    EXPECT_EQ(Classes(Sjis("０Ａｚあんアヶ亜漢")), "333554466");
    // Every double-byte delimiter; Greek and box drawing lie between the
    // ranges.
    const std::string doubleDelimiters = Sjis("　、。，．・：；？！゛゜´｀¨＾￣＿〇ー―‐／＼～∥｜…‥"
                                              "‘’“”（）〔〕［］｛｝〈〉《》「」『』【】"
                                              "＋－±×÷＝≠＜＞≦≧∞∴♂♀°′″℃￥＄￠￡％＃＆＊＠§"
                                              "☆★○●◎◇◆□■△▲▽α─");
    EXPECT_EQ(Classes(doubleDelimiters), std::string(doubleDelimiters.size() / 2, '0'));
}

TEST(EditorExWordClass, TrailByteIndexCountsAsItsCharacterAndOutsideIsADelimiter)
{
    const std::string text = "a" + Sjis("漢");
    EXPECT_EQ(WordCharClass(text, 3), '6');
    // "メ" is 83 81: its trail byte looks like a lead byte.
    const std::string me = Sjis("メメ");
    EXPECT_EQ(WordCharClass(me, 2), '4');
    EXPECT_EQ(WordCharClass(me, 3), '4');
    EXPECT_EQ(WordCharClass("ab", 0), '0');
    EXPECT_EQ(WordCharClass("ab", 3), '0');
    EXPECT_EQ(WordCharClass("", 1), '0');
}

} // namespace
