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

// A text line (its CR LF added) and the lines it wraps into.
struct WrapCase {
    std::string Text;
    std::vector<std::string> Lines;
    TWrapOptions Options = {};
    int Width = 10;
};

TEST(WrapLines, BreaksJapaneseAndEnglishTextByTheLineBreakingRules)
{
    // clang-format off
    const std::vector<WrapCase> cases = {
        // Breaks double byte text at the width.
        {"漢字漢字漢字漢字漢字漢字", {"漢字漢字漢", "字漢字漢字", "漢字"}},
        // A double-byte character starting one byte short of the width is kept whole.
        {"aあいうえおか", {"aあいうえお", "か"}},
        // Moves an opener in the last two bytes to the next line.
        {"あいうえ「お」", {"あいうえ", "「お」"}}, {"aあいうえ「お」", {"aあいうえ", "「お」"}},
        {"あいう「えおか」", {"あいう「え", "おか」"}},
        // Lets punctuation and closers hang.
        {"あいうえお、かき", {"あいうえお、", "かき"}},
        // A run of hanging characters hangs whole, so none begins a line.
        {"あいうえお。」か", {"あいうえお。」", "か"}}, {"abcdefghijk、x", {"abcdefghijk、", "x"}},
        // A long run stretches the line by four characters at most.
        {"あいうえお・・・・・・", {"あいうえお・・・・", "・・"}},
        {"abcdefghijk、、、、", {"abcdefghijk、、、", "、"}},
        // Adds no empty line after a hanging line end.
        {"あいうえお。", {"あいうえお。"}}, {"あいうえお。\r\nかきく", {"あいうえお。", "かきく"}},
        {"abcdefghijk\r\n\r\nx", {"abcdefghijk", "", "x"}},
        // Blanks alone after a wrap end the wrapped line.
        {"あいうえお  \r\nか", {"あいうえお  ", "か"}},
        // Places single byte closers and openers at the width.
        // A plain byte arriving at the width ends its line one byte over.
        {"abcdefghijklm", {"abcdefghijk", "lm"}}, {"abcdefghijk)x", {"abcdefghijk)", "x"}},
        {"abcdefghij)x", {"abcdefghij)", "x"}}, {"abcdefghij(x)", {"abcdefghij", "(x)"}},
        {"abcdefghijｱ｡x", {"abcdefghijｱ｡", "x"}}, {"abcdefghij｢ｱ｣", {"abcdefghij", "｢ｱ｣"}},
        // Keeps english words whole.
        {"hello world again", {"hello ", "world ", "again"}, {.English = true}},
        // One letter arriving exactly at the width stays on its line.
        {"abcdefghi a", {"abcdefghi a"}, {.English = true}}, {"abcdefghi ab", {"abcdefghi ", "ab"}, {.English = true}},
        // Breaks an english word longer than a line.
        {"abcdefghijklmnopqrstuvwxy", {"abcdefghij", "klmnopqrst", "uvwxy"}, {.English = true}},
        {"ab abcdefghijklmno", {"ab ", "abcdefghij", "klmno"}, {.English = true}},
        {"  abcdefghijklmnop", {"  abcdefgh", "  ijklmnop"}, {.English = true, .Indent = true}},
        // Keeps the indentation on continuation lines.
        {"  あいうえおかきくけこさし\r\nx", {"  あいうえ", "  おかきく", "  けこさし", "x"}, {.Indent = true}},
        // "　" counts two.
        {"　あいうえおかき", {"　あいうえ", "  おかき"}, {.Indent = true}},
        // Indentation as deep as the width less 4 goes on a line of its own;
        // what is deeper continues every later line.
        {"      あいうえおか", {"      あい", "      ", "うえおか"}, {.Indent = true}},
        {"        abcdefghijklmnopqrstu", {"        abc", "      ", "  defghijkl", "  mnopqrstu"}, {.Indent = true}},
        // A TAB's columns indent like spaces.
        {"\tabcdefghijklmnopqrstu", {"    abcdefg", "    hijklmn", "    opqrstu"}, {.Indent = true, .TabWidth = 4}},
        // Keeps the first lines indentation whatever follows a break.
        {"    abcdefghijklmnopq rstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl",
         {"    abcdefghijklmnopq", "     rstuvwxyzabcdefg", "    hijklmnopqrstuvwx", "    yzabcdefghijkl"}, {.Indent = true}, 20},
        {"    abcdefghijklmnopq           rstuvwxyzabcdefghijklmnopqrstuvwxyzabc",
         {"    abcdefghijklmnopq", "               rstuvw", "    xyzabcdefghijklmn", "    opqrstuvwxyzabc"}, {.Indent = true}, 20},
        {"  あいうえお　かきくけこさしすせそたちつ",
         {"  あいうえお", "  　かきくけ", "  こさしすせ", "  そたちつ"}, {.Indent = true}, 12},
        // Expands tabs to the editors tab stops within the width.
        {"ab\tc\r\n\tx", {"ab  c", "    x"}, {.TabWidth = 4}}, {"ab\tc", {"ab      c"}},
        // A TAB that would pass the width fills the line and ends it.
        {"--no-space-after-for\t\t\t\t-nsaf", {"--no-space-after-for" + std::string(20, ' '), "-nsaf"}, {}, 40},
        {"abcdefgh\tx", {"abcdefgh  ", "x"}, {.TabWidth = 4}},
        // Hanging characters after it stay on the line.
        {"abcdefgh\t、x", {"abcdefgh  、", "x"}, {.TabWidth = 4}},
    };
    // clang-format on
    for (const WrapCase& c : cases)
        EXPECT_THAT(Wrap(c.Text + "\r\n", c.Width, c.Options), ElementsAreArray(c.Lines))
            << c.Text << " at " << c.Width;
    EXPECT_EQ(StripLeadingIndent(S("  　x ")), 4u); // "　" counts two
    EXPECT_EQ(StripLeadingIndent("\tx"), 0u);
}

TEST(WrapLines, ClampsTheWidthInsteadOfLosingTheText)
{
    const std::string text = S("漢字漢字漢字漢字漢字漢字\r\n");
    for (int width : {0, 1, -5})
        EXPECT_EQ(WrapLines(text, width, {}), WrapLines(text, 10, {})) << width;
    // A line over the limit breaks there without losing a byte.
    const std::string line(9000, 'x');
    for (int width : {8192, 100000})
        EXPECT_EQ(WrapLines(line + "\r\n", width, {}), line.substr(0, 8193) + "\r\n" + line.substr(8193) + "\r\n");
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
