// What the font toolbar needs of the main window. The main window
// implements it; tests use a fake.
#pragma once

#include "CommandId.h"

class TDockButton;
class TEditorEx;

class IFontToolbarHost {
public:
    virtual ~IFontToolbarHost() = default;

    // The page editor, the second pane (null while no view is open) and
    // the pane that holds the page.
    virtual TEditorEx* DataMemo() const = 0;
    virtual TEditorEx* SecondEditor() const = 0;
    virtual TEditorEx* ActiveEditor() const = 0;
    // The window's toolbar button (sbMark, sbLineNo, sbRTN).
    virtual TDockButton* ToolButton(TCommandId Button) const = 0;
    // sbUndo and sbRedo.
    virtual void SetEditUndoButtons(bool CanUndo, bool CanRedo) = 0;
    // The panes wrap at the window's edge while RightRtn is on.
    virtual void ApplyWindowWrap() = 0;
};
