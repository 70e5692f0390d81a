#include "edUndo.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::RowsOf;
using edtest::RowView;
using edtest::TFakeEditorClient;

namespace {

constexpr auto Crlf = TRowAttribute::raCrlf;
constexpr auto Eof = TRowAttribute::raEof;

class UndoTest : public ::testing::Test {
protected:
    TEditorScreenStrings& List() { return *Editor.List; }
    TEditorUndoObj& Undo() { return *List().UndoObj(); }

    TFakeEditorClient Editor;
};

TEST_F(UndoTest, EveryReplaceRowsIsOneStep)
{
    List().SetTextStr("abc\r\n");
    EXPECT_FALSE(Undo().CanUndo());
    List().ReplaceRows(0, 1, "abxc\r\n");
    EXPECT_EQ(Undo().UndoList().size(), 1u);
    // A command that replaces twice leaves two steps.
    List().BeginUpdate();
    List().ReplaceRows(0, 1, "abyxc\r\n");
    List().ReplaceRows(0, 1, "abzyxc\r\n");
    List().EndUpdate();
    EXPECT_EQ(Undo().UndoList().size(), 3u);
    List().Undo();
    EXPECT_EQ(List().GetTextStr(), "abyxc\r\n");
    List().Undo();
    List().Undo();
    EXPECT_EQ(List().GetTextStr(), "abc\r\n");
    EXPECT_FALSE(Undo().CanUndo());
    List().Undo(); // nothing left: nothing happens
    EXPECT_EQ(List().GetTextStr(), "abc\r\n");
    List().Redo();
    List().Redo();
    List().Redo();
    EXPECT_EQ(List().GetTextStr(), "abzyxc\r\n");
    EXPECT_FALSE(Undo().CanRedo());
    // An edit after an undo empties the redo list.
    List().Undo();
    List().ReplaceRows(0, 1, "ac\r\n");
    EXPECT_FALSE(Undo().CanRedo());
}

TEST_F(UndoTest, TheListKeepsAtMostUndoListMaxSteps)
{
    List().SetTextStr("x");
    for (int i = 0; i < 65; ++i)
        List().ReplaceRows(0, 1, "x" + std::to_string(i));
    EXPECT_EQ(Undo().UndoList().size(), 64u);
    EXPECT_TRUE(Undo().CanUndo());
    Undo().SetUndoListMax(10);
    EXPECT_EQ(Undo().UndoListMax(), 64);
    Undo().SetUndoListMax(100);
    EXPECT_EQ(Undo().UndoListMax(), 100);
    for (int i = 0; i < 40; ++i)
        List().ReplaceRows(0, 1, "y" + std::to_string(i));
    EXPECT_EQ(Undo().UndoList().size(), 100u);
    // A lowered limit is reached one record per step.
    Undo().SetUndoListMax(64);
    List().ReplaceRows(0, 1, "z");
    EXPECT_EQ(Undo().UndoList().size(), 100u);
}

TEST_F(UndoTest, TheCaretReturnsWhereItStood)
{
    List().SetTextStr("abc\r\n");
    Editor.SetRowCol(0, 1); // before the change
    List().ReplaceRows(0, 1, "aXbc\r\n");
    Editor.SetRowCol(0, 2); // after it
    List().Undo();
    EXPECT_EQ(Editor.Row, 0);
    EXPECT_EQ(Editor.Col, 1);
    EXPECT_EQ(Editor.CaretUpdateDepth, 0);
    List().Redo();
    // Redo returns the caret to where it stood when the undo was done.
    EXPECT_EQ(Editor.Col, 2);
}

TEST_F(UndoTest, ClearEmptiesTheHistoryAndWrapOptionsWithWordWrapOffKeepIt)
{
    List().SetTextStr("a");
    List().ReplaceRows(0, 1, "b");
    List().Clear();
    EXPECT_FALSE(Undo().CanUndo());
    // Wrap changes with word wrap on clear it too (tested with the row list).
    List().ReplaceRows(0, 0, "e");
    List().WrapOption()->SetLeading(true);
    EXPECT_TRUE(Undo().CanUndo());
}

TEST_F(UndoTest, AHistoryThatNoLongerFitsTheRowsIsDropped)
{
    List().SetTextStr("a\r\nb\r\nc\r\n");
    List().ReplaceRows(2, 1, "cc\r\n");
    // Rows taken out behind the history's back.
    List().Delete(2);
    List().Delete(1);
    List().Undo();
    EXPECT_EQ(List().GetTextStr(), "a\r\n");
    EXPECT_FALSE(Undo().CanUndo());
}

} // namespace
