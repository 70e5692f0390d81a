// The assignment swap and the boxed comment.
#include "DelphiSource.h"
#include "TestText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace textconv;
using ::testing::ElementsAre;

TEST(SwapAssignment, SwapsTheSidesAndKeepsIndentAndTail)
{
    // clang-format off
    ExpectConverted({
        {SwapAssignment, "  a := b;", "  b := a;"}, {SwapAssignment, "\tx:=y\r\n", "\ty := x\r\n"},
        {SwapAssignment, "a := b;\r\n", "b := a;\r\n"}, {SwapAssignment, "s := 'あ';", "'あ' := s;"},
        {SwapAssignment, "a := b := c", "b := c := a"},
        // Lines it cannot swap stay.
        {SwapAssignment, "a:=", "a:="}, {SwapAssignment, "a :=", "a :="}, {SwapAssignment, "ab", "ab"},
        {SwapAssignment, ":= b;", ":= b;"}, {SwapAssignment, "a :=;\r\n", "a :=;\r\n"},
        {SwapAssignment, "a = b;", "a = b;"}, {SwapAssignment, "あ := b;", "あ := b;"}, {SwapAssignment, "", ""},
        // The lines keep their final break only when the text had one.
        {SwapAssignmentLines, "a := b;\r\n  c := d\r\n", "b := a;\r\n  d := c\r\n"},
        {SwapAssignmentLines, "a := b;\r\n\r\nc := d", "b := a;\r\n\r\nd := c"},
    });
    // clang-format on
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
