// The mouse on the viewport: placing the caret, selecting by dragging and
// with Shift, whole rows from the left bar, dragging a selection to move or
// copy it, clicks and double clicks, the pointer's cursors and the token
// under a point.
#include "EditorDriver.h"

#include "EditorCursors.h"

#include <gtest/gtest.h>

namespace {

using namespace edtest;

class Mouse : public testing::Test {
protected:
    Qt::CursorShape Cursor() const { return ed->viewport()->cursor().shape(); }
    void Hover(QPoint At) { ed.Move(At, Qt::NoModifier, false); }
    QPoint InLeftBar(int Row) const { return {ed->TextLeft() / 2, ed.At(Row, 0).y()}; }

    TEditorDriver ed;
};

TEST_F(Mouse, AClickTakesTheNearerBoundaryAndASelectionStartsOnceThePointerHasMovedHalfAColumn)
{
    ed.SetText("abcdef");
    const int cw = ed->ColWidth();
    ed.Click(ed.At(0, 2) + QPoint(cw / 2 + 1, 0));
    EXPECT_EQ(ed->Col(), 3);
    ed.Click(ed.At(0, 2) + QPoint(cw / 2 - 2, 0));
    EXPECT_EQ(ed->Col(), 2);

    const QPoint down = ed.At(0, 1);
    ed.Press(down);
    ed.Move(down + QPoint(ed->ColWidth() / 2 - 1, 0));
    EXPECT_FALSE(ed->Selected());
    // Keys and typing wait while the button is held.
    ed.Type("x");
    ed.Key(Qt::Key_Right);
    EXPECT_EQ(ed.Text(), "abcdef");
    EXPECT_EQ(ed->Col(), 1);
    ed.Move(ed.At(0, 4));
    ed.Release(ed.At(0, 4));
    EXPECT_EQ(ed->SelText(), "bcd");
}

TEST_F(Mouse, ShiftClickExtendsFromTheCaretOrTheAnchor)
{
    ed.SetText("abcdef\r\nghijkl");
    ed->SetRowCol(0, 1);
    ed.Click(ed.At(0, 3), Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "bc");
    ed.Click(ed.At(1, 2), Qt::ShiftModifier);
    EXPECT_EQ(ed->SelText(), "bcdef\r\ngh");
}

TEST_F(Mouse, TheLeftBarSelectsWholeRowsBothWays)
{
    ed->Leftbar()->SetVisible(true);
    ed.SetText("r0\r\nr1\r\nr2\r\nr3");
    ed.Click(InLeftBar(1));
    EXPECT_EQ(ed->SelText(), "r1\r\n");
    ed.Click(InLeftBar(3));
    EXPECT_EQ(ed->SelText(), "r3") << "the last row without a line break";

    ed.Press(InLeftBar(1));
    ed.Move(InLeftBar(2));
    EXPECT_EQ(ed->SelText(), "r1\r\nr2\r\n");
    // Above the first row the first row stays selected.
    ed.Move(InLeftBar(0));
    EXPECT_EQ(ed->SelText(), "r0\r\nr1\r\n");
    ed.Move(InLeftBar(3));
    ed.Release(InLeftBar(3));
    EXPECT_EQ(ed->SelText(), "r1\r\nr2\r\nr3");
}

// ---- Dragging a selection ---------------------------------------------------------------------

TEST_F(Mouse, DraggingASelectionMovesOrCopiesItInOneStep)
{
    struct TCase {
        const char* What;
        std::string Text;
        int From, To;
        TCaretPos Target;
        Qt::KeyboardModifiers Modifiers;
        std::string Expected;
    };
    const TCase cases[] = {
        {"a move lands where dropped in the same line", "ab cd ef", 0, 2, {0, 5}, {}, " cdab ef"},
        {"Ctrl copies", "ab cd ef", 0, 2, {0, 5}, Qt::ControlModifier, "ab cdab ef"},
        {"a drop past a shorter row's end pads it", "abc\r\nx", 0, 2, {1, 4}, {}, "c\r\nx   ab"},
        {"a drop inside the selection only drops it", "abcdef", 1, 5, {0, 3}, {}, "abcdef"},
    };
    for (const TCase& c : cases) {
        TEditorDriver drv;
        drv.SetText(c.Text);
        drv.Select({0, c.From}, {0, c.To});
        drv.Drag(drv.At(0, c.From), drv.At(c.Target.Row, c.Target.Col), c.Modifiers);
        EXPECT_EQ(drv.Text(), c.Expected) << c.What;
        EXPECT_FALSE(drv->Selected()) << c.What;
        drv->Undo();
        EXPECT_EQ(drv.Text(), c.Text) << c.What;
    }
    // Outside the view nothing lands.
    ed.SetText("abcdef");
    ed.Select({0, 1}, {0, 5});
    ed.Drag(ed.At(0, 1), QPoint(-20, ed.At(0, 0).y()));
    EXPECT_EQ(ed.Text(), "abcdef");
    EXPECT_FALSE(ed->Selected());
}

TEST_F(Mouse, EscCancelsADragAndTheModesStayMeanwhile)
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

// ---- Clicks and cursors ---------------------------------------------------------------------------

TEST_F(Mouse, ADoubleClickFiresOnceAndKeepsWhatItsHandlerSelected)
{
    std::string events;
    ed->OnClick = [&](TObject*) { events += 'C'; };
    ed->OnDblClick = [&](TObject*) {
        events += 'D';
        ed->SelectWordAt(ed.At(0, 5));
    };
    ed.SetText("one two three");
    ed.DoubleClick(ed.At(0, 5));
    EXPECT_EQ(events, "CD");
    EXPECT_EQ(ed->SelText(), "two");
}

TEST_F(Mouse, ThePointerTakesTheCursorOfWhatLiesUnderIt)
{
    ed->Leftbar()->SetVisible(true);
    ed->Ruler()->SetVisible(true);
    ed.SetText("abcdef");
    Hover(ed.At(0, 1));
    EXPECT_EQ(Cursor(), Qt::IBeamCursor);
    Hover(InLeftBar(0));
    EXPECT_EQ(Cursor(), Screen().Cursors(crRightArrow).shape());
    Hover(QPoint(ed.At(0, 1).x(), ed->TextTop() / 2));
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    ed.Select({0, 0}, {0, 3});
    Hover(ed.At(0, 1));
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

TEST_F(Mouse, TheTokenUnderAPointOrTheCaret)
{
    ed->View()->SetUrl(true);
    ed.SetText("go http://example.com/x (" + Sjis("漢字") + ")\r\n");
    std::string text;
    int kind = -1;
    EXPECT_TRUE(ed->GetTokenAtPos(ed.At(0, 8), true, text, false, kind));
    EXPECT_EQ(std::pair(text, kind), std::pair(std::string("http://example.com/x"), int(toUrl)));
    EXPECT_EQ(ed->TokenKindAt(ed.At(0, 26)), toDBKanji);
    EXPECT_FALSE(ed->GetTokenAtPos(ed.At(0, 40), true, text, false, kind)) << "past the row's end";
    EXPECT_EQ(std::pair(text, kind), std::pair(std::string(), int(toEof)));

    ed->SelectWordAt(ed.At(0, 1));
    EXPECT_EQ(ed->SelText(), "go");
    ed->SetRowCol(0, 26);
    ed->SelectTokenAtCaret();
    EXPECT_EQ(ed->SelText(), Sjis("漢字"));
    int row = -1;
    int index = -1;
    EXPECT_TRUE(ed->PosToRowCol(ed.At(0, 26), row, index));
    EXPECT_EQ(index, 25) << "the second half of a kanji is the kanji";
}

} // namespace
