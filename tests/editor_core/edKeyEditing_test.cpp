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
