// The formatting command's bodies: wrap formatting, the ruled box and quote
// formatting.
#include "Seikei.h"
#include "SysUtils.h"
#include "TestText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

using namespace textconv;
using ::testing::ElementsAre;

namespace {

// Any width, however extreme, without overflowing: below eight bytes the
// text stays as it is, above the largest the largest is used.
TEST(KeisenFormat, DoesNothingBelowEightBytesAndActsAsTheLargestAboveIt)
{
    EXPECT_FALSE(KeisenFormat("abc", {.Width = "9"}));
    EXPECT_FALSE(KeisenFormat("abc", {.WrapByteCache = 9}));
    EXPECT_FALSE(KeisenFormat("", {}));
    EXPECT_FALSE(KeisenFormat("\r\n", {}));
    EXPECT_THROW(KeisenFormat("abc", {.Width = "abc"}), EConvertError);
    EXPECT_FALSE(KeisenFormat("abc", {.WrapByteCache = INT_MIN}));
    EXPECT_FALSE(KeisenFormat("abc", {.Width = "-2147483648"}));
    EXPECT_FALSE(KeisenFormat("abc", {.Width = "-99999999999", .WrapByteCache = INT_MIN}));
    const auto largest = KeisenFormat("abc", {.Width = "8192", .WrapByteCache = 8193});
    ASSERT_TRUE(largest);
    EXPECT_EQ(KeisenFormat("abc", {.Width = "99999999999", .WrapByteCache = INT_MAX}), largest);
}

TEST(SeikeiFormat, DispatchesByMode)
{
    const std::string text = S("あいうえおかきくけこさ");
    EXPECT_EQ(SeikeiFormat(text, {.Index = 9, .Width = "10"}), WrapFormat(text, {.Width = "10"}));
    EXPECT_EQ(SeikeiFormat(text, {.Index = 3}), KeisenFormat(text, {}));
    EXPECT_EQ(SeikeiFormat(text, {.Index = 4}), CommentFormat(text, {}));
    EXPECT_FALSE(SeikeiFormat("", {.Width = "10"}));
}

TEST(WrapFormat, WrapsKeepsTheSelectionsLineEndAndNeverWrapsTheTextAway)
{
    const std::string text = S("あいうえおかきくけこさ");
    for (const char* width : {"10", "0", "1", "-5"})
        EXPECT_EQ(U(WrapFormat(text, {.Width = width})), "あいうえお\r\nかきくけこ\r\nさ") << width;
    EXPECT_EQ(U(WrapFormat(text + "\r\n", {.Width = "10"})), "あいうえお\r\nかきくけこ\r\nさ\r\n");
    EXPECT_EQ(WrapFormat("abc  \r\nd", {.Width = "10"}), "abc\r\nd");
    // A width that is no number is 72; the maximum ignores the width.
    EXPECT_EQ(WrapFormat(text, {.Width = "abc"}), text);
    const std::string line(9000, 'a');
    EXPECT_EQ(WrapFormat(line, {.Width = "10", .SeikeiMax = true}), line.substr(0, 8193) + "\r\n" + line.substr(8193));
}

TEST(WrapFormat, JoinsParagraphsByMode)
{
    EXPECT_EQ(U(WrapFormat(S("あいう\r\nえお\r\n　かき\r\n"), {.Index = 1})), "あいうえお\r\n　かき\r\n");
    EXPECT_EQ(U(WrapFormat(S("あ\r\nい\r\n□う\r\nえ\r\n"), {.Index = 2})), "あい\r\n□うえ\r\n");
    EXPECT_EQ(U(WrapFormat(S("  あいうえおかき\r\n"), {.Width = "10", .Indent = true})), "  あいうえ\r\n  おかき\r\n");
}

TEST(KeisenFormat, KeepsTheTextsOwnFullWidthSpacesAtSignsAndLineStarts)
{
    const TSeikeiOptions keep{.KeisenRtn = true};
    EXPECT_THAT(UtfLines(*KeisenFormat(S("a@@b　c\r\n"), keep)), ElementsAre("", "┌────┐", "│a@@b　c │", "└────┘"));
    // A character of the stand-in row in the text survives too.
    const std::string unassigned = Bytes({0x85, 0x40});
    EXPECT_NE(KeisenFormat(unassigned + S("　x"), keep)->find(unassigned + S("　x")), std::string::npos);
    // Leading spaces of the second line go only when the lines are joined.
    EXPECT_THAT(UtfLines(*KeisenFormat("a\r\n b\r\n", keep)), ElementsAre("", "┌─┐", "│a │", "│b │", "└─┘"));
    EXPECT_THAT(UtfLines(*KeisenFormat("a\r\n b\r\n", {})), ElementsAre("", "┌─┐", "│ab│", "└─┘"));
    // The heavy frame, padded to an even width; an empty line is a line of the box.
    EXPECT_THAT(UtfLines(*KeisenFormat("abc\r\n\r\n", {.KeisenBig = true, .KeisenRtn = true})),
                ElementsAre("", "┏━━┓", "┃abc ┃", "┃    ┃", "┗━━┛"));
}

TEST(CommentFormat, RequotesTheWrappedParagraphs)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"> ", "> > abc\r\n> def\r\n", "> abcdef\r\n"},
        {"> ", "a\r\n\r\nb", "> a\r\n> b\r\n"},
        {">", "> >abc\r\n", ">abc\r\n"},
        {S("＞"), S("＞＞あ\r\n＞い\r\n"), S("＞あい\r\n")},
        {"", "abc\r\n\r\ndef", "abc\r\ndef\r\n"},
    };
    for (const auto& [mark, text, expected] : cases)
        EXPECT_EQ(U(CommentFormat(text, {.Index = 4, .QMark = mark})), U(expected)) << U(text);
}

TEST(CommentFormat, WrapsWithoutIndentationAndNeverToNothing)
{
    EXPECT_EQ(U(CommentFormat(S("  あいうえおかきくけ"), {.Index = 4, .Width = "0", .Indent = true, .QMark = "> "})),
              ">   あいうえ\r\n> おかきくけ\r\n");
    EXPECT_THROW(CommentFormat("abc", {.Width = "1O"}), EConvertError);
}

} // namespace
