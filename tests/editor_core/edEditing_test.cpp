#include "edEditing.h"

#include "edEditTestSupport.h"

using edtest::RowsOf;
using edtest::RowView;
using edtest::Sjis;

namespace {

constexpr auto Crlf = TRowAttribute::raCrlf;
constexpr auto Box = TEditorSelectionMode::smBox;

class EditingTest : public edtest::EditFixture {
protected:
    // Types S at the caret, as the widget does with a key's text.
    void Type(std::string_view S, bool OverWrite = false)
    {
        ASSERT_TRUE(Follow(InsertString(List(), {Caret().Row, Caret().Col}, S, OverWrite)));
    }
};

TEST_F(EditingTest, TypingInsertsAtTheCaretInOneStep)
{
    SetText("abc\r\ndef");
    SetCaret({1, 1});
    Type("XY");
    EXPECT_EQ(Text(), "abc\r\ndXYef");
    EXPECT_EQ(Caret(), (TCaretPos{1, 3}));
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_FALSE(InsertString(List(), {0, 0}, "", false));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, ADoubleByteCharacterWithAHighLeadByteIsInsertedWhole)
{
    // "燹" is E0 9F: its lead byte lies in the range of single-byte kana
    // and its trail byte in the range of lead bytes.
    const std::string kanji = Sjis("燹");
    ASSERT_EQ(kanji, "\xE0\x9F");
    SetText("ab");
    SetCaret({0, 1});
    Type(kanji);
    EXPECT_EQ(Text(), "a\xE0\x9F"
                      "b");
    EXPECT_EQ(Caret(), (TCaretPos{0, 3}));
    EXPECT_EQ(UndoSteps(), 1);
    // The next typed byte does not pair with the trail byte.
    Type("c");
    EXPECT_EQ(Text(), "a\xE0\x9F"
                      "cb");
    EXPECT_EQ(Caret(), (TCaretPos{0, 4}));
    List().Undo();
    List().Undo();
    EXPECT_EQ(Text(), "ab");
}

TEST_F(EditingTest, TypingPastTheRowsEndFillsTheGapWithBlanks)
{
    SetText("ab\r\ncd");
    SetCaret({0, 7});
    Type("x");
    EXPECT_EQ(Text(), "ab     x\r\ncd");
    EXPECT_EQ(Caret(), (TCaretPos{0, 8}));
    // On the place after the last line break a new line begins.
    SetText("ab\r\n");
    SetCaret({1, 2});
    Type("z");
    EXPECT_EQ(Text(), "ab\r\n  z");
    // In an empty text.
    SetText("");
    Type("q");
    EXPECT_EQ(Text(), "q");
}

TEST_F(EditingTest, OverwriteReplacesColumnsAndLeavesABlankForHalfAKanji)
{
    SetText(Sjis("漢字") + "x");
    Type("a", true);
    EXPECT_EQ(Text(), "a " + Sjis("字") + "x");
    EXPECT_EQ(Caret(), (TCaretPos{0, 1}));
    // Two bytes over a single byte and a whole kanji's first column.
    SetText("a" + Sjis("漢") + "b");
    Type(Sjis("字"), true);
    EXPECT_EQ(Text(), Sjis("字") + " b");
    // A tab partly covered stays.
    SetText("ab\tc");
    SetCaret({0, 2});
    Type("x", true);
    EXPECT_EQ(Text(), "abx\tc");
    // At the row's end it inserts.
    SetText("ab\r\ncd");
    SetCaret({0, 2});
    Type("xy", true);
    EXPECT_EQ(Text(), "abxy\r\ncd");
}

TEST_F(EditingTest, OverwriteRunsOnIntoTheFollowingRowsOfAWrappedLine)
{
    SetText("0123456789abcdefghijKLMNOP\r\nnext", true, 20);
    ASSERT_EQ(List().RowText(1), "KLMNOP");
    SetCaret({0, 18});
    Type("*****", true);
    EXPECT_EQ(Text(), "0123456789abcdefgh*****NOP\r\nnext");
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(Caret(), (TCaretPos{1, 3}));
}

TEST_F(EditingTest, TextReplacesTheSelectionAndNormalisesLineBreaks)
{
    SetText("abc\r\ndef\r\nghi");
    const TSelectionRange range = Select({0, 1}, {2, 1});
    ASSERT_TRUE(Follow(InsertText(List(), {Caret().Row, Caret().Col, &range}, "1\n2\r3\r\n4")));
    EXPECT_EQ(Text(), "a1\r\n2\r\n3\r\n4hi");
    EXPECT_EQ(Caret(), (TCaretPos{3, 1}));
    EXPECT_EQ(UndoSteps(), 1);
    List().Undo();
    EXPECT_EQ(Text(), "abc\r\ndef\r\nghi");

    // An empty text deletes a selection, and without one does nothing.
    const TSelectionRange word = Select({1, 0}, {1, 3});
    ASSERT_TRUE(Follow(InsertText(List(), {1, 3, &word}, "")));
    EXPECT_EQ(Text(), "abc\r\n\r\nghi");
    EXPECT_FALSE(InsertText(List(), {1, 0}, ""));
}

TEST_F(EditingTest, TypingReplacesABoxSelectionAtItsFirstRow)
{
    SetText("abcd\r\nefgh");
    const TSelectionRange range = Select({0, 1}, {1, 3}, Box);
    ASSERT_TRUE(Follow(InsertString(List(), {Caret().Row, Caret().Col, &range}, "X", false)));
    EXPECT_EQ(Text(), "aXd\r\neh");
    EXPECT_EQ(Caret(), (TCaretPos{0, 2}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, BoxPastePadsShortRowsAndMakesRowsPastTheText)
{
    SetText("a");
    SetCaret({0, 3});
    ASSERT_TRUE(Follow(PasteBox(List(), {0, 3}, "12\r\n34\r\n")));
    EXPECT_EQ(RowsOf(List()), (std::vector<RowView>{{"a  12", Crlf}, {"   34", Crlf}}));
    EXPECT_EQ(Caret(), (TCaretPos{1, 5}));
    EXPECT_EQ(UndoSteps(), 1);
    List().Undo();
    EXPECT_EQ(Text(), "a");
}

TEST_F(EditingTest, BoxPasteInsertsAtTheColumnOfEachRow)
{
    SetText(Sjis("漢字") + "ab\r\n\tx\r\nlong line\r\nlast");
    SetCaret({0, 2});
    ASSERT_TRUE(Follow(PasteBox(List(), {0, 2}, "1\r\n2\r\n3")));
    // Row 1: column 2 is in the tab's fill, so the line goes before the tab.
    EXPECT_EQ(Text(), Sjis("漢") + "1" + Sjis("字") + "ab\r\n2\tx\r\nlo3ng line\r\nlast");
    EXPECT_EQ(Caret(), (TCaretPos{2, 3}));
}

TEST_F(EditingTest, BoxPasteReplacesABoxSelection)
{
    SetText("abcd\r\nefgh\r\nijkl");
    const TSelectionRange range = Select({0, 1}, {1, 3}, Box);
    ASSERT_TRUE(Follow(PasteBox(List(), {Caret().Row, Caret().Col, &range}, "XY\r\nZW\r\nUV\r\n")));
    EXPECT_EQ(Text(), "aXYd\r\neZWh\r\niUVjkl\r\n");
    EXPECT_EQ(Caret(), (TCaretPos{2, 3}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, DeletingAStreamOverThreeRowsUndoesByteForByte)
{
    const std::string text = "first line\r\nsecond line\r\nthird line\r\n";
    SetText(text);
    Follow(DeleteSelection(List(), Select({0, 6}, {2, 6})));
    EXPECT_EQ(Text(), "first line\r\n");
    EXPECT_EQ(Caret(), (TCaretPos{0, 6}));
    List().Undo();
    EXPECT_EQ(Text(), text);
    // Everything.
    Follow(DeleteSelection(List(), Select({0, 0}, {3, 0})));
    EXPECT_EQ(Text(), "");
    List().Undo();
    EXPECT_EQ(Text(), text);
}

TEST_F(EditingTest, DeletingABoxKeepsCharactersCutByItsLeftEdge)
{
    const std::string text = "a" + Sjis("漢") + "bc\r\n0\t12\r\nxyz";
    SetText(text);
    // Columns 2-4: the kanji (1-2) and the tab (1-7) begin left of the box.
    Follow(DeleteSelection(List(), Select({0, 2}, {2, 4}, Box)));
    EXPECT_EQ(Text(), "a" + Sjis("漢") + "c\r\n0\t12\r\nxy");
    EXPECT_EQ(UndoSteps(), 1);
    List().Undo();
    EXPECT_EQ(Text(), text);
}

TEST_F(EditingTest, DeletingInWrappedTextRewrapsAndPlacesTheCaret)
{
    SetText("0123456789abcdefghijKLMNOP\r\nnext", true, 20);
    Follow(DeleteSelection(List(), Select({0, 5}, {1, 2})));
    EXPECT_EQ(Text(), "01234MNOP\r\nnext");
    EXPECT_EQ(List().Count(), 2);
    EXPECT_EQ(Caret(), (TCaretPos{0, 5}));
}

TEST_F(EditingTest, MovingTheSelectionWithinALine)
{
    SetText("one two three");
    const TSelectionRange two = Select({0, 4}, {0, 8});
    // To a later place: it lands where it was dropped.
    ASSERT_TRUE(Follow(MoveSelectionTo(List(), two, 0, 13)));
    EXPECT_EQ(Text(), "one threetwo ");
    EXPECT_EQ(Caret(), (TCaretPos{0, 13}));
    EXPECT_EQ(UndoSteps(), 1);
    // To an earlier place.
    const TSelectionRange three = Select({0, 4}, {0, 9});
    ASSERT_TRUE(Follow(MoveSelectionTo(List(), three, 0, 0)));
    EXPECT_EQ(Text(), "threeone two ");
    EXPECT_EQ(Caret(), (TCaretPos{0, 5}));
}

TEST_F(EditingTest, MovingTheSelectionPastAShorterRowPadsIt)
{
    SetText("ab\r\ncdefgh\r\nij");
    const TSelectionRange range = Select({1, 2}, {1, 4});
    ASSERT_TRUE(Follow(MoveSelectionTo(List(), range, 0, 5)));
    EXPECT_EQ(Text(), "ab   ef\r\ncdgh\r\nij");
    EXPECT_EQ(Caret(), (TCaretPos{0, 7}));
    // Across rows, to the row below.
    SetText("ab\r\ncd\r\nef");
    const TSelectionRange across = Select({0, 1}, {1, 1});
    ASSERT_TRUE(Follow(MoveSelectionTo(List(), across, 2, 1)));
    EXPECT_EQ(Text(), "ad\r\neb\r\ncf");
    // A target inside the selection moves nothing.
    const TSelectionRange inside = Select({0, 0}, {2, 2});
    EXPECT_FALSE(MoveSelectionTo(List(), inside, 1, 1));
    EXPECT_EQ(Text(), "ad\r\neb\r\ncf");
}

TEST_F(EditingTest, DeleteRowPutsTheCaretByWhatIsLeft)
{
    SetText("a\r\nb\r\nc");
    EXPECT_EQ(DeleteRow(List(), 1), (TCaretPos{1, 0}));
    EXPECT_EQ(Text(), "a\r\nc");
    EXPECT_EQ(DeleteRow(List(), 0), (TCaretPos{0, 0}));
    EXPECT_EQ(Text(), "c");
    EXPECT_FALSE(DeleteRow(List(), 3));
    // The last row of a wrapped line: the row above becomes the last row
    // (a line ending at the wrap column ends on its row).
    SetText("0123456789abcdefghijKL", true, 20);
    List().WrapOption()->SetFollowRetMark(true);
    ASSERT_EQ(List().Count(), 2);
    EXPECT_EQ(DeleteRow(List(), 1), (TCaretPos{0, 20}));
    EXPECT_EQ(Text(), "0123456789abcdefghij");
    EXPECT_EQ(RowsOf(List()).back().Attribute, TRowAttribute::raEof);
    // The last line: the caret goes to the place after the line break.
    SetText("ab\r\ncd");
    EXPECT_EQ(DeleteRow(List(), 1), (TCaretPos{1, 0}));
    EXPECT_EQ(Text(), "ab\r\n");
}

} // namespace
