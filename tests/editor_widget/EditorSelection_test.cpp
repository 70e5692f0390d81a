// The selection in character positions and as text, stream and box, its
// deletion, search hits that are shown but not selected, and the selection
// mode.
#include "EditorDriver.h"

#include <gtest/gtest.h>

namespace {

using edtest::Sjis;
using edtest::TEditorDriver;

class Selection : public testing::Test {
protected:
    TEditorDriver ed;
};

TEST_F(Selection, PositionsCountALineBreakAsTwo)
{
    ed.SetText("ab\r\ncd");
    ed->SetSelStart(3);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 2}));
    ed->SetSelStart(4);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0}));
    ed->SetSelLength(2);
    EXPECT_EQ(ed->SelText(), "cd");
    EXPECT_EQ(ed->SelLength(), 2);
    EXPECT_EQ(ed->SelStart(), 4);
    // Past the text: its end; below 1: its start.
    ed->SetSelStart(99);
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 2}));
    ed->SetSelStart(-5);
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 0}));
}

TEST_F(Selection, AStreamJoinsWrappedRowsAndEndsLinesWithALineBreak)
{
    ed.Wrap(20);
    ed.SetText(std::string(15, 'a') + std::string(15, 'b') + "\r\nxyz\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    ed.Select({0, 10}, {ed->RowCount() - 1, 2});
    EXPECT_EQ(ed->SelText(), std::string(5, 'a') + std::string(15, 'b') + "\r\nxy");
    EXPECT_EQ(ed->SelLength(), static_cast<int>(ed->SelText().size()));
}

TEST_F(Selection, ABoxTakesWholeCharactersAtItsRightEdgeOnly)
{
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    ed.SetText("0123456\r\n0" + Sjis("漢") + "3" + Sjis("字") + "6\r\n01\r\n");
    ed.Select({0, 2}, {2, 5});
    // Row 1: the kanji across the left edge is left out, the one across
    // the right edge taken whole; row 2 is shorter than the box.
    EXPECT_EQ(ed->SelText(), "234\r\n3" + Sjis("字") + "\r\n\r\n");
    EXPECT_EQ(ed->SelLength(), 3 + 2 + 3 + 2 + 0 + 2);
    // Setting a length goes back to a stream first.
    ed->SetSelLength(3);
    EXPECT_EQ(ed->SelectionMode(), TEditorSelectionMode::smLine);
    EXPECT_EQ(ed->SelText(), "234");
}

TEST_F(Selection, DeletingAStreamOrABoxIsOneStep)
{
    const std::string text = "abcdef\r\nghij\r\nklmnop\r\n";
    ed.SetText(text);
    ed.Select({0, 2}, {2, 3});
    ed.Key(Qt::Key_Delete);
    EXPECT_EQ(ed.Text(), "abnop\r\n");
    ed.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), text);

    const std::string kanji = "0123456\r\n0" + Sjis("漢") + "3" + Sjis("字") + "6\r\n0123456\r\n";
    ed.SetText(kanji);
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    ed.Select({2, 5}, {0, 2});
    ed.Key(Qt::Key_Backspace);
    EXPECT_EQ(ed.Text(), "0156\r\n0" + Sjis("漢") + "6\r\n0156\r\n");
    ed.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), kanji);
}

TEST_F(Selection, ASearchHitIsShownButNotSelected)
{
    ed->SetHitStyle(TEditorHitStyle::hsDraw);
    ed.SetText("one two three");
    ASSERT_TRUE(ed->Search("two", esDown));
    EXPECT_EQ(ed->SelectionState(), TEditorSelectionState::sstHitSelected);
    EXPECT_FALSE(ed->Selected());
    EXPECT_EQ(ed->SelLength(), 0);
    EXPECT_EQ(ed->SelText(), "");
    EXPECT_EQ(ed->SelStart(), 4) << "its start is still the selection's";
    // A typed character does not replace it.
    ed.Type("X");
    EXPECT_EQ(ed.Text(), "one twoX three");
}

TEST_F(Selection, AHitShownAsACaretIsAsWideAsTheHitUntilCommitted)
{
    ed->SetHitStyle(TEditorHitStyle::hsCaret);
    ed.SetText("one two three");
    ASSERT_TRUE(ed->Search("three", esDown));
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 8})) << "the caret stands at the hit's start";
    EXPECT_EQ(ed->CaretRect().width(), 5 * ed->ColWidth());
    EXPECT_EQ(ed->HitSelLength(), 5);
    ed->CommitHitSelection();
    EXPECT_TRUE(ed->Selected());
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 13}));
    EXPECT_EQ(ed->SelText(), "three");
    EXPECT_EQ(ed->CaretRect().width(), 2);
}

TEST_F(Selection, SelectAllTakesTheWholeText)
{
    ed.SetText("ab\r\n" + Sjis("漢") + "\r\nc");
    ed->SelectAll();
    EXPECT_EQ(ed->SelText(), ed.Text());
    EXPECT_EQ(ed->SelLength(), ed->GetTextLen());
}

TEST_F(Selection, TheModeChangesTheShownSelection)
{
    int modeChanges = 0;
    ed->OnSelectionModeChange = [&](TObject*) { ++modeChanges; };
    ed.SetText("abcd\r\nefgh\r\n");
    ed.Select({0, 1}, {1, 3});
    EXPECT_EQ(ed->SelText(), "bcd\r\nefg");
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    EXPECT_EQ(ed->SelText(), "bc\r\nfg\r\n");
    EXPECT_EQ(modeChanges, 1);
}

} // namespace
