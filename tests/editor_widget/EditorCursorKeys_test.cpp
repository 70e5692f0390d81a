// The cursor keys: rows' ends, token moves with Ctrl, page and view
// scrolling with their accelerated repeats, and the wheel.
#include "EditorDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using edtest::TEditorDriver;

class CursorKeys : public testing::Test {
protected:
    // Numbered lines "0" .. Count - 1, and a view of exactly Rows rows.
    void SetLines(int Count, int Rows)
    {
        std::string text;
        for (int i = 0; i < Count; ++i)
            text += std::to_string(i) + "\r\n";
        ed.SetText(text);
        const int frame = ed->height() - ed->viewport()->height();
        ed->resize(ed->width(), frame + ed->TextTop() + 5 + Rows * ed->RowHeight());
        TEditorDriver::Process();
        ASSERT_EQ(ed->VisibleRows(), Rows);
    }
    void Repeat(Qt::Key Key) { ed.Key(Key, Qt::NoModifier, QString(), true); }
    // The caret after Key with Modifiers.
    TCaretPos After(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        ed.Key(Key, Modifiers);
        return ed.Caret();
    }

    TEditorDriver ed;
};

using P = TCaretPos;

TEST_F(CursorKeys, HomeEndAndTokenMovesWithAndWithoutCtrl)
{
    ed.SetText("abc\r\nde\r\nfghij");
    ed->SetRowCol(1, 1);
    EXPECT_EQ(After(Qt::Key_End), (P{1, 2}));
    EXPECT_EQ(After(Qt::Key_Home), (P{1, 0}));
    EXPECT_EQ(After(Qt::Key_End, Qt::ControlModifier), (P{2, 5}));
    EXPECT_EQ(After(Qt::Key_Home, Qt::ControlModifier), (P{0, 0}));

    ed.SetText("foo  bar(baz)\r\nqux");
    EXPECT_EQ(After(Qt::Key_Right, Qt::ControlModifier), (P{0, 5})) << "blanks are passed over";
    EXPECT_EQ(After(Qt::Key_Right, Qt::ControlModifier), (P{0, 8}));
    ed->SetRowCol(1, 0);
    // From a row's start to the end of the line above, which stops there.
    EXPECT_EQ(After(Qt::Key_Left, Qt::ControlModifier), (P{0, 13}));
    EXPECT_EQ(After(Qt::Key_Left, Qt::ControlModifier), (P{0, 12}));
}

TEST_F(CursorKeys, PageDownMovesHalfAViewTimesTheSpeed)
{
    SetLines(200, 21);
    ed->SetRowCol(3, 0);
    ed.Key(Qt::Key_PageDown);
    EXPECT_EQ(ed->TopRow(), 20) << "(21 - 1) / 2 rows, twice";
    EXPECT_EQ(ed->Row(), 23) << "the caret keeps its place in the view";
    ed.Key(Qt::Key_PageUp);
    EXPECT_EQ(ed->TopRow(), 0);
    EXPECT_EQ(ed->Row(), 3);
    ed->Speed()->SetPageVerticalRangeAc(3);
    Repeat(Qt::Key_PageDown);
    EXPECT_EQ(ed->TopRow(), 30) << "a repeating key takes the accelerated range";
}

TEST_F(CursorKeys, ARepeatingDownAtTheViewsEdgeMovesFaster)
{
    SetLines(100, 10);
    ed->Speed()->SetCaretVerticalAc(3);
    ed->SetRowCol(5, 0);
    Repeat(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 6) << "inside the view one row at a time";
    ed->SetRowCol(9, 0);
    Repeat(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 12);
    EXPECT_EQ(After(Qt::Key_Down).Row, 13);
}

TEST_F(CursorKeys, CtrlUpAndDownScrollTheViewAndTheCaretFollowsWhenItMust)
{
    SetLines(100, 10);
    ed->SetRowCol(2, 0);
    const auto scroll = [&](Qt::Key Key, int Times) {
        for (int i = 0; i < Times; ++i)
            ed.Key(Key, Qt::ControlModifier);
        return std::pair(ed->TopRow(), ed->Row());
    };
    EXPECT_EQ(scroll(Qt::Key_Down, 1), std::pair(1, 2));
    EXPECT_EQ(scroll(Qt::Key_Down, 2), std::pair(3, 3));
    EXPECT_EQ(scroll(Qt::Key_Up, 1), std::pair(2, 3));
}

TEST_F(CursorKeys, TheWheelScrollsThreeRowsANotchOrGoesToTheOwner)
{
    SetLines(100, 10);
    ed.Wheel(-120);
    EXPECT_EQ(ed->TopRow(), 3);
    ed.Wheel(-60);
    EXPECT_EQ(ed->TopRow(), 3) << "half a notch waits for the other half";
    ed.Wheel(-60);
    EXPECT_EQ(ed->TopRow(), 6);
    ed.Wheel(240);
    EXPECT_EQ(ed->TopRow(), 0);
    EXPECT_EQ(ed->Row(), 0) << "the caret stays without LockScroll";

    // An owner's handler gets whole notches instead of the scrolling.
    std::string notches;
    ed->OnMouseWheel = [&](TObject*, int Notch) { notches += Notch > 0 ? '+' : '-'; };
    ed.Wheel(-60);
    ed.Wheel(-180);
    ed.Wheel(240);
    EXPECT_EQ(notches, "--++");
    EXPECT_EQ(ed->TopRow(), 0);
}

} // namespace
