#include "HTSearch.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

constexpr TEditorSearchOptions Down = esDown;
constexpr TEditorSearchOptions Exact = esDown | esMatchCase;
constexpr TEditorSearchOptions Width = esDown | esIgnoreWidth;
constexpr TEditorSearchOptions Word = Exact | esWholeWord;

struct SearchCase {
    std::string Text, Pattern;
    TEditorSearchOptions Options;
    int From;
    int Start, Length; // -1: no hit
};

// "ア" is 83 41, "ヂ" 83 61, "ー" 81 5B, "表" 95 5C: trail bytes that read
// as ASCII.
const SearchCase Cases[] = {
    // Forwards from after the given place; backwards the nearest hit before.
    {"abcabc", "bc", Exact, 0, 1, 2},
    {"abcabc", "bc", Exact, 1, 1, 2},
    {"abcabc", "bc", Exact, 2, 4, 2},
    {"abcabc", "bd", Exact, 0, -1, 0},
    {"abcabcabc", "bc", esMatchCase, 9, 7, 2},
    {"abcabcabc", "bc", esMatchCase, 8, 4, 2},
    {"abcabcabc", "bc", esMatchCase, 2, -1, 0},
    {"abcabc", "a", esMatchCase, 0, -1, 0},
    {"a" + Sjis("漢") + "a", "a", esMatchCase, 3, 0, 1}, // a start inside a character moves to its start
    // Bad input finds nothing.
    {"abc", "", Exact, 0, -1, 0},
    {"abc", "a", Exact, -1, -1, 0},
    {"abc", "a", Exact, 4, -1, 0},
    {"ab", "abc", Exact, 0, -1, 0},
    {"", "a", Exact, 0, -1, 0},
    {"a \x82", "ab", Down | esIgnoreBlanks | esIgnoreWidth, 0, -1, 0}, // ends in a lone lead byte
    {"a  ", "ab", Down | esIgnoreBlanks, 0, -1, 0},
    // Hits start on character boundaries; folding never touches trail bytes.
    {Sjis("ヂ"), "a", Exact, 0, -1, 0},
    {Sjis("ア"), "A", Exact, 0, -1, 0},
    {Sjis("ヂ"), "a", Down, 0, -1, 0},
    {Sjis("ヂ"), "A", Down, 0, -1, 0},
    {Sjis("アー"), "A" + Sjis("ー"), Down, 0, -1, 0},
    {Sjis("表示"), "\x5C", Exact, 0, -1, 0},
    {"x" + Sjis("ヂ"), Sjis("ア"), Down, 0, -1, 0},
    {"x" + Sjis("ア"), Sjis("ヂ"), Down, 0, -1, 0},
    {"x" + Sjis("ヂ"), Sjis("ヂ"), Down, 0, 1, 2},
    {"xABC", "abc", Down, 0, 1, 3},
    {"xabc", "ABC", Exact, 0, -1, 0},
    // Full-width letters fold by their case pairs.
    {Sjis("ＡＢ"), Sjis("ａｂ"), Down, 0, 0, 4},
    {Sjis("ａｂ"), Sjis("ＡＢ"), Exact, 0, -1, 0},
    {Sjis("ΑΒΓ"), Sjis("αβγ"), Down, 0, 0, 6},
    {Sjis("ЖЯ"), Sjis("жя"), Down, 0, 0, 4},
    {Sjis("ОП"), Sjis("оп"), Down, 0, 0, 4}, // across the gap at 84 7F
    // Small Roman numerals (EE EF-F8) match the capital ones (87 54-5D).
    {"\xEE\xEF\xEE\xF8", "\x87\x54\x87\x5D", Down, 0, 0, 4},
    {"\x87\x54", "\xEE\xEF", Down, 0, 0, 2},
    {"\xEE\xEF", "\x87\x54", Exact, 0, -1, 0},
    // Ignoring the width takes half- and full-width forms as equal.
    {"xab", Sjis("ＡＢ"), Width, 0, 1, 2},
    {"xab", Sjis("ＡＢ"), Width | esMatchCase, 0, -1, 0},
    {"xAB", Sjis("ＡＢ"), Width | esMatchCase, 0, 1, 2},
    {Sjis("ａｂ"), "AB", Width, 0, 0, 4},
    {"xab", Sjis("ＡＢ"), Down, 0, -1, 0},
    // A voiced kana is one character of two half-width bytes.
    {"x" + Sjis("ｶﾞ"), Sjis("ガ"), Width, 0, 1, 2},
    {"x" + Sjis("ｳﾞ"), Sjis("ヴ"), Width, 0, 1, 2},
    {"x" + Sjis("ﾊﾟ"), Sjis("パ"), Width, 0, 1, 2},
    {Sjis("ガ"), Sjis("ｶﾞ"), Width, 0, 0, 2},
    {Sjis("ｶﾞ"), Sjis("カ"), Width, 0, -1, 0},
    {Sjis("ｱｲｳ") + "!", Sjis("イウ！"), Width, 0, 1, 3},
    {Sjis("ｶﾞｶﾞ"), Sjis("ガ"), esIgnoreWidth, 4, 2, 2},
    // The semi-voiced mark belongs to the h row only: "ｶﾟ" is "カ" and "゜".
    {Sjis("ｶﾟ"), Sjis("キ"), Width, 0, -1, 0},
    {Sjis("ｶﾟ"), Sjis("カ゜"), Width, 0, 0, 2},
    {Sjis("ｶﾟ"), Sjis("ガ"), Width, 0, -1, 0},
    // Blanks and line breaks are passed over inside a match only.
    {"a b", "ab", Down | esIgnoreBlanks, 0, 0, 3},
    {"a\t " + Sjis("　") + "b", "ab", Down | esIgnoreBlanks, 0, 0, 6},
    {"a b", "ab", Down, 0, -1, 0},
    {" ab", "ab", Down | esIgnoreBlanks, 0, 1, 2},
    {"a\r\nb", "ab", Down | esIgnoreLineBreaks, 0, 0, 4},
    {"a\r\nb", "ab", Down | esIgnoreBlanks, 0, -1, 0},
    {"a \r\n b", "ab", Down | esIgnoreBlanks | esIgnoreLineBreaks, 0, 0, 6},
    // Whole words stand between delimiters; "_" is one.
    {"a foo.", "foo", Word, 0, 2, 3},
    {"foobar", "foo", Word, 0, -1, 0},
    {"xfoo foo", "foo", Word, 0, 5, 3},
    {"a_foo_b", "foo", Word, 0, 2, 3},
    {"foo1 foo", "foo", Word, 0, 5, 3},
    // Half-width kana are word bytes, the half-width signs "､｡･" are not.
    {Sjis("ｱ") + "foo", "foo", Word, 0, -1, 0},
    {Sjis("､") + "foo", "foo", Word, 0, 1, 3},
    // A double-byte character is a word character whatever its trail byte.
    {Sjis("表") + "foo", "foo", Word, 0, -1, 0},
    {Sjis("ー") + "foo " + Sjis("ー") + "foo", "foo", Word, 0, -1, 0},
    {"foo foobar", "foo", esMatchCase | esWholeWord, 10, 0, 3},
};

TEST(HTSearch, FindsTheNextHitInTheGivenDirection)
{
    for (const SearchCase& c : Cases) {
        TSearchPos pos{c.From, 0};
        const bool found = SearchText(c.Text, pos, c.Pattern, c.Options);
        const std::pair<int, int> hit = found ? std::pair{pos.Start, pos.Length} : std::pair{-1, 0};
        EXPECT_EQ(hit, (std::pair{c.Start, c.Length})) << "\"" << c.Pattern << "\" in \"" << c.Text << "\"";
    }
}

TEST(HTSearch, LengthIsPassedOverFirstAndBadLengthFindsNothing)
{
    TSearchPos pos{1, 2};
    ASSERT_TRUE(SearchText("abcabc", pos, "bc", Exact));
    EXPECT_EQ(pos.Start, 4);
    pos = {0, -1};
    EXPECT_FALSE(SearchText("abc", pos, "a", Exact));
}

TEST(HTSearch, ToFullWidthConvertsHalfWidthCharactersAndKeepsDoubleBytes)
{
    EXPECT_EQ(ToFullWidth("Aa1 !~\\"), Sjis("Ａａ１　！￣￥"));
    EXPECT_EQ(ToFullWidth(Sjis("ｱｶﾞﾊﾟｳﾞｰ｡｢｣､")), Sjis("アガパヴー。「」、"));
    EXPECT_EQ(ToFullWidth("\xA5"), "\x81\x44"); // the half-width middle dot
    EXPECT_EQ(ToFullWidth(Sjis("漢ｶﾟ")), Sjis("漢カ゜"));
    EXPECT_EQ(ToFullWidth("\r\n\t"), "\r\n\t");
}

} // namespace
