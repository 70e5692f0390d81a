#include "edKeyEditing.h"

#include "edEditTestSupport.h"
#include "edOptions.h"

using edtest::Sjis;

namespace {

const std::string Wrapped = "0123456789abcdefghijklmnop"; // wraps after "k" with an indent of 2

class KeyEditingTest : public edtest::EditFixture {};

TEST_F(KeyEditingTest, BackSpaceUnIndentGoesBackToTheEarlierIndent)
{
    TEditorCaret options;
    options.SetAutoIndent(true);
    options.SetBackSpaceUnIndent(true);
    const struct {
        std::string Before;
        TCaretPos At;
        std::string After; // the text and the caret, as State gives them
        bool Wrap = false;
    } cases[] = {
        {"a\r\n    b\r\n        c", {2, 8}, "a\r\n    b\r\n    c @2:4"},
        {"a\r\n    b\r\n    c", {2, 4}, "a\r\n    b\r\nc @2:0"},
        // Not just after the blanks: an ordinary Backspace.
        {"a\r\n    b\r\nc", {1, 5}, "a\r\n    \r\nc @1:4"},
        // A blank across the target turns into spaces: a tab (0-7) then 4
        // spaces over an earlier indent of 2.
        {"  a\r\n\t    b", {1, 12}, "  a\r\n  b @1:2"},
        // A full-width space across the target keeps a space for its left half.
        {" a\r\n" + Sjis("　　") + "b", {1, 4}, " a\r\n b @1:1"},
        // A free caret after the last line, whose row above continues a line
        // without an indent of its own: only moves.
        {"  " + Wrapped + "\r\n", {2, 6}, "  " + Wrapped + "\r\n @2:2", true},
    };
    for (const auto& c : cases) {
        Start(c.Before, c.At, c.Wrap);
        const std::string before = Text();
        EXPECT_TRUE(Follow(KeyBackSpace(List(), Caret(), options)));
        EXPECT_EQ(State(), c.After) << "from " << c.At << " in \"" << c.Before << "\"";
        // One undo step for a change; a caret that only moves makes none.
        EXPECT_EQ(UndoSteps(), Text() == before ? 0 : 1);
    }
}

} // namespace
