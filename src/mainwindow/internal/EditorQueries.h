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
