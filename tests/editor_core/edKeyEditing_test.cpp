#include "edKeyEditing.h"

#include "edEditTestSupport.h"
#include "edOptions.h"

using edtest::Sjis;

namespace {

enum class Key { Return, ShiftReturn, BackSpace, Delete, Tab };

struct KeyCase {
    std::string Before;
    TCaretPos At;
    Key Pressed;
    std::string After; // the text and the caret, as State gives them
    bool Wrap = false;
};

class KeyEditingTest : public edtest::EditFixture {
protected:
    KeyEditingTest()
    {
        Options.SetAutoIndent(true);
        Options.SetBackSpaceUnIndent(false);
    }

    bool Press(Key Pressed, bool OverWrite = false)
    {
        switch (Pressed) {
        case Key::Return:
        case Key::ShiftReturn:
            return Follow(KeyReturn(List(), Caret(), Options, OverWrite, Pressed == Key::ShiftReturn));
        case Key::BackSpace:
            return Follow(KeyBackSpace(List(), Caret(), Options));
        case Key::Delete:
            return Follow(KeyDelete(List(), Caret()));
        case Key::Tab:
            return Follow(KeyTab(List(), {Caret().Row, Caret().Col}, Options, OverWrite));
        }
        return false;
    }
    void Check(std::initializer_list<KeyCase> Cases)
    {
        for (const KeyCase& c : Cases) {
            Start(c.Before, c.At, c.Wrap);
            const std::string before = Text();
            EXPECT_TRUE(Press(c.Pressed));
            EXPECT_EQ(State(), c.After) << "from " << c.At << " in \"" << c.Before << "\"";
            // One undo step for a change; a caret that only moves makes none.
            EXPECT_EQ(UndoSteps(), Text() == before ? 0 : 1);
        }
    }

    TEditorCaret Options;
};

const std::string Wrapped = "0123456789abcdefghijklmnop"; // wraps after "k" with an indent of 2

TEST_F(KeyEditingTest, KeysEditAroundTheCaretInOneStep)
{
    Check({
        {"  abc\r\nnext", {0, 5}, Key::Return, "  abc\r\n  \r\nnext @1:2"},
        // Inside the leading blanks the indent goes up to the caret only.
        {"    abc", {0, 1}, Key::Return, " \r\n    abc @1:1"},
        // The indent of the logical line's first row, not of the wrapped row.
        {"  " + Wrapped, {1, 3}, Key::Return, "  0123456789abcdefghijk\r\n  lmnop @2:2", true},
        {"first\r\n    " + Wrapped + "\r\nlast", {2, 4}, Key::ShiftReturn,
         "first\r\n    \r\n    " + Wrapped + "\r\nlast @1:4", true},
        // Past the last row a line break is appended.
        {"  ab\r\n", {1, 0}, Key::Return, "  ab\r\n\r\n @2:0"},
        {"", {0, 0}, Key::Return, "\r\n @1:0"},
        // Backspace: a kanji whole; after a tab's fill, the tab; past the
        // row's end the caret only moves left.
        {"a" + Sjis("漢") + "\tb", {0, 3}, Key::BackSpace, "a\tb @0:1"},
        {"a\tb", {0, 8}, Key::BackSpace, "ab @0:1"},
        {"ab", {0, 5}, Key::BackSpace, "ab @0:4"},
        {"", {0, 3}, Key::BackSpace, " @0:2"},
        // At a line start it joins the line above; on the place after the
        // last line break, that break goes.
        {"ab\r\ncd\r\n", {1, 0}, Key::BackSpace, "abcd\r\n @0:2"},
        {"abcd\r\n", {1, 0}, Key::BackSpace, "abcd @0:4"},
        // On a continuation row: the last character above (a kanji at 18-19).
        {std::string(18, 'a') + Sjis("漢") + "bcd", {1, 0}, Key::BackSpace, std::string(18, 'a') + "bcd @0:18", true},
        // Delete: a kanji whole; on a tab's fill, the tab.
        {Sjis("漢") + "a\tb", {0, 0}, Key::Delete, "a\tb @0:0"},
        {"a\tb", {0, 4}, Key::Delete, "ab @0:1"},
        // Past the row's end it pads and joins the next row.
        {"ab\r\ncd\r\nef", {0, 4}, Key::Delete, "ab  cd\r\nef @0:4"},
        {"ab\r\n", {0, 2}, Key::Delete, "ab @0:2"},
        // A tab character; the caret goes to the next tab stop.
        {"ab", {0, 1}, Key::Tab, "a\tb @0:8"},
    });
}

TEST_F(KeyEditingTest, TabAndIndentOptions)
{
    // Soft tabs fill to the tab stop, with word wrap never past the wrap column.
    Options.SetSoftTab(true);
    Check({
        {"ab", {0, 2}, Key::Tab, "ab       @0:8"},
        {std::string(18, 'x'), {0, 18}, Key::Tab, std::string(18, 'x') + "   @1:0", true},
    });
    Options.SetTabIndent(true);
    Options.SetTabSpaceCount(4);
    Editor.TabSize = 4;
    Check({{"      x", {0, 7}, Key::Return, "      x\r\n\t   @1:6"}});
    Options.SetTabIndent(false);
    // An empty line can take the indent of the line above.
    Options.SetPrevSpaceIndent(true);
    Check({{"   text\r\n\r\n\r\n", {2, 0}, Key::Return, "   text\r\n\r\n\r\n   \r\n @3:3"}});
    Options.SetPrevSpaceIndent(false);
    EXPECT_EQ(AutoIndentWidth(List(), {1, 0}, Options), 0);
    Options.SetAutoIndent(false);
    Check({{"  abc", {0, 3}, Key::Return, "  a\r\nbc @1:0"}});
}

TEST_F(KeyEditingTest, BackSpaceUnIndentGoesBackToTheEarlierIndent)
{
    Options.SetBackSpaceUnIndent(true);
    Check({
        {"a\r\n    b\r\n        c", {2, 8}, Key::BackSpace, "a\r\n    b\r\n    c @2:4"},
        {"a\r\n    b\r\n    c", {2, 4}, Key::BackSpace, "a\r\n    b\r\nc @2:0"},
        // Not just after the blanks: an ordinary Backspace.
        {"a\r\n    b\r\nc", {1, 5}, Key::BackSpace, "a\r\n    \r\nc @1:4"},
        // A blank across the target turns into spaces: a tab (0-7) then 4
        // spaces over an earlier indent of 2.
        {"  a\r\n\t    b", {1, 12}, Key::BackSpace, "  a\r\n  b @1:2"},
        // A full-width space across the target keeps a space for its left half.
        {" a\r\n" + Sjis("　　") + "b", {1, 4}, Key::BackSpace, " a\r\n b @1:1"},
        // A free caret after the last line, whose row above continues a line
        // without an indent of its own: only moves.
        {"  " + Wrapped + "\r\n", {2, 6}, Key::BackSpace, "  " + Wrapped + "\r\n @2:2", true},
    });
}

} // namespace
