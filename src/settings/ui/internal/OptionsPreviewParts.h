// Short ways to the preview editors' colour elements and bracket pairs.
#pragma once

#include "EditorEx.h"

// The bracket pairs after "{*", "{!" and "/*".
constexpr int Kagi = 3, FileLink = 4, PageLink = 5;

inline TEditorColors& Colors(const TEditorEx& Editor) { return *Editor.View()->Colors(); }

inline TFountainColor& Bracket(const TEditorEx& Editor, int Index)
{
    return *Editor.View()->Brackets()->Items(Index)->ItemColor();
}
