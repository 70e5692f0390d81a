#include "HTSearch.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

#include <optional>

using edtest::Sjis;

namespace {

// The hit of Pattern in Text from Start (and Length), or none.
std::optional<TSearchPos> Find(std::string_view Text, std::string_view Pattern, TEditorSearchOptions Options,
                               int Start = 0, int Length = 0)
{
    TSearchPos pos{Start, Length};
    if (!SearchText(Text, pos, Pattern, Options))
        return std::nullopt;
    return pos;
}

int StartOf(std::string_view Text, std::string_view Pattern, TEditorSearchOptions Options, int Start = 0)
{
    const std::optional<TSearchPos> hit = Find(Text, Pattern, Options, Start);
    return hit ? hit->Start : -1;
}

int LengthOf(std::string_view Text, std::string_view Pattern, TEditorSearchOptions Options)
{
    const std::optional<TSearchPos> hit = Find(Text, Pattern, Options);
    return hit ? hit->Length : -1;
}

constexpr TEditorSearchOptions Down = esDown;
constexpr TEditorSearchOptions Exact = esDown | esMatchCase;

TEST(HTSearch, ForwardsFromAfterTheGivenPlace)
{
    EXPECT_EQ(StartOf("abcabc", "bc", Exact), 1);
    EXPECT_EQ(StartOf("abcabc", "bc", Exact, 1), 1);
    EXPECT_EQ(StartOf("abcabc", "bc", Exact, 2), 4);
    // Length is passed over first: a search goes on after a hit.
    const std::optional<TSearchPos> next = Find("abcabc", "bc", Exact, 1, 2);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Start, 4);
    EXPECT_EQ(next->Length, 2);
    EXPECT_EQ(StartOf("abcabc", "bd", Exact), -1);
}

TEST(HTSearch, BadInputFindsNothing)
{
    EXPECT_FALSE(Find("abc", "", Exact));
    EXPECT_FALSE(Find("abc", "a", Exact, -1));
    EXPECT_FALSE(Find("abc", "a", Exact, 4));
    EXPECT_FALSE(Find("abc", "a", Exact, 0, -1));
    EXPECT_FALSE(Find("ab", "abc", Exact));
    EXPECT_FALSE(Find("", "a", Exact));
    // A text ending in a lone lead byte, blanks skipped up to the end.
    EXPECT_FALSE(Find("a \x82", "ab", Down | esIgnoreBlanks | esIgnoreWidth));
    EXPECT_FALSE(Find("a  ", "ab", Down | esIgnoreBlanks));
}

TEST(HTSearch, BackwardsFindsTheNearestHitBeforeTheStart)
{
    EXPECT_EQ(StartOf("abcabcabc", "bc", esMatchCase, 9), 7);
    EXPECT_EQ(StartOf("abcabcabc", "bc", esMatchCase, 8), 4);
    EXPECT_EQ(StartOf("abcabcabc", "bc", esMatchCase, 2), -1);
    // From the top of the text there is nothing.
    EXPECT_EQ(StartOf("abcabc", "a", esMatchCase, 0), -1);
    // A start inside a double-byte character moves to its start.
    const std::string text = "a" + Sjis("漢") + "a";
    EXPECT_EQ(StartOf(text, "a", esMatchCase, 3), 0);
}

TEST(HTSearch, HitsStartOnCharacterBoundariesOnly)
{
    // "ア" is 83 41, "ヂ" 83 61: their trail bytes read as "A" and "a".
    const std::string a = Sjis("ア");
    const std::string di = Sjis("ヂ");
    ASSERT_EQ(a, "\x83\x41");
    ASSERT_EQ(di, "\x83\x61");
    EXPECT_EQ(StartOf(di, "a", Exact), -1);
    EXPECT_EQ(StartOf(a, "A", Exact), -1);
    EXPECT_EQ(StartOf(di, "a", Down), -1);
    EXPECT_EQ(StartOf(di, "A", Down), -1);
    // A pattern's lead byte never starts on a text's trail byte: "ー" is
    // 81 5B and "ア" + "ー" is 83 41 81 5B; "A" + "ー" is not in it.
    EXPECT_EQ(StartOf(a + Sjis("ー"), "\x41" + Sjis("ー"), Down), -1);
    EXPECT_EQ(StartOf(Sjis("表示"), "\x5C", Exact), -1); // "表" is 95 5C
}

TEST(HTSearch, CaseFoldingNeverTouchesTrailBytes)
{
    const std::string a = Sjis("ア");
    const std::string di = Sjis("ヂ");
    EXPECT_EQ(StartOf("x" + di, a, Down), -1);
    EXPECT_EQ(StartOf("x" + a, di, Down), -1);
    EXPECT_EQ(StartOf("x" + di, di, Down), 1);
    EXPECT_EQ(StartOf("xABC", "abc", Down), 1);
    EXPECT_EQ(StartOf("xabc", "ABC", Down), 1);
    EXPECT_EQ(StartOf("xabc", "ABC", Exact), -1);
}

TEST(HTSearch, FullWidthLettersFoldByTheirCasePairs)
{
    EXPECT_EQ(StartOf(Sjis("ＡＢ"), Sjis("ａｂ"), Down), 0);
    EXPECT_EQ(StartOf(Sjis("ａｂ"), Sjis("ＡＢ"), Down), 0);
    EXPECT_EQ(StartOf(Sjis("ａｂ"), Sjis("ＡＢ"), Exact), -1);
    EXPECT_EQ(StartOf(Sjis("ΑΒΓ"), Sjis("αβγ"), Down), 0);
    EXPECT_EQ(StartOf(Sjis("ЖЯ"), Sjis("жя"), Down), 0);
    EXPECT_EQ(StartOf(Sjis("ОП"), Sjis("оп"), Down), 0); // across the gap at 84 7F
    // Small Roman numerals (EE EF-F8) match the capital ones (87 54-5D).
    EXPECT_EQ(StartOf("\xEE\xEF\xEE\xF8", "\x87\x54\x87\x5D", Down), 0);
    EXPECT_EQ(StartOf("\x87\x54", "\xEE\xEF", Down), 0);
    EXPECT_EQ(StartOf("\xEE\xEF", "\x87\x54", Exact), -1);
}

TEST(HTSearch, IgnoreWidthTakesHalfAndFullWidthFormsAsEqual)
{
    const TEditorSearchOptions width = Down | esIgnoreWidth;
    EXPECT_EQ(StartOf("xab", Sjis("ＡＢ"), width), 1);
    EXPECT_EQ(StartOf("xab", Sjis("ＡＢ"), width | esMatchCase), -1);
    EXPECT_EQ(StartOf("xAB", Sjis("ＡＢ"), width | esMatchCase), 1);
    EXPECT_EQ(StartOf(Sjis("ａｂ"), "AB", width), 0);
    // A voiced kana is one character of two half-width bytes.
    EXPECT_EQ(LengthOf("x" + Sjis("ｶﾞ"), Sjis("ガ"), width), 2);
    EXPECT_EQ(LengthOf("x" + Sjis("ｳﾞ"), Sjis("ヴ"), width), 2);
    EXPECT_EQ(LengthOf("x" + Sjis("ﾊﾟ"), Sjis("パ"), width), 2);
    EXPECT_EQ(LengthOf(Sjis("ガ"), Sjis("ｶﾞ"), width), 2);
    EXPECT_EQ(StartOf(Sjis("ｶﾞ"), Sjis("カ"), width), -1);
    EXPECT_EQ(StartOf(Sjis("ｱｲｳ") + "!", Sjis("イウ！"), width), 1);
    // The semi-voiced mark belongs to the h row only: "ｶﾟ" is "カ" and "゜".
    EXPECT_EQ(StartOf(Sjis("ｶﾟ"), Sjis("キ"), width), -1);
    EXPECT_EQ(LengthOf(Sjis("ｶﾟ"), Sjis("カ゜"), width), 2);
    EXPECT_EQ(StartOf(Sjis("ｶﾟ"), Sjis("ガ"), width), -1);
    // Without the option the forms differ.
    EXPECT_EQ(StartOf("xab", Sjis("ＡＢ"), Down), -1);
}

TEST(HTSearch, BackwardsWithIgnoreWidthCountsAVoicedKanaAsOneCharacter)
{
    const std::string text = Sjis("ｶﾞｶﾞ");
    const std::optional<TSearchPos> hit = Find(text, Sjis("ガ"), esIgnoreWidth, 4);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Start, 2);
    EXPECT_EQ(hit->Length, 2);
}

TEST(HTSearch, BlanksAndLineBreaksArePassedOverInsideAMatchOnly)
{
    EXPECT_EQ(LengthOf("a b", "ab", Down | esIgnoreBlanks), 3);
    EXPECT_EQ(LengthOf("a\t " + Sjis("　") + "b", "ab", Down | esIgnoreBlanks), 6);
    EXPECT_EQ(LengthOf("a b", "ab", Down), -1);
    // A blank before the first matched character is never skipped.
    const std::optional<TSearchPos> hit = Find(" ab", "ab", Down | esIgnoreBlanks);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Start, 1);
    EXPECT_EQ(hit->Length, 2);
    EXPECT_EQ(LengthOf("a\r\nb", "ab", Down | esIgnoreLineBreaks), 4);
    EXPECT_EQ(LengthOf("a\r\nb", "ab", Down | esIgnoreBlanks), -1);
    EXPECT_EQ(LengthOf("a \r\n b", "ab", Down | esIgnoreBlanks | esIgnoreLineBreaks), 6);
}

TEST(HTSearch, WholeWordsStandBetweenDelimiters)
{
    const TEditorSearchOptions word = Exact | esWholeWord;
    EXPECT_EQ(StartOf("a foo.", "foo", word), 2);
    EXPECT_EQ(StartOf("foobar", "foo", word), -1);
    EXPECT_EQ(StartOf("xfoo foo", "foo", word), 5);
    EXPECT_EQ(StartOf("foo", "foo", word), 0);
    // "_" is a delimiter of the plain search.
    EXPECT_EQ(StartOf("a_foo_b", "foo", word), 2);
    EXPECT_EQ(StartOf("foo1 foo", "foo", word), 5);
    // Half-width kana are word bytes, the half-width signs "､｡･" are not.
    EXPECT_EQ(StartOf(Sjis("ｱ") + "foo", "foo", word), -1);
    EXPECT_EQ(StartOf(Sjis("､") + "foo", "foo", word), 1);
    // A double-byte character is a word character, whatever its trail byte
    // looks like: "表" is 95 5C, "ー" 81 5B.
    EXPECT_EQ(StartOf(Sjis("表") + "foo", "foo", word), -1);
    EXPECT_EQ(StartOf(Sjis("ー") + "foo " + Sjis("ー") + "foo", "foo", word), -1);
    // Backwards the same.
    EXPECT_EQ(StartOf("foo foobar", "foo", esMatchCase | esWholeWord, 10), 0);
}

TEST(HTSearch, ToFullWidthConvertsHalfWidthCharactersAndKeepsDoubleBytes)
{
    EXPECT_EQ(ToFullWidth("Aa1 !~\\"), Sjis("Ａａ１　！￣￥"));
    EXPECT_EQ(ToFullWidth(Sjis("ｱｶﾞﾊﾟｳﾞｰ｡｢｣､")), Sjis("アガパヴー。「」、"));
    // The half-width middle dot becomes the full-width full stop.
    EXPECT_EQ(ToFullWidth("\xA5"), "\x81\x44");
    EXPECT_EQ(ToFullWidth(Sjis("漢ｶﾟ")), Sjis("漢カ゜"));
    EXPECT_EQ(ToFullWidth("\r\n\t"), "\r\n\t");
    EXPECT_EQ(ToFullWidth(""), "");
}

} // namespace
