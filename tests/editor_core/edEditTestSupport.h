// A row list shown by a stand-in editor, set up for the tests of the
// editing, selection and search routines: the text goes in and comes out
// whole, the caret is kept as the widget keeps it, and selections are made
// from an anchor and a caret place.
#pragma once

#include "FakeEditorClient.h"
#include "edPositions.h"
#include "edSelection.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

inline std::ostream& operator<<(std::ostream& Out, const TCaretPos& Place)
{
    return Out << '(' << Place.Row << ", " << Place.Col << ')';
}

namespace edtest {

class EditFixture : public ListTest {
protected:
    EditFixture();

    // The text as the list holds it, line breaks CR LF.
    std::string Text() { return List().GetTextStr(); }
    // Replaces the text, with word wrap at WrapByte columns when Wrap; the
    // history is emptied and the caret goes to (0, 0).
    void SetText(std::string_view Value, bool Wrap = false, int WrapByte = 20);
    // SetText, then the caret to Place.
    void Start(std::string_view Value, TCaretPos Place, bool Wrap = false, int WrapByte = 20)
    {
        SetText(Value, Wrap, WrapByte);
        SetCaret(Place);
    }
    // The text and the caret as "text @row:col", to compare both at once.
    std::string State() { return Text() + " @" + std::to_string(Editor.Row) + ":" + std::to_string(Editor.Col); }

    TCaretPos Caret() const { return {Editor.Row, Editor.Col}; }
    void SetCaret(TCaretPos Place);
    // Places the caret where a command left it; false when it left none.
    bool Follow(const std::optional<TCaretPos>& Place);

    // The selection from the anchor place to the caret place, which the
    // caret then stands on.
    TSelectionRange Select(TCaretPos From, TCaretPos To, TEditorSelectionMode Mode = TEditorSelectionMode::smLine);

    int UndoSteps() { return static_cast<int>(List().UndoObj()->UndoList().size()); }
};

} // namespace edtest
