// The formatting command's bodies: wrap formatting, the ruled box and quote
// formatting.
#include "Seikei.h"
#include "SysUtils.h"
#include "TestText.h"
#include "line_layout_util.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace textconv;
using ::testing::ElementsAre;

namespace {

std::string Repeat(std::string_view Utf8, int Count)
{
    std::string out;
    for (int i = 0; i < Count; ++i)
        out += Utf8;
    return out;
}

TSeikeiOptions WithWidth(std::string Width, int Index = 0)
{
    TSeikeiOptions options;
    options.Index = Index;
    options.Width = std::move(Width);
    return options;
}

} // namespace

TEST(WrapFormat, WrapsAndKeepsTheSelectionsLineEnd)
{
    EXPECT_EQ(U(WrapFormat(S("あいうえおかきくけこさ"), WithWidth("10"))), "あいうえお\r\nかきくけこ\r\nさ");
    EXPECT_EQ(U(WrapFormat(S("あいうえおかきくけこさ\r\n"), WithWidth("10"))), "あいうえお\r\nかきくけこ\r\nさ\r\n");
    EXPECT_EQ(WrapFormat("abc  \r\nd", WithWidth("10")), "abc\r\nd");
}

TEST(WrapFormat, NeverWrapsTheTextAway)
{
    const std::string text = S("あいうえおかきくけこさ");
    for (const char* width : {"0", "1", "-5"})
        EXPECT_EQ(U(WrapFormat(text, WithWidth(width))), "あいうえお\r\nかきくけこ\r\nさ") << width;
    // A width that is no number is 72; the maximum ignores the width.
    EXPECT_EQ(WrapFormat(text, WithWidth("abc")), text);
    TSeikeiOptions max = WithWidth("10");
    max.SeikeiMax = true;
    const std::string line(9000, 'a');
    EXPECT_EQ(WrapFormat(line, max), line.substr(0, 8193) + "\r\n" + line.substr(8193));
}

TEST(WrapFormat, JoinsParagraphsByMode)
{
    EXPECT_EQ(U(WrapFormat(S("あいう\r\nえお\r\n　かき\r\n"), WithWidth("72", 1))), "あいうえお\r\n　かき\r\n");
    EXPECT_EQ(U(WrapFormat(S("あ\r\nい\r\n□う\r\nえ\r\n"), WithWidth("72", 2))), "あい\r\n□うえ\r\n");
    TSeikeiOptions indent = WithWidth("10");
    indent.Indent = true;
    EXPECT_EQ(U(WrapFormat(S("  あいうえおかき\r\n"), indent)), "  あいうえ\r\n  おかき\r\n");
}

TEST(KeisenFormat, WrapsParagraphsInsideTheEditorsWrapColumn)
{
    TSeikeiOptions options = WithWidth("72", 3);
    options.WrapByteCache = 60; // 72 -> 59 -> 58 -> 56
    const std::optional<std::string> box = KeisenFormat(S(Repeat("あ", 40)), options);
    ASSERT_TRUE(box);
    EXPECT_THAT(UtfLines(*box), ElementsAre("", "┌" + Repeat("─", 27) + "┐", "│" + Repeat("あ", 27) + "│",
                                            "│" + Repeat("あ", 13) + std::string(28, ' ') + "│", "└" + Repeat("─", 27) + "┘"));
    options.KeisenBig = true;
    EXPECT_THAT(UtfLines(*KeisenFormat("a", options)), ElementsAre("", "┏━┓", "┃a ┃", "┗━┛"));
}

TEST(KeisenFormat, DoesNothingBelowEightBytes)
{
    EXPECT_FALSE(KeisenFormat("abc", WithWidth("9")));
    TSeikeiOptions narrowEditor = WithWidth("72");
    narrowEditor.WrapByteCache = 9;
    EXPECT_FALSE(KeisenFormat("abc", narrowEditor));
    EXPECT_FALSE(KeisenFormat("", WithWidth("72")));
    EXPECT_FALSE(KeisenFormat("\r\n", WithWidth("72")));
    EXPECT_THROW(KeisenFormat("abc", WithWidth("abc")), EConvertError);
}

TEST(KeisenFormat, KeepsTheTextsOwnFullWidthSpacesAndAtSigns)
{
    TSeikeiOptions keep = WithWidth("72");
    keep.KeisenRtn = true;
    EXPECT_THAT(UtfLines(*KeisenFormat(S("a@@b　c\r\n"), keep)), ElementsAre("", "┌────┐", "│a@@b　c │", "└────┘"));
    // A character of the stand-in row in the text survives too.
    const std::string unassigned = Bytes({0x85, 0x40});
    const std::string box = *KeisenFormat(unassigned + S("　x"), keep);
    EXPECT_NE(box.find(unassigned + S("　x")), std::string::npos);

    // The text's own "　" at a paragraph start indents its first line only.
    TSeikeiOptions narrow = WithWidth("72");
    narrow.WrapByteCache = 60;
    EXPECT_THAT(UtfLines(*KeisenFormat(S("　" + Repeat("あ", 40)), narrow)),
                ElementsAre("", "┌" + Repeat("─", 27) + "┐", "│　" + Repeat("あ", 26) + "│",
                            "│" + Repeat("あ", 14) + std::string(26, ' ') + "│", "└" + Repeat("─", 27) + "┘"));
}

TEST(KeisenFormat, TakesLeadingSpacesOffWhenTheSecondLineHasThem)
{
    TSeikeiOptions keep = WithWidth("72");
    keep.KeisenRtn = true;
    EXPECT_THAT(UtfLines(*KeisenFormat("a\r\n b\r\n", keep)), ElementsAre("", "┌─┐", "│a │", "│b │", "└─┘"));
    EXPECT_THAT(UtfLines(*KeisenFormat("a\r\n b\r\n", WithWidth("72"))), ElementsAre("", "┌─┐", "│ab│", "└─┘"));
}

TEST(CommentFormat, RequotesTheWrappedParagraphs)
{
    TSeikeiOptions quote = WithWidth("72", 4);
    quote.QMark = "> ";
    EXPECT_EQ(CommentFormat("> > abc\r\n> def\r\n", quote), "> abcdef\r\n");
    EXPECT_EQ(CommentFormat("a\r\n\r\nb", quote), "> a\r\n> b\r\n");
    quote.QMark = ">";
    EXPECT_EQ(CommentFormat("> >abc\r\n", quote), ">abc\r\n");
    quote.QMark = S("＞");
    EXPECT_EQ(U(CommentFormat(S("＞＞あ\r\n＞い\r\n"), quote)), "＞あい\r\n");
    quote.QMark = "";
    EXPECT_EQ(CommentFormat("abc\r\n\r\ndef", quote), "abc\r\ndef\r\n");
}

TEST(CommentFormat, WrapsWithoutIndentationAndNeverToNothing)
{
    TSeikeiOptions quote = WithWidth("0", 4);
    quote.QMark = "> ";
    quote.Indent = true;
    EXPECT_EQ(U(CommentFormat(S("  あいうえおかきくけ"), quote)), ">   あいうえ\r\n> おかきくけ\r\n");
    EXPECT_THROW(CommentFormat("abc", WithWidth("1O")), EConvertError);
}

TEST(SeikeiFormat, DispatchesByMode)
{
    const std::string text = S("あいうえおかきくけこさ");
    EXPECT_EQ(SeikeiFormat(text, WithWidth("10", 9)), WrapFormat(text, WithWidth("10")));
    EXPECT_EQ(SeikeiFormat(text, WithWidth("72", 3)), KeisenFormat(text, WithWidth("72")));
    EXPECT_EQ(SeikeiFormat(text, WithWidth("72", 4)), CommentFormat(text, WithWidth("72")));
    EXPECT_FALSE(SeikeiFormat("", WithWidth("10")));
}
