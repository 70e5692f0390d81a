// The assignment swap, the boxed comment and the ruled box.
#include "DelphiSource.h"
#include "Keisen.h"
#include "TestText.h"
#include "line_layout_util.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace textconv;
using ::testing::ElementsAre;

TEST(SwapAssignment, SwapsTheSidesAndKeepsIndentAndTail)
{
    EXPECT_EQ(SwapAssignment("  a := b;"), "  b := a;");
    EXPECT_EQ(SwapAssignment("\tx:=y\r\n"), "\ty := x\r\n");
    EXPECT_EQ(SwapAssignment("a := b;\r\n"), "b := a;\r\n");
    EXPECT_EQ(U(SwapAssignment(S("s := 'あ';"))), "'あ' := s;");
    EXPECT_EQ(SwapAssignment("a := b := c"), "b := c := a");
}

TEST(SwapAssignment, LeavesLinesItCannotSwap)
{
    for (const std::string line : {"", "a:=", ":= b;", "a :=", "a :=;\r\n", "a = b;", "ab"})
        EXPECT_EQ(SwapAssignment(line), line) << line;
    const std::string dbcs = S("あ := b;");
    EXPECT_EQ(SwapAssignment(dbcs), dbcs);
}

TEST(SwapAssignment, LinesKeepTheirFinalBreakOnlyWhenTheTextHadOne)
{
    EXPECT_EQ(SwapAssignmentLines("a := b;\r\n  c := d\r\n"), "b := a;\r\n  d := c\r\n");
    EXPECT_EQ(SwapAssignmentLines("a := b;\r\n\r\nc := d"), "b := a;\r\n\r\nd := c");
}

TEST(BoxedComment, CentresTheFirstLineInA68ColumnBox)
{
    const std::string rule(68, '-');
    const std::string spaces(29, ' ');
    EXPECT_EQ(BoxedComment("0123456789\r\nsecond\r\n"),
              "\r\n{! +" + rule + "+\r\n   |" + spaces + "0123456789" + spaces + "|\r\n   +" + rule + "+ !}\r\n");
    // An odd padding puts the extra space on the left.
    EXPECT_THAT(UtfLines(BoxedComment("abc")),
                ElementsAre("", "{! +" + rule + "+", "   |" + std::string(33, ' ') + "abc" + std::string(32, ' ') + "|",
                            "   +" + rule + "+ !}"));
}

TEST(BoxedComment, CutsALongLineWithoutSplittingACharacter)
{
    const std::string a65(65, 'a'), a64(64, 'a');
    // Byte 66 starts 亜: the cut keeps it whole (67 bytes).
    EXPECT_EQ(BoxedComment(a65 + S("亜bbbb")).substr(77, 73), "   | " + a65 + S("亜") + "|");
    // Byte 66 is the trail byte of 亜 (88 9F) and looks like a lead byte:
    // the cut stays at 66 and leaves no half of the next 亜.
    EXPECT_EQ(BoxedComment(a64 + S("亜亜亜")).substr(77, 73), "   | " + a64 + S("亜") + " |");
}

TEST(DrawRuledBox, FramesTheLinesPaddedToAnEvenWidth)
{
    EXPECT_THAT(UtfLines(DrawRuledBox(S("ab\r\nあいう\r\n"), false)),
                ElementsAre("", "┌───┐", "│ab    │", "│あいう│", "└───┘"));
    EXPECT_THAT(UtfLines(DrawRuledBox(S("abc\r\n\r\n"), true)),
                ElementsAre("", "┏━━┓", "┃abc ┃", "┃    ┃", "┗━━┛"));
}
