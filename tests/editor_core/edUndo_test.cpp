#include "edUndo.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

namespace {

class UndoTest : public edtest::ListTest {
protected:
    TEditorUndoObj& Undo() { return *List().UndoObj(); }
};

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
