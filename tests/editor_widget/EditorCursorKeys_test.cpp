// The cursor keys: selecting with Shift, rows' ends, token moves with Ctrl,
// page and view scrolling with their accelerated repeats, and the wheel.
#include "EditorDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using edtest::TEditorDriver;

class CursorKeys : public testing::Test {
protected:
    // Numbered lines "0" .. Count - 1.
    void SetLines(int Count)
    {
        std::string text;
        for (int i = 0; i < Count; ++i)
            text += std::to_string(i) + "\r\n";
        ed.SetText(text);
    }
    // Resizes the editor to show exactly Rows rows.
    void ShowRows(int Rows)
    {
        const int frame = ed->height() - ed->viewport()->height();
        ed->resize(ed->width(), frame + ed->TextTop() + 5 + Rows * ed->RowHeight());
        TEditorDriver::Process();
        ASSERT_EQ(ed->VisibleRows(), Rows);
    }

    TEditorDriver ed;
};

TEST_F(CursorKeys, ShiftExtendsASelectionThatAPlainMoveDrops)
{
    ed.SetText("abcdef\r\nghi\r\n");
    ed->SetRowCol(0, 2);
    ed.Key(Qt::Key_Right, Qt::ShiftModifier);
    ed.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "cdef\r\nghi");
    ed.Key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "cdef\r\n");
    ed.Key(Qt::Key_Right);
    EXPECT_FALSE(ed->Selected());
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 1}));
}

TEST_F(CursorKeys, HomeAndEndWithAndWithoutCtrl)
{
    ed.SetText("abc\r\nde\r\nfghij");
    ed->SetRowCol(1, 1);
    ed.Key(Qt::Key_End);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 2}));
    ed.Key(Qt::Key_Home);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0}));
    ed.Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(ed.Caret(), (TCaretPos{2, 5}));
    ed.Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 0}));
}

TEST_F(CursorKeys, LeftAndRightCrossRowsWithNextLineOrAWrappedRow)
{
    ed->Caret()->SetFreeCaret(false);
    ed.SetText("ab\r\ncd\r\n");
    ed->SetRowCol(1, 0);
    ed.Key(Qt::Key_Left);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0})) << "a line's start without NextLine";
    ed->Caret()->SetNextLine(true);
    ed.Key(Qt::Key_Left);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 2}));
    ed.Key(Qt::Key_Right);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0}));

    // Between the rows of a wrapped line always; the caret never stands
    // after a wrapped row's last character.
    ed->Caret()->SetNextLine(false);
    ed.Wrap(20);
    ed.SetText(std::string(25, 'a'));
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    const int last = ed->RowWidth(0) - 1;
    ed->SetRowCol(0, last);
    ed.Key(Qt::Key_Right);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0}));
    ed.Key(Qt::Key_Left);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, last}));
}

TEST_F(CursorKeys, CtrlLeftAndRightGoFromTokenToToken)
{
    ed.SetText("foo  bar(baz)\r\nqux");
    ed.Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(ed->Col(), 5) << "blanks are passed over";
    ed.Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(ed->Col(), 8);
    ed.Key(Qt::Key_End, Qt::ControlModifier);
    ed.Key(Qt::Key_Home);
    // From a row's start to the end of the line above, which stops there.
    ed.Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 13}));
    ed.Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 12}));
}

TEST_F(CursorKeys, PageDownMovesHalfAViewTimesTheSpeed)
{
    SetLines(200);
    ShowRows(21);
    ed->SetRowCol(3, 0);
    ed.Key(Qt::Key_PageDown);
    EXPECT_EQ(ed->TopRow(), 20) << "(21 - 1) / 2 rows, twice";
    EXPECT_EQ(ed->Row(), 23) << "the caret keeps its place in the view";
    ed.Key(Qt::Key_PageUp);
    EXPECT_EQ(ed->TopRow(), 0);
    EXPECT_EQ(ed->Row(), 3);
    // A repeating key takes the accelerated range.
    ed->Speed()->SetPageVerticalRangeAc(3);
    ed.Key(Qt::Key_PageDown, Qt::NoModifier, QString(), true);
    EXPECT_EQ(ed->TopRow(), 30);
}

TEST_F(CursorKeys, ARepeatingDownAtTheViewsEdgeMovesFaster)
{
    SetLines(100);
    ShowRows(10);
    ed->Speed()->SetCaretVerticalAc(3);
    ed->SetRowCol(5, 0);
    ed.Key(Qt::Key_Down, Qt::NoModifier, QString(), true);
    EXPECT_EQ(ed->Row(), 6) << "inside the view one row at a time";
    ed->SetRowCol(9, 0);
    ed.Key(Qt::Key_Down, Qt::NoModifier, QString(), true);
    EXPECT_EQ(ed->Row(), 12);
    ed.Key(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 13);
}

TEST_F(CursorKeys, CtrlUpAndDownScrollTheViewAndTheCaretFollowsWhenItMust)
{
    SetLines(100);
    ShowRows(10);
    ed->SetRowCol(2, 0);
    ed.Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(ed->TopRow(), 1);
    EXPECT_EQ(ed->Row(), 2);
    ed.Key(Qt::Key_Down, Qt::ControlModifier);
    ed.Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(ed->TopRow(), 3);
    EXPECT_EQ(ed->Row(), 3);
    ed.Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(ed->TopRow(), 2);
    EXPECT_EQ(ed->Row(), 3);
}

TEST_F(CursorKeys, DownStopsOnTheLastRowWithoutALineBreak)
{
    ed.SetText("a\r\nb");
    ed->SetRow(1);
    ed.Key(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 1);
    ed.SetText("a\r\nb\r\n");
    ed->SetRow(1);
    ed.Key(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 2) << "after a final line break the caret may go one row further";
}

TEST_F(CursorKeys, TheWheelScrollsThreeRowsANotch)
{
    SetLines(100);
    ShowRows(10);
    ed.Wheel(-120);
    EXPECT_EQ(ed->TopRow(), 3);
    ed.Wheel(-60);
    EXPECT_EQ(ed->TopRow(), 3) << "half a notch waits for the other half";
    ed.Wheel(-60);
    EXPECT_EQ(ed->TopRow(), 6);
    ed.Wheel(240);
    EXPECT_EQ(ed->TopRow(), 0);
    EXPECT_EQ(ed->Row(), 0) << "the caret stays without LockScroll";
}

TEST_F(CursorKeys, AnOwnerWheelHandlerGetsWholeNotchesInsteadOfTheScrolling)
{
    SetLines(100);
    ShowRows(10);
    std::string notches;
    ed->OnMouseWheel = [&](TObject*, int Notch) { notches += Notch > 0 ? '+' : '-'; };
    ed.Wheel(-60);
    ed.Wheel(-180);
    ed.Wheel(240);
    EXPECT_EQ(notches, "--++");
    EXPECT_EQ(ed->TopRow(), 0);
}

TEST_F(CursorKeys, FocusAndSizeChangesReachTheOwner)
{
    std::string events;
    ed->OnEnter = [&](TObject*) { events += 'E'; };
    ed->OnExit = [&](TObject*) { events += 'X'; };
    ed->OnResize = [&](TObject*) { events += 'R'; };
    ed->clearFocus();
    ed->setFocus();
    ed->resize(ed->width() + 10, ed->height());
    ed.Process();
    EXPECT_EQ(events, "XER");
}

} // namespace
