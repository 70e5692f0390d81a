// The mouse on the viewport: placing the caret, selecting by dragging and
// with Shift, whole rows from the left bar, dragging a selection to move or
// copy it, clicks and double clicks, and the pointer's cursors.
#include "EditorDriver.h"

#include "edCursors.h"

#include <gtest/gtest.h>

namespace {

using edtest::Lines;
using edtest::TEditorDriver;

class Mouse : public testing::Test {
protected:
    Qt::CursorShape Cursor() const { return ed->viewport()->cursor().shape(); }

    TEditorDriver ed;
};

TEST_F(Mouse, AClickPlacesTheCaretAtTheNearerBoundary)
{
    ed.SetText("abcdef");
    const int cw = ed->ColWidth();
    const QPoint cell = ed.At(0, 2);
    ed.Press(cell + QPoint(cw / 2 + 1, 0));
    ed.Release(cell + QPoint(cw / 2 + 1, 0));
    EXPECT_EQ(ed->Col(), 3);
    ed.Press(cell + QPoint(cw / 2 - 2, 0));
    ed.Release(cell + QPoint(cw / 2 - 2, 0));
    EXPECT_EQ(ed->Col(), 2);
    EXPECT_FALSE(ed->Selected()) << "a click without movement selects nothing";
}

TEST_F(Mouse, ASelectionStartsOnceThePointerHasMovedHalfAColumn)
{
    ed.SetText("abcdef");
    const QPoint down = ed.At(0, 1);
    ed.Press(down);
    ed.Move(down + QPoint(ed->ColWidth() / 2 - 1, 0));
    EXPECT_FALSE(ed->Selected());
    ed.Move(ed.At(0, 4));
    ed.Release(ed.At(0, 4));
    EXPECT_EQ(ed->SelText(), "bcd");
}

TEST_F(Mouse, ShiftClickExtendsFromTheCaretOrTheAnchor)
{
    ed.SetText("abcdef\r\nghijkl");
    ed->SetRowCol(0, 1);
    ed.Click(0, 3, Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "bc");
    ed.Click(1, 2, Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "bcdef\r\ngh");
}

TEST_F(Mouse, KeysAndTypingWaitWhileTheButtonIsHeld)
{
    ed.SetText("abc");
    ed.Press(ed.At(0, 1));
    ed.Type("x");
    ed.Key(Qt::Key_Right);
    EXPECT_EQ(ed.Text(), "abc");
    EXPECT_EQ(ed->Col(), 1);
    ed.Release(ed.At(0, 1));
}

TEST_F(Mouse, DraggingAboveTheTextGoesUpARowAtATime)
{
    ed.SetText(Lines(60, "line"));
    ed->SetTopRow(30);
    ed.Press(ed.At(32, 2));
    const QPoint above(ed.At(30, 2).x(), ed->TextTop() - 2);
    ed.Move(above);
    EXPECT_EQ(ed->Row(), 29);
    EXPECT_EQ(ed->TopRow(), 29);
    ed.Move(above + QPoint(0, -1));
    EXPECT_EQ(ed->Row(), 28);
    ed.Release(above);
    EXPECT_EQ(ed->SelText(), "ne\r\nline\r\nline\r\nline\r\nli");
}

class LeftBar : public Mouse {
protected:
    LeftBar() { ed->Leftbar()->SetVisible(true); }
    QPoint InBar(int Row) const { return {ed->TextLeft() / 2, ed.At(Row, 0).y()}; }
};

TEST_F(LeftBar, AClickSelectsTheRowWithItsLineBreak)
{
    ed.SetText("ab\r\ncd\r\nef");
    ed.Press(InBar(1));
    ed.Release(InBar(1));
    EXPECT_EQ(ed->SelText(), "cd\r\n");
    // The last row without a line break: the row itself.
    ed.Press(InBar(2));
    ed.Release(InBar(2));
    EXPECT_EQ(ed->SelText(), "ef");
}

TEST_F(LeftBar, DraggingExtendsByWholeRowsBothWays)
{
    ed.SetText("r0\r\nr1\r\nr2\r\nr3\r\n");
    ed.Press(InBar(1));
    ed.Move(InBar(2));
    EXPECT_EQ(ed->SelText(), "r1\r\nr2\r\n");
    // Above the first row the first row stays selected.
    ed.Move(InBar(0));
    EXPECT_EQ(ed->SelText(), "r0\r\nr1\r\n");
    ed.Move(InBar(3));
    ed.Release(InBar(3));
    EXPECT_EQ(ed->SelText(), "r1\r\nr2\r\nr3\r\n");
}

// ---- Dragging a selection ---------------------------------------------------------------------

class DragSelection : public Mouse {
protected:
    // Selects from column From to To of row 0 and drags from inside it to
    // Target.
    void DragTo(int From, int To, QPoint Target, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        ed.Select({0, From}, {0, To});
        ed.Drag(ed.At(0, From), Target, Modifiers);
    }
};

TEST_F(DragSelection, AMoveLandsWhereDroppedInTheSameLine)
{
    ed.SetText("ab cd ef");
    DragTo(0, 2, ed.At(0, 5));
    EXPECT_EQ(ed.Text(), " cdab ef");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 5}));
    EXPECT_FALSE(ed->Selected());
    ed->Undo();
    EXPECT_EQ(ed.Text(), "ab cd ef") << "one step";
}

TEST_F(DragSelection, CtrlCopiesAndKeepsTheText)
{
    ed.SetText("ab cd ef");
    DragTo(0, 2, ed.At(0, 5), Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "ab cdab ef");
}

TEST_F(DragSelection, ADropPastAShorterRowsEndPadsIt)
{
    ed.SetText("abc\r\nx");
    DragTo(0, 2, ed.At(1, 4));
    EXPECT_EQ(ed.Text(), "c\r\nx   ab");
}

TEST_F(DragSelection, ADropInsideTheSelectionOrOutsideTheViewOnlyDropsIt)
{
    ed.SetText("abcdef");
    DragTo(1, 5, ed.At(0, 3));
    EXPECT_EQ(ed.Text(), "abcdef");
    EXPECT_FALSE(ed->Selected());
    DragTo(1, 5, QPoint(-20, ed.At(0, 0).y()));
    EXPECT_EQ(ed.Text(), "abcdef");
    EXPECT_FALSE(ed->Selected());
}

TEST_F(DragSelection, EscCancelsAndTheModesStayMeanwhile)
{
    ed.SetText("abcdef");
    ed.Select({0, 0}, {0, 2});
    ed.Press(ed.At(0, 1));
    ed.Move(ed.At(0, 4));
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    ed->SetReadOnly(true);
    EXPECT_EQ(ed->SelectionMode(), TEditorSelectionMode::smLine);
    EXPECT_FALSE(ed->ReadOnly());
    ed.KeyDown(Qt::Key_Escape);
    EXPECT_FALSE(ed->Selected());
    ed.Release(ed.At(0, 4));
    EXPECT_EQ(ed.Text(), "abcdef");
}

TEST_F(DragSelection, ManualDragModeOnlyMovesTheCaretInsideTheSelection)
{
    ed->Caret()->SetSelDragMode(TDragMode::dmManual);
    ed.SetText("abcdef");
    DragTo(0, 3, ed.At(0, 5));
    EXPECT_EQ(ed.Text(), "abcdef");
    EXPECT_EQ(ed->SelText(), "abcde") << "the held button extends the old selection";
}

// ---- Clicks and cursors ---------------------------------------------------------------------------

TEST_F(Mouse, ADoubleClickFiresOnceAndKeepsWhatItsHandlerSelected)
{
    int clicks = 0;
    int doubleClicks = 0;
    ed->OnClick = [&](TObject*) { ++clicks; };
    ed->OnDblClick = [&](TObject*) {
        ++doubleClicks;
        ed->SelectWordAt(ed.At(0, 5));
    };
    ed.SetText("one two three");
    ed.DoubleClick(ed.At(0, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(ed->SelText(), "two");
}

TEST_F(Mouse, ThePointerTakesTheCursorOfWhatLiesUnderIt)
{
    ed->Leftbar()->SetVisible(true);
    ed->Ruler()->SetVisible(true);
    ed.SetText("abcdef");
    ed.Move(ed.At(0, 1), Qt::NoModifier, false);
    EXPECT_EQ(Cursor(), Qt::IBeamCursor);
    ed.Move(QPoint(ed->TextLeft() / 2, ed.At(0, 0).y()), Qt::NoModifier, false);
    EXPECT_EQ(Cursor(), Screen().Cursors(crRightArrow).shape());
    ed.Move(QPoint(ed.At(0, 1).x(), ed->TextTop() / 2), Qt::NoModifier, false);
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    ed.Select({0, 0}, {0, 3});
    ed.Move(ed.At(0, 1), Qt::NoModifier, false);
    EXPECT_EQ(Cursor(), Qt::ArrowCursor) << "over a selection that can be dragged";

    ed.Press(ed.At(0, 1));
    ed.Move(ed.At(0, 5));
    EXPECT_EQ(Cursor(), Screen().Cursors(crDrag).shape());
    ed.KeyDown(Qt::Key_Control);
    EXPECT_EQ(Cursor(), Screen().Cursors(crDragSelCopy).shape());
    ed.KeyUp(Qt::Key_Control);
    EXPECT_EQ(Cursor(), Screen().Cursors(crDrag).shape());
    ed.Release(ed.At(0, 5));
    EXPECT_EQ(Cursor(), Qt::IBeamCursor);
}

} // namespace
