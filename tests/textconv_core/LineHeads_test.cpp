// Joins, 「」 sentences, words, alphanumeric separation, line heads and
// line numbers.
#include "LineHeads.h"
#include "StrJoin.h"
#include "StrSeikeiEtc.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(LineLayout, JoinsAndBreaksLinesSplitsWordsAndSpacesAlphanumerics)
{
    ExpectConverted({
        // Joins keep the break before a full-width space.
        {JoinLinesExceptZenSpace, "あい\r\n　うえ\r\n", "あい\r\n　うえ"},
        {JoinLinesExceptZenSpace, "あい\r\nうえ\r\n", "あいうえ"},
        {JoinLinesExceptZenSpace, "あ\r\n\r\nい", "あい"}, // an empty line is joined too
        // A lone CR is one line break; the byte after it stays.
        {JoinLinesExceptZenSpace, "a\rb", "ab"},
        // Quote joins keep only the first break around an empty line.
        {JoinLinesForQuote, "あ\r\n\r\nい\r\nう\r\n「え」\r\n　お\r\n", "あ\r\nいう\r\n「え」\r\n　お"},
        {JoinLinesExceptMarks, "あ\r\nい\r\n□う\r\n●え\r\n【お】\r\n\r\nか\r\nき", "あい\r\n□う\r\n●え\r\n【お】\r\nかき"},
        // Only whole characters count: 亜 (88 9F) after the break is no mark.
        {JoinLinesExceptMarks, "あ\r\n亜", "あ亜"},
        // Each 「」 sentence goes on its own line.
        {BreakKagiSentences, "彼は「はい」と言った\r\n", "彼は\r\n「はい」\r\nと言った\r\n"},
        {BreakKagiSentences, "「はい」\r\n「いいえ」「うん」\r\n\r\n", "「はい」\r\n「いいえ」\r\n「うん」\r\n\r\n"},
        {BreakKagiSentences, "終わり」", "終わり」\r\n"}, {BreakKagiSentences, "", ""},
        {SplitWords, "ab cd\r\nあい　う", "ab\r\ncd\r\nあい　う\r\n"},
        {SplitWords, "a  b\r\n", "a\r\n\r\nb\r\n"}, // two spaces make an empty word
        {SplitWords, "", ""},
        // Letters and digits are spaced from double-byte text.
        {SeparateAlphanumerics, "abcあ", "abc あ"}, {SeparateAlphanumerics, "あabc", "あ abc"},
        {SeparateAlphanumerics, "第3章", "第 3 章"}, {SeparateAlphanumerics, "abc、x（y）z。1，", "abc、x（y）z。1，"},
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

TEST(LineLayout, PrefixesLines)
{
    ExpectConverted({
        // Leading blanks go before every line, empty ones too.
        {Bind(InsertLeadingSpaces, 2), "a\r\n\r\nb", "  a\r\n  \r\n  b"}, {Bind(InsertLeadingSpaces, 2), "", ""},
        {Bind(InsertLeadingSpaces, 0), "a", "a"}, {Bind(InsertLeadingTabs, 1), "a\r\nb\r\n", "\ta\r\n\tb\r\n"},
        {Bind(InsertLeadingZenSpaces, 2), "a\r\n", "　　a\r\n"},
        // Quote marks go before non-empty lines only.
        {Bind(InsertQuoteMarks, "> "), "a\r\n\r\nb\r\n", "> a\r\n\r\n> b\r\n"}, {Bind(InsertQuoteMarks, ""), "a", "a"},
    });
}

TEST(LogicalLinesToParagraphs, IndentsLinesThatDoNotStartAParagraph)
{
    EXPECT_EQ(U(LogicalLinesToParagraphs(S("本文\r\n\r\n(a)\r\n[b]\r\n1.\r\n　字下げ\r\n・点\r\n「会話」\r\n※注\r\n〒100\r\n"
                                           "☆星\r\nx"))),
              "　本文\r\n\r\n(a)\r\n[b]\r\n1.\r\n　字下げ\r\n・点\r\n「会話」\r\n※注\r\n〒100\r\n☆星\r\n　x");
    EXPECT_EQ(U(LogicalLinesToParagraphs(S("（注）\r\n【見出し】\r\n［1］\r\n◎\r\n"))), "（注）\r\n【見出し】\r\n［1］\r\n◎\r\n");
}

TEST(InsertLineNumbers, AlignsNumbersToTheLineCount)
{
    const std::string text = Repeat("x\r\n", 12);
    int next = 57;
    const std::string numbered = InsertLineNumbers(text, {"(", ") ", true, false}, next);
    EXPECT_TRUE(numbered.starts_with(" (1) x\r\n (2) x\r\n"));
    EXPECT_NE(numbered.find("\r\n (9) x\r\n(10) x\r\n(11) x\r\n(12) x\r\n"), std::string::npos);
    EXPECT_EQ(next, 13);
    // Without a text before the number the padding is part of it.
    next = 1;
    EXPECT_EQ(InsertLineNumbers(text.substr(0, 30), {"", ": ", true, false}, next).substr(0, 12), " 1: x\r\n 2: x");
}

TEST(InsertLineNumbers, ContinuesAndWrapsTheRunningNumber)
{
    int next = 999;
    EXPECT_EQ(InsertLineNumbers("a\r\nb\r\n\r\nc", {"", ".", false, true}, next), "999.a\r\n1000.b\r\n1.\r\n2.c");
    EXPECT_EQ(next, 3);
    EXPECT_EQ(InsertLineNumbers("d\r\n", {"", ".", false, true}, next), "3.d\r\n");
    next = 1001;
    EXPECT_EQ(InsertLineNumbers("a\r\n", {"", ".", false, true}, next), "1.a\r\n");
    // A number wider than the field needs no padding.
    next = 100;
    EXPECT_EQ(InsertLineNumbers("a\r\nb\r\n", {"", " ", true, true}, next), "100 a\r\n101 b\r\n");
}
