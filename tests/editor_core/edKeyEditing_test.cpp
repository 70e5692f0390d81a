#include "edKeyEditing.h"

#include "edEditTestSupport.h"
#include "edOptions.h"

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
    Start("  abc\r\nnext", {0, 5});
    ASSERT_TRUE(Return());
    EXPECT_EQ(State(), "  abc\r\n  \r\nnext @1:2");
    EXPECT_EQ(UndoSteps(), 1);
    // Inside the leading blanks the indent goes up to the caret only.
    Start("    abc", {0, 1});
    ASSERT_TRUE(Return());
    EXPECT_EQ(State(), " \r\n    abc @1:1");
    // The indent of the logical line's first row, not of the wrapped row.
    Start("  0123456789abcdefghijklmnop", {1, 3}, true);
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "  0123456789abcdefghijk\r\n  lmnop");
    Options.SetAutoIndent(false);
    Start("  abc", {0, 3});
    ASSERT_TRUE(Return());
    EXPECT_EQ(State(), "  a\r\nbc @1:0");
}

TEST_F(KeyEditingTest, TabIndentWritesTabsThenSpaces)
{
    Options.SetTabIndent(true);
    Options.SetTabSpaceCount(4);
    Editor.TabSize = 4;
    Start("      x", {0, 7});
    ASSERT_TRUE(Return());
    EXPECT_EQ(State(), "      x\r\n\t   @1:6");
}

TEST_F(KeyEditingTest, AnEmptyLineCanTakeTheIndentOfTheLineAbove)
{
    Options.SetPrevSpaceIndent(true);
    Start("   text\r\n\r\n\r\n", {2, 0});
    ASSERT_TRUE(Return());
    EXPECT_EQ(Text(), "   text\r\n\r\n\r\n   \r\n");
    Options.SetPrevSpaceIndent(false);
    EXPECT_EQ(AutoIndentWidth(List(), {1, 0}, Options), 0);
}

TEST_F(KeyEditingTest, ShiftEnterOpensAnIndentedLineAboveTheLogicalLine)
{
    Start("first\r\n    0123456789abcdefghijklmnop\r\nlast", {2, 4}, true);
    ASSERT_TRUE(Return(true));
    EXPECT_EQ(State(), "first\r\n    \r\n    0123456789abcdefghijklmnop\r\nlast @1:4");
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(KeyEditingTest, EnterPastTheLastRowAppendsALineBreak)
{
    Start("  ab\r\n", {1, 0});
    ASSERT_TRUE(Return());
    EXPECT_EQ(State(), "  ab\r\n\r\n @2:0");
    SetText("");
    ASSERT_TRUE(Return());
    EXPECT_EQ(State(), "\r\n @1:0");
}

TEST_F(KeyEditingTest, EnterInOverwriteModeOnlyMovesTheCaret)
{
    Start("abc\r\ndef", {0, 2});
    ASSERT_TRUE(Return(false, true));
    ASSERT_TRUE(Return(false, true));
    EXPECT_EQ(State(), "abc\r\ndef @1:0");
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(KeyEditingTest, EnterAtALineStartTakesTheRowMarkDown)
{
    Start("a\r\nb", {1, 0});
    List().SetRowMarks(1, 0x0008);
    ASSERT_TRUE(Return());
    EXPECT_EQ(List().RowMarks(1), 0);
    EXPECT_EQ(List().RowMarks(2), 0x0008);
}

// ---- Backspace -----------------------------------------------------------------

TEST_F(KeyEditingTest, BackSpaceDeletesTheCharacterBeforeTheCaret)
{
    Start("a" + Sjis("漢") + "\tb", {0, 3});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "a\tb @0:1");
    SetCaret({0, 8}); // after a tab's fill: the tab
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "ab");
    // Past the row's end the caret only moves left.
    SetCaret({0, 5});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "ab @0:4");
    EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(KeyEditingTest, BackSpaceAtALineStartJoinsTheLineAbove)
{
    Start("ab\r\ncd\r\n", {1, 0});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "abcd\r\n @0:2");
    // On the place after the last line break, that break goes.
    SetCaret({1, 0});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "abcd @0:4");
    SetCaret({0, 0});
    EXPECT_FALSE(BackSpace());
    // No rows at all: the caret only moves left.
    Start("", {0, 3});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Caret(), (TCaretPos{0, 2}));
    // On a continuation row: the last character of the row above (a kanji
    // at columns 18-19).
    Start(std::string(18, 'a') + Sjis("漢") + "bcd", {1, 0}, true);
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), std::string(18, 'a') + "bcd @0:18");
}

TEST_F(KeyEditingTest, BackSpaceUnIndentGoesBackToTheEarlierIndent)
{
    Options.SetBackSpaceUnIndent(true);
    Start("a\r\n    b\r\n        c", {2, 8});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "a\r\n    b\r\n    c @2:4");
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "a\r\n    b\r\nc @2:0");
    // Not just after the blanks: an ordinary Backspace.
    SetCaret({1, 5});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Text(), "a\r\n    \r\nc");
    // A blank across the target turns into spaces: a tab (0-7) then 4
    // spaces over an earlier indent of 2.
    Start("  a\r\n\t    b", {1, 12});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), "  a\r\n  b @1:2");
    // A full-width space across the target keeps a space for its left half.
    Start(" a\r\n" + Sjis("　　") + "b", {1, 4});
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(State(), " a\r\n b @1:1");
    // A free caret after the last line, whose row above continues a line
    // without an indent of its own: only moves.
    Start("  0123456789abcdefghijklmnop\r\n", {2, 6}, true);
    ASSERT_TRUE(BackSpace());
    EXPECT_EQ(Caret(), (TCaretPos{2, 2}));
    EXPECT_EQ(UndoSteps(), 0);
}

// ---- Delete --------------------------------------------------------------------

TEST_F(KeyEditingTest, DeleteRemovesTheCharacterAtTheCaret)
{
    Start(Sjis("漢") + "a\tb", {0, 0});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(State(), "a\tb @0:0");
    SetCaret({0, 4}); // on a tab's fill: the tab
    ASSERT_TRUE(Delete());
    EXPECT_EQ(State(), "ab @0:1");
}

TEST_F(KeyEditingTest, DeletePastTheRowsEndPadsAndJoinsTheNextRow)
{
    Start("ab\r\ncd\r\nef", {0, 4});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(State(), "ab  cd\r\nef @0:4");
    EXPECT_EQ(UndoSteps(), 1);
    // Nothing at the end of the text.
    SetCaret({1, 2});
    EXPECT_FALSE(Delete());
    SetCaret({2, 0});
    EXPECT_FALSE(Delete());
    // The last row's line break goes.
    Start("ab\r\n", {0, 2});
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "ab");
}

TEST_F(KeyEditingTest, DeletePullsTextBackAcrossAWrapAndTheCaretFollowsIt)
{
    Start("aaaa bbbb cccc dddddd", {1, 0}, true);
    List().WrapOption()->SetWordBreak(true);
    ASSERT_EQ(List().RowText(1), "dddddd");
    ASSERT_TRUE(Delete());
    EXPECT_EQ(Text(), "aaaa bbbb cccc ddddd");
    EXPECT_EQ(CharPos(List(), Caret().Row, CaretIndex(List(), Caret().Row, Caret().Col)), 15);
}

// ---- Tab -----------------------------------------------------------------------

TEST_F(KeyEditingTest, TabGoesToTheNextTabStop)
{
    Options.SetSoftTab(true);
    Start("ab", {0, 2});
    ASSERT_TRUE(Tab());
    EXPECT_EQ(State(), "ab       @0:8");
    // With word wrap never past the wrap column.
    Start(std::string(18, 'x'), {0, 18}, true);
    ASSERT_TRUE(Tab());
    EXPECT_EQ(Text(), std::string(18, 'x') + "  ");
    // A tab character, and overwrite mode only moving.
    Options.SetSoftTab(false);
    Start("ab", {0, 1});
    ASSERT_TRUE(Tab());
    EXPECT_EQ(State(), "a\tb @0:8");
    SetCaret({0, 0});
    ASSERT_TRUE(Tab(true));
    EXPECT_EQ(State(), "a\tb @0:8");
}

} // namespace
