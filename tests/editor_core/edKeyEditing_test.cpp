#include "edKeyEditing.h"

#include "edEditTestSupport.h"
#include "edOptions.h"

using edtest::RowsOf;
using edtest::RowView;
using edtest::Sjis;

namespace {

class KeyEditingTest : public edtest::EditFixture {
protected:
    KeyEditingTest()
    {
        Options.SetAutoIndent(true);
        Options.SetBackSpaceUnIndent(false);
    }

    bool Return(bool Shift = false, bool OverWrite = false)
    {
        return Follow(KeyReturn(List(), Caret(), Options, OverWrite, Shift));
    }
    bool BackSpace() { return Follow(KeyBackSpace(List(), Caret(), Options)); }
    bool Delete() { return Follow(KeyDelete(List(), Caret())); }
    bool Tab(bool OverWrite = false) { return Follow(KeyTab(List(), {Caret().Row, Caret().Col}, Options, OverWrite)); }

    TEditorCaret Options;
};

// ---- Enter ---------------------------------------------------------------------

TEST_F(KeyEditingTest, EnterIndentsTheNewLineLikeTheCaretsLine)
{
    SetText("  abc\r\nnext");
    SetCaret({0, 5});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "  abc\r\n  \r\nnext");
    EXPECT_EQ(Caret(), (TCaretPos{1, 2}));
    EXPECT_EQ(UndoSteps(), 1);
    // Inside the leading blanks the indent goes up to the caret only.
    SetText("    abc");
    SetCaret({0, 1});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), " \r\n    abc");
    EXPECT_EQ(Caret(), (TCaretPos{1, 1}));
    // Without auto-indent, none.
    Options.SetAutoIndent(false);
    SetText("  abc");
    SetCaret({0, 3});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "  a\r\nbc");
    EXPECT_EQ(Caret(), (TCaretPos{1, 0}));
}

TEST_F(KeyEditingTest, EnterTakesTheIndentOfTheLogicalLinesFirstRow)
{
    SetText("  0123456789abcdefghijklmnop", true, 20);
    ASSERT_EQ(List().Count(), 2);
    SetCaret({1, 3});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "  0123456789abcdefghijk\r\n  lmnop");
}

TEST_F(KeyEditingTest, TabIndentWritesTabsThenSpaces)
{
    Options.SetTabIndent(true);
    Options.SetTabSpaceCount(4);
    Editor.TabSize = 4;
    SetText("      x");
    SetCaret({0, 7});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "      x\r\n\t  ");
    EXPECT_EQ(Caret(), (TCaretPos{1, 6}));
}

TEST_F(KeyEditingTest, AnEmptyLineCanTakeTheIndentOfTheLineAbove)
{
    Options.SetPrevSpaceIndent(true);
    SetText("   text\r\n\r\n\r\n");
    SetCaret({2, 0});
    EXPECT_EQ(AutoIndentWidth(List(), Caret(), Options), 3);
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "   text\r\n\r\n\r\n   \r\n");
    Options.SetPrevSpaceIndent(false);
    EXPECT_EQ(AutoIndentWidth(List(), {1, 0}, Options), 0);
}

TEST_F(KeyEditingTest, ShiftEnterOpensAnIndentedLineAboveTheLogicalLine)
{
    SetText("first\r\n    0123456789abcdefghijklmnop\r\nlast", true, 20);
    SetCaret({2, 4});
    ASSERT_TRUE(Return(true));
    EXPECT_EQ(Text(), "first\r\n    \r\n    0123456789abcdefghijklmnop\r\nlast");
    EXPECT_EQ(Caret(), (TCaretPos{1, 4}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(KeyEditingTest, EnterPastTheLastRowAppendsALineBreak)
{
    SetText("  ab\r\n");
    SetCaret({1, 0});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "  ab\r\n\r\n");
    EXPECT_EQ(Caret(), (TCaretPos{2, 0}));
    SetText("");
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "\r\n");
    EXPECT_EQ(Caret(), (TCaretPos{1, 0}));
}

TEST_F(KeyEditingTest, EnterInOverwriteModeOnlyMovesTheCaret)
{
    SetText("abc\r\ndef");
    SetCaret({0, 2});
    ASSERT_TRUE(Return(false, true));
    EXPECT_EQ(Caret(), (TCaretPos{1, 0}));
    ASSERT_TRUE(Return(false, true));
    EXPECT_EQ(Caret(), (TCaretPos{1, 0}));
    EXPECT_EQ(Text(), "abc\r\ndef");
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(KeyEditingTest, EnterAtALineStartTakesTheRowMarkDown)
{
    SetText("a\r\nb");
    List().SetRowMarks(1, 0x0008);
    SetCaret({1, 0});
    ASSERT_TRUE(Return());
    EXPECT_EQ(List().RowMarks(1), 0);
    EXPECT_EQ(List().RowMarks(2), 0x0008);
}

// ---- Backspace -----------------------------------------------------------------

TEST_F(KeyEditingTest, BackSpaceDeletesTheCharacterBeforeTheCaret)
{
    SetText("a" + Sjis("漢") + "\tb");
    SetCaret({0, 3});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "a\tb");
    EXPECT_EQ(Caret(), (TCaretPos{0, 1}));
    // After a tab's fill: the tab.
    SetCaret({0, 8});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "ab");
    // Past the row's end the caret only moves left.
    SetCaret({0, 5});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Caret(), (TCaretPos{0, 4}));
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(KeyEditingTest, BackSpaceAtALineStartJoinsTheLineAbove)
{
    SetText("ab\r\ncd\r\n");
    SetCaret({1, 0});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "abcd\r\n");
    EXPECT_EQ(Caret(), (TCaretPos{0, 2}));
    // On the place after the last line break, that break goes.
    SetCaret({1, 0});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "abcd");
    EXPECT_EQ(Caret(), (TCaretPos{0, 4}));
    SetCaret({0, 0});
    EXPECT_FALSE(BackSpace());
    // No rows at all: the caret only moves left.
    SetText("");
    SetCaret({0, 3});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Caret(), (TCaretPos{0, 2}));
}

TEST_F(KeyEditingTest, BackSpaceAtAContinuationRowDeletesTheLastCharacterAbove)
{
    // Row 0 ends with a kanji at columns 18-19.
    SetText(std::string(18, 'a') + Sjis("漢") + "bcd", true, 20);
    ASSERT_EQ(List().RowText(1), "bcd");
    SetCaret({1, 0});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), std::string(18, 'a') + "bcd");
    EXPECT_EQ(Caret(), (TCaretPos{0, 18}));
}

TEST_F(KeyEditingTest, BackSpaceUnIndentGoesBackToTheEarlierIndent)
{
    Options.SetBackSpaceUnIndent(true);
    SetText("a\r\n    b\r\n        c");
    SetCaret({2, 8});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "a\r\n    b\r\n    c");
    EXPECT_EQ(Caret(), (TCaretPos{2, 4}));
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "a\r\n    b\r\nc");
    EXPECT_EQ(Caret(), (TCaretPos{2, 0}));
    // Not just after the blanks: an ordinary Backspace.
    SetCaret({1, 5});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "a\r\n    \r\nc");
}

TEST_F(KeyEditingTest, BackSpaceUnIndentTurnsABlankAcrossTheTargetIntoSpaces)
{
    Options.SetBackSpaceUnIndent(true);
    // The earlier row is indented 2; a tab (0-7) then 4 spaces (8-11).
    SetText("  a\r\n\t    b");
    SetCaret({1, 12});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "  a\r\n  b");
    EXPECT_EQ(Caret(), (TCaretPos{1, 2}));
    // A full-width space across the target keeps a space for its left half.
    SetText(" a\r\n" + Sjis("　　") + "b");
    SetCaret({1, 4});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), " a\r\n b");
    EXPECT_EQ(Caret(), (TCaretPos{1, 1}));
}

TEST_F(KeyEditingTest, BackSpaceUnIndentOnABlankRowPassesOverContinuationRows)
{
    Options.SetBackSpaceUnIndent(true);
    // Row 1 continues row 0's line without an indent of its own.
    SetText("  0123456789abcdefghijklmnop\r\n", true, 20);
    ASSERT_EQ(List().Count(), 2);
    // A free caret on the place after the last line: only moves.
    SetCaret({2, 6});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Caret(), (TCaretPos{2, 2}));
    EXPECT_EQ(UndoSteps(), 0);
}

// ---- Delete --------------------------------------------------------------------

TEST_F(KeyEditingTest, DeleteRemovesTheCharacterAtTheCaret)
{
    SetText(Sjis("漢") + "a\tb");
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "a\tb");
    EXPECT_EQ(Caret(), (TCaretPos{0, 0}));
    // On a tab's fill: the tab.
    SetCaret({0, 4});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(Caret(), (TCaretPos{0, 1}));
}

TEST_F(KeyEditingTest, DeletePastTheRowsEndPadsAndJoinsTheNextRow)
{
    SetText("ab\r\ncd\r\nef");
    SetCaret({0, 4});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "ab  cd\r\nef");
    EXPECT_EQ(Caret(), (TCaretPos{0, 4}));
    EXPECT_EQ(UndoSteps(), 1);
    // Nothing at the end of the text.
    SetCaret({1, 2});
    EXPECT_FALSE(Delete());
    SetCaret({2, 0});
    EXPECT_FALSE(Delete());
    // The last row's line break goes.
    SetText("ab\r\n");
    SetCaret({0, 2});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "ab");
}

TEST_F(KeyEditingTest, DeletePullsTextBackAcrossAWrapAndTheCaretFollowsIt)
{
    SetText("aaaa bbbb cccc dddddd", true, 20);
    List().WrapOption()->SetWordBreak(true);
    ASSERT_EQ(List().RowText(1), "dddddd");
    SetCaret({1, 0});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "aaaa bbbb cccc ddddd");
    EXPECT_EQ(CharPos(List(), Caret().Row, CaretIndex(List(), Caret().Row, Caret().Col)), 15);
}

// ---- Tab -----------------------------------------------------------------------

TEST_F(KeyEditingTest, TabGoesToTheNextTabStop)
{
    Options.SetSoftTab(true);
    SetText("ab");
    SetCaret({0, 2});
    ASSERT_TRUE(Tab());
    EXPECT_EQ(Text(), "ab      ");
    EXPECT_EQ(Caret(), (TCaretPos{0, 8}));
    // With word wrap never past the wrap column.
    SetText(std::string(18, 'x'), true, 20);
    SetCaret({0, 18});
    ASSERT_TRUE(Tab());
    EXPECT_EQ(Text(), std::string(18, 'x') + "  ");
    // A tab character, and overwrite mode only moving.
    Options.SetSoftTab(false);
    SetText("ab");
    SetCaret({0, 1});
    ASSERT_TRUE(Tab());
    EXPECT_EQ(Text(), "a\tb");
    EXPECT_EQ(Caret(), (TCaretPos{0, 8}));
    SetCaret({0, 0});
    ASSERT_TRUE(Tab(true));
    EXPECT_EQ(Caret(), (TCaretPos{0, 8}));
    EXPECT_EQ(Text(), "a\tb");
}

} // namespace
