// A thousand seeded random edits made as a user makes them (typing,
// Japanese included, Enter, Tab, Backspace and Delete, selecting with Shift
// and the mouse, cut, copy and paste, box copy and paste, indenting), on
// wrapped and unwrapped text: undoing them all gives the starting text
// back, and redoing them all the final text.
#include "EditorDriver.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

#include <random>

namespace {

using namespace edtest;

class UndoRoundTrip : public testing::TestWithParam<bool> {
protected:
    int Random(int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(Generator_); }

    void TypeSomething()
    {
        static const char* const pieces[] = {"a", "bc", " ", "x y", "漢", "字かな", "ｶﾞ", "\r", "(", "0"};
        for (int i = Random(4) + 1; i > 0; --i)
            ed.Type(pieces[Random(std::size(pieces))]);
    }

    void MoveOrSelect()
    {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};
        const Qt::KeyboardModifiers shift = Random(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        for (int i = Random(5) + 1; i > 0; --i)
            ed.Key(keys[Random(std::size(keys))], shift);
    }

    void ClickOrDrag()
    {
        const int rows = std::max(ed->RowCount(), 1);
        const TCaretPos from{Random(rows), Random(12)};
        if (Random(2))
            ed.Click(ed.At(from.Row, from.Col));
        else
            ed.Select(from, {std::min(from.Row + Random(2), rows - 1), Random(12)});
    }

    void BoxCopy()
    {
        ed->SetSelectionMode(TEditorSelectionMode::smBox);
        ed.Key(Qt::Key_Down, Qt::ShiftModifier);
        ed.Key(Qt::Key_Right, Qt::ShiftModifier);
        ed.Key(Qt::Key_Right, Qt::ShiftModifier);
        ed.Key(Qt::Key_C, Qt::ControlModifier);
    }

    void Indent()
    {
        static void (TEditor::*const indents[])() = {&TEditor::IndentSelection, &TEditor::UnIndentSelection,
                                                     &TEditor::TabIndentSelection, &TEditor::TabUnIndentSelection};
        ed.Key(Qt::Key_Down, Qt::ShiftModifier);
        (ed.Ed().*indents[Random(std::size(indents))])();
    }

    // One random step; the text is kept from growing without end.
    void Step()
    {
        ed->SetSelectionMode(Random(6) == 0 ? TEditorSelectionMode::smBox : TEditorSelectionMode::smLine);
        const bool large = ed->GetTextLen() > 3000;
        switch (Random(large ? 4 : 13)) {
        case 0: ed.Key(Qt::Key_Delete); break;
        case 1: ed.Key(Qt::Key_Backspace); break;
        case 2: ed.Key(Qt::Key_X, Qt::ControlModifier); break;
        case 3:
            if (large) {
                ed->SelectAll();
                ed.Key(Qt::Key_Delete);
                break;
            }
            [[fallthrough]];
        case 4:
        case 5:
        case 6: TypeSomething(); break;
        case 7: MoveOrSelect(); break;
        case 8: ClickOrDrag(); break;
        case 9:
            ed.Key(Qt::Key_C, Qt::ControlModifier);
            ClickOrDrag();
            ed.Key(Qt::Key_V, Qt::ControlModifier);
            break;
        case 10:
            BoxCopy();
            ClickOrDrag();
            ed.Key(Qt::Key_V, Qt::ControlModifier);
            break;
        case 11: Indent(); break;
        default: ed.Key(Qt::Key_Tab); break;
        }
    }

    TEditorDriver ed;

private:
    std::mt19937 Generator_{20240607u};
};

TEST_P(UndoRoundTrip, UndoAllAndRedoAllGiveBothEnds)
{
    ed->SetUndoListMax(1'000'000);
    if (GetParam())
        ed.Wrap(20);
    QApplication::clipboard()->setText(QString::fromUtf8("貼り\n付け"));
    std::string start;
    for (int i = 0; i < 8; ++i)
        start +=
            "\tint main()\r\n{\r\n    return 0; // " + Sjis("終わり") + "\r\n}\r\n" + std::string(45, 'w') + "\r\n";
    ed.SetText(start);
    for (int i = 0; i < 1000; ++i)
        Step();
    const std::string end = ed.Text();
    ASSERT_NE(end, start);

    while (ed->CanUndo())
        ed.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), start);
    while (ed->CanRedo())
        ed.Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), end);
}

INSTANTIATE_TEST_SUITE_P(Wrap, UndoRoundTrip, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& Info) { return Info.param ? "Wrapped" : "Unwrapped"; });

} // namespace
