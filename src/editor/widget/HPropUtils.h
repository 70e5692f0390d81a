// Copying what one editor publishes to another: the split and browse views
// give their second pane the page editor's event handlers this way, and
// its settings.
#pragma once

#include "Set.h"

class TEditor;

enum class TPublishedKind {
    pkMethod,  // the event handlers (OnChange, OnKeyDown, ...)
    pkSetting, // colour, font, option objects, scroll bars, word wrap
};
using TPublishedKinds = TSet<TPublishedKind>;

// Source's published properties of the kinds in Kinds, written to Dest. The
// handlers are called with the editor that fires them as Sender, so one
// handler serves both editors.
void CopyPublishedProperties(const TEditor& Source, TEditor& Dest, TPublishedKinds Kinds);
