// WrapLines: widths, Japanese line breaking, English word wrap, indentation.
#include "TestText.h"
#include "WrapLines.h"
#include "line_layout_util.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace textconv;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> Wrap(std::string_view Utf8, int Width, TWrapOptions Options = {})
{
    return UtfLines(WrapLines(S(Utf8), Width, Options));
}

} // namespace

TEST(WrapLines, BreaksDoubleByteTextAtTheWidth)
{
    EXPECT_THAT(Wrap("漢字漢字漢字漢字漢字漢字\r\n", 10), ElementsAre("漢字漢字漢", "字漢字漢字", "漢字"));
    // A double-byte character starting one byte short of the width is kept whole.
    EXPECT_THAT(Wrap("aあいうえおか\r\n", 10), ElementsAre("aあいうえお", "か"));
}

TEST(WrapLines, MovesAnOpenerInTheLastTwoBytesToTheNextLine)
{
    EXPECT_THAT(Wrap("あいうえ「お」\r\n", 10), ElementsAre("あいうえ", "「お」"));
    EXPECT_THAT(Wrap("aあいうえ「お」\r\n", 10), ElementsAre("aあいうえ", "「お」"));
    EXPECT_THAT(Wrap("あいう「えおか」\r\n", 10), ElementsAre("あいう「え", "おか」"));
}

TEST(WrapLines, LetsPunctuationAndClosersHang)
{
    EXPECT_THAT(Wrap("あいうえお、かき\r\n", 10), ElementsAre("あいうえお、", "かき"));
    // A run of hanging characters hangs whole, so none begins a line.
    EXPECT_THAT(Wrap("あいうえお。」か\r\n", 10), ElementsAre("あいうえお。」", "か"));
    EXPECT_THAT(Wrap("abcdefghijk、x\r\n", 10), ElementsAre("abcdefghijk、", "x"));
    // A long run stretches the line by four characters at most.
    EXPECT_THAT(Wrap("あいうえお・・・・・・\r\n", 10), ElementsAre("あいうえお・・・・", "・・"));
    EXPECT_THAT(Wrap("abcdefghijk、、、、\r\n", 10), ElementsAre("abcdefghijk、、、", "、"));
}

TEST(WrapLines, AddsNoEmptyLineAfterAHangingLineEnd)
{
    EXPECT_THAT(Wrap("あいうえお。\r\n", 10), ElementsAre("あいうえお。"));
    EXPECT_THAT(Wrap("あいうえお。\r\nかきく\r\n", 10), ElementsAre("あいうえお。", "かきく"));
    EXPECT_THAT(Wrap("abcdefghijk\r\n\r\nx\r\n", 10), ElementsAre("abcdefghijk", "", "x"));
    // Blanks alone after a wrap end the wrapped line.
    EXPECT_THAT(Wrap("あいうえお  \r\nか\r\n", 10), ElementsAre("あいうえお  ", "か"));
}

TEST(WrapLines, PlacesSingleByteClosersAndOpenersAtTheWidth)
{
    // A plain byte arriving at the width ends its line one byte over.
    EXPECT_THAT(Wrap("abcdefghijklm\r\n", 10), ElementsAre("abcdefghijk", "lm"));
    EXPECT_THAT(Wrap("abcdefghijk)x\r\n", 10), ElementsAre("abcdefghijk)", "x"));
    EXPECT_THAT(Wrap("abcdefghij)x\r\n", 10), ElementsAre("abcdefghij)", "x"));
    EXPECT_THAT(Wrap("abcdefghij(x)\r\n", 10), ElementsAre("abcdefghij", "(x)"));
    EXPECT_THAT(Wrap("abcdefghijｱ｡x\r\n", 10), ElementsAre("abcdefghijｱ｡", "x"));
    EXPECT_THAT(Wrap("abcdefghij｢ｱ｣\r\n", 10), ElementsAre("abcdefghij", "｢ｱ｣"));
}

TEST(WrapLines, KeepsEnglishWordsWhole)
{
    const TWrapOptions english{.English = true};
    EXPECT_THAT(Wrap("hello world again\r\n", 10, english), ElementsAre("hello ", "world ", "again"));
    // One letter arriving exactly at the width stays on its line.
    EXPECT_THAT(Wrap("abcdefghi a\r\n", 10, english), ElementsAre("abcdefghi a"));
    EXPECT_THAT(Wrap("abcdefghi ab\r\n", 10, english), ElementsAre("abcdefghi ", "ab"));
}

TEST(WrapLines, BreaksAnEnglishWordLongerThanALine)
{
    const TWrapOptions english{.English = true};
    EXPECT_THAT(Wrap("abcdefghijklmnopqrstuvwxy\r\n", 10, english), ElementsAre("abcdefghij", "klmnopqrst", "uvwxy"));
    EXPECT_THAT(Wrap("ab abcdefghijklmno\r\n", 10, english), ElementsAre("ab ", "abcdefghij", "klmno"));
    const TWrapOptions indented{.English = true, .Indent = true};
    EXPECT_THAT(Wrap("  abcdefghijklmnop\r\n", 10, indented), ElementsAre("  abcdefgh", "  ijklmnop"));
}

TEST(WrapLines, KeepsTheIndentationOnContinuationLines)
{
    const TWrapOptions indent{.Indent = true};
    EXPECT_THAT(Wrap("  あいうえおかきくけこさし\r\nx\r\n", 10, indent),
                ElementsAre("  あいうえ", "  おかきく", "  けこさし", "x"));
    // "　" counts two.
    EXPECT_THAT(Wrap("　あいうえおかき\r\n", 10, indent), ElementsAre("　あいうえ", "  おかき"));
    // Indentation as deep as the width less 4 goes on a line of its own;
    // what is deeper continues every later line.
    EXPECT_THAT(Wrap("      あいうえおか\r\n", 10, indent), ElementsAre("      あい", "      ", "うえおか"));
    EXPECT_THAT(Wrap("        abcdefghijklmnopqrstu\r\n", 10, indent),
                ElementsAre("        abc", "      ", "  defghijkl", "  mnopqrstu"));
    // A TAB's columns indent like spaces.
    EXPECT_THAT(Wrap("\tabcdefghijklmnopqrstu\r\n", 10, {.Indent = true, .TabWidth = 4}),
                ElementsAre("    abcdefg", "    hijklmn", "    opqrstu"));
    EXPECT_EQ(StripLeadingIndent(S("  　x ")), 4u);
    EXPECT_EQ(StripLeadingIndent("\tx"), 0u);
}

TEST(WrapLines, KeepsTheFirstLinesIndentationWhateverFollowsABreak)
{
    const TWrapOptions indent{.Indent = true};
    EXPECT_THAT(Wrap("    abcdefghijklmnopq rstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl\r\n", 20, indent),
                ElementsAre("    abcdefghijklmnopq", "     rstuvwxyzabcdefg", "    hijklmnopqrstuvwx",
                            "    yzabcdefghijkl"));
    EXPECT_THAT(Wrap("    abcdefghijklmnopq           rstuvwxyzabcdefghijklmnopqrstuvwxyzabc\r\n", 20, indent),
                ElementsAre("    abcdefghijklmnopq", "               rstuvw", "    xyzabcdefghijklmn",
                            "    opqrstuvwxyzabc"));
    EXPECT_THAT(Wrap("  あいうえお　かきくけこさしすせそたちつ\r\n", 12, indent),
                ElementsAre("  あいうえお", "  　かきくけ", "  こさしすせ", "  そたちつ"));
}

TEST(WrapLines, ExpandsTabsToTheEditorsTabStopsWithinTheWidth)
{
    const TWrapOptions tab4{.TabWidth = 4};
    EXPECT_THAT(Wrap("ab\tc\r\n\tx\r\n", 10, tab4), ElementsAre("ab  c", "    x"));
    EXPECT_THAT(Wrap("ab\tc\r\n", 10), ElementsAre("ab      c"));
    // A TAB that would pass the width fills the line and ends it.
    EXPECT_THAT(Wrap("--no-space-after-for\t\t\t\t-nsaf\r\n", 40),
                ElementsAre("--no-space-after-for" + std::string(20, ' '), "-nsaf"));
    EXPECT_THAT(Wrap("abcdefgh\tx\r\n", 10, tab4), ElementsAre("abcdefgh  ", "x"));
    // Hanging characters after it stay on the line.
    EXPECT_THAT(Wrap("abcdefgh\t、x\r\n", 10, tab4), ElementsAre("abcdefgh  、", "x"));
}

TEST(WrapLines, ClampsTheWidthInsteadOfLosingTheText)
{
    const std::string text = S("漢字漢字漢字漢字漢字漢字\r\n");
    EXPECT_EQ(WrapLines(text, 0, {}), WrapLines(text, 10, {}));
    EXPECT_EQ(WrapLines(text, 1, {}), WrapLines(text, 10, {}));
    EXPECT_EQ(WrapLines(text, -5, {}), WrapLines(text, 10, {}));
    const std::string wide(9000, 'a');
    EXPECT_EQ(WrapLines(wide, 100000, {}), WrapLines(wide, 8192, {}));
    EXPECT_EQ(ClampWrapWidth(3), 10);
    EXPECT_EQ(ClampWrapWidth(72), 72);
    EXPECT_EQ(ClampWrapWidth(9000), 8192);
}

TEST(WrapLines, BreaksLinesOverTheLimitWithoutLosingBytes)
{
    const std::string line(9000, 'x');
    const std::string wrapped = WrapLines(line + "\r\n", 8192, {});
    EXPECT_EQ(wrapped, line.substr(0, 8193) + "\r\n" + line.substr(8193) + "\r\n");
}

TEST(WrapLines, HandlesEmptyLinesMissingLineEndsAndStrayBytes)
{
    EXPECT_EQ(WrapLines("", 10, {}), "");
    EXPECT_THAT(Wrap("あ\r\n\r\nい\r\n", 10), ElementsAre("あ", "", "い"));
    EXPECT_THAT(Wrap("あいう", 10), ElementsAre("あいう"));
    // A lead byte without its trail byte never takes the CR after it.
    const std::string stray = Bytes({'a', 0x82, '\r', '\n', 'b', '\r', '\n'});
    EXPECT_EQ(WrapLines(stray, 10, {}), stray);
    // A lone CR ends a line and keeps the byte after it.
    EXPECT_EQ(WrapLines("a\rb", 10, {}), "a\r\nb\r\n");
}
