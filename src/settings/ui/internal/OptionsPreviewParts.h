// Short ways to the preview editors' colour elements and bracket pairs.
#pragma once

#include "EditorEx.h"
#include "SettingsHost.h"

inline TEditorColors& Colors(const TEditorEx& Editor) { return *Editor.View()->Colors(); }

inline TFountainColor& Bracket(const TEditorEx& Editor, int Index)
{
    return *Editor.View()->Brackets()->Items(Index)->ItemColor();
}
