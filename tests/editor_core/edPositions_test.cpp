#include "edPositions.h"

#include "edEditTestSupport.h"

#include "Sjis.h"

using edtest::Sjis;

namespace {

class PositionsTest : public edtest::EditFixture {};

TEST_F(PositionsTest, EditQueriesCountScreenRowsWithWordWrap)
{
    // A 45-byte line wraps into rows of 20, 20 and 5 bytes.
    SetText(std::string(45, 'a') + "\r\nxy", true, 20);
    ASSERT_EQ(List().Count(), 4);
    EXPECT_EQ(LineIndex(List(), 1), 20);
    EXPECT_EQ(LineIndex(List(), 3), 47);
    // No row after a last row without a line break, none past the end.
    EXPECT_EQ(LineIndex(List(), 4), -1);
    EXPECT_EQ(LineIndex(List(), -1), -1);
    EXPECT_EQ(LineFromChar(List(), 25), 1);
    EXPECT_EQ(LineFromChar(List(), 46), 2); // the line break belongs to its row
    EXPECT_EQ(LineFromChar(List(), 1000), 3);
    EXPECT_EQ(LineLength(List(), 41), 5);
    EXPECT_EQ(LineCharIndex(List(), 2, 3), 43);
    EXPECT_EQ(LineCharIndex(List(), 9, 0), -1);
    EXPECT_EQ(LineCharIndex(List(), 0, -1), -1);
    SetText("ab\r\n");
    EXPECT_EQ(LineIndex(List(), 1), 4); // the place after the last line break
    EXPECT_EQ(LineFromChar(List(), 4), 1);
    EXPECT_EQ(LineLength(List(), 4), 0);
    // A row copied into a buffer: at most its size, nothing outside the rows.
    SetText("abcdef\r\ngh\r\n");
    EXPECT_EQ(GetLine(List(), 0, 4), "abcd");
    EXPECT_EQ(GetLine(List(), 1, 100), "gh");
    EXPECT_EQ(GetLine(List(), 2, 100), "");
    EXPECT_EQ(GetLine(List(), -1, 100), "");
}

TEST_F(PositionsTest, PositionAndPlaceRoundTripOnCharacterBoundaries)
{
    SetText("a\t" + Sjis("漢字") + "b\r\n" + Sjis("かな") + "\r\nend", true, 20);
    const std::string text = Text();
    for (sjis::CharCursor c(text); !c.AtEnd(); c.Next()) {
        if (text[c.Pos()] == '\n')
            continue; // inside a line break
        const int pos = static_cast<int>(c.Pos());
        const TCaretPos place = PosFromChar(List(), pos);
        EXPECT_EQ(CharFromRowCol(List(), place.Row, place.Col), pos) << pos;
    }
    EXPECT_EQ(PosFromChar(List(), 4), (TCaretPos{0, 10}));
    EXPECT_EQ(CharFromRowCol(List(), 0, 3), 1);  // in the tab's fill: the tab
    EXPECT_EQ(CharFromRowCol(List(), 0, 11), 4); // second half of a kanji: the kanji
    EXPECT_EQ(CharFromRowCol(List(), 0, 30), 7); // past the row's end: its end
    EXPECT_EQ(CharFromRowCol(List(), 7, 0), static_cast<int>(text.size()));
}

TEST_F(PositionsTest, PagesOver64KiloBytesReportFullPositions)
{
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += std::string(70, 'x') + "\r\n";
    SetText(text);
    EXPECT_EQ(CharFromRowCol(List(), 999, 10), 999 * 72 + 10);
    EXPECT_EQ(LineFromChar(List(), 999 * 72 + 10), 999);
    EXPECT_EQ(LineIndex(List(), 999), 999 * 72);
    EXPECT_EQ(CaretAtPos(List(), 999 * 72 + 10), (TCaretPos{999, 10}));
    // The packed form refuses what it cannot hold instead of cutting it.
    EXPECT_EQ(PackPositions(71998, 71998), -1);
    EXPECT_EQ(PackPositions(70000, 5), -1);
    EXPECT_EQ(PackPositions(5, 7), 5 | 7 << 16);
    EXPECT_EQ(PackPositions(-1, 7), -1);
}

} // namespace
