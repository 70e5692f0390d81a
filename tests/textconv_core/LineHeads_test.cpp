// Line heads: leading blanks and quote marks, paragraph indents and line
// numbers.
#include "LineHeads.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(LineLayout, PrefixesLines)
{
    // clang-format off
    ExpectConverted({
        // Leading blanks go before every line, empty ones too.
        {Bind(InsertLeadingSpaces, 2), "a\r\n\r\nb", "  a\r\n  \r\n  b"}, {Bind(InsertLeadingSpaces, 2), "", ""},
        {Bind(InsertLeadingSpaces, 0), "a", "a"}, {Bind(InsertLeadingTabs, 1), "a\r\nb\r\n", "\ta\r\n\tb\r\n"},
        {Bind(InsertLeadingZenSpaces, 2), "a\r\n", "　　a\r\n"},
        // Quote marks go before non-empty lines only.
        {Bind(InsertQuoteMarks, "> "), "a\r\n\r\nb\r\n", "> a\r\n\r\n> b\r\n"}, {Bind(InsertQuoteMarks, ""), "a", "a"},
    });
    // clang-format on
}

TEST(LogicalLinesToParagraphs, IndentsLinesThatDoNotStartAParagraph)
{
    EXPECT_EQ(
        U(LogicalLinesToParagraphs(S("本文\r\n\r\n(a)\r\n[b]\r\n1.\r\n　字下げ\r\n・点\r\n「会話」\r\n※注\r\n〒100\r\n"
                                     "☆星\r\nx"))),
        "　本文\r\n\r\n(a)\r\n[b]\r\n1.\r\n　字下げ\r\n・点\r\n「会話」\r\n※注\r\n〒100\r\n☆星\r\n　x");
    EXPECT_EQ(U(LogicalLinesToParagraphs(S("（注）\r\n【見出し】\r\n［1］\r\n◎\r\n"))),
              "（注）\r\n【見出し】\r\n［1］\r\n◎\r\n");
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
