// The keys: typing through key events (characters with their text,
// Japanese ones whole, no characters under Ctrl or Alt, and the editing
// keys Enter, Backspace, Delete and Tab), and the cursor keys (rows' ends,
// token moves with Ctrl, page and view scrolling with their accelerated
// repeats, and the wheel).
#include "EditorDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace edtest;

class Typing : public testing::Test {
protected:
    TEditorDriver ed;
};

// One key edit: the text, the caret, the keys (and any set-up before them),
// and the text and caret after.
struct TKeyEdit {
    const char* What;
    std::string Text;
    TCaretPos At;
    std::function<void(TEditorDriver&)> Keys;
    std::string Expected;
    TCaretPos Caret{-1, -1};
};

using D = TEditorDriver&;
const auto Press = [](Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    return [=](D d) { d.Key(Key, Modifiers); };
};

TEST_F(Typing, KeyEdits)
{
    // clang-format off
    const TKeyEdit cases[] = {
        {"characters go in at the caret, Japanese ones whole", "xy\r\n", {0, 1}, [](D d) { d.Type("abc漢"); },
         "xabc" + Sjis("漢") + "y\r\n", {0, 6}},
        {"overwrite leaves a blank for half a kanji", "a" + Sjis("漢") + "b", {0, 0},
         [](D d) { d->SetOverWrite(true); d.Type("xy"); }, "xy b"},
        {"typing past the row end pads with blanks", "ab\r\n", {0, 7}, [](D d) { d.Type("z"); }, "ab     z\r\n"},
        {"nothing is typed under Ctrl or Alt", "ab", {0, 1},
         [](D d) {
             // QTest gives Ctrl+A the text "a" and Ctrl+keypad 1 the text "1".
             d.Key(Qt::Key_A, Qt::ControlModifier);
             d.Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
             d.Key(Qt::Key_X, Qt::AltModifier, "x");
         },
         "ab"},
        {"Enter indents like the line", "  abc", {0, 5}, Press(Qt::Key_Return), "  abc\r\n  ", {1, 2}},
        {"Enter inside the indent keeps the blanks up to the caret", "  abc", {0, 1}, Press(Qt::Key_Enter),
         " \r\n  abc"},
        {"a tab indent is tabs then spaces", "      x", {0, 7},
         [](D d) {
             d->Caret()->SetTabIndent(true);
             d->Caret()->SetTabSpaceCount(4);
             d.Key(Qt::Key_Return);
         },
         "      x\r\n\t  "},
        {"Shift+Enter opens an indented line above", "  abc\r\n", {0, 4}, Press(Qt::Key_Return, Qt::ShiftModifier),
         "  \r\n  abc\r\n", {0, 2}},
        {"Enter after the last row appends a line break", "ab\r\n", {1, 0}, Press(Qt::Key_Return), "ab\r\n\r\n",
         {2, 0}},
        {"Enter goes to the window when the editor does not want it", "ab", {0, 0},
         [](D d) { d->SetWantReturns(false); d.Key(Qt::Key_Return); }, "ab"},
        {"Backspace joins lines", "ab\r\ncd", {1, 0}, Press(Qt::Key_Backspace), "abcd", {0, 2}},
        // A tab across that column leaves blanks for its part before it.
        {"Backspace goes back to the indent of an earlier row", "  a\r\n\t\tb", {1, 16}, Press(Qt::Key_Backspace),
         "  a\r\n  b", {1, 2}},
        {"Backspace past the row end only moves left", "ab", {0, 5}, Press(Qt::Key_Backspace), "ab", {0, 4}},
        {"Delete takes a whole kanji", Sjis("漢") + "a\r\nb", {0, 0}, Press(Qt::Key_Delete), "a\r\nb"},
        {"Delete past the row end pads and joins", "a\r\nb", {0, 3}, Press(Qt::Key_Delete), "a  b"},
        {"Delete at the end of the last row does nothing", "a\r\nb", {1, 1}, Press(Qt::Key_Delete), "a\r\nb"},
        {"Tab inserts a tab", "ab", {0, 1}, Press(Qt::Key_Tab), "a\tb", {0, 8}},
        {"a soft tab inserts blanks to the next stop", "ab", {0, 1},
         [](D d) {
             d->Caret()->SetSoftTab(true);
             d->Caret()->SetTabSpaceCount(4);
             d.Key(Qt::Key_Tab);
         },
         "a   b"},
        {"Tab in overwrite mode only moves the caret", "abcdefghij", {0, 0},
         [](D d) { d->SetOverWrite(true); d.Key(Qt::Key_Tab); }, "abcdefghij", {0, 8}},
        {"Shift and Ctrl+Tab insert nothing", "ab", {0, 0},
         [](D d) {
             d.Key(Qt::Key_Backtab, Qt::ShiftModifier);
             d.Key(Qt::Key_Tab, Qt::ShiftModifier);
             d.Key(Qt::Key_Tab, Qt::ControlModifier);
         },
         "ab"},
    };
    // clang-format on
    for (const TKeyEdit& c : cases) {
        TEditorDriver drv;
        drv.SetText(c.Text);
        drv->SetRowCol(c.At.Row, c.At.Col);
        c.Keys(drv);
        EXPECT_EQ(drv.Text(), c.Expected) << c.What;
        if (c.Caret.Row >= 0) {
            EXPECT_EQ(drv.Caret(), c.Caret) << c.What;
        }
    }
}

TEST_F(Typing, AReadOnlyEditorTakesNoEdits)
{
    ed.SetText("ab\r\ncd");
    ed->SetReadOnly(true);
    ed->SetRowCol(0, 1);
    ed.Type("x");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab})
        ed.Key(key);
    EXPECT_EQ(ed.Text(), "ab\r\ncd");
    EXPECT_FALSE(ed->CanUndo());
}

TEST_F(Typing, TypedTextOrEnterReplacesTheSelectionInOneStep)
{
    ed.SetText("abcdef");
    ed.Select({0, 1}, {0, 4});
    ed.Type("Z");
    EXPECT_EQ(ed.Text(), "aZef");
    ed->Undo();
    EXPECT_EQ(ed.Text(), "abcdef");

    ed->Caret()->SetAutoIndent(false);
    ed.Select({0, 1}, {0, 3});
    ed.Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(ed.Text(), "abcdef") << "Shift+Enter keeps the selection";
    EXPECT_TRUE(ed->Selected());
    ed.Key(Qt::Key_Return);
    EXPECT_EQ(ed.Text(), "a\r\ndef");
}

// ---- Cursor keys ------------------------------------------------------------------------------

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

TEST_F(CursorKeys, PageDownAndARepeatingDownAtTheEdgeGoFaster)
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

    // A repeating Down moves faster only from the view's last row.
    ed->Speed()->SetCaretVerticalAc(3);
    ed->SetRowCol(40, 0);
    Repeat(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 41);
    ed->SetRowCol(50, 0);
    Repeat(Qt::Key_Down);
    EXPECT_EQ(ed->Row(), 53);
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
