// The extended editor's find commands: find next and previous over logical
// lines and wrapped rows with each hit style, no wrap-around, the limit
// without word wrap, the replace loop, a pattern that does not compile,
// and the small commands beside them (options, replacement escapes,
// whole-line selections, reconversion's guards, the row helpers).
#include "EditorDriver.h"
#include "EditorEx.h"

#include <gtest/gtest.h>

namespace {

using edtest::Bytes;
using edtest::TEditorDriver;
using enum TExSearchOption;

class ExFind : public testing::Test {
protected:
    void Find(const std::string& What, TExSearchOptions Options = {soMatchCase})
    {
        ed.SetFindString(What);
        ed.SetExSearchOptions(Options);
    }
    std::pair<int, int> Caret() const { return {ed.Row(), ed.Col()}; }

    TEditorDriver drv{TEditor::Create<TEditorEx>()};
    TEditorEx& ed = static_cast<TEditorEx&>(drv.Ed());
};

using Place = std::pair<int, int>;

TEST_F(ExFind, FindNextSelectsTheHitAtTheCaretThenTheNext)
{
    drv.SetText("abc abc abc");
    Find("abc");
    ed.SetRowCol(0, 4);
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(ed.SelectionState(), TEditorSelectionState::sstSelected);
    EXPECT_EQ(ed.SelStart(), 4);
    EXPECT_EQ(ed.SelLength(), 3);
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(ed.SelStart(), 8);

    // No wrap-around: the last hit stays selected.
    EXPECT_FALSE(ed.FindNext());
    EXPECT_EQ(ed.SelStart(), 8);
    EXPECT_EQ(ed.SelLength(), 3);
}

TEST_F(ExFind, WithACaretAsWideAsTheHitFindNextStepsOverTheHitShown)
{
    ed.SetHitStyle(TEditorHitStyle::hsCaret);
    drv.SetText("abc abc abc");
    Find("abc");
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(ed.SelectionState(), TEditorSelectionState::sstHitSelected);
    EXPECT_EQ(ed.HitSelLength(), 3);
    EXPECT_EQ(Caret(), Place(0, 0));
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(Caret(), Place(0, 4));
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(Caret(), Place(0, 8));
    EXPECT_FALSE(ed.FindNext());
    EXPECT_EQ(Caret(), Place(0, 8));
}

TEST_F(ExFind, FindNextGoesOnThroughLogicalLinesAndTheirWrappedRows)
{
    ed.SetHitStyle(TEditorHitStyle::hsCaret);
    drv.Wrap(20);
    drv.SetText("x\r\n" + Bytes(25, 'b') + "abc\r\n" + Bytes(18, 'c') + "abc");
    ASSERT_EQ(ed.RowText(1).size(), 20u);
    Find("abc");
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(Caret(), Place(2, 5)) << "on the line's second row";
    // A hit split by the wrap.
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(Caret(), Place(3, 18));
    EXPECT_FALSE(ed.FindNext());

    // Back again, line by line.
    ed.SetHitStyle(TEditorHitStyle::hsSelect);
    ed.SetRowCol(ed.RowCount() - 1, 5);
    ASSERT_TRUE(ed.FindPrevious());
    EXPECT_EQ(Caret(), Place(3, 18));
    ASSERT_TRUE(ed.FindPrevious());
    EXPECT_EQ(Caret(), Place(2, 5));
    EXPECT_FALSE(ed.FindPrevious());
}

TEST_F(ExFind, FindPreviousWalksBackwardsAndStopsAtTheStart)
{
    drv.SetText("abc abc abc");
    Find("abc");
    // From the start of the text: nothing found, nothing changed.
    EXPECT_FALSE(ed.FindPrevious());
    EXPECT_EQ(ed.SelectionState(), TEditorSelectionState::sstNone);
    EXPECT_EQ(Caret(), Place(0, 0));

    ed.SetRowCol(0, 11);
    for (const int start : {8, 4, 0}) {
        ASSERT_TRUE(ed.FindPrevious()) << start;
        // The hit is shown with the caret back at its start.
        EXPECT_EQ(ed.SelectionState(), TEditorSelectionState::sstSelected);
        EXPECT_EQ(ed.SelStart(), start);
        EXPECT_EQ(ed.SelLength(), 3);
        EXPECT_EQ(Caret(), Place(0, start));
    }
    EXPECT_FALSE(ed.FindPrevious());
}

TEST_F(ExFind, WithoutWordWrapHitsPastTheThousandthByteAreNotFound)
{
    drv.SetText(Bytes(1001) + "XYZ\r\nXYZ");
    Find("XYZ");
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(Caret(), Place(1, 3)) << "the first row's hit is skipped";
    ed.SetRowCol(0, 0);
    EXPECT_FALSE(ed.FindPrevious());

    // Wrapped, the same hit is found.
    drv.Wrap(100);
    ed.SetRowCol(0, 0);
    ASSERT_TRUE(ed.FindNext());
    EXPECT_EQ(ed.SelStart(), 1001);
}

TEST_F(ExFind, TheReplaceLoopEndsAfterReplacingEachHitOnce)
{
    drv.SetText("aaa");
    Find("a");
    int replacements = 0;
    while (ed.FindNext() && replacements < 10) {
        ASSERT_TRUE(ed.ReplaceSelection("aa"));
        ++replacements;
    }
    EXPECT_EQ(replacements, 3);
    EXPECT_EQ(ed.GetText(), "aaaaaa");
}

TEST_F(ExFind, ReplaceSelectionNeedsASelectionAndCommitsAHit)
{
    drv.SetText("one two");
    EXPECT_FALSE(ed.ReplaceSelection("X"));
    EXPECT_EQ(ed.GetText(), "one two");

    ed.SetHitStyle(TEditorHitStyle::hsCaret);
    Find("two");
    ASSERT_TRUE(ed.FindNext());
    ASSERT_EQ(ed.SelectionState(), TEditorSelectionState::sstHitSelected);
    EXPECT_TRUE(ed.ReplaceSelection("2"));
    EXPECT_EQ(ed.GetText(), "one 2");
}

TEST_F(ExFind, FindOnAnEmptyTextOrWithAnEmptyStringFindsNothing)
{
    Find("a");
    EXPECT_FALSE(ed.FindNext());
    EXPECT_FALSE(ed.FindPrevious());
    drv.SetText("aaa");
    Find("");
    EXPECT_FALSE(ed.FindNext());
    EXPECT_EQ(ed.SelectionState(), TEditorSelectionState::sstNone);
}

TEST_F(ExFind, SearchOptionsAreStoredNormalised)
{
    ed.SetExSearchOptions({soWholeWord, soRegexp});
    EXPECT_EQ(ed.ExSearchOptions(), TExSearchOptions{soRegexp});
    ed.SetExSearchOptions({soFuzzy, soMatchCase});
    EXPECT_EQ(ed.ExSearchOptions(), TExSearchOptions{soMatchCase});
    ed.SetExSearchOptions({soRegexp, soFuzzy});
    EXPECT_EQ(ed.ExSearchOptions(), (TExSearchOptions{soRegexp, soFuzzy}));
    ed.SetExSearchOptions({soWholeWord});
    EXPECT_EQ(ed.ExSearchOptions(), TExSearchOptions{soWholeWord});
}

TEST_F(ExFind, ReplacementEscapesAreExpanded)
{
    EXPECT_EQ(ed.ExpandReplaceText("a\\tb\\\\"), "a\tb\\");
}

TEST_F(ExFind, ASelectionEndingAtARowStartCoversWholeLines)
{
    drv.SetText("abc\r\ndef");
    EXPECT_FALSE(ed.SelEndsAtRowStart());
    ed.SetSel(0, 5);
    ASSERT_EQ(ed.SelText(), "abc\r\n");
    EXPECT_TRUE(ed.SelEndsAtRowStart());
    ed.SetSel(0, 6);
    EXPECT_FALSE(ed.SelEndsAtRowStart());
}

TEST_F(ExFind, ReconversionKeepsItsGuardsAndNeverChangesTheText)
{
    drv.SetText("abc");
    ed.ReconvertSelection();
    ed.SetSel(0, 2);
    ed.SetReadOnly(true);
    ed.ReconvertSelection();
    ed.SetReadOnly(false);
    ed.ReconvertSelection();
    EXPECT_EQ(ed.GetText(), "abc");
    EXPECT_EQ(ed.SelText(), "ab");
}

TEST_F(ExFind, RowHelpers)
{
    drv.Wrap(20);
    drv.SetText("a\tb\r\n" + Bytes(30));
    EXPECT_EQ(ed.ColumnToCharIndex(0, 0), 0);
    EXPECT_EQ(ed.ColumnToCharIndex(0, 3), 1) << "tab fill counts as its tab";
    EXPECT_EQ(ed.ColumnToCharIndex(0, 8), 2);
    EXPECT_EQ(ed.ColumnToCharIndex(-1, 0), -1);
    EXPECT_EQ(ed.ColumnToCharIndex(ed.RowCount(), 0), -1);
    EXPECT_EQ(ed.LogicalLineFirstRow(2), 1);
    EXPECT_EQ(ed.LogicalLineLastRow(1), 2);
    EXPECT_EQ(ed.LogicalLineFirstRow(0), 0);
    EXPECT_EQ(ed.LogicalLineLastRow(99), 99);
    EXPECT_EQ(ed.WordCharClass("a-b", 2), '1');
    EXPECT_EQ(ed.WordCharClass("a b", 2), '0');
    EXPECT_EQ(ed.WordCharClass("a", 5), '0');
}

} // namespace
