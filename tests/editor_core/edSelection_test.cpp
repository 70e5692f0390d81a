#include "edSelection.h"

#include "edEditTestSupport.h"

using edtest::Sjis;

namespace {

constexpr auto Box = TEditorSelectionMode::smBox;

class SelectionTest : public edtest::EditFixture {
protected:
    // Which of the columns 0 to Cols - 1 of Row are in the selection, as "0" and "1".
    std::string Selected(const TSelectionRange& Range, int Row, int Cols)
    {
        std::string map;
        for (int col = 0; col < Cols; ++col)
            map += IsInSelection(List(), Range, Row, col) ? '1' : '0';
        return map;
    }
};

TEST_F(SelectionTest, BoxTakesCharactersCutByTheRightEdgeAndLeavesThoseCutByTheLeft)
{
    // Row 0 "ab漢cd" (漢 at 2-3), row 1 "a\tb" (tab 1-7), row 2 short,
    // row 3 "012345".
    SetText("ab" + Sjis("漢") + "cd\r\na\tb\r\nx\r\n012345");
    const TSelectionRange range = Select({0, 3}, {3, 5}, Box);
    EXPECT_EQ(SelectionText(List(), range), "c\r\n\r\n\r\n34\r\n");
    EXPECT_EQ(SelectionLength(List(), range), 11);
    // The kanji (2-3) and the tab (1-7) begin inside and are taken whole.
    const TSelectionRange wide = Select({0, 1}, {1, 3}, Box);
    EXPECT_EQ(SelectionText(List(), wide), "b" + Sjis("漢") + "\r\n\t\r\n");
    EXPECT_EQ(SelectionLength(List(), wide), 8);
}

TEST_F(SelectionTest, RemovalAndReplacementOfTheRows)
{
    SetText("abcdef\r\n012345\r\nxyz");
    EXPECT_EQ(SelectionLineLength(List(), Select({0, 2}, {0, 4})), 4);
    // A box removal keeps each row's attribute.
    const TSelectionRemoval removal = RemoveSelection(List(), Select({0, 1}, {2, 3}, Box));
    ASSERT_EQ(removal.Rows.size(), 3u);
    EXPECT_EQ(removal.Rows[0].Text + removal.Rows[1].Text + removal.Rows[2].Text, "adef"
                                                                                  "0345"
                                                                                  "x");
    EXPECT_EQ(removal.Rows[2].Attribute, TRowAttribute::raEof);
    EXPECT_EQ(removal.At, 1);
    const TRowEdit edit = SelectionReplacement(List(), Select({0, 2}, {1, 1}), "XY");
    EXPECT_EQ(edit.Row, 0);
    EXPECT_EQ(edit.Count, 2);
    EXPECT_EQ(edit.Text, "abXY12345\r\n");
    EXPECT_EQ(edit.CaretOffset, 4);
}

TEST_F(SelectionTest, HitTestMatchesWhatIsSelected)
{
    SetText("abcdef\r\nghijkl\r\nmnopqr");
    const TSelectionRange stream = Select({0, 4}, {2, 2});
    EXPECT_EQ(Selected(stream, 0, 6) + Selected(stream, 1, 1) + Selected(stream, 2, 3), "000011"
                                                                                        "1"
                                                                                        "110");
    EXPECT_FALSE(IsInSelection(List(), stream, 3, 0));
    // Row 0 takes "b" only: the kanji begins at column 1, left of the box.
    SetText("a" + Sjis("漢") + "b\r\n0123");
    const TSelectionRange box = Select({0, 2}, {1, 4}, Box);
    EXPECT_EQ(SelectionText(List(), box), "b\r\n23\r\n");
    EXPECT_EQ(Selected(box, 0, 5), "00010");
    EXPECT_EQ(Selected(box, 1, 5), "00110");
}

} // namespace
