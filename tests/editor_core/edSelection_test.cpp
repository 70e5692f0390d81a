#include "edSelection.h"

#include "edEditTestSupport.h"

using edtest::Sjis;

namespace {

constexpr auto Box = TEditorSelectionMode::smBox;

class SelectionTest : public edtest::EditFixture {};

TEST_F(SelectionTest, SelStartAndSelLengthSelectAcrossALineBreak)
{
    SetText("ab\r\ncd");
    // SelStart := 4, SelLength := 2.
    const TCaretPos start = CaretAtPos(List(), 4);
    const TCaretPos end = CaretAfterLength(List(), start.Row, start.Col, 2);
    const TSelectionRange range = Select(start, end);
    EXPECT_EQ(SelectionText(List(), range), "cd");
    EXPECT_EQ(SelectionLength(List(), range), 2);
    EXPECT_EQ(CharPos(List(), range.StartRow, range.StartIndex), 4);
    // From the end of row 0 the line break is selected too.
    const TSelectionRange across = Select({0, 1}, {1, 1});
    EXPECT_EQ(SelectionText(List(), across), "b\r\nc");
    EXPECT_EQ(SelectionLength(List(), across), 4);
}

TEST_F(SelectionTest, StreamTextJoinsWrappedRowsAndEndsLinesWithCrLf)
{
    // "0123456789abcdefghijKLM" wraps after 20 columns.
    SetText("0123456789abcdefghijKLM\r\nxyz\r\nlast", true, 20);
    ASSERT_EQ(List().RowText(1), "KLM");
    const TSelectionRange range = Select({0, 15}, {3, 2});
    EXPECT_EQ(SelectionText(List(), range), "fghijKLM\r\nxyz\r\nla");
    EXPECT_EQ(SelectionLength(List(), range), static_cast<int>(SelectionText(List(), range).size()));
    // Selected backwards, the same text.
    const TSelectionRange backwards = Select({3, 2}, {0, 15});
    EXPECT_EQ(SelectionText(List(), backwards), "fghijKLM\r\nxyz\r\nla");
    EXPECT_EQ(backwards.StartCol, 15);
    EXPECT_EQ(backwards.EndCol, 2);
    // To the place after the last line break: the break is in the text.
    SetText("ab\r\ncd\r\n");
    const TSelectionRange all = Select({0, 0}, {2, 0});
    EXPECT_EQ(SelectionText(List(), all), "ab\r\ncd\r\n");
    EXPECT_EQ(SelectionLength(List(), all), List().GetTextLen());
}

TEST_F(SelectionTest, StreamDisplayRangeEndsAtTheRowsEnd)
{
    SetText("abc\r\nabcdefgh");
    // A free caret past the end of row 0.
    const TSelectionRange range = Select({0, 9}, {1, 5});
    EXPECT_EQ(range.StartCol, 3);
    EXPECT_EQ(range.StartIndex, 3);
    EXPECT_EQ(SelectionText(List(), range), "\r\nabcde");
    const TSelectionRange same = Select({1, 20}, {1, 2});
    EXPECT_EQ(same.StartCol, 2);
    EXPECT_EQ(same.EndCol, 8);
    EXPECT_EQ(SelectionText(List(), same), "cdefgh");
}

TEST_F(SelectionTest, BoxTakesCharactersCutByTheRightEdgeAndLeavesThoseCutByTheLeft)
{
    // Columns: row 0 "ab漢cd" (漢 at 2-3), row 1 "a\tb" (tab 1-7), row 2
    // short, row 3 "012345".
    SetText("ab" + Sjis("漢") + "cd\r\na\tb\r\nx\r\n012345");
    const TSelectionRange range = Select({0, 3}, {3, 5}, Box);
    EXPECT_EQ(range.StartCol, 3);
    EXPECT_EQ(range.EndCol, 5);
    // Row 0: the kanji begins left of the box and is left out, "c" is in
    // it; row 1: the tab begins left of it; row 2 is shorter; row 3 gives
    // "34".
    EXPECT_EQ(SelectionText(List(), range), "c\r\n\r\n\r\n34\r\n");
    EXPECT_EQ(SelectionLength(List(), range), 1 + 2 + 2 + 2 + 2 + 2);

    const TSelectionRange wide = Select({0, 1}, {1, 3}, Box);
    // The kanji (2-3) and the tab (1-7) begin inside and are taken whole.
    EXPECT_EQ(SelectionText(List(), wide), "b" + Sjis("漢") + "\r\n\t\r\n");
    EXPECT_EQ(SelectionLength(List(), wide), 3 + 2 + 1 + 2);
}

TEST_F(SelectionTest, HitTestMatchesWhatIsSelected)
{
    SetText("abcdef\r\nghijkl\r\nmnopqr");
    const TSelectionRange stream = Select({0, 4}, {2, 2});
    EXPECT_FALSE(IsInSelection(List(), stream, 0, 3));
    EXPECT_TRUE(IsInSelection(List(), stream, 0, 4));
    EXPECT_TRUE(IsInSelection(List(), stream, 1, 0));
    EXPECT_TRUE(IsInSelection(List(), stream, 2, 1));
    EXPECT_FALSE(IsInSelection(List(), stream, 2, 2));
    EXPECT_FALSE(IsInSelection(List(), stream, 3, 0));

    SetText("a" + Sjis("漢") + "b\r\n0123");
    const TSelectionRange box = Select({0, 2}, {1, 4}, Box);
    // Row 0 takes "b" only: the kanji begins at column 1, left of the box.
    EXPECT_EQ(SelectionText(List(), box), "b\r\n23\r\n");
    EXPECT_FALSE(IsInSelection(List(), box, 0, 2));
    EXPECT_TRUE(IsInSelection(List(), box, 0, 3));
    EXPECT_FALSE(IsInSelection(List(), box, 0, 4));
    EXPECT_TRUE(IsInSelection(List(), box, 1, 2));
    EXPECT_TRUE(IsInSelection(List(), box, 1, 3));
    EXPECT_FALSE(IsInSelection(List(), box, 1, 4));
}

TEST_F(SelectionTest, LineLengthOfASelectionCountsItsRowsUnselectedCharacters)
{
    SetText("abcdef");
    EXPECT_EQ(SelectionLineLength(List(), Select({0, 2}, {0, 4})), 4);
}

TEST_F(SelectionTest, RemovalKeepsEachBoxRowsAttribute)
{
    SetText("abcdef\r\n012345\r\nxyz");
    const TSelectionRemoval removal = RemoveSelection(List(), Select({0, 1}, {2, 3}, Box));
    ASSERT_EQ(removal.Rows.size(), 3u);
    EXPECT_EQ(removal.Rows[0].Text, "adef");
    EXPECT_EQ(removal.Rows[1].Text, "0345");
    EXPECT_EQ(removal.Rows[2].Text, "x");
    EXPECT_EQ(removal.Rows[2].Attribute, TRowAttribute::raEof);
    EXPECT_EQ(removal.At, 1);

    const TRowEdit edit = SelectionReplacement(List(), Select({0, 2}, {1, 1}), "XY");
    EXPECT_EQ(edit.Row, 0);
    EXPECT_EQ(edit.Count, 2);
    EXPECT_EQ(edit.Text, "abXY12345\r\n");
    EXPECT_EQ(edit.CaretOffset, 4);
}

} // namespace
