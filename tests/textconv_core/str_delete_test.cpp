// The deletions.
#include "StrDeleteEtc.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(DeleteAllLineBreaks, RemovesEveryLineBreakOfAnyText)
{
    EXPECT_EQ(DeleteAllLineBreaks("a\r\nb\r\n\r\nc\r\n"), "abc");
    EXPECT_EQ(DeleteAllLineBreaks(""), "");
    // Longer than the 8,192 bytes the command once refused silently.
    std::string text, expected;
    for (int i = 0; i < 3000; ++i) {
        text += "abc\r\n";
        expected += "abc";
    }
    EXPECT_EQ(DeleteAllLineBreaks(text), expected);
    EXPECT_EQ(DeleteAllLineBreaks(std::string(8193, 'a')), std::string(8193, 'a'));
}

TEST(DeleteAllLineBreaks, KeepsTheByteAfterALoneCarriageReturn)
{
    EXPECT_EQ(DeleteAllLineBreaks(S("a\rあ")), S("aあ"));
}

TEST(DeleteEmptyLines, RemovesEveryEmptyLine)
{
    EXPECT_EQ(DeleteEmptyLines("\r\n\r\na\r\n\r\n\r\nb\r\n\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(DeleteEmptyLines("a\r\nb"), "a\r\nb");
}

TEST(DeleteRepeatedEmptyLines, LeavesOneEmptyLine)
{
    EXPECT_EQ(DeleteRepeatedEmptyLines("A\r\n\r\n\r\n\r\nB"), "A\r\n\r\nB");
    EXPECT_EQ(DeleteRepeatedEmptyLines("A\r\nB\r\n\r\nC"), "A\r\nB\r\n\r\nC");
    // At the text start and at its end, a run of breaks also becomes two.
    EXPECT_EQ(DeleteRepeatedEmptyLines("\r\n\r\n\r\nA\r\n\r\n\r\n"), "\r\n\r\nA\r\n\r\n");
    // A lone CR counts as a line break, and keeps the byte after it.
    EXPECT_EQ(DeleteRepeatedEmptyLines("A\r\r\r\nB\rC"), "A\r\rB\rC");
}

TEST(DeleteSpaces, RemovesSpacesAndTabsAtLineStarts)
{
    EXPECT_EQ(DeleteAllSpaces(S(" a b　c ")), S("ab　c"));
    EXPECT_EQ(DeleteLeadingSpaces("  a b\r\n   c\r\n"), "a b\r\nc\r\n");
    EXPECT_EQ(DeleteLeadingSpace("  a\r\n b\r\nc"), " a\r\nb\r\nc");
    EXPECT_EQ(DeleteLeadingTabs("\t\ta\t\r\n\tb"), "a\t\r\nb");
    EXPECT_EQ(DeleteLeadingTab("\t\ta\r\n\tb"), "\ta\r\nb");
    EXPECT_EQ(U(DeleteLeadingBlanks(S(" 　 a　\r\n　b"))), "a　\r\nb");
}

TEST(DeleteSpaces, KeepEmptyLinesAndLoneCarriageReturns)
{
    EXPECT_EQ(DeleteLeadingSpace("\r\n a\r\r\n b\r"), "\r\na\r\r\nb\r");
    EXPECT_EQ(DeleteLeadingTab("\r\n\ta\r\tb"), "\r\na\rb");
    EXPECT_EQ(DeleteLeadingSpaces("  \r\n  "), "\r\n");
}

TEST(DeleteTrailingBlanks, RemovesBlanksBeforeLineBreaksOnly)
{
    EXPECT_EQ(DeleteTrailingBlanks("a  \r\nb  "), "a\r\nb  ");
    EXPECT_EQ(U(DeleteTrailingBlanks(S("あ　 \r\n \r\n"))), "あ\r\n\r\n");
}

TEST(BlankRoutines, KnowAFullWidthSpaceFromATrailByteAndAt)
{
    const std::string meAt = Bytes({0x83, 0x81, 0x40}); // メ@
    EXPECT_EQ(DeleteTrailingBlanks(meAt + "\r\n"), meAt + "\r\n");
    EXPECT_EQ(DeleteLeadingBlanks(meAt), meAt);
}

TEST(DeleteLeadingChars, NeverSplitsACharacter)
{
    EXPECT_EQ(U(DeleteLeadingChars(S("あいう"), 3)), "う");
    EXPECT_EQ(U(DeleteLeadingChars(S("あいう"), 4)), "う");
    // Every byte of 亜 (88 9F) has a lead-byte value.
    EXPECT_EQ(U(DeleteLeadingChars(S("亜亜亜"), 3)), "亜");
    EXPECT_EQ(U(DeleteLeadingChars(S("ab亜c"), 3)), "c");
    EXPECT_EQ(DeleteLeadingChars("abc", 5), "");
    EXPECT_EQ(DeleteLeadingChars("abc", 0), "abc");
    EXPECT_EQ(DeleteLeadingChars("abc", -1), "abc");
}

TEST(DeleteLineHeads, CutsEveryNonEmptyLine)
{
    EXPECT_EQ(U(DeleteLineHeads(S("abc\r\n\r\nあい"), 2)), "c\r\n\r\nい\r\n");
    EXPECT_EQ(DeleteLineHeads("abc", 0), "abc");
    EXPECT_EQ(DeleteLineHeads("", 2), "");
}

TEST(DeleteDuplicateLines, KeepsFirstOccurrences)
{
    EXPECT_EQ(DeleteDuplicateLines("a\r\nb\r\na"), "a\r\nb\r\n");
    EXPECT_EQ(DeleteDuplicateLines("\r\na\r\n\r\nA\r\n"), "\r\na\r\nA\r\n");
    EXPECT_EQ(DeleteDuplicateLines(""), "");
}

TEST(ZenRtnZenDel, JoinsLinesBetweenDoubleByteCharacters)
{
    EXPECT_EQ(U(ZenRtnZenDel(S("あ\r\nい\r\nう"))), "あいう");
    EXPECT_EQ(U(ZenRtnZenDel(S("a\r\nい"))), "a\r\nい");
    EXPECT_EQ(U(ZenRtnZenDel(S("あ\r\ni"))), "あ\r\ni");
    EXPECT_EQ(U(ZenRtnZenDel(S("あ\r\n\r\nい"))), "あ\r\n\r\nい");
    EXPECT_EQ(ZenRtnZenDel(S("あ\r\n") + Bytes({0x82})), S("あ\r\n") + Bytes({0x82}));
}

TEST(ZenSpcZenDel, RemovesOneSpaceBetweenDoubleByteCharacters)
{
    EXPECT_EQ(U(ZenSpcZenDel(S("あ い う"))), "あいう");
    EXPECT_EQ(U(ZenSpcZenDel(S("あ  い"))), "あ  い");
    EXPECT_EQ(U(ZenSpcZenDel(S("a い あ b"))), "a いあ b");
    // A lead byte with no trail after it is no double-byte character.
    EXPECT_EQ(ZenSpcZenDel(S("あ ") + Bytes({0x82})), S("あ ") + Bytes({0x82}));
}

TEST(ZenKeisenDel, RemovesRuledLineCharactersOnly)
{
    EXPECT_EQ(U(ZenKeisenDel(S("┌─┐│あ│└─┘╂"))), "あ");
    // 84 9E and 84 BF lie just outside the ruled lines.
    const std::string outside = Bytes({0x84, 0x9E, 0x84, 0xBF});
    EXPECT_EQ(ZenKeisenDel(outside), outside);
}
