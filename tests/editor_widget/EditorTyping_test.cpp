// Typing through key events: characters with their text, Japanese ones
// whole, no characters under Ctrl, the owner's key events, and the editing
// keys Enter, Backspace, Delete and Tab.
#include "EditorDriver.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using edtest::Sjis;
using edtest::TEditorDriver;

class Typing : public testing::Test {
protected:
    TEditorDriver ed;
};

TEST_F(Typing, CharactersGoInAtTheCaretAndJapaneseOnesWhole)
{
    ed.SetText("xy\r\n");
    ed->SetRowCol(0, 1);
    ed.Type("abc");
    ed.Type("漢");
    EXPECT_EQ(ed.Text(), "xabc" + Sjis("漢") + "y\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 6}));
    EXPECT_TRUE(ed->Modified());
}

TEST_F(Typing, ACharacterWithAHighLeadByteIsInsertedWholeInOneStep)
{
    // 燹 is E0 9F: its lead byte looks like a single-byte character's and
    // its trail byte like a lead byte.
    const std::string kanji = Sjis("燹");
    ASSERT_EQ(kanji, "\xE0\x9F");
    ed.Type("燹");
    ed.Type("a");
    EXPECT_EQ(ed.Text(), kanji + "a");
    ed->Undo();
    EXPECT_EQ(ed.Text(), kanji) << "the a is its own step, not paired with the trail byte";
    ed->Undo();
    EXPECT_EQ(ed.Text(), "");
}

TEST_F(Typing, NothingIsTypedWhileCtrlOrAltIsHeld)
{
    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    // QTest gives Ctrl+A the text "a" and Ctrl+keypad 1 the text "1".
    ed.Key(Qt::Key_A, Qt::ControlModifier);
    ed.Key(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
    ed.Key(Qt::Key_X, Qt::AltModifier, "x");
    EXPECT_EQ(ed.Text(), "ab");
}

TEST_F(Typing, TheOwnerHearsKeysAndCharactersAndMayTakeThem)
{
    std::vector<uint16_t> keys;
    std::vector<char> chars;
    ed->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) {
        keys.push_back(Key);
        if (Key == VK_RIGHT)
            Key = 0;
    };
    ed->OnKeyPress = [&](TObject*, char& Key) {
        chars.push_back(Key);
        if (Key == 'q')
            Key = 0;
    };
    ed.SetText("ab");
    ed.Key(Qt::Key_Right);
    EXPECT_EQ(ed->Col(), 0) << "a key taken by the owner does nothing";
    ed.Type("qz");
    ed.Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(ed.Text(), "zab");
    // QTest presses Shift on its own first, as a keyboard does.
    EXPECT_EQ(keys, (std::vector<uint16_t>{VK_RIGHT, 'Q', 'Z', VK_SHIFT, VK_TAB}));
    // Shift+Tab types nothing, but the owner hears its character.
    EXPECT_EQ(chars, (std::vector<char>{'q', 'z', '\t'}));
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

TEST_F(Typing, OverwriteReplacesColumnsAndLeavesABlankForHalfAKanji)
{
    ed.SetText("a" + Sjis("漢") + "b");
    ed->SetOverWrite(true);
    ed.Type("xy");
    EXPECT_EQ(ed.Text(), "xy b");
}

TEST_F(Typing, TypingPastTheRowEndPadsWithBlanks)
{
    ed.SetText("ab\r\n");
    ed->SetRowCol(0, 7);
    ed.Type("z");
    EXPECT_EQ(ed.Text(), "ab     z\r\n");
}

TEST_F(Typing, TypedTextReplacesTheSelection)
{
    ed.SetText("abcdef");
    ed.Select({0, 1}, {0, 4});
    ed.Type("Z");
    EXPECT_EQ(ed.Text(), "aZef");
    ed->Undo();
    EXPECT_EQ(ed.Text(), "abcdef") << "one step";
}

// ---- Enter ----------------------------------------------------------------------------------

TEST_F(Typing, EnterIndentsTheNewLineLikeTheLine)
{
    ed.SetText("  abc");
    ed->SetRowCol(0, 5);
    ed.Key(Qt::Key_Return);
    EXPECT_EQ(ed.Text(), "  abc\r\n  ");
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 2}));
    // Inside the leading blanks only up to the caret.
    ed.SetText("  abc");
    ed->SetRowCol(0, 1);
    ed.Key(Qt::Key_Enter);
    EXPECT_EQ(ed.Text(), " \r\n  abc");
}

TEST_F(Typing, TabIndentWritesTabsThenSpaces)
{
    ed->Caret()->SetTabIndent(true);
    ed->Caret()->SetTabSpaceCount(4);
    ed.SetText("      x");
    ed->SetRowCol(0, 7);
    ed.Key(Qt::Key_Return);
    EXPECT_EQ(ed.Text(), "      x\r\n\t  ");
}

TEST_F(Typing, ShiftEnterOpensAnIndentedLineAbove)
{
    ed.SetText("  abc\r\n");
    ed->SetRowCol(0, 4);
    ed.Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(ed.Text(), "  \r\n  abc\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 2}));
}

TEST_F(Typing, EnterOnTheRowAfterTheLastAppendsALineBreak)
{
    ed.SetText("ab\r\n");
    ed->SetRow(1);
    ed.Key(Qt::Key_Return);
    EXPECT_EQ(ed.Text(), "ab\r\n\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{2, 0}));
}

TEST_F(Typing, EnterReplacesASelectionButShiftEnterKeepsIt)
{
    ed->Caret()->SetAutoIndent(false);
    ed.SetText("abcd");
    ed.Select({0, 1}, {0, 3});
    ed.Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(ed.Text(), "abcd");
    EXPECT_TRUE(ed->Selected());
    ed.Key(Qt::Key_Return);
    EXPECT_EQ(ed.Text(), "a\r\nd");
}

TEST_F(Typing, ReturnGoesToTheWindowWhenTheEditorDoesNotWantIt)
{
    ed->SetWantReturns(false);
    ed.SetText("ab");
    ed.Key(Qt::Key_Return);
    EXPECT_EQ(ed.Text(), "ab");
}

// ---- Backspace and Delete -----------------------------------------------------------------------

TEST_F(Typing, BackspaceAtAContinuationRowTakesTheLastCharacterAbove)
{
    ed.Wrap(20);
    ed.SetText(std::string(18, 'a') + Sjis("漢") + "bcd\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    ed->SetRowCol(1, 0);
    ed.Key(Qt::Key_Backspace);
    EXPECT_EQ(ed.Text(), std::string(18, 'a') + "bcd\r\n");
}

TEST_F(Typing, BackspaceJoinsLinesAndUnIndents)
{
    ed.SetText("ab\r\ncd");
    ed->SetRowCol(1, 0);
    ed.Key(Qt::Key_Backspace);
    EXPECT_EQ(ed.Text(), "abcd");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 2}));

    // Back to the indent of the nearest earlier row indented less; a tab
    // across that column leaves blanks for its part before it.
    ed.SetText("  a\r\n\t\tb");
    ed->SetRowCol(1, 16);
    ed.Key(Qt::Key_Backspace);
    EXPECT_EQ(ed.Text(), "  a\r\n  b");
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 2}));
}

TEST_F(Typing, BackspacePastTheRowEndOnlyMovesLeft)
{
    ed.SetText("ab");
    ed->SetRowCol(0, 5);
    ed.Key(Qt::Key_Backspace);
    EXPECT_EQ(ed.Text(), "ab");
    EXPECT_EQ(ed->Col(), 4);
}

TEST_F(Typing, DeleteTakesWholeCharactersAndJoinsRowsWithPadding)
{
    ed.SetText(Sjis("漢") + "a\r\nb\r\nc");
    ed.Key(Qt::Key_Delete);
    EXPECT_EQ(ed.Text(), "a\r\nb\r\nc");
    // Past the row's end the row is padded to the caret and joined.
    ed->SetRowCol(0, 3);
    ed.Key(Qt::Key_Delete);
    EXPECT_EQ(ed.Text(), "a  b\r\nc");
    // Nothing at the end of the last row without a line break.
    ed->SetRowCol(1, 1);
    ed.Key(Qt::Key_Delete);
    EXPECT_EQ(ed.Text(), "a  b\r\nc");
}

// ---- Tab ----------------------------------------------------------------------------------------

TEST_F(Typing, TabInsertsATabOrBlanksToTheNextStop)
{
    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    ed.Key(Qt::Key_Tab);
    EXPECT_EQ(ed.Text(), "a\tb");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 8}));
    EXPECT_TRUE(ed->hasFocus()) << "Tab does not move the focus";

    ed->Caret()->SetSoftTab(true);
    ed->Caret()->SetTabSpaceCount(4);
    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    ed.Key(Qt::Key_Tab);
    EXPECT_EQ(ed.Text(), "a   b");
}

TEST_F(Typing, SoftTabStopsAtTheWrapColumn)
{
    ed->Caret()->SetSoftTab(true);
    ed.Wrap(20);
    ed.SetText(std::string(18, 'a'));
    ed->SetRowCol(0, 18);
    ed.Key(Qt::Key_Tab);
    EXPECT_EQ(ed.Text(), std::string(18, 'a') + "  ");
}

TEST_F(Typing, TabInOverwriteModeOnlyMovesTheCaret)
{
    ed.SetText("abcdefghij");
    ed->SetOverWrite(true);
    ed.Key(Qt::Key_Tab);
    EXPECT_EQ(ed.Text(), "abcdefghij");
    EXPECT_EQ(ed->Col(), 8);
}

TEST_F(Typing, ShiftAndCtrlTabInsertNothing)
{
    ed.SetText("ab");
    ed.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    ed.Key(Qt::Key_Tab, Qt::ShiftModifier);
    ed.Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(ed.Text(), "ab");
}

} // namespace
