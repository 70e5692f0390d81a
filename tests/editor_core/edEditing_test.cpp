#include "edEditing.h"

#include "edEditTestSupport.h"

using edtest::RowsOf;
using edtest::RowView;
using edtest::Sjis;

namespace {

constexpr auto Box = TEditorSelectionMode::smBox;

class EditingTest : public edtest::EditFixture {
protected:
    // Types S at the caret, as the widget does with a key's text.
    void Type(std::string_view S, bool OverWrite = false)
    {
        ASSERT_TRUE(Follow(InsertString(List(), {Caret().Row, Caret().Col}, S, OverWrite)));
    }
    void Paste(std::string_view Rows, const TSelectionRange* Range = nullptr)
    {
        ASSERT_TRUE(Follow(PasteBox(List(), {Caret().Row, Caret().Col, Range}, Rows)));
    }
};

TEST_F(EditingTest, TypingAndOverwritingInOneStep)
{
    const struct {
        std::string Before;
        TCaretPos At;
        std::string Typed;
        bool OverWrite;
        std::string After;
        bool Wrap = false;
    } cases[] = {
        {"abc\r\ndef", {1, 1}, "XY", false, "abc\r\ndXYef @1:3"},
        // Past the row's end the gap fills with blanks; on the place after
        // the last line break a new line begins.
        {"ab\r\ncd", {0, 7}, "x", false, "ab     x\r\ncd @0:8"},
        {"ab\r\n", {1, 2}, "z", false, "ab\r\n  z @1:3"},
        {"", {0, 0}, "q", false, "q @0:1"},
        // Overwriting leaves a blank for half a kanji.
        {Sjis("漢字") + "x", {0, 0}, "a", true, "a " + Sjis("字") + "x @0:1"},
        // Two bytes over a single byte and a whole kanji's first column.
        {"a" + Sjis("漢") + "b", {0, 0}, Sjis("字"), true, Sjis("字") + " b @0:2"},
        {"ab\tc", {0, 2}, "x", true, "abx\tc @0:3"},         // a tab partly covered stays
        {"ab\r\ncd", {0, 2}, "xy", true, "abxy\r\ncd @0:4"}, // at the row's end it inserts
        // On into the following rows of a wrapped line.
        {"0123456789abcdefghijKLMNOP\r\nnext", {0, 18}, "*****", true, "0123456789abcdefgh*****NOP\r\nnext @1:3", true},
    };
    for (const auto& c : cases) {
        Start(c.Before, c.At, c.Wrap);
        Type(c.Typed, c.OverWrite);
        EXPECT_EQ(State(), c.After);
        EXPECT_EQ(UndoSteps(), 1);
    }
    EXPECT_FALSE(InsertString(List(), {0, 0}, "", false));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, ADoubleByteCharacterWithAHighLeadByteIsInsertedWhole)
{
    // "燹" is E0 9F: its lead byte lies in the range of single-byte kana
    // and its trail byte in the range of lead bytes.
    Start("ab", {0, 1});
    Type(Sjis("燹"));
    EXPECT_EQ(State(), "a\xE0\x9F"
                       "b @0:3");
    // The next typed byte does not pair with the trail byte.
    Type("c");
    EXPECT_EQ(State(), "a\xE0\x9F"
                       "cb @0:4");
    List().Undo();
    EXPECT_EQ(Text(), "a\xE0\x9F"
                      "b");
    List().Undo();
    EXPECT_EQ(Text(), "ab");
}

TEST_F(EditingTest, TextReplacesTheSelectionAndNormalisesLineBreaks)
{
    SetText("abc\r\ndef\r\nghi");
    const TSelectionRange range = Select({0, 1}, {2, 1});
    ASSERT_TRUE(Follow(InsertText(List(), {Caret().Row, Caret().Col, &range}, "1\n2\r3\r\n4")));
    EXPECT_EQ(State(), "a1\r\n2\r\n3\r\n4hi @3:1");
    EXPECT_EQ(UndoSteps(), 1);
    List().Undo();
    EXPECT_EQ(Text(), "abc\r\ndef\r\nghi");
    // An empty text deletes a selection, and without one does nothing.
    const TSelectionRange word = Select({1, 0}, {1, 3});
    ASSERT_TRUE(Follow(InsertText(List(), {1, 3, &word}, "")));
    EXPECT_EQ(Text(), "abc\r\n\r\nghi");
    EXPECT_FALSE(InsertText(List(), {1, 0}, ""));
    // Typing over a box replaces it at its first row.
    SetText("abcd\r\nefgh");
    const TSelectionRange box = Select({0, 1}, {1, 3}, Box);
    ASSERT_TRUE(Follow(InsertString(List(), {Caret().Row, Caret().Col, &box}, "X", false)));
    EXPECT_EQ(State(), "aXd\r\neh @0:2");
}

TEST_F(EditingTest, BoxPasteInsertsAtTheColumnOfEachRow)
{
    Start(Sjis("漢字") + "ab\r\n\tx\r\nlong line\r\nlast", {0, 2});
    Paste("1\r\n2\r\n3");
    // Row 1: column 2 is in the tab's fill, so the line goes before the tab.
    EXPECT_EQ(State(), Sjis("漢") + "1" + Sjis("字") + "ab\r\n2\tx\r\nlo3ng line\r\nlast @2:3");
    // Over a box selection.
    SetText("abcd\r\nefgh\r\nijkl");
    const TSelectionRange range = Select({0, 1}, {1, 3}, Box);
    Paste("XY\r\nZW\r\nUV\r\n", &range);
    EXPECT_EQ(State(), "aXYd\r\neZWh\r\niUVjkl\r\n @2:3");
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, DeleteRowPutsTheCaretByWhatIsLeft)
{
    SetText("a\r\nb\r\nc");
    EXPECT_EQ(DeleteRow(List(), 1), (TCaretPos{1, 0}));
    EXPECT_EQ(DeleteRow(List(), 0), (TCaretPos{0, 0}));
    EXPECT_EQ(Text(), "c");
    EXPECT_FALSE(DeleteRow(List(), 3));
    // The last row of a wrapped line: the row above becomes the last row
    // (a line ending at the wrap column ends on its row).
    SetText("0123456789abcdefghijKL", true);
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
