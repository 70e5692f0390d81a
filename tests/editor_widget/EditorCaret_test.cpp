// Where the caret stands and how it shows: the column rule, the keeping of
// a column over short rows, the caps, the shapes, and what hides it.
#include "EditorDriver.h"

#include <gtest/gtest.h>

namespace {

using namespace edtest;

class Caret : public testing::Test {
protected:
    // The column the caret takes when sent to Col (of row Row).
    int ColAfter(int Col)
    {
        ed->SetCol(Col);
        return ed->Col();
    }
    int ColAfter(int Row, int Col)
    {
        ed->SetRowCol(Row, Col);
        return ed->Col();
    }

    TEditorDriver ed;
};

TEST_F(Caret, FreeOrKeptColumnsOverAShortRow)
{
    ed.SetText("0123456789\r\nab\r\n0123456789\r\n");
    ed->SetRowCol(0, 8);
    ed->SetRow(1);
    EXPECT_EQ(ed->Col(), 8) << "a free caret stays past the row end";
    ed->Caret()->SetFreeCaret(false);
    ed->SetRow(0);
    ed->SetRow(1);
    EXPECT_EQ(ed->Col(), 2);
    ed->SetRow(2);
    EXPECT_EQ(ed->Col(), 2) << "without KeepCaret the column is lost";

    ed->Caret()->SetKeepCaret(true);
    ed->SetRowCol(0, 8);
    ed->SetRow(1);
    EXPECT_EQ(ed->Col(), 2);
    ed->SetRow(2);
    EXPECT_EQ(ed->Col(), 8);
    // A move sideways forgets the column.
    ed->SetRow(1);
    ed->SetCol(1);
    ed->SetRow(2);
    EXPECT_EQ(ed->Col(), 1);
}

TEST_F(Caret, CaretNeverStandsOnATrailByteOrInTabFill)
{
    ed.SetText("a" + Sjis("漢") + "b\tc\r\n" + Sjis("漢字") + "\r\n\tx\r\n");
    EXPECT_EQ(ColAfter(2), 3) << "moving right steps over the trail byte";
    EXPECT_EQ(ColAfter(2), 1) << "moving left steps back to the lead byte";
    EXPECT_EQ(ColAfter(6), 8) << "rightwards out of the tab's fill";
    EXPECT_EQ(ColAfter(5), 4) << "leftwards to the tab itself";
    // SetRowCol always moves left.
    EXPECT_EQ(ColAfter(1, 3), 2);
    EXPECT_EQ(ColAfter(2, 5), 0);
    int moves = 0;
    ed->OnCaretMoved = [&](TObject*) { ++moves; };
    ed->SetRowCol(2, 0);
    EXPECT_EQ(moves, 0) << "an unchanged place does nothing";
    ed->Caret()->SetInTab(true);
    ed->SetRowCol(0, 0);
    EXPECT_EQ(ColAfter(6), 6);
}

TEST_F(Caret, ColumnsAndRowsAreCappedAndClamped)
{
    ed.SetText("abc\r\n" + Bytes(999) + Sjis("漢") + "\r\n");
    EXPECT_EQ(ColAfter(5000), 1000);
    EXPECT_EQ(ColAfter(1, 0), 0);
    EXPECT_EQ(ColAfter(5000), 1001) << "after a kanji whose lead is the 1000th byte";
    EXPECT_EQ(ColAfter(-5), 0);
    ed->SetRow(99);
    EXPECT_EQ(ed->Row(), 2);
    ed->SetRow(-3);
    EXPECT_EQ(ed->Row(), 0);
    ed.SetText("ab\r\ncd");
    ed->SetRow(99);
    EXPECT_EQ(ed->Row(), 1) << "no row after a last row without a line break";

    // A wrapped row keeps the caret before its last character.
    ed.Wrap(20);
    ed.SetText(Bytes(18) + Sjis("漢字") + "xyz\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    const int width = ed->RowWidth(0);
    EXPECT_EQ(ColAfter(0, width), width - 2) << "before both bytes of the final kanji";
    EXPECT_EQ(ColAfter(1, 10), 10);
    EXPECT_EQ(ColAfter(1, 200), 19) << "not past the wrap column";
}

TEST_F(Caret, ShapeFollowsTheModeAndTheCharacter)
{
    // Wide cells: the overwrite and brief carets stay a character wide.
    ed->Margin()->SetCharacter(3);
    ASSERT_EQ(ed->ColWidth(), ed->CharWidth() + 3);
    ed.SetText("a" + Sjis("漢"));
    ed->SetRowCol(0, 1);
    EXPECT_EQ(ed->CaretRect(), QRect(ed.CellPoint(0, 1), QSize(2, ed->FontHeight())));
    ed->SetOverWrite(true);
    EXPECT_EQ(ed->CaretRect().size(), QSize(2 * ed->CharWidth(), ed->FontHeight()));
    ed->SetOverWrite(false);
    ed->Caret()->SetStyle(TEditorCaretStyle::csBrief);
    EXPECT_EQ(ed->CaretRect().size(), QSize(2 * ed->CharWidth(), 2));
    EXPECT_EQ(ed->CaretRect().top(), ed.CellPoint(0, 1).y() + ed->FontHeight() - 2);
    ed->SetCol(0);
    EXPECT_EQ(ed->CaretRect().width(), ed->CharWidth());
}

TEST_F(Caret, NestedUpdatesFocusAndTheViewHideIt)
{
    ed.SetText(Lines(100, "row"));
    ASSERT_TRUE(ed->CaretShown());
    ed->CaretBeginUpdate();
    ed->CaretBeginUpdate();
    ed->CaretEndUpdate();
    EXPECT_FALSE(ed->CaretShown());
    ed->CaretEndUpdate();
    EXPECT_TRUE(ed->CaretShown());
    // A stray end does not go below zero.
    ed->CaretEndUpdate();
    ed->CaretBeginUpdate();
    EXPECT_FALSE(ed->CaretShown());
    ed->CaretEndUpdate();

    ed->clearFocus();
    EXPECT_FALSE(ed->CaretShown());
    ed->setFocus();
    EXPECT_TRUE(ed->CaretShown());

    ed->SetRow(50);
    ed->SetTopRow(0);
    ed->HideCaret();
    ed->ShowCaret();
    EXPECT_FALSE(ed->CaretShown());
    EXPECT_TRUE(ed->IsCaretOutOfView());
}

} // namespace
