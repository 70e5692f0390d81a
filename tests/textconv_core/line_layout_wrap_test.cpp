// WrapLines: widths, Japanese line breaking, English word wrap, indentation.
#include "TestText.h"
#include "WrapLines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace textconv;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<std::string> Wrap(std::string_view Utf8, int Width, TWrapOptions Options = {})
{
    return UtfLines(WrapLines(S(Utf8), Width, Options));
}

} // namespace

struct WrapCase {
    std::string Text;
    int Width;
    TWrapOptions Options;
    std::vector<std::string> Lines;
};

TEST(WrapLines, BreaksJapaneseAndEnglishTextByTheLineBreakingRules)
{
    const std::vector<WrapCase> cases = {
        // Breaks double byte text at the width.
        {"漢字漢字漢字漢字漢字漢字\r\n", 10, {}, {"漢字漢字漢", "字漢字漢字", "漢字"}},
        // A double-byte character starting one byte short of the width is kept whole.
        {"aあいうえおか\r\n", 10, {}, {"aあいうえお", "か"}},
        // Moves an opener in the last two bytes to the next line.
        {"あいうえ「お」\r\n", 10, {}, {"あいうえ", "「お」"}},
        {"aあいうえ「お」\r\n", 10, {}, {"aあいうえ", "「お」"}},
        {"あいう「えおか」\r\n", 10, {}, {"あいう「え", "おか」"}},
        // Lets punctuation and closers hang.
        {"あいうえお、かき\r\n", 10, {}, {"あいうえお、", "かき"}},
        // A run of hanging characters hangs whole, so none begins a line.
        {"あいうえお。」か\r\n", 10, {}, {"あいうえお。」", "か"}},
        {"abcdefghijk、x\r\n", 10, {}, {"abcdefghijk、", "x"}},
        // A long run stretches the line by four characters at most.
        {"あいうえお・・・・・・\r\n", 10, {}, {"あいうえお・・・・", "・・"}},
        {"abcdefghijk、、、、\r\n", 10, {}, {"abcdefghijk、、、", "、"}},
        // Adds no empty line after a hanging line end.
        {"あいうえお。\r\n", 10, {}, {"あいうえお。"}},
        {"あいうえお。\r\nかきく\r\n", 10, {}, {"あいうえお。", "かきく"}},
        {"abcdefghijk\r\n\r\nx\r\n", 10, {}, {"abcdefghijk", "", "x"}},
        // Blanks alone after a wrap end the wrapped line.
        {"あいうえお  \r\nか\r\n", 10, {}, {"あいうえお  ", "か"}},
        // Places single byte closers and openers at the width.
        // A plain byte arriving at the width ends its line one byte over.
        {"abcdefghijklm\r\n", 10, {}, {"abcdefghijk", "lm"}},
        {"abcdefghijk)x\r\n", 10, {}, {"abcdefghijk)", "x"}},
        {"abcdefghij)x\r\n", 10, {}, {"abcdefghij)", "x"}},
        {"abcdefghij(x)\r\n", 10, {}, {"abcdefghij", "(x)"}},
        {"abcdefghijｱ｡x\r\n", 10, {}, {"abcdefghijｱ｡", "x"}},
        {"abcdefghij｢ｱ｣\r\n", 10, {}, {"abcdefghij", "｢ｱ｣"}},
        // Keeps english words whole.
        {"hello world again\r\n", 10, {.English = true}, {"hello ", "world ", "again"}},
        // One letter arriving exactly at the width stays on its line.
        {"abcdefghi a\r\n", 10, {.English = true}, {"abcdefghi a"}},
        {"abcdefghi ab\r\n", 10, {.English = true}, {"abcdefghi ", "ab"}},
        // Breaks an english word longer than a line.
        {"abcdefghijklmnopqrstuvwxy\r\n", 10, {.English = true}, {"abcdefghij", "klmnopqrst", "uvwxy"}},
        {"ab abcdefghijklmno\r\n", 10, {.English = true}, {"ab ", "abcdefghij", "klmno"}},
        {"  abcdefghijklmnop\r\n", 10, {.English = true, .Indent = true}, {"  abcdefgh", "  ijklmnop"}},
        // Keeps the indentation on continuation lines.
        {"  あいうえおかきくけこさし\r\nx\r\n", 10, {.Indent = true}, {"  あいうえ", "  おかきく", "  けこさし", "x"}},
        // "　" counts two.
        {"　あいうえおかき\r\n", 10, {.Indent = true}, {"　あいうえ", "  おかき"}},
        // Indentation as deep as the width less 4 goes on a line of its own;
        // what is deeper continues every later line.
        {"      あいうえおか\r\n", 10, {.Indent = true}, {"      あい", "      ", "うえおか"}},
        {"        abcdefghijklmnopqrstu\r\n", 10, {.Indent = true},
          {"        abc", "      ", "  defghijkl", "  mnopqrstu"}},
        // A TAB's columns indent like spaces.
        {"\tabcdefghijklmnopqrstu\r\n", 10, {.Indent = true, .TabWidth = 4},
          {"    abcdefg", "    hijklmn", "    opqrstu"}},
        // Keeps the first lines indentation whatever follows a break.
        {"    abcdefghijklmnopq rstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl\r\n", 20, {.Indent = true},
          {"    abcdefghijklmnopq", "     rstuvwxyzabcdefg", "    hijklmnopqrstuvwx", "    yzabcdefghijkl"}},
        {"    abcdefghijklmnopq           rstuvwxyzabcdefghijklmnopqrstuvwxyzabc\r\n", 20, {.Indent = true},
          {"    abcdefghijklmnopq", "               rstuvw", "    xyzabcdefghijklmn", "    opqrstuvwxyzabc"}},
        {"  あいうえお　かきくけこさしすせそたちつ\r\n", 12, {.Indent = true}, {"  あいうえお", "  　かきくけ", "  こさしすせ", "  そたちつ"}},
        // Expands tabs to the editors tab stops within the width.
        {"ab\tc\r\n\tx\r\n", 10, {.TabWidth = 4}, {"ab  c", "    x"}},
        {"ab\tc\r\n", 10, {}, {"ab      c"}},
        // A TAB that would pass the width fills the line and ends it.
        {"--no-space-after-for\t\t\t\t-nsaf\r\n", 40, {}, {"--no-space-after-for" + std::string(20, ' '), "-nsaf"}},
        {"abcdefgh\tx\r\n", 10, {.TabWidth = 4}, {"abcdefgh  ", "x"}},
        // Hanging characters after it stay on the line.
        {"abcdefgh\t、x\r\n", 10, {.TabWidth = 4}, {"abcdefgh  、", "x"}},
    };
    for (const WrapCase& c : cases)
        EXPECT_THAT(Wrap(c.Text, c.Width, c.Options), ElementsAreArray(c.Lines)) << c.Text << " at " << c.Width;
    EXPECT_EQ(StripLeadingIndent(S("  　x ")), 4u); // "　" counts two
    EXPECT_EQ(StripLeadingIndent("\tx"), 0u);
}

TEST(WrapLines, ClampsTheWidthInsteadOfLosingTheText)
{
    const std::string text = S("漢字漢字漢字漢字漢字漢字\r\n");
    for (int width : {0, 1, -5})
        EXPECT_EQ(WrapLines(text, width, {}), WrapLines(text, 10, {})) << width;
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
