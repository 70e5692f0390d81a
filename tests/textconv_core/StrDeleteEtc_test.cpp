// The deletions: of line breaks, blanks, line heads and duplicate lines.
#include "StrDeleteEtc.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(Deletions, RemoveWhatTheyNameAndKeepTheRest)
{
    const auto leadingChars = [](int Count) { return Bind(DeleteLeadingChars, Count); };
    const auto lineHeads = [](int Count) { return Bind(DeleteLineHeads, Count); };
    // clang-format off
    ExpectConverted({
        {DeleteAllLineBreaks, "a\r\nb\r\n\r\nc\r\n", "abc"}, {DeleteAllLineBreaks, "", ""},
        // A lone CR is removed; the byte after it stays.
        {DeleteAllLineBreaks, "a\rあ", "aあ"}, {DeleteEmptyLines, "\r\n\r\na\r\n\r\n\r\nb\r\n\r\n", "a\r\nb\r\n"},
        {DeleteEmptyLines, "a\r\nb", "a\r\nb"}, {DeleteRepeatedEmptyLines, "A\r\n\r\n\r\n\r\nB", "A\r\n\r\nB"},
        {DeleteRepeatedEmptyLines, "A\r\nB\r\n\r\nC", "A\r\nB\r\n\r\nC"},
        // At the text start and at its end, a run of breaks also becomes two.
        {DeleteRepeatedEmptyLines, "\r\n\r\n\r\nA\r\n\r\n\r\n", "\r\n\r\nA\r\n\r\n"},
        // A lone CR counts as a line break, and keeps the byte after it.
        {DeleteRepeatedEmptyLines, "A\r\r\r\nB\rC", "A\r\rB\rC"}, {DeleteAllSpaces, " a b　c ", "ab　c"},
        {DeleteLeadingSpaces, "  a b\r\n   c\r\n", "a b\r\nc\r\n"}, {DeleteLeadingSpaces, "  \r\n  ", "\r\n"},
        {DeleteLeadingSpace, "  a\r\n b\r\nc", " a\r\nb\r\nc"},
        {DeleteLeadingSpace, "\r\n a\r\r\n b\r", "\r\na\r\r\nb\r"}, {DeleteLeadingTabs, "\t\ta\t\r\n\tb", "a\t\r\nb"},
        {DeleteLeadingTab, "\t\ta\r\n\tb", "\ta\r\nb"}, {DeleteLeadingTab, "\r\n\ta\r\tb", "\r\na\rb"},
        {DeleteLeadingBlanks, " 　 a　\r\n　b", "a　\r\nb"}, {DeleteTrailingBlanks, "a  \r\nb  ", "a\r\nb  "},
        {DeleteTrailingBlanks, "あ　 \r\n \r\n", "あ\r\n\r\n"}, {leadingChars(3), "あいう", "う"},
        {leadingChars(4), "あいう", "う"},
        // Every byte of 亜 (88 9F) has a lead-byte value.
        {leadingChars(3), "亜亜亜", "亜"}, {leadingChars(3), "ab亜c", "c"}, {leadingChars(5), "abc", ""},
        {leadingChars(0), "abc", "abc"}, {leadingChars(-1), "abc", "abc"},
        {lineHeads(2), "abc\r\n\r\nあい", "c\r\n\r\nい\r\n"}, {lineHeads(0), "abc", "abc"}, {lineHeads(2), "", ""},
        {DeleteDuplicateLines, "a\r\nb\r\na", "a\r\nb\r\n"},
        {DeleteDuplicateLines, "\r\na\r\n\r\nA\r\n", "\r\na\r\nA\r\n"}, {DeleteDuplicateLines, "", ""},
        {ZenRtnZenDel, "あ\r\nい\r\nう", "あいう"}, {ZenRtnZenDel, "a\r\nい", "a\r\nい"},
        {ZenRtnZenDel, "あ\r\ni", "あ\r\ni"}, {ZenRtnZenDel, "あ\r\n\r\nい", "あ\r\n\r\nい"},
        {ZenSpcZenDel, "あ い う", "あいう"}, {ZenSpcZenDel, "あ  い", "あ  い"},
        {ZenSpcZenDel, "a い あ b", "a いあ b"}, {ZenKeisenDel, "┌─┐│あ│└─┘╂", "あ"},
    });
    // clang-format on
}

TEST(Deletions, HaveNoLengthLimit)
{
    // Longer than the 8,192 bytes the command once refused silently.
    EXPECT_EQ(DeleteAllLineBreaks(Repeat("abc\r\n", 3000)), Repeat("abc", 3000));
    EXPECT_EQ(DeleteAllLineBreaks(std::string(8193, 'a')), std::string(8193, 'a'));
}

TEST(Deletions, KnowCharactersFromStrayAndTrailBytes)
{
    const std::string meAt = Bytes({0x83, 0x81, 0x40}); // メ@: no full-width space
    EXPECT_EQ(DeleteTrailingBlanks(meAt + "\r\n"), meAt + "\r\n");
    EXPECT_EQ(DeleteLeadingBlanks(meAt), meAt);
    // A lead byte with no trail after it is no double-byte character.
    EXPECT_EQ(ZenRtnZenDel(S("あ\r\n") + Bytes({0x82})), S("あ\r\n") + Bytes({0x82}));
    EXPECT_EQ(ZenSpcZenDel(S("あ ") + Bytes({0x82})), S("あ ") + Bytes({0x82}));
    // 84 9E and 84 BF lie just outside the ruled lines.
    const std::string outside = Bytes({0x84, 0x9E, 0x84, 0xBF});
    EXPECT_EQ(ZenKeisenDel(outside), outside);
}
