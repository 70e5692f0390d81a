// Where the caret stands and how it shows: the column rule, the keeping of
// a column over short rows, the caps, placing after text, the shapes, and
// the nested updates that hide it.
#include "EditorDriver.h"

#include <gtest/gtest.h>

namespace {

using edtest::Bytes;
using edtest::Lines;
using edtest::Sjis;
using edtest::TEditorDriver;

class Caret : public testing::Test {
protected:
    TEditorDriver ed;
};

TEST_F(Caret, KeepCaretComesBackToTheColumnAfterAShortRow)
{
    ed->Caret()->SetFreeCaret(false);
    ed->Caret()->SetKeepCaret(true);
    ed.SetText("0123456789\r\nab\r\n0123456789\r\n");
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

TEST_F(Caret, FreeCaretStaysPastTheRowEnd)
{
    ed.SetText("0123456789\r\nab\r\n");
    ed->SetRowCol(0, 8);
    ed->SetRow(1);
    EXPECT_EQ(ed->Col(), 8);
    ed->Caret()->SetFreeCaret(false);
    ed->SetRow(0);
    ed->SetRow(1);
    EXPECT_EQ(ed->Col(), 2);
}

TEST_F(Caret, CaretNeverStandsOnATrailByteOrInTabFill)
{
    ed.SetText("a" + Sjis("漢") + "b\tc\r\n");
    ed->SetCol(2);
    EXPECT_EQ(ed->Col(), 3) << "moving right steps over the trail byte";
    ed->SetCol(2);
    EXPECT_EQ(ed->Col(), 1) << "moving left steps back to the lead byte";
    ed->SetCol(6);
    EXPECT_EQ(ed->Col(), 8) << "rightwards out of the tab's fill";
    ed->SetCol(5);
    EXPECT_EQ(ed->Col(), 4) << "leftwards to the tab itself";
    ed->Caret()->SetInTab(true);
    ed->SetCol(6);
    EXPECT_EQ(ed->Col(), 6);
}

TEST_F(Caret, SetRowColMovesLeftOffTrailBytesAndTabFill)
{
    ed.SetText(Sjis("漢字") + "\r\n\tx\r\n");
    int moves = 0;
    ed->OnCaretMoved = [&](TObject*) { ++moves; };
    ed->SetRowCol(0, 3);
    EXPECT_EQ(ed->Col(), 2);
    ed->SetRowCol(1, 5);
    EXPECT_EQ(ed->Row(), 1);
    EXPECT_EQ(ed->Col(), 0);
    moves = 0;
    ed->SetRowCol(1, 0);
    EXPECT_EQ(moves, 0) << "an unchanged place does nothing";
}

TEST_F(Caret, WrappedRowEndKeepsTheCaretBeforeItsLastCharacter)
{
    ed.Wrap(20);
    ed.SetText(Bytes(18) + Sjis("漢字") + "xyz\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    const int width = ed->RowWidth(0);
    ed->SetRowCol(0, width);
    EXPECT_EQ(ed->Col(), width - 2) << "before both bytes of the final kanji";
    ed->SetRowCol(1, 10);
    EXPECT_EQ(ed->Col(), 10);
    ed->SetRowCol(1, 200);
    EXPECT_EQ(ed->Col(), 19) << "not past the wrap column";
}

TEST_F(Caret, ColumnIsCappedAtTheThousandthColumn)
{
    ed.SetText("abc\r\n" + Bytes(999) + Sjis("漢") + "\r\n");
    ed->SetCol(5000);
    EXPECT_EQ(ed->Col(), 1000);
    ed->SetRowCol(1, 0);
    ed->SetCol(5000);
    EXPECT_EQ(ed->Col(), 1001) << "after a kanji whose lead is the 1000th byte";
    ed->SetCol(-5);
    EXPECT_EQ(ed->Col(), 0);
}

TEST_F(Caret, RowIsClampedToTheText)
{
    ed.SetText("ab\r\ncd");
    ed->SetRow(99);
    EXPECT_EQ(ed->Row(), 1) << "no row after a last row without a line break";
    ed.SetText("ab\r\ncd\r\n");
    ed->SetRow(99);
    EXPECT_EQ(ed->Row(), 2);
    ed->SetRow(-3);
    EXPECT_EQ(ed->Row(), 0);
}

TEST_F(Caret, PutCaretAfterTextCountsLineBreaksAsTwo)
{
    ed.SetText("ab\r\ncd");
    const auto place = [&](int Length) {
        ed->PutCaretAfterText(0, Length);
        return std::pair(ed->Row(), ed->Col());
    };
    EXPECT_EQ(place(3), std::pair(0, 2));
    EXPECT_EQ(place(4), std::pair(1, 0));
    EXPECT_EQ(place(6), std::pair(1, 2));
    ed.SetText("ab\r\n");
    EXPECT_EQ(place(4), std::pair(1, 0));
}

TEST_F(Caret, MovingPastTheRightEdgeScrollsAQuarterOfTheView)
{
    ed.SetText(Bytes(900));
    const int cols = ed->VisibleCols();
    ed->SetCol(cols);
    EXPECT_EQ(ed->TopCol(), cols / 4);
    ed->SetCol(cols / 4 - 1);
    EXPECT_EQ(ed->TopCol(), 0);
    ed->SetCol(900);
    EXPECT_EQ(ed->TopCol(), 900 - (cols - 1));
    ed->SetCol(890);
    EXPECT_EQ(ed->TopCol(), 900 - (cols - 1)) << "still in view";
}

TEST_F(Caret, ScrollingSidewaysStopsHalfAViewBeforeTheLastColumn)
{
    ed.Wrap(250);
    ed.SetText(Bytes(240));
    ed->SetTopCol(5000);
    EXPECT_EQ(ed->TopCol(), std::max(0, 250 - ed->VisibleCols() / 2));
    ed->resize(5000, 200);
    ed.Process();
    ed->SetTopCol(100);
    EXPECT_EQ(ed->TopCol(), 0) << "a view wider than the text cannot scroll";
}

TEST_F(Caret, ShapeFollowsTheModeAndTheCharacter)
{
    // Wide cells: the overwrite and brief carets stay a character wide.
    ed->Margin()->SetCharacter(3);
    ASSERT_EQ(ed->ColWidth(), ed->CharWidth() + 3);
    ed.SetText("a" + Sjis("漢"));
    ed->SetRowCol(0, 1);
    EXPECT_EQ(ed->CaretRect().size(), QSize(2, ed->FontHeight()));
    EXPECT_EQ(ed->CaretRect().topLeft(), ed.CellPoint(0, 1));
    ed->SetOverWrite(true);
    EXPECT_EQ(ed->CaretRect().size(), QSize(2 * ed->CharWidth(), ed->FontHeight()));
    ed->SetOverWrite(false);
    ed->Caret()->SetStyle(TEditorCaretStyle::csBrief);
    EXPECT_EQ(ed->CaretRect().size(), QSize(2 * ed->CharWidth(), 2));
    EXPECT_EQ(ed->CaretRect().top(), ed.CellPoint(0, 1).y() + ed->FontHeight() - 2);
    ed->SetCol(0);
    EXPECT_EQ(ed->CaretRect().width(), ed->CharWidth());
}

TEST_F(Caret, NestedUpdatesHideItUntilTheLastEnd)
{
    ed.SetText("abc");
    ASSERT_TRUE(ed->CaretShown());
    ed->CaretBeginUpdate();
    ed->CaretBeginUpdate();
    EXPECT_FALSE(ed->CaretShown());
    ed->CaretEndUpdate();
    EXPECT_FALSE(ed->CaretShown());
    ed->CaretEndUpdate();
    EXPECT_TRUE(ed->CaretShown());
    // A stray end does not go below zero.
    ed->CaretEndUpdate();
    ed->CaretBeginUpdate();
    EXPECT_FALSE(ed->CaretShown());
    ed->CaretEndUpdate();
    EXPECT_TRUE(ed->CaretShown());
}

TEST_F(Caret, CaretOutOfViewIsNotShown)
{
    ed.SetText(Lines(100, "row"));
    ed->SetRow(50);
    ASSERT_TRUE(ed->CaretShown());
    ed->SetTopRow(0);
    ed->HideCaret();
    ed->ShowCaret();
    EXPECT_FALSE(ed->CaretShown());
    EXPECT_TRUE(ed->IsCaretOutOfView());
}

TEST_F(Caret, LosingTheFocusHidesIt)
{
    ed.SetText("abc");
    ASSERT_TRUE(ed->CaretShown());
    ed->clearFocus();
    EXPECT_FALSE(ed->CaretShown());
    ed->setFocus();
    EXPECT_TRUE(ed->CaretShown());
}

TEST_F(Caret, PaintedCaretInvertsItsCells)
{
    ed->SetOverWrite(true);
    ed.SetText("   ");
    ed->SetRowCol(0, 1);
    const QImage image = ed.Grab();
    EXPECT_EQ(ed.CellColor(image, 0, 1), QColor(Qt::black));
    EXPECT_EQ(ed.CellColor(image, 0, 2), QColor(Qt::white));
}

} // namespace
