// Small questions the main window asks of a page editor.
#pragma once

#include "EditorEx.h"

// The editor an event came from, else Fallback.
inline TEditorEx& EditorOf(TObject* Sender, TEditorEx& Fallback)
{
    auto* editor = dynamic_cast<TEditorEx*>(Sender);
    return editor ? *editor : Fallback;
}

inline bool TextEmpty(const TEditorEx& Editor) { return Editor.GetTextLen() == 0; }
// The logical line the caret stands in; -1 when there is none (the caret
// after a final line break stands in none).
inline int CaretLine(const TEditorEx& Editor)
{
    const int line = Editor.RowToLine(Editor.Row());
    return line < Editor.Lines()->Count() ? line : -1;
}
// Exactly one line break: two places, on an empty first row.
inline bool TextIsCrLf(const TEditorEx& Editor) { return Editor.GetTextLen() == 2 && Editor.RowText(0).empty(); }
// TAB indents rather than types: a box with a selection, or whole selected
// lines.
inline bool TabIndents(const TEditorEx& Editor)
{
    if (Editor.SelectionMode() == TEditorSelectionMode::smBox)
        return Editor.Selected();
    return Editor.SelEndsAtRowStart();
}
