// 「」 sentences, words and alphanumerics on lines of their own or spaced.
#include "StrSeikeiEtc.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(StrSeikeiEtc, BreaksLinesSplitsWordsAndSpacesAlphanumerics)
{
    ExpectConverted({
        // Each 「」 sentence goes on its own line.
        {BreakKagiSentences, "彼は「はい」と言った\r\n", "彼は\r\n「はい」\r\nと言った\r\n"},
        {BreakKagiSentences, "「はい」\r\n「いいえ」「うん」\r\n\r\n", "「はい」\r\n「いいえ」\r\n「うん」\r\n\r\n"},
        {BreakKagiSentences, "終わり」", "終わり」\r\n"},
        {BreakKagiSentences, "", ""},
        {SplitWords, "ab cd\r\nあい　う", "ab\r\ncd\r\nあい　う\r\n"},
        {SplitWords, "a  b\r\n", "a\r\n\r\nb\r\n"}, // two spaces make an empty word
        {SplitWords, "", ""},
        // Letters and digits are spaced from double-byte text.
        {SeparateAlphanumerics, "abcあ", "abc あ"},
        {SeparateAlphanumerics, "あabc", "あ abc"},
        {SeparateAlphanumerics, "第3章", "第 3 章"},
        {SeparateAlphanumerics, "abc、x（y）z。1，", "abc、x（y）z。1，"},
        {SeparateAlphanumerics, "（abc）　a゛b", "（abc）　a ゛b"},
        // Half-width kana and symbols are not alphanumerics.
        {SeparateAlphanumerics, "ｱあ-い", "ｱあ-い"},
        // A line break ends the neighbourhood, and a final one stays.
        {SeparateAlphanumerics, "a\r\nあ\r\n", "a\r\nあ\r\n"},
    });
}

TEST(BreakKagiSentences, BreaksLinesOverTheLimitWithoutLosingBytes)
{
    const std::string line = Repeat(S("あ"), 4097);
    EXPECT_EQ(BreakKagiSentences(line + "\r\n"), line.substr(0, 8192) + "\r\n" + S("あ") + "\r\n");
}
